#include "platform/SerialPort.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QSerialPort>
#include <QSerialPortInfo>

namespace platform {

bool parseLineSettings(const QString& text, SerialLineSettings* out, QString* error)
{
    const QStringList parts = text.split(QLatin1Char(','));
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (parts.size() != 4)
        return fail(QStringLiteral("The parameter is incorrect."));
    bool ok = false;
    const int baud = parts[0].trimmed().toInt(&ok);
    if (!ok || baud <= 0)
        return fail(QStringLiteral("The parameter is incorrect."));
    const QString parity = parts[1].trimmed().toLower();
    if (parity.size() != 1 || !QStringLiteral("neoms").contains(parity))
        return fail(QStringLiteral("The parameter is incorrect."));
    const int data = parts[2].trimmed().toInt(&ok);
    if (!ok || data < 5 || data > 8)
        return fail(QStringLiteral("The parameter is incorrect."));
    const int stop = parts[3].trimmed().toInt(&ok);
    if (!ok || (stop != 1 && stop != 2))
        return fail(QStringLiteral("The parameter is incorrect."));
    out->baud = baud;
    out->parity = parity[0].toLatin1();
    out->dataBits = data;
    out->stopBits = stop;
    return true;
}

QString formatLineSettings(const SerialLineSettings& s)
{
    return QStringLiteral("baud=%1 parity=%2 data=%3 stop=%4 dtr=%5 rts=%6")
        .arg(s.baud)
        .arg(QChar::fromLatin1(s.parity).toUpper())
        .arg(s.dataBits)
        .arg(s.stopBits)
        .arg(s.dtr ? QStringLiteral("on") : QStringLiteral("off"))
        .arg(s.rts ? QStringLiteral("on") : QStringLiteral("off"));
}

namespace {

class QtSerialPort final : public SerialPort {
public:
    bool open(const QString& portName, QString* error) override
    {
        close();
        m_port.setPortName(devicePathForPortName(portName));
        if (!m_port.open(QIODevice::ReadWrite)) {
            if (error)
                *error = m_port.errorString();
            return false;
        }
        return true;
    }

    bool configure(const SerialLineSettings& s, QString* error) override
    {
        QSerialPort::Parity parity = QSerialPort::NoParity;
        switch (s.parity) {
        case 'e': parity = QSerialPort::EvenParity; break;
        case 'o': parity = QSerialPort::OddParity; break;
        case 'm': parity = QSerialPort::MarkParity; break;
        case 's': parity = QSerialPort::SpaceParity; break;
        default: break;
        }
        const bool ok = m_port.setBaudRate(s.baud) && m_port.setDataBits(QSerialPort::DataBits(s.dataBits))
            && m_port.setParity(parity)
            && m_port.setStopBits(s.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop)
            && m_port.setFlowControl(QSerialPort::NoFlowControl);
        if (!ok) {
            if (error)
                *error = m_port.errorString();
            return false;
        }
        // Pseudo-terminals have no modem lines; a cable's levels matter only on real ports.
        m_port.setDataTerminalReady(s.dtr);
        m_port.setRequestToSend(s.rts);
        return true;
    }

    bool setTimeouts(const SerialTimeouts& t, QString*) override
    {
        m_timeouts = t;
        return true;
    }

    void close() override
    {
        if (m_port.isOpen())
            m_port.close();
    }

    bool isOpen() const override { return m_port.isOpen(); }

    bool write(const uint8_t* data, int count, int* written, QString* error) override
    {
        *written = 0;
        if (!m_port.isOpen()) {
            if (error)
                *error = QStringLiteral("The handle is invalid.");
            return false;
        }
        const qint64 n = m_port.write(reinterpret_cast<const char*>(data), count);
        if (n < 0) {
            if (error)
                *error = m_port.errorString();
            return false;
        }
        const int limit = m_timeouts.writeTotalMultiplier * count + m_timeouts.writeTotalConstant;
        QElapsedTimer timer;
        timer.start();
        while (m_port.bytesToWrite() > 0) {
            const int left = limit - int(timer.elapsed());
            if (left <= 0 || !m_port.waitForBytesWritten(left))
                break;
        }
        *written = int(n - m_port.bytesToWrite());
        if (m_port.bytesToWrite() > 0) {
            m_port.clear(QSerialPort::Output);
            if (error)
                *error = QStringLiteral("This operation returned because the timeout period expired.");
            return false;
        }
        return true;
    }

    bool read(uint8_t* data, int count, int* got, QString* error) override
    {
        *got = 0;
        if (!m_port.isOpen()) {
            if (error)
                *error = QStringLiteral("The handle is invalid.");
            return false;
        }
        const qint64 total = qint64(m_timeouts.readTotalMultiplier) * count + m_timeouts.readTotalConstant;
        QElapsedTimer timer;
        timer.start();
        while (*got < count) {
            if (m_port.bytesAvailable() > 0) {
                const qint64 n = m_port.read(reinterpret_cast<char*>(data) + *got, count - *got);
                if (n < 0) {
                    if (error)
                        *error = m_port.errorString();
                    return false;
                }
                *got += int(n);
                continue;
            }
            qint64 wait = total - timer.elapsed();
            if (*got > 0 && m_timeouts.readInterval > 0)
                wait = std::min<qint64>(wait, m_timeouts.readInterval);
            if (wait <= 0)
                break;
            if (!m_port.waitForReadyRead(int(wait))) {
                if (m_port.error() != QSerialPort::NoError && m_port.error() != QSerialPort::TimeoutError) {
                    if (error)
                        *error = m_port.errorString();
                    m_port.clearError();
                    return false;
                }
                m_port.clearError();
                if (*got > 0 || timer.elapsed() >= total)
                    break;
            }
        }
        return true;
    }

    void flushInput() override
    {
        if (!m_port.isOpen())
            return;
        // Whatever the OS already holds, and whatever Qt buffered.
        m_port.clear(QSerialPort::Input);
        if (m_port.bytesAvailable() > 0)
            m_port.readAll();
    }

    bool setDtr(bool on) override { return m_port.isOpen() && m_port.setDataTerminalReady(on); }
    bool setRts(bool on) override { return m_port.isOpen() && m_port.setRequestToSend(on); }

private:
    QSerialPort m_port;
    SerialTimeouts m_timeouts;
};

SerialPortFactory& factory()
{
    static SerialPortFactory f;
    return f;
}

} // namespace

std::unique_ptr<SerialPort> createSerialPort()
{
    if (factory())
        return factory()();
    return std::make_unique<QtSerialPort>();
}

void setSerialPortFactory(SerialPortFactory f) { factory() = std::move(f); }

QString devicePathForPortName(const QString& portName)
{
    static const QRegularExpression com(QStringLiteral("^COM([1-9][0-9]*)$"), QRegularExpression::CaseInsensitiveOption);
    const auto m = com.match(portName.trimmed());
    if (m.hasMatch())
        return QStringLiteral("/dev/ttyS%1").arg(m.captured(1).toInt() - 1);
    return portName;
}

QStringList availablePortNames()
{
    QStringList names;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        names << info.systemLocation();
    for (const QString& extra : qEnvironmentVariable("CORVANE_EXTRA_PORTS").split(QLatin1Char(':'), Qt::SkipEmptyParts))
        if (!names.contains(extra))
            names << extra;
    return names;
}

} // namespace platform
