#include "FrameFixture.h"
#include "support/ScriptedPrompter.h"
#include "platform/Sleeper.h"

#include <gtest/gtest.h>

using testsupport::FrameFixture;

namespace {

QStringList Block(const QStringList& lines, const QString& first)
{
    const int start = int(lines.lastIndexOf(first));
    if (start < 0)
        return {};
    QStringList out;
    for (int i = start; i < lines.size(); ++i) {
        out.append(lines[i]);
        if (lines[i].isEmpty())
            break;
    }
    return out;
}

TEST(Soundcard, StartLogsItsBlockAndStartsInReceive)
{
    FrameFixture f;
    CPSK31Settings& s = CurrentSettings();
    s.m_bSoundcardEchoOutput = 0;
    s.m_bSoundcardEchoInput = 1;
    s.m_bInputEnable = 1;  // with no file name: no input lines
    f.frame->StartSoundcard();
    const QStringList expected = {QStringLiteral("Starting soundcard"), QStringLiteral("------------------"),
                                  QStringLiteral("Echo Input ...: Yes"), QStringLiteral("Echo Output ..: No"),
                                  QStringLiteral("Mode .........: 18"), QStringLiteral("Soundcard ....: 0"),
                                  QStringLiteral("Starting .....: OK"), QString()};
    EXPECT_EQ(Block(f.LogLines(), QStringLiteral("Starting soundcard")), expected);
    ASSERT_EQ(f.dsp.Calls().size(), 2);
    EXPECT_TRUE(f.dsp.Calls()[0].startsWith(QStringLiteral("fnStartSoundCardEx(ptr, 0, 50, 24)")));
    EXPECT_EQ(f.dsp.Calls()[1], QStringLiteral("fnAbortTX()"));
}

TEST(Soundcard, WaveFilesSetTheirModeBits)
{
    FrameFixture f;
    CPSK31Settings& s = CurrentSettings();
    s.m_bInputEnable = 1;
    s.m_strInputWaveFile = QStringLiteral("/data/in.wav");
    s.m_nInputOffset = 3;
    s.m_bOutputEnable = 1;
    s.m_strOutputWaveFile = QStringLiteral("/data/out.wav");
    f.dsp.SetInputLength(12345);
    f.frame->StartSoundcard();
    const QStringList block = Block(f.LogLines(), QStringLiteral("Starting soundcard"));
    const QStringList expected = {QStringLiteral("Starting soundcard"), QStringLiteral("------------------"),
                                  QStringLiteral("Input file ...: /data/in.wav"), QStringLiteral("  Offset .....: 3"),
                                  QStringLiteral("  Length .....: 12345"), QStringLiteral("  Status .....: OK"),
                                  QStringLiteral("Output file ..: /data/out.wav"), QStringLiteral("  Limit ......: 100"),
                                  QStringLiteral("  Append .....: 0"), QStringLiteral("  Status .....: OK"),
                                  QStringLiteral("Echo Input ...: No"), QStringLiteral("Echo Output ..: Yes"),
                                  QStringLiteral("Mode .........: 07"), QStringLiteral("Soundcard ....: 0"),
                                  QStringLiteral("Starting .....: OK"), QString()};
    EXPECT_EQ(block, expected);
    EXPECT_EQ(f.dsp.Calls(QStringLiteral("fnSetInputWavePath")),
              QStringList{QStringLiteral("fnSetInputWavePath(/data/in.wav, ptr, 3)")});
    // A file the engine refuses leaves its bit clear and shows the engine's text.
    f.dsp.SetResult("fnSetInputWavePath", 1);
    f.dsp.SetError("Can't\topen");
    f.frame->StartSoundcard();
    EXPECT_TRUE(Block(f.LogLines(), QStringLiteral("Starting soundcard")).contains(QStringLiteral("  Status .....: Can't open")));
    EXPECT_TRUE(f.dsp.Calls().last() == QStringLiteral("fnAbortTX()"));
    EXPECT_TRUE(f.dsp.Calls(QStringLiteral("fnStartSoundCardEx")).last().endsWith(QStringLiteral(", 6)")));
}

TEST(Soundcard, FailureToStartIsReported)
{
    FrameFixture f;
    f.dsp.SetResult("fnStartSoundCardEx", 21);
    f.dsp.SetError("No device");
    CurrentSettings().m_nSoundcardNum = 2;
    testsupport::prompter().clear();
    f.frame->StartSoundcard();
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].text, QStringLiteral("Error starting soundcard 2: No device"));
    EXPECT_EQ(testsupport::prompter().m_boxes[0].caption, QStringLiteral("Soundcard"));
    EXPECT_TRUE(f.LogLines().contains(QStringLiteral("Starting .....: No device")));
    EXPECT_EQ(f.dsp.Calls().last(), QStringLiteral("fnAbortTX()"));
}

