// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/tablemodel.h"

#include <QByteArray>
#include <QString>

// A digest of what a table shows that moves can change: every picture's card, face, place,
// visibility, border (a card selected) and whether it can be dragged (a card armed), the frames
// and the controls' texts, whether a game is in progress, and the prompt, which tells a card
// still chosen after its frame went. Two tables that differ only in the mouse pointer give the
// same key.
QByteArray SolverPositionKey(const TableModel &table, bool inProgress, const QString &prompt);
