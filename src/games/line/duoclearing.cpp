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
// A line whose first card cannot leave is also searched with its first cards taken together:
// this many of them, so that the sets of which are left fit in four words.
constexpr int FrontCards = 8;
// The table of the ends found lost under sets of first cards: 48 bytes a slot, 24 MiB at most (36
// while it grows for the last time), freed once the line's first cards are settled.
constexpr std::size_t FrontSlots = std::size_t(1) << 19;

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
        bool fresh = false; // the line was a fresh one before, for undo
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
        m_fresh = move.fresh;
    }
    bool won() const { return size() == 2; }
    int progress() const { return Most - size(); }
    Key key() const { return {{m_left | std::uint64_t(m_floor) << Most}}; }

    int size() const { return std::popcount(m_left); }

private:
    DuoTails *m_tails;
    std::uint64_t m_left;
    std::uint8_t m_floor = 0;
    // The whole line, or the rest after a first card set aside: no card of it has left yet.
    bool m_fresh = true;
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
    // Whether the line of left, whose first card cannot leave yet, is lost, found by a search
    // of its end that carries every way its first cards can stand (see FrontModel).
    bool frontLost(std::uint64_t left);
    // Positions searched for the ends.
    std::int64_t nodes() const { return m_nodes; }
    // Whether no search of an end is running: the whole line is being searched.
    bool whole() const { return m_endSearches == 0; }
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
    int m_endSearches = 0; // searches of ends running
};

// Sets of ways the first cards stand (one bit for each of the 256) searched without a win, by
// the end behind them, with the lowest floor they are lost from.
class FrontTable {
public:
    using Sets = std::array<std::uint64_t, 4>;
    struct Lost {
        Sets ways{};
        std::uint8_t floor = 0;
    };

    Lost lost(std::uint64_t end) const
    {
        if (m_ends.empty())
            return {};
        for (std::size_t slot = first(end);; slot = next(slot)) {
            if (m_ends[slot] == 0)
                return {};
            if (m_ends[slot] == end)
                return m_lost[slot];
        }
    }

    // The free ways are lost from any floor, the others from floor: when there are any, all
    // are kept as lost from floor.
    void insert(std::uint64_t end, const Sets &free, const Sets &held, int floor)
    {
        Lost added{free, 0};
        if (held != Sets{}) {
            for (std::size_t word = 0; word < held.size(); ++word)
                added.ways[word] |= held[word];
            added.floor = std::uint8_t(floor);
        }
        if (m_used >= m_ends.size() / 4 * 3 && !grow())
            return;
        for (std::size_t slot = first(end);; slot = next(slot)) {
            if (m_ends[slot] == 0) {
                m_ends[slot] = end;
                m_lost[slot] = added;
                ++m_used;
                return;
            }
            if (m_ends[slot] == end) {
                // Ways lost from two floors: the lower one's kept, a table only skips work.
                Lost &lost = m_lost[slot];
                if (added.floor == lost.floor) {
                    for (std::size_t word = 0; word < added.ways.size(); ++word)
                        lost.ways[word] |= added.ways[word];
                } else if (added.floor < lost.floor) {
                    lost = added;
                }
                return;
            }
        }
    }

private:
    std::size_t first(std::uint64_t end) const
    {
        return std::size_t((end * 0x9E3779B97F4A7C15ull) >> 40) & (m_ends.size() - 1);
    }
    std::size_t next(std::size_t slot) const { return (slot + 1) & (m_ends.size() - 1); }

    bool grow()
    {
        if (m_ends.size() >= FrontSlots)
            return false;
        std::vector<std::uint64_t> ends = std::move(m_ends);
        std::vector<Lost> lost = std::move(m_lost);
        m_ends.assign(ends.empty() ? 1024 : ends.size() * 2, 0);
        m_lost.assign(m_ends.size(), Lost{});
        m_used = 0;
        for (std::size_t slot = 0; slot < ends.size(); ++slot) {
            if (ends[slot] != 0)
                insert(ends[slot], {}, lost[slot].ways, lost[slot].floor);
        }
        return true;
    }

