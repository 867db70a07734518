// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/roialbert/roialbertmodel.h"

#include <algorithm>
#include <bit>
#include <cassert>

namespace {

// Where a card lies, as the key writes it. Since set(), a card leaves its place only for its
// foundation, to lie on a card it builds on or to head an empty column, and a reserve card never
// comes back: so a card in a column either lies on one of the two cards it builds on (which of
// them: which suit of that colour), heads its column, or lies where it was set on a card it does
// not build on. A card set in the reserve never lies where it was set in a column and one set in
// a column is never in the reserve, so one value says "where it was set" for both. Which card
// lies on which, each column's head and the reserve give back every column whatever their order,
// and the foundations hold the cards found nowhere else.
enum Lie : std::uint8_t { Home, AsSet, Head, OnFirstSuit, OnSecondSuit, Lies };

// The key is the number whose digit in base Lies for each card is where it lies: 5^52 < 2^121.
__extension__ typedef unsigned __int128 Wide;
constexpr std::array<Wide, 52> DigitWorth = [] {
    std::array<Wide, 52> worth{};
    Wide power = 1;
    for (Wide &digit : worth) {
        digit = power;
        power *= Lies;
    }
    return worth;
}();

constexpr int EmptyWorth = 12; // the outlook of an empty column

// The two cards that could ever lie on card, one bit each: one rank lower, the other colour.
std::uint64_t childrenOf(std::uint8_t card)
{
    if (RoialbertModel::rank(card) == 1)
        return 0;
    // Black suits are 0 and 3, red ones 1 and 2.
    return std::uint64_t(RoialbertModel::red(card) ? 0b1001 : 0b0110) << (card / 4 * 4 - 4);
}

} // namespace

bool RoialbertModel::set(const std::array<std::vector<std::uint8_t>, Columns> &columns,
                         const std::array<std::uint8_t, ReserveSize> &reserve,
                         const std::array<int, Suits> &foundations)
{
    *this = RoialbertModel{};
    std::array<bool, 52> seen{};
    const auto take = [&seen](std::uint8_t card) {
        if (card >= seen.size() || seen[card])
            return false;
        seen[card] = true;
        return true;
    };
    for (std::size_t c = 0; c < columns.size(); ++c) {
        if (columns[c].size() > std::size_t(MostInColumn))
            return false;
        for (const std::uint8_t card : columns[c]) {
            if (!take(card))
                return false;
            m_cards[c][m_height[c]++] = card;
        }
    }
    for (const std::uint8_t card : reserve) {
        if (card == NoCard)
            continue;
        if (!take(card))
            return false;
        m_reserve |= std::uint64_t(1) << card;
        setLie(card, AsSet);
    }
    for (std::size_t s = 0; s < foundations.size(); ++s) {
        if (foundations[s] < 0 || foundations[s] > 13)
            return false;
        m_foundation[s] = std::uint8_t(foundations[s]);
        for (int r = 1; r <= foundations[s]; ++r) {
            if (!take(std::uint8_t((r - 1) * 4 + int(s))))
                return false;
        }
        m_cleared += foundations[s];
    }
    if (!std::all_of(seen.begin(), seen.end(), [](bool in) { return in; }))
        return false;
    for (int c = 0; c < Columns; ++c) {
        for (int depth = 0; depth < height(c); ++depth)
            setLie(at(c, depth), lie(c, depth));
    }
    return true;
}

std::uint8_t RoialbertModel::lie(int column, int depth) const
{
    if (depth == 0)
        return Head;
    const std::uint8_t below = at(column, depth - 1);
    if (!buildsOn(at(column, depth), below))
        return AsSet;
    return suit(below) >> 1 ? OnSecondSuit : OnFirstSuit;
}

void RoialbertModel::setLie(std::uint8_t card, std::uint8_t lie)
{
    // Modulo 2^128, as unsigned numbers go: the sum is right since the key stays below it.
    Wide key = Wide(m_key.words[1]) << 64 | m_key.words[0];
    key += (Wide(lie) - m_lie[card]) * DigitWorth[card];
    m_key.words = {std::uint64_t(key), std::uint64_t(key >> 64)};
    m_lie[card] = lie;
}

