// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solver/solver.h"
#include "solver/solverworker.h"

#include <QByteArray>
#include <QLabel>
#include <QObject>
#include <QTimer>
#include <memory>
#include <optional>

struct AppContext;
class CardTable;
class GameRules;
class GameSession;
class QAbstractButton;
class SolverHint;

// The solver's side of a game window: the strip under the table that says whether the deal can
// still be won, the hint frames and the demonstration. Searches run on the worker; the window
// only copies the position and reads the answers.
class SolverPanel final : public QObject {
    Q_OBJECT
public:
    // What the strip needs of its game window.
    class Window {
    public:
        virtual QWidget &widget() = 0;
        virtual CardTable &table() const = 0;
        virtual const GameRules &rules() const = 0;
        // The game in progress, which a line is tried on before the hint follows it.
        virtual const GameSession &session() const = 0;
        virtual QString prompt() const = 0;
        // JOUER, DISTRIBUER... by their names "Boutons(i)", or a button of the game's own;
        // nullptr for none.
        virtual QAbstractButton *button(const QString &name) const = 0;

    protected:
        ~Window() = default;
    };

    SolverPanel(Window &window, AppContext &context, std::unique_ptr<Solver> solver);
    ~SolverPanel() override;

    // After every action of the window: a new position is searched, the hint goes.
    void positionChanged();
    // A new deal: what was winnable before says nothing about it, and the demonstration has
    // played none of its moves.
    void newDeal();
    // Whether Indice and Démonstration have something to work on: a game in progress, or a deal
    // that JOUER may start. A game that has ended has neither until the next deal.
    bool usable() const;

    // The area left to the table once the strip takes the bottom of the window's rect.
    QRect placeStrip(const QRect &window);
    // The strip's height, 0 while it is hidden.
    int stripHeight() const;
    void setIndicatorShown(bool shown);

    // Frames the next move of the line (or the best move of a lost deal); waits for the answer
    // when the search is still running.
    void hint();
    // Plays the line one move per tick of the demonstration timer until the line ends, the game
    // ends, or the player clicks or presses a key.
    void startDemonstration();
    void stopDemonstration();
    // One tick of the demonstration timer: the next move of the line.
    void demonstrationStep();
    bool demonstrating() const { return m_demonstrating; }
    // True once the demonstration has played a move of this deal's game, even if the player
    // went on by hand: such a game is not the player's.
    bool demonstrated() const { return m_demonstrated; }

    QLabel *indicator() const { return m_indicator; }
    QTimer *demonstrationTimer() const { return m_demoTimer; }
    const std::optional<SolverAnswer> &answer() const { return m_answer; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void searched(const QByteArray &position, const SolverAnswer &answer);
    void answered(const QByteArray &position, const SolverAnswer &answer);
    void show();
    void showHint();
    // The answer so far is a first Unknown, and the search goes on.
    bool searchingOn() const;
    void relayout();

    Window &m_window;
    AppContext &m_context;
    std::unique_ptr<Solver> m_solver;
    SolverWorker *m_worker;
    QLabel *m_indicator;
    SolverHint *m_hint;
    QTimer *m_demoTimer;
    QByteArray m_position;
    std::optional<SolverAnswer> m_answer;
    bool m_wasWinnable = false;
    bool m_hintWanted = false;
    bool m_demoWanted = false;
    bool m_shown = true;
    bool m_demonstrating = false;
    bool m_demonstrated = false;
    bool m_playing = false; // a move of the line is being played through the window
};
