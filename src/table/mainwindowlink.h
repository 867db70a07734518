// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What a game window asks of the main window: its clock and its status bar.
class MainWindowLink {
public:
    virtual ~MainWindowLink() = default;
    // Enables the one-second clock and shows "00:00:00".
    virtual void startClock() = 0;
    // Disables the clock and shows "00:00:00".
    virtual void stopClock() = 0;
    // The player name and clock text shown in the status bar at this moment.
    virtual QString playerName() const = 0;
    virtual QString clockText() const = 0;
    virtual void maximiseMainWindow() = 0;
};

class QWidget;

// The launcher's view of the game windows.
class GameWindows {
public:
    virtual ~GameWindows() = default;
    // A new game window for the menu name, or nullptr. The widget carries a non-empty "tag"
    // property, which is how the main window recognises a game window.
    virtual QWidget *create(const QString &menuName, MainWindowLink &main) = 0;
};
