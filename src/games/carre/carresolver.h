// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/carre/carremodel.h"
#include "solver/solver.h"

#include <optional>

class CarreSolver final : public Solver {
public:
    std::unique_ptr<SolverTask> prepare(const GameRules &rules) const override;
    // The model of the cards as they lie on the rules' table (before JOUER, as dealt). Nothing
    // for rules of another game or a table without a whole deal.
    static std::optional<CarreModel> model(const GameRules &rules);
};
