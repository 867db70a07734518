// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/gamecatalog.h"
#include "shared/rtf/rtfwriter.h"
#include "statistics/gamestatistics.h"
#include "statistics/recordfields.h"
#include "statistics/statisticsmodel.h"
#include "statistics/statisticstable.h"
#include "statisticslog.h"
#include "support/filebytes.h"
#include "support/toolrun.h"

#include <QFile>
#include <QTest>
#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace Statistics;

namespace {

const QString MonteCarlo = u"MONTE-CARLO"_s;
const QString Voyageuses = u"LES VOYAGEUSES (1)"_s;

int row(const QString &menuName)
{
    return int(GameCatalog::GameNames().indexOf(menuName));
}

// The texts of a row from the given column to the median time, joined by '|'.
QString texts(const GameSummary &summary, int from = PlayedColumn)
{
    QStringList cells;
    for (int column = from; column < SummaryColumnCount; ++column)
        cells.append(cellText(summary, Column(column)));
    return cells.join(u'|');
}

// The games' names down the sorted table.
QStringList sortedNames(StatisticsSortModel &sorted, int column, Qt::SortOrder order)
{
    sorted.sort(column, order);
    QStringList names;
    for (int r = 0; r < sorted.rowCount(); ++r)
        names.append(sorted.index(r, GameColumn).data().toString());
    return names;
}

ToolRun stats(const QStringList &arguments, const QString &folder = {})
{
    return runTool(QStringLiteral(VORELLES_STATS_BINARY), arguments, {}, folder);
}

} // namespace

