// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstddef>
#include <vector>

// A set of keys in one array, open addressing with linear probing, growing by doubling up to a
// fixed number of entries; past it, insert() refuses. One block of memory: it is freed at once,
// so a cancelled search lets go of it quickly. Moving half a million keys into a larger block
// takes longer than a search may take to stop, so a growth that finds the stop flag raised
// starts afresh from the smallest block instead: a search that loses its table stays exact, and
// this one is ending anyway.
template <typename Key, typename Hash> class FlatSet {
public:
    FlatSet(std::size_t most, const std::atomic<bool> &stop) : m_most(most), m_stop(stop) {}

    bool contains(const Key &key) const
    {
        if (m_slots.empty())
            return false;
        for (std::size_t at = Hash{}(key)&m_mask;; at = (at + 1) & m_mask) {
            if (!m_used[at])
                return false;
            if (m_slots[at] == key)
                return true;
        }
    }
    // False when the set is full.
    bool insert(const Key &key)
    {
        if (m_size >= m_most)
            return false;
        if (2 * (m_size + 1) > m_slots.size())
            grow();
        place(key);
        return true;
    }
    std::size_t size() const { return m_size; }

private:
    void place(const Key &key)
    {
        std::size_t at = Hash{}(key)&m_mask;
        while (m_used[at]) {
            if (m_slots[at] == key)
                return;
            at = (at + 1) & m_mask;
        }
        m_used[at] = true;
        m_slots[at] = key;
        ++m_size;
    }
    void grow()
    {
        // A stopped search would only wait for the larger block to be cleared.
        if (m_stop.load(std::memory_order_relaxed)) {
            allocate(FirstBlock);
            return;
        }
        std::vector<Key> slots = std::move(m_slots);
        std::vector<bool> used = std::move(m_used);
        allocate(slots.empty() ? FirstBlock : 2 * slots.size());
        constexpr std::size_t StopCheck = 4096; // slots moved between two looks at the flag
        for (std::size_t i = 0; i < slots.size(); ++i) {
            if (i % StopCheck == 0 && m_stop.load(std::memory_order_relaxed)) {
                allocate(FirstBlock);
                return;
            }
            if (used[i])
                place(slots[i]);
        }
    }
    void allocate(std::size_t capacity)
    {
        m_slots.assign(capacity, Key{});
        m_used.assign(capacity, false);
        m_slots.shrink_to_fit();
        m_used.shrink_to_fit();
        m_mask = capacity - 1;
        m_size = 0;
    }

    static constexpr std::size_t FirstBlock = 1024;
    std::size_t m_most;
    const std::atomic<bool> &m_stop;
    std::size_t m_size = 0;
    std::size_t m_mask = 0;
    std::vector<Key> m_slots;
    std::vector<bool> m_used;
};
