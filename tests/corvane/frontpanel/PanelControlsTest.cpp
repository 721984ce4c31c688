#include "corvane/core/Settings.h"
#include "corvane/frontpanel/IndicatorStatic.h"
#include "corvane/frontpanel/MeterStatic.h"
#include "corvane/frontpanel/VfoStatic.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {
struct SettingsGuard {
    CSettings saved = GetSettings();
    ~SettingsGuard() { GetSettings() = saved; }
};

int countColour(const QImage& image, COLORREF colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += fromQColor(image.pixelColor(x, y)) == colour;
    return n;
}
} // namespace

TEST(VfoStatic, ShowsTheOtherVfoFromTheBandRecordBytes)
{
    CVfoStatic vfo;
    const uint8_t f[4] = {0x00, 0x15, 0xBE, 0x68};  // 1 425 000 tens of Hz
    vfo.SetValues(0, f, 0x01);
    EXPECT_EQ(vfo.GetFrequency(), 14250000u);
    EXPECT_EQ(vfo.LabelText(), "VFOa");
    EXPECT_EQ(vfo.FrequencyText(), " 14.250.00");
    EXPECT_EQ(vfo.ModeText(), "USB");
    vfo.SetOtherVfo(true, f, 0x01);
    EXPECT_EQ(vfo.LabelText(), "VFOb");

    EXPECT_EQ(CVfoStatic::FormatFrequency(0), "   .   .  ");
    EXPECT_EQ(CVfoStatic::FormatFrequency(430000000), "430.000.00");
    EXPECT_EQ(CVfoStatic::FormatFrequency(1800000), "  1.800.00");

    // Repaints only on a change.
    const int before = vfo.GetInvalidationCount();
    vfo.SetOtherVfo(true, f, 0x01);
    EXPECT_EQ(vfo.GetInvalidationCount(), before);
    vfo.SetOtherVfo(true, f, 0x81);
    EXPECT_EQ(vfo.GetInvalidationCount(), before + 1);

    vfo.resize(200, 24);
    QSignalSpy spy(&vfo, &CVfoStatic::enterFrequencyRequested);
    vfo.show();
    QTest::mouseDClick(&vfo, Qt::LeftButton);
    ASSERT_EQ(spy.size(), 1);
    EXPECT_EQ(spy[0][0].toUInt(), 14250000u);
    // It paints in the frequency colours.
    const QImage image = vfo.grab().toImage();
    EXPECT_EQ(fromQColor(image.pixelColor(1, 1)), GetSettings().m_colFreqBackground);
}

TEST(MeterStatic, ColouredSegmentsFillTheWidthAndCapAtTheMaximum)
{
    SettingsGuard guard;
    for (int i = 0; i < 9; ++i)
        GetSettings().m_colTxMeter[i] = RGB(10 + i, 200, 30);
    CMeterStatic meter;
    meter.resize(100, 20);
    meter.SetRange(0, 9);
    for (int value : {9, 12}) {
        meter.SetValue(value);
        QImage image(100, 20, QImage::Format_RGB32);
        meter.Draw(image, false);
        EXPECT_EQ(countColour(image, GetSettings().m_colTxMeter[8]), (CMeterStatic::SegmentRect(16, 100, 20).width() *
                                                                       CMeterStatic::SegmentRect(16, 100, 20).height() +
                                                                   CMeterStatic::SegmentRect(17, 100, 20).width() *
                                                                       CMeterStatic::SegmentRect(17, 100, 20).height()))
            << value;
    }
    EXPECT_EQ(CMeterStatic::SegmentRect(17, 100, 20).right(), 99);
    EXPECT_EQ(CMeterStatic::SegmentRect(0, 100, 20).top(), 18);  // the first is 2 pixels high
    EXPECT_EQ(CMeterStatic::SegmentRect(1, 100, 20).top(), 17);
    EXPECT_EQ(CMeterStatic::SegmentRect(17, 100, 10).top(), 0);  // no taller than the control
    EXPECT_EQ(CMeterStatic::LitSegments(3, 9), 6);
    EXPECT_EQ(CMeterStatic::LitSegments(-4, 9), 0);

    // Only changes repaint.
    const int before = meter.GetInvalidationCount();
    meter.SetValue(12);
    EXPECT_EQ(meter.GetInvalidationCount(), before);
}

TEST(MeterStatic, SingleColourWedgeAndItsEdgeCases)
{
    SettingsGuard guard;
    CMeterStatic meter;
    meter.SetBackgroundColour(RGB(0, 0, 0));
    meter.SetForegroundColour(RGB(255, 255, 255));
    QImage image(90, 20, QImage::Format_RGB32);
    meter.SetRange(0, 9);
    meter.SetValue(0);
    meter.Draw(image, true);
    EXPECT_EQ(countColour(image, RGB(255, 255, 255)), 0);

    meter.SetValue(9);
    meter.Draw(image, true);
    const int full = countColour(image, RGB(255, 255, 255));
    EXPECT_GT(full, 0);
    // Cut into steps: the column just before each step boundary is background.
    EXPECT_EQ(fromQColor(image.pixelColor(9, 19)), RGB(0, 0, 0));
    EXPECT_EQ(fromQColor(image.pixelColor(5, 19)), RGB(255, 255, 255));

    meter.SetValue(40);  // held at the maximum
    meter.Draw(image, true);
    EXPECT_EQ(countColour(image, RGB(255, 255, 255)), full);
    meter.SetValue(-3);
    meter.Draw(image, true);
    EXPECT_EQ(countColour(image, RGB(255, 255, 255)), 0);

    // No range: background only, no division by zero.
    meter.SetRange(0, 0);
    meter.SetValue(5);
    meter.Draw(image, true);
    EXPECT_EQ(countColour(image, RGB(0, 0, 0)), 90 * 20);

    // Without its buffer the meter paints nothing of its own.
    meter.resize(90, 20);
    meter.SetRange(0, 9);
    meter.SetValue(9);
    meter.CreateBuffer();
    GetSettings().m_bTxMeterMono = 1;
    const QImage shown = meter.grab().toImage();
    EXPECT_EQ(countColour(shown, RGB(255, 255, 255)), full);
}

TEST(IndicatorStatic, DimTextIsOneFifthForeground)
{
    SettingsGuard guard;
    GetSettings().m_colDspBackground = RGB(0, 0, 100);
    GetSettings().m_colDspForeground = RGB(250, 200, 0);
    CIndicatorStatic lamp("NB");
    EXPECT_EQ(lamp.TextColour(), RGB(50, 40, 80));
    lamp.SetLit(true);
    EXPECT_EQ(lamp.TextColour(), RGB(250, 200, 0));
    EXPECT_EQ(lamp.BackgroundColour(), RGB(0, 0, 100));
    lamp.resize(40, 16);
    const QImage image = lamp.grab().toImage();
    EXPECT_EQ(fromQColor(image.pixelColor(0, 0)), RGB(0, 0, 100));
}
