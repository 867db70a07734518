// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/tablemodel.h"

#include <QLocale>
#include <QStringList>
#include <functional>

// The statistic lines a game's record carries, chosen by the game's caption and counted on its
// table: the "Carte" and "EspaceJeu" pictures and the text of its named controls (combo boxes).
QStringList StatisticLines(const QString &caption, const TableModel &table, int deckSize,
                           const std::function<QString(const QString &control)> &controlText,
                           const QLocale &locale);
