// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct GameRecord;
class GameSession;

// The driver of a game in progress: what the rules ask of their window (the prompt, the end of
// the game, their timer) and what the session asks of it (the clock, the question, the record).
// The window implements it, and QuietHost for every headless driver.
class GameHost {
public:
    virtual ~GameHost() = default;
    // The prompt line.
    virtual void setPrompt(const QString &text) = 0;
    virtual QString prompt() const = 0;
    // The rules have decided the game: the session playing it ends it (record, question).
    virtual void gameOver(bool won);
    // The rules' own timer: a tick every intervalMs milliseconds until it is set to 0.
    virtual void setTimer(int intervalMs) = 0;

    // A new deal is about to be laid; it lies waiting for JOUER.
    virtual void dealing() {}
    virtual void dealt() {}
    // JOUER started the game clock; a deal stopped it.
    virtual void startClock() {}
    virtual void stopClock() {}
    // A Yes/No question; the answer. Giving up a game in progress is asked with the question
    // mark; dealing again at the end, plainly.
    enum class Asking { GiveUp, DealAgain };
    virtual bool askYesNo(const QString &question, const QString &title, Asking asking) = 0;
    // A message the player must see (a log that could not be written).
    virtual void tell(const QString &) {}
    // Writes the record of a finished game; "" once written, else what went wrong.
    virtual QString record(const GameRecord &record) = 0;
    // Whether a finished game may be recorded (the demonstration's games are not).
    virtual bool mayRecord() const { return true; }
    virtual QString playerName() const { return {}; }
    // The clock as the player sees it; "" for the session's own count.
    virtual QString clockText() const { return {}; }
    // The position changed outside the player's action (the end shows its last move before the
    // question covers it; the question may deal again).
    virtual void positionChanged() {}

    // The session playing through this host, or nullptr.
    GameSession *session() const { return m_session; }

private:
    friend class GameSession;
    GameSession *m_session = nullptr;
};
