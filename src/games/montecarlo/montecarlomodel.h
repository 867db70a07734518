// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solver/search/packedkey.h"

#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// Monte-Carlo reduced to what decides its future: the grid cards in reading order, the stock in
// the order it fills the gaps, and the first card the player has selected, if any. A card is a
// byte, rank x 4 + suit. Pairs leave and the grid closes up without changing the order of the
// cards left, grid then stock, so which of the dealt cards are left says where each one lies.
class MontecarloModel {
public:
    static constexpr int Places = 25;
    static constexpr int Columns = 5;
    static constexpr int StockCards = 27;
    static constexpr std::uint8_t NoPlace = 0xFF;
    static constexpr std::uint8_t NoCard = 0xFF;

    // Two places removed as a pair, or, with second = NoPlace, a click on a place that is no
    // neighbour of the pending selection, which drops it.
    struct Move {
        std::uint8_t first = NoPlace;
        std::uint8_t second = NoPlace;
        bool operator==(const Move &) const = default;
    };
    using Key = PackedKey<1>;
    using KeyHash = Key::Hash;

    MontecarloModel() = default;
    // The grid (at most 25 cards) and the stock in drawing order (at most 27); false when a list
    // is too long or holds something that is not a card, or a card twice.
    bool set(const std::vector<std::uint8_t> &grid, const std::vector<std::uint8_t> &stock,
             std::uint8_t pending = NoPlace);

    // The byte of a card code, NoCard for anything else.
    static std::uint8_t cardOf(const QString &code);
    static bool neighbours(int a, int b);

    // Every move the rules allow, in reading order.
    void legal(std::vector<Move> &out) const;
    // The moves the search tries: the legal ones, none once counting shows the position lost.
    void moves(std::vector<Move> &out) const;
    void play(const Move &move);
    bool won() const { return m_count == 0; }
    int progress() const { return m_removed; }
    Key key() const;

    int count() const { return m_count; }
    int stockLeft() const { return m_stockSize - m_drawn; }
    std::uint8_t card(int place) const { return m_grid[std::size_t(place)]; }
    std::uint8_t pending() const { return m_pending; }

private:
    static bool matching(std::uint8_t a, std::uint8_t b);
    bool hopeless() const;

    static constexpr std::uint64_t OneSuit = 0x1111111111111ull; // the bits of one suit's cards

    std::array<std::uint8_t, Places> m_grid{};
    std::array<std::uint8_t, StockCards> m_stock{};
    // Each grid card's place in the deal as set: the grid first, then the stock.
    std::array<std::uint8_t, Places> m_dealt{};
    std::uint64_t m_gone = 0;  // the dealt cards paired off, one bit each
    std::uint64_t m_cards = 0; // the cards left, one bit per card byte
    std::uint8_t m_count = 0;
    std::uint8_t m_stockSize = 0;
    std::uint8_t m_drawn = 0;
    std::uint8_t m_firstStock = 0; // the first stock card's place in the deal
    std::uint8_t m_pending = NoPlace;
    int m_removed = 0;
};