// A card X of rank r that may go to its foundation, when the other colour's foundations hold
// at least r - 1, or at least r - 2 and the other suit of its colour at least r - 3. The only
// cards that can ever lie on X are the two of rank r - 1 of the other colour (Y). With both home,
// nothing ever will: X only covers a card or fills an empty column, and a winning line that keeps
// X in play wins with X home and its own moves left out, every other card where it was. Else, on
// the Y lie the cards of rank r - 2 of X's colour, X's own being home (Z), and on Z nothing, the
// cards of rank r - 3 of the other colour being home. Each Y and Z is home or next for its
// foundation, and stays so until it goes there. So a winning line that keeps X in play wins with
// X home: where it lays a run of these cards on X or on another of them, those cards go home
// instead, foot first; any other run moves as before, short of these cards at its foot, and a
// column it empties or a card it exposes is the same. Aces and twos pass the test at once.
bool RoialbertModel::safeToFoundation(std::uint8_t card) const
{
    const int r = rank(card);
    // Trèfle and pique are black, carreau and coeur red: the other suit of a colour is 3 - suit.
    const int otherColour = red(card) ? std::min(m_foundation[0], m_foundation[3])
                                      : std::min(m_foundation[1], m_foundation[2]);
    if (otherColour >= r - 1)
        return true;
    return otherColour >= r - 2 && m_foundation[std::size_t(3 - suit(card))] >= r - 3;
}

// Every move from every column and reserve card; everyEmpty: to each empty column, or to the
// first only. A card's targets go by column, as the player would scan the table.
void RoialbertModel::generate(std::vector<Move> &out, bool everyEmpty) const
{
    // The column each card tops, past the kings for the cards above them.
    std::array<std::int8_t, 52 + Suits> topOf;
    topOf.fill(-1);
    unsigned empties = 0;
    for (int c = 0; c < Columns; ++c) {
        if (height(c) == 0)
            empties |= 1u << c;
        else
            topOf[top(c)] = std::int8_t(c);
    }
    const unsigned emptyTargets = everyEmpty ? empties : empties & (0u - empties);
    const auto targets = [&](std::uint8_t card, int from) {
        // The cards one rank higher in the other colour.
        const int above = rank(card) * 4;
        const std::array<int, 2> suits = red(card) ? std::array{0, 3} : std::array{1, 2};
        unsigned columns = emptyTargets;
        for (const int s : suits) {
            if (topOf[std::size_t(above + s)] >= 0)
                columns |= 1u << topOf[std::size_t(above + s)];
        }
        for (; columns != 0; columns &= columns - 1) {
            const int to = std::countr_zero(columns);
            out.push_back({(empties >> to & 1u) ? Move::ToEmpty : Move::ToCard, card,
                           std::uint8_t(from), std::uint8_t(to)});
        }
    };
    for (int c = 0; c < Columns; ++c) {
        if (height(c) == 0)
            continue;
        if (toFoundation(top(c)))
            out.push_back({Move::ToFoundation, top(c), std::uint8_t(c), 0});
        for (int depth = runStart(c); depth < height(c); ++depth)
            targets(at(c, depth), c);
    }
    for (std::uint64_t left = m_reserve; left != 0; left &= left - 1) {
        const auto card = std::uint8_t(std::countr_zero(left));
        if (toFoundation(card))
            out.push_back({Move::ToFoundation, card, Reserve, 0});
        targets(card, Reserve);
    }
}

void RoialbertModel::legal(std::vector<Move> &out) const
{
    generate(out, true);
}

// How promising a position looks: cards cleared (50 each), empty columns, and few cards lying on
// the next card each foundation wants (the burial weight each) or on a card they do not build on.
int RoialbertModel::outlook() const
{
    int score = 50 * m_cleared;
    int ready = 0;
    for (int c = 0; c < Columns; ++c)
        score += columnOutlook(c, ready);
    return score;
}

int RoialbertModel::columnOutlook(int column, int &ready) const
{
    const int h = height(column);
    ready = 0;
    if (h == 0)
        return EmptyWorth;
    int score = 0;
    for (int depth = 0; depth < h; ++depth) {
        const std::uint8_t card = at(column, depth);
        if (toFoundation(card)) {
            score -= m_burial * (h - 1 - depth);
            ++ready;
        }
        if (depth > 0 && !buildsOn(card, at(column, depth - 1)))
            score -= 2;
    }
    return score;
}

// A small score of its own for each move and order, under the worth of one empty column: the
// search's hard deals are often won at once in one order and not for millions of positions in
// another, and the moves of much the same promise are where orders differ.
int RoialbertModel::orderBias(const Move &move) const
{
    std::uint64_t h = (std::uint64_t(move.card()) | std::uint64_t(move.from()) << 6 |
                       std::uint64_t(move.to()) << 10 | std::uint64_t(move.kind()) << 14 |
                       std::uint64_t(m_cleared) << 16) ^
                      (std::uint64_t(m_order) << 32);
    h *= 0x9E3779B97F4A7C15ull;
    h ^= h >> 29;
    h *= 0xBF58476D1CE4E5B9ull;
    h ^= h >> 32;
    constexpr std::uint64_t Spread = 40;
    return int(h % Spread);
}

