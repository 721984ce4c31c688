// The modem end to end through wave files: transmit, receive, messages.
#include "EngineHarness.h"

#include "ChannelSimulator.h"
#include "engine/StatusCodes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <thread>

using namespace dsptest;

namespace {

size_t editDistance(const std::string& a, const std::string& b)
{
    std::vector<size_t> prev(b.size() + 1), cur(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j)
        prev[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        cur[0] = i;
        for (size_t j = 1; j <= b.size(); ++j)
            cur[j] = std::min({prev[j] + 1, cur[j - 1] + 1, prev[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
        std::swap(prev, cur);
    }
    return prev[b.size()];
}

std::vector<int> statuses(const std::vector<Posted>& all)
{
    std::vector<int> s;
    for (const auto& p : all)
        if (p.message == PSK_MSG_STATUS && (p.wParam == 0 || p.wParam == 1 || p.wParam == 3))
            s.push_back(int(p.wParam));
    return s;
}

TEST(Modem, QpskUsbDecodedAsLsbGivesGarbage)
{
    const std::string text = "the quick brown fox jumps over the lazy dog 0123456789";
    const std::string path = scratchPath("usb.wav");
    transmitToFile(path, {text, 1, 1000});
    MessageLog right, wrong;
    receiveFile(path, {{0, 1, 1000, 25, 0}}, right);
    receiveFile(path, {{0, 2, 1000, 25, 0}}, wrong);
    EXPECT_EQ(right.text(0), text);
    EXPECT_GT(editDistance(wrong.text(0), text), text.size() / 2) << wrong.text(0);
}

TEST(Modem, SeveralSignalsAtOnceEachDecodeOnTheirOwnChannel)
{
    // A busy band as an operator runs it: AFC and squelch on every channel,
    // signals starting together or one after another while the others run.
    struct Signal {
        int channel, mode, frequency;
    };
    const Signal tracks[] = {{0, 0, 500}, {1, 1, 750}, {2, 8, 1000}, {3, 9, 1300},
                              {10, 0, 1600}, {27, 2, 1850}, {48, 10, 2200}, {49, 0, 2500}};
    std::vector<std::vector<float>> audio;
    std::vector<RxChannel> channels;
    std::vector<std::string> texts;
    for (const Signal& s : tracks) {
        texts.push_back("ch" + std::to_string(s.channel) + " de QT9XVK mode " + std::to_string(s.mode) + " k");
        const std::string path = scratchPath("multi-" + std::to_string(s.channel) + ".wav");
        transmitToFile(path, {texts.back(), s.mode, s.frequency});
        audio.push_back(readWave(path));
        channels.push_back({s.channel, s.mode, s.frequency, 25, 40});
    }
    for (int stagger : {0, 1000, 2600}) {
        for (uint32_t seed : {1u, 2u, 3u, 4u}) {
            SCOPED_TRACE("starts " + std::to_string(stagger) + " samples apart, noise " + std::to_string(seed));
            std::vector<std::vector<float>> band = audio;
            for (size_t i = 0; i < band.size(); ++i)
                band[i].insert(band[i].begin(), size_t(stagger) * ((i * 5) % band.size()), 0.0f);
            pskchannelsim::ChannelParams p;
            p.snrDb = 10;
            p.outputRms = 0.2;
            p.seed = seed;
            const std::string path = scratchPath("multi.wav");
            writeWave(path, pskchannelsim::simulate(pskchannelsim::mix(band), p));
            MessageLog log;
            receiveFile(path, channels, log);
            for (size_t i = 0; i < channels.size(); ++i)
                EXPECT_EQ(log.text(channels[i].channel), texts[i]) << "channel " << channels[i].channel;
            EXPECT_EQ(log.text(5), "") << "a disabled channel posts nothing";
        }
    }
}

TEST(Modem, AWeakQpskSignalAQuarterOrHalfTheSymbolRateOffIsPulledIn)
{
    // Tuned that far off, every phase change looks turned by a quarter (or
    // half) turn, which still sits on the constellation: the channel must not
    // settle there and print garbage.
    std::string text;
    while (text.size() < 120)
        text += "the quick brown fox jumps over the lazy dog ";
    struct Case {
        int mode, offset;
    };
    for (const Case c : {Case{1, 8}, Case{1, -8}, Case{2, 8}, Case{1, 16}, Case{9, -16}, Case{10, 16}}) {
        SCOPED_TRACE("mode " + std::to_string(c.mode) + ", " + std::to_string(c.offset) + " Hz off");
        const std::string clean = scratchPath("quarter.wav");
        transmitToFile(clean, {text, c.mode, 1500});
        pskchannelsim::ChannelParams p;
        p.snrDb = -8;
        const std::string noisy = scratchPath("quarter-noisy.wav");
        writeWave(noisy, pskchannelsim::simulate(readWave(clean), p));
        MessageLog log;
        receiveFile(noisy, {{0, c.mode, 1500 + c.offset, 25, 0}}, log);
        const std::string got = log.text(0);
        const std::string tail = text.substr(text.size() - 60);
        ASSERT_GE(got.size(), tail.size()) << got;
        EXPECT_EQ(got.substr(got.size() - tail.size()), tail) << got;
    }
}

TEST(Modem, EveryCharacterIsEchoedInOrderBetweenTransmitAndCompleted)
{
    MessageLog log;
    pskdsp::Modem modem;
    modem.setFileSpeed(8); // slow enough to add characters while it sends
    const std::string silence = scratchPath("echo-in.wav"), out = scratchPath("echo-out.wav");
    writeSilence(silence, 0.1);
    int length;
    ASSERT_EQ(modem.setInputWavePath(silence.c_str(), &length, 0), 0);
    ASSERT_EQ(modem.setOutputWavePath(out.c_str(), 0, 0), 0);
    ASSERT_EQ(modem.startSoundCard(log.sink(), -1, 50, 0x0F), 0);
    modem.sendTxCharacter('a');
    modem.sendTxCharacter('b');
    ASSERT_EQ(modem.startTx(0), 0);
    ASSERT_TRUE(log.waitStatus(1));
    // Bytes above 127 arrive sign-extended; 8 is a backspace, sent as its code.
    const int later[] = {'c', -23 /* 0xE9 */, 8, 'd'};
    for (int c : later)
        EXPECT_EQ(modem.sendTxCharacter(c), 0);
    EXPECT_GE(modem.txCharsRemaining(), 4);
    EXPECT_LE(modem.txCharsRemaining(), 6);
    modem.stopTx();
    ASSERT_TRUE(log.waitStatus(0));
    modem.stopSoundCard();

    const auto all = log.all();
    EXPECT_EQ(statuses(all), (std::vector<int>{1, 3, 0}));
    std::string echoes;
    int seenStatus = -1;
    for (const auto& p : all) {
        if (p.message == PSK_MSG_STATUS && (p.wParam == 1 || p.wParam == 3))
            seenStatus = int(p.wParam);
        if (p.message == PSK_MSG_CHARACTER) {
            EXPECT_LT(p.lParam, 0);
            EXPECT_EQ(seenStatus, 1);
            echoes.push_back(char(p.wParam));
        }
    }
    EXPECT_EQ(echoes, std::string("abc\xE9\x08" "d"));

    MessageLog rx;
    receiveFile(out, {{0, 0, 1000, 25, 0}}, rx);
    EXPECT_EQ(rx.text(0), std::string("abc\xE9\x08" "d"));
}

// Key-down stretches of the identification, in milliseconds.
std::vector<double> keyDowns(const std::vector<float>& x)
{
    std::vector<double> out;
    const int win = 16; // 2 ms envelope
    bool on = false;
    size_t start = 0;
    for (size_t i = 0; i + win < x.size(); i += win) {
        float peak = 0;
        for (int k = 0; k < win; ++k)
            peak = std::max(peak, std::abs(x[i + k]));
        const bool now = peak > 0.35f; // half the keyed amplitude
        if (now && !on)
            start = i;
        if (!now && on)
            out.push_back(double(i - start) / 8.0);
        on = now;
    }
    return out;
}

TEST(Modem, CwIdentificationTimingFollowsTheSpeedCode)
{
    for (int speed = 1; speed <= 4; ++speed) {
        SCOPED_TRACE(speed);
        MessageLog log;
        const std::string path = scratchPath("cw.wav");
        TxRequest r;
        r.mode = 4;
        r.cwId = "e t";
        r.cwSpeed = speed;
        transmitToFile(path, r, &log);
        EXPECT_EQ(statuses(log.all()), (std::vector<int>{1, 3, 0}));
        const auto marks = keyDowns(readWave(path));
        ASSERT_EQ(marks.size(), 2u);
        const double dot = 32.0 * speed;
        EXPECT_NEAR(marks[0], dot, 4.0);
        EXPECT_NEAR(marks[1], 3 * dot, 4.0);
    }
}

TEST(Modem, AbortEndsAtOnceWithAShortFade)
{
    MessageLog log;
    pskdsp::Modem modem;
    modem.setFileSpeed(8);
    const std::string silence = scratchPath("abort-in.wav"), out = scratchPath("abort-out.wav");
    writeSilence(silence, 0.1);
    int length;
    modem.setInputWavePath(silence.c_str(), &length, 0);
    modem.setOutputWavePath(out.c_str(), 0, 0);
    ASSERT_EQ(modem.startSoundCard(log.sink(), -1, 50, 0x0F), 0);
    modem.sendTxString("a long text that will never be sent in full because we abort it");
    modem.startTx(0);
    ASSERT_TRUE(log.waitStatus(1));
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    modem.abortTx();
    ASSERT_TRUE(log.waitStatus(0, 2000));
    modem.stopSoundCard();
    EXPECT_EQ(statuses(log.all()), (std::vector<int>{1, 0})) << "no completion after an abort";
    EXPECT_GT(modem.txCharsRemaining(), 0) << "the queue is the program's to clear";
    // The signal stops within a few milliseconds, without a click.
    const auto x = readWave(out);
    size_t last = 0;
    for (size_t i = 0; i < x.size(); ++i)
        if (std::abs(x[i]) > 0.01f)
            last = i;
    size_t fadeStart = last;
    while (fadeStart > 0 && std::abs(x[fadeStart]) < 0.6f)
        --fadeStart;
    EXPECT_LT(double(last - fadeStart) / 8.0, 15.0);
}

TEST(Modem, NothingIsPostedAfterStopReturns)
{
    const std::string path = scratchPath("long.wav");
    writeSilence(path, 30);
    MessageLog log;
    pskdsp::Modem modem;
    modem.setFileSpeed(1);
    int length;
    modem.setInputWavePath(path.c_str(), &length, 0);
    const std::string out = scratchPath("long-out.wav");
    modem.setOutputWavePath(out.c_str(), 0, 0);
    modem.enableRxChannel(0, 1);
    ASSERT_EQ(modem.startSoundCard(log.sink(), -1, 50, 0x0F), 0);
    ASSERT_TRUE(log.waitFor([](const std::vector<Posted>& v) { return v.size() > 3; }));
    modem.stopSoundCard();
    const size_t n = log.all().size();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(log.all().size(), n);
}

TEST(Modem, SettingsSurviveAStopAndRestart)
{
    const std::string text = "restart test";
    const std::string path = scratchPath("restart.wav");
    transmitToFile(path, {text, 9, 1700});
    pskdsp::Modem modem;
    modem.setFileSpeed(0);
    modem.setRxMode(9, 7);
    modem.setRxFrequency(1700, 7);
    modem.setAfcLimit(50, 7);
    modem.setSquelch(30, 1, 7);
    modem.enableRxChannel(7, 1);
    int length;
    const std::string out = scratchPath("restart-out.wav");
    for (int round = 0; round < 2; ++round) {
        MessageLog log;
        ASSERT_EQ(modem.setInputWavePath(path.c_str(), &length, 0), 0);
        ASSERT_EQ(modem.setOutputWavePath(out.c_str(), 0, 0), 0);
        ASSERT_EQ(modem.startSoundCard(log.sink(), -1, 50, 0x0F), 0);
        ASSERT_TRUE(log.waitStatus(4));
        modem.stopSoundCard();
        EXPECT_EQ(log.text(7), text) << "round " << round;
        EXPECT_EQ(modem.isRxChannelActive(7), 1);
        EXPECT_NEAR(modem.rxFrequency(7), 1700, 2);
    }
}

TEST(Modem, LevelAndSquelchFollowTheSignal)
{
    const std::string text = "squelch test squelch test squelch test";
    const std::string clean = scratchPath("sq.wav");
    transmitToFile(clean, {text, 0, 1000});
    pskchannelsim::ChannelParams p;
    p.snrDb = -3;
    const std::string noisy = scratchPath("sq-noisy.wav");
    writeWave(noisy, pskchannelsim::simulate(readWave(clean), p));

    MessageLog open, closed;
    receiveFile(noisy, {{0, 0, 1000, 25, 20}, {1, 0, 2000, 25, 0}}, open);
    receiveFile(noisy, {{0, 0, 1000, 25, 99}}, closed);
    EXPECT_EQ(open.text(0), text);
    EXPECT_EQ(closed.text(0), "") << "a closed squelch passes nothing";
    EXPECT_FALSE(open.text(1).empty()) << "an open squelch on noise shows noise";
}

TEST(Modem, SignalLevelAndVectorsWhileASignalPlays)
{
    const std::string path = scratchPath("level.wav");
    transmitToFile(path, {std::string(60, 'e'), 0, 1200});
    pskdsp::Modem modem;
    modem.setFileSpeed(4);
    int length;
    modem.setInputWavePath(path.c_str(), &length, 0);
    const std::string out = scratchPath("level-out.wav");
    modem.setOutputWavePath(out.c_str(), 0, 0);
    modem.setRxFrequency(1200, 0);
    modem.setRxFrequency(2400, 1);
    modem.enableRxChannel(0, 1);
    modem.enableRxChannel(1, 1);
    MessageLog log;
    ASSERT_EQ(modem.startSoundCard(log.sink(), -1, 50, 0x0F), 0);
    ASSERT_TRUE(log.waitFor([](const std::vector<Posted>& v) {
        return std::count_if(v.begin(), v.end(), [](const Posted& p) { return p.message == PSK_MSG_CHARACTER; }) > 5;
    }));
    EXPECT_GT(modem.signalLevel(0), 80);
    EXPECT_LT(modem.signalLevel(1), 40);
    int vectors[16];
    ASSERT_EQ(modem.vectorData(vectors, 0), 0);
    for (int i = 0; i < 8; ++i) {
        const double len = std::hypot(vectors[2 * i], vectors[2 * i + 1]);
        EXPECT_LE(len, 1001);
        EXPECT_GT(std::abs(vectors[2 * i + 1]), 700) << "BPSK points straight up or down";
    }
    modem.stopSoundCard();
}

TEST(Modem, ClockErrorIsReadFromTheTimingLoopAndCanBeCorrected)
{
    std::string text;
    while (text.size() < 160)
        text += "clock error reading ";
    const std::string clean = scratchPath("clock.wav");
    transmitToFile(clean, {text, 0, 1000});
    pskchannelsim::ChannelParams p;
    p.clockPpm = 400;
    p.snrDb = 10;
    const std::string skewed = scratchPath("clock-skewed.wav");
    writeWave(skewed, pskchannelsim::simulate(readWave(clean), p));
    for (int adjust : {0, 400}) {
        SCOPED_TRACE(adjust);
        MessageLog log;
        pskdsp::Modem modem;
        modem.setFileSpeed(0);
        ASSERT_EQ(modem.setClockAdjustment(adjust), 0);
        int length;
        modem.setInputWavePath(skewed.c_str(), &length, 0);
        const std::string out = scratchPath("clock-out.wav");
        modem.setOutputWavePath(out.c_str(), 0, 0);
        modem.setSquelch(0, 0, 2);
        modem.enableRxChannel(2, 1);
        ASSERT_EQ(modem.startSoundCard(log.sink(), -1, 50, 0x0F), 0);
        ASSERT_TRUE(log.waitStatus(4));
        modem.stopSoundCard();
        std::vector<int> readings;
        for (const auto& m : log.all())
            if (m.message == PSK_MSG_CLOCK_ERROR) {
                EXPECT_EQ(m.lParam, 2);
                readings.push_back(int(m.wParam));
            }
        ASSERT_FALSE(readings.empty());
        EXPECT_NEAR(readings.back(), 400 - adjust, 80);
        EXPECT_EQ(log.text(2), text);
    }
}

TEST(Modem, ImdIsReadDuringIdleWithTheBoundFlag)
{
    const std::string clean = scratchPath("imd.wav");
    // A long idle: start the transmitter and let it send reversals.
    TxRequest r{"                                        ", 0, 1000};
    transmitToFile(clean, r);
    auto x = readWave(clean);
    MessageLog cleanLog;
    receiveFile(clean, {{3, 0, 1000, 25, 0}}, cleanLog);
    // Third-order distortion of a known size: x + a x^3.
    const double a = -0.6;
    for (float& v : x)
        v = float(v + a * v * v * v);
    const std::string distorted = scratchPath("imd-distorted.wav");
    writeWave(distorted, x);
    MessageLog bentLog;
    receiveFile(distorted, {{12, 0, 1000, 25, 0}}, bentLog);

    auto readings = [](MessageLog& log, int channel) {
        std::vector<std::pair<int, bool>> v;
        for (const auto& m : log.all())
            if (m.message == PSK_MSG_IMD && (m.lParam & 0x7F) == channel)
                v.push_back({int(m.wParam), (m.lParam & 0x80) != 0});
        return v;
    };
    const auto c = readings(cleanLog, 3);
    ASSERT_FALSE(c.empty());
    EXPECT_TRUE(c.back().second) << "a clean signal gives only a bound";
    EXPECT_LT(c.back().first, -40);
    const auto b = readings(bentLog, 12);
    ASSERT_FALSE(b.empty());
    EXPECT_FALSE(b.back().second);
    // Two tones of amplitude B (B = 0.35): products (3/4) a B^3 against B + (9/4) a B^3.
    const double B = 0.35;
    const double expected = 20 * std::log10(std::abs(0.75 * a * B * B * B) / std::abs(B + 2.25 * a * B * B * B));
    EXPECT_NEAR(b.back().first, expected, 2.0);
}

} // namespace
