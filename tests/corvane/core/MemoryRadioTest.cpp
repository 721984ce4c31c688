// Memory records against the FT-817 simulator: the exact EEPROM frames of
// reading a channel and of writing one back (only the changed pairs, each
// read back), the used bit, the clarifier and the skip flag.
#include "CatLinkTestSupport.h"

#include "corvane/core/EepromImage.h"
#include "corvane/core/MemoryChannelList.h"

using cattest::hex;

namespace {

// The frame that reads the pair at an address, and the one that writes it.
QByteArray readFrame(uint32_t address)
{
    return QByteArray::fromHex(QString::asprintf("%04X0000BB", address).toLatin1());
}

QByteArray writeFrame(uint32_t address, uint8_t first, uint8_t second)
{
    return QByteArray::fromHex(QString::asprintf("%04X%02X%02XBC", address, first, second).toLatin1());
}

class MemoryRadio : public ::testing::Test {
protected:
    void start(const QStringList& faults = {}, const QStringList& pokes = {})
    {
        platform::Sleeper::setInstance(&sleeper);
        testsupport::Simulator::Options o;
        o.faults = faults;
        o.pokes = pokes;
        sim = std::make_unique<testsupport::Simulator>(o);
        ASSERT_TRUE(sim->isRunning()) << sim->errorText().toStdString();
        app = std::make_unique<CRadioApp>();
        QString error;
        ASSERT_TRUE(app->GetCatLink().Open(sim->portPath(), QStringLiteral("38400"), error)) << error.toStdString();
        ASSERT_TRUE(GetEepromImage().Refresh());
        CRadioApp::SetIoLogSink(&log);
        newFrames();
    }
    void TearDown() override
    {
        CRadioApp::SetIoLogSink(nullptr);
        app.reset();
        platform::Sleeper::setInstance(nullptr);
    }
    QList<QByteArray> newFrames()
    {
        const QList<QByteArray> all = sim->frames();
        const QList<QByteArray> fresh = all.mid(m_seen);
        m_seen = int(all.size());
        return fresh;
    }
    QByteArray radioRecord(int channel) const
    {
        return sim->eeprom().mid(int(MemoryGeometry::ChannelAddress(channel)), 26);
    }
    // The thirteen pair reads of a channel, in order.
    static QList<QByteArray> pairReads(int channel)
    {
        QList<QByteArray> frames;
        for (uint32_t i = 0; i < 26; i += 2)
            frames << readFrame(MemoryGeometry::ChannelAddress(channel) + i);
        return frames;
    }

    platform::FakeSleeper sleeper;
    cattest::RecordingLog log;
    std::unique_ptr<testsupport::Simulator> sim;
    std::unique_ptr<CRadioApp> app;
    int m_seen = 0;
};

} // namespace

TEST_F(MemoryRadio, LoadingReadsTheFrequencyFirstAndStopsAtAnEmptyChannel)
{
    start();
    CRadioMemoryChannel channel;
    ASSERT_TRUE(channel.LoadChannel(3, false));
    const uint32_t base = MemoryGeometry::ChannelAddress(3);
    QList<QByteArray> expected = {readFrame(base + 10), readFrame(base + 12)};
    for (uint32_t i = 0; i < 26; i += 2)
        if (i != 10 && i != 12)
            expected << readFrame(base + i);
    // Each pair is read until two answers agree: twice on a clean line.
    EXPECT_EQ(newFrames(), cattest::twice(expected));
    EXPECT_EQ(channel.GetRawBytes(), radioRecord(3));
    EXPECT_EQ(channel.GetTag(), "RPT R7  ");
    EXPECT_EQ(channel.GetChannelAddress(), int(base));

    // Channel 8 is not in use: nothing is read unless forced; forced, only
    // its frequency pairs, once each, which hold FF.
    CRadioMemoryChannel empty;
    ASSERT_TRUE(empty.LoadChannel(7, false));
    EXPECT_TRUE(newFrames().isEmpty());
    EXPECT_FALSE(empty.IsUsed());
    EXPECT_FALSE(empty.HasRawBytes());
    ASSERT_TRUE(empty.LoadChannel(7, true));
    EXPECT_EQ(newFrames().size(), 2);
    EXPECT_FALSE(empty.HasFrequency());
    EXPECT_EQ(empty.GetRawBytes(), QByteArray(26, char(0xFF)));
}

