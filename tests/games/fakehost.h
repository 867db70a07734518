#pragma once

#include "games/gamehost.h"
#include "settings/settingsstore.h"
#include "shared/appstate.h"
#include "shared/corecontext.h"
#include "shared/randomsource.h"

#include <QList>
#include <QStringList>
#include <QTemporaryDir>

// The window side of a game's rules, recorded: every prompt and every end of game.
class FakeHost final : public GameHost {
public:
    void setPrompt(const QString &text) override
    {
        prompts.append(text);
        current = text;
    }
    QString prompt() const override { return current; }
    void gameOver(bool won) override { results.append(won); }
    void setTimer(int intervalMs) override { timerInterval = intervalMs; }

    QString current;
    QStringList prompts;
    QList<bool> results; // one entry per finished game, true when won
    int timerInterval = 0;
};

// Shared state, a settings file in a temporary folder and a seeded shuffle, for rule tests.
struct RulesBench {
    explicit RulesBench(quint32 seed = 1)
        : settings(dir.filePath(QStringLiteral("test.ini"))), random(seed)
    {
        BuildCardTables(state);
        settings.write(QStringLiteral("parametres"), QStringLiteral("melange"),
                       QStringLiteral("10"));
    }
    CoreContext context() { return {state, settings, random}; }

    QTemporaryDir dir;
    AppState state;
    SettingsStore settings;
    SeededRandom random;
    FakeHost host;
};
