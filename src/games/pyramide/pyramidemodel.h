// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solver/search/packedkey.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// Pyramide reduced to what decides its future: the value (1 to 13, 0 for a hole) of each of the
// 36 places, the stock in the order it is turned, whether its top card is turned up, and the
// card the player has selected, if any. Suits never matter: only values pair.
class PyramideModel {
public:
    static constexpr int Rows = 8;
    static constexpr int Places = Rows * (Rows + 1) / 2;
    static constexpr int StockCards = 16;
    static constexpr int KingValue = 13;
    static constexpr int PairSum = 13;
    static constexpr std::uint8_t Empty = 0;
    static constexpr std::int8_t None = -1;

    struct Move {
        enum Kind : std::uint8_t {
            Turn,     // the top stock card is turned up; a king leaves at once
            King,     // the free king in place from leaves
            Pair,     // the free cards in places from and to leave together
            Deselect, // a click on from, not worth 13 with the selected card, drops the selection
            Place,    // the turned stock card is dropped into the hole to
            Shift,    // the free card in place from is dropped into the hole to
        };
        Kind kind = Turn;
        std::int8_t from = None;
        std::int8_t to = None;
        bool operator==(const Move &) const = default;
    };
    // 36 values of 4 bits, the stock's next card (5 bits), turned (1 bit), the selection (6 bits).
    using Key = PackedKey<3>;
    using KeyHash = Key::Hash;

    // places: each place's value or Empty; stock: the values of all 16 stock cards, top first,
    // of which the first next have left; false when something is out of range or a card rests
    // on a hole.
    bool set(const std::array<std::uint8_t, Places> &places,
             const std::array<std::uint8_t, StockCards> &stock, int next, bool turned,
             int selected);

    // Every move the rules allow.
    void legal(std::vector<Move> &out) const;
    // The moves the search tries, a subset of legal() that keeps every win (reasons inline).
    void moves(std::vector<Move> &out) const;
    void play(const Move &move);
    // Takes back the last move played: the search keeps one position instead of a copy for each
    // of the thousands of positions its path can hold.
    void undo(const Move &move);
    bool won() const { return m_won; }
    bool over() const { return m_over; }
    int progress() const { return m_cleared; }
    Key key() const;

    int value(int place) const { return m_value[std::size_t(place)]; }
    bool isFree(int place) const;
    // An empty place whose parents all hold a card other than the one in place moving.
    bool isHole(int place, int moving = None) const;
    // The index in the stock of its top card; StockCards when the stock is empty.
    int next() const { return m_next; }
    bool turned() const { return m_turned; }
    // A narrow search tries only the shifts that uncover a card, at most shifts in a row: it may
    // miss a win, never finds a false one. 0 searches every move.
    void setNarrow(int shifts) { m_narrow = std::int8_t(shifts); }
    // Order 0 tries the drops best first (a shift that uncovers a card, then the stock card's
    // drops, then the other shifts); any other number tries them in an order of its own.
    void setOrder(std::uint64_t order) { m_order = order; }
    // What the search gives up on: a position that can never be won, or, for the best line of a
    // lost deal, only one from which no card can ever leave the pyramid (its moves may still clear
    // cards).
    enum class Cut : std::uint8_t { Unwinnable, Stuck };
    void setCut(Cut cut) { m_cut = cut; }
    int selected() const { return m_selected; }

    // The places of the row below that overlap a place (None for the base), and those of the
    // row above that it overlaps (None where the row ends).
    static const std::array<std::array<std::int8_t, 2>, Places> &coverers();
    static const std::array<std::array<std::int8_t, 2>, Places> &parents();

private:
    void addRemovals(std::vector<Move> &out, std::uint64_t free) const;
    void addDrops(std::vector<Move> &out, std::uint64_t free, bool reduced) const;
    bool removalPossible() const;
    bool hopeAhead() const;
    bool uncoversCard(int place) const;
    void endCheck();
    void setValue(int place, std::uint8_t value);
    // The places as bits of a grid of eight rows of eight, row by row: a place's coverers are 8
    // and 9 bits above it, its parents 9 and 8 below, so that whole sets of places are found with
    // a few shifts. The grid's order is the places' order.
    std::uint64_t freeBits() const;
    std::uint64_t holeBits() const;

    std::array<std::uint8_t, Places> m_value{};
    std::uint64_t m_filled = 0; // the grid bits of the places that hold a card
    // The places' part of the key as it is and seen in a mirror, kept up to date by setValue().
    Key m_plain;
    Key m_image;
    std::array<std::uint8_t, StockCards> m_stock{};
    std::int8_t m_next = StockCards;
    bool m_turned = false;
    std::int8_t m_selected = None;
    bool m_over = false;
    bool m_won = false;
    int m_cleared = 0;
    std::int8_t m_narrow = 0;
    std::uint64_t m_order = 0;
    Cut m_cut = Cut::Unwinnable;
    int m_shifts = 0; // shifts since the last other move
    // What each move played changed, to take it back.
    struct Before {
        std::uint8_t from;
        std::uint8_t to;
        std::int8_t next;
        std::int8_t selected;
        std::int8_t shifts;
        std::uint8_t cleared;
        bool turned;
        bool over;
    };
    std::vector<Before> m_before;
};
