// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/gamerules.h"
#include "shared/cards.h"

#include <array>
#include <memory>

// Carré: nine cards face up in a square of three by three, the other 43 in a face-up stock. The
// stock's top card goes onto a square pile whose top is one rank below it (an ace on a king,
// suits never compared) or aside onto a reserve pile, whose top card may later go onto the
// square. Won when the whole stock is on the square, lost when the stock is empty and the
// reserve's top card fits nowhere. The rules keep which pile each card is part of and decide from
// that; the table's positions only show it.
class MaisoncarreeRules final : public GameRules {
public:
    static constexpr int SquareSize = 9;

    // Picture indices in table().
    static constexpr int FirstCarte = 0;
    static constexpr int ReservePlace = FirstCarte + Cards::FullDeck; // the "RESERVE" text place
    enum FrameIndex { Indicateur };

    // Positions, in twips.
    static constexpr QPoint StockPosition{4440, 2040};
    static constexpr QPoint ReservePosition{5640, 2040};

    // The pile a card is part of (a square pile, the stock or the reserve) and its order in it
    // from the bottom: the top card has the highest.
    struct Place {
        enum class Pile : quint8 { None, Square, Stock, Reserve }; // None: not dealt yet
        Pile pile = Pile::None;
        int square = 0; // the square pile, 0 to 8 row by row
        int order = 0;
        bool operator==(const Place &) const = default;
    };
    struct Variables {
        // PileReserve: the reserve's cards in the order they were put there, "" in free slots.
        std::array<QString, Cards::FullDeck> PileReserve;
        std::array<Place, Cards::FullDeck> places{}; // of Carte(0..51)
        bool operator==(const Variables &) const = default;
    };

    MaisoncarreeRules(const GameInfo &info, CoreContext context, GameHost &host);

    FormLayout layout() const override;
    void Distribution() override;
    void play() override;
    void hover(int index) override;
    void dragOver(int source, int target) override;
    void drop(int source, int target, QPoint topLeft) override;
    QString placeName(int index) const override;

    const Variables &variables() const { return m_vars; }
    // Where square pile k (0 to 8, row by row) lies.
    static QPoint squarePosition(int k);
    // Where a card of a pile is drawn.
    static QPoint topLeft(const Place &place);

private:
    enum class Role { None, Square, Stock, Reserve };

    Picture &carte(int k) { return m_table.at(FirstCarte + k); }
    const Picture &carte(int k) const { return m_table.at(FirstCarte + k); }
    static bool isCarte(int index);
    const Place &placeOf(int index) const { return m_vars.places[std::size_t(index - FirstCarte)]; }
    Role roleOf(int index) const;
    int pileSize(const Place &pile) const;
    bool isFrontmost(int index) const;
    bool canTake(int source) const;
    static bool follows(const QString &card, const QString &below);
    QString reserveTop() const;

    void moveTo(int source, const Place &place);
    void dropOnSquare(int source, int target);
    void dropOnReserve(int source, bool onCard);
    void FinDePartie();

    Variables m_vars;
};

std::unique_ptr<GameRules> MakeMaisoncarreeRules(const GameInfo &info, CoreContext context,
                                                 GameHost &host);
