// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/tableanimation.h"

#include <QObject>
#include <functional>

class QTimer;

// Runs the animation of a table in time: a frame timer that ticks only while something moves,
// the clock it reads (replaceable, so a test can stop time and step it) and the switch that turns
// moving cards off. Qt 6.4 passes on no wish of the desktop for less motion (its Linux themes
// report no general interface effects at all), so the switch is the player's option alone.
class TableMotion : public QObject {
    Q_OBJECT
public:
    using Clock = std::function<qint64()>; // milliseconds, never going back

    explicit TableMotion(QObject *parent = nullptr);

    void setClock(Clock clock) { m_clock = std::move(clock); }
    qint64 now() const { return m_clock(); }

    // Off, every change shows at once; turning it off ends what is moving.
    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }

    // The table went from before to after; see TableAnimation::start.
    void changed(const TableModel &before, const TableModel &after, QSize area,
                 const QHash<int, QPoint> &dropped = {});
    // Puts every moving card in its place now, as before any input.
    void finish();
    bool isRunning() const { return !m_animation.isEmpty(); }
    // The pictures moving now, as the table draws them. A paint comes at any time between two
    // frames, so every place handed out here is painted again once nothing moves any more.
    QList<Sprite> sprites() const;

    // One frame: what ended is dropped and the timer stops once nothing moves. The frame timer
    // calls it; a test with a clock of its own may too.
    void tick();

Q_SIGNALS:
    // Places (twips) to paint again: where moving cards were, are, or came to rest.
    void repaint(const QList<QRectF> &places);

private:
    QList<QRectF> spritePlaces() const;
    // The places the moving cards were drawn at, once the last of them came to rest.
    QList<QRectF> endOfMoves();

    Clock m_clock;
    QTimer *m_frames;
    TableAnimation m_animation;
    QList<QRectF> m_lastPlaces;
    mutable QList<QRectF> m_drawn; // since the moves began
    bool m_enabled = true;
};
