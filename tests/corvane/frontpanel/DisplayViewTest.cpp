// The front-panel window against the simulator: the controls follow the
// radio after each poll, buttons put their frames on the line, and the form
// stretches as its three templates say.
#include "corvane/core/Settings.h"
#include "corvane/frontpanel/ClockStatic.h"
#include "corvane/frontpanel/DisplayFrame.h"
#include "corvane/frontpanel/DisplayView.h"
#include "corvane/frontpanel/FormLayout.h"
#include "corvane/frontpanel/FrequencyDisplay.h"
#include "corvane/frontpanel/IndicatorStatic.h"
#include "corvane/core/DocView.h"
#include "corvane/frontpanel/PanelFrameServices.h"
#include "corvane/frontpanel/MeterStatic.h"
#include "corvane/frontpanel/PanelForm.h"
#include "corvane/frontpanel/TuningDial.h"
#include "corvane/frontpanel/VfoStatic.h"
#include "PanelTestSupport.h"
#include "shared/buttons/OXRoundedButton.h"
#include "shared/ui/OwnComboBox.h"
#include "support/LayoutCheck.h"
#include "support/TestEnvironment.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

using namespace paneltest;

namespace {
class PanelWindow : public SimFixture {
protected:
    void open(const testsupport::Simulator::Options& o = {}, int size = 1)
    {
        start(o);
        GetSettings().SetDefaults();
        main = std::make_unique<CMDIFrameWnd>();
        frame = new CDisplayFrame;
        document = new CDisplayDoc;
        view = new CDisplayView(nullptr, link.get(), size);
        document->AddView(view);
        ASSERT_TRUE(frame->OnCreateClient(view));
        main->GetMdiClient()->addSubWindow(frame);
        frame->showMaximized();
        main->resize(1100, 700);
        main->show();
        view->InitialUpdate(false);
        // The first layout shows the form; a loaded machine may take a while.
        QTest::qWaitFor([this] { return view->Form()->isVisible(); }, testsupport::longestWaitMs() / 2);
    }
    void TearDown() override
    {
        main.reset();
        SimFixture::TearDown();
    }
    bool highlighted(int id) const
    {
        return view->Button(id)->GetSphereColour() == GetSettings().m_colColButtonFaceSel;
    }
    std::unique_ptr<CMDIFrameWnd> main;
    CDisplayFrame* frame = nullptr;
    CDisplayDoc* document = nullptr;
    CDisplayView* view = nullptr;
};
} // namespace

TEST_F(PanelWindow, ControlsFollowTheRadio)
{
    testsupport::Simulator::Options o;
    o.sMeter = 9;
    open(o);
    EXPECT_TRUE(view->Form()->isVisible());
    view->PollRadio(false);
    EXPECT_EQ(view->GetRadioState()->GetFrequencyText(), "14.070.00");
    EXPECT_EQ(view->GetRadioState()->CaptionText(), "VFOa");
    EXPECT_EQ(view->GetRadioState()->GetSMeter(), 9);
    EXPECT_TRUE(highlighted(PanelId::Usb));
    EXPECT_FALSE(highlighted(PanelId::Lsb));
    EXPECT_EQ(view->Button(PanelId::Power)->GetButtonText(), "5.0 W");
    EXPECT_EQ(view->Button(PanelId::MtoA)->GetButtonText(), "- - -");
    EXPECT_FALSE(view->Button(PanelId::MtoA)->IsEnabled());
    EXPECT_EQ(view->GetVfoStatic()->LabelText(), "VFOb");
    EXPECT_EQ(view->GetVfoStatic()->FrequencyText(), "144.800.00");
    EXPECT_EQ(view->GetTuningDial()->GetFrequency(), 14070000u);
    EXPECT_EQ(view->Lamp(0)->text(), "Scanning");
    EXPECT_FALSE(view->Lamp(3)->IsLit());
    // The main frame's step list follows the mode: SSB steps, the record's 2.5 kHz.
    COwnComboBox* steps = CPanelFrameServices::Get().stepCombo();
    ASSERT_EQ(steps->count(), 3);
    EXPECT_EQ(steps->GetSelectedData(), 2500u);

    // Keyed: meters and the transmit captions.
    link->SetPtt(true);
    view->PollRadio(false);
    EXPECT_EQ(view->Lamp(1)->text(), "Tx Split");
    EXPECT_FALSE(view->Lamp(2)->isVisible());
    EXPECT_TRUE(view->GetRadioState()->IsShowingTxMeter());
    EXPECT_EQ(view->GetRadioState()->CaptionText(), "VFOa");
    link->SetPtt(false);
    view->PollRadio(false);
    EXPECT_EQ(view->Meter(0)->GetValue(), 0);
    EXPECT_TRUE(view->Lamp(2)->isVisible());

    // FM on 2 m with minus shift: repeater buttons come alive.
    link->SetFrequency(14550000);
    link->SetMode(CCatLink::MODE_FM);
    view->PollRadio(false);
    EXPECT_TRUE(highlighted(PanelId::Fm));
    EXPECT_EQ(steps->count(), 8);
    EXPECT_EQ(steps->GetSelectedData(), 12500u);
}

