#include "solver/solverregistry.h"

#include "solver/carre/carresolver.h"
#include "solver/chance/chancesolvers.h"
#include "solver/clesonges/clesongessolver.h"
#include "solver/josephine/josephinesolver.h"
#include "solver/line/linesolver.h"
#include "solver/montecarlo/montecarlosolver.h"
#include "solver/poussepousse/poussesolver.h"
#include "solver/pyramide/pyramidesolver.h"
#include "solver/roialbert/roialbertsolver.h"

#include <functional>
#include <vector>

namespace {

struct RegisteredSolver {
    QString menuName;
    std::function<std::unique_ptr<Solver>()> make;
};

// Menu name -> solver. A game appears here once its solver is written.
const std::vector<RegisteredSolver> &entries()
{
    static const std::vector<RegisteredSolver> table{
        {QStringLiteral("Monte-Carlo"), [] { return std::make_unique<MontecarloSolver>(); }},
        {QStringLiteral("Duo"), [] { return std::make_unique<LineSolver>(LineSolver::duo()); }},
        {QStringLiteral("Duo de rêve"),
         [] { return std::make_unique<LineSolver>(LineSolver::duoDeReve()); }},
        {QStringLiteral("Joséphine"), [] { return std::make_unique<JosephineSolver>(); }},
        {QStringLiteral("La clé des songes"), [] { return std::make_unique<CleSongesSolver>(); }},
        {QStringLiteral("Mariage"),
         [] { return std::make_unique<LineSolver>(LineSolver::mariage()); }},
        {QStringLiteral("Les voyageuses (1)"), ChanceSolvers::voyageuses1},
        {QStringLiteral("Les voyageuses (2)"), ChanceSolvers::voyageuses2},
        {QStringLiteral("L'annonce"), ChanceSolvers::annonce},
        {QStringLiteral("L'horloge"), ChanceSolvers::horloge},
        {QStringLiteral("Stéphanie"), ChanceSolvers::stephanie},
        {QStringLiteral("Pousse-pousse"), MakePousseSolver},
        {QStringLiteral("Carré"), [] { return std::make_unique<CarreSolver>(); }},
        {QStringLiteral("Pyramide"), [] { return std::make_unique<PyramideSolver>(); }},
        {QStringLiteral("Roi Albert"), [] { return std::make_unique<RoialbertSolver>(); }},
    };
    return table;
}

} // namespace

std::unique_ptr<Solver> SolverRegistry::solverFor(const QString &menuName)
{
    for (const RegisteredSolver &game : entries()) {
        if (game.menuName == menuName)
            return game.make();
    }
    return nullptr;
}
