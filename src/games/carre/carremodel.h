// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solver/search/packedkey.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

// Carré reduced to what decides its future: the top card of each of the nine square piles, the
// stock in drawing order and the reserve from bottom to top. Cards are the rules' indices, 0 to
// 51, each with its rank; suits never matter.
class CarreModel {
public:
    static constexpr int Piles = 9;
    static constexpr int Cards = 52;
    static constexpr int Ranks = 13;
    static constexpr int Others = Cards - Piles; // the stock at the start
    static constexpr std::uint8_t None = 0xFF;

    struct Move {
        enum Kind : std::uint8_t { StockToSquare, StockToReserve, ReserveToSquare };
        Kind kind = StockToReserve;
        std::uint8_t card = None; // the card moved
        std::uint8_t pile = None; // the square pile it goes onto, None for the reserve
        std::uint8_t onto = None; // the card it is laid on: the pile's or the reserve's top
        bool operator==(const Move &) const = default;
    };
    using Key = PackedKey<2>;
    using KeyHash = Key::Hash;

    // ranks: the rank (1 to 13) of every card; tops: the top card of each pile, in reading
    // order; stock: from the card drawn next; reserve: from the bottom. False when a card is not
    // one of the 52, has no rank, or lies in two places.
    bool set(const std::array<int, Cards> &ranks, const std::array<int, Piles> &tops,
             const std::vector<int> &stock, const std::vector<int> &reserve);

    // Every move the rules allow.
    void legal(std::vector<Move> &out) const;
    // The moves the search tries, best first; none once the position is lost by counting.
    void moves(std::vector<Move> &out) const;
    void play(const Move &move);
    // Takes back the last move played.
    void undo(const Move &move);
    bool won() const { return m_drawn == m_stockSize && m_reserveSize == 0; }
    int progress() const { return m_placed; }
    // Whether a line wins from here: exact, found over whole stretches of the stock rather than
    // move by move. The search asks it once a deal has proved long.
    bool winnable() const;
    // The stock drawn and the reserve's ranks: cards of one rank are alike, and the cards laid,
    // hence the ranks the piles show, follow from those.
    Key key() const;

    int top(int pile) const { return m_top[std::size_t(pile)]; }
    int stockTop() const { return m_drawn < m_stockSize ? m_stock[m_drawn] : None; }
    int reserveTop() const { return m_reserveSize > 0 ? m_reserve[m_reserveSize - 1u] : None; }
    int stockLeft() const { return m_stockSize - m_drawn; }
    int reserveSize() const { return m_reserveSize; }
    // The reserve's card i, counted from the bottom.
    int reserveCard(int i) const { return m_reserve[std::size_t(i)]; }

private:
    int rank(int card) const { return m_rank[std::size_t(card)]; }
    // The first pile on whose top a card of this rank may go, or None.
    std::uint8_t pileFor(int card) const;
    bool hopeless() const;
    using Counts = std::array<int, Ranks>;
    // How many piles show each rank, packed four bits a rank.
    static std::uint64_t pack(const Counts &counts);
    Counts showing() const;
    struct Stretches;
    // The positions searched move by move alone, before winnable() weeds out the lost ones.
    static constexpr std::int64_t Searched = 4096;

    std::array<std::uint8_t, Cards> m_rank{}; // 0 (as) to 12 (roi)
    std::array<std::uint8_t, Piles> m_top{};
    std::array<std::uint8_t, Others> m_stock{};
    std::array<std::uint8_t, Others> m_reserve{};
    // Each card's place in the stock as set, None for the others.
    std::array<std::uint8_t, Cards> m_inStock{};
    std::uint8_t m_stockSize = 0;
    std::uint8_t m_drawn = 0;
    std::uint8_t m_reserveSize = 0;
    int m_placed = 0;
    // Shared by every copy of a position, the same deal's stock for all of them.
    std::shared_ptr<Stretches> m_stretches;
};
