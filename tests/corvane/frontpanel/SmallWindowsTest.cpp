// The frequency entry window, the clock and the chart row of the front
// panel's window.
#include "corvane/core/DocView.h"
#include "corvane/core/Settings.h"
#include "corvane/frontpanel/ChartView.h"
#include "corvane/frontpanel/ClockStatic.h"
#include "corvane/frontpanel/DisplayFrame.h"
#include "corvane/frontpanel/DisplayView.h"
#include "corvane/frontpanel/FrequencyEntryDialog.h"
#include "PanelTestSupport.h"
#include "shared/Registry.h"
#include "shared/edit/FrequencyEdit.h"

#include <QCheckBox>
#include <QMdiArea>
#include <QRadioButton>
#include <QTest>

using namespace paneltest;

namespace {
class EntryWindow : public SimFixture {
protected:
    void open()
    {
        start();
        GetSettings().SetDefaults();
        view = std::make_unique<CDisplayView>(nullptr, link.get(), 1);
        view->InitialUpdate(false);
        view->PollRadio(false);
        newFrames();
    }
    void TearDown() override
    {
        view.reset();
        SimFixture::TearDown();
    }
    std::unique_ptr<CDisplayView> view;
};
} // namespace

TEST(EntryText, EightDigitsInThreeGroups)
{
    EXPECT_EQ(CFrequencyEntryDialog::FieldText(7050000), "007.050.00");
    EXPECT_EQ(CFrequencyEntryDialog::FieldText(14250000), "014.250.00");
    EXPECT_EQ(CFrequencyEntryDialog::FieldText(439999999), "439.999.99");
}

TEST_F(EntryWindow, MainAndSubTargets)
{
    open();
    CFrequencyEntryDialog dialog(nullptr, link.get());
    dialog.show();
    EXPECT_EQ(dialog.Field()->GetFrequency(), 14070000u);
    // The other VFO: only it changes (toggle, set, toggle back).
    dialog.SetTarget(1);
    dialog.Refill();
    EXPECT_EQ(dialog.Field()->GetFrequency(), 144800000u);
    dialog.Field()->SetFrequency(145000000);
    dialog.OnOK();
    EXPECT_EQ(hexTexts(newFrames()), QStringList({"00 00 00 00 81", "14 50 00 00 01", "00 00 00 00 81"}));
    EXPECT_TRUE(dialog.isVisible());  // "Close" not ticked: it stays open
    // Main: the VFO in use.
    dialog.SetTarget(0);
    dialog.Field()->SetFrequency(7050000);
    dialog.OnOK();
    EXPECT_EQ(hexTexts(newFrames()), QStringList({"00 70 50 00 01"}));
}

TEST_F(EntryWindow, CloseAfterEntryIsRemembered)
{
    open();
    {
        CFrequencyEntryDialog dialog(nullptr, link.get());
        dialog.show();
        EXPECT_FALSE(dialog.GetCloseAfterEntry());
        dialog.findChild<QCheckBox*>()->setChecked(true);
        dialog.OnOK();
        EXPECT_FALSE(dialog.isVisible());
    }
    CFrequencyEntryDialog again(nullptr, link.get());
    EXPECT_TRUE(again.GetCloseAfterEntry());
}

TEST(Clock, ZonesFormatsAndShortening)
{
    const QDateTime when = QDateTime::fromSecsSinceEpoch(1700000000);  // 22:13:20 UTC
    EXPECT_EQ(CClockStatic::FormatTime(when, 0, 0, false), "22:13:20 GMT");
    EXPECT_EQ(CClockStatic::FormatTime(when, 1, 9, false), "2023/11/14 22:13:20 UTC");
    EXPECT_EQ(CClockStatic::FormatTime(when, 4, 0, false), "22:13:20 UTC");  // zone taken modulo 3
    // The click's alternate view: local becomes UTC, UTC and GMT become local.
    EXPECT_EQ(CClockStatic::EffectiveZone(2, true), 1);
    EXPECT_EQ(CClockStatic::EffectiveZone(1, true), 2);
    EXPECT_EQ(CClockStatic::EffectiveZone(0, true), 2);
    EXPECT_FALSE(CClockStatic::FormatTime(when, 2, 0, false).endsWith("UTC"));
    // Too wide: UTC keeps the time and the zone, local time only the time.
    EXPECT_EQ(CClockStatic::Shorten("14 November 2023, 22:13:20 UTC", 1, false), "22:13:20 UTC");
    EXPECT_EQ(CClockStatic::Shorten("14/11/2023 22:13:20", 2, false), "22:13:20");
}

TEST(Clock, AClickShowsTheOtherZoneForThreeSeconds)
{
    GetSettings().SetDefaults();
    GetSettings().m_nClockZone = 1;
    CClockStatic clock;
    clock.resize(200, 20);
    clock.SetTimeSource([] { return QDateTime::fromSecsSinceEpoch(1700000000); });
    clock.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&clock));
    clock.repaint();
    EXPECT_TRUE(clock.LastText().endsWith(" UTC")) << clock.LastText().toStdString();
    QTest::mouseClick(&clock, Qt::LeftButton);
    EXPECT_TRUE(clock.IsAlternateShown());
    EXPECT_FALSE(clock.LastText().endsWith(" UTC"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !clock.IsAlternateShown(); }, 10000));
    clock.repaint();
    EXPECT_TRUE(clock.LastText().endsWith(" UTC"));
    // A narrow clock keeps only the time and the zone.
    GetSettings().m_nClockFormat = 8;
    clock.resize(120, 20);
    clock.repaint();
    EXPECT_EQ(clock.LastText(), "22:13:20 UTC");
}

TEST_F(EntryWindow, ChartRowShowsAndHides)
{
    open();
    CMDIFrameWnd main;
    auto* frame = new CDisplayFrame;
    auto* document = new CDisplayDoc;
    auto* panel = new CDisplayView(nullptr, link.get(), 1);
    document->AddView(panel);
    ASSERT_TRUE(frame->OnCreateClient(panel));
    main.GetMdiClient()->addSubWindow(frame);
    frame->resize(700, 600);
    main.resize(800, 700);
    main.show();
    frame->show();
    QTest::qWait(50);
    EXPECT_FALSE(frame->IsChartShowing());
    EXPECT_FALSE(frame->GetChartView()->isVisible());
    frame->OnSMeterHistory();
    QTest::qWait(50);
    EXPECT_TRUE(frame->IsChartShowing());
    const QList<int> sizes = frame->GetSplitter()->sizes();
    const int total = sizes[0] + sizes[1];
    EXPECT_NEAR(sizes[1], total / 3, 12);
    EXPECT_GE(sizes[1], 100);
    // Hidden while it has the focus: the panel takes it.
    frame->GetChartView()->setFocusPolicy(Qt::StrongFocus);
    frame->GetChartView()->setFocus();
    frame->OnSMeterHistory();
    EXPECT_FALSE(frame->IsChartShowing());
    frame->OnSMeterHistory();
    QTest::qWait(50);
    EXPECT_NEAR(frame->GetSplitter()->sizes()[1], sizes[1], 12);
    // Samples reach the chart.
    frame->AddChartSample(6);
    EXPECT_EQ(frame->GetChartView()->Data()->GetLastPoint(0), 1);
}
