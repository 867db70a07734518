// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/tablemodel.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <optional>

// How the keyboard walks a table model: which pictures it can reach (those the mouse can hit
// somewhere), in reading order of their places, and the nearest one in a direction. Pictures listed
// in ignore are out of reach and do not hide what lies under them (the cards carried by a drag).
namespace TableNavigation {

enum class Direction { Left, Right, Up, Down };

// The part of a table within reach, for its design area: the area across, and all below it,
// where the cards fanned down a column may run past the foot of the window. A game may park the
// cards it is done with beyond the window's side, out of sight and of reach.
QRect reach(QSize area);

// A point of the picture, in twips, where it is drawn on top of the others: its centre when it
// shows there, else the first point of its visible part from the top; none when it is hidden,
// covered or listed in ignore, or, given bounds, when it lies wholly outside them.
std::optional<QPoint> hitPoint(const TableModel &table, int index, const QList<int> &ignore = {},
                               const QRect &bounds = {});

// A reachable picture and its hit point.
struct Spot {
    int index;
    QPoint point;
};

// Every picture with a hit point, by its place: top to bottom and then left to right.
QList<Spot> spots(const TableModel &table, const QList<int> &ignore = {}, const QRect &bounds = {});
QList<int> reachable(const TableModel &table, const QList<int> &ignore = {},
                     const QRect &bounds = {});

// The spot nearest to from in the direction, favouring those in line with it; -1 when there is
// none that way or from is not among the spots.
int next(const QList<Spot> &spots, int from, Direction direction);

// The spot nearest to a point: where the focus goes when its picture is gone; -1 when none.
int nearest(const QList<Spot> &spots, QPoint twips);

} // namespace TableNavigation
