// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "statistics/logrecords.h"

#include <QDate>
#include <QList>
#include <QStringList>
#include <optional>

// What the log says about one game (or all of them) for one player (or all of them).
struct GameSummary {
    int played = 0;
    int won = 0;
    // The run of equal results at the end: wins when positive, losses when negative.
    int currentStreak = 0;
    int longestWinStreak = 0;
    int longestLossStreak = 0;
    std::optional<qint64> bestSeconds; // the shortest won game
    std::optional<qint64> meanSeconds; // of every game played, to the nearest second
    std::optional<qint64> medianSeconds;

    int lost() const { return played - won; }
    std::optional<double> winPercent() const;
};

namespace Statistics {

// The rows of a table: the sixteen games in menu order, then this one for all of them.
constexpr int TotalRow = 16;
constexpr int RowCount = TotalRow + 1;
QString rowName(int row); // the game's menu name, or "Toutes les vorelles"

// The player filter's choice for everyone.
QString everyone(); // "Tous les joueurs"

// Every player's name in the log, once each, in alphabetical order.
QStringList playerNames(const QList<PlayedGame> &games);

// The table's rows for one player, or everyone when player is empty. Streaks follow the order
// of the list, which is that of the file.
QList<GameSummary> summariseByGame(const QList<PlayedGame> &games,
                                   const std::optional<QString> &player);

struct MonthResults {
    QDate month; // its first day
    int played = 0;
    int won = 0;
};

// Games played and won per month, months in order, only those with a game; for one game (or
// all of them, game empty) and one player (or everyone).
QList<MonthResults> resultsByMonth(const QList<PlayedGame> &games,
                                   const std::optional<QString> &player,
                                   const std::optional<int> &game);

} // namespace Statistics
