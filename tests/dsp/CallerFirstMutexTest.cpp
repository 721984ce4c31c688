// The engine's lock between the program's calls and its processing thread:
// while the thread takes its turns one after the other, as it does running a
// wave file at full speed, a caller that waits gets in as soon as the turn
// under way ends.
#include "engine/CallerFirstMutex.h"

#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

namespace {

TEST(CallerFirstMutex, AWaitingCallerGetsInWhileTheProcessingThreadLoops)
{
    CallerFirstMutex mutex;
    std::atomic<bool> stop{false};
    std::atomic<long> turns{0};
    // The processing thread: a block's work under the lock, then the next
    // turn at once.
    std::thread processing([&] {
        while (!stop.load()) {
            mutex.lockAfterCallers();
            std::lock_guard<CallerFirstMutex> lock(mutex, std::adopt_lock);
            turns.fetch_add(1);
            const auto until = std::chrono::steady_clock::now() + std::chrono::microseconds(50);
            while (std::chrono::steady_clock::now() < until) {
            }
        }
    });
    while (turns.load() < 3)
        std::this_thread::yield();

    // The caller, calling while the thread is in the middle of its turns:
    // how many turns the thread took while it waited, each time.
    constexpr int kCalls = 200;
    std::vector<long> waited;
    auto caller = std::async(std::launch::async, [&] {
        for (int i = 0; i < kCalls && !stop.load(); ++i) {
            const long before = turns.load();
            {
                std::lock_guard<CallerFirstMutex> lock(mutex);
                waited.push_back(turns.load() - before);
            }
            const long next = turns.load() + 2;
            while (turns.load() < next && !stop.load())
                std::this_thread::yield();
        }
    });
    const bool done = caller.wait_for(std::chrono::milliseconds(testsupport::longestWaitMs())) ==
                      std::future_status::ready;
    stop = true;
    processing.join();
    caller.wait();
    ASSERT_TRUE(done) << "the caller got in " << waited.size() << " times of " << kCalls;

    // At most the turn under way when it asked, and one begun just before it
    // said that it waits. A plain mutex lets the thread take its lock again
    // at once, and a caller waits hundreds of turns now and then.
    ASSERT_EQ(waited.size(), size_t(kCalls));
    EXPECT_LE(*std::max_element(waited.begin(), waited.end()), 2)
        << "turns waited: " << ::testing::PrintToString(waited);
}

} // namespace
