// The whole program on the simulator: start-up, the main window with the
// front panel opened from its document template, and the panel polling.
// Under a real display with CORVANE_SCREENSHOT_DIR set the main window is
// photographed in each front-panel size (docs/ holds the pictures, taken with
//   CORVANE_SCREENSHOT_DIR=docs QT_QPA_PLATFORM=xcb xvfb-run -a -s '-screen 0 1400x1000x24' \
//     build/tests/frontpanel_tests --gtest_filter='ProgramWindow.*');
// otherwise it runs offscreen and the panel's state is checked.
#include "core/MainFrame.h"
#include "core/RadioApp.h"
#include "core/Settings.h"
#include "core/Startup.h"
#include "frontpanel/DisplayFrame.h"
#include "frontpanel/DisplayView.h"
#include "frontpanel/FormLayout.h"
#include "frontpanel/FrequencyDisplay.h"
#include "frontpanel/PanelFrameServices.h"
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
    // A few polls of the real timer.
    QTest::qWait(900);
    EXPECT_FALSE(view->Panel().LastPollFailed());
    if (check) {
        check(view);
    } else {
        EXPECT_EQ(view->GetFrequency(), 14070000u);
        EXPECT_EQ(view->GetRadioState()->GetFrequencyText(), "00704001");
    }

    const QString dir = qEnvironmentVariable("CORVANE_SCREENSHOT_DIR");
    if (!dir.isEmpty() && QGuiApplication::platformName() == QLatin1String("xcb")) {
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
