// SPDX-License-Identifier: GPL-3.0-or-later
// Indice followed move by move from positions a careless player reached, in every game with
// choices: the hint is the first move of the line the search proved, the position after it has
// the rest of that line waiting (no new search), the game is won within the number of moves first
// announced, and no position comes back. A lost position's best line is followed the same way.
#include "catalog/gamecatalog.h"
#include "games/pyramide/pyramiderules.h"
#include "games/randomplayer.h"
#include "solver/positionkey.h"
#include "solver/solverline.h"

#include <QHash>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Followed {
    int starts = 0;
    int positions = 0;
    int won = 0;
    int lost = 0;
};

// Follows the hints from where the session stands; "" when every promise held.
QString follow(GameSession &session, const QuietHost &host, const Solver &solver, Followed &tally)
{
    QHash<QByteArray, SolverAnswer> known;
    QSet<QByteArray> seen;
    const std::atomic<bool> cancel{false};
    const auto key = [&session, &host] {
        return SolverPositionKey(session.rules().table(), true, host.prompt());
    };
    const QByteArray start = key();
    SolverAnswer first = solver.prepare(session.rules())->run(cancel);
    if (first.verdict == SolverAnswer::Verdict::Unknown)
        return QStringLiteral("no verdict");
    for (const auto &[position, answer] : AnswersAlong(session, solver, first))
        known.insert(position, answer);
    if (!known.contains(start))
        return QStringLiteral("the line was not kept: it does not play through the rules");
    ++tally.starts;
    const qsizetype announced = first.line.size();
    const qsizetype endsBefore = host.results.size();
    for (qsizetype played = 0; session.inProgress() && host.results.size() == endsBefore;
         ++played) {
        const QByteArray here = key();
        if (seen.contains(here))
            return QStringLiteral("position met again after %1 moves").arg(played);
        seen.insert(here);
        ++tally.positions;
        const auto answer = known.constFind(here);
        if (answer == known.cend())
            return QStringLiteral("no answer waiting after %1 moves").arg(played);
        if (answer->verdict != first.verdict || answer->line.size() != announced - played)
            return QStringLiteral("the answer after %1 moves is not the rest of the line")
                .arg(played);
        if (answer->line.isEmpty())
            break; // a lost game's best line played out
        PlaySolverMove(session, answer->line.first());
    }
    const QList<bool> ends = host.results.mid(endsBefore);
    if (first.verdict == SolverAnswer::Verdict::Winnable) {
        if (ends != QList<bool>{true})
            return QStringLiteral("the line did not win");
        ++tally.won;
    } else {
        if (ends.contains(true))
            return QStringLiteral("a lost game was won");
        ++tally.lost;
    }
    return {};
}

} // namespace

class TestHintLine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void hintsFollowOneLineToTheEnd_data()
    {
        QTest::addColumn<QString>("game");
        for (const GameInfo &info : GameCatalog::all()) {
            if (info.makeSolver && !info.odds)
                QTest::newRow(info.menuName) << QString::fromUtf8(info.menuName);
        }
    }
    void hintsFollowOneLineToTheEnd()
    {
        QFETCH(QString, game);
        const auto solver = GameCatalog::solverFor(game);
        const int starts = qEnvironmentVariableIntValue("VORELLES_HINT_STARTS") > 0
                               ? qEnvironmentVariableIntValue("VORELLES_HINT_STARTS")
                               : 12;
        QTemporaryDir folder;
        Followed tally;
        for (int seed = 1; seed <= starts; ++seed) {
            RandomPlayer player(game, folder.filePath(QString::number(seed) + ".ini"),
                                quint32(seed));
            QCOMPARE(player.play(20 * seed % 300), QString());
            GameSession &session = player.session();
            if (session.waitingForPlay())
                session.play();
            if (!session.inProgress())
                continue;
            const QString broken = follow(session, player.host(), *solver, tally);
            QVERIFY2(broken.isEmpty(),
                     qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(broken)));
        }
        qInfo("%s: %d starts, %d positions, %d won, %d lost", qPrintable(game), tally.starts,
              tally.positions, tally.won, tally.lost);
        QVERIFY(tally.starts >= starts / 2);
    }

    // Pyramide's deal n° 1 followed by its own line until at most eight cards are left on the
    // pyramid: from there the hints once went from hole to hole and back without end.
    void pyramideDealOneFromEightCards()
    {
        QTemporaryDir folder;
        RandomPlayer player(QStringLiteral("Pyramide"), folder.filePath(QStringLiteral("p.ini")),
                            1);
        GameSession &session = player.session();
        session.deal(1);
        session.play();
        const auto cardsLeft = [&session] {
            int left = 0;
            for (int place = 0; place < PyramideRules::Places; ++place)
                left += session.rules().table().at(PyramideRules::FirstPlace + place).tag.isEmpty()
                            ? 0
                            : 1;
            return left;
        };
        const auto solver = GameCatalog::solverFor(QStringLiteral("Pyramide"));
        const std::atomic<bool> cancel{false};
        const SolverAnswer line = solver->prepare(session.rules())->run(cancel);
        for (const SolverMove &move : line.line) {
            if (cardsLeft() <= 8)
                break;
            PlaySolverMove(session, move);
        }
        QVERIFY(session.inProgress());
        QVERIFY(cardsLeft() <= 8);
        Followed tally;
        QCOMPARE(follow(session, player.host(), *solver, tally), QString());
        QCOMPARE(tally.won, 1);
    }
};

QTEST_GUILESS_MAIN(TestHintLine)
#include "tst_hintline.moc"