TEST_F(MemoryRadio, AnEmptyRecordTakenForUsedIsReadButNeverWritten)
{
    // The used bitmap (as a corrupted read can give it) calls the empty
    // channel 8 in use: its FF bytes hold no clarifier to switch off.
    start({}, {"0450=FF"});
    const QByteArray before = sim->eeprom();
    CRadioMemoryChannel channel;
    channel.LoadChannel(7, false);
    EXPECT_FALSE(channel.HasFrequency());
    for (const QByteArray& f : newFrames())
        EXPECT_NE(uint8_t(f.at(4)), 0xBC) << "wrote " << f.toHex(' ').toStdString();
    EXPECT_EQ(sim->eeprom(), before);
}

TEST_F(MemoryRadio, LoadingSwitchesAStoredClarifierOff)
{
    const uint32_t at = MemoryGeometry::ChannelAddress(2) + 2;
    start({}, {QString::asprintf("%04X=40", at)});
    CRadioMemoryChannel channel;
    channel.LoadChannel(2, false);
    EXPECT_EQ(channel.GetRawByte(2) & 0x40, 0);
    EXPECT_EQ(sim->eepromByte(int(at)) & 0x40, 0);
}

TEST_F(MemoryRadio, AnUnchangedRecordCostsThirteenConfirmedReadsAndTheUsedBitCheck)
{
    start();
    CRadioMemoryChannel channel;
    channel.LoadChannel(6, false);
    newFrames();
    ASSERT_TRUE(channel.WriteToRadio(6));
    QList<QByteArray> expected = pairReads(6);
    expected << readFrame(MemoryGeometry::UsedByteAddress(6));
    EXPECT_EQ(newFrames(), cattest::twice(expected));
    EXPECT_FALSE(app->GetCatLink().GetTraceAll()) << "tracing is restored";
    EXPECT_EQ(log.rows.size(), 28) << "every exchange of the write is traced";
}

TEST_F(MemoryRadio, OnlyTheChangedPairsAreWrittenAndEachIsReadBack)
{
    start();
    CRadioMemoryChannel channel;
    channel.LoadChannel(3, false);
    const QByteArray before = radioRecord(3);
    const QByteArray neighbour = radioRecord(2);
    channel.SetRxFrequencyHz(channel.GetRxFrequency());
    channel.SetTxFrequencyHz(channel.GetTxFrequency());
    channel.SetTag("NEW LBL");
    channel.SetIpo(true);
    channel.Encode();
    newFrames();
    ASSERT_TRUE(channel.WriteToRadio(3));

    const QByteArray wanted = channel.GetRawBytes().left(26);
    const uint32_t base = MemoryGeometry::ChannelAddress(3);
    QList<QByteArray> expected;
    // Reads before and after each write are confirmed: two answers that agree.
    for (uint32_t i = 0; i < 26; i += 2) {
        expected << readFrame(base + i) << readFrame(base + i);
        if (wanted.mid(int(i), 2) != before.mid(int(i), 2))
            expected << writeFrame(base + i, uint8_t(wanted[int(i)]), uint8_t(wanted[int(i) + 1]))
                     << readFrame(base + i) << readFrame(base + i);
    }
    expected << readFrame(MemoryGeometry::UsedByteAddress(3)) << readFrame(MemoryGeometry::UsedByteAddress(3));
    EXPECT_EQ(CMemoryWritePlan::ChangedPairs(wanted, before), QList<uint32_t>({2, 4, 18, 20, 22, 24}))
        << "IPO in byte 2; byte 5 takes the TX mode; the label";
    EXPECT_EQ(newFrames(), expected);
    EXPECT_EQ(radioRecord(3), wanted);
    // The rest of the memory is untouched.
    EXPECT_EQ(radioRecord(2), neighbour);
    EXPECT_EQ(sleeper.m_totalMs, 6 * 20) << "20 ms after each pair write";
}

