// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/gamerules.h"
#include "games/line/cardline.h"

// What the games played on one line of cards share: the line and the stock beside it, the deal,
// JOUER, a click on the stock and the end check. A game adds its deal order and its move.
class LineRules : public GameRules {
public:
    enum class Order {
        Shuffled,           // as the deck was shuffled
        QueenFirstKingLast, // the queen of hearts dealt first, the king of hearts last
    };
    struct Setup {
        int places = Cards::FullDeck + 1;      // Carte(0..places - 1)
        int shownPlaces = Cards::FullDeck + 1; // laid out and shown; the others stay hidden
        bool borders = false;                  // dealt cards carry the single-line border
        Order order = Order::Shuffled;
        int frames = 1; // Indicateur frames
        QSize infoSize{1215, 3030};
        // The prompt as each card comes from the stock.
        QString dealPrompt =
            QStringLiteral("Cliquez sur la carte ci-dessous pour ajouter celle-ci dans le jeu.");
    };

    static constexpr int FirstCarte = 0;
    // The column of lblInfo, the stock and the buttons, in twips.
    static constexpr int SideLeft = 12120;

    LineRules(const GameInfo &info, CoreContext context, GameHost &host, const Setup &setup);

    FormLayout layout() const override;
    void Distribution() override;
    void play() override;
    void click(int picture) override;
    QString placeName(int picture) const override;
    // The line, the stock and the cards that left the game.
    QStringList cardCodes() const override;

    const CardLine &line() const { return m_line; }
    // The picture of Sabot, after the places.
    int sabot() const { return m_setup.places; }
    // The deal list with the king of hearts moved to its start and the queen of hearts to its
    // end, each by exchange with the card found there; the list is dealt from its end.
    static QStringList queenFirstKingLast(QStringList deal);
    // Cards are selected and wait for the game's button (Mariage).
    virtual bool choosing() const { return false; }

protected:
    // A click on a place of the line.
    virtual void cardClicked(int) {}
    // Drops what the player chose: at the deal and before a card comes from the stock.
    virtual void resetChoice();
    // A move is left in the line.
    virtual bool canPlay() const = 0;
    void FinDePartie();

    CardLine m_line;

private:
    void Sabot_Click();
    bool won() const;

    Setup m_setup;
};

// A line game whose move drags a card lying between two alike cards onto one of its two
// neighbours; one of the two cards leaves the game.
class SlideRules : public LineRules {
public:
    struct Slide {
        int target = -1;            // the neighbour it is dropped on: -1 before it, 1 after it
        bool draggedLeaves = false; // the dragged card leaves; otherwise the card under it
        QString prompt;             // over a card that may be dragged
    };
    enum FrameIndex { Indicateur };

    SlideRules(const GameInfo &info, CoreContext context, GameHost &host, const Setup &setup,
               Slide slide);

    void hover(int picture) override;
    void dragOver(int source, int target) override;
    void drop(int source, int target, QPoint topLeft) override;

protected:
    bool canPlay() const override;

private:
    // Whether the rules allow, at this moment, the source picture onto the target picture.
    bool allowed(int source, int target) const;

    Slide m_slide;
};
