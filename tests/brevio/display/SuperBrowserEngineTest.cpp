// The Super Browser's channel engine without a window: spreading the
// channels, the one-second placement of boxes and ticks, the search by
// silent channels, starting and stopping.
#include "brevio/display/SuperBrowserEngine.h"

#include "ScriptedBand.h"
#include "platform/Program.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/display/AlarmActions.h"
#include "brevio/display/AlarmList.h"

#include <gtest/gtest.h>

namespace {

class SpeechLog : public CAlarmActions {
public:
    void Beep() override {}
    void PlayWave(const QString&) override {}
    void Speak(const QString& strText, bool, bool) override { m_spoken << strText; }
    QStringList m_spoken;
};

class EngineFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setProgram(platform::brevioIdentity());
        CurrentSettings().SetDefaults();
        CAlarmActions::SetInstance(&m_speech);
        m_geometry.nPictureWidth = 400;
        m_geometry.nPictureHeight = 600;
        m_geometry.nCanvasMin = 100;
        m_geometry.nCanvasMax = 3000;
        m_geometry.nPlotTop = 0;
        m_geometry.nPlotBottom = 599;
        m_geometry.nFontHeight = 12;
    }
    void TearDown() override
    {
        CAlarmActions::SetInstance(nullptr);
        Alarms().RemoveAll();
        CurrentSettings().SetDefaults();
        platform::setProgram(platform::corvaneIdentity());
    }
    void Feed(int index, const QString& text)
    {
        for (QChar c : text)
            m_engine.OnChannelChar(c.unicode(), index + 10);
    }
    // Started, initialised, with every channel tuned to its own peak.
    void StartOn(const std::vector<int>& peaks)
    {
        m_band.m_peaks = peaks;
        m_engine.Start();
        m_engine.SetInitialising(false);
    }
    const CBrowserPlacement::Box* BoxOf(const CBrowserPlacement& p, int index)
    {
        for (const auto& b : p.boxes)
            if (b.nIndex == index)
                return &b;
        return nullptr;
    }
    testsupport::ScriptedBand m_band;
    SpeechLog m_speech;
    CSuperBrowserEngine m_engine;
    CBrowserGeometry m_geometry;
};

} // namespace

TEST_F(EngineFixture, ChannelsAreSpreadEvenlyAndRestarted)
{
    m_band.m_peaks = {1000};
    m_engine.SetSquelchThreshold(40);
    m_engine.StartChannels();
    EXPECT_TRUE(m_engine.IsConfigured());
    EXPECT_EQ(m_engine.GetLastSearch(), -1);
    for (int i = 0; i < 20; ++i) {
        const CSuperChannel& c = m_engine.Channel(i);
        EXPECT_EQ(c.GetDspChannel(), 10 + i);
        EXPECT_EQ(c.GetBaseFrequency(), 100 + 145 * i) << i;
        EXPECT_EQ(c.GetCurrentFrequency(), c.GetBaseFrequency());
        EXPECT_EQ(c.GetSpan(), 145);
        EXPECT_EQ(c.GetSquelch(), 40);
        EXPECT_TRUE(c.IsSearching());
        EXPECT_TRUE(m_band.IsEnabled(10 + i));
        EXPECT_EQ(m_band.m_squelch[10 + i], 40);
    }
    // The slot holding 1000 Hz (970 .. 1115) tuned to it; the others to their base.
    EXPECT_EQ(m_band.m_tuned[16], 1000);
    EXPECT_EQ(m_band.m_tuned[15], 825);
    EXPECT_FALSE(m_band.IsEnabled(30));
    EXPECT_EQ(m_engine.Channel(20).GetDspChannel(), 0);

    // 7 channels over 100 .. 3000: a real span, truncated each time.
    m_engine.SetChannelCount(7);
    m_engine.StartChannels();
    EXPECT_EQ(m_engine.Channel(1).GetBaseFrequency(), 514);
    EXPECT_EQ(m_engine.Channel(6).GetBaseFrequency(), 2585);
    EXPECT_EQ(m_engine.Channel(6).GetSpan(), 414);
    m_engine.SetChannelCount(2);
    EXPECT_EQ(m_engine.GetChannelCount(), 5);
    m_engine.SetChannelCount(41);
    EXPECT_EQ(m_engine.GetChannelCount(), 40);
}

