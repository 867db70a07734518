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
