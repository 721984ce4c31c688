#pragma once
#include <QEvent>
#include <cstdint>

class QObject;

// Window messages inside one program: each name gets its own event type,
// the same number for the same name (in every run registering the same set),
// always in 0xC000..0xFFFF and never 0.
uint32_t RegisterWindowMessage(const char* name);

// A registered message in flight: the two message parameters and, for a
// sent message, the handler's result.
class CRegisteredEvent : public QEvent {
public:
    CRegisteredEvent(uint32_t message, uintptr_t wParam, intptr_t lParam)
        : QEvent(QEvent::Type(message)), m_wParam(wParam), m_lParam(lParam)
    {
    }

    uint32_t message() const { return uint32_t(type()); }
    uintptr_t wParam() const { return m_wParam; }
    intptr_t lParam() const { return m_lParam; }
    void SetResult(intptr_t lResult) { m_lResult = lResult; }
    intptr_t Result() const { return m_lResult; }

    // The event as a registered message of that number, else nullptr.
    static CRegisteredEvent* As(QEvent* event, uint32_t message)
    {
        return event && uint32_t(event->type()) == message ? static_cast<CRegisteredEvent*>(event) : nullptr;
    }

private:
    uintptr_t m_wParam;
    intptr_t m_lParam;
    intptr_t m_lResult = 0;
};

// Queued delivery; safe from any thread. False without a receiver.
bool PostRegisteredMessage(QObject* receiver, uint32_t message, uintptr_t wParam = 0, intptr_t lParam = 0);
// Delivery before returning, with the handler's result. From another thread
// the caller blocks until the receiver's thread has handled it.
intptr_t SendRegisteredMessage(QObject* receiver, uint32_t message, uintptr_t wParam = 0, intptr_t lParam = 0);
