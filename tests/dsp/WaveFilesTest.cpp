// Input from and output to wave files: offsets, limits, appending, progress.
#include "EngineHarness.h"

#include <sndfile.h>

#include <gtest/gtest.h>

#include <cmath>

using namespace dsptest;

namespace {

std::vector<int> values(const std::vector<Posted>& all, int status)
{
    std::vector<int> v;
    for (const auto& p : all)
        if (p.message == PSK_MSG_STATUS && p.wParam == status)
            v.push_back(int(p.lParam));
    return v;
}

// A tone whose frequency tells the second of the file it comes from.
std::vector<float> steps(int seconds)
{
    std::vector<float> x;
    for (int s = 0; s < seconds; ++s)
        for (int i = 0; i < 8000; ++i)
            x.push_back(float(0.3 * std::sin(2 * M_PI * (500 + 500 * s) * i / 8000.0)));
    return x;
}

TEST(WaveFiles, OutputStopsAtItsTimeLimitWithProgressAndAppends)
{
    const std::string in = scratchPath("limit-in.wav"), out = scratchPath("limit-out.wav");
    writeSilence(in, 3.0);
    for (int round = 0; round < 2; ++round) {
        MessageLog log;
        pskdsp::Modem modem;
        modem.setFileSpeed(0);
        int length;
        ASSERT_EQ(modem.setInputWavePath(in.c_str(), &length, 0), 0);
        ASSERT_EQ(modem.setOutputWavePath(out.c_str(), 2, round == 1), 0);
        ASSERT_EQ(modem.startSoundCard(log.sink(), -1, 50, 0x0F), 0);
        ASSERT_TRUE(log.waitStatus(4));
        modem.stopSoundCard();
        const auto all = log.all();
        EXPECT_EQ(values(all, 5).size(), 1u) << "time limit reached once";
        const auto progress = values(all, 7);
        ASSERT_FALSE(progress.empty());
        EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
        EXPECT_EQ(progress.back(), 100);
        const auto input = values(all, 6);
        ASSERT_FALSE(input.empty());
        EXPECT_EQ(input.back(), 100);
        EXPECT_EQ(readWave(out).size(), size_t(16000 * (round + 1))) << "round " << round;
    }
}

TEST(WaveFiles, InputStartsAtItsOffsetAndRewindsToIt)
{
    const std::string in = scratchPath("steps.wav"), out = scratchPath("steps-out.wav");
    writeWave(in, steps(4));
    MessageLog log;
    pskdsp::Modem modem;
    modem.setFileSpeed(2);
    int length;
    ASSERT_EQ(modem.setInputWavePath(in.c_str(), &length, 2), 0);
    EXPECT_EQ(length, 4);
    ASSERT_EQ(modem.setOutputWavePath(out.c_str(), 0, 0), 0);
    ASSERT_EQ(modem.startSoundCard(log.sink(), -1, 50, 0x0F), 0);
    ASSERT_TRUE(log.waitFor([](const std::vector<Posted>& v) {
        return std::count_if(v.begin(), v.end(), [](const Posted& p) { return p.message == PSK_MSG_FFT_READY; }) > 8;
    }));
    // Second 2 of the file is a 1500 Hz tone.
    EXPECT_NEAR(modem.closestPeak(1000, 2500), 1500, 8);
    int raw[512];
    modem.rawData(raw, 0, 512);
    int peak = 0;
    for (int v : raw)
        peak = std::max(peak, std::abs(v));
    EXPECT_NEAR(peak, 0.3 * 32767, 400);
    ASSERT_TRUE(log.waitStatus(4, 5000));
    EXPECT_EQ(modem.rewindInput(99), 0);
    log.clear();
    ASSERT_TRUE(log.waitStatus(4, 5000)) << "a rewound file ends again";
    modem.stopSoundCard();
    // Progress is the position in the whole file: back to the offset's half.
    EXPECT_NEAR(values(log.all(), 6).front(), 50, 3);
}

TEST(WaveFiles, OtherRatesAndStereoAreConverted)
{
    // A 1200 Hz tone at 48 kHz in two channels.
    std::vector<float> stereo;
    for (int i = 0; i < 48000; ++i) {
        const float v = float(0.25 * std::sin(2 * M_PI * 1200 * i / 48000.0));
        stereo.push_back(v);
        stereo.push_back(v);
    }
    const std::string path = scratchPath("stereo48k.wav");
    {
        SF_INFO info{};
        info.samplerate = 48000;
        info.channels = 2;
        info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
        SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
        ASSERT_NE(f, nullptr);
        sf_writef_float(f, stereo.data(), 48000);
        sf_close(f);
    }
    pskdsp::WaveInput input;
    std::string error;
    ASSERT_EQ(input.open(path, 0, &error), 0) << error;
    std::vector<float> x(8000);
    const int got = input.read(x.data(), 8000);
    EXPECT_GT(got, 7900);
    // Count zero crossings: 1200 Hz gives 2400 a second.
    int crossings = 0;
    for (int i = 1; i < got; ++i)
        crossings += (x[i - 1] < 0) != (x[i] < 0);
    EXPECT_NEAR(crossings, 2400 * got / 8000, 6);
}

} // namespace
