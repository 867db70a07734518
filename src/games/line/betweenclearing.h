// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/line/lineclearing.h"

// Duo de rêve and Mariage: a card, or with twoAtOnce two neighbouring cards, lying between two
// alike cards leaves the line; the game is won when only first and last are left, in that order.
//
// The ends of the line never leave (a card needs a neighbour on each side), so the game is won
// exactly when everything between them can go. Between two cards a and b that both stay, the
// last removal takes all that is left between them, one card or two, lying between a and b: so a
// and b must be alike, and before it the cards on each side of what is left were cleared, each
// side on its own since what is left stays until then. Whether (a, b) can be cleared thus depends
// on smaller spans only: an exact answer over all pairs of places, cubic in the line's length.
LineClearing ClearBetween(const std::vector<std::uint8_t> &cards, bool twoAtOnce,
                          std::uint8_t first, std::uint8_t last);
