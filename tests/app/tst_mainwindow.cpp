#include "app/frmjeu.h"
#include "games/cardtable.h"
#include "games/gamecatalog.h"
#include "games/gameform.h"
#include "games/gameregistry.h"
#include "settings/settingkeys.h"
#include "shared/helpwindow.h"
#include "testapp.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>

namespace {

// Game windows that are plain tagged widgets, for every game but Duo.
class FakeGames final : public GameWindows {
public:
    bool available(const QString &menuName) const override
    {
        return menuName != QLatin1String("Duo");
    }
    QWidget *create(const QString &menuName, MainWindowLink &) override
    {
        created.append(menuName);
        auto *window = new QWidget;
        window->setProperty("tag", menuName.toLower());
        window->setWindowTitle(menuName.toUpper());
        return window;
    }
    QStringList created;
};

// A loaded main window over a temporary application folder.
struct Fixture {
    Fixture() { loaded = jeu.load(); }
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
        const QAction *item = jeu.mnuDeVorelleItems[i];
        if (item->isChecked() || item->isCheckable())
            checked.append(i);
    }
    return checked;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void menusCarryTheirCaptionsAndKeys()
    {
        Fixture f;
        QVERIFY(f.loaded);
        auto &[app, games, jeu, loaded] = f;
        QCOMPARE(jeu.windowTitle(), QStringLiteral("VORELLES"));
        const QList<std::tuple<QAction *, QString, QKeySequence>> items{
            {jeu.mnuDeJeu[1], QStringLiteral("&Arrêter le jeu"), Qt::Key_F5},
            {jeu.mnuDeJeu[3], QStringLiteral("&Quitter le jeu"), Qt::Key_F6},
            {jeu.mnuDeOptions[0], QStringLiteral("&Historique des parties..."),
             Qt::CTRL | Qt::Key_H},
            {jeu.mnuDeOptions[2], QStringLiteral("&Paramètres..."), Qt::CTRL | Qt::Key_P},
            {jeu.mnuDeAide[0], QStringLiteral("&Aide..."), Qt::Key_F1},
            {jeu.mnuDeAide[2], QStringLiteral("A &Propos de..."), Qt::Key_F3}};
        for (const auto &[action, text, key] : items) {
            QCOMPARE(action->text(), text);
            QCOMPARE(action->shortcut(), key);
        }
        QVERIFY(!jeu.mnuDeJeu[1]->isEnabled());
        QCOMPARE(jeu.mnuDeVorelleItems.size(), 16);
        QCOMPARE(jeu.mnuDeVorelleItems[0]->text(), QStringLiteral("1      Carnaval à Rio"));
        QCOMPARE(jeu.mnuDeVorelleItems[8]->text(), QStringLiteral("9      L'annonce"));
        QCOMPARE(jeu.mnuDeVorelleItems[9]->text(), QStringLiteral("10    L'horloge"));
        QCOMPARE(jeu.mnuDeVorelleItems[15]->text(), QStringLiteral("16    Stéphanie"));
        QVERIFY(checkedItems(jeu).isEmpty());
        QVERIFY(!jeu.mnuDeVorelleItems[indexOf(QStringLiteral("Duo"))]->isEnabled());
        QVERIFY(jeu.mnuDeVorelleItems[indexOf(QStringLiteral("Pyramide"))]->isEnabled());

        QCOMPARE(jeu.txtJoueur->text(), QStringLiteral("INCONNU(E)"));
        QCOMPARE(jeu.lblChrono->text(), QStringLiteral("00:00:00"));
        QCOMPARE(jeu.BarreEtat->palette().color(QPalette::Window), QColor(224, 224, 224));
    }

    void playerNameIsUpperCasedWhileTyping()
    {
        Fixture f;
        QVERIFY(f.loaded);
        auto &[app, games, jeu, loaded] = f;
        jeu.txtJoueur->clear();
        QKeyEvent accent(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QStringLiteral("é"));
        QApplication::sendEvent(jeu.txtJoueur, &accent);
        QTest::keyClicks(jeu.txtJoueur, QStringLiteral("lise b."));
        QCOMPARE(jeu.txtJoueur->text(), QStringLiteral("ÉLISE B."));
        QCOMPARE(app.get(Settings::NomDuJoueur), QStringLiteral("INCONNU(E)"));
    }

