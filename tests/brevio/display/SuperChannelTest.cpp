// A Super Browser slot without a window: text filtering, locator spotting,
// activity times, restarts, the search for a free peak and the alarms.
#include "brevio/display/SuperChannel.h"

#include "ScriptedBand.h"
#include "platform/Program.h"
#include "brevio/core/Locator.h"
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

class SuperChannelFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setProgram(platform::brevioIdentity());
        CurrentSettings().SetDefaults();
        CAlarmActions::SetInstance(&m_speech);
        m_channel.Reset();
        m_channel.SetDspChannel(12);
    }
    void TearDown() override
    {
        CAlarmActions::SetInstance(nullptr);
        Alarms().RemoveAll();
        CurrentSettings().SetDefaults();
        platform::setProgram(platform::corvaneIdentity());
    }
    void Feed(const QString& text)
    {
        for (QChar c : text)
            m_channel.AddChar(c.unicode());
    }
    testsupport::ScriptedBand m_band;
    SpeechLog m_speech;
    CSuperChannel m_channel;
};

} // namespace

TEST_F(SuperChannelFixture, TextIsFilteredForTheBox)
{
    struct Case {
        QString input;
        QString display;
    };
    const QString slashed(QChar(0xD8));
    const Case cases[] = {
        {QStringLiteral("  cq"), QStringLiteral("cq")},
        {QStringLiteral("\r"), QString()},
        {QStringLiteral("cq  de"), QStringLiteral("cq de")},
        {QStringLiteral("cq \r"), QStringLiteral("cq. ")},
        {QStringLiteral("cq\r de"), QStringLiteral("cq. de")},
        // The blank of the newline string goes before each further check.
        {QStringLiteral("cq\r\r\rde"), QStringLiteral("cq... de")},
        {QStringLiteral("a\tb\x07" "c"), QStringLiteral("a b c")},
        {QStringLiteral("g0abc"), QStringLiteral("g") + slashed + QStringLiteral("abc")},
        {QStringLiteral("caf\u00e9"), QStringLiteral("caf\u00e9")},
    };
    for (const Case& c : cases) {
        m_channel.Reset();
        Feed(c.input);
        EXPECT_EQ(m_channel.GetDisplayText(), c.display) << c.input.toStdString();
    }

    // The raw text keeps every code as received (but for the slashed zero).
    m_channel.Reset();
    Feed(QStringLiteral(" a\tb\x07" "0\r"));
    EXPECT_EQ(m_channel.GetRawText(), QStringLiteral(" a\tb\x07") + slashed + QStringLiteral("\r"));
    EXPECT_EQ(m_channel.GetDisplayText(), QStringLiteral("a b ") + slashed + QStringLiteral(". "));
    // Lower case for the alarms, with the newline string lowered too.
    m_channel.Reset();
    CurrentSettings().m_strBrowserNewline = QStringLiteral(" / ");
    Feed(QStringLiteral("CQ DX\rDE G4ABC"));
    EXPECT_EQ(m_channel.GetDisplayText(), QStringLiteral("CQ DX / DE G4ABC"));
    EXPECT_EQ(m_channel.GetLowerText(), QStringLiteral("cq dx / de g4abc"));

    // Without the slashed-zero option a zero stays a zero.
    m_channel.Reset();
    CurrentSettings().m_bRxSlashZero = 0;
    Feed(QStringLiteral("0"));
    EXPECT_EQ(m_channel.GetRawText(), QStringLiteral("0"));
}

