// Band definitions and scans in the running program on the FT-817
// simulator: what the start-up loads, the Bands window from the front
// panel's button, the application's Load Defaults, the scan windows from
// the main window's commands and from stored definitions, the navigator's
// Scanning group, and a band scan followed through the front panel's polls.
// Under a real display with CORVANE_SCREENSHOT_DIR set the Scan Band window
// is photographed during a scan as docs/corvane-band-scan.png; take it with
//   CORVANE_SCREENSHOT_DIR=docs QT_QPA_PLATFORM=xcb xvfb-run -a -s '-screen 0 1400x1000x24'
//   build/tests/corvane_organisers_tests --gtest_filter='BandsAndScansProgram.Screenshot'
// (one command line).
#include "corvane/core/RadioApp.h"
#include "corvane/core/Settings.h"
#include "corvane/core/Startup.h"
#include "corvane/frontpanel/DisplayView.h"
#include "corvane/frontpanel/PanelFrameServices.h"
#include "corvane/frontpanel/PanelForm.h"
#include "corvane/frontpanel/ProgramOptions.h"
#include "corvane/frontpanel/RadioMainFrame.h"
#include "corvane/frontpanel/TuningDial.h"
#include "corvane/organisers/BandSetList.h"
#include "corvane/organisers/BandsAndScans.h"
#include "corvane/organisers/BandsDialog.h"
#include "corvane/organisers/NavigatorBar.h"
#include "corvane/organisers/Organisers.h"
#include "corvane/organisers/ScanBandDialog.h"
#include "corvane/organisers/ScanDefinitions.h"
#include "corvane/organisers/ScanGraph.h"
#include "corvane/organisers/ScanMemoryDialog.h"
#include "platform/Sleeper.h"
#include "shared/Registry.h"
#include "shared/edit/FrequencyEdit.h"
#include "shared/shortcutbar/OXSHBListCtrl.h"
#include "shared/ui/OwnListCtrl.h"
#include "support/ScriptedPrompter.h"
#include "support/Simulator.h"
#include "support/TestEnvironment.h"
#include "OrganiserTestSupport.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

using orgtest::whenModal;

namespace {

class BandsAndScansProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::Sleeper::setInstance(&sleeper);
        GetBandSets().RemoveAll();
        GetScanDefinitions().RemoveAll();
        // Stored before the start: two band sets, one of them offered, and
        // a band scan and a memory scan.
        CBandSetList sets;
        CBandSet set;
        set.SetTitle(QStringLiteral("Hidden"));
        sets.AddCopy(set);
        set.SetTitle(QStringLiteral("Low bands"));
        set.SetEnabled(1);
        set.AddBand(1, 3500000, 3800000, QStringLiteral("80m"));
        set.AddBand(1, 7000000, 7100000, QStringLiteral("40m"));
        sets.AddCopy(set);
        ASSERT_TRUE(sets.SaveDefinitions());
        CScanDefinitions scans;
        scans.AddMemoryScan(QStringLiteral("Repeaters"), {QStringLiteral("RPT R7  ")}, 0);
        scans.AddBandScan(QStringLiteral("40m CW"), 7000000, 7040000, 2, 0);
        ASSERT_TRUE(scans.Save());

        testsupport::Simulator::Options o;
        o.sMeter = -1;
        sim = std::make_unique<testsupport::Simulator>(o);
        ASSERT_TRUE(sim->isRunning()) << sim->errorText().toStdString();
        qputenv("CORVANE_EXTRA_PORTS", sim->portPath().toLocal8Bit());
        const CRegistry registry;
        registry.WriteString("Startup port", sim->portPath());
        registry.WriteString("Startup speed", "38400");
        registry.WriteBool("CStartup::m_bAuto", 0);
        registry.WriteInt("CDisplaySize::m_eSize", 1);
        InstallFrontPanel();
        InstallMainFrame();
        InstallProgramOptions();
        InstallOrganisers();
        InstallBandsAndScans();
        app = std::make_unique<CRadioApp>();
        whenModal<CStartup>([](CStartup* startup) { startup->OnConnect(); });
        ASSERT_TRUE(app->InitInstance());
        frame = qobject_cast<CRadioMainFrame*>(app->GetMainFrame());
        ASSERT_NE(frame, nullptr);
        frame->showNormal();
        frame->setGeometry(20, 20, 1200, 820);
        view = GetDisplayView();
        ASSERT_NE(view, nullptr);
        QTest::qWait(300);
    }
    void TearDown() override
    {
        if (frame) {
            GetSettings().m_bPowerDown = 0;
            frame->close();
        }
        app.reset();
        CPanelFrameServices::InstallDefaults();
        qunsetenv("CORVANE_EXTRA_PORTS");
        platform::Sleeper::setInstance(nullptr);
        GetBandSets().RemoveAll();
        GetScanDefinitions().RemoveAll();
    }
    uint8_t byteAt(int address) const { return sim->eepromByte(address); }

    platform::FakeSleeper sleeper;
    std::unique_ptr<testsupport::Simulator> sim;
    std::unique_ptr<CRadioApp> app;
    CRadioMainFrame* frame = nullptr;
    CDisplayView* view = nullptr;
};

