// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/gamerules.h"
#include "shared/cards.h"

#include <array>
#include <memory>

// Stéphanie: nine cards of nine different ranks face up in a row, the other 43 in a stock. Each
// stock card turned up is dragged onto the column of its rank; a column holding its four cards
// goes down to the row of finished ranks and its place takes a rank not yet on the table. The
// rules keep where each card is (stock, column and depth, finished stack) and decide from that;
// the table's positions only show it.
class StephanieRules final : public GameRules {
public:
    static constexpr int RowSize = 9; // Carte(0..8) start the columns; Carte(9..51) the stock
    static constexpr int NoCard = -1;
    static constexpr int SuitCount = 4; // cards of one rank: a full column

    // Picture indices.
    static constexpr int FirstCarte = 0;
    static constexpr int FirstPlace = FirstCarte + Cards::FullDeck; // EspaceJeu(0..8)
    enum FrameIndex { Indicateur };

    // Positions, in twips.
    static constexpr int PlaceLeft = 120;
    static constexpr int PlaceStep = 1200;
    static constexpr int PlaceTop = 120;
    static constexpr int FanStep = 600; // down a column, and across the finished row
    static constexpr QPoint StockPosition{10920, 2520};
    static constexpr int FinishedTop = 4080;

    // Where a card is: in the stock, in a column of the top row at a depth from its head, or in
    // the finished row on the stack of its rank.
    struct Place {
        enum class Area : quint8 { Stock, Column, Finished };
        Area area = Area::Stock;
        int index = 0; // the column, or the finished stack
        int depth = 0; // in a column
        bool operator==(const Place &) const = default;
    };
    struct Variables {
        // ProchaineCarte: the stock's top card, from 51 down to 9; NoCard once it is used up.
        int ProchaineCarte = Cards::FullDeck - 1;
        std::array<Place, Cards::FullDeck> places{}; // of Carte(0..51)
        bool operator==(const Variables &) const = default;
    };

    StephanieRules(const GameInfo &info, CoreContext context, GameHost &host);

    FormLayout layout() const override;
    void Distribution() override;
    void play() override;
    void click(int index) override;
    void hover(int index) override;
    void dragOver(int source, int target) override;
    void drop(int source, int target, QPoint topLeft) override;
    QString placeName(int index) const override;

    const Variables &variables() const { return m_vars; }
    static QPoint placePosition(int place);
    // Where a card is drawn.
    static QPoint topLeft(const Place &place);

    // Deals tried with the player's shuffle before one more round is added to each.
    static constexpr int PlainDeals = 1000;

private:
    Picture &carte(int k) { return m_table.at(FirstCarte + k); }
    const Picture &carte(int k) const { return m_table.at(FirstCarte + k); }
    Picture &place(int i) { return m_table.at(FirstPlace + i); }
    const Picture &place(int i) const { return m_table.at(FirstPlace + i); }
    Frame &indicateur() { return m_table.frames[Indicateur]; }
    static bool isCarte(int index);
    static bool isPlace(int index);
    const Place &placeOf(int k) const { return m_vars.places[std::size_t(k)]; }
    int columnHeight(int i) const;
    bool onTable(int k) const;
    bool onStock(int k) const;
    bool finished(int k) const;
    int rank(int k) const;
    bool rankOnTable(int value) const;
    bool placeFree(int i) const;
    bool isTurnedTop(int index) const;
    bool fitsColumn(int k, int target) const;
    bool fitsPlace(int k, int i) const;

    void deal(bool extraRound);
    bool VerifierTirage() const;
    void dropOnColumn(int k, int target);
    void dropOnPlace(int k, int i);
    void lay(int k, const Place &place);
    void FinDePartie();

    Variables m_vars;
};

std::unique_ptr<GameRules> MakeStephanieRules(const GameInfo &info, CoreContext context,
                                              GameHost &host);
