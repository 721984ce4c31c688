#include "RecordingDsp.h"
#include "platform/Program.h"
#include "platform/Sleeper.h"
#include "brevio/core/CustomiseDialog.h"
#include "brevio/core/FormRx.h"
#include "brevio/core/LogView.h"
#include "brevio/core/MainFrame.h"
#include "brevio/core/PSK31App.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/core/RadioToolBar.h"
#include "shared/ShellOpen.h"
#include "shared/artwork/ToolbarIcons.h"
#include "shared/Registry.h"
#include "support/LayoutCheck.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeySequence>
#include <optional>
#include <thread>
#include "platform/LocalMessaging.h"
#include "brevio/core/AboutDialog.h"
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>
#include <QWidgetAction>
#include <gtest/gtest.h>

namespace {

class Startup : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setProgram(platform::brevioIdentity());
        platform::Sleeper::setInstance(&m_sleeper);
        CurrentSettings().SetDefaults();
        PreviousSettings().SetDefaults();
    }
    void TearDown() override
    {
        TheApp().DestroyWindows();
        TheApp().ExitInstance();
        TheApp().ReleaseMutex();
        TheApp().SetStartupDialogRunner(nullptr);
        TheApp().SetDspLibraryPath(QString());
        ForgetDspLibrary();
        platform::Sleeper::setInstance(nullptr);
        platform::setProgram(platform::corvaneIdentity());
    }
    static bool AnyMainWindowShown()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<CMainFrame*>(w) && w->isVisible())
                return true;
        return false;
    }
    // Runs the start-up with the recording engine and a chosen layout.
    bool Start(int layout)
    {
        TheApp().SetDspLibraryPath(QString::fromUtf8(DSP_RECORDER));
        TheApp().SetStartupDialogRunner([layout](CMainFrame*, int* pnLayout) {
            *pnLayout = layout;
            return int(QDialog::Accepted);
        });
        return TheApp().InitInstance({QStringLiteral("brevio")});
    }
    platform::FakeSleeper m_sleeper;
};

TEST_F(Startup, MissingLibraryShowsOneBoxAndNoMainWindow)
{
    TheApp().SetDspLibraryPath(testsupport::dataFolder() + QStringLiteral("/nowhere/libpskmodem117.so"));
    bool dialogRan = false;
    TheApp().SetStartupDialogRunner([&](CMainFrame*, int*) {
        dialogRan = true;
        return int(QDialog::Accepted);
    });
    EXPECT_FALSE(TheApp().InitInstance({QStringLiteral("brevio")}));
    const auto& boxes = testsupport::prompter().m_boxes;
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0].text.startsWith(QStringLiteral("Cannot find "))) << boxes[0].text.toStdString();
    EXPECT_EQ(boxes[0].caption, QStringLiteral("Error"));
    EXPECT_FALSE(dialogRan);
    EXPECT_EQ(TheApp().GetMainFrame(), nullptr);
    EXPECT_FALSE(AnyMainWindowShown());
}

#ifdef DSP_STUB_MISSING
TEST_F(Startup, TwoMissingNamesShowTwoBoxesAndNoMainWindow)
{
    TheApp().SetDspLibraryPath(QString::fromUtf8(DSP_STUB_MISSING));
    EXPECT_FALSE(TheApp().InitInstance({QStringLiteral("brevio")}));
    const auto& boxes = testsupport::prompter().m_boxes;
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_TRUE(boxes[0].text.startsWith(QStringLiteral("Unable to find 'fnGetSyncData' in ")));
    EXPECT_TRUE(boxes[1].text.startsWith(QStringLiteral("Unable to find 'fnGetDebugData' in ")));
    EXPECT_FALSE(AnyMainWindowShown());
}
#endif

TEST_F(Startup, CancelledLayoutDialogEndsStartup)
{
    TheApp().SetDspLibraryPath(QString::fromUtf8(DSP_RECORDER));
    TheApp().SetStartupDialogRunner([](CMainFrame*, int*) { return int(QDialog::Rejected); });
    EXPECT_FALSE(TheApp().InitInstance({QStringLiteral("brevio")}));
    EXPECT_FALSE(AnyMainWindowShown());
}

