// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/pairs/pairmove.h"
#include "solver/search/packedkey.h"

#include <array>
#include <cstdint>
#include <vector>

// La clé des songes reduced to how many cards each pile holds, whether its top card is face up,
// and the card the player has selected, if any. Cards are the rules' indices: pile p holds cards
// 4p to 4p + 3, the last on top.
class CleSongesModel {
public:
    static constexpr int Piles = 8;
    static constexpr int PileSize = 4;
    static constexpr std::int8_t None = -1;

    using Move = PairMove;
    using Key = PackedKey<1>;
    using KeyHash = Key::Hash;

    // ranks: the rank (1 to 13) of each of the 32 cards; left: the cards on each pile;
    // faceUp: whether its top is face up.
    void set(const std::array<int, 32> &ranks, const std::array<int, Piles> &left,
             const std::array<bool, Piles> &faceUp, int selected);

    // Every move the rules allow on the pile tops.
    void legal(std::vector<Move> &out) const;
    // The moves the search tries: a face-down top turned up first, which only lets it be paired,
    // loses nothing.
    void moves(std::vector<Move> &out) const;
    void play(const Move &move);
    bool won() const;
    int progress() const { return m_paired; }
    Key key() const;

    // The top card of a pile, None when it is empty.
    int top(int pile) const;
    bool faceUp(int pile) const { return m_faceUp[std::size_t(pile)]; }
    int selected() const { return m_selected; }

private:
    std::array<std::int8_t, 32> m_rank{};
    std::array<std::int8_t, Piles> m_left{};
    std::array<bool, Piles> m_faceUp{};
    std::int8_t m_selected = None;
    int m_paired = 0;
};
