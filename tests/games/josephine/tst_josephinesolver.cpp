// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/josephine/josephinerules.h"
#include "games/josephine/josephinesolver.h"
#include "solver/solverdeal.h"

#include <QTest>
#include <algorithm>
#include <random>

namespace {

using Rules = JosephineRules;
using Move = JosephineModel::Move;

using Deal = SolverDeal<Rules>;

const QString &tag(const Deal &deal, int k)
{
    return deal.tag(Rules::FirstCarte + k);
}

// The pairs the rules would take: two face-up cards of Jouables of the same rank.
std::vector<std::pair<int, int>> legalPairs(const Deal &deal)
{
    std::vector<std::pair<int, int>> pairs;
    const auto &free = deal.rules().variables().Jouables;
    for (std::size_t a = 0; a < free.size(); ++a) {
        for (std::size_t b = a + 1; b < free.size(); ++b) {
            if (free[a] < 0 || free[b] < 0 || tag(deal, free[a]).endsWith(QLatin1String("[R]")) ||
                tag(deal, free[b]).endsWith(QLatin1String("[R]")))
                continue;
            if (Cards::CardValue(tag(deal, free[a])) == Cards::CardValue(tag(deal, free[b])))
                pairs.emplace_back(free[a], free[b]);
        }
    }
    return pairs;
}

const QString Game = QStringLiteral("Joséphine");

} // namespace

class TestJosephineSolver : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Random legal moves through the rules and through a model that only sees its own moves:
    // the same free cards, the same pairs and the same end at every step.
    void theModelMovesInLockstepWithTheRules()
    {
        for (quint32 seed = 1; seed <= 300; ++seed) {
            Deal deal(Game, seed);
            JosephineModel model = *JosephineSolver::model(deal.rules());
            std::mt19937 pick(seed);
            while (!deal.over()) {
                for (int slot = 0; slot <= JosephineModel::Reserve; ++slot)
                    QCOMPARE(model.freeCard(slot),
                             deal.rules().variables().Jouables[std::size_t(slot)]);
                const int reserve = model.freeCard(JosephineModel::Reserve);
                QCOMPARE(model.reserveFaceDown(),
                         reserve >= 0 && tag(deal, reserve).endsWith(QLatin1String("[R]")));
                std::vector<Move> moves;
                model.legal(moves);
                std::vector<std::pair<int, int>> pairs;
                for (const Move &move : moves) {
                    if (move.kind == Move::Pair)
                        pairs.emplace_back(move.first, move.second);
                }
                QCOMPARE(pairs, legalPairs(deal));
                QVERIFY(!moves.empty());
                // Now and then a card selected first and a card of another rank after it.
                if (pick() % 5 == 0 && !pairs.empty()) {
                    deal.click(pairs.front().first);
                    QCOMPARE(deal.rules().variables().Selection1, pairs.front().first);
                    JosephineModel selected = *JosephineSolver::model(deal.rules());
                    std::vector<Move> after;
                    selected.legal(after);
                    const auto drop = std::find_if(after.begin(), after.end(), [](const Move &m) {
                        return m.kind == Move::Drop;
                    });
                    if (drop == after.end()) {
                        deal.click(pairs.front().second);
                        model.play({Move::Pair, std::int8_t(pairs.front().first),
                                    std::int8_t(pairs.front().second)});
                        continue;
                    }
                    deal.click(drop->first);
                    QCOMPARE(deal.rules().variables().Selection1, Rules::NoCard);
                    continue;
                }
                const Move move = moves[pick() % moves.size()];
                deal.click(move.first);
                if (move.kind == Move::Pair)
                    deal.click(move.second);
                model.play(move);
            }
            std::vector<Move> left;
            model.legal(left);
            QVERIFY(left.empty() || model.won());
            QCOMPARE(deal.results(), QList<bool>{model.won()});
        }
    }

    // Every winning line wins through the rules, also from a card already selected.
    void everyWinningLineWinsThroughTheRules()
    {
        playSolvedLines<Rules>(Game, JosephineSolver{}, 300, {1, 1}, [](Deal &deal, quint32 seed) {
            if (seed % 3 == 0 && !legalPairs(deal).empty())
                deal.click(legalPairs(deal).front().first);
        });
    }
};

QTEST_GUILESS_MAIN(TestJosephineSolver)
#include "tst_josephinesolver.moc"
