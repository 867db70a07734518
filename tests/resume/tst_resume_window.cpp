// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmjeu.h"
#include "catalog/gamecatalog.h"
#include "settings/settingkeys.h"
#include "support/filebytes.h"
#include "table/cardtable.h"
#include "table/gameform.h"
#include "table/gameregistry.h"
#include "testapp.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

// One run of the program: its own application folder and settings, the real game windows, and
// the file of the game in progress at path.
struct Run {
    explicit Run(const QString &path)
    {
        app.state.resumePath = path;
        app.set(Settings::Demarrage, QStringLiteral("Aucune"));
        jeu = std::make_unique<frmJeu>(app.context, games);
        loaded = jeu->load();
    }
    GameForm *game() const { return qobject_cast<GameForm *>(jeu->gameWindow()); }

    TestApp app;
    GameRegistry games{app.context};
    std::unique_ptr<frmJeu> jeu;
    bool loaded = false;
};

void open(Run &run, const char *game)
{
    run.jeu->mnuDeVorelle_Click(int(GameCatalog::GameNames().indexOf(QString::fromUtf8(game))));
}

// Clicks, as the table passes them, the pictures that show the hand.
void playSomeMoves(GameForm &form, int moves)
{
    for (int done = 0, i = 0; done < moves && i < form.rules().table().pictures.size(); ++i) {
        if (form.rules().table().at(i).hand && form.rules().table().at(i).visible) {
            Q_EMIT form.Tapis->clicked(i);
            ++done;
        }
    }
}

} // namespace

class TestResumeWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Quit in the middle of a game, start again: the same game window, cards, prompt, undo and
    // clock; JOUER stays disabled, and the clock goes on from its time.
    void aGameKeptAtQuitComesBackAtTheNextStart()
    {
        QTemporaryDir state;
        const QString path = state.filePath(QStringLiteral("vorelles/partie-en-cours.vorelles"));
        RulesSnapshot kept;
        QString prompt;
        bool couldUndo = false;
        {
            Run first(path);
            QVERIFY(first.loaded);
            open(first, "Monte-Carlo");
            GameForm *form = first.game();
            QVERIFY(form);
            QVERIFY(!QFile::exists(path));
            form->Boutons_Click(0);
            QVERIFY2(QFile::exists(path), "kept as soon as JOUER is pressed");
            playSomeMoves(*form, 6);
            first.app.state.elapsedSeconds = 125;
            kept = form->rules().snapshot();
            prompt = form->prompt();
            couldUndo = form->canUndo();
            first.app.dialogs.answers = {true};
            QVERIFY(first.jeu->ConfirmQuit());
        }
        Run second(path);
        QVERIFY(second.loaded);
        GameForm *form = second.game();
        QVERIFY(form);
        QCOMPARE(form->objectName(), QStringLiteral("frmMontecarlo"));
        QVERIFY(form->rules().snapshot() == kept);
        QCOMPARE(form->prompt(), prompt);
        QCOMPARE(form->canUndo(), couldUndo);
        QVERIFY(second.app.state.gameInProgress);
        QVERIFY(!form->Boutons[0]->isEnabled());
        QCOMPARE(second.app.state.elapsedSeconds, qint16(125));
        QCOMPARE(second.jeu->lblChrono->text(), QStringLiteral("00:02:05"));
        QVERIFY(second.jeu->Timer1.isActive());
    }

    // A file that is not a game is set aside, the status bar says so, and the program starts.
    void aGarbledFileIsSetAsideAndTheProgramStarts()
    {
        QTemporaryDir state;
        const QString path = state.filePath(QStringLiteral("partie-en-cours.vorelles"));
        // The file's start, then a version and nothing of what should follow.
        static const char cut[] = "VORELLES-REPRISE\0\0\0\1 coupé";
        QVERIFY(writeBytes(path, QByteArray(cut, sizeof cut - 1)));
        Run run(path);
        QVERIFY(run.loaded);
        QVERIFY(!run.game());
        QVERIFY(!QFile::exists(path));
        QVERIFY(QFile::exists(path + QStringLiteral(".illisible")));
        auto *line = run.jeu->findChild<QLabel *>(QStringLiteral("lblEtat"));
        QVERIFY(line && !line->isHidden());
        QCOMPARE(
            line->text(),
            QStringLiteral("La partie en cours n'a pas pu être reprise : fichier mis de côté."));
        QCOMPARE(line->toolTip(), path + QStringLiteral(".illisible"));
    }

    // Only a game in progress is kept: stopped, given up for another game or dealt again, its
    // file goes, and the next start opens no game.
    void aGameNoLongerInProgressIsNotKept()
    {
        QTemporaryDir state;
        const QString path = state.filePath(QStringLiteral("partie-en-cours.vorelles"));
        Run run(path);
        open(run, "Pyramide");
        run.game()->Boutons_Click(0);
        QVERIFY(QFile::exists(path));
        run.app.dialogs.answers = {true};
        run.jeu->stopGame();
        QVERIFY(!QFile::exists(path));

        run.game()->Boutons_Click(1);
        run.game()->Boutons_Click(0);
        QVERIFY(QFile::exists(path));
        run.app.dialogs.answers = {true};
        open(run, "Monte-Carlo");
        QVERIFY(!QFile::exists(path));

        run.game()->Boutons_Click(0);
        QVERIFY(QFile::exists(path));
        run.app.dialogs.answers = {true};
        run.game()->Boutons_Click(1);
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_MAIN(TestResumeWindow)
#include "tst_resume_window.moc"
