// The memory tools reached from the main window of the whole program on
// the simulator: their menu entries, the tool windows they open and toggle,
// the modal dialogs, the repeater sheet over the real front panel, and the
// reload after a memory write.
#include "corvane/core/RadioApp.h"
#include "corvane/core/RegisteredMessages.h"
#include "corvane/core/Settings.h"
#include "corvane/core/Startup.h"
#include "corvane/frontpanel/DisplayView.h"
#include "corvane/frontpanel/MemoryToolsWiring.h"
#include "corvane/frontpanel/PanelFrameServices.h"
#include "corvane/frontpanel/RadioMainFrame.h"
#include "corvane/memory/CWSpeedDialog.h"
#include "corvane/memory/CalibrationDialog.h"
#include "corvane/memory/CommandEntryDialog.h"
#include "corvane/memory/MemoryAnalyserDialog.h"
#include "corvane/memory/MenuControls.h"
#include "corvane/memory/MenuManager.h"
#include "corvane/memory/RepeaterSheet.h"
#include "platform/Sleeper.h"
#include "shared/RegisteredEvent.h"
#include "shared/Registry.h"
#include "support/ScriptedPrompter.h"
#include "support/Simulator.h"

#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
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

class MemoryToolsProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::Sleeper::setInstance(&sleeper);
        testsupport::Simulator::Options o;
        o.pokes << "0059=CC";  // VFO A on 2 m
        sim = std::make_unique<testsupport::Simulator>(o);
        ASSERT_TRUE(sim->isRunning()) << sim->errorText().toStdString();
        qputenv("CORVANE_EXTRA_PORTS", sim->portPath().toLocal8Bit());
        const CRegistry registry;
        registry.WriteString("Startup port", sim->portPath());
        registry.WriteString("Startup speed", "38400");
        registry.WriteBool("CStartup::m_bAuto", 0);
        InstallFrontPanel();
        InstallMainFrame();
        InstallMemoryTools();
        app = std::make_unique<CRadioApp>();
        whenModal<CStartup>([](CStartup* startup) { startup->OnConnect(); });
        ASSERT_TRUE(app->InitInstance());
        frame = qobject_cast<CRadioMainFrame*>(app->GetMainFrame());
        ASSERT_NE(frame, nullptr);
        frame->showNormal();
        view = GetDisplayView();
        ASSERT_NE(view, nullptr);
        view->Panel().StopTimers();
    }
    void TearDown() override
    {
        if (frame) {
            GetSettings().m_bPowerDown = 0;
            frame->close();
        }
        app.reset();
        for (unsigned id : {CRadioMainFrame::ID_MEMORY_ANALYSER, CRadioMainFrame::ID_MEMORY_BROWSER,
                            CRadioMainFrame::ID_CW_SPEED, CRadioMainFrame::ID_CW_SETTINGS, CRadioMainFrame::ID_REPEATER})
            CRadioMainFrame::RegisterToolWindow(id, {});
        for (unsigned id : std::initializer_list<unsigned>{CRadioMainFrame::ID_MEMORY_MANAGER, CRadioMainFrame::ID_MEMORY_SAVE,
                            CRadioMainFrame::ID_MEMORY_RELOAD, CRadioMainFrame::ID_CALIBRATION,
                            CRadioMainFrame::ID_CLONE_SAVE, CRadioMainFrame::ID_CLONE_LOAD,
                            CRadioMainFrame::ID_MENU_MANAGER, unsigned(CRadioApp::ID_COMMAND_ENTRY)})
            CRadioMainFrame::RegisterModalCommand(id, nullptr);
        CPanelFrameServices::InstallDefaults();
        qunsetenv("CORVANE_EXTRA_PORTS");
        platform::Sleeper::setInstance(nullptr);
    }

    platform::FakeSleeper sleeper;
    std::unique_ptr<testsupport::Simulator> sim;
    std::unique_ptr<CRadioApp> app;
    CRadioMainFrame* frame = nullptr;
    CDisplayView* view = nullptr;
};
} // namespace

TEST_F(MemoryToolsProgram, MenusCarryTheTools)
{
    for (unsigned id : std::initializer_list<unsigned>{CRadioMainFrame::ID_MEMORY_MANAGER, CRadioMainFrame::ID_MEMORY_SAVE,
                        CRadioMainFrame::ID_MEMORY_RELOAD, CRadioMainFrame::ID_MEMORY_ANALYSER,
                        CRadioMainFrame::ID_MEMORY_BROWSER, CRadioMainFrame::ID_CALIBRATION,
                        CRadioMainFrame::ID_CLONE_SAVE, CRadioMainFrame::ID_CLONE_LOAD, CRadioMainFrame::ID_CW_SPEED,
                        CRadioMainFrame::ID_CW_SETTINGS, CRadioMainFrame::ID_MENU_MANAGER,
                        CRadioMainFrame::ID_REPEATER, unsigned(CRadioApp::ID_COMMAND_ENTRY)})
        EXPECT_NE(frame->GetCommandAction(id), nullptr) << id;
    EXPECT_EQ(frame->GetCommandAction(CRadioMainFrame::ID_MEMORY_ANALYSER)->text(), "Mem&ory Analyser");
}

