#include "app/solvermenu.h"
#include "fakemainlink.h"
#include "games/cardtable.h"
#include "games/frmJosephine/josephinerules.h"
#include "games/frmMontecarlo/montecarlorules.h"
#include "games/frmPyramide/pyramiderules.h"
#include "games/gamecatalog.h"
#include "games/gameform.h"
#include "games/noshuffle.h"
#include "games/solverpanel.h"
#include "settings/settingkeys.h"
#include "shared/files.h"
#include "shared/recordlog.h"
#include "testapp.h"

#include <QAction>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTest>

namespace {

using Rules = MontecarloRules;

QString card(int rank, int suit)
{
    static const QStringList ranks =
        QStringLiteral("AS 2 3 4 5 6 7 8 9 10 VALET DAME ROI").split(QLatin1Char(' '));
    static const QStringList suits =
        QStringLiteral("TREFLE CARREAU COEUR PIQUE").split(QLatin1Char(' '));
    return ranks.at(rank - 1) + QStringLiteral("DE") + suits.at(suit);
}

// Cards reach the grid in the order listed: the first 25 in reading order, then the stock from
// its top, which is the end of the deck.
void stackQueue(AppState &state, const QStringList &queue)
{
    for (int i = 0; i < Cards::FullDeck; ++i) {
        const int k = i < Rules::GridSize ? i : Cards::FullDeck - 1 - (i - Rules::GridSize);
        state.decks.deck52[std::size_t(k)] = queue.at(i);
    }
}

// The four cards of each rank in turn: a deal that can be won.
QStringList byRank()
{
    QStringList queue;
    for (int i = 0; i < Cards::FullDeck; ++i)
        queue.append(card(i / 4 + 1, i % 4));
    return queue;
}

// The grid holds no neighbouring pair at all: lost before the first move.
QStringList noPair()
{
    QStringList queue;
    for (int p = 0; p < Rules::GridSize; ++p)
        queue.append(card(p % 13 + 1, p / 5 % 2 * 2 + p % 5 % 2));
    for (const QString &code : byRank()) {
        if (!queue.contains(code))
            queue.append(code);
    }
    return queue;
}

struct Window {
    explicit Window(const QStringList &queue)
    {
        app.set(Settings::Melange, QStringLiteral("0"));
        BuildCardTables(app.state);
        stackQueue(app.state, queue);
        form = new GameForm(*GameCatalog::byMenuName(QStringLiteral("Monte-Carlo")), context, main,
                            MakeMontecarloRules);
        area.addSubWindow(form)->showMaximized();
        area.resize(800, 600);
        area.show();
        panel = form->solverPanel();
    }
    QString indicator() const { return panel->indicator()->text(); }
    bool logged() const { return QFile::exists(LogPath(app.state)); }

    TestApp app;
    NoShuffle noShuffle;
    AppContext context{app.state, app.settings, noShuffle, app.dialogs, app.opener, app.printer};
    FakeMainLink main;
    QMdiArea area;
    GameForm *form = nullptr;
    SolverPanel *panel = nullptr;
};

} // namespace

