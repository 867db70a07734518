// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/chance/tablebook.h"

#include <QList>
#include <array>
#include <optional>

class GameRules;

// Stéphanie: the rank and length of the column on each of the nine places, the stock, and how
// many ranks are finished.
struct StephaniePosition {
    static constexpr int Columns = 9;

    struct Column {
        qint8 rank = 0;    // 0 for a free place
        qint8 count = 0;   // cards on the table
        qint8 lowest = -1; // the Carte picture at its foot, where a card is dropped
        bool operator==(const Column &) const = default;
    };
    std::array<Column, Columns> columns{};
    QList<qint8> stock;  // card numbers from Carte(9) up to the stock's top
    bool turned = false; // the top of the stock is face up
    int finishedRanks = 0;
    SharedBook book;

    static std::optional<StephaniePosition> read(const GameRules &rules);
    QList<SolverMove> moves() const;
    void play(const SolverMove &move);
    bool won() const { return finishedRanks == 13; }
    int score() const { return finishedRanks; }
    bool operator==(const StephaniePosition &other) const;

private:
    int top() const { return Columns + int(stock.size()) - 1; }
    int columnOf(int rank) const;
    int freePlace() const;
    bool stuck() const;
};
