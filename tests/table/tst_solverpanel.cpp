// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/solvermenu.h"
#include "catalog/gamecatalog.h"
#include "fakemainlink.h"
#include "games/noshuffle.h"
#include "settings/settingkeys.h"
#include "shared/cards.h"
#include "shared/files.h"
#include "shared/recordlog.h"
#include "table/cardtable.h"
#include "table/gameform.h"
#include "table/solverpanel.h"
#include "testapp.h"

#include <QAction>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTest>

namespace {

// Card k of the deal is card k x stride of the deck in rank order, each rank in suit order.
// The rank order itself (stride 1) is won in every game below but Pyramide and lost in
// Joséphine; stride 5 wins Pyramide.
void stackDeck(AppState &state, int stride)
{
    for (int k = 0; k < Cards::FullDeck; ++k) {
        const int card = k * stride % Cards::FullDeck;
        state.decks.deck52[std::size_t(k)] =
            Cards::RankWord(card / 4 + 1) + QStringLiteral("DE") +
            QStringLiteral("TREFLE CARREAU COEUR PIQUE").section(u' ', card % 4, card % 4);
    }
}

// A game window at 800 x 600 dealing that deck.
struct Window {
    Window(const QString &game, int stride)
    {
        app.set(Settings::Melange, QStringLiteral("0"));
        BuildCardTables(app.state);
        stackDeck(app.state, stride);
        form = new GameForm(*GameCatalog::byMenuName(game), context, main);
        area.addSubWindow(form)->showMaximized();
        area.resize(800, 600);
        area.show();
        panel = form->solverPanel();
    }
    QString indicator() const { return panel->indicator()->text(); }
    const QWidget *hint() const
    {
        return form->Tapis->findChild<QWidget *>(QStringLiteral("solverHint"));
    }
    QPoint centre(const TableModel &table, int picture) const
    {
        return form->Tapis->toPixels(table.at(picture).rect).center();
    }

    TestApp app;
    NoShuffle noShuffle;
    AppContext context{app.state, app.settings, noShuffle, app.dialogs, app.opener, app.printer};
    FakeMainLink main;
    QMdiArea area;
    GameForm *form = nullptr;
    SolverPanel *panel = nullptr;
};

const QString MonteCarlo = QStringLiteral("Monte-Carlo");

} // namespace