TEST_F(MemoryRadio, UsedBitFollowsTheRecord)
{
    start();
    CRadioMemoryChannel channel;
    channel.LoadChannel(4, false);
    channel.SetEmpty(false);  // disabled: data kept, not in use
    newFrames();
    ASSERT_TRUE(channel.WriteToRadio(4));
    const uint32_t bitmap = MemoryGeometry::UsedByteAddress(4);
    // The used bit is read confirmed, then the masked write reads it three times.
    QList<QByteArray> expected = cattest::twice(pairReads(4));
    expected << readFrame(bitmap) << readFrame(bitmap) << readFrame(bitmap) << readFrame(bitmap) << readFrame(bitmap);
    const QList<QByteArray> frames = newFrames();
    ASSERT_EQ(frames.size(), expected.size() + 2);
    EXPECT_EQ(frames.mid(0, expected.size()), expected);
    EXPECT_EQ(frames[expected.size()].right(1), QByteArray("\xBC"));
    EXPECT_EQ(sim->eepromByte(int(bitmap)) & 0x10, 0);
    EXPECT_NE(radioRecord(4).left(4), QByteArray(4, char(0xFF))) << "its data stays";

    channel.SetEmpty(true);
    ASSERT_TRUE(channel.WriteToRadio(4));
    EXPECT_EQ(sim->eepromByte(int(bitmap)) & 0x10, 0x10);
}

TEST_F(MemoryRadio, AnErasedChannelIsWrittenAsFFAndLeavesTheBitmap)
{
    start();
    CRadioMemoryChannel channel;
    channel.LoadChannel(5, false);
    channel.Clear();
    channel.SetEmpty(false);
    // Nothing to write without a frequency: no frame at all.
    newFrames();
    ASSERT_TRUE(channel.WriteToRadio(5));
    EXPECT_TRUE(newFrames().isEmpty());

    channel.SetHasFrequency(true);  // as the save step does for a changed record
    ASSERT_TRUE(channel.WriteToRadio(5));
    EXPECT_EQ(radioRecord(5), QByteArray(26, char(0xFF)));
    EXPECT_EQ(sim->eepromByte(int(MemoryGeometry::UsedByteAddress(5))) & 0x20, 0);
}

TEST_F(MemoryRadio, AWriteThatDoesNotStickIsTriedThriceAndReported)
{
    const uint32_t at = MemoryGeometry::ChannelAddress(0) + 18;
    start({QString::asprintf("write-not-stick:op=BC,addr=%04X", at)});
    CRadioMemoryChannel channel;
    channel.LoadChannel(0, false);
    channel.SetRxFrequencyHz(channel.GetRxFrequency());
    channel.SetTag("ZZ");
    channel.Encode();
    newFrames();
    EXPECT_FALSE(channel.WriteToRadio(0));
    int writesAt = 0;
    for (const QByteArray& f : newFrames())
        writesAt += f.startsWith(readFrame(at).left(2)) && f.endsWith("\xBC");
    EXPECT_EQ(writesAt, 3);
    EXPECT_EQ(radioRecord(0).mid(20, 6), QByteArray("      ")) << "the other label pairs were written";
}

TEST_F(MemoryRadio, SkipIsSetOnTheRadioAtOnce)
{
    start();
    CRadioMemoryChannel channel;
    channel.LoadChannel(1, false);
    const QByteArray raw = channel.GetRawBytes();
    channel.SetSkip(1, true);
    EXPECT_TRUE(channel.GetSkip());
    EXPECT_EQ(channel.GetRawBytes(), raw) << "the cached bytes stay";
    EXPECT_EQ(sim->eepromByte(int(MemoryGeometry::ChannelAddress(1) + 2)) & 0x80, 0x80);
}

TEST_F(MemoryRadio, RadioListClearsEveryUsedClarifier)
{
    start({}, {QString::asprintf("%04X=40", MemoryGeometry::ChannelAddress(1) + 2)});
    CRadioMemoryList& list = app->GetMemoryList();
    for (int i = 0; i < list.GetCount(); ++i)
        list.GetChannel(i)->LoadChannel(i, false);
    EXPECT_EQ(sim->eepromByte(int(MemoryGeometry::ChannelAddress(1) + 2)) & 0x40, 0);
    // Set again behind the program's back: the list's cache says it is clear.
    list.GetChannel(0)->SetRawByte(2, 0x40);
    newFrames();
    list.ClearClarifiers();
    EXPECT_EQ(list.GetChannel(0)->GetRawByte(2), 0);
    EXPECT_FALSE(newFrames().isEmpty());
}
