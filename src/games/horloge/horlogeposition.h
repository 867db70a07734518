// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/chance/tablebook.h"

#include <array>
#include <optional>

class GameRules;

// L'horloge in a few bytes: the card and the side shown of each hour card, the centre, the
// column of kings.
struct HorlogePosition {
    static constexpr int HourCards = 48;
    static constexpr int Centre = 4;
    enum Side : qint8 { FaceDown, Placed, Wrong };

    std::array<qint8, HourCards> card{}; // card numbers of Carte(4..51)
    std::array<qint8, HourCards> side{}; // a Side
    std::array<qint8, Centre> centre{};  // card numbers of Sabot(0..3), -1 once laid as kings
    int indexSabot = Centre - 1;         // the centre card in play, -1 once the kings are found
    int kings = 0;
    bool holding = false; // the centre card in play is turned up and carried
    SharedBook book;

    static std::optional<HorlogePosition> read(const GameRules &rules);
    QList<SolverMove> moves() const;
    void play(const SolverMove &move);
    bool won() const;
    int score() const;
    bool operator==(const HorlogePosition &other) const;

private:
    bool over() const;
    // The face-down card on top of an hour's pile, as a picture, or -1.
    int topFaceDown(int hour) const;
    void layKing();
};
