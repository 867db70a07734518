// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/rtf/rtfreader.h"

#include "shared/rtf/cp1252.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <limits>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// Deeper groups are counted but not tracked, so a hostile file cannot grow the state stack.
constexpr std::size_t kMaxDepth = 1000;
// The longest control word RTF allows; longer ones are junk and mean nothing.
constexpr std::size_t kMaxWordLength = 32;
// Numbers after control words stop growing here; every digit is still read.
constexpr long long kParameterCap = 1'000'000'000'000LL;

enum class Action { Text, Bold, Plain, Unicode, UnicodeSkip, Binary, CodePage, Destination };

struct Word {
    std::string_view name;
    Action action;
    char16_t text = 0;
};

// Control words that matter for text and bold, sorted by name for a binary search. The
// destinations hold no document text: tables, document information, pictures, headers,
// footers, notes, field instructions, shapes.
constexpr auto kWords = std::to_array<Word>({
    {"aftncn", Action::Destination},
    {"aftnsep", Action::Destination},
    {"aftnsepc", Action::Destination},
    {"ansicpg", Action::CodePage},
    {"b", Action::Bold},
    {"bin", Action::Binary},
    {"bullet", Action::Text, u'\u2022'},
    {"cell", Action::Text, u'\t'},
    {"colortbl", Action::Destination},
    {"comment", Action::Destination},
    {"emdash", Action::Text, u'\u2014'},
    {"emspace", Action::Text, u'\u2003'},
    {"endash", Action::Text, u'\u2013'},
    {"enspace", Action::Text, u'\u2002'},
    {"fldinst", Action::Destination},
    {"fonttbl", Action::Destination},
    {"footer", Action::Destination},
    {"footerf", Action::Destination},
    {"footerl", Action::Destination},
    {"footerr", Action::Destination},
    {"footnote", Action::Destination},
    {"ftncn", Action::Destination},
    {"ftnsep", Action::Destination},
    {"ftnsepc", Action::Destination},
    {"generator", Action::Destination},
    {"header", Action::Destination},
    {"headerf", Action::Destination},
    {"headerl", Action::Destination},
    {"headerr", Action::Destination},
    {"info", Action::Destination},
    {"ldblquote", Action::Text, u'\u201C'},
    {"line", Action::Text, u'\n'},
    {"listoverridetable", Action::Destination},
    {"listtable", Action::Destination},
    {"lquote", Action::Text, u'\u2018'},
    {"ltrmark", Action::Text, u'\u200E'},
    {"nonshppict", Action::Destination},
    {"objdata", Action::Destination},
    {"object", Action::Destination},
    {"page", Action::Text, u'\n'},
    {"par", Action::Text, u'\n'},
    {"pict", Action::Destination},
    {"plain", Action::Plain},
    {"qmspace", Action::Text, u'\u2005'},
    {"rdblquote", Action::Text, u'\u201D'},
    {"revtbl", Action::Destination},
    {"row", Action::Text, u'\n'},
    {"rquote", Action::Text, u'\u2019'},
    {"rsidtbl", Action::Destination},
    {"rtlmark", Action::Text, u'\u200F'},
    {"sect", Action::Text, u'\n'},
    {"shp", Action::Destination},
    {"shpinst", Action::Destination},
    {"stylesheet", Action::Destination},
    {"tab", Action::Text, u'\t'},
    {"tc", Action::Destination},
    {"template", Action::Destination},
    {"u", Action::Unicode},
    {"uc", Action::UnicodeSkip},
    {"xe", Action::Destination},
    {"xmlnstbl", Action::Destination},
    {"zwj", Action::Text, u'\u200D'},
    {"zwnj", Action::Text, u'\u200C'},
});

constexpr bool byName(const Word &a, const Word &b)
{
    return a.name < b.name;
}
static_assert(std::is_sorted(kWords.begin(), kWords.end(), byName));

