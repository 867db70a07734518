#pragma once

#include <QString>
#include <optional>

// The long-run chance of winning a game of pure chance, every order of the deck being as likely.
struct ExactOdds {
    double probability = 0;
    QString fraction; // "p/q" in lowest terms, or "" when the method gives no exact fraction
};

// The exact odds of a game of pure chance by its menu name ("L'horloge"), nothing for any other
// game. Counted once, at the first call, then kept.
std::optional<ExactOdds> ChanceOdds(const QString &menuName);

// The exact probability written out, truncated to that many significant digits ("0,2028...").
QString ChanceOddsDecimals(const QString &menuName, int significant);

// "Chances de gagner : 30,80 %", or "" for a game without odds.
QString ChanceOddsSummary(const QString &menuName);
