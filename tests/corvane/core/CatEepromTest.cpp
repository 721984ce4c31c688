// EEPROM reads and the verified masked write, against the FT-817 simulator.
#include "CatLinkTestSupport.h"

#include "corvane/core/Settings.h"

using namespace cattest;

namespace {
testsupport::Simulator::Options withPokes(std::initializer_list<const char*> pokes)
{
    testsupport::Simulator::Options o;
    for (const char* p : pokes)
        o.pokes << QString::fromLatin1(p);
    return o;
}

struct Panel final : CPanelState {
    bool IsMemoryMode() const override { return memory; }
    bool IsMemoryTune() const override { return tune; }
    bool IsVfoA() const override { return vfoA; }
    int GetMemoryChannel() const override { return channel; }
    bool memory = false;
    bool tune = false;
    bool vfoA = true;
    int channel = kNoChannel;
};

struct Hooks final : CMemoryListHooks {
    void ClearClarifiers() override { ++cleared; }
    void TuneToMemoryChannel(int n) override { tuned << n; }
    int cleared = 0;
    QList<int> tuned;
};

struct LogMemWrite {
    explicit LogMemWrite(bool on) : saved(GetSettings().m_bLogMemWrite) { GetSettings().m_bLogMemWrite = on; }
    ~LogMemWrite() { GetSettings().m_bLogMemWrite = saved; }
    int saved;
};

QList<QByteArray> oneAttempt(const char* read, const char* write)
{
    return hexList({read, read, read, write, read});
}
} // namespace

class CatEeprom : public SimLink {};

TEST_F(CatEeprom, ReadsUpToTheLimit)
{
    start(withPokes({"1926=1234"}));
    uint8_t a = 0, b = 0;
    EXPECT_TRUE(link->ReadEepromAt(0x1926, a, b));
    EXPECT_EQ(a, 0x12);
    EXPECT_EQ(b, 0x34);
    EXPECT_TRUE(link->ReadEeprom(0x19, 0x27, a, b));
    EXPECT_EQ(newFrames(), hexList({"19 26 00 00 BB", "19 27 00 00 BB"}));
    EXPECT_FALSE(link->ReadEepromAt(0x1928, a, b));
    EXPECT_EQ(a, 0xFF);
    EXPECT_EQ(b, 0xFF);
    EXPECT_EQ(link->GetEepromBit(0x1928, 0), 1) << "above the limit reads as 0xFF";
    EXPECT_TRUE(newFrames().isEmpty());

    link->SetTraceAll(true);
    link->ReadEepromAt(0x0055, a, b);
    ASSERT_EQ(log.rows.size(), 1);
    EXPECT_EQ(log.rows[0].text, QStringLiteral("Read EEPROM 0x0055"));
}

TEST_F(CatEeprom, BitsFieldsVfoAndBandRecords)
{
    start(withPokes({"0055=81", "0057=C2", "0059=C4"}));
    EXPECT_FALSE(link->IsVfoA());
    EXPECT_EQ(link->GetEepromBit(0x0057, 1), 1);
    EXPECT_EQ(link->GetEepromBit(0x0057, 0), 0);
    EXPECT_EQ(link->GetEepromField(0x0057, 0, 2), 2);
    EXPECT_EQ(link->GetEepromField(0x0057, 6, 2), 3);
    EXPECT_EQ(link->GetEepromField(0x0057, 0, 8), 0xC2);
    EXPECT_EQ(link->GetEepromField(0x0057, 0, 0), 0);
    EXPECT_EQ(link->GetVfoABand(), 4);
    EXPECT_EQ(link->GetVfoBBand(), 12);
    newFrames();

    uint8_t record[8] = {};
    EXPECT_TRUE(link->ReadBandRecord(false, 12, record, 7));
    // VFO B band 12: 125 + (15 + 12) x 26 = 827 = 0x033B, read in pairs.
    EXPECT_EQ(newFrames(), hexList({"03 3B 00 00 BB", "03 3D 00 00 BB", "03 3F 00 00 BB", "03 41 00 00 BB"}));
    const QByteArray image = sim->eeprom();
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(record), 8), image.mid(0x033B, 8));
}

