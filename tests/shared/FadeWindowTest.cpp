#include "shared/ui/FadeWindow.h"

#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

TEST(FadeWindow, Interval)
{
    EXPECT_EQ(CFadeWindow::TimerInterval(1000, 255), 40);
    EXPECT_EQ(CFadeWindow::TimerInterval(1000, 100), 100);
    EXPECT_EQ(CFadeWindow::TimerInterval(1000, 10), 1000);
    // Below 10 there is no step to divide by: one step of the whole time.
    EXPECT_EQ(CFadeWindow::TimerInterval(1000, 9), 1000);
    EXPECT_EQ(CFadeWindow::TimerInterval(1000, 0), 1000);
}

TEST(FadeWindow, FadesInTwentySixTicksAndGoes)
{
    QWidget source;
    source.resize(120, 80);
    source.show();
    QPointer<CFadeWindow> fade = new CFadeWindow(&source, 1000, 255);
    EXPECT_TRUE(fade->isVisible());
    EXPECT_EQ(fade->size(), source.size());
    EXPECT_EQ(fade->GetInterval(), 40);
    int ticks = 0;
    while (fade && fade->Step())
        ++ticks;
    ++ticks; // the tick that ends it
    EXPECT_EQ(ticks, 26);
    EXPECT_TRUE(QTest::qWaitFor([&] { return fade.isNull(); }, 2000));
}

TEST(FadeWindow, LowStartAlphaEndsWithoutDividingByZero)
{
    QWidget source;
    source.resize(50, 50);
    QPointer<CFadeWindow> fade = new CFadeWindow(&source, 50, 5);
    EXPECT_EQ(fade->GetInterval(), 50);
    EXPECT_TRUE(QTest::qWaitFor([&] { return fade.isNull(); }, 3000));
}
