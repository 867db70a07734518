#include "games/gamerules.h"

#include "games/gamecatalog.h"
#include "games/recordstatistic.h"
#include "settings/settingkeys.h"
#include "settings/settingsstore.h"
#include "shared/appstate.h"
#include "shared/recordlog.h"

GameRules::GameRules(const GameInfo &info, CoreContext context, GameHost &host)
    : m_context(context), m_host(host), m_info(info)
{
}

void GameRules::shuffle()
{
    AppState &state = m_context.state;
    const int deck = m_info.deckSize;
    state.shuffleRounds =
        ShuffleRoundsFromSetting(m_context.settings.parameter(Settings::Melange), deck);
    state.deckSize = qint16(deck);
    ShuffleDeck(state, deck, m_context.random);
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
