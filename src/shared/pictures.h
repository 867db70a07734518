// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

// The program's built-in pictures, drawn as vectors so they stay sharp at any size.
// Names: the 52 card codes ("ROIDEPIQUE", "10DECOEUR", ...), the back "DOS", the icons
// "A", "JEU", "PARAMETRES", "AIDE", "PIQUE", "CARREAU", "TREFLE", "COEUR", "RECHERCHE",
// and the hand cursor "MAIN".
namespace Pictures {

// Nominal size of a card picture in pixels (1035 x 1410 twips).
inline constexpr QSize CardSize{69, 94};

bool exists(const QString &name);

// The picture's size in pixels at scale 1: CardSize for the cards and the back, 31 x 28 for the
// background tile "FOND", 32 x 32 for the icons and the hand; an empty size for an unknown name.
QSize nominalSize(const QString &name);

// Draws the picture into target; an unknown name draws nothing. Cards and the background tile
// are stretched to fill target; icons and the hand keep their shape, centred in it.
void paint(QPainter &painter, const QRectF &target, const QString &name);

// A rendering of the picture at the given device-independent size. Nothing is kept: widgets that
// draw the same pictures again keep their own Renderings.
QPixmap pixmap(const QString &name, const QSize &size, qreal devicePixelRatio = 1.0);

QIcon icon(const QString &name);

// The hand pointer shown over the cards the player may act on.
QCursor handCursor();

} // namespace Pictures
