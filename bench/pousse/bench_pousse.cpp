// SPDX-License-Identifier: GPL-3.0-or-later
// bench_pousse [DEALS] [SEED]
// Deals Pousse-pousse grids as the game does (seeded shuffle, "melange" 10, hearts) and times the
// shortest solution of each from JOUER, on this thread, after the pattern databases are built.
// First it stops the databases' build five times, 300 ms in, and times how long the build takes
// to give way. Prints the build time, the median, 90th and 99th percentile and the longest solve,
// in wall clock and in CPU time of the thread (which leaves out other processes on a busy machine),
// the nodes, the lengths, the tables' size and the peak resident memory.

#include "catalog/gamecatalog.h"
#include "games/gamehost.h"
#include "games/poussepousse/patterndatabase.h"
#include "games/poussepousse/poussepousserules.h"
#include "games/poussepousse/poussesolver.h"
#include "games/quiethost.h"
#include "settings/settingkeys.h"
#include "settings/settingsstore.h"
#include "shared/appstate.h"
#include "shared/randomsource.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>
#include <thread>
#include <vector>

namespace {

double threadMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double at(const std::vector<double> &sorted, double share)
{
    return sorted[std::min(sorted.size() - 1, std::size_t(share * double(sorted.size())))];
}

// The time from raising the flag to the build's return, in ms; negative when it was done first.
double cancelBuild()
{
    std::atomic<bool> cancel{false};
    const PatternDatabase *built = nullptr;
    std::thread builder([&] { built = PatternDatabase::instance(cancel); });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    QElapsedTimer clock;
    clock.start();
    cancel = true;
    builder.join();
    return built ? -1 : double(clock.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    const int deals = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10000;
    const auto seed = quint32(argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 1);

    std::vector<double> cancels;
    for (int run = 0; run < 5; ++run)
        cancels.push_back(cancelBuild());
    std::sort(cancels.begin(), cancels.end());
    std::printf("build stopped 300 ms in: %.3f, %.3f, %.3f, %.3f, %.3f ms\n", cancels[0],
                cancels[1], cancels[2], cancels[3], cancels[4]);

    QElapsedTimer clock;
    clock.start();
    const double buildStarted = threadMs();
    const std::size_t tableBytes = PatternDatabase::instance().bytes();
    const double buildCpuMs = threadMs() - buildStarted;
    const double buildMs = double(clock.nsecsElapsed()) / 1e6;

    QTemporaryDir dir;
    AppState state;
    BuildCardTables(state);
    SettingsStore settings(dir.filePath(QStringLiteral("bench.ini")));
    settings.setParameter(Settings::Melange, QStringLiteral("10"));
    SeededRandom random(seed);
    QuietHost host;
    PoussePousseRules rules(GameCatalog::byId(GameId::PoussePousse), {state, settings, random},
                            host);
    const std::atomic<bool> cancel{false};

    std::vector<double> times;
    std::vector<double> cpu;
    std::vector<double> lengths;
    std::vector<double> nodes;
    int unknown = 0;
    for (int deal = 0; deal < deals; ++deal) {
        rules.Distribution();
        const SlidingGrid::Grid cells = *PousseSolver::read(rules);
        clock.restart();
        const double started = threadMs();
        const SolverAnswer answer = PousseSolver::answer(cells, cancel);
        cpu.push_back(threadMs() - started);
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
        lengths.push_back(double(answer.line.size()));
        nodes.push_back(double(answer.nodes));
        unknown += answer.verdict == SolverAnswer::Verdict::Winnable ? 0 : 1;
    }
    std::sort(times.begin(), times.end());
    std::sort(cpu.begin(), cpu.end());
    std::sort(lengths.begin(), lengths.end());
    double meanNodes = 0;
    for (const double count : nodes)
        meanNodes += count / deals;
    std::sort(nodes.begin(), nodes.end());
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("pattern databases built (the rest) in %.0f ms, CPU of the thread %.0f ms, "
                "tables %zu KiB\n"
                "%d deals (seed %u): solve median %.2f ms, p90 %.2f ms, p99 %.2f ms, max %.2f ms\n"
                "CPU of the thread: median %.2f ms, p90 %.2f ms, p99 %.2f ms, max %.2f ms\n"
                "nodes mean %.0f, median %.0f, p90 %.0f, p99 %.0f, max %.0f\n"
                "moves median %.0f (min %.0f, max %.0f), not solved %d\n"
                "peak resident memory %ld KiB\n",
                buildMs, buildCpuMs, tableBytes / 1024, deals, seed, at(times, 0.5), at(times, 0.9),
                at(times, 0.99), times.back(), at(cpu, 0.5), at(cpu, 0.9), at(cpu, 0.99),
                cpu.back(), meanNodes, at(nodes, 0.5), at(nodes, 0.9), at(nodes, 0.99),
                nodes.back(), at(lengths, 0.5), lengths.front(), lengths.back(), unknown,
                usage.ru_maxrss);
    return 0;
}
