// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/gamecatalog.h"
#include "shared/files.h"
#include "statistics/frmstatistiques.h"
#include "statistics/statisticscharts.h"
#include "statisticslog.h"
#include "support/filebytes.h"
#include "testapp.h"

#include <QBarSeries>
#include <QBarSet>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

int row(const QString &menuName)
{
    return int(GameCatalog::GameNames().indexOf(menuName));
}

// An application folder whose log the writer fills: two players, and a record whose clock
// cannot be read.
struct Folder : TestApp {
    Folder()
    {
        log.path = LogPath(state);
        log.add(u"MONTE-CARLO"_s, u"BRUNO"_s, u"00:01:00"_s, true);
        log.add(u"MONTE-CARLO"_s, u"ALICE"_s, u"00:02:00"_s, false);
        log.add(u"DUO"_s, u"BRUNO"_s, u"00:03:00"_s, false);
        log.add(u"DUO"_s, u"BRUNO"_s, u"une heure"_s, true);
    }
    WrittenLog log;
};

QString cell(const frmStatistiques &window, int r, int column)
{
    return window.model.index(r, column).data().toString();
}

QStringList filterItems(const QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items.append(box->itemText(i));
    return items;
}

} // namespace

class TestStatisticsWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensOnTheCurrentPlayerAndFollowsTheFilter()
    {
        TestApp empty;
        frmStatistiques none(empty.context, u"ALICE"_s, {});
        QCOMPARE(filterItems(none.cboJoueur), QStringList({u"Tous les joueurs"_s}));
        QVERIFY(none.lblNote->text().endsWith(u"parties.rtf est introuvable."_s));
        QCOMPARE(cell(none, Statistics::TotalRow, Statistics::PercentColumn), u"–"_s);
        QVERIFY(empty.dialogs.shown.isEmpty());

        Folder f;
        frmStatistiques window(f.context, u"BRUNO"_s, {});
        QCOMPARE(filterItems(window.cboJoueur),
                 QStringList({u"Tous les joueurs"_s, u"ALICE"_s, u"BRUNO"_s}));
        QCOMPARE(window.cboJoueur->currentText(), u"BRUNO"_s);
        QCOMPARE(window.lblNote->text(), u"1 partie illisible ignorée"_s);

        const int mc = row(u"Monte-Carlo"_s);
        const int total = Statistics::TotalRow;
        QCOMPARE(cell(window, mc, Statistics::PlayedColumn), u"1"_s);
        QCOMPARE(cell(window, total, Statistics::PlayedColumn), u"2"_s);
        QCOMPARE(cell(window, row(u"Pyramide"_s), Statistics::MeanTimeColumn), u"–"_s);
        const auto bars = [&] {
            const auto *series =
                qobject_cast<QAbstractBarSeries *>(window.ChartParties->chart()->series().value(0));
            // The bars run from the last game up to the first.
            return series->barSets().value(0)->at(Statistics::TotalRow - 1 - mc);
        };
        QCOMPARE(bars(), 1.0);

        window.cboJoueur->setCurrentIndex(0);
        QCOMPARE(cell(window, mc, Statistics::PlayedColumn), u"2"_s);
        QCOMPARE(cell(window, total, Statistics::PercentColumn), u"33,3"_s);
        QCOMPARE(bars(), 2.0);

        QCOMPARE(window.ChartMois->view->chart()->series().size(), 1);
        window.ChartMois->lstVorelles->item(mc)->setCheckState(Qt::Checked);
        QCOMPARE(window.ChartMois->view->chart()->series().size(), 2);
        QCOMPARE(window.ChartMois->view->chart()->series().at(0)->name(), u"Monte-Carlo"_s);
    }

    void exportWritesTheChosenPlayersTable()
    {
        Folder f;
        frmStatistiques window(f.context, u"ALICE"_s, {});
        window.exportTable(); // cancelled: no answer
        const QString path = f.dir.filePath(u"stats.csv"_s);
        f.dialogs.fileAnswers = {path, f.dir.filePath(u"absent/stats.csv"_s)};
        window.cmdExporter->click();
        const QList<QByteArray> lines = readBytes(path).split('\n');
        QCOMPARE(lines.size(), Statistics::RowCount + 2);
        QVERIFY(lines[0].startsWith("\xEF\xBB\xBF"
                                    "joueur;"));
        QVERIFY(lines[1 + row(u"Monte-Carlo"_s)].startsWith("ALICE;Monte-Carlo;1;0;1;"));
        QVERIFY(f.dialogs.shown.isEmpty());

        window.exportTable();
        QCOMPARE(f.dialogs.last().icon, UserDialogs::Icon::Critical);
        QVERIFY(f.dialogs.last().text.startsWith(u"Impossible d'écrire le fichier "_s));
    }

    void fitsTheScreen()
    {
        Folder f;
        frmStatistiques window(f.context, u"ALICE"_s, {});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect screen = window.screen()->availableGeometry();
        QVERIFY(screen.contains(window.frameGeometry()));
        for (const QWidget *part :
             std::initializer_list<QWidget *>{window.cmdExporter, window.cmdFermer, window.Onglets})
            QVERIFY(window.rect().contains(part->geometry()));
        // Every column in sight, sorted or not.
        QCOMPARE(window.Tableau->horizontalScrollBar()->maximum(), 0);
        window.Tableau->sortByColumn(Statistics::LongestWinsColumn, Qt::DescendingOrder);
        QCOMPARE(window.Tableau->horizontalScrollBar()->maximum(), 0);
    }
};

QTEST_MAIN(TestStatisticsWindow)
#include "tst_statisticswindow.moc"
