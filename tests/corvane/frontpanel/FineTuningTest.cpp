// The Fine Tuning dialog: its range and step arithmetic, and tuning the
// simulator from its buttons, keys and wheel.
#include "corvane/core/Settings.h"
#include "corvane/frontpanel/DisplayView.h"
#include "corvane/frontpanel/FineTuningDialog.h"
#include "corvane/frontpanel/RepeatButton.h"
#include "corvane/frontpanel/TuningDial.h"
#include "PanelTestSupport.h"

#include <QElapsedTimer>
#include <QTest>

using namespace paneltest;

TEST(FineTuningArithmetic, RangeAroundTheFrequency)
{
    using D = CFineTuningDialog;
    const D::Range r = D::RangeFor(14212340, 50000);
    EXPECT_EQ(r.nLow, 14190000u);
    EXPECT_EQ(r.nHigh, 14240000u);
    // 5 kHz: the tick is 1 kHz, not 500 Hz.
    EXPECT_EQ(D::RangeFor(7050550, 5000).nLow, 7049000u);
    // Near 0 Hz the range starts at 0 rather than wrapping round.
    EXPECT_EQ(D::RangeFor(20000, 200000).nLow, 0u);
    EXPECT_EQ(D::SpanOf(D::IdRange200), 200000u);
}

TEST(FineTuningArithmetic, StepsLandOnTheGrid)
{
    uint32_t f = 0;
    ASSERT_TRUE(CFineTuningDialog::TuneTarget(7050050, 1, 100, true, f));
    EXPECT_EQ(f, 7050100u);
    ASSERT_TRUE(CFineTuningDialog::TuneTarget(7050050, 1, 100, false, f));
    EXPECT_EQ(f, 7050000u);
    ASSERT_TRUE(CFineTuningDialog::TuneTarget(7050000, 1, 100, false, f));
    EXPECT_EQ(f, 7049900u);
    ASSERT_TRUE(CFineTuningDialog::TuneTarget(7050000, 6, 100, true, f));
    EXPECT_EQ(f, 7050600u);
    // No step from the main window's list, or below 0 Hz: nothing to do.
    EXPECT_FALSE(CFineTuningDialog::TuneTarget(7050000, 1, 0, true, f));
    EXPECT_FALSE(CFineTuningDialog::TuneTarget(0, 1, 100, false, f));
}

namespace {
class FineTuning : public SimFixture {
protected:
    void open()
    {
        start();
        GetSettings().SetDefaults();
        view = std::make_unique<CDisplayView>(nullptr, link.get(), 1);
        view->InitialUpdate(false);
        view->PollRadio(false);
        dialog = new CFineTuningDialog(view.get(), view->ButtonFont(), view->GetFrequency(), 1);
        dialog->show();
        newFrames();
    }
    void TearDown() override
    {
        view.reset();
        SimFixture::TearDown();
    }
    std::unique_ptr<CDisplayView> view;
    CFineTuningDialog* dialog = nullptr;
};
} // namespace

TEST_F(FineTuning, ButtonsKeysAndWheelTuneTheRadio)
{
    open();
    EXPECT_EQ(dialog->GetSelectedRange(), CFineTuningDialog::IdRange50);
    EXPECT_EQ(dialog->GetStep(), 100);
    EXPECT_EQ(dialog->GetLow(), 14045000u);
    EXPECT_EQ(dialog->GetHigh(), 14095000u);
    // One step up: set, then read back.
    dialog->TuneUp(1);
    EXPECT_EQ(hexTexts(newFrames()), QStringList({"01 40 70 10 01", "00 00 00 00 03"}));
    EXPECT_EQ(dialog->GetFrequency(), 14070100u);
    // Three wheel notches: six steps.
    dialog->OnMouseWheel(360);
    EXPECT_EQ(dialog->GetFrequency(), 14070700u);
    // Up arrow: coarser step; Left arrow: one step down by it.
    dialog->OnKey(Qt::Key_Up, 1, true);
    EXPECT_EQ(dialog->GetStep(), 1000);
    dialog->OnKey(Qt::Key_Left, 1, true);
    dialog->OnKey(Qt::Key_Left, 1, false);
    EXPECT_EQ(dialog->GetFrequency(), 14070000u);
    // The 5 kHz range moves the dial around the frequency.
    dialog->SelectRange(CFineTuningDialog::IdRange5);
    EXPECT_EQ(dialog->GetLow(), 14068000u);
    EXPECT_EQ(dialog->GetDial()->GetBandPlan().GetCount(), 1);
    // A frequency inside the range keeps it; one outside moves it.
    dialog->SetFrequency(14072000);
    EXPECT_EQ(dialog->GetLow(), 14068000u);
    dialog->SetFrequency(14074000);
    EXPECT_EQ(dialog->GetLow(), 14072000u);
    // Half the range down goes through the panel (undo list) and moves the range.
    newFrames();
    dialog->HalfRange(false);
    EXPECT_EQ(hexTexts(newFrames()), QStringList({"01 40 71 50 01"}));
}

TEST_F(FineTuning, HoldingPlusRepeatsAfterTheDelay)
{
    open();
    auto* plus = dialog->findChild<CRepeatButton*>();
    ASSERT_NE(plus, nullptr);
    // The minus button comes second; find the plus by its id.
    for (auto* b : dialog->findChildren<CRepeatButton*>())
        if (GetDlgCtrlID(b) == CFineTuningDialog::IdPlus)
            plus = b;
    QElapsedTimer clock;
    clock.start();
    QTest::mousePress(plus, Qt::LeftButton);
    // One step at once, then nothing until the 1000 ms delay has passed.
    QTest::qWait(700);
    if (clock.elapsed() < 900)
        EXPECT_EQ(dialog->GetFrequency(), 14070100u);
    // Then a step every 200 ms while held (a loaded machine may be late).
    QTRY_VERIFY_WITH_TIMEOUT(dialog->GetFrequency() >= 14070400u, 5000);
    EXPECT_GE(clock.elapsed(), 1300);  // 1400 ms, less a coarse timer's leeway
    QTest::mouseRelease(plus, Qt::LeftButton);
    QCoreApplication::sendPostedEvents();
    const unsigned released = dialog->GetFrequency();
    QTest::qWait(500);
    EXPECT_EQ(dialog->GetFrequency(), released) << "still stepping after release";
}
