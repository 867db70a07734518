// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/gamehost.h"
#include "games/gamesession.h"
#include "table/solverpanel.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

struct AppContext;
class CardTable;
class ControlWidgets;
class FocusRing;
class MainWindowLink;

// The window of every game: the table, the prompt line lblInfo and the four buttons JOUER,
// DISTRIBUER, RÈGLES and QUITTER, placed from the game's twips and scaled with the table. It plays
// its game through a session and is their host: the prompt, the clock, the questions, the record.
class GameForm : public QWidget, public GameHost, public SolverPanel::Window {
    Q_OBJECT
public:
    // The window shrinks down to this share of each side of its design size (64 % of its area):
    // there its buttons read in full and every prompt fits in a font no smaller than the fitting
    // allows.
    static constexpr qreal MinimumZoom = 0.8;

    GameForm(const GameInfo &info, AppContext &context, MainWindowLink &main,
             QWidget *parent = nullptr);
    ~GameForm() override;

    void Boutons_Click(int index);
    // The look from the settings: table picture and colour, card back, the game's own pictures.
    void ApplyWindowLook();
    // The table picture and colour again, after the options changed them.
    void applyTableLook();

    GameRules &rules() { return m_session->rules(); }
    GameSession &session() { return *m_session; }
    const GameSession &session() const override { return *m_session; }
    // Puts back a game in progress from its log; false, the window as it was, when it cannot.
    bool resume(const SessionLog &log);

    // SolverPanel::Window
    QWidget &widget() override { return *this; }
    CardTable &table() const override { return *Tapis; }
    const GameRules &rules() const override { return m_session->rules(); }
    QAbstractButton *button(const QString &name) const override;
    CardTable *Tapis;
    QLabel *lblInfo;
    std::array<QPushButton *, 4> Boutons{};

    // The design size of the game's table, in pixels at 15 twips a pixel: what the restore box of
    // the maximised window gives back, within the work area.
    QSize sizeHint() const override;

    // GameHost
    void setPrompt(const QString &text) override;
    QString prompt() const override;
    void setTimer(int intervalMs) override;
    void dealing() override;
    void dealt() override;
    void startClock() override;
    void stopClock() override;
    bool askYesNo(const QString &question, const QString &title, Asking asking) override;
    void tell(const QString &message) override;
    QString record(const GameRecord &record) override;
    bool mayRecord() const override;
    QString playerName() const override;
    QString clockText() const override;
    void positionChanged() override { afterAction(); }

    // "Arrêter le jeu" of the main window stopped the game: the prompt names the way on, and the
    // rules' prompts wait for the next deal.
    void gameStopped();

    // The widget of a game's own control, by name; nullptr if the game has none.
    QWidget *control(const QString &name) const;
    // The solver's indicator, hint and demonstration; nullptr for a game without a solver.
    SolverPanel *solverPanel() const { return m_solverPanel; }

    // Undo and redo of the game in progress, replay of the last deal and numbered deals.
    UndoPolicy undoPolicy() const;
    bool canUndo() const;
    bool canRedo() const;
    void undo();
    void redo();
    // Deals again the cards of the game just played or abandoned (asking first while one is in
    // progress, as DISTRIBUER does).
    void replayDeal();
    // Deals the numbered deal (1 to 4294967295), asking first in the same way.
    void dealNumbered(quint32 number);

Q_SIGNALS:
    // What undo, redo, the deal, Indice or Démonstration can do may have changed.
    void historyChanged();
    // The window goes: the last moment to keep its game.
    void closing();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeControls();
    void showFocusRing(QWidget *focused);
    void orderTabs();
    void fitPrompt();
    void setDefaultButton(int index);
    void showTitle();
    // JOUER pressed, or a game resumed: the buttons and the focus of a game in progress.
    void showPlaying();
    void afterAction();
    bool isActiveGameWindow() const;
    QPushButton *buttonForKey(const QKeyEvent *event) const;

    AppContext &m_context;
    MainWindowLink &m_main;
    std::unique_ptr<GameSession> m_session;
    ControlWidgets *m_controls;
    QTimer *m_rulesTimer;
    bool m_stopped = false;
    quint32 m_titleDeal = 0; // the deal number the caption shows
    SolverPanel *m_solverPanel = nullptr;
    FocusRing *m_focusRing;
};
