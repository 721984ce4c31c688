// poll_bench: the time of one front-panel poll of the FT-817 over the CAT
// link, against bin/ft817-sim pacing its replies at the line speed.
//
//   poll_bench [polls=200] [baud=38400]
//
// A poll is the status poll's read sequence: frequency and mode, transmitter
// status, receiver status (receiving) or transmit meter (transmitting), the
// six EEPROM words, three words of the other VFO's record, three of the
// current record, and the transmitter status again. Wire time counts 11 bits
// per byte (start, eight data, two stop) for every byte sent and received.
// The pseudo-terminal delivers the frames we send at once, and the simulator
// paces only its replies, so the figure that compares with a real line is the
// measured time plus the wire time of the sent bytes.
#include "corvane/core/CatLink.h"
#include "corvane/core/RadioApp.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
struct PollResult {
    int exchanges = 0;
    int sent = 0;
    int received = 0;
    bool ok = true;
};

PollResult poll(CCatLink& link)
{
    PollResult r;
    auto count = [&](int replyBytes, bool ok) {
        ++r.exchanges;
        r.sent += 5;
        r.received += replyBytes;
        r.ok = r.ok && ok;
    };
    uint32_t frequency = 0;
    uint8_t mode = 0, tx = 0, rx = 0;
    count(5, link.ReadFrequencyAndMode(frequency, mode));
    count(1, link.ReadTxStatus(tx));
    const bool transmitting = tx != 0xFF;
    if (!transmitting)
        count(1, link.ReadRxStatus(rx));
    uint8_t e[12] = {};
    const uint16_t words[6] = {0x55, 0x57, 0x59, 0x5F, 0x65, 0x79};
    for (int i = 0; i < 6; ++i)
        count(2, link.ReadEepromAt(words[i], e[2 * i], e[2 * i + 1]));
    const bool vfoA = !(e[0] & 0x01);
    const int bandA = e[4] & 0x0F;
    const int bandB = e[4] >> 4;
    const int current = vfoA ? bandA : bandB;
    const int other = vfoA ? bandB : bandA;
    const uint16_t otherRecord = uint16_t(0x7D + (vfoA ? 15 + other : other) * 26);
    const uint16_t currentRecord = uint16_t(0x7D + (vfoA ? current : 15 + current) * 26);
    uint8_t a = 0, b = 0;
    for (int offset : {0, 10, 12})
        count(2, link.ReadEepromAt(uint16_t(otherRecord + offset), a, b));
    for (int offset : {1, 3, 6})
        count(2, link.ReadEepromAt(uint16_t(currentRecord + offset), a, b));
    if (transmitting)
        count(2, link.ReadTxMeter(a, b));
    count(1, link.ReadTxStatus(tx));
    return r;
}

struct Series {
    const char* name;
    std::vector<double> ms;
    PollResult shape;
};

void report(const Series& s, int baud)
{
    std::vector<double> sorted = s.ms;
    std::sort(sorted.begin(), sorted.end());
    double sum = 0;
    for (double v : sorted)
        sum += v;
    const double mean = sum / double(sorted.size());
    const double median = sorted[sorted.size() / 2];
    const double p95 = sorted[std::min(sorted.size() - 1, sorted.size() * 95 / 100)];
    const double byteMs = 11.0 * 1000.0 / baud;
    const double sentMs = s.shape.sent * byteMs;
    const double receivedMs = s.shape.received * byteMs;
    const double wireMs = sentMs + receivedMs;
    std::printf("%-12s %2d exchanges, %3d bytes sent, %2d received\n", s.name, s.shape.exchanges, s.shape.sent,
                s.shape.received);
    std::printf("  time per poll      mean %7.2f ms  median %7.2f ms  p95 %7.2f ms\n", mean, median, p95);
    std::printf("  wire time          %7.2f ms (sent %.2f + received %.2f)\n", wireMs, sentMs, receivedMs);
    std::printf("  on a real line     %7.2f ms  ratio to wire time %.3f (target 1.2)\n", mean + sentMs,
                (mean + sentMs) / wireMs);
    std::printf("  paced part only    ratio %.3f (measured / reply wire time; overhead %.3f ms per exchange)\n",
                mean / receivedMs, (mean - receivedMs) / s.shape.exchanges);
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int polls = argc > 1 ? std::max(1, atoi(argv[1])) : 200;
    const int baud = argc > 2 ? atoi(argv[2]) : 38400;

    QProcess sim;
    const QString simPath = QCoreApplication::applicationDirPath() + QStringLiteral("/ft817-sim");
    sim.start(simPath, {QStringLiteral("--print-path"), QStringLiteral("--exit-with-parent"), QStringLiteral("--realtime"),
                        QStringLiteral("--baud"), QString::number(baud)});
    if (!sim.waitForStarted(5000) || !sim.waitForReadyRead(5000)) {
        std::fprintf(stderr, "poll_bench: cannot start %s\n", qPrintable(simPath));
        return 1;
    }
    const QString port = QString::fromLocal8Bit(sim.readLine()).trimmed();

    CCatLink link;
    QString error;
    if (!link.Open(port, QString::number(baud), error)) {
        std::fprintf(stderr, "poll_bench: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("poll_bench: %d polls against ft817-sim --realtime at %d baud 8N2 (%.3f ms per byte)\n", polls, baud,
                11.0 * 1000.0 / baud);

    std::vector<Series> all = {{"receiving", {}, {}}, {"transmitting", {}, {}}};
    for (Series& s : all) {
        link.SetPtt(&s == &all[1]);
        for (int i = 0; i < 5; ++i)
            poll(link);  // warm up
        QElapsedTimer timer;
        for (int i = 0; i < polls; ++i) {
            timer.start();
            const PollResult r = poll(link);
            s.ms.push_back(double(timer.nsecsElapsed()) / 1e6);
            if (!r.ok) {
                std::fprintf(stderr, "poll_bench: a poll failed\n");
                return 1;
            }
            s.shape = r;
        }
    }
    link.SetPtt(false);
    for (const Series& s : all)
        report(s, baud);
    sim.terminate();
    sim.waitForFinished(2000);
    return 0;
}