    std::vector<std::uint64_t> m_ends;
    std::vector<Lost> m_lost;
    std::size_t m_used = 0;
};

// A line searched as its end, the cards from its ninth on, carrying the set of every way its
// first eight cards can stand before it. The first cards never change what the end may do, and
// which of them may leave depends on the end only through its first two cards: so whenever
// those change, every first card that may leave is taken away, again and again, and each way of
// standing reached is kept beside the others. A search of the whole line meets the same end once
// for each way its first cards stand; this one meets it once for all of them. The line is won
// when one way has no first card left and the end can be cleared alone.
//
// The end's removals keep DuoModel's floor: after one, the next lies after it or is one of the
// two cards just before it. A first card leaving puts the floor among the first cards, so the
// ways reached so are free: any card of the end may go next for them. The others share the
// floor of the end's last removal.
class FrontModel {
public:
    using Move = std::uint8_t; // the card of the end that leaves, by its place as dealt
    using Sets = FrontTable::Sets;
    using Key = PackedKey<9>;
    using KeyHash = Key::Hash;

    FrontModel(DuoTails &tails, FrontTable &table, std::uint64_t left);

    void moves(std::vector<Move> &out) const;
    void play(Move card);
    // Searched to the end without a win: every way in the sets is lost over this end.
    void exhausted() const { m_table->insert(m_end, m_free, m_held, m_floor); }
    bool won() const { return m_won; }
    int progress() const { return DuoModel::Most - std::popcount(m_end); }
    Key key() const
    {
        return {{m_end | std::uint64_t(m_floor) << DuoModel::Most, m_held[0], m_held[1], m_held[2],
                 m_held[3], m_free[0], m_free[1], m_free[2], m_free[3]}};
    }

private:
    // Takes every first card that may leave away, the ways reached so being free.
    void spread();
    // Drops the ways known lost over the end and sees whether one has no first card left.
    void settle();

    DuoTails *m_tails;
    FrontTable *m_table;
    std::array<std::uint8_t, FrontCards> m_front{}; // the first cards' places
    std::uint64_t m_end;
    std::uint8_t m_floor = 0;
    Sets m_held{}; // ways bound to the floor
    Sets m_free{}; // ways that may take any card of the end next
    bool m_won = false;
};

namespace {

// The places of the cards left, in order; false when a card but the last two has no alike card
// two or more places after it: cards only ever leave, so it never goes and the line is lost.
bool ListLeft(const DuoTails &tails, std::uint64_t left,
              std::array<std::uint8_t, DuoModel::Most> &places, int &size)
{
    size = 0;
    for (std::uint64_t rest = left; rest != 0; rest &= rest - 1)
        places[std::size_t(size++)] = std::uint8_t(std::countr_zero(rest));
    unsigned ranks = 0;
    unsigned suits = 0;
    for (int at = size - 3; at >= 0; --at) {
        const std::uint8_t after = tails.card(places[std::size_t(at + 2)]);
        ranks |= 1u << (after / 4);
        suits |= 1u << (after % 4);
        const std::uint8_t own = tails.card(places[std::size_t(at)]);
        if (!(ranks & (1u << (own / 4))) && !(suits & (1u << (own % 4))))
            return false;
    }
    return true;
}

} // namespace

void DuoModel::moves(std::vector<Move> &out) const
{
    if (m_tails->dead(m_left, m_floor))
        return;
    std::array<std::uint8_t, Most> places{};
    int size = 0;
    if (!ListLeft(*m_tails, m_left, places, size))
        return;
    const auto card = [&](int at) { return m_tails->card(places[std::size_t(at)]); };
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
        out.push_back({places[0], m_floor, false, m_fresh});
        return;
    }
    if (size >= 4 && (Alike(card(0), card(size - 1)) || Alike(card(0), card(size - 2)))) {
        out.push_back({places[0], m_floor, true, m_fresh});
        return;
    }
    // A fresh line whose first card must wait: its end is searched once for every way its first
    // cards stand (see FrontModel), which proves most such lines lost far sooner. Only fresh
    // ones: deeper in the search the same question would be asked for every first card.
    if (m_fresh && size > ShortLine && m_tails->whole() && m_tails->frontLost(m_left))
        return;
    for (int at = 0; at + 2 < size; ++at) {
        if (places[std::size_t(at)] >= m_floor && Alike(card(at), card(at + 2)))
            out.push_back({places[std::size_t(at)], m_floor, false, m_fresh});
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
    m_fresh = move.later;
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
    ++m_endSearches;
    const auto result = search.solve({*this, left});
    --m_endSearches;
    m_nodes += result.nodes;
    if (result.outcome == Search::Outcome::Unknown)
        return false;
    const bool won = result.outcome == Search::Outcome::Won;
    (won ? m_won : m_lost).insert(left, 0);
    return won;
}

