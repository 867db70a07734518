// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/voyageuses/voyageusesrules.h"

#include <memory>

// Les voyageuses (1): the cards dealt onto the ace places of the grid form a stock of four; each
// stock card starts a chain that carries every card to its own place in exchange for the
// face-down card lying there, until an ace comes home. After the fourth ace the cards still face
// down are turned one by one.
class Voyageuses1Rules : public VoyageusesRules {
public:
    static constexpr int StockSize = 4;
    static constexpr int NoStock = -1; // IndexSabot once the four aces are home

    struct Variables {
        PlaceStates EtatPlace{};
        qint16 IndexSabot = StockSize - 1;
        bool operator==(const Variables &) const = default;
    };

    static constexpr int FirstSabot = FirstHand;

    Voyageuses1Rules(const GameInfo &info, CoreContext context, GameHost &host);

    FormLayout layout() const override;
    void Distribution() override;
    void play() override;

    void click(int picture) override;
    void hover(int picture) override;
    void drop(int source, int target, QPoint topLeft) override;
    QString placeName(int picture) const override;

    const Variables &variables() const { return m_vars; }
    static bool isAcePlace(int place);
    // The place that deals the stock card k.
    static int stockSource(int k);

protected:
    // Lays the cards out from Deck32 as it stands; Distribution shuffles first.
    void dealFromDeck();

private:
    static bool isStock(int picture);
    bool isHeld(int picture) const override;
    Picture &sabot(int k) { return m_table.at(FirstSabot + k); }

    void turnStockCard();
    void dropOnPlace(int source, int place);
    void FinDePartie();

    Variables m_vars;
};

std::unique_ptr<GameRules> MakeVoyageuses1Rules(const GameInfo &info, CoreContext context,
                                                GameHost &host);