TEST_F(Startup, NewClassicLayoutShowsChannelOneAndStartsTheCard)
{
    testsupport::RecordingDsp dsp;
    ASSERT_TRUE(Start(1));
    CMainFrame* frame = TheApp().GetMainFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(TheApp().GetChannelFrame(0)->isVisible());
    EXPECT_FALSE(TheApp().GetChannelFrame(1)->isVisible());
    EXPECT_EQ(TheApp().GetChannelFrame(2)->windowTitle(), QStringLiteral("3"));
    EXPECT_EQ(frame->GetChannelWindow(3)->GetChannel(), 3);
    EXPECT_EQ(m_sleeper.m_totalMs, CPSK31App::kSplashWaitMs);
    // No radio program runs: the radio and centre toolbars are hidden.
    EXPECT_FALSE(frame->GetRadioBar()->isVisibleTo(frame));
    // The log window registered itself and holds the start-up blocks.
    ASSERT_NE(TheApp().GetLogView(), nullptr);
    const QString log = TheApp().GetLogView()->toPlainText();
    EXPECT_TRUE(log.section(QLatin1Char('\n'), 0, 0).endsWith(QStringLiteral(" Logfile ready")));
    EXPECT_EQ(log.section(QLatin1Char('\n'), 1, 1), QString());
    EXPECT_TRUE(log.contains(QStringLiteral("Setting COM port")));
    EXPECT_TRUE(log.contains(QStringLiteral("Starting soundcard")));
    const QStringList calls = dsp.Calls();
    for (int n = 0; n < 4; ++n)
        EXPECT_TRUE(calls.contains(QStringLiteral("fnEnableRXChannel(%1, 0)").arg(n)));
    const int clock = int(calls.indexOf(QStringLiteral("fnSetClockErrorAdjustment(0)")));
    const int port = int(calls.indexOf(QStringLiteral("fnSetComPort(1, 0)")));
    int start = -1;
    for (int i = 0; i < calls.size(); ++i)
        if (calls[i].startsWith(QStringLiteral("fnStartSoundCardEx(ptr, 0, 50, 0)")))
            start = i;
    EXPECT_LT(clock, port);
    EXPECT_LT(port, start);
}

