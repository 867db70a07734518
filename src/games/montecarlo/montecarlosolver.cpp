// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/montecarlo/montecarlosolver.h"

#include "games/montecarlo/montecarlorules.h"
#include "solver/search/depthfirst.h"
#include "solver/search/searchanswer.h"

namespace {

using Rules = MontecarloRules;

SolverMove toSolverMove(const MontecarloModel::Move &move)
{
    SolverMove played;
    played.action = SolverMove::Action::Click;
    played.picture = Rules::FirstPlace + move.first;
    if (move.second == MontecarloModel::NoPlace) {
        played.framed = {played.picture};
        played.text = QString::number(move.first + 1);
        return played;
    }
    played.partner = Rules::FirstPlace + move.second;
    played.framed = {played.picture, played.partner};
    played.text = QStringLiteral("%1-%2").arg(move.first + 1).arg(move.second + 1);
    return played;
}

} // namespace

std::optional<MontecarloModel> MontecarloSolver::model(const GameRules &rules)
{
    const TableModel &table = rules.table();
    const auto *game = dynamic_cast<const Rules *>(&rules);
    if (!game)
        return std::nullopt;
    const auto carte = [&](int k) {
        return MontecarloModel::cardOf(table.at(Rules::FirstCarte + k).card);
    };
    std::vector<std::uint8_t> grid;
    std::vector<std::uint8_t> stock;
    std::uint8_t pending = MontecarloModel::NoPlace;
    const bool started = table.at(Rules::FirstPlace).face != Picture::Face::Back;
    if (!started) {
        for (int k = 0; k < Rules::GridSize; ++k)
            grid.push_back(carte(k));
    } else {
        for (int i = 0; i < Rules::GridSize; ++i) {
            const Picture &place = table.at(Rules::FirstPlace + i);
            if (place.visible && !place.card.isEmpty())
                grid.push_back(MontecarloModel::cardOf(place.card));
        }
    }
    const int next = game->variables().prochaineCarte;
    for (int k = next; k >= Rules::GridSize; --k)
        stock.push_back(carte(k));
    if (started && game->variables().selection1 != Rules::NoPlace)
        pending = std::uint8_t(game->variables().selection1);
    MontecarloModel model;
    if (!model.set(grid, stock, pending))
        return std::nullopt;
    return model;
}

std::unique_ptr<SolverTask> MontecarloSolver::task(const MontecarloModel &model)
{
    return std::make_unique<ModelSearchTask<MontecarloModel, decltype(&toSolverMove)>>(
        model, &toSolverMove);
}

std::unique_ptr<SolverTask> MontecarloSolver::prepare(const GameRules &rules) const
{
    const auto position = model(rules);
    return std::make_unique<ModelSearchTask<MontecarloModel, decltype(&toSolverMove)>>(
        position, &toSolverMove);
}