TEST_F(PanelWindow, ButtonsPutTheirFramesOnTheLine)
{
    open();
    view->PollRadio(false);
    newFrames();
    QTest::mouseClick(view->Button(PanelId::Cw), Qt::LeftButton);
    QTest::mouseClick(view->Button(PanelId::AB), Qt::LeftButton);
    EXPECT_EQ(hexTexts(newFrames()), QStringList({"02 00 00 00 07", "00 00 00 00 81"}));
    // The 100 Hz size, then the up picture button: one step by 100 Hz.
    QTest::mouseClick(view->Button(PanelId::Step100Hz), Qt::LeftButton);
    EXPECT_TRUE(highlighted(PanelId::Step100Hz));
    QTest::mouseClick(view->Button(PanelId::StepUp), Qt::LeftButton);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(hexTexts(newFrames()), QStringList({"01 40 70 10 01"}));
    // Arrow keys with the focus in the panel.
    view->Button(PanelId::Cw)->setFocus();
    QTest::keyClick(view->Button(PanelId::Cw), Qt::Key_Right);
    EXPECT_EQ(hexTexts(newFrames()), QStringList({"01 40 70 20 01"}));
}

TEST_F(PanelWindow, FormStretchesAsTheTableSays)
{
    open({}, 1);
    const QSize form = CFormLayout::FormSize(1);
    EXPECT_EQ(form, QSize(662, 356));
    CFormLayout layout(1);
    const QList<QPair<int, QRect>> placed = layout.Relayout(QSize(100, 100));
    auto at = [&](int id) {
        for (const auto& p : placed)
            if (p.first == id)
                return p.second;
        return QRect();
    };
    auto base = [](int id) { return CFormLayout::ControlRect(id, 1); };
    EXPECT_EQ(at(PanelId::FrequencyDisplay).width(), base(PanelId::FrequencyDisplay).width() + 100);
    EXPECT_EQ(at(PanelId::VfoStatic).width(), base(PanelId::VfoStatic).width() + 50);
    EXPECT_EQ(at(PanelId::Clock).width(), base(PanelId::Clock).width() + 50);
    EXPECT_EQ(at(PanelId::Clock).left(), base(PanelId::Clock).left() + 50);
    EXPECT_EQ(at(PanelId::Lsb).left(), base(PanelId::Lsb).left() + 100);
    EXPECT_EQ(at(PanelId::AB).top(), base(PanelId::AB).top() + 100);
    EXPECT_EQ(at(PanelId::TuningDial).size(), base(PanelId::TuningDial).size() + QSize(100, 100));
    EXPECT_EQ(at(PanelId::LabelAlc), base(PanelId::LabelAlc));
    // A smaller frame moves nothing.
    EXPECT_EQ(CFormLayout::ExtraSpace(QSize(300, 200), form), QSize(0, 0));
    EXPECT_EQ(CFormLayout::ExtraSpace(form + QSize(104, 104), form), QSize(101, 101));
    // The live view, wider than its form, stretched its display.
    EXPECT_GT(view->GetRadioState()->width(), base(PanelId::FrequencyDisplay).width());
}

