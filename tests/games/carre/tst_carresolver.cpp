// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/carre/carrerules.h"
#include "games/carre/carresolver.h"
#include "solver/search/depthfirst.h"
#include "solver/solverdeal.h"

#include <QTest>
#include <algorithm>
#include <map>
#include <numeric>
#include <optional>
#include <random>

namespace {

using Rules = MaisoncarreeRules;
using Move = CarreModel::Move;
using Deal = SolverDeal<Rules>;

const QString Game = QStringLiteral("Carré");

// A card and where it lands: a square pile 0 to 8, or the reserve.
using Landing = std::pair<int, int>;
constexpr int OnReserve = CarreModel::Piles;

Landing landing(const Move &move)
{
    return {move.card, move.pile == CarreModel::None ? OnReserve : move.pile};
}

Landing landing(const Rules &rules, int card)
{
    const QPoint at = rules.table().at(Rules::FirstCarte + card).rect.topLeft();
    for (int pile = 0; pile < CarreModel::Piles; ++pile) {
        if (Rules::squarePosition(pile) == at)
            return {card, pile};
    }
    return {card, at == Rules::ReservePosition ? OnReserve : -1};
}

// Every drop the rules take, found by dropping each shown card on each shown picture: one
// target for each landing.
std::map<Landing, int> legalDrops(Deal &deal)
{
    std::map<Landing, int> found;
    const TableModel table = deal.rules().table();
    for (int card = 0; card < CarreModel::Cards; ++card) {
        for (int target = 0; target < table.pictures.size(); ++target) {
            if (!table.at(Rules::FirstCarte + card).visible || !table.at(target).visible)
                continue;
            Landing landed;
            if (deal.changes([&](Rules &rules) {
                    rules.drop(Rules::FirstCarte + card, target, {});
                    landed = landing(rules, card);
                }))
                found.emplace(landed, target);
        }
    }
    return found;
}

// Whether every card is drawn where the rules say it lies: each pile in its order from the back,
// a square pile showing only its top.
bool drawnWhereItLies(const Rules &rules)
{
    const auto &places = rules.variables().places;
    for (std::size_t k = 0; k < places.size(); ++k) {
        const Picture &card = rules.table().at(Rules::FirstCarte + int(k));
        bool covered = false;
        for (std::size_t other = 0; other < places.size(); ++other) {
            const bool samePile =
                places[other].pile == places[k].pile && places[other].square == places[k].square;
            if (samePile && places[other].order > places[k].order) {
                covered = true;
                if (rules.table().at(Rules::FirstCarte + int(other)).z <= card.z)
                    return false;
            }
        }
        const bool hidden = covered && places[k].pile == Rules::Place::Pile::Square;
        if (card.visible == hidden || card.rect.topLeft() != Rules::topLeft(places[k]))
            return false;
    }
    return true;
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

// The model with every legal move, or the search's own, and a key naming the cards where they
// lie: nothing merged, to check the search's cut-offs and merging against.
template <bool EveryMove> struct PlainModel {
    using Move = CarreModel::Move;
    using Key = PackedKey<8>;
    using KeyHash = Key::Hash;
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
        KeyWriter<8> key;
        for (int pile = 0; pile < CarreModel::Piles; ++pile)
            key.put(std::uint64_t(model.top(pile)), 6);
        key.put(std::uint64_t(model.stockLeft()), 6);
        key.put(std::uint64_t(model.reserveSize()), 6);
        for (int i = 0; i < model.reserveSize(); ++i)
            key.put(std::uint64_t(model.reserveCard(i)), 6);
        return key.key();
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

// A shuffled deal: its nine first cards on the square, the others in the stock.
template <bool EveryMove> std::optional<PlainModel<EveryMove>> shuffled(std::mt19937 &random)
{
    std::array<int, CarreModel::Cards> deck{};
    std::iota(deck.begin(), deck.end(), 0);
    std::shuffle(deck.begin(), deck.end(), random);
    std::array<int, CarreModel::Piles> tops{};
    std::copy_n(deck.begin(), tops.size(), tops.begin());
    PlainModel<EveryMove> plain;
    if (!plain.model.set(byRank(), tops, {deck.begin() + tops.size(), deck.end()}, {}))
        return std::nullopt;
    return plain;
}

template <typename Model> Search::Outcome solve(const Model &model)
{
    const std::atomic<bool> cancel{false};
    return Search::DepthFirst<Model>(cancel, Search::Limits{}).solve(model).outcome;
}

} // namespace

class TestCarreSolver : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Random legal drops through the rules and through a model that only sees its own moves:
    // the same drops allowed, the same cards where they lie, drawn there, and the same end at
    // every step.
    void theModelMovesInLockstepWithTheRules()
    {
        for (quint32 seed = 1; seed <= 60; ++seed) {
            Deal deal(Game, seed);
            CarreModel model = *CarreSolver::model(deal.rules());
            std::mt19937 pick(seed);
            for (;;) {
                compare(model, *CarreSolver::model(deal.rules()));
                QVERIFY(drawnWhereItLies(deal.rules()));
                std::vector<Move> moves;
                model.legal(moves);
                std::vector<Landing> landings;
                for (const Move &move : moves)
                    landings.push_back(landing(move));
                std::sort(landings.begin(), landings.end());
                const std::map<Landing, int> drops = legalDrops(deal);
                std::vector<Landing> allowed;
                for (const auto &[dropped, target] : drops)
                    allowed.push_back(dropped);
                QCOMPARE(allowed, landings);
                if (deal.over() || drops.empty())
                    break;
                const auto drop = std::next(drops.begin(), long(pick() % drops.size()));
                deal.rules().drop(Rules::FirstCarte + drop->first.first, drop->second, {});
                model.play(*std::find_if(moves.begin(), moves.end(),
                                         [&](const Move &m) { return landing(m) == drop->first; }));
            }
            QVERIFY(deal.over());
            QCOMPARE(deal.results(), QList<bool>{model.won()});
        }
    }

    // From the deal or from a few random drops in, every winning line wins through the rules,
    // and a lost deal's line does not.
    void everyLineReplaysThroughTheRules()
    {
        playSolvedLines<Rules>(Game, CarreSolver{}, 300, {31, 31}, [](Deal &deal, quint32 seed) {
            std::mt19937 pick(seed);
            for (int step = int(seed % 3) * 5; step > 0; --step) {
                const std::map<Landing, int> drops = legalDrops(deal);
                QVERIFY(!drops.empty());
                const auto drop = std::next(drops.begin(), long(pick() % drops.size()));
                deal.rules().drop(Rules::FirstCarte + drop->first.first, drop->second, {});
            }
        });
    }

    // The counting cut-off, the move it skips, the merging of alike piles and ranks and the count
    // over whole stretches of the stock change no verdict: small random positions solved both
    // ways, whole deals with and without merging, and a deal where the reserve's card, though it
    // fits, has to wait for its pile to come round again.
    void theCutOffsKeepTheVerdictExact()
    {
        std::mt19937 random(17);
        int winnable = 0;
        int tried = 0;
        for (int position = 0; position < 10000; ++position) {
            std::optional<PlainModel<true>> plain = shuffled<true>(random);
            QVERIFY(plain);
            // Into the game by random moves, a card laid whenever one fits but now and then,
            // down to a stock and a reserve small enough to search without any cut-off.
            while (plain->model.stockLeft() > 10) {
                std::vector<Move> moves;
                plain->model.legal(moves);
                const bool lay = moves.size() > 1 && random() % 6 != 0;
                plain->play(lay ? moves[random() % (moves.size() - 1)] : moves.back());
            }
            if (plain->model.reserveSize() > 12)
                continue;
            ++tried;
            const Search::Outcome exhaustive = solve(*plain);
            QVERIFY(exhaustive != Search::Outcome::Unknown);
            QCOMPARE(solve(plain->model), exhaustive);
            QCOMPARE(plain->model.winnable(), exhaustive == Search::Outcome::Won);
            winnable += exhaustive == Search::Outcome::Won ? 1 : 0;
        }
        QVERIFY2(winnable > 200 && tried - winnable > 200,
                 qPrintable(QStringLiteral("%1 of %2 winnable").arg(winnable).arg(tried)));

        // A few deals too long to search unmerged are left out.
        int compared = 0;
        for (int deal = 0; deal < 1000; ++deal) {
            const std::optional<PlainModel<false>> plain = shuffled<false>(random);
            QVERIFY(plain);
            const Search::Outcome unmerged = solve(*plain);
            if (unmerged == Search::Outcome::Unknown)
                continue;
            ++compared;
            QCOMPARE(solve(plain->model), unmerged);
            QCOMPARE(plain->model.winnable(), unmerged == Search::Outcome::Won);
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
