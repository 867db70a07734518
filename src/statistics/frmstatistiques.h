// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "statistics/logrecords.h"
#include "statistics/statisticsmodel.h"

#include <QDialog>

class MonthChart;
class PlayedChart;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;
struct AppContext;

// "Statistiques des parties": what the log says about each game for one player or for everyone,
// as a table, two charts and a CSV export. The figures are those of the log as it was on opening.
class frmStatistiques : public QDialog {
    Q_OBJECT
public:
    // currentPlayer is chosen in the filter when the log knows that name.
    frmStatistiques(AppContext &context, const QString &currentPlayer, const OddsProvider &odds,
                    QWidget *parent = nullptr);

    // Asks for a file and writes the table shown as CSV.
    void exportTable();

    QComboBox *cboJoueur;
    QTabWidget *Onglets;
    QTableView *Tableau;
    MonthChart *ChartMois;
    PlayedChart *ChartParties;
    QLabel *lblNote; // unreadable records, a missing or damaged file
    QPushButton *cmdExporter;
    QPushButton *cmdFermer;

    StatisticsModel model;

private:
    // The player the filter shows; empty for everyone.
    std::optional<QString> chosenPlayer() const;
    void showPlayer();
    void fitColumns();
    void fitToScreen();

    AppContext &m_context;
    LogRecords m_records;
    StatisticsSortModel m_sorted;
};

// Opens the statistics window modally over parent.
void ShowStatistics(QWidget *parent, AppContext &context, const QString &currentPlayer,
                    const OddsProvider &odds = {});