QStringList rows(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

} // namespace

TEST_F(BandsAndScansProgram, StartUpLoadsBandSetsAndScans)
{
    ASSERT_EQ(GetBandSets().GetCount(), 2);
    EXPECT_EQ(GetBandSets().GetAt(0)->GetTitle(), "Hidden");
    QStringList scans;
    GetScanDefinitions().GetTitles(scans);
    EXPECT_EQ(scans, QStringList({"40m CW", "Repeaters"})) << "sorted by the load";

    // The navigator lists the enabled set and both scans.
    CNavigatorBar* bar = GetNavigatorBar();
    ASSERT_NE(bar, nullptr);
    QStringList scanning;
    for (int i = 0; i < bar->GetScanningList()->GetItemCount(); ++i)
        scanning << bar->GetScanningList()->GetItemText(i);
    EXPECT_EQ(scanning, QStringList({"Manager", "[Default] Scan Band", "[Default] Scan Memory", "40m CW", "Repeaters"}));
}

TEST_F(BandsAndScansProgram, BandsWindowFromThePanelSetsTheTuningDial)
{
    view->RunCommand(CBandsDialog::ID_BANDS_BUTTON);
    CBandsDialog* bands = GetBandsDialog();
    ASSERT_NE(bands, nullptr);
    EXPECT_TRUE(bands->isVisible());
    EXPECT_EQ(rows(bands->List()), QStringList({"160m - 10m", "160m - 70cm", "VHF - UHF", "Shortwave", "Low bands"}));

    bands->List()->setCurrentRow(4);
    EXPECT_EQ(view->GetTuningDial()->GetTitle(), "Low bands");
    EXPECT_EQ(view->GetTuningDial()->GetBandPlan().GetCount(), 2);
    EXPECT_EQ(uint32_t(GetRegistry().GetInt(QStringLiteral("Tuning Range"), 0)), 0x80000001u);
    bands->List()->setCurrentRow(2);
    EXPECT_EQ(view->GetTuningDial()->GetTitle(), "VHF - UHF");
    EXPECT_EQ(GetRegistry().GetInt(QStringLiteral("Tuning Range"), 0), 2);

    // The button again hides the window; once more brings it back.
    view->RunCommand(CBandsDialog::ID_BANDS_BUTTON);
    EXPECT_FALSE(bands->isVisible());
    view->RunCommand(CBandsDialog::ID_BANDS_BUTTON);
    EXPECT_TRUE(bands->isVisible());

    // Load Defaults of the application: asked, saved, and the window and
    // navigator refilled.
    CBandSetList::SetShippedFolder(QDir(testsupport::buildDir()).filePath(QStringLiteral("bin")));
    testsupport::prompter().clear();
    testsupport::prompter().m_answers.push_back(platform::IDYES);
    EXPECT_TRUE(app->OnCommand(CRadioApp::ID_BANDS_DEFAULTS));
    CBandSetList::SetShippedFolder(QString());
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].text,
              "This will replace the current custom band definitions with the default band definitions.\n \nContinue?");
    EXPECT_EQ(testsupport::prompter().m_boxes[0].caption, "Load Defaults");
    EXPECT_EQ(bands->List()->item(4)->text(), "Amateur HF");
    CBandSetList saved;
    saved.LoadFile(6);
    EXPECT_EQ(saved.GetAt(0)->GetTitle(), "Amateur HF");
}

