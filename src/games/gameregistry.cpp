#include "games/gameregistry.h"

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
#include "games/gamecatalog.h"

#include <utility>
#include <vector>

namespace {

// Menu name -> rules. A game appears here once its rules are written.
const std::vector<std::pair<QString, GameForm::RulesFactory>> &entries()
{
    static const std::vector<std::pair<QString, GameForm::RulesFactory>> table{
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

const GameForm::RulesFactory *GameRegistry::rulesFor(const QString &menuName)
{
    for (const auto &[name, factory] : entries()) {
        if (name == menuName)
            return &factory;
    }
    return nullptr;
}

bool GameRegistry::available(const QString &menuName) const
{
    return rulesFor(menuName) != nullptr;
}

QWidget *GameRegistry::create(const QString &menuName, MainWindowLink &main)
{
    const GameInfo *info = GameCatalog::byMenuName(menuName);
    const GameForm::RulesFactory *factory = rulesFor(menuName);
    if (!info || !factory)
        return nullptr;
    return new GameForm(*info, m_context, main, *factory);
}
