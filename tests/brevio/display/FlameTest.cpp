// The palette preview's flame, frame by frame, and the preview control.
#include "brevio/display/Flame.h"
#include "brevio/display/PalettePreview.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

int MaxHeat(const CFlame& flame)
{
    int most = 0;
    for (int y = 0; y < flame.Image().height(); ++y)
        for (int x = 0; x < flame.Image().width(); ++x)
            most = std::max(most, flame.Pixel(x, y));
    return most;
}

} // namespace

TEST(Flame, RandomStepsFollowTheirGenerator)
{
    CFlame::SetRandomSeed(945066897u);
    const uint32_t first = CFlame::NextRandom();
    EXPECT_EQ(first, uint32_t(945066897u * 1664525u + 1013904223u) >> 5);
    CFlame::SetRandomSeed(0);
    EXPECT_EQ(CFlame::NextRandom(), 1013904223u >> 5);
}

TEST(Flame, BurnsInTheMiddleAndRisesWithoutReachingTheEdges)
{
    CFlame flame;
    flame.SetRuntimeSeed(7);
    flame.Init(100, 60);
    EXPECT_EQ(flame.GetSize(), 50);
    flame.SetFlameHeight(200);
    for (int n = 0; n < 200; ++n)
        flame.Step();
    // The burning part is columns 25 .. 75; the fire row is cold outside it.
    for (int x = 0; x < 100; ++x) {
        if (x < 25 || x > 75)
            EXPECT_EQ(flame.FireRow()[size_t(x)], 0) << x;
        EXPECT_LE(flame.FireRow()[size_t(x)], 239);
    }
    EXPECT_GT(flame.Pixel(50, 0), 100);
    EXPECT_GT(flame.Pixel(50, 10), 0);  // it rose
    EXPECT_LE(MaxHeat(flame), 239);
    EXPECT_EQ(flame.Pixel(0, 5), 0);
    EXPECT_EQ(flame.Pixel(99, 5), 0);
}

TEST(Flame, HeldRowsAboveTheFlameHeight)
{
    CFlame flame;
    flame.Init(40, 20);
    flame.SetFlameHeight(50);
    EXPECT_EQ(flame.GetFlameHeight(), 10);
    for (int n = 0; n < 30; ++n)
        flame.Step();
    for (int y = 11; y < 20; ++y)
        EXPECT_EQ(flame.Pixel(20, y), 16) << y;
}

TEST(Flame, NarrowAndEmptyImagesNeverDivideByZeroNorWriteOutside)
{
    // Hot spots need a burning part wider than five columns: images of
    // twelve pixels and less must still run.
    for (int w = 0; w <= 14; ++w) {
        for (int h : {0, 1, 2, 5}) {
            CFlame flame;
            flame.m_nFlammability = 399;  // a hot spot is tried on every frame
            flame.Init(w, h);
            EXPECT_EQ(flame.IsValid(), w > 0 && h > 0);
            flame.SetFlameHeight(200);
            for (int n = 0; n < 50; ++n)
                flame.Step();
            if (flame.IsValid()) {
                EXPECT_EQ(flame.Image().size(), QSize(w, h));
                EXPECT_EQ(flame.FireRow().size(), size_t(w));
            }
        }
    }
}

TEST(Flame, InvisibleUntilColouredAndColdPartsStayBlack)
{
    CFlame flame;
    flame.Init(30, 30);
    for (int n = 0; n < 40; ++n)
        flame.Step();
    // All colours black until the first table.
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(flame.Image().color(i), qRgb(0, 0, 0));
    std::vector<COLORREF> table(256, RGB(255, 255, 255));
    table[0] = RGB(0, 0, 0);
    flame.SetColours(table);
    EXPECT_EQ(flame.Image().color(0), qRgb(0, 0, 0));
    EXPECT_EQ(flame.Image().color(100), qRgb(255, 255, 255));
    EXPECT_EQ(flame.Image().color(255), qRgb(0, 0, 0));  // never used
    EXPECT_EQ(flame.Image().pixel(0, 0), qRgb(0, 0, 0));  // a cold corner
}

TEST(PalettePreview, AnimatesInTheGivenColoursAndCopesWithAnySize)
{
    CPalettePreview preview;
    preview.resize(80, 120);
    preview.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&preview));
    EXPECT_TRUE(preview.IsRunning());
    std::vector<COLORREF> table(256, RGB(255, 128, 0));
    table[0] = RGB(0, 0, 0);
    preview.SetColours(table);  // initialises at the control's size
    preview.SetFlameHeight(200);
    ASSERT_TRUE(preview.Flame().IsValid());
    EXPECT_EQ(preview.Flame().Image().size(), QSize(80, 120));
    for (int n = 0; n < 60; ++n)
        preview.OnTimer();
    const QImage shot = preview.grab().toImage();
    EXPECT_EQ(shot.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(QColor(shot.pixel(40, 119)), QColor(255, 128, 0));
    // Too small to show anything: nothing breaks.
    preview.resize(0, 0);
    preview.OnTimer();
    preview.resize(5, 3);
    for (int n = 0; n < 10; ++n)
        preview.OnTimer();
    EXPECT_EQ(preview.Flame().Image().size(), QSize(5, 3));
}