TEST_F(Startup, OtherProgramsReachTheFramesOwnMessageHandler)
{
    testsupport::RecordingDsp dsp;
    ASSERT_TRUE(Start(1));
    std::optional<uint32_t> activate, frequency;
    std::thread other([&] {
        activate = platform::LocalClient::sendTo(platform::program().windowIdentifier, 1090, 14, 0);
        frequency = platform::LocalClient::sendTo(platform::program().windowIdentifier, 1090, 2, 0);
    });
    QElapsedTimer clock;
    clock.start();
    while (!frequency && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    other.join();
    ASSERT_TRUE(activate.has_value());
    EXPECT_EQ(*activate, 1u);
    ASSERT_TRUE(frequency.has_value());
    EXPECT_EQ(*frequency, 0u);
}

TEST_F(Startup, MenuShortcutsGoOnlyToCommandsInTheMenus)
{
    testsupport::RecordingDsp dsp;
    ASSERT_TRUE(Start(1));
    CMainFrame* frame = TheApp().GetMainFrame();
    EXPECT_TRUE(frame->GetCommandAction(32819)->text().endsWith(QStringLiteral("\tEscape")));
    EXPECT_TRUE(frame->GetCommandAction(32784)->text().endsWith(QStringLiteral("\tF8")));
    EXPECT_TRUE(frame->GetCommandAction(32777)->text().endsWith(QStringLiteral("\tAlt+1")));
    QList<uint16_t> commands;
    for (const ACCEL& a : frame->GetAcceleratorTable())
        commands.append(a.cmd);
    EXPECT_TRUE(commands.contains(32785));
    EXPECT_TRUE(commands.contains(33538));
    // "Alt+5" to "Alt+9" stand in no menu.
    EXPECT_FALSE(commands.contains(32781));
}

TEST_F(Startup, ResumeShowsTheStoredViews)
{
    testsupport::RecordingDsp dsp;
    CRegistry().WriteIntArray(QStringLiteral("Views - Visible"), {1, 0, 0, 1, 1});
    ASSERT_TRUE(Start(2));
    EXPECT_TRUE(TheApp().GetChannelFrame(0)->isVisible());
    EXPECT_TRUE(TheApp().GetChannelFrame(3)->isVisible());
    EXPECT_FALSE(TheApp().GetChannelFrame(1)->isVisible());
    // Channel 1 is shown last, so it is the active one.
    EXPECT_EQ(TheApp().GetMainFrame()->GetMdiArea()->activeSubWindow(), TheApp().GetChannelFrame(0));
}

TEST_F(Startup, ClosingAbortsUnkeysAndKeepsTheLayout)
{
    testsupport::RecordingDsp dsp;
    ASSERT_TRUE(Start(1));
    CMainFrame* frame = TheApp().GetMainFrame();
    frame->OnCommand(32780);  // channel 4 too
    dsp.Clear();
    frame->close();
    EXPECT_TRUE(frame->IsClosing());
    ASSERT_FALSE(dsp.Calls().isEmpty());
    EXPECT_EQ(dsp.Calls().first(), QStringLiteral("fnAbortTX()"));
    QList<uint32_t> visible;
    CRegistry().GetIntArray(QStringLiteral("Views - Visible"), visible);
    EXPECT_EQ(visible.size(), 5);
    EXPECT_EQ(visible.value(3), 1u);
    EXPECT_FALSE(CRegistry().GetString(QStringLiteral("Control Bar State")).isEmpty());
    const RECT none{0, 0, 0, 0};
    EXPECT_NE(CRegistry().GetRect(QStringLiteral("Main frame"), none), none);
}

TEST_F(Startup, ShellOpenOfAMissingFileExplains)
{
    EXPECT_FALSE(TheApp().ShellOpen(testsupport::dataFolder() + QStringLiteral("/no such file.txt")));
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_TRUE(testsupport::prompter().m_boxes[0].text.endsWith(
        QStringLiteral(" -\n \nThe specified file was not found.")));
    EXPECT_TRUE(testsupport::prompter().m_boxes[0].text.startsWith(QStringLiteral("Error starting \"")));
    EXPECT_EQ(testsupport::prompter().m_boxes[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(CShellOpen::ErrorText(31),
              QStringLiteral("No program on this desktop is set up to open this kind of file or address."));
}

TEST_F(Startup, ViewsToShowFillsAndMarksTheLayouts)
{
    CRegistry().WriteIntArray(QStringLiteral("Views - Visible"), {0, 1});
    CRegistry().WriteBool(QStringLiteral("Views - Maximised"), 1);
    bool maximised = false;
    EXPECT_EQ(TheApp().ViewsToShow(2, &maximised), (QList<uint32_t>{0, 1, 0, 0, 0}));
    EXPECT_TRUE(maximised);
    EXPECT_EQ(TheApp().ViewsToShow(0, &maximised), (QList<uint32_t>{0, 0, 0, 0, 1}));
    EXPECT_FALSE(maximised);
    EXPECT_EQ(TheApp().ViewsToShow(1, nullptr), (QList<uint32_t>{1, 0, 0, 0, 0}));
}

TEST_F(Startup, LogWindowCloseHidesAndDisplayShowsItAgain)
{
    testsupport::RecordingDsp dsp;
    ASSERT_TRUE(Start(1));
    QMdiSubWindow* logFrame = TheApp().GetLogFrame();
    CMainFrame* frame = TheApp().GetMainFrame();
    frame->OnCommand(32787);
    ASSERT_TRUE(logFrame->isVisible());
    CPSK31App::LogPrintf("a line %d", 7);
    const QString before = TheApp().GetLogView()->toPlainText();
    logFrame->close();
    EXPECT_FALSE(logFrame->isVisible());
    EXPECT_NE(TheApp().GetLogView(), nullptr);
    frame->OnCommand(32787);
    EXPECT_TRUE(logFrame->isVisible());
    EXPECT_EQ(TheApp().GetLogView()->toPlainText(), before);
    EXPECT_TRUE(before.endsWith(QStringLiteral(" a line 7")));
    frame->OnCommand(33472);
    EXPECT_TRUE(TheApp().GetLogView()->toPlainText().isEmpty());
}

TEST(AboutDialog, TitleVersionAndCreditsThatChange)
{
    platform::setProgram(platform::brevioIdentity());
    CAboutDialog about(nullptr);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About PSK31 Brevio"));
    auto* build = about.findChild<QLabel*>(QStringLiteral("1114"));
    ASSERT_NE(build, nullptr);
    EXPECT_TRUE(build->text().startsWith(QStringLiteral("Build date: ")));
    const QString first = about.CreditLabel()->text();
    about.NextCredit();
    EXPECT_NE(about.CreditLabel()->text(), first);
    platform::setProgram(platform::corvaneIdentity());
}

// Every credit line in turn, at the default font and one point larger: the
// notice, the credit and the other lines are shown whole each time (a credit
// of two lines used to squeeze the notice above it).
TEST(AboutDialog, EveryCreditLeavesEveryTextWhole)
{
    platform::setProgram(platform::brevioIdentity());
    auto check = [] {
        CAboutDialog about(nullptr);
        about.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
        const int lines = int(CAboutDialog::CreditLines().size());
        for (int i = 0; i < lines; ++i) {
            QApplication::processEvents();
            const QStringList problems = testsupport::layoutProblems(&about);
            EXPECT_TRUE(problems.isEmpty()) << about.CreditLabel()->text().toStdString() << ": "
                                            << problems.join("\n").toStdString();
            about.NextCredit();
        }
    };
    check();
    testsupport::withLargerFont(check);
    platform::setProgram(platform::corvaneIdentity());
}

TEST(LogView, LinesAreStampedAndAnEmptyLineIsOnlyABreak)
{
    CPSK31BrevioView view;
    view.AppendLine(QStringLiteral("first"));
    EXPECT_EQ(view.toPlainText().size(), 9 + 5);
    view.AppendLine(QString());
    view.AppendLine(QStringLiteral("third"));
    const QStringList lines = view.toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral(" first")));
    EXPECT_EQ(lines[1], QString());
    EXPECT_EQ(lines[2].mid(2, 1), QStringLiteral(":"));
    EXPECT_TRUE(lines[2].endsWith(QStringLiteral(" third")));
    // Before any log window exists a line goes nowhere; a long one is cut.
    CPSK31App::LogPrintf("%s", QByteArray(10000, 'x').constData());
    TheApp().SetLogView(&view);
    CPSK31App::LogPrintf("%s", QByteArray(10000, 'x').constData());
    TheApp().SetLogView(nullptr);
    EXPECT_EQ(view.toPlainText().split(QLatin1Char('\n')).last().size(), 9 + 4095);
}

TEST(CustomiseDialog, FirstStartOffersOnlyNewLayoutsAndAsksNothing)
{
    CurrentSettings().SetDefaults();
    CCustomiseDialog dialog(nullptr);
    EXPECT_FALSE(dialog.StartModeButton(2)->isEnabled());
    EXPECT_TRUE(dialog.StartModeButton(0)->isChecked());
    EXPECT_EQ(dialog.Description()->text(),
              QStringLiteral("A default layout with: one PSK channel, tags, macros and a waterfall display"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.GetLayout(), 1);
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());
    EXPECT_TRUE(CRegistry().GetBool(QStringLiteral("Started at least once"), false));
}

TEST(CustomiseDialog, LaterStartsConfirmANewLayout)
{
    CRegistry().WriteBool(QStringLiteral("Started at least once"), 1);
    CCustomiseDialog dialog(nullptr);
    EXPECT_TRUE(dialog.StartModeButton(2)->isChecked());
    dialog.StartModeButton(1)->click();
    testsupport::prompter().m_answers = {platform::IDNO};
    dialog.accept();
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].text,
              QStringLiteral("You have selected 'New: Super Browser'.\n\nAny layout customisations made in the "
                             "previous\nsession will be lost.\n\nContinue?"));
    EXPECT_EQ(testsupport::prompter().m_boxes[0].caption, QStringLiteral("Start"));
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    testsupport::prompter().m_answers = {platform::IDYES};
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.GetLayout(), 0);
}

