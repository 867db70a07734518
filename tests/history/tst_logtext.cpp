#include "history/htmlexport.h"
#include "history/richdocument.h"
#include "shared/recordlog.h"

#include <QTest>
#include <QTextDocument>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(RichText)

namespace {

RichText records(int count)
{
    const QLocale french(QLocale::French, QLocale::France);
    RichText log;
    for (int i = 0; i < count; ++i) {
        const GameRecord game{QDateTime(QDate(2026, 12, 6), QTime(9, 5, i)),
                              u"DUO"_s,
                              u"[ALICE]"_s,
                              u"00:03:12"_s,
                              {u"Cartes restantes: 4"_s},
                              i % 2 ? u"VRAI"_s : u"FAUX"_s};
        for (const RichTextRun &run : RecordText(game, french))
            appendText(log, run.text, run.bold);
    }
    return log;
}

} // namespace

// The log as the history window shows it and as it exports it to a web page.
class TestLogText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void viewGivesTheTextBackWithAParagraphPerRecord_data()
    {
        QTest::addColumn<RichText>("text");
        QTest::addColumn<int>("paragraphs");
        QTest::newRow("empty") << RichText{} << 1;
        // The empty line before the first record is a paragraph of its own.
        QTest::newRow("three records") << records(3) << 4;
        QString lines;
        for (int i = 0; i < 200; ++i)
            lines += u"ligne %1\n"_s.arg(i);
        QTest::newRow("no record, 201 lines") << RichText{{lines, false}} << 4;
        QTest::newRow("a record starting a bold run")
            << RichText{{u"avant\n"_s, false}, {u"[date]\nVorelle: DUO\n"_s, true}} << 2;
        QTest::newRow("breaks of every kind")
            << RichText{{u"\n\n[\n[x]\n"_s, true}, {u"\n\n"_s, false}, {u"[\n"_s, true}} << 4;
    }

    void viewGivesTheTextBackWithAParagraphPerRecord()
    {
        QFETCH(RichText, text);
        QFETCH(int, paragraphs);
        QTextDocument document;
        setRichText(document, text);
        QCOMPARE(document.blockCount(), paragraphs);
        QCOMPARE(richText(document), text);
        QCOMPARE(document.toPlainText(), plainText(text));
        // A second load replaces the first.
        setRichText(document, text);
        QCOMPARE(richText(document), text);
    }

    void pageLines_data()
    {
        QTest::addColumn<RichText>("log");
        QTest::addColumn<QString>("lines");
        QTest::newRow("empty log") << RichText{} << u"<br>\r\n"_s;
        QTest::newRow("one line break") << RichText{{u"\n"_s, false}} << u"<br>\r\n"_s;
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
        QVERIFY(page.endsWith(u"</body>\r\n</html>\r\n\r\n"_s));
    }
};

QTEST_MAIN(TestLogText)
#include "tst_logtext.moc"
