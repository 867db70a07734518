// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/frmhistorique.h"
#include "history/htmlexport.h"
#include "history/richdocument.h"
#include "shared/files.h"
#include "shared/recordlog.h"
#include "shared/rtf/rtfreader.h"
#include "shared/rtf/rtfwriter.h"
#include "support/childfaults.h"
#include "support/filebytes.h"
#include "testapp.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <cerrno>
#include <cstring>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(RichText)

namespace {

enum { Effacer, Imprimer, Exporter, Rechercher, Fermer };
const QList<bool> AllButtons(5, true);
const QList<bool> OnlyClose{false, false, false, false, true};

// Two games, the second by a player whose name looks like markup.
RichText sampleLog()
{
    const QLocale french(QLocale::French, QLocale::France);
    RichText log;
    const auto add = [&](QDateTime when, QString player, QString left, QString result) {
        for (const RichTextRun &run :
             RecordText({when, u"MONTE-CARLO"_s, player, u"00:03:12"_s, {left}, result}, french))
            appendText(log, run.text, run.bold);
    };
    add(QDateTime(QDate(2026, 12, 6), QTime(9, 5, 3)), u"Alice"_s, u"Reste: 0"_s, u"VRAI"_s);
    add(QDateTime(QDate(2026, 12, 7), QTime(21, 40)), u"<b>A&B</b>"_s, u"Reste: 9"_s, u"FAUX"_s);
    return log;
}

QList<bool> enabledButtons(const frmHistorique &window)
{
    QList<bool> enabled;
    for (const QPushButton *button : window.Boutons)
        enabled.append(button->isEnabled());
    return enabled;
}

// An application folder holding the log (none when null) and the history window over it.
struct History : TestApp {
    explicit History(const QByteArray &log = writeRtf(sampleLog()))
        : logPath(log.isNull() ? LogPath(state) : createFile(u"parties.rtf"_s, log))
    {
    }
    QString logPath;
    frmHistorique window{context};
};

} // namespace