bool RoialbertModel::worthMoving(std::uint8_t card, std::uint8_t below, std::uint64_t free) const
{
    if (!buildsOn(card, below) || toFoundation(below))
        return true;
    // The other card of card's rank and colour: suits 0 and 3 are black, 1 and 2 red.
    const auto twin = std::uint8_t(card - suit(card) + 3 - suit(card));
    return (free >> twin & 1u) != 0;
}

// Left out of the search, each time for a move to a position already tried: every empty column
// but the first (the key does not tell columns apart), and a whole column moved to an empty one.
// A safe move to a foundation is the only move tried when there is one.
//
// Left out as well, two kinds of moves that only matter for a move that needs them: a card R
// played from the reserve, unless a card that could lie on R is free (in the reserve or in the
// top run of a column), and a run moved off the card W its head X builds on, unless W could go
// home or the other card of X's rank and colour (X') is free. Take a winning line and such a move
// m in it. Until the first later move that needs m (a card landing on R; W sent home or X' landing
// on W), the line wins as well with m put off: R in the reserve or X's run on W leaves free every
// card it leaves free where m put it; the card m covers, or the column it fills, stays free (a run
// from that card or below it moves as before, short of R or X's run); a run from W or below it
// takes X's run along, which builds on W. Then m, played just before the move that needs it, lays
// R or X's run where it went, wherever its target went; a later move of R or of X's run alone
// takes m's place. So some winning line plays each such m just before a move that needs it: then
// the card that lands is free, or W goes home, in the position before m as well. Nothing but
// moves that are never left out (to a foundation, a card from the top of a column, a run off a
// card it does not build on) makes these free or next for a foundation, so each m can wait right
// to that move. Both kinds change the order of a winning line, never whether there is one.
//
// The rest go best first, by the outlook of the position each leads to; the order changes how
// soon a line is found, never whether one is.
void RoialbertModel::moves(std::vector<Move> &out) const
{
    for (int c = 0; c < Columns; ++c) {
        const std::uint8_t card = top(c);
        if (card != NoCard && toFoundation(card) && safeToFoundation(card)) {
            out.push_back({Move::ToFoundation, card, std::uint8_t(c), 0});
            return;
        }
    }
    for (std::uint64_t left = m_reserve; left != 0; left &= left - 1) {
        const auto card = std::uint8_t(std::countr_zero(left));
        if (toFoundation(card) && safeToFoundation(card)) {
            out.push_back({Move::ToFoundation, card, Reserve, 0});
            return;
        }
    }
    // The cards free to move: the reserve's and those of each column's top run.
    std::uint64_t free = m_reserve;
    for (int c = 0; c < Columns; ++c) {
        for (int depth = height(c) == 0 ? 0 : runStart(c); depth < height(c); ++depth)
            free |= std::uint64_t(1) << at(c, depth);
    }
    const std::size_t first = out.size();
    generate(out, false);
    // At most 13 cards of a run per column, each with two cards to lie on and one empty column,
    // the seven reserve cards likewise, and the foundation moves: fewer than MostMoves. The moves
    // kept are sorted in place and their scores left uninitialised: zeroing an array of both took
    // a fifth of this function's time.
    constexpr std::size_t MostMoves = 512;
    std::array<int, MostMoves> scores;
    std::size_t count = 0;
    std::array<int, Columns> columnScore{};
    std::array<int, Columns> ready{}; // cards next for their foundation
    int base = 50 * m_cleared;
    for (int c = 0; c < Columns; ++c) {
        columnScore[std::size_t(c)] = columnOutlook(c, ready[std::size_t(c)]);
        base += columnScore[std::size_t(c)];
    }
    for (std::size_t i = first; i < out.size(); ++i) {
        const Move move = out[i];
        int score = base;
        if (move.kind() == Move::ToFoundation) {
            RoialbertModel after = *this;
            after.play(move);
            score = after.outlook();
        } else {
            if (move.from() == Reserve && (childrenOf(move.card()) & free) == 0)
                continue;
            // Only the two columns' outlooks change, and a run keeps its cards' distances from
            // the foot of a column, builds on what it goes to and has no break inside: so the
            // change follows from the run and from how many cards next for their foundation each
            // column holds, as columnOutlook would find it after the move.
            const std::size_t from = move.from();
            const std::size_t to = move.to();
            int depth = 0;
            int moved = 1;
            int run = 0; // the run's own part of its column's outlook
            int readyInRun = 0;
            if (from != Reserve) {
                const int h = height(int(from));
                depth = h - 1;
                while (at(int(from), depth) != move.card())
                    --depth;
                if (move.kind() == Move::ToEmpty && depth == 0)
                    continue; // a whole column to an empty one: the same position
                if (depth > 0 && !worthMoving(move.card(), at(int(from), depth - 1), free))
                    continue;
                moved = h - depth;
                for (int d = depth; d < h; ++d) {
                    if (toFoundation(at(int(from), d))) {
                        run -= m_burial * (h - 1 - d);
                        ++readyInRun;
                    }
                }
            }
            score += height(int(to)) == 0 ? run - EmptyWorth : run - m_burial * moved * ready[to];
            if (from != Reserve) {
                if (depth == 0)
                    score += EmptyWorth - columnScore[from];
                else
                    score += m_burial * moved * (ready[from] - readyInRun) - run +
                             (buildsOn(at(int(from), depth), at(int(from), depth - 1)) ? 0 : 2);
            }
        }
        if (m_order != 0)
            score += orderBias(move);
        // Insertion keeps the generation order among equal scores.
        std::size_t place = count++;
        while (place > 0 && scores[place - 1] < score) {
            scores[place] = scores[place - 1];
            out[first + place] = out[first + place - 1];
            --place;
        }
        scores[place] = score;
        out[first + place] = move;
    }
    out.resize(first + count);
}

