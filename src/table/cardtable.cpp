// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/cardtable.h"

#include "games/tablemotion.h"
#include "shared/picturefile.h"
#include "shared/pictures.h"
#include "table/tablefocus.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>

CardTable::CardTable(QWidget *parent) : QWidget(parent), m_motion(new TableMotion(this))
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setToolTip(tr("Tapis de jeu"));
    connect(m_motion, &TableMotion::repaint, this, [this](const QList<QRectF> &places) {
        QRegion dirty;
        for (const QRectF &place : places)
            dirty += toPixels(place.toAlignedRect()).adjusted(-1, -1, 1, 1);
        update(dirty);
    });
}

void CardTable::setAnimated(bool animated)
{
    m_motion->setEnabled(animated);
}

void CardTable::setModel(const TableModel *model, QSize designArea)
{
    m_model = model;
    m_area = designArea.expandedTo(QSize(1, 1));
    m_motion->finish();
    m_shown = *model;
    resizeEvent(nullptr);
    update();
}

void CardTable::modelChanged()
{
    if (!m_model)
        return;
    QRegion dirty;
    const TableModel &now = *m_model;
    // Repaint where a picture or a frame was and where it is now, for those that changed.
    const auto compare = [&dirty](const auto &before, const auto &after, const auto &region) {
        const qsizetype count = std::max(before.size(), after.size());
        for (qsizetype i = 0; i < count; ++i) {
            const auto old = before.value(i);
            const auto current = after.value(i);
            if (old != current)
                dirty += region(old) + region(current);
        }
    };
    compare(m_shown.pictures, now.pictures,
            [this](const Picture &picture) { return pictureRegion(picture); });
    compare(m_shown.frames, now.frames, [this](const Frame &frame) {
        return frame.visible ? QRegion(toPixels(frame.rect).adjusted(-2, -2, 2, 2)) : QRegion();
    });
    m_motion->changed(m_shown, now, m_area, std::exchange(m_dropped, {}));
    m_shown = now;
    if (m_dragSource >= 0 && !m_shown.pictures.value(m_dragSource).visible) {
        m_dragSource = -1; // the rules took the dragged card away
        m_dragged.clear();
    }
    if (!dirty.isEmpty())
        update(dirty);
    updateCursor(mapFromGlobal(QCursor::pos()));
    if (m_keyboard)
        m_keyboard->modelChanged();
}

void CardTable::setTableColour(const QColor &colour)
{
    m_tableColour = colour;
    update();
}

void CardTable::setTablePicture(const QString &path)
{
    m_tablePicture = QPixmap();
    m_tableScaled = QPixmap();
    if (!path.isEmpty()) {
        const QImage image = ReadPictureFile(path);
        if (!image.isNull())
            m_tablePicture = QPixmap::fromImage(image);
    }
    update();
}

void CardTable::setCardBack(const CardBack &back)
{
    if (back == m_back)
        return;
    m_back = back;
    m_userBack = QPixmap();
    m_userBackScaled = QPixmap();
    if (back.kind == CardBack::Kind::UserPicture) {
        // A picture that cannot be read leaves the built-in back.
        const QImage image = ReadPictureFile(back.path);
        if (!image.isNull())
            m_userBack = QPixmap::fromImage(image);
    }
    update();
}

QRect CardTable::toPixels(const QRect &twips) const
{
    const int left = int(std::lround(m_origin.x() + twips.left() * m_scale));
    const int top = int(std::lround(m_origin.y() + twips.top() * m_scale));
    return {left, top, int(std::lround(twips.width() * m_scale)),
            int(std::lround(twips.height() * m_scale))};
}

QPoint CardTable::toTwips(QPointF pixels) const
{
    return {int(std::lround((pixels.x() - m_origin.x()) / m_scale)),
            int(std::lround((pixels.y() - m_origin.y()) / m_scale))};
}

void CardTable::resizeEvent(QResizeEvent *)
{
    qreal scale = std::min(width() / qreal(m_area.width()), height() / qreal(m_area.height()));
    if (scale <= 0)
        scale = 1.0 / 15.0;
    if (scale != m_scale)
        m_renderings.clear();
    m_scale = scale;
    m_origin = QPointF((width() - m_area.width() * m_scale) / 2,
                       (height() - m_area.height() * m_scale) / 2);
    m_tableScaled = QPixmap();
    m_userBackScaled = QPixmap();
    Q_EMIT layoutChanged();
}

QRegion CardTable::pictureRegion(const Picture &picture, QPoint shift) const
{
    if (!picture.visible)
        return {};
    return QRegion(toPixels(picture.rect).translated(shift).adjusted(-1, -1, 1, 1));
}

QRegion CardTable::dragRegion() const
{
    QRegion region;
    for (int index : m_dragged)
        region += pictureRegion(m_shown.pictures.value(index), m_dragShift);
    return region;
}

