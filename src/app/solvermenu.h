// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

class GameForm;
class QAction;
class QMenu;
class SettingsStore;

// The solver's items of the "J&eu" menu: the indicator shown or not (kept in the settings),
// Indice and Démonstration, enabled while the open game window has a solver and a game in progress
// or a deal to start.
class SolverMenu final : public QObject {
    Q_OBJECT
public:
    SolverMenu(QMenu *menu, QAction *before, SettingsStore &settings,
               std::function<GameForm *()> gameWindow);

    // After a game window opened, and after every action in it.
    void update();
    void gameWindowClosed();

    QAction *indicateur;
    QAction *indice;
    QAction *demonstration;

private:
    SettingsStore &m_settings;
    std::function<GameForm *()> m_gameWindow;
};
