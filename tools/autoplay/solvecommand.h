// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The solver's commands of autoplay:
//   autoplay solve GAME --deck C1,...,Cn
//   autoplay solve GAME --decks FILE|-
//   autoplay GAME DEALS --seed S [--melange M] --solve
namespace SolveCommand {

// args after "solve"; returns the exit status.
int solve(const QStringList &args);
// The whole command line of a run with --solve; returns the exit status.
int solveDeals(const QStringList &args);

} // namespace SolveCommand