QPixmap CardTable::cardBackPixmap(QSize size) const
{
    if (m_back.kind == CardBack::Kind::UserPicture && !m_userBack.isNull()) {
        const QSize device = size * devicePixelRatioF();
        if (m_userBackScaled.size() != device) {
            m_userBackScaled =
                m_userBack.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            m_userBackScaled.setDevicePixelRatio(devicePixelRatioF());
        }
        return m_userBackScaled;
    }
    if (m_back.kind == CardBack::Kind::Unchanged)
        return {};
    return m_renderings.pixmap(QStringLiteral("DOS"), size, devicePixelRatioF());
}

void CardTable::paintPicture(QPainter &painter, const Picture &picture, QPoint shift) const
{
    if (!picture.visible)
        return;
    const QRect target = toPixels(picture.rect).translated(shift);
    QPixmap pixmap;
    switch (picture.face) {
    case Picture::Face::Front:
        pixmap = m_renderings.pixmap(picture.card, target.size(), devicePixelRatioF());
        break;
    case Picture::Face::Back:
        pixmap = cardBackPixmap(target.size());
        break;
    case Picture::Face::Icon:
        pixmap = m_renderings.pixmap(picture.icon, target.size(), devicePixelRatioF());
        break;
    case Picture::Face::None:
        break;
    }
    if (!pixmap.isNull())
        painter.drawPixmap(target.topLeft(), pixmap);
    if (!picture.caption.isEmpty())
        paintCaption(painter, picture.caption, target);
    if (picture.border) {
        painter.setPen(QPen(QColor(0, 0, 0, 140), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(target.adjusted(0, 0, -1, -1));
    }
}

// A text place: white bold text on black, scaled with the table.
void CardTable::paintCaption(QPainter &painter, const QString &caption, const QRect &target) const
{
    painter.fillRect(target, Qt::black);
    QFont font(QStringLiteral("Liberation Sans Narrow"));
    font.setBold(true);
    font.setPixelSize(std::max(6, int(std::lround(13 * m_scale * 15.0))));
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(target, Qt::AlignCenter | Qt::TextWordWrap, caption);
}

void CardTable::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRegion exposed = event->region();
    painter.setClipRegion(exposed);
    painter.fillRect(rect(), m_tableColour);
    if (!m_tablePicture.isNull()) {
        const QSize device = size() * devicePixelRatioF();
        if (m_tableScaled.size() != device) {
            m_tableScaled =
                m_tablePicture.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            m_tableScaled.setDevicePixelRatio(devicePixelRatioF());
        }
        painter.drawPixmap(0, 0, m_tableScaled);
    }
    if (!m_model)
        return;

    QList<Sprite> sprites = m_motion->sprites();
    QList<int> order;
    order.reserve(m_shown.pictures.size());
    for (int i = 0; i < m_shown.pictures.size(); ++i) {
        const bool moving = std::any_of(sprites.cbegin(), sprites.cend(),
                                        [i](const Sprite &sprite) { return sprite.picture == i; });
        if (!moving && !m_dragged.contains(i) &&
            exposed.intersects(pictureRegion(m_shown.pictures.at(i))))
            order.append(i);
    }
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
        return m_shown.pictures.at(a).z < m_shown.pictures.at(b).z;
    });
    for (int i : std::as_const(order))
        paintPicture(painter, m_shown.pictures.at(i), {});
    // Moving cards pass over the resting ones.
    std::stable_sort(sprites.begin(), sprites.end(), [this](const Sprite &a, const Sprite &b) {
        return m_shown.pictures.value(a.picture).z < m_shown.pictures.value(b.picture).z;
    });
    for (const Sprite &sprite : std::as_const(sprites))
        paintSprite(painter, sprite);

    for (const Frame &frame : std::as_const(m_shown.frames)) {
        if (!frame.visible)
            continue;
        const QColor colour =
            frame.colour == Frame::Colour::Red ? QColor(255, 0, 0) : QColor(0, 0, 255);
        painter.setPen(QPen(colour, std::max(2.0, 2.0 * m_scale * 15.0)));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(toPixels(frame.rect)).adjusted(1, 1, -1, -1));
    }
    for (int i : std::as_const(m_dragged))
        paintPicture(painter, m_shown.pictures.value(i), m_dragShift);
    if (m_keyboard)
        m_keyboard->paint(painter);
}

int CardTable::pictureUnder(QPointF position) const
{
    return m_model ? m_shown.pictureAt(toTwips(position), m_dragged) : -1;
}

void CardTable::updateCursor(QPointF position)
{
    const int index = pictureUnder(position);
    const bool hand = index >= 0 && m_shown.pictures.at(index).hand;
    if (hand == (testAttribute(Qt::WA_SetCursor) && cursor().shape() == Qt::BitmapCursor))
        return; // unchanged: the mouse moves over the table all the time
    if (hand)
        setCursor(Pictures::handCursor());
    else
        unsetCursor();
}

