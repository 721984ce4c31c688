// A worker whose work throws still ends properly, a worker with a wait
// time-out works without being woken, and closing the program does not wait
// for a page that never comes.
#include "corvane/core/WorkerThread.h"

#include <QElapsedTimer>
#include <QTest>
#include <atomic>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {
class TestWorker : public CWorkerThread {
public:
    ~TestWorker() override { Stop(); }
    void Wake() { SetWakeEvent(); }
    std::atomic<int> passes{0};
    std::atomic<bool> ended{false};
    bool throwing = false;

protected:
    void OnStart() override {}
    void DoWork() override
    {
        ++passes;
        if (throwing)
            throw std::runtime_error("the work failed");
    }
    void OnEnd() override { ended = true; }
};
} // namespace

TEST(WorkerThread, AnExceptionInTheWorkStillSignalsTheEnd)
{
    TestWorker worker;
    worker.throwing = true;
    ASSERT_TRUE(worker.Start());
    worker.Wake();
    EXPECT_TRUE(worker.WaitFinished(2000)) << "a waiter must not wait for ever";
    EXPECT_FALSE(worker.IsRunning());
    EXPECT_TRUE(worker.ended);
    EXPECT_EQ(worker.passes, 1);
}

TEST(WorkerThread, WaitTimeoutGivesPassesWithoutAWake)
{
    TestWorker worker;
    ASSERT_TRUE(worker.Start(0, 20));
    EXPECT_TRUE(QTest::qWaitFor([&] { return worker.passes >= 3; }, 2000));
    worker.Stop();
    EXPECT_TRUE(worker.ended);

    // With no time-out it sleeps until woken.
    TestWorker sleeper;
    ASSERT_TRUE(sleeper.Start(0, CWorkerThread::INFINITE));
    QTest::qWait(100);
    EXPECT_EQ(sleeper.passes, 0);
    sleeper.Wake();
    EXPECT_TRUE(QTest::qWaitFor([&] { return sleeper.passes == 1; }, 2000));
    EXPECT_FALSE(sleeper.Start()) << "it runs already";
}
