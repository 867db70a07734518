#include "history/richdocument.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// A paragraph is laid out as a whole, so one as long as the whole text would stall the view.
constexpr int MaxLinesPerParagraph = 64;
constexpr QChar RecordStart = u'[';

bool isBold(const QTextCharFormat &format)
{
    return format.fontWeight() > QFont::Medium;
}

} // namespace

void setRichText(QTextDocument &document, const RichText &text)
{
    document.clear();
    QTextCharFormat plain;
    plain.setFontWeight(QFont::Normal);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);

    // One edit block: the layout runs once at the end instead of after every run.
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    int lines = 1;
    for (qsizetype r = 0; r < text.size(); ++r) {
        QString piece = text[r].text;
        const QChar afterRun =
            r + 1 < text.size() && !text[r + 1].text.isEmpty() ? text[r + 1].text.front() : QChar();
        for (qsizetype i = 0; i < piece.size(); ++i) {
            if (piece[i] != u'\n')
                continue;
            const QChar next = i + 1 < piece.size() ? piece[i + 1] : afterRun;
            if (next == RecordStart || lines == MaxLinesPerParagraph) {
                lines = 1;
            } else {
                piece[i] = QChar::LineSeparator;
                ++lines;
            }
        }
        cursor.insertText(piece, text[r].bold ? bold : plain);
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
        if (block.isValid())
            appendText(text, QStringLiteral("\n"), isBold(block.charFormat()));
    }
    return text;
}