TEST_F(BandsAndScansProgram, ScanWindowsFromTheMainWindowExcludeEachOther)
{
    frame->OnCommand(CRadioMainFrame::ID_SCAN_BAND);
    auto* band = qobject_cast<CScanBandDialog*>(frame->GetToolWindow(CRadioMainFrame::ID_SCAN_BAND));
    ASSERT_NE(band, nullptr);
    EXPECT_TRUE(band->isVisible());
    frame->OnCommand(CRadioMainFrame::ID_SCAN_MEMORY);
    auto* memory = qobject_cast<CScanMemoryDialog*>(frame->GetToolWindow(CRadioMainFrame::ID_SCAN_MEMORY));
    ASSERT_NE(memory, nullptr);
    QTRY_VERIFY_WITH_TIMEOUT(!band->isVisible(), 2000);
    EXPECT_TRUE(memory->isVisible());
    EXPECT_EQ(memory->List()->GetItemCount(), 8);

    // A stored band scan brings the Scan Band window back with its range.
    StartScan(0);
    QTRY_VERIFY_WITH_TIMEOUT(band->isVisible() && !memory->isVisible(), 2000);
    EXPECT_EQ(band->GetTitle(), "40m CW");
    EXPECT_EQ(band->ToEdit()->GetFrequency(), 7040000u);
    // A stored memory scan: the Scan Memory window checks its channels.
    StartScan(1);
    QTRY_VERIFY_WITH_TIMEOUT(memory->isVisible(), 2000);
    EXPECT_EQ(memory->CountChecked(), 1);
    EXPECT_EQ(memory->GetTitle(), "Repeaters");
    // Another kind does nothing.
    GetScanDefinitions().GetAt(0)->SetKind(5);
    StartScan(0);
    EXPECT_TRUE(memory->isVisible());
}

TEST_F(BandsAndScansProgram, ABandScanFollowsTheFrontPanelsPolls)
{
    frame->OnCommand(CRadioMainFrame::ID_SCAN_BAND);
    auto* band = qobject_cast<CScanBandDialog*>(frame->GetToolWindow(CRadioMainFrame::ID_SCAN_BAND));
    ASSERT_NE(band, nullptr);
    band->FromEdit()->SetFrequency(14000000);
    band->ToEdit()->SetFrequency(14060000);
    band->OnOK();
    // The panel's next poll reads the scan bits and tells the window.
    QTRY_COMPARE_WITH_TIMEOUT(band->windowTitle(), QStringLiteral("Scan Band (Scanning)"), 3000);
    EXPECT_TRUE(view->IsScanning());
    QTRY_VERIFY_WITH_TIMEOUT(band->Graph()->GetReadingCount() > 20, 8000);
    // Stop from the main window: the radio stops, the window follows.
    frame->OnCommand(CRadioMainFrame::ID_SCAN_STOP);
    EXPECT_EQ(byteAt(0x79) & 0x60, 0);
    QTRY_COMPARE_WITH_TIMEOUT(band->windowTitle(), QStringLiteral("Scan Band"), 3000);
    EXPECT_FALSE(band->Scanner().IsPlotting());
}

TEST_F(BandsAndScansProgram, Screenshot)
{
    const QString dir = qEnvironmentVariable("CORVANE_SCREENSHOT_DIR");
    if (dir.isEmpty() || QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "screenshots are taken under a real display only";
    frame->OnCommand(CRadioMainFrame::ID_SCAN_BAND);
    auto* band = qobject_cast<CScanBandDialog*>(frame->GetToolWindow(CRadioMainFrame::ID_SCAN_BAND));
    ASSERT_NE(band, nullptr);
    band->resize(640, 380);
    band->move(frame->geometry().center() - QPoint(320, 190));
    band->FromEdit()->SetFrequency(14000000);
    band->ToEdit()->SetFrequency(14100000);
    band->OnOK();
    QTRY_VERIFY_WITH_TIMEOUT(band->Graph()->GetReadingCount() > 120, 15000);
    QTest::qWait(300);
    const QRect r = frame->frameGeometry();
    const QPixmap shot = frame->screen()->grabWindow(0, r.x(), r.y(), r.width(), r.height());
    EXPECT_TRUE(shot.save(dir + QStringLiteral("/corvane-band-scan.png")));
}
