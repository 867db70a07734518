// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/tablemodel.h"
#include "shared/cardback.h"
#include "shared/renderings.h"

#include <QHash>
#include <QPixmap>
#include <QWidget>
#include <functional>

struct Sprite;
class TableMotion;
class TableFocus;

// Draws a table model scaled uniformly to the widget (aspect kept, centred) over the table colour
// and picture, and turns the mouse into the events of the game: click, double click, right press,
// hover, and drag with the dragged cards following the mouse. Repaints only what changed.
class CardTable : public QWidget {
    Q_OBJECT
public:
    explicit CardTable(QWidget *parent = nullptr);

    // The model stays owned by the rules; call modelChanged() after every change to it.
    void setModel(const TableModel *model, QSize designArea);
    // The owner of the model is about to free it: nothing reads it from now on, not even the
    // focus events of the window's closing.
    void forgetModel() { m_model = nullptr; }
    void modelChanged();

    void setTableColour(const QColor &colour);
    // The table picture, stretched over the whole widget; "" for none.
    void setTablePicture(const QString &path);
    void setCardBack(const CardBack &back);

    // Pixels per twip and the mapping of the design area into the widget.
    qreal scale() const { return m_scale; }
    QRect toPixels(const QRect &twips) const;
    QPoint toTwips(QPointF pixels) const;

    // Which pictures follow the mouse when a picture is dragged; by default only itself.
    void setDragGroup(std::function<QList<int>(int source)> group)
    {
        m_dragGroup = std::move(group);
    }
    int dragSource() const { return m_dragSource; }
    // Where a picture lies in the game's words, for a screen reader; "" for none.
    void setPlaceNames(std::function<QString(int picture)> names)
    {
        m_placeNames = std::move(names);
    }
    QString placeName(int picture) const
    {
        return m_placeNames ? m_placeNames(picture) : QString();
    }
    // The built-in pictures kept drawn, all at the current scale.
    const Renderings &renderings() const { return m_renderings; }
    const TableModel *model() const { return m_model; }
    // The keyboard's side of the table, nullptr until its owner gives it one.
    TableFocus *keyboard() const { return m_keyboard; }
    void setKeyboard(TableFocus *keyboard) { m_keyboard = keyboard; }

    // After a change the cards glide to their new places, unless turned off; any press of the
    // mouse first puts them in place.
    void setAnimated(bool animated);
    TableMotion *motion() const { return m_motion; }

Q_SIGNALS:
    void clicked(int picture);
    void doubleClicked(int picture);
    void rightPressed(int picture);
    // picture is -1 over the bare table.
    void hovered(int picture);
    void dragMoved(int source, int target);
    // topLeft: where the dragged card was let go, in twips.
    void dropped(int source, int target, QPoint topLeft);
    // The scale or the offset changed: controls placed over the table must follow.
    void layoutChanged();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    friend class TableKeyboard; // carries cards as a drag of the mouse does

    void paintPicture(QPainter &painter, const Picture &picture, QPoint shift) const;
    void paintCaption(QPainter &painter, const QString &caption, const QRect &target) const;
    QPixmap cardBackPixmap(QSize size) const;
    QRegion pictureRegion(const Picture &picture, QPoint shift = {}) const;
    QRegion dragRegion() const;
    int pictureUnder(QPointF position) const;
    void updateCursor(QPointF position);
    void finishDrag(QPointF position);
    void paintSprite(QPainter &painter, const Sprite &sprite) const;

    const TableModel *m_model = nullptr;
    TableModel m_shown;
    QSize m_area{1, 1};
    qreal m_scale = 1.0 / 15.0;
    QPointF m_origin;

    QColor m_tableColour;
    QPixmap m_tablePicture;
    mutable QPixmap m_tableScaled;
    CardBack m_back;
    QPixmap m_userBack;
    mutable QPixmap m_userBackScaled;
    mutable Renderings m_renderings;

    std::function<QList<int>(int)> m_dragGroup;
    std::function<QString(int)> m_placeNames;
    int m_pressed = -1;
    // The picture under the last left press and what it showed then, kept after its release.
    int m_lastPressed = -1;
    Picture m_lastPressedShown;
    int m_dragSource = -1;
    QList<int> m_dragged;
    QPointF m_pressPos;
    QPoint m_dragShift; // pixels the dragged cards are drawn away from their place
    bool m_dragMoved = false;

    TableMotion *m_motion;
    QHash<int, QPoint> m_dropped; // where the dragged cards were let go, twips
    TableFocus *m_keyboard = nullptr;
};
