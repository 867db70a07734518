// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "statistics/statisticstable.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <functional>
#include <optional>

// The exact long-run chance of winning a game, from 0 to 1, by its menu name; nothing for a game
// whose odds are not known.
using OddsProvider = std::function<std::optional<double>(const QString &menuName)>;

// The statistics table: a row per game then "Toutes les vorelles", a column per figure, then
// "Chances théoriques". A cell with no value shows a dash.
class StatisticsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int OddsColumn = Statistics::SummaryColumnCount;
    static constexpr int ColumnCount = OddsColumn + 1;
    // The number (or, for the game's name, the text) a column sorts by; none for a dash.
    static constexpr int SortRole = Qt::UserRole;

    explicit StatisticsModel(const OddsProvider &odds = {}, QObject *parent = nullptr);

    void setRows(const QList<GameSummary> &rows);
    const QList<GameSummary> &rows() const { return m_rows; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QList<GameSummary> m_rows;
    QList<std::optional<double>> m_odds; // per row
};

// Sorts the table by any column while "Toutes les vorelles" stays last and dashes stay below the
// values, in either order. Equal values keep the games' menu order. The sorted column's header
// ends with a line holding "▲" (ascending) or "▼".
class StatisticsSortModel : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit StatisticsSortModel(QObject *parent = nullptr);

    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;
};