TEST_F(CatEeprom, VerifiedMaskedWrite)
{
    LogMemWrite logWrites(true);
    start(withPokes({"0057=A611"}));
    EXPECT_TRUE(link->WriteEepromBits(0x0057, 0x03, 1, QString()));
    EXPECT_EQ(newFrames(), oneAttempt("00 57 00 00 BB", "00 57 A5 11 BC"));
    EXPECT_EQ(sleeper.m_totalMs, 20);
    EXPECT_EQ(sim->eepromByte(0x57), 0xA5);
    EXPECT_EQ(sim->eepromByte(0x58), 0x11);
    // Tracing off, EEPROM writes logged: the write row and its confirmation.
    ASSERT_EQ(log.rows.size(), 2);
    EXPECT_EQ(log.rows[0].text, QStringLiteral("Write EEPROM 0x0057, Value = A5 11"));
    EXPECT_EQ(log.rows[0].sent, hex("A5 11"));
    EXPECT_TRUE(log.rows[0].hasReceived);
    EXPECT_EQ(log.rows[0].received.size(), 1) << "the radio's acknowledgement";
    EXPECT_FALSE(log.rows[1].hasSent);
    EXPECT_EQ(log.rows[1].received, hex("A5 11"));
    EXPECT_EQ(log.rows[1].text, QStringLiteral("Confirmation"));
    EXPECT_FALSE(link->GetTraceAll());
}

TEST_F(CatEeprom, LogRowsFollowTraceAndOption)
{
    start(withPokes({"0079=00"}));
    {
        LogMemWrite off(false);
        EXPECT_TRUE(link->WriteEepromBits(0x0079, 0x03, 2, QStringLiteral("Setting Tx power level")));
        EXPECT_TRUE(log.rows.isEmpty());

        link->SetTraceAll(true);
        EXPECT_TRUE(link->WriteEepromBits(0x0079, 0x03, 1, QStringLiteral("Setting Tx power level")));
        EXPECT_TRUE(link->GetTraceAll()) << "tracing is restored";
    }
    const QStringList texts = log.texts();
    EXPECT_EQ(texts, (QStringList{QStringLiteral("Read EEPROM 0x0079 (SetBits)"), QStringLiteral("Read EEPROM 0x0079 (SetBits)"),
                                  QStringLiteral("Read EEPROM 0x0079 (SetBits)"), QStringLiteral("Setting Tx power level"),
                                  QStringLiteral("Confirmation")}));
    EXPECT_EQ(log.rows[0].sent, hex("00 79 00 00 BB"));
    EXPECT_EQ(log.rows[3].sent, hex("01 00")) << "the two data bytes of the write";
}

TEST_F(CatEeprom, InconsistentReadsEndTheAttemptAndNothingIsWritten)
{
    LogMemWrite off(false);
    testsupport::Simulator::Options o = withPokes({"0057=A611"});
    o.faults << QStringLiteral("inconsistent-eeprom:addr=0057");
    start(o);
    EXPECT_FALSE(link->WriteEepromBits(0x0057, 0x03, 1, QString()));
    // Each of the three attempts reads afresh; none of them writes.
    EXPECT_EQ(newFrames(), QList<QByteArray>(9, hex("00 57 00 00 BB")));
    // The rows are written whether or not tracing is on.
    ASSERT_EQ(log.rows.size(), 4);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(log.rows[i].text, QStringLiteral("Read EEPROM 0x0057, inconsistent values returned"));
        EXPECT_EQ(log.rows[i].sent, hex("00 57 00 00 BB"));
    }
    EXPECT_EQ(log.rows[0].received, hex("A6 11"));
    EXPECT_TRUE(log.rows[3].text.startsWith(QStringLiteral("EEPROM write not confirmed after 3 attempts")));
    EXPECT_EQ(sim->eepromByte(0x57), 0xA6);
}

TEST_F(CatEeprom, OneGarbledReadOnlyDelaysTheWrite)
{
    LogMemWrite off(false);
    testsupport::Simulator::Options o = withPokes({"0057=A611"});
    o.faults << QStringLiteral("corrupt-reply:op=BB,after=1,count=1,xor=04");
    start(o);
    EXPECT_TRUE(link->WriteEepromBits(0x0057, 0x03, 1, QString()));
    EXPECT_EQ(newFrames(), hexList({"00 57 00 00 BB", "00 57 00 00 BB", "00 57 00 00 BB"}) +
                               oneAttempt("00 57 00 00 BB", "00 57 A5 11 BC"));
    EXPECT_EQ(sim->eepromByte(0x57), 0xA5);
}

