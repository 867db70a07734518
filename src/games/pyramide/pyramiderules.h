// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/gamerules.h"
#include "shared/cards.h"

#include <memory>

// Pyramide: 36 cards face up in a pyramid of eight overlapping rows, the other 16 in a face-down
// stock. Kings leave alone and pairs worth 13 together, but only free cards, which no card of the
// row below overlaps. A turned stock card, or a free pyramid card armed by a right press, can be
// dragged into a hole whose parents all hold a card. Won when the pyramid is empty.
class PyramideRules final : public GameRules {
public:
    static constexpr int Rows = 8;
    static constexpr int Places = Rows * (Rows + 1) / 2;
    static constexpr int Apex = 0;
    static constexpr int FirstBasePlace = Places - Rows;
    static constexpr int NoPlace = -1;
    static constexpr int NoValue = -1;
    static constexpr int King = 13; // removed alone
    static constexpr int Pair = 13; // the value of two cards removed together

    // Picture indices in table().
    static constexpr int FirstCarte = 0;
    static constexpr int FirstPlace = FirstCarte + Cards::FullDeck;
    // Indicateur(0), red: the selected card or a drop place; Indicateur(1), blue: the armed card.
    enum FrameIndex { SelectionFrame, ArmedFrame };

    static constexpr QPoint StockPosition{9720, 3600};

    struct Variables {
        qint16 Selection1 = NoPlace;
        qint16 Selection2 = NoPlace;
        qint16 ValeurSelection1 = NoValue;
        bool operator==(const Variables &) const = default;
    };

    PyramideRules(const GameInfo &info, CoreContext context, GameHost &host);

    FormLayout layout() const override;
    void Distribution() override;
    void play() override;
    void click(int index) override;
    void rightPress(int index) override;
    void hover(int index) override;
    void dragOver(int source, int target) override;
    void drop(int source, int target, QPoint topLeft) override;
    QString placeName(int picture) const override;

    const Variables &variables() const { return m_vars; }
    static QPoint placePosition(int place);
    // The places of the row below that overlap a place, and those of the row above it overlaps.
    static QList<int> coverers(int place);
    static QList<int> parents(int place);
    bool isFree(int place) const;

private:
    Picture &carte(int k) { return m_table.at(FirstCarte + k); }
    const Picture &carte(int k) const { return m_table.at(FirstCarte + k); }
    Picture &place(int i) { return m_table.at(FirstPlace + i); }
    const Picture &place(int i) const { return m_table.at(FirstPlace + i); }
    static int placeOf(int index);
    static bool isCarte(int index);
    bool occupied(int place) const { return !this->place(place).tag.isEmpty(); }
    int value(int place) const { return this->place(place).tag.toInt(); }
    int stockTop() const;
    bool canDrag(int source) const;
    bool canDropOn(int source, int target) const;
    bool removalPossible() const;

    void ConversionValeurs(int first, int last);
    void turnStockCard(int index);
    void selectCard(int at);
    void emptyPlace(int at);
    void hideFrames();
    void FinDePartie();

    Variables m_vars;
};

std::unique_ptr<GameRules> MakePyramideRules(const GameInfo &info, CoreContext context,
                                             GameHost &host);
