// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/clesonges/clesongesrules.h"
#include "games/clesonges/clesongessolver.h"
#include "solver/solverdeal.h"

#include <QTest>
#include <random>

namespace {

using Rules = CleSongesRules;
using Move = CleSongesModel::Move;

using Deal = SolverDeal<Rules>;

const QString Game = QStringLiteral("La clé des songes");

// The pairs the rules' pile tops offer: face up, same rank, on two piles.
int pairsOnTops(const Deal &deal)
{
    int pairs = 0;
    const auto &tops = deal.rules().variables().SommetPile;
    for (int p = 0; p < Rules::Piles; ++p) {
        for (int q = p + 1; q < Rules::Piles; ++q) {
            const QString &a = tops[std::size_t(p)];
            const QString &b = tops[std::size_t(q)];
            if (!a.isEmpty() && !b.isEmpty() && !a.endsWith(QLatin1String("[R]")) &&
                !b.endsWith(QLatin1String("[R]")) && a.left(2) == b.left(2))
                ++pairs;
        }
    }
    return pairs;
}

} // namespace

class TestCleSongesSolver : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Random legal moves through the rules and through a model that only sees its own moves:
    // the same pile tops, as many pairs, the same end.
    void theModelMovesInLockstepWithTheRules()
    {
        for (quint32 seed = 1; seed <= 300; ++seed) {
            Deal deal(Game, seed);
            CleSongesModel model = *CleSongesSolver::model(deal.rules());
            std::mt19937 pick(seed);
            while (!deal.over()) {
                for (int p = 0; p < CleSongesModel::Piles; ++p) {
                    const int top = model.top(p);
                    QCOMPARE(deal.rules().variables().SommetPile[std::size_t(p)],
                             top < 0 ? QString() : deal.tag(Rules::FirstCarte + top));
                }
                std::vector<Move> moves;
                model.legal(moves);
                QCOMPARE(int(std::count_if(moves.begin(), moves.end(),
                                           [](const Move &m) { return m.kind == Move::Pair; })),
                         pairsOnTops(deal));
                QVERIFY(!moves.empty());
                const Move move = moves[pick() % moves.size()];
                deal.click(move.first);
                if (move.kind == Move::Pair)
                    deal.click(move.second);
                model.play(move);
            }
            std::vector<Move> left;
            model.legal(left);
            QVERIFY(left.empty());
            QCOMPARE(deal.results(), QList<bool>{model.won()});
        }
    }

    // Every winning line wins through the rules, also from a card already selected.
    void everyWinningLineWinsThroughTheRules()
    {
        playSolvedLines<Rules>(Game, CleSongesSolver{}, 300, {1, 1}, [](Deal &deal, quint32 seed) {
            if (seed % 3 == 0) {
                deal.click(Rules::FirstCarte + 3);
                deal.click(Rules::FirstCarte + 3);
                QCOMPARE(deal.rules().variables().Premiere, 3);
            }
        });
    }
};

QTEST_GUILESS_MAIN(TestCleSongesSolver)
#include "tst_clesongessolver.moc"
