#include "platform/RecordingSerialPort.h"

namespace platform {

bool RecordingSerialPort::open(const QString& portName, QString* error)
{
    m_portName = portName;
    if (m_failOpen) {
        if (error)
            *error = QStringLiteral("Access is denied.");
        return false;
    }
    m_open = true;
    ++m_opens;
    return true;
}

bool RecordingSerialPort::configure(const SerialLineSettings& settings, QString*)
{
    m_settings = settings;
    return true;
}

bool RecordingSerialPort::setTimeouts(const SerialTimeouts& timeouts, QString*)
{
    m_timeouts = timeouts;
    return true;
}

void RecordingSerialPort::close()
{
    if (m_open)
        ++m_closes;
    m_open = false;
}

bool RecordingSerialPort::write(const uint8_t* data, int count, int* written, QString* error)
{
    *written = 0;
    if (!m_open || m_failWrite || isInterrupted()) {
        if (error)
            *error = m_failText;
        return false;
    }
    const QByteArray bytes(reinterpret_cast<const char*>(data), count);
    m_writes << bytes;
    *written = count;
    if (m_responder)
        m_input += m_responder(bytes);
    else if (!m_replies.empty()) {
        m_input += m_replies.front();
        m_replies.pop_front();
    }
    return true;
}

bool RecordingSerialPort::read(uint8_t* data, int count, int* got, QString* error)
{
    *got = 0;
    if (!m_open || m_failRead) {
        if (error)
            *error = m_failText;
        return false;
    }
    const int n = std::min<int>(count, int(m_input.size()));
    memcpy(data, m_input.constData(), size_t(n));
    m_input.remove(0, n);
    *got = n;
    return true;
}

} // namespace platform
