// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/poussepousse/poussesearch.h"

#include "games/poussepousse/patterndatabase.h"

#include <algorithm>
#include <limits>

namespace {

using namespace SlidingGrid;
using Database = PatternDatabase;

constexpr int Found = -1;
constexpr int Stop = -2;
constexpr qint64 CancelCheck = 4096; // nodes between two looks at the cancel flag

class Deepening {
public:
    Deepening(const Database &db, const Grid &cells, const std::atomic<bool> &cancel)
        : m_db(db), m_cells(cells), m_cancel(cancel)
    {
        for (int place = 0; place < Cells; ++place)
            m_around[std::size_t(place)] = neighbours(place, Side, Side);
        int jokers = 0;
        for (int place = 0; place < Cells; ++place) {
            const int tile = cells[std::size_t(place)];
            if (tile == Hole)
                m_hole = place;
            else if (tile == Joker)
                m_jokers[std::size_t(jokers++)] = place;
        }
        for (int split = 0; split < Database::Splits; ++split) {
            std::array<std::array<int, Database::GroupSize>, Database::Groups> places{};
            int seen = 0;
            for (int place = 0; place < Cells; ++place) {
                const int tile = cells[std::size_t(place)];
                if (tile == Hole)
                    continue;
                const int slot = Database::slotOf(split, tile) + (tile == Joker ? seen++ : 0);
                places[std::size_t(Database::groupOf(split, tile))][std::size_t(slot)] = place;
            }
            for (int group = 0; group < Database::Groups; ++group) {
                const std::uint32_t placing = Database::index(places[std::size_t(group)]);
                m_placing[std::size_t(split)][std::size_t(group)] = placing;
                m_sum[std::size_t(split)] += m_db.slides(split, group, placing);
            }
        }
        m_estimate = std::max(m_sum[0], m_sum[1]);
    }

    PousseSearch::Result run()
    {
        PousseSearch::Result result;
        for (int bound = m_estimate;;) {
            const int next = search(0, bound, -1);
            result.nodes = m_nodes;
            if (next == Found) {
                result.outcome = PousseSearch::Result::Outcome::Solved;
                result.slides = m_path;
                return result;
            }
            if (next == Stop)
                return result;
            bound = next;
        }
    }

private:
    // Moves the tile on `from` into the hole, and the estimate with it: only the tile's own
    // group changes its figure.
    void slide(int from)
    {
        const int tile = m_cells[std::size_t(from)];
        m_cells[std::size_t(m_hole)] = qint8(tile);
        m_cells[std::size_t(from)] = Hole;
        if (tile == Joker)
            (m_jokers[0] == from ? m_jokers[0] : m_jokers[1]) = m_hole;
        for (int split = 0; split < Database::Splits; ++split) {
            const int group = Database::groupOf(split, tile);
            std::uint32_t &placing = m_placing[std::size_t(split)][std::size_t(group)];
            int &sum = m_sum[std::size_t(split)];
            sum -= m_db.slides(split, group, placing);
            const int shift = Database::SlotBits * Database::slotOf(split, tile);
            if (tile == Joker) {
                const int low = std::min(m_jokers[0], m_jokers[1]);
                const int high = std::max(m_jokers[0], m_jokers[1]);
                placing = (placing & ((1u << shift) - 1)) | std::uint32_t(low) << shift |
                          std::uint32_t(high) << (shift + Database::SlotBits);
            } else {
                placing = (placing & ~(15u << shift)) | std::uint32_t(m_hole) << shift;
            }
            sum += m_db.slides(split, group, placing);
        }
        m_estimate = std::max(m_sum[0], m_sum[1]);
        m_hole = from;
    }

    int search(int done, int bound, int previousHole)
    {
        const int total = done + m_estimate;
        if (total > bound)
            return total;
        if (m_estimate == 0)
            return Found; // every tile home, so the hole too
        if (++m_nodes % CancelCheck == 0 && m_cancel.load(std::memory_order_relaxed))
            return Stop;
        int least = std::numeric_limits<int>::max();
        const int hole = m_hole;
        for (int from : m_around[std::size_t(hole)]) {
            if (from == previousHole)
                continue;
            slide(from);
            m_path.append(from);
            const int next = search(done + 1, bound, hole);
            if (next == Found || next == Stop)
                return next;
            m_path.removeLast();
            slide(hole);
            least = std::min(least, next);
        }
        return least;
    }

    const Database &m_db;
    Grid m_cells;
    std::array<QList<int>, Cells> m_around;
    std::array<std::array<std::uint32_t, Database::Groups>, Database::Splits> m_placing{};
    std::array<int, Database::Splits> m_sum{};
    std::array<int, 2> m_jokers{};
    int m_hole = 0;
    int m_estimate = 0;
    qint64 m_nodes = 0;
    const std::atomic<bool> &m_cancel;
    QList<int> m_path;
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
