// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solver/search/bytekey.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <new>

// The positions a Roi Albert search has reached, 12 bytes each: 95 bits of the position's two
// hashes, so that two positions share an entry with odds of about 2^-58 over a search of
// 600,000, far below any fault of the machine. Open addressing with linear probing, first in a
// small block, so that a short search touches few pages, then once and for all in a block sized
// for the most keys: it is allocated zeroed, so only the pages the keys fall in are touched, and
// it never grows. An all-zero slot is free; a key always has its lowest bit set.
class RoialbertSeen {
public:
    // Room for most keys; past it, insert() refuses.
    explicit RoialbertSeen(std::size_t most) : m_most(most)
    {
        while (m_last.size * 7 / 10 < most)
            m_last.size *= 2;
        m_first.allocate(FirstSlots);
        m_used = &m_first;
    }
    RoialbertSeen(const RoialbertSeen &) = delete;
    RoialbertSeen &operator=(const RoialbertSeen &) = delete;

    bool contains(const ByteKey &key) const { return m_used->find(slotOf(key)) != nullptr; }
    // False when the set is full or the stop flag was raised while it moved its keys over.
    bool insert(const ByteKey &key, const std::atomic<bool> &stop)
    {
        if (m_size >= m_most)
            return false;
        if (m_used == &m_first && m_size + 1 > FirstSlots * 7 / 10 && !moveToLast(stop))
            return false;
        m_used->place(slotOf(key));
        ++m_size;
        return true;
    }
    std::size_t size() const { return m_size; }

private:
    using Slot = std::array<std::uint32_t, 3>;
    struct Block {
        struct Free {
            void operator()(Slot *block) const { std::free(block); }
        };
        std::unique_ptr<Slot[], Free> slots;
        std::size_t size = 1;

        void allocate(std::size_t count)
        {
            size = count;
            slots.reset(static_cast<Slot *>(std::calloc(count, sizeof(Slot))));
            if (!slots)
                throw std::bad_alloc();
        }
        std::size_t start(const Slot &slot) const
        {
            return (std::size_t(slot[0]) | std::size_t(slot[1]) << 32) & (size - 1);
        }
        const Slot *find(const Slot &slot) const
        {
            for (std::size_t at = start(slot);; at = (at + 1) & (size - 1)) {
                if (slots[at][2] == 0)
                    return nullptr;
                if (slots[at] == slot)
                    return &slots[at];
            }
        }
        void place(const Slot &slot)
        {
            std::size_t at = start(slot);
            while (slots[at][2] != 0)
                at = (at + 1) & (size - 1);
            slots[at] = slot;
        }
    };

    static Slot slotOf(const ByteKey &key)
    {
        return {std::uint32_t(key.a), std::uint32_t(key.a >> 32), std::uint32_t(key.b) | 1u};
    }
    bool moveToLast(const std::atomic<bool> &stop)
    {
        if (stop.load(std::memory_order_relaxed))
            return false;
        m_last.allocate(m_last.size);
        for (std::size_t i = 0; i < m_first.size; ++i) {
            if (m_first.slots[i][2] != 0)
                m_last.place(m_first.slots[i]);
        }
        m_first.slots.reset();
        m_used = &m_last;
        return true;
    }

    static constexpr std::size_t FirstSlots = std::size_t(1) << 15;
    std::size_t m_most;
    std::size_t m_size = 0;
    Block m_first;
    Block m_last;
    Block *m_used = nullptr;
};
