// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/chance/tablebook.h"

#include <array>
#include <optional>

class GameRules;

// Les voyageuses (2) in a few bytes: the card on each place, what each place shows, the hand.
// Before the first card is picked up, every place is a move: the player's one choice.
struct Voyageuses2Position {
    static constexpr int Places = 32;
    enum State : qint8 { Unresolved, Right, Wrong };

    std::array<qint8, Places> card{};  // the own place of the card lying there, -1 for the hole
    std::array<qint8, Places> state{}; // a State
    int hand = -1;                     // the own place of the card in hand, -1 for none
    bool firstPick = true;             // no card has been picked up yet
    SharedBook book;

    static std::optional<Voyageuses2Position> read(const GameRules &rules);
    QList<SolverMove> moves() const;
    void play(const SolverMove &move);
    bool won() const;
    int score() const;
    bool operator==(const Voyageuses2Position &other) const;
};
