#include "settings/binaryvalues.h"

#include <QString>
#include <QStringDecoder>
#include <string>

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isLineBreak(char c)
{
    return c == '\n' || c == '\r';
}

// One entry: [start, end) of the data, and its first '=' outside quotes or -1.
struct Entry {
    qsizetype start = 0;
    qsizetype end = 0;
    qsizetype equals = -1;
};

// The entry from pos on, the way the reader cuts them: blank lines and comment lines are
// skipped, a line break inside quotes or after a backslash continues the entry, an unquoted ';'
// ends it. False when nothing is left.
bool nextEntry(QByteArrayView data, qsizetype &pos, Entry &entry)
{
    qsizetype start = pos;
    while (start < data.size() && isSpace(data[start]))
        ++start;
    qsizetype equals = -1;
    bool inQuotes = false;
    qsizetype i = start;
    bool ended = false;
    while (i < data.size() && !ended) {
        const char c = data[i++];
        if (c == '=') {
            if (!inQuotes && equals < 0)
                equals = i - 1;
        } else if (isLineBreak(c)) {
            if (i == start + 1)
                ++start;
            else if (!inQuotes)
                ended = true;
        } else if (c == '\\') {
            if (i < data.size()) {
                const char escaped = data[i++];
                if (i < data.size() && isLineBreak(escaped) && isLineBreak(data[i]) &&
                    data[i] != escaped)
                    ++i;
            }
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (c == ';') {
            if (i == start + 1) {
                while (i < data.size() && !isLineBreak(data[i]))
                    ++i;
                while (i < data.size() && isSpace(data[i]))
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
    if (isLineBreak(c) && i < value.size() && isLineBreak(value[i]) && value[i] != c)
        ++i;
    return i;
}

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
        while (i < value.size() && isBlank(value[i]))
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
    if (ini.startsWith("\xef\xbb\xbf"))
        ini = ini.sliced(3);
    qsizetype pos = 0;
    Entry entry;
    while (nextEntry(ini, pos, entry)) {
        if (ini[entry.start] == '[' || entry.equals < 0)
            continue;
        if (valueIsBinary(ini.sliced(entry.equals + 1, entry.end - entry.equals - 1)))
            return true;
    }
    return false;
}
