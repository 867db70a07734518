// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/duo/duorules.h"

#include "games/gameinfo.h"
#include "games/line/linerules.h"

#include <QCoreApplication>

std::unique_ptr<GameRules> MakeDuoRules(const GameInfo &info, CoreContext context, GameHost &host)
{
    // Carte(52) is never shown: it only reads as the empty place after a full line.
    return std::make_unique<SlideRules>(
        info, context, host, LineRules::Setup{.shownPlaces = Cards::FullDeck},
        SlideRules::Slide{.target = -1,
                          .draggedLeaves = false,
                          .prompt = QCoreApplication::translate(
                              "DuoRules", "Glissez cette carte sur la carte précédente.")});
}
