// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solver/search/flatset.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

// An exact depth-first search for a line that clears a game, over a compact model of it.
//
// The model is a small copyable value with:
//   using Move = ...;                 // one move of the player
//   using Key = ...;                  // the canonical position, equality comparable
//   struct KeyHash { std::size_t operator()(const Key &) const; };
//   void moves(std::vector<Move> &out) const; // every legal move, appended
//   void play(const Move &move);
//   bool won() const;
//   int progress() const;             // cards cleared or pairs found so far
//   Key key() const;                  // equal for positions with the same future
//
// Every position whose subtree was searched to the end without a win goes into a table, so a
// position reached again by another order of moves is not searched twice. The search stops with
// Unknown when its node budget runs out or when cancel turns true, never with a guess.
namespace Search {

enum class Outcome { Won, Lost, Unknown };

struct Limits {
    std::int64_t nodes = 2'000'000;
    // Past this many entries the table takes no more: the search stays exact, only slower.
    // Half a million 16-byte keys at half load: 16 MiB, 24 MiB while the table grows.
    std::size_t tableEntries = 500'000;
};

template <typename Move> struct Result {
    Outcome outcome = Outcome::Unknown;
    // Won: the winning line. Lost: the line that went furthest. Unknown: empty.
    std::vector<Move> line;
    std::int64_t nodes = 0;
};

template <typename Model> class DepthFirst {
public:
    using Move = typename Model::Move;

    DepthFirst(const std::atomic<bool> &cancel, Limits limits)
        : m_cancel(cancel), m_limits(limits), m_dead(limits.tableEntries, cancel)
    {
    }

    Result<Move> solve(const Model &start)
    {
        Result<Move> result;
        m_bestProgress = start.progress();
        m_bestLine.clear();
        m_path.clear();
        const Step step = explore(start);
        result.nodes = m_nodes;
        if (step == Step::Won) {
            result.outcome = Outcome::Won;
            result.line = m_path;
        } else if (step == Step::Lost) {
            result.outcome = Outcome::Lost;
            result.line = m_bestLine;
        }
        return result;
    }

private:
    enum class Step { Won, Lost, Stopped };

    Step explore(const Model &position)
    {
        if (position.won())
            return Step::Won;
        if (m_nodes >= m_limits.nodes || m_cancel.load(std::memory_order_relaxed))
            return Step::Stopped;
        ++m_nodes;
        if (position.progress() > m_bestProgress) {
            m_bestProgress = position.progress();
            m_bestLine = m_path;
        }
        const typename Model::Key key = position.key();
        if (m_dead.contains(key))
            return Step::Lost;

        std::vector<Move> moves;
        position.moves(moves);
        for (const Move &move : moves) {
            Model next = position;
            next.play(move);
            m_path.push_back(move);
            const Step step = explore(next);
            if (step != Step::Lost)
                return step;
            m_path.pop_back();
        }
        m_dead.insert(key);
        return Step::Lost;
    }

    const std::atomic<bool> &m_cancel;
    Limits m_limits;
    std::int64_t m_nodes = 0;
    int m_bestProgress = 0;
    std::vector<Move> m_path;
    std::vector<Move> m_bestLine;
    FlatSet<typename Model::Key, typename Model::KeyHash> m_dead;
};

} // namespace Search
