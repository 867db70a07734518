#pragma once

#include "solver/solver.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <atomic>
#include <list>
#include <memory>
#include <optional>
#include <thread>

// Runs one search at a time on a thread of its own, so the window never waits: a new request
// cancels the running search and does not wait for it to stop. Finished answers are kept per
// position, so asking again about a position already searched answers at once.
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
    // On the worker's own thread (the window's), for the position last requested.
    void answered(const QByteArray &position, const SolverAnswer &answer);

private:
    struct Search {
        std::atomic<bool> cancel{false};
        std::thread thread;
    };
    void finished(Search *search, const QByteArray &position, const SolverAnswer &answer);

    std::list<std::unique_ptr<Search>> m_searches;
    Search *m_current = nullptr;
    QHash<QByteArray, SolverAnswer> m_cache;
};