TEST_F(CatEeprom, WriteThatNeverSticksFailsAfterThreeAttempts)
{
    LogMemWrite off(false);
    testsupport::Simulator::Options o = withPokes({"0057=A611"});
    o.faults << QStringLiteral("write-not-stick");
    start(o);
    EXPECT_FALSE(link->WriteEepromBits(0x0057, 0x03, 1, QStringLiteral("AGC Fast")));
    // A read-back that differs is read again until two answers agree.
    QList<QByteArray> expected;
    for (int i = 0; i < 3; ++i)
        expected += oneAttempt("00 57 00 00 BB", "00 57 A5 11 BC") + hexList({"00 57 00 00 BB", "00 57 00 00 BB"});
    EXPECT_EQ(newFrames(), expected);
    EXPECT_EQ(sleeper.m_totalMs, 60);
    ASSERT_EQ(log.rows.size(), 1);
    EXPECT_EQ(log.rows[0].text,
              QStringLiteral("EEPROM write not confirmed after 3 attempts: address 0057, mask 03, value 01 (AGC Fast)"));
}

TEST_F(CatEeprom, FailedReadBackIsNotAConfirmation)
{
    LogMemWrite off(false);
    // Writing 0x00: a read-back that failed would leave zeros that look right.
    testsupport::Simulator::Options o = withPokes({"0057=0111"});
    o.faults << QStringLiteral("no-answer:op=BB,after=3,count=1");
    start(o);
    EXPECT_TRUE(link->WriteEepromBits(0x0057, 0x03, 0, QString()));
    // The read-back gets no answer: the pair is read again until two answers agree.
    EXPECT_EQ(newFrames(), oneAttempt("00 57 00 00 BB", "00 57 00 11 BC") +
                               hexList({"00 57 00 00 BB", "00 57 00 00 BB"}));
    EXPECT_EQ(sim->eepromByte(0x57), 0x00);
    EXPECT_EQ(log.texts(), QStringList{QStringLiteral("Read error: 0 / 2 bytes read (Read EEPROM 0x0057)")});
}

TEST_F(CatEeprom, FailedReadEndsTheAttemptAndTheNextOneWrites)
{
    LogMemWrite off(false);
    testsupport::Simulator::Options o = withPokes({"0057=A611"});
    o.faults << QStringLiteral("no-answer:op=BB,after=1,count=1");
    start(o);
    EXPECT_TRUE(link->WriteEepromBits(0x0057, 0x03, 1, QString()));
    EXPECT_EQ(newFrames(), hexList({"00 57 00 00 BB", "00 57 00 00 BB"}) +
                               oneAttempt("00 57 00 00 BB", "00 57 A5 11 BC"));
    EXPECT_EQ(log.texts(), QStringList{QStringLiteral("Read error: 0 / 2 bytes read (Read EEPROM 0x0057 (SetBits))")});
    EXPECT_EQ(sim->eepromByte(0x57), 0xA5);
}

TEST_F(CatEeprom, ARadioThatStopsAnsweringEndsTheWriteAfterTwoAttempts)
{
    LogMemWrite off(false);
    testsupport::Simulator::Options o = withPokes({"0057=A611"});
    o.faults << QStringLiteral("no-answer:op=BB");
    start(o);
    const int unconfirmed = link->GetUnconfirmedWrites();
    EXPECT_FALSE(link->WriteEepromBits(0x0057, 0x03, 1, QString()));
    EXPECT_EQ(newFrames(), hexList({"00 57 00 00 BB", "00 57 00 00 BB"}));
    EXPECT_EQ(link->GetUnconfirmedWrites(), unconfirmed + 1);
    EXPECT_EQ(sim->eepromByte(0x57), 0xA6);
}

