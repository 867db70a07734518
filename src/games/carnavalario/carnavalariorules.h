// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/gamerules.h"
#include "shared/cards.h"

#include <array>
#include <memory>

// Carnaval à Rio: a memory game. The 32 cards lie face down in a grid of four rows of eight and
// never move. Two cards turned one after the other stay face up when they share a rank; otherwise
// both show for the chosen number of seconds, counted by the rules' timer, and turn back. The
// sixteenth pair wins: the game cannot be lost, only the clock judges.
class CarnavalaRioRules : public GameRules {
public:
    static constexpr int Columns = 8;
    static constexpr int NoCard = -1;
    static constexpr int FirstCarte = 0;
    static constexpr int Indicateur = 0; // index in table().frames
    static constexpr int TickMs = 1000;  // Timer1
    // The entries of cboSecondes, in seconds.
    static constexpr int ShortestDisplay = 1;
    static constexpr int LongestDisplay = 30;

    struct Variables {
        qint16 Premiere = NoCard; // the first card turned
        qint16 Seconde = NoCard;  // the second one
        qint16 Compteur = 0;      // seconds a failed pair has been on show
        // EtatCarte: true once the card belongs to a found pair.
        std::array<bool, Cards::SmallDeck> EtatCarte{};
        bool operator==(const Variables &) const = default;
    };

    CarnavalaRioRules(const GameInfo &info, CoreContext context, GameHost &host);

    FormLayout layout() const override;
    void Distribution() override;
    void load() override;
    void play() override;
    void click(int index) override;
    void hover(int index) override;
    QString placeName(int index) const override;
    void timerTick() override;

    const Variables &variables() const { return m_vars; }
    static QPoint cardPosition(int i);

protected:
    void selected(const QString &control) override;

private:
    Picture &carte(int i) { return m_table.at(FirstCarte + i); }
    Control &cboSecondes();
    static bool isCarte(int index);
    bool sameRank(int a, int b) const;
    bool allPaired() const;

    void turnUp(int i);
    void showFailedPair();
    void keepPair(int i);
    void FinDePartie();

    Variables m_vars;
};

std::unique_ptr<GameRules> MakeCarnavalaRioRules(const GameInfo &info, CoreContext context,
                                                 GameHost &host);
