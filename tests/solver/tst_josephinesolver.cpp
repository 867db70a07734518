#include "games/fakehost.h"
#include "games/frmJosephine/josephinerules.h"
#include "games/gamecatalog.h"
#include "solver/josephine/josephinesolver.h"

#include <QTest>
#include <algorithm>
#include <random>

namespace {

using Rules = JosephineRules;
using Move = JosephineModel::Move;

struct Deal {
    explicit Deal(quint32 seed) : bench(seed)
    {
        bench.host.state = &bench.state;
        rules.Distribution();
        bench.state.gameInProgress = true;
        rules.play();
    }
    bool over() const { return !bench.host.results.isEmpty(); }
    void click(int picture)
    {
        if (!over())
            rules.click(picture);
    }
    void play(const SolverMove &move)
    {
        click(move.picture);
        if (move.partner >= 0)
            click(move.partner);
    }
    const QString &tag(int k) const { return rules.table().at(Rules::FirstCarte + k).tag; }
    // The pairs the rules would take: two face-up cards of Jouables of the same rank.
    std::vector<std::pair<int, int>> legalPairs() const
    {
        std::vector<std::pair<int, int>> pairs;
        const auto &free = rules.variables().Jouables;
        for (std::size_t a = 0; a < free.size(); ++a) {
            for (std::size_t b = a + 1; b < free.size(); ++b) {
                if (free[a] < 0 || free[b] < 0 || tag(free[a]).endsWith(QLatin1String("[R]")) ||
                    tag(free[b]).endsWith(QLatin1String("[R]")))
                    continue;
                if (Cards::CardValue(tag(free[a])) == Cards::CardValue(tag(free[b])))
                    pairs.emplace_back(free[a], free[b]);
            }
        }
        return pairs;
    }

    RulesBench bench;
    Rules rules{*GameCatalog::byMenuName(QStringLiteral("Joséphine")), bench.context(), bench.host};
};

} // namespace

class TestJosephineSolver : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Random legal moves through the rules and through a model that only sees its own moves:
    // the same free cards, the same pairs and the same end at every step.
    void theModelMovesInLockstepWithTheRules()
    {
        for (quint32 seed = 1; seed <= 300; ++seed) {
            Deal deal(seed);
            JosephineModel model = *JosephineSolver::model(deal.rules);
            std::mt19937 pick(seed);
            while (!deal.over()) {
                for (int slot = 0; slot <= JosephineModel::Reserve; ++slot)
                    QCOMPARE(model.freeCard(slot),
                             deal.rules.variables().Jouables[std::size_t(slot)]);
                const int reserve = model.freeCard(JosephineModel::Reserve);
                QCOMPARE(model.reserveFaceDown(),
                         reserve >= 0 && deal.tag(reserve).endsWith(QLatin1String("[R]")));
                std::vector<Move> moves;
                model.legal(moves);
                std::vector<std::pair<int, int>> pairs;
                for (const Move &move : moves) {
                    if (move.kind == Move::Pair)
                        pairs.emplace_back(move.first, move.second);
                }
                QCOMPARE(pairs, deal.legalPairs());
                QVERIFY(!moves.empty());
                // Now and then a card selected first and a card of another rank after it.
                if (pick() % 5 == 0 && !pairs.empty()) {
                    deal.click(pairs.front().first);
                    QCOMPARE(deal.rules.variables().Selection1, pairs.front().first);
                    JosephineModel selected = *JosephineSolver::model(deal.rules);
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
                    QCOMPARE(deal.rules.variables().Selection1, Rules::NoCard);
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
            QCOMPARE(deal.bench.host.results, QList<bool>{model.won()});
        }
    }

    // Every winning line wins through the rules, also from a card already selected.
    void everyWinningLineWinsThroughTheRules()
    {
        int winnable = 0;
        int lost = 0;
        for (quint32 seed = 1; seed <= 300; ++seed) {
            Deal deal(seed);
            if (seed % 3 == 0 && !deal.legalPairs().empty())
                deal.click(deal.legalPairs().front().first);
            const std::atomic<bool> cancel{false};
            const SolverAnswer answer = JosephineSolver{}.prepare(deal.rules)->run(cancel);
            QVERIFY(answer.verdict != SolverAnswer::Verdict::Unknown);
            for (const SolverMove &move : answer.line) {
                QVERIFY(!deal.over());
                deal.play(move);
            }
            if (answer.verdict == SolverAnswer::Verdict::Winnable) {
                ++winnable;
                QCOMPARE(deal.bench.host.results, QList<bool>{true});
            } else {
                ++lost;
            }
        }
        QVERIFY2(winnable > 0 && lost > 0,
                 qPrintable(QStringLiteral("%1 winnable, %2 lost").arg(winnable).arg(lost)));
    }
};

QTEST_GUILESS_MAIN(TestJosephineSolver)
#include "tst_josephinesolver.moc"
