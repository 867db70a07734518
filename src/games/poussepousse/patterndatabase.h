// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/poussepousse/slidinggrid.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

// Additive pattern databases for the Pousse-pousse grid. Each tile is named by its goal place
// (the hole's is 14), the two jokers included: a slide moves the hole by one place, so the
// number of slides left has the parity of the hole's distance to its goal place, and of the two
// ways to tell the jokers apart only one gives a grid with that parity of permutation, the one
// that can be solved. The fifteen tiles split into three groups of five; for every placing of a
// group's tiles the table holds the fewest slides of those tiles alone that bring them home,
// whatever the other tiles do. A slide moves one tile, so the three figures add up to a lower
// bound of the slides left. Four splits are kept, two made of blocks of the grid and their
// mirrors across the main diagonal, and the largest of their bounds is used.
class PatternDatabase {
public:
    static constexpr int Splits = 4;
    static constexpr int Groups = 3;
    static constexpr int GroupSize = 5;
    static constexpr int SlotBits = 4;
    static constexpr std::uint32_t Placings = 1u << (GroupSize * SlotBits);
    static constexpr int GoalHole = 14;
    // Place by place, the goal place of its tile (GoalHole for the hole).
    using Labels = std::array<std::int8_t, SlidingGrid::Cells>;

    // Built at first use, from any thread, one group at a time, then kept for the life of the
    // program. A raised cancel flag stops the build within milliseconds and gives nullptr; the
    // groups already built are kept for the next call.
    static const PatternDatabase *instance(const std::atomic<bool> &cancel);
    // The same, built to the end whatever it takes.
    static const PatternDatabase &instance();

    // The grid's tiles named by their goal places, the jokers told apart as the goal can be
    // reached. The grid must hold every tile once, the jokers twice and the hole.
    static Labels label(const SlidingGrid::Grid &cells);

    // For a tile named by its goal place: its group in a split, and where its place sits in the
    // group's placing.
    static int groupOf(int split, int label)
    {
        return Layouts[std::size_t(split)][std::size_t(label)].group;
    }
    static int shiftOf(int split, int label)
    {
        return Layouts[std::size_t(split)][std::size_t(label)].shift;
    }
    // The group's table, by placing: each tile's place in the bits shiftOf() gives.
    const std::uint8_t *table(int split, int group) const
    {
        return m_tables[std::size_t(split)][std::size_t(group)];
    }
    int estimate(const SlidingGrid::Grid &cells) const;
    // The bytes held by the tables.
    std::size_t bytes() const { return m_built.size() * Placings; }

private:
    PatternDatabase() = default;
    bool buildRest(const std::atomic<bool> &cancel);
    struct Place {
        int group = -1;
        int shift = 0;
    };
    using Layout = std::array<Place, SlidingGrid::Cells>;
    static const std::array<Layout, Splits> Layouts;

    std::vector<std::vector<std::uint8_t>> m_built; // one per distinct group, in build order
    std::array<std::array<const std::uint8_t *, Groups>, Splits> m_tables{};
};
