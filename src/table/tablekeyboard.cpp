// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/tablekeyboard.h"

#include "table/cardtable.h"
#include "table/tableaccessible.h"

#include <QKeyEvent>
#include <QPainter>
#include <utility>

using TableNavigation::Direction;

TableKeyboard::TableKeyboard(CardTable *table) : QObject(table), m_table(table)
{
    table->setKeyboard(this);
    TableAccessible::install();
}

const QList<TableNavigation::Spot> &TableKeyboard::spots() const
{
    if (m_spotsStale) {
        const TableModel *model = m_table->model();
        m_spots =
            model ? TableNavigation::spots(*model, {}, area()) : QList<TableNavigation::Spot>();
        m_spotsStale = false;
    }
    return m_spots;
}

bool TableKeyboard::keyPress(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!m_table->model())
        return false;
    if (modifiers == Qt::NoModifier) {
        switch (key) {
        case Qt::Key_Left:
            step(Direction::Left);
            return true;
        case Qt::Key_Right:
            step(Direction::Right);
            return true;
        case Qt::Key_Up:
            step(Direction::Up);
            return true;
        case Qt::Key_Down:
            step(Direction::Down);
            return true;
        case Qt::Key_Home:
        case Qt::Key_End: {
            const QList<TableNavigation::Spot> ends = reachable();
            if (!ends.isEmpty())
                moveTo(key == Qt::Key_Home ? ends.first().index : ends.last().index);
            return true;
        }
        case Qt::Key_Escape:
            if (m_source < 0)
                return false;
            putBack();
            return true;
        case Qt::Key_Menu:
            rightPress(m_focus);
            return true;
        default:
            break;
        }
        if (enter || key == Qt::Key_Space) {
            if (m_source >= 0)
                drop();
            else
                activate(m_focus);
            return m_focus >= 0;
        }
    }
    if (modifiers == Qt::ShiftModifier && enter) {
        const int picture = m_focus;
        if (picture < 0)
            return false;
        if (m_source >= 0)
            return true;
        hoverFocus();
        // As with the mouse, whose first press and release click before the double click.
        if (!m_table->model()->at(picture).draggable)
            Q_EMIT m_table->clicked(picture);
        Q_EMIT m_table->doubleClicked(picture);
        return true;
    }
    if (modifiers == Qt::ShiftModifier && key == Qt::Key_F10) {
        rightPress(m_focus);
        return true;
    }
    if (modifiers == Qt::ControlModifier && key == Qt::Key_Space) {
        if (m_source < 0) {
            hoverFocus();
            pickUp();
        }
        return true;
    }
    return false;
}

// The mouse that acts on a picture has just moved over it, since the last change of the table.
void TableKeyboard::hoverFocus()
{
    if (!m_hoverStale || m_focus < 0 || m_source >= 0)
        return;
    Q_EMIT m_table->hovered(m_focus);
    m_hoverStale = false;
}

// Before it acts on a picture, the keyboard goes there, passing over it as the mouse does; false
// when there is no such picture or cards are carried.
bool TableKeyboard::aimAt(int picture)
{
    const TableModel *model = m_table->model();
    if (!model || picture < 0 || picture >= model->pictures.size() || m_source >= 0)
        return false;
    if (picture != m_focus)
        moveTo(picture);
    hoverFocus();
    return true;
}

void TableKeyboard::activate(int picture)
{
    if (!aimAt(picture))
        return;
    // A press on a card that is dragged starts a drag and never clicks it: so here.
    if (m_table->model()->at(picture).draggable)
        pickUp();
    else
        Q_EMIT m_table->clicked(picture);
}

void TableKeyboard::rightPress(int picture)
{
    if (aimAt(picture))
        Q_EMIT m_table->rightPressed(picture);
}

QRect TableKeyboard::area() const
{
    return TableNavigation::reach(m_table->m_area);
}

QList<TableNavigation::Spot> TableKeyboard::reachable() const
{
    return m_source >= 0 ? TableNavigation::spots(*m_table->model(), m_group, area()) : spots();
}

void TableKeyboard::step(Direction direction)
{
    const TableModel *model = m_table->model();
    if (m_source < 0) {
        if (m_focus < 0) {
            if (!spots().isEmpty())
                moveTo(spots().first().index);
            return;
        }
        const int target = TableNavigation::next(spots(), m_focus, direction);
        if (target >= 0)
            moveTo(target);
        return;
    }
    // Carrying: the carried cards are out of reach, but the way starts from where they lay.
    QList<TableNavigation::Spot> targets = reachable();
    if (m_focus == m_source) {
        if (const auto point = TableNavigation::hitPoint(*model, m_source, {}, area()))
            targets.append({m_source, *point});
    }
    const int target = TableNavigation::next(targets, m_focus, direction);
    if (target >= 0 && target != m_source)
        moveTo(target);
}

