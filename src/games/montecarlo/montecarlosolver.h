// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/montecarlo/montecarlomodel.h"
#include "solver/solver.h"

#include <optional>

class MontecarloSolver final : public Solver {
public:
    std::unique_ptr<SolverTask> prepare(const GameRules &rules) const override;

    // A task for a model set up by hand (tests, the headless tools).
    static std::unique_ptr<SolverTask> task(const MontecarloModel &model);
    // The model of the rules' position; before JOUER, of the cards as dealt. Nothing while the
    // table holds no deal.
    static std::optional<MontecarloModel> model(const GameRules &rules);
};
