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
// reserve's top card fits nowhere.
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

    struct Variables {
        // PileReserve: the reserve's cards in the order they were put there, "" in free slots.
        std::array<QString, Cards::FullDeck> PileReserve;
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

private:
    enum class Role { None, Square, Stock, Reserve };

    Picture &carte(int k) { return m_table.at(FirstCarte + k); }
    const Picture &carte(int k) const { return m_table.at(FirstCarte + k); }
    static bool isCarte(int index);
    Role roleOf(int index) const;
    bool isFrontmost(int index) const;
    bool canTake(int source) const;
    static bool follows(const QString &card, const QString &below);
    QString reserveTop() const;

    void dropOnSquare(int source, int target);
    void dropOnReserve(int source, bool onCard);
    void FinDePartie();

    Variables m_vars;
};

std::unique_ptr<GameRules> MakeMaisoncarreeRules(const GameInfo &info, CoreContext context,
                                                 GameHost &host);
