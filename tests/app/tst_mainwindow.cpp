// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmjeu.h"
#include "catalog/gamecatalog.h"
#include "settings/settingkeys.h"
#include "table/cardtable.h"
#include "table/gameform.h"
#include "table/gameregistry.h"
#include "table/labelfit.h"
#include "table/solverpanel.h"
#include "testapp.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Game windows that are plain tagged widgets.
class FakeGames final : public GameWindows {
public:
    QWidget *create(const QString &menuName, MainWindowLink &) override
    {
        created.append(menuName);
        auto *window = new QWidget;
        window->setProperty("tag", menuName.toLower());
        return window;
    }
    QStringList created;
};

// A loaded main window over a temporary application folder.
struct Fixture {
    explicit Fixture(const QString &demarrage = {})
    {
        app.set(Settings::Demarrage, demarrage);
        loaded = jeu.load();
    }
    TestApp app;
    FakeGames games;
    frmJeu jeu{app.context, games};
    bool loaded = false;
};

int indexOf(const QString &name)
{
    return int(GameCatalog::GameNames().indexOf(name));
}

// The items that show a check box, ticked or empty: only the open game's may.
QList<int> checkedItems(const frmJeu &jeu)
{
    QList<int> checked;
    for (int i = 0; i < jeu.mnuDeVorelleItems.size(); ++i) {
        if (jeu.mnuDeVorelleItems[i]->isChecked() || jeu.mnuDeVorelleItems[i]->isCheckable())
            checked.append(i);
    }
    return checked;
}

// The main window over the real game windows, shown and active, every dialog opener counted.
struct RealGames {
    RealGames()
    {
        openers.history = [this](QWidget *) { opened.append(u"historique"_s); };
        openers.options = [this](QWidget *) { opened.append(u"paramètres"_s); };
        openers.about = [this](QWidget *) { opened.append(u"à propos"_s); };
        openers.statistics = [this](QWidget *, const QString &) {
            opened.append(u"statistiques"_s);
        };
        jeu = std::make_unique<frmJeu>(app.context, games, openers);
        loaded = jeu->load();
        jeu->resize(900, 700);
        jeu->show();
        QApplication::setActiveWindow(jeu.get());
    }
    GameForm *open(const QString &name)
    {
        jeu->mnuDeVorelle_Click(indexOf(name));
        return qobject_cast<GameForm *>(jeu->gameWindow());
    }
    TestApp app;
    GameRegistry games{app.context};
    DialogOpeners openers;
    QStringList opened;
    std::unique_ptr<frmJeu> jeu;
    bool loaded = false;
};

// The items of the menus, those of the submenus too.
QList<QAction *> menuItems(const QMenu *menu)
{
    QList<QAction *> items;
    for (QAction *item : menu->actions()) {
        items.append(item);
        if (item->menu())
            items += menuItems(item->menu());
    }
    return items;
}

