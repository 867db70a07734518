// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/tablenavigation.h"

#include <algorithm>
#include <limits>

namespace TableNavigation {

namespace {

// Points tried after the centre, row by row from the top, so that a card of a fanned column is
// found on the strip of it that shows.
constexpr int Steps = 10;

const Spot *find(const QList<Spot> &spots, int index)
{
    const auto it = std::find_if(spots.begin(), spots.end(),
                                 [index](const Spot &spot) { return spot.index == index; });
    return it == spots.end() ? nullptr : &*it;
}

} // namespace

QRect reach(QSize area)
{
    return {0, 0, area.width(), std::numeric_limits<int>::max() / 2};
}

std::optional<QPoint> hitPoint(const TableModel &table, int index, const QList<int> &ignore,
                               const QRect &bounds)
{
    if (index < 0 || index >= table.pictures.size() || ignore.contains(index))
        return std::nullopt;
    const Picture &picture = table.at(index);
    if (!picture.visible || picture.rect.isEmpty() ||
        (!bounds.isNull() && !bounds.intersects(picture.rect)))
        return std::nullopt;
    const QRect &rect = picture.rect;
    if (table.pictureAt(rect.center(), ignore) == index)
        return rect.center();
    for (int row = 1; row < Steps; ++row) {
        for (int column = 1; column < Steps; ++column) {
            const QPoint point(rect.left() + rect.width() * column / Steps,
                               rect.top() + rect.height() * row / Steps);
            if (table.pictureAt(point, ignore) == index)
                return point;
        }
    }
    return std::nullopt;
}

QList<Spot> spots(const TableModel &table, const QList<int> &ignore, const QRect &bounds)
{
    QList<Spot> found;
    for (int i = 0; i < table.pictures.size(); ++i) {
        if (const auto point = hitPoint(table, i, ignore, bounds))
            found.append({i, *point});
    }
    // By where the pictures lie, not by where they show: the top card of a fanned column shows
    // only its top strip, yet comes in the same row as a card alone beside it.
    std::stable_sort(found.begin(), found.end(), [&table](const Spot &a, const Spot &b) {
        const QPoint first = table.at(a.index).rect.topLeft();
        const QPoint second = table.at(b.index).rect.topLeft();
        return first.y() != second.y() ? first.y() < second.y() : first.x() < second.x();
    });
    return found;
}

QList<int> reachable(const TableModel &table, const QList<int> &ignore, const QRect &bounds)
{
    QList<int> indices;
    for (const Spot &spot : spots(table, ignore, bounds))
        indices.append(spot.index);
    return indices;
}

int next(const QList<Spot> &spots, int from, Direction direction)
{
    const Spot *origin = find(spots, from);
    if (!origin)
        return -1;
    int best = -1;
    qint64 bestScore = std::numeric_limits<qint64>::max();
    for (const Spot &spot : spots) {
        const QPoint d = spot.point - origin->point;
        const bool horizontal = direction == Direction::Left || direction == Direction::Right;
        const bool backwards = direction == Direction::Left || direction == Direction::Up;
        const qint64 along = (horizontal ? d.x() : d.y()) * (backwards ? -1 : 1);
        const qint64 across = horizontal ? d.y() : d.x();
        if (along <= 0 || spot.index == from)
            continue;
        // Sideways counts double, so that the next card of the same row or column wins over a
        // nearer one out of line.
        const qint64 score = along + 2 * std::abs(across);
        if (score < bestScore) {
            bestScore = score;
            best = spot.index;
        }
    }
    return best;
}

int nearest(const QList<Spot> &spots, QPoint twips)
{
    int best = -1;
    qint64 bestDistance = std::numeric_limits<qint64>::max();
    for (const Spot &spot : spots) {
        const QPoint d = spot.point - twips;
        const qint64 distance = qint64(d.x()) * d.x() + qint64(d.y()) * d.y();
        if (distance < bestDistance) {
            bestDistance = distance;
            best = spot.index;
        }
    }
    return best;
}

} // namespace TableNavigation
