#include "games/fakehost.h"
#include "games/frmCleSonges/clesongesrules.h"
#include "solver/clesonges/clesongessolver.h"

#include <QTest>
#include <random>

namespace {

using Rules = CleSongesRules;
using Move = CleSongesModel::Move;

struct Deal {
    explicit Deal(quint32 seed) : bench(seed)
    {
        bench.host.state = &bench.state;
        rules = MakeCleSongesRules(bench.context(), bench.host);
        rules->Distribution();
        bench.state.gameInProgress = true;
        rules->play();
    }
    const Rules &game() const { return static_cast<const Rules &>(*rules); }
    bool over() const { return !bench.host.results.isEmpty(); }
    void click(int picture)
    {
        if (!over())
            rules->click(picture);
    }
    void play(const SolverMove &move)
    {
        click(move.picture);
        if (move.partner >= 0)
            click(move.partner);
    }
    const QString &tag(int k) const { return rules->table().at(Rules::FirstCarte + k).tag; }
    // The pairs the rules' pile tops offer: face up, same rank, on two piles.
    int pairsOnTops() const
    {
        int pairs = 0;
        const auto &tops = game().variables().SommetPile;
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

    RulesBench bench;
    std::unique_ptr<GameRules> rules;
};

} // namespace

class TestCleSongesSolver : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Random legal moves through the rules and through a model that only sees its own moves:
    // the same pile tops, as many pairs, the same end.
    void theModelMovesInLockstepWithTheRules()
    {
        for (quint32 seed = 1; seed <= 300; ++seed) {
            Deal deal(seed);
            CleSongesModel model = *CleSongesSolver::model(*deal.rules);
            std::mt19937 pick(seed);
            while (!deal.over()) {
                for (int p = 0; p < CleSongesModel::Piles; ++p) {
                    const int top = model.top(p);
                    QCOMPARE(deal.game().variables().SommetPile[std::size_t(p)],
                             top < 0 ? QString() : deal.tag(top));
                }
                std::vector<Move> moves;
                model.legal(moves);
                QCOMPARE(int(std::count_if(moves.begin(), moves.end(),
                                           [](const Move &m) { return m.kind == Move::Pair; })),
                         deal.pairsOnTops());
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
            if (seed % 3 == 0) {
                deal.click(Rules::FirstCarte + 3);
                deal.click(Rules::FirstCarte + 3);
                QCOMPARE(deal.game().variables().Premiere, 3);
            }
            const std::atomic<bool> cancel{false};
            const SolverAnswer answer = CleSongesSolver{}.prepare(*deal.rules)->run(cancel);
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

QTEST_GUILESS_MAIN(TestCleSongesSolver)
#include "tst_clesongessolver.moc"
