// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/montecarlo/montecarlorules.h"
#include "games/montecarlo/montecarlosolver.h"
#include "solver/search/depthfirst.h"
#include "solver/solverdeal.h"

#include <QTest>
#include <algorithm>
#include <numeric>
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

// The model with every legal move and a key naming each grid card where it lies: no cut-off and
// nothing merged, to check the search's own against.
struct PlainModel {
    using Move = MontecarloModel::Move;
    using Key = PackedKey<3>;
    using KeyHash = Key::Hash;
    void moves(std::vector<Move> &out) const { model.legal(out); }
    void play(const Move &move) { model.play(move); }
    bool won() const { return model.won(); }
    int progress() const { return model.progress(); }
    Key key() const
    {
        KeyWriter<3> key;
        for (int i = 0; i < model.count(); ++i)
            key.put(model.card(i) + 1u, 6);
        key.put(std::uint64_t(model.stockLeft()), 5);
        key.put(model.pending() + 1u, 8);
        return key.key();
    }
    MontecarloModel model;
};

template <typename Model> Search::Outcome solve(const Model &model)
{
    const std::atomic<bool> cancel{false};
    return Search::DepthFirst<Model>(cancel, Search::Limits{}).solve(model).outcome;
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
                model.legal(modelMoves);
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

    // The counting cut-off and the key by cards left change no verdict: small random positions,
    // a few cards in the grid and the stock, solved with and without them.
    void theCutOffAndTheKeyKeepTheVerdict()
    {
        std::mt19937 random(7);
        int won = 0;
        int lost = 0;
        for (int position = 0; position < 1000; ++position) {
            std::vector<std::uint8_t> deck(52);
            std::iota(deck.begin(), deck.end(), std::uint8_t(0));
            std::shuffle(deck.begin(), deck.end(), random);
            const auto grid = long(4 + random() % 9);
            const auto stock = long(random() % 7);
            PlainModel plain;
            QVERIFY(plain.model.set({deck.begin(), deck.begin() + grid},
                                    {deck.begin() + grid, deck.begin() + grid + stock}));
            const Search::Outcome exhaustive = solve(plain);
            QCOMPARE(solve(plain.model), exhaustive);
            (exhaustive == Search::Outcome::Won ? won : lost) += 1;
        }
        QVERIFY2(won > 100 && lost > 100, qPrintable(QStringLiteral("%1 won").arg(won)));
        MontecarloModel twice;
        QVERIFY(!twice.set({0, 1, 2}, {3, 1}));
    }
};

QTEST_GUILESS_MAIN(TestMontecarloSolver)
#include "tst_montecarlosolver.moc"
