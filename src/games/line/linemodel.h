// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solver/search/packedkey.h"

#include <array>
#include <cstdint>
#include <vector>

// The games of one line of cards where a card lying between two alike cards leaves the game (Duo,
// Duo de rêve: slid onto a neighbour; Mariage: alone or with its neighbour, removed), reduced to
// the line and what is left of the stock. A card is a byte, rank x 4 + suit.
class LineModel {
public:
    static constexpr int Capacity = 52;
    static constexpr std::uint8_t Deal = 0xFF; // the move that takes a card from the stock

    struct Rules {
        bool dropBefore = true;     // the card goes onto the card before it (otherwise after it)
        bool draggedLeaves = false; // the dragged card leaves (otherwise the one it lands on)
        bool twoAtOnce = false;     // two neighbours between alike cards may leave together
        // The two cards the won game must end with, in order; NoCard each when any two win.
        std::uint8_t firstLeft = 0xFF;
        std::uint8_t secondLeft = 0xFF;
    };
    // The span cards from place, between two alike cards, or Deal.
    struct Move {
        std::uint8_t place = Deal;
        std::uint8_t span = 1;
        bool operator==(const Move &) const = default;
    };
    using Key = PackedKey<1>;
    using KeyHash = Key::Hash;

    // The line, and the stock in the order it deals; false when they hold more than 52 cards or
    // something that is not a card.
    bool set(const Rules &rules, const std::vector<std::uint8_t> &line,
             const std::vector<std::uint8_t> &stock);

    // Every move the rules allow.
    void legal(std::vector<Move> &out) const;
    // The moves the search tries. Only the deal while the stock has cards: a slide only looks at
    // a card and its two neighbours, and a dealt card goes to the end of the line, so every slide
    // stays possible after a deal and leads to the same line: dealing first loses nothing.
    // Then only one order of two slides whose cards lie apart: they lead to the same line either
    // way, so a slide left of the last one, clear of its cards, is left to the order that plays
    // it first.
    void moves(std::vector<Move> &out) const;
    void play(const Move &move);
    bool won() const;
    // Cards gone from the game.
    int progress() const { return m_gone; }
    Key key() const;

    int length() const { return m_length; }
    std::uint8_t card(int place) const { return m_line[std::size_t(place)]; }
    int stockLeft() const { return m_stockSize - m_dealt; }
    // The line, then the stock still to deal in the order it deals.
    std::vector<std::uint8_t> cards() const;

private:
    bool alike(int a, int b) const;

    Rules m_rules;
    std::array<std::uint8_t, Capacity + 1> m_line{};
    // Each card's place in the line and the stock as they started, the stock after the line.
    std::array<std::uint8_t, Capacity + 1> m_start{};
    std::uint64_t m_left = 0; // the cards in the line, as a set of those places
    std::array<std::uint8_t, Capacity> m_stock{};
    int m_length = 0;
    int m_stockSize = 0;
    int m_dealt = 0;
    int m_gone = 0;
    int m_floor = 0; // the first place of the last slide's cards
};
