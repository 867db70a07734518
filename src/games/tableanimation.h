// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/tablemodel.h"

#include <QHash>
#include <QList>
#include <QRectF>

// A picture part-way through its move, as it is drawn at one moment.
struct Sprite {
    int picture = -1;       // its index in the model it moves into
    QRectF rect;            // twips
    qreal widthFactor = 1;  // below 1 while the card turns over on its vertical axis
    bool showsBack = false; // the first half of a turn shows the back
};

// The moves between two pictures of a table: each picture that shows a card in the new table
// and was elsewhere in the old one glides from its old place (or from where it is drawn, when it
// was still moving) to its new one, eased; a card that was face down turns over on the way.
// Cards are followed by their code, so a card handed from one picture to another (a grid that
// closes up) glides too. Pure arithmetic on a clock in milliseconds that the caller gives.
class TableAnimation {
public:
    static constexpr qint64 ShortestMs = 120;
    static constexpr qint64 LongestMs = 250;
    static constexpr qint64 DropMs = 90; // a card the player let go settles quicker
    static constexpr qint64 TurnMs = 200;

    // The moves from before to after, at time now. area: the design area; pictures outside it
    // are parked and never move. dropped: where the player let go the pictures of before that
    // were dragged (index of before -> top left, twips); those settle from there.
    void start(const TableModel &before, const TableModel &after, QSize area, qint64 now,
               const QHash<int, QPoint> &dropped = {});

    // The pictures still moving at now, with where and how they are drawn.
    QList<Sprite> sprites(qint64 now) const;
    bool running(qint64 now) const;
    bool isEmpty() const { return m_tracks.isEmpty(); }
    // Drops the moves that have ended by now; returns their last places, which need a repaint.
    QList<QRectF> prune(qint64 now);
    // Ends every move at once; returns their last places.
    QList<QRectF> finish();

    // The eased share of a move done after the share t of its time.
    static qreal ease(qreal t);

private:
    struct Track {
        int picture = -1;
        QRectF from;
        QRectF to;
        qint64 start = 0;
        qint64 duration = 0;
        bool turns = false;
    };
    Sprite spriteOf(const Track &track, qint64 now) const;
    QRectF drawnRect(int picture, const TableModel &model, qint64 now) const;
    const Track *trackOf(int picture) const;

    QList<Track> m_tracks;
};
