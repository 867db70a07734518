// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What a game's rules ask of their window.
class GameHost {
public:
    virtual ~GameHost() = default;
    // The prompt line.
    virtual void setPrompt(const QString &text) = 0;
    virtual QString prompt() const = 0;
    // The common end of a game, once the rules have decided it: record, stop, and ask whether to
    // deal again.
    virtual void gameOver(bool won) = 0;
    // The rules' own timer: a tick every intervalMs milliseconds until it is set to 0.
    virtual void setTimer(int intervalMs) = 0;
};
