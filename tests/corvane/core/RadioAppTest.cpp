// The application object on the simulator: the whole start-up with the real
// start-up dialog, a cancelled start, the close sequence, and the
// application's own services (log lines, shell errors, settings reset).
#include "CatLinkTestSupport.h"

#include "corvane/core/AboutDialog.h"
#include "corvane/core/ClosingDialog.h"
#include "corvane/core/DisplayViewHooks.h"
#include "corvane/core/MainFrame.h"
#include "corvane/core/MemoryChannelList.h"
#include "corvane/core/RequestWorker.h"
#include "corvane/core/Settings.h"
#include "corvane/core/Startup.h"
#include "platform/SettingsStore.h"
#include "shared/ShellOpen.h"
#include "shared/MapiMail.h"
#include "shared/PrintSetup.h"
#include "shared/Registry.h"
#include "shared/VersionInfo.h"
#include "shared/ui/ColourStatic.h"
#include "shared/ui/BarMeter.h"
#include "support/ScriptedPrompter.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QTimer>
#include <QUrlQuery>
#include <functional>

using cattest::hex;

namespace {

// Acts on the next modal dialog of type T as soon as it is up.
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

// A sleeper that notes what the close sequence had done when it paused.
class ClosingSleeper : public platform::FakeSleeper {
public:
    void sleepMs(int ms) override
    {
        if (ms == 500 && probe)
            probe();
        platform::FakeSleeper::sleepMs(ms);
    }
    std::function<void()> probe;
};

class RadioAppStart : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::Sleeper::setInstance(&sleeper);
        sim = std::make_unique<testsupport::Simulator>();
        ASSERT_TRUE(sim->isRunning()) << sim->errorText().toStdString();
        qputenv("CORVANE_EXTRA_PORTS", sim->portPath().toLocal8Bit());
        const CRegistry registry;
        registry.WriteString("Startup port", sim->portPath());
        registry.WriteString("Startup speed", "38400");
        registry.WriteBool("CStartup::m_bAuto", 0);
        app = std::make_unique<CRadioApp>();
    }
    void TearDown() override
    {
        app.reset();
        CRadioApp::GetServices() = {};
        qunsetenv("CORVANE_EXTRA_PORTS");
        platform::Sleeper::setInstance(nullptr);
    }

    ClosingSleeper sleeper;
    std::unique_ptr<testsupport::Simulator> sim;
    std::unique_ptr<CRadioApp> app;
};

} // namespace

TEST_F(RadioAppStart, StartUpFindsTheRadioLoadsMemoriesAndShowsTheMainWindow)
{
    QStringList progress;
    int schemes = 0;
    CRadioApp::GetServices().applyPresetScheme = [&](const QString& name, CSettings&) {
        EXPECT_EQ(name, "Seaweed");
        ++schemes;
    };
    whenModal<CStartup>([&](CStartup* startup) {
        EXPECT_TRUE(startup->windowTitle().startsWith("FT-817 Corvane v"));
        EXPECT_FALSE(startup->GetProgress()->isVisible()) << "hidden until the memory load";
        startup->OnConnect();
        progress = startup->GetProgressHistory();
    });
    ASSERT_TRUE(app->InitInstance());

    EXPECT_EQ(progress.value(0), "Connecting to FT-817...");
    EXPECT_EQ(progress.last(), "Loading memory... 202 / 202");
    EXPECT_TRUE(app->GetCatLink().IsOpen());
    EXPECT_EQ(app->GetMemoryList().GetChannel(6)->GetTag(), "DX SPLIT");
    EXPECT_FALSE(app->GetMemoryList().GetChannel(7)->IsUsed());

    CMainFrame* frame = app->GetMainFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(GetMainFrame(), frame);
    EXPECT_TRUE(frame->windowTitle().startsWith("FT-817 Corvane v"));
    EXPECT_TRUE(frame->IsBannerEnabled());
    for (unsigned id : {129u, 130u, 318u})
        EXPECT_NE(app->GetTemplate(id), nullptr) << id;
    EXPECT_TRUE(app->GetFirstWorker().IsRunning());
    EXPECT_TRUE(app->GetRequestWorker().IsRunning());

    // First run: the scheme once, and the flag that says so.
    EXPECT_EQ(schemes, 1);
    EXPECT_TRUE(CRegistry().GetBool("Startup Flag", false));
}