TEST(PanelTemplates, ThreeSizes)
{
    EXPECT_EQ(CFormLayout::TemplateId(0), 319);
    EXPECT_EQ(CFormLayout::TemplateId(1), 356);
    EXPECT_EQ(CFormLayout::TemplateId(2), 324);
    EXPECT_EQ(CFormLayout::FormSize(0), QSize(578, 327));
    EXPECT_EQ(CFormLayout::FormSize(2), QSize(711, 436));
    // Every control lies inside its form in every size.
    for (int size = 0; size < 3; ++size)
        for (const CFormControl& c : CPanelForm::Controls())
            EXPECT_TRUE(QRect(QPoint(0, 0), CFormLayout::FormSize(size)).contains(CFormLayout::ControlRect(c.nId, size)))
                << size << " " << c.nId;
}

TEST_F(PanelWindow, NewColoursKeepTheHighlightedButtonsSelected)
{
    open();
    view->PollRadio(false);
    ASSERT_TRUE(highlighted(PanelId::Usb));
    CSettings& s = GetSettings();
    s.m_colColButtonFace = RGB(10, 20, 30);
    s.m_colColButtonFaceSel = RGB(200, 10, 10);
    s.m_colColButtonText = RGB(1, 2, 3);
    s.m_colColButtonTextSel = RGB(250, 250, 0);
    view->OnRedrawNew();
    EXPECT_EQ(view->Button(PanelId::Usb)->GetSphereColour(), RGB(200, 10, 10));
    EXPECT_EQ(view->Button(PanelId::Usb)->GetTextColour(), RGB(250, 250, 0));
    EXPECT_EQ(view->Button(PanelId::Lsb)->GetSphereColour(), RGB(10, 20, 30));
    EXPECT_EQ(view->Button(PanelId::Lsb)->GetTextColour(), RGB(1, 2, 3));
    // The next poll keeps it so.
    view->PollRadio(false);
    EXPECT_EQ(view->Button(PanelId::Usb)->GetSphereColour(), RGB(200, 10, 10));
    EXPECT_EQ(view->Button(PanelId::Lsb)->GetSphereColour(), RGB(10, 20, 30));
}

// In each of the three sizes the panel's own texts show whole in the fonts
// this system has: the lamps' receive and transmit captions ("Discr.
// centre" is the longest), the clarifier's widest offset beside its spin
// buttons, and no control over another.
class PanelSizes : public PanelWindow, public ::testing::WithParamInterface<int> {};

TEST_P(PanelSizes, TextsShowWhole)
{
    open({}, GetParam());
    link->SetClarifier(true);
    view->PollRadio(false);
    QLabel* offset = nullptr;
    for (QLabel* label : view->Form()->findChildren<QLabel*>())
        if (label->property("controlId").toUInt() == 1308)
            offset = label;
    ASSERT_NE(offset, nullptr);
    ASSERT_TRUE(offset->isVisible()) << "the clarifier is on";
    offset->setText(QStringLiteral("- 9.99"));
    QStringList problems = testsupport::layoutProblems(view->Form());
    EXPECT_TRUE(problems.isEmpty()) << "receive captions:\n" << problems.join("\n").toStdString();
    // The same lamps with the transmit captions.
    const QStringList transmit = {"High SWR", "Tx Split"};
    for (int i = 0; i < transmit.size(); ++i)
        view->Lamp(i)->setText(transmit[i]);
    problems = testsupport::layoutProblems(view->Form());
    EXPECT_TRUE(problems.isEmpty()) << "transmit captions:\n" << problems.join("\n").toStdString();
    link->SetClarifier(false);
}

INSTANTIATE_TEST_SUITE_P(SmallMediumLarge, PanelSizes, ::testing::Values(0, 1, 2));
