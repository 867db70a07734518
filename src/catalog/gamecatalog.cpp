// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/gamecatalog.h"

#include "games/annonce/annonceposition.h"
#include "games/annonce/annoncerules.h"
#include "games/carnavalario/carnavalariorules.h"
#include "games/carre/carrerules.h"
#include "games/carre/carresolver.h"
#include "games/chance/chancecounts.h"
#include "games/chance/chancesolver.h"
#include "games/clesonges/clesongesrules.h"
#include "games/clesonges/clesongessolver.h"
#include "games/duo/duorules.h"
#include "games/duodereve/duodereverules.h"
#include "games/horloge/horlogeposition.h"
#include "games/horloge/horlogerules.h"
#include "games/josephine/josephinerules.h"
#include "games/josephine/josephinesolver.h"
#include "games/line/linesolver.h"
#include "games/mariage/mariagerules.h"
#include "games/montecarlo/montecarlorules.h"
#include "games/montecarlo/montecarlosolver.h"
#include "games/poussepousse/poussepousserules.h"
#include "games/poussepousse/poussesolver.h"
#include "games/pyramide/pyramiderules.h"
#include "games/pyramide/pyramidesolver.h"
#include "games/roialbert/roialbertrules.h"
#include "games/roialbert/roialbertsolver.h"
#include "games/stephanie/stephanieposition.h"
#include "games/stephanie/stephanierules.h"
#include "games/voyageuses1/voyageuses1position.h"
#include "games/voyageuses1/voyageuses1rules.h"
#include "games/voyageuses2/voyageuses2position.h"
#include "games/voyageuses2/voyageuses2rules.h"

#include <array>

