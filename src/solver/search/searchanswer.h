// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solver/search/depthfirst.h"
#include "solver/solver.h"

#include <optional>

// A search's result as the window and the tools read it, each move of the model turned into the
// player's action by toMove.
template <typename Move, typename ToMove>
SolverAnswer SearchAnswer(const Search::Result<Move> &result, ToMove toMove)
{
    SolverAnswer answer;
    answer.nodes = result.nodes;
    switch (result.outcome) {
    case Search::Outcome::Won:
        answer.verdict = SolverAnswer::Verdict::Winnable;
        break;
    case Search::Outcome::Lost:
        answer.verdict = SolverAnswer::Verdict::Lost;
        break;
    case Search::Outcome::Unknown:
        answer.verdict = SolverAnswer::Verdict::Unknown;
        return answer;
    }
    for (const Move &move : result.line)
        answer.line.append(toMove(move));
    return answer;
}

// The search of one game's model from a copied position: nothing to search when the rules had no
// position to give (no deal yet).
template <typename Model, typename ToMove> class ModelSearchTask final : public SolverTask {
public:
    ModelSearchTask(const std::optional<Model> &model, ToMove toMove)
        : m_model(model), m_toMove(toMove)
    {
    }
    SolverAnswer run(const std::atomic<bool> &cancel) override
    {
        if (!m_model)
            return {};
        Search::DepthFirst<Model> search(cancel, Search::Limits{});
        return SearchAnswer(search.solve(*m_model), m_toMove);
    }

private:
    std::optional<Model> m_model;
    ToMove m_toMove;
};
