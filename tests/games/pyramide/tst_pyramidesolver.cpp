// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/gamecatalog.h"
#include "games/fakehost.h"
#include "games/pyramide/pyramiderules.h"
#include "games/pyramide/pyramidesolver.h"
#include "solver/search/depthfirst.h"

#include <QTest>
#include <algorithm>
#include <deque>
#include <functional>
#include <random>
#include <set>
#include <tuple>

namespace {

using Rules = PyramideRules;
using Model = PyramideModel;
using Move = PyramideModel::Move;
using Seen = std::tuple<int, int, int>; // kind, from, to

constexpr int FirstStock = Rules::FirstCarte + Rules::Places;

int placePicture(int place)
{
    return Rules::FirstPlace + place;
}

// A seeded deal of the real rules, JOUER pressed. The rules are driven by drops and right presses
// as well as clicks, so the deal is kept here rather than in the shared one.
struct Deal {
    explicit Deal(quint32 seed, bool jouer = true) : bench(seed)
    {
        bench.host.state = &bench.state;
        rules.Distribution();
        bench.state.gameInProgress = jouer;
        if (jouer)
            rules.play();
    }
    bool over() const { return !bench.host.results.isEmpty(); }
    bool empty(int place) const { return rules.table().at(placePicture(place)).tag.isEmpty(); }
    // The player's action as the window passes it on.
    void act(const SolverMove &move)
    {
        QVERIFY2(!over(), "the line goes on after the end of the game");
        if (move.action == SolverMove::Action::RightPress) {
            rules.rightPress(move.picture);
        } else if (move.action == SolverMove::Action::Drop) {
            rules.dragOver(move.picture, move.target);
            rules.drop(move.picture, move.target, move.dropTopLeft);
        } else {
            rules.click(move.picture);
            if (move.partner >= 0 && !over())
                rules.click(move.partner);
        }
    }
    // What an attempt says, read after its actions, which are then taken back with the end of the
    // game they may bring.
    bool attempt(const std::function<bool()> &actions)
    {
        const RulesSnapshot before = rules.snapshot();
        const qsizetype results = bench.host.results.size();
        const bool did = actions();
        rules.restore(before);
        bench.host.results.resize(results);
        bench.state.gameInProgress = true;
        return did;
    }
    void click(int place) { rules.click(placePicture(place)); }
    // The card dragged into the hole, with a right press first for a pyramid card.
    bool drops(int source, int hole)
    {
        return empty(hole) && attempt([&] {
                   rules.rightPress(source);
                   rules.drop(source, placePicture(hole), {});
                   return !empty(hole) || over(); // a last drop may win and empty it
               });
    }
    // Every move the rules take, found by trying each action on every place.
    std::vector<Seen> legalMoves()
    {
        std::vector<Seen> found;
        int top = FirstStock;
        while (top < FirstStock + Model::StockCards && !rules.table().at(top).visible)
            ++top;
        const auto face = [&] { return rules.table().at(top).face; };
        const bool stock = top < FirstStock + Model::StockCards;
        if (stock && face() != Picture::Face::Front && attempt([&] {
                rules.click(top);
                return face() == Picture::Face::Front;
            }))
            found.emplace_back(Move::Turn, Model::None, Model::None);
        for (int hole = 0; hole < Model::Places && stock && face() == Picture::Face::Front;
             ++hole) {
            if (drops(top, hole))
                found.emplace_back(Move::Place, Model::None, hole);
        }
        for (int a = 0; a < Model::Places; ++a) {
            if (empty(a))
                continue;
            if (attempt([&] { return click(a), empty(a); }))
                found.emplace_back(Move::King, a, Model::None);
            const bool selects =
                attempt([&] { return click(a), rules.variables().Selection1 == a; });
            for (int b = a + 1; b < Model::Places && selects; ++b) {
                if (!empty(b) && attempt([&] { return click(a), click(b), empty(a) && empty(b); }))
                    found.emplace_back(Move::Pair, a, b);
            }
            for (int hole = 0; hole < Model::Places; ++hole) {
                if (drops(placePicture(a), hole))
                    found.emplace_back(Move::Shift, a, hole);
            }
        }
        std::sort(found.begin(), found.end());
        return found;
    }

