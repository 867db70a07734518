// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/line/duoclearing.h"

#include "games/line/masktable.h"
#include "solver/search/depthfirst.h"
#include "solver/search/packedkey.h"

#include <array>
#include <bit>

namespace {

// Lines this short are searched without looking at their end first.
constexpr int ShortLine = 12;
// The places, as dealt, where the ends looked at begin: multiples of this. Over the slowest
// deals, 11 did best among 8, 10, 11, 13 and 16.
constexpr int EndStep = 11;

// The table of lost positions is the searches' memory (36 MiB at most, 54 while it grows for the
// last time); the engine's own table then only needs to hold the path's positions.
constexpr std::size_t DeadSlots = std::size_t(1) << 22;
constexpr std::size_t VerdictSlots = std::size_t(1) << 19;
constexpr Search::Limits Limits{.tableEntries = 4096};

class DuoTails;

// Duo once every card is dealt: a card leaves when the card two places after it is alike (the
// card between them is dragged onto it), and the game is won when two cards are left. Whether a
// card may leave depends only on the cards after it, so the last two never leave and the cards
// left keep the order they were dealt in: the set of them, a mask over their first places, is the
// whole position.
class DuoModel {
public:
    static constexpr int Most = 52;
    struct Move {
        std::uint8_t card;  // the card that leaves, by its place in the line as it started
        std::uint8_t floor; // the floor before it left, for undo
        bool later = false; // the first card set aside, to leave once the rest is cleared
    };
    using Key = PackedKey<1>;
    using KeyHash = Key::Hash;

    DuoModel(DuoTails &tails, std::uint64_t left) : m_tails(&tails), m_left(left) {}

    // The moves to try, left to right, after the checks that find a position lost at once.
    //
    // When the first card may leave, it alone: no card looks at it, so its going changes no other
    // card's chances, and it must go some time.
    //
    // When it cannot but is alike the last card, or alike the next to last in a line of four or
    // more, it is set aside, alone, and the rest searched as a line of its own: the line is won
    // exactly when the rest is. Nothing looks at it, so the rest is cleared with it as without
    // it; then it leaves with only the last two cards after it (alike the last), or just before
    // the rest's last removal, that card and the last two after it (alike the next to last).
    //
    // Otherwise only the cards from the floor on: the card two places before the last card that
    // left, by its first place. Two cards that may both leave can go in either order to the same
    // line, and the one after never changes whether the one before may go. Any winning line can
    // thus be reordered so that after a card leaves, the next to go lies after it or is one of
    // the two cards just before it (the only ones whose neighbours changed): only such lines are
    // searched, and the floor is part of the key.
    void moves(std::vector<Move> &out) const;
    void play(Move move);
    // Searched to the end without a win: lost, from its floor or from any higher one.
    void exhausted() const;
    void undo(Move move)
    {
        m_left |= std::uint64_t(1) << move.card;
        m_floor = move.floor;
    }
    bool won() const { return size() == 2; }
    int progress() const { return Most - size(); }
    Key key() const { return {{m_left | std::uint64_t(m_floor) << Most}}; }

    int size() const { return std::popcount(m_left); }

private:
    DuoTails *m_tails;
    std::uint64_t m_left;
    std::uint8_t m_floor = 0;
};

// The cards of one deal and what the searches over it learn about the ends of its line. The
// cards after any place move as in a line of their own, whatever lies before them: a line that
// clears the whole clears them too. So a position whose end cannot be cleared alone is lost.
// Ends are searched like any line, by a search of their own, and their verdicts kept: the same
// end comes back under many beginnings.
class DuoTails {
public:
    DuoTails(const std::vector<std::uint8_t> &cards, const std::atomic<bool> &cancel);

