// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared/randomsource.h"

#include <QStringList>
#include <QtGlobal>

// Numbered deals: one number from 1 to 4294967295 names one deal of a game on every machine and
// in every later version, so that two players can play the same cards. The function is fixed:
//
// 1. The generator is SplitMix64. Its 64-bit state starts at the deal number; each draw adds
//    0x9E3779B97F4A7C15 to the state (modulo 2^64), then mixes a copy z of it:
//    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9; z = (z ^ (z >> 27)) * 0x94D049BB133111EB;
//    z ^ (z >> 31) is the draw.
// 2. The deck starts in the initial order of the deck tables (32 or 52 cards, as the game
//    plays), then Fisher-Yates: for i from N - 1 down to 1, j = draw mod (i + 1), exchange
//    cards i and j.
// 3. The game reads the result as it reads a shuffled table: card k of the table is deck(k).
//    Whatever else the deal draws at random (a grid's own mixing, a deal tried again) comes from
//    the same generator, continued: a float in [0, 1) is the draw's top 24 bits over 2^24. The
//    deal uses 10 shuffle rounds, the default, whatever the settings say.
namespace DealNumber {

inline constexpr quint32 First = 1;
inline constexpr quint32 Last = 4294967295u;
inline constexpr qint16 ShuffleRounds = 10;

// The SplitMix64 generator of step 1.
class Generator {
public:
    explicit Generator(quint64 seed) : m_state(seed) {}
    quint64 next();

private:
    quint64 m_state;
};

// The deck of a numbered deal (steps 1 and 2): deckSize is 32 or 52.
QStringList Deck(quint32 number, int deckSize);

// The generator of a deal once its deck is drawn (after step 2).
Generator AfterDeck(quint32 number, int deckSize);

// The text of a deal number typed by a player: a whole number from 1 to 4294967295, spaces
// around it allowed; 0 for anything else.
quint32 Parse(const QString &text);

} // namespace DealNumber

// The random source of a game's deals: the given source for ordinary deals and, while a
// numbered deal is dealt, that deal's generator continued, which re-seeding leaves alone.
class DealRandom final : public RandomSource {
public:
    explicit DealRandom(RandomSource &ordinary) : m_ordinary(ordinary) {}
    // From here on the draws are those of the numbered deal, its deck already drawn.
    void beginNumbered(quint32 number, int deckSize);
    void endNumbered();
    bool numbered() const { return m_numbered; }

    void reseed() override;
    float next() override;

private:
    RandomSource &m_ordinary;
    DealNumber::Generator m_generator{0};
    bool m_numbered = false;
};
