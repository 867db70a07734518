// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/tablenavigation.h"

#include <QString>

// The words, in the program's language, a screen reader says for the pictures of a table.
namespace PictureNames {

// "Dame de cœur", "Dix de pique", "As de trèfle"; "" for a text that is no card code.
QString cardName(const QString &code);

// What the picture shows: its card face up, "Carte retournée" face down, an icon by its meaning,
// its caption, or "Emplacement libre" for an empty place.
QString pictureName(const Picture &picture);

// A place of a game's grid, numbered from 0 row by row with columns places to a row: "Grille,
// rangée 2, colonne 3".
QString gridPlace(int place, int columns);

// Where a reachable picture lies among the others, from their layout: "Rangée 2, colonne 3",
// "Colonne 4, carte 3 sur 7" in a fanned column; "" when index is not among the spots.
QString position(const TableModel &table, const QList<TableNavigation::Spot> &spots, int index);

} // namespace PictureNames
