#include "games/fakehost.h"
#include "games/frmMaisoncarree/maisoncarreerules.h"
#include "games/gamecatalog.h"
#include "solver/carre/carresolver.h"
#include "solver/search/depthfirst.h"

#include <QTest>
#include <algorithm>
#include <map>
#include <numeric>
#include <random>

namespace {

using Rules = MaisoncarreeRules;
using Move = CarreModel::Move;
constexpr int OnReserve = CarreModel::Piles; // where a card lands: a pile 0 to 8, or the reserve

// A drop the rules accept: the card dragged, where it lands, and one target that does it.
struct Drop {
    int card = -1;
    int place = -1;
    int target = -1;
};

struct Deal {
    explicit Deal(quint32 seed) : bench(seed)
    {
        bench.host.state = &bench.state;
        rules.Distribution();
        bench.state.gameInProgress = true;
        rules.play();
    }
    bool over() const { return !bench.host.results.isEmpty(); }
    const Picture &carte(int k) const { return rules.table().at(Rules::FirstCarte + k); }
    int placeOf(int k) const
    {
        const QPoint at = carte(k).rect.topLeft();
        for (int pile = 0; pile < CarreModel::Piles; ++pile) {
            if (Rules::squarePosition(pile) == at)
                return pile;
        }
        return at == Rules::ReservePosition ? OnReserve : -1;
    }
    // Every drop of a shown picture on another that changes the table, found by trying each
    // one and putting the game back; one per card and place.
    std::vector<Drop> legalDrops()
    {
        const RulesSnapshot start = rules.snapshot();
        const TableModel before = rules.table();
        const qsizetype results = bench.host.results.size();
        std::map<std::pair<int, int>, int> found;
        for (int card = 0; card < CarreModel::Cards; ++card) {
            if (!carte(card).visible)
                continue;
            for (int target = 0; target < before.pictures.size(); ++target) {
                if (!before.at(target).visible)
                    continue;
                rules.drop(Rules::FirstCarte + card, target, {});
                if (rules.table() == before)
                    continue;
                found.emplace(std::pair{card, placeOf(card)}, target);
                rules.restore(start);
                bench.host.results.resize(results);
                bench.state.gameInProgress = true;
            }
        }
        std::vector<Drop> drops;
        for (const auto &[move, target] : found)
            drops.push_back({move.first, move.second, target});
        return drops;
    }

    RulesBench bench;
    Rules rules{*GameCatalog::byMenuName(QStringLiteral("Carré")), bench.context(), bench.host};
};

std::vector<std::pair<int, int>> landings(const std::vector<Move> &moves)
{
    std::vector<std::pair<int, int>> out;
    for (const Move &move : moves)
        out.emplace_back(move.card, move.pile == CarreModel::None ? OnReserve : move.pile);
    std::sort(out.begin(), out.end());
    return out;
}

void compare(const CarreModel &played, const CarreModel &read)
{
    for (int pile = 0; pile < CarreModel::Piles; ++pile)
        QCOMPARE(played.top(pile), read.top(pile));
    QCOMPARE(played.stockLeft(), read.stockLeft());
    QCOMPARE(played.stockTop(), read.stockTop());
    QCOMPARE(played.reserveSize(), read.reserveSize());
    for (int i = 0; i < played.reserveSize(); ++i)
        QCOMPARE(played.reserveCard(i), read.reserveCard(i));
    QCOMPARE(played.progress(), read.progress());
}

// The model with every legal move and a key naming the cards where they lie: nothing cut off,
// nothing merged, to check the search's own against.
template <bool EveryMove> struct PlainModel {
    using Move = CarreModel::Move;
    using Key = ByteKey;
    using KeyHash = ByteKey::Hash;
    void moves(std::vector<Move> &out) const
    {
        if (EveryMove)
            model.legal(out);
        else
            model.moves(out);
    }
    void play(const Move &move) { model.play(move); }
    bool won() const { return model.won(); }
    int progress() const { return model.progress(); }
    Key key() const
    {
        std::array<std::uint8_t, 2 + CarreModel::Cards> bytes{};
        std::size_t n = 0;
        for (int pile = 0; pile < CarreModel::Piles; ++pile)
            bytes[n++] = std::uint8_t(model.top(pile));
        bytes[n++] = std::uint8_t(model.stockLeft());
        for (int i = 0; i < model.reserveSize(); ++i)
            bytes[n++] = std::uint8_t(model.reserveCard(i));
        return ByteKey::of(bytes, n);
    }
    CarreModel model;
};

// Card 4 x (rank - 1) + n is of that rank (as 1 ... roi 13).
std::array<int, CarreModel::Cards> byRank()
{
    std::array<int, CarreModel::Cards> ranks{};
    for (std::size_t k = 0; k < ranks.size(); ++k)
        ranks[k] = int(k) / 4 + 1;
    return ranks;
}

int card(int rank, int n)
{
    return 4 * (rank - 1) + n;
}

Search::Outcome solve(const CarreModel &model)
{
    const std::atomic<bool> cancel{false};
    return Search::DepthFirst<CarreModel>(cancel, Search::Limits{}).solve(model).outcome;
}

} // namespace

