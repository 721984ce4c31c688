#pragma once
// A window message as the toolkit's controls send it to their owners: the
// message number is a Qt event type (registered messages are registered
// event types), with the two message parameters beside it.
#include <QEvent>
#include <cstdint>

class QObject;

class CPostedMessage : public QEvent {
public:
    CPostedMessage(unsigned nMsg, uintptr_t wParam, intptr_t lParam)
        : QEvent(QEvent::Type(nMsg)), m_wParam(wParam), m_lParam(lParam)
    {
    }
    unsigned Message() const { return unsigned(type()); }
    uintptr_t m_wParam;
    intptr_t m_lParam;
};

// Queued, like PostMessage; a null target or message 0 does nothing.
void PostMessageTo(QObject* target, unsigned nMsg, uintptr_t wParam = 0, intptr_t lParam = 0);
// Synchronous, like SendMessage; answers whether the target accepted it.
bool SendMessageTo(QObject* target, unsigned nMsg, uintptr_t wParam = 0, intptr_t lParam = 0);