TEST(Soundcard, StartCommandStopsWhileDataFlows)
{
    FrameFixture f;
    f.Engine(CMainFrame::WM_FFT_READY, 0, 0);
    ASSERT_TRUE(f.frame->IsCommandChecked(32771));
    f.frame->OnCommand(32771);
    EXPECT_EQ(f.dsp.Calls(QStringLiteral("fnStopSoundCard")).size(), 1);
    EXPECT_FALSE(f.frame->IsCommandChecked(32771));
    EXPECT_TRUE(f.LogLines().contains(QStringLiteral("Stopping soundcard")));
    f.frame->OnCommand(32771);
    EXPECT_EQ(f.dsp.Calls(QStringLiteral("fnStartSoundCardEx")).size(), 1);
}

TEST(Soundcard, OptionsApplyOnlyWhatChanged)
{
    FrameFixture f;
    CPSK31Settings& c = CurrentSettings();
    f.frame->OnOptions(1);  // forced: restarts nothing, sets the CW id and the autosave timer
    EXPECT_TRUE(f.dsp.Calls(QStringLiteral("fnStartSoundCardEx")).isEmpty());
    EXPECT_TRUE(f.dsp.Calls(QStringLiteral("fnSetClockErrorAdjustment")).isEmpty());
    EXPECT_FALSE(f.frame->IsTimerActive(105));

    f.dsp.Clear();
    c.m_nSoundcardClockAdjust = 12;
    f.frame->OnOptions(0);
    EXPECT_EQ(f.dsp.Calls(), QStringList{QStringLiteral("fnSetClockErrorAdjustment(12)")});
    PreviousSettings() = c;

    f.dsp.Clear();
    c.m_nSoundcardNum = 1;
    f.frame->OnOptions(0);
    EXPECT_EQ(f.dsp.Calls(QStringLiteral("fnStopSoundCard")).size(), 1);
    EXPECT_EQ(f.dsp.Calls(QStringLiteral("fnStartSoundCardEx")).size(), 1);
    PreviousSettings() = c;

    f.dsp.Clear();
    c.m_nPTTMode = 7;
    c.m_nPTTPort = 2;
    f.frame->OnOptions(0);
    EXPECT_EQ(f.dsp.Calls().first(), QStringLiteral("fnSetComPort(2, 7)"));
    const QStringList lines = f.LogLines();
    const int at = int(lines.lastIndexOf(QStringLiteral("Setting COM port")));
    ASSERT_GE(at, 0);
    EXPECT_EQ(lines.mid(at, 6), (QStringList{QStringLiteral("Setting COM port"), QStringLiteral("----------------"),
                                             QStringLiteral("Port number ...: 2"), QStringLiteral("Mode ..........: Invalid"),
                                             QStringLiteral("Status ........: OK"), QString()}));
    PreviousSettings() = c;

    c.m_bAutosaveEnable = 1;
    f.frame->OnOptions(0);
    EXPECT_TRUE(f.frame->IsTimerActive(105));
    EXPECT_EQ(f.frame->TimerInterval(105), 60000);
    PreviousSettings() = c;
    c.m_strAutosaveDir = QStringLiteral("/elsewhere");
    f.frame->OnOptions(0);
    EXPECT_TRUE(f.frame->IsTimerActive(105));
    c.m_bAutosaveEnable = 0;
    f.frame->OnOptions(0);
    EXPECT_FALSE(f.frame->IsTimerActive(105));
}

TEST(Soundcard, UnrelatedChangeAfterApplyingWaveInputDoesNotRestartTheCard)
{
    FrameFixture f;
    CPSK31Settings& c = CurrentSettings();
    c.m_bInputEnable = 1;
    c.m_strInputWaveFile = QStringLiteral("/data/in.wav");
    SaveAndBroadcastSettings();
    EXPECT_EQ(f.dsp.Calls(QStringLiteral("fnStartSoundCardEx")).size(), 1);
    f.dsp.Clear();
    c.m_nDisplayMode = 1;  // nothing to do with the sound card
    SaveAndBroadcastSettings();
    EXPECT_TRUE(f.dsp.Calls(QStringLiteral("fnStopSoundCard")).isEmpty());
    EXPECT_TRUE(f.dsp.Calls(QStringLiteral("fnStartSoundCardEx")).isEmpty());
}

TEST(Soundcard, InputRepeatRestartsTheCardAtTheEndOfTheFile)
{
    FrameFixture f;
    platform::FakeSleeper sleeper;
    platform::Sleeper::setInstance(&sleeper);
    f.Engine(CMainFrame::WM_DSP_STATUS, 4, 0);
    EXPECT_TRUE(f.dsp.Calls(QStringLiteral("fnStartSoundCardEx")).isEmpty());
    CurrentSettings().m_bInputRepeat = 1;
    f.Engine(CMainFrame::WM_DSP_STATUS, 4, 0);
    EXPECT_EQ(sleeper.m_totalMs, 500);
    EXPECT_EQ(f.dsp.Calls(QStringLiteral("fnStartSoundCardEx")).size(), 1);
    EXPECT_TRUE(f.LogLines().contains(QStringLiteral("Status: [4] Input wave file finished reading.")));
    platform::Sleeper::setInstance(nullptr);
}

} // namespace
