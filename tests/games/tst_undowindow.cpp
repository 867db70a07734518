#include "app/frmjeu.h"
#include "fakemainlink.h"
#include "games/cardtable.h"
#include "games/dealmenu.h"
#include "games/dealnumber.h"
#include "games/gamecatalog.h"
#include "games/gameform.h"
#include "games/gameregistry.h"
#include "games/rulesregistry.h"
#include "randomplayer.h"
#include "testapp.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTest>

namespace {

// A game window in an area with the game menu's deal items.
struct Window {
    explicit Window(const QString &name)
    {
        form = new GameForm(*GameCatalog::byMenuName(name), app.context, main,
                            *RulesRegistry::rulesFor(name));
        area.addSubWindow(form)->show();
        items = new DealMenu(&menu, &area, app.dialogs);
        area.resize(1000, 760);
        area.show();
    }
    // JOUER
    void play() { form->Boutons_Click(0); }
    // An action of the player as the table widget reports it.
    void send(const PlayerAction &action)
    {
        CardTable *table = form->Tapis;
        switch (action.kind) {
        case PlayerAction::Kind::Click:
            Q_EMIT table->clicked(action.source);
            break;
        case PlayerAction::Kind::DoubleClick:
            Q_EMIT table->doubleClicked(action.source);
            break;
        case PlayerAction::Kind::RightPress:
            Q_EMIT table->rightPressed(action.source);
            break;
        case PlayerAction::Kind::Drag:
            Q_EMIT table->dragMoved(action.source, action.target);
            Q_EMIT table->dropped(
                action.source, action.target,
                form->rules().table().at(std::max(action.target, 0)).rect.topLeft());
            break;
        default:
            break;
        }
    }
    // Random actions until one is a move that can be undone; the table just before it.
    TableModel moveOnce(quint32 seed)
    {
        std::mt19937 random(seed);
        for (int i = 0; i < 2000; ++i) {
            const TableModel before = form->rules().table();
            PlayerAction action = PlayerAction::draw(form->rules(), random);
            if (action.kind == PlayerAction::Kind::Drag && action.target < 0)
                continue;
            send(action);
            if (form->canUndo())
                return before;
        }
        qFatal("no move found");
    }
    // Only what the player sees of the cards: the frames and pointers as they were aside.
    static QList<QPair<QString, QRect>> cards(const TableModel &table)
    {
        QList<QPair<QString, QRect>> shown;
        for (const Picture &picture : table.pictures)
            shown.append({picture.visible ? picture.card + picture.tag : QString(), picture.rect});
        return shown;
    }

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
    // Annuler after a move puts the cards back where they were; Rétablir plays it again.
    void undoPutsCardsBack_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : {"Monte-Carlo", "Joséphine", "Roi Albert", "Pyramide"})
            QTest::newRow(name) << QString::fromUtf8(name);
    }
    void undoPutsCardsBack()
    {
        QFETCH(QString, name);
        Window w(name);
        w.play();
        QVERIFY(!w.items->annuler->isEnabled());
        const TableModel before = w.moveOnce(7);
        const TableModel after = w.form->rules().table();
        QVERIFY(w.items->annuler->isEnabled());
        QVERIFY(!w.items->retablir->isEnabled());
        w.items->annuler->trigger();
        QCOMPARE(Window::cards(w.form->rules().table()), Window::cards(before));
        QVERIFY(w.items->retablir->isEnabled());
        w.items->retablir->trigger();
        QCOMPARE(w.form->rules().table(), after);
        // Stopped, the game has nothing to undo.
        w.app.state.gameInProgress = false;
        QVERIFY(!w.form->canUndo());
    }

    // In the main window, as a player does it: Ctrl+Z takes the move back, Ctrl+Y and
    // Ctrl+Maj+Z play it again.
    void keysOfTheMainWindow()
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
        QVERIFY(form);
        form->Boutons_Click(0);
        std::mt19937 random(4);
        TableModel before;
        for (int i = 0; i < 2000 && !form->canUndo(); ++i) {
            before = form->rules().table();
            const PlayerAction action = PlayerAction::draw(form->rules(), random);
            if (action.source >= 0)
                Q_EMIT form->Tapis->clicked(action.source);
        }
        QVERIFY(form->canUndo());
        const TableModel after = form->rules().table();
        QTest::keyClick(&jeu, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Window::cards(form->rules().table()), Window::cards(before));
        QTest::keyClick(&jeu, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(form->rules().table(), after);
        QTest::keyClick(&jeu, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(&jeu, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(form->rules().table(), after);
    }

    void refusedInMemoryGame()
    {
        Window w(QStringLiteral("Carnaval à Rio"));
        w.play();
        QVERIFY(w.items->annuler->isEnabled());
        const TableModel table = w.form->rules().table();
        w.items->annuler->trigger();
        QCOMPARE(w.app.dialogs.last().text, UndoRefusedMessage());
        QCOMPARE(w.form->rules().table(), table);
    }

    void disabledInGamesOfChance()
    {
        Window w(QStringLiteral("L'horloge"));
        w.play();
        std::mt19937 random(5);
        for (int i = 0; i < 20; ++i)
            w.send(PlayerAction::draw(w.form->rules(), random));
        QVERIFY(!w.items->annuler->isEnabled());
        QVERIFY(!w.items->retablir->isEnabled());
        QVERIFY(w.items->rejouer->isEnabled());
    }

    // The same cards in the same places, ready for JOUER, however far the game went, in every
    // game.
    void replaySameDeal_data()
    {
        QTest::addColumn<QString>("name");
        for (const RegisteredRules &rules : RulesRegistry::all())
            QTest::newRow(rules.menuName.toUtf8().constData()) << rules.menuName;
    }
    void replaySameDeal()
    {
        QFETCH(QString, name);
        Window w(name);
        const TableModel dealt = w.form->rules().table();
        w.play();
        // No to "recommencer" should the game end.
        w.app.dialogs.answers = QList<bool>(10, false);
        std::mt19937 random(3);
        for (int i = 0; i < 40; ++i)
            w.send(PlayerAction::draw(w.form->rules(), random));
        w.app.dialogs.answers = {true}; // abandon the game if it is still in progress
        w.items->rejouer->trigger();
        QCOMPARE(w.form->rules().table(), dealt);
        QVERIFY(!w.app.state.gameInProgress);
        QVERIFY(w.form->Boutons[0]->isEnabled());
        QVERIFY(!w.form->canUndo());
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

    void numberedDeal()
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

        // Replayed, the numbered deal keeps its number; an ordinary deal has none.
        w.play();
        w.moveOnce(9);
        w.app.dialogs.answers = {true};
        w.items->rejouer->trigger();
        QCOMPARE(w.form->rules().table(), dealt);
        QCOMPARE(w.form->windowTitle(), QStringLiteral("MONTE-CARLO — donne n° 123"));
        w.form->Boutons_Click(1);
        QCOMPARE(w.form->windowTitle(), QStringLiteral("MONTE-CARLO"));
    }
};

QTEST_MAIN(TestUndoWindow)
#include "tst_undowindow.moc"
