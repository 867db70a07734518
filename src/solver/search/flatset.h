#pragma once

#include <cstddef>
#include <vector>

// A set of keys in one array, open addressing with linear probing, growing by doubling up to a
// fixed number of entries; past it, insert() refuses. One block of memory: it is freed at once,
// so a cancelled search lets go of it quickly.
template <typename Key, typename Hash> class FlatSet {
public:
    explicit FlatSet(std::size_t most) : m_most(most) {}

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
        std::vector<Key> slots = std::move(m_slots);
        std::vector<bool> used = std::move(m_used);
        const std::size_t capacity = slots.empty() ? 1024 : 2 * slots.size();
        m_slots.assign(capacity, Key{});
        m_used.assign(capacity, false);
        m_mask = capacity - 1;
        m_size = 0;
        for (std::size_t i = 0; i < slots.size(); ++i) {
            if (used[i])
                place(slots[i]);
        }
    }

    std::size_t m_most;
    std::size_t m_size = 0;
    std::size_t m_mask = 0;
    std::vector<Key> m_slots;
    std::vector<bool> m_used;
};