TEST_F(SuperChannelFixture, CharactersSetTheTimesAndEndTheSearch)
{
    m_channel.Restart();
    EXPECT_TRUE(m_channel.IsSearching());
    EXPECT_FALSE(m_channel.GetSearchTime().IsZero());
    // A leading blank counts as received but starts no text.
    m_band.Advance(1000);
    Feed(QStringLiteral(" "));
    EXPECT_FALSE(m_channel.IsSearching());
    EXPECT_TRUE(m_channel.GetSearchTime().IsZero());
    EXPECT_TRUE(m_channel.GetLastCharTime().IsZero());
    EXPECT_FALSE(m_channel.IsActive());

    Feed(QStringLiteral("c"));
    const CTimeStamp start = m_band.m_now;
    EXPECT_EQ(m_channel.GetStartTime(), start);
    m_band.Advance(2500);
    Feed(QStringLiteral("q"));
    EXPECT_EQ(m_channel.GetStartTime(), start);
    EXPECT_EQ(m_channel.GetLastCharTime(), m_band.m_now);

    // Active for 30 s after the last character.
    m_band.Advance(30000);
    EXPECT_TRUE(m_channel.IsActive());
    m_band.Advance(1);
    EXPECT_FALSE(m_channel.IsActive());

    EXPECT_EQ(CSuperChannel::ElapsedMs(CTimeStamp{10, 900}, CTimeStamp{12, 100}), 1200);
    EXPECT_EQ(CSuperChannel::ElapsedMs(CTimeStamp{12, 100}, CTimeStamp{10, 900}), 1200);

    m_channel.ClearText();
    EXPECT_TRUE(m_channel.GetDisplayText().isEmpty());
    EXPECT_TRUE(m_channel.GetRawText().isEmpty());
    EXPECT_TRUE(m_channel.GetLastCharTime().IsZero());
    EXPECT_TRUE(m_channel.GetStartTime().IsZero());
}

TEST_F(SuperChannelFixture, SpottedLocatorsAreAnnotatedAndPassedOn)
{
    CPSK31Settings& s = CurrentSettings();
    s.m_strLocator = QStringLiteral("IO91WM");
    s.m_bLocSuperDistance = 1;
    s.m_bLocSuperHeading = 0;
    s.m_bLocOrbisk = 1;
    m_band.m_tuned[12] = 1500;

    double ownLon, ownLat, lon, lat, heading, km, miles;
    LocatorToLatLong(QStringLiteral("IO91WM"), ownLon, ownLat);
    LocatorToLatLong(QStringLiteral("JO22AB"), lon, lat);
    GetDistanceAndBearing(ownLon, ownLat, lon, lat, heading, km, miles);
    const QString distance = QString::asprintf("%.1fkm", km);

    Feed(QStringLiteral("qth jo22ab pse"));
    EXPECT_EQ(m_channel.GetDisplayText(), QStringLiteral("qth jo22ab [%1] pse").arg(distance));
    // The alarms see the text without the annotation.
    EXPECT_EQ(m_channel.GetLowerText(), QStringLiteral("qth jo22ab pse"));
    EXPECT_EQ(m_band.m_orbisk, QStringList{QStringLiteral("JO22AB")});
    ASSERT_EQ(m_band.m_logged.size(), 1);
    EXPECT_EQ(m_band.m_logged[0],
              QStringLiteral("JO22AB|%1|%2|1500").arg(distance, CSuperChannel::HeadingText(heading)));

    // Both texts, with the dial known; miles.
    m_channel.Reset();
    m_channel.SetDspChannel(12);
    s.m_bLocSuperHeading = 1;
    s.m_bLocUnits = 0;
    m_band.m_nRadio = 14070000;
    m_band.m_strRadio = QStringLiteral("14.070.000");
    Feed(QStringLiteral("loc JO22AB\r"));
    EXPECT_EQ(m_channel.GetDisplayText(),
              QStringLiteral("loc JO22AB [%1 %2]. ")
                  .arg(CSuperChannel::HeadingText(heading), QString::asprintf("%.1fm", miles)));
    EXPECT_TRUE(m_band.m_logged.last().endsWith(QStringLiteral("|14.070.000 + 1500")));

    // The own locator: no annotation, but the map program still hears of it.
    m_channel.Reset();
    m_band.m_orbisk.clear();
    m_band.m_logged.clear();
    Feed(QStringLiteral("my io91wm "));
    EXPECT_EQ(m_channel.GetDisplayText(), QStringLiteral("my io91wm "));
    EXPECT_EQ(m_band.m_orbisk, QStringList{QStringLiteral("IO91WM")});
    EXPECT_TRUE(m_band.m_logged.isEmpty());

    // At the very start of the text, part of a longer word, or not a locator: nothing.
    for (const QString& text : {QStringLiteral("JO22AB "), QStringLiteral("xxJO22AB "), QStringLiteral("hi QQ99ZZ ")}) {
        m_channel.Reset();
        m_band.m_orbisk.clear();
        Feed(text);
        EXPECT_EQ(m_channel.GetDisplayText(), text) << text.toStdString();
        EXPECT_TRUE(m_band.m_orbisk.isEmpty()) << text.toStdString();
    }

    // Options off: no spotting at all.
    s.m_bLocSuperDistance = 0;
    s.m_bLocSuperHeading = 0;
    m_channel.Reset();
    Feed(QStringLiteral("qth jo22ab "));
    EXPECT_EQ(m_channel.GetDisplayText(), QStringLiteral("qth jo22ab "));
    EXPECT_TRUE(m_band.m_orbisk.isEmpty());
}

