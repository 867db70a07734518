// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "table/mainwindowlink.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QTimer>
#include <array>
#include <functional>

struct AppContext;
class frmFond;
class ResumeKeeper;
class SolverMenu;
class QMdiSubWindow;

// The windows the menus open as modal dialogs; an empty one leaves its menu item disabled.
struct DialogOpeners {
    std::function<void(QWidget *parent)> history;
    std::function<void(QWidget *parent)> options;
    std::function<void(QWidget *parent)> about;
    std::function<void(QWidget *parent, const QString &player)> statistics;
};

// The main window: menus, status bar with the game clock, the background and the launcher.
class frmJeu : public QMainWindow, public MainWindowLink {
    Q_OBJECT
public:
    frmJeu(AppContext &context, GameWindows &games, DialogOpeners openers = {});
    ~frmJeu() override;

    // The start-up steps after the splash; false when the program must end (no cards file).
    bool load();

    // Launcher: the game of menu item index.
    void mnuDeVorelle_Click(int index);
    // "&Arrêter le jeu".
    void stopGame();
    // Asks before quitting; true when the user said Yes (quitConfirmed() has been emitted).
    bool ConfirmQuit();
    // One second of the game clock.
    void clockTick();
    // The look after the options dialog: status bar colours, player name, open game's table.
    void refreshAfterOptions();

    QWidget *gameWindow() const;

    // MainWindowLink
    void startClock() override;
    void stopClock() override;
    QString playerName() const override;
    QString clockText() const override;
    void maximiseMainWindow() override;

    std::array<QAction *, 4> mnuDeJeu{};
    std::array<QAction *, 3> mnuDeOptions{};
    QAction *mnuStatistiques; // "&Statistiques...", after the history
    std::array<QAction *, 3> mnuDeAide{};
    QMenu *mnuJeu;
    QMenu *mnuOptions;
    QMenu *mnuAide;
    QMenu *mnuDeVorelle;
    QList<QAction *> mnuDeVorelleItems;
    QWidget *BarreEtat;
    QLineEdit *txtJoueur;
    QLabel *lblChrono;
    QLabel *lblEtat; // what went wrong with the game kept between runs
    std::array<QLabel *, 3> imgMenu{};
    QTimer Timer1;

Q_SIGNALS:
    void quitConfirmed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createMenus();
    void createStatusBar();
    void ApplyWindowLook();
    void applyStatusColours();
    void BuildGameList();
    void openStartupGame();
    // Reopens the game the last run kept; false when there is none.
    bool resumeGame();
    QMdiSubWindow *gameSubWindow() const;
    void closeGameWindow();
    void gameWindowGone();
    void showDialog(const std::function<void(QWidget *)> &opener);

    AppContext &m_context;
    GameWindows &m_games;
    DialogOpeners m_openers;
    frmFond *m_fond;
    SolverMenu *m_solverMenu = nullptr;
    ResumeKeeper *m_keeper;
};
