#pragma once
#include <QString>
#include <QStringList>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

class QThread;

namespace platform {

// Line settings as the design's device-control text gives them ("38400,n,8,2").
struct SerialLineSettings {
    int32_t baud = 38400;
    int dataBits = 8;
    char parity = 'n';   // n, e, o, m, s
    int stopBits = 2;    // 1 or 2
    bool dtr = false;    // level held while the port is open
    bool rts = false;
};

// Parses "speed,parity,data,stop"; false with a reason on text the line cannot take.
bool parseLineSettings(const QString& text, SerialLineSettings* out, QString* error);
QString formatLineSettings(const SerialLineSettings& s);

// Read and write time-outs in the design's form, in milliseconds. A read ends
// when all bytes arrived, when the total (multiplier x count + constant)
// elapses, or when a gap between two bytes exceeds the interval.
struct SerialTimeouts {
    int readInterval = 200;
    int readTotalMultiplier = 200;
    int readTotalConstant = 500;
    int writeTotalMultiplier = 100;
    int writeTotalConstant = 500;
};

// One serial device. Every call is bounded by the time-outs; nothing runs an
// event loop, so no other handler can start while an exchange is in flight.
class SerialPort {
public:
    virtual ~SerialPort() = default;
    // Exclusive open; false with the system's text on failure.
    virtual bool open(const QString& portName, QString* error) = 0;
    virtual bool configure(const SerialLineSettings& settings, QString* error) = 0;
    virtual bool setTimeouts(const SerialTimeouts& timeouts, QString* error) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Returns false when the write call failed; *written gets the bytes sent.
    virtual bool write(const uint8_t* data, int count, int* written, QString* error) = 0;
    // Returns false when the read call failed; a time-out is a success with
    // fewer bytes (possibly none) in *got, as the design's read call behaves.
    virtual bool read(uint8_t* data, int count, int* got, QString* error) = 0;
    // Drops input that arrived outside an exchange (a late answer).
    virtual void flushInput() = 0;
    virtual bool setDtr(bool on) = 0;
    virtual bool setRts(bool on) = 0;
    // A port opened on a helper thread is handed to the thread that goes on
    // using it; called on the thread that opened it.
    virtual void moveToThread(QThread* thread) {}
    // While the flag is raised, a read ends within a few tens of milliseconds
    // as a time-out would, and nothing more is written: someone gave up on
    // the exchange and must not wait for the radio's time-out. Set while no
    // exchange runs; nullptr: no flag.
    void setInterruptFlag(const std::atomic<bool>* flag) { m_interrupt = flag; }
    bool isInterrupted() const { return m_interrupt && m_interrupt->load(); }

private:
    const std::atomic<bool>* m_interrupt = nullptr;
};

using SerialPortFactory = std::function<std::unique_ptr<SerialPort>()>;

// The real port (QSerialPort) unless a test installed a factory.
std::unique_ptr<SerialPort> createSerialPort();
void setSerialPortFactory(SerialPortFactory factory);

// "COMn" stays an alias of /dev/ttyS<n-1>; any other name is a device path.
QString devicePathForPortName(const QString& portName);
// The ports the system knows, plus the paths in CORVANE_EXTRA_PORTS
// (colon-separated; pseudo-terminals are not listed by the system).
QStringList availablePortNames();

} // namespace platform