bool DuoTails::frontLost(std::uint64_t left)
{
    if (m_won.holds(left, 0))
        return false;
    if (m_lost.holds(left, 0))
        return true;
    FrontTable table;
    Search::DepthFirst<FrontModel> search(m_cancel, Limits);
    const auto result = search.solve(FrontModel(*this, table, left));
    m_nodes += result.nodes;
    // Cancelled: not known lost; the search of the whole line stops by itself.
    if (result.outcome == Search::Outcome::Unknown)
        return false;
    const bool won = result.outcome == Search::Outcome::Won;
    (won ? m_won : m_lost).insert(left, 0);
    return !won;
}

FrontModel::FrontModel(DuoTails &tails, FrontTable &table, std::uint64_t left)
    : m_tails(&tails), m_table(&table), m_end(left)
{
    for (std::uint8_t &place : m_front) {
        place = std::uint8_t(std::countr_zero(m_end));
        m_end &= m_end - 1;
    }
    m_free[3] = std::uint64_t(1) << 63; // every first card there
    spread();
    settle();
}

namespace {

bool Has(const FrontModel::Sets &sets, unsigned way)
{
    return (sets[way / 64] >> (way % 64) & 1) != 0;
}

void Put(FrontModel::Sets &sets, unsigned way)
{
    sets[way / 64] |= std::uint64_t(1) << (way % 64);
}

} // namespace

void FrontModel::spread()
{
    std::array<std::uint8_t, 2> ahead{}; // the end's first two cards
    std::uint64_t rest = m_end;
    for (std::uint8_t &card : ahead) {
        card = m_tails->card(std::countr_zero(rest));
        rest &= rest - 1;
    }
    // Ranks and suits of the end past its first card, and of the whole end.
    unsigned pastRanks = 0;
    unsigned pastSuits = 0;
    for (rest = m_end & (m_end - 1); rest != 0; rest &= rest - 1) {
        const std::uint8_t card = m_tails->card(std::countr_zero(rest));
        pastRanks |= 1u << (card / 4);
        pastSuits |= 1u << (card % 4);
    }
    const unsigned endRanks = pastRanks | 1u << (ahead[0] / 4);
    const unsigned endSuits = pastSuits | 1u << (ahead[0] % 4);
    Sets reached{};
    for (std::size_t word = 0; word < reached.size(); ++word)
        reached[word] = m_held[word] | m_free[word];
    Sets left{}; // reached by a first card leaving
    // Ways in falling order: a card leaving only ever lowers the number.
    for (int way = (1 << FrontCards) - 1; way >= 0; --way) {
        if (!Has(reached, unsigned(way)))
            continue;
        // The first cards there, then the end's first two, which any of them may look at.
        std::array<std::uint8_t, FrontCards + 2> line{};
        int length = 0;
        for (int at = 0; at < FrontCards; ++at) {
            if (way >> at & 1)
                line[std::size_t(length++)] = std::uint8_t(at);
        }
        const auto cardAt = [&](int at) {
            return at < length ? m_tails->card(m_front[line[std::size_t(at)]])
                               : ahead[std::size_t(at - length)];
        };
        // A first card with no alike card two places or more after it never leaves.
        bool stuck = false;
        unsigned ranks = 0;
        unsigned suits = 0;
        for (int at = length - 1; at >= 0 && !stuck; --at) {
            if (at + 2 < length) {
                ranks |= 1u << (cardAt(at + 2) / 4);
                suits |= 1u << (cardAt(at + 2) % 4);
            }
            const std::uint8_t own = cardAt(at);
            const unsigned allRanks = ranks | (at + 1 < length ? endRanks : pastRanks);
            const unsigned allSuits = suits | (at + 1 < length ? endSuits : pastSuits);
            stuck = !(allRanks & (1u << (own / 4))) && !(allSuits & (1u << (own % 4)));
        }
        if (stuck) {
            reached[unsigned(way) / 64] &= ~(std::uint64_t(1) << (unsigned(way) % 64));
            left[unsigned(way) / 64] &= ~(std::uint64_t(1) << (unsigned(way) % 64));
            continue;
        }
        for (int at = 0; at < length; ++at) {
            if (Alike(cardAt(at), cardAt(at + 2))) {
                const unsigned next = unsigned(way) & ~(1u << line[std::size_t(at)]);
                Put(reached, next);
                Put(left, next);
            }
        }
    }
    for (std::size_t word = 0; word < reached.size(); ++word) {
        m_free[word] = left[word] | (m_free[word] & reached[word]);
        m_held[word] &= reached[word] & ~m_free[word];
    }
}

