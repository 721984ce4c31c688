// The main window of the whole program on the simulator: its bars and
// commands, full screen, the tool windows, and message 1090 sent by another
// program (a separate process) while the simulator stands behind the radio.
#include "corvane/core/CatLink.h"
#include "corvane/core/ClosingDialog.h"
#include "corvane/core/DisplaySize.h"
#include "corvane/core/QuickSave.h"
#include "corvane/core/RadioApp.h"
#include "corvane/core/RegisteredMessages.h"
#include "corvane/core/Settings.h"
#include "corvane/core/Startup.h"
#include "corvane/frontpanel/DisplayView.h"
#include "corvane/frontpanel/FrequencyDisplay.h"
#include "corvane/frontpanel/FullScreenDialog.h"
#include "corvane/frontpanel/IOLogList.h"
#include "corvane/frontpanel/IOLogView.h"
#include "corvane/frontpanel/MeterStatic.h"
#include "corvane/frontpanel/OptionsSheet.h"
#include "corvane/frontpanel/PanelFrameServices.h"
#include "corvane/frontpanel/ProgramOptions.h"
#include "corvane/frontpanel/RadioMainFrame.h"
#include "corvane/frontpanel/StressTestDialog.h"
#include "corvane/frontpanel/TransverterDisplay.h"
#include "corvane/frontpanel/TuningDial.h"
#include "shared/artwork/ToolbarIcons.h"
#include "shared/ui/AmateurBands.h"
#include "shared/buttons/OXRoundedButton.h"
#include "platform/LocalMessaging.h"
#include "platform/Sleeper.h"
#include "shared/RegisteredEvent.h"
#include "shared/Registry.h"
#include "shared/ui/OwnComboBox.h"
#include "support/ScriptedPrompter.h"
#include "support/Simulator.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QProcess>
#include <QRegularExpression>
#include <QStatusBar>
#include <QToolBar>
#include <QWidgetAction>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {
template <class T>
void whenModal(std::function<void(T*)> action)
{
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            action(dialog);
        }
    });
    timer->start();
}

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::Sleeper::setInstance(&sleeper);
        testsupport::Simulator::Options o;
        o.sMeter = 5;
        o.extraArguments << "--alc" << "9";
        // A set-frequency frame the radio does not hear, once armed.
        o.faults << "no-answer:op=01,count=1";
        o.faultsDisarmed = true;
        sim = std::make_unique<testsupport::Simulator>(o);
        ASSERT_TRUE(sim->isRunning()) << sim->errorText().toStdString();
        qputenv("CORVANE_EXTRA_PORTS", sim->portPath().toLocal8Bit());
        const CRegistry registry;
        registry.WriteString("Startup port", sim->portPath());
        registry.WriteString("Startup speed", "38400");
        registry.WriteBool("CStartup::m_bAuto", 0);
        registry.WriteInt("CDisplaySize::m_eSize", 2);
        InstallFrontPanel();
        InstallMainFrame();
        InstallProgramOptions();
        app = std::make_unique<CRadioApp>();
        whenModal<CStartup>([](CStartup* startup) { startup->OnConnect(); });
        ASSERT_TRUE(app->InitInstance());
        frame = qobject_cast<CRadioMainFrame*>(app->GetMainFrame());
        ASSERT_NE(frame, nullptr);
        frame->showNormal();
        frame->setGeometry(20, 20, 1100, 800);
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
        CRadioMainFrame::SetScreenSizeForTesting({});
        CRadioMainFrame::SetScreenSaverResetter(nullptr);
        qunsetenv("CORVANE_EXTRA_PORTS");
        platform::Sleeper::setInstance(nullptr);
    }

    // Stops the panel's own polls so that only the test's frames go out.
    void quietPanel()
    {
        view->Panel().StopTimers();
        QTest::qWait(50);
        seen = int(sim->frames().size());
    }
    QList<QByteArray> newFrames()
    {
        const QList<QByteArray> all = sim->frames();
        const QList<QByteArray> fresh = all.mid(seen);
        seen = int(all.size());
        return fresh;
    }
    // Runs the other program; the event loop keeps turning meanwhile, as the
    // program's own does, so its requests are answered.
    QStringList remote(const QStringList& requests)
    {
        QProcess client;
        client.start(QString::fromUtf8(REMOTE_CLIENT),
                     QStringList{QStringLiteral("VE817-Corvane-QT9XVK-Application"), QStringLiteral("1090")} + requests);
        if (!client.waitForStarted(5000))
            return {QStringLiteral("did not start")};
        QElapsedTimer t;
        t.start();
        while (client.state() != QProcess::NotRunning && t.elapsed() < 15000)
            QTest::qWait(10);
        const QString out = QString::fromLocal8Bit(client.readAllStandardOutput());
        return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    platform::FakeSleeper sleeper;
    std::unique_ptr<testsupport::Simulator> sim;
    std::unique_ptr<CRadioApp> app;
    CRadioMainFrame* frame = nullptr;
    CDisplayView* view = nullptr;
    int seen = 0;
};
} // namespace

