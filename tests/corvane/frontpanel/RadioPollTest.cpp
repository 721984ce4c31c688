// The poll's read sequence against the simulator: the exact frames, in
// order, for the radio's states that change what is read.
#include "corvane/core/Settings.h"
#include "corvane/frontpanel/RadioPoll.h"
#include "corvane/frontpanel/RadioStatus.h"
#include "PanelTestSupport.h"

using namespace paneltest;

namespace {
class RadioPoll : public SimFixture {
protected:
    CRadioStatus poll(int hint = CRadioStatus::kNoChannel, bool extra = false)
    {
        CRadioStatus status;
        status.m_bReadExtra = extra;
        CRadioPoll(*link, GetSettings(), &memory).ReadRadioStatus(status, hint);
        return status;
    }
    SimMemoryList memory{nullptr};
};

// VFO A on 20 m (record 0x00E5), VFO B on 2 m (record 0x033B).
const QStringList kReceivingVfoA = {
    "00 00 00 00 03", "00 00 00 00 F7", "00 00 00 00 E7", "00 55 00 00 BB", "00 57 00 00 BB", "00 59 00 00 BB",
    "00 5F 00 00 BB", "00 65 00 00 BB", "00 79 00 00 BB", "03 3B 00 00 BB", "03 45 00 00 BB", "03 47 00 00 BB",
    "00 E6 00 00 BB", "00 E8 00 00 BB", "00 EB 00 00 BB", "00 00 00 00 F7"};
} // namespace

TEST_F(RadioPoll, ReceivingOnVfoAReadsSixteenFramesInOrder)
{
    start();
    memory = SimMemoryList(sim.get());
    const CRadioStatus s = poll();
    EXPECT_EQ(hexTexts(newFrames()), kReceivingVfoA);
    EXPECT_FALSE(s.m_bFailed);
    EXPECT_TRUE(s.m_bReceiving);
    EXPECT_FALSE(s.m_bTransmitting);
    EXPECT_FALSE(s.m_bTxStateChanged);
    EXPECT_TRUE(s.m_bReadEeprom);
    EXPECT_EQ(s.FrequencyHz(), 14070000u);
    EXPECT_EQ(s.m_nMode, 0x01);
    EXPECT_EQ(s.m_nTxStatus, 0xFF);
    EXPECT_EQ(s.Eeprom(0x59), 0xC4);
    EXPECT_EQ(s.Eeprom(0x5F), 0x65);
    EXPECT_EQ(s.OtherFrequencyHz(), 144800000u);
    EXPECT_EQ(s.Other(0) & 7, 5);  // FM
    EXPECT_EQ(s.Record(3), sim->eepromByte(0xE5 + 3));
    EXPECT_EQ(memory.findCalls, 0);
}

TEST_F(RadioPoll, ExtraBytesVfoBAndTransmitting)
{
    start(withPokes({"0055=81"}));  // VFO B selected: current 2 m of B, other 20 m of A
    memory = SimMemoryList(sim.get());
    CRadioStatus s = poll(CRadioStatus::kNoChannel, true);
    QStringList frames = hexTexts(newFrames());
    ASSERT_EQ(frames.size(), 18);
    EXPECT_EQ(frames.mid(9, 3), QStringList({"00 E5 00 00 BB", "00 EF 00 00 BB", "00 F1 00 00 BB"}));
    EXPECT_EQ(frames.mid(12, 5), QStringList({"03 3C 00 00 BB", "03 3E 00 00 BB", "03 41 00 00 BB",
                                              "03 49 00 00 BB", "03 4B 00 00 BB"}));
    EXPECT_EQ(s.FrequencyHz(), 144800000u);
    EXPECT_EQ(s.Record(14), sim->eepromByte(0x33B + 14));
    EXPECT_EQ(s.Record(17), sim->eepromByte(0x33B + 17));

    link->SetPtt(true);
    newFrames();
    s = poll();
    frames = hexTexts(newFrames());
    // The transmit meter replaces the receiver status: still sixteen frames.
    ASSERT_EQ(frames.size(), 16);
    EXPECT_FALSE(frames.contains("00 00 00 00 E7"));
    EXPECT_EQ(frames[14], "00 00 00 00 BD");
    EXPECT_TRUE(s.m_bTransmitting);
    EXPECT_NE(s.m_nTxStatus, 0xFF);
    link->SetPtt(false);
}

