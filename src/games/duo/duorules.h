// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/gamerules.h"

#include <memory>

// Duo: a card whose two neighbours share a rank or a suit is dragged onto the card before it,
// which leaves the game. Won when the stock is empty and two cards are left.
std::unique_ptr<GameRules> MakeDuoRules(const GameInfo &info, CoreContext context, GameHost &host);
