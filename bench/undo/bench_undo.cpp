// SPDX-License-Identifier: GPL-3.0-or-later
// The memory of the undo history: 1000 steps of random moves in the game with the largest table,
// as the window keeps them (whole snapshots), measured as the heap they hold. Also the time to
// take one snapshot. Run: build/bench/bench_undo [steps]

#include "catalog/gamecatalog.h"
#include "games/gamehistory.h"
#include "games/gamerules.h"
#include "games/quiethost.h"
#include "games/randomplayer.h"
#include "settings/settingsstore.h"
#include "shared/appstate.h"
#include "shared/cards.h"
#include "shared/randomsource.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <malloc.h>
#include <memory>
#include <vector>

namespace {

std::size_t heapInUse()
{
    return mallinfo2().uordblks;
}

} // namespace

int main(int argc, char *argv[])
{
    const int steps = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    QTemporaryDir dir;
    SettingsStore settings(dir.filePath(QStringLiteral("bench.ini")));
    settings.write(QStringLiteral("parametres"), QStringLiteral("melange"), QStringLiteral("10"));
    AppState state;
    BuildCardTables(state);
    SeededRandom random(1);
    QuietHost host;
    host.state = &state;

    // The game whose table holds the most pictures and controls.
    const GameInfo *largest = nullptr;
    qsizetype most = 0;
    for (const GameInfo &game : GameCatalog::all()) {
        auto rules = game.makeRules(game, {state, settings, random}, host);
        rules->Distribution();
        const qsizetype size = rules->table().pictures.size() + rules->table().controls.size();
        if (size > most) {
            most = size;
            largest = &game;
        }
    }

    std::unique_ptr<GameRules> rules =
        largest->makeRules(*largest, {state, settings, random}, host);
    GameHistory history(*rules, host);
    std::mt19937 choices(1);
    // The snapshots as the history holds them; a game over is dealt again and played on, so that
    // one run holds as many steps as asked.
    std::vector<GameSnapshot> kept;
    kept.reserve(std::size_t(steps));
    const std::size_t heapBefore = heapInUse();
    std::vector<qint64> snapshotNs;
    while (int(kept.size()) < steps) {
        if (!state.gameInProgress) {
            rules->Distribution();
            state.gameInProgress = true;
            rules->play();
            continue;
        }
        const RulesSnapshot before = rules->snapshot();
        PlayerAction::draw(*rules, choices).apply(*rules);
        QElapsedTimer timer;
        timer.start();
        GameSnapshot after = history.capture();
        snapshotNs.push_back(timer.nsecsElapsed());
        if (!after.rules.samePosition(before))
            kept.push_back(std::move(after));
    }
    const std::size_t heapAfter = heapInUse();
    const double mib = double(heapAfter - heapBefore) / (1024.0 * 1024.0);
    std::printf("%s: %d pictures and controls\n", qPrintable(largest->menuName), int(most));
    std::printf("%d undo steps: %.2f MiB of heap (%.1f KiB a step)\n", steps, mib,
                double(heapAfter - heapBefore) / 1024.0 / steps);
    std::sort(snapshotNs.begin(), snapshotNs.end());
    std::printf("one snapshot: %.0f ns (median of %d)\n", double(snapshotNs[snapshotNs.size() / 2]),
                int(snapshotNs.size()));
    return 0;
}
