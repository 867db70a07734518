// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/renderings.h"

#include "shared/pictures.h"

#include <QCoreApplication>
#include <QPixmapCache>
#include <QPointer>
#include <QTimer>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// Once a burst of drops (a window being resized) has settled, the pictures of the sizes left
// behind go: Qt's own cache of drawn pictures (the buttons' bevels at every size they took), and
// the blocks glibc keeps in its heap, where later pictures of other sizes fit badly.
void releaseFreedMemorySoon()
{
    static QPointer<QTimer> settle;
    if (!settle && QCoreApplication::instance()) {
        settle = new QTimer(QCoreApplication::instance());
        settle->setSingleShot(true);
        settle->setInterval(300);
        QObject::connect(settle, &QTimer::timeout, [] {
            QPixmapCache::clear();
#ifdef __GLIBC__
            malloc_trim(0);
#endif
        });
    }
    if (settle)
        settle->start();
}

} // namespace

QPixmap Renderings::pixmap(const QString &name, QSize size, qreal devicePixelRatio)
{
    const QString key = QStringLiteral("%1/%2x%3@%4")
                            .arg(name)
                            .arg(size.width())
                            .arg(size.height())
                            .arg(devicePixelRatio);
    const auto found = m_pixmaps.constFind(key);
    if (found != m_pixmaps.constEnd())
        return *found;
    const QPixmap rendering = Pictures::pixmap(name, size, devicePixelRatio);
    m_pixmaps.insert(key, rendering);
    return rendering;
}

void Renderings::clear()
{
    if (m_pixmaps.isEmpty())
        return;
    m_pixmaps.clear();
    releaseFreedMemorySoon();
}
