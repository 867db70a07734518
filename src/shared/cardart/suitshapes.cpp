// SPDX-License-Identifier: GPL-3.0-or-later
#include "cardart.h"

#include <QFont>
#include <QPainter>
#include <QStringList>
#include <QTransform>

#include <array>

namespace CardArt {

std::optional<Card> parseCard(const QString &name)
{
    static const QStringList ranks{"AS", "2", "3",  "4",     "5",    "6",  "7",
                                   "8",  "9", "10", "VALET", "DAME", "ROI"};
    static const std::array<std::pair<QString, Suit>, 4> suits{{{"DEPIQUE", Suit::Pique},
                                                                {"DECOEUR", Suit::Coeur},
                                                                {"DECARREAU", Suit::Carreau},
                                                                {"DETREFLE", Suit::Trefle}}};
    for (const auto &[word, suit] : suits) {
        if (!name.endsWith(word))
            continue;
        const auto rank = ranks.indexOf(name.chopped(word.size()));
        if (rank < 0)
            return std::nullopt;
        return Card{static_cast<int>(rank) + 1, suit};
    }
    return std::nullopt;
}

bool isRed(Suit suit)
{
    return suit == Suit::Coeur || suit == Suit::Carreau;
}

QColor suitColour(Suit suit)
{
    return isRed(suit) ? QColor(0xc8, 0x10, 0x1e) : QColor(0x14, 0x14, 0x14);
}

namespace {

QPainterPath heart()
{
    QPainterPath p;
    p.moveTo(0, -0.27);
    p.cubicTo(0.05, -0.45, 0.17, -0.5, 0.27, -0.5);
    p.cubicTo(0.42, -0.5, 0.5, -0.38, 0.5, -0.22);
    p.cubicTo(0.5, 0.04, 0.2, 0.22, 0, 0.5);
    p.cubicTo(-0.2, 0.22, -0.5, 0.04, -0.5, -0.22);
    p.cubicTo(-0.5, -0.38, -0.42, -0.5, -0.27, -0.5);
    p.cubicTo(-0.17, -0.5, -0.05, -0.45, 0, -0.27);
    return p;
}

QPainterPath spade()
{
    QPainterPath p;
    p.moveTo(0, -0.5);
    p.cubicTo(0.12, -0.27, 0.45, -0.12, 0.45, 0.13);
    p.cubicTo(0.45, 0.29, 0.34, 0.37, 0.23, 0.37);
    p.cubicTo(0.14, 0.37, 0.07, 0.32, 0.04, 0.25);
    p.cubicTo(0.05, 0.38, 0.1, 0.46, 0.19, 0.5);
    p.lineTo(-0.19, 0.5);
    p.cubicTo(-0.1, 0.46, -0.05, 0.38, -0.04, 0.25);
    p.cubicTo(-0.07, 0.32, -0.14, 0.37, -0.23, 0.37);
    p.cubicTo(-0.34, 0.37, -0.45, 0.29, -0.45, 0.13);
    p.cubicTo(-0.45, -0.12, -0.12, -0.27, 0, -0.5);
    return p;
}

QPainterPath diamond()
{
    QPainterPath p;
    p.moveTo(0, -0.5);
    p.quadTo(0.15, -0.2, 0.38, 0);
    p.quadTo(0.15, 0.2, 0, 0.5);
    p.quadTo(-0.15, 0.2, -0.38, 0);
    p.quadTo(-0.15, -0.2, 0, -0.5);
    return p;
}

QPainterPath club()
{
    constexpr qreal r = 0.225;
    QPainterPath leaves;
    leaves.addEllipse(QPointF(0, -0.5 + r), r, r);
    leaves.addEllipse(QPointF(-0.26, 0.07), r, r);
    leaves.addEllipse(QPointF(0.26, 0.07), r, r);
    leaves.addEllipse(QPointF(0, 0.02), 0.12, 0.12);
    QPainterPath stem;
    stem.moveTo(-0.035, 0.05);
    stem.lineTo(0.035, 0.05);
    stem.cubicTo(0.04, 0.3, 0.1, 0.45, 0.19, 0.5);
    stem.lineTo(-0.19, 0.5);
    stem.cubicTo(-0.1, 0.45, -0.04, 0.3, -0.035, 0.05);
    // Overlapping parts; the winding rule fills them as one shape without seams.
    QPainterPath whole;
    whole.setFillRule(Qt::WindingFill);
    whole.addPath(leaves);
    whole.addPath(stem);
    return whole;
}

} // namespace

const QPainterPath &suitPath(Suit suit)
{
    static const std::array<QPainterPath, 4> paths{spade(), heart(), diamond(), club()};
    return paths[static_cast<size_t>(suit)];
}

void paintSuit(QPainter &painter, Suit suit, QPointF centre, qreal height, bool upsideDown)
{
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.scale(height, upsideDown ? -height : height);
    painter.fillPath(t.map(suitPath(suit)), suitColour(suit));
}

QPainterPath fittedText(const QString &text, const QRectF &box, Face face, bool bold)
{
    QFont font;
    font.setFamilies(face == Face::Serif
                         ? QStringList{"DejaVu Serif", "Liberation Serif", "FreeSerif", "serif"}
                         : QStringList{"DejaVu Sans", "Liberation Sans", "FreeSans", "sans-serif"});
    font.setStyleHint(face == Face::Serif ? QFont::Serif : QFont::SansSerif);
    // A large size keeps the glyph outlines precise before they are scaled down to the box.
    font.setPixelSize(200);
    font.setBold(bold);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF ink = path.boundingRect();
    if (ink.isEmpty())
        return {};
    const qreal sy = box.height() / ink.height();
    const qreal sx = std::min(sy, box.width() / ink.width());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(sx, sy);
    t.translate(-ink.center().x(), -ink.center().y());
    return t.map(path);
}

} // namespace CardArt
