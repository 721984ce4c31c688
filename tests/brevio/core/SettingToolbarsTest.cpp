// The setting toolbars in the main frame: where each number goes, what an
// options broadcast restores, and the clock; the form view's anchors.
#include "ChannelFixture.h"
#include "brevio/core/ResizableFormView.h"
#include "brevio/core/SettingToolbars.h"
#include "shared/Registry.h"
#include "shared/ui/ColourStatic.h"
#include "shared/ui/OwnSpinButtonCtrl.h"

#include <QTimeZone>
#include <gtest/gtest.h>

using testsupport::ChannelFixture;
using testsupport::FrameFixture;

namespace {

template <typename Bar>
Bar* BarOf(CMainFrame* frame)
{
    return dynamic_cast<Bar*>(frame->GetToolBar(Bar::kBarId));
}

TEST(SettingToolbars, PassbandStepsAreStoredAndBroadcastAtOnce)
{
    FrameFixture f;
    auto* bar = BarOf<CPassbandBar>(f.frame);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->GetStatic(0)->text(), QStringLiteral("100"));
    EXPECT_EQ(bar->GetStatic(1)->text(), QStringLiteral("3000"));
    bar->StepSpin(0, true);
    EXPECT_EQ(bar->GetStatic(0)->text(), QStringLiteral("200"));
    EXPECT_EQ(CurrentSettings().m_nDisplayMin, 200);
    CPSK31Settings stored;
    stored.Load();
    EXPECT_EQ(stored.m_nDisplayMin, 200);
    EXPECT_EQ(PreviousSettings().m_nDisplayMin, 200);
    // Values changed elsewhere come back on the broadcast without being written again.
    CurrentSettings().m_nDisplayMax = 2500;
    SaveAndBroadcastSettings();
    EXPECT_EQ(bar->GetStatic(1)->text(), QStringLiteral("2500"));
    EXPECT_EQ(bar->GetSpin(1)->GetPos(), 25);
}

TEST(SettingToolbars, AdjustFrequencyRangeLocksThePassbandValues)
{
    FrameFixture f;
    auto* bar = BarOf<CPassbandBar>(f.frame);
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(bar->IsEnabledFlag());
    f.frame->OnCommand(33353);
    EXPECT_FALSE(bar->IsEnabledFlag());
    EXPECT_FALSE(bar->GetSpin(0)->isEnabled());
    bar->StepSpin(0, true);  // a disabled spin takes no step
    EXPECT_EQ(CurrentSettings().m_nDisplayMin, 100);
    f.frame->OnCommand(33353);
    EXPECT_TRUE(bar->GetStatic(1)->isEnabled());
}

TEST(SettingToolbars, ClippingTakesOnlyPercentagesFromTheOptions)
{
    FrameFixture f;
    auto* bar = BarOf<CClippingBar>(f.frame);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->GetStatic()->text(), QStringLiteral("10"));
    for (int mode : {9, 95}) {
        CurrentSettings().m_nFFTMode = mode;
        SaveAndBroadcastSettings();
        EXPECT_EQ(bar->GetStatic()->text(), QStringLiteral("10"));
    }
    CurrentSettings().m_nFFTMode = 45;
    SaveAndBroadcastSettings();
    EXPECT_EQ(bar->GetStatic()->text(), QStringLiteral("45"));
    bar->UpdateState(true, true);
    bar->StepSpin(0, false);
    EXPECT_EQ(CurrentSettings().m_nFFTMode, 44);
    // The value controls follow the "with clipping" button.
    bar->UpdateState(true, false);
    EXPECT_FALSE(bar->GetSpin()->isEnabled());
}

TEST(SettingToolbars, CentreFrequencyIsItsOwnRegistryValue)
{
    CRegistry().WriteInt(QStringLiteral("Center Frequency"), 1230);
    FrameFixture f;
    auto* bar = BarOf<CCentreFrequencyBar>(f.frame);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->GetValue(), 1230);
    bar->StepSpin(0, true);
    EXPECT_EQ(bar->GetValue(), 1240);
    EXPECT_EQ(CRegistry().GetInt(QStringLiteral("Center Frequency"), 0), 1240);
}

