// bin/ft817-sim over a real pseudo-terminal, reached through the program's own
// serial port layer.
#include "platform/SerialPort.h"
#include "support/Simulator.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <memory>

using testsupport::Simulator;

namespace {

std::unique_ptr<platform::SerialPort> openPort(const Simulator& sim, int baud = 38400, int stopBits = 2)
{
    auto port = platform::createSerialPort();
    QString error;
    if (!port->open(sim.portPath(), &error)) {
        ADD_FAILURE() << error.toStdString();
        return port;
    }
    platform::SerialLineSettings line;
    line.baud = baud;
    line.stopBits = stopBits;
    EXPECT_TRUE(port->configure(line, &error)) << error.toStdString();
    platform::SerialTimeouts t;
    t.readInterval = 50;
    t.readTotalMultiplier = 20;
    t.readTotalConstant = 200;
    port->setTimeouts(t, &error);
    return port;
}

QByteArray exchange(platform::SerialPort& port, const QByteArray& frame, int replyLength)
{
    port.flushInput();
    int written = 0;
    QString error;
    EXPECT_TRUE(port.write(reinterpret_cast<const uint8_t*>(frame.constData()), int(frame.size()), &written, &error));
    QByteArray reply(replyLength, '\0');
    int got = 0;
    EXPECT_TRUE(port.read(reinterpret_cast<uint8_t*>(reply.data()), replyLength, &got, &error));
    reply.truncate(got);
    return reply;
}

const QByteArray kReadFrequency = QByteArray::fromHex("0000000003");

} // namespace

TEST(SimulatorProgram, AnswersOnlyAtItsOwnSpeedAnd8N2)
{
    Simulator sim;
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();

    auto port = openPort(sim, 9600);
    EXPECT_TRUE(exchange(*port, kReadFrequency, 5).isEmpty());
    port.reset(); // one client at a time: the port is opened exclusively
    port = openPort(sim, 38400, 1);
    EXPECT_TRUE(exchange(*port, kReadFrequency, 5).isEmpty());
    port.reset();
    port = openPort(sim, 38400, 2);
    EXPECT_EQ(exchange(*port, kReadFrequency, 5).toHex(), "0140700001");

    ASSERT_TRUE(sim.waitForFrames(3));
    const auto log = sim.exchanges();
    ASSERT_EQ(log.size(), 3);
    EXPECT_TRUE(log[0].note.contains(QStringLiteral("9600 8N2"))) << log[0].note.toStdString();
    EXPECT_TRUE(log[1].note.contains(QStringLiteral("38400 8N1"))) << log[1].note.toStdString();
    EXPECT_TRUE(log[0].reply.isEmpty());
    EXPECT_EQ(log[2].reply.toHex(), "0140700001");
    EXPECT_TRUE(log[2].note.isEmpty());
}

TEST(SimulatorProgram, OtherSpeedsAndTheStartupProbe)
{
    Simulator::Options o;
    o.baud = 4800;
    Simulator sim(o);
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    auto port = openPort(sim, 4800);
    // Wake-up bytes get no answer, power-on one byte, then the frequency read.
    EXPECT_TRUE(exchange(*port, QByteArray(5, '\xFF'), 1).isEmpty());
    EXPECT_EQ(exchange(*port, QByteArray::fromHex("000000000F"), 1).size(), 1);
    EXPECT_EQ(exchange(*port, kReadFrequency, 5).toHex(), "0140700001");
}

