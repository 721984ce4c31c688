#include "corvane/core/RequestWorker.h"

#include "corvane/core/RegisteredMessages.h"
#include "corvane/core/WebPage.h"
#include "shared/RegisteredEvent.h"
#include "shared/TextToSpeech.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

namespace {
// Carries a result to the UI thread. A result whose window has gone is
// deleted with the event instead of being handed to a dead receiver.
class CDeliveryEvent : public QEvent {
public:
    static QEvent::Type Kind()
    {
        static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
        return type;
    }

    CDeliveryEvent(const QPointer<QObject>& pWnd, std::unique_ptr<CWebPageResult> pResult)
        : QEvent(Kind()), m_pWnd(pWnd), m_pResult(std::move(pResult))
    {
    }

    QPointer<QObject> m_pWnd;
    std::unique_ptr<CWebPageResult> m_pResult;
};
} // namespace

class CRequestWorker::Deliverer : public QObject {
public:
    bool event(QEvent* event) override
    {
        if (event->type() != CDeliveryEvent::Kind())
            return QObject::event(event);
        auto* delivery = static_cast<CDeliveryEvent*>(event);
        if (QObject* target = delivery->m_pWnd.data()) {
            // From here on the record belongs to the receiver.
            SendRegisteredMessage(target, RegisteredMessage::nMsgData, 0,
                                  reinterpret_cast<intptr_t>(delivery->m_pResult.release()));
        }
        return true;
    }
};

CRequestWorker::CRequestWorker() : m_pDeliverer(std::make_unique<Deliverer>()) {}

CRequestWorker::~CRequestWorker()
{
    Stop();
    // Results still on their way are deleted with the deliverer's events.
    m_pDeliverer.reset();
}

int CRequestWorker::GetQueueLength() const
{
    std::lock_guard lock(m_queueLock);
    return int(m_queue.size());
}

QList<QPair<int, QString>> CRequestWorker::GetQueue() const
{
    std::lock_guard lock(m_queueLock);
    QList<QPair<int, QString>> queue;
    for (const auto& request : m_queue)
        queue.append({request->m_nType, request->m_strText});
    return queue;
}

QString CRequestWorker::GetLastSpokenText() const
{
    std::lock_guard lock(m_queueLock);
    return m_strLastSpoken;
}

void CRequestWorker::QueueRequest(int nType, QObject* pWnd, int nValue, const QString& strText)
{
    Enqueue(std::make_unique<CRequest>(nType, pWnd, nValue, strText), false);
}

void CRequestWorker::QueueStop()
{
    Enqueue(std::make_unique<CRequest>(REQUEST_STOP, nullptr, 0, QString()), true);
    // The program is closing: a page that hangs must not hold it up.
    AbortFetch();
}

void CRequestWorker::Enqueue(std::unique_ptr<CRequest> pRequest, bool bAtHead)
{
    {
        std::lock_guard lock(m_queueLock);
        const int type = pRequest->m_nType;
        if (type == REQUEST_WEB_PAGE || type == REQUEST_SPEAK) {
            // Only the newest page or text of one window is worth waiting
            // for; other kinds, other windows and a stop stay queued.
            QObject* wnd = pRequest->m_pWnd.data();
            std::erase_if(m_queue, [&](const std::unique_ptr<CRequest>& queued) {
                return queued->m_nType == type && queued->m_pWnd.data() == wnd;
            });
        }
        if (bAtHead)
            m_queue.push_front(std::move(pRequest));
        else
            m_queue.push_back(std::move(pRequest));
    }
    SetWakeEvent();
}

void CRequestWorker::DoWork()
{
    while (!IsStopRequested()) {
        std::unique_ptr<CRequest> request;
        {
            std::lock_guard lock(m_queueLock);
            if (m_queue.empty())
                return;
            request = std::move(m_queue.front());
            m_queue.pop_front();
        }
        Execute(*request);
    }
}

void CRequestWorker::Execute(CRequest& request)
{
    switch (request.m_nType) {
    case REQUEST_WEB_PAGE:
        FetchUrl(request);
        break;
    case REQUEST_SPEAK:
        SpeakText(request);
        break;
    case REQUEST_STOP:
        RequestStop();
        break;
    default:
        // Polling from a worker would put CAT traffic beside the UI
        // thread's; nothing in the program asks for it.
        break;
    }
}

void CRequestWorker::Deliver(const QPointer<QObject>& pWnd, std::unique_ptr<CWebPageResult> pResult)
{
    QCoreApplication::postEvent(m_pDeliverer.get(), new CDeliveryEvent(pWnd, std::move(pResult)));
}

void CRequestWorker::FetchUrl(CRequest& request)
{
    // Posted, not sent: a UI thread that waits for this worker (closing)
    // must never be what the worker waits for.
    auto started = std::make_unique<CWebPageResult>();
    started->m_nKind = CWebPageResult::KIND_STARTED;
    started->m_nValue = 1;
    Deliver(request.m_pWnd, std::move(started));

    CWebPage page(request.m_strText);
    {
        std::lock_guard lock(m_fetchLock);
        m_pFetch = &page;
        if (IsStopRequested())
            page.Abort();
    }
    const bool ok = page.Read();
    {
        std::lock_guard lock(m_fetchLock);
        m_pFetch = nullptr;
    }

    auto finished = std::make_unique<CWebPageResult>();
    finished->m_nKind = CWebPageResult::KIND_FINISHED;
    finished->m_nValue = ok ? 1 : 0;
    finished->m_strError = page.GetError();
    finished->m_strUrl = request.m_strText;
    finished->m_lines = page.GetLines();
    Deliver(request.m_pWnd, std::move(finished));
}

void CRequestWorker::AbortFetch()
{
    std::lock_guard lock(m_fetchLock);
    if (m_pFetch)
        m_pFetch->Abort();
}

void CRequestWorker::OnStopSignalled()
{
    AbortFetch();
}

void CRequestWorker::SpeakText(CRequest& request)
{
    if (!m_pSpeech)
        m_pSpeech = std::make_unique<CTextToSpeech>();
    // A worker thread has no main window to own error messages.
    if (!m_pSpeech->IsComStarted())
        m_pSpeech->Initialise(nullptr);
    m_pSpeech->Speak(request.m_strText, false, false);
    std::lock_guard lock(m_queueLock);
    m_strLastSpoken = request.m_strText;
}

void CRequestWorker::OnEnd()
{
    // The engine lives on this thread and goes with it.
    m_pSpeech.reset();
}
