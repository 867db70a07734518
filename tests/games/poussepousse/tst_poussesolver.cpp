// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/fakehost.h"
#include "games/poussepousse/patterndatabase.h"
#include "games/poussepousse/poussepousserules.h"
#include "games/poussepousse/poussesolver.h"
#include "games/poussepousse/slidinggrid.h"
#include "solver/solverdeal.h"

#include <QHash>
#include <QTest>
#include <limits>
#include <numeric>
#include <random>

namespace {

using namespace SlidingGrid;

const std::atomic<bool> NoCancel{false};

QByteArray key(const QList<int> &cells)
{
    QByteArray bytes;
    for (int cell : cells)
        bytes.append(char(cell));
    return bytes;
}

// Every board reachable from the goal by slides, with its distance: a plain breadth-first
// search, up to a depth.
QHash<QByteArray, int> reachable(const QList<int> &goalCells, int width, int height, int depth)
{
    QHash<QByteArray, int> seen{{key(goalCells), 0}};
    QList<QList<int>> frontier{goalCells};
    for (int distance = 1; distance <= depth && !frontier.isEmpty(); ++distance) {
        QList<QList<int>> next;
        for (const QList<int> &board : std::as_const(frontier)) {
            const int hole = int(board.indexOf(Hole));
            for (int from : neighbours(hole, width, height)) {
                QList<int> moved = board;
                std::swap(moved[hole], moved[from]);
                if (seen.contains(key(moved)))
                    continue;
                seen.insert(key(moved), distance);
                next.append(moved);
            }
        }
        frontier = next;
    }
    return seen;
}

QList<int> asList(const Grid &cells)
{
    return QList<int>(cells.begin(), cells.end());
}

// The goal after some random slides, never straight back.
Grid scrambled(std::mt19937 &random, int slides)
{
    Grid cells = goal();
    int hole = 14;
    int previous = -1;
    for (int n = 0; n < slides; ++n) {
        QList<int> around = neighbours(hole, Side, Side);
        around.removeOne(previous);
        const int from = around.at(qsizetype(random() % std::uint32_t(around.size())));
        std::swap(cells[std::size_t(hole)], cells[std::size_t(from)]);
        previous = hole;
        hole = from;
    }
    return cells;
}

} // namespace

class TestPousseSolver : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void databaseBuildGivesWayToACancel();
    void parityAgainstFullSearch();
    void shortestAgainstBreadthFirst();
    void solutionsReplayThroughTheRules();
    void theGridSlidesInLockstepWithTheRules();
    void summariesAndStoppedSearches();
};

// First, before anything built the databases: a raised flag stops their build, which starts
// again at the next search (the tests below rely on those tables).
void TestPousseSolver::databaseBuildGivesWayToACancel()
{
    const std::atomic<bool> raised{true};
    QCOMPARE(PatternDatabase::instance(raised), nullptr);
    QCOMPARE(PousseSolver::answer(goal(), raised).verdict, SolverAnswer::Verdict::Unknown);
    QCOMPARE(PatternDatabase::instance(NoCancel), &PatternDatabase::instance());
}