TEST_F(EngineFixture, CharactersWhileInitialisingAreDropped)
{
    m_engine.Start();
    EXPECT_TRUE(m_engine.IsInitialising());
    EXPECT_EQ(m_engine.OnChannelChar('a', 12), -1);
    EXPECT_TRUE(m_engine.Channel(2).GetRawText().isEmpty());
    m_engine.SetInitialising(false);
    EXPECT_EQ(m_engine.OnChannelChar('a', 12), 2);
    EXPECT_EQ(m_engine.OnChannelChar('a', 50), -1);
    EXPECT_EQ(m_engine.OnChannelChar('a', 9), -1);
    EXPECT_EQ(m_engine.Channel(2).GetRawText(), QStringLiteral("a"));
}

TEST_F(EngineFixture, ShortTextsGiveTicksAndLongerOnesBoxes)
{
    StartOn({});
    Feed(0, QStringLiteral("a"));
    Feed(1, QStringLiteral("ab"));
    Feed(2, QStringLiteral("abcdefghi"));
    Feed(3, QStringLiteral("abcdefghij"));
    m_band.m_tuned[13] = 1000;
    CBrowserPlacement p = m_engine.Update(m_geometry);
    EXPECT_FALSE(p.bSearching);
    ASSERT_EQ(p.boxes.size(), 1u);
    EXPECT_EQ(p.boxes[0].nIndex, 3);
    // y = (3000 - 1000) / 2900 * 600 = 413.79; box 17 high centred on it.
    EXPECT_EQ(p.boxes[0].yFrequency, 413);
    EXPECT_EQ(p.boxes[0].rect, (RECT{40, 405, 390, 422}));
    EXPECT_EQ(m_engine.Channel(3).GetCurrentFrequency(), 1000);
    EXPECT_EQ(m_engine.Channel(3).GetBox(), (RECT{40, 405, 390, 422}));
    int none = 0, some = 0;
    for (const auto& t : p.ticks)
        (t.bSome ? some : none)++;
    // Channel 0 (none), 1 and 2 (some); the 16 silent ones tick "none" after their search.
    EXPECT_EQ(some, 2);
    EXPECT_EQ(none, 1 + 16);

    // No channel with enough text: the searching screen.
    m_engine.Channel(3).ClearText();
    EXPECT_TRUE(m_engine.Update(m_geometry).bSearching);
}

TEST_F(EngineFixture, TwoChannelsOnOneSignalKeepOnlyTheFirst)
{
    StartOn({1200, 1800});
    Feed(4, QStringLiteral("cq cq de g4abc"));
    m_band.Advance(10);
    Feed(5, QStringLiteral("cq cq de g4abc"));
    // The AFC pulled both onto 1200 Hz.
    m_band.m_drift[14] = 1200;
    m_band.m_drift[15] = 1210;
    CBrowserPlacement p = m_engine.Update(m_geometry);
    ASSERT_EQ(p.boxes.size(), 1u);
    EXPECT_EQ(p.boxes[0].nIndex, 4);  // started first
    // The second was emptied and retuned in the same second, to a peak nobody uses.
    EXPECT_TRUE(m_engine.Channel(5).GetDisplayText().isEmpty());
    EXPECT_FALSE(m_engine.Channel(5).HasBox());
    EXPECT_EQ(m_engine.Channel(5).GetCurrentFrequency(), 1800);
    EXPECT_EQ(m_band.m_tuned[15], 1800);
    EXPECT_EQ(m_engine.GetLastSearch(), 1800);
}