class TestStatistics : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void streaksFollowTheFileAcrossPlayersAndGames()
    {
        WrittenLog log;
        log.add(MonteCarlo, u"ALICE"_s, u"00:01:00"_s, true);
        log.add(Voyageuses, u"ALICE"_s, u"00:02:00"_s, true);
        log.add(MonteCarlo, u"BRUNO"_s, u"00:03:00"_s, true);
        log.add(MonteCarlo, u"ALICE"_s, u"00:04:00"_s, true);
        log.add(MonteCarlo, u"BRUNO"_s, u"00:05:00"_s, false);
        log.add(Voyageuses, u"ALICE"_s, u"00:06:00"_s, false);
        const LogRecords records = log.read();
        QCOMPARE(records.games.size(), 6);
        QCOMPARE(playerNames(records.games), QStringList({u"ALICE"_s, u"BRUNO"_s}));

        const int mc = row(u"Monte-Carlo"_s);
        const int voy = row(u"Les voyageuses (1)"_s);
        const auto all = summariseByGame(records.games, std::nullopt);
        const auto alice = summariseByGame(records.games, u"ALICE"_s);
        const auto bruno = summariseByGame(records.games, u"BRUNO"_s);
        // played, won, lost, %, current, longest won, longest lost, best, mean, median
        QCOMPARE(texts(all[TotalRow]), u"6|4|2|66,7|2 perdues|4|2|00:01:00|00:03:30|00:03:30"_s);
        QCOMPARE(texts(all[mc], PercentColumn), u"75,0|1 perdue|3|1|00:01:00|00:03:15|00:03:30"_s);
        QCOMPARE(texts(alice[TotalRow]).section(u'|', 3, 6), u"75,0|1 perdue|3|1"_s);
        QCOMPARE(texts(alice[mc]).section(u'|', 3, 6), u"100,0|2 gagnées|2|0"_s);
        QCOMPARE(texts(alice[voy]).section(u'|', 3, 6), u"50,0|1 perdue|1|1"_s);
        QCOMPARE(texts(bruno[mc]), texts(bruno[TotalRow]));
        QCOMPARE(texts(bruno[voy]), u"0|0|0|||||||"_s);
    }

    void timesPastADayTiesAndNoWin()
    {
        WrittenLog log;
        log.add(MonteCarlo, u"ALICE"_s, u"27:13:09"_s, true);
        log.add(MonteCarlo, u"ALICE"_s, u"00:00:50"_s, false);
        log.add(MonteCarlo, u"ALICE"_s, u"27:13:09"_s, true);
        log.add(MonteCarlo, u"ALICE"_s, u"100:00:01"_s, false);
        log.add(Voyageuses, u"ALICE"_s, u"00:00:01"_s, false);
        log.add(Voyageuses, u"ALICE"_s, u"00:00:02"_s, true);
        for (int i = 0; i < 3; ++i)
            log.add(u"PYRAMIDE"_s, QString(), u"00:10:00"_s, false);
        const LogRecords records = log.read();
        QCOMPARE(playerNames(records.games), QStringList({QString(), u"ALICE"_s}));
        const auto rows = summariseByGame(records.games, std::nullopt);
        // The two equal best times are one best; the median of an even count is the mean of
        // the middle two, and halves of a second round up.
        QCOMPARE(texts(rows[row(u"Monte-Carlo"_s)], BestTimeColumn),
                 u"27:13:09|38:36:47|27:13:09"_s);
        QCOMPARE(texts(rows[row(u"Les voyageuses (1)"_s)], BestTimeColumn),
                 u"00:00:02|00:00:02|00:00:02"_s);
        QCOMPARE(texts(rows[row(u"Pyramide"_s)]), u"3|0|3|0,0|3 perdues|0|3||00:10:00|00:10:00"_s);
        QCOMPARE(ParseClock(u"1234:59:59"_s), std::optional<qint64>(1234 * 3600 + 3599));
        for (const QString &bad :
             {u"00:60:00"_s, u"1:2:3"_s, u"-1:00:00"_s, u"1234567890:00:00"_s, u"٠٠:٠٠:٠٠"_s})
            QVERIFY2(!ParseClock(bad), qPrintable(bad));
    }

    // Written backwards, 32 days apart: every month once, the weekdays round the whole week.
    // Dates come back as written, streaks follow the file and months the calendar.
    void datesInFrenchStreaksByFileMonthsByCalendar()
    {
        WrittenLog log;
        QList<QDateTime> dates;
        for (int i = 0; i < 12; ++i) {
            dates.append(QDateTime(QDate(2026, 12, 31).addDays(-32 * i), QTime(i + 12, 59, 7)));
            log.add(MonteCarlo, u"ALICE"_s, u"00:01:00"_s, i != 8, dates.constLast());
        }
        log.add(MonteCarlo, u"ALICE"_s, u"00:01:00"_s, true,
                QDateTime(QDate(2026, 4, 2), QTime(12, 0)));
        const QList<PlayedGame> games = log.read().games;
        for (int i = 0; i < 12; ++i)
            QCOMPARE(games[i].when, dates[i]);
        const GameSummary summary = summariseByGame(games, std::nullopt)[TotalRow];
        QCOMPARE(summary.currentStreak, 4);
        QCOMPARE(summary.longestWinStreak, 8);

        const QList<MonthResults> months = resultsByMonth(games, u"ALICE"_s, std::nullopt);
        QCOMPARE(months.size(), 12);
        QCOMPARE(months[0].month, QDate(2026, 1, 1));
        QCOMPARE(months[11].month, QDate(2026, 12, 1));
        QVERIFY(months[3].played == 2 && months[3].won == 1);
        QVERIFY(resultsByMonth(games, u"BRUNO"_s, std::nullopt).isEmpty());
        QVERIFY(resultsByMonth(games, std::nullopt, row(u"Duo"_s)).isEmpty());

        const QDateTime feb3(QDate(2025, 2, 3), QTime(7, 8, 9));
        const std::pair<QString, QDateTime> others[] = {
            {u"LUNDI 3 FEVRIER 2025 - 07:08:09"_s, feb3},
            {u"Monday 3 February 2025 - 7:08:09"_s, feb3},
            {u"jeudi 14 juil. 2022 - 23:00:00"_s, {QDate(2022, 7, 14), QTime(23, 0)}},
            {u"mardi 31 février 2025 - 07:08:09"_s, {}},
            {u"mardi 3 brumaire 2025 - 07:08:09"_s, {}},
            {u"mardi 3 mars 2025 - 24:00:00"_s, {}},
            {u"mardi 3 mars 2025"_s, {}},
        };
        for (const auto &[text, expected] : others)
            QCOMPARE(ParseRecordDate(text).value_or(QDateTime()), expected);
    }

    void unreadableRecordsAreSkippedAndCounted()
    {
        const QDateTime when(QDate(2026, 5, 1), QTime(8, 0));
        RichText text;
        const auto add = [&](const QString &caption, const QString &clock, const QString &result) {
            for (const RichTextRun &run :
                 RecordText({when, caption, u"ALICE"_s, clock, {u"Cartes restantes: 3"_s}, result},
                            QLocale(QLocale::French, QLocale::France)))
                appendText(text, run.text, run.bold);
        };
        const auto raw = [&](const QString &lines) { appendText(text, lines, false); };
        raw(u"Texte perdu avant la première partie\n"_s);
        add(MonteCarlo, u"00:01:00"_s, u"VRAI"_s);
        add(u"SOLITAIRE"_s, u"00:01:00"_s, u"VRAI"_s); // not one of ours
        add(MonteCarlo, u"une minute"_s, u"VRAI"_s);   // no clock
        raw(u"\n[un jour de mai]\nVorelle: DUO\nJoueur: ALICE\nTemps de jeu: 00:01:00\n"
            "Résultat de la partie: PERDU\n"_s);                         // no date
        raw(u"Vorelle: DUO\nJoueur: ALICE\nTemps de jeu: 00:01:00\n"_s); // date lost, no result
        add(MonteCarlo, u"00:02:00"_s, u"FAUX"_s);
        raw(u"\n[vendredi 1 mai 2026 - 08:00:00]\nVorelle: DUO\nJoueur: ALICE\n"
            "Temps de jeu: 00:01:00\nRésultat de la partie: NUL\n"_s); // no result
        raw(u"\n[vendredi 1 mai 2026 - 08:00:00]\nVorelle: DUO\nTemps de jeu: 00:01:00\n"
            "Résultat de la partie: GAGNE\n"_s); // no player
        add(Voyageuses, u"00:03:00"_s, u"VRAI"_s);

        const LogRecords records = ReadRecords(text);
        QCOMPARE(records.unreadable, 7);
        QCOMPARE(records.games.size(), 3);
        QVERIFY(records.games[1].seconds == 120 && !records.games[1].won);
        QCOMPARE(records.games[2].game, row(u"Les voyageuses (1)"_s));
        QCOMPARE(UnreadableNote(7), u"7 parties illisibles ignorées"_s);
    }

    void hostileFilesGiveWhatCanBeRead()
    {
        WrittenLog log;
        log.add(MonteCarlo, u"ALICE"_s, u"00:01:00"_s, true);
        log.add(MonteCarlo, u"ALICE"_s, u"00:02:00"_s, false);
        const QByteArray whole = readBytes(log.path);
        const auto readWritten = [&](const QByteArray &bytes) {
            [&] { QVERIFY(writeBytes(log.path, bytes)); }();
            return ReadLogFile(log.path);
        };
        // Cut inside the second record's result: the first counts, the second is unreadable.
        const LogFile cut = readWritten(whole.left(whole.lastIndexOf("PERDU") + 2));
        QVERIFY(cut.status == LogFile::Status::Read && !cut.message.isEmpty());
        QVERIFY(cut.records.games.size() == 1 && cut.records.unreadable == 1);
        // Groups past any sensible depth, never closed: the records inside still count.
        const qsizetype firstLine = whole.indexOf("\\par");
        const LogFile nested =
            readWritten(whole.left(firstLine) + QByteArray(100'000, '{') + whole.mid(firstLine));
        QVERIFY(nested.status == LogFile::Status::Read && !nested.message.isEmpty());
        QCOMPARE(nested.records.games.size(), 2);
        QCOMPARE(readWritten("Vorelle: DUO").status, LogFile::Status::Unreadable);
    }

    // The odds come from the provider by menu name. Equal values keep the menu's order in both
    // directions; dashes and then the total row stay last.
    void oddsAndSorting()
    {
        WrittenLog log;
        log.add(u"DUO"_s, u"ALICE"_s, u"00:01:00"_s, false);
        log.add(MonteCarlo, u"ALICE"_s, u"00:01:00"_s, true);
        log.add(u"CARRE"_s, u"ALICE"_s, u"00:01:00"_s, false);
        log.add(u"CARRE"_s, u"ALICE"_s, u"00:01:00"_s, true);
        QStringList asked;
        StatisticsModel model([&asked](const QString &name) -> std::optional<double> {
            asked.append(name);
            return name == u"Les voyageuses (1)"_s ? std::optional(0.30799) : std::nullopt;
        });
        QCOMPARE(asked, GameCatalog::GameNames());
        model.setRows(summariseByGame(log.read().games, std::nullopt));
        const auto odds = [&model](int r) {
            return model.index(r, StatisticsModel::OddsColumn).data().toString();
        };
        QCOMPARE(odds(row(u"Les voyageuses (1)"_s)), u"30,80\u00A0%"_s);
        QCOMPARE(odds(TotalRow), u"–"_s);

        StatisticsSortModel sorted;
        sorted.setSourceModel(&model);
        const QStringList ascending = sortedNames(sorted, PercentColumn, Qt::AscendingOrder);
        QCOMPARE(ascending.mid(0, 4),
                 QStringList({u"Duo"_s, u"Carré"_s, u"Monte-Carlo"_s, u"Carnaval à Rio"_s}));
        QCOMPARE(ascending.last(), rowName(TotalRow));
        const QStringList descending = sortedNames(sorted, PercentColumn, Qt::DescendingOrder);
        QCOMPARE(descending.mid(0, 4),
                 QStringList({u"Monte-Carlo"_s, u"Carré"_s, u"Duo"_s, u"Carnaval à Rio"_s}));
        QCOMPARE(descending.last(), rowName(TotalRow));
        QCOMPARE(sortedNames(sorted, LostColumn, Qt::DescendingOrder).mid(0, 4),
                 QStringList({u"Carré"_s, u"Duo"_s, u"Carnaval à Rio"_s, u"Duo de rêve"_s}));
        QCOMPARE(sortedNames(sorted, GameColumn, Qt::DescendingOrder).last(), rowName(TotalRow));
        QCOMPARE(sorted.headerData(GameColumn, Qt::Horizontal).toString(), u"Vorelle\n▼"_s);
    }

    // Everyone's table, then one per player; without an argument, the log beside the tool.
    void toolPrintsARowPerPlayerAndGame()
    {
        WrittenLog log;
        log.add(u"L'ANNONCE"_s, u"BRUNO"_s, u"00:01:00"_s, true);
        log.add(u"L'ANNONCE"_s, u"A;\"B\""_s, u"26:00:00"_s, false);
        log.add(u"L'ANNONCE"_s, u"A;\"B\""_s, u"00:00:61"_s, false);
        const ToolRun run = stats({log.path});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err, u"vorelles-stats : 1 partie illisible ignorée\n"_s);
        const QStringList lines = run.out.split(u'\n');
        QCOMPARE(lines.size(), 3 * RowCount + 2);
        QVERIFY(lines.contains(u"Tous les joueurs;L'annonce;2;1;1;50,0;1 perdue;1;1;00:01:00;"
                               "13:00:30;13:00:30"_s));
        QCOMPARE(lines[18], u"\"A;\"\"B\"\"\";Carnaval à Rio;0;0;0;;;;;;;"_s);
        QVERIFY(lines[51].startsWith(u"BRUNO;Toutes les vorelles;1;1;0;"_s));
        QCOMPARE(lines.last(), QString());

        const QString copy = log.dir.filePath(u"vorelles-stats"_s);
        QVERIFY(QFile::copy(QStringLiteral(VORELLES_STATS_BINARY), copy));
        QCOMPARE(runTool(copy, {}).out, run.out);
    }

    void toolRefusesBadInput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        const QString usage = u"utilisation : vorelles-stats [FICHIER]"_s;
        QTest::newRow("missing") << QStringList{u"absent.rtf"_s}
                                 << u"Le fichier des parties absent.rtf est introuvable."_s;
        QTest::newRow("not a log") << QStringList{u"notes.rtf"_s}
                                   << u"Le fichier des parties notes.rtf est illisible : Le "
                                      "fichier n'est pas au format RTF."_s;
        QTest::newRow("folder")
            << QStringList{u"."_s}
            << u"Impossible de lire le fichier des parties . : c'est un dossier"_s;
        // Refused unread: an endless source, a pipe that waits for a writer, a file past the limit.
        const QString notRegular = u"ce n'est pas un fichier ordinaire"_s;
        QTest::newRow("device") << QStringList{u"/dev/zero"_s}
                                << u"Impossible de lire le fichier des parties /dev/zero : "_s +
                                       notRegular;
        QTest::newRow("named pipe")
            << QStringList{u"tube"_s}
            << u"Impossible de lire le fichier des parties tube : "_s + notRegular;
        QTest::newRow("too large")
            << QStringList{u"immense.rtf"_s}
            << u"Impossible de lire le fichier des parties immense.rtf : il dépasse 256 Mo, la "
               "taille la plus grande lue"_s;
        QTest::newRow("two files") << QStringList{u"a.rtf"_s, u"b.rtf"_s} << usage;
        QTest::newRow("option") << QStringList{u"--aide"_s} << usage;
    }

    void toolRefusesBadInput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QVERIFY(writeBytes(dir.filePath(u"notes.rtf"_s), "Bonjour"));
        QVERIFY(mkfifo(QFile::encodeName(dir.filePath(u"tube"_s)).constData(), 0600) == 0);
        QFile immense(dir.filePath(u"immense.rtf"_s)); // sparse: takes no room on the disk
        QVERIFY(immense.open(QIODevice::WriteOnly) && immense.resize(MaxLogFileSize + 1));
        immense.close();
        const ToolRun run = stats(arguments, dir.path());
        QCOMPARE(run.status, 2);
        QCOMPARE(run.err, u"vorelles-stats : "_s + message + u'\n');
        QCOMPARE(run.out, QString());
    }
};

QTEST_GUILESS_MAIN(TestStatistics)
#include "tst_statistics.moc"
