#include "games/gamerules.h"

#include "games/gamecatalog.h"
#include "games/gamehost.h"
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
    m_host.setPrompt(won ? QStringLiteral("BRAVO, vous avez gagné...")
                         : QStringLiteral("DESOLE, vous avez perdu..."));
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