// On boards small enough to search whole: the verdict for every arrangement of a 2 x 3 board of
// distinct tiles, and for random arrangements of a 3 x 3 board, with and without two alike;
// then the real grid's jokers, told apart by the same parity.
void TestPousseSolver::parityAgainstFullSearch()
{
    const QList<int> small{1, 2, 3, 4, 5, Hole};
    const QHash<QByteArray, int> smallReached = reachable(small, 3, 2, 100);
    QList<int> board = small;
    std::sort(board.begin(), board.end());
    int solvableCount = 0;
    do {
        const bool verdict = solvable(board, small, 3);
        QCOMPARE(verdict, smallReached.contains(key(board)));
        solvableCount += verdict ? 1 : 0;
    } while (std::next_permutation(board.begin(), board.end()));
    QCOMPARE(solvableCount, 360);

    std::mt19937 random(11);
    for (const QList<int> &goalCells :
         {QList<int>{1, 2, 3, 4, 5, 6, 7, 8, Hole}, QList<int>{9, 1, 2, 3, 4, 5, 6, Hole, 9}}) {
        const QHash<QByteArray, int> reached = reachable(goalCells, 3, 3, 100);
        for (int n = 0; n < 300; ++n) {
            QList<int> shuffled = goalCells;
            std::shuffle(shuffled.begin(), shuffled.end(), random);
            QCOMPARE(solvable(shuffled, goalCells, 3), reached.contains(key(shuffled)));
        }
    }
    // The real grid, jokers alike: any arrangement, and none with a tile missing.
    QVERIFY(solvable({Joker, 2, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, Hole, Joker},
                     asList(goal()), Side));
    QVERIFY(!solvable({Joker, 1, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, Hole, Joker},
                      asList(goal()), Side));

    // The search tells the jokers apart by parity: after random slides from the goal, each
    // joker followed along, it must name each by the goal place it came from.
    for (int n = 0; n < 200; ++n) {
        PatternDatabase::Labels followed{};
        std::iota(followed.begin(), followed.end(), std::int8_t(0));
        Grid cells = goal();
        int hole = PatternDatabase::GoalHole;
        for (int slide = 0; slide <= n; ++slide) {
            const QList<int> around = neighbours(hole, Side, Side);
            const int from = around.at(qsizetype(random() % std::uint32_t(around.size())));
            std::swap(cells[std::size_t(hole)], cells[std::size_t(from)]);
            std::swap(followed[std::size_t(hole)], followed[std::size_t(from)]);
            hole = from;
        }
        QVERIFY(PatternDatabase::label(cells) == followed);
    }
}

// Near the goal a plain breadth-first search knows every distance: the estimate must never
// exceed it on any grid it reached, and the solver must match it, there and a little farther.
void TestPousseSolver::shortestAgainstBreadthFirst()
{
    const QHash<QByteArray, int> near = reachable(asList(goal()), Side, Side, 12);
    const PatternDatabase &db = PatternDatabase::instance();
    for (auto at = near.cbegin(); at != near.cend(); ++at) {
        Grid cells{};
        std::copy(at.key().cbegin(), at.key().cend(), cells.begin());
        QVERIFY2(db.estimate(cells) <= at.value(), at.key().toHex().constData());
    }
    std::mt19937 random(5);
    for (int n = 0; n < 60; ++n) {
        const Grid cells = scrambled(random, 4 + n % 30);
        const SolverAnswer answer = PousseSolver::answer(cells, NoCancel);
        QCOMPARE(answer.verdict, SolverAnswer::Verdict::Winnable);
        QVERIFY(PatternDatabase::instance().estimate(cells) <= answer.line.size());
        if (const auto found = near.constFind(key(asList(cells))); found != near.cend())
            QCOMPARE(answer.line.size(), *found);
        else
            QVERIFY(answer.line.size() > 12);
    }
    QCOMPARE(PousseSolver::answer(goal(), NoCancel).line.size(), 0);

    // Farther out, the distance is where a breadth-first search from the grid meets the one
    // from the goal, when they meet.
    for (int n = 0; n < 16; ++n) {
        const Grid cells = scrambled(random, 16 + n);
        const QHash<QByteArray, int> fromGrid = reachable(asList(cells), Side, Side, 13);
        int distance = std::numeric_limits<int>::max();
        for (auto at = fromGrid.cbegin(); at != fromGrid.cend(); ++at) {
            if (const auto found = near.constFind(at.key()); found != near.cend())
                distance = std::min(distance, at.value() + *found);
        }
        const qsizetype slides = PousseSolver::answer(cells, NoCancel).line.size();
        if (distance <= 25)
            QCOMPARE(slides, distance);
        else
            QVERIFY(slides > 25);
    }
}