class TestSolverPanel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theIndicatorSaysWhetherTheDealCanBeWonAndFitsTheWindow()
    {
        Window won(byRank());
        QVERIFY(won.panel);
        QTRY_COMPARE(won.indicator(), QStringLiteral("Donne gagnable"));
        const QLabel *label = won.panel->indicator();
        QVERIFY(label->isVisible());
        QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) < label->width());
        QVERIFY(label->fontMetrics().height() <= label->contentsRect().height());
        QVERIFY(!label->geometry().intersects(won.form->Tapis->geometry()));

        Window lost(noPair());
        QTRY_COMPARE(lost.indicator(), QStringLiteral("Perdue d'avance"));
    }

    void aHintFramesTheMoveAndMovesNothing()
    {
        Window w(byRank());
        w.form->Boutons_Click(0);
        QTRY_VERIFY(w.panel->answer().has_value());
        const TableModel before = w.form->rules().table();
        w.panel->hint();
        const auto *hint = w.form->Tapis->findChild<QWidget *>(QStringLiteral("solverHint"));
        QVERIFY(hint && hint->isVisible());
        QCOMPARE(w.form->rules().table(), before);
        const SolverMove first = w.panel->answer()->line.first();
        QCOMPARE(first.framed.size(), 2);
        // Playing the hinted pair by hand takes the hint away.
        QTest::mouseClick(w.form->Tapis, Qt::LeftButton, {},
                          w.form->Tapis->toPixels(before.at(first.picture).rect).center());
        QTest::mouseClick(w.form->Tapis, Qt::LeftButton, {},
                          w.form->Tapis->toPixels(before.at(first.partner).rect).center());
        QCOMPARE(w.form->rules().table().at(first.picture).card, before.at(first.picture + 2).card);
        QVERIFY(!hint->isVisible());
    }

    void theDemonstrationWinsAndTheGameIsNotRecorded()
    {
        Window w(byRank());
        QTRY_VERIFY(w.panel->answer().has_value());
        w.app.dialogs.answers = {false};
        w.panel->startDemonstration();
        QVERIFY(w.app.state.gameInProgress);
        QVERIFY(w.panel->demonstrating());
        for (int tick = 0; tick < 60 && w.panel->demonstrating(); ++tick) {
            QTRY_VERIFY(w.panel->answer().has_value());
            w.panel->demonstrationStep();
        }
        QVERIFY(!w.panel->demonstrating());
        QVERIFY(!w.app.state.gameInProgress);
        QCOMPARE(w.app.dialogs.last().text,
                 QStringLiteral("BRAVO, vous avez gagné la partie. Voulez-vous recommencer une "
                                "nouvelle vorelle ?"));
        QVERIFY(!w.logged());
    }

    void aClickStopsTheDemonstrationAndIsNotPlayed()
    {
        Window w(byRank());
        QTRY_VERIFY(w.panel->answer().has_value());
        w.panel->startDemonstration();
        w.panel->demonstrationStep();
        QTRY_VERIFY(w.panel->answer().has_value());
        const TableModel before = w.form->rules().table();
        QTest::mousePress(w.form->Tapis, Qt::LeftButton, {},
                          w.form->Tapis->toPixels(before.at(Rules::FirstPlace).rect).center());
        QVERIFY(!w.panel->demonstrating());
        QCOMPARE(w.form->rules().table(), before);
        QVERIFY(w.app.state.gameInProgress);
    }

    // Most Joséphine deals are lost: Indice then frames the move that goes furthest.
    void aLostDealsHintIsTheBestMove()
    {
        TestApp app;
        FakeMainLink main;
        QMdiArea area;
        auto *form = new GameForm(*GameCatalog::byMenuName(QStringLiteral("Joséphine")),
                                  app.context, main, MakeJosephineRules);
        area.addSubWindow(form)->showMaximized();
        area.resize(800, 600);
        area.show();
        SolverPanel *panel = form->solverPanel();
        QVERIFY(panel);
        form->Boutons_Click(0);
        for (int deal = 0; deal < 20; ++deal) {
            QTRY_VERIFY(panel->answer().has_value());
            if (panel->answer()->verdict == SolverAnswer::Verdict::Lost &&
                !panel->answer()->line.isEmpty())
                break;
            app.dialogs.answers = {true};
            form->Boutons_Click(1);
            form->Boutons_Click(0);
        }
        QCOMPARE(panel->answer()->verdict, SolverAnswer::Verdict::Lost);
        QCOMPARE(panel->indicator()->text(), QStringLiteral("Perdue d'avance"));
        panel->hint();
        QVERIFY(
            panel->indicator()->text().endsWith(QStringLiteral("Aucune solution: meilleur coup")));
        const auto *hint = form->Tapis->findChild<QWidget *>(QStringLiteral("solverHint"));
        QVERIFY(hint && hint->isVisible());
    }

    // Pyramide's line arms cards by right presses and drags them into holes: the window plays
    // those too, to the win.
    void pyramidesDemonstrationDragsIntoHolesToTheWin()
    {
        TestApp app;
        FakeMainLink main;
        QMdiArea area;
        auto *form = new GameForm(*GameCatalog::byMenuName(QStringLiteral("Pyramide")), app.context,
                                  main, MakePyramideRules);
        area.addSubWindow(form)->showMaximized();
        area.resize(800, 600);
        area.show();
        SolverPanel *panel = form->solverPanel();
        QVERIFY(panel);
        form->Boutons_Click(0);
        bool drops = false;
        for (int deal = 0; deal < 20 && !drops; ++deal) {
            QTRY_VERIFY_WITH_TIMEOUT(panel->answer().has_value(), 30000);
            for (const SolverMove &move : panel->answer()->line)
                drops = drops || move.action == SolverMove::Action::RightPress;
            if (panel->answer()->verdict != SolverAnswer::Verdict::Winnable)
                drops = false;
            if (!drops) {
                app.dialogs.answers = {true};
                form->Boutons_Click(1);
                form->Boutons_Click(0);
            }
        }
        QVERIFY(drops);
        QCOMPARE(panel->indicator()->text(), QStringLiteral("Donne gagnable"));
        panel->hint();
        const auto *hint = form->Tapis->findChild<QWidget *>(QStringLiteral("solverHint"));
        QVERIFY(hint && hint->isVisible());
        app.dialogs.answers = {false};
        panel->startDemonstration();
        for (int tick = 0; tick < 2000 && panel->demonstrating(); ++tick) {
            QTRY_VERIFY(panel->answer().has_value());
            panel->demonstrationStep();
        }
        QVERIFY(!app.state.gameInProgress);
        QVERIFY(app.dialogs.last().text.startsWith(QStringLiteral("BRAVO")));
        QVERIFY(!QFile::exists(LogPath(app.state)));
    }

    void theMenuHidesTheIndicatorAndKeepsTheChoice()
    {
        Window w(byRank());
        QMenu menu;
        QAction *last = menu.addAction(QStringLiteral("&Quitter le jeu"));
        SolverMenu items(&menu, last, w.app.settings, [&w] { return w.form; });
        QVERIFY(items.indicateur->isChecked());
        QVERIFY(items.indice->isEnabled());
        QCOMPARE(items.indice->shortcut(), QKeySequence(Qt::Key_F7));
        QCOMPARE(items.demonstration->shortcut(), QKeySequence(Qt::Key_F8));
        const int tableHeight = w.form->Tapis->height();
        items.indicateur->setChecked(false);
        QVERIFY(!w.panel->indicator()->isVisible());
        QVERIFY(w.form->Tapis->height() > tableHeight);
        QCOMPARE(w.app.settings.read(QStringLiteral("SOLVEUR"), QStringLiteral("indicateur")),
                 QStringLiteral("0"));
        SolverMenu again(&menu, last, w.app.settings, [] { return nullptr; });
        QVERIFY(!again.indicateur->isChecked());
        QVERIFY(!again.indice->isEnabled());
        QVERIFY(!again.demonstration->isEnabled());
    }
};

QTEST_MAIN(TestSolverPanel)
#include "tst_solverpanel.moc"
