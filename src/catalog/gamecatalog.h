// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/gameinfo.h"
#include "games/gamerules.h"
#include "solver/odds/chanceodds.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <span>

// The table of games: every game's names, its rules, its solver and its odds, in one place. The
// launcher, the game windows, the record log, the statistics, the tools and the tests read it.
namespace GameCatalog {

// All sixteen games, in the order of the game menu (the order of GameId).
std::span<const GameInfo> all();

const GameInfo &byId(GameId id);
const GameInfo *byMenuName(const QString &menuName);

// The names of the game menu, in menu order; Stephanie is the sixteenth.
const QStringList &GameNames();

// Menu caption of item k: k + 1, six spaces below 10 and four from 10 on, then the name.
QString menuCaption(int index);

// The game name a menu caption carries: the caption without its first two characters, trimmed.
QString nameFromCaption(const QString &caption);

// The rules factory of a game bound to its row, or an empty factory for an unknown name.
RulesFactory rulesFor(const QString &menuName);

// A new solver for a game, or nullptr for an unknown name or a game without one.
std::unique_ptr<Solver> solverFor(const QString &menuName);

// The exact odds of a game of pure chance, nothing for any other game.
std::optional<ExactOdds> odds(const QString &menuName);
// The exact probability written out, truncated to that many significant digits ("0,2028...").
QString oddsDecimals(const QString &menuName, int significant);

} // namespace GameCatalog
