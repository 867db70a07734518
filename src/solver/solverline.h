// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solver/solver.h"

#include <QByteArray>
#include <QList>
#include <utility>

class GameSession;

// One move of a line played on a game in progress as the window plays it: the click, then the
// partner's, then the game's own button; a drop; a double click, a right press, a button.
void PlaySolverMove(GameSession &session, const SolverMove &move);

// A search's answer from where the session stands, and the answer for each position its line
// passes through: the line less its first moves. The line is played on a copy of the game in
// progress, so a hint followed move by move, or the demonstration, keeps to that one line
// instead of a new search's. Empty when no copy can be made, or when a winning line does not win
// through the game's rules.
using PositionAnswer = std::pair<QByteArray, SolverAnswer>;
QList<PositionAnswer> AnswersAlong(const GameSession &session, const Solver &solver,
                                   const SolverAnswer &answer);