    // The position of the whole line.
    DuoModel start() { return {*this, m_all}; }
    std::uint8_t card(int place) const { return m_cards[std::size_t(place)]; }
    // Whether the cards of left can be cleared as a line of their own; false once cancelled.
    bool clearable(std::uint64_t left);
    // Positions searched for the ends.
    std::int64_t nodes() const { return m_nodes; }
    // Positions found lost by any search of the line, with the lowest floor they were searched
    // from: a higher floor only leaves fewer moves.
    bool dead(std::uint64_t left, int floor) const { return m_dead.holds(left, floor); }
    void kill(std::uint64_t left, int floor) { m_dead.insert(left, floor); }

private:
    std::array<std::uint8_t, DuoModel::Most> m_cards{};
    std::uint64_t m_all = 0;
    const std::atomic<bool> &m_cancel;
    MaskTable m_won{VerdictSlots};
    MaskTable m_lost{VerdictSlots};
    MaskTable m_dead{DeadSlots};
    std::int64_t m_nodes = 0;
};

void DuoModel::moves(std::vector<Move> &out) const
{
    if (m_tails->dead(m_left, m_floor))
        return;
    std::array<std::uint8_t, Most> places{};
    int size = 0;
    for (std::uint64_t rest = m_left; rest != 0; rest &= rest - 1)
        places[std::size_t(size++)] = std::uint8_t(std::countr_zero(rest));
    const auto card = [&](int at) { return m_tails->card(places[std::size_t(at)]); };
    // Every card but the last two needs, to leave, an alike card at least two places after it
    // now: cards only ever leave, so without one it never goes.
    unsigned ranks = 0;
    unsigned suits = 0;
    for (int at = size - 3; at >= 0; --at) {
        const std::uint8_t after = card(at + 2);
        ranks |= 1u << (after / 4);
        suits |= 1u << (after % 4);
        const std::uint8_t own = card(at);
        if (!(ranks & (1u << (own / 4))) && !(suits & (1u << (own % 4))))
            return;
    }
    // The end looked at starts at the first boundary past the first card, the boundaries being
    // fixed places of the line as dealt: cards leaving before that place leave the end as it was,
    // so the same ends come back and their verdicts are found in the tables. An end cut at a
    // share of the cards left changes with every card that leaves; the slowest deal took five
    // times as long so.
    if (size > ShortLine) {
        const int from = (places[0] / EndStep + 1) * EndStep;
        const std::uint64_t end = from >= Most ? 0 : m_left & ~((std::uint64_t(1) << from) - 1);
        if (std::popcount(end) > 2 && !m_tails->clearable(end))
            return;
    }
    if (size > 2 && Alike(card(0), card(2))) {
        out.push_back({places[0], m_floor});
        return;
    }
    if (size >= 4 && (Alike(card(0), card(size - 1)) || Alike(card(0), card(size - 2)))) {
        out.push_back({places[0], m_floor, true});
        return;
    }
    for (int at = 0; at + 2 < size; ++at) {
        if (places[std::size_t(at)] >= m_floor && Alike(card(at), card(at + 2)))
            out.push_back({places[std::size_t(at)], m_floor});
    }
}

void DuoModel::exhausted() const
{
    m_tails->kill(m_left, m_floor);
}

void DuoModel::play(Move move)
{
    const std::uint64_t bit = std::uint64_t(1) << move.card;
    m_left &= ~bit;
    // The rest is a line of its own, searched from its start.
    if (move.later) {
        m_floor = 0;
        return;
    }
    std::uint64_t before = m_left & (bit - 1);
    if (before != 0)
        before &= ~(std::uint64_t(1) << (std::bit_width(before) - 1));
    m_floor = before == 0 ? 0 : std::uint8_t(std::bit_width(before) - 1);
}

DuoTails::DuoTails(const std::vector<std::uint8_t> &cards, const std::atomic<bool> &cancel)
    : m_cancel(cancel)
{
    for (std::size_t place = 0; place < cards.size() && place < m_cards.size(); ++place) {
        m_cards[place] = cards[place];
        m_all |= std::uint64_t(1) << place;
    }
}

bool DuoTails::clearable(std::uint64_t left)
{
    if (m_won.holds(left, 0))
        return true;
    if (m_lost.holds(left, 0))
        return false;
    Search::DepthFirst<DuoModel> search(m_cancel, Limits);
    const auto result = search.solve({*this, left});
    m_nodes += result.nodes;
    if (result.outcome == Search::Outcome::Unknown)
        return false;
    const bool won = result.outcome == Search::Outcome::Won;
    (won ? m_won : m_lost).insert(left, 0);
    return won;
}

// The search's line as removals played in turn: a card set aside leaves after the rest of the
// line is cleared, or just before its last removal when it is only alike the next to last card.
// Those set aside last go first, the line after each being the rest's.
std::vector<std::uint8_t> playedLine(const std::vector<DuoModel::Move> &line,
                                     const std::vector<std::uint8_t> &cards, bool won)
{
    std::vector<std::uint8_t> played;
    for (auto move = line.rbegin(); move != line.rend(); ++move) {
        if (!move->later)
            played.insert(played.begin(), move->card);
        else if (won && Alike(cards[move->card], cards.back()))
            played.push_back(move->card);
        else if (won)
            played.insert(played.end() - 1, move->card);
    }
    return played;
}

// A lost line's moves when the search proved it lost before going far: each time the first card
// that may leave, as long as one may.
std::vector<std::uint8_t> greedyLine(const std::vector<std::uint8_t> &cards)
{
    std::vector<std::uint8_t> places(cards.size());
    for (std::size_t place = 0; place < cards.size(); ++place)
        places[place] = std::uint8_t(place);
    std::vector<std::uint8_t> line;
    for (std::size_t at = 0; at + 2 < places.size();) {
        if (Alike(cards[places[at]], cards[places[at + 2]])) {
            line.push_back(places[at]);
            places.erase(places.begin() + std::ptrdiff_t(at));
            at = at >= 2 ? at - 2 : 0;
        } else {
            ++at;
        }
    }
    return line;
}

} // namespace

LineClearing ClearDuo(const std::vector<std::uint8_t> &cards, const std::atomic<bool> &cancel)
{
    LineClearing clearing;
    if (cards.size() < 2 || cards.size() > std::size_t(DuoModel::Most))
        return clearing;
    DuoTails tails(cards, cancel);
    Search::DepthFirst<DuoModel> search(cancel, Limits);
    const Search::Result<DuoModel::Move> result = search.solve(tails.start());
    clearing.nodes = result.nodes + tails.nodes();
    // A search of an end that was cancelled reads as a lost end: only the flag tells.
    if (result.outcome == Search::Outcome::Unknown || cancel.load())
        return clearing;
    clearing.outcome = result.outcome == Search::Outcome::Won ? LineClearing::Outcome::Won
                                                              : LineClearing::Outcome::Lost;
    // A lost line keeps the cards set aside: the removals after them stay legal without theirs.
    std::vector<std::uint8_t> line =
        playedLine(result.line, cards, clearing.outcome == LineClearing::Outcome::Won);
    if (clearing.outcome == LineClearing::Outcome::Lost) {
        std::vector<std::uint8_t> greedy = greedyLine(cards);
        if (greedy.size() > line.size())
            line = std::move(greedy);
    }
    for (const std::uint8_t card : line)
        clearing.line.push_back({card, 1});
    return clearing;
}
