#include "platform/SerialPort.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPort>
#include <QSerialPortInfo>

#include <algorithm>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

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

// The longest single wait on the device: an interrupt is seen within it.
constexpr int kWaitStepMs = 50;

// A device that went away (an adapter unplugged, the far end of a
// pseudo-terminal closed) shows as a hang-up: reads end at once with nothing,
// writes fail. Such a port is closed, and every later exchange first tries
// to open the same path again with the same line settings, so a radio that
// comes back on that path is used again without a restart.
class QtSerialPort final : public SerialPort {
public:
    bool open(const QString& portName, QString* error) override
    {
        close();
        m_path = devicePathForPortName(portName);
        m_bConfigured = false;
        if (!OpenDevice(error))
            return false;
        return true;
    }

    bool configure(const SerialLineSettings& s, QString* error) override
    {
        m_settings = s;
        m_bConfigured = true;
        if (m_bLost)
            return true;  // applied when the device is back
        return ApplySettings(error);
    }

    bool setTimeouts(const SerialTimeouts& t, QString*) override
    {
        m_timeouts = t;
        return true;
    }

    void close() override
    {
        m_bLost = false;
        if (m_port.isOpen())
            m_port.close();
    }

    // A lost device still counts as open: the next exchange reopens it.
    bool isOpen() const override { return m_port.isOpen() || m_bLost; }

    bool write(const uint8_t* data, int count, int* written, QString* error) override
    {
        *written = 0;
        if (isInterrupted()) {
            if (error)
                *error = qt_error_string(ECANCELED);
            return false;
        }
        if (!Ready(error))
            return false;
        const qint64 n = m_port.write(reinterpret_cast<const char*>(data), count);
        if (n < 0)
            return Failed(error);
        const int limit = m_timeouts.writeTotalMultiplier * count + m_timeouts.writeTotalConstant;
        QElapsedTimer timer;
        timer.start();
        while (m_port.bytesToWrite() > 0) {
            const int left = limit - int(timer.elapsed());
            if (left <= 0 || isInterrupted())
                break;
            if (!m_port.waitForBytesWritten(std::min(left, kWaitStepMs))) {
                if (IsDeviceError())
                    return Failed(error);
                m_port.clearError();
            }
        }
        *written = int(n - m_port.bytesToWrite());
        if (m_port.bytesToWrite() > 0) {
            m_port.clear(QSerialPort::Output);
            if (error)
                *error = qt_error_string(ETIMEDOUT);
            return false;
        }
        return true;
    }

    bool read(uint8_t* data, int count, int* got, QString* error) override
    {
        *got = 0;
        if (!Ready(error))
            return false;
        const qint64 total = qint64(m_timeouts.readTotalMultiplier) * count + m_timeouts.readTotalConstant;
        QElapsedTimer timer;
        timer.start();
        while (*got < count) {
            if (m_port.bytesAvailable() > 0) {
                const qint64 n = m_port.read(reinterpret_cast<char*>(data) + *got, count - *got);
                if (n < 0)
                    return Failed(error);
                *got += int(n);
                continue;
            }
            qint64 wait = total - timer.elapsed();
            if (*got > 0 && m_timeouts.readInterval > 0)
                wait = std::min<qint64>(wait, m_timeouts.readInterval);
            if (wait <= 0)
                break;
            if (!WaitForReadyRead(wait)) {
                if (IsDeviceError())
                    return Failed(error);
                m_port.clearError();
                if (*got > 0 || timer.elapsed() >= total || isInterrupted())
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
    void moveToThread(QThread* thread) override { m_port.moveToThread(thread); }

private:
    // Waits in short steps, so a raised interrupt flag ends the wait soon.
    // False on time-out, interruption or a device error (left in error()).
    bool WaitForReadyRead(qint64 ms)
    {
        QElapsedTimer clock;
        clock.start();
        for (;;) {
            const qint64 left = ms - clock.elapsed();
            if (left <= 0 || isInterrupted())
                return false;
            if (m_port.waitForReadyRead(int(std::min<qint64>(left, kWaitStepMs))))
                return true;
            if (IsDeviceError())
                return false;
            m_port.clearError();
        }
    }

    bool OpenDevice(QString* error)
    {
        m_port.setPortName(m_path);
        if (!m_port.open(QIODevice::ReadWrite)) {
            if (error)
                *error = m_port.errorString();
            m_port.clearError();
            return false;
        }
        return true;
    }

    bool ApplySettings(QString* error)
    {
        const SerialLineSettings& s = m_settings;
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
            m_port.clearError();
            return false;
        }
        // Pseudo-terminals have no modem lines; a cable's levels matter only on real ports.
        m_port.setDataTerminalReady(s.dtr);
        m_port.setRequestToSend(s.rts);
        m_port.clearError();
        return true;
    }

    // The port can take an exchange: open, or a lost device opened again.
    bool Ready(QString* error)
    {
        if (m_port.isOpen()) {
            // Only what this exchange meets counts.
            m_port.clearError();
            return true;
        }
        if (!m_bLost) {
            if (error)
                *error = qt_error_string(EBADF);
            return false;
        }
        if (!OpenDevice(error))
            return false;
        if (m_bConfigured && !ApplySettings(error)) {
            m_port.close();
            return false;
        }
        m_bLost = false;
        return true;
    }

    // A failure other than a time-out: the device itself failed.
    bool IsDeviceError() const
    {
        const QSerialPort::SerialPortError e = m_port.error();
        return e != QSerialPort::NoError && e != QSerialPort::TimeoutError;
    }

    // The system's own words for what went wrong, then the port closed for
    // reopening when the device has gone away.
    bool Failed(QString* error)
    {
        QString text = m_port.errorString();
        bool lost = m_port.error() == QSerialPort::ResourceError;
#ifdef Q_OS_UNIX
        // A hang-up reads as an empty read with no error number; a write of
        // nothing asks the device how it is.
        errno = 0;
        if (::write(int(m_port.handle()), "", 0) < 0) {
            const int code = errno;
            text = qt_error_string(code);
            lost = lost || code == EIO || code == ENXIO || code == ENODEV || code == EBADF;
        }
#endif
        if (!QFileInfo::exists(m_path))
            lost = true;
        if (error)
            *error = text;
        m_port.clearError();
        if (lost) {
            m_port.close();
            m_bLost = true;
        }
        return false;
    }

    QSerialPort m_port;
    QString m_path;
    SerialLineSettings m_settings;
    bool m_bConfigured = false;
    bool m_bLost = false;
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
