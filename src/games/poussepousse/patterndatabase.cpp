// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/poussepousse/patterndatabase.h"

#include <algorithm>
#include <chrono>
#include <limits>
#include <mutex>
#include <thread>

namespace {

using namespace SlidingGrid;
using Database = PatternDatabase;

constexpr std::uint8_t Unseen = std::numeric_limits<std::uint8_t>::max();
constexpr int HoleShift = Database::GroupSize * Database::SlotBits;
constexpr std::uint32_t PlacingMask = Database::Placings - 1;
constexpr std::uint32_t States = Database::Placings << Database::SlotBits;
constexpr std::uint32_t CancelCheck = 4096; // states looked at between two looks at the flag

std::mutex buildLock;
std::atomic<const PatternDatabase *> ready{nullptr};

using Group = std::array<int, Database::GroupSize>;
using Split = std::array<Group, Database::Groups>;

// The goal places of each group's tiles, in ascending order so that a group two splits share
// has one table. The first two splits are blocks of the grid; the last two are their mirrors
// across the main diagonal, the jack (whose mirror place is the hole's) taking that place.
constexpr std::array<Split, Database::Splits> SplitGroups{{
    {{{1, 2, 3, 6, 7}, {4, 5, 8, 9, 12}, {0, 10, 11, 13, 15}}},
    {{{0, 1, 4, 5, 15}, {2, 3, 6, 7, 11}, {8, 9, 10, 12, 13}}},
    {{{4, 8, 9, 12, 13}, {1, 2, 3, 5, 6}, {0, 7, 10, 11, 15}}},
    {{{0, 1, 4, 5, 15}, {8, 9, 11, 12, 13}, {2, 3, 6, 7, 10}}},
}};

std::array<std::array<std::int8_t, 4>, Cells> around()
{
    std::array<std::array<std::int8_t, 4>, Cells> next{};
    for (int place = 0; place < Cells; ++place) {
        next[std::size_t(place)].fill(-1);
        const QList<int> beside = neighbours(place, Side, Side);
        for (qsizetype n = 0; n < beside.size(); ++n)
            next[std::size_t(place)][std::size_t(n)] = std::int8_t(beside[n]);
    }
    return next;
}

// Breadth first from the goal over the placings of one group with the hole, where sliding a tile
// of the group costs one and any other slide nothing: each placing reached with a new cost gives
// that cost to every place of the hole it can reach without moving the group. Level by level,
// each level a scan of the states. Then, for each placing, the least over the places of the
// hole. Empty when cancel was raised.
std::vector<std::uint8_t> buildGroup(const Group &goal, const std::atomic<bool> &cancel)
{
    static const auto next = around();
    std::vector<std::uint8_t> cost(States, Unseen);
    const auto fill = [&](std::uint32_t placing, int occupied, int hole, std::uint8_t level) {
        std::array<int, Cells> stack{};
        int size = 0;
        int seen = occupied | 1 << hole;
        stack[std::size_t(size++)] = hole;
        while (size > 0) {
            const int at = stack[std::size_t(--size)];
            cost[placing | std::uint32_t(at) << HoleShift] = level;
            for (const std::int8_t to : next[std::size_t(at)]) {
                if (to >= 0 && (seen & 1 << to) == 0) {
                    seen |= 1 << to;
                    stack[std::size_t(size++)] = to;
                }
            }
        }
    };
    std::uint32_t start = 0;
    int goalOccupied = 0;
    for (int slot = 0; slot < Database::GroupSize; ++slot) {
        start |= std::uint32_t(goal[std::size_t(slot)]) << (Database::SlotBits * slot);
        goalOccupied |= 1 << goal[std::size_t(slot)];
    }
    fill(start, goalOccupied, Database::GoalHole, 0);
    for (int level = 0;; ++level) {
        bool grew = false;
        for (std::uint32_t state = 0; state < States; ++state) {
            if (state % CancelCheck == 0 && cancel.load(std::memory_order_relaxed))
                return {};
            if (cost[state] != level)
                continue;
            const std::uint32_t placing = state & PlacingMask;
            const int hole = int(state >> HoleShift);
            std::array<int, Cells> slotAt;
            slotAt.fill(-1);
            int occupied = 0;
            for (int slot = 0; slot < Database::GroupSize; ++slot) {
                const int place = int(placing >> (Database::SlotBits * slot)) & 15;
                slotAt[std::size_t(place)] = slot;
                occupied |= 1 << place;
            }
            for (const std::int8_t from : next[std::size_t(hole)]) {
                if (from < 0 || slotAt[std::size_t(from)] < 0)
                    continue;
                const int shift = Database::SlotBits * slotAt[std::size_t(from)];
                const std::uint32_t moved = (placing & ~(15u << shift)) | std::uint32_t(hole)
                                                                              << shift;
                if (cost[moved | std::uint32_t(from) << HoleShift] != Unseen)
                    continue;
                fill(moved, (occupied & ~(1 << from)) | 1 << hole, from, std::uint8_t(level + 1));
                grew = true;
            }
        }
        if (!grew)
            break;
    }
    std::vector<std::uint8_t> table(Database::Placings, Unseen);
    for (std::uint32_t state = 0; state < States; ++state) {
        if (state % CancelCheck == 0 && cancel.load(std::memory_order_relaxed))
            return {};
        std::uint8_t &best = table[state & PlacingMask];
        best = std::min(best, cost[state]);
    }
    return table;
}

} // namespace