TEST_F(ProgramTest, MainWindowCarriesItsBarsMenusAndTheIoLog)
{
    QStringList menus;
    for (QAction* a : frame->menuBar()->actions())
        menus << a->text();
    EXPECT_EQ(menus, QStringList({"&File", "&Edit", "&View", "Favo&urites", "&Bands", "&Memory", "Scann&ing", "&Tools",
                                  "&Speech", "&Help"}));
    EXPECT_NE(frame->GetCommandAction(CRadioMainFrame::ID_TRANSVERTER), nullptr);
    // Windows of parts the program does not have yet have no menu item.
    EXPECT_EQ(frame->GetCommandAction(CRadioMainFrame::ID_DX_CLUSTER), nullptr);
    EXPECT_TRUE(frame->GetMainToolBar()->isVisible());
    EXPECT_FALSE(frame->GetQuickSaveBar()->isVisible());
    frame->OnCommand(CRadioMainFrame::ID_VIEW_QUICK_SAVE);
    EXPECT_TRUE(frame->GetQuickSaveBar()->isVisible());
    frame->ToggleQuickSaveBar();
    EXPECT_FALSE(frame->GetQuickSaveBar()->isVisible());

    // The panel fills the step list with the steps of its mode.
    COwnComboBox* steps = frame->GetStepCombo();
    ASSERT_NE(steps, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return view->GetFrequency() == 14070000u && steps->count() > 1; }, 5000))
        << view->GetFrequency() << " Hz, " << steps->count() << " steps";
    EXPECT_EQ(CPanelFrameServices::Get().stepCombo(), steps);

    // The I/O log: minimised, "Ready", then every exchange while tracing.
    auto* logFrame = frame->GetIoLogFrame();
    ASSERT_NE(logFrame, nullptr);
    EXPECT_TRUE(logFrame->isMinimized());
    auto* log = qobject_cast<CIOLogView*>(logFrame->widget());
    ASSERT_NE(log, nullptr);
    EXPECT_EQ(log->GetList()->GetRow(0).strComment, "Ready");
    const int before = log->GetList()->GetItemCount();
    frame->OnCommand(CRadioApp::ID_TRACE_ALL_COMMS);
    const auto sawFrequencyRead = [&] {
        for (int i = before; i < log->GetList()->GetItemCount(); ++i)
            if (log->GetList()->GetRow(i).strSent == "00 00 00 00 03")
                return true;
        return false;
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return log->GetList()->GetItemCount() > before + 5 && sawFrequencyRead(); }, 5000))
        << log->GetList()->GetItemCount() - before << " rows logged";
    frame->OnCommand(CRadioApp::ID_TRACE_ALL_COMMS);

    frame->OnCommand(CRadioMainFrame::ID_IOLOG_DISPLAY);
    EXPECT_FALSE(logFrame->isMinimized());
    EXPECT_EQ(frame->GetMdiClient()->activeSubWindow(), logFrame);
    frame->OnCommand(CRadioMainFrame::ID_RADIO_DISPLAY);
    EXPECT_EQ(frame->GetMdiClient()->activeSubWindow(), frame->GetDisplayFrame());
}

