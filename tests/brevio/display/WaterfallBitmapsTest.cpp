#include "brevio/display/BinMap.h"
#include "brevio/display/DisplayTraces.h"
#include "brevio/display/WaterfallBitmaps.h"

#include <gtest/gtest.h>
#include <vector>

namespace {
CWaterfallBitmaps::Palette GreyRamp()
{
    std::vector<COLORREF> colours(256);
    for (int i = 0; i < 256; ++i)
        colours[size_t(i)] = RGB(i, 255 - i, i / 2);
    return CWaterfallBitmaps::MakePalette(colours.data());
}
} // namespace

TEST(WaterfallBitmaps, VerticalFramesScrollRightWithTheHighestFrequencyOnTop)
{
    const auto palette = GreyRamp();
    CWaterfallBitmaps bitmaps;
    bitmaps.Create(4, 3);
    EXPECT_EQ(bitmaps.GetShown(), nullptr);
    CBinMap map;
    map.Build(0, 3, 4);  // four rows; the fourth falls below the bitmap
    std::vector<int> buffer(2058, 0);

    for (int frame = 0; frame < 3; ++frame) {
        for (int i = 0; i < map.size(); ++i)
            buffer[map[i]] = 0;
        buffer[map[3]] = 10 * (frame + 1);  // highest frequency: the top row
        QImage& t = bitmaps.BeginFrame(true, RGB(0, 0, 0));
        bitmaps.DrawLine(true, buffer.data(), map, palette);
        (void)t;
        bitmaps.EndFrame(QRect());
    }
    const QImage* shown = bitmaps.GetShown();
    ASSERT_NE(shown, nullptr);
    // Newest on the left; the cleared picture shows black where no frame has been.
    EXPECT_EQ(shown->pixel(0, 0), palette[30]);
    EXPECT_EQ(shown->pixel(1, 0), palette[20]);
    EXPECT_EQ(shown->pixel(2, 0), palette[10]);
    EXPECT_EQ(shown->pixel(3, 0), qRgb(0, 0, 0));
}

TEST(WaterfallBitmaps, HorizontalFramesScrollDownAndValuesAreCapped)
{
    const auto palette = GreyRamp();
    CWaterfallBitmaps bitmaps;
    bitmaps.Create(3, 3);
    CBinMap map;
    map.Build(0, 12, 4);
    std::vector<int> buffer(2058, 0);
    buffer[map[0]] = 999;   // above 255: the strongest entry
    buffer[map[1]] = -40;   // below 0: the weakest
    buffer[map[2]] = 128;
    bitmaps.BeginFrame(false, RGB(10, 10, 10));
    bitmaps.DrawLine(false, buffer.data(), map, palette);
    bitmaps.EndFrame(QRect());
    buffer[map[0]] = 1;
    bitmaps.BeginFrame(false, RGB(10, 10, 10));
    bitmaps.DrawLine(false, buffer.data(), map, palette);
    bitmaps.EndFrame(QRect());

    const QImage* shown = bitmaps.GetShown();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->pixel(0, 0), palette[1]);
    EXPECT_EQ(shown->pixel(0, 1), palette[255]);
    EXPECT_EQ(shown->pixel(1, 1), palette[0]);
    EXPECT_EQ(shown->pixel(2, 1), palette[128]);
    // A background that is not black clears to white.
    EXPECT_EQ(shown->pixel(0, 2), qRgb(255, 255, 255));
}

TEST(WaterfallBitmaps, StripDoesNotScrollIntoTheHistoryAndClearStartsEmpty)
{
    const auto palette = GreyRamp();
    CWaterfallBitmaps bitmaps;
    bitmaps.Create(6, 2);
    CBinMap map;
    map.Build(0, 8, 3);
    std::vector<int> buffer(2058, 200);
    const QRect strip = CDisplayTraces::StripRect(true, 6, 2, 50);  // right half
    EXPECT_EQ(strip, QRect(3, 0, 3, 2));
    for (int frame = 0; frame < 4; ++frame) {
        QImage& t = bitmaps.BeginFrame(true, 0);
        bitmaps.DrawLine(true, buffer.data(), map, palette);
        for (int x = strip.left(); x < 6; ++x)
            t.setPixel(x, 0, qRgb(0, 255, 0));  // stands for the trace
        bitmaps.EndFrame(strip);
    }
    const QImage* shown = bitmaps.GetShown();
    // The shown picture has its strip; the history left of it is waterfall.
    EXPECT_EQ(shown->pixel(4, 0), qRgb(0, 255, 0));
    EXPECT_EQ(shown->pixel(2, 0), palette[200]);
    // The next frame moves on a blacked-out strip, not the old trace.
    QImage& t = bitmaps.BeginFrame(true, 0);
    EXPECT_EQ(t.pixel(4, 0), qRgb(0, 0, 0));
    EXPECT_EQ(t.pixel(3, 0), palette[200]);
    bitmaps.EndFrame(QRect());

    bitmaps.RequestClear();
    QImage& cleared = bitmaps.BeginFrame(true, 0);
    EXPECT_EQ(cleared.pixel(3, 0), qRgb(0, 0, 0));
    bitmaps.EndFrame(QRect());

    bitmaps.Create(0, 5);
    EXPECT_FALSE(bitmaps.IsValid());
    EXPECT_TRUE(bitmaps.BeginFrame(true, 0).isNull());
    bitmaps.DrawLine(true, buffer.data(), map, palette);  // nothing to draw into, no crash
}