    RulesBench bench;
    Rules rules{*GameCatalog::byMenuName(QStringLiteral("Pyramide")), bench.context(), bench.host};
};

// A small position: the first few places filled, a short stock, sometimes a card selected. Few
// values, so that pairs are common.
Model smallPosition(std::mt19937 &pick)
{
    constexpr std::array<std::uint8_t, 5> Values{1, 6, 7, 12, 13};
    std::array<std::uint8_t, Model::Places> places{};
    std::array<std::uint8_t, Model::StockCards> stock{};
    const int cards = 1 + int(pick() % 5);
    for (int place = 0; place < cards; ++place)
        places[std::size_t(place)] = Values[pick() % Values.size()];
    for (std::uint8_t &card : stock)
        card = Values[pick() % Values.size()];
    // A selection that is not a free card is dropped.
    Model model;
    model.set(places, stock, Model::StockCards - int(pick() % 4), pick() % 2 == 0,
              int(pick() % std::uint32_t(cards + 1)) - 1);
    return model;
}

// Whether a position goal accepts can be reached by the rules' moves, every one of them tried.
bool reaches(const Model &start, const std::function<bool(const Model &)> &goal)
{
    const auto state = [](const Model &model) {
        std::string bytes;
        for (int place = 0; place < Model::Places; ++place)
            bytes += char(model.value(place));
        return bytes + char(model.next()) + char(model.turned()) + char(model.selected());
    };
    std::set<std::string> seen{state(start)};
    std::deque<Model> open{start};
    for (; !open.empty(); open.pop_front()) {
        if (goal(open.front()))
            return true;
        std::vector<Move> moves;
        open.front().legal(moves);
        for (const Move &move : moves) {
            Model next = open.front();
            next.play(move);
            if (seen.insert(state(next)).second)
                open.push_back(next);
        }
    }
    return false;
}

bool reachesAWin(const Model &start)
{
    return reaches(start, [](const Model &model) { return model.won(); });
}

// A pyramid of aces (or twos) and one dame or roi, up to ten cards taken away from below, over a
// short stock of aces, twos and rois: a removal comes only once the dame or roi is freed, the dame
// paired with an ace of the pyramid or of the stock.
Model tallPosition(std::mt19937 &pick)
{
    const std::uint8_t filler = std::uint8_t(1 + pick() % 2);
    std::array<std::uint8_t, Model::Places> places;
    places.fill(filler);
    for (int count = 26 + int(pick() % 11); count < Model::Places; ++count) {
        std::vector<int> free;
        for (int place = 1; place < Model::Places; ++place) {
            const auto over = Model::coverers()[std::size_t(place)];
            if (places[std::size_t(place)] != Model::Empty &&
                (over[0] == Model::None || (places[std::size_t(over[0])] == Model::Empty &&
                                            places[std::size_t(over[1])] == Model::Empty)))
                free.push_back(place);
        }
        places[std::size_t(free[pick() % free.size()])] = Model::Empty;
    }
    int special = 1 + int(pick() % (Model::Places - 1));
    while (places[std::size_t(special)] == Model::Empty)
        special = 1 + int(pick() % (Model::Places - 1));
    places[std::size_t(special)] = std::uint8_t(pick() % 4 == 0 ? Model::KingValue : 12);
    constexpr std::array<std::uint8_t, 4> Stock{1, 2, Model::KingValue, Model::KingValue};
    std::array<std::uint8_t, Model::StockCards> stock{};
    for (std::uint8_t &card : stock)
        card = Stock[pick() % Stock.size()];
    // A king turned up leaves at once: it is never seen turned.
    const int next = Model::StockCards - int(pick() % 6);
    const bool turned =
        pick() % 2 == 0 && stock[std::size_t(next % Model::StockCards)] != Model::KingValue;
    Model model;
    model.set(places, stock, next, turned, Model::None);
    return model;
}

} // namespace

