// Bad arguments are refused with a code and a text, never a crash, and the
// error text always belongs to the last call that could fail.
#include "EngineHarness.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

using namespace dsptest;

namespace {

struct Refusal {
    const char* what;
    std::function<int(pskdsp::Modem&)> call;
    int code;
    const char* text; // part of the error text
};

TEST(Refusals, OutOfRangeArgumentsGiveACodeAndAText)
{
    int buffer[2058] = {};
    const Refusal cases[] = {
        {"channel 50", [](pskdsp::Modem& m) { return m.setRxFrequency(1000, 50); }, 29, "channel 50 is outside 0 to 49"},
        {"channel -1", [](pskdsp::Modem& m) { return m.setRxMode(0, -1); }, 29, "channel -1"},
        {"rx frequency", [](pskdsp::Modem& m) { return m.setRxFrequency(4500, 3); }, 29, "receive frequency 4500"},
        {"rx mode 4", [](pskdsp::Modem& m) { return m.setRxMode(4, 3); }, 29, "receive mode 4"},
        {"afc", [](pskdsp::Modem& m) { return m.setAfcLimit(3001, 3); }, 29, "AFC limit 3001"},
        {"threshold", [](pskdsp::Modem& m) { return m.setSquelch(100, 0, 3); }, 29, "squelch threshold 100"},
        {"squelch speed", [](pskdsp::Modem& m) { return m.setSquelch(50, 5, 3); }, 29, "squelch speed 5"},
        {"tx frequency", [](pskdsp::Modem& m) { return m.setTxFrequency(10); }, 29, "transmit frequency 10"},
        {"cw speed", [](pskdsp::Modem& m) { return m.setCwIdSpeed(5); }, 29, "identification speed 5"},
        {"cw text", [](pskdsp::Modem& m) { return m.setCwIdString(nullptr); }, 29, "identification text"},
        {"tx mode", [](pskdsp::Modem& m) { return m.startTx(3); }, 29, "transmit mode 3"},
        {"tx without card", [](pskdsp::Modem& m) { return m.startTx(0); }, 14, "soundcard is not open"},
        {"character", [](pskdsp::Modem& m) { return m.sendTxCharacter(300); }, 29, "character 300"},
        {"ptt mode", [](pskdsp::Modem& m) { return m.setComPort(1, 7); }, 29, "PTT mode 7"},
        {"ptt port", [](pskdsp::Modem& m) { return m.setComPort(0, 1); }, 29, "COM port 0"},
        {"clock", [](pskdsp::Modem& m) { return m.setClockAdjustment(60000); }, 29, "clock adjustment"},
        {"fft mode", [](pskdsp::Modem& m) { return m.setFftMode(11, 255, 1); }, 29, "smoothing 11"},
        {"fft mode 5", [](pskdsp::Modem& m) { return m.setFftMode(1, 255, 5); }, 29, "mode 5"},
        {"fft bins", [&](pskdsp::Modem& m) { return m.fftData(buffer, 0, 2058) == 0 ? 29 : 0; }, 29, "spectrum bins"},
        {"raw count", [&](pskdsp::Modem& m) { return m.rawData(buffer, 0, 3000) == 0 ? 29 : 0; }, 29, "raw data 3000"},
        {"vector buffer", [](pskdsp::Modem& m) { return m.vectorData(nullptr, 0); }, 29, "vector data"},
        {"channels", [](pskdsp::Modem& m) { return m.startSoundCard(nullptr, -1, 51, 0x0F); }, 29, "number of channels 51"},
        {"start flags", [](pskdsp::Modem& m) { return m.startSoundCard(nullptr, -1, 50, 0x40); }, 28, "Invalid flag passed"},
        {"card -2", [](pskdsp::Modem& m) { return m.startSoundCard(nullptr, -2, 50, 0); }, 21, "Bad Device ID"},
        {"card 99", [](pskdsp::Modem& m) { return m.startSoundCard(nullptr, 99, 50, 0); }, 21, "sound card 99"},
        {"no input file set", [](pskdsp::Modem& m) { return m.startSoundCard(nullptr, -1, 50, 0x0F); }, 40, "no input wave file"},
        {"rewind", [](pskdsp::Modem& m) { return m.rewindInput(99); }, 40, "Tried to read and file is not open"},
    };
    for (const Refusal& r : cases) {
        SCOPED_TRACE(r.what);
        pskdsp::Modem modem;
        EXPECT_EQ(r.call(modem), r.code);
        EXPECT_NE(modem.errorString().find(r.text), std::string::npos) << modem.errorString();
        EXPECT_FALSE(modem.running());
        // The next call that succeeds empties the text.
        EXPECT_EQ(modem.setRxFrequency(1000, 0), 0);
        EXPECT_EQ(modem.errorString(), "");
    }
}

TEST(Refusals, GettersOnAMissingChannelReportInsteadOfReading)
{
    pskdsp::Modem modem;
    EXPECT_EQ(modem.rxFrequency(50), -1);
    EXPECT_NE(modem.errorString().find("channel 50"), std::string::npos);
    EXPECT_EQ(modem.signalLevel(-3), -1);
    EXPECT_EQ(modem.isRxChannelActive(99), 0);
    EXPECT_EQ(modem.enableRxChannel(50, 1), 29);
    EXPECT_EQ(modem.closestPeak(5000, 100), 5000);
    EXPECT_NE(modem.errorString().find("peak search"), std::string::npos);
    EXPECT_EQ(modem.rxFrequency(49), 1000);
    EXPECT_EQ(modem.errorString(), "");
}

TEST(Refusals, BadWaveFilesAreRefusedWithTheirOwnCodes)
{
    const std::string garbage = scratchPath("garbage.wav");
    {
        std::ofstream f(garbage, std::ios::binary);
        for (int i = 0; i < 4000; ++i)
            f.put(char(i * 37));
    }
    const std::string empty = scratchPath("empty.wav");
    writeWave(empty, {});
    const std::string text = scratchPath("text.wav");
    {
        std::ofstream f(text);
        f << "RIFF this is not really a wave file at all, only text that starts like one";
    }
    const std::string shortFile = scratchPath("short.wav");
    writeSilence(shortFile, 2.0);
    struct Case {
        std::string path;
        int offset;
        int code;
        const char* text;
    } cases[] = {
        {scratchPath("missing.wav"), 0, 34, "Can't open wave file for input"},
        {scratchPath(""), 0, 34, "not a file"},
        {garbage, 0, 35, "File is not a RIFF wave type"},
        {text, 0, 35, "File is not a RIFF wave type"},
        {empty, 0, 37, "No data in file"},
        {shortFile, 5, 29, "start offset of 5 s"},
        {shortFile, -1, 29, "start offset of -1 s"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        pskdsp::Modem modem;
        int length = 77;
        EXPECT_EQ(modem.setInputWavePath(c.path.c_str(), &length, c.offset), c.code);
        EXPECT_EQ(length, 0);
        EXPECT_NE(modem.errorString().find(c.text), std::string::npos) << modem.errorString();
    }
    pskdsp::Modem modem;
    int length = 0;
    EXPECT_EQ(modem.setInputWavePath(shortFile.c_str(), &length, 1), 0);
    EXPECT_EQ(length, 2);
    EXPECT_EQ(modem.errorString(), "");
    EXPECT_EQ(modem.setOutputWavePath("/nonexistent/folder/out.wav", 10, 0), 41);
    EXPECT_NE(modem.errorString().find("Can't open wave file for output"), std::string::npos);
    EXPECT_EQ(modem.setOutputWavePath(garbage.c_str(), 10, 1), 41) << "appending to a file that is not ours";
    EXPECT_EQ(modem.setOutputWavePath(scratchPath("fine.wav").c_str(), -5, 0), 29);
}

} // namespace
