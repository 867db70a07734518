// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "statistics/gamestatistics.h"

#include <QChartView>
#include <QWidget>
#include <optional>

class QListWidget;

// The win percentage by month: a line per game ticked in the list beside the chart, "Toutes les
// vorelles" (every game together) at first.
class MonthChart : public QWidget {
    Q_OBJECT
public:
    explicit MonthChart(QWidget *parent = nullptr);

    // Draws the games of games (which must outlive this chart) of one player, or of everyone.
    void setGames(const QList<PlayedGame> *games, const std::optional<QString> &player);

    QListWidget *lstVorelles;
    QChartView *view;

private:
    void redraw();

    const QList<PlayedGame> *m_games = nullptr;
    std::optional<QString> m_player;
};

// The number of games played, a bar per game.
class PlayedChart : public QChartView {
    Q_OBJECT
public:
    explicit PlayedChart(QWidget *parent = nullptr);

    // rows: Statistics::RowCount summaries, in row order.
    void setRows(const QList<GameSummary> &rows);
};