TEST(CustomiseDialog, RadioProgramKeyingDisablesThePortAndIsStored)
{
    CurrentSettings().SetDefaults();
    CurrentSettings().m_nPTTMode = 3;
    CurrentSettings().m_nPTTPort = 4;
    CCustomiseDialog dialog(nullptr);
    EXPECT_EQ(dialog.PortCombo()->currentText(), QStringLiteral("COM4"));
    EXPECT_TRUE(dialog.IsComGroupEnabled());
    dialog.PttButton(1)->click();
    EXPECT_FALSE(dialog.IsComGroupEnabled());
    EXPECT_FALSE(dialog.PortCombo()->isEnabled());
    dialog.accept();
    EXPECT_EQ(CurrentSettings().m_bPTTFT817, 1);
    EXPECT_EQ(CurrentSettings().m_bPTTRVL, 0);
    EXPECT_EQ(CurrentSettings().m_nPTTMode, 3);
    EXPECT_EQ(CurrentSettings().m_nPTTPort, 4);
    CPSK31Settings stored;
    stored.Load();
    EXPECT_EQ(stored.m_bPTTFT817, 1);
    CurrentSettings().SetDefaults();
    PreviousSettings().SetDefaults();
}

TEST(CustomiseDialog, CancelAsksFirst)
{
    CCustomiseDialog dialog(nullptr);
    dialog.show();
    testsupport::prompter().m_answers = {platform::IDNO};
    dialog.reject();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(testsupport::prompter().m_boxes[0].text, QStringLiteral("Really Cancel ?"));
    testsupport::prompter().m_answers = {platform::IDYES};
    dialog.reject();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

} // namespace

