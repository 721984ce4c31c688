// The options in the running program on the simulator: the first start's
// colour scheme, the main window's Program Options, Colour Schemes, Speech
// Options and Volume Control commands, and a scheme applied in the sheet
// reaching the front panel.
#include "OptionsTestSupport.h"
#include "corvane/core/RadioApp.h"
#include "corvane/core/Settings.h"
#include "corvane/core/Startup.h"
#include "corvane/frontpanel/DisplayView.h"
#include "corvane/frontpanel/FrequencyDisplay.h"
#include "corvane/frontpanel/OptionsSchemes.h"
#include "corvane/frontpanel/OptionsSheet.h"
#include "corvane/frontpanel/PanelFrameServices.h"
#include "corvane/frontpanel/ProgramOptions.h"
#include "corvane/frontpanel/RadioMainFrame.h"
#include "corvane/frontpanel/TuningDial.h"
#include "corvane/frontpanel/VolumeDialog.h"
#include "platform/Sleeper.h"
#include "shared/Registry.h"
#include "shared/mixer/SoundMixer.h"
#include "shared/ui/BaseDialog.h"
#include "support/Simulator.h"

#include <QAction>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

using optionstest::whenModal;

namespace {
// No sound card here: a mixer with a master control only.
class MasterMixer : public CSoundMixer {
public:
    bool HasMasterVolume() const override { return true; }
    bool GetMasterRange(long& a, long& b) const override
    {
        a = 0;
        b = 100;
        return true;
    }
    bool GetMasterVolume(long& v) const override
    {
        v = 70;
        return true;
    }
    bool SetMasterVolume(long) override { return true; }
    bool HasMasterMute() const override { return false; }
    bool GetMasterMute(bool&) const override { return false; }
    bool SetMasterMute(bool) override { return false; }
    SelectKind GetSelectKind() const override { return SelectKind::None; }
    QStringList GetItemNames() const override { return {}; }
    int GetItemType(int) const override { return -1; }
    bool GetSelectValues(QList<bool>&) const override { return false; }
    bool SetSelectValues(const QList<bool>&) override { return false; }
    bool HasSourceVolume(int) const override { return false; }
    bool GetSourceRange(int, long&, long&) const override { return false; }
    bool GetSourceVolume(int, long&) const override { return false; }
    bool SetSourceVolume(int, long) override { return false; }
    bool TakeChanges() override { return false; }
};

class ProgramOptions : public ::testing::Test {
protected:
    void SetUp() override
    {
        optionstest::resetOptions();
        platform::Sleeper::setInstance(&sleeper);
        CSoundMixer::SetFactory([] { return std::make_unique<MasterMixer>(); });
        sim = std::make_unique<testsupport::Simulator>();
        ASSERT_TRUE(sim->isRunning()) << sim->errorText().toStdString();
        qputenv("CORVANE_EXTRA_PORTS", sim->portPath().toLocal8Bit());
        const CRegistry registry;
        registry.WriteString("Startup port", sim->portPath());
        registry.WriteString("Startup speed", "38400");
        registry.WriteBool("CStartup::m_bAuto", 0);
        InstallFrontPanel();
        InstallMainFrame();
        InstallProgramOptions();
        app = std::make_unique<CRadioApp>();
        whenModal<CStartup>([](CStartup* startup) { startup->OnConnect(); });
        ASSERT_TRUE(app->InitInstance());
        frame = qobject_cast<CRadioMainFrame*>(app->GetMainFrame());
        ASSERT_NE(frame, nullptr);
        frame->showNormal();
        view = GetDisplayView();
        ASSERT_NE(view, nullptr);
    }
    void TearDown() override
    {
        if (frame) {
            GetSettings().m_bPowerDown = 0;
            frame->close();
        }
        app.reset();
        CPanelFrameServices::InstallDefaults();
        CSoundMixer::SetFactory(nullptr);
        qunsetenv("CORVANE_EXTRA_PORTS");
        platform::Sleeper::setInstance(nullptr);
        optionstest::resetOptions();
    }