TEST_F(ProgramTest, RemoteCommandsFromAnotherProgram)
{
    QTest::qWait(300);
    quietPanel();
    // Read, tune by an offset (set, then one poll), set a frequency (no poll).
    const QStringList replies = remote({"2", "0", "0", "200", "10", "7035005", "3", "0"});
    ASSERT_EQ(replies.size(), 4) << replies.join(' ').toStdString();
    EXPECT_EQ(replies[0], "14070000");
    EXPECT_EQ(replies[1], "14070200");
    EXPECT_EQ(replies[2], "14070200");  // the frequency of the last poll
    EXPECT_EQ(replies[3], "14070200");
    const QList<QByteArray> frames = newFrames();
    ASSERT_GE(frames.size(), 4);
    EXPECT_EQ(frames.first(), hex("01 40 70 20 01"));
    EXPECT_EQ(frames[1], hex("00 00 00 00 03"));
    EXPECT_EQ(frames.mid(frames.size() - 2), QList<QByteArray>({hex("00 70 35 00 01"), hex("00 00 00 00 08")}));

    // Transmitting: the next poll shows PWR and ALC; ALC 9 sets bit 31.
    view->PollRadio(false);
    EXPECT_TRUE(view->IsShowingTxMeter());
    newFrames();
    const QStringList status = remote({"9", "0", "4", "0"});
    ASSERT_EQ(status.size(), 2) << status.join(' ').toStdString();
    const qulonglong word = status[0].toULongLong();
    EXPECT_GE(word, 0x80000000ull);
    EXPECT_EQ(word >> 28, 9u);
    EXPECT_EQ((word >> 24) & 0x0F, qulonglong(view->GetTxMeter()));
    EXPECT_EQ((word >> 8) & 0xFF, 0u);
    EXPECT_EQ(word & 1, 1u);
    EXPECT_EQ(newFrames(), QList<QByteArray>({hex("00 00 00 00 88")}));
}

TEST_F(ProgramTest, CancelledCloseLeavesTheProgramRunningAndAnsweringRemoteCommands)
{
    GetSettings().m_bPowerDown = 1;
    whenModal<CClosingDialog>([](CClosingDialog* closing) { closing->reject(); });
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_FALSE(frame->IsClosing());
    QTest::qWait(300);
    quietPanel();
    EXPECT_EQ(remote({"2", "0"}), QStringList({"14070000"}));
}