TEST_F(CatEeprom, RefusedAddresses)
{
    LogMemWrite off(false);
    start();
    EXPECT_FALSE(link->WriteEepromBits(0x0000, 0xFF, 1, QString()));
    EXPECT_FALSE(link->WriteEepromBits(0x0003, 0xFF, 1, QString()));
    EXPECT_FALSE(link->WriteEepromWord(0x0000, 1, 2));
    EXPECT_FALSE(link->WriteEepromWord(0x0005, 1, 2));
    EXPECT_TRUE(newFrames().isEmpty());
    EXPECT_TRUE(log.rows.isEmpty());

    const uint8_t old4 = sim->eepromByte(0x04);
    EXPECT_TRUE(link->WriteEepromBits(0x0004, 0xFF, uint8_t(old4 ^ 0x10), QString()));
    EXPECT_EQ(newFrames().size(), 5);
    EXPECT_TRUE(link->WriteEepromWord(0x0006, 0x12, 0x34));
    EXPECT_EQ(newFrames(), hexList({"00 06 12 34 BC"}));
    EXPECT_EQ(sim->eepromByte(0x06), 0x12);
    EXPECT_EQ(sim->eepromByte(0x07), 0x34);
}

TEST_F(CatEeprom, NamedSettingLabels)
{
    LogMemWrite on(true);
    start(withPokes({"0057=C011", "005F=65", "0079=00"}));
    struct Case {
        std::function<void(CCatLink&)> action;
        QString text;
        const char* write;
    };
    const QList<Case> cases = {
        {[](CCatLink& l) { l.SetNoiseBlanker(true); }, QStringLiteral("NB On, Address = 0057, Bit = 5, State = 1"),
         "00 57 E0 11 BC"},
        {[](CCatLink& l) { l.SetAgc(1); }, QStringLiteral("AGC Fast, Address = 0057, Offset = 3, Value = 1"),
         "00 57 E1 11 BC"},
        {[](CCatLink& l) { l.SetAgc(7); }, QStringLiteral(", Address = 0057, Offset = 3, Value = 0"), "00 57 E0 11 BC"},
        {[](CCatLink& l) { l.SetFst(true); }, QStringLiteral("Set FST On / Off, Address = 0057, Bit = 7, State = 0"),
         "00 57 60 11 BC"},
        {[](CCatLink& l) { l.SetSqlKnob(); }, QStringLiteral("Set SQL On, Address = 005F, Bit = 7, State = 1"),
         nullptr},
        {[](CCatLink& l) { l.SetRfKnob(); }, QStringLiteral("Set RF On, Address = 005F, Bit = 7, State = 0"), nullptr},
        {[](CCatLink& l) { l.SetTxPower(3); }, QStringLiteral("Setting Tx power level"), "00 79 03 00 BC"},
        {[](CCatLink& l) { l.DualWatchOn(); }, QStringLiteral("Dual Watch On"), "00 79 1B 00 BC"},
        {[](CCatLink& l) { l.PriorityScanOn(); }, QStringLiteral("Priority Scan On"), "00 79 13 00 BC"},
        {[](CCatLink& l) { l.PriorityScanOff(); }, QStringLiteral("Priority Scan Off"), "00 79 03 00 BC"},
        {[](CCatLink& l) { l.StopScanning(); }, QStringLiteral("Stop scanning"), "00 79 03 00 BC"},
    };
    for (const Case& c : cases) {
        log.rows.clear();
        c.action(*link);
        const QList<QByteArray> frames = newFrames();
        ASSERT_EQ(frames.size(), 5) << c.text.toStdString();
        if (c.write) {
            EXPECT_EQ(frames[3], hex(c.write)) << c.text.toStdString();
        }
        ASSERT_EQ(log.rows.size(), 2);
        EXPECT_EQ(log.rows[0].text, c.text);
    }
    EXPECT_EQ(sim->eepromByte(0x5F), 0x65);
}