class TestCarreSolver : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Random legal drops through the rules and through a model that only sees its own moves:
    // the same drops allowed, the same cards where they lie and the same end at every step.
    void theModelMovesInLockstepWithTheRules()
    {
        for (quint32 seed = 1; seed <= 60; ++seed) {
            Deal deal(seed);
            CarreModel model = *CarreSolver::model(deal.rules);
            std::mt19937 pick(seed);
            for (;;) {
                compare(model, *CarreSolver::model(deal.rules));
                std::vector<Move> moves;
                model.legal(moves);
                const std::vector<Drop> drops = deal.legalDrops();
                std::vector<std::pair<int, int>> allowed;
                for (const Drop &drop : drops)
                    allowed.emplace_back(drop.card, drop.place);
                QCOMPARE(allowed, landings(moves));
                if (deal.over() || drops.empty())
                    break;
                const Drop drop = drops[pick() % drops.size()];
                deal.rules.drop(Rules::FirstCarte + drop.card, drop.target, {});
                model.play(*std::find_if(moves.begin(), moves.end(), [&](const Move &m) {
                    return landings({m}).front() == std::pair{drop.card, drop.place};
                }));
            }
            QVERIFY(deal.over());
            QCOMPARE(deal.bench.host.results, QList<bool>{model.won()});
        }
    }

    // From the deal or from a few random moves in, every winning line wins through the rules,
    // and a lost deal's line is played through them to the end of a lost game.
    void everyLineReplaysThroughTheRules()
    {
        int winnable = 0;
        int lost = 0;
        for (quint32 seed = 1; seed <= 300; ++seed) {
            Deal deal(seed);
            std::mt19937 pick(seed);
            for (int step = int(seed % 3) * 5; step > 0; --step) {
                const std::vector<Drop> drops = deal.legalDrops();
                QVERIFY(!drops.empty());
                const Drop drop = drops[pick() % drops.size()];
                deal.rules.drop(Rules::FirstCarte + drop.card, drop.target, {});
            }
            const std::atomic<bool> cancel{false};
            const SolverAnswer answer = CarreSolver{}.prepare(deal.rules)->run(cancel);
            QVERIFY(answer.verdict != SolverAnswer::Verdict::Unknown);
            for (const SolverMove &move : answer.line) {
                QVERIFY(!deal.over());
                const TableModel before = deal.rules.table();
                deal.rules.drop(move.picture, move.target, move.dropTopLeft);
                QVERIFY(!(deal.rules.table() == before));
            }
            const bool won = answer.verdict == SolverAnswer::Verdict::Winnable;
            QCOMPARE(deal.bench.host.results, QList<bool>{won});
            ++(won ? winnable : lost);
        }
        QVERIFY2(winnable > 30 && lost > 30,
                 qPrintable(QStringLiteral("%1 winnable, %2 lost").arg(winnable).arg(lost)));
    }

    // The counting cut-off, the move it skips and the merging of alike piles and ranks change no
    // verdict: small random positions solved both ways, and a deal where the reserve's card,
    // though it fits, has to wait for its pile to come round again.
    void theCutOffsKeepTheVerdictExact()
    {
        std::mt19937 random(17);
        int winnable = 0;
        int tried = 0;
        for (int position = 0; position < 10000; ++position) {
            std::array<int, CarreModel::Cards> deck{};
            std::iota(deck.begin(), deck.end(), 0);
            std::shuffle(deck.begin(), deck.end(), random);
            std::array<int, CarreModel::Piles> tops{};
            std::copy_n(deck.begin(), tops.size(), tops.begin());
            PlainModel<true> plain;
            QVERIFY(plain.model.set(byRank(), tops, {deck.begin() + tops.size(), deck.end()}, {}));
            // Into the game by random moves, a card laid whenever one fits but now and then,
            // down to a stock and a reserve small enough to search without any cut-off.
            while (plain.model.stockLeft() > 10) {
                std::vector<Move> moves;
                plain.model.legal(moves);
                const bool lay = moves.size() > 1 && random() % 6 != 0;
                plain.play(lay ? moves[random() % (moves.size() - 1)] : moves.back());
            }
            if (plain.model.reserveSize() > 12)
                continue;
            ++tried;
            const std::atomic<bool> cancel{false};
            const Search::Outcome exhaustive =
                Search::DepthFirst<PlainModel<true>>(cancel, Search::Limits{}).solve(plain).outcome;
            QVERIFY(exhaustive != Search::Outcome::Unknown);
            QCOMPARE(solve(plain.model), exhaustive);
            winnable += exhaustive == Search::Outcome::Won ? 1 : 0;
        }
        QVERIFY2(winnable > 200 && tried - winnable > 200,
                 qPrintable(QStringLiteral("%1 of %2 winnable").arg(winnable).arg(tried)));

        // Whole deals, the search's own moves with and without merging alike positions (a few
        // too long to search unmerged are left out).
        int compared = 0;
        for (int deal = 0; deal < 1000; ++deal) {
            std::array<int, CarreModel::Cards> deck{};
            std::iota(deck.begin(), deck.end(), 0);
            std::shuffle(deck.begin(), deck.end(), random);
            std::array<int, CarreModel::Piles> tops{};
            std::copy_n(deck.begin(), tops.size(), tops.begin());
            PlainModel<false> plain;
            QVERIFY(plain.model.set(byRank(), tops, {deck.begin() + tops.size(), deck.end()}, {}));
            const std::atomic<bool> cancel{false};
            const Search::Outcome unmerged =
                Search::DepthFirst<PlainModel<false>>(cancel, Search::Limits{})
                    .solve(plain)
                    .outcome;
            if (unmerged == Search::Outcome::Unknown)
                continue;
            ++compared;
            QCOMPARE(solve(plain.model), unmerged);
        }
        QVERIFY2(compared > 950, qPrintable(QString::number(compared)));
        // Piles showing 5 and 3 (the others out of reach); the reserve's 6 fits on the 5, but
        // the line that wins puts the stock's 5 on the reserve, lays the stock's 6 on that pile,
        // then the 4 on the 3 and the two reserve cards after it.
        const std::array<int, CarreModel::Piles> tops{card(5, 0),  card(3, 0),  card(9, 0),
                                                      card(9, 1),  card(9, 2),  card(9, 3),
                                                      card(11, 0), card(11, 1), card(11, 2)};
        CarreModel waits;
        QVERIFY(waits.set(byRank(), tops, {card(5, 1), card(6, 1), card(4, 0)}, {card(6, 0)}));
        QCOMPARE(solve(waits), Search::Outcome::Won);
        // Without the 4 the second 6 cannot be laid: lost.
        CarreModel stuck;
        QVERIFY(stuck.set(byRank(), tops, {card(5, 1), card(6, 1)}, {card(6, 0)}));
        QCOMPARE(solve(stuck), Search::Outcome::Lost);
    }

    void aPositionThatIsNoDealIsRefused()
    {
        std::array<int, CarreModel::Cards> ranks{};
        ranks.fill(1);
        std::array<int, CarreModel::Piles> tops{0, 1, 2, 3, 4, 5, 6, 7, 8};
        CarreModel model;
        QVERIFY(model.set(ranks, tops, {9, 10}, {11}));
        QVERIFY(!model.set(ranks, tops, {9, 8}, {}));
        QVERIFY(!model.set(ranks, tops, {9, 52}, {}));
        ranks[30] = 0;
        QVERIFY(!model.set(ranks, tops, {9}, {}));
    }
};

QTEST_GUILESS_MAIN(TestCarreSolver)
#include "tst_carresolver.moc"
