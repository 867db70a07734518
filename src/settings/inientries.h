// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>

// The entries of an INI file cut as Qt's reader cuts them, for the checks the settings store makes
// before it lets Qt read a file.

// One entry: [start, end) of the file's body, and its first '=' outside quotes or -1.
struct IniEntry {
    qsizetype start = 0;
    qsizetype end = 0;
    qsizetype equals = -1;
};

// The file as the reader reads it: less the byte order mark that may open it.
QByteArrayView IniBody(QByteArrayView file);

// The entry of the body from pos on; pos then points past it. Blank lines and comment lines are
// skipped, a line break inside quotes or after a backslash continues the entry, and an unquoted
// ';' ends it. False when nothing is left.
bool NextIniEntry(QByteArrayView body, qsizetype &pos, IniEntry &entry);

bool IsIniBlank(char c);
bool IsIniLineBreak(char c);
// "\r\n" or "\n\r": one line break after a backslash.
bool IsIniLineBreakPair(char first, char second);
