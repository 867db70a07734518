// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solver/odds/bignumber.h"

#include <QString>

// The long-run chance of winning a game of pure chance, every order of the deck being as likely.
struct ExactOdds {
    double probability = 0;
    QString fraction; // "p/q" in lowest terms, or "" when the method gives no exact fraction
};

ExactOdds OddsOf(const ExactFraction &share);

// "Chances de gagner : 30,80 %".
QString OddsSummary(const ExactFraction &share);