namespace GameCatalog {

namespace {

template <typename S> std::unique_ptr<Solver> make()
{
    return std::make_unique<S>();
}

template <LineSolver (*Setup)()> std::unique_ptr<Solver> makeLine()
{
    return std::make_unique<LineSolver>(Setup());
}

template <typename Position, ExactFraction (*Count)()> std::unique_ptr<Solver> makeChance()
{
    return std::make_unique<ChanceSolver<Position>>(CountedOnce<Count>);
}

using G = GameId;

// In the order of the game menu; Stephanie, offered as well, comes last.
const std::array<GameInfo, 16> Games{{
    {G::CarnavalaRio, "Carnaval à Rio", "frmCarnavalaRio", "CARNAVAL A RIO", "carnavalario",
     "carnavalario.htm", 32, MakeCarnavalaRioRules, nullptr, nullptr},
    {G::Carre, "Carré", "frmMaisoncarree", "CARRE", "maison carrée", "maisoncarree.htm", 52,
     MakeMaisoncarreeRules, make<CarreSolver>, nullptr},
    {G::Duo, "Duo", "frmPaquetsEscamotables", "DUO", "paquets escamotables", "duo.htm", 52,
     MakeDuoRules, makeLine<LineSolver::duo>, nullptr},
    {G::DuoDeReve, "Duo de rêve", "frmDuodereve", "DUO DE REVE", "Duo de reve", "duodereve.htm", 52,
     MakeDuodereveRules, makeLine<LineSolver::duoDeReve>, nullptr},
    {G::Josephine, "Joséphine", "frmJosephine", "JOSEPHINE", "josephine", "josephine.htm", 52,
     MakeJosephineRules, make<JosephineSolver>, nullptr},
    {G::CleSonges, "La clé des songes", "frmCleSonges", "LA CLE DES SONGES", "lacledessonges",
     "lacledessonges.htm", 32, MakeCleSongesRules, make<CleSongesSolver>, nullptr},
    {G::Voyageuses1, "Les voyageuses (1)", "frmVoyageuses1", "LES VOYAGEUSES (1)", "voyageuses1",
     "voyageuses1.htm", 32, MakeVoyageuses1Rules,
     makeChance<Voyageuses1Position, ChanceCounts::voyageuses1>,
     CountedOnce<ChanceCounts::voyageuses1>},
    {G::Voyageuses2, "Les voyageuses (2)", "frmVoyageuses2", "LES VOYAGEUSES (2)", "voyageuses2",
     "voyageuses2.htm", 32, MakeVoyageuses2Rules,
     makeChance<Voyageuses2Position, ChanceCounts::voyageuses2>,
     CountedOnce<ChanceCounts::voyageuses2>},
    {G::Annonce, "L'annonce", "frmAnnonce", "L'ANNONCE", "l'annonce", "lannonce.htm", 52,
     MakeAnnonceRules, makeChance<AnnoncePosition, ChanceCounts::annonce>,
     CountedOnce<ChanceCounts::annonce>},
    {G::Horloge, "L'horloge", "frmHorloge", "L'HORLOGE", "l'horloge", "lhorloge.htm", 52,
     MakeHorlogeRules, makeChance<HorlogePosition, ChanceCounts::horloge>,
     CountedOnce<ChanceCounts::horloge>},
    {G::Mariage, "Mariage", "frmMariage", "MARIAGE", "le mariage", "lemariage.htm", 52,
     MakeMariageRules, makeLine<LineSolver::mariage>, nullptr},
    {G::Montecarlo, "Monte-Carlo", "frmMontecarlo", "MONTE-CARLO", "monte-carlo", "montecarlo.htm",
     52, MakeMontecarloRules, make<MontecarloSolver>, nullptr},
    {G::PoussePousse, "Pousse-pousse", "frmPoussePousse", "POUSSE-POUSSE", "pousse-pousse",
     "poussepousse.htm", 52, MakePoussePousseRules, MakePousseSolver, nullptr},
    {G::Pyramide, "Pyramide", "frmPyramide", "PYRAMIDE", "pyramide", "pyramide.htm", 52,
     MakePyramideRules, make<PyramideSolver>, nullptr},
    {G::Roialbert, "Roi Albert", "frmRoialbert", "ROI ALBERT", "roi albert", "roialbert.htm", 52,
     MakeRoialbertRules, make<RoialbertSolver>, nullptr},
    {G::Stephanie, "Stéphanie", "frmStephanie", "STEPHANIE", "stephanie", "stephanie.htm", 52,
     MakeStephanieRules, makeChance<StephaniePosition, ChanceCounts::stephanie>,
     CountedOnce<ChanceCounts::stephanie>},
}};

} // namespace

std::span<const GameInfo> all()
{
    return Games;
}

const GameInfo &byId(GameId id)
{
    return Games.at(std::size_t(id));
}

const GameInfo *byMenuName(const QString &menuName)
{
    for (const GameInfo &game : Games) {
        if (menuName == QString::fromUtf8(game.menuName))
            return &game;
    }
    return nullptr;
}

const QStringList &GameNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (const GameInfo &game : Games)
            list.append(QString::fromUtf8(game.menuName));
        return list;
    }();
    return names;
}

QString menuCaption(int index)
{
    const int number = index + 1;
    const QString gap(number < 10 ? 6 : 4, QLatin1Char(' '));
    return QString::number(number) + gap + GameNames().at(index);
}

QString nameFromCaption(const QString &caption)
{
    return caption.mid(2).trimmed();
}

RulesFactory rulesFor(const QString &menuName)
{
    const GameInfo *game = byMenuName(menuName);
    if (!game)
        return {};
    return [game](CoreContext context, GameHost &host) {
        return game->makeRules(*game, context, host);
    };
}

std::unique_ptr<Solver> solverFor(const QString &menuName)
{
    const GameInfo *game = byMenuName(menuName);
    return game && game->makeSolver ? game->makeSolver() : nullptr;
}

std::optional<ExactOdds> odds(const QString &menuName)
{
    const GameInfo *game = byMenuName(menuName);
    if (!game || !game->odds)
        return std::nullopt;
    return OddsOf(game->odds());
}

QString oddsDecimals(const QString &menuName, int significant)
{
    const GameInfo *game = byMenuName(menuName);
    return game && game->odds ? game->odds().decimals(significant) : QString();
}

} // namespace GameCatalog
