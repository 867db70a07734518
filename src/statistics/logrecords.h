// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared/rtf/richtext.h"

#include <QDateTime>
#include <QList>
#include <QString>

// One finished game of the log, as the statistics count it.
struct PlayedGame {
    QDateTime when;
    int game = 0; // index in GameCatalog::all()
    QString player;
    qint64 seconds = 0;
    bool won = false;
};

struct LogRecords {
    QList<PlayedGame> games; // in the order of the file, which is not always that of the dates
    int unreadable = 0;      // records skipped: no readable date, game, player, clock or result
};

// The records of the log's text. A record runs from its "[date]" line to the next one; text
// without a date line before it, or a second "Vorelle: " line, is a record of its own, unreadable.
LogRecords ReadRecords(const RichText &text);

struct LogFile {
    enum class Status {
        Read,      // read whole, or what a damaged file still held (see message)
        Missing,   // no such file
        Unreadable // cannot be opened, or not a log at all
    };
    Status status = Status::Read;
    QString message; // for the user, in French; empty when the file was read whole
    LogRecords records;
};

// The largest log read, far above years of games (a record takes about 200 bytes).
inline constexpr qint64 MaxLogFileSize = qint64(256) << 20;

// Reads the log file with the history window's reader. Anything but a regular file (a device, a
// pipe), or a file larger than MaxLogFileSize, is refused as Unreadable without being read.
LogFile ReadLogFile(const QString &path);

// "1 partie illisible ignorée", "3 parties illisibles ignorées"; empty for none.
QString UnreadableNote(int unreadable);
