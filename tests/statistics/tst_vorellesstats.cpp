#include "statisticslog.h"

#include <QFile>
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Run {
    int exitCode;
    QString out;
    QString err;
};

Run stats(const QStringList &arguments,
          const QString &binary = QStringLiteral(VORELLES_STATS_BINARY))
{
    QProcess process;
    process.start(binary, arguments);
    process.waitForFinished(60'000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

class TestVorellesStats : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Everyone's table, then one per player; without an argument, the log beside the tool.
    void printsARowPerPlayerAndGame()
    {
        WrittenLog log;
        log.add(u"L'ANNONCE"_s, u"BRUNO"_s, u"00:01:00"_s, true);
        log.add(u"L'ANNONCE"_s, u"A;\"B\""_s, u"26:00:00"_s, false);
        log.add(u"L'ANNONCE"_s, u"A;\"B\""_s, u"00:00:61"_s, false);
        const Run run = stats({log.path});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, u"vorelles-stats : 1 partie illisible ignorée\n"_s);
        const QStringList lines = run.out.split(u'\n');
        QCOMPARE(lines.size(), 3 * 17 + 2);
        QVERIFY(lines.contains(u"Tous les joueurs;L'annonce;2;1;1;50,0;1 perdue;1;1;00:01:00;"
                               "13:00:30;13:00:30"_s));
        QCOMPARE(lines[18], u"\"A;\"\"B\"\"\";Carnaval à Rio;0;0;0;;;;;;;"_s);
        QVERIFY(lines[51].startsWith(u"BRUNO;Toutes les vorelles;1;1;0;"_s));
        QCOMPARE(lines.last(), QString());

        const QString copy = log.dir.filePath(u"vorelles-stats"_s);
        QVERIFY(QFile::copy(QStringLiteral(VORELLES_STATS_BINARY), copy));
        QCOMPARE(stats({}, copy).out, run.out);
    }

    void badInputIsRefused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("content"); // written to the file named first when not null
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << QStringList{u"absent.rtf"_s} << QByteArray()
                                 << u"Le fichier des parties absent.rtf est introuvable."_s;
        QTest::newRow("not a log") << QStringList{u"notes.rtf"_s} << QByteArray("Bonjour")
                                   << u"Le fichier des parties notes.rtf est illisible : Le "
                                      "fichier n'est pas au format RTF."_s;
        QTest::newRow("folder") << QStringList{u"."_s} << QByteArray()
                                << u"Impossible de lire le fichier des parties . : c'est un "
                                   "dossier"_s;
        QTest::newRow("two files") << QStringList{u"a.rtf"_s, u"b.rtf"_s} << QByteArray()
                                   << u"utilisation : vorelles-stats [FICHIER]"_s;
        QTest::newRow("option") << QStringList{u"--aide"_s} << QByteArray()
                                << u"utilisation : vorelles-stats [FICHIER]"_s;
    }

    void badInputIsRefused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QVERIFY(QDir::setCurrent(dir.path()));
        if (!content.isNull()) {
            QFile file(arguments[0]);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        }
        const Run run = stats(arguments);
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.err, u"vorelles-stats : "_s + message + u'\n');
        QCOMPARE(run.out, QString());
    }
};

QTEST_GUILESS_MAIN(TestVorellesStats)
#include "tst_vorellesstats.moc"
