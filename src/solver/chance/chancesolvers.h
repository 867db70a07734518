#pragma once

#include "solver/solver.h"

#include <memory>

// The solvers of the five games of pure chance: each plays the forced line of the deal.
namespace ChanceSolvers {

std::unique_ptr<Solver> voyageuses1();
std::unique_ptr<Solver> voyageuses2();
std::unique_ptr<Solver> annonce();
std::unique_ptr<Solver> horloge();
std::unique_ptr<Solver> stephanie();

} // namespace ChanceSolvers
