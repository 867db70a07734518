// SPDX-License-Identifier: GPL-3.0-or-later
#include "cardart.h"

#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace CardArt {

namespace {

const QColor Ink(0x21, 0x21, 0x21);

// A card reduced to what still reads at icon size: a big suit sign, or the back. It stands
// a little above pivot and turns about it, as a card held in a fan.
void paintMiniCard(QPainter &painter, QPointF pivot, qreal angle, std::optional<Suit> suit)
{
    painter.save();
    painter.translate(pivot);
    painter.rotate(angle);
    const QRectF card(-7, -27, 14, 21);
    painter.setPen(QPen(Ink, 0.8));
    painter.setBrush(suit ? QColor(Qt::white) : QColor(0x1a, 0x2a, 0x5e));
    painter.drawRoundedRect(card, 2, 2);
    if (suit) {
        paintSuit(painter, *suit, card.center(), 10);
    } else {
        painter.setPen(QPen(QColor(0xb3, 0x1b, 0x2b), 1));
        painter.drawLine(card.topLeft() + QPointF(2, 2), card.bottomRight() - QPointF(2, 2));
        painter.drawLine(card.topRight() + QPointF(-2, 2), card.bottomLeft() + QPointF(2, -2));
    }
    painter.restore();
}

void paintGear(QPainter &painter)
{
    constexpr int Teeth = 8;
    const QPointF c(16, 16);
    QPainterPath gear;
    for (int i = 0; i < Teeth * 4; ++i) {
        // Each tooth is four corners: two on the outer rim, then two on the root circle.
        const qreal a = (i / 4 + (i % 4) * 0.22 - 0.33) * 2 * std::numbers::pi / Teeth;
        const qreal r = (i % 4 == 1 || i % 4 == 2) ? 14.5 : 10.5;
        const QPointF p = c + QPointF(r * std::cos(a), r * std::sin(a));
        if (i == 0)
            gear.moveTo(p);
        else
            gear.lineTo(p);
    }
    gear.closeSubpath();
    gear.addEllipse(c, 4.5, 4.5);
    QLinearGradient metal(0, 0, 32, 32);
    metal.setColorAt(0, QColor(0xb0, 0xbe, 0xc5));
    metal.setColorAt(1, QColor(0x45, 0x5a, 0x64));
    painter.setPen(QPen(QColor(0x26, 0x32, 0x38), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(metal);
    painter.drawPath(gear);
}

void paintHelp(QPainter &painter)
{
    QRadialGradient blue(QPointF(12, 10), 18);
    blue.setColorAt(0, QColor(0x64, 0xa6, 0xf0));
    blue.setColorAt(1, QColor(0x15, 0x4c, 0xa8));
    painter.setPen(QPen(QColor(0x0d, 0x30, 0x6e), 1));
    painter.setBrush(blue);
    painter.drawEllipse(QPointF(16, 16), 14.5, 14.5);
    painter.fillPath(fittedText(QStringLiteral("?"), QRectF(9, 6, 14, 20), Face::Sans, true),
                     Qt::white);
}

void paintMagnifier(QPainter &painter)
{
    painter.setPen(QPen(QColor(0x5d, 0x40, 0x37), 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(20.5, 20.5), QPointF(28.5, 28.5));
    painter.setPen(QPen(QColor(0x37, 0x47, 0x4f), 3));
    painter.setBrush(QColor(0xbb, 0xde, 0xfb, 0xc0));
    painter.drawEllipse(QPointF(13, 13), 9.5, 9.5);
    painter.setPen(QPen(Qt::white, 1.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(7, 7, 12, 12), 100 * 16, 70 * 16);
}

void paintTile(QPainter &painter)
{
    const QRectF tile(QPointF(0, 0), TileSize);
    QRadialGradient felt(tile.center(), 24);
    felt.setColorAt(0, QColor(0x2f, 0x85, 0x4a));
    felt.setColorAt(1, QColor(0x17, 0x55, 0x2c));
    painter.fillRect(tile, felt);
    painter.setClipRect(tile, Qt::IntersectClip);
    // A faint diamond weave, so the cloth does not look like flat paint. The tile is stretched
    // over the whole window, so the threads keep one device pixel whatever the scale.
    QPen thread(QColor(255, 255, 255, 16), 1);
    thread.setCosmetic(true);
    painter.setPen(thread);
    for (qreal d = -28; d < 31; d += 3.5) {
        painter.drawLine(QPointF(d, 0), QPointF(d + 28, 28));
        painter.drawLine(QPointF(d, 28), QPointF(d + 28, 0));
    }
}

void paintHand(QPainter &painter)
{
    QPainterPath hand;
    hand.setFillRule(Qt::WindingFill);
    hand.addRoundedRect(QRectF(9, 0.5, 5.5, 18), 2.75, 2.75);
    hand.addRoundedRect(QRectF(14.5, 9, 5, 10.5), 2.5, 2.5);
    hand.addRoundedRect(QRectF(19.5, 10, 5, 10), 2.5, 2.5);
    hand.addRoundedRect(QRectF(24.5, 11.5, 4.5, 9), 2.25, 2.25);
    hand.addPolygon(QPolygonF({QPointF(9, 14), QPointF(29, 15), QPointF(29, 22), QPointF(26, 27.5),
                               QPointF(26, 31), QPointF(12, 31), QPointF(12, 28), QPointF(5, 21)}));
    QTransform thumb;
    thumb.translate(7, 19);
    thumb.rotate(-40);
    QPainterPath thumbPath;
    thumbPath.addRoundedRect(QRectF(-2.25, -7, 4.5, 11), 2.25, 2.25);
    hand.addPath(thumb.map(thumbPath));
    // Merged into one outline to stroke it; simplified() flattens curves to lines, so it works
    // on a magnified copy to keep them smooth.
    constexpr qreal Magnify = 64;
    const QPainterPath outline =
        QTransform::fromScale(1 / Magnify, 1 / Magnify)
            .map(QTransform::fromScale(Magnify, Magnify).map(hand).simplified());
    painter.setPen(QPen(Qt::black, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::white);
    painter.drawPath(outline);
    // Creases where the curled fingers meet.
    for (qreal x : {14.5, 19.5, 24.5})
        painter.drawLine(QPointF(x, 14), QPointF(x, 17.5));
}

using IconPainter = void (*)(QPainter &);

const QHash<QString, IconPainter> &iconTable()
{
    static const QHash<QString, IconPainter> table{
        {"PIQUE", [](QPainter &p) { paintSuit(p, Suit::Pique, QPointF(16, 16), 28); }},
        {"COEUR", [](QPainter &p) { paintSuit(p, Suit::Coeur, QPointF(16, 16), 28); }},
        {"CARREAU", [](QPainter &p) { paintSuit(p, Suit::Carreau, QPointF(16, 16), 28); }},
        {"TREFLE", [](QPainter &p) { paintSuit(p, Suit::Trefle, QPointF(16, 16), 28); }},
        {"A",
         [](QPainter &p) {
             paintMiniCard(p, QPointF(16, 35), -20, Suit::Trefle);
             paintMiniCard(p, QPointF(16, 35), 0, Suit::Pique);
             paintMiniCard(p, QPointF(16, 35), 20, Suit::Coeur);
         }},
        {"JEU",
         [](QPainter &p) {
             paintMiniCard(p, QPointF(12, 34), -10, std::nullopt);
             paintMiniCard(p, QPointF(20, 35), 10, Suit::Coeur);
         }},
        {"PARAMETRES", paintGear},
        {"AIDE", paintHelp},
        {"RECHERCHE", paintMagnifier},
        {"FOND", paintTile},
        {"MAIN", paintHand},
    };
    return table;
}

} // namespace

bool isIcon(const QString &name)
{
    return iconTable().contains(name);
}

bool paintIcon(QPainter &painter, const QString &name)
{
    const IconPainter paint = iconTable().value(name);
    if (!paint)
        return false;
    paint(painter);
    return true;
}

} // namespace CardArt