TEST_F(ProgramTest, FullScreenCoversTheScreenAndComesBackToTheSavedRectangle)
{
    CRadioMainFrame::SetScreenSizeForTesting(QSize(1280, 1024));
    const QRect before = frame->geometry();
    frame->OnCommand(CRadioMainFrame::ID_FULL_SCREEN);
    ASSERT_TRUE(frame->IsFullScreen());
    EXPECT_EQ(frame->GetSavedRect(), before);
    QMdiArea* area = frame->GetMdiClient();
    EXPECT_EQ(QRect(area->mapTo(frame, QPoint(0, 0)) + frame->geometry().topLeft(), area->size()),
              QRect(0, 0, 1280, 1024));
    frame->OnCommand(CRadioMainFrame::ID_FULL_SCREEN);
    EXPECT_FALSE(frame->IsFullScreen());
    EXPECT_EQ(frame->geometry(), before);

    // The dialog's own button ends it too, through its message.
    frame->OnCommand(CRadioMainFrame::ID_FULL_SCREEN);
    QTest::mouseClick(frame->GetFullScreenDialog()->GetButton(), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_FALSE(frame->IsFullScreen());
    EXPECT_EQ(frame->geometry(), before);
}

TEST_F(ProgramTest, ButtonSizeReopensTheFrontPanelEvenAtTheSameSize)
{
    QPointer<CDisplayView> old = view;
    frame->OnCommand(CRadioMainFrame::ID_SIZE_LARGE);
    QCoreApplication::processEvents();
    CDisplayView* now = GetDisplayView();
    ASSERT_NE(now, nullptr);
    EXPECT_TRUE(old.isNull());
    EXPECT_EQ(now->GetDisplaySizeIndex(), 2);
    frame->OnCommand(CRadioMainFrame::ID_SIZE_SMALL);
    QCoreApplication::processEvents();
    ASSERT_NE(GetDisplayView(), nullptr);
    EXPECT_EQ(GetDisplayView()->GetDisplaySizeIndex(), 0);
    EXPECT_EQ(CRegistry().GetInt("CDisplaySize::m_eSize", -1), 0);
    EXPECT_EQ(frame->GetMdiClient()->subWindowList().size(), 2);  // the panel and the I/O log
}

TEST_F(ProgramTest, TransverterWindowFollowsThePollsAndToggles)
{
    CRegistry().WriteInt("CTransverterDisplay::m_nOffset", 116000);
    frame->OnCommand(CRadioMainFrame::ID_TRANSVERTER);
    CTransverterDisplay* display = frame->GetTransverterDisplay();
    ASSERT_NE(display, nullptr);
    EXPECT_TRUE(display->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return display->GetFrequencyStatic()->GetText() == "130.070.00"; }, 5000))
        << display->GetFrequencyStatic()->GetText().toStdString();
    frame->UpdateFrameCommands();
    EXPECT_TRUE(frame->GetCommandAction(CRadioMainFrame::ID_TRANSVERTER)->isChecked());
    frame->OnCommand(CRadioMainFrame::ID_TRANSVERTER);
    EXPECT_FALSE(display->isVisible());
    frame->OnCommand(CRadioMainFrame::ID_TRANSVERTER);
    EXPECT_TRUE(display->isVisible());
    EXPECT_EQ(frame->GetTransverterDisplay(), display);  // made once
}

TEST_F(ProgramTest, LockFstAndStopScanningWriteTheRadioAndPause)
{
    QTest::qWait(300);
    quietPanel();
    ASSERT_FALSE(view->IsLocked());
    const int64_t slept = sleeper.m_totalMs;
    frame->OnCommand(CRadioMainFrame::ID_LOCK);
    EXPECT_EQ(newFrames(), QList<QByteArray>({hex("00 00 00 00 00")}));
    EXPECT_EQ(sleeper.m_totalMs - slept, 250);

    const bool fst = view->IsFstOn();
    frame->OnCommand(CRadioMainFrame::ID_FST);
    // FST is stored inverted: bit 7 of 0x57 set means off.
    EXPECT_EQ((sim->eepromByte(0x57) & 0x80) != 0, fst);

    frame->OnCommand(CRadioMainFrame::ID_SCAN_STOP);
    EXPECT_EQ(sim->eepromByte(0x79) & 0x60, 0);
}

