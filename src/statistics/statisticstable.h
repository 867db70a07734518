// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "statistics/gamestatistics.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The columns of the statistics table, as the window shows them and as CSV gives them.
namespace Statistics {

enum Column {
    GameColumn,
    PlayedColumn,
    WonColumn,
    LostColumn,
    PercentColumn,
    CurrentStreakColumn,
    LongestWinsColumn,
    LongestLossesColumn,
    BestTimeColumn,
    MeanTimeColumn,
    MedianTimeColumn,
    SummaryColumnCount
};

// The cell's text: counts as numbers, the percentage with one decimal and a comma ("33,3"),
// the current streak as "3 gagnées" or "1 perdue", times as "hh:mm:ss". Empty where there is no
// value: every column but the counts of a game never played, the best time without a win.
QString cellText(const GameSummary &summary, Column column);
// The same cell as the statistics window shows it: the current streak in the program's language.
QString shownCellText(const GameSummary &summary, Column column);

// The cell's value for sorting: the current streak negative for losses, times in seconds.
std::optional<double> cellValue(const GameSummary &summary, Column column);

// One row of CSV per player and game; rows for everyone are named "Tous les joueurs".
struct CsvBlock {
    QString player;
    QList<GameSummary> rows; // Statistics::RowCount of them, in row order
};

// "joueur;vorelle;jouees;gagnees;…" then one line per row, UTF-8, "\n" line ends; a field
// holding ";", a quote or a line break is quoted.
QByteArray csv(const QList<CsvBlock> &blocks);

} // namespace Statistics