const std::array<PatternDatabase::Layout, PatternDatabase::Splits> PatternDatabase::Layouts = [] {
    std::array<Layout, Splits> layouts{};
    for (int split = 0; split < Splits; ++split) {
        for (int group = 0; group < Groups; ++group) {
            for (int slot = 0; slot < GroupSize; ++slot) {
                const int label =
                    SplitGroups[std::size_t(split)][std::size_t(group)][std::size_t(slot)];
                layouts[std::size_t(split)][std::size_t(label)] = {group, SlotBits * slot};
            }
        }
    }
    return layouts;
}();

bool PatternDatabase::buildRest(const std::atomic<bool> &cancel)
{
    for (int split = 0; split < Splits; ++split) {
        for (int group = 0; group < Groups; ++group) {
            const std::uint8_t *&table = m_tables[std::size_t(split)][std::size_t(group)];
            if (table)
                continue;
            const Group &places = SplitGroups[std::size_t(split)][std::size_t(group)];
            for (int earlier = 0; earlier < split && !table; ++earlier) {
                for (int other = 0; other < Groups; ++other) {
                    if (SplitGroups[std::size_t(earlier)][std::size_t(other)] == places)
                        table = m_tables[std::size_t(earlier)][std::size_t(other)];
                }
            }
            if (table)
                continue;
            std::vector<std::uint8_t> built = buildGroup(places, cancel);
            if (built.empty())
                return false;
            m_built.push_back(std::move(built));
            table = m_built.back().data();
        }
    }
    return true;
}

const PatternDatabase *PatternDatabase::instance(const std::atomic<bool> &cancel)
{
    if (const PatternDatabase *built = ready.load(std::memory_order_acquire))
        return built;
    // Another thread may be building: wait for it without missing a cancel.
    std::unique_lock lock(buildLock, std::defer_lock);
    while (!lock.try_lock()) {
        if (cancel.load(std::memory_order_relaxed))
            return nullptr;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    static PatternDatabase building;
    if (ready.load(std::memory_order_relaxed) == nullptr) {
        if (!building.buildRest(cancel))
            return nullptr;
        ready.store(&building, std::memory_order_release);
    }
    return &building;
}

const PatternDatabase &PatternDatabase::instance()
{
    static const std::atomic<bool> never{false};
    return *instance(never);
}

PatternDatabase::Labels PatternDatabase::label(const Grid &cells)
{
    Labels labels{};
    int hole = 0;
    std::array<int, 2> jokers{};
    int jokersSeen = 0;
    for (int place = 0; place < Cells; ++place) {
        const int tile = cells[std::size_t(place)];
        if (tile == Hole)
            hole = place;
        else if (tile == Joker)
            jokers[std::size_t(jokersSeen++)] = place;
        labels[std::size_t(place)] = std::int8_t(tile == Hole ? GoalHole : tile);
    }
    labels[std::size_t(jokers[0])] = 0;
    labels[std::size_t(jokers[1])] = Cells - 1;
    // Named apart, the tiles' permutation must have the parity of the hole's way home; the
    // solvability check reads the hole as 0, so every label is shifted by one for it.
    QList<int> named(Cells);
    QList<int> home(Cells);
    for (int place = 0; place < Cells; ++place) {
        named[place] = place == hole ? Hole : labels[std::size_t(place)] + 1;
        home[place] = place == GoalHole ? Hole : place + 1;
    }
    if (!solvable(named, home, Side))
        std::swap(labels[std::size_t(jokers[0])], labels[std::size_t(jokers[1])]);
    return labels;
}

int PatternDatabase::estimate(const Grid &cells) const
{
    const Labels labels = label(cells);
    int best = 0;
    for (int split = 0; split < Splits; ++split) {
        std::array<std::uint32_t, Groups> placings{};
        for (int place = 0; place < Cells; ++place) {
            const int tile = labels[std::size_t(place)];
            if (tile != GoalHole)
                placings[std::size_t(groupOf(split, tile))] |= std::uint32_t(place)
                                                               << shiftOf(split, tile);
        }
        int total = 0;
        for (int group = 0; group < Groups; ++group)
            total += table(split, group)[placings[std::size_t(group)]];
        best = std::max(best, total);
    }
    return best;
}
