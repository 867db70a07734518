// SPDX-License-Identifier: GPL-3.0-or-later
// vorelles-stats [FICHIER]: the statistics of a game log as CSV on standard output, one row per
// player and game, everyone's rows first. FICHIER defaults to the log beside the program.

#include "shared/appstate.h"
#include "shared/files.h"
#include "shared/recordlog.h"
#include "statistics/gamestatistics.h"
#include "statistics/logrecords.h"
#include "statistics/statisticstable.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

namespace {

constexpr int BadInput = 2;
constexpr int WriteFailed = 1;

void complain(const QString &text)
{
    std::fprintf(stderr, "vorelles-stats : %s\n", text.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.size() > 1 ||
        (arguments.size() == 1 && arguments[0].startsWith(QLatin1Char('-')))) {
        complain(QStringLiteral("utilisation : vorelles-stats [FICHIER]"));
        return BadInput;
    }
    // Without a file, the log the program beside this tool writes.
    AppState state;
    if (arguments.isEmpty())
        LocateFolders(state, AppFolderFor(QCoreApplication::applicationDirPath()));
    const QString path = arguments.isEmpty() ? LogPath(state) : arguments[0];

    const LogFile log = ReadLogFile(path);
    if (log.status != LogFile::Status::Read) {
        complain(log.message);
        return BadInput;
    }
    if (!log.message.isEmpty())
        complain(log.message);
    if (const QString note = UnreadableNote(log.records.unreadable); !note.isEmpty())
        complain(note);

    QList<Statistics::CsvBlock> blocks{
        {Statistics::everyone(), Statistics::summariseByGame(log.records.games, std::nullopt)}};
    for (const QString &player : Statistics::playerNames(log.records.games))
        blocks.append({player, Statistics::summariseByGame(log.records.games, player)});
    const QByteArray text = Statistics::csv(blocks);
    if (std::fwrite(text.constData(), 1, std::size_t(text.size()), stdout) !=
            std::size_t(text.size()) ||
        std::fflush(stdout) != 0) {
        complain(QStringLiteral("impossible d'écrire sur la sortie standard"));
        return WriteFailed;
    }
    return 0;
}
