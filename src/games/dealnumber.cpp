// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/dealnumber.h"

#include "shared/appstate.h"
#include "shared/cards.h"

#include <utility>

namespace DealNumber {

quint64 Generator::next()
{
    m_state += 0x9E3779B97F4A7C15ull;
    quint64 z = m_state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

namespace {

QStringList initialDeck(int deckSize)
{
    AppState fresh;
    BuildCardTables(fresh);
    if (deckSize == Cards::SmallDeck)
        return QStringList(fresh.decks.deck32.begin(), fresh.decks.deck32.end());
    return QStringList(fresh.decks.deck52.begin(), fresh.decks.deck52.end());
}

QStringList draw(Generator &generator, int deckSize)
{
    QStringList deck = initialDeck(deckSize);
    for (qsizetype i = deck.size() - 1; i > 0; --i) {
        const auto j = qsizetype(generator.next() % quint64(i + 1));
        deck.swapItemsAt(i, j);
    }
    return deck;
}

} // namespace

QStringList Deck(quint32 number, int deckSize)
{
    Generator generator(number);
    return draw(generator, deckSize);
}

Generator AfterDeck(quint32 number, int deckSize)
{
    Generator generator(number);
    draw(generator, deckSize);
    return generator;
}

quint32 Parse(const QString &text)
{
    bool ok = false;
    const qulonglong value = text.trimmed().toULongLong(&ok);
    return ok && value >= First && value <= Last ? quint32(value) : 0;
}

} // namespace DealNumber

void DealRandom::beginNumbered(quint32 number, int deckSize)
{
    m_generator = DealNumber::AfterDeck(number, deckSize);
    m_numbered = true;
}

void DealRandom::endNumbered()
{
    m_numbered = false;
}

void DealRandom::reseed()
{
    if (!m_numbered)
        m_ordinary.reseed();
}

float DealRandom::next()
{
    if (!m_numbered)
        return m_ordinary.next();
    return float(m_generator.next() >> 40) * (1.0f / 16777216.0f);
}
