// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/solverworker.h"

#include <QSignalSpy>
#include <QTest>
#include <thread>

namespace {

// Searches until cancelled, or answers at once with a line of one move.
class FakeTask final : public SolverTask {
public:
    explicit FakeTask(bool endless, std::atomic<int> *runs = nullptr)
        : m_endless(endless), m_runs(runs)
    {
    }
    SolverAnswer run(const std::atomic<bool> &cancel) override
    {
        if (m_runs)
            ++*m_runs;
        SolverAnswer answer;
        while (m_endless && !cancel)
            std::this_thread::yield();
        if (m_endless)
            return answer;
        answer.verdict = SolverAnswer::Verdict::Winnable;
        answer.line.append(SolverMove{});
        answer.nodes = 7;
        return answer;
    }

private:
    bool m_endless;
    std::atomic<int> *m_runs;
};

// Gives up at once, then searches on until going turns false.
class BudgetedTask final : public SolverTask {
public:
    explicit BudgetedTask(const std::atomic<bool> &going) : m_going(going) {}
    SolverAnswer run(const std::atomic<bool> &) override { return {}; }
    SolverAnswer searchOn(const std::atomic<bool> &cancel) override
    {
        while (m_going && !cancel)
            std::this_thread::yield();
        SolverAnswer answer;
        if (!cancel)
            answer.verdict = SolverAnswer::Verdict::Lost;
        return answer;
    }

private:
    const std::atomic<bool> &m_going;
};

} // namespace

class TestSolverWorker : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aNewPositionCancelsTheSearchAndOnlyItsAnswerComes()
    {
        SolverWorker worker;
        QSignalSpy spy(&worker, &SolverWorker::answered);
        QVERIFY(!worker.request("first", std::make_unique<FakeTask>(true)));
        QVERIFY(worker.searching());
        QVERIFY(!worker.request("second", std::make_unique<FakeTask>(false)));
        QTRY_COMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toByteArray(), QByteArray("second"));
        QVERIFY(!worker.searching());
        // The endless search was cancelled: asking about it again searches again.
        QVERIFY(!worker.request("first", std::make_unique<FakeTask>(true)));
        worker.cancel();
        QVERIFY(!worker.searching());
    }

    void aFinishedPositionIsAnsweredAtOnce()
    {
        SolverWorker worker;
        std::atomic<int> runs{0};
        QSignalSpy spy(&worker, &SolverWorker::answered);
        QVERIFY(!worker.request("deal", std::make_unique<FakeTask>(false, &runs)));
        QTRY_COMPARE(spy.size(), 1);
        const auto cached = worker.request("deal", std::make_unique<FakeTask>(false, &runs));
        QVERIFY(cached);
        QCOMPARE(cached->verdict, SolverAnswer::Verdict::Winnable);
        QCOMPARE(cached->nodes, 7);
        QCOMPARE(runs.load(), 1);
        QVERIFY(!worker.searching());

        SolverAnswer rest;
        rest.verdict = SolverAnswer::Verdict::Lost;
        worker.remember("later", rest);
        QCOMPARE(worker.request("later", std::make_unique<FakeTask>(true))->verdict,
                 SolverAnswer::Verdict::Lost);
    }

    void aSearchThatGivesUpSaysSoThenGoesOn()
    {
        SolverWorker worker;
        QSignalSpy spy(&worker, &SolverWorker::answered);
        std::atomic<bool> going{true};
        QVERIFY(!worker.request("hard", std::make_unique<BudgetedTask>(going)));
        QTRY_COMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(1).value<SolverAnswer>().verdict, SolverAnswer::Verdict::Unknown);
        QVERIFY(worker.searching());
        going = false;
        QTRY_COMPARE(spy.size(), 2);
        QCOMPARE(spy.at(1).at(1).value<SolverAnswer>().verdict, SolverAnswer::Verdict::Lost);
        QVERIFY(!worker.searching());
        // Only the final answer is kept.
        QCOMPARE(worker.request("hard", std::make_unique<FakeTask>(true))->verdict,
                 SolverAnswer::Verdict::Lost);

        // Cancelled while it searches on, it answers nothing more, and nothing is kept.
        going = true;
        QVERIFY(!worker.request("again", std::make_unique<BudgetedTask>(going)));
        QTRY_COMPARE(spy.size(), 3);
        QVERIFY(!worker.request("other", std::make_unique<FakeTask>(false)));
        QTRY_COMPARE(spy.size(), 4);
        QCOMPARE(spy.at(3).at(0).toByteArray(), QByteArray("other"));
        QVERIFY(!worker.request("again", std::make_unique<FakeTask>(false)));
        worker.cancel();
    }

    void closingDuringASearchStopsIt()
    {
        auto worker = std::make_unique<SolverWorker>();
        QVERIFY(!worker->request("a", std::make_unique<FakeTask>(true)));
        QVERIFY(!worker->request("b", std::make_unique<FakeTask>(true)));
        worker.reset(); // must join both threads, not hang
        QVERIFY(!worker);
    }
};

QTEST_GUILESS_MAIN(TestSolverWorker)
#include "tst_solverworker.moc"
