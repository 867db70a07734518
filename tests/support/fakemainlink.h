// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared/gameclock.h"
#include "table/mainwindowlink.h"

// The main window as a game window sees it, with a clock that only counts calls.
class FakeMainLink final : public MainWindowLink {
public:
    void startClock() override
    {
        running = true;
        ++starts;
    }
    void stopClock() override
    {
        running = false;
        ++stops;
    }
    QString playerName() const override { return player; }
    QString clockText() const override { return clock; }
    void maximiseMainWindow() override { maximised = true; }

    bool running = false;
    int starts = 0;
    int stops = 0;
    bool maximised = false;
    QString player = QStringLiteral("JOUEUR");
    QString clock = QStringLiteral("00:02:05");
};
