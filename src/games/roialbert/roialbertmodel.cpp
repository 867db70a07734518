// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/roialbert/roialbertmodel.h"

#include <algorithm>
#include <cassert>

bool RoialbertModel::set(const std::array<std::vector<std::uint8_t>, Columns> &columns,
                         const std::array<std::uint8_t, ReserveSize> &reserve,
                         const std::array<int, Suits> &foundations)
{
    *this = RoialbertModel{};
    m_origin.fill(NoCard);
    m_firstReserve.fill(NoCard);
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
            m_origin[card] = std::uint8_t(c * MostInColumn + m_height[c]);
            m_cards[c][m_height[c]++] = card;
        }
    }
    std::size_t inReserve = 0;
    for (const std::uint8_t card : reserve) {
        if (card == NoCard)
            continue;
        if (!take(card))
            return false;
        m_reserve |= std::uint64_t(1) << card;
        m_firstReserve[inReserve++] = card;
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
    return std::all_of(seen.begin(), seen.end(), [](bool in) { return in; });
}

bool RoialbertModel::toFoundation(std::uint8_t card) const
{
    return rank(card) == m_foundation[std::size_t(suit(card))] + 1;
}

// A card X of rank r that may go to its foundation, when the other colour's foundations hold
// at least r - 2 and the other suit of its colour at least r - 3. The only cards that can ever
// lie on X are the two of rank r - 1 of the other colour (Y), on them the cards of rank r - 2 of
// X's colour, X's own being home (Z), and on Z nothing, the cards of rank r - 3 of the other
// colour being home. Each Y and Z is home or next for its foundation, and stays so until it goes
// there. So a winning line that keeps X in play wins with X home: where it lays a run of these
// cards on X or on another of them, those cards go home instead, foot first; any other run moves
// as before, short of these cards at its foot, and a column it empties or a card it exposes is
// the same. Aces and twos pass the test at once.
bool RoialbertModel::safeToFoundation(std::uint8_t card) const
{
    const int r = rank(card);
    for (int other = 0; other < Suits; ++other) {
        if (other == suit(card))
            continue;
        const bool sameColour = (other == 1 || other == 2) == red(card);
        if (m_foundation[std::size_t(other)] < r - (sameColour ? 3 : 2))
            return false;
    }
    return true;
}

int RoialbertModel::runStart(int column) const
{
    int start = height(column) - 1;
    while (start > 0 && buildsOn(at(column, start), at(column, start - 1)))
        --start;
    return start;
}

void RoialbertModel::moveTargets(std::uint8_t card, int from, bool allEmpty,
                                 std::vector<Move> &out) const
{
    bool emptyTried = false;
    for (int to = 0; to < Columns; ++to) {
        if (to == from)
            continue;
        const std::uint8_t target = top(to);
        if (target == NoCard) {
            if (allEmpty || !emptyTried)
                out.push_back({Move::ToEmpty, card, std::uint8_t(from), std::uint8_t(to)});
            emptyTried = true;
        } else if (buildsOn(card, target)) {
            out.push_back({Move::ToCard, card, std::uint8_t(from), std::uint8_t(to)});
        }
    }
}

// Every move from every column and reserve card; everyEmpty: to each empty column, or to the
// first only.
void RoialbertModel::generate(std::vector<Move> &out, bool everyEmpty) const
{
    for (int c = 0; c < Columns; ++c) {
        if (height(c) == 0)
            continue;
        if (toFoundation(top(c)))
            out.push_back({Move::ToFoundation, top(c), std::uint8_t(c), 0});
        for (int depth = runStart(c); depth < height(c); ++depth)
            moveTargets(at(c, depth), c, everyEmpty, out);
    }
    for (std::uint8_t card = 0; card < 52; ++card) {
        if (!inReserve(card))
            continue;
        if (toFoundation(card))
            out.push_back({Move::ToFoundation, card, Reserve, 0});
        moveTargets(card, Reserve, everyEmpty, out);
    }
}

void RoialbertModel::legal(std::vector<Move> &out) const
{
    generate(out, true);
}

