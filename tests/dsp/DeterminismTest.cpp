// A run from a file gives the same result however the threads are scheduled:
// the receivers do not care how their input is cut into pieces, and the end of
// the input is handled the same way every time.
#include "EngineHarness.h"

#include "ChannelSimulator.h"
#include "engine/PskReceiver.h"
#include "engine/StatusCodes.h"
#include "engine/Varicode.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <thread>

using namespace dsptest;

namespace {

struct Heard {
    std::vector<int> characters, clock, imd;
    bool operator==(const Heard&) const = default;
};

Heard listen(int mode, int frequency, const std::vector<float>& x, const std::function<int()>& nextChunk)
{
    pskdsp::PskReceiver rx;
    rx.create(8000, mode, frequency);
    rx.setAfcLimit(25);
    rx.setSquelch(30, 0);
    Heard h;
    pskdsp::RxEvents events;
    for (size_t i = 0; i < x.size();) {
        const size_t n = std::min(x.size() - i, size_t(nextChunk()));
        events.clear();
        rx.execute(x.data() + i, int(n), events);
        h.characters.insert(h.characters.end(), events.characters.begin(), events.characters.end());
        if (events.clock)
            h.clock.push_back(events.clockPpm);
        if (events.imd)
            h.imd.push_back(events.imdReading.db);
        i += n;
    }
    return h;
}

TEST(Determinism, AReceiverHearsTheSameHoweverItsInputIsCutUp)
{
    for (int mode : {0, 9}) {
        SCOPED_TRACE(mode);
        std::string text;
        while (text.size() < 300)
            text += "cut into pieces of any size, the same text. ";
        const std::string path = scratchPath("chunks.wav");
        transmitToFile(path, {text, mode, 1000});
        pskchannelsim::ChannelParams p;
        p.snrDb = 3;
        p.offsetHz = 3;
        p.clockPpm = 150;
        const auto x = pskchannelsim::simulate(readWave(path), p);

        const Heard blocks = listen(mode, 1000, x, [] { return 512; });
        std::mt19937 rng(7);
        std::uniform_int_distribution<int> size(1, 1500);
        const Heard ragged = listen(mode, 1000, x, [&] { return size(rng); });
        const Heard single = listen(mode, 1000, x, [] { return 1; });
        EXPECT_EQ(ragged, blocks);
        EXPECT_EQ(single, blocks);
        EXPECT_FALSE(blocks.characters.empty());
        EXPECT_FALSE(blocks.clock.empty());
        EXPECT_FALSE(blocks.imd.empty());
    }
}

std::vector<Posted> upToTheEnd(const std::vector<Posted>& all, std::vector<Posted>* after)
{
    std::vector<Posted> v;
    bool ended = false;
    for (const auto& p : all) {
        (ended ? *after : v).push_back(p);
        ended = ended || (p.message == PSK_MSG_STATUS && p.wParam == pskdsp::kStatusInputEnded);
    }
    return v;
}

TEST(Determinism, WhatTheFileHoldsIsPostedBeforeItsEndHoweverLateTheRunStops)
{
    // The file stops right after the last character's bits, while its symbols
    // are still in the receiver's filters.
    const std::string text = "ends abruptly";
    const std::string path = scratchPath("abrupt.wav");
    transmitToFile(path, {text, 0, 1000});
    size_t bits = 0;
    for (char c : text)
        bits += pskdsp::Varicode::encode(uint8_t(c)).size() + 2;
    auto x = readWave(path);
    const size_t symbol = 256, preamble = 32, lead = 400;
    ASSERT_GT(x.size(), lead + (preamble + bits) * symbol);
    x.resize(lead + (preamble + bits) * symbol);
    pskchannelsim::ChannelParams p;
    p.snrDb = 10;
    const std::string cut = scratchPath("abrupt-noisy.wav");
    writeWave(cut, pskchannelsim::simulate(x, p));

    // Stopped as soon as the end is reported.
    MessageLog prompt;
    receiveFile(cut, {{0, 0, 1000, 25, 30}}, prompt);
    std::vector<Posted> promptAfter;
    const auto promptRun = upToTheEnd(prompt.all(), &promptAfter);
    EXPECT_EQ(prompt.text(0), text);

    // Paced, and left running on silence well after the end.
    MessageLog late;
    pskdsp::Modem modem;
    modem.setFileSpeed(8);
    int length;
    ASSERT_EQ(modem.setInputWavePath(cut.c_str(), &length, 0), 0);
    const std::string out = scratchPath("abrupt-out.wav");
    ASSERT_EQ(modem.setOutputWavePath(out.c_str(), 0, 0), 0);
    modem.setSquelch(30, 0, 0);
    modem.enableRxChannel(0, 1);
    ASSERT_EQ(modem.startSoundCard(late.sink(), -1, 50, 0x0F), 0);
    ASSERT_TRUE(late.waitStatus(pskdsp::kStatusInputEnded));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    modem.stopSoundCard();
    std::vector<Posted> lateAfter;
    const auto lateRun = upToTheEnd(late.all(), &lateAfter);

    ASSERT_EQ(lateRun.size(), promptRun.size());
    for (size_t i = 0; i < lateRun.size(); ++i) {
        EXPECT_EQ(lateRun[i].message, promptRun[i].message) << i;
        EXPECT_EQ(lateRun[i].wParam, promptRun[i].wParam) << i;
        EXPECT_EQ(lateRun[i].lParam, promptRun[i].lParam) << i;
    }
    for (const auto& m : lateAfter)
        EXPECT_EQ(m.message, unsigned(PSK_MSG_FFT_READY)) << "only the spectrum goes on after the end";
    EXPECT_FALSE(lateAfter.empty()) << "the run went on after the end";
}

} // namespace
