// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/gamehistory.h"

#include "games/gamehost.h"
#include "games/gamerules.h"

#include <cstring>

UndoPolicy UndoPolicyFor(const char *windowName)
{
    static constexpr const char *Memory[] = {"frmCarnavalaRio"};
    static constexpr const char *Chance[] = {"frmVoyageuses1", "frmVoyageuses2", "frmAnnonce",
                                             "frmHorloge", "frmStephanie"};
    for (const char *name : Memory) {
        if (std::strcmp(name, windowName) == 0)
            return UndoPolicy::Refused;
    }
    for (const char *name : Chance) {
        if (std::strcmp(name, windowName) == 0)
            return UndoPolicy::None;
    }
    return UndoPolicy::Allowed;
}

QString UndoRefusedMessage()
{
    return QStringLiteral("Carnaval à Rio est un jeu de mémoire : on ne peut pas y annuler un "
                          "coup.");
}

GameHistory::GameHistory(GameRules &rules, GameHost &host) : m_rules(rules), m_host(host) {}

GameSnapshot GameHistory::capture() const
{
    return {m_rules.snapshot(), m_host.prompt()};
}

void GameHistory::restore(const GameSnapshot &snapshot)
{
    m_rules.restore(snapshot.rules);
    m_host.setPrompt(snapshot.prompt);
}

void GameHistory::start()
{
    forget();
    m_states.push_back(capture());
}

void GameHistory::forget()
{
    m_states.clear();
    m_current = 0;
    ++m_generation;
}

void GameHistory::act(const std::function<void()> &action)
{
    if (!active()) {
        action();
        return;
    }
    const unsigned generation = m_generation;
    const RulesSnapshot before = m_rules.snapshot();
    action();
    if (generation != m_generation || !active())
        return;
    GameSnapshot after = capture();
    if (after.rules.samePosition(before))
        return;
    m_states.resize(m_current + 1);
    m_states.push_back(std::move(after));
    ++m_current;
}

void GameHistory::undo()
{
    if (!canUndo())
        return;
    --m_current;
    restore(m_states[m_current]);
}

void GameHistory::redo()
{
    if (!canRedo())
        return;
    ++m_current;
    restore(m_states[m_current]);
}

void GameHistory::adopt(const GameHistory &other)
{
    m_states = other.m_states;
    m_current = other.m_current;
    ++m_generation;
}
