#include "games/frmDuodereve/duodereverules.h"

#include "games/gamecatalog.h"
#include "games/linerules.h"

std::unique_ptr<GameRules> MakeDuodereveRules(CoreContext context, GameHost &host)
{
    // Carte(52) shows as the empty place after a full line.
    return std::make_unique<SlideRules>(
        *GameCatalog::byMenuName(QStringLiteral("Duo de rêve")), context, host,
        LineRules::Setup{.borders = true, .order = LineRules::Order::QueenFirstKingLast},
        SlideRules::Slide{.target = 1,
                          .draggedLeaves = true,
                          .prompt = QStringLiteral("Glissez cette carte sous la carte suivante.")});
}
