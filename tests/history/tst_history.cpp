#include "history/frmhistorique.h"
#include "history/richdocument.h"
#include "shared/recordlog.h"
#include "shared/rtf/rtfreader.h"
#include "shared/rtf/rtfwriter.h"
#include "testapp.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

enum { Effacer, Imprimer, Exporter, Rechercher, Fermer };
const QList<bool> OnlyClose{false, false, false, false, true};

// "[b]" before each bold run, "|" between runs: enough for QCOMPARE to show where two differ.
QString describe(const RichText &text)
{
    QStringList runs;
    for (const RichTextRun &run : text)
        runs.append((run.bold ? u"[b]"_s : QString()) + run.text);
    return runs.join(u'|');
}

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
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<absent>");
}

// Exports through the save dialog to a file of the temporary folder and returns what it holds.
QByteArray exportTo(frmHistorique &window, TestApp &app, const QString &name)
{
    const QString path = app.dir.filePath(name);
    app.dialogs.fileAnswers = {path};
    window.Boutons[Exporter]->click();
    return readFile(path);
}

// The page's log lines, "|"-separated, without their CR LF.
QString htmlLines(const QByteArray &page)
{
    const QString html = QString::fromUtf8(page);
    const QString open = u"<font face='Arial' size='2'>\r\n"_s;
    const qsizetype start = html.indexOf(open) + open.size();
    QStringList lines =
        html.mid(start, html.indexOf(u"</font><hr"_s, start) - start).split(u"\r\n"_s);
    lines.removeLast();
    return lines.join(u'|');
}

QList<bool> enabledButtons(const frmHistorique &window)
{
    QList<bool> enabled;
    for (const QPushButton *button : window.Boutons)
        enabled.append(button->isEnabled());
    return enabled;
}

// Runs the action and closes the modal window it opens; returns that window's class name.
QString modalOpenedBy(const std::function<void()> &action)
{
    QString opened;
    QObject guard; // cancels the check when no window opens
    QTimer::singleShot(0, &guard, [&opened] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            opened = QString::fromLatin1(modal->metaObject()->className());
            modal->close();
        }
    });
    action();
    return opened;
}

} // namespace

class TestHistory : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void exportsInEveryFormat();
    void showsOtherEditorsLogs_data();
    void showsOtherEditorsLogs();
    void missingOrEmptyLog();
    void damagedLogIsShownAndKeptAsItIs_data();
    void damagedLogIsShownAndKeptAsItIs();
    void clear_data();
    void clear();
    void print_data();
    void print();
    void exportFormatFollowsTheName_data();
    void exportFormatFollowsTheName();
    void viewKeysAndOtherWindows();
};

void TestHistory::exportsInEveryFormat()
{
    TestApp app;
    const RichText log = sampleLog();
    const QString logPath = app.createFile(u"parties.rtf"_s, writeRtf(log));
    frmHistorique window(app.context);
    QVERIFY(app.dialogs.shown.isEmpty());
    QCOMPARE(enabledButtons(window), QList<bool>(5, true));
    QCOMPARE(describe(richText(*window.RTF->document())), describe(log));
    QCOMPARE(window.RTF->textCursor().position(), 0);

    QCOMPARE(QString::fromUtf8(exportTo(window, app, u"histo.txt"_s)), plainText(log));
    const RtfReadResult rtf = readRtf(exportTo(window, app, u"histo.rtf"_s));
    QCOMPARE(rtf.status, RtfReadResult::Status::Ok);
    QCOMPARE(describe(rtf.text), describe(log));

    QTextCursor caret = window.RTF->textCursor();
    caret.setPosition(20);
    window.RTF->setTextCursor(caret);
    const QByteArray page = exportTo(window, app, u"histo.htm"_s);
    QCOMPARE(htmlLines(page),
             u"<b></b><br>|<b>[dimanche 6 décembre 2026 - 09:05:03]</b><br>|Vorelle: "
             "MONTE-CARLO<br>|Joueur: Alice<br>|Temps de jeu: 00:03:12<br>|Reste: 0<br>|Résultat "
             "de la partie: GAGNE<br>|<br>|<b></b><br>|<b>[lundi 7 décembre 2026 - "
             "21:40:00]</b><br>|Vorelle: MONTE-CARLO<br>|Joueur: &lt;b&gt;A&amp;B&lt;/b&gt;<br>|"
             "Temps de jeu: 00:03:12<br>|Reste: 9<br>|Résultat de la partie: PERDU<br>|<br>"_s);
    QVERIFY(page.contains("VORELLES, version " VORELLES_VERSION));
    QCOMPARE(window.RTF->textCursor().position(), 0);

    QCOMPARE(app.dialogs.fileDialogs.constFirst(),
             u"Exporter l'historique...|"_s + QDir::homePath() +
                 u"|Fichier Texte (*.txt);;Fichier Html (*.htm);;Fichier Texte enrichi "
                 "(*.rtf)|txt"_s);
    QVERIFY(app.dialogs.shown.isEmpty());
    QCOMPARE(readFile(logPath), writeRtf(log));
}

