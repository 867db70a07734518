// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/poussepousse/poussesearch.h"

#include "games/poussepousse/patterndatabase.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <utility>

namespace {

using namespace SlidingGrid;
using Database = PatternDatabase;

constexpr int Found = -1;
constexpr int Stop = -2;
constexpr qint64 CancelCheck = 4096; // nodes between two looks at the cancel flag
constexpr int GoalHole = 14;

// Each slide moves the hole one step, so the number of slides left has the parity of the hole's
// distance to its goal place: a bound of the other parity is one short.
constexpr int holeParity(int place)
{
    const int rows = place / Side - GoalHole / Side;
    const int columns = place % Side - GoalHole % Side;
    return (rows + columns) & 1;
}

struct Around {
    std::array<int, 4> places{};
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
            around.places[std::size_t(around.count++)] = place - Side;
        if (row < Side - 1)
            around.places[std::size_t(around.count++)] = place + Side;
        if (column > 0)
            around.places[std::size_t(around.count++)] = place - 1;
        if (column < Side - 1)
            around.places[std::size_t(around.count++)] = place + 1;
    }
    return all;
}

constexpr std::array<Around, Cells> AroundEach = aroundEach();

class Deepening {
public:
    Deepening(const Database &db, const Grid &cells, const std::atomic<bool> &cancel)
        : m_db(db), m_cells(cells), m_cancel(cancel)
    {
        for (int split = 0; split < Database::Splits; ++split) {
            int jokersSeen = 0;
            for (int place = 0; place < Cells; ++place) {
                const int tile = cells[std::size_t(place)];
                if (tile == Hole) {
                    m_hole = place;
                    continue;
                }
                const Database::Place at = Database::placeOf(split, tile);
                const int slot = at.slot + (tile == Joker ? jokersSeen++ : 0);
                m_places[std::size_t(split)][std::size_t(at.group)][std::size_t(slot)] = place;
            }
            for (int group = 0; group < Database::Groups; ++group) {
                m_values[std::size_t(split)][std::size_t(group)] = lookup(split, group);
                m_sum[std::size_t(split)] += m_values[std::size_t(split)][std::size_t(group)];
            }
        }
    }

