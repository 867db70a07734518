// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <atomic>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

// The positions a search has reached, in one array of buckets of four slots, each slot a whole key
// beside its mark: on the search's path, or left after costing so many positions. A key lies in
// its hash's bucket or, that one full, in the next with room (linear probing by buckets). The
// array grows by doubling up to a fixed number of slots, at half load; there, three quarters
// full, a new key takes the place of the left key that cost fewest positions among those its
// probe met, so that a full table keeps the costly positions and the search still meets every
// position of its path. A key forgotten thus is only searched again. One block of memory: it is
// freed at once, so a cancelled search lets go of it quickly. Moving half a million keys into a
// larger block takes longer than a search may take to stop, so a growth that finds the stop flag
// raised starts afresh from the smallest block instead: this search is ending anyway.
template <typename Key, typename Hash> class FlatSet {
public:
    enum class Entry { Seen, Entered, Full };

    FlatSet(std::size_t most, const std::atomic<bool> &stop)
        : m_most(std::bit_ceil(std::max(most, Ways))), m_stop(stop)
    {
    }

    bool contains(const Key &key) const { return find(key) != nullptr; }
    // Seen when key is held already. Otherwise it is taken in, on the path, never replaced until
    // left, and where is set to its slot. Full when the table is full and its probe met only keys
    // of the path.
    Entry enter(const Key &key, std::size_t &where)
    {
        if (m_slots.empty() || (2 * (m_size + 1) > m_slots.size() && m_slots.size() < m_most)) {
            if (contains(key))
                return Entry::Seen;
            grow();
        }
        // Slots fill in probe order and never empty again: past an empty one, nothing.
        Slot *empty = nullptr;
        Slot *cheapest = nullptr;
        for (std::size_t at = Hash{}(key)&m_mask & ~(Ways - 1); !empty; at = (at + Ways) & m_mask) {
            for (Slot *slot = &m_slots[at]; slot != &m_slots[at] + Ways; ++slot) {
                if (slot->mark == Empty) {
                    empty = slot;
                    break;
                }
                if (slot->key == key)
                    return Entry::Seen;
                if (slot->mark != OnPath && (!cheapest || slot->mark < cheapest->mark))
                    cheapest = slot;
            }
        }
        Slot *taken = empty;
        if (4 * (m_size + 1) <= 3 * m_slots.size())
            ++m_size;
        else if (!(taken = cheapest))
            return Entry::Full;
        *taken = {key, OnPath};
        where = std::size_t(taken - m_slots.data());
        return Entry::Entered;
    }
    // key, entered into slot, leaves the path after costing cost positions. It is looked for
    // when a growth has moved it since.
    void leave(const Key &key, std::size_t slot, std::uint32_t cost)
    {
        Slot *held =
            slot < m_slots.size() && m_slots[slot].mark != Empty && m_slots[slot].key == key
                ? &m_slots[slot]
                : find(key);
        if (held)
            held->mark = std::min(cost, OnPath - 2) + 1;
    }
    std::size_t size() const { return m_size; }

private:
    // A bucket's four slots lie side by side: a key is mostly found in one or two cache lines.
    static constexpr std::size_t Ways = 4;
    static constexpr std::uint32_t Empty = 0;
    static constexpr std::uint32_t OnPath = 0xFFFFFFFF;
    struct Slot {
        Key key{};
        std::uint32_t mark = Empty; // Empty, OnPath, or 1 + the positions it cost
    };

    Slot *find(const Key &key) { return const_cast<Slot *>(std::as_const(*this).find(key)); }
    const Slot *find(const Key &key) const
    {
        if (m_slots.empty())
            return nullptr;
        for (std::size_t at = Hash{}(key)&m_mask & ~(Ways - 1);; at = (at + Ways) & m_mask) {
            for (const Slot *slot = &m_slots[at]; slot != &m_slots[at] + Ways; ++slot) {
                if (slot->mark == Empty)
                    return nullptr;
                if (slot->key == key)
                    return slot;
            }
        }
        return nullptr;
    }
    void grow()
    {
        // A stopped search would only wait for the larger block to be cleared.
        if (m_stop.load(std::memory_order_relaxed)) {
            allocate(FirstBlock);
            return;
        }
        std::vector<Slot> slots = std::move(m_slots);
        allocate(slots.empty() ? FirstBlock : 2 * slots.size());
        constexpr std::size_t StopCheck = 4096; // slots moved between two looks at the flag
        for (std::size_t i = 0; i < slots.size(); ++i) {
            if (i % StopCheck == 0 && m_stop.load(std::memory_order_relaxed)) {
                allocate(FirstBlock);
                return;
            }
            if (slots[i].mark == Empty)
                continue;
            std::size_t at = Hash{}(slots[i].key) & m_mask & ~(Ways - 1);
            while (m_slots[at].mark != Empty)
                at = (at + 1) & m_mask;
            m_slots[at] = slots[i];
            ++m_size;
        }
    }
    void allocate(std::size_t capacity)
    {
        capacity = std::min(capacity, m_most);
        m_slots.assign(capacity, Slot{});
        m_slots.shrink_to_fit();
        m_mask = capacity - 1;
        m_size = 0;
    }

    static constexpr std::size_t FirstBlock = 1024;
    std::size_t m_most;
    const std::atomic<bool> &m_stop;
    std::size_t m_size = 0;
    std::size_t m_mask = 0;
    std::vector<Slot> m_slots;
};
