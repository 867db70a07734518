// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// Whether the label shows its whole text, wrapped, inside its margin.
inline bool showsWholeText(const QLabel *label)
{
    const int margin = label->margin();
    const QRect box = label->contentsRect().adjusted(margin, margin, -margin, -margin);
    return box.contains(label->fontMetrics().boundingRect(
        box, Qt::TextWordWrap | label->alignment(), label->text()));
}
