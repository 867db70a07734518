// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/chance/tablebook.h"

#include <QList>
#include <optional>

class GameRules;

// L'annonce: the cards still in the face-down pile, the rank called next, and whether a card has
// already matched its call.
struct AnnoncePosition {
    QList<qint8> pile; // card numbers from Carte(0) up to the top of the pile
    int call = 0;      // the rank called next, 1 (AS) to 13 (ROI)
    bool matched = false;
    SharedBook book;

    static std::optional<AnnoncePosition> read(const GameRules &rules);
    QList<SolverMove> moves() const;
    void play(const SolverMove &move);
    bool won() const { return !matched && pile.isEmpty(); }
    int score() const { return matched ? 52 - int(pile.size()) - 1 : 52 - int(pile.size()); }
    bool operator==(const AnnoncePosition &other) const;
};
