#include "history/frmhistorique.h"
#include "shared/files.h"
#include "shared/recordlog.h"
#include "shared/rtf/rtfreader.h"
#include "shared/rtf/rtfwriter.h"
#include "support/childfaults.h"
#include "testapp.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <cerrno>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

enum { Effacer, Imprimer, Exporter, Rechercher, Fermer };
const QList<bool> AllButtons(5, true);
const QList<bool> OnlyClose{false, false, false, false, true};
const QByteArray Absent("<absent>");

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

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : Absent;
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
        if (shown.isEmpty()) {
            QVERIFY(h.window.Boutons[Fermer]->isDefault());
            h.window.Boutons_Click(Imprimer);
            QCOMPARE(h.dialogs.last().text, u"Aucune donnée à imprimer."_s);
            QCOMPARE(h.printer.prints, 0);
        }
        h.window.close();
        QCOMPARE(readFile(h.logPath), log.isNull() ? Absent : log);
    }

    void exportFormatFollowsTheName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("expected"); // the whole file; for a page, some of its lines
        const RichText log = sampleLog();
        QTest::newRow("TXT") << u"HISTO.TXT"_s << plainText(log).toUtf8();
        QTest::newRow("rTf") << u"histo.rTf"_s << writeRtf(log);
        QTest::newRow("Htm")
            << u"histo.Htm"_s
            << "GAGNE<br>\r\n<br>\r\n<b></b><br>\r\n<b>[lundi 7 décembre 2026 - 21:40:00]</b><br>"
               "\r\nVorelle: MONTE-CARLO<br>\r\nJoueur: &lt;b&gt;A&amp;B&lt;/b&gt;<br>\r\n"_ba;
        QTest::newRow("html") << u"histo.html"_s << Absent;
        QTest::newRow("cancel") << QString() << Absent;
        QTest::newRow("missing folder") << u"absent/histo.txt"_s << Absent;
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

        const QByteArray content = readFile(path);
        const bool page = name.endsWith(u"htm"_s, Qt::CaseInsensitive);
        QVERIFY2(page ? content.contains(expected) && content.contains("version " VORELLES_VERSION)
                      : content == expected,
                 content.constData());
        QCOMPARE(h.window.RTF->textCursor().position() == 0, page);
        QCOMPARE(h.dialogs.fileDialogs,
                 QStringList{u"Exporter l'historique...|"_s + QDir::homePath() +
                             u"|Fichier Texte (*.txt);;Fichier Html (*.htm);;Fichier Texte "
                             "enrichi (*.rtf)|txt"_s});
        QCOMPARE(readFile(h.logPath), writeRtf(sampleLog()));
        const bool failed = name.contains(u'/');
        QCOMPARE(h.dialogs.shown.size(), failed ? 1 : 0);
        QVERIFY(!failed ||
                h.dialogs.last().text.contains(u"Impossible d'écrire le fichier "_s + path));
    }

    void clearAsksFirst()
    {
        History h;
        h.dialogs.answers = {false, true};
        h.window.Boutons[Effacer]->click();
        const FakeDialogs::Shown &question = h.dialogs.shown.constFirst();
        QVERIFY(question.question && question.noByDefault);
        QCOMPARE(question.text, u"Attention cette suppression est définitive.\nÊtes-vous sûr(e) "
                                "de vouloir effacer le contenu de l'historique ?"_s);
        QCOMPARE(readFile(h.logPath), writeRtf(sampleLog()));
        h.window.Boutons[Effacer]->click();
        QVERIFY(h.window.RTF->document()->isEmpty());
        QCOMPARE(enabledButtons(h.window), OnlyClose);
        QCOMPARE(readFile(h.logPath), writeRtf({}));

        History locked; // a folder in the log's place cannot be replaced by a file
        QVERIFY(QFile::remove(locked.logPath) && QDir().mkdir(locked.logPath));
        locked.dialogs.answers = {true};
        locked.window.Boutons[Effacer]->click();
        QVERIFY(locked.dialogs.last().text.endsWith(u"L'historique n'a pas été effacé."_s));
        QCOMPARE(locked.window.RTF->toPlainText(), plainText(sampleLog()));
        QCOMPARE(enabledButtons(locked.window), AllButtons);
    }

    void readsAndClearsTheLogWhereTheGamesAreRecorded()
    {
        // Installed, the log lives in the user's data, apart from the program's files.
        TestApp app;
        app.state.logFolder = app.dir.filePath(u"données/vorelles/"_s);
        QVERIFY(QDir().mkpath(app.state.logFolder));
        {
            frmHistorique none{app.context};
            QVERIFY(
                app.dialogs.last().text.endsWith(u"dossier: "_s + app.state.logFolder.chopped(1)));
        }
        const QDateTime when(QDate(2026, 12, 6), QTime(9, 5, 3));
        QVERIFY(RecordGame(LogPath(app.state), {when, u"DUO"_s, u"ALICE"_s, u"00:02:10"_s, {}, {}},
                           RecordLocale())
                    .isEmpty());
        frmHistorique window{app.context};
        QVERIFY(window.RTF->toPlainText().contains(u"Vorelle: DUO\nJoueur: ALICE"_s));
        app.dialogs.answers = {true};
        window.Boutons[Effacer]->click();
        QCOMPARE(readFile(LogPath(app.state)), writeRtf({}));
        QCOMPARE(QDir(app.state.appFolder).entryList({u"*.rtf"_s}), QStringList());
    }

    void faultsLeaveTheFilesAsTheyWere_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("name"); // the exported file; empty: the log itself
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("reason"); // a pattern of the reason given
        const QString tooLarge =
            QRegularExpression::escape(QString::fromLocal8Bit(std::strerror(EFBIG)));
        QTest::newRow("export sur disque plein")
            << int(Exporter) << u"histo.txt"_s << qint64(0) << false << tooLarge;
        QTest::newRow("export en taille limitée")
            << int(Exporter) << u"histo.rtf"_s << qint64(100) << false
            << u"seuls 100 octets sur [0-9]+ ont pu être écrits, le disque est peut-être plein"_s;
        QTest::newRow("export en lecture seule")
            << int(Exporter) << u"histo.htm"_s << qint64(-1) << true << u".+"_s;
        QTest::newRow("effacer sur disque plein")
            << int(Effacer) << QString() << qint64(0) << false << tooLarge;
        QTest::newRow("effacer en lecture seule")
            << int(Effacer) << QString() << qint64(-1) << true << u".+"_s;
    }

    void faultsLeaveTheFilesAsTheyWere()
    {
        QFETCH(int, button);
        QFETCH(QString, name);
        QFETCH(qint64, limit);
        QFETCH(bool, readOnly);
        QFETCH(QString, reason);
        History h;
        const QString path = name.isEmpty() ? h.logPath : h.createFile(name, "export précédent");
        const QByteArray before = readFile(path);
        h.dialogs.fileAnswers = {path};
        h.dialogs.answers = {true};

        ChildFaults faults;
        faults.fileSizeLimit = limit < 0 ? RLIM_INFINITY : rlim_t(limit);
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
        QVERIFY2(parts[1].startsWith(u"Impossible d'écrire le fichier "_s + path + u" :\n"_s),
                 qPrintable(parts[1]));
        const QString cause = parts[1].section(u'\n', 1, 1);
        QVERIFY2(
            QRegularExpression(QRegularExpression::anchoredPattern(reason)).match(cause).hasMatch(),
            qPrintable(cause));
        QVERIFY(parts[1].endsWith(name.isEmpty()
                                      ? u"\nL'historique n'a pas été effacé."_s
                                      : u"\nLe fichier existant n'a pas été modifié."_s));
        QCOMPARE(parts[2], plainText(sampleLog()));
        QCOMPARE(readFile(path), before);
        QCOMPARE(readFile(h.logPath), writeRtf(sampleLog()));
    }

    void aPdfPrintOnAFullDiskKeepsThePreviousFile()
    {
        History h;
        QFile previous(h.printer.path);
        QVERIFY(previous.open(QIODevice::WriteOnly));
        previous.write("%PDF-1.4 impression précédente");
        previous.close();
        QTextDocument document(u"Joueur: Alice"_s);
        ChildFaults faults;
        faults.fileSizeLimit = 0;
        const QString printed = RunInChild(faults, [&] {
            return PrintToPdf(document, h.printer.path) ? u"imprimé"_s : u"refusé"_s;
        });
        QCOMPARE(printed, u"refusé"_s);
        QCOMPARE(readFile(h.printer.path), "%PDF-1.4 impression précédente"_ba);
        QVERIFY(PrintToPdf(document, h.printer.path));
        QVERIFY(readFile(h.printer.path).startsWith("%PDF"));
    }

    void printsTheSelectionOrFromTheCaret()
    {
        const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: the printed text cannot be read");
        History h;
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
