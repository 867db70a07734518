// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/tablemotion.h"

#include <QElapsedTimer>
#include <QTimer>
#include <memory>
#include <utility>

namespace {

constexpr int FrameMs = 16; // about the refresh of a usual screen

} // namespace

TableMotion::TableMotion(QObject *parent) : QObject(parent), m_frames(new QTimer(this))
{
    auto elapsed = std::make_shared<QElapsedTimer>();
    elapsed->start();
    m_clock = [elapsed] { return elapsed->elapsed(); };
    m_frames->setObjectName(QStringLiteral("animationTimer"));
    m_frames->setTimerType(Qt::PreciseTimer);
    m_frames->setInterval(FrameMs);
    connect(m_frames, &QTimer::timeout, this, &TableMotion::tick);
}

void TableMotion::setEnabled(bool enabled)
{
    m_enabled = enabled;
    if (!enabled)
        finish();
}

void TableMotion::changed(const TableModel &before, const TableModel &after, QSize area,
                          const QHash<int, QPoint> &dropped)
{
    if (!m_enabled)
        return;
    m_animation.start(before, after, area, now(), dropped);
    QList<QRectF> places = m_lastPlaces; // cards caught in flight may now be elsewhere
    m_lastPlaces = spritePlaces();
    places += m_lastPlaces;
    if (m_animation.isEmpty()) {
        m_frames->stop();
        places += endOfMoves();
    } else if (!m_frames->isActive()) {
        m_frames->start();
    }
    if (!places.isEmpty())
        Q_EMIT repaint(places);
}

void TableMotion::finish()
{
    m_frames->stop();
    if (m_animation.isEmpty())
        return;
    QList<QRectF> places = m_animation.finish() + m_lastPlaces + endOfMoves();
    m_lastPlaces.clear();
    Q_EMIT repaint(places);
}

void TableMotion::tick()
{
    QList<QRectF> places = m_animation.prune(now()) + m_lastPlaces;
    m_lastPlaces = spritePlaces();
    places += m_lastPlaces;
    if (m_animation.isEmpty()) {
        m_frames->stop();
        places += endOfMoves();
    }
    if (!places.isEmpty())
        Q_EMIT repaint(places);
}

QList<Sprite> TableMotion::sprites() const
{
    const QList<Sprite> moving = m_animation.sprites(now());
    for (const Sprite &sprite : moving) {
        if (m_drawn.isEmpty() || m_drawn.last() != sprite.rect)
            m_drawn.append(sprite.rect);
    }
    return moving;
}

QList<QRectF> TableMotion::endOfMoves()
{
    return std::exchange(m_drawn, {});
}

QList<QRectF> TableMotion::spritePlaces() const
{
    QList<QRectF> places;
    for (const Sprite &sprite : m_animation.sprites(now()))
        places.append(sprite.rect);
    return places;
}