TEST_F(EngineFixture, SilentChannelsLoseTheirBoxAndSearchAgain)
{
    StartOn({1500});
    m_band.m_drift[14] = 1500;
    Feed(4, QStringLiteral("cq cq de g4abc"));
    m_band.Advance(6000);
    CBrowserPlacement p = m_engine.Update(m_geometry);
    ASSERT_NE(BoxOf(p, 4), nullptr);
    // Still active at 30 s.
    m_band.Advance(24000);
    p = m_engine.Update(m_geometry);
    ASSERT_NE(BoxOf(p, 4), nullptr);
    // After 30 s of silence it goes, and it searches at once.
    m_band.Advance(1000);
    m_band.m_peaks.clear();
    for (int f = 150; f < 3000; f += 100)
        m_band.m_peaks.push_back(f);
    p = m_engine.Update(m_geometry);
    EXPECT_EQ(BoxOf(p, 4), nullptr);
    EXPECT_FALSE(m_engine.Channel(4).HasBox());
    EXPECT_TRUE(m_engine.Channel(4).GetDisplayText().isEmpty());
    EXPECT_TRUE(m_engine.Channel(4).IsSearching());

    // A channel retuned less than 5 s ago is left alone.
    const int tuned = m_engine.Channel(4).GetCurrentFrequency();
    const size_t tunes = m_band.m_tunes.size();
    m_band.Advance(4000);
    m_engine.Update(m_geometry);
    EXPECT_EQ(m_engine.Channel(4).GetCurrentFrequency(), tuned);
    m_band.Advance(1000);
    m_engine.Update(m_geometry);
    EXPECT_GT(m_band.m_tunes.size(), tunes);
}

TEST_F(EngineFixture, PlacementKeepsBoxesAndFindsFreeRows)
{
    StartOn({});
    // Two signals 20 Hz and 60 Hz apart on the scale: their boxes would overlap.
    Feed(2, QStringLiteral("first signal here"));
    m_band.Advance(10);
    Feed(3, QStringLiteral("second signal here"));
    m_band.m_drift[12] = 1000;
    m_band.m_drift[13] = 1060;
    CBrowserPlacement p = m_engine.Update(m_geometry);
    ASSERT_EQ(p.boxes.size(), 2u);
    const RECT first = BoxOf(p, 2)->rect;
    const RECT second = BoxOf(p, 3)->rect;
    EXPECT_EQ(first, (RECT{40, 405, 390, 422}));
    // 1060 Hz: y 401.4 -> wanted top 393, rows 393 .. 410 taken at 405; moved up to end at 404.
    EXPECT_EQ(second.bottom, 404);
    EXPECT_EQ(second.bottom - second.top, 17);

    // Next second: a box stays where it is while its rows are free, even
    // when its signal has moved.
    m_band.m_drift[13] = 2000;
    p = m_engine.Update(m_geometry);
    EXPECT_EQ(BoxOf(p, 2)->rect, first);
    EXPECT_EQ(BoxOf(p, 3)->rect, second);
    // The option to always optimise places it anew: y 206.9 for 2000 Hz.
    CurrentSettings().m_bBrowserAlwaysOpt = 1;
    p = m_engine.Update(m_geometry);
    EXPECT_EQ(BoxOf(p, 3)->rect, (RECT{40, 198, 390, 215}));

    // Occupancy rules on their own.
    m_engine.ResetOccupancy(100, 3000);
    EXPECT_TRUE(m_engine.ClaimFrequency(1000));
    EXPECT_FALSE(m_engine.ClaimFrequency(1025));
    EXPECT_TRUE(m_engine.ClaimFrequency(1026));
    EXPECT_TRUE(m_engine.ClaimFrequency(-5));
    EXPECT_TRUE(m_engine.ClaimFrequency(3000));
    EXPECT_TRUE(m_engine.ClaimFrequency(3000));
    RECT box{40, 10, 300, 20};
    EXPECT_TRUE(m_engine.KeepBox(box));
    EXPECT_FALSE(m_engine.KeepBox(box));
    EXPECT_FALSE(m_engine.KeepBox(RECT{40, -1, 300, 5}));
    EXPECT_FALSE(m_engine.KeepBox(RECT{40, 90, 300, 100}));
    RECT moved{40, 15, 300, 25};
    ASSERT_TRUE(m_engine.FindFreeRows(moved));
    EXPECT_EQ(moved.top, 21);  // down first: 16 .. 20 hit the kept box
    RECT none{40, 0, 300, 100};
    EXPECT_FALSE(m_engine.FindFreeRows(none));
}

