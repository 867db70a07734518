#include "solver/solverworker.h"

#include <QMetaObject>

namespace {

// Answers kept before the cache starts afresh: a game's positions, many times over.
constexpr qsizetype CacheSize = 4096;

} // namespace

SolverWorker::SolverWorker(QObject *parent) : QObject(parent) {}

SolverWorker::~SolverWorker()
{
    for (const auto &search : m_searches)
        search->cancel = true;
    for (const auto &search : m_searches)
        search->thread.join();
}

std::optional<SolverAnswer> SolverWorker::request(const QByteArray &position,
                                                  std::unique_ptr<SolverTask> task)
{
    cancel();
    if (const auto cached = m_cache.constFind(position); cached != m_cache.cend())
        return *cached;
    auto search = std::make_unique<Search>();
    Search *running = search.get();
    running->thread = std::thread([this, running, position, job = std::move(task)] {
        const SolverAnswer answer = job->run(running->cancel);
        QMetaObject::invokeMethod(
            this, [this, running, position, answer] { finished(running, position, answer); },
            Qt::QueuedConnection);
    });
    m_searches.push_back(std::move(search));
    m_current = running;
    return std::nullopt;
}

void SolverWorker::cancel()
{
    if (m_current)
        m_current->cancel = true;
    m_current = nullptr;
}

void SolverWorker::finished(Search *search, const QByteArray &position, const SolverAnswer &answer)
{
    // A cancelled search's Unknown says nothing about the position.
    if (!search->cancel)
        remember(position, answer);
    const bool current = search == m_current;
    if (current)
        m_current = nullptr;
    // The thread has posted this call as its last act: joining it takes no time.
    for (auto it = m_searches.begin(); it != m_searches.end(); ++it) {
        if (it->get() == search) {
            search->thread.join();
            m_searches.erase(it);
            break;
        }
    }
    if (current)
        Q_EMIT answered(position, answer);
}

void SolverWorker::remember(const QByteArray &position, const SolverAnswer &answer)
{
    if (m_cache.size() >= CacheSize)
        m_cache.clear();
    m_cache.insert(position, answer);
}
