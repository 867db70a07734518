// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/gamehost.h"

// The window's side for rules played headless by a tool: it keeps the prompt and nothing else.
class QuietHost final : public GameHost {
public:
    void setPrompt(const QString &text) override { m_prompt = text; }
    QString prompt() const override { return m_prompt; }
    void gameOver(bool) override {}
    void setTimer(int) override {}

private:
    QString m_prompt;
};
