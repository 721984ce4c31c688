#include "shared/ui/TitleTip.h"
#include "shared/WinDraw.h"
#include "shared/ui/ColourMix.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

TEST(TitleTip, ItemText)
{
    EXPECT_EQ(CTitleTip::ItemText("2m\\Repeaters", "GB3WH"), QStringLiteral("2m Repeaters: GB3WH"));
    EXPECT_EQ(CTitleTip::ItemText("", "20m"), QStringLiteral("20m"));
    EXPECT_EQ(CTitleTip::ItemText("a\\b\\c", "x"), QStringLiteral("a b c: x"));
}

TEST(TitleTip, FitsInsideTheOwner)
{
    struct Case {
        int x, width, client, expected;
    };
    const Case cases[] = {
        {10, 50, 200, 10},
        {150, 50, 200, 150},  // ends exactly at the edge: unchanged
        {151, 50, 200, 149},  // pulled left to end one pixel inside
        {180, 250, 200, 0},   // wider than the client area
    };
    for (const Case& c : cases)
        EXPECT_EQ(CTitleTip::FitX(c.x, c.width, c.client), c.expected) << c.x;
}

TEST(TitleTip, ShowsHidesAndDoesNotFlicker)
{
    QWidget owner;
    owner.resize(300, 100);
    owner.show();
    CTitleTip tip;
    struct Counter : QObject {
        int shows = 0, hides = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Show)
                ++shows;
            if (e->type() == QEvent::Hide)
                ++hides;
            return false;
        }
    } counter;
    tip.installEventFilter(&counter);

    tip.Show(&owner, 20, 30, "Favourites", "Beacon");
    EXPECT_TRUE(tip.IsShown());
    EXPECT_TRUE(tip.isVisible());
    EXPECT_EQ(tip.text(), QStringLiteral("Favourites: Beacon"));
    EXPECT_EQ(tip.pos(), QPoint(20, 30));
    const QFontMetrics fm(tip.font());
    EXPECT_EQ(tip.width(), fm.horizontalAdvance(tip.text()) + 8);
    EXPECT_EQ(tip.height(), fm.height() + 6);
    const int shows = counter.shows;
    tip.Show(&owner, 20, 30, "Favourites", "Beacon");
    EXPECT_EQ(counter.shows, shows);
    EXPECT_EQ(counter.hides, 0);
    tip.Show(&owner, 40, 30, "Favourites", "Beacon");
    EXPECT_EQ(counter.hides, 1);
    EXPECT_EQ(counter.shows, shows + 1);

    tip.Show(&owner, 290, 5, "", "A long name near the edge");
    EXPECT_EQ(tip.geometry().right(), 300 - 2);

    tip.Hide();
    EXPECT_FALSE(tip.IsShown());
    EXPECT_FALSE(tip.isVisible());
}

TEST(TitleTip, HideTimerAndColours)
{
    QWidget owner;
    owner.resize(200, 100);
    owner.show();
    CTitleTip tip;
    EXPECT_EQ(tip.GetBackgroundColour(), winapi::GetSysColor(winapi::COLOR_INFOBK));
    EXPECT_EQ(tip.GetTextColour(), winapi::GetSysColor(winapi::COLOR_INFOTEXT));
    tip.SetColours(RGB(255, 255, 255), RGB(0, 0, 0));
    tip.setEnabled(false);
    EXPECT_EQ(tip.PaintedTextColour(), RGB(204, 204, 204));
    tip.setEnabled(true);
    EXPECT_EQ(tip.PaintedTextColour(), RGB(0, 0, 0));

    tip.Show(&owner, 5, 5, "", "x");
    tip.StartHideTimer(10);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !tip.IsShown(); }, 2000));
}
