#include "brevio/display/BinMap.h"
#include "brevio/display/DisplayScale.h"
#include "brevio/display/FrequencyLabel.h"

#include <gtest/gtest.h>

TEST(FrequencyLabel, ScaleRangeRoundsOutwardTo100Hz)
{
    struct Case {
        bool real;
        int64_t dial;
        int low, high;
        int64_t lo, hi;
    };
    const Case cases[] = {
        {false, 0, 150, 2950, 100, 3000},
        {false, 0, 100, 3000, 100, 3000},
        {true, 14070000, 100, 3000, 14070100, 14073000},
        {true, 0, 150, 2950, 100, 3000},           // no dial frequency: audio scale
        {false, 14070000, 150, 2950, 100, 3000},   // option off: audio scale
        {true, 7035150, 100, 3000, 7035200, 7038200},
    };
    for (const Case& c : cases) {
        CFrequencyLabel label(c.real, c.dial);
        int64_t lo = 0, hi = 0;
        label.GetScaleRange(c.low, c.high, lo, hi);
        EXPECT_EQ(lo, c.lo) << c.low << ".." << c.high << " dial " << c.dial;
        EXPECT_EQ(hi, c.hi);
    }
}

TEST(FrequencyLabel, Texts)
{
    CFrequencyLabel label(true, 14070000);
    EXPECT_EQ(label.FormatScale(9900), QStringLiteral("9900"));
    EXPECT_EQ(label.FormatScale(14070100), QStringLiteral("14.070.10"));
    EXPECT_EQ(label.FormatScale(14070000), QStringLiteral("14.070.00"));
    EXPECT_EQ(label.FormatScale(14070150), QStringLiteral("14.070.15"));
    EXPECT_EQ(label.FormatScale(14070155), QStringLiteral("14.070.155"));
    EXPECT_EQ(label.FormatScale(10000), QStringLiteral("10.00"));
    EXPECT_EQ(label.Format(1500), QStringLiteral("14.071.500"));
    CFrequencyLabel audio(false, 0);
    EXPECT_EQ(audio.Format(1500), QStringLiteral("1500"));
    EXPECT_EQ(audio.FormatScale(3000), QStringLiteral("3000"));
}

TEST(BinMap, RangeEndsAndRowMap)
{
    EXPECT_EQ(CBinMap::FrequencyToBin(100), 25);
    EXPECT_EQ(CBinMap::FrequencyToBin(3000), 768);
    EXPECT_EQ(CBinMap::FrequencyToBin(1001), 256);   // 256.256 truncated
    // A damaged range never points outside the 2058-entry buffer.
    EXPECT_EQ(CBinMap::FrequencyToBin(9000), 2057);
    EXPECT_EQ(CBinMap::FrequencyToBin(-400), 0);

    CBinMap map;
    map.Build(100, 3000, 0);
    EXPECT_EQ(map.size(), 0);
    map.Build(100, 3000, 291);
    ASSERT_EQ(map.size(), 291);
    EXPECT_EQ(map[0], 26u);     // (100.499999) x 0.256 + 0.499999 = 26.2 -> 26
    // Entry j: j x 2900 / 291 Hz above 100, rounded to Hz, then to a bin.
    for (int j : {1, 100, 290}) {
        const double f = j * 2900.0 / 291 + 100 + 0.499999;
        EXPECT_EQ(map[j], unsigned(f * 2048 / 8000 + 0.499999)) << j;
    }
    // Entries rise with the row and stay inside the buffer.
    for (int j = 1; j < map.size(); ++j)
        EXPECT_GE(map[j], map[j - 1]);
    map.Build(3000, 12000, 50);
    EXPECT_EQ(map[49], 2057u);
}

namespace {
CDisplayScale::Input Vertical(int w, int h)
{
    CDisplayScale::Input in;
    in.bVertical = true;
    in.nWidth = w;
    in.nHeight = h;
    in.nStrip = 14;
    in.cx = 28;
    in.cy = 13;
    in.nLo = 100;
    in.nHi = 3000;
    return in;
}
} // namespace

