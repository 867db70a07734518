// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalog/gamecatalog.h"
#include "games/fakehost.h"
#include "solver/solver.h"

#include <QTest>
#include <atomic>
#include <functional>
#include <memory>

// A seeded deal of a game's real rules, started as the window starts it: dealt, JOUER pressed,
// and stopped at the end of the game. Solvers' models and lines are checked against it.
template <typename Rules> class SolverDeal {
public:
    // order: the cards dealt first, in place of the seeded shuffle.
    SolverDeal(const QString &menuName, quint32 seed, const QStringList &order = {}) : m_bench(seed)
    {
        m_bench.host.state = &m_bench.state;
        if (!order.isEmpty())
            m_bench.stack(order);
        m_rules = GameCatalog::rulesFor(menuName)(
            order.isEmpty() ? m_bench.context() : m_bench.stacked(), m_bench.host);
        m_rules->Distribution();
        m_bench.state.gameInProgress = true;
        m_rules->play();
    }

    const Rules &rules() const { return static_cast<const Rules &>(*m_rules); }
    Rules &rules() { return static_cast<Rules &>(*m_rules); }
    const QString &tag(int picture) const { return m_rules->table().at(picture).tag; }
    // One entry per end of game, true when won.
    const QList<bool> &results() const { return m_bench.host.results; }
    bool over() const { return !results().isEmpty(); }

    // A click of the player; there is none once the game is over.
    void click(int picture)
    {
        if (!over())
            m_rules->click(picture);
    }
    // A move of a line as the window plays it: a drop, or the click, then the partner's, then
    // the game's own button.
    void play(const SolverMove &move)
    {
        QVERIFY2(!over(), "the line goes on after the end of the game");
        if (move.action == SolverMove::Action::Drop) {
            m_rules->drop(move.picture, move.target, move.dropTopLeft);
            return;
        }
        QCOMPARE(move.action, SolverMove::Action::Click);
        click(move.picture);
        if (move.partner >= 0)
            click(move.partner);
        if (!move.button.isEmpty() && !over())
            m_rules->press(move.button);
    }
    // Whether an action of the player changes the table. A change is undone, with the end of
    // the game it brought; the action reads what it needs of the table before that.
    bool changes(const std::function<void(Rules &)> &action)
    {
        const RulesSnapshot start = m_rules->snapshot();
        const TableModel before = m_rules->table();
        const qsizetype ended = results().size();
        const bool inProgress = m_bench.state.gameInProgress;
        action(rules());
        if (m_rules->table() == before)
            return false;
        m_rules->restore(start);
        m_bench.host.results.resize(ended);
        m_bench.state.gameInProgress = inProgress;
        return true;
    }
    // The solver's answer from where the deal stands, its line played through the rules.
    SolverAnswer solveAndPlay(const Solver &solver)
    {
        const std::atomic<bool> cancel{false};
        const SolverAnswer answer = solver.prepare(*m_rules)->run(cancel);
        for (const SolverMove &move : answer.line) {
            play(move);
            if (QTest::currentTestFailed())
                break;
        }
        return answer;
    }

private:
    RulesBench m_bench;
    std::unique_ptr<GameRules> m_rules;
};

// How many deals were winnable and lost.
struct LineTally {
    int winnable = 0;
    int lost = 0;
};

// Solves the deals of seeds 1 to `seeds`, each after `before` (a card selected first, say), and
// plays every line through the rules: a winnable line wins, a lost one does not. Deals over at
// JOUER or after `before` have nothing to solve. At least `least` deals are winnable and lost.
template <typename Rules>
void playSolvedLines(const QString &game, const Solver &solver, quint32 seeds, LineTally least,
                     const std::function<void(SolverDeal<Rules> &, quint32)> &before)
{
    LineTally tally;
    for (quint32 seed = 1; seed <= seeds; ++seed) {
        SolverDeal<Rules> deal(game, seed);
        if (deal.over())
            continue;
        before(deal, seed);
        if (QTest::currentTestFailed())
            return;
        if (deal.over())
            continue;
        const SolverAnswer answer = deal.solveAndPlay(solver);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(answer.verdict != SolverAnswer::Verdict::Unknown);
        const bool won = deal.results() == QList<bool>{true};
        QVERIFY2(won == (answer.verdict == SolverAnswer::Verdict::Winnable),
                 qPrintable(QStringLiteral("seed %1").arg(seed)));
        ++(won ? tally.winnable : tally.lost);
    }
    QVERIFY2(
        tally.winnable >= least.winnable && tally.lost >= least.lost,
        qPrintable(QStringLiteral("%1 winnable, %2 lost").arg(tally.winnable).arg(tally.lost)));
}
