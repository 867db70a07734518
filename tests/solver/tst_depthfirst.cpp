// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/search/depthfirst.h"
#include "solver/search/packedkey.h"

#include <QTest>
#include <set>

namespace {

// A counter climbing from 0 to a goal by steps of 1 or 2, never landing on a forbidden value.
// Every value is reached by many orders of steps, so the table matters: without it a lost climb
// to 60 would take some 10^12 nodes.
struct Climb {
    struct Move {
        int step = 0;
        bool operator==(const Move &) const = default;
    };
    using Key = int;
    using KeyHash = std::hash<int>;

    int value = 0;
    int goal = 0;
    std::set<int> forbidden;

    void moves(std::vector<Move> &out) const
    {
        for (const int step : {1, 2}) {
            if (value + step <= goal && !forbidden.contains(value + step))
                out.push_back({step});
        }
    }
    void play(const Move &move) { value += move.step; }
    bool won() const { return value == goal; }
    int progress() const { return value; }
    Key key() const { return value; }
};

// A walk along 0..length by steps of one either way, so every move can be taken back: the
// positions form cycles. It keeps one position and undoes its moves.
struct Walk {
    using Move = int;
    using Key = int;
    using KeyHash = std::hash<int>;

    int value = 0;
    int length = 0;
    int goal = 0;
    std::set<int> walls;

    void moves(std::vector<Move> &out) const
    {
        for (const int step : {-1, 1}) {
            if (value + step >= 0 && value + step <= length && !walls.contains(value + step))
                out.push_back(step);
        }
    }
    void play(const Move &move) { value += move; }
    void undo(const Move &move) { value -= move; }
    bool won() const { return value == goal; }
    int progress() const { return value; }
    Key key() const { return value; }
};

int climbed(const std::vector<Climb::Move> &line)
{
    int value = 0;
    for (const Climb::Move &move : line)
        value += move.step;
    return value;
}

} // namespace

