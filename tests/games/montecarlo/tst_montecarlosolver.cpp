// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/montecarlo/montecarlorules.h"
#include "games/montecarlo/montecarlosolver.h"
#include "solver/solverdeal.h"

#include <QTest>
#include <algorithm>
#include <random>

namespace {

using Rules = MontecarloRules;
using Move = MontecarloModel::Move;

using Deal = SolverDeal<Rules>;

const Picture &place(const Deal &deal, int i)
{
    return deal.rules().table().at(Rules::FirstPlace + i);
}

// The pairs the rules would take now, from the table itself: places holding a card, eight
// neighbours by position, same rank or same suit.
std::vector<Move> legalPairs(const Deal &deal)
{
    std::vector<Move> pairs;
    for (int a = 0; a < Rules::GridSize; ++a) {
        for (int b = a + 1; b < Rules::GridSize; ++b) {
            const Picture &first = place(deal, a);
            const Picture &second = place(deal, b);
            if (!first.visible || !second.visible || first.card.isEmpty() || second.card.isEmpty())
                continue;
            const QPoint d = first.rect.topLeft() - second.rect.topLeft();
            const bool near =
                std::abs(d.x()) <= Rules::ColumnStep && std::abs(d.y()) <= Rules::RowStep;
            const bool match = first.card.left(2) == second.card.left(2) ||
                               first.card.right(5) == second.card.right(5);
            if (near && match)
                pairs.push_back({std::uint8_t(a), std::uint8_t(b)});
        }
    }
    return pairs;
}

std::vector<Move> sorted(std::vector<Move> moves)
{
    std::sort(moves.begin(), moves.end(), [](const Move &a, const Move &b) {
        return std::pair(a.first, a.second) < std::pair(b.first, b.second);
    });
    return moves;
}

} // namespace

class TestMontecarloSolver : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Random legal pairs through the rules and through a model that only ever sees its own
    // moves: the same pairs are legal at every step, the same cards lie in the grid, and both
    // end the same way.
    void theModelMovesInLockstepWithTheRules()
    {
        for (quint32 seed = 1; seed <= 300; ++seed) {
            Deal deal(QStringLiteral("Monte-Carlo"), seed);
            auto start = MontecarloSolver::model(deal.rules());
            QVERIFY(start);
            MontecarloModel model = *start;
            std::mt19937 pick(seed);
            while (true) {
                std::vector<Move> modelMoves;
                model.moves(modelMoves);
                const std::vector<Move> pairs = legalPairs(deal);
                QCOMPARE(sorted(modelMoves), pairs);
                for (int i = 0; i < model.count(); ++i)
                    QCOMPARE(model.card(i), MontecarloModel::cardOf(place(deal, i).card));
                if (pairs.empty())
                    break;
                const Move move = pairs[pick() % pairs.size()];
                deal.click(Rules::FirstPlace + move.first);
                deal.click(Rules::FirstPlace + move.second);
                model.play(move);
            }
            QCOMPARE(deal.results(), QList<bool>{model.won()});
        }
    }

    // Every winning line wins through the real rules; a lost deal's best line is legal and does
    // not win. A third of the deals start with a card selected: it can always be dropped, so
    // it changes no verdict, and the line must cope with it.
    void everyWinningLineWinsThroughTheRules()
    {
        playSolvedLines<Rules>(
            QStringLiteral("Monte-Carlo"), MontecarloSolver{}, 400, {301, 0},
            [](Deal &deal, quint32 seed) {
                if (seed % 3 != 0)
                    return;
                const std::atomic<bool> cancel{false};
                const MontecarloSolver solver;
                const auto unselected = solver.prepare(deal.rules())->run(cancel).verdict;
                deal.click(Rules::FirstPlace + int(seed % 25));
                QCOMPARE(solver.prepare(deal.rules())->run(cancel).verdict, unselected);
            });
    }
};

QTEST_GUILESS_MAIN(TestMontecarloSolver)
#include "tst_montecarlosolver.moc"