TEST_F(SuperChannelFixture, DistanceAndHeadingTexts)
{
    EXPECT_EQ(CSuperChannel::DistanceText(1234.54, 0, true), QStringLiteral("1,234.5km"));
    EXPECT_EQ(CSuperChannel::DistanceText(12345.6, 0, true), QStringLiteral("12,345.6km"));
    EXPECT_EQ(CSuperChannel::DistanceText(999.9, 0, true), QStringLiteral("999.9km"));
    EXPECT_EQ(CSuperChannel::DistanceText(0, 1500.0, false), QStringLiteral("1,500.0m"));
    EXPECT_EQ(CSuperChannel::HeadingText(45.26), QStringLiteral("45.3") + QChar(0xB0));
}

TEST_F(SuperChannelFixture, RestartTunesToAPeakInsideTheSlot)
{
    m_band.m_peaks = {300, 420, 900};
    m_channel.SetBaseFrequency(390);
    m_channel.SetCurrentFrequency(390);
    m_channel.SetSpan(145);
    m_channel.SetSquelch(61);
    m_channel.SetImdValue(-20);
    m_channel.SetAlarmHit(1);
    m_channel.Restart();
    EXPECT_TRUE(m_band.IsEnabled(12));
    EXPECT_EQ(m_band.m_squelch[12], 61);
    EXPECT_EQ(m_band.m_tuned[12], 420);
    EXPECT_EQ(m_channel.GetCurrentFrequency(), 390);
    EXPECT_EQ(m_channel.GetImdValue(), 0);
    EXPECT_EQ(m_channel.GetAlarmHit(), 0);
    EXPECT_TRUE(m_channel.IsSearching());

    // No peak in the slot: the base frequency itself.
    m_channel.SetBaseFrequency(1000);
    m_channel.Restart();
    EXPECT_EQ(m_band.m_tuned[12], 1000);
}

TEST_F(SuperChannelFixture, AChannelWithoutASignalWaitsClearOfTheSignalBelowItsSlot)
{
    // 25 channels over 100-3000 Hz: a slot starts 28 Hz above a signal at
    // 1000 Hz, where a receive channel copies only its sidebands ("t t tt").
    m_channel.SetBaseFrequency(1028);
    m_channel.SetSpan(116);
    m_band.m_peaks = {1000, 1500};
    m_channel.Restart();
    EXPECT_EQ(m_band.m_tuned[12], 1000 + CSuperChannel::kSideReach);
    // A narrow slot with a signal just above it as well: half-way between.
    m_channel.SetSpan(60);
    m_band.m_peaks = {1000, 1100};
    m_channel.Restart();
    EXPECT_EQ(m_band.m_tuned[12], 1050);
    m_channel.SetSpan(116);
    // At PSK63 the sidebands reach twice as far.
    CurrentSettings().m_eSpeed = 1;
    m_band.m_peaks = {1000};
    m_channel.Restart();
    EXPECT_EQ(m_band.m_tuned[12], 1000 + 2 * CSuperChannel::kSideReach);
    CurrentSettings().m_eSpeed = 0;
    // Nothing within reach below: the base frequency.
    m_band.m_peaks = {900};
    m_channel.Restart();
    EXPECT_EQ(m_band.m_tuned[12], 1028);
}