class TestPyramideSolver : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Random legal moves through the rules, each as the solver's line would give it, and through
    // the model: the same values in the same places, the same moves and the same end throughout.
    void theModelMovesInLockstepWithTheRules()
    {
        int ended = 0;
        for (quint32 seed = 1; seed <= 20; ++seed) {
            Deal deal(seed);
            Model model = PyramideSolver::position(deal.rules)->model;
            std::mt19937 pick(seed);
            for (int step = 0; step < 400 && !deal.over(); ++step) {
                for (int place = 0; place < Model::Places; ++place)
                    QCOMPARE(model.value(place),
                             deal.rules.table().at(placePicture(place)).tag.toInt());
                std::vector<Move> moves;
                model.legal(moves);
                std::vector<Seen> legal;
                for (const Move &move : moves)
                    legal.emplace_back(move.kind, move.from, move.to);
                std::sort(legal.begin(), legal.end());
                QCOMPARE(legal, deal.legalMoves());
                if (moves.empty())
                    break;
                // Removals mostly, so that games reach their end.
                const auto removals =
                    std::partition(moves.begin(), moves.end(),
                                   [](const Move &m) {
                                       return m.kind == Move::King || m.kind == Move::Pair;
                                   }) -
                    moves.begin();
                const Move move = moves[pick() % std::size_t(removals > 0 && pick() % 4 != 0
                                                                 ? removals
                                                                 : std::ssize(moves))];
                for (const SolverMove &action : PyramideSolver::actions({model, {}}, {move}))
                    deal.act(action);
                model.play(move);
            }
            QCOMPARE(model.over(), deal.over());
            if (deal.over()) {
                ++ended;
                QCOMPARE(deal.bench.host.results, QList<bool>{model.won()});
            }
        }
        QVERIFY(ended > 0);
    }

    // The moves the search leaves out (the stock card not turned at once, a selection kept, the
    // drops a narrow search skips) never turn a win into a loss, nor the order of the drops.
    void theSearchAgreesWithEveryMoveTriedOnSmallPositions()
    {
        std::mt19937 pick(5);
        int won = 0;
        int lost = 0;
        for (int round = 0; round < 500; ++round) {
            Model model = smallPosition(pick);
            model.setOrder(std::uint64_t(round % 3));
            const std::atomic<bool> cancel{false};
            const Search::Outcome outcome =
                Search::DepthFirst<Model>(cancel, {}).solve(model).outcome;
            QVERIFY(outcome != Search::Outcome::Unknown);
            QCOMPARE(outcome == Search::Outcome::Won, reachesAWin(model));
            ++(outcome == Search::Outcome::Won ? won : lost);
        }
        QVERIFY2(won > 20 && lost > 20,
                 qPrintable(QStringLiteral("%1 won, %2 lost").arg(won).arg(lost)));
        // Places 1 and 2 leave together, the apex's partner still to come from the stock.
        std::array<std::uint8_t, Model::StockCards> stock{};
        stock.back() = 7;
        Model apexLast;
        QVERIFY(apexLast.set({6, 1, 12}, stock, Model::StockCards - 1, false, Model::None));
        const std::atomic<bool> cancel{false};
        QVERIFY(reachesAWin(apexLast));
        QCOMPARE(Search::DepthFirst<Model>(cancel, {}).solve(apexLast).outcome,
                 Search::Outcome::Won);
        // The stock gone, 2 and 11 under the apex each need a partner of their own, the 11 and the
        // 2 further down: won.
        Model endgame;
        QVERIFY(endgame.set({8, 2, 11, 13, 8, 11, 10, 12, 1, 8, 0, 2, 3, 5, 5, 0, 0, 0, 0, 0, 5},
                            {}, Model::StockCards, false, Model::None));
        QCOMPARE(Search::DepthFirst<Model>(cancel, {}).solve(endgame).outcome,
                 Search::Outcome::Won);
    }

    // The search for a best line gives up on a position from which no removal can ever come: in no
    // such position of a tall pyramid can the rules reach a free king or a free pair, and the rule
    // is used.
    void noRemovalAheadIsNeverWrong()
    {
        std::mt19937 pick(3);
        int given = 0;
        for (int round = 0; round < 300; ++round) {
            Model model = tallPosition(pick);
            model.setCut(Model::Cut::Stuck);
            std::vector<Move> tried;
            std::vector<Move> legal;
            model.moves(tried);
            model.legal(legal);
            if (!tried.empty() || legal.empty())
                continue;
            ++given;
            QVERIFY(!reaches(model, [](const Model &position) {
                std::vector<Move> moves;
                position.legal(moves);
                return std::any_of(moves.begin(), moves.end(), [](const Move &move) {
                    return move.kind == Move::King || move.kind == Move::Pair;
                });
            }));
        }
        QVERIFY2(given > 50, qPrintable(QString::number(given)));
    }

    // A search that lets go of the moves waiting along its path and lists them again when it
    // comes back to them goes through the same positions in the same order: the same verdict,
    // node count and line, from deals and from small positions.
    void lettingGoOfWaitingMovesChangesNothing()
    {
        std::mt19937 pick(9);
        std::vector<Model> starts;
        for (quint32 seed = 1; seed <= 8; ++seed)
            starts.push_back(PyramideSolver::position(Deal(seed).rules)->model);
        for (int round = 0; round < 100; ++round)
            starts.push_back(smallPosition(pick));
        // Searches that give up late run long enough to let go of moves.
        for (Model &start : starts)
            start.setCut(Model::Cut::Stuck);
        int dropped = 0;
        for (const Model &start : starts) {
            const std::atomic<bool> cancel{false};
            const auto kept = Search::DepthFirst<Model>(cancel, {.nodes = 4000}).solve(start);
            const auto relisted =
                Search::DepthFirst<Model>(cancel, {.nodes = 4000, .waitingMoves = 40}).solve(start);
            QCOMPARE(relisted.outcome, kept.outcome);
            QCOMPARE(relisted.nodes, kept.nodes);
            QVERIFY(relisted.line == kept.line);
            dropped += kept.nodes > 40 ? 1 : 0;
        }
        QVERIFY(dropped > 10);
    }

    // Every line replays through the rules: a winnable one wins, a lost one does not, also from
    // a card selected or armed first, and a deal not yet laid out reads as JOUER lays it.
    void everyLineReplaysThroughTheRules()
    {
        QCOMPARE(PyramideSolver::position(Deal(3, false).rules)->model.key(),
                 PyramideSolver::position(Deal(3).rules)->model.key());
        int winnable = 0;
        int lost = 0;
        for (quint32 seed = 1; seed <= 80; ++seed) {
            Deal deal(seed);
            const int base = Rules::FirstBasePlace + int(seed % 8);
            if (seed % 3 == 1 && deal.rules.table().at(placePicture(base)).tag != "13")
                deal.click(base);
            else if (seed % 3 == 2)
                deal.rules.rightPress(placePicture(base));
            const std::atomic<bool> cancel{false};
            const SolverAnswer answer = PyramideSolver{}.prepare(deal.rules)->run(cancel);
            if (answer.verdict == SolverAnswer::Verdict::Unknown)
                continue;
            for (const SolverMove &move : answer.line) {
                deal.act(move);
                if (QTest::currentTestFailed())
                    return;
            }
            const bool won = deal.bench.host.results == QList<bool>{true};
            QVERIFY2(won == (answer.verdict == SolverAnswer::Verdict::Winnable),
                     qPrintable(QStringLiteral("seed %1").arg(seed)));
            ++(won ? winnable : lost);
        }
        QVERIFY2(winnable > 0 && lost > 0,
                 qPrintable(QStringLiteral("%1 winnable, %2 lost").arg(winnable).arg(lost)));
    }
};

QTEST_GUILESS_MAIN(TestPyramideSolver)
#include "tst_pyramidesolver.moc"