// What Alt + a letter opens in the main window: its menus and the buttons shown in it.
QMultiHash<QKeySequence, QString> altKeys(const frmJeu &jeu)
{
    QMultiHash<QKeySequence, QString> keys;
    for (const QAction *menu : jeu.menuBar()->actions())
        keys.insert(QKeySequence::mnemonic(menu->text()), menu->text());
    for (const QAbstractButton *button : jeu.findChildren<QAbstractButton *>()) {
        if (button->isVisibleTo(&jeu))
            keys.insert(QKeySequence::mnemonic(button->text()), button->text());
    }
    keys.remove(QKeySequence());
    return keys;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void menusAndHelp()
    {
        Fixture f;
        QVERIFY(f.loaded);
        // Two actions on one key would both stay deaf to it.
        QList<QKeySequence> keys;
        for (const QAction *action : f.jeu.findChildren<QAction *>()) {
            if (!action->shortcut().isEmpty()) {
                QVERIFY2(!keys.contains(action->shortcut()), qPrintable(action->text()));
                keys.append(action->shortcut());
            }
        }
        QVERIFY(!f.jeu.mnuDeJeu[1]->isEnabled());
        QVERIFY(!f.jeu.mnuStatistiques->isEnabled()); // no window to open
        const QList<QAction *> options = f.jeu.mnuOptions->actions();
        QCOMPARE(options.indexOf(f.jeu.mnuStatistiques),
                 options.indexOf(f.jeu.mnuDeOptions[0]) + 1);

        const QString page = f.app.createFile(u"aide.htm"_s);
        f.jeu.mnuDeAide[0]->trigger();
        QCOMPARE(f.app.opener.opened, QStringList{page});
    }

    // With each game window open, no Alt key opens two things, and no menu has two items on one
    // letter.
    void everyAltKeyOpensOneThing()
    {
        RealGames f;
        QVERIFY(f.loaded);
        for (const QString &name : GameCatalog::GameNames()) {
            QVERIFY(f.open(name));
            const QMultiHash<QKeySequence, QString> keys = altKeys(*f.jeu);
            for (const QKeySequence &key : keys.uniqueKeys()) {
                QVERIFY2(keys.count(key) == 1,
                         qPrintable(name + u" : "_s + QStringList(keys.values(key)).join(u", "_s)));
            }
            QVERIFY(keys.contains(QKeySequence(Qt::ALT | Qt::Key_J))); // JOUER's
        }
        for (const QAction *menu : f.jeu->menuBar()->actions()) {
            QStringList letters;
            for (const QAction *item : menu->menu()->actions()) {
                const QString letter = QKeySequence::mnemonic(item->text()).toString();
                QVERIFY2(letter.isEmpty() || !letters.contains(letter), qPrintable(item->text()));
                letters.append(letter);
            }
        }
    }

    // The focus on a game's table, during a game: every shortcut of the menus does its work,
    // though the "Jeu" menu was opened before the game began.
    void menuShortcutsWorkFromTheGameWindow()
    {
        RealGames f;
        QVERIFY(QTest::qWaitForWindowActive(f.jeu.get()));
        GameForm *game = f.open(u"Monte-Carlo"_s);
        QVERIFY(game);
        QCOMPARE(QApplication::focusWidget(), game->Boutons[0]); // the deal waits for JOUER
        Q_EMIT f.jeu->mnuJeu->aboutToShow();
        game->Boutons[0]->click();
        QCOMPARE(QApplication::focusWidget(), game->Tapis);
        QTest::keyClick(game->Tapis, Qt::Key_Space); // a move, for Annuler

        // In this order: the demonstration, once started, takes the next key for itself.
        const QList<QKeySequence> order{Qt::Key_F5,
                                        Qt::Key_F7,
                                        QKeySequence(Qt::CTRL | Qt::Key_Z),
                                        QKeySequence(Qt::CTRL | Qt::Key_Y),
                                        QKeySequence(Qt::CTRL | Qt::Key_H),
                                        QKeySequence(Qt::CTRL | Qt::Key_S),
                                        QKeySequence(Qt::CTRL | Qt::Key_P),
                                        Qt::Key_F1,
                                        Qt::Key_F3,
                                        Qt::Key_F6,
                                        Qt::Key_F8};
        QHash<QKeySequence, QAction *> items;
        for (const QAction *menu : f.jeu->menuBar()->actions()) {
            for (QAction *item : menuItems(menu->menu())) {
                if (!item->shortcut().isEmpty())
                    items.insert(item->shortcut(), item);
            }
        }
        QCOMPARE(QSet<QKeySequence>(items.keyBegin(), items.keyEnd()),
                 QSet<QKeySequence>(order.begin(), order.end()));
        f.app.dialogs.answers = {false, false}; // the game goes on, the program too
        for (const QKeySequence &key : order) {
            QSignalSpy triggered(items.value(key), &QAction::triggered);
            QTest::keySequence(QApplication::focusWidget(), key);
            QVERIFY2(triggered.count() == 1, qPrintable(key.toString()));
        }
        QCOMPARE(f.opened,
                 (QStringList{u"historique"_s, u"statistiques"_s, u"paramètres"_s, u"à propos"_s}));
        QVERIFY(game->solverPanel()->demonstrating());
    }

    // A screen reader reads the time when asked: the clock's name stays, its description says
    // the time (that no change of name is told at each tick, the AT-SPI test hears).
    void theClockIsReadWhenAsked()
    {
        Fixture f;
        f.jeu.startClock();
        f.app.state.gameInProgress = true;
        f.jeu.clockTick();
        f.jeu.clockTick();
        QAccessibleInterface *clock = QAccessible::queryAccessibleInterface(f.jeu.lblChrono);
        QCOMPARE(clock->text(QAccessible::Name), u"Temps de jeu"_s);
        QCOMPARE(clock->text(QAccessible::Description), u"00:00:02"_s);
    }

    void playerNameIsUpperCasedWhileTyping()
    {
        Fixture f;
        f.jeu.txtJoueur->clear();
        QKeyEvent accent(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, u"é"_s);
        QApplication::sendEvent(f.jeu.txtJoueur, &accent);
        QTest::keyClicks(f.jeu.txtJoueur, u"lise b."_s);
        QCOMPARE(f.jeu.txtJoueur->text(), u"ÉLISE B."_s);
        QCOMPARE(f.app.settings.parameter(Settings::NomDuJoueur), u"INCONNU(E)"_s);
    }

    // Colours are stored as Windows writes them, red in the low byte; one that cannot be read
    // leaves the default. The statistics then open on the new player.
    void optionsTakeEffectWhenTheDialogCloses()
    {
        TestApp app;
        GameRegistry games(app.context);
        DialogOpeners openers;
        QStringList statistics;
        openers.statistics = [&statistics](QWidget *, const QString &player) {
            statistics.append(player);
        };
        openers.options = [&app](QWidget *) {
            app.set(Settings::CouleurFondEtat, u"gris"_s);
            app.set(Settings::CouleurTexteEtat, u"255"_s);
            app.set(Settings::NomDuJoueur, u"LUCIE"_s);
            app.set(Settings::ImageDeFond, QString());
            app.set(Settings::Fond, u"8388608"_s); // navy
        };
        frmJeu jeu(app.context, games, openers);
        QVERIFY(jeu.load());
        jeu.resize(900, 700);
        jeu.show();
        jeu.mnuDeVorelle_Click(indexOf(u"Monte-Carlo"_s));
        auto *game = qobject_cast<GameForm *>(jeu.gameWindow());
        QVERIFY(game);
        const auto tableCorner = [game] { return game->Tapis->grab().toImage().pixelColor(1, 1); };
        QCOMPARE(tableCorner(), QColor(0, 128, 0));

        jeu.mnuDeOptions[2]->trigger();
        QCOMPARE(jeu.txtJoueur->text(), u"LUCIE"_s);
        QCOMPARE(jeu.BarreEtat->palette().color(QPalette::Window), QColor(224, 224, 224));
        QCOMPARE(jeu.lblChrono->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(tableCorner(), QColor(0, 0, 128));
        jeu.mnuStatistiques->trigger();
        jeu.txtJoueur->setText(u"ZOÉ"_s); // typed, not yet saved
        jeu.mnuStatistiques->trigger();
        QCOMPARE(statistics, (QStringList{u"LUCIE"_s, u"ZOÉ"_s}));
    }

    // On a screen smaller than the main window (the offscreen one, and those of CMakeLists.txt):
    // the main window fits, and a game window restored shows at its design size or as much of it
    // as the work area holds.
    void mainWindowAndRestoredGamesFitTheScreen()
    {
        TestApp app;
        GameRegistry games(app.context);
        frmJeu jeu(app.context, games);
        jeu.show();
        QVERIFY(jeu.load());
        const QRect screen = jeu.screen()->availableGeometry();
        QVERIFY2(screen.width() < 1024, "the screen must be smaller than the main window");
        QVERIFY(screen.contains(jeu.frameGeometry()));

        const QRect room = jeu.findChild<QMdiArea *>()->viewport()->rect();
        for (const QString &name : {u"Les voyageuses (1)"_s, u"Monte-Carlo"_s}) {
            jeu.mnuDeVorelle_Click(indexOf(name));
            auto *form = qobject_cast<GameForm *>(jeu.gameWindow());
            QVERIFY(form);
            auto *sub = qobject_cast<QMdiSubWindow *>(form->parentWidget());
            sub->showNormal();
            QVERIFY2(room.contains(sub->geometry()), qPrintable(name));
            const bool whole = form->size() == form->sizeHint();
            QVERIFY2(whole || sub->width() == room.width() || sub->height() == room.height(),
                     qPrintable(name));
            QVERIFY(qAbs(form->Tapis->scale() * 15.0 - 1.0) < 0.25);
            // The table fills the window but for the solver's strip under it.
            const int strip = form->solverPanel() ? form->solverPanel()->stripHeight() : 0;
            QCOMPARE(form->Tapis->size(), form->size() - QSize(0, strip));
            QVERIFY2(showsWholeText(form->lblInfo), qPrintable(name));
        }
    }

    void missingCardsFileStopsTheProgram()
    {
        TestApp app(false);
        FakeGames games;
        frmJeu jeu(app.context, games);
        QVERIFY(!jeu.load());
        QVERIFY(app.dialogs.last().text.contains(u"[CARTES.RES]"_s));
        QCOMPARE(app.dialogs.last().icon, UserDialogs::Icon::Exclamation);
    }

    void startupGameMatchesTheEndOfACaption_data()
    {
        QTest::addColumn<QString>("demarrage");
        QTest::addColumn<QString>("opened");
        QTest::newRow("end of a caption") << u"Rio"_s << u"Carnaval à Rio"_s;
        QTest::newRow("none") << u"Aucune"_s << QString();
        QTest::newRow("case matters") << u"pyramide"_s << QString();
    }

    void startupGameMatchesTheEndOfACaption()
    {
        QFETCH(QString, demarrage);
        QFETCH(QString, opened);
        Fixture f(demarrage);
        QVERIFY(f.loaded);
        QCOMPARE(f.games.created, opened.isEmpty() ? QStringList() : QStringList{opened});
        QCOMPARE(checkedItems(f.jeu),
                 opened.isEmpty() ? QList<int>() : QList<int>{indexOf(opened)});
    }

    void launcherKeepsOneGameWindow()
    {
        Fixture f;
        auto &[app, games, jeu, loaded] = f;
        const int pyramide = indexOf(u"Pyramide"_s);
        const int horloge = indexOf(u"L'horloge"_s);

        jeu.mnuDeVorelle_Click(pyramide);
        QCOMPARE(checkedItems(jeu), QList<int>{pyramide});
        QVERIFY(jeu.mnuDeJeu[1]->isEnabled());
        QPointer<QWidget> first = jeu.gameWindow();
        QCOMPARE(first->property("tag").toString(), u"pyramide"_s);
        QVERIFY(first->parentWidget()->isMaximized());

        // Choosing the open game again only says so.
        jeu.mnuDeVorelle_Click(pyramide);
        QCOMPARE(app.dialogs.last().text, u"PYRAMIDE: ce jeu est déja affiché."_s);
        app.state.gameInProgress = true;
        jeu.mnuDeVorelle_Click(pyramide);
        QCOMPARE(app.dialogs.last().text, u"PYRAMIDE: ce jeu est déja affiché et est en cours."_s);
        QCOMPARE(games.created.size(), 1);

        // Another game while one is in progress: No changes nothing.
        jeu.startClock();
        app.dialogs.answers = {false};
        jeu.mnuDeVorelle_Click(horloge);
        QVERIFY(app.dialogs.last().question);
        QCOMPARE(checkedItems(jeu), QList<int>{pyramide});
        QVERIFY(first && app.state.gameInProgress && jeu.Timer1.isActive());

        // Yes closes the open window and opens the new one.
        app.dialogs.answers = {true};
        jeu.mnuDeVorelle_Click(horloge);
        QCOMPARE(checkedItems(jeu), QList<int>{horloge});
        QVERIFY(!app.state.gameInProgress && !jeu.Timer1.isActive());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first);
        QCOMPARE(jeu.gameWindow()->property("tag").toString(), u"l'horloge"_s);
        QCOMPARE(jeu.findChild<QMdiArea *>()->subWindowList().size(), 1);

        // The clock counts only while a game is in progress; closing the game window itself
        // clears the check marks and the clock.
        jeu.startClock();
        jeu.clockTick();
        QCOMPARE(jeu.lblChrono->text(), u"00:00:00"_s);
        app.state.gameInProgress = true;
        jeu.clockTick();
        QCOMPARE(jeu.lblChrono->text(), u"00:00:01"_s);
        jeu.gameWindow()->parentWidget()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(checkedItems(jeu).isEmpty());
        QVERIFY(!app.state.gameInProgress && !jeu.Timer1.isActive());
        QCOMPARE(jeu.lblChrono->text(), u"00:00:00"_s);
    }

    // Stopping asks only while a game is in progress; quitting always asks, and the close box
    // asks the same instead of closing.
    void stoppingAndQuittingAsk()
    {
        Fixture f;
        f.jeu.show();
        f.jeu.mnuDeVorelle_Click(indexOf(u"Pyramide"_s));
        f.jeu.stopGame();
        QVERIFY(f.app.dialogs.shown.isEmpty());
        f.app.state.gameInProgress = true;
        f.app.dialogs.answers = {false, true, false, true};
        f.jeu.stopGame();
        QCOMPARE(f.app.dialogs.last().text,
                 u"Voulez-vous vraiment interrompre la partie en cours ?"_s);
        QVERIFY(f.app.state.gameInProgress);
        f.jeu.stopGame();
        QVERIFY(!f.app.state.gameInProgress);

        QSignalSpy quit(&f.jeu, &frmJeu::quitConfirmed);
        QVERIFY(!f.jeu.close());
        QCOMPARE(f.app.dialogs.last().text, u"Êtes vous sûr(e) de vouloir quitter le jeu ?"_s);
        QVERIFY(f.jeu.isVisible() && f.jeu.gameWindow());
        QCOMPARE(quit.count(), 0);
        QVERIFY(!f.jeu.close());
        QCOMPARE(quit.count(), 1);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
