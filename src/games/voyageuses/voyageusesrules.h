// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/gamerules.h"

#include <array>

// What both games of voyageuses share: a grid of four rows and eight columns whose every place
// belongs to one card of the 32-card deck (the row gives the suit, the column the rank), the suit
// markers at the start of the rows, the red frame around the one place the card in hand may go
// to, and the cards left face down that are turned one by one once the chains are over.
class VoyageusesRules : public GameRules {
public:
    static constexpr int Rows = 4; // one per suit
    static constexpr int Columns = 8;
    static constexpr int Places = Rows * Columns;

    enum class PlaceState {
        Unresolved, // still face down (or empty, awaiting its own card)
        Right,      // its own card lies there face up ("VRAI")
        Wrong,      // a wrong card was turned up there, or the place is a hole ("FAUX")
    };
    using PlaceStates = std::array<PlaceState, Places>;

    // Picture indices in table().
    static constexpr int FirstCarte = 0;
    static constexpr int FirstCouleur = FirstCarte + Places; // one suit marker per row
    static constexpr int FirstHand = FirstCouleur + Rows;    // the game's stock or hand
    static constexpr int Indicateur = 0;                     // index in table().frames

    // The card that belongs on a place: the column's rank, "DE", the row's suit.
    static QString ownCard(int place);
    static bool isPlace(int picture);

    void applyLook(bool cardsFileExists) override;
    // The grid and the hand: a chain moves cards between them.
    QStringList cardCodes() const override;
    // Only a place re-evaluates the frame: moving on to anything else leaves it as it was.
    void dragOver(int source, int target) override;

protected:
    // Where the grid, its suit markers and the column on its right (lblInfo, the hand and the
    // buttons) begin.
    struct Lefts {
        int grid;
        int markers;
        int side;
    };
    // hand names the group of the pictures that hold the card in hand, of which there are
    // handCount.
    VoyageusesRules(const GameInfo &info, CoreContext context, GameHost &host, Lefts lefts,
                    const QString &hand, int handCount);

    // The window's controls in the column right of the grid.
    FormLayout sideColumn(QSize area, int infoTop, QSize infoSize) const;

    // Whether a picture is the card in hand, which the player drags.
    virtual bool isHeld(int picture) const = 0;
    // Where a place of the grid or a suit marker lies, for a screen reader, with the card the
    // place belongs to; "" for any other picture.
    static QString gridPlaceName(int picture);

    Picture &carte(int place) { return m_table.at(FirstCarte + place); }
    Frame &indicateur() { return m_table.frames[Indicateur]; }

    // Lays the dealt cards face down on the places, in deck order.
    void layGrid();
    // Hides the frame, then tells whether the card held in source may go down on a place.
    bool goesHome(int source, int place);
    // Turns up the card on a place and marks the place right or wrong.
    void reveal(int place, PlaceStates &etat);
    static bool anyUnresolved(const PlaceStates &etat);
    // Once no place is unresolved the game is won when every place is right, else lost; false
    // while the game goes on.
    bool endWhenResolved(const PlaceStates &etat);

private:
    const Lefts m_lefts;
    const QString m_hand;
};
