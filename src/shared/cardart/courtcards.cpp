// SPDX-License-Identifier: GPL-3.0-or-later
#include "cardart.h"

#include <QPainter>

#include <array>
#include <cmath>
#include <numbers>

namespace CardArt {

namespace {

// The figure is drawn in a frame of this size; the upper half holds one figure and the lower
// half the same figure turned half round, as on a double-headed court card.
constexpr qreal FrameWidth = 42;
constexpr qreal FrameHeight = 77;
constexpr qreal Half = FrameHeight / 2;
constexpr qreal Cx = FrameWidth / 2; // on the axis, so the two halves join up

const QColor Ink(0x3b, 0x26, 0x20);
const QColor Skin(0xf6, 0xd5, 0xb4);
const QColor Gold(0xf0, 0xb4, 0x29);
const QColor Steel(0xcf, 0xd8, 0xdc);

enum class Court { Valet = 11, Dame = 12, Roi = 13 };

QString courtName(const Card &card)
{
    // The names of the Paris pattern, per rank and in the order pique, coeur, carreau, trefle.
    static const std::array<std::array<const char *, 4>, 3> names{{
        {"OGIER", "LA HIRE", "HECTOR", "LANCELOT"},
        {"PALLAS", "JUDITH", "RACHEL", "ARGINE"},
        {"DAVID", "CHARLES", "CÉSAR", "ALEXANDRE"},
    }};
    return QString::fromUtf8(names[card.rank - 11][static_cast<size_t>(card.suit)]);
}

struct Palette {
    QColor robe;
    QColor trim;
};

Palette paletteFor(const Card &card)
{
    static const std::array<QColor, 4> colours{QColor(0xc6, 0x28, 0x28), QColor(0x1f, 0x4f, 0xa0),
                                               QColor(0xe8, 0xa8, 0x20), QColor(0x2e, 0x6b, 0x3a)};
    const auto i = static_cast<size_t>(static_cast<int>(card.suit) + card.rank);
    return {colours[i % 4], colours[(i + 2) % 4]};
}

void outlined(QPainter &painter, const QPainterPath &path, const QColor &fill, qreal width = 0.5)
{
    painter.setPen(QPen(Ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPath(path);
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    return path;
}

void paintBody(QPainter &painter, const Palette &palette, Court court)
{
    QPainterPath robe;
    robe.moveTo(Cx - 3.5, 18.5);
    robe.cubicTo(Cx - 9, 19.5, Cx - 12.5, 20.5, Cx - 13, 26.5);
    robe.lineTo(Cx - 13.5, Half + 1);
    robe.lineTo(Cx + 13.5, Half + 1);
    robe.lineTo(Cx + 13, 26.5);
    robe.cubicTo(Cx + 12.5, 20.5, Cx + 9, 19.5, Cx + 3.5, 18.5);
    robe.closeSubpath();
    outlined(painter, robe, palette.robe);

    outlined(painter, polygon({{Cx - 4, 21}, {Cx + 4, 21}, {Cx + 5, Half + 1}, {Cx - 5, Half + 1}}),
             palette.trim);
    painter.setBrush(Gold);
    for (qreal y : {25.0, 30.0, 35.0})
        painter.drawEllipse(QPointF(Cx, y), 0.9, 0.9);

    // The collar: ermine for the king, lace for the queen, a plain band for the jack.
    QPainterPath collar;
    collar.moveTo(Cx - 9, 19.5);
    collar.quadTo(Cx, 27, Cx + 9, 19.5);
    collar.quadTo(Cx, 22.5, Cx - 9, 19.5);
    outlined(painter, collar, court == Court::Valet ? palette.trim : QColor(Qt::white));
    if (court == Court::Roi) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Ink);
        for (qreal x : {-5.5, -2.0, 2.0, 5.5})
            painter.drawEllipse(QPointF(Cx + x, 21.8 + (std::abs(x) < 3 ? 1.2 : 0)), 0.45, 0.6);
    }
}

void paintHead(QPainter &painter, const Palette &palette, Court court)
{
    const QColor hair = court == Court::Dame ? QColor(0xd8, 0x9a, 0x2c) : QColor(0x6d, 0x4c, 0x35);
    if (court == Court::Dame) {
        QPainterPath locks;
        locks.moveTo(Cx - 4.5, 8);
        locks.cubicTo(Cx - 8, 12, Cx - 7, 18, Cx - 9, 21);
        locks.lineTo(Cx + 9, 21);
        locks.cubicTo(Cx + 7, 18, Cx + 8, 12, Cx + 4.5, 8);
        locks.closeSubpath();
        outlined(painter, locks, hair);
    }
    painter.setPen(QPen(Ink, 0.5));
    painter.setBrush(Skin);
    painter.drawRect(QRectF(Cx - 2, 15, 4, 4.5));
    painter.drawEllipse(QPointF(Cx, 12.5), 4.2, 5);

    if (court == Court::Roi) {
        QPainterPath beard;
        beard.moveTo(Cx - 4.2, 12.5);
        beard.quadTo(Cx - 3.8, 18.5, Cx, 20);
        beard.quadTo(Cx + 3.8, 18.5, Cx + 4.2, 12.5);
        beard.quadTo(Cx, 15.5, Cx - 4.2, 12.5);
        outlined(painter, beard, hair);
    } else {
        painter.setPen(QPen(QColor(0xb0, 0x30, 0x30), 0.6, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(Cx - 1, 15.4), QPointF(Cx + 1, 15.4));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(Ink);
    painter.drawEllipse(QPointF(Cx - 1.6, 11.8), 0.55, 0.55);
    painter.drawEllipse(QPointF(Cx + 1.6, 11.8), 0.55, 0.55);
    painter.setPen(QPen(Ink, 0.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(Cx, 12.3), QPointF(Cx + 0.5, 14));

    switch (court) {
    case Court::Roi:
        outlined(painter,
                 polygon({{Cx - 5, 8.5},
                          {Cx - 5.8, 2.5},
                          {Cx - 2.8, 5},
                          {Cx, 0.8},
                          {Cx + 2.8, 5},
                          {Cx + 5.8, 2.5},
                          {Cx + 5, 8.5}}),
                 Gold);
        painter.setBrush(QColor(0xc6, 0x28, 0x28));
        painter.drawEllipse(QPointF(Cx, 7), 0.9, 0.9);
        painter.setBrush(QColor(0x1f, 0x4f, 0xa0));
        painter.drawEllipse(QPointF(Cx - 3, 7), 0.7, 0.7);
        painter.drawEllipse(QPointF(Cx + 3, 7), 0.7, 0.7);
        break;
    case Court::Dame:
        outlined(painter,
                 polygon({{Cx - 4.6, 8},
                          {Cx - 4.6, 4.2},
                          {Cx - 2.3, 5.8},
                          {Cx, 3},
                          {Cx + 2.3, 5.8},
                          {Cx + 4.6, 4.2},
                          {Cx + 4.6, 8}}),
                 Gold);
        painter.setBrush(Qt::white);
        painter.drawEllipse(QPointF(Cx, 3), 0.8, 0.8);
        break;
    case Court::Valet: {
        QPainterPath cap;
        cap.moveTo(Cx - 6, 9);
        cap.cubicTo(Cx - 7, 2.5, Cx + 5, 1.5, Cx + 6.5, 8);
        cap.closeSubpath();
        outlined(painter, cap, palette.trim);
        QPainterPath feather;
        feather.moveTo(Cx + 3, 4.5);
        feather.cubicTo(Cx + 6, 3.5, Cx + 8, 1.5, Cx + 9, -0.5);
        painter.setPen(QPen(Qt::white, 1.4, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(feather);
        painter.setPen(QPen(palette.robe, 0.5));
        painter.drawPath(feather);
        break;
    }
    }
}

// Sceptre for the king, a flower for the queen, a halberd for the jack, held on the right.
void paintAttribute(QPainter &painter, const Palette &palette, Court court)
{
    const QPointF hand(Cx + 12, 28);
    const qreal shaftX = hand.x();
    const QColor shaft = court == Court::Dame  ? QColor(0x2e, 0x7d, 0x32)
                         : court == Court::Roi ? Gold
                                               : QColor(0x79, 0x55, 0x48);
    const QLineF shaftLine(QPointF(shaftX, hand.y() + 6), QPointF(shaftX, 5));
    painter.setPen(QPen(Ink, 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(shaftLine);
    painter.setPen(QPen(shaft, 0.9, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(shaftLine);

    painter.setPen(QPen(Ink, 4.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(Cx + 12.5, 22), hand);
    painter.setPen(QPen(palette.trim, 3.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(Cx + 12.5, 22), hand);
    painter.setPen(QPen(Ink, 0.5));
    painter.setBrush(Skin);
    painter.drawEllipse(hand, 1.9, 1.9);

    switch (court) {
    case Court::Roi:
        painter.setBrush(Gold);
        painter.drawEllipse(QPointF(shaftX, 4), 1.8, 1.8);
        painter.drawLine(QPointF(shaftX, 2.2), QPointF(shaftX, 0.2));
        painter.drawLine(QPointF(shaftX - 1, 1), QPointF(shaftX + 1, 1));
        break;
    case Court::Dame:
        painter.setBrush(palette.robe);
        for (int i = 0; i < 5; ++i) {
            const qreal a = i * 2 * std::numbers::pi / 5;
            painter.drawEllipse(QPointF(shaftX + 1.6 * std::sin(a), 4 - 1.6 * std::cos(a)), 1.2,
                                1.2);
        }
        painter.setBrush(Gold);
        painter.drawEllipse(QPointF(shaftX, 4), 0.9, 0.9);
        break;
    case Court::Valet:
        outlined(painter,
                 polygon({{shaftX, 0.2}, {shaftX + 1.2, 3.5}, {shaftX, 6}, {shaftX - 1.2, 3.5}}),
                 Steel);
        outlined(
            painter,
            polygon({{shaftX - 0.5, 5.5}, {shaftX - 4, 4}, {shaftX - 4, 9.5}, {shaftX - 0.5, 8}}),
            Steel);
        break;
    }
}

void paintName(QPainter &painter, const Card &card)
{
    // Written upwards along the left edge, under the suit sign.
    QTransform t;
    t.translate(4.3, 25);
    t.rotate(-90);
    painter.fillPath(t.map(fittedText(courtName(card), QRectF(-12, -2, 24, 4), Face::Serif, false)),
                     Ink);
}

} // namespace

void paintCourtFigure(QPainter &painter, const Card &card, const QRectF &frame)
{
    const auto court = static_cast<Court>(card.rank);
    const Palette palette = paletteFor(card);
    painter.save();
    painter.translate(frame.topLeft());
    painter.scale(frame.width() / FrameWidth, frame.height() / FrameHeight);
    const QRectF box(0, 0, FrameWidth, FrameHeight);
    painter.fillRect(box, QColor(0xfd, 0xf6, 0xe3));
    for (bool lower : {false, true}) {
        painter.save();
        if (lower) {
            painter.translate(box.center());
            painter.rotate(180);
            painter.translate(-box.center());
        }
        painter.setClipRect(QRectF(0, 0, FrameWidth, Half), Qt::IntersectClip);
        paintSuit(painter, card.suit, QPointF(4.5, 5.5), 6.5);
        paintName(painter, card);
        paintBody(painter, palette, court);
        paintHead(painter, palette, court);
        paintAttribute(painter, palette, court);
        painter.restore();
    }
    painter.setPen(QPen(suitColour(card.suit), 0.7));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box);
    painter.restore();
}

} // namespace CardArt
