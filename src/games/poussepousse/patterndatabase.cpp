// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/poussepousse/patterndatabase.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <limits>
#include <mutex>
#include <thread>

namespace {

using namespace SlidingGrid;
using Slots = PatternDatabase::Slots;

constexpr int GoalHole = 14;
constexpr std::uint8_t Unseen = std::numeric_limits<std::uint8_t>::max();
constexpr std::uint32_t CancelCheck = 4096; // states expanded between two looks at the flag
constexpr int PackBits = 4;                 // a place in a packed placing
constexpr int HoleShift = 28;               // where a packed state keeps a place of the hole
constexpr std::uint32_t Board = 0xFFFF;
constexpr std::uint32_t FirstColumn = 0x1111;
constexpr std::uint32_t LastColumn = 0x8888;

std::mutex buildLock;
std::atomic<const PatternDatabase *> ready{nullptr};

using GoalGroup = std::array<int, PatternDatabase::MaxGroupSize>;

// The goal places of each group's tiles, in each split, -1 past the group's size. The jokers'
// goal places (0 and 15) come last in their group. The two splits cut the grid across each other
// (rows against columns), so where one misses the interaction of two tiles the other may see it.
constexpr std::array<std::array<GoalGroup, PatternDatabase::Groups>, PatternDatabase::Splits>
    GoalSlots{{
        {{{1, 2, 3, 5, 6, 7}, {4, 8, 9, 10, 12, 13}, {11, 0, 15, -1, -1, -1}}},
        {{{1, 4, 5, 8, 9, 12}, {2, 3, 6, 7, 10, 11}, {13, 0, 15, -1, -1, -1}}},
    }};

constexpr int tileAt(int goalPlace)
{
    return goalPlace == 0 || goalPlace == Cells - 1 ? Joker : goalPlace;
}

// The places reached in at most one step from a set of places (a bit per place).
constexpr std::uint32_t grow(std::uint32_t places)
{
    return places | ((places << Side) & Board) | (places >> Side) |
           ((places << 1) & ~FirstColumn & Board) | ((places >> 1) & ~LastColumn);
}

// The region of the free places joined to a free place.
std::uint32_t region(std::uint32_t place, std::uint32_t free)
{
    for (;;) {
        const std::uint32_t wider = grow(place) & free;
        if (wider == place)
            return place;
        place = wider;
    }
}

std::uint32_t tableSize(int size)
{
    std::uint32_t count = 1;
    for (int slot = 0; slot < size; ++slot)
        count *= std::uint32_t(Cells - slot);
    return count;
}

// Breadth first from the goal over the placings of one group. A state is a placing with the
// region of free places that holds the hole: the hole crosses its region for nothing (only other
// tiles slide), and sliding a tile of the group into the region costs one. A placing keeps the
// cost of its first visit, the least over its regions. The regions already reached are marked
// per placing, so a repeated state is dropped before its region is traced. Empty when cancel was
// raised.
std::vector<std::uint8_t> buildGroup(const GoalGroup &goal, int size, bool jokers,
                                     const std::atomic<bool> &cancel)
{
    const std::uint32_t count = tableSize(size);
    std::vector<std::uint8_t> table(count, Unseen);
    std::vector<std::uint16_t> reached(count, 0);
    const auto pack = [size](const Slots &places, std::uint32_t around) {
        auto packed = std::uint32_t(std::countr_zero(around)) << HoleShift;
        for (int slot = 0; slot < size; ++slot)
            packed |= std::uint32_t(places[std::size_t(slot)]) << (PackBits * slot);
        return packed;
    };

    Slots places{};
    std::uint32_t occupied = 0;
    for (int slot = 0; slot < size; ++slot) {
        places[std::size_t(slot)] = std::uint8_t(goal[std::size_t(slot)]);
        occupied |= 1u << goal[std::size_t(slot)];
    }
    const std::uint32_t start = region(1u << GoalHole, ~occupied & Board);
    const std::uint32_t first = PatternDatabase::index(places, size);
    table[first] = 0;
    reached[first] = std::uint16_t(start);
    std::vector<std::uint32_t> frontier{pack(places, start)};
    std::vector<std::uint32_t> next;
    std::uint32_t expanded = 0;
    for (int cost = 1; !frontier.empty(); ++cost) {
        next.clear();
        for (const std::uint32_t packed : frontier) {
            if (++expanded % CancelCheck == 0 && cancel.load(std::memory_order_relaxed))
                return {};
            occupied = 0;
            for (int slot = 0; slot < size; ++slot) {
                places[std::size_t(slot)] = std::uint8_t((packed >> (PackBits * slot)) & 15);
                occupied |= 1u << places[std::size_t(slot)];
            }
            const std::uint32_t free = ~occupied & Board;
            const std::uint32_t around = region(1u << (packed >> HoleShift), free);
            for (int slot = 0; slot < size; ++slot) {
                const int from = places[std::size_t(slot)];
                for (std::uint32_t targets = grow(1u << from) & around; targets != 0;
                     targets &= targets - 1) {
                    const int to = std::countr_zero(targets);
                    Slots moved = places;
                    moved[std::size_t(slot)] = std::uint8_t(to);
                    if (jokers && moved[std::size_t(size - 2)] > moved[std::size_t(size - 1)])
                        std::swap(moved[std::size_t(size - 2)], moved[std::size_t(size - 1)]);
                    const std::uint32_t rank = PatternDatabase::index(moved, size);
                    if (reached[rank] & (1u << from))
                        continue;
                    const std::uint32_t left = (free & ~(1u << to)) | 1u << from;
                    const std::uint32_t hole = region(1u << from, left);
                    reached[rank] = std::uint16_t(reached[rank] | hole);
                    if (table[rank] == Unseen)
                        table[rank] = std::uint8_t(cost);
                    next.push_back(pack(moved, hole));
                }
            }
        }
        frontier.swap(next);
    }
    return table;
}

constexpr std::array<std::array<PatternDatabase::Place, 15>, PatternDatabase::Splits> layouts()
{
    std::array<std::array<PatternDatabase::Place, 15>, PatternDatabase::Splits> all{};
    for (int split = 0; split < PatternDatabase::Splits; ++split) {
        for (int group = 0; group < PatternDatabase::Groups; ++group) {
            for (int slot = PatternDatabase::MaxGroupSize - 1; slot >= 0; --slot) {
                const int place =
                    GoalSlots[std::size_t(split)][std::size_t(group)][std::size_t(slot)];
                if (place >= 0)
                    all[std::size_t(split)][std::size_t(tileAt(place))] = {std::uint8_t(group),
                                                                           std::uint8_t(slot)};
            }
        }
    }
    return all;
}

constexpr std::array<std::array<int, PatternDatabase::Groups>, PatternDatabase::Splits> sizes()
{
    std::array<std::array<int, PatternDatabase::Groups>, PatternDatabase::Splits> all{};
    for (int split = 0; split < PatternDatabase::Splits; ++split) {
        for (int group = 0; group < PatternDatabase::Groups; ++group) {
            const GoalGroup &goal = GoalSlots[std::size_t(split)][std::size_t(group)];
            all[std::size_t(split)][std::size_t(group)] =
                int(std::count_if(goal.begin(), goal.end(), [](int place) { return place >= 0; }));
        }
    }
    return all;
}

} // namespace

