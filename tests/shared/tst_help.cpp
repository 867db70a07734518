// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/appcontext.h"
#include "shared/desktopopener.h"
#include "shared/helppage.h"
#include "shared/helpwindow.h"
#include "testapp.h"

#include <QDirIterator>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <optional>

using namespace Qt::StringLiterals;

class TestHelp : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The opener answers by its exit status. Where the MIME database names no application for
    // web pages, the opener is not even started and the answer comes before open() returns; the
    // database is asked once per run, and one that cannot answer leaves it to the opener.
    void desktopOpenerAnswers()
    {
        QTemporaryDir dir;
        const QByteArray log = dir.filePath(u"log"_s).toLocal8Bit();
        const auto script = [&dir](const QString &name, const QByteArray &body) {
            QFile file(dir.filePath(name));
            file.open(QIODevice::WriteOnly);
            file.write("#!/bin/sh\n" + body + '\n');
            file.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
            return file.fileName();
        };
        const auto takeLog = [&log] {
            QFile file(QString::fromLocal8Bit(log));
            const QByteArray lines = file.open(QIODevice::ReadOnly) ? file.readAll() : "";
            file.remove();
            return lines;
        };
        const QString page = script(u"page.htm"_s, "");
        const QString opens = script(u"opens"_s, "echo open >> " + log + "; test -f \"$1\"");
        const QString fails = script(u"fails"_s, "echo open >> " + log + "; exit 3");
        const QString browser = script(u"browser"_s, "echo firefox.desktop");
        const QString absent = dir.filePath(u"absent"_s);
        const struct {
            QString opener, query;
            bool opened;
        } cases[] = {{opens, browser, true},
                     {fails, browser, false},
                     {absent, browser, false},
                     {opens, script(u"broken"_s, "exit 3"), true},
                     {opens, absent, true}};
        for (const auto &[opener, query, opened] : cases) {
            QtDesktopOpener desktop(opener, query);
            std::optional<bool> answer;
            desktop.open(page, [&answer](bool done) { answer = done; });
            QTRY_VERIFY(answer.has_value());
            QCOMPARE(*answer, opened);
            QCOMPARE(takeLog(), opener == absent ? "" : "open\n");
        }

        QtDesktopOpener desktop(opens, script(u"none"_s, "echo \"$*\" >> " + log));
        for (int i = 0; i < 2; ++i) {
            std::optional<bool> answer;
            desktop.open(page, [&answer](bool done) { answer = done; });
            QCOMPARE(answer, std::optional<bool>(false));
        }
        QCOMPARE(takeLog(), "query default text/html\n");
    }

    // A desktop that cannot open the page: it shows in the program's own window, which follows
    // links and takes the next page.
    void helpWindowFollowsLinksBackAndForth()
    {
        TestApp app;
        QWidget owner;
        owner.show();
        ShowHelpPage(&owner, u"montecarlo.htm"_s, app.context);
        QCOMPARE(app.dialogs.last().text,
                 u"Fichier d'aide [montecarlo.htm] introuvable. Assurez-vous que celui-ci doit se "
                 "trouver dans le dossier:\n"_s +
                     app.state.appFolder + u"aide"_s);
        QCOMPARE(app.dialogs.last().icon, UserDialogs::Icon::Critical);
        app.dialogs.shown.clear();

        const QString game =
            app.createFile(u"aide/montecarlo.htm"_s,
                           "<html><head><title>Monte-Carlo</title></head><body><p>Des paires.</p>"
                           "<p><a href=\"../aide.htm\">Aide</a></p></body></html>");
        const QString general = app.createFile(
            u"aide.htm"_s,
            "<html><head><title>Aide de Vorelles</title></head><body>Vorelles</body></html>");
        ShowHelpPage(&owner, u"montecarlo.htm"_s, app.context);
        QCOMPARE(app.opener.opened, QStringList{game});
        QVERIFY(!owner.findChild<HelpWindow *>());

        app.opener.canOpen = false;
        ShowHelpPage(&owner, u"montecarlo.htm"_s, app.context);
        QPointer<HelpWindow> help = owner.findChild<HelpWindow *>();
        QVERIFY(help && help->isVisible() && help->isWindow());
        QCOMPARE(help->windowTitle(), u"Monte-Carlo"_s);
        QVERIFY(!help->cmdPrecedente->isEnabled() && !help->cmdSuivante->isEnabled());

        QTest::keyClick(help->txtAide, Qt::Key_Tab); // the link
        QTest::keyClick(help->txtAide, Qt::Key_Return);
        QCOMPARE(help->txtAide->source(), QUrl::fromLocalFile(general));
        QCOMPARE(help->windowTitle(), u"Aide de Vorelles"_s);
        help->cmdPrecedente->click();
        QCOMPARE(help->txtAide->source(), QUrl::fromLocalFile(game));
        help->cmdSuivante->click();
        QCOMPARE(help->txtAide->source(), QUrl::fromLocalFile(general));

        // Another page goes to the same window; Échap closes it.
        ShowHelpPage(&owner, u"montecarlo.htm"_s, app.context);
        QCOMPARE(owner.findChildren<HelpWindow *>().size(), 1);
        QCOMPARE(help->txtAide->source(), QUrl::fromLocalFile(game));
        QTest::keyClick(help->txtAide, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!help);
        QVERIFY(app.dialogs.shown.isEmpty());
    }

    // The English pages as the build lays them beside the program: one for each French page, and
    // every relative link names a file there and, after '#', an id in it.
    void everyFrenchPageHasAnEnglishTwinWhoseLinksLead()
    {
        const QDir french(QStringLiteral(VORELLES_RESOURCES_DIR));
        const QDir english(QStringLiteral(VORELLES_BIN_DIR "/en"));
        QStringList pages{u"aide.htm"_s};
        for (const QString &name : QDir(french.filePath(u"aide"_s)).entryList({u"*.htm"_s}))
            pages.append(u"aide/"_s + name);
        QCOMPARE_GT(pages.size(), 1);
        for (const QString &page : std::as_const(pages))
            QVERIFY2(QFileInfo(english.filePath(page)).isFile(), qPrintable(page));

        const auto text = [](const QString &path) {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
        };
        static const QRegularExpression link(u"\\b(?:href|src)=\"([^\"]*)\""_s);
        QDirIterator it(english.path(), {u"*.htm"_s}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString page = it.next();
            for (const auto &match : link.globalMatch(text(page))) {
                const QUrl url(match.captured(1));
                if (!url.isRelative())
                    continue;
                const QString target =
                    url.path().isEmpty() ? page : QFileInfo(page).dir().filePath(url.path());
                const QByteArray where =
                    (english.relativeFilePath(page) + u" -> "_s + match.captured(1)).toUtf8();
                QVERIFY2(QFileInfo(target).isFile(), where.constData());
                if (url.hasFragment())
                    QVERIFY2(text(target).contains(u"id=\""_s + url.fragment() + u'"'),
                             where.constData());
            }
        }
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
