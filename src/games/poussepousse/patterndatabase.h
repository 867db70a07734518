// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/poussepousse/slidinggrid.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

// Additive pattern databases for the Pousse-pousse grid: the fifteen tiles split into three
// groups of five, and for every placing of a group's tiles the fewest slides of those tiles
// alone that bring them home, whatever the other tiles do. A slide moves one tile, so the three
// figures add up to a lower bound of the slides left. Two such splits are kept, and the larger
// of their two bounds is used. The jokers are alike: their group records their two places in
// order.
class PatternDatabase {
public:
    static constexpr int Splits = 2;
    static constexpr int Groups = 3;
    static constexpr int GroupSize = 5;
    static constexpr int SlotBits = 4;
    static constexpr std::uint32_t Placings = 1u << (GroupSize * SlotBits);

    // Built at first use, from any thread, one group at a time, then kept for the life of the
    // program. A raised cancel flag stops the build within milliseconds and gives nullptr; the
    // groups already built are kept for the next call.
    static const PatternDatabase *instance(const std::atomic<bool> &cancel);
    // The same, built to the end whatever it takes.
    static const PatternDatabase &instance();

    // For a tile (1 to 13, 14 for a joker) in a split: its group and its slot in the group's
    // index.
    static int groupOf(int split, int tile)
    {
        return Layouts[std::size_t(split)][std::size_t(tile)].group;
    }
    static int slotOf(int split, int tile)
    {
        return Layouts[std::size_t(split)][std::size_t(tile)].slot;
    }
    // The index of a group's placing, from the places of its slots.
    static std::uint32_t index(const std::array<int, GroupSize> &places);
    int slides(int split, int group, std::uint32_t placing) const
    {
        return m_tables[std::size_t(split)][std::size_t(group)][placing];
    }
    int estimate(const SlidingGrid::Grid &cells) const;

private:
    PatternDatabase() = default;
    bool buildRest(const std::atomic<bool> &cancel);
    struct Place {
        int group;
        int slot; // for the jokers, the first of their two slots
    };
    static const std::array<std::array<Place, 15>, Splits> Layouts;

    std::array<std::array<std::vector<std::uint8_t>, Groups>, Splits> m_tables;
};