const std::array<std::array<PatternDatabase::Place, 15>, PatternDatabase::Splits>
    PatternDatabase::Layouts = layouts();
const std::array<std::array<int, PatternDatabase::Groups>, PatternDatabase::Splits>
    PatternDatabase::Sizes = sizes();

bool PatternDatabase::buildRest(const std::atomic<bool> &cancel)
{
    for (int split = 0; split < Splits; ++split) {
        for (int group = 0; group < Groups; ++group) {
            std::vector<std::uint8_t> &table = m_tables[std::size_t(split)][std::size_t(group)];
            if (!table.empty())
                continue;
            table = buildGroup(GoalSlots[std::size_t(split)][std::size_t(group)],
                               groupSize(split, group), hasJokers(split, group), cancel);
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
            const Place at = placeOf(split, tile);
            places[at.group][std::size_t(at.slot + (tile == Joker ? jokersSeen++ : 0))] =
                std::uint8_t(place);
        }
        int total = 0;
        for (int group = 0; group < Groups; ++group)
            total +=
                slides(split, group, index(places[std::size_t(group)], groupSize(split, group)));
        best = std::max(best, total);
    }
    return best;
}

std::size_t PatternDatabase::bytes() const
{
    std::size_t total = 0;
    for (const auto &split : m_tables) {
        for (const std::vector<std::uint8_t> &table : split)
            total += table.size();
    }
    return total;
}