class TestHistory : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void viewGivesTheTextBackWithAParagraphPerRecord_data()
    {
        QTest::addColumn<RichText>("text");
        QTest::addColumn<int>("paragraphs");
        QTest::addColumn<bool>("cut"); // the view cuts over-long lines into paragraphs
        QTest::newRow("empty") << RichText{} << 1 << false;
        // The empty line before the first record is a paragraph of its own.
        QTest::newRow("two records") << sampleLog() << 3 << false;
        QString lines;
        for (int i = 0; i < 200; ++i)
            lines += u"ligne %1\n"_s.arg(i);
        QTest::newRow("no record, 201 lines") << RichText{{lines, false}} << 4 << false;
        QTest::newRow("breaks of every kind")
            << RichText{{u"\n\n[\n[x]\n"_s, true}, {u"\n\n"_s, false}, {u"[\n"_s, true}} << 4
            << false;
        // Laid out whole, a paragraph takes a time that grows with the square of its length.
        QTest::newRow("one paragraph of 10 MB")
            << RichText{{u"abcdefghi "_s.repeated(1'000'000), false}} << 5000 << true;
        QTest::newRow("long lines without blanks, then records")
            << RichText{{u"[ab]\n"_s, true},
                        {u"😀"_s.repeated(3001) + u"\nfin\n[b]\n"_s, false},
                        {u"x"_s.repeated(2500), true}}
            << 6 << true;
    }

    void viewGivesTheTextBackWithAParagraphPerRecord()
    {
        QFETCH(RichText, text);
        QFETCH(int, paragraphs);
        QFETCH(bool, cut);
        QTextDocument document;
        setRichText(document, text);
        setRichText(document, text); // replaces the first load
        QCOMPARE(document.blockCount(), paragraphs);
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
            QVERIFY(block.length() <= 2001);
        QCOMPARE(richText(document), text);
        if (cut)
            QCOMPARE(document.toPlainText().remove(u'\n'), plainText(text).remove(u'\n'));
        else
            QCOMPARE(document.toPlainText(), plainText(text));
    }

    void pageLines_data()
    {
        QTest::addColumn<RichText>("log");
        QTest::addColumn<QString>("lines");
        QTest::newRow("empty log") << RichText{} << u"<br>\r\n"_s;
        QTest::newRow("last line without break")
            << RichText{{u"a\nb"_s, false}} << u"a<br>\r\nb<br>\r\n"_s;
        QTest::newRow("last line with break")
            << RichText{{u"a\nb\n"_s, false}} << u"a<br>\r\nb<br>\r\n"_s;
        // A whole bold line is wrapped whatever the weight of its break; an empty one takes it.
        QTest::newRow("bold lines")
            << RichText{{u"\n[d]\nT"_s, true}, {u"\n\n"_s, false}, {u"\n"_s, true}}
            << u"<b></b><br>\r\n<b>[d]</b><br>\r\n<b>T</b><br>\r\n<br>\r\n<b></b><br>\r\n"_s;
        QTest::newRow("markup, partly bold line")
            << RichText{{u"J: <A&B> \"l'as\" "_s, false}, {u"<i>\n<y>"_s, true}}
            << u"J: &lt;A&amp;B&gt; &quot;l&#39;as&quot; &lt;i&gt;<br>\r\n<b>&lt;y&gt;</b><br>\r\n"_s;
    }

    void pageLines()
    {
        QFETCH(RichText, log);
        QFETCH(QString, lines);
        const QDateTime created(QDate(2026, 12, 6), QTime(9, 5, 3));
        const QString page = HistoryPage(log, {u"1.2.3"_s, created, u"file:///l'as&co"_s});
        // The log lines lie between the opening font tag and the closing one.
        QCOMPARE(
            page.section(u"<font face='Arial' size='2'>\r\n"_s, 1).section(u"</font><hr"_s, 0, 0),
            lines);
        QVERIFY(page.contains(u"VORELLES, version 1.2.3 — © Les développeurs de Vorelles, 2026"_s));
        QVERIFY(page.contains(u"href='file:///l&#39;as&amp;co'"_s));
        QVERIFY(
            page.contains(u"Fichier cr&eacute;&eacute; le dimanche 6 décembre 2026 - 09:05:03"_s));
    }

    void opensTheLogWithoutWritingIt_data()
    {
        QTest::addColumn<QByteArray>("log"); // null: no file
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("messageEnd"); // empty: no message
        const QByteArray whole = writeRtf(sampleLog());
        const QString kept = u"\nLe fichier n'a pas été modifié."_s;

        QTest::newRow("truncated")
            << whole.left(whole.indexOf("Joueur: Alice") + 8)
            << u"\n[dimanche 6 décembre 2026 - 09:05:03]\nVorelle: MONTE-CARLO\nJoueur: "_s << kept;
        QTest::newRow("not RTF") << QByteArray("Joueur: Alice\r\n") << QString() << kept;
        QTest::newRow("empty") << QByteArray("") << QString() << QString();
        // What a crash of the file system leaves is no empty log.
        QTest::newRow("NUL bytes") << QByteArray(4096, '\0') << QString() << kept;
        QTest::newRow("missing") << QByteArray() << QString()
                                 << u"Le fichier PARTIES.RTF est introuvable.\nCelui-ci devrait "
                                    "se trouver dans le dossier: <folder>"_s;
    }

    void opensTheLogWithoutWritingIt()
    {
        QFETCH(QByteArray, log);
        QFETCH(QString, shown);
        QFETCH(QString, messageEnd);
        History h(log);
        QCOMPARE(h.window.RTF->toPlainText(), shown);
        QCOMPARE(h.window.RTF->textCursor().position(), 0);
        QCOMPARE(h.dialogs.shown.size(), messageEnd.isEmpty() ? 0 : 1);
        if (!messageEnd.isEmpty()) {
            const FakeDialogs::Shown &said = h.dialogs.last();
            messageEnd.replace(u"<folder>"_s, h.state.appFolder.chopped(1));
            QVERIFY2(said.text.endsWith(messageEnd), qPrintable(said.text));
            QVERIFY(log.isNull() || said.text.contains(readRtf(log).message));
            QCOMPARE(said.icon, log.isNull() ? UserDialogs::Icon::Information
                                             : UserDialogs::Icon::Exclamation);
        }
        QCOMPARE(enabledButtons(h.window), shown.isEmpty() ? OnlyClose : AllButtons);
        QCOMPARE(h.window.Boutons[Fermer]->isDefault(), shown.isEmpty());
        h.window.close();
        QCOMPARE(readBytes(h.logPath), log.isNull() ? AbsentFile : log);
    }

    void exportFormatFollowsTheName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("expected"); // the whole file; for a page, one of its lines
        const RichText log = sampleLog();
        QTest::newRow("TXT") << u"HISTO.TXT"_s << plainText(log).toUtf8();
        QTest::newRow("rTf") << u"histo.rTf"_s << writeRtf(log);
        QTest::newRow("Htm") << u"histo.Htm"_s
                             << "\r\nJoueur: &lt;b&gt;A&amp;B&lt;/b&gt;<br>\r\n"_ba;
        QTest::newRow("html") << u"histo.html"_s << AbsentFile;
        QTest::newRow("cancel") << QString() << AbsentFile;
        QTest::newRow("missing folder") << u"absent/histo.txt"_s << AbsentFile;
    }

    void exportFormatFollowsTheName()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, expected);
        History h;
        h.window.RTF->moveCursor(QTextCursor::End);
        const QString path = h.dir.filePath(name);
        h.dialogs.fileAnswers = {name.isEmpty() ? QString() : path};
        h.window.Boutons[Exporter]->click();

        const QByteArray content = readBytes(path);
        const bool page = name.endsWith(u"htm"_s, Qt::CaseInsensitive);
        QVERIFY2(page ? content.contains(expected) && content.contains("version " VORELLES_VERSION)
                      : content == expected,
                 content.constData());
        QCOMPARE(h.window.RTF->textCursor().position() == 0, page);
        QCOMPARE(readBytes(h.logPath), writeRtf(sampleLog()));
        const bool failed = name.contains(u'/');
        QCOMPARE(h.dialogs.shown.size(), failed ? 1 : 0);
        QVERIFY(!failed ||
                h.dialogs.last().text.contains(u"Impossible d'écrire le fichier "_s + path));
    }

    // Installed, the log lives in the user's data, apart from the program's files.
    void clearsTheLogWhereTheGamesAreRecorded()
    {
        TestApp app;
        app.state.logFolder = app.dir.filePath(u"données/vorelles/"_s);
        QVERIFY(QDir().mkpath(app.state.logFolder));
        {
            frmHistorique none{app.context};
            QVERIFY(
                app.dialogs.last().text.endsWith(u"dossier: "_s + app.state.logFolder.chopped(1)));
        }
        const QString log = LogPath(app.state);
        const QDateTime when(QDate(2026, 12, 6), QTime(9, 5, 3));
        QVERIFY(RecordGame(log, {when, u"DUO"_s, u"ALICE"_s, u"00:02:10"_s, {}, {}}, RecordLocale())
                    .isEmpty());
        const QByteArray before = readBytes(log);
        frmHistorique window{app.context};
        QVERIFY(window.RTF->toPlainText().contains(u"Vorelle: DUO\nJoueur: ALICE"_s));

        app.dialogs.answers = {false, true};
        window.Boutons[Effacer]->click();
        QVERIFY(app.dialogs.last().question && app.dialogs.last().noByDefault);
        QCOMPARE(readBytes(log), before);
        window.Boutons[Effacer]->click();
        QVERIFY(window.RTF->document()->isEmpty());
        QCOMPARE(enabledButtons(window), OnlyClose);
        QCOMPARE(readBytes(log), writeRtf({}));
        QCOMPARE(QDir(app.state.appFolder).entryList({u"*.rtf"_s}), QStringList());
    }

    void faultsLeaveTheFilesAsTheyWere_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("name");  // the exported file; empty: the log itself
        QTest::addColumn<bool>("readOnly"); // or else a full disk
        QTest::newRow("export sur disque plein") << int(Exporter) << u"histo.txt"_s << false;
        QTest::newRow("export en lecture seule") << int(Exporter) << u"histo.htm"_s << true;
        QTest::newRow("effacer en lecture seule") << int(Effacer) << QString() << true;
    }

    void faultsLeaveTheFilesAsTheyWere()
    {
        QFETCH(int, button);
        QFETCH(QString, name);
        QFETCH(bool, readOnly);
        History h;
        const QString path = name.isEmpty() ? h.logPath : h.createFile(name, "export précédent");
        const QByteArray before = readBytes(path);
        h.dialogs.fileAnswers = {path};
        h.dialogs.answers = {true};

        ChildFaults faults;
        faults.fileSizeLimit = readOnly ? RLIM_INFINITY : 0;
        faults.honourPermissions = readOnly;
        QFile::setPermissions(h.state.appFolder, QFile::ReadOwner | QFile::ExeOwner);
        const QString seen = RunInChild(faults, [&] {
            h.window.Boutons[std::size_t(button)]->click();
            const FakeDialogs::Shown &last = h.dialogs.last();
            return last.title + u'|' + last.text + u'|' + h.window.RTF->toPlainText();
        });
        QFile::setPermissions(h.state.appFolder,
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        const QStringList parts = seen.split(u'|');
        QCOMPARE(parts.size(), 3);
        QCOMPARE(parts[0], u"ERREUR..."_s);
        const QStringList lines = parts[1].split(u'\n');
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], u"Impossible d'écrire le fichier "_s + path + u" :"_s);
        QVERIFY(readOnly ? !lines[1].isEmpty()
                         : lines[1] == QString::fromLocal8Bit(std::strerror(EFBIG)));
        QCOMPARE(lines[2], name.isEmpty() ? u"L'historique n'a pas été effacé."_s
                                          : u"Le fichier existant n'a pas été modifié."_s);
        QCOMPARE(parts[2], plainText(sampleLog()));
        QCOMPARE(readBytes(path), before);
        QCOMPARE(readBytes(h.logPath), writeRtf(sampleLog()));
    }

    // A print on a full disk keeps the previous file; a print takes the selection, or else the
    // text from the caret on.
    void printsTheSelectionOrFromTheCaret()
    {
        History h;
        const QByteArray previous("%PDF-1.4 impression précédente");
        QVERIFY(writeBytes(h.printer.path, previous));
        ChildFaults faults;
        faults.fileSizeLimit = 0;
        RunInChild(faults, [&] {
            h.window.Boutons[Imprimer]->click();
            return QString();
        });
        QCOMPARE(readBytes(h.printer.path), previous);

        const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: the printed text cannot be read");
        QTextEdit *view = h.window.RTF;
        const auto print = [&](const QTextCursor &caret) {
            view->setTextCursor(caret);
            h.window.Boutons[Imprimer]->click();
            QProcess process;
            process.start(pdftotext, {h.printer.path, u"-"_s});
            process.waitForFinished();
            return QString::fromUtf8(process.readAllStandardOutput());
        };
        QString text = print(view->document()->find(u"Joueur: Alice"_s));
        QVERIFY2(text.contains(u"Joueur: Alice"_s) && !text.contains(u"Vorelle"_s),
                 qPrintable(text));
        QVERIFY(!view->textCursor().hasSelection() && view->textCursor().atStart());
        QTextCursor caret = view->document()->find(u"[lundi"_s);
        caret.clearSelection();
        text = print(caret);
        QVERIFY2(text.contains(u"Joueur: <b>A&B</b>"_s) && !text.contains(u"Alice"_s),
                 qPrintable(text));
        QCOMPARE(h.printer.prints, 2);
    }

    void viewKeysAndOtherWindows()
    {
        History h;
        const QString help = h.createFile(u"aide/historique.htm"_s);
        h.window.show();
        QTextEdit *view = h.window.RTF;

        QTest::keyClicks(view, u"xyz"_s);
        QTest::keyClick(view, Qt::Key_Return);
        QTest::keyClick(view, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(view->toPlainText(), plainText(sampleLog()));
        QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), plainText(sampleLog()));

        QTest::keyClick(view, Qt::Key_F1);
        QCOMPARE(h.opener.opened, QStringList{help});
        QStringList opened; // the modal windows, each closed as soon as it shows
        QTimer closer;
        closer.callOnTimeout([&opened] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                opened.append(QString::fromLatin1(modal->metaObject()->className()));
                modal->close();
            }
        });
        closer.start(0);
        QTest::keyClick(h.window.Boutons[Fermer], Qt::Key_F2);
        h.window.Boutons[Rechercher]->click();
        QCOMPARE(opened, (QStringList{u"frmAbout"_s, u"frmRechercher"_s}));
        QVERIFY(h.dialogs.shown.isEmpty());
        h.window.Boutons[Fermer]->click();
        QVERIFY(!h.window.isVisible());
    }
};

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
