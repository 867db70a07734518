// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/poussepousse/patterndatabase.h"

#include <algorithm>
#include <chrono>
#include <deque>
#include <limits>
#include <mutex>
#include <thread>

namespace {

using namespace SlidingGrid;

constexpr int JokerSlot = 3; // the jokers take the last two slots of their group
constexpr int GoalHole = 14;
constexpr std::uint8_t Unseen = std::numeric_limits<std::uint8_t>::max();
constexpr std::uint32_t PlacingMask = PatternDatabase::Placings - 1;
constexpr int BlankShift = PatternDatabase::GroupSize * PatternDatabase::SlotBits;
constexpr std::uint32_t CancelCheck = 4096; // placings taken from the queue between two looks

std::mutex buildLock;
std::atomic<const PatternDatabase *> ready{nullptr};

using Slots = std::array<int, PatternDatabase::GroupSize>;

// The goal places of each group's slots, in each split.
constexpr std::array<std::array<Slots, PatternDatabase::Groups>, PatternDatabase::Splits> GoalSlots{
    {
        {{{1, 2, 3, 6, 7}, {4, 5, 8, 9, 12}, {10, 11, 13, 0, 15}}},
        {{{1, 4, 5, 0, 15}, {2, 3, 6, 7, 11}, {8, 9, 10, 12, 13}}},
    }};

Slots decode(std::uint32_t placing)
{
    Slots places{};
    for (int slot = 0; slot < PatternDatabase::GroupSize; ++slot)
        places[std::size_t(slot)] = int(placing >> (PatternDatabase::SlotBits * slot)) & 15;
    return places;
}

// Breadth first from the goal over the placings of one group with the hole, where sliding a tile
// of the group costs one and any other slide nothing; then, for each placing, the least over the
// places of the hole. Empty when cancel was raised.
std::vector<std::uint8_t> buildGroup(const Slots &goal, bool jokers,
                                     const std::atomic<bool> &cancel)
{
    std::vector<std::uint8_t> cost(std::size_t(1) << (BlankShift + PatternDatabase::SlotBits),
                                   Unseen);
    std::array<QList<int>, Cells> around;
    for (int place = 0; place < Cells; ++place)
        around[std::size_t(place)] = neighbours(place, Side, Side);

    std::deque<std::uint32_t> queue;
    const std::uint32_t start =
        PatternDatabase::index(goal) | (std::uint32_t(GoalHole) << BlankShift);
    cost[start] = 0;
    queue.push_back(start);
    for (std::uint32_t taken = 1; !queue.empty(); ++taken) {
        if (taken % CancelCheck == 0 && cancel.load(std::memory_order_relaxed))
            return {};
        const std::uint32_t at = queue.front();
        queue.pop_front();
        const int reached = cost[at];
        const Slots places = decode(at & PlacingMask);
        const int hole = int(at >> BlankShift);
        std::array<int, Cells> slotAt;
        slotAt.fill(-1);
        for (int slot = 0; slot < PatternDatabase::GroupSize; ++slot)
            slotAt[std::size_t(places[std::size_t(slot)])] = slot;
        for (int from : around[std::size_t(hole)]) {
            const int slot = slotAt[std::size_t(from)];
            std::uint32_t placing = at & PlacingMask;
            if (slot >= 0) {
                Slots moved = places;
                moved[std::size_t(slot)] = hole;
                if (jokers && moved[JokerSlot] > moved[JokerSlot + 1])
                    std::swap(moved[JokerSlot], moved[JokerSlot + 1]);
                placing = PatternDatabase::index(moved);
            }
            const std::uint32_t next = placing | (std::uint32_t(from) << BlankShift);
            const int step = slot >= 0 ? 1 : 0;
            if (cost[next] <= reached + step)
                continue;
            cost[next] = std::uint8_t(reached + step);
            if (step == 0)
                queue.push_front(next);
            else
                queue.push_back(next);
        }
    }
    std::vector<std::uint8_t> table(PatternDatabase::Placings, Unseen);
    for (std::uint32_t state = 0; state < cost.size(); ++state) {
        std::uint8_t &best = table[state & PlacingMask];
        best = std::min(best, cost[state]);
    }
    return table;
}

} // namespace

// Tile by tile (the hole first, the joker last): its group and slot, as GoalSlots lays them.
const std::array<std::array<PatternDatabase::Place, 15>, PatternDatabase::Splits>
    PatternDatabase::Layouts{{
        {{{-1, -1},
          {0, 0},
          {0, 1},
          {0, 2},
          {1, 0},
          {1, 1},
          {0, 3},
          {0, 4},
          {1, 2},
          {1, 3},
          {2, 0},
          {2, 1},
          {1, 4},
          {2, 2},
          {2, JokerSlot}}},
        {{{-1, -1},
          {0, 0},
          {1, 0},
          {1, 1},
          {0, 1},
          {0, 2},
          {1, 2},
          {1, 3},
          {2, 0},
          {2, 1},
          {2, 2},
          {1, 4},
          {2, 3},
          {2, 4},
          {0, JokerSlot}}},
    }};

bool PatternDatabase::buildRest(const std::atomic<bool> &cancel)
{
    for (int split = 0; split < Splits; ++split) {
        for (int group = 0; group < Groups; ++group) {
            std::vector<std::uint8_t> &table = m_tables[std::size_t(split)][std::size_t(group)];
            if (!table.empty())
                continue;
            table = buildGroup(GoalSlots[std::size_t(split)][std::size_t(group)],
                               group == groupOf(split, Joker), cancel);
            if (table.empty())
                return false;
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

std::uint32_t PatternDatabase::index(const Slots &places)
{
    std::uint32_t placing = 0;
    for (int slot = 0; slot < GroupSize; ++slot)
        placing |= std::uint32_t(places[std::size_t(slot)]) << (SlotBits * slot);
    return placing;
}

int PatternDatabase::estimate(const Grid &cells) const
{
    int best = 0;
    for (int split = 0; split < Splits; ++split) {
        std::array<Slots, Groups> places{};
        int jokersSeen = 0;
        for (int place = 0; place < Cells; ++place) {
            const int tile = cells[std::size_t(place)];
            if (tile == Hole)
                continue;
            int slot = slotOf(split, tile);
            if (tile == Joker)
                slot += jokersSeen++;
            places[std::size_t(groupOf(split, tile))][std::size_t(slot)] = place;
        }
        int total = 0;
        for (int group = 0; group < Groups; ++group)
            total += slides(split, group, index(places[std::size_t(group)]));
        best = std::max(best, total);
    }
    return best;
}
