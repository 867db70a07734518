// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/binaryvalues.h"

#include "settings/inientries.h"

#include <QString>
#include <QStringDecoder>
#include <string>

namespace {

int digitValue(char c, int base)
{
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

// The escape after a backslash at i - 1: appends what it stands for and returns where the text
// goes on. Unknown escapes stand for nothing; a backslash before a line break joins the lines.
qsizetype unescape(QByteArrayView value, qsizetype i, QString &out)
{
    static constexpr char plain[] = "abfnrtv\"?'\\";
    static constexpr char meant[] = "\a\b\f\n\r\t\v\"?'\\";
    const char c = value[i++];
    if (const char *found = std::char_traits<char>::find(plain, sizeof plain - 1, c)) {
        out += QLatin1Char(meant[found - plain]);
        return i;
    }
    const bool hex = c == 'x';
    if (hex || digitValue(c, 8) >= 0) {
        const int base = hex ? 16 : 8;
        // The reader keeps the code in 16 bits, so longer escapes wrap.
        char16_t code = hex ? 0 : char16_t(c - '0');
        if (hex && (i >= value.size() || digitValue(value[i], 16) < 0))
            return i;
        for (; i < value.size() && digitValue(value[i], base) >= 0; ++i)
            code = char16_t(code * base + digitValue(value[i], base));
        out += QChar(code);
        return i;
    }
    if (i < value.size() && IsIniLineBreakPair(c, value[i]))
        ++i;
    return i;
}

// Qt also wants a closing ')'. No text of ours opens so, so the check leaves that out.
bool isBinary(const QString &item)
{
    return item.startsWith(QLatin1String("@Variant(")) ||
           item.startsWith(QLatin1String("@DateTime("));
}

// Decodes the value into its list items the way the reader does: quotes group, an unquoted comma
// separates, blanks at the start of an item and after a closing quote are skipped, and the bytes
// between escapes go through one UTF-8 decoder, so a byte order mark opening the value is dropped.
bool valueIsBinary(QByteArrayView value)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString item;
    bool inQuotes = false;
    qsizetype i = 0;
    const auto skipBlanks = [&] {
        while (i < value.size() && IsIniBlank(value[i]))
            ++i;
    };
    skipBlanks();
    while (i < value.size()) {
        const char c = value[i];
        if (c == '\\') {
            if (++i < value.size())
                i = unescape(value, i, item);
        } else if (c == '"') {
            ++i;
            inQuotes = !inQuotes;
            if (!inQuotes)
                skipBlanks();
        } else if (c == ',' && !inQuotes) {
            if (isBinary(item))
                return true;
            item.clear();
            ++i;
            skipBlanks();
        } else {
            qsizetype j = i + 1;
            while (j < value.size() && value[j] != '\\' && value[j] != '"' && value[j] != ',')
                ++j;
            item += utf8(value.sliced(i, j - i));
            i = j;
        }
    }
    return isBinary(item);
}

} // namespace

bool HoldsBinaryValue(QByteArrayView ini)
{
    const QByteArrayView body = IniBody(ini);
    qsizetype pos = 0;
    IniEntry entry;
    while (NextIniEntry(body, pos, entry)) {
        if (body[entry.start] == '[' || entry.equals < 0)
            continue;
        if (valueIsBinary(body.sliced(entry.equals + 1, entry.end - entry.equals - 1)))
            return true;
    }
    return false;
}
