#pragma once
#include <cstdint>

namespace platform {

// Every deliberate wait of the programs (radio pauses, settle times) goes
// through here, so tests can run them instantly without changing the logic.
class Sleeper {
public:
    virtual ~Sleeper() = default;
    virtual void sleepMs(int milliseconds) = 0;
    // Monotonic milliseconds.
    virtual int64_t nowMs() = 0;

    static Sleeper& instance();
    // Replaces the process-wide sleeper; nullptr restores the real one.
    static void setInstance(Sleeper* sleeper);
};

inline void sleepMs(int milliseconds) { Sleeper::instance().sleepMs(milliseconds); }

// A sleeper that never blocks and records how long it was asked to wait.
class FakeSleeper : public Sleeper {
public:
    void sleepMs(int milliseconds) override { m_totalMs += milliseconds; m_nowMs += milliseconds; ++m_calls; }
    int64_t nowMs() override { return m_nowMs; }
    int64_t m_totalMs = 0;
    int64_t m_nowMs = 0;
    int m_calls = 0;
};

} // namespace platform
