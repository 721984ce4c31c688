// A recording in place of the sound card (PSKMODEM117_SOUNDCARD_FILE): the
// modem started on the card hears the file over and over at real time.
#include "EngineHarness.h"
#include "support/TestEnvironment.h"

#include <QProcess>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

using namespace dsptest;

namespace {

class SoundcardRecording : public ::testing::Test {
protected:
    void TearDown() override { unsetenv("PSKMODEM117_SOUNDCARD_FILE"); }
};

size_t count(const std::string& text, const std::string& word)
{
    size_t n = 0;
    for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1))
        ++n;
    return n;
}

TEST_F(SoundcardRecording, TheCardHearsTheRecordingAgainAndAgainAtRealTime)
{
    const std::string station = scratchPath("station.wav");
    transmitToFile(station, TxRequest{"QT9XVK", 0, 1000});
    const double seconds = double(readWave(station).size()) / 8000.0;
    ASSERT_GT(seconds, 1.0);
    setenv("PSKMODEM117_SOUNDCARD_FILE", station.c_str(), 1);

    MessageLog log;
    pskdsp::Modem modem;
    modem.setFileSpeed(0);  // files only; the card keeps its own time
    ASSERT_EQ(modem.setRxFrequency(1000, 0), 0);
    ASSERT_EQ(modem.enableRxChannel(0, 1), 0);
    const auto started = std::chrono::steady_clock::now();
    // Card input and output, as the program starts it without wave files.
    ASSERT_EQ(modem.startSoundCard(log.sink(), 0, 50, 0x08), 0) << modem.errorString();
    ASSERT_TRUE(log.waitFor([&](const std::vector<Posted>& v) {
        std::string text;
        for (const auto& p : v)
            if (p.message == PSK_MSG_CHARACTER && p.lParam == 0)
                text.push_back(char(p.wParam & 0xFF));
        return count(text, "QT9XVK") >= 2;
    }, 30000)) << log.text(0);
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    modem.stopSoundCard();
    // The second call came round after the whole recording had played once.
    EXPECT_GT(elapsed, seconds);
    for (const auto& p : log.all())
        EXPECT_FALSE(p.message == PSK_MSG_STATUS && p.wParam != 0 && p.wParam != 2)
            << "status " << p.wParam << " " << modem.errorString();
}

TEST_F(SoundcardRecording, AMissingRecordingIsReportedAsTheCardsFailure)
{
    setenv("PSKMODEM117_SOUNDCARD_FILE", scratchPath("no-such.wav").c_str(), 1);
    MessageLog log;
    pskdsp::Modem modem;
    EXPECT_NE(modem.startSoundCard(log.sink(), 0, 50, 0x08), 0);
    EXPECT_NE(modem.errorString().find("no-such.wav"), std::string::npos) << modem.errorString();
}

} // namespace

#ifdef PSKDEMO_PROGRAM
namespace {

// The recording scripts/run plays to PSK31 Brevio on a machine without a
// sound card: every station in it can be copied.
TEST(DemoRecording, ThreeStationsCanBeCopied)
{
    const std::string path = scratchPath("demo.wav");
    QProcess tool;
    tool.start(QString::fromStdString(PSKDEMO_PROGRAM), {QString::fromStdString(path)});
    ASSERT_TRUE(tool.waitForFinished(30000));
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();

    MessageLog log;
    receiveFile(path, {RxChannel{0, 0, 1000}, RxChannel{1, 0, 1500}, RxChannel{2, 0, 700}}, log);
    EXPECT_NE(log.text(0).find("de QT9XVK QT9XVK"), std::string::npos) << log.text(0);
    EXPECT_NE(log.text(1).find("name Ann"), std::string::npos) << log.text(1);
    EXPECT_NE(log.text(2).find("de QT5XYZ"), std::string::npos) << log.text(2);
}

} // namespace
#endif
