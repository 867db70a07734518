// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QPixmap>
#include <QSize>
#include <QString>

// The renderings of built-in pictures one widget draws at its current scale. The widget clears
// them when its scale changes, so resizing never piles up pictures of sizes no longer shown.
class Renderings {
public:
    // Pictures::pixmap, drawn once per name, size and pixel ratio until the next clear().
    QPixmap pixmap(const QString &name, QSize size, qreal devicePixelRatio);
    void clear();
    qsizetype count() const { return m_pixmaps.size(); }

private:
    QHash<QString, QPixmap> m_pixmaps;
};
