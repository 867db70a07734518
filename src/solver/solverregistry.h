#pragma once

#include "solver/solver.h"

#include <QString>
#include <memory>

namespace SolverRegistry {

// The solver of a game by its menu name, or nullptr while the game has none.
std::unique_ptr<Solver> solverFor(const QString &menuName);

} // namespace SolverRegistry
