// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/poussepousse/slidinggrid.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

// Additive pattern databases for the Pousse-pousse grid: the fifteen tiles split into two groups
// of six and one of three, and for every placing of a group's tiles the fewest slides of those
// tiles alone that bring them home, whatever the other tiles do. A slide moves one tile, so the
// three figures add up to a lower bound of the slides left. Two such splits are kept, and the
// larger of their two bounds is used. The jokers are alike: they share a group, where their two
// places are recorded in order.
class PatternDatabase {
public:
    static constexpr int Splits = 2;
    static constexpr int Groups = 3;
    static constexpr int MaxGroupSize = 6;
    using Slots = std::array<std::uint8_t, MaxGroupSize>;
    struct Place {
        std::uint8_t group;
        std::uint8_t slot; // for the jokers, the first of their two slots
    };

    // Built at first use, from any thread, one group at a time, then kept for the life of the
    // program. A raised cancel flag stops the build within milliseconds and gives nullptr; the
    // groups already built are kept for the next call.
    static const PatternDatabase *instance(const std::atomic<bool> &cancel);
    // The same, built to the end whatever it takes.
    static const PatternDatabase &instance();

    // For a tile (1 to 13, 14 for a joker) in a split: its group and its slot in the group.
    static Place placeOf(int split, int tile)
    {
        return Layouts[std::size_t(split)][std::size_t(tile)];
    }
    static int groupSize(int split, int group)
    {
        return Sizes[std::size_t(split)][std::size_t(group)];
    }
    static bool hasJokers(int split, int group)
    {
        return placeOf(split, SlidingGrid::Joker).group == group;
    }
    // The bits set in a set of places, without a library call where the processor's own count
    // may be missing.
    static constexpr unsigned bitCount(std::uint32_t places)
    {
        places -= (places >> 1) & 0x5555;
        places = (places & 0x3333) + ((places >> 2) & 0x3333);
        places = (places + (places >> 4)) & 0x0F0F;
        return (places + (places >> 8)) & 0x1F;
    }
    // The rank of a group's placing among the ordered placings of its size: 16 x 15 x ... entries.
    static std::uint32_t index(const Slots &places, int size)
    {
        std::uint32_t rank = 0;
        std::uint32_t taken = 0;
        for (int slot = 0; slot < size; ++slot) {
            const unsigned place = places[std::size_t(slot)];
            const unsigned below = bitCount(taken & ((1u << place) - 1));
            rank = rank * std::uint32_t(SlidingGrid::Cells - slot) + place - below;
            taken |= 1u << place;
        }
        return rank;
    }
    int slides(int split, int group, std::uint32_t rank) const
    {
        return m_tables[std::size_t(split)][std::size_t(group)][rank];
    }
    void prefetch(int split, int group, std::uint32_t rank) const
    {
        __builtin_prefetch(m_tables[std::size_t(split)][std::size_t(group)].data() + rank);
    }
    int estimate(const SlidingGrid::Grid &cells) const;
    // The bytes of all the tables.
    std::size_t bytes() const;

private:
    PatternDatabase() = default;
    bool buildRest(const std::atomic<bool> &cancel);

    static const std::array<std::array<Place, 15>, Splits> Layouts;
    static const std::array<std::array<int, Groups>, Splits> Sizes;

    std::array<std::array<std::vector<std::uint8_t>, Groups>, Splits> m_tables;
};
