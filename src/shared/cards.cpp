// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/cards.h"

#include "shared/appstate.h"
#include "shared/randomsource.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <span>

#include "settings/settingvalues.h"

namespace Cards {

namespace {

const QString &suitWord(int suit)
{
    static const std::array<QString, 4> words{QStringLiteral("TREFLE"), QStringLiteral("CARREAU"),
                                              QStringLiteral("COEUR"), QStringLiteral("PIQUE")};
    return words[std::size_t(suit)];
}

QString code(const QString &rank, int suit)
{
    return rank + QStringLiteral("DE") + suitWord(suit);
}

} // namespace

int CardValue(const QString &code)
{
    static const std::array<QString, 13> prefixes{
        QStringLiteral("AS"), QStringLiteral("2D"), QStringLiteral("3D"), QStringLiteral("4D"),
        QStringLiteral("5D"), QStringLiteral("6D"), QStringLiteral("7D"), QStringLiteral("8D"),
        QStringLiteral("9D"), QStringLiteral("10"), QStringLiteral("VA"), QStringLiteral("DA"),
        QStringLiteral("RO")};
    const QString prefix = code.left(2).toUpper();
    const auto it = std::find(prefixes.begin(), prefixes.end(), prefix);
    return it == prefixes.end() ? 0 : int(it - prefixes.begin()) + 1;
}

QString RankWord(int value)
{
    static const std::array<QString, 13> words{
        QStringLiteral("AS"), QStringLiteral("2"),  QStringLiteral("3"),     QStringLiteral("4"),
        QStringLiteral("5"),  QStringLiteral("6"),  QStringLiteral("7"),     QStringLiteral("8"),
        QStringLiteral("9"),  QStringLiteral("10"), QStringLiteral("VALET"), QStringLiteral("DAME"),
        QStringLiteral("ROI")};
    return value >= 1 && value <= int(words.size()) ? words[std::size_t(value - 1)] : QString();
}

QString SuitKey(const QString &code)
{
    return code.right(5);
}

bool isRed(const QString &code)
{
    const QString key = SuitKey(code);
    return key == QLatin1String("COEUR") || key == QLatin1String("RREAU");
}

bool isCardCode(const QString &candidate)
{
    static const auto all = [] {
        AppState state;
        BuildCardTables(state);
        return state.decks.deck52;
    }();
    return std::find(all.begin(), all.end(), candidate) != all.end();
}

} // namespace Cards

void BuildCardTables(AppState &state)
{
    using namespace Cards;
    // Ranks 7 to roi, then the ace.
    constexpr int Ace = 1;
    constexpr int Highest = 13;
    for (int i = 0; i < SmallDeck; ++i) {
        const int value = i % 8 + 7;
        state.decks.deck32[std::size_t(i)] = code(RankWord(value > Highest ? Ace : value), i / 8);
    }
    std::copy(state.decks.deck32.begin(), state.decks.deck32.end(), state.decks.deck52.begin());
    // Then the low ranks 2 to 6, suit by suit: trefle, pique, carreau, coeur.
    constexpr std::array<int, 4> lowSuitOrder{0, 3, 1, 2};
    std::size_t index = SmallDeck;
    for (int suit : lowSuitOrder) {
        for (int rank = 2; rank <= 6; ++rank)
            state.decks.deck52[index++] = code(QString::number(rank), suit);
    }
    state.deckSize = FullDeck;
}

qint16 ShuffleRoundsFromSetting(const QString &melange, int deckSize)
{
    const qint64 highest = std::numeric_limits<qint16>::max() / std::max(1, deckSize - 1);
    return qint16(Settings::roundHalfEven(Settings::numericValue(melange), 0, highest));
}

int ShuffleExchangeCount(int deckSize, int rounds)
{
    return (deckSize - 1) * rounds + 1;
}

void ShuffleDeck(AppState &state, int deckNumber, RandomSource &random)
{
    std::span<QString> deck = deckNumber == Cards::SmallDeck
                                  ? std::span<QString>(state.decks.deck32)
                                  : std::span<QString>(state.decks.deck52);
    // A deck size that does not match the table would index past its end: use the table's.
    const int n = state.deckSize == int(deck.size()) ? state.deckSize : int(deck.size());
    const int rounds =
        std::clamp<int>(state.shuffleRounds, 0, std::numeric_limits<qint16>::max() / (n - 1));
    random.reseed();
    const int exchanges = ShuffleExchangeCount(n, rounds);
    for (int k = 0; k < exchanges; ++k) {
        const int a = k % n;
        const float drawn = float(n - 1) * random.next();
        const int j = std::clamp(int(std::nearbyint(drawn)), 0, n - 1);
        std::swap(deck[std::size_t(a)], deck[std::size_t(j)]);
    }
}
