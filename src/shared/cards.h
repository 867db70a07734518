// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared/decktables.h"

#include <QString>

class RandomSource;

// Card codes: rank word + "DE" + suit word ("ROIDEPIQUE", "10DECOEUR"); "" is no card.
namespace Cards {

// 1 for "AS" up to 13 for "ROI", read from the first two characters; 0 for anything else.
int CardValue(const QString &code);

// The rank word of a value: "AS" for 1, "2" to "10", "VALET", "DAME", "ROI" for 13; "" otherwise.
QString RankWord(int value);

// The last five characters: "PIQUE", "COEUR", "RREAU" (carreau), "REFLE" (trefle).
QString SuitKey(const QString &code);

bool isRed(const QString &code);

// The 52 valid codes, for checking a deal.
bool isCardCode(const QString &code);

} // namespace Cards

struct AppState;

// Fills both tables in their initial order and sets the deck size to 52.
void BuildCardTables(AppState &state);

// The shuffle rounds for a stored "melange": its number rounded, kept between 0 and the largest
// count whose loop bound (N - 1) x M still fits 16 bits for this deck (642 for 52, 1057 for 32).
qint16 ShuffleRoundsFromSetting(const QString &melange, int deckSize);

// (N - 1) x M + 1: how many exchanges one shuffle makes.
int ShuffleExchangeCount(int deckSize, int rounds);

// Shuffles Deck32 (deckNumber 32) or Deck52 (52) in place with state.deckSize and
// state.shuffleRounds, drawing from the given source after re-seeding it.
void ShuffleDeck(AppState &state, int deckNumber, RandomSource &random);
