// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/tablenavigation.h"

#include <QList>

class QKeyEvent;
class QPainter;

// The keyboard's side of a card table, as the table and a screen reader use it: the focused
// picture, the card carried, the keys, and the actions a reader asks for. The table's owner gives
// it one (TableKeyboard); a table without one answers the mouse only.
class TableFocus {
public:
    virtual ~TableFocus() = default;

    // The focused picture, -1 for none.
    virtual int focus() const = 0;
    // The picture carried by a drag of the keyboard, -1 for none.
    virtual int carried() const = 0;
    // The pictures the keyboard and a screen reader can reach, in reading order.
    virtual const QList<TableNavigation::Spot> &spots() const = 0;

    // Whether the key was one of the table's.
    virtual bool keyPress(QKeyEvent *event) = 0;
    // After every change of the model.
    virtual void modelChanged() = 0;
    // The table gained or lost the keyboard focus.
    virtual void focusChanged(bool in) = 0;
    virtual void paint(QPainter &painter) const = 0;
    // The focus on the first picture in reading order.
    virtual void focusFirst() = 0;
    // What Space does on a picture, after giving it the focus, and the right press.
    virtual void activate(int picture) = 0;
    virtual void rightPress(int picture) = 0;
    // Ends a drag of the keyboard without a drop.
    virtual void putBack() = 0;
};
