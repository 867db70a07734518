// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solver/search/packedkey.h"

#include <array>
#include <cstdint>
#include <vector>

// Roi Albert reduced to what its moves look at: the cards of each of the nine columns from the
// head down, the seven reserve places (a place stays empty once its card is played) and how far
// each suit's foundation has climbed. Cards are bytes, rank x 4 + suit (trèfle, carreau, coeur,
// pique), as CardByte gives them. Each move also updates the key: where each card lies, on which
// card or elsewhere.
class RoialbertModel {
public:
    static constexpr int Columns = 9;
    static constexpr int ReserveSize = 7;
    static constexpr int Suits = 4;
    static constexpr std::uint8_t NoCard = 0xFF;
    // A column holds at most its nine dealt cards under a run of twelve more.
    static constexpr int MostInColumn = 24;
    static constexpr std::uint8_t Reserve = Columns; // Move::from for a reserve card

    // Two bytes: a search deep in a hard deal keeps millions of moves waiting along its path.
    class Move {
    public:
        enum Kind : std::uint8_t { ToFoundation, ToCard, ToEmpty };
        Move() = default;
        Move(Kind kind, std::uint8_t card, int from, int to)
            : m_bits(std::uint16_t(kind | card << 2 | from << 8 | to << 12))
        {
        }
        Kind kind() const { return Kind(m_bits & 3); }
        // The card moved, or the head of the run moved.
        std::uint8_t card() const { return std::uint8_t(m_bits >> 2 & 63); }
        // Its column, or Reserve.
        std::uint8_t from() const { return std::uint8_t(m_bits >> 8 & 15); }
        // ToCard, ToEmpty: the target column.
        std::uint8_t to() const { return std::uint8_t(m_bits >> 12); }
        bool operator==(const Move &) const = default;

    private:
        std::uint16_t m_bits = 0;
    };
    // Where each card lies (see the .cpp), as one number of 121 bits.
    using Key = PackedKey<2>;
    using KeyHash = Key::Hash;
    using ExactKey = PackedKey<3>;

    static int rank(std::uint8_t card) { return card / 4 + 1; }
    static int suit(std::uint8_t card) { return card % 4; }
    static bool red(std::uint8_t card) { return suit(card) == 1 || suit(card) == 2; }
    // Whether card may lie on target in a column: one rank lower, the other colour.
    static bool buildsOn(std::uint8_t card, std::uint8_t target)
    {
        return rank(card) + 1 == rank(target) && red(card) != red(target);
    }

    // Columns from the head down; the reserve's cards (NoCard where one has left); the top rank
    // (0 for none) of each suit's foundation. False when the cards do not make one deck.
    bool set(const std::array<std::vector<std::uint8_t>, Columns> &columns,
             const std::array<std::uint8_t, ReserveSize> &reserve,
             const std::array<int, Suits> &foundations);

    // Every move the rules allow, each place a card could go counted once: all empty columns,
    // every start of a run, one foundation move per card.
    void legal(std::vector<Move> &out) const;
    // The moves the search tries, best first (see the .cpp for what is left out and why).
    void moves(std::vector<Move> &out) const;
    void play(const Move &move);
    // Takes back move, the last one played.
    void undo(const Move &move);
    // Which order moves() tries moves in: 0 the plain one, each other value another one, shuffled
    // among moves of about the same promise. No part of the position: the key ignores it.
    void setOrder(std::uint32_t order) { m_order = order; }
    // What each card lying on one next for its foundation costs a position's promise, against 50
    // for a card cleared: the plain weight digs such cards out first, a lighter one tries other
    // moves sooner. No part of the position either.
    void setBurialWeight(int weight) { m_burial = weight; }
    static constexpr int PlainBurial = 64;
    static constexpr int LightBurial = 16;
    bool won() const { return m_cleared == 52; }
    int progress() const { return m_cleared; }
    // Equal for positions with the same future: the same columns in any order, the same reserve.
    // Keys compare only between positions reached from the same set(). Kept up to date by play()
    // and undo().
    Key key() const { return m_key; }
    // Equal only for the same cards in the same columns, with the same proviso.
    ExactKey exactKey() const;
    // The same cards in the same places, wherever each model was set from.
    bool samePosition(const RoialbertModel &other) const;

    int height(int column) const { return m_height[std::size_t(column)]; }
    std::uint8_t at(int column, int depth) const
    {
        return m_cards[std::size_t(column)][std::size_t(depth)];
    }
    bool inReserve(std::uint8_t card) const { return (m_reserve >> card) & 1u; }
    int foundation(int suitIndex) const { return m_foundation[std::size_t(suitIndex)]; }

private:
    std::uint8_t top(int column) const
    {
        const int h = height(column);
        return h == 0 ? NoCard : at(column, h - 1);
    }
    // Inline, as runStart(): the search asks them for every card of every position it enters.
    bool toFoundation(std::uint8_t card) const
    {
        return rank(card) == m_foundation[std::size_t(suit(card))] + 1;
    }
    bool safeToFoundation(std::uint8_t card) const;
    int outlook() const;
    int orderBias(const Move &move) const;
    // Also counts the column's cards that are next for their foundation.
    int columnOutlook(int column, int &ready) const;
    // The depth of the highest card of the valid run at the foot of a non-empty column.
    int runStart(int column) const
    {
        int start = height(column) - 1;
        while (start > 0 && buildsOn(at(column, start), at(column, start - 1)))
            --start;
        return start;
    }
    // What the key says of the card at depth of column.
    std::uint8_t lie(int column, int depth) const;
    void setLie(std::uint8_t card, std::uint8_t lie);
    void generate(std::vector<Move> &out, bool everyEmpty) const;
    // Whether moves() tries the run from card, which lies on below, given the free cards.
    bool worthMoving(std::uint8_t card, std::uint8_t below, std::uint64_t free) const;

    std::array<std::array<std::uint8_t, MostInColumn>, Columns> m_cards{};
    std::array<std::uint8_t, Columns> m_height{};
    std::uint64_t m_reserve = 0; // one bit per card: where it lies in the reserve does not matter
    std::array<std::uint8_t, Suits> m_foundation{};
    int m_cleared = 0;
    std::uint32_t m_order = 0;
    int m_burial = PlainBurial;
    Key m_key;
    std::array<std::uint8_t, 52> m_lie{}; // each card's digit in the key
};
