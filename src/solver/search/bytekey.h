// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// A position's bytes folded into 128 bits by two independent hashes, so that a table of a million
// positions stays small. Two different positions share a key with odds of about 2^-100 over a
// whole search: far below any fault of the machine.
struct ByteKey {
    std::uint64_t a = 0;
    std::uint64_t b = 0;
    bool operator==(const ByteKey &) const = default;

    struct Hash {
        std::size_t operator()(const ByteKey &key) const { return std::size_t(key.a); }
    };

    template <std::size_t N>
    static ByteKey of(const std::array<std::uint8_t, N> &bytes, std::size_t n)
    {
        ByteKey key{14695981039346656037ull, 0x9E3779B97F4A7C15ull};
        for (std::size_t i = 0; i < n; ++i) {
            key.a = (key.a ^ bytes[i]) * 1099511628211ull;
            key.b = (key.b + bytes[i] + 1) * 0xBF58476D1CE4E5B9ull;
            key.b ^= key.b >> 31;
        }
        key.a ^= n;
        return key;
    }
};
