// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// Whether the label shows its whole text inside its margin, laid out as the label lays it out:
// wrapped only when the label wraps.
inline bool showsWholeText(const QLabel *label)
{
    const int margin = label->margin();
    const QRect box = label->contentsRect().adjusted(margin, margin, -margin, -margin);
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    return box.contains(label->fontMetrics().boundingRect(box, flags, label->text()));
}
