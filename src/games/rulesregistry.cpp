#include "games/rulesregistry.h"

#include "games/frmAnnonce/annoncerules.h"
#include "games/frmCarnavalaRio/carnavalariorules.h"
#include "games/frmCleSonges/clesongesrules.h"
#include "games/frmDuodereve/duodereverules.h"
#include "games/frmHorloge/horlogerules.h"
#include "games/frmJosephine/josephinerules.h"
#include "games/frmMaisoncarree/maisoncarreerules.h"
#include "games/frmMariage/mariagerules.h"
#include "games/frmMontecarlo/montecarlorules.h"
#include "games/frmPaquetsEscamotables/duorules.h"
#include "games/frmPoussePousse/poussepousserules.h"
#include "games/frmPyramide/pyramiderules.h"
#include "games/frmRoialbert/roialbertrules.h"
#include "games/frmStephanie/stephanierules.h"
#include "games/frmVoyageuses1/voyageuses1rules.h"
#include "games/frmVoyageuses2/voyageuses2rules.h"

#include <vector>

namespace {

// Menu name -> rules. A game appears here once its rules are written.
const std::vector<RegisteredRules> &entries()
{
    static const std::vector<RegisteredRules> table{
        {QStringLiteral("Carnaval à Rio"), MakeCarnavalaRioRules},
        {QStringLiteral("Les voyageuses (1)"), MakeVoyageuses1Rules},
        {QStringLiteral("Les voyageuses (2)"), MakeVoyageuses2Rules},
        {QStringLiteral("L'annonce"), MakeAnnonceRules},
        {QStringLiteral("L'horloge"), MakeHorlogeRules},
        {QStringLiteral("Monte-Carlo"), MakeMontecarloRules},
        {QStringLiteral("Roi Albert"), MakeRoialbertRules},
        {QStringLiteral("Duo"), MakeDuoRules},
        {QStringLiteral("Duo de rêve"), MakeDuodereveRules},
        {QStringLiteral("Mariage"), MakeMariageRules},
        {QStringLiteral("Joséphine"), MakeJosephineRules},
        {QStringLiteral("Stéphanie"), MakeStephanieRules},
        {QStringLiteral("Carré"), MakeMaisoncarreeRules},
        {QStringLiteral("Pyramide"), MakePyramideRules},
        {QStringLiteral("La clé des songes"), MakeCleSongesRules},
        {QStringLiteral("Pousse-pousse"), MakePoussePousseRules},
    };
    return table;
}

} // namespace

std::span<const RegisteredRules> RulesRegistry::all()
{
    return entries();
}

const RulesFactory *RulesRegistry::rulesFor(const QString &menuName)
{
    for (const RegisteredRules &game : entries()) {
        if (game.menuName == menuName)
            return &game.make;
    }
    return nullptr;
}
