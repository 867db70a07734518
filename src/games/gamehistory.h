// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/rulessnapshot.h"

#include <QString>
#include <cstddef>
#include <functional>
#include <vector>

class GameRules;
class GameHost;

// Which games let the player take moves back.
enum class UndoPolicy {
    Allowed,
    Refused, // a memory game: undo would show the cards again, so the player is told no
    None,    // a game of pure chance: the forced moves leave nothing to undo
};
UndoPolicy UndoPolicyFor(const char *windowName);
// What the player is told when undo is refused.
QString UndoRefusedMessage();

// A game at one moment: its rules and the prompt line.
struct GameSnapshot {
    RulesSnapshot rules;
    QString prompt;
    bool operator==(const GameSnapshot &) const = default;
};

// The moves of the game in progress, as whole snapshots, so every game gets undo without any
// code of its own. The history starts at JOUER and is forgotten at the end of the game and at
// every deal, so undo never crosses them. One action of the player that changes the position is
// one step; hovers, drags over the table and the rules' timer make no step.
class GameHistory {
public:
    GameHistory(GameRules &rules, GameHost &host);

    GameSnapshot capture() const;
    // Puts a snapshot back: table, variables, timer and prompt.
    void restore(const GameSnapshot &snapshot);

    // JOUER has been played: the position now is the first of the history.
    void start();
    // Nothing to undo or redo any more.
    void forget();
    bool active() const { return !m_states.empty(); }

    // Runs one action of the player; it becomes a step when it changed the position and the
    // history was not forgotten meanwhile (the game ended or was dealt again). A step drops the
    // steps that could be redone.
    void act(const std::function<void()> &action);

    bool canUndo() const { return m_current > 0; }
    bool canRedo() const { return m_current + 1 < m_states.size(); }
    void undo();
    void redo();
    // Takes the positions and the place in them of another history of the same game.
    void adopt(const GameHistory &other);
    // Positions held, the first included.
    std::size_t size() const { return m_states.size(); }

private:
    GameRules &m_rules;
    GameHost &m_host;
    std::vector<GameSnapshot> m_states;
    std::size_t m_current = 0;
    unsigned m_generation = 0; // counts forget(), so act() sees an end during its action
};
