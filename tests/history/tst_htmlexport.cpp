#include "history/htmlexport.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(RichText)

namespace {

// The log lines of a page: what lies between the opening font tag and the closing one.
QString body(const QString &page)
{
    const QString open = u"<font face='Arial' size='2'>\r\n"_s;
    const qsizetype start = page.indexOf(open) + open.size();
    return page.mid(start, page.indexOf(u"</font><hr"_s, start) - start);
}

} // namespace

class TestHtmlExport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wholePage();
    void logLines_data();
    void logLines();
};

void TestHtmlExport::wholePage()
{
    const QDateTime created(QDate(2026, 12, 6), QTime(9, 5, 3));
    const QString page =
        HistoryPage({{u"Joueur: Alice"_s, false}}, {u"1.2.3"_s, created, u"file:///l'as&co"_s});

    QVERIFY(
        page.startsWith(u"<html>\r\n<head>\r\n<meta http-equiv='content-type' "
                        "content='text/html; charset=utf-8'>\r\n<title>VORELLES</title>\r\n"_s));
    QVERIFY(page.contains(u"</table><hr size='1' color='#000000'>\r\n<font face='Arial' "
                          "size='2'>\r\nJoueur: Alice<br>\r\n</font><hr"_s));
    QVERIFY(page.contains(u"VORELLES, version 1.2.3 — © Les développeurs de Vorelles, 2026"_s));
    QVERIFY(page.contains(u"href='file:///l&#39;as&amp;co'"_s));
    QVERIFY(page.contains(u"Fichier cr&eacute;&eacute; le dimanche 6 décembre 2026 - 09:05:03"_s));
    QVERIFY(page.endsWith(u"</body>\r\n</html>\r\n\r\n"_s));
}

void TestHtmlExport::logLines_data()
{
    QTest::addColumn<RichText>("log");
    QTest::addColumn<QString>("lines");

    QTest::newRow("empty log") << RichText{} << u"<br>\r\n"_s;
    QTest::newRow("one line break") << RichText{{u"\n"_s, false}} << u"<br>\r\n"_s;
    QTest::newRow("last line without break")
        << RichText{{u"a\nb"_s, false}} << u"a<br>\r\nb<br>\r\n"_s;
    QTest::newRow("last line with break")
        << RichText{{u"a\nb\n"_s, false}} << u"a<br>\r\nb<br>\r\n"_s;
    QTest::newRow("a record") << RichText{{u"\n[d]\n"_s, true}, {u"x\n\n"_s, false}}
                              << u"<b></b><br>\r\n<b>[d]</b><br>\r\nx<br>\r\n<br>\r\n"_s;
    QTest::newRow("bold text, plain break")
        << RichText{{u"T"_s, true}, {u"\n\n"_s, false}, {u"\n"_s, true}}
        << u"<b>T</b><br>\r\n<br>\r\n<b></b><br>\r\n"_s;
    QTest::newRow("partly bold line")
        << RichText{{u"Joueur: "_s, false}, {u"Bob"_s, true}, {u"\nfin"_s, false}}
        << u"Joueur: Bob<br>\r\nfin<br>\r\n"_s;
    QTest::newRow("markup in a name")
        << RichText{{u"Joueur: <b>A&B</b> \"l'as\"\n"_s, false}, {u"<i>x</i>"_s, true}}
        << u"Joueur: &lt;b&gt;A&amp;B&lt;/b&gt; &quot;l&#39;as&quot;<br>\r\n"
           "<b>&lt;i&gt;x&lt;/i&gt;</b><br>\r\n"_s;
}

void TestHtmlExport::logLines()
{
    QFETCH(RichText, log);
    QFETCH(QString, lines);
    QCOMPARE(body(HistoryPage(log, {u"1.0.0"_s, QDateTime::currentDateTime(), {}})), lines);
}

QTEST_GUILESS_MAIN(TestHtmlExport)
#include "tst_htmlexport.moc"
