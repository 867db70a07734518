// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/tablenavigation.h"
#include "table/tablefocus.h"

#include <QList>
#include <QObject>
#include <QRect>

class CardTable;
class QKeyEvent;
class QPainter;

// The keyboard on a card table: a focused picture marked by a frame of its own, the arrows to
// the nearest picture that way, Home and End, and the keys that do what the mouse does — Space
// or Return a click (or a pick-up of a card that is dragged), Shift+Return a double click, the
// menu key or Shift+F10 a right press, Ctrl+Space a pick-up, and, while a card is carried, the
// arrows over the targets, Return to drop it and Escape to put it back. The table's signals are
// sent exactly as the mouse sends them, so the rules cannot tell the two apart.
class TableKeyboard : public QObject, public TableFocus {
public:
    // Becomes the table's keyboard, and makes a screen reader see the card tables.
    explicit TableKeyboard(CardTable *table);

    int focus() const override { return m_focus; }
    int carried() const override { return m_source; }
    const QList<TableNavigation::Spot> &spots() const override;

    bool keyPress(QKeyEvent *event) override;
    // The focus follows its picture or goes to the nearest one.
    void modelChanged() override;
    void focusChanged(bool in) override;
    void paint(QPainter &painter) const override;

    // A game starts: the focus on the first picture, top left, without passing over it yet.
    void focusFirst() override;
    void activate(int picture) override;
    void rightPress(int picture) override;
    // The mouse took over, say.
    void putBack() override;

private:
    // The part of the table within reach (see TableNavigation::reach).
    QRect area() const;
    // Where the focus may go: while cards are carried, anywhere but onto them.
    QList<TableNavigation::Spot> reachable() const;
    bool aimAt(int picture);
    void moveTo(int picture);
    void hoverFocus();
    void step(TableNavigation::Direction direction);
    void pickUp();
    void drop();
    void showCarried();
    QRect frameRect(int picture) const;
    void repaintFocus(int old);

    CardTable *m_table;
    int m_focus = -1;
    int m_source = -1;
    QList<int> m_group; // the source and the pictures that go with it
    mutable QList<TableNavigation::Spot> m_spots;
    mutable bool m_spotsStale = true;
    bool m_hoverStale = true; // the table changed since the focused picture was last hovered
};
