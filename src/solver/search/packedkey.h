// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>

// A position packed bit by bit into a few words: lossless, so two positions share a key only
// when they are the same position. A model writes each part in as few bits as it needs.
template <std::size_t Words> struct PackedKey {
    std::array<std::uint64_t, Words> words{};
    bool operator==(const PackedKey &) const = default;

    struct Hash {
        std::size_t operator()(const PackedKey &key) const
        {
            std::uint64_t hash = 0x9E3779B97F4A7C15ull;
            for (const std::uint64_t word : key.words) {
                hash = (hash ^ word) * 0xFF51AFD7ED558CCDull;
                hash ^= hash >> 32;
            }
            return std::size_t(hash);
        }
    };
};

template <std::size_t Words> class KeyWriter {
public:
    // Appends the low `bits` bits of value (at most 64).
    void put(std::uint64_t value, int bits)
    {
        assert(bits > 0 && bits <= 64 && m_bit + bits <= int(Words) * 64);
        if (bits < 64)
            value &= (std::uint64_t(1) << bits) - 1;
        const std::size_t word = std::size_t(m_bit / 64);
        const int offset = m_bit % 64;
        m_key.words[word] |= value << offset;
        if (offset + bits > 64)
            m_key.words[word + 1] |= value >> (64 - offset);
        m_bit += bits;
    }
    const PackedKey<Words> &key() const { return m_key; }

private:
    PackedKey<Words> m_key;
    int m_bit = 0;
};
