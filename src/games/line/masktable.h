// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

// Lines of cards met by a search, each the set of cards left (never empty) with a small number
// (for positions searched without a win, the lowest floor they were searched from). Open
// addressing, grown by doubling up to a given number of slots (9 bytes each) past which it takes
// no more: a search that uses it to skip work stays exact, only slower.
class MaskTable {
public:
    explicit MaskTable(std::size_t mostSlots) : m_mostSlots(mostSlots) {}

    bool holds(std::uint64_t mask, int floor) const
    {
        if (m_keys.empty())
            return false;
        for (std::size_t slot = first(mask);; slot = next(slot)) {
            if (m_keys[slot] == 0)
                return false;
            if (m_keys[slot] == mask)
                return m_floors[slot] <= floor;
        }
    }

    void insert(std::uint64_t mask, int floor)
    {
        if (m_used >= m_keys.size() / 4 * 3 && !grow())
            return;
        for (std::size_t slot = first(mask);; slot = next(slot)) {
            if (m_keys[slot] == mask) {
                m_floors[slot] = std::min(m_floors[slot], std::uint8_t(floor));
                return;
            }
            if (m_keys[slot] == 0) {
                m_keys[slot] = mask;
                m_floors[slot] = std::uint8_t(floor);
                ++m_used;
                return;
            }
        }
    }

private:
    std::size_t first(std::uint64_t mask) const
    {
        return std::size_t((mask * 0x9E3779B97F4A7C15ull) >> 40) & (m_keys.size() - 1);
    }
    std::size_t next(std::size_t slot) const { return (slot + 1) & (m_keys.size() - 1); }

    bool grow()
    {
        if (m_keys.size() >= m_mostSlots)
            return false;
        std::vector<std::uint64_t> keys = std::move(m_keys);
        std::vector<std::uint8_t> floors = std::move(m_floors);
        m_keys.assign(keys.empty() ? 1024 : keys.size() * 2, 0);
        m_floors.assign(m_keys.size(), 0);
        m_used = 0;
        for (std::size_t slot = 0; slot < keys.size(); ++slot) {
            if (keys[slot] != 0)
                insert(keys[slot], floors[slot]);
        }
        return true;
    }

    std::size_t m_mostSlots;
    std::vector<std::uint64_t> m_keys;
    std::vector<std::uint8_t> m_floors;
    std::size_t m_used = 0;
};
