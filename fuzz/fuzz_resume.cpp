// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the file of the game in progress: as they stand when they start as the file does,
// else as the log inside a well-made file, so that the search reaches the reader and the replay.
// Reading never crashes or hangs; a log taken back gives a game in progress that keeps the very
// same log.
#include "catalog/gamecatalog.h"
#include "fuzzsupport.h"
#include "games/gamesession.h"
#include "games/quiethost.h"
#include "resume/resumefile.h"
#include "settings/settingsstore.h"
#include "shared/appstate.h"
#include "shared/cards.h"
#include "shared/randomsource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<SessionLog> log =
        Resume::decode(bytes.startsWith("VORELLES-REPRISE") ? bytes : Resume::seal(bytes));
    if (!log)
        return 0;
    const GameInfo *game = GameCatalog::byMenuName(log->game);
    if (!game)
        return 0;
    AppState state;
    BuildCardTables(state);
    SettingsStore settings(FreshPath(".ini"));
    SeededRandom random(1);
    QuietHost host;
    GameSession session(*game, {state, settings, random}, host);
    session.open();
    if (session.resume(*log)) {
        if (!session.inProgress())
            Broken("a game resumed is not in progress");
        if (!(session.saved() == *log))
            Broken("a game resumed keeps another log");
    }
    QFile::remove(settings.path());
    return 0;
}