// The frame shows the program's icon and every toolbar button a picture; a
// channel window restored from maximised comes back at its form's full size.
TEST_F(Startup, IconsOnTheFrameAndItsBarsAndRestoredChannelsAtFullSize)
{
    testsupport::RecordingDsp dsp;
    ASSERT_TRUE(Start(1));
    CMainFrame* frame = TheApp().GetMainFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_FALSE(frame->windowIcon().isNull());
    EXPECT_EQ(frame->windowIcon().pixmap(32).toImage(), artwork::applicationIcon().pixmap(32).toImage());
    int buttons = 0;
    for (QToolBar* bar : frame->findChildren<QToolBar*>())
        for (QAction* action : bar->actions())
            if (!action->isSeparator() && !qobject_cast<QWidgetAction*>(action)) {
                ++buttons;
                EXPECT_FALSE(action->icon().isNull()) << action->toolTip().toStdString();
            }
    EXPECT_GT(buttons, 20);

    QMdiSubWindow* channel = TheApp().GetChannelFrame(0);
    ASSERT_NE(channel, nullptr);
    channel->showMaximized();
    QApplication::processEvents();
    channel->showNormal();
    QApplication::processEvents();
    EXPECT_GE(channel->width(), channel->minimumWidth());
    EXPECT_GE(channel->height(), channel->minimumHeight());
    EXPECT_GT(channel->width(), 300);
    EXPECT_GT(channel->height(), 200);
}