TEST_F(CatEeprom, BandRecordWritesFollowThePanel)
{
    LogMemWrite off(false);
    start(withPokes({"0055=81", "0059=92"}));
    Panel panel;
    link->SetPanelState(&panel);

    // Memory mode without a known channel: nothing is written.
    panel.memory = true;
    link->SetAttenuator(true);
    EXPECT_TRUE(newFrames().isEmpty());

    // Memory channel 3: 0x484 + 3 x 26 + 2 = 0x04D4.
    panel.channel = 3;
    link->SetAttenuator(true);
    const QList<QByteArray> memoryFrames = newFrames();
    ASSERT_EQ(memoryFrames.size(), 5);
    EXPECT_EQ(memoryFrames[0], hex("04 D4 00 00 BB"));

    // Memory tune: the M-Tune record 0x425 + 1.
    panel.tune = true;
    link->SetNarrow(true, true);
    EXPECT_EQ(newFrames().value(0), hex("04 26 00 00 BB"));

    // VFO B with bands 0x92: band 9 of VFO B, 125 + 9 x 26 + 15 x 26 + 2 = 751.
    panel.memory = panel.tune = false;
    panel.vfoA = false;
    link->SetIpo(true);
    QList<QByteArray> frames = newFrames();
    // The band byte is read until two answers agree: twice on a clean line.
    ASSERT_EQ(frames.size(), 7);
    EXPECT_EQ(frames[0], hex("00 59 00 00 BB"));
    EXPECT_EQ(frames[1], hex("00 59 00 00 BB"));
    EXPECT_EQ(frames[2], hex("02 EF 00 00 BB"));
    EXPECT_EQ(uint8_t(frames[5][2]) & 0x20, 0x20);
    EXPECT_EQ(frames[5].left(2), hex("02 EF"));

    // Without a panel the radio's own flags decide (0x55 bit 0: VFO B).
    link->SetPanelState(nullptr);
    link->WriteCtcssToneIndex(5);
    frames = newFrames();
    ASSERT_EQ(frames.size(), 9);
    EXPECT_EQ(frames[0], hex("00 55 00 00 BB"));
    EXPECT_EQ(frames[1], hex("00 55 00 00 BB"));
    EXPECT_EQ(frames[2], hex("00 59 00 00 BB"));
    EXPECT_EQ(frames[3], hex("00 59 00 00 BB"));
    EXPECT_EQ(frames[4], hex("02 F3 00 00 BB"));  // 751 - 2 + 6
    EXPECT_EQ(sim->eepromByte(0x2F3) & 0x3F, 5);
}

TEST_F(CatEeprom, ToggleAntennaSaysRearOrFront)
{
    LogMemWrite on(true);
    start(withPokes({"0055=80", "0059=09", "007A=02"}));
    link->ToggleAntenna();
    ASSERT_GE(log.rows.size(), 1);
    EXPECT_EQ(log.rows[0].text, QStringLiteral("Set 50MHz antenna = rear, Address = 007A, Bit = 1, State = 0"));
    EXPECT_EQ(sim->eepromByte(0x7A) & 0x02, 0);
    log.rows.clear();
    link->ToggleAntenna();
    EXPECT_EQ(log.rows.value(0).text, QStringLiteral("Set 50MHz antenna = front, Address = 007A, Bit = 1, State = 1"));
    EXPECT_EQ(sim->eepromByte(0x7A) & 0x02, 0x02);
}

TEST_F(CatEeprom, MemoryModeChanges)
{
    LogMemWrite on(true);
    start(withPokes({"0055=E0", "0056=05"}));
    Hooks hooks;
    link->SetMemoryListHooks(&hooks);

    link->LeaveMemoryMode();
    EXPECT_EQ(hooks.cleared, 1);
    QStringList writes;
    for (const LogRow& r : log.rows)
        if (r.text != QStringLiteral("Confirmation"))
            writes << r.text;
    EXPECT_EQ(writes, (QStringList{QStringLiteral("Switch M-Tune Off, Address = 0055, Bit = 5, State = 0"),
                                   QStringLiteral("Switch Memory Off, Address = 0055, Bit = 6, State = 0"),
                                   QStringLiteral("Disabling Memory mode")}));
    EXPECT_EQ(sim->eepromByte(0x55) & 0xE0, 0x80);
    EXPECT_EQ(sim->eepromByte(0x56), 0);

    // Selecting a channel enters memory mode unless the panel already shows it.
    log.rows.clear();
    newFrames();
    link->SelectMemoryChannel(7);
    EXPECT_EQ(hooks.cleared, 2);
    EXPECT_EQ(sim->eepromByte(0x44F), 7);
    EXPECT_EQ(sim->eepromByte(0x55) & 0x60, 0x40);
    EXPECT_EQ(newFrames().size(), 15);

    Panel panel;
    panel.memory = true;
    link->SetPanelState(&panel);
    link->SelectMemoryChannel(8);
    EXPECT_EQ(newFrames().size(), 5);
    EXPECT_EQ(sim->eepromByte(0x44F), 8);

    link->TuneToMemoryChannel(8);
    EXPECT_EQ(hooks.tuned, QList<int>{8});
}

