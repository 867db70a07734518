// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/tablemodel.h"
#include "shared/cards.h"

#include <QStringList>

// A line of up to 52 cards over a run of pictures of a table model, read like a text over rows of
// ten places. The stock deals its cards one by one to the first empty place; when cards leave,
// the later ones move back and the line stays without gaps. A place holds a card when its tag
// names it; the name, the face and the border always move together.
class CardLine {
public:
    static constexpr int Columns = 10;
    static constexpr int Capacity = Cards::FullDeck; // places that ever hold a card
    static constexpr int StockEmpty = -1;            // ProchaineCarte once everything is dealt
    static constexpr int NoPlace = -1;

    struct Variables {
        QStringList deal;                // the deal list, dealt from its end
        int prochaineCarte = StockEmpty; // ProchaineCarte: the next card of the deal list
        QStringList gone;                // the cards that left the game, in order
        bool operator==(const Variables &) const = default;
    };

    // places pictures from first on, the first 52 of which can hold cards; the others only read
    // as empty places after the line. Dealt cards carry a border when borders is set.
    CardLine(TableModel &table, int first, int places, bool borders);

    static QPoint placePosition(int place);

    // Empties every place, lays out and shows the first shown ones, hides the others, and takes
    // a new deal list.
    void reset(int shown, QStringList deal);
    const Variables &variables() const { return m_vars; }
    // For the rules, which keep it in their snapshots.
    Variables &variables() { return m_vars; }
    bool stockEmpty() const { return m_vars.prochaineCarte == StockEmpty; }
    // Deals the next card of the stock to the first empty place and returns that place, or
    // NoPlace when the stock is empty.
    int dealNext();

    // The picture of a place and the place of a picture (NoPlace for any other picture).
    int picture(int place) const { return m_first + place; }
    int placeOf(int picture) const;

    // A place outside the line reads as empty.
    bool holds(int place) const;
    QString card(int place) const;
    int length() const;
    // Both places hold cards of the same rank or of the same suit.
    bool alike(int a, int b) const;
    // The span cards from place lie between two alike cards.
    bool framed(int place, int span) const;
    bool anyFramed(int span) const;

    // The count cards from place leave the game and the cards after them move back.
    void closeUp(int place, int count);

    // Every card of the game: in the line, in the stock and gone.
    QStringList cards() const;

private:
    Picture &at(int place) { return m_table.at(m_first + place); }
    const Picture &at(int place) const { return m_table.at(m_first + place); }
    void put(int place, const QString &code);
    void empty(int place);

    TableModel &m_table;
    int m_first;
    int m_places;
    bool m_borders;
    Variables m_vars;
};
