// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solver/search/flatset.h"
#include "solver/search/handback.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <unordered_set>
#include <vector>

// The exact depth-first search every game's solver runs over a compact model of it.
//
// The model is a small copyable value with:
//   using Move = ...;                 // one move of the player
//   using Key = ...;                  // the position, lossless: equal keys, same future
//   struct KeyHash { std::size_t operator()(const Key &) const; };
//   void moves(std::vector<Move> &out) const; // the moves to try, best first, appended
//   void play(const Move &move);
//   bool won() const;
//   int progress() const;             // cards cleared or pairs found so far
//   Key key() const;
// and optionally `void undo(const Move &move)`, taking back the last move played: the search then
// keeps one position and no copy per level of its path; and optionally `void exhausted() const`,
// called on a position once every one of its moves was tried without a win. In a model whose
// moves never lead back to a position met before on the path (cards that only ever leave), the
// position is then lost, and the model may keep that beyond this search.
//
// Moves may lead back to a position already met (a card moved and moved back), so a position
// enters the table as soon as it is reached: met again, it was either searched to the end
// without a win or lies on the path being searched, and in both cases a win from it would be
// found from where it was first met. This is plain graph search for "can a won position be
// reached", exact whatever the order of moves. The path is held in arrays, not on the call
// stack, since it can run thousands of positions deep. A full table forgets the positions that
// cost least to search, never one of the path (one that finds no room is kept apart), so the
// search stays exact and ends, only slower. It stops with Unknown only when cancel turns true or
// a budget given runs out.
namespace Search {

enum class Outcome { Won, Lost, Unknown };

struct Limits {
    // No budget unless a caller sets one.
    std::int64_t nodes = std::numeric_limits<std::int64_t>::max();
    // The table's slots, rounded up to a power of two; three quarters of them hold positions,
    // then the cheapest are replaced. With a 16-byte key (24 bytes a slot), 24 MiB for a million,
    // 36 while it grows.
    std::size_t tableEntries = 1'000'000;
    // The most moves kept waiting along the path. Past it, those of the levels nearest the start
    // are let go and listed again by the model when the search comes back to them, which its
    // moves() must then do alike: the same moves in the same order.
    std::size_t waitingMoves = std::numeric_limits<std::size_t>::max();
};

template <typename Move> struct Result {
    Outcome outcome = Outcome::Unknown;
    // Won: the winning line. Lost: the line that went furthest. Unknown: empty.
    std::vector<Move> line;
    std::int64_t nodes = 0;
    double milliseconds = 0;
};

template <typename Model> class DepthFirst {
public:
    using Move = typename Model::Move;
    using Key = typename Model::Key;
    using Table = FlatSet<Key, typename Model::KeyHash>;

    DepthFirst(const std::atomic<bool> &cancel, Limits limits)
        : m_cancel(cancel), m_limits(limits), m_seen(limits.tableEntries, cancel)
    {
        mapBigBlocksApart();
    }

    Result<Move> solve(const Model &start)
    {
        const auto began = std::chrono::steady_clock::now();
        Result<Move> result;
        const Step step = search(start);
        result.nodes = m_nodes;
        if (step == Step::Won) {
            result.outcome = Outcome::Won;
            result.line = m_path;
        } else if (step == Step::Lost) {
            result.outcome = Outcome::Lost;
            result.line = m_bestLine;
        }
        result.milliseconds =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - began)
                .count();
        return result;
    }

    // The line to the position of most progress the last solve() reached, whatever its outcome.
    const std::vector<Move> &furthest() const { return m_bestLine; }

private:
    static constexpr bool Undoes = requires(Model model, const Move &move) { model.undo(move); };
    static constexpr bool Reports = requires(const Model &model) { model.exhausted(); };

    enum class Step { Won, Lost, Stopped, Seen };
    // Twenty bytes: a hard search holds millions of levels. Four billion moves waiting along one
    // path, or slots in the table, would take more memory than any search is given.
    struct Level {
        std::uint32_t first;   // its moves in m_moves
        std::uint32_t next;    // the next one to try; once its moves are let go, counted from first
        std::uint32_t entered; // m_nodes when it was entered, modulo 2^32: what it cost follows
        std::uint32_t slot;    // where the table took its key
        bool overflow;         // its key is in m_overflow, not in the table
        bool dropped;          // its moves were let go, to be listed again
    };