TEST(DisplayScale, VerticalLayoutTicksAndLabels)
{
    CFrequencyLabel label(false, 0);
    CDisplayScale scale;
    scale.Compute(Vertical(300, 400), label);
    EXPECT_EQ(scale.GetScaleLine(), 14 + 4 + 28 + 2 + 10);
    EXPECT_EQ(scale.GetPlotStart(), 7);   // cy / 2 + 1
    EXPECT_EQ(scale.GetPlotEnd(), 392);   // 400 - 1 - 7
    EXPECT_EQ(scale.GetPlotRect(), QRect(59, 7, 300 - 59, 392 - 7));
    EXPECT_EQ(scale.GetScaleRect(), QRect(0, 0, 58, 400));
    // 400 / 19 = 21 labels fit; (2899 / 100 + 20) / 21 = 2: every 200 Hz.
    EXPECT_EQ(scale.GetLabelStep(), 2);

    const auto& ticks = scale.GetTicks();
    ASSERT_EQ(ticks.size(), size_t((3000 - 100) / 50 + 1));
    EXPECT_EQ(ticks.front().nFrequency, 100);
    EXPECT_EQ(ticks.front().nPos, 392);       // lowest frequency at the bottom
    EXPECT_EQ(ticks.back().nPos, 7);          // highest at the top
    EXPECT_TRUE(ticks.front().bLabel);
    EXPECT_EQ(ticks.front().nLength, 10);
    EXPECT_EQ(ticks.front().strLabel, QStringLiteral("100"));
    EXPECT_EQ(ticks.front().rectLabel, QRect(0, 392 - 13, 14 + 4 + 28, 26));
    EXPECT_EQ(ticks[1].nLength, 4);           // 150 Hz
    EXPECT_FALSE(ticks[2].bLabel);            // 200 Hz: major, not labelled
    EXPECT_EQ(ticks[2].nLength, 8);
    EXPECT_TRUE(ticks[4].bLabel);             // 300 Hz
    EXPECT_EQ(ticks[4].nPos, 7 + int(int64_t(385) * (3000 - 300) / 2900));
}

TEST(DisplayScale, HorizontalLayout)
{
    CFrequencyLabel label(true, 14070000);
    CDisplayScale::Input in;
    in.nWidth = 1000;
    in.nHeight = 200;
    in.nStrip = 14;
    in.cx = 60;
    in.cy = 13;
    label.GetScaleRange(100, 3000, in.nLo, in.nHi);
    CDisplayScale scale;
    scale.Compute(in, label);
    EXPECT_FALSE(scale.IsVertical());
    EXPECT_EQ(scale.GetScaleLine(), 14 + 4 + 13 + 2 + 10);
    EXPECT_EQ(scale.GetPlotStart(), 31);
    EXPECT_EQ(scale.GetPlotEnd(), 968);
    EXPECT_EQ(scale.GetPlotRect(), QRect(31, 44, 968 - 31, 200 - 44));
    // 1000 / 90 = 11 labels; (2899 / 100 + 10) / 11 = 3.
    EXPECT_EQ(scale.GetLabelStep(), 3);
    const auto& ticks = scale.GetTicks();
    EXPECT_EQ(ticks.front().nPos, 31);
    EXPECT_EQ(ticks.back().nPos, 968);
    EXPECT_EQ(ticks.front().strLabel, QStringLiteral("14.070.10"));
    EXPECT_EQ(ticks.front().rectLabel, QRect(31 - 60, 0, 120, 14 + 4 + 13));
}

TEST(DisplayScale, TinyClientsStayWithinRange)
{
    CFrequencyLabel label(false, 0);
    CDisplayScale scale;
    CDisplayScale::Input in = Vertical(3, 5);
    in.cy = 0;
    scale.Compute(in, label);
    EXPECT_GE(scale.GetLabelStep(), 1);
    EXPECT_LE(scale.GetPlotRect().height(), 5);
}