TEST_F(RadioAppStart, CancelledStartUpLeavesNoMainWindowAndNoWorker)
{
    whenModal<CStartup>([](CStartup* startup) { startup->OnCancel(); });
    EXPECT_FALSE(app->InitInstance());
    EXPECT_EQ(app->GetMainFrame(), nullptr);
    EXPECT_EQ(GetMainFrame(), nullptr);
    EXPECT_FALSE(app->GetFirstWorker().IsRunning());
    EXPECT_FALSE(app->GetRequestWorker().IsRunning());
    EXPECT_TRUE(app->GetFirstWorker().WaitFinished(0));
}

TEST_F(RadioAppStart, LaterStartWithTheFlagSetAppliesNoScheme)
{
    CRegistry().WriteBool("Startup Flag", 1);
    int schemes = 0;
    CRadioApp::GetServices().applyPresetScheme = [&](const QString&, CSettings&) { ++schemes; };
    whenModal<CStartup>([](CStartup* startup) { startup->OnConnect(); });
    ASSERT_TRUE(app->InitInstance());
    EXPECT_EQ(schemes, 0);
}

TEST_F(RadioAppStart, CloseAsksAboutPowerSavesTheBarsStopsTheWorkersThenWaits)
{
    whenModal<CStartup>([](CStartup* startup) { startup->OnConnect(); });
    ASSERT_TRUE(app->InitInstance());
    CMainFrame* frame = app->GetMainFrame();
    GetSettings().m_bPowerDown = 1;

    bool workersStoppedAtPause = false;
    bool barsSavedAtPause = false;
    sleeper.probe = [&] {
        workersStoppedAtPause = !app->GetFirstWorker().IsRunning() && !app->GetRequestWorker().IsRunning();
        barsSavedAtPause = platform::SettingsStore::contains("Options", "Control Bar State");
    };
    const int framesBefore = int(sim->frames().size());
    whenModal<CClosingDialog>([](CClosingDialog* closing) {
        closing->GetPowerDown()->setChecked(true);
        closing->OnOK();
    });
    sleeper.m_totalMs = 0;
    EXPECT_TRUE(frame->close());
    EXPECT_TRUE(frame->IsClosing());
    EXPECT_TRUE(workersStoppedAtPause);
    EXPECT_TRUE(barsSavedAtPause);
    EXPECT_EQ(sleeper.m_totalMs, 500);
    // The radio was switched off, and the choice is remembered.
    const QList<QByteArray> frames = sim->frames().mid(framesBefore);
    ASSERT_FALSE(frames.isEmpty());
    EXPECT_EQ(frames.first(), hex("00 00 00 00 8F"));
    EXPECT_EQ(CRegistry().GetDialogInt(338, 1203, 0), 1);
    EXPECT_TRUE(CRegistry().GetRect("Main frame", RECT{0, 0, 0, 0}).right > 0);
}

TEST_F(RadioAppStart, CancellingTheClosingQuestionKeepsTheProgramRunning)
{
    whenModal<CStartup>([](CStartup* startup) { startup->OnConnect(); });
    ASSERT_TRUE(app->InitInstance());
    CMainFrame* frame = app->GetMainFrame();
    GetSettings().m_bPowerDown = 1;
    const int framesBefore = int(sim->frames().size());
    whenModal<CClosingDialog>([](CClosingDialog* closing) {
        closing->GetPowerDown()->setChecked(true);
        closing->reject();
    });
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_FALSE(frame->IsClosing()) << "remote commands are answered again";
    EXPECT_TRUE(app->GetRequestWorker().IsRunning());
    EXPECT_EQ(sim->frames().size(), framesBefore) << "the radio stays on";
    EXPECT_EQ(CRegistry().GetDialogInt(338, 1203, 0), 0) << "a cancelled box stores nothing";
}

TEST_F(RadioAppStart, CloseWithoutPowerDownAsksNothing)
{
    whenModal<CStartup>([](CStartup* startup) { startup->OnConnect(); });
    ASSERT_TRUE(app->InitInstance());
    GetSettings().m_bPowerDown = 0;
    sleeper.m_totalMs = 0;
    EXPECT_TRUE(app->GetMainFrame()->close());
    EXPECT_EQ(sleeper.m_totalMs, 500);
    EXPECT_FALSE(app->GetRequestWorker().IsRunning());
}

// ---------------------------------------------------------------- services

namespace {
class Sink : public CIoLogSink {
public:
    void AddTextRow(const QString& text) override { rows << text; }
    void AddBytesRow(const std::optional<QByteArray>&, const std::optional<QByteArray>&, const QString& d) override
    {
        rows << d;
    }
    QStringList rows;
};
} // namespace