TEST_F(EngineFixture, TheTransmitChannelComesFirstWithATallBox)
{
    StartOn({});
    Feed(6, QStringLiteral("x"));
    m_band.m_drift[16] = 2000;
    m_engine.SetTxPanel(true, 6);
    CBrowserPlacement p = m_engine.Update(m_geometry);
    ASSERT_EQ(p.boxes.size(), 1u);
    EXPECT_TRUE(p.boxes[0].bTransmit);
    EXPECT_EQ(p.boxes[0].rect.bottom - p.boxes[0].rect.top, 68);
    EXPECT_EQ(m_engine.TransmitChannel(), 6);
    m_engine.SetTxPanel(false, 6);
    EXPECT_EQ(m_engine.TransmitChannel(), -1);
}

TEST_F(EngineFixture, StoppingDisablesEveryBrowserChannelOnly)
{
    m_engine.SetChannelCount(40);
    StartOn({});
    for (int id = 10; id < 50; ++id)
        EXPECT_TRUE(m_band.IsEnabled(id));
    // Fewer channels: the ones beyond stay on until the browser stops.
    m_engine.SetChannelCount(20);
    m_engine.StartChannels();
    EXPECT_TRUE(m_band.IsEnabled(45));
    m_band.m_enables.clear();
    m_engine.Stop();
    EXPECT_FALSE(m_engine.IsRunning());
    ASSERT_EQ(m_band.m_enables.size(), 40u);
    for (const auto& e : m_band.m_enables) {
        EXPECT_GE(e.first, 10);
        EXPECT_LE(e.first, 49);
        EXPECT_EQ(e.second, 0);
    }
    // Starting again resumes the configured channels without a new spread.
    Feed(1, QStringLiteral("kept"));
    m_band.m_enables.clear();
    m_engine.Start();
    EXPECT_EQ(m_band.m_enables.size(), 20u);
    EXPECT_EQ(m_engine.Channel(1).GetRawText(), QStringLiteral("kept"));
}

TEST_F(EngineFixture, TicksKeepChannelsAliveWhileTransmittingAndCheckAlarmsEverySecondTick)
{
    Alarms().Add(1, QStringLiteral("CQ"), QStringLiteral("cq"), QString(), CAlarm::kSpeak, QString(),
                 QStringLiteral("Call"));
    StartOn({});
    m_band.m_drift[10] = 1500;
    Feed(0, QStringLiteral("cq cq de g4abc"));
    m_engine.Tick(m_geometry, false);  // tick 1: alarms
    EXPECT_EQ(m_speech.m_spoken.size(), 1);
    m_engine.Channel(0).ClearBox();
    m_engine.Tick(m_geometry, false);  // tick 2: no alarms, box placed again
    EXPECT_EQ(m_speech.m_spoken.size(), 1);
    EXPECT_EQ(m_engine.GetTickCount(), 2);

    // 40 s of transmission: the channel does not time out.
    for (int i = 0; i < 40; ++i) {
        m_band.Advance(1000);
        m_engine.Tick(m_geometry, true);
    }
    EXPECT_TRUE(m_engine.Channel(0).HasBox());
    EXPECT_FALSE(m_engine.Channel(0).GetDisplayText().isEmpty());
}
