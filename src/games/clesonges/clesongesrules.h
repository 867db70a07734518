// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/gamerules.h"
#include "shared/cards.h"

#include <array>
#include <memory>

// La clé des songes: the 32 cards lie face down in eight piles of four. The player turns up pile
// tops and pairs two face-up tops of the same rank; a pair goes down into the column of its rank,
// which uncovers the next card of each pile. Won when every card is paired, lost when every pile
// top is face up (or the pile empty) and no two of them share a rank.
class CleSongesRules final : public GameRules {
public:
    static constexpr int Piles = 8;
    static constexpr int PileSize = 4;
    static constexpr int NoCard = -1;

    // Picture indices: pile p is Carte(4p) to Carte(4p + 3), the last one on top.
    static constexpr int FirstCarte = 0;
    enum FrameIndex { Indicateur };

    static constexpr int PileTop = 120;
    static constexpr int ColumnTop = 1800; // the first card of a rank column
    static constexpr int ColumnStep = 300; // each further card of the column lies this far lower

    struct Variables {
        int Premiere = NoCard; // the selected card
        // Where each Carte(0..31) lies in the column of its rank, counted from 1 down; 0 while it
        // is on its pile.
        std::array<int, Cards::SmallDeck> columnPlace{};
        // The tag of each pile's top card, empty once the pile is empty.
        std::array<QString, Piles> SommetPile{};
        bool operator==(const Variables &) const = default;
    };

    CleSongesRules(const GameInfo &info, CoreContext context, GameHost &host);

    FormLayout layout() const override;
    void Distribution() override;
    void play() override;
    void click(int index) override;
    void hover(int index) override;
    QString placeName(int index) const override;

    const Variables &variables() const { return m_vars; }
    // The Left shared by pile p and the rank column p.
    static int pileLeft(int pile);
    // The rank column of a card: 7, 8, 9, 10, valet, dame, roi, as.
    static int columnOf(const QString &code);

private:
    static bool isCarte(int index);
    Picture &carte(int k) { return m_table.at(FirstCarte + k); }
    const Picture &carte(int k) const { return m_table.at(FirstCarte + k); }
    bool isPileTop(int k) const;

    void turnUp(int k);
    void choose(int k);
    void toColumn(int k);
    void EnregistrerPosition(int first, int second);
    void FinDePartie();

    Variables m_vars;
};

std::unique_ptr<GameRules> MakeCleSongesRules(const GameInfo &info, CoreContext context,
                                              GameHost &host);
