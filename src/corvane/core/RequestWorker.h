#pragma once
#include "corvane/core/WorkerThread.h"

#include <QList>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <deque>
#include <memory>
#include <mutex>

class CTextToSpeech;
class CWebPage;
class QObject;

// One piece of slow work for a request worker.
class CRequest {
public:
    CRequest(int nType, QObject* pWnd, int nValue, const QString& strText)
        : m_pWnd(pWnd), m_nType(nType), m_nValue(nValue), m_strText(strText)
    {
    }
    virtual ~CRequest() = default;

    QPointer<QObject> m_pWnd;  // the window that gets the results; may go away
    int m_nType;
    int m_nValue;
    QString m_strText;
};

// What a page request hands back with RegisteredMessage::nMsgData (lParam).
// The receiver owns and deletes it.
class CWebPageResult {
public:
    enum { KIND_STARTED = 4, KIND_FINISHED = 5 };

    int m_nKind = KIND_STARTED;
    int m_nValue = 0;      // 1 when started; the reader's result when finished
    QString m_strError;
    QString m_strUrl;
    QStringList m_lines;
};

// A worker with a locked queue of requests, executed one after the other:
// web pages are read and handed back to the window that asked, texts are
// spoken. Only the newest request of a kind from one window is kept waiting.
class CRequestWorker : public CWorkerThread {
public:
    enum RequestType { REQUEST_POLL = 0, REQUEST_WEB_PAGE = 1, REQUEST_SPEAK = 2, REQUEST_STOP = 3 };

    CRequestWorker();
    ~CRequestWorker() override;

    void QueueRequest(int nType, QObject* pWnd, int nValue, const QString& strText);
    // A stop at the head of the queue; a page being read is given up.
    void QueueStop();
    void Enqueue(std::unique_ptr<CRequest> pRequest, bool bAtHead);

    // Requests still waiting, head first: type and text (for diagnostics).
    int GetQueueLength() const;
    QList<QPair<int, QString>> GetQueue() const;
    // The speech engine, once the first speech request created it (worker thread only).
    const CTextToSpeech* GetSpeech() const { return m_pSpeech.get(); }
    // What the worker last handed to the speech engine.
    QString GetLastSpokenText() const;

protected:
    void OnStart() override {}
    void DoWork() override;
    void OnEnd() override;
    void OnStopSignalled() override;

private:
    void Execute(CRequest& request);
    void FetchUrl(CRequest& request);
    void SpeakText(CRequest& request);
    void Deliver(const QPointer<QObject>& pWnd, std::unique_ptr<CWebPageResult> pResult);
    void AbortFetch();

    mutable std::mutex m_queueLock;
    std::deque<std::unique_ptr<CRequest>> m_queue;
    std::unique_ptr<CTextToSpeech> m_pSpeech;
    QString m_strLastSpoken;

    std::mutex m_fetchLock;
    CWebPage* m_pFetch = nullptr;  // the page being read, under m_fetchLock

    class Deliverer;
    std::unique_ptr<Deliverer> m_pDeliverer;  // lives on the creating (UI) thread
};