TEST(SimulatorProgram, TunesAndKeepsEepromInStepOverTheWire)
{
    Simulator sim;
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    auto port = openPort(sim);
    EXPECT_EQ(exchange(*port, QByteArray::fromHex("0070350001"), 1).toHex(), "00");
    EXPECT_EQ(exchange(*port, QByteArray::fromHex("0100000007"), 1).toHex(), "00");
    EXPECT_EQ(exchange(*port, kReadFrequency, 5).toHex(), "0070350001");
    EXPECT_EQ(exchange(*port, QByteArray::fromHex("00590000BB"), 2).toHex(), "c200");
    // 40 m record of VFO A: 0x7D + 2 * 26 = 0xB1; mode in byte 0, frequency at +10.
    EXPECT_EQ(exchange(*port, QByteArray::fromHex("00B10000BB"), 2).at(0) & 0x07, 1);
    EXPECT_EQ(exchange(*port, QByteArray::fromHex("00BB0000BB"), 2).toHex(), "000a");
    EXPECT_EQ(exchange(*port, QByteArray::fromHex("00BD0000BB"), 2).toHex(), "bc0c");
    EXPECT_EQ(exchange(*port, QByteArray::fromHex("00BDBC16BC"), 1).toHex(), "00");
    EXPECT_EQ(exchange(*port, kReadFrequency, 5).toHex(), "0070351001");
    EXPECT_EQ(exchange(*port, QByteArray::fromHex("0000000008"), 1).toHex(), "00");
    EXPECT_EQ(exchange(*port, QByteArray::fromHex("00000000F7"), 1).toHex(), "0c");
    EXPECT_EQ(exchange(*port, QByteArray::fromHex("00000000BD"), 2).size(), 2);
    EXPECT_EQ(exchange(*port, QByteArray::fromHex("0000000088"), 1).toHex(), "00");
    EXPECT_EQ(exchange(*port, QByteArray::fromHex("00000000F7"), 1).toHex(), "ff");

    // The snapshot shows the same radio without a word on the line.
    const int framesBefore = sim.exchanges().size();
    const QByteArray image = sim.eeprom();
    ASSERT_EQ(image.size(), 8192);
    EXPECT_EQ(uint8_t(image[0x59]), 0xC2);
    EXPECT_EQ(image.mid(0xB1 + 10, 4).toHex(), "000abc16");
    EXPECT_EQ(sim.eepromByte(0xB1) & 0x07, 1);
    EXPECT_EQ(sim.exchanges().size(), framesBefore);
}

TEST(SimulatorProgram, FramesSplitAcrossWritesAndStrayBytes)
{
    Simulator::Options o;
    o.extraArguments << QStringLiteral("--frame-gap") << QStringLiteral("100");
    Simulator sim(o);
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    auto port = openPort(sim);
    int written = 0;
    QString error;
    const uint8_t head[2] = {0x00, 0x00};
    const uint8_t tail[3] = {0x00, 0x00, 0x03};
    port->write(head, 2, &written, &error);
    QThread::msleep(20);
    port->write(tail, 3, &written, &error);
    uint8_t reply[5] = {};
    int got = 0;
    port->read(reply, 5, &got, &error);
    EXPECT_EQ(got, 5);
    EXPECT_EQ(reply[0], 0x01);

    // A lone byte, then a pause: the next frame is still understood.
    const uint8_t stray = 0x42;
    port->write(&stray, 1, &written, &error);
    QThread::msleep(250);
    EXPECT_EQ(exchange(*port, kReadFrequency, 5).toHex(), "0140700001");
    EXPECT_TRUE(sim.journalLines().filter(QStringLiteral("dropped 42")).size() == 1)
        << sim.journalLines().join(QLatin1Char('\n')).toStdString();
}