// How promising a position looks: cards cleared (50 each), empty columns, and few cards lying on
// the next card each foundation wants or on a card they do not build on.
int RoialbertModel::outlook() const
{
    int score = 50 * m_cleared;
    for (int c = 0; c < Columns; ++c)
        score += columnOutlook(c);
    return score;
}

int RoialbertModel::columnOutlook(int column) const
{
    constexpr int EmptyWorth = 12;
    const int h = height(column);
    if (h == 0)
        return EmptyWorth;
    int score = 0;
    for (int depth = 0; depth < h; ++depth) {
        const std::uint8_t card = at(column, depth);
        if (toFoundation(card))
            score -= 64 * (h - 1 - depth);
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

// Left out of the search, each time for a move to a position already tried: every empty column
// but the first (the key does not tell columns apart), and a whole column moved to an empty one.
// A safe move to a foundation is the only move tried when there is one. The rest go best first,
// by the outlook of the position each leads to; the order changes how soon a line is found, never
// whether one is.
void RoialbertModel::moves(std::vector<Move> &out) const
{
    for (int c = 0; c < Columns; ++c) {
        const std::uint8_t card = top(c);
        if (card != NoCard && toFoundation(card) && safeToFoundation(card)) {
            out.push_back({Move::ToFoundation, card, std::uint8_t(c), 0});
            return;
        }
    }
    for (std::uint8_t card = 0; card < 52; ++card) {
        if (inReserve(card) && toFoundation(card) && safeToFoundation(card)) {
            out.push_back({Move::ToFoundation, card, Reserve, 0});
            return;
        }
    }
    const std::size_t first = out.size();
    generate(out, false);
    // At most 13 cards of a run per column, each with two cards to lie on and one empty column,
    // the seven reserve cards likewise, and the foundation moves: fewer than MostMoves.
    constexpr std::size_t MostMoves = 512;
    std::array<std::pair<int, Move>, MostMoves> scored;
    std::size_t count = 0;
    // A move changes the outlook of its two columns only, unless it moves a foundation on.
    std::array<int, Columns> columnScore{};
    int base = 50 * m_cleared;
    for (int c = 0; c < Columns; ++c) {
        columnScore[std::size_t(c)] = columnOutlook(c);
        base += columnScore[std::size_t(c)];
    }
    RoialbertModel after = *this;
    for (std::size_t i = first; i < out.size(); ++i) {
        const Move &move = out[i];
        if (move.kind() == Move::ToEmpty && move.from() != Reserve &&
            at(move.from(), 0) == move.card())
            continue;
        after.play(move);
        int score = base;
        if (move.kind() == Move::ToFoundation) {
            score = after.outlook();
        } else {
            score += after.columnOutlook(move.to()) - columnScore[move.to()];
            if (move.from() != Reserve)
                score += after.columnOutlook(move.from()) - columnScore[move.from()];
        }
        after.undo(move);
        if (m_order != 0)
            score += orderBias(move);
        // Insertion keeps the generation order among equal scores.
        std::size_t place = count++;
        while (place > 0 && scored[place - 1].first < score) {
            scored[place] = scored[place - 1];
            --place;
        }
        scored[place] = {score, move};
    }
    out.resize(first);
    for (std::size_t i = 0; i < count; ++i)
        out.push_back(scored[i].second);
}

void RoialbertModel::play(const Move &move)
{
    if (move.from() == Reserve) {
        m_reserve &= ~(std::uint64_t(1) << move.card());
        if (move.kind() != Move::ToFoundation)
            m_cards[move.to()][m_height[move.to()]++] = move.card();
    } else {
        const std::size_t from = move.from();
        std::size_t depth = m_height[from] - 1u;
        while (m_cards[from][depth] != move.card())
            --depth;
        if (move.kind() != Move::ToFoundation) {
            for (std::size_t i = depth; i < m_height[from]; ++i)
                m_cards[move.to()][m_height[move.to()]++] = m_cards[from][i];
        }
        m_height[from] = std::uint8_t(depth);
    }
    if (move.kind() == Move::ToFoundation) {
        ++m_foundation[std::size_t(suit(move.card()))];
        ++m_cleared;
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
        return;
    }
    const std::size_t from = move.from();
    if (move.kind() == Move::ToFoundation) {
        m_cards[from][m_height[from]++] = move.card();
        return;
    }
    const std::size_t to = move.to();
    std::size_t depth = m_height[to] - 1u;
    while (m_cards[to][depth] != move.card())
        --depth;
    for (std::size_t i = depth; i < m_height[to]; ++i)
        m_cards[from][m_height[from]++] = m_cards[to][i];
    m_height[to] = std::uint8_t(depth);
}

int RoialbertModel::kept(int column) const
{
    const int h = height(column);
    if (h == 0 || m_origin[at(column, 0)] == NoCard || m_origin[at(column, 0)] % MostInColumn != 0)
        return 0;
    const int first = m_origin[at(column, 0)];
    int kept = 1;
    while (kept < h && m_origin[at(column, kept)] == first + kept)
        ++kept;
    return kept;
}

// The chain on a column from depth `from`: its length, its first card, then one bit a card for
// which suit of its colour it is (its rank follows from the card below).
template <std::size_t Words>
void RoialbertModel::putChain(KeyWriter<Words> &writer, int column, int from) const
{
    writer.put(std::uint64_t(height(column) - from), 4);
    if (from == height(column))
        return;
    writer.put(at(column, from), 6);
    for (int depth = from + 1; depth < height(column); ++depth)
        writer.put(std::uint64_t(suit(at(column, depth)) >> 1), 1);
}

// Since set(), a card leaves its place only to lie on a card it builds on or to head an empty
// column, so each column is the start of a column as set (the longest one matching it) followed
// by a chain of cards each building on the one before, written as its length, its first card,
// then for each next one which of the two suits of its colour it is, its rank following. The
// reserve is one bit for each card it held; the foundations hold the cards found nowhere else.
// The columns are told apart by the column as set they start with, and those that start with
// none by their first card, so that their order is forgotten. At most 7 + 9 x 5 (the starts
// kept) + 4 (columns starting with a chain) + 9 x 4 (lengths) + 9 x 6 (first cards) + 43 (suits
// of the chained cards past the first of each chain) = 189 bits.
RoialbertModel::Key RoialbertModel::key() const
{
    KeyWriter<3> writer;
    for (const std::uint8_t card : m_firstReserve)
        writer.put(card != NoCard && inReserve(card) ? 1 : 0, 1);
    std::array<int, Columns> startOf{}; // the column holding the start of each column as set
    startOf.fill(-1);
    std::array<int, Columns> keptOf{};
    std::array<std::uint8_t, Columns> chainHeads{};
    int chains = 0;
    for (int c = 0; c < Columns; ++c) {
        const int k = kept(c);
        keptOf[std::size_t(c)] = k;
        if (k > 0)
            startOf[m_origin[at(c, 0)] / MostInColumn] = c;
        else if (height(c) > 0)
            chainHeads[std::size_t(chains++)] = std::uint8_t(c);
    }
    for (const int c : startOf)
        writer.put(c < 0 ? 0 : std::uint64_t(keptOf[std::size_t(c)]), 5);
    for (const int c : startOf) {
        if (c >= 0)
            putChain(writer, c, keptOf[std::size_t(c)]);
    }
    std::sort(chainHeads.begin(), chainHeads.begin() + chains,
              [this](std::uint8_t a, std::uint8_t b) { return at(a, 0) < at(b, 0); });
    writer.put(std::uint64_t(chains), 4);
    for (int i = 0; i < chains; ++i)
        putChain(writer, chainHeads[std::size_t(i)], 0);
    return writer.key();
}

// Each column in its place: a column as set kept, then a chain, as in key(). At most
// 7 + 9 x (5 + 4 + 4 + 6) + 43 = 221 bits.
RoialbertModel::ExactKey RoialbertModel::exactKey() const
{
    KeyWriter<4> writer;
    for (const std::uint8_t card : m_firstReserve)
        writer.put(card != NoCard && inReserve(card) ? 1 : 0, 1);
    for (int c = 0; c < Columns; ++c) {
        const int k = kept(c);
        writer.put(std::uint64_t(k), 5);
        if (k > 0)
            writer.put(m_origin[at(c, 0)] / std::uint64_t(MostInColumn), 4);
        putChain(writer, c, k);
    }
    return writer.key();
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
