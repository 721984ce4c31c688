// The 26-byte memory record without a radio: raw access, decode, encode,
// display texts, copies, the raw text form, the radio list's own operations,
// the EEPROM geometry and the write plan.
#include "corvane/core/MemoryChannel.h"
#include "corvane/core/MemoryChannelList.h"

#include <gtest/gtest.h>

namespace {
QByteArray hex(const char* text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// The simulator's channel 4 ("RPT R7", 145.725 MHz FM, minus 600 kHz, tone 88.5)
// and channel 7 ("DX SPLIT", 14.195 USB, TX 14.225 USB).
const char* const kRepeater = "85 44 00 4B 81 00 08 00 00 00 00 DE 5B D4 00 00 EA 60 52 50 54 20 52 37 20 20";
const char* const kSplit = "81 C0 00 4B 80 0C 00 00 00 00 00 15 A8 EC 00 15 B4 A4 44 58 20 53 50 4C 49 54";

CMemoryChannel fromRaw(const QByteArray& bytes)
{
    QString text;
    for (char c : bytes)
        text += QString::asprintf("%03u", unsigned(uint8_t(c)));
    CMemoryChannel c;
    c.SetRawFromText(text);
    return c;
}
} // namespace

TEST(MemoryRecord, RawAccessStaysInsideTheRecord)
{
    CMemoryChannel c = fromRaw(hex("F0 00 12 34 56 78"));
    ASSERT_EQ(c.GetSize(), 26u);
    EXPECT_EQ(c.GetBits(0, 4, 4), 0xFu);
    EXPECT_EQ(c.GetBits(0, 0, 8), 0xF0u);
    EXPECT_EQ(c.GetBits(0, 8, 1), 0u) << "shift 8 is outside the byte";
    EXPECT_EQ(c.GetBits(0, 0, 9), 0u) << "width above 8";
    EXPECT_EQ(c.GetBits(26, 0, 8), 0u);
    EXPECT_EQ(c.IsBitSet(0, 7), 1);
    EXPECT_EQ(c.IsBitSet(0, 8), 0);
    EXPECT_EQ(c.GetWord32(2), 0x12345678u);
    EXPECT_EQ(c.GetWord24(3), 0x345678u);
    EXPECT_EQ(c.GetWord32(22), 0u) << "bytes 22-25 are the last four";
    EXPECT_EQ(c.GetWord32(23), 0u);
    EXPECT_EQ(c.GetWord24(24), 0u);

    c.SetBits(1, 2, 2, 0x7);  // the value is not cut to the field
    EXPECT_EQ(c.GetRawByte(1), 0x1C);
    c.SetBits(0, 4, 4, 0x0);
    EXPECT_EQ(c.GetRawByte(0), 0x00);
    c.PutWord32(22, 0xA1B2C3D4);
    EXPECT_EQ(c.GetWord32(22), 0xA1B2C3D4u);
    c.PutWord24(23, 0x010203);
    EXPECT_EQ(c.GetRawByte(25), 0x03);
    c.SetBit(25, 7, true);
    EXPECT_EQ(c.GetRawByte(25), 0x83);

    // Nothing outside: no crash, no change.
    const QByteArray before = c.GetRawBytes();
    c.SetBit(26, 0, true);
    c.SetBits(30, 0, 8, 0xFF);
    c.PutWord32(23, 0xFFFFFFFF);
    c.PutWord24(24, 0xFFFFFF);
    c.SetRawByte(26, 1);
    EXPECT_EQ(c.GetRawBytes(), before);

    CMemoryChannel none;
    EXPECT_EQ(none.GetWord32(0), 0u);
    none.SetRawByte(0, 1);
    EXPECT_FALSE(none.HasRawBytes());
}

TEST(MemoryRecord, DecodesEveryField)
{
    const CMemoryChannel c = fromRaw(hex(kRepeater));
    EXPECT_EQ(c.GetKind(), CMemoryChannel::KIND_IMAGE);
    EXPECT_EQ(c.GetMode(), 5);
    EXPECT_TRUE(c.IsTagOn());
    EXPECT_EQ(c.GetRange(), 4);
    EXPECT_EQ(c.GetShift(), 1);
    EXPECT_EQ(c.GetToneMode(), 1);
    EXPECT_EQ(c.GetCtcssIndex(), 8);
    EXPECT_EQ(c.GetFmStep(), 3);
    EXPECT_EQ(c.GetAmStep(), 1);
    EXPECT_EQ(c.GetSsbStep(), 1);
    EXPECT_EQ(c.GetTxMode(), 5) << "byte 5 bit 2 clear: TX mode follows the mode";
    EXPECT_TRUE(c.HasFrequency());
    EXPECT_EQ(c.GetRxFrequency(), 145725000u);
    EXPECT_EQ(c.GetOffset(), 60000u) << "the offset stays in 10 Hz units";
    EXPECT_EQ(c.GetTag(), "RPT R7  ") << "blanks are part of the label";

    using T = CMemoryChannel;
    EXPECT_EQ(c.GetText(T::TEXT_MODE), "FM");
    EXPECT_EQ(c.GetText(T::TEXT_RANGE), "2m");
    EXPECT_EQ(c.GetText(T::TEXT_SHIFT), "Minus");
    EXPECT_EQ(c.GetText(T::TEXT_OFFSET), "600 KHz");
    EXPECT_EQ(c.GetText(T::TEXT_RX_FREQUENCY), "145.725.000");
    EXPECT_EQ(c.GetText(T::TEXT_TX_FREQUENCY), "") << "not split: no TX text";
    EXPECT_EQ(c.GetText(T::TEXT_TONE_MODE), "Tone (tx)");
    EXPECT_EQ(c.GetText(T::TEXT_CTCSS), "8");
    EXPECT_EQ(c.GetText(T::TEXT_FM_STEP), "12.5 KHz");
    EXPECT_EQ(c.GetText(T::TEXT_AM_STEP), "5 KHz");
    EXPECT_EQ(c.GetText(T::TEXT_SSB_STEP), "2.5 KHz");
    EXPECT_EQ(c.GetText(T::TEXT_SKIP), "Active");
    EXPECT_EQ(c.GetText(T::TEXT_TAG_ON), "On");
    EXPECT_EQ(c.GetText(T::TEXT_ATTENUATOR), "Off");

    const CMemoryChannel s = fromRaw(hex(kSplit));
    EXPECT_EQ(s.GetShift(), 3);
    EXPECT_EQ(s.GetTxFrequency(), 14225000u);
    EXPECT_EQ(s.GetTxMode(), 1);
    EXPECT_EQ(s.GetText(T::TEXT_OFFSET), "") << "split: no offset text";
    EXPECT_EQ(s.GetTxFrequencyText(), "14.225.000");
    EXPECT_EQ(s.GetModeText(), "USB");
    EXPECT_EQ(s.GetTxModeText(), "USB");
}

TEST(MemoryRecord, ModeTextsFollowTheKind)
{
    // An FM narrow image: "-N" on the mode, never on the TX mode.
    QByteArray bytes = hex(kRepeater);
    bytes[1] = char(bytes[1] | 0x08);
    const CMemoryChannel narrow = fromRaw(bytes);
    EXPECT_EQ(narrow.GetModeText(), "FM-N");
    EXPECT_EQ(narrow.GetTxModeText(), "FM");

    // A stored record holds a CAT mode code.
    CMemoryChannel stored;
    stored.MarkAsStoredRecord();
    for (const auto& [code, text] : std::initializer_list<std::pair<uint8_t, const char*>>{
             {0x00, "LSB"}, {0x06, "WFM"}, {0x08, "FM"}, {0x0C, "PKT"}, {0x88, "FM-N"}, {0x05, "? 05"}}) {
        stored.SetMode(code);
        stored.BuildTexts();
        EXPECT_EQ(stored.GetModeText(), text) << int(code);
    }
}

TEST(MemoryRecord, LabelsArePaddedWithBlanksAndStopAtFF)
{
    CMemoryChannel c = fromRaw(hex(kRepeater));
    c.SetRxFrequencyHz(c.GetRxFrequency());
    c.SetTxFrequencyHz(c.GetTxFrequency());
    c.SetTag("AB");
    c.Encode();
    EXPECT_EQ(c.GetRawBytes().mid(18, 8), QByteArray("AB      "));
    EXPECT_EQ(c.GetTag(), "AB      ");

    c.SetTag("TOO LONG LABEL");
    c.SetRxFrequencyHz(c.GetRxFrequency());
    c.Encode();
    EXPECT_EQ(c.GetTag(), "TOO LONG");

    QByteArray bytes = hex(kRepeater);
    bytes[18] = char(0xFF);
    EXPECT_EQ(fromRaw(bytes).GetTag(), "");
    bytes = hex(kRepeater);
    bytes[21] = char(0xFF);
    EXPECT_EQ(fromRaw(bytes).GetTag(), "RPT");
}

TEST(MemoryRecord, EncodeKeepsTheRadiosBitsAndRewritesItsOwn)
{
    // Every bit the program does not own set; the fields as in channel 4.
    QByteArray bytes = hex(kRepeater);
    bytes[0] = char(0x85 | 0x38 | 0x40);  // bits 3-5 and a wrong bit 6
    bytes[1] = char(0x44 | 0x20);
    bytes[2] = char(0x0F | 0x40);          // bits 0-3 and the clarifier
    bytes[4] = char(0x81 | 0x7C);          // bits 2-6, forced to 0
    bytes[5] = char(0xC2 | 0x01);          // bits 1, 6, 7 and a stale bit 0
    bytes[6] = char(0x08 | 0xC0);          // above the CTCSS index
    bytes[7] = char(0x80);                 // above the DCS index
    bytes[8] = char(0x12);
    bytes[9] = char(0x34);
    bytes[14] = char(0x55);                // not split: forced to 0
    CMemoryChannel c = fromRaw(bytes);
    c.SetRxFrequencyHz(c.GetRxFrequency());
    c.SetTxFrequencyHz(c.GetTxFrequency());
    c.Encode();

    QByteArray expected = bytes;
    expected[0] = char(0x85 | 0x38);  // bit 6 = NOT tag on
    expected[4] = char(0x81);
    expected[5] = char(0xC3 | 0x28);  // bits 3-5 take the TX mode, which follows the mode
    expected[6] = char(0x08);
    expected[7] = char(0x00);
    expected[14] = char(0x00);
    EXPECT_EQ(c.GetRawBytes().toHex(' '), expected.toHex(' '));
    EXPECT_EQ(c.GetRxFrequency(), 145725000u) << "Encode decodes again: members back in Hz";

    // Tag off sets bit 6; a split record recomputes byte 5 bit 0 from the
    // ranges of its frequencies (HF and 6 m here).
    CMemoryChannel s = fromRaw(hex(kSplit));
    s.SetTagOn(false);
    s.SetRxFrequencyHz(14195000);
    s.SetTxFrequencyHz(50100000);
    s.Encode();
    EXPECT_EQ(s.GetRawByte(0), 0x41);
    EXPECT_EQ(s.GetRawByte(5), 0x0D);
    EXPECT_EQ(s.GetWord32(14), 5010000u);
    s.SetRxFrequencyHz(50100000);
    s.SetTxFrequencyHz(14195000);
    s.Encode();
    EXPECT_EQ(s.GetRawByte(5), 0x0C);
}

TEST(MemoryRecord, EncodeCutsEachCodeToItsField)
{
    CMemoryChannel c = fromRaw(hex(kRepeater));
    c.SetRxFrequencyHz(145725000);
    c.SetMode(0x0D);       // 3 bits: 5
    c.SetShift(5);         // 2 bits: 1
    c.SetToneMode(6);      // 2 bits: 2
    c.SetSsbStep(7);       // 2 bits: 3
    c.Encode();
    EXPECT_EQ(c.GetRawByte(0), 0x85) << "bit 3 of byte 0 is the radio's";
    EXPECT_EQ(c.GetRawByte(1), 0x44);
    EXPECT_EQ(c.GetRawByte(4), 0x82);
    EXPECT_EQ(c.GetRawByte(3) & 0xC0, 0xC0);
}

TEST(MemoryRecord, EncodeBuildsARecordFromNothing)
{
    CRadioMemoryList list;
    list.ResetChannel(0);
    const CMemoryChannel& c = *list.GetChannel(0);
    EXPECT_EQ(c.GetRawBytes().toHex(' '),
              hex("80 00 00 4B 80 00 00 00 00 00 00 0A AE 60 00 00 00 00 3C 6E 65 77 3E 20 20 20").toHex(' '));
    EXPECT_TRUE(c.IsUsed());
    EXPECT_TRUE(c.HasFrequency());
    EXPECT_TRUE(c.IsTagOn()) << "the radio shows the label";
    EXPECT_EQ(c.GetRxFrequencyText(), "7.000.000");
    EXPECT_EQ(c.GetModeText(), "LSB");
    EXPECT_EQ(c.GetRxFrequency(), 7000000u);
    EXPECT_EQ(c.GetTxFrequency(), 0u) << "not split: bytes 14-17 hold the offset";
    EXPECT_EQ(c.GetTag(), "<new>   ");
}

TEST(MemoryRecord, RawTextFormAndComparisons)
{
    CMemoryChannel c;
    c.SetRawFromText("001002300");
    EXPECT_EQ(c.GetRawBytes().left(4).toHex(' '), "01 02 2c 00") << "300 is cut to 8 bits; the rest stays 0";
    EXPECT_TRUE(c.IsUsed());
    EXPECT_TRUE(c.HasFrequency()) << "RX 00 00 00 00 is a frequency";
    EXPECT_EQ(c.GetRawText().size(), 78);
    EXPECT_TRUE(c.GetRawText().startsWith("001002044000"));

    const CMemoryChannel a = fromRaw(hex(kRepeater));
    CMemoryChannel b = fromRaw(hex(kRepeater));
    EXPECT_TRUE(a.IsSameRaw(b));
    b.SetEmpty(false);
    EXPECT_FALSE(a.IsSameRaw(b)) << "a disabled and an enabled channel are not the same";
    b.SetEmpty(true);
    b.SetRawByte(25, 0x21);
    EXPECT_FALSE(a.IsSameRaw(b));

    // A record without bytes is written as an empty channel.
    CMemoryChannel erased;
    EXPECT_EQ(erased.GetRawText(), QString("255").repeated(26));
}

TEST(MemoryRecord, CopiesTakeTheBytesNotTheNames)
{
    CMemoryChannel source = fromRaw(hex(kSplit));
    source.SetModified(true);
    source.SetEmpty(false);
    source.SetTitle("title");

    CMemoryChannel copy;
    copy.SetFolder("kept");
    copy.CopyFrom(source);
    EXPECT_TRUE(copy.IsSameRaw(source));
    EXPECT_TRUE(copy.IsModified());
    EXPECT_FALSE(copy.IsUsed());
    EXPECT_EQ(copy.GetTxFrequency(), 14225000u);
    EXPECT_EQ(copy.GetTitle(), "");
    EXPECT_EQ(copy.GetFolder(), "kept");

    // An erased record copies as an empty channel, not as 0 Hz of zeros.
    CMemoryChannel erased;
    erased.SetEmpty(false);
    copy.CopyFrom(erased);
    EXPECT_FALSE(copy.HasFrequency());
    EXPECT_EQ(copy.GetRawBytes(), QByteArray(26, char(0xFF)));

    copy.CopyFrom(copy);  // itself: no change
    EXPECT_EQ(copy.GetRawBytes(), QByteArray(26, char(0xFF)));
}

TEST(MemoryRecord, ClearKeepsTheNamesOfAFavourite)
{
    CMemoryChannel c = fromRaw(hex(kRepeater));
    c.SetFolder("Repeaters");
    c.SetTitle("R7");
    c.SetRepeaterSettings("1,600000,8,0,1,1");
    c.SetModified(true);
    c.Clear();
    EXPECT_FALSE(c.HasRawBytes());
    EXPECT_FALSE(c.HasFrequency());
    EXPECT_FALSE(c.IsModified());
    EXPECT_TRUE(c.IsUsed());
    EXPECT_EQ(c.GetTag(), "");
    EXPECT_EQ(c.GetRxFrequency(), 0u);
    EXPECT_EQ(c.GetFolder(), "Repeaters");
    EXPECT_EQ(c.GetTitle(), "R7");
    EXPECT_EQ(c.GetRepeaterSettings(), "1,600000,8,0,1,1");

    // Without a radio no snapshot of the VFO is taken.
    c.InitVfo(14070000, 0x81, "x");
    EXPECT_EQ(c.GetRxFrequency(), 0u);
    EXPECT_EQ(c.GetKind(), CMemoryChannel::KIND_IMAGE);
}

TEST(MemoryRecord, ChannelNamesAndGeometry)
{
    const struct {
        int channel;
        const char* name;
    } names[] = {{0, "A-001"}, {19, "A-020"}, {20, "B-021"}, {199, "J-200"}, {200, "M-PL"}, {201, "M-PU"}};
    for (const auto& n : names)
        EXPECT_EQ(CRadioMemoryList::ChannelName(n.channel), n.name);

    EXPECT_EQ(MemoryGeometry::ChannelAddress(0), 0x484u);
    EXPECT_EQ(MemoryGeometry::ChannelAddress(201) + 25, 0x1907u);
    EXPECT_EQ(MemoryGeometry::UsedByteAddress(201), 0x469u);
    EXPECT_EQ(MemoryGeometry::UsedBit(201), 1);
    EXPECT_EQ(MemoryGeometry::VfoRecordAddress(true, 0), 0x7Du);
    EXPECT_EQ(MemoryGeometry::VfoRecordAddress(false, 0), 0x203u);
    EXPECT_EQ(MemoryGeometry::VfoRecordAddress(false, 14), 0x36Fu);
}

TEST(MemoryRecord, FindChannelByFrequencyAndMode)
{
    CRadioMemoryList list;
    auto place = [&](int n, const char* bytes) {
        CMemoryChannel& c = *list.GetChannel(n);
        c = fromRaw(hex(bytes));
    };
    place(3, kRepeater);
    place(6, kSplit);

    // Receiving: RX frequency and mode; the narrow bit of the CAT mode does not count.
    EXPECT_EQ(list.FindChannel(true, 145725000, 0x08, 0), 3);
    EXPECT_EQ(list.FindChannel(true, 145725000, 0x88, 0), 3);
    EXPECT_EQ(list.FindChannel(true, 145725000, 0x01, 17), 17) << "no match: the current index";
    // Transmitting: the repeater's input (RX minus the offset), the split's TX.
    EXPECT_EQ(list.FindChannel(false, 145125000, 0x08, 0), 3);
    EXPECT_EQ(list.FindChannel(false, 14225000, 0x01, 0), 6);
    EXPECT_EQ(list.FindChannel(false, 145725000, 0x08, 42), 42);

    place(9, kRepeater);
    EXPECT_EQ(list.FindChannel(true, 145725000, 0x08, 9), 9) << "several: the current one";
    EXPECT_EQ(list.FindChannel(true, 145725000, 0x08, 5), CRadioMemoryList::kNoMatch);
}

TEST(MemoryRecord, UpdateFromThePollTakesTheSixRecordBytes)
{
    CRadioMemoryList list;
    *list.GetChannel(3) = fromRaw(hex(kRepeater));
    const uint8_t bytes[6] = {0x01, 0x02, 0x03, 0x04, 0x06, 0x07};
    list.UpdateFromRecordBytes(3, bytes);
    EXPECT_EQ(list.GetChannel(3)->GetRawBytes().left(8).toHex(' '), "85 01 02 03 04 00 06 07");
    EXPECT_EQ(list.GetChannel(3)->GetShift(), 1) << "nothing is decoded";
    list.UpdateFromRecordBytes(-1, bytes);
    list.UpdateFromRecordBytes(202, bytes);
    list.UpdateFromRecordBytes(4, bytes);
    EXPECT_FALSE(list.GetChannel(4)->HasRawBytes());
}

TEST(MemoryRecord, WritePlanNamesTheChangedPairs)
{
    const QByteArray radio = hex(kRepeater);
    QByteArray wanted = radio;
    EXPECT_TRUE(CMemoryWritePlan::ChangedPairs(wanted, radio).isEmpty());
    wanted[1] = 0;
    wanted[19] = 'X';
    wanted[25] = 'Y';
    EXPECT_EQ(CMemoryWritePlan::ChangedPairs(wanted, radio), QList<uint32_t>({0, 18, 24}));
    EXPECT_EQ(CMemoryWritePlan::ChangedPairs(wanted, radio.left(20)), QList<uint32_t>({0, 18, 20, 22, 24}));

    CMemoryChannel erased;
    EXPECT_EQ(CMemoryWritePlan::WantedBytes(erased), QByteArray(26, char(0xFF)));
    EXPECT_EQ(CMemoryWritePlan::WantedBytes(fromRaw(radio)), radio);
}
