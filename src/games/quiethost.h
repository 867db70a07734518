// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/gamehost.h"
#include "shared/recordlog.h"

#include <QList>
#include <QStringList>
#include <functional>

struct AppState;

// The window's side for a game played headless, by a tool, a benchmark or a test: it keeps the
// prompt, the verdicts, the questions and the records, and answers the questions as told (No by
// default).
class QuietHost final : public GameHost {
public:
    void setPrompt(const QString &text) override { current = text; }
    QString prompt() const override { return current; }
    // Kept in results; a session ends the game, else the game in progress of state stops.
    void gameOver(bool won) override;
    void setTimer(int intervalMs) override { timerInterval = intervalMs; }
    bool askYesNo(const QString &question, const QString &, Asking) override;
    // Kept in records; written to logPath when one is set.
    QString record(const GameRecord &record) override;
    QString playerName() const override { return player; }
    void dealt() override
    {
        if (onDealt)
            onDealt();
    }

    QString current;
    QList<bool> results; // one entry per finished game, true when won
    QList<GameRecord> records;
    QStringList questions;
    int timerInterval = 0;
    std::function<bool(const QString &question)> answer;
    std::function<void()> onDealt;
    QString logPath;
    QString player;
    // For rules played without a session: the end stops this game in progress.
    AppState *state = nullptr;
};
