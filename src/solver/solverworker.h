// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solver/solver.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QTimer>
#include <atomic>
#include <list>
#include <memory>
#include <optional>
#include <thread>

// Runs one search at a time on a thread of its own, so the window never waits: a new request
// cancels the running search and does not wait for it to stop. Finished answers are kept per
// position, so asking again about a position already searched answers at once. A search that
// gives up at its budget says so (Unknown) and goes on without one until it answers or is
// cancelled: its final answer follows.
class SolverWorker final : public QObject {
    Q_OBJECT
public:
    explicit SolverWorker(QObject *parent = nullptr);
    ~SolverWorker() override;

    // The cached answer for the position, or else starts its search (answered() follows) and
    // returns nothing.
    std::optional<SolverAnswer> request(const QByteArray &position,
                                        std::unique_ptr<SolverTask> task);
    // Keeps an answer known without a search (the rest of a winning line).
    void remember(const QByteArray &position, const SolverAnswer &answer);
    // Stops the running search; its answer is never given.
    void cancel();
    bool searching() const { return m_current != nullptr; }

Q_SIGNALS:
    // On the worker's own thread (the window's), for the position last requested; an Unknown
    // while searching() is still true is the first answer of a search that goes on.
    void answered(const QByteArray &position, const SolverAnswer &answer);

private:
    struct Search {
        QByteArray position;
        std::atomic<bool> cancel{false};
        // Set by the search's thread once `answer` is written; read by the window's thread.
        std::atomic<bool> done{false};
        SolverAnswer answer;
        // The same for the first answer of a search that went on past its budget.
        std::atomic<bool> gaveUp{false};
        SolverAnswer firstAnswer;
        bool firstGiven = false; // the window's thread only
        std::thread thread;
    };
    void collect();
    void finished(Search *search);

    // The searches' threads wake the window's thread through an event counter rather than a
    // queued call: its read and write order the answer for thread checkers too, where Qt's own
    // queue (futex-based) is invisible to them.
    int m_wake = -1;
    QTimer *m_poll = nullptr;
    std::list<std::unique_ptr<Search>> m_searches;
    Search *m_current = nullptr;
    QHash<QByteArray, SolverAnswer> m_cache;
};
