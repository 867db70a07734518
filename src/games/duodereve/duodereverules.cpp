// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/duodereve/duodereverules.h"

#include "games/gameinfo.h"
#include "games/line/linerules.h"

#include <QCoreApplication>

std::unique_ptr<GameRules> MakeDuodereveRules(const GameInfo &info, CoreContext context,
                                              GameHost &host)
{
    // Carte(52) shows as the empty place after a full line.
    return std::make_unique<SlideRules>(
        info, context, host,
        LineRules::Setup{.borders = true, .order = LineRules::Order::QueenFirstKingLast},
        SlideRules::Slide{.target = 1,
                          .draggedLeaves = true,
                          .prompt = QCoreApplication::translate(
                              "DuoDeReveRules", "Glissez cette carte sous la carte suivante.")});
}
