#include "history/htmlexport.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(RichText)

class TestHtmlExport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wholePage()
    {
        const QDateTime created(QDate(2026, 12, 6), QTime(9, 5, 3));
        const QString page =
            HistoryPage({{u"Joueur: Alice"_s, false}}, {u"1.2.3"_s, created, u"file:///l'as&co"_s});

        QVERIFY(page.startsWith(
            u"<html>\r\n<head>\r\n<meta http-equiv='content-type' "
            "content='text/html; charset=utf-8'>\r\n<title>VORELLES</title>\r\n"_s));
        QVERIFY(page.contains(u"</table><hr size='1' color='#000000'>\r\n<font face='Arial' "
                              "size='2'>\r\nJoueur: Alice<br>\r\n</font><hr"_s));
        QVERIFY(page.contains(u"VORELLES, version 1.2.3 — © Les développeurs de Vorelles, 2026"_s));
        QVERIFY(page.contains(u"href='file:///l&#39;as&amp;co'"_s));
        QVERIFY(
            page.contains(u"Fichier cr&eacute;&eacute; le dimanche 6 décembre 2026 - 09:05:03"_s));
        QVERIFY(page.endsWith(u"</body>\r\n</html>\r\n\r\n"_s));
    }

    void logLines_data()
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

    void logLines()
    {
        QFETCH(RichText, log);
        QFETCH(QString, lines);
        // The log lines lie between the opening font tag and the closing one.
        QCOMPARE(HistoryPage(log, {u"1.0.0"_s, QDateTime::currentDateTime(), {}})
                     .section(u"<font face='Arial' size='2'>\r\n"_s, 1)
                     .section(u"</font><hr"_s, 0, 0),
                 lines);
    }
};

QTEST_GUILESS_MAIN(TestHtmlExport)
#include "tst_htmlexport.moc"