TEST(RadioAppLog, LinesWithoutALogGoNowhereAndLongOnesAreCut)
{
    CRadioApp app;
    CRadioApp::Log("nobody listens");  // no log window: nothing happens
    Sink sink;
    CRadioApp::SetIoLogSink(&sink);
    CRadioApp::Log(QString(5000, 'x'));
    // A character outside the basic plane across the limit is not split.
    CRadioApp::Log(QString(4094, 'y') + QString::fromUtf8("\xF0\x9F\x93\xBB") + "tail");
    CRadioApp::SetIoLogSink(nullptr);
    ASSERT_EQ(sink.rows.size(), 2);
    EXPECT_EQ(sink.rows[0], QString(4095, 'x'));
    EXPECT_EQ(sink.rows[1], QString(4094, 'y'));
}

TEST(RadioAppShell, MissingFileGivesTheJoinedErrorText)
{
    CRadioApp app;
    EXPECT_EQ(app.OpenDocumentOrUrl("/tmp/no such folder here/missing.txt"), 0);
    EXPECT_EQ(app.OpenDocumentOrUrl(QDir::tempPath() + "/missing-corvane-file.txt"), 0);
    const auto& boxes = testsupport::prompter().m_boxes;
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_EQ(boxes[0].text, "Error starting \"/tmp/no such folder here/missing.txt\" -\n \n"
                             "The specified path was not found.");
    EXPECT_EQ(boxes[1].text, "Error starting \"" + QDir::tempPath() + "/missing-corvane-file.txt\" -\n \n"
                             "The specified file was not found.");
    EXPECT_EQ(boxes[1].caption, "Error");
    EXPECT_EQ(boxes[1].style & 0xF0, platform::MB_ICONERROR);
    EXPECT_EQ(CShellOpen::ErrorText(26), "A sharing violation occurred.");
    // Nothing on this desktop opens the file: the text speaks of the desktop, not of Windows file associations.
    EXPECT_EQ(CShellOpen::ErrorText(31), "No program on this desktop is set up to open this kind of file or address.");
}

TEST(RadioAppReset, ResetAsksOnlyWithShiftAndNoKeepsTheSettings)
{
    CRegistry().WriteInt("Keep me", 7);
    EXPECT_EQ(ResetSettingsIfShift("Software/QT9XVK/FT-817 Corvane", false), 0);
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());

    testsupport::prompter().m_answers = {platform::IDNO};
    EXPECT_EQ(ResetSettingsIfShift("Software/QT9XVK/FT-817 Corvane", true), 1);
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].text, "Really reset this program's settings?");
    EXPECT_EQ(testsupport::prompter().m_boxes[0].caption, "FT-817 Corvane");
    EXPECT_EQ(CRegistry().GetInt("Keep me", 0), 7);

    CRadioApp::SetShiftOverride(1);
    testsupport::prompter().m_answers = {platform::IDYES};
    EXPECT_EQ(ResetSettingsIfShift("Software/QT9XVK/FT-817 Corvane", false), 1);
    CRadioApp::SetShiftOverride(-1);
    EXPECT_EQ(CRegistry().GetInt("Keep me", 0), 0);
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 3);
    EXPECT_EQ(testsupport::prompter().m_boxes[2].style & 0xF0, platform::MB_ICONINFORMATION);
}

TEST(RadioAppCommands, TraceAllCommsTogglesTheLinkAndItsCheckMark)
{
    CRadioApp app;
    EXPECT_FALSE(app.GetCatLink().GetTraceAll());
    EXPECT_TRUE(app.OnCommand(CRadioApp::ID_TRACE_ALL_COMMS));
    EXPECT_TRUE(app.GetCatLink().GetTraceAll());
    CCmdUI ui;
    ui.m_nID = CRadioApp::ID_TRACE_ALL_COMMS;
    app.OnUpdateCommand(ui);
    EXPECT_TRUE(ui.m_bCheckSet);
    EXPECT_EQ(ui.m_nCheck, 1);
    // A command of a part that is not there is not handled.
    EXPECT_FALSE(app.OnCommand(CRadioApp::ID_COMMAND_ENTRY));
}

namespace {
class ComposeWindow : public CMapiMail::MailClient {
public:
    QString Unavailable() override { return {}; }
    bool HasEntry(const QString&) override { return true; }
    bool Open(const QUrl& url) override
    {
        urls << url;
        return true;
    }
    QList<QUrl> urls;
};
} // namespace

