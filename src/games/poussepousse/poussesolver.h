// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/poussepousse/slidinggrid.h"
#include "solver/solver.h"

#include <memory>
#include <optional>

// Pousse-pousse: whether the grid can be put in order, and a shortest way to do it.
class PousseSolver final : public Solver {
public:
    std::unique_ptr<SolverTask> prepare(const GameRules &rules) const override;

    // The grid as the rules hold it, nothing when the rules are not Pousse-pousse's.
    static std::optional<SlidingGrid::Grid> read(const GameRules &rules);
    // The answer for a grid: the slides as clicks on the places of the grid; Unknown only when
    // cancel turns true.
    static SolverAnswer answer(const SlidingGrid::Grid &cells, const std::atomic<bool> &cancel);
    // "Solution en 34 coups", or the verdict of a grid that cannot be solved.
    static QString summary(const SolverAnswer &answer);
    QString answerSummary(const SolverAnswer &answer) const override { return summary(answer); }
};

std::unique_ptr<Solver> MakePousseSolver();