TEST(SimulatorProgram, FaultOptionsActOnTheChosenFrames)
{
    Simulator::Options o;
    o.faults << QStringLiteral("no-answer:op=03,count=1") << QStringLiteral("short-reply:op=BB,keep=1,count=1")
             << QStringLiteral("late-answer:op=F7,delay=600,count=1");
    Simulator sim(o);
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    auto port = openPort(sim);
    EXPECT_TRUE(exchange(*port, kReadFrequency, 5).isEmpty());
    EXPECT_EQ(exchange(*port, kReadFrequency, 5).size(), 5);
    EXPECT_EQ(exchange(*port, QByteArray::fromHex("00550000BB"), 2).size(), 1);
    EXPECT_EQ(exchange(*port, QByteArray::fromHex("00550000BB"), 2).size(), 2);
    // The late status byte misses the read and is flushed before the next frame.
    EXPECT_TRUE(exchange(*port, QByteArray::fromHex("00000000F7"), 1).isEmpty());
    QThread::msleep(500);
    EXPECT_EQ(exchange(*port, QByteArray::fromHex("00000000E7"), 1).size(), 1);
    EXPECT_EQ(exchange(*port, kReadFrequency, 5).toHex(), "0140700001");

    const auto log = sim.exchanges();
    ASSERT_GE(log.size(), 7);
    EXPECT_EQ(log[0].note, QStringLiteral("fault no-answer"));
    EXPECT_EQ(log[2].note, QStringLiteral("fault short-reply"));
    EXPECT_EQ(log[4].note, QStringLiteral("fault late-answer"));
    EXPECT_EQ(log[4].reply.toHex(), "ff");
}

TEST(SimulatorProgram, JournalRecordsEveryFrameInOrderWithItsTime)
{
    Simulator sim;
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    auto port = openPort(sim);
    const QList<QByteArray> sent = {kReadFrequency, QByteArray::fromHex("00000000E7"),
                                    QByteArray::fromHex("0000000055"), QByteArray::fromHex("01020304BB")};
    for (const QByteArray& f : sent)
        exchange(*port, f, 2);
    ASSERT_TRUE(sim.waitForFrames(sent.size()));
    EXPECT_EQ(sim.frames(), sent);
    const auto log = sim.exchanges();
    EXPECT_TRUE(log[2].reply.isEmpty()) << "unknown opcode";
    for (int i = 1; i < log.size(); ++i)
        EXPECT_GE(log[i].elapsedMs, log[i - 1].elapsedMs);
    EXPECT_TRUE(sim.journalLines().value(0).startsWith(QLatin1Char('#')));
}

TEST(SimulatorProgram, RealtimePacesRepliesAtTheLineSpeed)
{
    Simulator::Options o;
    o.baud = 4800;
    o.realtime = true;
    Simulator sim(o);
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    auto port = openPort(sim, 4800);
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(exchange(*port, kReadFrequency, 5).size(), 5);
    // Five bytes of 11 bits at 4800 bit/s take 11.5 ms at least.
    EXPECT_GE(timer.elapsed(), 11);
}

TEST(SimulatorProgram, EepromFileLoadsPokesAndSavesOnStop)
{
    QTemporaryDir dir;
    const QString image = dir.filePath(QStringLiteral("ft817.bin"));
    {
        Simulator::Options o;
        o.eepromFile = image;
        o.pokes << QStringLiteral("0055=81");
        Simulator sim(o);
        ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
        auto port = openPort(sim);
        EXPECT_EQ(exchange(*port, kReadFrequency, 5).toHex(), "1448000008") << "VFO B from the poke";
        EXPECT_EQ(exchange(*port, QByteArray::fromHex("00790302BC"), 1).toHex(), "00");
        port->close();
        sim.stop();
    }
    QFile f(image);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    ASSERT_EQ(bytes.size(), 8192);
    EXPECT_EQ(uint8_t(bytes[0x79]), 0x03);
    EXPECT_EQ(uint8_t(bytes[0x55]), 0x81);
    f.close();

    // The saved image is what the next run starts from.
    Simulator::Options o;
    o.eepromFile = image;
    Simulator sim(o);
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    auto port = openPort(sim);
    EXPECT_EQ(exchange(*port, QByteArray::fromHex("00790000BB"), 2).toHex(), "0302");
}

TEST(SimulatorProgram, BadOptionsAreReportedAndNothingStarts)
{
    Simulator::Options o;
    o.faults << QStringLiteral("loud-answer");
    Simulator sim(o);
    EXPECT_FALSE(sim.isRunning());
    EXPECT_TRUE(sim.errorText().contains(QStringLiteral("unknown fault"))) << sim.errorText().toStdString();
}
