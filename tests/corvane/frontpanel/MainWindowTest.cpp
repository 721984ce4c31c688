// The whole program on the simulator: start-up, the main window with the
// front panel opened from its document template, and the panel polling.
// Under a real display with CORVANE_SCREENSHOT_DIR set the main window is
// photographed in each front-panel size (docs/ holds the pictures, taken with
//   CORVANE_SCREENSHOT_DIR=docs QT_QPA_PLATFORM=xcb xvfb-run -a -s '-screen 0 1400x1000x24' \
//     build/tests/corvane_frontpanel_tests --gtest_filter='ProgramWindow.*');
// otherwise it runs offscreen and the panel's state is checked.
#include "corvane/core/MainFrame.h"
#include "corvane/core/RadioApp.h"
#include "corvane/core/Settings.h"
#include "corvane/core/QuickSave.h"
#include "corvane/core/Startup.h"
#include "shared/ui/BaseDialog.h"
#include "corvane/frontpanel/DisplayFrame.h"
#include "corvane/frontpanel/DisplayView.h"
#include "corvane/frontpanel/FormLayout.h"
#include "corvane/frontpanel/FrequencyDisplay.h"
#include "corvane/frontpanel/PanelFrameServices.h"
#include "corvane/frontpanel/RadioMainFrame.h"
#include "platform/Sleeper.h"
#include "shared/Registry.h"
#include "support/ScriptedPrompter.h"
#include "support/Simulator.h"

#include <QApplication>
#include <functional>
#include "shared/buttons/OXRoundedButton.h"
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
void runProgram(int size, const QString& picture, const QStringList& pokes = {},
                std::function<void(CDisplayView*)> check = nullptr)
{
    platform::FakeSleeper sleeper;
    platform::Sleeper::setInstance(&sleeper);
    testsupport::Simulator::Options o;
    o.sMeter = 11;
    o.pokes = pokes;
    testsupport::Simulator sim(o);
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    qputenv("CORVANE_EXTRA_PORTS", sim.portPath().toLocal8Bit());
    const CRegistry registry;
    registry.WriteString("Startup port", sim.portPath());
    registry.WriteString("Startup speed", "38400");
    registry.WriteBool("CStartup::m_bAuto", 0);
    registry.WriteInt("CDisplaySize::m_eSize", size);

    InstallFrontPanel();
    InstallMainFrame();
    CRadioApp app;
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer] {
        auto* startup = qobject_cast<CStartup*>(QApplication::activeModalWidget());
        if (!startup)
            return;
        timer->stop();
        timer->deleteLater();
        startup->OnConnect();
    });
    timer->start();
    ASSERT_TRUE(app.InitInstance());

    CMainFrame* frame = app.GetMainFrame();
    ASSERT_NE(frame, nullptr);
    auto* view = dynamic_cast<CDisplayView*>(app.GetDisplayView());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetDisplaySizeIndex(), size);
    frame->showNormal();
    const QSize form = CFormLayout::FormSize(size);
    frame->setGeometry(30, 30, form.width() + 80, form.height() + 170);
    // A few polls of the real timer, the last of them answered.
    const int polled = view->Panel().GetRenderedPolls();
    EXPECT_TRUE(QTest::qWaitFor([&] { return view->Panel().GetRenderedPolls() >= polled + 3; }, 10000))
        << view->Panel().GetRenderedPolls() - polled << " polls shown";
    EXPECT_FALSE(view->Panel().LastPollFailed());
    if (check) {
        check(view);
    } else {
        EXPECT_EQ(view->GetFrequency(), 14070000u);
        EXPECT_EQ(view->GetRadioState()->GetFrequencyText(), "14.070.00");
    }

    const QString dir = qEnvironmentVariable("CORVANE_SCREENSHOT_DIR");
    if (!dir.isEmpty() && !picture.isEmpty() && QGuiApplication::platformName() == QLatin1String("xcb")) {
        QTest::qWait(500);
        const QRect r = frame->frameGeometry();
        const QPixmap shot = frame->screen()->grabWindow(0, r.x(), r.y(), r.width(), r.height());
        EXPECT_TRUE(shot.save(dir + QLatin1Char('/') + picture + QStringLiteral(".png")));
    }
    GetSettings().m_bPowerDown = 0;
    frame->close();
    CPanelFrameServices::InstallDefaults();
    qunsetenv("CORVANE_EXTRA_PORTS");
    platform::Sleeper::setInstance(nullptr);
}
} // namespace

TEST(ProgramWindow, Small) { runProgram(0, "corvane-main-window-small"); }
TEST(ProgramWindow, Medium) { runProgram(1, "corvane-main-window-medium"); }
TEST(ProgramWindow, Large) { runProgram(2, "corvane-main-window-large"); }

TEST(ProgramWindow, MemoryModeFindsTheChannelInTheLoadedListAndShowsItsTag)
{
    // Memory mode on channel 4 (433.500 FM narrow, tagged "UHF S").
    runProgram(1, QString(), {QStringLiteral("0055=C0"), QStringLiteral("044F=04")}, [](CDisplayView* view) {
        EXPECT_TRUE(view->IsMemoryMode());
        EXPECT_EQ(view->GetMemoryChannel(), 4);
        EXPECT_EQ(view->GetRadioState()->CaptionText(), "MEMORY-005");
        EXPECT_EQ(view->Panel().Model().Display().strLabel.trimmed(), "UHF S");
        EXPECT_TRUE(view->Button(1107)->IsEnabled());  // M -> A
    });
}

TEST(ProgramWindow, QuickSaveUndoAndMenuCommandsReachThePanel)
{
    runProgram(1, QString(), {}, [](CDisplayView* view) {
        CRadioApp* app = GetRadioApp();
        // Save to location 1 through the application's command path.
        ASSERT_TRUE(app->OnCommand(33009));
        EXPECT_EQ(app->GetQuickSave(0).GetFrequency(), 14070000);
        CCmdUI load;
        load.m_nID = 32997;
        app->OnUpdateCommand(load);
        EXPECT_TRUE(load.m_bEnabled);
        // Tune away through the panel (recorded for Undo), poll, then Undo.
        view->SetFrequency(7050000);
        view->PollRadio(false);
        EXPECT_EQ(view->GetFrequency(), 7050000u);
        CCmdUI undo;
        undo.m_nID = 32812;
        app->OnUpdateCommand(undo);
        EXPECT_TRUE(undo.m_bEnabled);
        ASSERT_TRUE(app->OnCommand(32812));
        view->PollRadio(false);
        EXPECT_EQ(view->GetFrequency(), 14070000u);
        // Load from location 1 after tuning away again.
        view->SetFrequency(7050000);
        view->PollRadio(false);
        ASSERT_TRUE(app->OnCommand(32997));
        view->PollRadio(false);
        EXPECT_EQ(view->GetFrequency(), 14070000u);
        // Fine Tuning opens and is checked; S-Meter History shows the chart.
        ASSERT_TRUE(app->OnCommand(32922));
        EXPECT_TRUE(view->IsCommandChecked(32922));
        ASSERT_TRUE(app->OnCommand(32916));
        CCmdUI history;
        history.m_nID = 32916;
        app->OnUpdateCommand(history);
        EXPECT_EQ(history.m_nCheck, 1);
    });
}
