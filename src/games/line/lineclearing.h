// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

// How a line of cards, every card of the stock already dealt to its end, is cleared: the removals
// in the order they are played, each naming its cards by their index in the line as it started.
struct LineClearing {
    struct Removal {
        std::uint8_t first = 0; // the index of its first card
        std::uint8_t span = 1;  // with how many of the cards left after it, itself included
        bool operator==(const Removal &) const = default;
    };
    enum class Outcome { Won, Lost, Unknown };
    Outcome outcome = Outcome::Unknown;
    // Won: a line that wins. Lost: a line that leaves the fewest cards. Unknown: empty.
    std::vector<Removal> line;
    std::int64_t nodes = 0;
};

// Two cards alike: the same rank or the same suit, cards being bytes rank x 4 + suit.
inline bool Alike(std::uint8_t a, std::uint8_t b)
{
    return a / 4 == b / 4 || a % 4 == b % 4;
}