QRect TableKeyboard::frameRect(int picture) const
{
    const TableModel *model = m_table->model();
    if (!model || picture < 0 || picture >= model->pictures.size())
        return {};
    QRect rect = m_table->toPixels(model->at(picture).rect);
    if (picture == m_source)
        rect.translate(m_table->m_dragShift);
    return rect.adjusted(-6, -6, 6, 6);
}

void TableKeyboard::repaintFocus(int old)
{
    m_table->update(frameRect(old).adjusted(-3, -3, 3, 3));
    m_table->update(frameRect(m_focus).adjusted(-3, -3, 3, 3));
}

void TableKeyboard::moveTo(int picture)
{
    const int old = std::exchange(m_focus, picture);
    repaintFocus(old);
    TableAccessible::focusMoved(m_table, picture);
    // The focus passes over a picture as the mouse does.
    if (m_source >= 0) {
        showCarried();
        Q_EMIT m_table->dragMoved(m_source, picture);
    } else {
        Q_EMIT m_table->hovered(picture);
        m_hoverStale = false;
    }
}

void TableKeyboard::pickUp()
{
    const TableModel *model = m_table->model();
    if (m_focus < 0 || !model->at(m_focus).draggable)
        return;
    m_source = m_focus;
    m_group = m_table->m_dragGroup ? m_table->m_dragGroup(m_source) : QList<int>{m_source};
    if (!m_group.contains(m_source))
        m_group.prepend(m_source);
    showCarried();
}

// The carried cards are drawn a little below and right of the focused picture, which still shows.
void TableKeyboard::showCarried()
{
    const TableModel *model = m_table->model();
    const QRect source = m_table->toPixels(model->at(m_source).rect);
    const QRect target = m_table->toPixels(model->at(m_focus).rect);
    m_table->m_dragged = m_group;
    m_table->m_dragShift =
        target.topLeft() - source.topLeft() + QPoint(target.width() / 4, target.height() / 5);
    m_table->update();
}

void TableKeyboard::putBack()
{
    if (m_source < 0)
        return;
    m_source = -1;
    m_group.clear();
    m_table->m_dragged.clear();
    m_table->m_dragShift = {};
    m_table->update();
}

void TableKeyboard::drop()
{
    const int source = m_source;
    const int target = m_focus;
    putBack();
    if (target < 0 || target == source)
        return;
    Q_EMIT m_table->dropped(source, target, m_table->model()->at(target).rect.topLeft());
}

void TableKeyboard::modelChanged()
{
    m_spotsStale = true;
    m_hoverStale = true;
    const TableModel *model = m_table->model();
    if (!model)
        return;
    if (m_source >= 0 && (m_source >= model->pictures.size() || !model->at(m_source).visible ||
                          !model->at(m_source).draggable))
        putBack(); // the rules took the carried card away
    if (m_focus >= 0) {
        const QList<int> ignore = m_source >= 0 ? m_group : QList<int>();
        const bool onSource = m_focus == m_source;
        if (!onSource && !TableNavigation::hitPoint(*model, m_focus, ignore, area())) {
            // Its picture is gone or covered: the nearest one takes the focus, silently, as the
            // mouse that stays still moves over nothing.
            const int old = m_focus;
            const QPoint was =
                m_focus < model->pictures.size() ? model->at(m_focus).rect.center() : QPoint();
            m_focus = TableNavigation::nearest(reachable(), was);
            repaintFocus(old);
            TableAccessible::focusMoved(m_table, m_focus);
        }
    }
    TableAccessible::modelChanged(m_table);
}

void TableKeyboard::focusFirst()
{
    putBack();
    const int old = m_focus;
    m_focus = spots().isEmpty() ? -1 : spots().first().index;
    m_hoverStale = true;
    repaintFocus(old);
    TableAccessible::focusMoved(m_table, m_focus);
}

void TableKeyboard::focusChanged(bool in)
{
    if (in && m_focus < 0 && !spots().isEmpty())
        m_focus = spots().first().index;
    if (in)
        TableAccessible::focusMoved(m_table, m_focus);
    repaintFocus(m_focus);
}

void TableKeyboard::paint(QPainter &painter) const
{
    const TableModel *model = m_table->model();
    if (!m_table->hasFocus() || !model || m_focus < 0 || m_focus >= model->pictures.size())
        return;
    // Outside the games' red and blue frames: a yellow band edged in black, seen on the green
    // table as on a white card.
    const QRectF outline = frameRect(m_focus);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 5));
    painter.drawRoundedRect(outline, 4, 4);
    painter.setPen(QPen(QColor(255, 214, 0), 3));
    painter.drawRoundedRect(outline, 4, 4);
}
