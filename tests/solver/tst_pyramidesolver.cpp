#include "games/fakehost.h"
#include "games/frmPyramide/pyramiderules.h"
#include "games/gamecatalog.h"
#include "solver/pyramide/pyramidesearch.h"
#include "solver/pyramide/pyramidesolver.h"

#include <QTest>
#include <deque>
#include <random>
#include <set>
#include <tuple>

namespace {

using Rules = PyramideRules;
using Model = PyramideModel;
using Move = PyramideModel::Move;
using Seen = std::tuple<int, int, int>; // kind, from, to

constexpr int FirstStock = Rules::FirstCarte + Rules::Places;

struct Deal {
    explicit Deal(quint32 seed) : bench(seed)
    {
        bench.host.state = &bench.state;
        rules.Distribution();
        bench.state.gameInProgress = true;
        rules.play();
    }
    bool over() const { return !bench.host.results.isEmpty(); }
    const QString &tag(int place) const { return rules.table().at(Rules::FirstPlace + place).tag; }
    bool armed(int place) const { return rules.table().at(Rules::FirstPlace + place).draggable; }
    int stockTop() const
    {
        for (int k = 0; k < Model::StockCards; ++k) {
            if (rules.table().at(FirstStock + k).visible)
                return FirstStock + k;
        }
        return -1;
    }
    // The player's action as the window passes it on.
    void act(const SolverMove &move)
    {
        if (over())
            return;
        switch (move.action) {
        case SolverMove::Action::Click:
            rules.click(move.picture);
            if (move.partner >= 0 && !over())
                rules.click(move.partner);
            break;
        case SolverMove::Action::RightPress:
            rules.rightPress(move.picture);
            break;
        case SolverMove::Action::Drop:
            rules.dragOver(move.picture, move.target);
            rules.drop(move.picture, move.target, move.dropTopLeft);
            break;
        default:
            QFAIL("an action the solver never gives");
        }
    }
    // Tries an action and takes it back, the end of the game included.
    template <typename Try> bool probe(Try attempt)
    {
        const RulesSnapshot before = rules.snapshot();
        const qsizetype results = bench.host.results.size();
        attempt();
        const bool changed = !rules.snapshot().samePosition(before);
        rules.restore(before);
        bench.host.results.resize(results);
        bench.state.gameInProgress = true;
        return changed;
    }
    bool placeFilled(int source, int hole)
    {
        if (!tag(hole).isEmpty())
            return false;
        bool filled = false;
        probe([&] {
            rules.drop(source, Rules::FirstPlace + hole, Rules::placePosition(hole));
            filled = !tag(hole).isEmpty();
        });
        return filled;
    }
    // Every move the rules take, found by trying each action on every picture.
    std::vector<Seen> legalMoves()
    {
        std::vector<Seen> found;
        const int top = stockTop();
        if (top >= 0 && rules.table().at(top).face != Picture::Face::Front &&
            probe([&] { rules.click(top); }))
            found.emplace_back(Move::Turn, Model::None, Model::None);
        if (top >= 0 && rules.table().at(top).face == Picture::Face::Front) {
            for (int hole = 0; hole < Model::Places; ++hole) {
                if (placeFilled(top, hole))
                    found.emplace_back(Move::Place, Model::None, hole);
            }
        }
        for (int a = 0; a < Model::Places; ++a) {
            if (tag(a).isEmpty())
                continue;
            probe([&] {
                rules.click(Rules::FirstPlace + a);
                if (!tag(a).isEmpty() || rules.variables().Selection1 == a)
                    return;
                found.emplace_back(Move::King, a, Model::None);
            });
            probe([&] {
                rules.click(Rules::FirstPlace + a);
                if (rules.variables().Selection1 != a)
                    return;
                for (int b = a + 1; b < Model::Places; ++b) {
                    probe([&] {
                        rules.click(Rules::FirstPlace + b);
                        if (tag(a).isEmpty() && tag(b).isEmpty())
                            found.emplace_back(Move::Pair, a, b);
                    });
                }
            });
            probe([&] {
                rules.rightPress(Rules::FirstPlace + a);
                if (!armed(a))
                    return;
                for (int hole = 0; hole < Model::Places; ++hole) {
                    if (placeFilled(Rules::FirstPlace + a, hole))
                        found.emplace_back(Move::Shift, a, hole);
                }
            });
        }
        std::sort(found.begin(), found.end());
        return found;
    }
    // The model's move through the rules, the window's way.
    void play(const Model &model, const Move &move)
    {
        const int stock = FirstStock + model.next();
        switch (move.kind) {
        case Move::Turn:
            rules.click(stock);
            break;
        case Move::King:
        case Move::Deselect:
            rules.click(Rules::FirstPlace + move.from);
            break;
        case Move::Pair:
            rules.click(Rules::FirstPlace + move.from);
            rules.click(Rules::FirstPlace + move.to);
            break;
        case Move::Place:
            rules.drop(stock, Rules::FirstPlace + move.to, Rules::placePosition(move.to));
            break;
        case Move::Shift:
            rules.rightPress(Rules::FirstPlace + move.from);
            rules.drop(Rules::FirstPlace + move.from, Rules::FirstPlace + move.to,
                       Rules::placePosition(move.to));
            break;
        }
    }

