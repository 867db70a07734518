#pragma once

#include "games/gamerules.h"

#include <array>
#include <memory>

// Les voyageuses (1): every place of a 4 x 8 grid belongs to one card of the 32-card deck. The
// cards dealt onto the ace places form a stock of four; each stock card starts a chain that
// carries every card to its own place in exchange for the face-down card lying there, until an
// ace comes home. After the fourth ace the cards still face down are turned one by one.
class Voyageuses1Rules : public GameRules {
public:
    static constexpr int Rows = 4; // one per suit
    static constexpr int Columns = 8;
    static constexpr int Places = Rows * Columns;
    static constexpr int StockSize = 4;
    static constexpr int NoStock = -1; // IndexSabot once the four aces are home

    enum class PlaceState {
        Unresolved, // still face down, or an ace place awaiting its ace
        Right,      // its own card lies there face up ("VRAI")
        Wrong,      // a wrong card was turned up there ("FAUX")
    };

    struct State {
        std::array<PlaceState, Places> EtatPlace{};
        qint16 IndexSabot = StockSize - 1;
        bool operator==(const State &) const = default;
    };

    // Picture indices in table().
    static constexpr int FirstCarte = 0;
    static constexpr int FirstSabot = FirstCarte + Places;
    static constexpr int FirstCouleur = FirstSabot + StockSize; // one suit marker per row
    static constexpr int Indicateur = 0;                        // index in table().frames

    Voyageuses1Rules(CoreContext context, GameHost &host);

    FormLayout layout() const override;
    void Distribution() override;
    void play() override;
    void applyLook(bool cardsFileExists) override;

    void click(int picture) override;
    void hover(int picture) override;
    void dragOver(int source, int target) override;
    void drop(int source, int target, QPoint topLeft) override;

    // The stock cards count too: a chain moves cards between the stock and the grid.
    QStringList cardCodes() const override;

    const State &state() const { return m_state; }
    // The card that belongs on a place: the column's rank, "DE", the row's suit.
    static QString ownCard(int place);
    // Where a place lies on the table, in twips.
    static QRect placeRect(int place);
    static bool isAcePlace(int place);
    // The place that deals the stock card k.
    static int stockSource(int k);

protected:
    // Lays the cards out from Deck32 as it stands; Distribution shuffles first.
    void dealFromDeck();

private:
    static bool isPlace(int picture);
    static bool isStock(int picture);
    bool isHeld(int picture) const;
    Picture &carte(int place) { return m_table.at(FirstCarte + place); }
    Picture &sabot(int k) { return m_table.at(FirstSabot + k); }
    Frame &indicateur() { return m_table.frames[Indicateur]; }

    void turnStockCard();
    void dropOnPlace(int source, int place);
    void revealPlace(int place);
    bool anyUnresolved() const;
    void FinDePartie();

    State m_state;
};

std::unique_ptr<GameRules> MakeVoyageuses1Rules(CoreContext context, GameHost &host);
