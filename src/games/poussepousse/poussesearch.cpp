// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/poussepousse/poussesearch.h"

#include "games/poussepousse/patterndatabase.h"

#include <algorithm>
#include <limits>

namespace {

using namespace SlidingGrid;
using Database = PatternDatabase;
using Slots = Database::Slots;

constexpr int Found = -1;
constexpr int Stop = -2;
constexpr qint64 CancelCheck = 4096; // nodes between two looks at the cancel flag
constexpr int GoalHole = 14;
constexpr int Splits = Database::Splits;

// Each slide moves the hole one step, so the number of slides left has the parity of the hole's
// distance to its goal place: a bound of the other parity is one short.
constexpr int holeParity(int place)
{
    return (place / Side + place % Side + GoalHole / Side + GoalHole % Side) & 1;
}

int rounded(int bound, int hole)
{
    return bound + ((bound ^ holeParity(hole)) & 1);
}

struct Around {
    std::array<std::uint8_t, 4> places{};
    int count = 0;
};

constexpr std::array<Around, Cells> aroundEach()
{
    std::array<Around, Cells> all{};
    for (int place = 0; place < Cells; ++place) {
        Around &around = all[std::size_t(place)];
        const int row = place / Side;
        const int column = place % Side;
        if (row > 0)
            around.places[std::size_t(around.count++)] = std::uint8_t(place - Side);
        if (row < Side - 1)
            around.places[std::size_t(around.count++)] = std::uint8_t(place + Side);
        if (column > 0)
            around.places[std::size_t(around.count++)] = std::uint8_t(place - 1);
        if (column < Side - 1)
            around.places[std::size_t(around.count++)] = std::uint8_t(place + 1);
    }
    return all;
}

constexpr std::array<Around, Cells> AroundEach = aroundEach();

class Deepening {
public:
    Deepening(const Database &db, const Grid &cells, const std::atomic<bool> &cancel)
        : m_db(db), m_cells(cells), m_cancel(cancel)
    {
        for (int split = 0; split < Splits; ++split) {
            int jokersSeen = 0;
            for (int place = 0; place < Cells; ++place) {
                const int tile = cells[std::size_t(place)];
                if (tile == Hole) {
                    m_hole = place;
                    continue;
                }
                const Database::Place at = Database::placeOf(split, tile);
                const int slot = at.slot + (tile == Joker ? jokersSeen++ : 0);
                m_places[std::size_t(split)][at.group][std::size_t(slot)] = std::uint8_t(place);
            }
            for (int group = 0; group < Database::Groups; ++group) {
                const int value =
                    m_db.slides(split, group,
                                Database::index(m_places[std::size_t(split)][std::size_t(group)],
                                                Database::groupSize(split, group)));
                m_values[std::size_t(split)][std::size_t(group)] = value;
                m_sums[std::size_t(split)] += value;
            }
        }
    }

    PousseSearch::Result run()
    {
        PousseSearch::Result result;
        const int start = rounded(*std::max_element(m_sums.begin(), m_sums.end()), m_hole);
        for (int bound = start;;) {
            const int next = start == 0 ? Found : search(0, bound, -1);
            result.nodes = m_nodes;
            if (next == Found) {
                result.outcome = PousseSearch::Result::Outcome::Solved;
                result.slides = QList<int>(m_path.begin(), m_path.begin() + m_length);
                return result;
            }
            if (next == Stop)
                return result;
            bound = next;
        }
    }

private:
    // A slide weighed before it is made: the moved tile's new placing in each split, its rank
    // (whose figure is fetched ahead) and the estimate after it.
    struct Child {
        int from = 0;
        std::array<Slots, Splits> places{};
        std::array<std::uint32_t, Splits> ranks{};
        std::array<int, Splits> values{};
        int estimate = 0;
    };

    void prepare(Child &child) const
    {
        const int tile = m_cells[std::size_t(child.from)];
        for (int split = 0; split < Splits; ++split) {
            const Database::Place at = Database::placeOf(split, tile);
            Slots &places = child.places[std::size_t(split)];
            places = m_places[std::size_t(split)][at.group];
            if (tile == Joker) {
                // The jokers' two slots hold their places in order.
                std::uint8_t &low = places[at.slot];
                std::uint8_t &high = places[std::size_t(at.slot + 1)];
                (low == child.from ? low : high) = std::uint8_t(m_hole);
                if (low > high)
                    std::swap(low, high);
            } else {
                places[at.slot] = std::uint8_t(m_hole);
            }
            const std::uint32_t rank =
                Database::index(places, Database::groupSize(split, at.group));
            child.ranks[std::size_t(split)] = rank;
            m_db.prefetch(split, at.group, rank);
        }
    }

