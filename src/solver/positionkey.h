// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/tablemodel.h"

#include <QByteArray>

// A digest of what a table shows that moves can change: every picture's card, face, place and
// visibility, the frames and the controls' texts, and whether a game is in progress. Two tables
// that differ only in the mouse pointer give the same key.
QByteArray SolverPositionKey(const TableModel &table, bool inProgress);