class TestSolverPanel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aWinnableDeal_data()
    {
        QTest::addColumn<QString>("game");
        QTest::addColumn<int>("stride");
        // Between them the lines click pairs, drag onto cards and into holes, double-click to
        // the foundations, arm cards by a right press and press the game's own button.
        for (const char *game :
             {"Monte-Carlo", "Carré", "Roi Albert", "Duo", "Duo de rêve", "Mariage"})
            QTest::newRow(game) << QString::fromUtf8(game) << 1;
        QTest::newRow("Pyramide") << QStringLiteral("Pyramide") << 5;
    }

    // The indicator fits the strip under the table; Indice frames the first move and moves
    // nothing; the demonstration starts the game, plays the line through the window to the win,
    // and the game is not recorded.
    void aWinnableDeal()
    {
        QFETCH(QString, game);
        QFETCH(int, stride);
        Window w(game, stride);
        QVERIFY(w.panel);
        QTRY_COMPARE(w.indicator(), QStringLiteral("Donne gagnable"));
        const QLabel *label = w.panel->indicator();
        QVERIFY(label->isVisible());
        QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) < label->width());
        QVERIFY(label->fontMetrics().height() <= label->contentsRect().height());
        QVERIFY(!label->geometry().intersects(w.form->Tapis->geometry()));

        w.form->Boutons_Click(0);
        QTRY_VERIFY(w.panel->answer().has_value());
        // What a hint frames: the card or cards moved first, a drop's target last.
        for (const SolverMove &move : w.panel->answer()->line) {
            QVERIFY2(!move.framed.isEmpty() && move.framed.first() == move.picture,
                     qPrintable(move.text));
            QVERIFY2(move.action != SolverMove::Action::Drop || move.framed.last() == move.target,
                     qPrintable(move.text));
        }
        const TableModel before = w.form->rules().table();
        w.panel->hint();
        QVERIFY(w.hint() && w.hint()->isVisible());
        QCOMPARE(w.form->rules().table(), before);

        w.app.dialogs.answers = {false};
        w.panel->startDemonstration();
        for (int tick = 0; tick < 400 && w.panel->demonstrating(); ++tick) {
            QTRY_VERIFY(w.panel->answer().has_value());
            w.panel->demonstrationStep();
        }
        QVERIFY(!w.panel->demonstrating());
        QVERIFY(!w.app.state.gameInProgress);
        QCOMPARE(w.app.dialogs.last().text,
                 QStringLiteral("BRAVO, vous avez gagné la partie. Voulez-vous recommencer une "
                                "nouvelle vorelle ?"));
        QVERIFY(!QFile::exists(LogPath(w.app.state)));
    }

    void theHintGoesOnceItsMoveIsPlayedByHand()
    {
        Window w(MonteCarlo, 1);
        w.form->Boutons_Click(0);
        QTRY_VERIFY(w.panel->answer().has_value());
        const TableModel before = w.form->rules().table();
        w.panel->hint();
        const SolverMove first = w.panel->answer()->line.first();
        QTest::mouseClick(w.form->Tapis, Qt::LeftButton, {}, w.centre(before, first.picture));
        QTest::mouseClick(w.form->Tapis, Qt::LeftButton, {}, w.centre(before, first.partner));
        QCOMPARE(w.form->rules().table().at(first.picture).card, before.at(first.picture + 2).card);
        QVERIFY(!w.hint()->isVisible());
    }

    void aClickStopsTheDemonstrationAndIsNotPlayed()
    {
        Window w(MonteCarlo, 1);
        QTRY_VERIFY(w.panel->answer().has_value());
        w.panel->startDemonstration();
        w.panel->demonstrationStep();
        QTRY_VERIFY(w.panel->answer().has_value());
        const TableModel before = w.form->rules().table();
        QTest::mousePress(w.form->Tapis, Qt::LeftButton, {},
                          w.centre(before, w.panel->answer()->line.first().picture));
        QVERIFY(!w.panel->demonstrating());
        QCOMPARE(w.form->rules().table(), before);
        QVERIFY(w.app.state.gameInProgress);
    }

    void aGameTheDemonstrationTouchedIsNotRecorded_data()
    {
        QTest::addColumn<bool>("demonstrated");
        QTest::newRow("Indice") << false;
        QTest::newRow("un coup de la démonstration") << true;
    }

    // Once the demonstration has played a move, the game stays out of the log even when the
    // player ends it, and the prompt says so; a hint keeps it the player's. Indice and
    // Démonstration rest from the end of a game to the next deal.
    void aGameTheDemonstrationTouchedIsNotRecorded()
    {
        QFETCH(bool, demonstrated);
        Window w(MonteCarlo, 1);
        QMenu menu;
        SolverMenu items(&menu, menu.addAction(QStringLiteral("&Quitter le jeu")), w.app.settings,
                         [&w] { return w.form; });
        w.form->Boutons_Click(0);
        QTRY_VERIFY(w.panel->answer().has_value());
        if (demonstrated) {
            w.panel->startDemonstration();
            w.panel->demonstrationStep();
            w.panel->stopDemonstration();
        } else {
            w.panel->hint();
        }
        w.app.dialogs.answers = {false};
        while (w.app.state.gameInProgress) {
            QVERIFY(items.indice->isEnabled() && items.demonstration->isEnabled());
            QTRY_VERIFY(w.panel->answer().has_value());
            const SolverMove move = w.panel->answer()->line.first();
            Q_EMIT w.form->Tapis->clicked(move.picture);
            Q_EMIT w.form->Tapis->clicked(move.partner);
        }
        QVERIFY(w.app.dialogs.last().text.startsWith(QStringLiteral("BRAVO")));
        QCOMPARE(QFile::exists(LogPath(w.app.state)), !demonstrated);
        const QString next =
            QStringLiteral("Appuyez sur le bouton DISTRIBUER pour commencer une nouvelle partie.");
        QCOMPARE(w.form->prompt(),
                 demonstrated ? QStringLiteral("Partie terminée par la démonstration : non "
                                               "enregistrée. ") +
                                    next
                              : next);
        QVERIFY(!items.indice->isEnabled() && !items.demonstration->isEnabled());
        w.form->Boutons_Click(1);
        QVERIFY(items.indice->isEnabled() && items.demonstration->isEnabled());
    }

    // Indice on a lost deal frames the move that goes furthest, and says so.
    void aLostDealsHintIsTheBestMove()
    {
        Window w(QStringLiteral("Joséphine"), 1);
        w.form->Boutons_Click(0);
        QTRY_COMPARE(w.indicator(), QStringLiteral("Perdue d'avance"));
        QVERIFY(!w.panel->answer()->line.isEmpty());
        w.panel->hint();
        QVERIFY(w.indicator().endsWith(QStringLiteral("Aucune solution: meilleur coup")));
        QVERIFY(w.hint() && w.hint()->isVisible());
    }

    void theMenuHidesTheIndicatorAndKeepsTheChoice()
    {
        Window w(MonteCarlo, 1);
        QMenu menu;
        QAction *last = menu.addAction(QStringLiteral("&Quitter le jeu"));
        SolverMenu items(&menu, last, w.app.settings, [&w] { return w.form; });
        QVERIFY(items.indicateur->isChecked());
        QVERIFY(items.indice->isEnabled());
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
