// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// autoplay GAME --deal N [--print-deck]: one numbered deal of any game. With --print-deck, the
// deal's card codes in the order the game's deal reads them, comma-separated on one line;
// without it, the deal played, for the games in which the player has no choice. Prints to out
// and err; returns the exit status (2 for bad input).
int RunDealCommand(const QStringList &args, QString &out, QString &err);

// Whether the arguments ask for a numbered deal.
bool AsksForDeal(const QStringList &args);
