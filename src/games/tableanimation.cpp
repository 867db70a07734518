// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/tableanimation.h"

#include <QLineF>
#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

bool onTable(const Picture &picture, const QRect &table)
{
    return picture.showsCard() && picture.rect.intersects(table);
}

bool faceUp(const Picture &picture)
{
    return picture.face == Picture::Face::Front && !picture.card.isEmpty();
}

// Longer ways take a little longer, within the bounds: about 650 pixels at the design size
// already take the longest time.
qint64 glideTime(const QRectF &from, const QRectF &to)
{
    const qreal pixels = QLineF(from.topLeft(), to.topLeft()).length() / 15.0;
    return std::clamp(TableAnimation::ShortestMs + qint64(pixels / 5.0), TableAnimation::ShortestMs,
                      TableAnimation::LongestMs);
}

QRectF between(const QRectF &from, const QRectF &to, qreal share)
{
    const auto mix = [share](qreal a, qreal b) { return a + (b - a) * share; };
    return {mix(from.x(), to.x()), mix(from.y(), to.y()), mix(from.width(), to.width()),
            mix(from.height(), to.height())};
}

} // namespace

qreal TableAnimation::ease(qreal t)
{
    t = std::clamp(t, 0.0, 1.0);
    return t < 0.5 ? 4 * t * t * t : 1 - std::pow(-2 * t + 2, 3) / 2;
}

void TableAnimation::start(const TableModel &before, const TableModel &after, QSize area,
                           qint64 now, const QHash<int, QPoint> &dropped)
{
    const QRect table(QPoint(0, 0), area);
    // Where each card was: face up, or face down in a picture that already holds its code.
    QHash<QString, int> shownAt;
    QHash<QString, int> faceDownAt;
    for (int i = 0; i < before.pictures.size(); ++i) {
        const Picture &picture = before.pictures.at(i);
        if (!onTable(picture, table) || picture.card.isEmpty())
            continue;
        QHash<QString, int> *places = faceUp(picture)                       ? &shownAt
                                      : picture.face == Picture::Face::Back ? &faceDownAt
                                                                            : nullptr;
        // A code shown twice is followed where it is drawn on top.
        if (places && (!places->contains(picture.card) ||
                       picture.z >= before.pictures.at(places->value(picture.card)).z))
            places->insert(picture.card, i);
    }

    QList<Track> tracks;
    for (int j = 0; j < after.pictures.size(); ++j) {
        const Picture &picture = after.pictures.at(j);
        if (!onTable(picture, table))
            continue;
        const bool sameIndexShown =
            j < before.pictures.size() && onTable(before.pictures.at(j), table);
        int source = -1;
        bool turns = false;
        if (faceUp(picture)) {
            if (shownAt.contains(picture.card)) {
                source = shownAt.value(picture.card);
            } else if (faceDownAt.contains(picture.card)) {
                source = faceDownAt.value(picture.card);
                turns = true;
            } else if (sameIndexShown && before.pictures.at(j).face == Picture::Face::Back) {
                source = j;
                turns = true;
            }
        } else if (sameIndexShown && before.pictures.at(j).face == picture.face) {
            source = j;
        }
        if (source < 0)
            continue;
        const QRectF to(picture.rect);
        const Track *current = trackOf(source);
        if (current && current->to == to && !dropped.contains(source)) {
            Track carried = *current; // still on its way to the same place
            carried.picture = j;
            tracks.append(carried);
            continue;
        }
        const bool drop = dropped.contains(source);
        const QRectF from =
            drop ? QRectF(QRect(dropped.value(source), before.pictures.at(source).rect.size()))
                 : drawnRect(source, before, now);
        if (from == to && !turns)
            continue;
        Track track{j, from, to, now, drop ? DropMs : glideTime(from, to), turns};
        if (turns && !drop)
            track.duration = std::max(track.duration, TurnMs);
        tracks.append(track);
    }
    m_tracks = std::move(tracks);
}

const TableAnimation::Track *TableAnimation::trackOf(int picture) const
{
    for (const Track &track : m_tracks) {
        if (track.picture == picture)
            return &track;
    }
    return nullptr;
}

QRectF TableAnimation::drawnRect(int picture, const TableModel &model, qint64 now) const
{
    if (const Track *track = trackOf(picture))
        return spriteOf(*track, now).rect;
    return QRectF(model.pictures.at(picture).rect);
}

Sprite TableAnimation::spriteOf(const Track &track, qint64 now) const
{
    const qreal t = track.duration > 0 ? qreal(now - track.start) / qreal(track.duration) : 1.0;
    const qreal share = ease(t);
    Sprite sprite;
    sprite.picture = track.picture;
    sprite.rect = between(track.from, track.to, share);
    if (track.turns) {
        // Edge-on half way: the back narrows to nothing, then the face widens.
        sprite.widthFactor = std::abs(std::cos(share * std::numbers::pi));
        sprite.showsBack = share < 0.5;
    }
    return sprite;
}

QList<Sprite> TableAnimation::sprites(qint64 now) const
{
    QList<Sprite> moving;
    for (const Track &track : m_tracks) {
        if (now < track.start + track.duration)
            moving.append(spriteOf(track, now));
    }
    return moving;
}

bool TableAnimation::running(qint64 now) const
{
    return std::any_of(m_tracks.begin(), m_tracks.end(),
                       [now](const Track &track) { return now < track.start + track.duration; });
}

QList<QRectF> TableAnimation::prune(qint64 now)
{
    QList<QRectF> ended;
    m_tracks.removeIf([&ended, now](const Track &track) {
        if (now < track.start + track.duration)
            return false;
        ended.append(track.to);
        return true;
    });
    return ended;
}

QList<QRectF> TableAnimation::finish()
{
    return prune(std::numeric_limits<qint64>::max());
}
