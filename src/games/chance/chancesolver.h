// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solver/odds/chanceodds.h"
#include "solver/solver.h"

#include <optional>

// A game of pure chance, searched on a compact copy of its position. A position offers the moves
// the rules accept next (one, except for a free first choice), plays them, and tells a win. Its
// lines are short, so the search plays every choice to the end and keeps the first that wins, or
// else the line that leaves the most cards right.
//
// Position needs: static std::optional<Position> read(const GameRules &); QList<SolverMove>
// moves() const; void play(const SolverMove &); bool won() const; int score() const.
template <typename Position> class ChanceTask final : public SolverTask {
public:
    explicit ChanceTask(std::optional<Position> start) : m_start(std::move(start)) {}

    SolverAnswer run(const std::atomic<bool> &cancel) override
    {
        SolverAnswer answer;
        if (!m_start)
            return answer;
        Best best;
        QList<SolverMove> line;
        const bool finished = search(*m_start, line, best, answer.nodes, cancel);
        if (!finished)
            return {SolverAnswer::Verdict::Unknown, {}, answer.nodes, {}};
        answer.verdict = best.won ? SolverAnswer::Verdict::Winnable : SolverAnswer::Verdict::Lost;
        answer.line = best.line;
        return answer;
    }

private:
    struct Best {
        bool won = false;
        int score = -1;
        QList<SolverMove> line;
    };

    // Depth first; false once cancelled.
    static bool search(const Position &at, QList<SolverMove> &line, Best &best, qint64 &nodes,
                       const std::atomic<bool> &cancel)
    {
        ++nodes;
        if (cancel.load(std::memory_order_relaxed))
            return false;
        const QList<SolverMove> moves = at.moves();
        if (moves.isEmpty()) {
            if (at.won() || at.score() > best.score)
                best = {at.won(), at.score(), line};
            return true;
        }
        for (const SolverMove &move : moves) {
            Position next = at;
            next.play(move);
            line.append(move);
            if (!search(next, line, best, nodes, cancel))
                return false;
            line.removeLast();
            if (best.won)
                return true;
        }
        return true;
    }

    std::optional<Position> m_start;
};

template <typename Position> class ChanceSolver final : public Solver {
public:
    explicit ChanceSolver(const ExactFraction &(*odds)()) : m_odds(odds) {}

    std::unique_ptr<SolverTask> prepare(const GameRules &rules) const override
    {
        return std::make_unique<ChanceTask<Position>>(Position::read(rules));
    }
    QString gameSummary() const override { return OddsSummary(m_odds()); }

private:
    const ExactFraction &(*m_odds)();
};
