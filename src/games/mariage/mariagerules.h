// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/line/linerules.h"

#include <memory>

// Mariage: dealt from the queen of hearts to the king of hearts. One card between two cards of
// the same rank or suit, or two neighbours between two such cards, are selected and removed with
// SUPPRIMER. Won when the queen and the king of hearts are the only cards left, side by side.
class MariageRules final : public LineRules {
public:
    // Places 52 and 53 show as the two empty places after a full line.
    static constexpr int Places = Cards::FullDeck + 2;
    static constexpr int NoSelection = -1;
    enum FrameIndex { Indicateur0, Indicateur1 }; // around the first and the second selected card
    static constexpr const char *Supprimer = "Boutons(4)";

    struct Variables {
        int Selection1 = NoSelection; // places of the selected cards
        int Selection2 = NoSelection;
        bool operator==(const Variables &) const = default;
    };

    MariageRules(const GameInfo &info, CoreContext context, GameHost &host);

    void hover(int picture) override;
    // SUPPRIMER
    void press(const QString &name) override;

    const Variables &variables() const { return m_vars; }
    // The card may be selected: alone, or with the card before or after it, it lies between two
    // alike cards. The king of hearts is always last, so it never may.
    bool removable(int place) const;
    bool choosing() const override { return m_vars.Selection1 != NoSelection; }

protected:
    void cardClicked(int place) override;
    void resetChoice() override;
    bool canPlay() const override;

private:
    Control &supprimer() { return *m_table.control(QString::fromLatin1(Supprimer)); }
    void choose(int place, FrameIndex frame, const QString &prompt);
    void SupprimerCartes(int first, int count);
    // The first selected card may go on its own, between two alike cards.
    bool aloneRemovable() const;

    Variables m_vars;
};

std::unique_ptr<GameRules> MakeMariageRules(const GameInfo &info, CoreContext context,
                                            GameHost &host);
