// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/line/lineclearing.h"

#include <atomic>

// Duo: a card whose two neighbours are alike is dragged onto the one before it, which leaves the
// line; the game is won when two cards are left. Seen from the card that leaves: it goes when the
// card two places after it is alike, so whether a card can go depends only on the cards after
// it, and the last two cards never go.
//
// An exact search over which cards are left; Unknown only once cancel turns true.
LineClearing ClearDuo(const std::vector<std::uint8_t> &cards, const std::atomic<bool> &cancel);
