// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/roialbert/roialbertmodel.h"
#include "solver/solver.h"

#include <optional>

class RoialbertSolver final : public Solver {
public:
    std::unique_ptr<SolverTask> prepare(const GameRules &rules) const override;
    // The model of the cards as the table shows them (before JOUER too: they lie where JOUER
    // turns them up). Nothing for rules of another game or a table without a full deal.
    static std::optional<RoialbertModel> model(const GameRules &rules);
};
