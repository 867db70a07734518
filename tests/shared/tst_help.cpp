#include "shared/appcontext.h"
#include "shared/desktopopener.h"
#include "shared/helppage.h"
#include "shared/helpwindow.h"
#include "testapp.h"

#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <optional>

class TestHelp : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The desktop's opener says by its exit status whether an application took the page.
    void desktopOpenerAnswersWithItsExitStatus()
    {
        QTemporaryDir dir;
        const auto script = [&dir](const char *name, const QByteArray &body) {
            QFile file(dir.filePath(QString::fromLatin1(name)));
            file.open(QIODevice::WriteOnly);
            file.write("#!/bin/sh\n" + body + '\n');
            file.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
            return file.fileName();
        };
        const QString page = script("page.htm", "");
        const QList<std::pair<QString, bool>> openers{
            {script("opens", "test -f \"$1\""), true},
            {script("no-method", "exit 3"), false},
            {dir.filePath(QStringLiteral("absent")), false}};
        for (const auto &[program, expected] : openers) {
            std::optional<bool> answer;
            QtDesktopOpener opener(program);
            opener.open(page, [&answer](bool opened) { answer = opened; });
            QTRY_VERIFY(answer.has_value());
            QCOMPARE(*answer, expected);
        }
    }

    // Where the MIME database names no application for web pages, the opener is not even tried:
    // the answer, and the program's own help window, come before ShowHelpPage returns. The
    // database is asked once per run.
    void noApplicationForWebPagesIsKnownAtOnce()
    {
        QTemporaryDir dir;
        const auto script = [&dir](const QString &name, const QByteArray &body) {
            QFile file(dir.filePath(name));
            file.open(QIODevice::WriteOnly);
            file.write("#!/bin/sh\n" + body + '\n');
            file.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
            return file.fileName();
        };
        const QByteArray asked = dir.filePath(QStringLiteral("asked")).toLocal8Bit();
        const QByteArray opened = dir.filePath(QStringLiteral("opened")).toLocal8Bit();
        const QString opener = script(QStringLiteral("opener"), "echo \"$1\" >> " + opened);
        const auto lines = [](const QByteArray &path) {
            QFile file(QString::fromLocal8Bit(path));
            return file.open(QIODevice::ReadOnly) ? file.readAll().count('\n') : 0;
        };

        const QString none = script(QStringLiteral("none"), "echo \"$*\" >> " + asked);
        QtDesktopOpener desktop(opener, none);
        for (int i = 0; i < 2; ++i) {
            std::optional<bool> answer;
            desktop.open(dir.filePath(QStringLiteral("page.htm")),
                         [&answer](bool done) { answer = done; });
            QCOMPARE(answer, std::optional<bool>(false));
        }
        QFile queries(QString::fromLocal8Bit(asked));
        QVERIFY(queries.open(QIODevice::ReadOnly));
        QCOMPARE(queries.readAll(), QByteArray("query default text/html\n"));
        QCOMPARE(lines(opened), 0);

        // A browser named, or a database that cannot answer: the opener is asked.
        const QStringList others{script(QStringLiteral("browser"), "echo firefox.desktop"),
                                 script(QStringLiteral("broken"), "exit 3"),
                                 dir.filePath(QStringLiteral("absent"))};
        for (const QString &query : others) {
            QtDesktopOpener tried(opener, query);
            std::optional<bool> answer;
            tried.open(dir.filePath(QStringLiteral("page.htm")),
                       [&answer](bool done) { answer = done; });
            QTRY_VERIFY(answer.has_value());
        }
        QCOMPARE(lines(opened), 3);

        TestApp app;
        app.createFile(QStringLiteral("aide/pyramide.htm"),
                       "<html><head><title>Pyramide</title></head><body>13</body></html>");
        AppContext context{app.state, app.settings, app.random, app.dialogs, desktop, app.printer};
        QWidget owner;
        owner.show();
        ShowHelpPage(&owner, QStringLiteral("pyramide.htm"), context);
        auto *help = owner.findChild<HelpWindow *>();
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->windowTitle(), QStringLiteral("Pyramide"));
        QCOMPARE(lines(opened), 3);
    }

    void helpWindowFollowsLinksBackAndForth()
    {
        TestApp app;
        const QString game =
            app.createFile(QStringLiteral("aide/montecarlo.htm"),
                           "<html><head><title>Monte-Carlo</title></head><body><p>Des paires.</p>"
                           "<p><a href=\"../aide.htm\">Aide</a></p></body></html>");
        const QString general = app.createFile(
            QStringLiteral("aide.htm"),
            "<html><head><title>Aide de Vorelles</title></head><body>Vorelles</body></html>");
        QWidget owner;
        owner.show();
        app.opener.canOpen = false;
        ShowHelpPage(&owner, QStringLiteral("montecarlo.htm"), app.context);
        QPointer<HelpWindow> help = owner.findChild<HelpWindow *>();
        QVERIFY(help && help->isVisible() && help->isWindow());
        QCOMPARE(help->windowTitle(), QStringLiteral("Monte-Carlo"));
        QVERIFY(!help->cmdPrecedente->isEnabled() && !help->cmdSuivante->isEnabled());

        QTest::keyClick(help->txtAide, Qt::Key_Tab); // the link
        QTest::keyClick(help->txtAide, Qt::Key_Return);
        QCOMPARE(help->txtAide->source(), QUrl::fromLocalFile(general));
        QCOMPARE(help->windowTitle(), QStringLiteral("Aide de Vorelles"));
        help->cmdPrecedente->click();
        QCOMPARE(help->txtAide->source(), QUrl::fromLocalFile(game));
        help->cmdSuivante->click();
        QCOMPARE(help->txtAide->source(), QUrl::fromLocalFile(general));

        // Another page goes to the same window; Échap closes it.
        ShowHelpPage(&owner, QStringLiteral("montecarlo.htm"), app.context);
        QCOMPARE(owner.findChildren<HelpWindow *>().size(), 1);
        QCOMPARE(help->txtAide->source(), QUrl::fromLocalFile(game));
        QTest::keyClick(help->txtAide, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!help);
        QVERIFY(app.dialogs.shown.isEmpty());
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
