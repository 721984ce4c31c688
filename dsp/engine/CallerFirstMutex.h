#pragma once
#include <atomic>
#include <mutex>
#include <thread>

// The processing thread takes its lock again almost at once when it runs
// wave files at full speed; a plain mutex then lets it win every time and a
// caller (the program setting a channel, say) waits for good. Callers say
// that they wait, and the processing thread lets them in first.
class CallerFirstMutex {
public:
    void lock()
    {
        m_waiting.fetch_add(1, std::memory_order_acq_rel);
        m_mutex.lock();
        m_waiting.fetch_sub(1, std::memory_order_acq_rel);
    }
    void unlock() { m_mutex.unlock(); }
    // For the processing thread's own turn.
    void lockAfterCallers()
    {
        while (m_waiting.load(std::memory_order_acquire) > 0)
            std::this_thread::yield();
        m_mutex.lock();
    }

private:
    std::mutex m_mutex;
    std::atomic<int> m_waiting{0};
};