TEST(SettingToolbars, AfcValueWithoutAChannelOnlyChangesTheText)
{
    FrameFixture f;
    auto* bar = BarOf<CAfcBar>(f.frame);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->GetStatic()->text(), QStringLiteral("10"));
    bar->StepSpin(0, true);
    EXPECT_EQ(bar->GetAfcLimit(), 20);
    EXPECT_TRUE(f.dsp.Calls(QStringLiteral("fnSetAFCLimit")).isEmpty());
    // 250 shows and goes nowhere; 0 and 3000 leave the bar as it is.
    bar->SetAfcLimit(250);
    EXPECT_EQ(bar->GetAfcLimit(), 250);
    EXPECT_EQ(bar->GetSpin()->GetPos(), 25);
    bar->SetAfcLimit(0);
    bar->SetAfcLimit(3000);
    EXPECT_EQ(bar->GetAfcLimit(), 250);
    bar->UpdateState(true, false);
    EXPECT_FALSE(bar->GetStatic()->isEnabled());
    EXPECT_FALSE(bar->GetSpin()->isEnabled());
    bar->UpdateState(true, true);
    EXPECT_TRUE(bar->GetSpin()->isEnabled());
}

TEST(SettingToolbars, ClockTexts)
{
    const QDateTime when(QDate(2002, 12, 24), QTime(14, 3, 7), QTimeZone::utc());
    EXPECT_EQ(CClockBar::ClockText(when, false, true), QStringLiteral("14:03:07 UTC"));
    EXPECT_EQ(CClockBar::ClockText(when, true, true), QStringLiteral("24 Dec 2002 14:03:07 UTC"));
    EXPECT_TRUE(CClockBar::ClockText(when, false, false).endsWith(QStringLiteral("M")));
    FrameFixture f;
    auto* bar = BarOf<CClockBar>(f.frame);
    ASSERT_NE(bar, nullptr);
    bar->OnTimer();
    EXPECT_TRUE(bar->GetClock()->text().endsWith(QStringLiteral(" UTC")));
}

TEST(ResizableFormView, AnchorsShareTheGrowthAndNeverShrink)
{
    EXPECT_EQ(CResizableFormView::Part(10, 1), 2);
    EXPECT_EQ(CResizableFormView::Part(10, 3), 7);
    EXPECT_EQ(CResizableFormView::Part(10, 2), 5);
    EXPECT_EQ(CResizableFormView::Part(10, 4), 10);
    EXPECT_EQ(CResizableFormView::Part(10, 9), 0);

    CResizableFormView view(1, QSize(100, 100));
    auto make = [&view](int id, QRect r) {
        auto* w = new QWidget(&view);
        w->setProperty("controlId", id);
        w->setGeometry(r);
        return w;
    };
    QWidget* moves = make(1, QRect(10, 10, 20, 20));
    QWidget* sizes = make(2, QRect(40, 40, 20, 20));
    QWidget* quarter = make(3, QRect(70, 70, 10, 10));
    const CResizableFormView::AnchorRow rows[] = {{1, 0, 0, 1, 3}, {2, 4, 2, 0, 0}, {3, 0, 0, 3, 1}};
    view.resize(100, 100);
    view.SetControlAnchors(rows, 3);
    view.resize(110, 110);
    view.RepositionControls(false);
    EXPECT_EQ(moves->geometry(), QRect(12, 17, 20, 20));
    EXPECT_EQ(sizes->geometry(), QRect(40, 40, 30, 25));
    EXPECT_EQ(quarter->geometry(), QRect(77, 72, 10, 10));
    view.resize(50, 60);
    view.RepositionControls(false);
    EXPECT_EQ(moves->geometry(), QRect(10, 10, 20, 20));
    EXPECT_EQ(sizes->geometry(), QRect(40, 40, 20, 20));
}

} // namespace
