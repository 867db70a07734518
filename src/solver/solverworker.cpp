// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/solverworker.h"

#include <QSocketNotifier>

#include <sys/eventfd.h>
#include <unistd.h>

namespace {

// Answers kept before the cache starts afresh: a game's positions, many times over.
constexpr qsizetype CacheSize = 4096;

} // namespace

SolverWorker::SolverWorker(QObject *parent)
    : QObject(parent), m_wake(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
{
    if (m_wake >= 0) {
        auto *notifier = new QSocketNotifier(m_wake, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, &SolverWorker::collect);
    } else {
        // Out of file descriptors: look for answers now and then instead.
        m_poll = new QTimer(this);
        m_poll->setInterval(20);
        connect(m_poll, &QTimer::timeout, this, &SolverWorker::collect);
    }
}

SolverWorker::~SolverWorker()
{
    for (const auto &search : m_searches)
        search->cancel = true;
    for (const auto &search : m_searches)
        search->thread.join();
    if (m_wake >= 0)
        ::close(m_wake);
}

std::optional<SolverAnswer> SolverWorker::request(const QByteArray &position,
                                                  std::unique_ptr<SolverTask> task)
{
    cancel();
    if (const auto cached = m_cache.constFind(position); cached != m_cache.cend())
        return *cached;
    auto search = std::make_unique<Search>();
    Search *running = search.get();
    running->position = position;
    const int wake = m_wake;
    running->thread = std::thread([running, wake, job = std::move(task)] {
        // Only a full counter (never reached) could refuse the write; the answer is then
        // collected at the next wake-up.
        const auto wakeWindow = [wake] {
            if (wake >= 0)
                eventfd_write(wake, 1);
        };
        SolverAnswer answer = job->run(running->cancel);
        if (answer.verdict == SolverAnswer::Verdict::Unknown && !running->cancel) {
            running->firstAnswer = std::move(answer);
            running->gaveUp.store(true, std::memory_order_release);
            wakeWindow();
            answer = job->searchOn(running->cancel);
        }
        running->answer = std::move(answer);
        running->done.store(true, std::memory_order_release);
        wakeWindow();
    });
    m_searches.push_back(std::move(search));
    if (m_poll)
        m_poll->start();
    m_current = running;
    return std::nullopt;
}

void SolverWorker::cancel()
{
    if (m_current)
        m_current->cancel = true;
    m_current = nullptr;
}

// Every search whose thread has written its answer.
void SolverWorker::collect()
{
    eventfd_t count = 0;
    if (m_wake >= 0)
        eventfd_read(m_wake, &count);
    std::vector<Search *> done;
    Search *gaveUp = nullptr;
    for (const auto &search : m_searches) {
        if (search->done.load(std::memory_order_acquire))
            done.push_back(search.get());
        else if (search.get() == m_current && !search->firstGiven &&
                 search->gaveUp.load(std::memory_order_acquire))
            gaveUp = search.get();
    }
    // The first answer is not kept: the search goes on and its final answer will be.
    if (gaveUp) {
        gaveUp->firstGiven = true;
        Q_EMIT answered(gaveUp->position, gaveUp->firstAnswer);
    }
    for (Search *search : done)
        finished(search);
    if (m_poll && m_searches.empty())
        m_poll->stop();
}

void SolverWorker::finished(Search *search)
{
    const QByteArray position = search->position;
    const SolverAnswer answer = search->answer;
    // A cancelled search's Unknown says nothing about the position.
    if (!search->cancel)
        remember(position, answer);
    const bool current = search == m_current;
    if (current)
        m_current = nullptr;
    // The thread has written its answer as its last act: joining it takes no time.
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
