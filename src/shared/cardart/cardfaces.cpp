// SPDX-License-Identifier: GPL-3.0-or-later
#include "cardart.h"

#include <QPainter>

#include <vector>

namespace CardArt {

namespace {

constexpr QRectF Body{0.5, 0.5, 68, 93};
constexpr qreal Radius = 4.5;
constexpr QPointF Centre{34.5, 47};
constexpr QRectF CourtFrame{13.5, 8.5, 42, 77};

constexpr qreal PipHeight = 11.5;
constexpr qreal PipColumns[3] = {21.5, 34.5, 47.5};
constexpr qreal PipTop = 15;
constexpr qreal PipBottom = 79;

struct Pip {
    int column; // 0 left, 1 middle, 2 right
    qreal row;  // 0 at the top row, 1 at the bottom row
};

// The classic layouts; the pips of the lower half are turned upside down when drawn.
std::vector<Pip> pipLayout(int rank)
{
    const std::vector<Pip> corners{{0, 0}, {2, 0}, {0, 1}, {2, 1}};
    auto with = [&corners](std::initializer_list<Pip> more) {
        std::vector<Pip> pips = corners;
        pips.insert(pips.end(), more);
        return pips;
    };
    const std::initializer_list<Pip> sides{{0, 1.0 / 3}, {2, 1.0 / 3}, {0, 2.0 / 3}, {2, 2.0 / 3}};
    switch (rank) {
    case 2:
        return {{1, 0}, {1, 1}};
    case 3:
        return {{1, 0}, {1, 0.5}, {1, 1}};
    case 4:
        return corners;
    case 5:
        return with({{1, 0.5}});
    case 6:
        return with({{0, 0.5}, {2, 0.5}});
    case 7:
        return with({{0, 0.5}, {2, 0.5}, {1, 0.25}});
    case 8:
        return with({{0, 0.5}, {2, 0.5}, {1, 0.25}, {1, 0.75}});
    case 9: {
        auto pips = with(sides);
        pips.push_back({1, 0.5});
        return pips;
    }
    case 10: {
        auto pips = with(sides);
        pips.insert(pips.end(), {{1, 1.0 / 6}, {1, 5.0 / 6}});
        return pips;
    }
    default:
        return {};
    }
}

QString indexText(int rank)
{
    switch (rank) {
    case 1:
        return QStringLiteral("A");
    case 11:
        return QStringLiteral("V");
    case 12:
        return QStringLiteral("D");
    case 13:
        return QStringLiteral("R");
    default:
        return QString::number(rank);
    }
}

void paintIndex(QPainter &painter, const Card &card)
{
    const QRectF box = card.rank == 10 ? QRectF(1.5, 4, 10, 9.5) : QRectF(2.5, 4, 8, 9.5);
    painter.fillPath(fittedText(indexText(card.rank), box, Face::Sans, true),
                     suitColour(card.suit));
    paintSuit(painter, card.suit, QPointF(6.5, 19), 7);
}

void paintBlankCard(QPainter &painter)
{
    painter.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(Body, Radius, Radius);
}

} // namespace

void paintCardFace(QPainter &painter, const Card &card)
{
    paintBlankCard(painter);
    for (bool upsideDown : {false, true}) {
        painter.save();
        if (upsideDown) {
            painter.translate(Centre);
            painter.rotate(180);
            painter.translate(-Centre);
        }
        paintIndex(painter, card);
        painter.restore();
    }
    if (card.rank == 1) {
        // The ace of spades is traditionally the grandest of the four.
        paintSuit(painter, card.suit, Centre, card.suit == Suit::Pique ? 38 : 32);
    } else if (card.rank > 10) {
        paintCourtFigure(painter, card, CourtFrame);
    } else {
        for (const Pip &pip : pipLayout(card.rank)) {
            const QPointF at(PipColumns[pip.column], PipTop + pip.row * (PipBottom - PipTop));
            paintSuit(painter, card.suit, at, PipHeight, pip.row > 0.5);
        }
    }
}

void paintCardBack(QPainter &painter)
{
    const QColor navy(0x1a, 0x2a, 0x5e);
    const QColor red(0xb3, 0x1b, 0x2b);
    const QColor gold(0xe0, 0xb8, 0x4c);
    paintBlankCard(painter);

    const QRectF field = Body.adjusted(3.5, 3.5, -3.5, -3.5);
    QPainterPath fieldPath;
    fieldPath.addRoundedRect(field, 2.5, 2.5);
    painter.save();
    painter.setClipPath(fieldPath, Qt::IntersectClip);
    painter.fillRect(field, navy);
    // A lattice of diamonds centred on the card: two families of diagonals through the points
    // Centre + (k * Step, 0), red with a gold thread, and a gold bead where they cross.
    constexpr qreal Step = 8;
    constexpr qreal Slope = 0.75;
    constexpr int Lines = 16;
    for (const auto &[colour, width] : {std::pair{red, 1.6}, std::pair{gold, 0.4}}) {
        painter.setPen(QPen(colour, width));
        for (int k = -Lines; k <= Lines; ++k) {
            const qreal x = Centre.x() + k * Step;
            const qreal dx = Slope * Centre.y();
            painter.drawLine(QPointF(x - dx, 0), QPointF(x + dx, 2 * Centre.y()));
            painter.drawLine(QPointF(x + dx, 0), QPointF(x - dx, 2 * Centre.y()));
        }
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(gold);
    constexpr int Beads = 9; // enough rows and columns of crossings to reach the corners
    for (int j = -Beads; j <= Beads; ++j) {
        for (int n = -Beads; n <= Beads; ++n) {
            if ((n + j) % 2 == 0)
                painter.drawEllipse(
                    QPointF(Centre.x() + n * Step / 2, Centre.y() + j * Step / (2 * Slope)), 0.9,
                    0.9);
        }
    }
    painter.restore();

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(gold, 0.8));
    painter.drawRoundedRect(field.adjusted(2, 2, -2, -2), 1.5, 1.5);

    // The medallion in the middle carries the initial of the collection.
    const QRectF medal(Centre.x() - 14, Centre.y() - 17, 28, 34);
    painter.setPen(QPen(gold, 1.4));
    painter.setBrush(navy);
    painter.drawEllipse(medal);
    painter.setPen(QPen(Qt::white, 0.6));
    painter.drawEllipse(medal.adjusted(2.2, 2.2, -2.2, -2.2));
    painter.fillPath(fittedText(QStringLiteral("V"), QRectF(Centre.x() - 8, Centre.y() - 9, 16, 18),
                                Face::Serif, true),
                     gold);
}

} // namespace CardArt