// Seeded deals of the real game, solved from JOUER and from a few slides later: the slides,
// clicked through the rules, win the game.
void TestPousseSolver::solutionsReplayThroughTheRules()
{
    RulesBench bench(23);
    bench.host.state = &bench.state;
    PoussePousseRules rules(GameCatalog::byId(GameId::PoussePousse), bench.context(), bench.host);
    rules.load();
    const std::unique_ptr<Solver> solver = MakePousseSolver();
    for (int deal = 0; deal < 3; ++deal) {
        bench.state.gameInProgress = false;
        rules.Distribution();
        bench.state.gameInProgress = true;
        rules.play();
        // A few slides of the player first, now and then: each place clicked in turn, those
        // beside the hole sliding.
        for (int place = 0; deal % 2 == 1 && place < PoussePousseRules::Places; ++place)
            rules.click(PoussePousseRules::FirstPlace + place);
        const SolverAnswer answer = solver->prepare(rules)->run(NoCancel);
        QCOMPARE(answer.verdict, SolverAnswer::Verdict::Winnable);
        const qsizetype ended = bench.host.results.size();
        for (const SolverMove &move : answer.line) {
            QCOMPARE(move.action, SolverMove::Action::Click);
            QCOMPARE(bench.host.results.size(), ended);
            const TableModel before = rules.table();
            rules.click(move.picture);
            QVERIFY2(rules.table() != before, qPrintable(move.text));
        }
        QCOMPARE(bench.host.results.size(), ended + 1);
        QVERIFY(bench.host.results.constLast());
    }
}

// Random slides through the rules and through the solver's grid, which only sees its own slides:
// the places whose click changes the table are the hole's neighbours, the grids stay the same
// and the game ends when the grid reaches the goal. Two deals go on along the solver's line, to
// the end.
void TestPousseSolver::theGridSlidesInLockstepWithTheRules()
{
    using Rules = PoussePousseRules;
    for (quint32 seed = 1; seed <= 20; ++seed) {
        SolverDeal<Rules> deal(QStringLiteral("Pousse-pousse"), seed);
        Grid grid = *PousseSolver::read(deal.rules());
        std::mt19937 pick(seed);
        QList<int> line;
        const auto slide = [&](int from) {
            const int hole = int(std::find(grid.begin(), grid.end(), Hole) - grid.begin());
            QList<int> beside = neighbours(hole, Side, Side);
            std::sort(beside.begin(), beside.end());
            QList<int> clicked;
            for (int place = 0; place < Rules::Places; ++place) {
                if (deal.changes([place](Rules &rules) { rules.click(Rules::FirstPlace + place); }))
                    clicked.append(place);
            }
            QCOMPARE(clicked, beside);
            if (from < 0)
                from = beside.at(qsizetype(pick() % std::uint32_t(beside.size())));
            deal.click(Rules::FirstPlace + from);
            std::swap(grid[std::size_t(hole)], grid[std::size_t(from)]);
            QCOMPARE(asList(*PousseSolver::read(deal.rules())), asList(grid));
            QCOMPARE(deal.results(), grid == goal() ? QList<bool>{true} : QList<bool>{});
        };
        for (int step = 0; step < 40 && !QTest::currentTestFailed(); ++step)
            slide(-1);
        if (seed > 2)
            continue;
        for (const SolverMove &move : PousseSolver::answer(grid, NoCancel).line) {
            if (QTest::currentTestFailed())
                return;
            slide(move.picture - Rules::FirstPlace);
        }
        QCOMPARE(deal.results(), QList<bool>{true});
    }
}

// The summary counts the moves, in the singular for one; a grid with a tile missing cannot be
// solved, and a cancelled search gives no answer.
void TestPousseSolver::summariesAndStoppedSearches()
{
    std::mt19937 random(2);
    const SolverAnswer answer = PousseSolver::answer(scrambled(random, 40), NoCancel);
    QCOMPARE(answer.summary, QStringLiteral("Solution en %1 coups").arg(answer.line.size()));
    Grid one = goal();
    std::swap(one[14], one[13]);
    QCOMPARE(PousseSolver::answer(one, NoCancel).summary, QStringLiteral("Solution en 1 coup"));
    Grid broken = goal();
    broken[1] = 2; // two twos and no ace
    const SolverAnswer lost = PousseSolver::answer(broken, NoCancel);
    QCOMPARE(lost.verdict, SolverAnswer::Verdict::Lost);
    QVERIFY(lost.summary.contains(QStringLiteral("insoluble")));

    const Grid far = scrambled(random, 200);
    const std::atomic<bool> cancel{true};
    QCOMPARE(PousseSolver::answer(far, cancel).verdict, SolverAnswer::Verdict::Unknown);
}

QTEST_GUILESS_MAIN(TestPousseSolver)
#include "tst_poussesolver.moc"
