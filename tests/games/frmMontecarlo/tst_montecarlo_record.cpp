#include "games/frmMontecarlo/montecarlogame.h"
#include "shared/recordlog.h"
#include "shared/rtf/richtext.h"
#include "shared/rtf/rtfreader.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace MontecarloTest;

namespace {

const QLocale French(QLocale::French, QLocale::France);

// Plays a game to its end and records it as the window would.
GameRecord playedGame(const QStringList &queue, const QDateTime &when)
{
    Game game(queue);
    game.start();
    for (int pair = 0; pair < Cards::FullDeck / 2 && game.bench.host.results.isEmpty(); ++pair)
        game.pair(0, 1);
    const bool won = game.bench.host.results == QList<bool>{true};
    return {when,
            QString::fromUtf8(game.rules.info().caption),
            QStringLiteral("Camille"),
            QStringLiteral("00:03:07"),
            game.rules.statistic(),
            won ? QStringLiteral("VRAI") : QStringLiteral("FAUX")};
}

// A pair of aces, then a grid without any pair: lost with 25 cards showing.
GameRecord lostGame()
{
    return playedGame(QStringList{card(1, 2), card(1, 3)} + noPairGrid(),
                      QDateTime(QDate(2026, 3, 2), QTime(14, 7, 9)));
}

} // namespace

class TestMontecarloRecord : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lostGameText()
    {
        GameRecord record = lostGame();
        QCOMPARE(plainText(RecordText(record, French)),
                 QStringLiteral("\n[lundi 2 mars 2026 - 14:07:09]\n"
                                "Vorelle: MONTE-CARLO\n"
                                "Joueur: Camille\n"
                                "Temps de jeu: 00:03:07\n"
                                "Nbre de cartes restantes: 25\n"
                                "Résultat de la partie: PERDU\n\n"));
        for (const QString &result : {QStringLiteral("vrai"), QString(), QStringLiteral("GAGNE")}) {
            record.result = result;
            QVERIFY(plainText(RecordText(record, French)).endsWith(QStringLiteral("PERDU\n\n")));
        }
    }

    void twoRecordsInTheLog()
    {
        const GameRecord lost = lostGame();
        const GameRecord won =
            playedGame(winningQueue(), QDateTime(QDate(2026, 3, 2), QTime(14, 17, 9)));
        QCOMPARE(won.result, QStringLiteral("VRAI"));
        QCOMPARE(won.statistic, QStringList{QStringLiteral("Nbre de cartes restantes: 0")});

        QTemporaryDir dir;
        const QString path = LogPath(dir.path() + QLatin1Char('/'));
        QCOMPARE(RecordGame(path, lost, French), QString());
        QCOMPARE(RecordGame(path, won, French), QString());

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const RtfReadResult read = readRtf(file.readAll());
        QCOMPARE(read.status, RtfReadResult::Status::Ok);
        QCOMPARE(plainText(read.text),
                 plainText(RecordText(lost, French)) + plainText(RecordText(won, French)));
        QStringList boldLines;
        for (const RichTextRun &run : read.text) {
            if (run.bold)
                boldLines.append(run.text);
        }
        QCOMPARE(boldLines, (QStringList{QStringLiteral("\n[lundi 2 mars 2026 - 14:07:09]\n"),
                                         QStringLiteral("\n[lundi 2 mars 2026 - 14:17:09]\n")}));
    }
};

QTEST_GUILESS_MAIN(TestMontecarloRecord)
#include "tst_montecarlo_record.moc"