    RulesBench bench;
    Rules rules{*GameCatalog::byMenuName(QStringLiteral("Pyramide")), bench.context(), bench.host};
};

std::vector<Seen> modelMoves(const Model &model)
{
    std::vector<Move> moves;
    model.legal(moves);
    std::vector<Seen> seen;
    for (const Move &move : moves)
        seen.emplace_back(move.kind, move.from, move.to);
    std::sort(seen.begin(), seen.end());
    return seen;
}

// A small position: a few cards laid hole by hole from the apex, a short stock, sometimes a
// card selected.
Model smallPosition(std::mt19937 &pick)
{
    // Few values, so that pairs are common.
    const auto value = [&pick] {
        constexpr std::array<std::uint8_t, 5> values{1, 6, 7, 12, 13};
        return values[pick() % values.size()];
    };
    std::array<std::uint8_t, Model::Places> places{};
    Model shape;
    const int cards = 1 + int(pick() % 5);
    for (int card = 0; card < cards; ++card) {
        std::vector<int> holes;
        for (int place = 0; place < Model::Places; ++place) {
            if (shape.isHole(place))
                holes.push_back(place);
        }
        places[std::size_t(holes[pick() % holes.size()])] = value();
        shape.set(places, {}, Model::StockCards, false, Model::None);
    }
    std::array<std::uint8_t, Model::StockCards> stock{};
    for (std::uint8_t &card : stock)
        card = value();
    const int next = Model::StockCards - int(pick() % 4);
    std::vector<int> selectable;
    for (int place = 0; place < Model::Places; ++place) {
        if (shape.isFree(place) && shape.value(place) != Model::KingValue)
            selectable.push_back(place);
    }
    const int selected =
        pick() % 2 == 0 && !selectable.empty() ? selectable[pick() % selectable.size()] : -1;
    Model model;
    model.set(places, stock, next, pick() % 2 == 0, selected);
    return model;
}

// Whether a won position can be reached by the rules' moves, every one of them tried.
bool reachesAWin(const Model &start)
{
    const auto state = [](const Model &model) {
        std::string bytes;
        for (int place = 0; place < Model::Places; ++place)
            bytes += char(model.value(place));
        return bytes + char(model.next()) + char(model.turned()) + char(model.selected());
    };
    std::set<std::string> seen{state(start)};
    std::deque<Model> open{start};
    while (!open.empty()) {
        const Model position = open.front();
        open.pop_front();
        if (position.won())
            return true;
        std::vector<Move> moves;
        position.legal(moves);
        for (const Move &move : moves) {
            Model next = position;
            next.play(move);
            if (seen.insert(state(next)).second)
                open.push_back(next);
        }
    }
    return false;
}

} // namespace

