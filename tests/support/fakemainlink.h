// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "table/mainwindowlink.h"

// The main window as a game window sees it: the player JOUEUR, a clock that reads 00:02:05 and
// only tells whether it runs.
class FakeMainLink final : public MainWindowLink {
public:
    void startClock() override { running = true; }
    void stopClock() override { running = false; }
    QString playerName() const override { return QStringLiteral("JOUEUR"); }
    QString clockText() const override { return QStringLiteral("00:02:05"); }
    void maximiseMainWindow() override {}

    bool running = false;
};