class TestDepthFirst : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void findsALineThatWinsAndTheFurthestLineOfALostGame()
    {
        const std::atomic<bool> cancel{false};
        Search::DepthFirst<Climb> winning(cancel, {});
        const auto won = winning.solve(Climb{0, 10, {2, 5, 8}});
        QCOMPARE(won.outcome, Search::Outcome::Won);
        const std::set<int> forbidden{2, 5, 8};
        int value = 0;
        for (const Climb::Move &move : won.line) {
            value += move.step;
            QVERIFY(!forbidden.contains(value));
        }
        QCOMPARE(value, 10);

        // 7 and 8 forbidden: nothing gets past 6.
        Search::DepthFirst<Climb> losing(cancel, {});
        const auto lost = losing.solve(Climb{0, 60, {7, 8}});
        QCOMPARE(lost.outcome, Search::Outcome::Lost);
        QCOMPARE(climbed(lost.line), 6);

        Search::DepthFirst<Climb> already(cancel, {});
        const auto there = already.solve(Climb{10, 10, {}});
        QCOMPARE(there.outcome, Search::Outcome::Won);
        QVERIFY(there.line.empty());
    }

    void theTableSearchesEachPositionOnce()
    {
        const std::atomic<bool> cancel{false};
        Search::DepthFirst<Climb> search(cancel, {});
        const auto lost = search.solve(Climb{0, 60, {59, 60}});
        QCOMPARE(lost.outcome, Search::Outcome::Lost);
        QCOMPARE(climbed(lost.line), 58);
        QVERIFY2(lost.nodes < 200, qPrintable(QString::number(lost.nodes)));
    }

    void budgetOrCancelGiveUnknownNeverAGuess()
    {
        const std::atomic<bool> going{false};
        Search::Limits small;
        small.nodes = 20;
        Search::DepthFirst<Climb> budget(going, small);
        const auto unknown = budget.solve(Climb{0, 60, {59, 60}});
        QCOMPARE(unknown.outcome, Search::Outcome::Unknown);
        QVERIFY(unknown.line.empty());
        QCOMPARE(unknown.nodes, 20);

        const std::atomic<bool> cancelled{true};
        Search::DepthFirst<Climb> stopped(cancelled, {});
        QCOMPARE(stopped.solve(Climb{0, 60, {}}).outcome, Search::Outcome::Unknown);

        // A full table forgets positions, but the answer stays exact.
        Search::Limits tiny;
        tiny.tableEntries = 3;
        tiny.nodes = 1'000'000;
        Search::DepthFirst<Climb> slow(going, tiny);
        const auto exact = slow.solve(Climb{0, 20, {19, 20}});
        QCOMPARE(exact.outcome, Search::Outcome::Lost);
        QCOMPARE(climbed(exact.line), 18);
    }

    // Moves that go back and forth, with a table too small to hold the positions: the path alone
    // keeps the search from going round, and the answer stays exact.
    void cyclesEndWithAnExactAnswerEvenPastAFullTable()
    {
        const std::atomic<bool> going{false};
        for (const std::size_t entries : {std::size_t(1000), std::size_t(2)}) {
            Search::DepthFirst<Walk> open(going, {.tableEntries = entries});
            const auto won = open.solve(Walk{5, 30, 25, {}});
            QCOMPARE(won.outcome, Search::Outcome::Won);
            int value = 5;
            for (const int step : won.line)
                value += step;
            QCOMPARE(value, 25);

            Search::DepthFirst<Walk> walled(going, {.tableEntries = entries});
            const auto lost = walled.solve(Walk{5, 30, 25, {12}});
            QCOMPARE(lost.outcome, Search::Outcome::Lost);
            QCOMPARE(lost.line.size(), std::size_t(6)); // the walk up to 11, the furthest
        }
    }

    // Six-bit values across the boundary of two words read back whole, and a key differs from
    // another as soon as one value does.
    void packedKeysKeepEveryBit()
    {
        const auto pack = [](std::uint64_t last) {
            KeyWriter<2> writer;
            for (std::uint64_t i = 0; i < 20; ++i)
                writer.put(i == 19 ? last : 63 - i, 6);
            return writer.key();
        };
        const PackedKey<2> key = pack(5);
        for (int i = 0; i < 20; ++i) {
            const int bit = 6 * i;
            std::uint64_t value = key.words[std::size_t(bit / 64)] >> (bit % 64);
            if (bit % 64 > 58)
                value |= key.words[std::size_t(bit / 64) + 1] << (64 - bit % 64);
            QCOMPARE(value & 63, i == 19 ? 5u : std::uint64_t(63 - i));
        }
        QVERIFY(pack(5) == key);
        QVERIFY(!(pack(4) == key));
    }

    // A table that must grow once the search is being stopped lets go of its keys rather than
    // move them all. A full one takes a new key in place of the left key that cost fewest
    // positions, never one on the path.
    void theTableGrowsThenReplacesWhatCostLeast()
    {
        using Set = FlatSet<int, std::hash<int>>;
        std::atomic<bool> stop{false};
        Set set(100'000, stop);
        std::size_t slot = 0;
        for (int key = 0; key < 512; ++key)
            QCOMPARE(set.enter(key, slot), Set::Entry::Entered);
        QCOMPARE(set.enter(511, slot), Set::Entry::Seen);
        QCOMPARE(set.size(), std::size_t(512));
        stop = true;
        QCOMPARE(set.enter(512, slot), Set::Entry::Entered); // grows the first block of 1024 slots
        QCOMPARE(set.size(), std::size_t(1));
        QVERIFY(set.contains(512) && !set.contains(0));
        stop = false;
        for (int key = 0; key < 5000; ++key)
            set.enter(key, slot);
        QCOMPARE(set.size(), std::size_t(5000));
        QVERIFY(set.contains(4999) && set.contains(512) && !set.contains(5000));

        Set bucket(4, stop); // one bucket of four slots, full with three keys
        for (int key = 0; key < 3; ++key)
            QCOMPARE(bucket.enter(key, slot), Set::Entry::Entered);
        QCOMPARE(bucket.enter(3, slot), Set::Entry::Full);
        bucket.leave(1, 1, 10);
        bucket.leave(2, 0, 3); // where 2 no longer is: it is looked for
        QCOMPARE(bucket.enter(3, slot), Set::Entry::Entered);
        QVERIFY(!bucket.contains(2) && bucket.contains(1));
        QCOMPARE(bucket.enter(4, slot), Set::Entry::Entered);
        QCOMPARE(bucket.enter(5, slot), Set::Entry::Full);
        QVERIFY(bucket.contains(0) && bucket.contains(3) && bucket.contains(4));
        QVERIFY(!bucket.contains(1) && !bucket.contains(5));
    }
};

QTEST_GUILESS_MAIN(TestDepthFirst)
#include "tst_depthfirst.moc"