TEST_F(ProgramTest, DesktopIconScreenSaverAndMessages)
{
    QTemporaryDir desktop;
    ASSERT_TRUE(frame->AddDesktopIcon(desktop.path()));
    const QString file = desktop.path() + "/FT-817 Corvane.desktop";
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(text.contains("Name=FT-817 Corvane"));
    EXPECT_TRUE(text.contains("Exec=\"" + QCoreApplication::applicationFilePath() + "\""));
    // The launcher shows the program's own icon, as the frame does.
    const QRegularExpression iconLine(QStringLiteral("\nIcon=([^\n]+)\n"));
    const QRegularExpressionMatch icon = iconLine.match(text);
    ASSERT_TRUE(icon.hasMatch()) << text.toStdString();
    EXPECT_EQ(QImage(icon.captured(1)).size(), QSize(256, 256));
    EXPECT_FALSE(frame->windowIcon().isNull());
    EXPECT_EQ(frame->windowIcon().pixmap(32).toImage(), artwork::applicationIcon().pixmap(32).toImage());
    // Every toolbar button shows a picture.
    for (QToolBar* bar : frame->findChildren<QToolBar*>())
        for (QAction* action : bar->actions())
            if (!action->isSeparator() && !qobject_cast<QWidgetAction*>(action))
                EXPECT_FALSE(action->icon().isNull()) << action->toolTip().toStdString();
    ASSERT_FALSE(testsupport::prompter().m_boxes.isEmpty());
    EXPECT_EQ(testsupport::prompter().m_boxes.last().text, "An icon has been added to your Desktop.");
    EXPECT_EQ(testsupport::prompter().m_boxes.last().caption, "Add Icon");
    EXPECT_FALSE(frame->AddDesktopIcon(desktop.path() + "/missing/folder"));

    int resets = 0;
    CRadioMainFrame::SetScreenSaverResetter([&] { ++resets; });
    GetSettings().m_bDisableScreenSaver = 0;
    frame->activateWindow();
    view->setFocus();
    EXPECT_FALSE(frame->OnScreenSaverTimer());
    GetSettings().m_bDisableScreenSaver = 1;
    if (QApplication::focusWidget()) {
        EXPECT_TRUE(frame->OnScreenSaverTimer());
        EXPECT_EQ(resets, 1);
    }
    GetSettings().m_bDisableScreenSaver = 0;

    // Colour changes reach the tool windows.
    frame->OnCommand(CRadioMainFrame::ID_TRANSVERTER);
    EXPECT_EQ(SendRegisteredMessage(frame, RegisteredMessage::nMsgRedrawNew), 0);
}

TEST_F(ProgramTest, StressTestPaintsTheFrontPanelWithoutRadioTrafficAndRestoresTheColours)
{
    QTest::qWait(300);
    GetSettings().Save();
    const CSettings stored = GetSettings();
    quietPanel();
    uint32_t shownFrequency = 0;
    bool frequencyChanged = false;
    whenModal<CStressTestDialog>([&](CStressTestDialog* dialog) {
        dialog->SetSeed(3);
        dialog->OnStart();
        dialog->OnTimer();
        dialog->OnTimer();
        shownFrequency = view->GetRadioState()->GetFrequency();
        frequencyChanged = GetSettings().m_colFreqBackground != stored.m_colFreqBackground;
        dialog->OnStart();
        dialog->OnCancel();
    });
    frame->OnCommand(CRadioApp::ID_STRESS_TEST);
    EXPECT_TRUE(frequencyChanged);
    EXPECT_NE(shownFrequency, 0u);
    EXPECT_EQ(GetSettings().m_colFreqBackground, stored.m_colFreqBackground);
    EXPECT_EQ(GetSettings().m_colDspForeground, stored.m_colDspForeground);
    // Not one frame to the radio.
    EXPECT_TRUE(newFrames().isEmpty());
}

