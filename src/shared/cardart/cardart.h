// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <optional>

class QPainter;

// Drawing routines behind Pictures. Every routine draws in the picture's own nominal
// coordinates (69 x 94 for a card, 32 x 32 for an icon); the caller scales the painter.
namespace CardArt {

enum class Suit { Pique, Coeur, Carreau, Trefle };

struct Card {
    int rank; // 1 for the ace up to 13 for the king
    Suit suit;
};

// The card a picture name stands for: "ROIDEPIQUE" gives the king of spades.
std::optional<Card> parseCard(const QString &name);

bool isRed(Suit suit);
QColor suitColour(Suit suit);

// The suit symbol, one unit high and centred on the origin.
const QPainterPath &suitPath(Suit suit);
void paintSuit(QPainter &painter, Suit suit, QPointF centre, qreal height, bool upsideDown = false);

enum class Face { Serif, Sans };

// Text turned into an outline that fills the height of box (narrowed if it is too wide),
// centred in box; outlines scale like every other shape, whatever the target size.
QPainterPath fittedText(const QString &text, const QRectF &box, Face face, bool bold);

void paintCardFace(QPainter &painter, const Card &card);
void paintCardBack(QPainter &painter);
// The court figure inside frame, on a face that is already drawn.
void paintCourtFigure(QPainter &painter, const Card &card, const QRectF &frame);

inline constexpr QSizeF IconSize{32, 32};
inline constexpr QSizeF TileSize{31, 28};
// The names paintIcon draws: the icons, the background tile "FOND" and the hand "MAIN".
bool isIcon(const QString &name);
// Draws the named picture in IconSize (TileSize for "FOND"); false for any other name.
bool paintIcon(QPainter &painter, const QString &name);
// The fingertip of the hand, in icon coordinates.
inline constexpr QPointF HandHotSpot{11.75, 1.5};

} // namespace CardArt
