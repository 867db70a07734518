// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

namespace Cards {

inline constexpr int SmallDeck = 32;
inline constexpr int FullDeck = 52;

} // namespace Cards

// The two shared deck tables; each shuffle starts from the order the previous one left.
struct DeckTables {
    std::array<QString, Cards::SmallDeck> deck32;
    std::array<QString, Cards::FullDeck> deck52;
};