void RoialbertModel::play(const Move &move)
{
    const std::size_t to = move.to();
    const int landing = m_height[to]; // the moved card's depth in its new column
    if (move.from() == Reserve) {
        m_reserve &= ~(std::uint64_t(1) << move.card());
        if (move.kind() != Move::ToFoundation)
            m_cards[to][m_height[to]++] = move.card();
    } else {
        const std::size_t from = move.from();
        std::size_t depth = m_height[from] - 1u;
        while (m_cards[from][depth] != move.card())
            --depth;
        if (move.kind() != Move::ToFoundation) {
            for (std::size_t i = depth; i < m_height[from]; ++i)
                m_cards[to][m_height[to]++] = m_cards[from][i];
        }
        m_height[from] = std::uint8_t(depth);
    }
    if (move.kind() == Move::ToFoundation) {
        ++m_foundation[std::size_t(suit(move.card()))];
        ++m_cleared;
        setLie(move.card(), Home);
    } else {
        setLie(move.card(), lie(int(to), landing));
    }
}

void RoialbertModel::undo(const Move &move)
{
    if (move.kind() == Move::ToFoundation) {
        --m_foundation[std::size_t(suit(move.card()))];
        --m_cleared;
    }
    if (move.from() == Reserve) {
        m_reserve |= std::uint64_t(1) << move.card();
        if (move.kind() != Move::ToFoundation)
            --m_height[move.to()];
        setLie(move.card(), AsSet);
        return;
    }
    const std::size_t from = move.from();
    const int landing = m_height[from];
    if (move.kind() == Move::ToFoundation) {
        m_cards[from][m_height[from]++] = move.card();
        setLie(move.card(), lie(int(from), landing));
        return;
    }
    const std::size_t to = move.to();
    std::size_t depth = m_height[to] - 1u;
    while (m_cards[to][depth] != move.card())
        --depth;
    for (std::size_t i = depth; i < m_height[to]; ++i)
        m_cards[from][m_height[from]++] = m_cards[to][i];
    m_height[to] = std::uint8_t(depth);
    setLie(move.card(), lie(int(from), landing));
}

// The key, then each column's head in its place.
RoialbertModel::ExactKey RoialbertModel::exactKey() const
{
    ExactKey exact;
    std::copy(m_key.words.begin(), m_key.words.end(), exact.words.begin());
    for (int c = 0; c < Columns; ++c)
        exact.words[2] |= std::uint64_t(height(c) == 0 ? 63 : at(c, 0)) << (6 * c);
    return exact;
}

bool RoialbertModel::samePosition(const RoialbertModel &other) const
{
    if (m_height != other.m_height || m_reserve != other.m_reserve ||
        m_foundation != other.m_foundation)
        return false;
    for (std::size_t c = 0; c < m_cards.size(); ++c) {
        if (!std::equal(m_cards[c].begin(), m_cards[c].begin() + m_height[c],
                        other.m_cards[c].begin()))
            return false;
    }
    return true;
}