TEST_F(RadioPoll, MemoryModeFindsTheChannelAndKeepsTheListInStep)
{
    // Memory mode on channel 3 (145.725 FM).
    start(withPokes({"0055=C0", "044F=03"}));
    memory = SimMemoryList(sim.get());
    CRadioStatus s = poll(CRadioStatus::kNoChannel);
    const QStringList frames = hexTexts(newFrames());
    EXPECT_EQ(s.m_nMemoryChannel, 3);
    EXPECT_EQ(memory.findCalls, 1);
    EXPECT_EQ(memory.updated, QList<int>{3});
    // Current record: channel 3 at 0x0484 + 3 x 26 = 0x04D2.
    EXPECT_EQ(frames.mid(12, 3), QStringList({"04 D3 00 00 BB", "04 D5 00 00 BB", "04 D8 00 00 BB"}));
    EXPECT_EQ(s.Record(1) >> 6, 1);  // minus shift
}

TEST_F(RadioPoll, MemoryTuneKeepsTheKnownChannelAndReadsTheTuneRecord)
{
    start(withPokes({"0055=E0"}));
    memory = SimMemoryList(sim.get());
    const CRadioStatus s = poll(5);
    const QStringList frames = hexTexts(newFrames());
    EXPECT_EQ(s.m_nMemoryChannel, 5);
    EXPECT_EQ(memory.findCalls, 0);
    EXPECT_TRUE(memory.updated.isEmpty());
    EXPECT_EQ(frames.mid(12, 3), QStringList({"04 26 00 00 BB", "04 28 00 00 BB", "04 2B 00 00 BB"}));
}

TEST_F(RadioPoll, DualWatchParkedOnTheOtherVfoReadsItsRecordAsCurrent)
{
    // Dual Watch on; VFO B's record holds the frequency and mode VFO A shows.
    start(withPokes({"0079=18", "033B=41", "0345=00157818"}));
    memory = SimMemoryList(sim.get());
    CRadioStatus s = poll();
    QStringList frames = hexTexts(newFrames());
    EXPECT_TRUE(s.m_bDualWatchOnOther);
    EXPECT_EQ(frames.mid(12, 3), QStringList({"03 3C 00 00 BB", "03 3E 00 00 BB", "03 41 00 00 BB"}));
    // Another mode on the same frequency is not the watched VFO.
    link->SetMode(CCatLink::MODE_LSB);
    newFrames();
    s = poll();
    EXPECT_FALSE(s.m_bDualWatchOnOther);
    EXPECT_EQ(hexTexts(newFrames()).mid(12, 1), QStringList({"00 E6 00 00 BB"}));
}

TEST_F(RadioPoll, FailurePaths)
{
    testsupport::Simulator::Options o;
    o.faults << "no-answer:op=03,count=1" << "no-answer:op=F7,count=2";
    start(o);
    memory = SimMemoryList(sim.get());
    // No answer to the frequency read: one frame, failed and zero frequency.
    CRadioStatus s = poll();
    EXPECT_EQ(hexTexts(newFrames()), QStringList({"00 00 00 00 03"}));
    EXPECT_TRUE(s.m_bFailed);
    EXPECT_TRUE(s.m_bNotifyFailure);
    EXPECT_EQ(s.FrequencyWord(), 0u);
    // Frequency read, status twice missed: three frames, failed, nothing else read.
    s = poll();
    EXPECT_EQ(hexTexts(newFrames()), QStringList({"00 00 00 00 03", "00 00 00 00 F7", "00 00 00 00 F7"}));
    EXPECT_TRUE(s.m_bFailed);
    EXPECT_TRUE(s.m_bNotifyFailure);
    EXPECT_EQ(s.FrequencyHz(), 14070000u);
    EXPECT_FALSE(s.m_bReceiving || s.m_bTransmitting);
}

TEST_F(RadioPoll, OneMissedStatusIsAskedAgain)
{
    testsupport::Simulator::Options o;
    o.faults << "no-answer:op=F7,count=1";
    start(o);
    memory = SimMemoryList(sim.get());
    const CRadioStatus s = poll();
    EXPECT_EQ(newFrames().size(), 17);
    EXPECT_FALSE(s.m_bFailed);
    EXPECT_TRUE(s.m_bReceiving);
}
