// The exact frames of the CAT commands, against the FT-817 simulator.
#include "CatLinkTestSupport.h"

#include <functional>
#include <QThread>

using namespace cattest;

namespace {
struct FrameCase {
    const char* name;
    std::function<void(CCatLink&)> action;
    QList<QByteArray> frames;
};
} // namespace

class CatCommands : public SimLink {};

TEST_F(CatCommands, SetCommandFrames)
{
    start();
    const QList<FrameCase> cases = {
        {"lock on", [](CCatLink& l) { l.SetLock(true); }, hexList({"00 00 00 00 00"})},
        {"lock off", [](CCatLink& l) { l.SetLock(false); }, hexList({"00 00 00 00 80"})},
        {"frequency 14.070 MHz", [](CCatLink& l) { EXPECT_TRUE(l.SetFrequency(1407000)); },
         hexList({"01 40 70 00 01"})},
        {"frequency 430.125.67", [](CCatLink& l) { l.SetFrequency(43012567); }, hexList({"43 01 25 67 01"})},
        {"frequency in Hz", [](CCatLink& l) { l.SetFrequencyHz(7012349); }, hexList({"00 70 12 34 01"})},
        {"clarifier on", [](CCatLink& l) { EXPECT_TRUE(l.SetClarifier(true)); }, hexList({"00 00 00 00 05"})},
        {"clarifier off", [](CCatLink& l) { l.SetClarifier(false); }, hexList({"00 00 00 00 85"})},
        {"clarifier -1.45 kHz", [](CCatLink& l) { EXPECT_TRUE(l.SetClarifierOffset(-145)); },
         hexList({"FF 00 01 45 F5"})},
        {"clarifier 0", [](CCatLink& l) { l.SetClarifierOffset(0); }, hexList({"00 00 00 00 F5"})},
        {"clarifier +9.99 kHz", [](CCatLink& l) { l.SetClarifierOffset(999); }, hexList({"00 00 09 99 F5"})},
        {"clarifier -0.07 kHz", [](CCatLink& l) { l.SetClarifierOffset(-7); }, hexList({"FF 00 00 07 F5"})},
        {"mode USB", [](CCatLink& l) { l.SetMode(0x01); }, hexList({"01 00 00 00 07"})},
        {"mode packet", [](CCatLink& l) { l.SetMode(0x0C); }, hexList({"0C 00 00 00 07"})},
        {"mode 0x06 refused", [](CCatLink& l) { l.SetMode(0x06); }, {}},
        {"mode 0x0B refused", [](CCatLink& l) { l.SetMode(0x0B); }, {}},
        {"PTT on", [](CCatLink& l) { l.SetPtt(true); }, hexList({"00 00 00 00 08"})},
        {"PTT off", [](CCatLink& l) { l.SetPtt(false); }, hexList({"00 00 00 00 88"})},
        {"simplex", [](CCatLink& l) { l.SetRepeaterShift(0); }, hexList({"89 00 00 00 09"})},
        {"shift minus", [](CCatLink& l) { l.SetRepeaterShift(1); }, hexList({"09 00 00 00 09"})},
        {"shift plus", [](CCatLink& l) { l.SetRepeaterShift(2); }, hexList({"49 00 00 00 09"})},
        {"shift 3 refused", [](CCatLink& l) { l.SetRepeaterShift(3); }, {}},
        {"offset 600 kHz", [](CCatLink& l) { EXPECT_TRUE(l.SetRepeaterOffset(600000)); }, hexList({"00 06 00 00 F9"})},
        {"offset 7.6 MHz", [](CCatLink& l) { l.SetRepeaterOffset(7600005); }, hexList({"00 76 00 00 F9"})},
        {"tone off", [](CCatLink& l) { l.SetToneMode(0); }, hexList({"8A 00 00 00 0A"})},
        {"tone encode", [](CCatLink& l) { l.SetToneMode(1); }, hexList({"4A 00 00 00 0A"})},
        {"tone squelch", [](CCatLink& l) { l.SetToneMode(2); }, hexList({"2A 00 00 00 0A"})},
        {"DCS", [](CCatLink& l) { l.SetToneMode(3); }, hexList({"0A 00 00 00 0A"})},
        {"tone 4 refused", [](CCatLink& l) { l.SetToneMode(4); }, {}},
        {"CTCSS 88.5 Hz", [](CCatLink& l) { EXPECT_TRUE(l.SetCtcssTone(0x08, 0x85)); }, hexList({"08 85 00 00 0B"})},
        {"DCS 023", [](CCatLink& l) { EXPECT_TRUE(l.SetDcsCode(0x00, 0x23)); }, hexList({"00 23 00 00 0C"})},
        {"toggle VFO", [](CCatLink& l) { l.ToggleVfo(); }, hexList({"00 00 00 00 81"})},
        {"split on", [](CCatLink& l) { EXPECT_TRUE(l.SetSplit(true)); }, hexList({"00 00 00 00 02"})},
        {"split off", [](CCatLink& l) { l.SetSplit(false); }, hexList({"00 00 00 00 82"})},
        {"other VFO", [](CCatLink& l) { l.SetOtherVfoFrequency(144800000); },
         hexList({"00 00 00 00 81", "14 48 00 00 01", "00 00 00 00 81"})},
        {"frequency in mode", [](CCatLink& l) { l.SetFrequencyInMode(145500000, 0x08); },
         hexList({"08 00 00 00 07", "14 55 00 00 01", "08 00 00 00 07"})},
        {"power on", [](CCatLink& l) { l.SetPower(true); }, hexList({"FF FF FF FF FF", "00 00 00 00 0F"})},
        {"power off", [](CCatLink& l) { l.SetPower(false); }, hexList({"00 00 00 00 8F"})},
    };
    for (const FrameCase& c : cases) {
        sleeper.m_totalMs = 0;
        c.action(*link);
        EXPECT_EQ(newFrames(), c.frames) << c.name;
        if (QByteArray(c.name) == "power on") {
            EXPECT_EQ(sleeper.m_totalMs, 100) << "pause before the power-on frame";
        }
    }
    // Nothing was refused, so nothing was logged.
    EXPECT_TRUE(log.rows.isEmpty()) << log.texts().join(QLatin1Char('|')).toStdString();
}

