#include "shared/tooltip/ToolTipWnd.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(ToolTipRestart, ShownTipGoesAtOnceAndTheNextTickFindsNoTool)
{
    QWidget owner;
    CToolTipWnd tip;
    tip.Create(&owner);
    tip.AddTool(&owner, QStringLiteral("first item"));
    tip.show();
    ASSERT_TRUE(tip.isVisible());
    tip.RestartTimer();
    EXPECT_FALSE(tip.isVisible());
    EXPECT_EQ(tip.GetCurrentTool(), nullptr);
    EXPECT_TRUE(tip.IsShowTimerActive());
    EXPECT_EQ(tip.GetShowTimerInterval(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(!tip.IsShowTimerActive(), 1000);
    EXPECT_FALSE(tip.isVisible());
}

TEST(ToolTipRestart, HiddenTipStartsTheFullShowDelayOver)
{
    QWidget owner;
    CToolTipWnd tip;
    tip.Create(&owner);
    tip.RestartTimer();
    EXPECT_TRUE(tip.IsShowTimerActive());
    EXPECT_EQ(tip.GetShowTimerInterval(), 500);
    tip.SetDelayTime(CToolTipWnd::TTDT_INITIAL, 800);
    tip.RestartTimer();
    EXPECT_EQ(tip.GetShowTimerInterval(), 800);
}

} // namespace
