// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/pairs/pairmove.h"
#include "solver/search/packedkey.h"

#include <array>
#include <cstdint>
#include <vector>

// Joséphine reduced to the free card of each column and of the reserve (the rules' Jouables),
// whether the reserve card is still face down, and the card the player has selected, if any.
// Cards are the rules' indices, 0 to 51, each with its rank.
class JosephineModel {
public:
    static constexpr int Columns = 8;
    static constexpr int Reserve = Columns; // the reserve's entry in free()
    static constexpr int FirstReserve = 48;
    static constexpr std::int8_t None = -1;

    using Move = PairMove;
    using Key = PackedKey<1>;
    using KeyHash = Key::Hash;

    // ranks: the rank (1 to 13) of every card; free: the rules' Jouables.
    void set(const std::array<int, 52> &ranks, const std::array<int, Columns + 1> &free,
             bool reserveFaceDown, int selected);

    // Every move the rules allow.
    void legal(std::vector<Move> &out) const;
    // The moves the search tries: turning the reserve card up first, which only lets it be
    // paired, loses nothing.
    void moves(std::vector<Move> &out) const;
    void play(const Move &move);
    bool won() const;
    int progress() const { return m_paired; }
    Key key() const;

    int freeCard(int slot) const { return m_free[std::size_t(slot)]; }
    bool reserveFaceDown() const { return m_faceDown; }
    int selected() const { return m_selected; }

private:
    bool pairable(int card) const;

    std::array<std::int8_t, 52> m_rank{};
    std::array<std::int8_t, Columns + 1> m_free{};
    bool m_faceDown = false;
    std::int8_t m_selected = None;
    int m_paired = 0;
};
