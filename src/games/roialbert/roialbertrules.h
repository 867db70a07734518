// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/gamerules.h"
#include "shared/cards.h"

#include <array>
#include <memory>

// Roi Albert: 45 face-up cards in nine overlapping columns of 1 to 9 and a reserve of seven that
// are all free. Cards build down in alternating colours on the exposed card of a column, a column
// moves a valid run whole, any card or run fills an empty column, and four foundations build up
// by suit from the ace. Won when the 52 cards are on the foundations. The rules keep what each
// card is part of and decide from that; the table's positions only show it.
class RoialbertRules final : public GameRules {
public:
    static constexpr int Columns = 9;
    static constexpr int Foundations = 4;
    static constexpr int ReserveSize = 7;
    static constexpr int ColumnLeft = 120;
    static constexpr int ColumnStep = 1200;
    static constexpr int ColumnTop = 120;
    static constexpr int RunStep = 600; // between a card and the one it covers in a column
    static constexpr int ReserveLeft = 10920;
    static constexpr int ReserveTop = 720;
    static constexpr int ReserveStep = 500;
    static constexpr int FoundationLeft = 12120;
    static constexpr int AwayLeft = 20000; // a card on a foundation

    // Picture indices in table().
    static constexpr int FirstCarte = 0;
    static constexpr int FirstEspaceJeu = FirstCarte + Cards::FullDeck;
    static constexpr int FirstSabot = FirstEspaceJeu + Columns;
    enum FrameIndex { Indicateur };

    // What a card is part of: a column at a depth from its head, a place of the reserve (from the
    // top, kept empty once its card has left) or a foundation.
    struct Place {
        enum class Area : quint8 { None, Column, Reserve, Foundation }; // None: not dealt yet
        Area area = Area::None;
        int index = 0; // the column, the reserve place or the foundation
        int depth = 0; // in a column
        bool operator==(const Place &) const = default;
    };
    struct Variables {
        std::array<Place, Cards::FullDeck> places{}; // of Carte(0..51)
        bool operator==(const Variables &) const = default;
    };

    RoialbertRules(const GameInfo &info, CoreContext context, GameHost &host);

    FormLayout layout() const override;
    void Distribution() override;
    void play() override;
    void doubleClick(int picture) override;
    void hover(int picture) override;
    void dragOver(int source, int target) override;
    void drop(int source, int target, QPoint topLeft) override;
    QString placeName(int picture) const override;
    QList<int> dragged(int source) const override;

    // The tag a card takes at JOUER: its value in two digits and its suit key ("01PIQUE").
    static QString ConversionEtiquette(const QString &code);
    static int columnLeft(int column) { return ColumnLeft + ColumnStep * column; }
    // Where a card of a column or of the reserve is drawn.
    static QPoint topLeft(const Place &place);

    const Variables &variables() const { return m_vars; }

private:
    // Where a drop on a target would go, decided by the same tests as the drop itself.
    enum class Landing { None, OnCard, EmptyColumn, Foundation };
    Landing landing(int source, int target) const;

    bool isCarte(int picture) const;
    const Place &placeOf(int card) const { return m_vars.places[std::size_t(card - FirstCarte)]; }
    int columnHeight(int column) const;
    bool inReserve(int card) const;
    bool inColumn(int card) const;
    bool exposed(int card) const;
    // The cards below a column card, top to bottom.
    QList<int> below(int card) const;
    bool validRun(int card) const;
    bool buildsOn(int card, int target) const;
    bool fitsFoundation(int card, int foundation) const;
    int foundationFor(int card) const;

    void moveRun(int card, int column);
    void toFoundation(int card, int foundation);
    void FinDePartie();

    Picture &carte(int i) { return m_table.at(FirstCarte + i); }
    const Picture &picture(int i) const { return m_table.at(i); }
    Frame &indicateur() { return m_table.frames[Indicateur]; }

    Variables m_vars;
};

std::unique_ptr<GameRules> MakeRoialbertRules(const GameInfo &info, CoreContext context,
                                              GameHost &host);
