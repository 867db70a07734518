// SPDX-License-Identifier: GPL-3.0-or-later
// What a search's answer costs the window's thread: AnswersAlong plays the game's log again on a
// copy, then the answer's line, to hand every position of the line its rest. Games are started
// by a careless player (seeded), then the solver's line is followed half way, searched again,
// and so on for a few rounds, so that the log grows as a long game's does; each AnswersAlong is
// timed (wall clock and the thread's CPU) with the events of the log it replayed.
//
// Run: taskset -c 0 build/bench/bench_hintline [STARTS] [GAME...]
// (40 starts, every game with choices by default)

#include "benchfigures.h"
#include "catalog/gamecatalog.h"
#include "games/randomplayer.h"
#include "solver/solverline.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <time.h>

namespace {

constexpr int Rounds = 12;

void bench(const QString &game, int starts)
{
    const auto solver = GameCatalog::solverFor(game);
    QTemporaryDir folder;
    std::vector<double> millis;
    std::vector<double> cpu;
    std::size_t longestLog = 0;
    double slowestPerEvent = 0;
    for (int seed = 1; seed <= starts; ++seed) {
        RandomPlayer player(game, folder.filePath(QString::number(seed) + ".ini"), quint32(seed));
        player.play(20 * seed % 300);
        GameSession &session = player.session();
        if (session.waitingForPlay())
            session.play();
        const std::atomic<bool> going{false};
        const qsizetype endsBefore = player.host().results.size();
        // A lost position's best line, searched again half way, may lead back: a few rounds.
        for (int round = 0;
             round < Rounds && session.inProgress() && player.host().results.size() == endsBefore;
             ++round) {
            const SolverAnswer answer = solver->prepare(session.rules())->run(going);
            if (answer.line.isEmpty())
                break;
            const std::size_t events = session.saved().events.size();
            QElapsedTimer clock;
            clock.start();
            const double began = threadMillis();
            const QList<PositionAnswer> along = AnswersAlong(session, *solver, answer);
            cpu.push_back(threadMillis() - began);
            millis.push_back(double(clock.nsecsElapsed()) / 1e6);
            longestLog = std::max(longestLog, events);
            slowestPerEvent =
                std::max(slowestPerEvent, cpu.back() / double(events + answer.line.size()));
            if (along.isEmpty())
                break;
            for (qsizetype move = 0; move < (answer.line.size() + 1) / 2; ++move)
                PlaySolverMove(session, answer.line.at(move));
        }
    }
    std::printf("%s: %zu answers, wall median %.3f ms, p99 %.3f ms, max %.3f ms; thread CPU "
                "median %.3f ms, p99 %.3f ms, max %.3f ms; longest log %zu events, at most "
                "%.4f ms an event\n",
                qPrintable(game), cpu.size(), quantile(millis, 0.5), quantile(millis, 0.99),
                quantile(millis, 1.0), quantile(cpu, 0.5), quantile(cpu, 0.99), quantile(cpu, 1.0),
                longestLog, slowestPerEvent);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const QStringList args = app.arguments().mid(1);
    const int starts = args.isEmpty() ? 40 : std::max(1, args.first().toInt());
    QStringList games = args.mid(1);
    if (games.isEmpty()) {
        for (const GameInfo &info : GameCatalog::all()) {
            if (info.makeSolver && !info.odds)
                games.append(QString::fromUtf8(info.menuName));
        }
    }
    for (const QString &game : std::as_const(games))
        bench(game, starts);
    return 0;
}
