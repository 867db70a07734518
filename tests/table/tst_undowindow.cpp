// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmjeu.h"
#include "catalog/gamecatalog.h"
#include "fakemainlink.h"
#include "games/dealnumber.h"
#include "table/cardtable.h"
#include "table/dealmenu.h"
#include "table/gameform.h"
#include "table/gameregistry.h"
#include "testapp.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTest>
#include <random>

namespace {

// Clicks on random pictures, as the table reports them, until one makes a move that can be
// undone; the table just before it.
TableModel moveOnce(GameForm &form, quint32 seed)
{
    std::mt19937 random(seed);
    for (int i = 0; i < 2000; ++i) {
        const TableModel before = form.rules().table();
        Q_EMIT form.Tapis->clicked(int(random() % quint32(before.pictures.size())));
        if (form.canUndo())
            return before;
    }
    qFatal("no move found");
}

// Only what the player sees of the cards: the frames and pointers as they were aside.
QList<QPair<QString, QRect>> cards(const TableModel &table)
{
    QList<QPair<QString, QRect>> shown;
    for (const Picture &picture : table.pictures)
        shown.append({picture.visible ? picture.card + picture.tag : QString(), picture.rect});
    return shown;
}

// A game window in an area with the game menu's deal items.
struct Window {
    explicit Window(const QString &name)
    {
        form = new GameForm(*GameCatalog::byMenuName(name), app.context, main);
        area.addSubWindow(form)->show();
        items = new DealMenu(&menu, &area, app.dialogs);
        area.resize(1000, 760);
        area.show();
    }
    // JOUER
    void play() { form->Boutons_Click(0); }

    TestApp app;
    FakeMainLink main;
    QMdiArea area;
    QMenu menu;
    GameForm *form;
    DealMenu *items;
};

} // namespace

class TestUndoWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // In the main window, as a player does it: Ctrl+Z puts the cards back where they were,
    // Ctrl+Y and Ctrl+Maj+Z play the move again; the items are enabled when they can act.
    void undoAndRedoByTheKeysOfTheMainWindow()
    {
        TestApp app;
        GameRegistry games(app.context);
        frmJeu jeu(app.context, games);
        QVERIFY(jeu.load());
        jeu.show();
        QApplication::setActiveWindow(&jeu);
        QVERIFY(QTest::qWaitForWindowActive(&jeu));
        jeu.mnuDeVorelle_Click(
            int(GameCatalog::GameNames().indexOf(QStringLiteral("Monte-Carlo"))));
        auto *form = jeu.findChild<GameForm *>();
        auto *items = jeu.findChild<DealMenu *>();
        QVERIFY(form && items);
        form->Boutons_Click(0);
        QVERIFY(!items->annuler->isEnabled());
        const TableModel before = moveOnce(*form, 4);
        const TableModel after = form->rules().table();
        QVERIFY(items->annuler->isEnabled());
        QVERIFY(!items->retablir->isEnabled());
        QTest::keyClick(&jeu, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(cards(form->rules().table()), cards(before));
        QVERIFY(items->retablir->isEnabled());
        QTest::keyClick(&jeu, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(form->rules().table(), after);
        QTest::keyClick(&jeu, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(&jeu, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(form->rules().table(), after);
        // Stopped, the game has nothing to undo.
        app.state.gameInProgress = false;
        QVERIFY(!form->canUndo());
    }

    // The memory game tells why it refuses, before JOUER as during the game.
    void refusedInMemoryGame()
    {
        Window w(QStringLiteral("Carnaval à Rio"));
        for (int round = 0; round < 2; ++round) {
            QVERIFY(w.items->annuler->isEnabled());
            const TableModel table = w.form->rules().table();
            w.app.dialogs.shown.clear();
            w.items->annuler->trigger();
            QVERIFY(!w.app.dialogs.shown.isEmpty());
            QCOMPARE(w.app.dialogs.last().text, UndoRefusedMessage());
            QCOMPARE(w.form->rules().table(), table);
            w.play();
        }
    }

    void disabledInGamesOfChance()
    {
        Window w(QStringLiteral("L'horloge"));
        w.play();
        for (int i = 0; i < 200; ++i)
            Q_EMIT w.form->Tapis->clicked(i % int(w.form->rules().table().pictures.size()));
        QVERIFY(!w.items->annuler->isEnabled());
        QVERIFY(!w.items->retablir->isEnabled());
        QVERIFY(w.items->rejouer->isEnabled());
    }

    // A game that deals again when a list changes before JOUER: that deal is the one replayed,
    // and it is an ordinary one.
    void dealAgainByTheGame()
    {
        Window w(QStringLiteral("Pousse-pousse"));
        w.app.dialogs.textAnswers = {QStringLiteral("42")};
        w.items->donneNumero->trigger();
        QCOMPARE(w.form->rules().dealNumber(), 42u);
        auto *famille = qobject_cast<QComboBox *>(w.form->control(QStringLiteral("cboFamille")));
        QVERIFY(famille);
        Q_EMIT famille->activated((famille->currentIndex() + 1) % famille->count());
        QCOMPARE(w.form->windowTitle(), QStringLiteral("POUSSE-POUSSE"));
        const TableModel dealt = w.form->rules().table();
        w.play();
        w.app.dialogs.answers = {true};
        w.items->rejouer->trigger();
        QCOMPARE(w.form->rules().table(), dealt);
    }

    // A numbered deal is the deck of its number; replayed, it is the same cards in the same
    // places, ready for JOUER, and keeps its number; an ordinary deal has none.
    void numberedDealReplayed()
    {
        Window w(QStringLiteral("Monte-Carlo"));
        w.app.dialogs.textAnswers = {QStringLiteral("abc")};
        w.items->donneNumero->trigger();
        QCOMPARE(w.app.dialogs.last().icon, UserDialogs::Icon::Exclamation);
        QCOMPARE(w.form->rules().dealNumber(), 0u);

        w.app.dialogs.textAnswers = {QStringLiteral("123")};
        w.items->donneNumero->trigger();
        QCOMPARE(w.form->windowTitle(), QStringLiteral("MONTE-CARLO — donne n° 123"));
        const QStringList deck = DealNumber::Deck(123, 52);
        for (int k = 0; k < 52; ++k)
            QCOMPARE(w.form->rules().table().at(k).card, deck.at(k));
        const TableModel dealt = w.form->rules().table();

        w.play();
        moveOnce(*w.form, 9);
        w.app.dialogs.answers = {true}; // abandon the game in progress
        w.items->rejouer->trigger();
        QCOMPARE(w.form->rules().table(), dealt);
        QVERIFY(!w.app.state.gameInProgress);
        QVERIFY(w.form->Boutons[0]->isEnabled());
        QVERIFY(!w.form->canUndo());
        QCOMPARE(w.form->windowTitle(), QStringLiteral("MONTE-CARLO — donne n° 123"));
        w.form->Boutons_Click(1);
        QCOMPARE(w.form->windowTitle(), QStringLiteral("MONTE-CARLO"));
    }
};

QTEST_MAIN(TestUndoWindow)
#include "tst_undowindow.moc"
