// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/gamerules.h"
#include "shared/cards.h"

#include <array>
#include <memory>

// Joséphine: 48 cards face up in eight overlapping columns of six, and a face-down reserve of
// four. The lowest card of each column and the reserve's top card, once turned up, are free; two
// free cards of the same rank leave the game together and free the cards above them.
class JosephineRules final : public GameRules {
public:
    static constexpr int Columns = 8;
    static constexpr int Rows = 6;
    static constexpr int TableCards = Columns * Rows; // Carte(0..47); Carte(48..51) the reserve
    static constexpr int FirstReserve = TableCards;
    static constexpr int TopReserve = Cards::FullDeck - 1;
    static constexpr int ReserveSlot = Columns; // the reserve's entry in Jouables
    static constexpr int NoCard = -1;

    // Picture indices.
    static constexpr int FirstCarte = 0;
    enum FrameIndex { Indicateur };

    // Positions, in twips.
    static constexpr int ColumnLeft = 120;
    static constexpr int ColumnStep = 1200;
    static constexpr int RowTop = 120;
    static constexpr int RowStep = 960;
    static constexpr QPoint ReservePosition{9720, 2880};
    static constexpr int TurnedRise = 300; // a turned-up reserve card stands this much higher

    struct Variables {
        // Jouables: the free card of each column, then the reserve's top card; NoCard for none.
        std::array<int, ReserveSlot + 1> Jouables{NoCard, NoCard, NoCard, NoCard, NoCard,
                                                  NoCard, NoCard, NoCard, NoCard};
        // Selection1: the first card of a pair; the second is paired or refused at its click.
        int Selection1 = NoCard;
        bool operator==(const Variables &) const = default;
    };

    JosephineRules(const GameInfo &info, CoreContext context, GameHost &host);

    FormLayout layout() const override;
    void Distribution() override;
    void play() override;
    void click(int index) override;
    void hover(int index) override;
    QString placeName(int index) const override;

    const Variables &variables() const { return m_vars; }
    static QPoint cardPosition(int k);

private:
    Picture &carte(int k) { return m_table.at(FirstCarte + k); }
    const Picture &carte(int k) const { return m_table.at(FirstCarte + k); }
    Frame &indicateur() { return m_table.frames[Indicateur]; }
    static bool isCarte(int index);
    bool isFree(int k) const;
    bool faceDown(int k) const;
    int rank(int k) const;

    void turnUpReserve(int k);
    void selectFirst(int k);
    void removePair(int first, int second);
    void freeCardAbove(int k);
    bool pairAmongFree() const;
    void FinDePartie();

    Variables m_vars;
};

std::unique_ptr<GameRules> MakeJosephineRules(const GameInfo &info, CoreContext context,
                                              GameHost &host);
