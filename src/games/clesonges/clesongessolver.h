// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/clesonges/clesongesmodel.h"
#include "solver/solver.h"

#include <optional>

class CleSongesSolver final : public Solver {
public:
    std::unique_ptr<SolverTask> prepare(const GameRules &rules) const override;
    // The model of the rules' position; nothing for rules of another game.
    static std::optional<CleSongesModel> model(const GameRules &rules);
};
