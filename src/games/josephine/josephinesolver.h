// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/josephine/josephinemodel.h"
#include "solver/solver.h"

#include <optional>

class JosephineSolver final : public Solver {
public:
    std::unique_ptr<SolverTask> prepare(const GameRules &rules) const override;
    // The model of the rules' position once JOUER is pressed; before it, of the deal as JOUER
    // will turn it up. Nothing for rules of another game.
    static std::optional<JosephineModel> model(const GameRules &rules);
};