const Word *findWord(std::string_view name)
{
    const auto it =
        std::lower_bound(kWords.begin(), kWords.end(), Word{name, Action::Text}, byName);
    return it != kWords.end() && it->name == name ? &*it : nullptr;
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isPrintable(char c)
{
    return c >= 0x20 && c < 0x7F && c != '\\' && c != '{' && c != '}';
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

struct Group {
    bool bold = false;
    bool skip = false;   // inside a destination that holds no document text
    int unicodeSkip = 1; // characters after \uN that stand in for it in older readers
};

// Where the weight changes in the text read so far.
struct Mark {
    qsizetype start;
    bool bold;
};

class Reader {
public:
    explicit Reader(const QByteArray &data)
        : m_begin(data.constBegin()), m_p(m_begin), m_end(data.constEnd())
    {
        m_text.reserve(data.size()); // no escape gives more than one UTF-16 unit per byte
        m_groups.reserve(64);
    }

    RtfReadResult read();

private:
    void skipBlanks();
    void openGroup();
    void closeGroup();
    void controlSequence();
    void controlWord();
    void hexCharacter();
    void printableRun();
    bool swallowed();
    bool startText();
    void put(char16_t c);
    char16_t decode(uchar byte) const { return m_cp1252 ? cp1252ToUnicode(byte) : byte; }

    const char *m_begin;
    const char *m_p;
    const char *m_end;
    std::vector<Group> m_groups;
    qsizetype m_excessDepth = 0;
    int m_pendingSkip = 0;
    bool m_cp1252 = true; // other code pages are read as Latin-1
    bool m_damaged = false;
    QString m_text;
    std::vector<Mark> m_marks{{0, false}};
    // The last closing of the outermost group: where, and how text put before it would read.
    const char *m_closingBrace = nullptr;
    bool m_closingHidden = true;
    bool m_closingInWriterState = false;
};

RtfReadResult Reader::read()
{
    RtfReadResult result;
    if (m_p == m_end)
        return result;
    if (QByteArrayView(m_p, m_end).startsWith("\xEF\xBB\xBF"))
        m_p += 3;
    skipBlanks();
    if (!QByteArrayView(m_p, m_end).startsWith("{\\rtf")) {
        result.status = RtfReadResult::Status::NotRtf;
        result.message =
            QCoreApplication::translate("RtfReader", "Le fichier n'est pas au format RTF.");
        return result;
    }
    while (m_p < m_end) {
        const char c = *m_p++;
        switch (c) {
        case '{':
            openGroup();
            break;
        case '}':
            closeGroup();
            break;
        case '\\':
            controlSequence();
            break;
        case '\r':
        case '\n':
            break;
        default:
            if (isPrintable(c))
                printableRun();
            else if (uchar(c) >= 0x20 || c == '\t')
                put(decode(uchar(c)));
        }
    }
    if (m_damaged || !m_groups.empty() || m_excessDepth > 0) {
        result.status = RtfReadResult::Status::Damaged;
        result.message = QCoreApplication::translate(
            "RtfReader", "Le fichier est endommagé : seule une partie a pu être lue.");
    } else if (!m_closingHidden) {
        result.closingBrace = m_closingBrace - m_begin;
        result.writerStateAtEnd = m_closingInWriterState;
    }
    for (std::size_t i = 0; i < m_marks.size(); ++i) {
        const qsizetype start = m_marks[i].start;
        const qsizetype next = i + 1 < m_marks.size() ? m_marks[i + 1].start : m_text.size();
        appendText(result.text, m_text.sliced(start, next - start), m_marks[i].bold);
    }
    return result;
}

void Reader::skipBlanks()
{
    while (m_p < m_end &&
           (*m_p == ' ' || *m_p == '\t' || *m_p == '\r' || *m_p == '\n' || *m_p == 0))
        ++m_p;
}

void Reader::openGroup()
{
    m_pendingSkip = 0;
    if (m_excessDepth > 0 || m_groups.size() >= kMaxDepth) {
        ++m_excessDepth;
        m_damaged = true;
        return;
    }
    const Group inherited = m_groups.empty() ? Group{} : m_groups.back();
    m_groups.push_back(inherited);
}

void Reader::closeGroup()
{
    const int pendingSkip = std::exchange(m_pendingSkip, 0);
    if (m_excessDepth > 0) {
        --m_excessDepth;
        return;
    }
    if (m_groups.size() == 1) {
        const Group &root = m_groups.back();
        m_closingBrace = m_p - 1;
        m_closingHidden = root.skip;
        m_closingInWriterState =
            !root.bold && root.unicodeSkip == 1 && pendingSkip == 0 && m_cp1252;
    }
    m_groups.pop_back();
    if (!m_groups.empty())
        return;
    // Text after the document's end means a stray brace closed it early: read on.
    skipBlanks();
    if (m_p < m_end) {
        m_damaged = true;
        m_groups.emplace_back();
    }
}

void Reader::controlSequence()
{
    if (m_p == m_end)
        return;
    const char c = *m_p;
    if (isLetter(c)) {
        controlWord();
        return;
    }
    ++m_p;
    switch (c) {
    case '\'':
        hexCharacter();
        break;
    case '\\':
    case '{':
    case '}':
        put(char16_t(c));
        break;
    case '~':
        put(u'\u00A0');
        break;
    case '_':
        put(u'\u2011');
        break;
    case '\r':
    case '\n':
        put(u'\n');
        break;
    case '*':
        if (!swallowed())
            m_groups.back().skip = true;
        break;
    default: // \- (optional hyphen), \: (index entry) and unknown symbols give no text
        swallowed();
    }
}

void Reader::controlWord()
{
    const char *start = m_p;
    while (m_p < m_end && isLetter(*m_p))
        ++m_p;
    const std::string_view name(start, std::size_t(m_p - start));
    const bool negative = m_end - m_p >= 2 && *m_p == '-' && isDigit(m_p[1]);
    if (negative)
        ++m_p;
    bool hasParameter = false;
    long long parameter = 0;
    for (; m_p < m_end && isDigit(*m_p); ++m_p) {
        hasParameter = true;
        if (parameter < kParameterCap)
            parameter = parameter * 10 + (*m_p - '0');
    }
    if (negative)
        parameter = -parameter;
    if (m_p < m_end && *m_p == ' ')
        ++m_p;

    const Word *word = name.size() <= kMaxWordLength ? findWord(name) : nullptr;
    if (word != nullptr && word->action == Action::Binary) {
        const long long count = std::max(parameter, 0LL);
        if (count > m_end - m_p) {
            m_damaged = true;
            m_p = m_end;
        } else {
            m_p += count;
        }
    }
    if (swallowed() || word == nullptr)
        return;
    Group &group = m_groups.back();
    switch (word->action) {
    case Action::Text:
        put(word->text);
        break;
    case Action::Bold:
        group.bold = !hasParameter || parameter != 0;
        break;
    case Action::Plain:
        group.bold = false;
        break;
    case Action::Unicode:
        // Negative values stand for units above 32767.
        if (hasParameter && parameter >= -32768 && parameter <= 65535)
            put(char16_t(parameter < 0 ? parameter + 65536 : parameter));
        m_pendingSkip = group.unicodeSkip;
        break;
    case Action::UnicodeSkip:
        group.unicodeSkip =
            int(std::clamp(hasParameter ? parameter : 1LL, 0LL,
                           static_cast<long long>(std::numeric_limits<int>::max())));
        break;
    case Action::CodePage:
        m_cp1252 = !hasParameter || parameter == 1252;
        break;
    case Action::Destination:
        group.skip = true;
        break;
    case Action::Binary:
        break;
    }
}

void Reader::hexCharacter()
{
    int value = 0;
    int digits = 0;
    for (; digits < 2 && m_p < m_end && hexValue(*m_p) >= 0; ++digits, ++m_p)
        value = value * 16 + hexValue(*m_p);
    if (digits == 2)
        put(decode(uchar(value)));
    else
        swallowed();
}

// Consumes one of the characters that follow \uN for readers without Unicode.
bool Reader::swallowed()
{
    if (m_pendingSkip == 0)
        return false;
    --m_pendingSkip;
    return true;
}

void Reader::put(char16_t c)
{
    if (!swallowed() && startText())
        m_text.append(QChar(c));
}

// Plain ASCII is most of a file: it goes into the text in one piece.
void Reader::printableRun()
{
    const char *start = m_p - 1;
    while (m_p < m_end && isPrintable(*m_p))
        ++m_p;
    while (start < m_p && swallowed())
        ++start;
    if (start < m_p && startText())
        m_text.append(QLatin1StringView(start, m_p));
}

// Readies the text for the current group's characters; false inside a skipped destination.
bool Reader::startText()
{
    const Group &group = m_groups.back();
    if (group.skip)
        return false;
    if (group.bold != m_marks.back().bold)
        m_marks.push_back({m_text.size(), group.bold});
    return true;
}

} // namespace

RtfReadResult readRtf(const QByteArray &data)
{
    return Reader(data).read();
}
