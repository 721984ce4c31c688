#include "brevio/core/TxMeterStatic.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {
QImage Render(QWidget& w)
{
    QImage image(w.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    w.render(&image);
    return image;
}
COLORREF Pixel(const QImage& image, const QPoint& p) { return fromQColor(QColor(image.pixel(p))); }
constexpr COLORREF kUnlit = RGB(32, 32, 32);
} // namespace

TEST(TxMeterStatic, PeakHoldKeepsTheHigherReadingUntilTheHoldEnds)
{
    CTxMeterStatic meter;
    meter.SetValue(0x3F, true);
    EXPECT_EQ(meter.GetShownAlc(), 15u);
    EXPECT_EQ(meter.GetShownPower(), 3u);
    EXPECT_TRUE(meter.IsHoldTimerActive(100));
    EXPECT_TRUE(meter.IsHoldTimerActive(101));

    // Within the hold the lower power reading is held back.
    meter.SetValue(0x2F, true);
    EXPECT_EQ(meter.GetShownAlc(), 15u);
    EXPECT_EQ(meter.GetShownPower(), 3u);

    meter.OnTimer(100);
    meter.OnTimer(101);
    EXPECT_FALSE(meter.IsAlcHeld());
    EXPECT_FALSE(meter.IsPowerHeld());
    EXPECT_FALSE(meter.IsHoldTimerActive(100));
    // After the holds a lower reading replaces the peak and starts no new hold.
    meter.SetValue(0x01, true);
    EXPECT_EQ(meter.GetShownAlc(), 1u);
    EXPECT_EQ(meter.GetShownPower(), 0u);
    EXPECT_FALSE(meter.IsAlcHeld());
    EXPECT_FALSE(meter.IsPowerHeld());
    EXPECT_EQ(meter.GetRawValue(), 0x01u);
}

TEST(TxMeterStatic, LeavingTransmitClearsPeaksAndShowsTheReceiveLayout)
{
    CTxMeterStatic meter;
    meter.resize(150, 20);
    meter.SetValue(0xFF, true);
    EXPECT_TRUE(meter.IsTransmitLayout());
    meter.SetValue(7, false);
    EXPECT_FALSE(meter.IsTransmitLayout());
    EXPECT_EQ(meter.GetShownAlc(), 0u);
    EXPECT_EQ(meter.GetShownPower(), 0u);
    EXPECT_FALSE(meter.IsHoldTimerActive(100));
    EXPECT_FALSE(meter.IsHoldTimerActive(101));

    const QImage image = Render(meter);
    const auto segments = CTxMeterStatic::ReceiveSegments(150, 20);
    for (int k = 0; k < 15; ++k)
        EXPECT_EQ(Pixel(image, segments[size_t(k)].center()), k < 7 ? CTxMeterStatic::SegmentColour(k) : kUnlit) << k;
}

TEST(TxMeterStatic, ReceiveLayoutGeometryAndFullScale)
{
    // 150 x 20: margin 5, segments 8 wide with 1-pixel gaps, offset 8.
    const auto s = CTxMeterStatic::ReceiveSegments(150, 20);
    EXPECT_EQ(s[0], QRect(8, 13, 8, 2));   // the first eight step up a pixel each
    EXPECT_EQ(s[7], QRect(8 + 9 * 7, 6, 8, 9));
    EXPECT_EQ(s[8].top(), 5);
    EXPECT_EQ(s[14].left(), 8 + 9 * 14);

    CTxMeterStatic meter;
    meter.resize(150, 20);
    meter.SetValue(40, false);  // more than 15 lights all of them
    const QImage image = Render(meter);
    for (int k = 0; k < 15; ++k)
        EXPECT_EQ(Pixel(image, s[size_t(k)].center()), CTxMeterStatic::SegmentColour(k)) << k;
    EXPECT_EQ(Pixel(image, QPoint(1, 1)), RGB(0, 0, 0));
}

TEST(TxMeterStatic, TransmitLayoutLightsAlcAndPowerRows)
{
    const int w = 200, h = 40, label = 20, text = 12;
    const auto alc = CTxMeterStatic::AlcSegments(w, h, label, text);
    const auto pwr = CTxMeterStatic::PowerSegments(w, h, label, text);
    // B = 178: segments 9 wide, offset 9.
    EXPECT_EQ(alc[0], QRect(29, 4, 9, 8));
    EXPECT_EQ(pwr[15], QRect(29 + 10 * 15, 28, 9, 8));

    CTxMeterStatic meter;
    meter.resize(w, h);
    meter.SetValue(0x52, true);  // ALC 2, power 5
    const QImage image = Render(meter);
    // Find the rows by colour: two lit ALC segments in red, five lit power segments.
    int redCount = 0;
    int litPower = 0;
    for (int x = 0; x < w; ++x) {
        for (int y = 0; y < h; ++y) {
            const COLORREF c = Pixel(image, QPoint(x, y));
            if (c == CTxMeterStatic::kAlcColour)
                ++redCount;
            if (c == CTxMeterStatic::SegmentColour(0) || c == CTxMeterStatic::SegmentColour(4))
                ++litPower;
        }
    }
    EXPECT_GT(redCount, 0);
    EXPECT_GT(litPower, 0);
}

TEST(TxMeterStatic, BackBufferFollowsResizes)
{
    CTxMeterStatic meter;
    meter.resize(60, 16);
    meter.SetValue(15, false);
    Render(meter);
    meter.resize(150, 20);
    const QImage image = Render(meter);
    const auto s = CTxMeterStatic::ReceiveSegments(150, 20);
    // The segment beyond the old width is drawn, not left over from nothing.
    EXPECT_EQ(Pixel(image, s[14].center()), CTxMeterStatic::SegmentColour(14));
    EXPECT_EQ(Pixel(image, QPoint(149, 19)), RGB(0, 0, 0));
}
