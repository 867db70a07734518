// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/richdocument.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace {

// A paragraph is laid out as a whole, in a time that grows faster than its length, so one as long
// as the whole text would stall the view.
constexpr int MaxLinesPerParagraph = 64;
constexpr qsizetype MaxParagraphLength = 2000;
// A longer line is cut for the view at its last blank this close to the limit, or at the limit.
constexpr qsizetype BlankSearch = 100;
constexpr QChar RecordStart = u'[';
// Marks a paragraph that goes on with the line of the one before it: the view cut the line there.
constexpr int ContinuedLine = QTextFormat::UserProperty;

bool isBold(const QTextCharFormat &format)
{
    return format.fontWeight() > QFont::Medium;
}

// Where a line of the view is cut that would pass the limit with the character at `at`: after a
// blank if there is one near, never between the halves of a surrogate pair, and not before
// `from`, the first character not inserted yet.
qsizetype cutBefore(const QString &piece, qsizetype from, qsizetype at)
{
    for (qsizetype i = at; i > std::max(from, at - BlankSearch); --i) {
        if (piece[i - 1] == u' ')
            return i;
    }
    return at > from && piece[at - 1].isHighSurrogate() ? at - 1 : at;
}

} // namespace

void setRichText(QTextDocument &document, const RichText &text)
{
    document.clear();
    QTextCharFormat plain;
    plain.setFontWeight(QFont::Normal);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    const QTextBlockFormat paragraph;
    QTextBlockFormat continued;
    continued.setProperty(ContinuedLine, true);

    // One edit block: the layout runs once at the end instead of after every run.
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    int lines = 1;
    qsizetype length = 0; // of the paragraph so far
    // A "\n" inserted as text makes a paragraph of the current one's format, so after a cut
    // paragraph breaks are inserted as such until a plain paragraph is current again.
    bool inContinued = false;
    for (qsizetype r = 0; r < text.size(); ++r) {
        QString piece = text[r].text;
        const QTextCharFormat &format = text[r].bold ? bold : plain;
        const QChar afterRun =
            r + 1 < text.size() && !text[r + 1].text.isEmpty() ? text[r + 1].text.front() : QChar();
        qsizetype start = 0; // the first character not inserted yet
        const auto insertUpTo = [&](qsizetype end) {
            if (end > start)
                cursor.insertText(piece.sliced(start, end - start), format);
        };
        for (qsizetype i = 0; i < piece.size(); ++i) {
            if (piece[i] != u'\n') {
                if (++length <= MaxParagraphLength)
                    continue;
                const qsizetype cut = cutBefore(piece, start, i);
                insertUpTo(cut);
                cursor.insertBlock(continued, format);
                inContinued = true;
                start = cut;
                lines = 1;
                length = i + 1 - cut;
                continue;
            }
            const QChar next = i + 1 < piece.size() ? piece[i + 1] : afterRun;
            if (next == RecordStart || lines == MaxLinesPerParagraph ||
                length >= MaxParagraphLength / 2) {
                lines = 1;
                length = 0;
                if (inContinued) {
                    insertUpTo(i);
                    cursor.insertBlock(paragraph, format);
                    inContinued = false;
                    start = i + 1;
                }
            } else {
                piece[i] = QChar::LineSeparator;
                ++lines;
                ++length;
            }
        }
        insertUpTo(piece.size());
    }
    cursor.endEditBlock();
}

RichText richText(const QTextDocument &document)
{
    RichText text;
    for (QTextBlock block = document.begin(); block.isValid();) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QString piece = fragment.text();
            piece.replace(QChar::LineSeparator, u'\n');
            appendText(text, piece, isBold(fragment.charFormat()));
        }
        block = block.next();
        // A block's character format is that of the paragraph break before it.
        if (block.isValid() && !block.blockFormat().boolProperty(ContinuedLine))
            appendText(text, QStringLiteral("\n"), isBold(block.charFormat()));
    }
    return text;
}
