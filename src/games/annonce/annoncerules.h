// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/gamerules.h"
#include "shared/cards.h"

#include <memory>

// L'annonce: the 52 cards lie face down in one pile. Each card turned goes face up onto a second
// pile beside it while the game calls the ranks in order, from a starting rank the player chooses,
// "AS" again after "ROI". A card of the rank just called loses; 52 cards without one win.
class AnnonceRules : public GameRules {
public:
    static constexpr int FirstCarte = 0;
    static constexpr int NoCard = -1;
    // Where the cards lie, in twips.
    static constexpr int PileLeft = 840;
    static constexpr int TurnedLeft = 2100;
    static constexpr int PileTop = 540;

    struct Variables {
        qint16 IndexAnnonce = 0; // the entry of cboAnnonce being called
        qint8 pileSize = 0;      // Carte(0..pileSize - 1) lie face down in the pile
        bool operator==(const Variables &) const = default;
    };

    AnnonceRules(const GameInfo &info, CoreContext context, GameHost &host);

    FormLayout layout() const override;
    void Distribution() override;
    void load() override;
    void play() override;
    void click(int index) override;
    void hover(int index) override;
    QString placeName(int index) const override;

    const Variables &variables() const { return m_vars; }
    // The card on top of the face-down pile, NoCard once it is empty.
    int pileTop() const;

protected:
    void selected(const QString &control) override;

private:
    Picture &carte(int k) { return m_table.at(FirstCarte + k); }
    const Picture &carte(int k) const { return m_table.at(FirstCarte + k); }
    Control &control(const QString &name) { return *m_table.control(name); }
    static bool isCarte(int index);

    void turn(int k);
    void callNext();
    void FinDePartie(bool won);

    Variables m_vars;
};

std::unique_ptr<GameRules> MakeAnnonceRules(const GameInfo &info, CoreContext context,
                                            GameHost &host);
