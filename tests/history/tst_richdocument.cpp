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

class TestRichDocument : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void givesTheTextBackWithAParagraphPerRecord_data()
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

    void givesTheTextBackWithAParagraphPerRecord()
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
};

QTEST_MAIN(TestRichDocument)
#include "tst_richdocument.moc"
