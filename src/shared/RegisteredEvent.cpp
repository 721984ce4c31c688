#include "shared/RegisteredEvent.h"

#include <QCoreApplication>
#include <QHash>
#include <QMetaObject>
#include <QThread>
#include <mutex>

namespace {
// Stable across processes, unlike Qt's seeded hashes.
uint32_t fnv1a(const char* text)
{
    uint32_t h = 2166136261u;
    for (; *text; ++text) {
        h ^= uint8_t(*text);
        h *= 16777619u;
    }
    return h;
}
} // namespace

uint32_t RegisterWindowMessage(const char* name)
{
    static std::mutex mutex;
    static QHash<QByteArray, uint32_t>* names = new QHash<QByteArray, uint32_t>;
    if (!name || !*name)
        return 0;
    std::lock_guard lock(mutex);
    const QByteArray key(name);
    const auto it = names->constFind(key);
    if (it != names->constEnd())
        return *it;
    // The name picks the number, so the same set of names gets the same
    // numbers whatever else registered event types first.
    const int hint = 0xC000 + int(fnv1a(name) % 0x3FFF);
    int type = QEvent::registerEventType(hint);
    if (type < 0xC000)
        type = 0;  // cannot happen unless thousands of types exist
    names->insert(key, uint32_t(type));
    return uint32_t(type);
}

bool PostRegisteredMessage(QObject* receiver, uint32_t message, uintptr_t wParam, intptr_t lParam)
{
    if (!receiver || message == 0)
        return false;
    QCoreApplication::postEvent(receiver, new CRegisteredEvent(message, wParam, lParam));
    return true;
}

intptr_t SendRegisteredMessage(QObject* receiver, uint32_t message, uintptr_t wParam, intptr_t lParam)
{
    if (!receiver || message == 0)
        return 0;
    CRegisteredEvent event(message, wParam, lParam);
    if (receiver->thread() == QThread::currentThread()) {
        QCoreApplication::sendEvent(receiver, &event);
    } else {
        QMetaObject::invokeMethod(
            receiver, [receiver, &event] { QCoreApplication::sendEvent(receiver, &event); },
            Qt::BlockingQueuedConnection);
    }
    return event.Result();
}