    void unreadableStatusColoursFallBack()
    {
        TestApp app;
        app.set(Settings::CouleurFondEtat, QStringLiteral("gris"));
        app.set(Settings::CouleurTexteEtat, QStringLiteral("255"));
        FakeGames games;
        frmJeu jeu(app.context, games);
        QVERIFY(jeu.load());
        QCOMPARE(jeu.txtJoueur->palette().color(QPalette::Base), QColor(224, 224, 224));
        QCOMPARE(jeu.lblChrono->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    }

    void optionsTakeEffectWhenTheDialogCloses()
    {
        TestApp app;
        GameRegistry games(app.context);
        DialogOpeners openers;
        openers.options = [&app](QWidget *) {
            app.set(Settings::CouleurFondEtat, QStringLiteral("255"));
            app.set(Settings::CouleurTexteEtat, QStringLiteral("16777215"));
            app.set(Settings::NomDuJoueur, QStringLiteral("LUCIE"));
            app.set(Settings::ImageDeFond, QString());
            app.set(Settings::Fond, QStringLiteral("8388608")); // navy
        };
        frmJeu jeu(app.context, games, openers);
        QVERIFY(jeu.load());
        jeu.resize(900, 700);
        jeu.show();
        jeu.mnuDeVorelle_Click(indexOf(QStringLiteral("Monte-Carlo")));
        auto *game = qobject_cast<GameForm *>(jeu.gameWindow());
        QVERIFY(game);
        const auto tableCorner = [game] { return game->Tapis->grab().toImage().pixelColor(1, 1); };
        QCOMPARE(tableCorner(), QColor(0, 128, 0));

        jeu.mnuDeOptions[2]->trigger();
        QCOMPARE(jeu.txtJoueur->text(), QStringLiteral("LUCIE"));
        QCOMPARE(jeu.BarreEtat->palette().color(QPalette::Window), QColor(255, 0, 0));
        QCOMPARE(jeu.lblChrono->palette().color(QPalette::WindowText), QColor(255, 255, 255));
        QCOMPARE(tableCorner(), QColor(0, 0, 128));
    }

    void missingCardsFileStopsTheProgram()
    {
        TestApp app(false);
        FakeGames games;
        frmJeu jeu(app.context, games);
        QVERIFY(!jeu.load());
        QCOMPARE(app.dialogs.last().text,
                 QStringLiteral("Impossible de trouver le fichier contenant les images des "
                                "cartes [CARTES.RES]. Le programme va se terminer"));
        QCOMPARE(app.dialogs.last().icon, UserDialogs::Icon::Exclamation);
        QCOMPARE(app.dialogs.last().title, QStringLiteral("VORELLES"));
    }

    void startupGameMatchesTheEndOfACaption_data()
    {
        QTest::addColumn<QString>("demarrage");
        QTest::addColumn<QString>("opened");
        QTest::newRow("exact") << "Pyramide"
                               << "Pyramide";
        QTest::newRow("none") << "Aucune" << QString();
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("case matters") << "pyramide" << QString();
        QTest::newRow("no caption ends so") << "Pyramide " << QString();
        QTest::newRow("end of a caption") << "Rio"
                                          << "Carnaval à Rio";
        QTest::newRow("sixteenth") << "Stéphanie"
                                   << "Stéphanie";
        QTest::newRow("game without window") << "Duo" << QString();
    }

    void startupGameMatchesTheEndOfACaption()
    {
        QFETCH(QString, demarrage);
        QFETCH(QString, opened);
        TestApp app;
        app.set(Settings::Demarrage, demarrage);
        FakeGames games;
        frmJeu jeu(app.context, games);
        QVERIFY(jeu.load());
        QCOMPARE(games.created, opened.isEmpty() ? QStringList() : QStringList{opened});
        QCOMPARE(checkedItems(jeu), opened.isEmpty() ? QList<int>() : QList<int>{indexOf(opened)});
    }

    void launcherKeepsOneGameWindow()
    {
        Fixture f;
        QVERIFY(f.loaded);
        auto &[app, games, jeu, loaded] = f;
        const int pyramide = indexOf(QStringLiteral("Pyramide"));
        const int horloge = indexOf(QStringLiteral("L'horloge"));

        jeu.mnuDeVorelle_Click(pyramide);
        QCOMPARE(checkedItems(jeu), QList<int>{pyramide});
        QVERIFY(jeu.mnuDeJeu[1]->isEnabled());
        QPointer<QWidget> first = jeu.gameWindow();
        QVERIFY(first);
        QCOMPARE(first->property("tag").toString(), QStringLiteral("pyramide"));
        QVERIFY(first->parentWidget()->isMaximized());

        // Choosing the open game again only says so.
        jeu.mnuDeVorelle_Click(pyramide);
        QCOMPARE(app.dialogs.last().text, QStringLiteral("PYRAMIDE: ce jeu est déja affiché."));
        QCOMPARE(app.dialogs.last().icon, UserDialogs::Icon::Information);
        app.state.gameInProgress = true;
        jeu.mnuDeVorelle_Click(pyramide);
        QCOMPARE(app.dialogs.last().text,
                 QStringLiteral("PYRAMIDE: ce jeu est déja affiché et est en cours."));
        QCOMPARE(games.created.size(), 1);

        // Another game while one is in progress: No changes nothing.
        jeu.startClock();
        app.dialogs.answers = {false};
        jeu.mnuDeVorelle_Click(horloge);
        QCOMPARE(app.dialogs.last().text,
                 QStringLiteral("Un jeu de vorelle est déja en cours.\n\nVoulez-vous abandonner "
                                "celui-ci et commencer celui que vous venez de selectionner ?"));
        QVERIFY(app.dialogs.last().question);
        QCOMPARE(checkedItems(jeu), QList<int>{pyramide});
        QVERIFY(first);
        QVERIFY(app.state.gameInProgress);
        QVERIFY(jeu.Timer1.isActive());

        // Yes closes the open window and opens the new one.
        app.dialogs.answers = {true};
        jeu.mnuDeVorelle_Click(horloge);
        QCOMPARE(checkedItems(jeu), QList<int>{horloge});
        QVERIFY(!app.state.gameInProgress);
        QVERIFY(!jeu.Timer1.isActive());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first);
        QCOMPARE(jeu.gameWindow()->property("tag").toString(), QStringLiteral("l'horloge"));
        QCOMPARE(jeu.findChild<QMdiArea *>()->subWindowList().size(), 1);

        // Closing the game window itself clears the check marks and the clock.
        jeu.startClock();
        app.state.gameInProgress = true;
        jeu.gameWindow()->parentWidget()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(checkedItems(jeu).isEmpty());
        QVERIFY(!app.state.gameInProgress);
        QVERIFY(!jeu.Timer1.isActive());
        QCOMPARE(jeu.lblChrono->text(), QStringLiteral("00:00:00"));
    }

