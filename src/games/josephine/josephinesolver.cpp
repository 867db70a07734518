// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/josephine/josephinesolver.h"

#include "games/josephine/josephinerules.h"
#include "solver/search/depthfirst.h"
#include "solver/search/searchanswer.h"

namespace {

using Rules = JosephineRules;
using Move = JosephineModel::Move;

// A column (1 to 8) or "R" for the reserve.
QString slotName(int card)
{
    return card >= Rules::FirstReserve ? QStringLiteral("R")
                                       : QString::number(card % Rules::Columns + 1);
}

SolverMove toSolverMove(const Move &move)
{
    return PairClicks(move, Rules::FirstCarte, slotName);
}

} // namespace

std::optional<JosephineModel> JosephineSolver::model(const GameRules &rules)
{
    const auto *game = dynamic_cast<const Rules *>(&rules);
    if (!game)
        return std::nullopt;
    const TableModel &table = rules.table();
    std::array<int, 52> ranks{};
    for (int k = 0; k < Cards::FullDeck; ++k) {
        const QString &tag = table.at(Rules::FirstCarte + k).tag;
        ranks[std::size_t(k)] = tag == QLatin1String("VRAI") ? 0 : Cards::CardValue(tag);
    }
    Rules::Variables vars = game->variables();
    // Before JOUER: the bottom row and the top of the reserve, as JOUER frees them.
    if (vars.Jouables[Rules::ReserveSlot] == Rules::NoCard &&
        table.at(Rules::FirstCarte + Rules::TopReserve).tag.endsWith(QLatin1String("[R]"))) {
        for (int column = 0; column < Rules::Columns; ++column)
            vars.Jouables[std::size_t(column)] = Rules::TableCards - Rules::Columns + column;
        vars.Jouables[Rules::ReserveSlot] = Rules::TopReserve;
    }
    const int reserve = vars.Jouables[Rules::ReserveSlot];
    const bool faceDown = reserve != Rules::NoCard &&
                          table.at(Rules::FirstCarte + reserve).tag.endsWith(QLatin1String("[R]"));
    JosephineModel model;
    model.set(ranks, vars.Jouables, faceDown, vars.Selection1);
    return model;
}

std::unique_ptr<SolverTask> JosephineSolver::prepare(const GameRules &rules) const
{
    return std::make_unique<ModelSearchTask<JosephineModel, decltype(&toSolverMove)>>(
        model(rules), &toSolverMove);
}