TEST_F(MemoryToolsProgram, AnalyserIsBroughtForwardAndCwSpeedToggles)
{
    frame->OnCommand(CRadioMainFrame::ID_MEMORY_ANALYSER);
    auto* analyser = qobject_cast<CMemoryAnalyserDialog*>(frame->GetToolWindow(CRadioMainFrame::ID_MEMORY_ANALYSER));
    ASSERT_NE(analyser, nullptr);
    EXPECT_TRUE(analyser->isVisible());
    frame->OnCommand(CRadioMainFrame::ID_MEMORY_ANALYSER);
    EXPECT_TRUE(analyser->isVisible()) << "its command never hides it";
    EXPECT_EQ(frame->GetToolWindow(CRadioMainFrame::ID_MEMORY_ANALYSER), analyser);

    frame->OnCommand(CRadioMainFrame::ID_CW_SPEED);
    auto* speed = qobject_cast<CCWSpeedDialog*>(frame->GetToolWindow(CRadioMainFrame::ID_CW_SPEED));
    ASSERT_NE(speed, nullptr);
    EXPECT_EQ(speed->windowTitle(), "CW Speed: 20 wpm");
    frame->UpdateFrameCommands();
    EXPECT_TRUE(frame->GetCommandAction(CRadioMainFrame::ID_CW_SPEED)->isChecked());
    frame->OnCommand(CRadioMainFrame::ID_CW_SPEED);
    EXPECT_FALSE(speed->isVisible());
}

TEST_F(MemoryToolsProgram, ModalToolsRunFromTheirCommands)
{
    bool calibration = false;
    whenModal<CCalibrationDialog>([&](CCalibrationDialog* d) {
        calibration = true;
        d->OnCancel();
    });
    frame->OnCommand(CRadioMainFrame::ID_CALIBRATION);
    EXPECT_TRUE(calibration);

    bool entry = false;
    whenModal<CCommandEntryDialog>([&](CCommandEntryDialog* d) {
        entry = true;
        d->reject();
    });
    frame->GetCommandAction(CRadioApp::ID_COMMAND_ENTRY)->trigger();
    EXPECT_TRUE(entry);

    bool manager = false;
    whenModal<CMenuManager>([&](CMenuManager* d) {
        manager = true;
        EXPECT_EQ(d->GetPageCount(), 10);
        d->OnCancel();
    });
    frame->OnCommand(CRadioMainFrame::ID_MENU_MANAGER);
    EXPECT_TRUE(manager);
}

TEST_F(MemoryToolsProgram, ReloadMessageReadsTheChannelsAgain)
{
    // The Loading Memory dialog reads the used-channel map first.
    const QByteArray bitmapRead = QByteArray::fromHex("04500000BB");
    const qsizetype before = sim->frames().size();
    PostRegisteredMessage(frame, RegisteredMessage::nMsgReloadMemory, 0, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return sim->frames().mid(before).contains(bitmapRead); }, 10000));
}

TEST_F(MemoryToolsProgram, RepeaterSheetWorksThroughTheFrontPanel)
{
    frame->OnCommand(CRadioMainFrame::ID_REPEATER);
    auto* sheet = qobject_cast<CRepeaterSheet*>(frame->GetToolWindow(CRadioMainFrame::ID_REPEATER));
    ASSERT_NE(sheet, nullptr);
    EXPECT_TRUE(sheet->isVisible());
    CRepeaterPageGeneral* general = sheet->GetGeneralPage();
    EXPECT_TRUE(general->GetArs144()->isChecked());
    const int record = 0x7D + 12 * 26;
    // Plus on the 2 m record, read back through the panel's poll.
    general->Shift().Button(2)->click();
    EXPECT_EQ(sim->eepromByte(record + 1) >> 6, 2);
    EXPECT_EQ(general->Shift().Get(), 2);
    EXPECT_EQ(view->GetStatusRecord().Record(1) >> 6, 2);

    // Closed with its close box and called again: the same sheet, refreshed.
    sheet->close();
    EXPECT_FALSE(sheet->isVisible());
    ASSERT_TRUE(app->GetCatLink().WriteEepromBits(uint16_t(record + 1), 0xC0, 0x40, QString()));
    frame->OnCommand(CRadioMainFrame::ID_REPEATER);
    EXPECT_EQ(frame->GetToolWindow(CRadioMainFrame::ID_REPEATER), sheet);
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(general->Shift().Get(), 1);
}
