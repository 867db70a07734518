// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/rtf/rtfwriter.h"

#include "shared/rtf/cp1252.h"

#include <algorithm>

namespace {

void appendHexByte(QByteArray &out, uchar byte)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    out += "\\'";
    out += kDigits[byte >> 4];
    out += kDigits[byte & 0xF];
}

bool isPlain(QChar c)
{
    const char16_t u = c.unicode();
    return u >= 0x20 && u < 0x7F && u != '\\' && u != '{' && u != '}';
}

void appendEscaped(QByteArray &out, const QString &text)
{
    const QChar *c = text.constData();
    const QChar *end = c + text.size();
    while (c < end) {
        // Plain ASCII is most of a log: copy it in one piece.
        const QChar *plainEnd = std::find_if_not(c, end, isPlain);
        if (plainEnd != c) {
            const qsizetype at = out.size();
            out.resize(at + (plainEnd - c));
            std::transform(c, plainEnd, out.data() + at, [](QChar u) { return char(u.unicode()); });
            c = plainEnd;
            continue;
        }
        const char16_t u = (c++)->unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += '\\';
            out += char(u);
        } else if (u == '\n') {
            out += "\\par\n";
        } else if (u == '\t') {
            out += "\\tab ";
        } else if (const auto byte = unicodeToCp1252(u)) {
            appendHexByte(out, *byte); // also the controls, so that a CR survives
        } else {
            // A signed 16-bit number, then "?" for readers without Unicode (\uc1).
            out += "\\u";
            out += QByteArray::number(u > 0x7FFF ? int(u) - 0x10000 : int(u));
            out += '?';
        }
    }
}

} // namespace

QByteArray writeRtfText(const RichText &doc)
{
    qsizetype size = 0;
    for (const RichTextRun &run : doc)
        size += run.text.size() + 4;
    QByteArray out;
    out.reserve(size + size / 8 + 16);
    bool bold = false;
    for (const RichTextRun &run : doc) {
        if (run.text.isEmpty())
            continue;
        if (run.bold != bold) {
            out += run.bold ? "\\b " : "\\b0 ";
            bold = run.bold;
        }
        appendEscaped(out, run.text);
    }
    return out;
}

QByteArray writeRtf(const RichText &doc)
{
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\n"
           "\\uc1\\pard\\f0\\fs20 " +
           writeRtfText(doc) + "}\n";
}
