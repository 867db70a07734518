#include "solver/solverregistry.h"

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
    static const std::vector<RegisteredSolver> table{};
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