TEST_F(CatCommands, ClarifierFlagSwitchesTheClarifierOffFirst)
{
    start();
    link->SetClarifierFlag(true);
    link->SetFrequency(1407000);
    EXPECT_EQ(newFrames(), hexList({"00 00 00 00 85", "01 40 70 00 01"}));
    link->SetClarifierFlag(false);
    link->SetFrequency(1407000);
    EXPECT_EQ(newFrames(), hexList({"01 40 70 00 01"}));
}

TEST_F(CatCommands, OutOfRangeValuesAreRefusedWithALogLine)
{
    start();
    link->SetClarifierFlag(true);
    EXPECT_FALSE(link->SetFrequency(100000000));        // 1 GHz
    EXPECT_FALSE(link->SetFrequencyHz(4000000000u));    // 4 GHz
    EXPECT_FALSE(link->SetOtherVfoFrequency(1200000000));
    EXPECT_FALSE(link->SetFrequencyInMode(1000000000, 0x01));
    EXPECT_FALSE(link->SetClarifierOffset(1000));
    EXPECT_FALSE(link->SetClarifierOffset(-1000));
    EXPECT_FALSE(link->SetRepeaterOffset(1000000000));
    QThread::msleep(100);
    EXPECT_TRUE(newFrames().isEmpty()) << "refused values reached the radio";
    ASSERT_EQ(log.rows.size(), 7);
    EXPECT_EQ(log.rows[0].text, QStringLiteral("Set frequency refused: 1000000000 Hz is 1 GHz or more"));
    EXPECT_EQ(log.rows[4].text, QStringLiteral("Set clarifier frequency refused: 10000 Hz is beyond 9.99 kHz"));
    EXPECT_EQ(log.rows[6].text, QStringLiteral("Set repeater shift refused: 1000000000 Hz is 1 GHz or more"));
    // The largest values that fit are sent.
    link->SetClarifierFlag(false);
    EXPECT_TRUE(link->SetFrequency(99999999));
    EXPECT_EQ(newFrames(), hexList({"99 99 99 99 01"}));
}

TEST_F(CatCommands, ReadCommands)
{
    start();
    link->SetFrequency(1407000);
    link->SetMode(0x01);
    newFrames();
    uint32_t frequency = 0;
    uint8_t mode = 0xEE;
    ASSERT_TRUE(link->ReadFrequencyAndMode(frequency, mode));
    const QByteArray bytes(reinterpret_cast<const char*>(&frequency), 4);
    EXPECT_EQ(bytes, hex("01 40 70 00")) << "reply bytes in reply order";
    EXPECT_EQ(mode, 0x01);

    uint8_t rx = 0, tx = 0;
    EXPECT_TRUE(link->ReadRxStatus(rx));
    EXPECT_TRUE(link->ReadTxStatus(tx));
    EXPECT_EQ(tx, 0xFF) << "receiving";
    EXPECT_EQ(newFrames(), hexList({"00 00 00 00 03", "00 00 00 00 E7", "00 00 00 00 F7"}));

    // The radio meters only while transmitting; in receive the read times
    // out and both bytes are zero.
    uint8_t m1 = 0xAA, m2 = 0xAA;
    EXPECT_FALSE(link->ReadTxMeter(m1, m2));
    EXPECT_EQ(m1, 0);
    EXPECT_EQ(m2, 0);
    ASSERT_EQ(log.rows.size(), 1);
    EXPECT_EQ(log.rows[0].text, QStringLiteral("Read error: 0 / 2 bytes read (Read TX meter)"));

    link->SetPtt(true);
    EXPECT_TRUE(link->ReadTxStatus(tx));
    EXPECT_NE(tx, 0xFF);
    EXPECT_TRUE(link->ReadTxMeter(m1, m2));
    EXPECT_NE(m1, 0);
    link->SetPtt(false);
    EXPECT_EQ(newFrames(), hexList({"00 00 00 00 BD", "00 00 00 00 08", "00 00 00 00 F7", "00 00 00 00 BD",
                                    "00 00 00 00 88"}));
}

TEST_F(CatCommands, TraceShowsExchangesAndSentFrames)
{
    start();
    link->SetTraceAll(true);
    uint8_t tx = 0;
    link->ReadTxStatus(tx);
    link->SetSplit(true);
    ASSERT_EQ(log.rows.size(), 2);
    EXPECT_EQ(log.rows[0].sent, hex("00 00 00 00 F7"));
    EXPECT_TRUE(log.rows[0].hasReceived);
    EXPECT_EQ(log.rows[0].received, hex("FF"));
    EXPECT_EQ(log.rows[0].text, QStringLiteral("Read TX status"));
    // A set command's trace shows the sent frame only.
    EXPECT_EQ(log.rows[1].sent, hex("00 00 00 00 02"));
    EXPECT_FALSE(log.rows[1].hasReceived);
    EXPECT_EQ(log.rows[1].text, QStringLiteral("Set split frequency operation"));
}
