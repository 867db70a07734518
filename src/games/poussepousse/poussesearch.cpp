// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/poussepousse/poussesearch.h"

#include "games/poussepousse/patterndatabase.h"

#include <algorithm>
#include <cstdlib>

namespace {

using namespace SlidingGrid;
using Database = PatternDatabase;

constexpr qint64 CancelCheck = 4096; // nodes between two looks at the cancel flag
constexpr int Splits = Database::Splits;
constexpr int Groups = Database::Groups;

struct Beside {
    std::array<std::array<std::int8_t, 4>, Cells> places{};
    std::array<std::int8_t, Cells> count{};
};

Beside beside()
{
    Beside next;
    for (int place = 0; place < Cells; ++place) {
        const QList<int> around = neighbours(place, Side, Side);
        next.count[std::size_t(place)] = std::int8_t(around.size());
        for (qsizetype n = 0; n < around.size(); ++n)
            next.places[std::size_t(place)][std::size_t(n)] = std::int8_t(around[n]);
    }
    return next;
}

enum class Ended { No, Found, Stopped };

// Iterative deepening on the grid with its tiles named by their goal places. The number of
// slides left has a known parity, so the bound grows by two. Each split keeps its groups'
// placings and figures, and a slide changes only the moved tile's group in each split.
class Deepening {
public:
    Deepening(const Database &db, const Grid &cells, const std::atomic<bool> &cancel)
        : m_cells(Database::label(cells)), m_cancel(cancel)
    {
        for (int split = 0; split < Splits; ++split) {
            for (int group = 0; group < Groups; ++group)
                m_table[std::size_t(split)][std::size_t(group)] = db.table(split, group);
        }
        for (int place = 0; place < Cells; ++place) {
            const int tile = m_cells[std::size_t(place)];
            if (tile == Database::GoalHole) {
                m_hole = place;
                continue;
            }
            for (int split = 0; split < Splits; ++split)
                m_placing[std::size_t(split)][std::size_t(Database::groupOf(split, tile))] |=
                    std::uint32_t(place) << Database::shiftOf(split, tile);
        }
        for (int split = 0; split < Splits; ++split) {
            for (int group = 0; group < Groups; ++group) {
                const int figure = m_table[std::size_t(split)][std::size_t(group)]
                                          [m_placing[std::size_t(split)][std::size_t(group)]];
                m_figure[std::size_t(split)][std::size_t(group)] = figure;
                m_sum[std::size_t(split)] += figure;
            }
        }
    }

    PousseSearch::Result run()
    {
        PousseSearch::Result result;
        const int start = *std::max_element(m_sum.begin(), m_sum.end());
        const int goalHole = Database::GoalHole;
        const int distance =
            std::abs(m_hole % Side - goalHole % Side) + std::abs(m_hole / Side - goalHole / Side);
        for (int bound = start + (start + distance) % 2;; bound += 2) {
            const Ended ended = search(0, bound, -1);
            result.nodes = m_nodes;
            if (ended == Ended::Stopped)
                return result;
            if (ended == Ended::Found) {
                result.outcome = PousseSearch::Result::Outcome::Solved;
                result.slides = QList<int>(m_path.begin(), m_path.end());
                return result;
            }
        }
    }

private:
    // The moves from a grid whose figures all fit the bound; a child is left out as soon as one
    // split's figure says it cannot.
    Ended search(int done, int bound, int previousHole)
    {
        if (m_sum[0] == 0)
            return Ended::Found; // every tile home, so the hole too
        if (++m_nodes % CancelCheck == 0 && m_cancel.load(std::memory_order_relaxed))
            return Ended::Stopped;
        static const Beside next = beside();
        const int hole = m_hole;
        const int room = bound - done - 1;
        for (int n = 0; n < next.count[std::size_t(hole)]; ++n) {
            const int from = next.places[std::size_t(hole)][std::size_t(n)];
            if (from == previousHole)
                continue;
            const int tile = m_cells[std::size_t(from)];
            std::array<std::uint32_t, Splits> placing{};
            std::array<int, Splits> figure{};
            bool fits = true;
            for (int split = 0; split < Splits && fits; ++split) {
                const auto s = std::size_t(split);
                const auto group = std::size_t(Database::groupOf(split, tile));
                const int shift = Database::shiftOf(split, tile);
                placing[s] = (m_placing[s][group] & ~(15u << shift)) | std::uint32_t(hole) << shift;
                figure[s] = m_table[s][group][placing[s]];
                fits = m_sum[s] - m_figure[s][group] + figure[s] <= room;
            }
            if (!fits)
                continue;
            std::array<std::uint32_t, Splits> placingBefore{};
            std::array<int, Splits> figureBefore{};
            for (int split = 0; split < Splits; ++split) {
                const auto s = std::size_t(split);
                const auto group = std::size_t(Database::groupOf(split, tile));
                placingBefore[s] = m_placing[s][group];
                figureBefore[s] = m_figure[s][group];
                m_placing[s][group] = placing[s];
                m_figure[s][group] = figure[s];
                m_sum[s] += figure[s] - figureBefore[s];
            }
            m_cells[std::size_t(hole)] = std::int8_t(tile);
            m_cells[std::size_t(from)] = Database::GoalHole;
            m_hole = from;
            m_path.push_back(std::int8_t(from));
            const Ended ended = search(done + 1, bound, hole);
            if (ended != Ended::No)
                return ended;
            m_path.pop_back();
            m_hole = hole;
            m_cells[std::size_t(from)] = std::int8_t(tile);
            m_cells[std::size_t(hole)] = Database::GoalHole;
            for (int split = 0; split < Splits; ++split) {
                const auto s = std::size_t(split);
                const auto group = std::size_t(Database::groupOf(split, tile));
                m_placing[s][group] = placingBefore[s];
                m_figure[s][group] = figureBefore[s];
                m_sum[s] += figureBefore[s] - figure[s];
            }
        }
        return Ended::No;
    }

    Database::Labels m_cells;
    std::array<std::array<const std::uint8_t *, Groups>, Splits> m_table{};
    std::array<std::array<std::uint32_t, Groups>, Splits> m_placing{};
    std::array<std::array<int, Groups>, Splits> m_figure{};
    std::array<int, Splits> m_sum{};
    int m_hole = 0;
    qint64 m_nodes = 0;
    const std::atomic<bool> &m_cancel;
    std::vector<std::int8_t> m_path;
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
