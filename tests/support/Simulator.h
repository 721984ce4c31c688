#pragma once
// The FT-817 simulator (bin/ft817-sim) as a test fixture.
//
//   testsupport::Simulator sim;                       // default radio at 38400 8N2
//   ASSERT_TRUE(sim.isRunning()) << sim.errorText();
//   auto port = platform::createSerialPort();
//   port->open(sim.portPath(), &error);              // a pseudo-terminal path
//   port->configure(platform::SerialLineSettings{}, &error);   // 38400,n,8,2
//   ... exchanges ...
//   EXPECT_EQ(sim.frames().size(), 3);               // what the radio received
//
// With options:
//
//   testsupport::Simulator::Options o;
//   o.baud = 9600;                                   // the radio's CAT RATE
//   o.faults << "no-answer:op=03,count=1";           // see below
//   o.pokes << "0055=40";                            // EEPROM bytes before start
//   testsupport::Simulator sim(o);
//
// Faults (each KIND[:key=value,...]):
//   no-answer            frame not heard: no reply, no effect on the radio
//   late-answer          reply after delay=MS (default 1000)
//   short-reply          only keep=N reply bytes (default: all but the last)
//   corrupt-reply        reply bytes XOR xor=HH (default FF)
//   inconsistent-eeprom  0xBB reads flip bit 0 of the first byte on every
//                        second read, so three reads in a row disagree
//   write-not-stick      0xBC acknowledged but not stored
// limited by op=HH (opcode), addr=HHHH (EEPROM address), after=N (let N
// matching frames pass first), every=N (then every Nth), count=N (at most N).
//
// The radio answers only a line at its speed with 8 data bits, no parity and
// 2 stop bits; otherwise it stays silent (the journal notes it).
//
// eeprom() gives a snapshot of the radio's whole EEPROM (8192 bytes, address =
// offset) while it runs, without any CAT traffic, so a test can check what a
// write did to the radio. Options::eepromFile names the image file the
// simulator starts from (when it exists) and saves on stop; by default a
// temporary one.
//
// The simulator is stopped (SIGTERM, then killed if it lingers) when the object
// is destroyed; it also ends by itself if the test process dies.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>

class QProcess;
class QTemporaryDir;

namespace testsupport {

class Simulator {
public:
    struct Options {
        int baud = 38400;
        bool realtime = false;          // pace reply bytes at the line speed
        QStringList faults;             // --fault specs, in order
        QStringList pokes;              // "ADDR=HEXBYTES", e.g. "0055=40"
        QString eepromFile;             // load at start (when present), save on stop
        int sMeter = -1;                // fixed S-meter reading 0-15; -1 varies with frequency
        bool faultsDisarmed = false;    // the faults wait for setFaultsArmed(true)
        QStringList extraArguments;     // anything else for ft817-sim
        // The name programs open the radio by (a symbolic link to the
        // pseudo-terminal, gone when the simulator ends); by default a fresh
        // one in the simulator's folder. A test that unplugs and plugs in the
        // radio starts a second simulator on the same path.
        QString linkPath;
    };

    // One journal entry: a frame the simulator received and what it sent back.
    struct Exchange {
        QByteArray frame;               // five bytes
        QByteArray reply;               // bytes sent (empty: silent)
        QString note;                   // "silent: line ...", "fault short-reply", ...
        qint64 elapsedMs = 0;           // since the simulator started
    };

    Simulator();
    explicit Simulator(const Options& options);
    ~Simulator();
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    bool isRunning() const;
    QString errorText() const { return m_error; }
    // The radio's name: give it to the serial port (a link to the slave side
    // of the pseudo-terminal).
    QString portPath() const { return m_path; }
    // The slave side of the pseudo-terminal itself.
    QString devicePath() const { return m_devicePath; }
    QString journalPath() const;

    // Journal lines as written (the first line is a "#" header).
    QStringList journalLines() const;
    QList<Exchange> exchanges() const;
    // Just the received frames, in order.
    QList<QByteArray> frames() const;
    // Waits until at least count frames have been journalled (or the time runs
    // out); the simulator journals a frame before replying to it, but a frame it
    // stays silent to gives the test nothing else to wait on.
    bool waitForFrames(int count, int timeoutMs = 3000) const;

    // The radio's EEPROM now (empty when the simulator is not running).
    QByteArray eeprom() const;
    // One byte of it (0 when the simulator is not running).
    uint8_t eepromByte(int address) const;

    // Arms or disarms the faults while the simulator runs; true once it took
    // the change (a disarmed plan neither hits nor counts frames).
    bool setFaultsArmed(bool armed);

    // The adapter pulled out (the device goes away under whoever has it open,
    // and the --link path with it) and plugged back in (a new device behind
    // the same link). True once the simulator did it.
    bool unplug();
    bool plugBack();

    // Stops the simulator (saving the image file); the path is invalid afterwards.
    void stop();

    // bin/ft817-sim of the build tree.
    static QString programPath();

private:
    void start(const Options& options);
    bool signalAndWait(int signal, const QString& journalText);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QProcess> m_process;
    QString m_path;
    QString m_linkPath;
    QString m_devicePath;
    QString m_imagePath;
    QString m_error;
    bool m_faultsArmed = true;
};

} // namespace testsupport