    // Enters a position: Seen when it was reached before or lies on the path.
    Step enter(const Model &position)
    {
        if (position.won())
            return Step::Won;
        if (m_nodes >= m_limits.nodes || m_cancel.load(std::memory_order_relaxed))
            return Step::Stopped;
        const Key key = position.key();
        // A path position kept apart may find room in the table once others leave the path.
        if (!m_overflow.empty() && m_overflow.contains(key))
            return Step::Seen;
        std::size_t slot = 0;
        const auto entry = m_seen.enter(key, slot);
        if (entry == Table::Entry::Seen)
            return Step::Seen;
        const bool overflow = entry == Table::Entry::Full;
        if (overflow)
            m_overflow.insert(key);
        const auto entered = std::uint32_t(m_nodes);
        ++m_nodes;
        if (position.progress() > m_bestProgress) {
            m_bestProgress = position.progress();
            m_bestLine = m_path;
        }
        const auto first = std::uint32_t(m_moves.size());
        position.moves(m_moves);
        m_levels.push_back({first, first, entered, std::uint32_t(slot), overflow, false});
        if constexpr (!Undoes)
            m_positions.push_back(position);
        if (m_moves.size() > m_limits.waitingMoves)
            dropMoves();
        return Step::Lost;
    }

    // Lets go of the moves of the levels nearest the start, at least half of those waiting: the
    // search comes back to them last, and seldom.
    void dropMoves()
    {
        if (m_dropped + 1 >= m_levels.size())
            return;
        std::size_t level = m_dropped;
        while (level + 2 < m_levels.size() && m_levels[level + 1].first < m_moves.size() / 2)
            ++level;
        const std::uint32_t kept = m_levels[level + 1].first;
        for (std::size_t k = m_dropped; k <= level; ++k) {
            m_levels[k].next -= m_levels[k].first;
            m_levels[k].first = 0;
            m_levels[k].dropped = true;
        }
        m_dropped = level + 1;
        m_moves.erase(m_moves.begin(), m_moves.begin() + kept);
        for (std::size_t k = m_dropped; k < m_levels.size(); ++k) {
            m_levels[k].first -= kept;
            m_levels[k].next -= kept;
        }
    }

    // The level on top, come back to, lists its moves again.
    void relist(Level &top, const Model &position)
    {
        top.first = std::uint32_t(m_moves.size());
        top.next += top.first;
        top.dropped = false;
        position.moves(m_moves);
        m_dropped = m_levels.size() - 1;
    }

    // Every move of the position was tried.
    void leave(const Model &position)
    {
        if constexpr (Reports)
            position.exhausted();
        if (m_levels.back().overflow)
            m_overflow.erase(position.key());
        else
            m_seen.leave(position.key(), m_levels.back().slot,
                         std::uint32_t(m_nodes) - m_levels.back().entered);
        m_moves.resize(m_levels.back().first);
        m_levels.pop_back();
        if constexpr (!Undoes)
            m_positions.pop_back();
    }

    Step search(const Model &start)
    {
        m_bestProgress = start.progress();
        m_bestLine.clear();
        m_path.clear();
        m_dropped = 0;
        Model position = start; // the path's last position, when the model can undo
        const Step first = enter(start);
        if (first != Step::Lost)
            return first == Step::Seen ? Step::Lost : first;
        while (!m_levels.empty()) {
            Level &top = m_levels.back();
            if (top.dropped) {
                if constexpr (Undoes)
                    relist(top, position);
                else
                    relist(top, m_positions.back());
            }
            // The top level's moves run to the array's end: those of the levels it led to are gone.
            if (top.next == m_moves.size()) {
                if constexpr (Undoes) {
                    leave(position);
                    if (!m_path.empty()) {
                        position.undo(m_path.back());
                        m_path.pop_back();
                    }
                } else {
                    leave(m_positions.back());
                    if (!m_path.empty())
                        m_path.pop_back();
                }
                continue;
            }
            const Move move = m_moves[top.next++];
            m_path.push_back(move);
            // top is not used past here: entering the child may move the levels.
            Step step;
            if constexpr (Undoes) {
                position.play(move);
                step = enter(position);
                if (step == Step::Seen)
                    position.undo(move);
            } else {
                Model child = m_positions.back();
                child.play(move);
                step = enter(child);
            }
            if (step == Step::Won || step == Step::Stopped)
                return step;
            if (step == Step::Seen)
                m_path.pop_back();
        }
        return Step::Lost;
    }

    const std::atomic<bool> &m_cancel;
    Limits m_limits;
    std::int64_t m_nodes = 0;
    int m_bestProgress = 0;
    std::vector<Level> m_levels;
    std::size_t m_dropped = 0; // the levels from the start whose moves were let go
    std::vector<Model> m_positions;
    std::vector<Move> m_moves;
    std::vector<Move> m_path;
    std::vector<Move> m_bestLine;
    Table m_seen;
    std::unordered_set<Key, typename Model::KeyHash> m_overflow;
};

} // namespace Search