TEST(RadioAppCommands, SupportMailOpensAPreparedMessageAndLogsOnOnce)
{
    CRadioApp app;
    ComposeWindow client;
    CMapiMail::SetMailClient(&client);
    CMapiMail::LogOff();
    EXPECT_TRUE(app.OnCommand(CRadioApp::ID_SUPPORT_EMAIL));
    ASSERT_EQ(client.urls.size(), 1);
    const QUrl url = client.urls.first();
    EXPECT_EQ(url.path(), CRadioApp::SupportAddress());
    const QUrlQuery query(url);
    const CVersionInfo version;
    EXPECT_EQ(query.queryItemValue("subject", QUrl::FullyDecoded),
              QStringLiteral("FT-817 Corvane Version %1 build %2 %3")
                  .arg(version.GetProductVersion())
                  .arg(version.GetBuild())
                  .arg(version.GetSpecialBuild()));
    EXPECT_EQ(query.queryItemValue("body", QUrl::FullyDecoded),
              "Before contacting QT9XVK please look at the FT-817 Corvane usergroup: " + CRadioApp::UserGroupAddress() +
                  " where many users of this program will be able to help.\r\n\r\n\r\nHello " +
                  CRadioApp::SupportGreetingName() + ",\r\n\r\n<your message goes here>...");
    EXPECT_TRUE(CRadioApp::UserGroupAddress().endsWith("/group/VE817-Corvane"));
    EXPECT_TRUE(CMapiMail::IsLoggedOn());
    // A second mail in the same run does not log on again, and asks nothing.
    EXPECT_TRUE(app.OnCommand(CRadioApp::ID_SUPPORT_EMAIL));
    EXPECT_EQ(client.urls.size(), 2);
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());
    CMapiMail::SetMailClient(nullptr);
    CMapiMail::LogOff();
}

TEST(RadioAppCommands, AboutShowsTheVersionAndCyclesTheCredits)
{
    CRadioApp app;
    CAboutDialog about;
    const CVersionInfo version;
    EXPECT_EQ(about.windowTitle(), "About FT-817 Corvane");
    auto text = [&](unsigned id) {
        for (QWidget* w : about.findChildren<QWidget*>())
            if (w->property("controlId").toUInt() == id)
                if (auto* label = qobject_cast<QLabel*>(w))
                    return label->text();
        return QString();
    };
    EXPECT_EQ(text(1114), "Build date: " + version.GetBuildDate());
    EXPECT_EQ(text(1116), version.GetLegalCopyright());
    EXPECT_EQ(text(1113), "FT-817 Corvane " + version.GetSpecialBuild());
    // The version number itself, as a fault report has to name it.
    auto* versionLine = about.findChild<QLabel*>(QStringLiteral("version"));
    ASSERT_NE(versionLine, nullptr);
    EXPECT_EQ(versionLine->text(), QStringLiteral("Version %1 build %2").arg(version.GetProductVersion()).arg(version.GetBuild()));
    EXPECT_FALSE(version.GetProductVersion().isEmpty());
    ASSERT_EQ(CAboutDialog::Credits().size(), 11);
    EXPECT_EQ(about.GetCreditsStatic()->text(), CAboutDialog::Credits()[0]);
    for (int i = 1; i <= 11; ++i)
        about.NextCredit();
    EXPECT_EQ(about.GetCreditIndex(), 0) << "after the eleventh line the first comes again";
    about.NextCredit();
    EXPECT_EQ(about.GetCreditsStatic()->text(), CAboutDialog::Credits()[1]);
}

TEST(RadioAppCommands, PrintSetupChoosesThePrinterThePanelsChartPrintsOn)
{
    CRadioApp app;
    CMainFrame frame;
    ASSERT_TRUE(frame.LoadFrame(128));
    QAction* item = frame.GetCommandAction(CRadioApp::ID_PRINT_SETUP);
    ASSERT_NE(item, nullptr) << "File > Print Setup";
    EXPECT_EQ(item->text(), "P&rint Setup...");
    QPrinter* shown = nullptr;
    CPrintSetup::SetRunner([&](QPageSetupDialog& dialog) {
        shown = dialog.printer();
        dialog.printer()->setPageOrientation(QPageLayout::Landscape);
        return int(QDialog::Accepted);
    });
    item->trigger();
    CPrintSetup::SetRunner(nullptr);
    EXPECT_EQ(shown, &CPrintSetup::Printer());
    EXPECT_EQ(CPrintSetup::Printer().pageLayout().orientation(), QPageLayout::Landscape);
    CPrintSetup::Printer().setPageOrientation(QPageLayout::Portrait);
}
