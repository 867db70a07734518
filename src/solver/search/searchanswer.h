#pragma once

#include "solver/search/depthfirst.h"
#include "solver/solver.h"

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
