// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/gamehistory.h"
#include "games/gamerules.h"
#include "games/sessionlog.h"
#include "shared/corecontext.h"

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <functional>
#include <memory>

struct GameInfo;
class GameHost;
class QuietHost;

// One game in progress, without any widget: its rules, its deal, JOUER, the undo history, the
// clock's count and the common end (record, question, deal again), and the log that resumes it
// after the program stops. The window, the tools, the benchmarks and the tests all play through
// one; its host is theirs.
class GameSession {
public:
    GameSession(const GameInfo &info, CoreContext context, GameHost &host);
    ~GameSession();
    GameSession(const GameSession &) = delete;
    GameSession &operator=(const GameSession &) = delete;

    const GameInfo &info() const { return m_info; }
    GameRules &rules() { return *m_rules; }
    const GameRules &rules() const { return *m_rules; }

    // The window opens: the first deal (numbered for a number from 1), then the game's own
    // settings.
    void open(quint32 number = 0);
    // Before a deal over a game in progress, the question whether to give it up; true when
    // there is none or the answer is Yes.
    bool mayDealAgain();
    // A new deal waiting for JOUER: the numbered deal for a number from 1, else a shuffle.
    void deal(quint32 number = 0);
    // The cards of the last deal again, as dealt (or as JOUER found them).
    void replayDeal();
    // JOUER.
    void play();
    // "Arrêter le jeu": the game in progress stops; nothing is recorded.
    void stop();
    bool waitingForPlay() const { return m_waiting; }
    bool inProgress() const;

    // The player's actions. One that changes the position is a step of the history.
    void click(int picture);
    void doubleClick(int picture);
    void rightPress(int picture);
    void drop(int picture, int target, QPoint at);
    void select(const QString &control, int entry);
    void press(const QString &control);
    // What makes no step: the mouse passing over the table, the rules' timer.
    void hover(int picture);
    void dragOver(int picture, int target);
    void timerTick();
    // Any recorded input, as the session received it.
    void apply(const SessionEvent &event);

    // Whether the moves are kept for undo (the window's way); a tool that only plays leaves them.
    void keepUndo(bool keep) { m_keepUndo = keep; }
    UndoPolicy undoPolicy() const;
    bool canUndo() const;
    bool canRedo() const;
    void undo();
    void redo();
    // The undo history, for the tests of its steps.
    GameHistory &history() { return m_history; }

    // The rules decided the game: record it (unless the host says not), stop, and ask whether
    // to deal again.
    void gameOver(bool won);

    // What resumes the game in progress: its log, with the clock's count and the position now.
    SessionLog saved() const;
    // Puts back the game in progress a log recorded, played again through the rules away from
    // the host. False, with nothing changed, when the log does not give a game of this one in
    // progress, exactly as it recorded it.
    bool resume(const SessionLog &log);
    // A copy of the game in progress, played again from its log away from the host and the
    // player's files, handed to use with its quiet host while it lasts: moves tried on it change
    // nothing here. False, without a call, when there is no game in progress to copy.
    bool rehearse(const std::function<void(GameSession &, const QuietHost &)> &use) const;
    // What identifies the position shown, whatever the language: the cards, the controls'
    // states, the frames and the timer.
    QByteArray positionDigest() const;

private:
    struct Replay;
    std::unique_ptr<Replay> replay(const SessionLog &log) const;
    void beginLog(SessionLog::DealKind kind, quint32 number);
    void afterDeal();
    void act(const SessionEvent &event, const std::function<void()> &action);
    void note(const SessionEvent &event);
    bool couldReceive(const SessionEvent &event) const;

    const GameInfo &m_info;
    CoreContext m_outer;
    GameHost &m_host;
    SessionLog m_log;
    RecordingRandom m_random;
    std::unique_ptr<GameRules> m_rules;
    GameHistory m_history;
    GameSnapshot m_dealt; // the last deal as dealt, or as JOUER found it
    std::size_t m_dealtEvents = 0;
    std::size_t m_dealtDraws = 0;
    bool m_waiting = false;
    bool m_keepUndo = true;
};
