#include "history/richdocument.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

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
    for (const RichTextRun &run : text)
        cursor.insertText(run.text, run.bold ? bold : plain);
    cursor.endEditBlock();
}

RichText richText(const QTextDocument &document)
{
    RichText text;
    for (QTextBlock block = document.begin(); block.isValid();) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            appendText(text, fragment.text(), isBold(fragment.charFormat()));
        }
        block = block.next();
        // A block's character format is that of the paragraph break before it.
        if (block.isValid())
            appendText(text, QStringLiteral("\n"), isBold(block.charFormat()));
    }
    return text;
}
