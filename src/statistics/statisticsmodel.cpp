// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/statisticsmodel.h"

#include "statistics/statisticstable.h"

#include <QCollator>
#include <QCoreApplication>
#include <QLocale>
#include <array>

namespace {

const QString Dash = QStringLiteral("–");

// Full header texts, then the same broken over lines so that the table fits a small screen.
constexpr std::array<const char *, StatisticsModel::ColumnCount> Headers{
    QT_TRANSLATE_NOOP("StatisticsModel", "Vorelle"),
    QT_TRANSLATE_NOOP("StatisticsModel", "Parties jouées"),
    QT_TRANSLATE_NOOP("StatisticsModel", "Gagnées"),
    QT_TRANSLATE_NOOP("StatisticsModel", "Perdues"),
    QT_TRANSLATE_NOOP("StatisticsModel", "% de réussite"),
    QT_TRANSLATE_NOOP("StatisticsModel", "Série en cours"),
    QT_TRANSLATE_NOOP("StatisticsModel", "Plus longue série de victoires"),
    QT_TRANSLATE_NOOP("StatisticsModel", "Plus longue série de défaites"),
    QT_TRANSLATE_NOOP("StatisticsModel", "Meilleur temps"),
    QT_TRANSLATE_NOOP("StatisticsModel", "Temps moyen"),
    QT_TRANSLATE_NOOP("StatisticsModel", "Temps médian"),
    QT_TRANSLATE_NOOP("StatisticsModel", "Chances théoriques"),
};
constexpr std::array<const char *, StatisticsModel::ColumnCount> ShortHeaders{
    QT_TRANSLATE_NOOP("StatisticsModel", "Vorelle"),
    QT_TRANSLATE_NOOP("StatisticsModel", "Parties\njouées"),
    QT_TRANSLATE_NOOP("StatisticsModel", "Gagnées"),
    QT_TRANSLATE_NOOP("StatisticsModel", "Perdues"),
    QT_TRANSLATE_NOOP("StatisticsModel", "% de\nréussite"),
    QT_TRANSLATE_NOOP("StatisticsModel", "Série\nen cours"),
    QT_TRANSLATE_NOOP("StatisticsModel", "Plus\nlongue\nsérie de\nvictoires"),
    QT_TRANSLATE_NOOP("StatisticsModel", "Plus\nlongue\nsérie de\ndéfaites"),
    QT_TRANSLATE_NOOP("StatisticsModel", "Meilleur\ntemps"),
    QT_TRANSLATE_NOOP("StatisticsModel", "Temps\nmoyen"),
    QT_TRANSLATE_NOOP("StatisticsModel", "Temps\nmédian"),
    QT_TRANSLATE_NOOP("StatisticsModel", "Chances\nthéoriques"),
};

QString oddsText(double probability)
{
    return QLocale(QLocale::French, QLocale::France).toString(100.0 * probability, 'f', 2) +
           QStringLiteral("\u00A0%");
}

} // namespace

StatisticsModel::StatisticsModel(const OddsProvider &odds, QObject *parent)
    : QAbstractTableModel(parent), m_rows(Statistics::RowCount)
{
    for (int row = 0; row < Statistics::RowCount; ++row) {
        m_odds.append(odds && row != Statistics::TotalRow ? odds(Statistics::rowName(row))
                                                          : std::nullopt);
    }
}

void StatisticsModel::setRows(const QList<GameSummary> &rows)
{
    Q_ASSERT(rows.size() == Statistics::RowCount);
    m_rows = rows;
    Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int StatisticsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int StatisticsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant StatisticsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= ColumnCount)
        return {};
    const int row = index.row();
    const int column = index.column();
    const GameSummary &summary = m_rows[row];
    switch (role) {
    case Qt::DisplayRole:
        // The total's name is the program's; the CSV keeps the French one.
        if (column == Statistics::GameColumn && row == Statistics::TotalRow)
            return QCoreApplication::translate("StatisticsModel", "Toutes les vorelles");
        if (column == Statistics::GameColumn)
            return Statistics::rowName(row);
        if (column == OddsColumn)
            return m_odds[row] ? oddsText(*m_odds[row]) : Dash;
        if (const QString text = Statistics::shownCellText(summary, Statistics::Column(column));
            !text.isEmpty())
            return text;
        return Dash;
    case Qt::TextAlignmentRole:
        return column == Statistics::GameColumn ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                                : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case SortRole:
        if (column == Statistics::GameColumn)
            return Statistics::rowName(row);
        if (column == OddsColumn)
            return m_odds[row] ? QVariant(*m_odds[row]) : QVariant();
        if (const auto value = Statistics::cellValue(summary, Statistics::Column(column)))
            return *value;
        return {};
    default:
        return {};
    }
}

QVariant StatisticsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return QCoreApplication::translate("StatisticsModel", ShortHeaders[std::size_t(section)]);
    if (role == Qt::ToolTipRole)
        return QCoreApplication::translate("StatisticsModel", Headers[std::size_t(section)]);
    return {};
}

StatisticsSortModel::StatisticsSortModel(QObject *parent) : QSortFilterProxyModel(parent)
{
    setSortRole(StatisticsModel::SortRole);
}

void StatisticsSortModel::sort(int column, Qt::SortOrder order)
{
    QSortFilterProxyModel::sort(column, order);
    if (columnCount() > 0)
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

QVariant StatisticsSortModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    const QVariant title = QSortFilterProxyModel::headerData(section, orientation, role);
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section != sortColumn())
        return title;
    return title.toString() +
           (sortOrder() == Qt::AscendingOrder ? QStringLiteral("\n▲") : QStringLiteral("\n▼"));
}

bool StatisticsSortModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    // The view asks lessThan(right, left) to sort in descending order, so whatever must keep its
    // place in both orders is turned round there: the ranks (0: a value, 1: a dash, 2: the total
    // row) and, among equals, the menu order. The view sorts its current order again, so equals
    // would otherwise stay in the order of the previous sort.
    const bool ascending = sortOrder() == Qt::AscendingOrder;
    const auto rank = [this](const QModelIndex &index) {
        if (index.row() == Statistics::TotalRow)
            return 2;
        return sourceModel()->data(index, sortRole()).isValid() ? 0 : 1;
    };
    const auto inOrder = [ascending](int a, int b) { return ascending ? a < b : a > b; };
    const int leftRank = rank(left);
    const int rightRank = rank(right);
    if (leftRank != rightRank)
        return inOrder(leftRank, rightRank);
    if (leftRank == 0) {
        const QVariant a = sourceModel()->data(left, sortRole());
        const QVariant b = sourceModel()->data(right, sortRole());
        int order = 0;
        if (left.column() == Statistics::GameColumn) {
            static const QCollator collator(QLocale(QLocale::French, QLocale::France));
            order = collator.compare(a.toString(), b.toString());
        } else {
            order = a.toDouble() < b.toDouble() ? -1 : (b.toDouble() < a.toDouble() ? 1 : 0);
        }
        if (order != 0)
            return order < 0;
    }
    return inOrder(left.row(), right.row());
}
