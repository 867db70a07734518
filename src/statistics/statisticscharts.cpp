// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/statisticscharts.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QCoreApplication>
#include <QGraphicsLayout>
#include <QHBoxLayout>
#include <QHorizontalBarSeries>
#include <QLineSeries>
#include <QListWidget>
#include <QValueAxis>
#include <map>

namespace {

// More month labels than this would be cut short on a small screen: the axis then names every
// second, third… month.
constexpr int MaxMonthLabels = 8;

QChart *emptyChart(const QString &title)
{
    auto *chart = new QChart;
    chart->setTitle(title);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    return chart;
}

} // namespace

MonthChart::MonthChart(QWidget *parent)
    : QWidget(parent), lstVorelles(new QListWidget(this)), view(new QChartView(this))
{
    for (int row = 0; row < Statistics::RowCount; ++row) {
        auto *item = new QListWidgetItem(Statistics::rowName(row), lstVorelles);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(row == Statistics::TotalRow ? Qt::Checked : Qt::Unchecked);
    }
    lstVorelles->setToolTip(
        QCoreApplication::translate("StatisticsCharts", "Cochez les vorelles à montrer"));
    lstVorelles->setMaximumWidth(lstVorelles->sizeHintForColumn(0) + 40);
    connect(lstVorelles, &QListWidget::itemChanged, this, &MonthChart::redraw);

    view->setRenderHint(QPainter::Antialiasing);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lstVorelles);
    layout->addWidget(view, 1);
    redraw();
}

void MonthChart::setGames(const QList<PlayedGame> *games, const std::optional<QString> &player)
{
    m_games = games;
    m_player = player;
    redraw();
}

void MonthChart::redraw()
{
    QChart *chart = emptyChart(
        QCoreApplication::translate("StatisticsCharts", "Pourcentage de réussite par mois"));
    std::map<int, QList<Statistics::MonthResults>> lines; // by row
    std::map<QDate, int> months;                          // every month shown, then its place
    for (int row = 0; m_games != nullptr && row < Statistics::RowCount; ++row) {
        if (lstVorelles->item(row)->checkState() != Qt::Checked)
            continue;
        const auto game = row == Statistics::TotalRow ? std::nullopt : std::optional<int>(row);
        lines[row] = Statistics::resultsByMonth(*m_games, m_player, game);
        for (const Statistics::MonthResults &month : lines[row])
            months[month.month] = 0;
    }
    int place = 0;
    for (auto &month : months)
        month.second = place++;

    auto *axisX = new QCategoryAxis;
    axisX->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const int step = std::max(1, (place + MaxMonthLabels - 1) / MaxMonthLabels);
    for (const auto &[month, at] : months) {
        if (at % step == 0)
            axisX->append(month.toString(QStringLiteral("MM/yyyy")), at);
    }
    axisX->setRange(-0.5, std::max(place, 1) - 0.5);
    auto *axisY = new QValueAxis;
    axisY->setRange(0, 100);
    axisY->setLabelFormat(QStringLiteral("%.0f %%"));
    chart->addAxis(axisX, Qt::AlignBottom);
    chart->addAxis(axisY, Qt::AlignLeft);

    for (const auto &[row, results] : lines) {
        auto *series = new QLineSeries;
        series->setName(Statistics::rowName(row));
        series->setPointsVisible(true);
        for (const Statistics::MonthResults &month : results)
            series->append(months[month.month], 100.0 * month.won / month.played);
        chart->addSeries(series);
        series->attachAxis(axisX);
        series->attachAxis(axisY);
    }
    chart->legend()->setVisible(!lines.empty());
    chart->legend()->setAlignment(Qt::AlignBottom);

    QChart *previous = view->chart();
    view->setChart(chart);
    delete previous;
}

PlayedChart::PlayedChart(QWidget *parent) : QChartView(parent)
{
    setRenderHint(QPainter::Antialiasing);
    setRows(QList<GameSummary>(Statistics::RowCount));
}

void PlayedChart::setRows(const QList<GameSummary> &rows)
{
    QChart *chart =
        emptyChart(QCoreApplication::translate("StatisticsCharts", "Parties jouées par vorelle"));
    auto *played = new QBarSet(QCoreApplication::translate("StatisticsCharts", "Parties jouées"));
    QStringList names;
    int most = 0;
    // The bars go up from the bottom: the last game first, so the list reads as the menu does.
    for (int row = Statistics::TotalRow - 1; row >= 0; --row) {
        names.append(Statistics::rowName(row));
        played->append(rows[row].played);
        most = std::max(most, rows[row].played);
    }
    auto *series = new QHorizontalBarSeries;
    series->append(played);
    series->setLabelsVisible(true);
    chart->addSeries(series);

    auto *axisY = new QBarCategoryAxis;
    axisY->append(names);
    auto *axisX = new QValueAxis;
    axisX->setRange(0, std::max(most, 1));
    axisX->applyNiceNumbers();
    axisX->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(axisY, Qt::AlignLeft);
    chart->addAxis(axisX, Qt::AlignBottom);
    series->attachAxis(axisY);
    series->attachAxis(axisX);
    chart->legend()->setVisible(false);

    QChart *previous = this->chart();
    setChart(chart);
    delete previous;
}