    platform::FakeSleeper sleeper;
    std::unique_ptr<testsupport::Simulator> sim;
    std::unique_ptr<CRadioApp> app;
    CRadioMainFrame* frame = nullptr;
    CDisplayView* view = nullptr;
};
} // namespace

TEST_F(ProgramOptions, TheFirstStartTakesTheSeaweedScheme)
{
    EXPECT_EQ(GetSettings().m_nButtonLED, 1);
    EXPECT_EQ(GetSettings().m_colColButtonFace, 0x008000u);
    CSettings stored;
    stored.Load();
    EXPECT_EQ(stored.m_colColButtonFace, 0x008000u);
    EXPECT_EQ(view->findChild<CFrequencyDisplay*>()->GetBackgroundColour(), 0x0F0F0Fu);
}

TEST_F(ProgramOptions, ColourSchemesOpensOnTheSchemesPageAndASchemeRepaintsThePanel)
{
    GetRegistry().WriteInt(QStringLiteral("Options page"), 8);
    ASSERT_NE(frame->GetCommandAction(CRadioMainFrame::ID_COLOUR_SCHEMES), nullptr);
    int page = -1;
    whenModal<COptionsSheet>([&](COptionsSheet* sheet) {
        page = sheet->GetActiveIndex();
        sheet->GetSchemesPage()->GetList()->setCurrentRow(2);  // Mustard
        sheet->GetSchemesPage()->OnApplyScheme();
        sheet->OnOK();
    });
    frame->OnCommand(CRadioMainFrame::ID_COLOUR_SCHEMES);
    EXPECT_EQ(page, COptionsSheet::kSchemes);
    EXPECT_EQ(view->findChild<CFrequencyDisplay*>()->GetBackgroundColour(), 0x33B9CCu);
    EXPECT_EQ(view->findChild<CTuningDial*>()->GetSliderColour(), 0x0000FFu);
    CSettings stored;
    stored.Load();
    EXPECT_EQ(stored.m_colFreqBackground, 0x33B9CCu);
    EXPECT_EQ(GetRegistry().GetInt(QStringLiteral("Options page"), -1), COptionsSheet::kSchemes);
}

TEST_F(ProgramOptions, SpeechOptionsOpensOnVariousAndProgramOptionsOnTheLastPage)
{
    int page = -1;
    whenModal<COptionsSheet>([&](COptionsSheet* sheet) {
        page = sheet->GetActiveIndex();
        sheet->SetActivePage(COptionsSheet::kBandPlans);
        sheet->OnCancel();
    });
    frame->OnCommand(CRadioMainFrame::ID_SPEECH_OPTIONS);
    EXPECT_EQ(page, COptionsSheet::kVarious);
    whenModal<COptionsSheet>([&](COptionsSheet* sheet) {
        page = sheet->GetActiveIndex();
        sheet->OnCancel();
    });
    frame->OnCommand(CRadioMainFrame::ID_PROGRAM_OPTIONS);
    EXPECT_EQ(page, COptionsSheet::kBandPlans);
}

TEST_F(ProgramOptions, VolumeControlIsAToolWindowWhenAMixerAnswers)
{
    ASSERT_TRUE(frame->IsMixerFound());
    frame->UpdateFrameCommands();
    QAction* action = frame->GetCommandAction(CRadioMainFrame::ID_VOLUME);
    ASSERT_NE(action, nullptr);
    EXPECT_TRUE(action->isEnabled());
    frame->OnCommand(CRadioMainFrame::ID_VOLUME);
    auto* volume = qobject_cast<CVolumeDialog*>(frame->GetToolWindow(CRadioMainFrame::ID_VOLUME));
    ASSERT_NE(volume, nullptr);
    EXPECT_TRUE(volume->isVisible());
    EXPECT_EQ(volume->GetSlider()->value(), 30);
    frame->OnCommand(CRadioMainFrame::ID_VOLUME);
    EXPECT_FALSE(volume->isVisible());
    frame->OnCommand(CRadioMainFrame::ID_VOLUME);
    EXPECT_EQ(frame->GetToolWindow(CRadioMainFrame::ID_VOLUME), volume);  // made once
}
