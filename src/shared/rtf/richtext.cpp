// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/rtf/richtext.h"

void appendText(RichText &doc, const QString &text, bool bold)
{
    if (text.isEmpty())
        return;
    if (!doc.isEmpty() && doc.last().bold == bold)
        doc.last().text += text;
    else
        doc.append({text, bold});
}

QString plainText(const RichText &doc)
{
    qsizetype size = 0;
    for (const RichTextRun &run : doc)
        size += run.text.size();
    QString text;
    text.reserve(size);
    for (const RichTextRun &run : doc)
        text += run.text;
    return text;
}