TEST_F(SuperChannelFixture, SearchTakesTheFirstPeakNoOtherChannelUses)
{
    m_band.m_peaks = {500, 520, 560, 800};
    m_channel.SetCurrentFrequency(450);
    // 500 and 520 are within 25 Hz of 510; 560 is free.
    EXPECT_EQ(m_channel.SearchNewFrequency(-1, 3000, 100, {510}), 560);
    EXPECT_EQ(m_channel.GetCurrentFrequency(), 560);
    EXPECT_EQ(m_band.m_tuned[12], 560);
    EXPECT_TRUE(m_channel.IsSearching());

    // At PSK63 the guard doubles: 560 is taken too.
    CurrentSettings().m_eSpeed = 1;
    EXPECT_EQ(m_channel.SearchNewFrequency(450, 3000, 100, {510}), 800);
    CurrentSettings().m_eSpeed = 0;

    // Nothing above the start: the search goes on from the bottom.
    EXPECT_EQ(m_channel.SearchNewFrequency(850, 3000, 100, {}), 500);

    // No free peak at all: -1 and nothing changes.
    m_channel.SetImdValue(-25);
    const size_t tunes = m_band.m_tunes.size();
    EXPECT_EQ(m_channel.SearchNewFrequency(450, 3000, 100, {500, 530, 560, 800}), -1);
    EXPECT_EQ(m_channel.GetCurrentFrequency(), 500);
    EXPECT_EQ(m_channel.GetImdValue(), -25);
    EXPECT_EQ(m_band.m_tunes.size(), tunes);
}

TEST_F(SuperChannelFixture, SearchEndsWhenTheLibraryGoesBackwards)
{
    // A library that answers a peak behind the start would otherwise walk forever.
    class Backwards : public testsupport::ScriptedBand {
    public:
        int GetClosestPeak(int nLow, int nHigh) override
        {
            ++m_nPeakCalls;
            return nLow > 200 ? nLow - 100 : nLow;
        }
    } backwards;
    EXPECT_EQ(m_channel.SearchNewFrequency(1000, 3000, 100, {}), -1);
    EXPECT_LT(backwards.m_nPeakCalls, 10);
}

TEST_F(SuperChannelFixture, AlarmsFireOnceWhileTheyKeepMatching)
{
    Alarms().Add(1, QStringLiteral("CQ"), QStringLiteral("cq dx"), QString(), CAlarm::kSpeak | CAlarm::kAddChannel,
                 QString(), QStringLiteral("DX call"));
    Alarms().Add(1, QStringLiteral("Mark"), QStringLiteral("g4abc"), QString(), CAlarm::kHighlight, QString(),
                 QString());
    Feed(QStringLiteral("CQ DX de G4ABC"));
    // Without a box nothing is tried.
    m_channel.CheckAlarms();
    EXPECT_TRUE(m_speech.m_spoken.isEmpty());

    m_channel.SetBox(RECT{40, 10, 300, 27});
    m_channel.CheckAlarms();
    EXPECT_EQ(m_speech.m_spoken, QStringList{QStringLiteral("DX call  on channel 3")});
    EXPECT_EQ(m_channel.GetAlarmTitles(), QStringList({QStringLiteral("CQ"), QStringLiteral("Mark")}));
    EXPECT_EQ(m_channel.GetAlarmHit(), 1);
    m_channel.CheckAlarms();
    EXPECT_EQ(m_speech.m_spoken.size(), 1);

    // The box goes: the alarm is forgotten and fires again when it returns.
    m_channel.ClearBox();
    m_channel.CheckAlarms();
    EXPECT_TRUE(m_channel.GetAlarmTitles().isEmpty());
    m_channel.SetBox(RECT{40, 10, 300, 27});
    m_channel.CheckAlarms();
    EXPECT_EQ(m_speech.m_spoken.size(), 2);

    // Switched off: nothing matches and the highlight goes.
    Alarms().SetEnabled(0);
    m_channel.CheckAlarms();
    EXPECT_EQ(m_channel.GetAlarmHit(), 0);
    EXPECT_TRUE(m_channel.GetAlarmTitles().isEmpty());
    Alarms().SetEnabled(1);

    // Only the first 64 characters are looked at.
    m_channel.ClearText();
    Feed(QString(70, QLatin1Char('x')) + QStringLiteral(" cq dx"));
    m_channel.CheckAlarms();
    EXPECT_TRUE(m_channel.GetAlarmTitles().isEmpty());
    EXPECT_EQ(m_channel.GetAlarmHit(), 0);
}
