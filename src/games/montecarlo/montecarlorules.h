// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/gamerules.h"
#include "shared/cards.h"

#include <memory>

// Monte-Carlo: 25 cards face up in a five by five grid, the other 27 in a stock beside it with
// two of them face up. Two neighbouring grid cards of the same rank or suit leave the game; the
// grid closes up in reading order and the face-up stock cards fill the gaps at its end.
class MontecarloRules final : public GameRules {
public:
    static constexpr int GridSize = 25;
    static constexpr int GridColumns = 5;
    static constexpr int NoPlace = -1;

    // The picture groups, in the order of the model.
    static constexpr int FirstCarte = 0;
    static constexpr int FirstPlace = FirstCarte + Cards::FullDeck;
    enum FrameIndex { Indicateur };

    // The grid's places, in twips.
    static constexpr int GridLeft = 120;
    static constexpr int GridTop = 120;
    static constexpr int ColumnStep = 1200;
    static constexpr int RowStep = 1560;
    // Positions of the stock column, in twips.
    static constexpr int StockLeft = 6720;
    static constexpr int UpperStockTop = 2640;
    static constexpr int LowerStockTop = 3240;
    static constexpr int PileTop = 4800;
    // Where a stock card that went into the grid is kept, outside the table.
    static constexpr QPoint Parked{20000, 20000};

    struct Variables {
        int selection1 = NoPlace; // Selection1: grid place of the first selected card
        int selection2 = NoPlace; // Selection2: grid place of the second one
        int prochaineCarte = Cards::FullDeck - 1; // ProchaineCarte: the upper face-up stock card
        bool operator==(const Variables &) const = default;
    };

    MontecarloRules(const GameInfo &info, CoreContext context, GameHost &host);

    FormLayout layout() const override;
    void Distribution() override;
    void play() override;
    void click(int index) override;
    void hover(int index) override;
    QString placeName(int index) const override;

    const Variables &variables() const { return m_vars; }
    static QPoint placePosition(int place);

private:
    Picture &carte(int k) { return m_table.at(FirstCarte + k); }
    const Picture &carte(int k) const { return m_table.at(FirstCarte + k); }
    Picture &place(int i) { return m_table.at(FirstPlace + i); }
    const Picture &place(int i) const { return m_table.at(FirstPlace + i); }
    static int placeOf(int index);
    static bool neighbours(int a, int b);
    // Where a card of the stock lies, from how far the stock has been drawn. The grid's own
    // cards, Carte(0..24), stay face down in the pile.
    enum class StockPlace { Pile, Upper, Lower, Parked };
    StockPlace stockPlace(int k) const;
    bool matching(int a, int b) const;

    void removePair(int a, int b);
    void closeUp();
    void refill();
    void turnUpStock();
    void FinDePartie();

    Variables m_vars;
};

std::unique_ptr<GameRules> MakeMontecarloRules(const GameInfo &info, CoreContext context,
                                               GameHost &host);