void CardTable::mousePressEvent(QMouseEvent *event)
{
    m_motion->finish();
    if (m_keyboard)
        m_keyboard->putBack();
    const int index = pictureUnder(event->position());
    if (event->button() == Qt::RightButton) {
        if (index >= 0)
            Q_EMIT rightPressed(index);
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = index;
    m_lastPressed = index;
    m_lastPressedShown = m_shown.pictures.value(index);
    m_pressPos = event->position();
    if (index >= 0 && m_shown.pictures.at(index).draggable) {
        m_dragSource = index;
        m_dragged.clear();
        m_dragShift = {};
        m_dragMoved = false;
    }
}

void CardTable::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragSource < 0) {
        if (!(event->buttons() & Qt::LeftButton)) {
            Q_EMIT hovered(pictureUnder(event->position()));
            updateCursor(event->position());
        }
        return;
    }
    const QPoint shift = (event->position() - m_pressPos).toPoint();
    if (!m_dragMoved && shift.manhattanLength() < QApplication::startDragDistance())
        return;
    if (!m_dragMoved) {
        m_dragMoved = true;
        m_dragged = m_dragGroup ? m_dragGroup(m_dragSource) : QList<int>{m_dragSource};
    }
    QRegion dirty = dragRegion();
    if (m_dragShift.isNull()) {
        for (int i : std::as_const(m_dragged))
            dirty += pictureRegion(m_shown.pictures.value(i));
    }
    m_dragShift = shift;
    dirty += dragRegion();
    update(dirty);
    Q_EMIT dragMoved(m_dragSource, pictureUnder(event->position()));
}

void CardTable::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_motion->finish();
    const int pressed = std::exchange(m_pressed, -1);
    if (m_dragSource >= 0 && m_dragMoved) {
        finishDrag(event->position());
        return;
    }
    m_dragSource = -1;
    m_dragged.clear();
    // A picture in automatic drag mode takes no clicks.
    if (pressed >= 0 && !m_shown.pictures.value(pressed).draggable &&
        pictureUnder(event->position()) == pressed)
        Q_EMIT clicked(pressed);
}

void CardTable::finishDrag(QPointF position)
{
    const int source = std::exchange(m_dragSource, -1);
    const int target = pictureUnder(position);
    const QPoint topLeft = toTwips(
        QPointF(toPixels(m_shown.pictures.value(source).rect).translated(m_dragShift).topLeft()));
    update(dragRegion());
    for (int i : std::as_const(m_dragged)) {
        const QRect place = toPixels(m_shown.pictures.value(i).rect);
        m_dropped.insert(i, toTwips(QPointF(place.translated(m_dragShift).topLeft())));
        update(pictureRegion(m_shown.pictures.value(i)));
    }
    m_dragged.clear();
    m_dragShift = {};
    // Let go over the prompt or a button, the card stays where it was: only the table and its
    // pictures take drops.
    if (!childAt(position.toPoint()))
        Q_EMIT dropped(source, target, topLeft);
    m_dropped.clear();
}

// A moving card, turned on its vertical axis by the sprite's width.
void CardTable::paintSprite(QPainter &painter, const Sprite &sprite) const
{
    Picture picture = m_shown.pictures.value(sprite.picture);
    picture.rect = sprite.rect.toRect();
    if (sprite.showsBack)
        picture.face = Picture::Face::Back;
    const QPointF centre = QRectF(toPixels(picture.rect)).center();
    painter.save();
    painter.translate(centre);
    painter.scale(sprite.widthFactor, 1);
    painter.translate(-centre);
    paintPicture(painter, picture, {});
    painter.restore();
}

bool CardTable::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    // Over a picture its own tip, or none; the table's own only over the bare table.
    const auto *help = static_cast<QHelpEvent *>(event);
    const int index = pictureUnder(help->pos());
    if (index < 0)
        return QWidget::event(event);
    const Picture &picture = m_shown.pictures.at(index);
    if (picture.toolTip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), picture.toolTip, this, toPixels(picture.rect));
    return true;
}

void CardTable::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_motion->finish();
    if (event->button() != Qt::LeftButton)
        return;
    const int index = pictureUnder(event->position());
    // The window system pairs two quick presses as a double click wherever they fall. On another
    // picture, or on one that shows another card since the first press (a card glided in under
    // the mouse), the second is a press of its own, never lost.
    const Picture shown = m_shown.pictures.value(index);
    if (index < 0 || index != m_lastPressed || shown.card != m_lastPressedShown.card ||
        shown.face != m_lastPressedShown.face) {
        mousePressEvent(event);
        return;
    }
    Q_EMIT doubleClicked(index);
}

void CardTable::keyPressEvent(QKeyEvent *event)
{
    m_motion->finish(); // as with the mouse: no key acts on a card still moving
    if (!m_keyboard || !m_keyboard->keyPress(event))
        QWidget::keyPressEvent(event);
}

void CardTable::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    if (m_keyboard)
        m_keyboard->focusChanged(true);
}

void CardTable::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    if (m_keyboard)
        m_keyboard->focusChanged(false);
}