    void evaluate(Child &child) const
    {
        const int tile = m_cells[std::size_t(child.from)];
        int larger = 0;
        for (int split = 0; split < Splits; ++split) {
            const int group = Database::placeOf(split, tile).group;
            const int value = m_db.slides(split, group, child.ranks[std::size_t(split)]);
            child.values[std::size_t(split)] = value;
            larger = std::max(larger, m_sums[std::size_t(split)] -
                                          m_values[std::size_t(split)][std::size_t(group)] + value);
        }
        child.estimate = rounded(larger, child.from);
    }

    // Makes the child's slide, looks below it, and puts everything back.
    int descend(const Child &child, int done, int bound)
    {
        const int hole = m_hole;
        const int tile = m_cells[std::size_t(child.from)];
        std::array<Slots, Splits> places;
        std::array<int, Splits> values;
        const std::array<int, Splits> sums = m_sums;
        for (int split = 0; split < Splits; ++split) {
            const int group = Database::placeOf(split, tile).group;
            Slots &now = m_places[std::size_t(split)][std::size_t(group)];
            int &value = m_values[std::size_t(split)][std::size_t(group)];
            places[std::size_t(split)] = now;
            values[std::size_t(split)] = value;
            now = child.places[std::size_t(split)];
            m_sums[std::size_t(split)] += child.values[std::size_t(split)] - value;
            value = child.values[std::size_t(split)];
        }
        m_cells[std::size_t(hole)] = qint8(tile);
        m_cells[std::size_t(child.from)] = Hole;
        m_hole = child.from;
        m_path[std::size_t(done)] = child.from;

        const int next =
            child.estimate == 0 ? (m_length = done + 1, Found) : search(done + 1, bound, hole);

        m_hole = hole;
        m_cells[std::size_t(child.from)] = qint8(tile);
        m_cells[std::size_t(hole)] = Hole;
        m_sums = sums;
        for (int split = 0; split < Splits; ++split) {
            const int group = Database::placeOf(split, tile).group;
            m_places[std::size_t(split)][std::size_t(group)] = places[std::size_t(split)];
            m_values[std::size_t(split)][std::size_t(group)] = values[std::size_t(split)];
        }
        return next;
    }

    // The children are weighed before any is entered, and one over the bound is never slid. An
    // estimate of 0 means every tile is home, so the hole too.
    int search(int done, int bound, int previousHole)
    {
        if (++m_nodes % CancelCheck == 0 && m_cancel.load(std::memory_order_relaxed))
            return Stop;
        const Around &around = AroundEach[std::size_t(m_hole)];
        std::array<Child, 4> children;
        int count = 0;
        for (int n = 0; n < around.count; ++n) {
            const int from = around.places[std::size_t(n)];
            if (from == previousHole)
                continue;
            children[std::size_t(count)].from = from;
            prepare(children[std::size_t(count++)]);
        }
        int least = std::numeric_limits<int>::max();
        for (int n = 0; n < count; ++n) {
            Child &child = children[std::size_t(n)];
            evaluate(child);
            int next = done + 1 + child.estimate;
            if (next <= bound) {
                next = descend(child, done, bound);
                if (next == Found || next == Stop)
                    return next;
            }
            least = std::min(least, next);
        }
        return least;
    }

    const Database &m_db;
    Grid m_cells;
    std::array<std::array<Slots, Database::Groups>, Splits> m_places{};
    std::array<std::array<int, Database::Groups>, Splits> m_values{};
    std::array<int, Splits> m_sums{};
    int m_hole = 0;
    qint64 m_nodes = 0;
    const std::atomic<bool> &m_cancel;
    // Far longer than any shortest solution: every grid is solved in at most 80 slides.
    std::array<int, 256> m_path{};
    int m_length = 0;
};

} // namespace

namespace PousseSearch {

Result solve(const Grid &cells, const std::atomic<bool> &cancel)
{
    QList<int> board(cells.begin(), cells.end());
    const Grid target = goal();
    if (!solvable(board, QList<int>(target.begin(), target.end()), Side))
        return {Result::Outcome::Unsolvable, {}, 0};
    const Database *db = Database::instance(cancel);
    if (!db)
        return {};
    return Deepening(*db, cells, cancel).run();
}

} // namespace PousseSearch
