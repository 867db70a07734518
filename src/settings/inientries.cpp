// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/inientries.h"

namespace {

bool isSpace(char c)
{
    return IsIniBlank(c) || IsIniLineBreak(c);
}

} // namespace

bool IsIniBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsIniLineBreak(char c)
{
    return c == '\n' || c == '\r';
}

bool IsIniLineBreakPair(char first, char second)
{
    return IsIniLineBreak(first) && IsIniLineBreak(second) && first != second;
}

QByteArrayView IniBody(QByteArrayView file)
{
    return file.startsWith("\xef\xbb\xbf") ? file.sliced(3) : file;
}

bool NextIniEntry(QByteArrayView body, qsizetype &pos, IniEntry &entry)
{
    qsizetype start = pos;
    while (start < body.size() && isSpace(body[start]))
        ++start;
    qsizetype equals = -1;
    bool inQuotes = false;
    qsizetype i = start;
    bool ended = false;
    while (i < body.size() && !ended) {
        const char c = body[i++];
        if (c == '=') {
            if (!inQuotes && equals < 0)
                equals = i - 1;
        } else if (IsIniLineBreak(c)) {
            if (i == start + 1)
                ++start;
            else if (!inQuotes)
                ended = true;
        } else if (c == '\\') {
            // The escaped character, and with it the other half of a two-character line break.
            if (i < body.size()) {
                const char escaped = body[i++];
                if (i < body.size() && IsIniLineBreakPair(escaped, body[i]))
                    ++i;
            }
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (c == ';') {
            if (i == start + 1) {
                while (i < body.size() && !IsIniLineBreak(body[i]))
                    ++i;
                while (i < body.size() && isSpace(body[i]))
                    ++i;
                start = i;
            } else if (!inQuotes) {
                ended = true;
            }
        }
    }
    if (ended)
        --i;
    pos = i;
    entry = {start, i, equals};
    return i > start;
}
