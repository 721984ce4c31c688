#include "corvane/core/FieldDecoders.h"
#include "corvane/core/FrequencyText.h"

#include <gtest/gtest.h>

TEST(FieldDecoders, ModeNames)
{
    struct Case {
        uint8_t value;
        const char* text;
        uint8_t cat;
    };
    for (const Case& c : {Case{0x00, "LSB", 0x00}, Case{0x01, "USB", 0x01}, Case{0x02, "CW", 0x02},
                          Case{0x03, "CWR", 0x03}, Case{0x04, "AM", 0x04}, Case{0x05, "FM", 0x08},
                          Case{0x06, "DIG", 0x0A}, Case{0x07, "PKT", 0x0C}, Case{0x85, "FM-N", 0x08},
                          Case{0x7A, "CW", 0x02}, Case{0x81, "USB-N", 0x01}}) {
        EepromModeText m(c.value);
        EXPECT_EQ(m.GetText(), QLatin1String(c.text)) << int(c.value);
        EXPECT_EQ(m.GetCatCode(), c.cat) << int(c.value);
    }

    struct CatCase {
        uint8_t value;
        const char* plain;
        const char* suffixed;
    };
    for (const CatCase& c : {CatCase{0x00, "LSB", "LSB"}, CatCase{0x04, "AM", "AM"}, CatCase{0x06, "WFM", "WFM"},
                             CatCase{0x08, "FM", "FM"}, CatCase{0x0A, "DIG", "DIG"}, CatCase{0x0C, "PKT", "PKT"},
                             CatCase{0x88, "FM-N", "FM (N)"}, CatCase{0x82, "CW-N", "CW (N)"},
                             CatCase{0x05, "? 05", "? 05"}, CatCase{0x0F, "? 0F", "? 0F"}, CatCase{0x8B, "? 8B-N", "? 8B (N)"}}) {
        EXPECT_EQ(CatModeName(c.value, QString()).GetText(), QLatin1String(c.plain)) << int(c.value);
        EXPECT_EQ(CatModeNameEx(c.value).GetText(), QLatin1String(c.plain)) << int(c.value);
        EXPECT_EQ(CatModeName(c.value, QStringLiteral("(N)")).GetText(), QLatin1String(c.suffixed)) << int(c.value);
    }
}

TEST(FieldDecoders, Steps)
{
    EXPECT_EQ(FmStepName(7).GetText(), QStringLiteral("50 KHz"));
    EXPECT_EQ(FmStepName(7).GetHz(), 50000u);
    EXPECT_EQ(FmStepName(1).GetText(), QStringLiteral("6.25 KHz"));
    EXPECT_EQ(FmStepName(8).GetText(), QStringLiteral("? 000"));
    EXPECT_EQ(FmStepName(8).GetHz(), 0u);
    EXPECT_EQ(AmStepName(2).GetText(), QStringLiteral("9 KHz"));
    EXPECT_EQ(AmStepName(2).GetHz(), 9000u);
    EXPECT_EQ(AmStepName(6).GetText(), QStringLiteral("? 011"));
    EXPECT_EQ(AmStepName(7).GetText(), QStringLiteral("? 111"));
    EXPECT_EQ(SsbStepName(0).GetText(), QStringLiteral("1 KHz"));
    EXPECT_EQ(SsbStepName(3).GetText(), QStringLiteral("? 11"));
    EXPECT_EQ(SsbStepName(3).GetHz(), 0u);

    QStringList texts{QStringLiteral("old")};
    QList<uint32_t> codes{99};
    FillAmSteps(texts, codes);
    EXPECT_EQ(texts, (QStringList{"2.5 KHz", "5 KHz", "9 KHz", "10 KHz", "12.5 KHz", "25 KHz"}));
    EXPECT_EQ(codes, (QList<uint32_t>{0, 1, 2, 3, 4, 5}));
    FillFmSteps(texts, codes);
    EXPECT_EQ(texts.size(), 8);
    EXPECT_EQ(texts.last(), QStringLiteral("50 KHz"));
    EXPECT_EQ(codes.last(), 7u);
    FillSsbSteps(texts, codes);
    EXPECT_EQ(texts, (QStringList{"1 KHz", "2.5 KHz", "5 KHz"}));
    EXPECT_EQ(codes, (QList<uint32_t>{0, 1, 2}));
}