    PousseSearch::Result run()
    {
        PousseSearch::Result result;
        for (int bound = estimate();;) {
            const int next = search(0, bound, -1, estimate());
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
    // A child: the slide of the tile on `from` into the hole, with what it changes in each split.
    struct Child {
        int from = 0;
        std::array<Database::Slots, Database::Splits> places{};
        std::array<int, Database::Splits> value{};
        std::array<int, Database::Splits> sum{};
        int estimate = 0;
    };

    int lookup(int split, int group) const
    {
        return m_db.slides(split, group,
                           Database::index(m_places[std::size_t(split)][std::size_t(group)],
                                           Database::groupSize(split, group)));
    }

    int estimate(int larger, int hole) const { return larger + ((larger ^ holeParity(hole)) & 1); }
    int estimate() const { return estimate(*std::max_element(m_sum.begin(), m_sum.end()), m_hole); }

    // The places of the moved tile's group in each split after the slide of `from`, and the
    // indices of those placings, whose figures are fetched ahead of use.
    void prepare(Child &child, std::array<std::uint32_t, Database::Splits> &indices) const
    {
        const int tile = m_cells[std::size_t(child.from)];
        for (int split = 0; split < Database::Splits; ++split) {
            const Database::Place at = Database::placeOf(split, tile);
            Database::Slots &places = child.places[std::size_t(split)];
            places = m_places[std::size_t(split)][std::size_t(at.group)];
            if (tile == Joker) {
                // The jokers' two slots hold their places in order.
                int &first = places[std::size_t(at.slot)];
                int &second = places[std::size_t(at.slot + 1)];
                (first == child.from ? first : second) = m_hole;
                if (first > second)
                    std::swap(first, second);
            } else {
                places[std::size_t(at.slot)] = m_hole;
            }
            indices[std::size_t(split)] =
                Database::index(places, Database::groupSize(split, at.group));
            m_db.prefetch(split, at.group, indices[std::size_t(split)]);
        }
    }

    void evaluate(Child &child, const std::array<std::uint32_t, Database::Splits> &indices) const
    {
        const int tile = m_cells[std::size_t(child.from)];
        int larger = 0;
        for (int split = 0; split < Database::Splits; ++split) {
            const int group = Database::placeOf(split, tile).group;
            const int value = m_db.slides(split, group, indices[std::size_t(split)]);
            child.value[std::size_t(split)] = value;
            child.sum[std::size_t(split)] = m_sum[std::size_t(split)] -
                                            m_values[std::size_t(split)][std::size_t(group)] +
                                            value;
            larger = std::max(larger, child.sum[std::size_t(split)]);
        }
        child.estimate = estimate(larger, child.from);
    }

    // Slides the child's tile and looks below it, then puts everything back as it was.
    int descend(const Child &child, int done, int bound)
    {
        const int hole = m_hole;
        const int tile = m_cells[std::size_t(child.from)];
        std::array<Database::Slots, Database::Splits> places;
        std::array<int, Database::Splits> values;
        const std::array<int, Database::Splits> sums = m_sum;
        for (int split = 0; split < Database::Splits; ++split) {
            const int group = Database::placeOf(split, tile).group;
            places[std::size_t(split)] = std::exchange(
                m_places[std::size_t(split)][std::size_t(group)], child.places[std::size_t(split)]);
            values[std::size_t(split)] = std::exchange(
                m_values[std::size_t(split)][std::size_t(group)], child.value[std::size_t(split)]);
        }
        m_sum = child.sum;
        m_cells[std::size_t(hole)] = qint8(tile);
        m_cells[std::size_t(child.from)] = Hole;
        m_hole = child.from;
        m_path[std::size_t(done)] = child.from;

        const int next = search(done + 1, bound, hole, child.estimate);

        m_hole = hole;
        m_cells[std::size_t(child.from)] = qint8(tile);
        m_cells[std::size_t(hole)] = Hole;
        m_sum = sums;
        for (int split = 0; split < Database::Splits; ++split) {
            const int group = Database::placeOf(split, tile).group;
            m_places[std::size_t(split)][std::size_t(group)] = places[std::size_t(split)];
            m_values[std::size_t(split)][std::size_t(group)] = values[std::size_t(split)];
        }
        return next;
    }

    // The children are weighed before any is entered: one over the bound is never slid.
    int search(int done, int bound, int previousHole, int left)
    {
        if (left == 0) {
            m_length = done;
            return Found; // every tile home, so the hole too
        }
        if (++m_nodes % CancelCheck == 0 && m_cancel.load(std::memory_order_relaxed))
            return Stop;
        const Around &around = AroundEach[std::size_t(m_hole)];
        std::array<Child, 4> children;
        std::array<std::array<std::uint32_t, Database::Splits>, 4> indices;
        int count = 0;
        for (int n = 0; n < around.count; ++n) {
            const int from = around.places[std::size_t(n)];
            if (from == previousHole)
                continue;
            children[std::size_t(count)].from = from;
            prepare(children[std::size_t(count)], indices[std::size_t(count)]);
            ++count;
        }
        // The nearest child first: on the last round the solution comes sooner.
        std::array<int, 4> order{};
        for (int n = 0; n < count; ++n) {
            evaluate(children[std::size_t(n)], indices[std::size_t(n)]);
            int at = n;
            for (; at > 0 && children[std::size_t(order[std::size_t(at - 1)])].estimate >
                                 children[std::size_t(n)].estimate;
                 --at)
                order[std::size_t(at)] = order[std::size_t(at - 1)];
            order[std::size_t(at)] = n;
        }
        int least = std::numeric_limits<int>::max();
        for (int n = 0; n < count; ++n) {
            const Child &child = children[std::size_t(order[std::size_t(n)])];
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
    std::array<std::array<Database::Slots, Database::Groups>, Database::Splits> m_places{};
    std::array<std::array<int, Database::Groups>, Database::Splits> m_values{};
    std::array<int, Database::Splits> m_sum{};
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
