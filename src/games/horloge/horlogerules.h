// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/gamerules.h"
#include "shared/cards.h"

#include <memory>

// L'horloge: twelve piles of four face-down cards stand like the hours of a clock, each hour
// owning one rank (aces to queens); four more cards make the centre. The top centre card is
// turned and carried to the pile of its rank, whose top face-down card is taken in exchange and
// carried in turn. A king has no hour: it goes to the column of kings and ends the chain, and the
// next centre card starts a new one. After the fourth king the cards still face down are turned.
class HorlogeRules final : public GameRules {
public:
    static constexpr int Hours = 12;
    static constexpr int PileSize = 4;
    static constexpr int Kings = 4;
    static constexpr int NoCentre = -1; // IndexSabot once the four kings are found

    struct Variables {
        qint16 IndexSabot = Kings - 1; // the centre card in play
        qint16 NbRois = 0;             // kings laid in the column
        bool operator==(const Variables &) const = default;
    };

    // Picture indices in table(): Carte(0..3) are the column of kings, Carte(4h..4h + 3) the pile
    // of hour h, then the centre Sabot(0..3).
    static constexpr int FirstCarte = 0;
    static constexpr int FirstHourCard = FirstCarte + Kings;
    static constexpr int FirstSabot = FirstCarte + Cards::FullDeck;
    static constexpr int Indicateur = 0; // index in table().frames

    // Where the centre card being carried lies, in twips.
    static constexpr QPoint HandPosition{4560, 3000};
    // How far right a card turned up on its pile lies.
    static constexpr int TurnedShift = 100;

    HorlogeRules(const GameInfo &info, CoreContext context, GameHost &host);

    FormLayout layout() const override;
    void Distribution() override;
    void play() override;

    void click(int picture) override;
    void dragOver(int source, int target) override;
    void drop(int source, int target, QPoint topLeft) override;
    QString placeName(int picture) const override;

    // The cards of the clock, the column of kings and the centre.
    QStringList cardCodes() const override;

    const Variables &variables() const { return m_vars; }
    // The hour of a pile card, 1 to 12.
    static int hourOf(int picture);
    // Whether a card has the rank of an hour; a king belongs to none.
    static bool belongsTo(const QString &card, int hour);
    // Where the pile of an hour lies, in twips.
    static QPoint pilePosition(int hour);

private:
    static bool isHourCard(int picture);
    bool isFaceDown(int picture) const;
    bool isHeld(int picture) const;
    bool accepts(int source, int target) const;
    Picture &carte(int index) { return m_table.at(FirstCarte + index); }
    Picture &sabot(int k) { return m_table.at(FirstSabot + k); }
    Frame &indicateur() { return m_table.frames[Indicateur]; }

    void turnCentreCard();
    void placeCard(int source, int target);
    void layKing(int source, const QString &goOn);
    void turnHourCard(int picture);
    bool onlyKingsInCentre() const;
    void FinDePartie();

    Variables m_vars;
};

std::unique_ptr<GameRules> MakeHorlogeRules(const GameInfo &info, CoreContext context,
                                            GameHost &host);