TEST(FieldDecoders, RecordFieldTexts)
{
    EXPECT_EQ(RepeaterShiftName(0).GetName(), QStringLiteral("Simplex"));
    EXPECT_EQ(RepeaterShiftName(0).GetSymbol(), QStringLiteral("S"));
    EXPECT_EQ(RepeaterShiftName(1).GetSymbol(), QStringLiteral("-"));
    EXPECT_EQ(RepeaterShiftName(2).GetName(), QStringLiteral("Plus"));
    EXPECT_EQ(RepeaterShiftName(3).GetSymbol(), QStringLiteral("#"));
    EXPECT_EQ(RepeaterShiftName(4).GetName(), QStringLiteral("? 4"));
    EXPECT_EQ(RepeaterShiftName(4).GetSymbol(), QStringLiteral("? 4"));

    struct Offset {
        uint32_t value;
        const char* text;
    };
    for (const Offset& c : {Offset{0xFFFFFF, "not set"}, Offset{0, "0 Hz"}, Offset{60, "600 Hz"}, Offset{99, "990 Hz"},
                            Offset{100, "1 KHz"}, Offset{160, "1.6 KHz"}, Offset{60000, "600 KHz"},
                            Offset{100000, "1 MHz"}, Offset{760000, "7.6 MHz"}, Offset{123456, "1.23456 MHz"},
                            Offset{99999, "999.99 KHz"}, Offset{0xFFFFFE, "167.77214 MHz"}}) {
        EXPECT_EQ(OffsetText(c.value).GetText(), QLatin1String(c.text)) << c.value;
    }

    EXPECT_EQ(ToneModeName(0).GetText(), QStringLiteral("Off"));
    EXPECT_EQ(ToneModeName(1).GetText(), QStringLiteral("Tone (tx)"));
    EXPECT_EQ(ToneModeName(2).GetText(), QStringLiteral("Tone + squelch"));
    EXPECT_EQ(ToneModeName(3).GetText(), QStringLiteral("DCS"));
    EXPECT_EQ(ToneModeName(9).GetText(), QStringLiteral("? 9"));
    EXPECT_EQ(ByteText(200).GetText(), QStringLiteral("200"));
    EXPECT_EQ(FrequencyRangeName(2).GetText(), QStringLiteral("FM Broadcast"));
    EXPECT_EQ(FrequencyRangeName(5).GetText(), QStringLiteral("70cm"));
    EXPECT_EQ(FrequencyRangeName(6).GetText(), QStringLiteral("? 6"));
    EXPECT_EQ(SkipName(0).GetText(), QStringLiteral("Active"));
    EXPECT_EQ(SkipName(1).GetText(), QStringLiteral("Skip"));
    EXPECT_EQ(SkipName(2).GetText(), QStringLiteral("? 2"));
    EXPECT_EQ(BandRecordName(0).GetText(), QStringLiteral("160m"));
    EXPECT_EQ(BandRecordName(1).GetText(), QStringLiteral("75m"));
    EXPECT_EQ(BandRecordName(10).GetText(), QStringLiteral("FM broadcast"));
    EXPECT_EQ(BandRecordName(13).GetText(), QStringLiteral("70cms"));
    EXPECT_EQ(BandRecordName(14).GetText(), QStringLiteral("Other"));
    EXPECT_EQ(BandRecordName(200).GetText(), QStringLiteral("Other"));
}

TEST(FieldDecoders, FrequencyText)
{
    struct Case {
        uint32_t hz;
        const char* text;
    };
    for (const Case& c : {Case{0, ""}, Case{999, ""}, Case{1000, "1.000"}, Case{50000, "50.000"},
                          Case{999999, "999.999"}, Case{1000000, "1.000.000"}, Case{7030000, "7.030.000"},
                          Case{145500000, "145.500.000"}, Case{0xFFFFFFFFu, "not set"},
                          Case{4294967294u, "4294.967.294"}}) {
        CFrequencyText t(c.hz, CFrequencyText::FORM_HZ);
        EXPECT_EQ(t.GetText(), QLatin1String(c.text)) << c.hz;
        EXPECT_EQ(t.GetFrequency(), c.hz);
        EXPECT_EQ(CFrequencyText::Format(c.hz), QLatin1String(c.text));
    }
    // CAT bytes 01 45 50 00, first byte in the lowest bits.
    CFrequencyText cat(0x00504501u, CFrequencyText::FORM_CAT_BYTES);
    EXPECT_EQ(cat.GetFrequency(), 14550000u);
    EXPECT_EQ(cat.GetText(), QStringLiteral("14.550.000"));
    EXPECT_EQ(CFrequencyText(0x67250143u, CFrequencyText::FORM_CAT_BYTES).GetFrequency(), 430125670u);
    // A nibble that is not a digit ends the number.
    EXPECT_EQ(CFrequencyText(0x0000A014u, CFrequencyText::FORM_CAT_BYTES).GetFrequency(), 140u);
    EXPECT_EQ(CFrequencyText(0xFFFFFFFFu, CFrequencyText::FORM_CAT_BYTES).GetFrequency(), 0u);
}
