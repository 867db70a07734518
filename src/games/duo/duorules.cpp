#include "games/frmPaquetsEscamotables/duorules.h"

#include "games/gamecatalog.h"
#include "games/linerules.h"

std::unique_ptr<GameRules> MakeDuoRules(CoreContext context, GameHost &host)
{
    // Carte(52) is never shown: it only reads as the empty place after a full line.
    return std::make_unique<SlideRules>(
        *GameCatalog::byMenuName(QStringLiteral("Duo")), context, host,
        LineRules::Setup{.shownPlaces = Cards::FullDeck},
        SlideRules::Slide{.target = -1,
                          .draggedLeaves = false,
                          .prompt =
                              QStringLiteral("Glissez cette carte sur la carte précédente.")});
}
