// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/voyageuses/voyageusesrules.h"

#include <memory>

// Les voyageuses (2): all 32 cards lie face down on the grid. The player picks up any of them,
// which leaves a hole, and carries it to its own place in exchange for the face-down card lying
// there, and so on, until the card in hand belongs to the hole and fills it. Then the cards still
// face down are turned one by one.
class Voyageuses2Rules final : public VoyageusesRules {
public:
    struct Variables {
        PlaceStates EtatPlace{};
        bool PremierClic = false; // the next click on a place picks up the first card
        bool operator==(const Variables &) const = default;
    };

    static constexpr int ImgSabot = FirstHand;

    Voyageuses2Rules(const GameInfo &info, CoreContext context, GameHost &host);

    FormLayout layout() const override;
    void Distribution() override;
    void play() override;

    void click(int picture) override;
    void hover(int picture) override;
    void drop(int source, int target, QPoint topLeft) override;
    QString placeName(int picture) const override;

    const Variables &variables() const { return m_vars; }

private:
    bool isHeld(int picture) const override;
    bool chainGoesOn() const;
    Picture &imgSabot() { return m_table.at(ImgSabot); }

    void pickUp(int place);
    void dropOnPlace(int place);
    void FinDePartie();

    Variables m_vars;
};

std::unique_ptr<GameRules> MakeVoyageuses2Rules(const GameInfo &info, CoreContext context,
                                                GameHost &host);
