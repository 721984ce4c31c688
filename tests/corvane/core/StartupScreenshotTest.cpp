// The start-up as the operator sees it, on the simulator: the search rows,
// the memory load with its progress, then the main window. Under a real
// display with CORVANE_SCREENSHOT_DIR set the screens are photographed
// (docs/ holds them, taken with
//   CORVANE_SCREENSHOT_DIR=docs QT_QPA_PLATFORM=xcb xvfb-run -a -s '-screen 0 1280x900x24' \
//     build/tests/corvane_core_tests --gtest_filter='StartupScreens.*');
// otherwise the same start-up runs offscreen and only its states are checked.
#include "corvane/core/MainFrame.h"
#include "corvane/core/MemoryChannelList.h"
#include "corvane/core/RadioApp.h"
#include "corvane/core/Settings.h"
#include "corvane/core/Startup.h"
#include "platform/Sleeper.h"
#include "shared/Registry.h"
#include "shared/ui/BarMeter.h"
#include "shared/ui/OwnListCtrl.h"
#include "support/ScriptedPrompter.h"
#include "support/Simulator.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

bool Photograph(QWidget* w, const QString& name)
{
    const QString dir = qEnvironmentVariable("CORVANE_SCREENSHOT_DIR");
    if (dir.isEmpty() || QGuiApplication::platformName() != QLatin1String("xcb"))
        return false;
    QCoreApplication::processEvents();
    const QRect frame = w->frameGeometry();
    const QPixmap shot = w->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    return shot.save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// Waits of the radio link pass at once, except that one pause in the middle
// of the memory load is where the start-up dialog is photographed.
class PhotoSleeper : public platform::FakeSleeper {
public:
    void sleepMs(int ms) override
    {
        if (ms == 20 && onEepromPause) {
            auto action = std::move(onEepromPause);
            onEepromPause = nullptr;
            action();
        }
        platform::FakeSleeper::sleepMs(ms);
    }
    std::function<void()> onEepromPause;
};

} // namespace

TEST(StartupScreens, SearchMemoryLoadAndMainWindow)
{
    PhotoSleeper sleeper;
    platform::Sleeper::setInstance(&sleeper);
    testsupport::Simulator::Options o;
    o.baud = 4800;
    // Channel 100 holds a record with its clarifier on: switching it off
    // pauses the load half-way, with the progress bar showing.
    o.pokes << QStringLiteral("045C=10") << QStringLiteral("0EAC=01004000") << QStringLiteral("0EB6=0015BE6800000000")
            << QStringLiteral("0EBE=4458204E45542020");
    testsupport::Simulator sim(o);
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    qputenv("CORVANE_EXTRA_PORTS", sim.portPath().toLocal8Bit());
    const CRegistry registry;
    registry.WriteString("Startup port", sim.portPath());
    registry.WriteString("Startup speed", "4800");
    registry.WriteBool("CStartup::m_bAuto", 0);

    CRadioApp app;
    QString progressAtPause;
    int rowsAtQuestion = 0;
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [&, timer] {
        auto* startup = qobject_cast<CStartup*>(QApplication::activeModalWidget());
        if (!startup)
            return;
        timer->stop();
        timer->deleteLater();
        QTest::qWait(300);
        Photograph(startup, QStringLiteral("corvane-startup-dialog"));
        sleeper.onEepromPause = [&, startup] {
            progressAtPause = startup->GetProgressHistory().last();
            Photograph(startup, QStringLiteral("corvane-startup-loading"));
        };
        // The radio is set to 4800: the speed question comes once the radio
        // has answered.
        testsupport::prompter().m_answers = {platform::IDYES};
        startup->OnConnect();
        rowsAtQuestion = startup->GetList()->GetItemCount();
    });
    timer->start();
    ASSERT_TRUE(app.InitInstance());
    EXPECT_EQ(progressAtPause, "Loading memory... 101 / 202");
    EXPECT_EQ(rowsAtQuestion, 2);
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);

    CMainFrame* frame = app.GetMainFrame();
    ASSERT_NE(frame, nullptr);
    frame->showNormal();
    frame->setGeometry(40, 40, 1100, 760);
    QTest::qWait(400);
    Photograph(frame, QStringLiteral("corvane-main-window"));
    EXPECT_TRUE(frame->isVisible());

    EXPECT_EQ(app.GetMemoryList().GetChannel(100)->GetTag(), "DX NET  ");
    GetSettings().m_bPowerDown = 0;
    frame->close();
    qunsetenv("CORVANE_EXTRA_PORTS");
    platform::Sleeper::setInstance(nullptr);
}