TEST(DisplayTraces, StripAndSpectrumTraces)
{
    std::vector<int> buffer(2058, 0);
    for (int b = 25; b <= 29; ++b)
        buffer[size_t(b)] = (b - 25) * 10;
    // Vertical strip over the right 40 % of a 100 x 40 waterfall.
    const QRect strip = CDisplayTraces::StripRect(true, 100, 40, 40);
    EXPECT_EQ(strip, QRect(60, 0, 40, 40));
    QPolygon p = CDisplayTraces::StripTrace(true, buffer.data(), 25, 29, strip, 100, 40);
    ASSERT_EQ(p.size(), 6);
    EXPECT_EQ(p[0], QPoint(100, 40));
    EXPECT_EQ(p[1], QPoint(100, 40));
    EXPECT_EQ(p[5], QPoint(60, 0));
    EXPECT_EQ(p[3], QPoint(80, 20));

    const QRect hstrip = CDisplayTraces::StripRect(false, 100, 40, 25);
    EXPECT_EQ(hstrip, QRect(0, 30, 100, 10));
    buffer[29] = 50;  // above the strip's size: held at its edge
    p = CDisplayTraces::StripTrace(false, buffer.data(), 25, 29, hstrip, 100, 40);
    EXPECT_EQ(p[0], QPoint(0, 40));
    EXPECT_EQ(p[5], QPoint(100, 30));

    // Spectrum only: up to but not including the last bin, values not clamped.
    p = CDisplayTraces::SpectrumTrace(false, buffer.data(), 25, 29, 100, 40);
    ASSERT_EQ(p.size(), 5);
    EXPECT_EQ(p[4], QPoint(75, 10));
    p = CDisplayTraces::SpectrumTrace(true, buffer.data(), 25, 29, 100, 40);
    EXPECT_EQ(p[0], QPoint(100, 40));
    EXPECT_EQ(p[2], QPoint(90, 30));

    // A range inside one bin divides by nothing.
    p = CDisplayTraces::StripTrace(true, buffer.data(), 25, 25, strip, 100, 40);
    EXPECT_EQ(p.size(), 2);
    p = CDisplayTraces::SpectrumTrace(true, buffer.data(), 25, 25, 100, 40);
    EXPECT_EQ(p.size(), 1);

    const auto grid = CDisplayTraces::StripGrid(true, strip);
    ASSERT_EQ(grid.size(), 9u);
    EXPECT_EQ(grid[0], QLine(64, 0, 64, 40));
    EXPECT_EQ(CDisplayTraces::PlotGrid(false, 100, 40)[4], QLine(0, 20, 100, 20));
}

TEST(DisplayTraces, RawTraceDrawsOnlyTheSamplesItHas)
{
    std::vector<int> samples(2058, 0);
    samples[0] = 32767;
    samples[1] = -32767;
    QPolygon p = CDisplayTraces::RawTrace(false, samples.data(), 3, 100, 40);
    ASSERT_EQ(p.size(), 4);  // the start and three samples, not a point per pixel
    EXPECT_EQ(p[0], QPoint(0, 20));
    EXPECT_EQ(p[1], QPoint(0, 40));   // positive samples below the middle
    EXPECT_EQ(p[2], QPoint(1, 0));
    p = CDisplayTraces::RawTrace(true, samples.data(), 2058, 100, 40);
    ASSERT_EQ(p.size(), 41);
    EXPECT_EQ(p[1], QPoint(100, 0));
    EXPECT_EQ(p[2], QPoint(0, 1));
}
