// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/gamerules.h"

#include <memory>

// Duo de rêve: dealt from the queen of hearts to the king of hearts; a card whose two neighbours
// share a rank or a suit slides under the card after it and leaves the game. Won when the queen
// and the king of hearts are the only cards left.
std::unique_ptr<GameRules> MakeDuodereveRules(const GameInfo &info, CoreContext context,
                                              GameHost &host);
