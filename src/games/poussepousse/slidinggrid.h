// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <array>

// The Pousse-pousse grid as numbers: 0 the hole, 1 to 13 the cards of the suit, 14 a joker.
namespace SlidingGrid {

inline constexpr int Side = 4;
inline constexpr int Cells = Side * Side;
inline constexpr int Hole = 0;
inline constexpr int Joker = 14;
using Grid = std::array<qint8, Cells>;

// A joker, the ace to the king, the hole, a joker.
Grid goal();

// Whether the cells of a board of any size can be slid into the goal, the hole being 0. Tiles
// that bear the same number are interchangeable, and then one exchange of two of them fixes the
// parity: any board with the same tiles can be solved. Otherwise every slide exchanges the hole
// with a tile, so the board can be solved exactly when the permutation from the goal and the
// hole's distance to its goal place (in rows plus columns) have the same parity.
bool solvable(const QList<int> &cells, const QList<int> &goalCells, int width);

// The places beside a place (in its row, or just above or below it) on a board of that width.
QList<int> neighbours(int place, int width, int height);

} // namespace SlidingGrid
