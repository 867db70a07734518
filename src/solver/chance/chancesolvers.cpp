#include "solver/chance/chancesolvers.h"

#include "solver/chance/annonceposition.h"
#include "solver/chance/chancesolver.h"
#include "solver/chance/horlogeposition.h"
#include "solver/chance/stephanieposition.h"
#include "solver/chance/voyageuses1position.h"
#include "solver/chance/voyageuses2position.h"

namespace ChanceSolvers {

std::unique_ptr<Solver> voyageuses1()
{
    return std::make_unique<ChanceSolver<Voyageuses1Position>>(
        QStringLiteral("Les voyageuses (1)"));
}

std::unique_ptr<Solver> voyageuses2()
{
    return std::make_unique<ChanceSolver<Voyageuses2Position>>(
        QStringLiteral("Les voyageuses (2)"));
}

std::unique_ptr<Solver> annonce()
{
    return std::make_unique<ChanceSolver<AnnoncePosition>>(QStringLiteral("L'annonce"));
}

std::unique_ptr<Solver> horloge()
{
    return std::make_unique<ChanceSolver<HorlogePosition>>(QStringLiteral("L'horloge"));
}

std::unique_ptr<Solver> stephanie()
{
    return std::make_unique<ChanceSolver<StephaniePosition>>(QStringLiteral("Stéphanie"));
}

} // namespace ChanceSolvers