TEST_F(ProgramTest, EndedStressTestLeavesThePanelShowingTheRadio)
{
    QTest::qWait(500);
    ASSERT_FALSE(view->Panel().LastPollFailed());
    const uint32_t radioFrequency = view->GetRadioState()->GetFrequency();
    const QString radioText = view->GetRadioState()->GetFrequencyText();
    ASSERT_EQ(view->GetRadioState()->GetSMeter(), 5);
    // Start, a few random pictures while the panel keeps polling, Stop, Cancel:
    // as the operator does it.
    QString drawnText;
    int drawnMeters = 0;
    whenModal<CStressTestDialog>([&](CStressTestDialog* dialog) {
        dialog->SetSeed(11);
        dialog->GetStartButton()->click();
        for (int i = 0; i < 4; ++i)
            dialog->OnTimer();
        QTest::qWait(450);
        drawnText = view->GetRadioState()->GetFrequencyText();
        for (int i = 0; i < 3; ++i)
            drawnMeters += view->Meter(i)->GetValue();
        dialog->GetStartButton()->click();  // Stop
        dialog->GetCancelButton()->click();
    });
    frame->OnCommand(CRadioApp::ID_STRESS_TEST);
    ASSERT_NE(drawnText, radioText) << "the test drew a frequency of its own";
    ASSERT_GT(drawnMeters, 0);

    // At once, before any poll: the radio's frequency, its S-meter reading,
    // and receive bars dark.
    EXPECT_EQ(view->GetRadioState()->GetFrequency(), radioFrequency);
    EXPECT_EQ(view->GetRadioState()->GetFrequencyText(), radioText);
    EXPECT_EQ(view->GetRadioState()->GetSMeter(), 5);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(view->Meter(i)->GetValue(), 0) << "meter " << i;
    // And it stays so while the radio does not change.
    QTest::qWait(500);
    EXPECT_EQ(view->GetRadioState()->GetFrequencyText(), radioText);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(view->Meter(i)->GetValue(), 0) << "meter " << i;
}

TEST_F(ProgramTest, AmateurBandTestFollowsTheBandPlanOptions)
{
    GetSettings().m_eBand40M = 2;
    EXPECT_FALSE(CAmateurBands().IsInAmateurBand(7200000));
    GetSettings().m_eBand40M = 3;
    EXPECT_TRUE(CAmateurBands().IsInAmateurBand(7200000));
    GetSettings().m_eBand40M = 2;
}

TEST_F(ProgramTest, FrontPanelCommandsOnTheToolbarsReachThePanel)
{
    QTest::qWaitFor([this] { return view->GetFrequency() == 14070000u; }, testsupport::longestWaitMs() / 2);
    ASSERT_EQ(view->GetFrequency(), 14070000u);
    // Save to location 1 from the Quick Save toolbar.
    EXPECT_TRUE(frame->OnCommand(33009));
    EXPECT_EQ(app->GetQuickSave(0).GetFrequency(), 14070000);
    // Undo is greyed until the panel has something to undo.
    frame->UpdateFrameCommands();
    QAction* undo = nullptr;
    for (QAction* a : frame->GetMainToolBar()->actions())
        if (a->property("commandId").toUInt() == CRadioMainFrame::ID_UNDO)
            undo = a;
    ASSERT_NE(undo, nullptr);
    EXPECT_FALSE(undo->isEnabled());
    view->SetFrequency(7050000);
    view->PollRadio(false);
    frame->UpdateFrameCommands();
    EXPECT_TRUE(undo->isEnabled());
    undo->trigger();
    view->PollRadio(false);
    EXPECT_EQ(view->GetFrequency(), 14070000u);
    // S-Meter History from the View menu shows the chart row.
    frame->OnCommand(CRadioMainFrame::ID_VIEW_SMETER_HISTORY);
    frame->UpdateFrameCommands();
    EXPECT_TRUE(frame->GetCommandAction(CRadioMainFrame::ID_VIEW_SMETER_HISTORY)->isChecked());
}

