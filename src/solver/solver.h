// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPoint>
#include <QString>
#include <atomic>
#include <memory>

class GameRules;

// One action of the player, as the game window would pass it to the rules, so that a line found
// by a search is played through the very rules the player uses.
struct SolverMove {
    enum class Action { Click, DoubleClick, RightPress, Drop, Press };
    Action action = Action::Click;
    int picture = -1;   // the picture acted on, or the dragged one
    int target = -1;    // a drop's target picture, -1 for the bare table
    int partner = -1;   // Click: a second picture clicked right after, the pair of picture
    QPoint dropTopLeft; // where a dropped card is let go, in twips
    QString button;     // Press, or after a Click: the name of the game's own button
    QList<int> framed;  // what a hint frames: the card or cards, then the target
    QString text;       // the move in the notation of the headless tools
    bool operator==(const SolverMove &) const = default;
};

struct SolverAnswer {
    enum class Verdict {
        Winnable, // a line that clears the game was found: it is in line
        Lost,     // the whole tree was searched without a win: line holds the best line found
        Unknown,  // the node budget ran out, or the search was cancelled
    };
    Verdict verdict = Verdict::Unknown;
    QList<SolverMove> line;
    qint64 nodes = 0;
    // What the window may add about this position ("Solution en 34 coups"), or "".
    QString summary;
};

// One search, holding its own copy of the position: it runs on a worker thread while the
// player goes on playing, and stops soon after cancel turns true (answering Unknown).
class SolverTask {
public:
    virtual ~SolverTask() = default;
    virtual SolverAnswer run(const std::atomic<bool> &cancel) = 0;
    // Called once run() has given up at its budget (Unknown, not cancelled): the same question
    // without a budget, answered Unknown only once cancel turns true. A search that has no
    // budget has nothing more to try.
    virtual SolverAnswer searchOn(const std::atomic<bool> &) { return {}; }
};

// Answers whether the game can still be won from where the rules stand, for a player who knows
// every face-down card.
class Solver {
public:
    virtual ~Solver() = default;
    // On the window's thread: copies what the search needs of the rules' current position.
    virtual std::unique_ptr<SolverTask> prepare(const GameRules &rules) const = 0;
    // What the window adds about an answer ("Solution en 34 coups"), or "": also for the rest of
    // a line once its first moves are played.
    virtual QString answerSummary(const SolverAnswer &) const { return {}; }
    // What the window shows about the game as a whole ("Chances de gagner : 30,80 %"), or "".
    virtual QString gameSummary() const { return {}; }
};
