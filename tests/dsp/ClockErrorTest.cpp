// The clock-error reading: the estimator on its own with symbol times of a
// known slope, and a receive channel on recordings whose clock error the
// channel simulator set (and on the demonstration recording, whose clock is
// exact), read as the channel window shows it, every ten seconds.
#include "EngineHarness.h"
#include "ChannelSimulator.h"
#include "engine/ClockEstimator.h"
#include "engine/PskReceiver.h"
#include "engine/PskTransmitter.h"
#include "support/TestEnvironment.h"

#include <QProcess>
#include <QString>
#include <cmath>
#include <deque>
#include <gtest/gtest.h>
#include <random>

using namespace dsptest;

namespace {

// Symbol times of a clock off by ppm, with the loop's jitter on each.
void Feed(pskdsp::ClockEstimator& e, double& t, int symbols, double ppm, std::mt19937& rng, double jitter = 0.3)
{
    std::normal_distribution<double> noise(0.0, jitter);
    for (int k = 0; k < symbols; ++k) {
        t += 16.0 * (1 + ppm * 1e-6);
        e.add(t + noise(rng));
    }
}

TEST(ClockEstimator, FitsTheSlopeOfTheSymbolTimesOverStretchesWithGaps)
{
    std::mt19937 rng(7);
    pskdsp::ClockEstimator e;
    e.create(16.0);
    double t = 1000;
    // The first stretch is fitted only once the loop has pulled in.
    Feed(e, t, 256, 5000, rng);
    EXPECT_FALSE(e.valid());
    Feed(e, t, 300, 150, rng);
    ASSERT_TRUE(e.valid());
    EXPECT_NEAR(e.ppm(), 150, 15);
    // A gap (the signal stopped), then the next over: the time between
    // them does not count, and the pooled reading firms up.
    e.gap();
    t += 12345.6;
    Feed(e, t, 64, -9000, rng);  // pulling in again
    Feed(e, t, 900, 150, rng);
    EXPECT_NEAR(e.ppm(), 150, 4);
    // Retuned: another station.
    e.reset();
    EXPECT_FALSE(e.valid());
    EXPECT_EQ(e.ppm(), 0);
}

std::vector<float> Transmission(const std::string& text, double frequency, int mode)
{
    std::vector<float> samples(4000, 0.0f);
    pskdsp::PskTransmitter tx;
    tx.create(8000.0);
    tx.setFrequency(frequency);
    std::deque<uint8_t> queue(text.begin(), text.end());
    tx.start(mode);
    tx.stop();
    pskdsp::TxEvents events;
    float block[256];
    for (int n = 0; n < 8000 * 300 / 256 && tx.active(); ++n) {
        tx.execute(block, 256, queue, events);
        samples.insert(samples.end(), block, block + 256);
    }
    return samples;
}

std::vector<int> Readings(const std::vector<float>& x, int mode, double frequency)
{
    pskdsp::PskReceiver rx;
    rx.create(8000, mode, frequency);
    rx.setSquelch(0, 0);
    std::vector<int> readings;
    pskdsp::RxEvents events;
    for (size_t i = 0; i + 256 <= x.size(); i += 256) {
        events.clear();
        rx.execute(&x[i], 256, events);
        if (events.clock)
            readings.push_back(events.clockPpm);
    }
    return readings;
}

std::string Readable(const std::vector<int>& v)
{
    std::string s;
    for (int r : v)
        s += std::to_string(r) + " ";
    return s;
}

TEST(ClockError, EveryReadingIsNearTheClockErrorOfTheRecording)
{
    std::string text;
    while (text.size() < 220)
        text += "the quick brown fox jumps over the lazy dog 0123456789 ";
    struct Case {
        int mode;
        double ppm;
        double snr;
    };
    const Case cases[] = {{0, 0, 10}, {0, 150, 10}, {0, -300, 6}, {8, 200, 10}, {1, -120, 12}};
    for (const Case& c : cases) {
        SCOPED_TRACE("mode " + std::to_string(c.mode) + ", " + std::to_string(int(c.ppm)) + " ppm");
        pskchannelsim::ChannelParams p;
        p.clockPpm = c.ppm;
        p.snrDb = c.snr;
        p.seed = 3;
        const std::vector<int> readings = Readings(pskchannelsim::simulate(Transmission(text, 1200, c.mode), p),
                                                   c.mode, 1200);
        ASSERT_GE(readings.size(), 2u);
        // From the first reading on within a tenth (and a few ppm) of the
        // truth, and closer as the signal goes on.
        for (int r : readings)
            EXPECT_NEAR(r, c.ppm, std::abs(c.ppm) / 10 + 20) << Readable(readings);
        EXPECT_NEAR(readings.back(), c.ppm, 6) << Readable(readings);
    }
}

#ifdef PSKDEMO_PROGRAM
// The recording scripts/run plays in a loop: made at exactly 8000 Hz, it
// reads near 0 on every station, however often it is played.
TEST(ClockError, TheDemonstrationRecordingReadsNearZero)
{
    const std::string path = scratchPath("demo-clock.wav");
    QProcess tool;
    tool.start(QString::fromStdString(PSKDEMO_PROGRAM), {QString::fromStdString(path)});
    ASSERT_TRUE(tool.waitForFinished(30000));
    ASSERT_EQ(tool.exitCode(), 0);
    const std::vector<float> once = readWave(path);
    std::vector<float> looped;
    for (int i = 0; i < 6; ++i)
        looped.insert(looped.end(), once.begin(), once.end());
    for (double frequency : {1000.0, 1500.0, 700.0}) {
        SCOPED_TRACE(frequency);
        const std::vector<int> readings = Readings(looped, 0, frequency);
        for (int r : readings)
            EXPECT_LE(std::abs(r), 50) << Readable(readings);
    }
}
#endif

} // namespace