    void stoppingAGameAsksWhileOneIsInProgress()
    {
        Fixture f;
        QVERIFY(f.loaded);
        auto &[app, games, jeu, loaded] = f;
        jeu.stopGame();
        QVERIFY(app.dialogs.shown.isEmpty());

        app.state.gameInProgress = true;
        app.dialogs.answers = {false, true};
        jeu.stopGame();
        QCOMPARE(app.dialogs.last().text,
                 QStringLiteral("Voulez-vous vraiment interrompre la partie en cours ?"));
        QVERIFY(app.state.gameInProgress);
        jeu.stopGame();
        QVERIFY(!app.state.gameInProgress);
    }

    void clockCountsOnlyWhileAGameIsInProgress()
    {
        Fixture f;
        QVERIFY(f.loaded);
        auto &[app, games, jeu, loaded] = f;
        jeu.startClock();
        QVERIFY(jeu.Timer1.isActive());
        QCOMPARE(jeu.Timer1.interval(), 1000);
        jeu.clockTick();
        QCOMPARE(jeu.lblChrono->text(), QStringLiteral("00:00:00"));
        app.state.gameInProgress = true;
        for (int i = 0; i < 61; ++i)
            jeu.clockTick();
        QCOMPARE(jeu.lblChrono->text(), QStringLiteral("00:01:01"));
        QCOMPARE(jeu.clockText(), QStringLiteral("00:01:01"));
        app.state.elapsedSeconds = 32767;
        jeu.clockTick();
        QCOMPARE(jeu.lblChrono->text(), QStringLiteral("00:01:01"));
        jeu.stopClock();
        QVERIFY(!jeu.Timer1.isActive());
        QCOMPARE(jeu.lblChrono->text(), QStringLiteral("00:00:00"));
    }

    void closingIsReplacedByTheQuitQuestion()
    {
        Fixture f;
        QVERIFY(f.loaded);
        auto &[app, games, jeu, loaded] = f;
        jeu.show();
        jeu.mnuDeVorelle_Click(indexOf(QStringLiteral("Pyramide")));
        QSignalSpy quit(&jeu, &frmJeu::quitConfirmed);
        app.dialogs.answers = {false, true};
        QVERIFY(!jeu.close());
        QCOMPARE(app.dialogs.last().text,
                 QStringLiteral("Êtes vous sûr(e) de vouloir quitter le jeu ?"));
        QCOMPARE(app.dialogs.last().icon, UserDialogs::Icon::Question);
        QVERIFY(jeu.isVisible());
        QVERIFY(jeu.gameWindow());
        QCOMPARE(quit.count(), 0);
        QVERIFY(!jeu.close());
        QCOMPARE(quit.count(), 1);
    }

    void helpPagesOpenThroughTheDesktop()
    {
        Fixture f;
        QVERIFY(f.loaded);
        auto &[app, games, jeu, loaded] = f;
        jeu.mnuDeAide[0]->trigger();
        QCOMPARE(app.dialogs.last().text,
                 QStringLiteral("Fichier d'aide [aide.htm] introuvable. Assurez-vous que "
                                "celui-ci doit se trouver dans le dossier:\n") +
                     app.state.appFolder + QStringLiteral("aide"));
        QCOMPARE(app.dialogs.last().icon, UserDialogs::Icon::Critical);
        QCOMPARE(app.dialogs.last().title, QStringLiteral("fichier d'aide absent"));
        QVERIFY(app.opener.opened.isEmpty());

        const QString page = app.createFile(QStringLiteral("aide.htm"));
        app.dialogs.shown.clear();
        jeu.mnuDeAide[0]->trigger();
        QCOMPARE(app.opener.opened, QStringList{page});
        QVERIFY(app.dialogs.shown.isEmpty());

        // A desktop that cannot open it: the page shows in the program's own window.
        app.opener.canOpen = false;
        jeu.mnuDeAide[0]->trigger();
        QVERIFY(app.dialogs.shown.isEmpty());
        const auto *help = jeu.findChild<HelpWindow *>();
        QVERIFY(help && help->isVisible() && help->isWindow());
        QCOMPARE(help->txtAide->source(), QUrl::fromLocalFile(page));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
