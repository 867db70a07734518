// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/clesonges/clesongessolver.h"

#include "games/clesonges/clesongesrules.h"
#include "solver/search/depthfirst.h"
#include "solver/search/searchanswer.h"

namespace {

using Rules = CleSongesRules;
using Move = CleSongesModel::Move;

// Piles are numbered 1 to 8 from the left.
QString pileName(int card)
{
    return QString::number(card / Rules::PileSize + 1);
}

SolverMove toSolverMove(const Move &move)
{
    return PairClicks(move, Rules::FirstCarte, pileName, QStringLiteral("r"));
}

} // namespace

std::optional<CleSongesModel> CleSongesSolver::model(const GameRules &rules)
{
    const auto *game = dynamic_cast<const Rules *>(&rules);
    if (!game)
        return std::nullopt;
    const TableModel &table = rules.table();
    std::array<int, 32> ranks{};
    std::array<int, Rules::Piles> left{};
    std::array<bool, Rules::Piles> faceUp{};
    for (int k = 0; k < Cards::SmallDeck; ++k) {
        const QString &tag = table.at(Rules::FirstCarte + k).tag;
        if (tag.isEmpty())
            return std::nullopt; // no deal yet
        if (tag == QLatin1String("VRAI"))
            continue;
        ranks[std::size_t(k)] = Cards::CardValue(tag);
        const auto pile = std::size_t(k / Rules::PileSize);
        ++left[pile];
        // Cards leave a pile from its top: the last one still there is the top.
        faceUp[pile] = !tag.endsWith(QLatin1String("[R]"));
    }
    CleSongesModel model;
    model.set(ranks, left, faceUp, game->variables().Premiere);
    return model;
}

std::unique_ptr<SolverTask> CleSongesSolver::prepare(const GameRules &rules) const
{
    return std::make_unique<ModelSearchTask<CleSongesModel, decltype(&toSolverMove)>>(
        model(rules), &toSolverMove);
}