void TestHistory::showsOtherEditorsLogs_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("html");

    // Windows' rich-text control: code page 1252, the break after the date still bold.
    QTest::newRow("WordPad")
        << QByteArray(
               R"({\rtf1\ansi\ansicpg1252\deff0\deflang1036{\fonttbl{\f0\fswiss\fcharset0 Arial;}}
{\colortbl ;\red255\green0\blue0;}
{\*\generator Msftedit 5.41.21.2510;}\viewkind4\uc1\pard\b\f0\fs20\par
[mardi 12 mars 2024 - 10:05:17]\par
\b0 Joueur: REN\'c9E \'92\par
R\'e9sultat de la partie: \cf1 GAGNE\cf0\par
\par
}
)") << u"\n[mardi 12 mars 2024 - 10:05:17]\nJoueur: RENÉE ’\nRésultat de la partie: GAGNE\n\n"_s
        << u"<b></b><br>|<b>[mardi 12 mars 2024 - 10:05:17]</b><br>|Joueur: RENÉE ’<br>|"
           "Résultat de la partie: GAGNE<br>|<br>"_s;

    // LibreOffice: bold in groups closed before the paragraph mark, \uN with a fallback.
    QTest::newRow("LibreOffice")
        << QByteArray(R"({\rtf1\ansi\deff3\adeflang1025
{\fonttbl{\f3\froman\fprq2\fcharset0 Liberation Serif{\*\falt Times New Roman};}}
{\stylesheet{\s0\snext0\ql\widctlpar\cf0\loch\f3\fs24\lang1036 Normal;}}
{\*\generator LibreOffice/7.4.7.2$Linux_X86_64}{\info{\creatim\yr2024\mo3\dy12\hr10\min5}}
{\*\pgdsctbl{\pgdsc0\pgdscuse451\pgwsxn11906\pgdscnxt0 Default Page Style;}}
\sectd\pard\plain \s0\ql\loch\f3\fs24{\rtlch \ab \ltrch\loch\b
}\par \pard\plain \s0\ql{\rtlch \ab \ltrch\loch\b
[mardi 12 mars 2024 - 10:05:17]}
\par \pard\plain \s0\ql{\rtlch \ltrch\loch
Joueur: Ren\u233\'e9e <\u8364\'80>}
\par })")
        << u"\n[mardi 12 mars 2024 - 10:05:17]\nJoueur: Renée <€>\n"_s
        << u"<br>|<b>[mardi 12 mars 2024 - 10:05:17]</b><br>|Joueur: Renée &lt;€&gt;<br>"_s;
}

void TestHistory::showsOtherEditorsLogs()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QFETCH(QString, html);
    TestApp app;
    const QString logPath = app.createFile(u"parties.rtf"_s, rtf);
    frmHistorique window(app.context);
    QVERIFY(app.dialogs.shown.isEmpty());
    QCOMPARE(window.RTF->toPlainText(), text);
    QCOMPARE(htmlLines(exportTo(window, app, u"histo.htm"_s)), html);
    QCOMPARE(readFile(logPath), rtf);
}

