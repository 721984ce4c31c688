#pragma once
#include "brevio/core/DspCalls.h"

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <mutex>

// A message the engine posted (WM_USER + 1000 .. + 1004), as a Qt event.
class CDspEvent : public QEvent {
public:
    static QEvent::Type EventType();
    CDspEvent(unsigned nMessage, uintptr_t wParam, intptr_t lParam)
        : QEvent(EventType()), m_nMessage(nMessage), m_wParam(wParam), m_lParam(lParam)
    {
    }
    unsigned m_nMessage;
    uintptr_t m_wParam;
    intptr_t m_lParam;
};

// What the engine is given as its window: its posts, from the engine's own
// threads, become posted events for the receiver on the UI thread. Lives as
// long as the program, so a post that arrives after the receiver has gone is
// simply dropped.
class CDspMessageSink {
public:
    static CDspMessageSink& Instance();

    void SetReceiver(QObject* pReceiver);
    PskMessageSink* GetSink() { return &m_sink; }

private:
    CDspMessageSink();
    static void Post(void* context, unsigned int message, uintptr_t wParam, intptr_t lParam);

    std::mutex m_mutex;
    QPointer<QObject> m_receiver;
    PskMessageSink m_sink;
};
