#pragma once

#include "games/gamehost.h"
#include "games/gamerules.h"

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
class MainWindowLink;
class SolverPanel;

// The window of every game: the table, the prompt line lblInfo and the four buttons JOUER,
// DISTRIBUER, RÈGLES and QUITTER, placed from the game's twips and scaled with the table. It runs
// the rules of its game and is their host: it starts and stops the clock and ends the game.
class GameForm : public QWidget, public GameHost {
    Q_OBJECT
public:
    using RulesFactory = ::RulesFactory;

    GameForm(const GameInfo &info, AppContext &context, MainWindowLink &main,
             const RulesFactory &makeRules, QWidget *parent = nullptr);
    ~GameForm() override;

    void Boutons_Click(int index);
    // The look from the settings: table picture and colour, card back, the game's own pictures.
    void ApplyWindowLook();
    // The table picture and colour again, after the options changed them.
    void applyTableLook();

    GameRules &rules() { return *m_rules; }
    CardTable *Tapis;
    QLabel *lblInfo;
    std::array<QPushButton *, 4> Boutons{};

    // The design size of the game's table, in pixels at 15 twips a pixel: what the restore box of
    // the maximised window gives back, within the work area.
    QSize sizeHint() const override;

    // GameHost
    void setPrompt(const QString &text) override;
    QString prompt() const override;
    void gameOver(bool won) override;
    void setTimer(int intervalMs) override;

    // The widget of a game's own control, by name; nullptr if the game has none.
    QWidget *control(const QString &name) const;
    // The solver's indicator, hint and demonstration; nullptr for a game without a solver.
    SolverPanel *solverPanel() const { return m_solverPanel; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeControls();
    void fitPrompt();
    void setDefaultButton(int index);
    void newDeal();
    void afterAction();
    bool isActiveGameWindow() const;
    QPushButton *buttonForKey(const QKeyEvent *event) const;

    AppContext &m_context;
    MainWindowLink &m_main;
    std::unique_ptr<GameRules> m_rules;
    ControlWidgets *m_controls;
    QTimer *m_rulesTimer;
    SolverPanel *m_solverPanel = nullptr;
};