void TestHistory::missingOrEmptyLog()
{
    TestApp app;
    {
        frmHistorique window(app.context);
        QCOMPARE(app.dialogs.shown.size(), 1);
        QCOMPARE(app.dialogs.last().text,
                 u"Impossible d'afficher le fichier des parties. Le fichier PARTIES.RTF est "
                 "introuvable.\nCelui-ci devrait se trouver dans le dossier: "_s +
                     app.state.appFolder.chopped(1));
        QCOMPARE(app.dialogs.last().icon, UserDialogs::Icon::Information);
        QCOMPARE(app.dialogs.last().title, u"Fichier introuvable"_s);
        QVERIFY(window.RTF->document()->isEmpty());
        QCOMPARE(enabledButtons(window), OnlyClose);
        QVERIFY(window.Boutons[Fermer]->isDefault());

        window.Boutons_Click(Imprimer);
        QCOMPARE(app.dialogs.last().text, u"Aucune donnée à imprimer."_s);
        QCOMPARE(app.dialogs.last().title, u"Impression"_s);
        QCOMPARE(app.printer.prints, 0);
    }
    QVERIFY(!QFile::exists(LogPath(app.state.appFolder)));

    app.dialogs.shown.clear();
    app.createFile(u"parties.rtf"_s, QByteArray());
    frmHistorique window(app.context);
    QVERIFY(app.dialogs.shown.isEmpty());
    QCOMPARE(enabledButtons(window), OnlyClose);
}

void TestHistory::damagedLogIsShownAndKeptAsItIs_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("shown");

    const QByteArray whole = writeRtf(sampleLog());
    QTest::newRow("truncated") << whole.left(whole.indexOf("Joueur: Alice") + 8)
                               << u"\n[dimanche 6 décembre 2026 - 09:05:03]\n"
                                  "Vorelle: MONTE-CARLO\nJoueur: "_s;
    QTest::newRow("not RTF") << QByteArray("Joueur: Alice\r\n") << QString();
}

void TestHistory::damagedLogIsShownAndKeptAsItIs()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, shown);
    TestApp app;
    const QString logPath = app.createFile(u"parties.rtf"_s, rtf);
    const RtfReadResult read = readRtf(rtf);
    QVERIFY(read.status != RtfReadResult::Status::Ok);
    {
        frmHistorique window(app.context);
        QVERIFY(window.RTF->toPlainText().startsWith(shown));
        QCOMPARE(app.dialogs.shown.size(), 1);
        QCOMPARE(app.dialogs.last().icon, UserDialogs::Icon::Exclamation);
        QVERIFY(app.dialogs.last().text.contains(read.message));
        QVERIFY(app.dialogs.last().text.contains(u"n'a pas été modifié"_s));
        QCOMPARE(window.Boutons[Effacer]->isEnabled(), !shown.isEmpty());
        if (!shown.isEmpty())
            exportTo(window, app, u"lisible.rtf"_s);
    }
    QCOMPARE(readFile(logPath), rtf);
}

void TestHistory::clear_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("writable");
    QTest::newRow("Yes") << true << true;
    QTest::newRow("No") << false << true;
    QTest::newRow("Yes, log not writable") << true << false;
}

void TestHistory::clear()
{
    QFETCH(bool, yes);
    QFETCH(bool, writable);
    TestApp app;
    const QString logPath = app.createFile(u"parties.rtf"_s, writeRtf(sampleLog()));
    frmHistorique window(app.context);
    // A folder in the log's place cannot be replaced by a file.
    if (!writable)
        QVERIFY(QFile::remove(logPath) && QDir().mkdir(logPath));
    app.dialogs.answers = {yes};
    window.Boutons[Effacer]->click();

    const FakeDialogs::Shown &question = app.dialogs.shown.constFirst();
    QVERIFY(question.question && question.noByDefault);
    QCOMPARE(question.icon, UserDialogs::Icon::Question);
    QCOMPARE(question.title, u"Avertissement"_s);
    QCOMPARE(question.text, u"Attention cette suppression est définitive.\nÊtes-vous sûr(e) de "
                            "vouloir effacer le contenu de l'historique ?"_s);
    if (yes && writable) {
        const RtfReadResult read = readRtf(readFile(logPath));
        QVERIFY(read.status == RtfReadResult::Status::Ok && read.text.isEmpty());
        QVERIFY(window.RTF->document()->isEmpty());
        QCOMPARE(enabledButtons(window), OnlyClose);
        return;
    }
    if (writable) {
        QCOMPARE(readFile(logPath), writeRtf(sampleLog()));
    } else {
        QCOMPARE(app.dialogs.last().icon, UserDialogs::Icon::Critical);
        QCOMPARE(app.dialogs.last().title, u"ERREUR..."_s);
        QVERIFY(app.dialogs.last().text.contains(u"n'a pas été effacé"_s));
    }
    QCOMPARE(window.RTF->toPlainText(), plainText(sampleLog()));
    QCOMPARE(enabledButtons(window), QList<bool>(5, true));
}