TEST_F(CatEeprom, SwitchMTuneOffWritesOnceEvenWhenOff)
{
    LogMemWrite off(false);
    start(withPokes({"0055=80"}));
    link->SwitchMTuneOff();
    const QList<QByteArray> frames = newFrames();
    // Pass 1 reads (twice, to confirm) and writes; pass 2 reads and stops.
    ASSERT_EQ(frames.size(), 2 + 5 + 2);
    EXPECT_EQ(frames[5], hex("00 55 80 00 BC"));
}

TEST_F(CatEeprom, ChangeEepromBitWritesOnlyADifference)
{
    LogMemWrite off(false);
    start(withPokes({"0057=20"}));
    // The bit is read until two answers agree: two reads on a clean line.
    EXPECT_TRUE(link->ChangeEepromBit(0x0057, 5, 1));
    EXPECT_EQ(newFrames().size(), 2);
    EXPECT_TRUE(link->ChangeEepromBit(0x0057, 5, 0));
    EXPECT_EQ(newFrames().size(), 7);
    EXPECT_EQ(sim->eepromByte(0x57), 0x00);
}

// A bit that cannot be read for certain is not changed, and the change counts
// as not confirmed.
TEST_F(CatEeprom, ChangeEepromBitOnAnInconsistentReadChangesNothing)
{
    LogMemWrite off(false);
    testsupport::Simulator::Options o = withPokes({"0057=20"});
    o.faults << QStringLiteral("inconsistent-eeprom");
    start(o);
    const int unconfirmed = link->GetUnconfirmedWrites();
    EXPECT_FALSE(link->ChangeEepromBit(0x0057, 5, 0));
    EXPECT_EQ(link->GetUnconfirmedWrites(), unconfirmed + 1);
    for (const QByteArray& f : newFrames())
        EXPECT_EQ(uint8_t(f[4]), 0xBB);
    EXPECT_EQ(sim->eepromByte(0x57), 0x20);
}

TEST_F(CatEeprom, ASilentRadioIsAskedEachPairOnceMore)
{
    LogMemWrite off(false);
    testsupport::Simulator::Options o;
    o.faults << QStringLiteral("no-answer:op=BB");
    start(o);
    uint8_t first = 0x12, second = 0x34;
    EXPECT_FALSE(link->ReadEepromConfirmed(0x0057, first, second));
    EXPECT_EQ(newFrames().size(), 2);
    EXPECT_EQ(first, 0x12) << "the outputs keep what they held";
    // Once it has been silent for a while, one unanswered read ends a confirmed read.
    EXPECT_FALSE(link->ReadEepromConfirmed(0x0059, first, second));
    EXPECT_EQ(newFrames().size(), 1);
    EXPECT_FALSE(link->ReadEepromConfirmed(0x005B, first, second));
    EXPECT_EQ(newFrames().size(), 1);
}

TEST_F(CatEeprom, ConfirmedReadsNeedTwoAnswersThatAgree)
{
    LogMemWrite off(false);
    testsupport::Simulator::Options o = withPokes({"0057=A611"});
    o.faults << QStringLiteral("corrupt-reply:op=BB,after=1,count=1,xor=01");
    start(o);
    uint8_t first = 0, second = 0;
    // A6 11, A7 10 (garbled), A6 11, A6 11.
    EXPECT_TRUE(link->ReadEepromConfirmed(0x0057, first, second));
    EXPECT_EQ(first, 0xA6);
    EXPECT_EQ(second, 0x11);
    EXPECT_EQ(newFrames().size(), 4);
    // Above the limit nothing is sent.
    EXPECT_FALSE(link->ReadEepromConfirmed(0x1928, first, second));
    EXPECT_EQ(first, 0xFF);
    EXPECT_TRUE(newFrames().isEmpty());
}
