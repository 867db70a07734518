// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solver/solver.h"

#include <QString>
#include <cstdint>

// A move of the games won by pairing cards of one rank with clicks (Joséphine, La clé des
// songes). Cards are the rules' indices.
struct PairMove {
    enum Kind : std::uint8_t { Pair, TurnUp, Drop };
    static constexpr std::int8_t None = -1;
    Kind kind = Pair;
    std::int8_t first = None;  // Pair: the two cards; TurnUp: the card turned up; Drop: the
    std::int8_t second = None; // card clicked to drop the selection (of another rank)
    bool operator==(const PairMove &) const = default;
};

// The move as the player's clicks on the cards, the first card being picture firstCard, framed
// as a hint. Its text names the cards by their places: "3-7" a pair, "x3" a drop, and turnUp
// before the place for a card turned up.
SolverMove PairClicks(const PairMove &move, int firstCard, QString (*place)(int card),
                      const QString &turnUp = {});
