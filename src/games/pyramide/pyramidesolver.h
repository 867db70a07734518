// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/pyramide/pyramidemodel.h"
#include "solver/solver.h"

#include <QSet>
#include <optional>

// The rules' position as the search needs it, and the places the player has armed for moving,
// which a click on them ignores: the line arms and disarms them where it must.
struct PyramidePosition {
    PyramideModel model;
    QSet<int> armed;
};

class PyramideSolver final : public Solver {
public:
    std::unique_ptr<SolverTask> prepare(const GameRules &rules) const override;

    // The position once JOUER is pressed; before it, of the deal as JOUER lays it out. Nothing
    // for rules of another game, or once the game is over.
    static std::optional<PyramidePosition> position(const GameRules &rules);
    // The player's actions for a line of the model from a position.
    static QList<SolverMove> actions(const PyramidePosition &from,
                                     const std::vector<PyramideModel::Move> &line);
};