void TestHistory::print_data()
{
    QTest::addColumn<bool>("select");
    QTest::addColumn<QString>("printed");
    QTest::addColumn<QString>("notPrinted");
    QTest::newRow("selection") << true << u"Joueur: Alice"_s << u"Vorelle"_s;
    QTest::newRow("from the caret") << false << u"Joueur: <b>A&B</b>"_s << u"Alice"_s;
}

void TestHistory::print()
{
    QFETCH(bool, select);
    QFETCH(QString, printed);
    QFETCH(QString, notPrinted);
    TestApp app;
    app.createFile(u"parties.rtf"_s, writeRtf(sampleLog()));
    frmHistorique window(app.context);
    QTextCursor cursor = window.RTF->document()->find(select ? printed : u"[lundi"_s);
    if (!select)
        cursor.clearSelection();
    window.RTF->setTextCursor(cursor);
    window.Boutons[Imprimer]->click();

    QCOMPARE(app.printer.prints, 1);
    QVERIFY(QFileInfo(app.printer.path).size() > 0);
    QVERIFY(!window.RTF->textCursor().hasSelection());
    QCOMPARE(window.RTF->textCursor().position(), 0);
    QVERIFY(app.dialogs.shown.isEmpty());

    const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed: the printed text is not checked");
    QProcess process;
    process.start(pdftotext, {app.printer.path, u"-"_s});
    QVERIFY(process.waitForFinished());
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    QVERIFY2(text.contains(printed) && !text.contains(notPrinted), qPrintable(text));
}

void TestHistory::exportFormatFollowsTheName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("starts"); // empty when no file may be written
    QTest::newRow("TXT") << u"HISTO.TXT"_s << QByteArray("\n[dimanche");
    QTest::newRow("Htm") << u"histo.Htm"_s << QByteArray("<html>\r\n");
    QTest::newRow("rTf") << u"histo.rTf"_s << QByteArray("{\\rtf1");
    QTest::newRow("html") << u"histo.html"_s << QByteArray();
    QTest::newRow("cancel") << QString() << QByteArray();
    QTest::newRow("missing folder") << u"absent/histo.txt"_s << QByteArray();
}

void TestHistory::exportFormatFollowsTheName()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, starts);
    TestApp app;
    app.createFile(u"parties.rtf"_s, writeRtf(sampleLog()));
    frmHistorique window(app.context);
    const QString path = name.isEmpty() ? QString() : app.dir.filePath(name);
    app.dialogs.fileAnswers = {path};
    window.Boutons[Exporter]->click();

    QCOMPARE(app.dialogs.fileDialogs.size(), 1);
    if (!starts.isEmpty()) {
        QVERIFY(readFile(path).startsWith(starts));
        return;
    }
    QVERIFY(!QFile::exists(path));
    if (name.contains(u'/')) {
        QCOMPARE(app.dialogs.last().icon, UserDialogs::Icon::Critical);
        QCOMPARE(app.dialogs.last().title, u"ERREUR..."_s);
        QVERIFY(app.dialogs.last().text.contains(path));
    } else {
        QVERIFY(app.dialogs.shown.isEmpty());
    }
}

void TestHistory::viewKeysAndOtherWindows()
{
    TestApp app;
    app.createFile(u"parties.rtf"_s, writeRtf(sampleLog()));
    const QString help = app.createFile(u"aide/historique.htm"_s);
    frmHistorique window(app.context);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QTest::keyClicks(window.RTF, u"xyz"_s);
    QTest::keyClick(window.RTF, Qt::Key_Return);
    QTest::keyClick(window.RTF, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(window.RTF->toPlainText(), plainText(sampleLog()));
    QVERIFY(window.isVisible());
    QTest::keyClick(window.RTF, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(window.RTF->textCursor().position(), window.RTF->document()->characterCount() - 1);
    QTest::keyClick(window.RTF, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(window.RTF, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), plainText(sampleLog()));

    QTest::keyClick(window.RTF, Qt::Key_F1);
    QCOMPARE(app.opener.opened, QStringList{help});
    QCOMPARE(modalOpenedBy([&] { QTest::keyClick(window.Boutons[Fermer], Qt::Key_F2); }),
             u"frmAbout"_s);
    QCOMPARE(modalOpenedBy([&] { window.Boutons[Rechercher]->click(); }), u"frmRechercher"_s);
    QVERIFY(app.dialogs.shown.isEmpty());
    window.Boutons[Fermer]->click();
    QVERIFY(!window.isVisible());
}

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
