// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/recordstatistic.h"
#include "shared/recordlog.h"
#include "shared/rtf/rtfreader.h"
#include "shared/rtf/rtfwriter.h"
#include "support/childfaults.h"
#include "support/filebytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <cstring>

namespace {

const QLocale French(QLocale::French, QLocale::France);

GameRecord record(const QString &game, const QString &result, QStringList statistic = {})
{
    return {QDateTime(QDate(2026, 12, 6), QTime(9, 5, 3)),
            game,
            QStringLiteral("ÉLODIE"),
            QStringLiteral("00:12:34"),
            std::move(statistic),
            result};
}

} // namespace

class TestRecordLog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Two records in a new log, read back to the letter: only the date lines bold, the player's
    // name with RTF's own characters kept as typed, and only "VRAI" a win.
    void logGrowsOneExactRecordAtATime()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("parties.rtf"));
        QVERIFY(RecordGame(path,
                           record(QStringLiteral("MONTE-CARLO"), QStringLiteral("VRAI"),
                                  {QStringLiteral("Nbre de cartes restantes: 7")}),
                           French)
                    .isEmpty());
        GameRecord tricky = record(QStringLiteral("PYRAMIDE"), QStringLiteral("vrai"));
        tricky.player = QStringLiteral("A}B\\par{ ∑ 😀");
        QVERIFY(RecordGame(path, tricky, French).isEmpty());
        const RtfReadResult read = readRtf(readBytes(path));
        QCOMPARE(read.status, RtfReadResult::Status::Ok);
        const QString date = QStringLiteral("\n[dimanche 6 décembre 2026 - 09:05:03]\n");
        QCOMPARE(plainText(read.text),
                 date +
                     QStringLiteral("Vorelle: MONTE-CARLO\nJoueur: ÉLODIE\nTemps de jeu: "
                                    "00:12:34\nNbre de cartes restantes: 7\nRésultat de la "
                                    "partie: GAGNE\n\n") +
                     date +
                     QStringLiteral("Vorelle: PYRAMIDE\nJoueur: A}B\\par{ ∑ 😀\nTemps de jeu: "
                                    "00:12:34\nRésultat de la partie: PERDU\n\n"));
        for (const RichTextRun &run : read.text)
            QCOMPARE(run.bold, run.text.contains(QLatin1Char('[')));
    }

    // The counts that a game's own test cannot reach: halves and quarters in the French way,
    // only the cards of the deck in play, strict comparisons of the places, no line at all.
    void statisticsCountTheRightCards()
    {
        TableModel model;
        const int carte = model.addGroup(QStringLiteral("Carte"), 52);
        for (int i = 0; i < 9; ++i)
            model.at(carte + i).visible = false;
        for (int i = 9; i < 12; ++i)
            model.at(carte + i).rect.moveTopLeft(QPoint(2001, 4001));
        model.at(carte + 12).rect.moveTopLeft(QPoint(2000, 1000));
        model.at(carte + 40).visible = false; // beyond a 32-card deck
        const auto controls = [](const QString &name) { return u'<' + name + u'>'; };
        const auto lines = [&](const char *game, int deck) {
            return StatisticLines(QString::fromLatin1(game), model, deck, controls, French);
        };
        QCOMPARE(lines("JOSEPHINE", 52), QStringList{QStringLiteral("Nbre de paires trouvées: 5")});
        QCOMPARE(lines("JOSEPHINE", 32),
                 QStringList{QStringLiteral("Nbre de paires trouvées: 4,5")});
        QCOMPARE(lines("LA CLE DES SONGES", 32),
                 QStringList{QStringLiteral("Nbre de paires trouvées: 1,5")});
        QCOMPARE(lines("L'ANNONCE", 52),
                 (QStringList{QStringLiteral("Annonce de départ: <cboAnnonce>"),
                              QStringLiteral("Nbre de carte(s) annoncée(s): 3 sur 52")}));
        QCOMPARE(lines("STEPHANIE", 52),
                 QStringList{QStringLiteral("Nbre de familles trouvées: 0,75")});
        for (const char *game :
             {"LES VOYAGEUSES (1)", "LES VOYAGEUSES (2)", "L'HORLOGE", "ROI ALBERT"})
            QVERIFY(lines(game, 52).isEmpty());
    }

    // A record goes in before the closing brace of a log that reads as sound: every byte of the
    // file stays, even where the end of the file reads otherwise than the writer writes.
    void appendingKeepsEveryByteOfTheLog_data()
    {
        QTest::addColumn<QByteArray>("before");
        RichText three;
        for (const char *game : {"DUO", "PYRAMIDE", "STEPHANIE"})
            for (const RichTextRun &run : RecordText(record(QString::fromLatin1(game), {}), French))
                appendText(three, run.text, run.bold);
        const QByteArray written = writeRtf(three);
        QTest::newRow("trois parties") << written;
        // Legal RTF that swallows the text up to the end of its group: nothing is read.
        const qsizetype first = written.indexOf("\\b \\par");
        QTest::newRow("\\uc qui cache les parties")
            << written.left(first) + "\\uc2147483647 \\u233 " + written.mid(first);
        QTest::newRow("gras et page de code 1251 à la fin")
            << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \\b \\'c0\\par}\r\n");
        QTest::newRow("mot de contrôle contre l'accolade") << QByteArray("{\\rtf1 x\\par}");
        QTest::newRow("fichier vide") << QByteArray();
    }

    void appendingKeepsEveryByteOfTheLog()
    {
        QFETCH(QByteArray, before);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("parties.rtf"));
        QVERIFY(writeBytes(path, before));
        const GameRecord added = record(QStringLiteral("MONTE-CARLO"), QStringLiteral("VRAI"));
        QCOMPARE(RecordGame(path, added, French), QString());

        const QByteArray after = readBytes(path);
        RichText expected = readRtf(before).text;
        for (const RichTextRun &run : RecordText(added, French))
            appendText(expected, run.text, run.bold);
        const RtfReadResult read = readRtf(after);
        QCOMPARE(read.status, RtfReadResult::Status::Ok);
        QCOMPARE(read.text, expected);
        const qsizetype brace = before.lastIndexOf('}');
        QVERIFY(before.isEmpty() || brace > 0);
        QVERIFY(after.startsWith(before.left(brace)));
        QVERIFY(after.endsWith(before.mid(brace)));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("parties.rtf")});
    }

    // A log that cannot be read whole, or not at all, is kept beside the new one, which holds
    // what could be read and the record; when it cannot be kept, nothing is written.
    void unreadableLogIsKeptBeside_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("readable");
        QTest::addColumn<bool>("alreadyKept"); // a "parties.rtf.illisible" is there before
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("tronqué") << QByteArray("{\\rtf1\\ansi {\\b Ancienne partie\\par")
                                 << QStringLiteral("Ancienne partie\n") << false << false;
        // What a crash of the file system leaves: not an empty log.
        QTest::newRow("octets nuls") << QByteArray(4096, '\0') << QString() << true << false;
        QTest::newRow("blancs") << QByteArray(" \r\n\t \r\n") << QString() << false << false;
        QTest::newRow("fin dans une destination")
            << QByteArray("{\\rtf1\\ansi Ancienne partie\\par\\info}")
            << QStringLiteral("Ancienne partie\n") << false << false;
        QTest::newRow("octets nuls, dossier en lecture seule")
            << QByteArray(4096, '\0') << QString() << false << true;
    }

    void unreadableLogIsKeptBeside()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, readable);
        QFETCH(bool, alreadyKept);
        QFETCH(bool, readOnly);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("parties.rtf"));
        QVERIFY(writeBytes(path, before));
        const QString taken = path + QStringLiteral(".illisible");
        if (alreadyKept)
            QVERIFY(writeBytes(taken, "ancien"));
        const QString kept = alreadyKept ? taken + QStringLiteral("-2") : taken;
        const GameRecord added = record(QStringLiteral("DUO"), QStringLiteral("VRAI"));

        if (readOnly)
            QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        ChildFaults faults;
        faults.honourPermissions = readOnly;
        const QString message = RunInChild(faults, [&] { return RecordGame(path, added, French); });
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        if (readOnly) {
            QVERIFY2(message.endsWith(QStringLiteral(").\nIl a été laissé tel quel et la partie "
                                                     "n'a pas été enregistrée.")),
                     qPrintable(message));
            QCOMPARE(readBytes(path), before);
            QVERIFY(!QFileInfo::exists(kept));
            return;
        }
        QVERIFY2(message.startsWith(
                     QStringLiteral("Le fichier des parties PARTIES.RTF était illisible : ")),
                 qPrintable(message));
        QVERIFY(message.contains(QStringLiteral("sous le nom\n") + kept + u'\n'));
        QCOMPARE(readBytes(kept), before);
        if (alreadyKept)
            QCOMPARE(readBytes(taken), QByteArray("ancien"));
        const RtfReadResult read = readRtf(readBytes(path));
        QCOMPARE(read.status, RtfReadResult::Status::Ok);
        QCOMPARE(plainText(read.text), readable + plainText(RecordText(added, French)));
    }

    void faultsLeaveTheLogAsItWas_data()
    {
        QTest::addColumn<int>("records");
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<bool>("readOnly");
        // The reason given, "" for any; a short write names the bytes written.
        QTest::addColumn<QString>("reason");
        const QString tooLarge = QString::fromLocal8Bit(std::strerror(EFBIG));
        const QString shortWrite = QStringLiteral(
            "seuls 8192 octets sur %1 ont pu être écrits, le disque est peut-être plein");
        // Under 16 KiB the whole log would sit in a write buffer until the very end.
        QTest::newRow("disque plein, petit historique") << 3 << qint64(0) << false << tooLarge;
        QTest::newRow("disque plein, grand historique") << 200 << qint64(0) << false << tooLarge;
        // 8 KiB hold 49 records, not 50.
        QTest::newRow("taille limitée, petit historique")
            << 49 << qint64(8192) << false << shortWrite;
        QTest::newRow("taille limitée, grand historique")
            << 200 << qint64(8192) << false << shortWrite;
        QTest::newRow("dossier en lecture seule") << 3 << qint64(-1) << true << QString();
    }

    void faultsLeaveTheLogAsItWas()
    {
        QFETCH(int, records);
        QFETCH(qint64, limit);
        QFETCH(bool, readOnly);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("parties.rtf"));
        RichText log;
        const auto append = [&log](const GameRecord &one) {
            for (const RichTextRun &run : RecordText(one, French))
                appendText(log, run.text, run.bold);
        };
        for (int i = 0; i < records; ++i)
            append(record(QStringLiteral("DUO"), QStringLiteral("VRAI")));
        const QByteArray before = writeRtf(log);
        QVERIFY(writeBytes(path, before));
        QVERIFY(before.size() < 16384 || records > 100);

        const GameRecord added = record(QStringLiteral("PYRAMIDE"), QStringLiteral("FAUX"));
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        ChildFaults faults;
        faults.fileSizeLimit = limit < 0 ? RLIM_INFINITY : rlim_t(limit);
        faults.honourPermissions = readOnly;
        const QString message = RunInChild(faults, [&] { return RecordGame(path, added, French); });
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QVERIFY2(message.startsWith(QStringLiteral(
                     "Impossible d'enregistrer la partie dans le fichier PARTIES.RTF (")),
                 qPrintable(message));
        QVERIFY(message.endsWith(QStringLiteral(").\nL'historique précédent est intact.")));
        if (!reason.isEmpty()) {
            append(added);
            const QString cause = message.section(u'(', 1).section(u')', 0, 0);
            QCOMPARE(cause, reason.arg(writeRtf(log).size()));
        }
        QCOMPARE(readBytes(path), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("parties.rtf")});
    }

    void aFolderInPlaceOfTheLogIsReported()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("parties.rtf"));
        QVERIFY(QDir().mkdir(path));
        const QString message =
            RecordGame(path, record(QStringLiteral("DUO"), QStringLiteral("VRAI")), French);
        QVERIFY2(message.startsWith(QStringLiteral("Impossible")), qPrintable(message));
        QVERIFY(QFileInfo(path).isDir());
    }
};

QTEST_GUILESS_MAIN(TestRecordLog)
#include "tst_recordlog.moc"
