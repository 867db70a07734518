// SPDX-License-Identifier: GPL-3.0-or-later
// The solver's figures: for each game, the time from a fresh deal (the position copied, then the
// whole search) over seeded deals, the share of "Inconnu", the memory the searches take above
// idle, and how long a running search takes to stop once cancelled: the time from setting the
// flag to run() returning, on the slower deals searched again and cancelled a quarter of the way.
// Run: taskset -c 0 build/bench/bench_solver [DEALS] [GAME...] [--from N] [--slow MS]
//      [--patient MS]
// (10000 deals, every game by default; one core, so that the search and the thread that cancels
// it share it as on a busy machine)

#include "benchfigures.h"
#include "catalog/gamecatalog.h"
#include "games/fakehost.h"
#include "solver/solver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <limits>
#include <sys/resource.h>
#include <thread>
#include <time.h>

namespace {

double maxResidentMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// A first answer that gave up at its budget, searched on as the window does for at most patience
// ms of wall clock, on a thread of its own as in the window; printed with that thread's CPU.
void searchOn(SolverTask &task, int deal, double patience, int &decided)
{
    std::atomic<bool> cancel{false};
    std::atomic<bool> finished{false};
    SolverAnswer answer;
    double cpu = 0;
    std::thread search([&] {
        const double began = threadMillis();
        answer = task.searchOn(cancel);
        cpu = threadMillis() - began;
        finished = true;
    });
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::microseconds(qint64(patience * 1000));
    while (!finished && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    cancel = true;
    search.join();
    const bool known = answer.verdict != SolverAnswer::Verdict::Unknown;
    decided += known ? 1 : 0;
    std::printf("deal %d searched on: %s after %lld positions, %.1f ms thread CPU\n", deal,
                !known                                              ? "still unknown"
                : answer.verdict == SolverAnswer::Verdict::Winnable ? "winnable"
                                                                    : "lost",
                answer.nodes, cpu);
}

void bench(const QString &menu, int deals, int from, double slow, double patience)
{
    RulesBench table(1);
    table.host.state = &table.state;
    const auto rules = GameCatalog::rulesFor(menu)(table.context(), table.host);
    const auto solver = GameCatalog::solverFor(menu);
    const double idle = maxResidentMiB();
    std::vector<double> millis;
    std::vector<double> cpu;
    std::vector<double> stops;
    int winnable = 0;
    int unknown = 0;
    int decidedLater = 0;
    for (int deal = 0; deal < deals; ++deal) {
        table.state.gameInProgress = false;
        rules->Distribution();
        table.state.gameInProgress = true;
        rules->play();
        if (deal < from)
            continue;
        QElapsedTimer clock;
        clock.start();
        const double began = threadMillis();
        const std::atomic<bool> going{false};
        const auto task = solver->prepare(*rules);
        const SolverAnswer answer = task->run(going);
        cpu.push_back(threadMillis() - began);
        millis.push_back(double(clock.nsecsElapsed()) / 1e6);
        winnable += answer.verdict == SolverAnswer::Verdict::Winnable ? 1 : 0;
        unknown += answer.verdict == SolverAnswer::Verdict::Unknown ? 1 : 0;
        if (cpu.back() > slow)
            std::printf("deal %d: %.1f ms thread CPU, %s, %lld positions\n", deal, cpu.back(),
                        answer.verdict == SolverAnswer::Verdict::Winnable  ? "winnable"
                        : answer.verdict == SolverAnswer::Verdict::Unknown ? "unknown"
                                                                           : "lost",
                        static_cast<long long>(answer.nodes));
        if (answer.verdict == SolverAnswer::Verdict::Unknown && patience > 0)
            searchOn(*task, deal, patience, decidedLater);
        // The slower searches once more, cancelled a quarter of the way through (at most 200 ms
        // in, at least a quarter of a millisecond), so that the search is still running: how long
        // from the flag to run() returning, its tables freed.
        if (millis.back() > 1.0 && stops.size() < 200) {
            std::atomic<bool> cancel{false};
            auto again = solver->prepare(*rules);
            using Clock = std::chrono::steady_clock;
            Clock::time_point returned;
            std::thread worker([&] {
                again->run(cancel);
                returned = Clock::now();
            });
            const double wait = std::clamp(millis.back() / 4, 0.25, 200.0);
            std::this_thread::sleep_for(std::chrono::microseconds(qint64(wait * 1000)));
            const Clock::time_point flagged = Clock::now();
            cancel = true;
            worker.join();
            // A search that ended before the flag says nothing about stopping.
            if (returned > flagged)
                stops.push_back(
                    std::chrono::duration<double, std::milli>(returned - flagged).count());
        }
    }
    std::printf(
        "%s: %d deals, winnable %.2f %%, unknown %.3f %%, median %.3f ms, p99 %.3f ms, "
        "max %.1f ms, thread CPU median %.3f ms, p99 %.3f ms, max %.1f ms, memory above idle "
        "%.1f MiB, cancel (%zu slow searches) median %.3f ms, max %.3f ms, unknown decided "
        "searching on %d\n",
        qPrintable(menu), int(cpu.size()), 100.0 * winnable / double(cpu.size()),
        100.0 * unknown / double(cpu.size()), quantile(millis, 0.5), quantile(millis, 0.99),
        quantile(millis, 1.0), quantile(cpu, 0.5), quantile(cpu, 0.99), quantile(cpu, 1.0),
        maxResidentMiB() - idle, stops.size(), quantile(stops, 0.5), quantile(stops, 1.0),
        decidedLater);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const QStringList args = app.arguments().mid(1);
    const int deals = args.isEmpty() ? 10000 : args.first().toInt();
    // --from N: the first N deals dealt but not searched, to reach a given one fast; --slow MS:
    // every deal whose search takes longer than MS ms of thread CPU printed with its number;
    // --patient MS: a deal left unknown searched on for at most MS ms.
    QStringList games = args.mid(1);
    int from = 0;
    double slow = std::numeric_limits<double>::infinity();
    double patience = 0;
    for (qsizetype k = 0; k + 1 < games.size();) {
        if (games[k] == QLatin1String("--from")) {
            from = games[k + 1].toInt();
            games.remove(k, 2);
        } else if (games[k] == QLatin1String("--patient")) {
            patience = games[k + 1].toDouble();
            games.remove(k, 2);
        } else if (games[k] == QLatin1String("--slow")) {
            slow = games[k + 1].toDouble();
            games.remove(k, 2);
        } else {
            ++k;
        }
    }
    if (games.isEmpty()) {
        for (const GameInfo &info : GameCatalog::all()) {
            const QString menu = QString::fromUtf8(info.menuName);
            if (GameCatalog::rulesFor(menu) && GameCatalog::solverFor(menu))
                games.append(menu);
        }
    }
    for (const QString &menu : std::as_const(games))
        bench(menu, std::max(1, deals), from, slow, patience);
    return 0;
}
