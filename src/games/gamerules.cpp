// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/gamerules.h"

#include "games/gamehost.h"
#include "games/gameinfo.h"
#include "games/recordstatistic.h"
#include "settings/settingkeys.h"
#include "settings/settingsstore.h"
#include "shared/appstate.h"
#include "shared/cards.h"
#include "shared/recordlog.h"

#include <QCoreApplication>

GameRules::GameRules(const GameInfo &info, CoreContext context, GameHost &host)
    : m_dealRandom(context.random), m_context{context.state, context.settings, m_dealRandom},
      m_host(host), m_info(info)
{
}

void GameRules::deal(quint32 number)
{
    m_dealNumber = number;
    m_numberedDeckLaid = false;
    if (number != 0)
        m_dealRandom.beginNumbered(number, m_info.deckSize);
    Distribution();
    m_dealRandom.endNumbered();
}

void GameRules::shuffle()
{
    AppState &state = m_context.state;
    const int deck = m_info.deckSize;
    state.deckSize = qint16(deck);
    if (!m_dealRandom.numbered()) {
        // A game that deals again by itself (a new family chosen) deals an ordinary deal.
        m_dealNumber = 0;
        state.shuffleRounds =
            ShuffleRoundsFromSetting(m_context.settings.parameter(Settings::Melange), deck);
        ShuffleDeck(state, deck, m_context.random);
        return;
    }
    // A numbered deal lays its own deck; a deal that shuffles again goes on from it with the
    // deal's generator.
    state.shuffleRounds = DealNumber::ShuffleRounds;
    if (m_numberedDeckLaid) {
        ShuffleDeck(state, deck, m_context.random);
        return;
    }
    const QStringList cards = DealNumber::Deck(m_dealNumber, deck);
    for (qsizetype k = 0; k < cards.size(); ++k) {
        QString &slot = deck == Cards::SmallDeck ? state.decks.deck32[std::size_t(k)]
                                                 : state.decks.deck52[std::size_t(k)];
        slot = cards.at(k);
    }
    m_numberedDeckLaid = true;
}

RulesSnapshot GameRules::snapshot() const
{
    RulesSnapshot taken{m_table, {}, m_timerInterval};
    taken.variables.reserve(m_kept.size());
    for (const KeptVariable &kept : m_kept)
        taken.variables.push_back(kept.save());
    return taken;
}

void GameRules::restore(const RulesSnapshot &snapshot)
{
    m_table = snapshot.table;
    for (std::size_t i = 0; i < m_kept.size() && i < snapshot.variables.size(); ++i)
        m_kept[i].load(*snapshot.variables[i]);
    if (snapshot.timerInterval != m_timerInterval) {
        m_timerInterval = snapshot.timerInterval;
        m_host.setTimer(m_timerInterval);
    }
}

const QString &GameRules::dealt(int index) const
{
    const DeckTables &decks = m_context.state.decks;
    return m_info.deckSize == Cards::SmallDeck ? decks.deck32[std::size_t(index)]
                                               : decks.deck52[std::size_t(index)];
}

bool GameRules::inProgress() const
{
    return m_context.state.gameInProgress;
}

QStringList GameRules::statistic() const
{
    return StatisticLines(
        QString::fromUtf8(m_info.caption), m_table, m_context.state.deckSize,
        [this](const QString &control) { return controlText(control); }, RecordLocale());
}

QString GameRules::controlText(const QString &name) const
{
    const Control *control = m_table.control(name);
    return control ? control->text : QString();
}

void GameRules::select(const QString &name, int entry)
{
    Control *control = m_table.control(name);
    if (!control || entry < 0 || entry >= control->entries.size())
        return;
    control->current = entry;
    control->text = control->entries.at(entry);
    selected(name);
}

QStringList GameRules::cardCodes() const
{
    return cardsIn({QStringLiteral("Carte")});
}

QStringList GameRules::cardsIn(const QStringList &groups) const
{
    QStringList codes;
    for (const QString &name : groups) {
        const PictureGroup *group = m_table.group(name);
        if (!group)
            continue;
        for (int i = group->first; i < group->first + group->count; ++i) {
            if (!m_table.at(i).card.isEmpty())
                codes.append(m_table.at(i).card);
        }
    }
    return codes;
}

void GameRules::endGame(bool won)
{
    m_host.setPrompt(won ? QCoreApplication::translate("GameRules", "BRAVO, vous avez gagné...")
                         : QCoreApplication::translate("GameRules", "DESOLE, vous avez perdu..."));
    m_host.gameOver(won);
}

void GameRules::startTimer(int intervalMs)
{
    m_timerInterval = intervalMs;
    m_host.setTimer(intervalMs);
}

void GameRules::stopTimer()
{
    m_timerInterval = 0;
    m_host.setTimer(0);
}

QString GameRules::gameSetting(const char *key) const
{
    return m_context.settings.read(QString::fromUtf8(m_info.caption), QString::fromUtf8(key));
}

bool GameRules::setGameSetting(const char *key, const QString &value)
{
    return m_context.settings.write(QString::fromUtf8(m_info.caption), QString::fromUtf8(key),
                                    value);
}

int GameRules::storedNumber(const char *key, int min, int max)
{
    bool ok = false;
    const int stored = gameSetting(key).trimmed().toInt(&ok);
    if (ok && stored >= min && stored <= max)
        return stored;
    const QString fallback = Settings::gameDefault(m_info.caption, key);
    setGameSetting(key, fallback);
    return fallback.toInt();
}
