// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/solverline.h"

#include "games/gamesession.h"
#include "games/quiethost.h"
#include "solver/positionkey.h"

void PlaySolverMove(GameSession &session, const SolverMove &move)
{
    switch (move.action) {
    case SolverMove::Action::Click:
        session.click(move.picture);
        if (move.partner >= 0 && session.inProgress())
            session.click(move.partner);
        if (!move.button.isEmpty() && session.inProgress())
            session.press(move.button);
        return;
    case SolverMove::Action::DoubleClick:
        session.doubleClick(move.picture);
        return;
    case SolverMove::Action::RightPress:
        session.rightPress(move.picture);
        return;
    case SolverMove::Action::Drop:
        session.drop(move.picture, move.target, move.dropTopLeft);
        return;
    case SolverMove::Action::Press:
        session.press(move.button);
        return;
    }
}

QList<PositionAnswer> AnswersAlong(const GameSession &session, const Solver &solver,
                                   const SolverAnswer &answer)
{
    QList<PositionAnswer> along;
    if (answer.verdict == SolverAnswer::Verdict::Unknown)
        return along;
    bool kept = false;
    session.rehearse([&](GameSession &copy, const QuietHost &host) {
        SolverAnswer rest = answer;
        for (const SolverMove &move : answer.line) {
            if (!copy.inProgress())
                return; // the line goes on past the end of the game
            along.append({SolverPositionKey(copy.rules().table(), true, host.prompt()), rest});
            PlaySolverMove(copy, move);
            rest.line.removeFirst();
            rest.summary = solver.answerSummary(rest);
        }
        const bool won = host.results == QList<bool>{true};
        if (answer.verdict == SolverAnswer::Verdict::Winnable) {
            kept = won;
        } else {
            // The end of a lost line: nothing more to find there.
            kept = !won;
            if (copy.inProgress())
                along.append({SolverPositionKey(copy.rules().table(), true, host.prompt()), rest});
        }
    });
    if (!kept)
        along.clear();
    return along;
}
