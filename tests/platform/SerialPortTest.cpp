#include "platform/SerialPort.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

using namespace platform;

namespace {
// The far end of a pseudo-terminal stands in for the radio.
struct Pty {
    int master = -1;
    QString slavePath;
    Pty()
    {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        grantpt(master);
        unlockpt(master);
        slavePath = QString::fromLocal8Bit(ptsname(master));
        termios t{};
        tcgetattr(master, &t);
        cfmakeraw(&t);
        tcsetattr(master, TCSANOW, &t);
    }
    ~Pty() { close(master); }
    QByteArray readAvailable(int waitMs = 500)
    {
        QByteArray out;
        QElapsedTimer timer;
        timer.start();
        fcntl(master, F_SETFL, O_NONBLOCK);
        while (timer.elapsed() < waitMs) {
            char buf[64];
            const ssize_t n = ::read(master, buf, sizeof buf);
            if (n > 0)
                out.append(buf, n);
            else if (!out.isEmpty())
                break;
            else
                usleep(2000);
        }
        return out;
    }
};
} // namespace

TEST(SerialLineSettings, ParsesTheDeviceControlText)
{
    struct Case { const char* text; bool ok; int baud; char parity; int data; int stop; };
    const Case cases[] = {
        {"38400,n,8,2", true, 38400, 'n', 8, 2},
        {"4800,N,8,1", true, 4800, 'n', 8, 1},
        {"9600,e,7,2", true, 9600, 'e', 7, 2},
        {"fast,n,8,2", false, 0, 0, 0, 0},
        {",n,8,2", false, 0, 0, 0, 0},
        {"38400,x,8,2", false, 0, 0, 0, 0},
        {"38400,n,9,2", false, 0, 0, 0, 0},
        {"38400,n,8,3", false, 0, 0, 0, 0},
        {"38400,n,8", false, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SerialLineSettings s;
        QString error;
        EXPECT_EQ(parseLineSettings(QString::fromLatin1(c.text), &s, &error), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(s.baud, c.baud);
            EXPECT_EQ(s.parity, c.parity);
            EXPECT_EQ(s.dataBits, c.data);
            EXPECT_EQ(s.stopBits, c.stop);
        } else {
            EXPECT_FALSE(error.isEmpty());
        }
    }
}

TEST(SerialPortNames, ComAliasesMapToTtyS)
{
    EXPECT_EQ(devicePathForPortName(QStringLiteral("COM1")), QStringLiteral("/dev/ttyS0"));
    EXPECT_EQ(devicePathForPortName(QStringLiteral("com4")), QStringLiteral("/dev/ttyS3"));
    EXPECT_EQ(devicePathForPortName(QStringLiteral("/dev/ttyUSB0")), QStringLiteral("/dev/ttyUSB0"));
    qputenv("CORVANE_EXTRA_PORTS", "/tmp/a:/tmp/b");
    const QStringList names = availablePortNames();
    EXPECT_TRUE(names.contains(QStringLiteral("/tmp/a")));
    EXPECT_TRUE(names.contains(QStringLiteral("/tmp/b")));
    qunsetenv("CORVANE_EXTRA_PORTS");
}

TEST(QtSerialPort, ExchangesBytesAndBoundsReadsByTimeouts)
{
    Pty pty;
    auto port = createSerialPort();
    QString error;
    ASSERT_TRUE(port->open(pty.slavePath, &error)) << error.toStdString();
    SerialLineSettings s;
    ASSERT_TRUE(port->configure(s, &error)) << error.toStdString();
    SerialTimeouts t;
    t.readInterval = 50;
    t.readTotalMultiplier = 20;
    t.readTotalConstant = 100;
    ASSERT_TRUE(port->setTimeouts(t, &error));

    const uint8_t frame[5] = {0, 0, 0, 0, 0x03};
    int written = 0;
    ASSERT_TRUE(port->write(frame, 5, &written, &error));
    EXPECT_EQ(written, 5);
    EXPECT_EQ(pty.readAvailable(), QByteArray("\x00\x00\x00\x00\x03", 5));

    // A short answer ends at the gap between bytes, as a success with fewer bytes.
    ASSERT_EQ(::write(pty.master, "\x14\x25", 2), 2);
    uint8_t reply[5] = {};
    int got = -1;
    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(port->read(reply, 5, &got, &error));
    EXPECT_EQ(got, 2);
    EXPECT_EQ(reply[0], 0x14);
    EXPECT_EQ(reply[1], 0x25);
    EXPECT_LT(timer.elapsed(), 1000);

    // Silence ends at the total time-out with nothing read.
    timer.restart();
    ASSERT_TRUE(port->read(reply, 1, &got, &error));
    EXPECT_EQ(got, 0);
    EXPECT_GE(timer.elapsed(), 100);
    EXPECT_LT(timer.elapsed(), 2000);

    // Stale input is dropped before the next command.
    ASSERT_EQ(::write(pty.master, "\x99", 1), 1);
    usleep(50000);
    port->flushInput();
    ASSERT_EQ(::write(pty.master, "\x01", 1), 1);
    ASSERT_TRUE(port->read(reply, 1, &got, &error));
    EXPECT_EQ(got, 1);
    EXPECT_EQ(reply[0], 0x01);
    port->close();
    EXPECT_FALSE(port->isOpen());
}

TEST(QtSerialPort, OpenOfMissingDeviceReportsTheSystemText)
{
    auto port = createSerialPort();
    QString error;
    EXPECT_FALSE(port->open(QStringLiteral("/dev/does-not-exist-42"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(port->isOpen());
}

TEST(QtSerialPort, LostDeviceIsReopenedAtTheSamePathWhenItComesBack)
{
    // The radio's path is a link the test moves, as a udev name follows an
    // adapter that is unplugged and plugged in again.
    const QString link = QStringLiteral("/tmp/corvane-serial-%1").arg(getpid());
    ::unlink(link.toLocal8Bit().constData());
    auto first = std::make_unique<Pty>();
    ASSERT_EQ(::symlink(first->slavePath.toLocal8Bit().constData(), link.toLocal8Bit().constData()), 0);

    auto port = createSerialPort();
    QString error;
    ASSERT_TRUE(port->open(link, &error)) << error.toStdString();
    SerialLineSettings s;
    s.baud = 9600;
    ASSERT_TRUE(port->configure(s, &error));
    SerialTimeouts t;
    t.readTotalMultiplier = 20;
    t.readTotalConstant = 100;
    ASSERT_TRUE(port->setTimeouts(t, &error));
    const uint8_t frame[5] = {0, 0, 0, 0, 0x03};
    int written = 0;
    ASSERT_TRUE(port->write(frame, 5, &written, &error));
    EXPECT_EQ(first->readAvailable(), QByteArray("\x00\x00\x00\x00\x03", 5));

    // Unplugged: the device and its name go.
    first.reset();
    ::unlink(link.toLocal8Bit().constData());
    error.clear();
    EXPECT_FALSE(port->write(frame, 5, &written, &error));
    EXPECT_EQ(error, QStringLiteral("Input/output error")) << "the system's own words, not a made-up text";
    EXPECT_TRUE(port->isOpen()) << "still the program's port: it is tried again";

    // Each later exchange tries the path again and says why it failed.
    uint8_t reply[5] = {};
    int got = 0;
    error.clear();
    EXPECT_FALSE(port->read(reply, 5, &got, &error));
    EXPECT_EQ(error, QStringLiteral("No such file or directory"));
    error.clear();
    EXPECT_FALSE(port->write(frame, 5, &written, &error));
    EXPECT_EQ(error, QStringLiteral("No such file or directory"));

    // Plugged in again: a new device under the same name, used at once with
    // the line settings given before.
    Pty second;
    ASSERT_EQ(::symlink(second.slavePath.toLocal8Bit().constData(), link.toLocal8Bit().constData()), 0);
    ASSERT_TRUE(port->write(frame, 5, &written, &error)) << error.toStdString();
    EXPECT_EQ(written, 5);
    EXPECT_EQ(second.readAvailable(), QByteArray("\x00\x00\x00\x00\x03", 5));
    termios line{};
    ASSERT_EQ(tcgetattr(second.master, &line), 0);
    EXPECT_EQ(cfgetospeed(&line), speed_t(B9600));
    EXPECT_TRUE(line.c_cflag & CSTOPB);
    ASSERT_EQ(::write(second.master, "\x14\x25\x00\x00\x01", 5), 5);
    ASSERT_TRUE(port->read(reply, 5, &got, &error));
    EXPECT_EQ(got, 5);
    EXPECT_EQ(reply[0], 0x14);

    port->close();
    EXPECT_FALSE(port->isOpen());
    ::unlink(link.toLocal8Bit().constData());
}

TEST(QtSerialPort, DeviceGoneDuringARead)
{
    auto pty = std::make_unique<Pty>();
    auto port = createSerialPort();
    QString error;
    ASSERT_TRUE(port->open(pty->slavePath, &error)) << error.toStdString();
    ASSERT_TRUE(port->configure(SerialLineSettings{}, &error));
    const QString path = pty->slavePath;
    pty.reset();
    uint8_t reply[1] = {};
    int got = 0;
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(port->read(reply, 1, &got, &error));
    EXPECT_EQ(error, QStringLiteral("Input/output error"));
    EXPECT_LT(timer.elapsed(), 500) << "a hang-up ends the read at once";
    EXPECT_TRUE(port->isOpen()) << path.toStdString() << " is tried again at the next exchange";
    // (Not tried here: the system may give that pseudo-terminal's number to
    // another test at once.)
    port->close();
}

// Someone gave up on the exchange (the operator cancelled a search): a read
// waiting on silence ends soon after the flag goes up, as a time-out would,
// and nothing more is written until it comes down again.
TEST(QtSerialPort, RaisedInterruptFlagEndsAReadAndRefusesWrites)
{
    Pty pty;
    auto port = createSerialPort();
    QString error;
    ASSERT_TRUE(port->open(pty.slavePath, &error)) << error.toStdString();
    ASSERT_TRUE(port->configure(SerialLineSettings{}, &error));
    SerialTimeouts t;
    t.readTotalConstant = 5000;
    ASSERT_TRUE(port->setTimeouts(t, &error));
    std::atomic<bool> interrupt{false};
    port->setInterruptFlag(&interrupt);

    std::thread raiser([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        interrupt = true;
    });
    uint8_t reply[5] = {};
    int got = -1;
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(port->read(reply, 5, &got, &error));
    const qint64 took = timer.elapsed();
    raiser.join();
    EXPECT_EQ(got, 0);
    EXPECT_GE(took, 150);
    EXPECT_LT(took, 600) << "the read went on for " << took << " ms of its 6 s";

    const uint8_t frame[5] = {0, 0, 0, 0, 0x03};
    int written = -1;
    EXPECT_FALSE(port->write(frame, 5, &written, &error));
    EXPECT_EQ(written, 0);
    EXPECT_TRUE(pty.readAvailable(200).isEmpty());

    // Lowered, the port works as before.
    interrupt = false;
    ASSERT_TRUE(port->write(frame, 5, &written, &error));
    EXPECT_EQ(pty.readAvailable(), QByteArray("\x00\x00\x00\x00\x03", 5));
    ASSERT_EQ(::write(pty.master, "\x14", 1), 1);
    ASSERT_TRUE(port->read(reply, 1, &got, &error));
    EXPECT_EQ(got, 1);
    port->setInterruptFlag(nullptr);
    port->close();
}
