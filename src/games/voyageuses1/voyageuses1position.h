// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/chance/tablebook.h"

#include <array>
#include <optional>

class GameRules;

// Les voyageuses (1) in a few bytes: the card on each place, what each place shows, the stock.
struct Voyageuses1Position {
    static constexpr int Places = 32;
    static constexpr int StockSize = 4;
    enum State : qint8 { Unresolved, Right, Wrong };

    std::array<qint8, Places> card{};     // the own place of the card lying there, -1 for none
    std::array<qint8, Places> state{};    // a State
    std::array<qint8, StockSize> stock{}; // the own place of each stock card, -1 once empty
    int indexSabot = StockSize - 1;       // the stock card in play, -1 once the aces are home
    bool holding = false;                 // that card is turned up and carried
    SharedBook book;

    static std::optional<Voyageuses1Position> read(const GameRules &rules);
    QList<SolverMove> moves() const;
    void play(const SolverMove &move);
    bool won() const;
    int score() const;
    bool operator==(const Voyageuses1Position &other) const;
};