namespace {
// Windows of other parts, registered before the frame is made.
class RegisteredWindowsTest : public ProgramTest {
protected:
    void SetUp() override
    {
        auto make = [this](const char* name) {
            return [this, name](CRadioMainFrame* frame) -> QWidget* {
                auto* w = new QDialog(frame);
                w->setObjectName(QString::fromLatin1(name));
                ++made[QString::fromLatin1(name)];
                return w;
            };
        };
        CRadioMainFrame::RegisterToolWindow(CRadioMainFrame::ID_SCAN_BAND,
                                            {make("band"), [this](QWidget*) { ++rereads; }, true, false});
        CRadioMainFrame::RegisterToolWindow(CRadioMainFrame::ID_SCAN_MEMORY, {make("memory"), nullptr, true, false});
        CRadioMainFrame::RegisterToolWindow(CRadioMainFrame::ID_MEMORY_ANALYSER, {make("analyser"), nullptr, false, true});
        CRadioMainFrame::RegisterToolWindow(CRadioMainFrame::ID_VOLUME, {make("volume"), nullptr, false, false});
        CRadioMainFrame::RegisterModalCommand(CRadioMainFrame::ID_CALIBRATION, [this](CRadioMainFrame*) { ++modal; });
        ProgramTest::SetUp();
    }
    void TearDown() override
    {
        ProgramTest::TearDown();
        for (unsigned id : {CRadioMainFrame::ID_SCAN_BAND, CRadioMainFrame::ID_SCAN_MEMORY,
                            CRadioMainFrame::ID_MEMORY_ANALYSER, CRadioMainFrame::ID_VOLUME})
            CRadioMainFrame::RegisterToolWindow(id, {});
        CRadioMainFrame::RegisterModalCommand(CRadioMainFrame::ID_CALIBRATION, nullptr);
    }
    QMap<QString, int> made;
    int rereads = 0;
    int modal = 0;
};
} // namespace

TEST_F(RegisteredWindowsTest, ToolWindowsToggleAndTheScanWindowsExcludeEachOther)
{
    ASSERT_NE(frame->GetCommandAction(CRadioMainFrame::ID_SCAN_BAND), nullptr);
    frame->OnCommand(CRadioMainFrame::ID_SCAN_MEMORY);
    QWidget* memory = frame->GetToolWindow(CRadioMainFrame::ID_SCAN_MEMORY);
    ASSERT_NE(memory, nullptr);
    EXPECT_TRUE(memory->isVisible());
    // Scanning > Band closes the memory scan and opens the band scan.
    frame->OnCommand(CRadioMainFrame::ID_SCAN_BAND);
    QCoreApplication::processEvents();
    QWidget* band = frame->GetToolWindow(CRadioMainFrame::ID_SCAN_BAND);
    ASSERT_NE(band, nullptr);
    EXPECT_TRUE(band->isVisible());
    EXPECT_FALSE(memory->isVisible());
    frame->UpdateFrameCommands();
    EXPECT_TRUE(frame->GetCommandAction(CRadioMainFrame::ID_SCAN_BAND)->isChecked());
    EXPECT_FALSE(frame->GetCommandAction(CRadioMainFrame::ID_SCAN_MEMORY)->isChecked());
    // Its command closes it (posted); shown again it first rereads, and is made once.
    frame->OnCommand(CRadioMainFrame::ID_SCAN_BAND);
    EXPECT_TRUE(band->isVisible());
    QCoreApplication::processEvents();
    EXPECT_FALSE(band->isVisible());
    frame->OnCommand(CRadioMainFrame::ID_SCAN_BAND);
    EXPECT_TRUE(band->isVisible());
    EXPECT_EQ(rereads, 1);
    EXPECT_EQ(made.value("band"), 1);

    // The analyser's command never hides it.
    frame->OnCommand(CRadioMainFrame::ID_MEMORY_ANALYSER);
    frame->OnCommand(CRadioMainFrame::ID_MEMORY_ANALYSER);
    EXPECT_TRUE(frame->GetToolWindow(CRadioMainFrame::ID_MEMORY_ANALYSER)->isVisible());

    // Without a sound-card mixer the volume window cannot be asked for.
    frame->UpdateFrameCommands();
    EXPECT_EQ(frame->GetCommandAction(CRadioMainFrame::ID_VOLUME)->isEnabled(), frame->IsMixerFound());

    frame->OnCommand(CRadioMainFrame::ID_CALIBRATION);
    EXPECT_EQ(modal, 1);
}

