// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// A document is a list of runs; a line break is "\n" inside a run's text.
struct RichTextRun {
    QString text;
    bool bold = false;
    bool operator==(const RichTextRun &) const = default;
};
using RichText = QList<RichTextRun>;

// Appends text to the document, extending the last run when it has the same weight,
// so a document never holds empty runs or two neighbours of the same weight.
void appendText(RichText &doc, const QString &text, bool bold);
QString plainText(const RichText &doc);
