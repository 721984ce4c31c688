#include "brevio/core/DspMessageSink.h"

#include <QCoreApplication>

QEvent::Type CDspEvent::EventType()
{
    static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
    return type;
}

CDspMessageSink& CDspMessageSink::Instance()
{
    static CDspMessageSink sink;
    return sink;
}

CDspMessageSink::CDspMessageSink()
{
    m_sink.context = this;
    m_sink.post = &CDspMessageSink::Post;
}

void CDspMessageSink::SetReceiver(QObject* pReceiver)
{
    std::lock_guard lock(m_mutex);
    m_receiver = pReceiver;
}

void CDspMessageSink::Post(void* context, unsigned int message, uintptr_t wParam, intptr_t lParam)
{
    auto* self = static_cast<CDspMessageSink*>(context);
    std::lock_guard lock(self->m_mutex);
    // The receiver clears itself here before it is destroyed; events already
    // queued for it are discarded with it by Qt.
    if (QObject* receiver = self->m_receiver.data())
        QCoreApplication::postEvent(receiver, new CDspEvent(message, wParam, lParam));
}