TEST_F(ProgramTest, OptionCommandsOpenTheOptionsSheetOnTheirPage)
{
    int shown = 0;
    whenModal<COptionsSheet>([&](COptionsSheet* sheet) {
        ++shown;
        sheet->OnCancel();
    });
    frame->OnCommand(CRadioMainFrame::ID_SPEECH_OPTIONS);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(CRegistry().GetInt("Options page", -1), 6);
    whenModal<COptionsSheet>([&](COptionsSheet* sheet) {
        ++shown;
        sheet->OnCancel();
    });
    frame->OnCommand(CRadioMainFrame::ID_COLOUR_SCHEMES);
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(CRegistry().GetInt("Options page", -1), 0);
}

TEST_F(ProgramTest, DigitalModeProgramAlreadyRunningIsBroughtForward)
{
    platform::LocalEndpoint brevio;
    QList<uint32_t> messages;
    brevio.setHandler([&](uint32_t message, uint32_t wParam, int32_t) {
        messages << message << wParam;
        return 0u;
    });
    ASSERT_TRUE(brevio.listen("PSK31-Brevio-QT9XVK-Application"));
    frame->OnCommand(CRadioMainFrame::ID_PSK31);
    QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 2, 3000);
    EXPECT_EQ(messages[0], CBaseApp::WM_ACTIVATE);
    EXPECT_EQ(messages[1], CBaseApp::WA_ACTIVE);
}

TEST_F(ProgramTest, TuningDialHighlightsTheBandThePollFindsTheRadioIn)
{
    GetSettings().m_bTuningDialHighlightBand = 1;
    CTuningDial* dial = view->GetTuningDial();
    ASSERT_NE(dial, nullptr);
    auto highlighted = [dial]() -> const CBandPlanEntry* {
        return dial->GetBandPlan().GetEntry(dial->GetDrawing().nHighlighted);
    };
    // The panel's own polls find the radio's band first.
    QTest::qWaitFor([&] { return highlighted() != nullptr; }, testsupport::longestWaitMs() / 2);
    quietPanel();
    ASSERT_NE(highlighted(), nullptr);
    EXPECT_TRUE(highlighted()->Contains(14070000));
    view->SetFrequency(7050000);
    view->PollRadio(false);
    ASSERT_NE(highlighted(), nullptr);
    EXPECT_TRUE(highlighted()->Contains(7050000));
    EXPECT_TRUE(dial->IsMarkerDrawn());
    EXPECT_EQ(dial->GetMarkerEntry(), dial->GetDrawing().nHighlighted);
}

// A frequency the radio does not take (one it cannot receive, or a frame it
// did not hear) is told in the status bar once the next poll finds the
// radio where it was; one it takes, and a poll after nothing was sent,
// leave the status bar alone.
TEST_F(ProgramTest, AFrequencyTheRadioDidNotTakeIsToldInTheStatusBar)
{
    QTest::qWait(300);
    quietPanel();
    QStatusBar* status = frame->statusBar();
    const QString ready = CMainFrame::IdleMessage();
    status->showMessage(ready);
    view->SetFrequency(7050000);
    view->PollRadio(false);
    ASSERT_EQ(view->GetFrequency(), 7050000u);
    EXPECT_EQ(status->currentMessage(), ready);

    // A favourite or a remote program may still send what the radio cannot receive.
    view->SetFrequency(999000000);
    EXPECT_TRUE(newFrames().contains(hex("99 90 00 00 01")));
    view->PollRadio(false);
    EXPECT_EQ(view->GetFrequency(), 7050000u);
    EXPECT_EQ(status->currentMessage(), "The FT-817 did not take 999.000.000 MHz: it stays on 7.050.000 MHz.");

    status->showMessage(ready);
    view->PollRadio(false);
    EXPECT_EQ(status->currentMessage(), ready) << "said once, for the poll after the frequency was sent";

    ASSERT_TRUE(sim->setFaultsArmed(true));
    view->SetFrequency(14200000);
    view->PollRadio(false);
    EXPECT_EQ(status->currentMessage(), "The FT-817 did not take 14.200.000 MHz: it stays on 7.050.000 MHz.");
}