class TestPyramideSolver : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Random legal moves through the rules and through a model that only sees its own moves:
    // the same values in the same places, the same moves and the same end at every step.
    void theModelMovesInLockstepWithTheRules()
    {
        int ended = 0;
        for (quint32 seed = 1; seed <= 20; ++seed) {
            Deal deal(seed);
            Model model = PyramideSolver::position(deal.rules)->model;
            std::mt19937 pick(seed);
            std::vector<Move> plan;
            for (int step = 0; step < 400 && !deal.over(); ++step) {
                // Half the deals follow a winning line after a few random moves, to its end.
                if (step == 12 && seed % 2 == 0) {
                    const std::atomic<bool> cancel{false};
                    Model narrow = model;
                    narrow.setNarrow(3);
                    plan = SolvePyramide(narrow, cancel).line;
                    std::reverse(plan.begin(), plan.end());
                }
                for (int place = 0; place < Model::Places; ++place)
                    QCOMPARE(model.value(place), deal.tag(place).toInt());
                const std::vector<Seen> legal = modelMoves(model);
                QCOMPARE(legal, deal.legalMoves());
                if (legal.empty())
                    break;
                // Removals mostly, so that games reach their end.
                std::vector<Move> moves;
                model.legal(moves);
                std::vector<Move> removals;
                for (const Move &move : moves) {
                    if (move.kind == Move::King || move.kind == Move::Pair)
                        removals.push_back(move);
                }
                const std::vector<Move> &from =
                    !removals.empty() && pick() % 4 != 0 ? removals : moves;
                const Move move = from[pick() % from.size()];
                deal.play(model, move);
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

    // The moves the search leaves out (the stock card not turned at once, a selection kept)
    // and the positions it merges (mirror images) never turn a win into a loss.
    void theSearchAgreesWithEveryMoveTriedOnSmallPositions()
    {
        std::mt19937 pick(5);
        int won = 0;
        int lost = 0;
        for (int round = 0; round < 500; ++round) {
            const Model model = smallPosition(pick);
            const std::atomic<bool> cancel{false};
            const Search::Outcome outcome = SolvePyramide(model, cancel).outcome;
            QVERIFY(outcome != Search::Outcome::Unknown);
            QCOMPARE(outcome == Search::Outcome::Won, reachesAWin(model));
            (outcome == Search::Outcome::Won ? won : lost) += 1;
        }
        QVERIFY2(won > 20 && lost > 20,
                 qPrintable(QStringLiteral("%1 won, %2 lost").arg(won).arg(lost)));
    }

    // Before JOUER the solver reads the deal as JOUER will lay it out.
    void theDealBeforeJouerIsThePositionAfterIt()
    {
        Deal deal(3);
        RulesBench bench(3);
        bench.host.state = &bench.state;
        Rules dealt(*GameCatalog::byMenuName(QStringLiteral("Pyramide")), bench.context(),
                    bench.host);
        dealt.Distribution();
        QCOMPARE(PyramideSolver::position(dealt)->model.key(),
                 PyramideSolver::position(deal.rules)->model.key());
    }

    // Every winning line wins through the rules, also from a card selected or armed first.
    void everyWinningLineWinsThroughTheRules()
    {
        int winnable = 0;
        int lost = 0;
        for (quint32 seed = 1; seed <= 80; ++seed) {
            Deal deal(seed);
            // The base row is free at the start: a card selected, or armed, or neither.
            const int base = Rules::FirstPlace + Rules::FirstBasePlace + int(seed % 8);
            if (seed % 3 == 1 &&
                deal.tag(Rules::FirstBasePlace + int(seed % 8)) != QLatin1String("13"))
                deal.rules.click(base);
            else if (seed % 3 == 2)
                deal.rules.rightPress(base);
            const std::atomic<bool> cancel{false};
            const SolverAnswer answer = PyramideSolver{}.prepare(deal.rules)->run(cancel);
            if (answer.verdict == SolverAnswer::Verdict::Unknown)
                continue;
            for (const SolverMove &move : answer.line) {
                QVERIFY(!deal.over());
                deal.act(move);
            }
            if (answer.verdict == SolverAnswer::Verdict::Winnable) {
                ++winnable;
                QCOMPARE(deal.bench.host.results, QList<bool>{true});
            } else {
                ++lost;
                QVERIFY(deal.bench.host.results != QList<bool>{true});
            }
        }
        QVERIFY2(winnable > 0 && lost > 0,
                 qPrintable(QStringLiteral("%1 winnable, %2 lost").arg(winnable).arg(lost)));
    }
};

QTEST_GUILESS_MAIN(TestPyramideSolver)
#include "tst_pyramidesolver.moc"
