#include "corvane/core/WorkerThread.h"

#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <chrono>

CWorkerThread::CWorkerThread() = default;

CWorkerThread::~CWorkerThread()
{
    SignalStop();
    WaitFinished(INFINITE);
    Join();
}

bool CWorkerThread::Start(unsigned nStackSize, int nWaitTimeout)
{
    if (m_bRunning)
        return false;
    Join();
    m_bRunning = true;
    m_bStop = false;
    m_nWaitTimeout = nWaitTimeout;
    {
        std::lock_guard lock(m_mutex);
        m_bFinished = false;
    }
    m_pThread = QThread::create([this] { Run(); });
    if (nStackSize > 0)
        m_pThread->setStackSize(nStackSize);
    m_pThread->start();
    if (!m_pThread->isRunning() && m_pThread->isFinished()) {
        // It could not start at all: nothing runs, so the event stays signalled.
        m_bRunning = false;
        SignalFinished();
        return false;
    }
    return true;
}

void CWorkerThread::Run()
{
    // Whatever ends the loop (a stop, an exception thrown by the work), the
    // finished event must be set, or a waiter would wait for ever.
    struct FinishGuard {
        CWorkerThread* worker;
        ~FinishGuard()
        {
            worker->m_bRunning = false;
            worker->SignalFinished();
        }
    } guard{this};
    try {
        OnStart();
        while (!m_bStop) {
            WaitForWake();
            if (!m_bStop)
                DoWork();
        }
        OnEnd();
    } catch (...) {
        try {
            OnEnd();
        } catch (...) {
        }
    }
}

void CWorkerThread::WaitForWake()
{
    QEventLoop loop;
    {
        std::lock_guard lock(m_mutex);
        if (m_bWake || m_bStop) {
            m_bWake = false;
            return;
        }
        m_pSleep = &loop;
    }
    QTimer timer;
    if (m_nWaitTimeout >= 0) {
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        timer.start(m_nWaitTimeout);
    }
    loop.exec();
    std::lock_guard lock(m_mutex);
    m_pSleep = nullptr;
    m_bWake = false;
}

void CWorkerThread::SetWakeEvent()
{
    std::lock_guard lock(m_mutex);
    m_bWake = true;
    // A quit queued before the loop runs is still seen by it: no wake is lost.
    if (m_pSleep)
        QMetaObject::invokeMethod(m_pSleep, &QEventLoop::quit, Qt::QueuedConnection);
}

void CWorkerThread::SignalStop()
{
    m_bStop = true;
    SetWakeEvent();
    OnStopSignalled();
}

void CWorkerThread::SignalFinished()
{
    {
        std::lock_guard lock(m_mutex);
        m_bFinished = true;
    }
    m_finishedChanged.notify_all();
}

bool CWorkerThread::WaitFinished(int nTimeout)
{
    std::unique_lock lock(m_mutex);
    if (nTimeout < 0) {
        m_finishedChanged.wait(lock, [this] { return m_bFinished; });
        return true;
    }
    return m_finishedChanged.wait_for(lock, std::chrono::milliseconds(nTimeout), [this] { return m_bFinished; });
}

void CWorkerThread::Stop()
{
    SignalStop();
    WaitFinished(INFINITE);
    Join();
}

void CWorkerThread::Join()
{
    if (!m_pThread)
        return;
    // Only once the finished event is set: then the thread is leaving Run.
    if (!WaitFinished(0))
        return;
    m_pThread->wait();
    delete m_pThread;
    m_pThread = nullptr;
}
