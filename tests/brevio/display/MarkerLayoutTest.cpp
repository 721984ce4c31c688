#include "brevio/display/MarkerLayout.h"

#include <gtest/gtest.h>

namespace {
CMarkerLayout::Geometry VerticalGeometry()
{
    CMarkerLayout::Geometry g;
    g.bVertical = true;
    g.nPlotStart = 10;
    g.nPlotEnd = 310;
    g.rectPlot = QRect(60, 10, 200, 300);
    g.nLow = 100;
    g.nHigh = 3100;
    g.nBoxWidth = 14;
    g.nBoxHeight = 14;
    return g;
}
CMarkerLayout::Geometry HorizontalGeometry()
{
    CMarkerLayout::Geometry g;
    g.bVertical = false;
    g.nPlotStart = 20;
    g.nPlotEnd = 620;
    g.rectPlot = QRect(20, 50, 600, 100);
    g.nLow = 100;
    g.nHigh = 3100;
    g.nBoxWidth = 14;
    g.nBoxHeight = 14;
    return g;
}
} // namespace

TEST(MarkerLayout, StylesTable)
{
    EXPECT_EQ(CMarkerLayout::Style(0).colFill, RGB(0, 128, 0));
    EXPECT_EQ(CMarkerLayout::Style(1).colFill, RGB(128, 0, 0));
    EXPECT_EQ(CMarkerLayout::Style(2).colFill, RGB(128, 128, 128));
    EXPECT_EQ(CMarkerLayout::Style(2).colText, RGB(192, 192, 192));
    EXPECT_EQ(CMarkerLayout::Style(3).colFill, RGB(150, 150, 0));
    for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(CMarkerLayout::Style(s).colFrame, RGB(255, 255, 255));
        EXPECT_TRUE(CMarkerLayout::Style(s).bLeader);
        EXPECT_EQ(CMarkerLayout::Style(s).nLeaderPen, Qt::DotLine);
    }
}

TEST(MarkerLayout, PositionsFollowTheExactRange)
{
    CMarkerLayout layout;
    layout.SetGeometry(VerticalGeometry());
    QRect box;
    int pos = 0;
    ASSERT_TRUE(layout.Place(0, 1600, box, pos));
    EXPECT_EQ(pos, 10 + 300 * 1500 / 3000);
    EXPECT_EQ(box, QRect(2, pos - 7, 14, 14));
    EXPECT_EQ(layout.GetBox(0), box);
    // Outside low..high: no box.
    EXPECT_FALSE(layout.Place(1, 99, box, pos));
    EXPECT_FALSE(layout.Place(1, 3101, box, pos));
    EXPECT_TRUE(layout.GetBox(1).isEmpty());
    ASSERT_TRUE(layout.Place(CMarkerLayout::kCentre, 3100, box, pos));
    EXPECT_EQ(pos, 10);

    layout.SetGeometry(HorizontalGeometry());
    layout.ClearBoxes();
    ASSERT_TRUE(layout.Place(2, 100, box, pos));
    EXPECT_EQ(pos, 20);
    EXPECT_EQ(box, QRect(13, 2, 14, 14));
}

TEST(MarkerLayout, SameFrequencyBoxesArePushedApartByTheSmallestStep)
{
    CMarkerLayout layout;
    layout.SetGeometry(VerticalGeometry());
    QRect first, second, third;
    int p1 = 0, p2 = 0, p3 = 0;
    layout.Place(0, 1600, first, p1);
    layout.Place(1, 1600, second, p2);
    layout.Place(2, 1600, third, p3);
    // The second goes up just clear of the first, the third down.
    EXPECT_EQ(second, first.translated(0, -14));
    EXPECT_EQ(third, first.translated(0, 14));
    // All leader lines still point at the same row.
    EXPECT_EQ(p1, p2);
    EXPECT_EQ(p2, p3);

    layout.SetGeometry(HorizontalGeometry());
    layout.ClearBoxes();
    layout.Place(0, 1600, first, p1);
    layout.Place(1, 1600, second, p2);
    EXPECT_EQ(second, first.translated(-14, 0));
    EXPECT_FALSE(layout.Overlaps(first.translated(0, 40)));
    EXPECT_TRUE(layout.Overlaps(first.translated(5, 0)));
}

TEST(MarkerLayout, HitTestPrefersTheCentreThenHigherChannels)
{
    CMarkerLayout layout;
    layout.SetGeometry(VerticalGeometry());
    QRect box;
    int pos = 0;
    layout.Place(0, 1000, box, pos);
    const QPoint inChannel0 = box.center();
    layout.Place(3, 2000, box, pos);
    const QPoint inChannel3 = box.center();
    layout.Place(CMarkerLayout::kCentre, 1500, box, pos);
    EXPECT_EQ(layout.HitTest(inChannel0), 0);
    EXPECT_EQ(layout.HitTest(inChannel3), 3);
    EXPECT_EQ(layout.HitTest(box.center()), CMarkerLayout::kCentre);
    EXPECT_EQ(layout.HitTest(QPoint(200, 200)), -1);
    layout.ClearBoxes();
    EXPECT_EQ(layout.HitTest(inChannel0), -1);
}

TEST(MarkerLayout, FrequencyUnderTheMouse)
{
    CMarkerLayout layout;
    layout.SetGeometry(VerticalGeometry());
    struct Case {
        int x, y;
        bool hit;
        int f;
    };
    // f = high - (y + 1 - top) x (high - low) / (bottom - top)
    const Case vertical[] = {
        {100, 10, true, 3100 - 1 * 3000 / 300}, {100, 159, true, 3100 - 150 * 3000 / 300},
        {50, 159, true, 1600},                  // up to 10 pixels left of the plot
        {49, 159, false, 0},                    {100, 9, false, 0},
        {100, 310, true, 3100 - 301 * 3000 / 300}, {100, 311, false, 0},
    };
    for (const Case& c : vertical) {
        int f = 0;
        EXPECT_EQ(layout.FrequencyAt(QPoint(c.x, c.y), f), c.hit) << c.x << "," << c.y;
        if (c.hit) {
            EXPECT_EQ(f, c.f) << c.x << "," << c.y;
        }
    }

    layout.SetGeometry(HorizontalGeometry());
    int f = 0;
    ASSERT_TRUE(layout.FrequencyAt(QPoint(319, 100), f));
    EXPECT_EQ(f, 100 + 300 * 3000 / 600);
    EXPECT_TRUE(layout.FrequencyAt(QPoint(319, 40), f));    // just above the plot
    EXPECT_FALSE(layout.FrequencyAt(QPoint(319, 39), f));
    EXPECT_FALSE(layout.FrequencyAt(QPoint(19, 100), f));
    EXPECT_TRUE(layout.FrequencyAt(QPoint(620, 100), f));
    EXPECT_FALSE(layout.FrequencyAt(QPoint(621, 100), f));
}

TEST(MarkerLayout, PlotOfNoExtentHasNoFrequency)
{
    CMarkerLayout layout;
    CMarkerLayout::Geometry g = VerticalGeometry();
    g.nPlotStart = g.nPlotEnd = 12;
    g.rectPlot = QRect(60, 12, 200, 0);
    layout.SetGeometry(g);
    int f = -5;
    EXPECT_FALSE(layout.FrequencyAt(QPoint(100, 12), f));
    EXPECT_EQ(f, -5);
    QRect box;
    int pos = 0;
    EXPECT_TRUE(layout.Place(0, 1000, box, pos));
    EXPECT_TRUE(layout.Place(1, 1000, box, pos));  // no room to move: stays put, no endless search
}
