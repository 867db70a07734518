// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/line/duoclearing.h"

#include "games/line/masktable.h"

#include <algorithm>
#include <array>

namespace {

constexpr int Most = 52;
constexpr std::int64_t FurthestNodes = 1'000;

// The cards left, by their index in the line as it started, and the same as a set of bits.
struct Position {
    std::array<std::uint8_t, Most> left{};
    int size = 0;
    std::uint64_t mask = 0;

    void remove(int place)
    {
        mask &= ~(std::uint64_t(1) << left[std::size_t(place)]);
        for (int next = place; next + 1 < size; ++next)
            left[std::size_t(next)] = left[std::size_t(next + 1)];
        --size;
    }
    // The line as it started, of size cards.
    static Position whole(int size)
    {
        Position line;
        for (int place = 0; place < size; ++place) {
            line.left[std::size_t(place)] = std::uint8_t(place);
            line.mask |= std::uint64_t(1) << place;
        }
        line.size = size;
        return line;
    }
    // The line of the last length cards alone.
    Position tail(int length) const
    {
        Position end;
        const int from = size - length;
        std::copy(left.begin() + from, left.begin() + size, end.left.begin());
        end.size = length;
        for (int place = 0; place < length; ++place)
            end.mask |= std::uint64_t(1) << end.left[std::size_t(place)];
        return end;
    }
};

class Search {
public:
    Search(const std::vector<std::uint8_t> &cards, const std::atomic<bool> &cancel,
           std::int64_t nodes)
        : m_cards(cards), m_cancel(cancel), m_budget(nodes)
    {
    }

    LineClearing run()
    {
        const Position start = Position::whole(int(m_cards.size()));
        LineClearing result;
        const Step step = explore(start, 0);
        if (step == Step::Won) {
            result.outcome = LineClearing::Outcome::Won;
            for (const std::uint8_t index : m_path)
                result.line.push_back({index, 1});
        } else if (step == Step::Lost) {
            result.outcome = LineClearing::Outcome::Lost;
            m_path.clear();
            m_fewest = start.size;
            furthest(start, m_nodes + FurthestNodes);
            for (const std::uint8_t index : m_best)
                result.line.push_back({index, 1});
        }
        result.nodes = m_nodes;
        return result;
    }

private:
    enum class Step { Won, Lost, Stopped };

    std::uint8_t card(const Position &position, int place) const
    {
        return m_cards[position.left[std::size_t(place)]];
    }

    // Every card but the last two needs, to leave, an alike card at least two places after it
    // now: cards only ever leave, so without one it never goes.
    bool stranded(const Position &position) const
    {
        unsigned ranks = 0;
        unsigned suits = 0;
        for (int place = position.size - 3; place >= 0; --place) {
            const std::uint8_t after = card(position, place + 2);
            ranks |= 1u << (after / 4);
            suits |= 1u << (after % 4);
            const std::uint8_t own = card(position, place);
            if (!(ranks & (1u << (own / 4))) && !(suits & (1u << (own % 4))))
                return true;
        }
        return false;
    }

    // The cards after any place move as they would in a line of their own, whatever lies before
    // them: a line that clears the whole clears them too. So a line whose end, taken alone,
    // cannot be cleared is lost. Ends are searched like any line, their verdicts kept: the
    // same end comes back under many beginnings.
    Step tail(const Position &position)
    {
        const Position end = position.tail(position.size * 2 / 3);
        if (m_won.holds(end.mask, 0))
            return Step::Won;
        const std::size_t path = m_path.size();
        const Step step = explore(end, 0);
        m_path.resize(path);
        if (step == Step::Won)
            m_won.insert(end.mask, 0);
        return step;
    }

    // floor: the first place whose card may leave next. Two cards that may both leave can go in
    // either order to the same line, and the one after never changes whether the one before
    // may go. Any winning line can thus be reordered so that after a card leaves, the next to go
    // lies after it or is one of the two cards just before it (the only ones whose neighbours
    // changed); only such lines are searched.
    Step explore(const Position &position, int floor)
    {
        if (position.size <= 2)
            return Step::Won;
        if (m_nodes >= m_budget || m_cancel.load(std::memory_order_relaxed))
            return Step::Stopped;
        ++m_nodes;
        // A position searched without a win from a lower floor (more moves open) is lost here too.
        if (m_dead.holds(position.mask, floor) || stranded(position))
            return Step::Lost;
        if (position.size > ShortLine) {
            if (const Step step = tail(position); step != Step::Won)
                return step;
        }
        // The first card looks at the cards after it but no card looks at it: when it may go,
        // letting it go at once changes nothing for the others, and it must go some time.
        const bool firstGoes = Alike(card(position, 0), card(position, 2));
        for (int place = firstGoes ? 0 : floor; place + 2 < position.size; ++place) {
            if (!Alike(card(position, place), card(position, place + 2)))
                continue;
            Position next = position;
            next.remove(place);
            m_path.push_back(position.left[std::size_t(place)]);
            const Step step = explore(next, std::max(place - 2, 0));
            if (step != Step::Lost)
                return step;
            m_path.pop_back();
            if (firstGoes)
                break;
        }
        m_dead.insert(position.mask, firstGoes ? 0 : floor);
        return Step::Lost;
    }

    // The lost game's line that leaves the fewest cards, among the positions met in a search
    // of its own, without the cuts that only serve the verdict, up to a budget of positions.
    void furthest(const Position &position, std::int64_t budget)
    {
        if (m_nodes >= budget || m_cancel.load(std::memory_order_relaxed) ||
            m_seen.holds(position.mask, 0))
            return;
        ++m_nodes;
        m_seen.insert(position.mask, 0);
        if (position.size < m_fewest) {
            m_fewest = position.size;
            m_best = m_path;
        }
        for (int place = 0; place + 2 < position.size; ++place) {
            if (!Alike(card(position, place), card(position, place + 2)))
                continue;
            Position next = position;
            next.remove(place);
            m_path.push_back(position.left[std::size_t(place)]);
            furthest(next, budget);
            m_path.pop_back();
        }
    }

    // Lines this short are searched without looking at their end first.
    static constexpr int ShortLine = 12;

    const std::vector<std::uint8_t> &m_cards;
    const std::atomic<bool> &m_cancel;
    std::int64_t m_budget;
    std::int64_t m_nodes = 0;
    int m_fewest = 0;
    std::vector<std::uint8_t> m_path;
    std::vector<std::uint8_t> m_best;
    MaskTable m_dead;
    MaskTable m_won;
    MaskTable m_seen;
};

} // namespace

LineClearing ClearDuo(const std::vector<std::uint8_t> &cards, const std::atomic<bool> &cancel,
                      std::int64_t nodes)
{
    if (cards.size() < 2 || cards.size() > std::size_t(Most))
        return {};
    return Search(cards, cancel, nodes).run();
}