void FrontModel::settle()
{
    const FrontTable::Lost lost = m_table->lost(m_end);
    for (std::size_t word = 0; word < m_free.size(); ++word) {
        m_free[word] &= lost.floor == 0 ? ~lost.ways[word] : ~std::uint64_t(0);
        m_held[word] &= m_floor >= lost.floor ? ~lost.ways[word] : ~std::uint64_t(0);
    }
    // No first card left: the line is its end.
    if (Has(m_free, 0) || Has(m_held, 0)) {
        m_won = std::popcount(m_end) == 2 || m_tails->clearable(m_end);
        if (!m_won) {
            m_free[0] &= ~std::uint64_t(1);
            m_held[0] &= ~std::uint64_t(1);
        }
    }
}

void FrontModel::moves(std::vector<Move> &out) const
{
    if (m_free == Sets{} && m_held == Sets{})
        return;
    std::array<std::uint8_t, DuoModel::Most> places{};
    int size = 0;
    // As in DuoModel::moves, and the end of the end, cut at a fixed place, must be clearable alone.
    if (!ListLeft(*m_tails, m_end, places, size))
        return;
    const auto card = [&](int at) { return m_tails->card(places[std::size_t(at)]); };
    const int from = (places[0] / EndStep + 1) * EndStep;
    const std::uint64_t end =
        from >= DuoModel::Most ? 0 : m_end & ~((std::uint64_t(1) << from) - 1);
    if (std::popcount(end) > 2 && !m_tails->clearable(end))
        return;
    const bool free = m_free != Sets{};
    for (int at = 0; at + 2 < size; ++at) {
        if ((free || places[std::size_t(at)] >= m_floor) && Alike(card(at), card(at + 2)))
            out.push_back(places[std::size_t(at)]);
    }
}

void FrontModel::play(Move card)
{
    const std::uint64_t bit = std::uint64_t(1) << card;
    const std::uint64_t ahead =
        m_end & ((std::uint64_t(1) << (std::countr_zero(m_end & (m_end - 1)) + 1)) - 1);
    // Below the floor only the free ways may take the card; all go on bound to the new floor.
    for (std::size_t word = 0; word < m_held.size(); ++word) {
        m_held[word] = (card >= m_floor ? m_held[word] : 0) | m_free[word];
        m_free[word] = 0;
    }
    m_end &= ~bit;
    std::uint64_t before = m_end & (bit - 1);
    if (before != 0)
        before &= ~(std::uint64_t(1) << (std::bit_width(before) - 1));
    m_floor = before == 0 ? 0 : std::uint8_t(std::bit_width(before) - 1);
    // The first cards see only the end's first two: unless they changed, no more of them go.
    if ((bit & ahead) != 0)
        spread();
    if (m_floor == 0) {
        for (std::size_t word = 0; word < m_free.size(); ++word) {
            m_free[word] |= m_held[word];
            m_held[word] = 0;
        }
    }
    settle();
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
