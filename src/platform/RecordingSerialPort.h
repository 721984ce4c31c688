#pragma once
#include "platform/SerialPort.h"

#include <QByteArray>
#include <QList>
#include <deque>

namespace platform {

// A serial port for unit tests: records every call and answers each write
// with whatever the responder returns (or the queued replies, in order).
class RecordingSerialPort final : public SerialPort {
public:
    using Responder = std::function<QByteArray(const QByteArray& written)>;

    bool open(const QString& portName, QString* error) override;
    bool configure(const SerialLineSettings& settings, QString* error) override;
    bool setTimeouts(const SerialTimeouts& timeouts, QString* error) override;
    void close() override;
    bool isOpen() const override { return m_open; }
    bool write(const uint8_t* data, int count, int* written, QString* error) override;
    bool read(uint8_t* data, int count, int* got, QString* error) override;
    void flushInput() override { m_input.clear(); ++m_flushes; }
    bool setDtr(bool on) override { m_settings.dtr = on; return m_open; }
    bool setRts(bool on) override { m_settings.rts = on; return m_open; }

    // Script.
    Responder m_responder;
    std::deque<QByteArray> m_replies;  // used when no responder is set
    bool m_failOpen = false;
    bool m_failWrite = false;
    bool m_failRead = false;
    QString m_failText = QStringLiteral("The device does not recognize the command.");

    // Record.
    QString m_portName;
    SerialLineSettings m_settings;
    SerialTimeouts m_timeouts;
    QList<QByteArray> m_writes;
    QByteArray m_input;  // bytes waiting to be read
    int m_opens = 0;
    int m_closes = 0;
    int m_flushes = 0;

private:
    bool m_open = false;
};

} // namespace platform
