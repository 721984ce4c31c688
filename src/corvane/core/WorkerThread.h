#pragma once
#include <atomic>
#include <condition_variable>
#include <mutex>

class QEventLoop;
class QThread;

// A reusable worker thread: it sleeps until woken (or until its wait time-out
// passes), then does one pass of work, until it is told to stop. The thread
// runs a Qt event loop while it sleeps, so objects that live on it (the speech
// engine, a page fetch) keep working between passes.
//
// A derived class must call Stop() in its own destructor: the thread calls
// the derived class's work operations.
class CWorkerThread {
public:
    static constexpr int INFINITE = -1;

    CWorkerThread();
    virtual ~CWorkerThread();
    CWorkerThread(const CWorkerThread&) = delete;
    CWorkerThread& operator=(const CWorkerThread&) = delete;

    // Starts the thread at once; FALSE when it already runs or cannot start.
    // nStackSize 0 takes the default; nWaitTimeout is how long the thread
    // sleeps between passes when nobody wakes it (ms, INFINITE for never).
    bool Start(unsigned nStackSize = 0, int nWaitTimeout = INFINITE);
    // Sets the stop flag and wakes the thread.
    void SignalStop();
    // TRUE when no thread runs (any more) within the time-out (ms, INFINITE).
    bool WaitFinished(int nTimeout);
    // SignalStop, then waits for the thread without limit.
    void Stop();

    bool IsRunning() const { return m_bRunning; }
    bool IsStopRequested() const { return m_bStop; }

protected:
    virtual void OnStart() = 0;
    virtual void DoWork() = 0;
    virtual void OnEnd() = 0;
    // Called on the stopping thread by SignalStop, after the flag is set.
    virtual void OnStopSignalled() {}

    // The wake event (auto-reset).
    void SetWakeEvent();
    void RequestStop() { m_bStop = true; }

private:
    void Run();
    void WaitForWake();
    void SignalFinished();
    void Join();

    std::mutex m_mutex;
    std::condition_variable m_finishedChanged;
    bool m_bFinished = true;  // the finished event: signalled while no thread runs
    bool m_bWake = false;     // the wake event
    QEventLoop* m_pSleep = nullptr;  // the loop the thread sleeps in, under m_mutex
    std::atomic<bool> m_bStop{false};
    std::atomic<bool> m_bRunning{false};
    int m_nWaitTimeout = INFINITE;
    QThread* m_pThread = nullptr;
};
