// The whole program on the FT-817 simulator, installed as its main file
// installs it, driven from the keyboard: every row of the shortcut table
// pressed in the running main window, and Undo / Redo after a typed
// frequency, with the frames the radio receives.
#include "corvane/core/CatLink.h"
#include "corvane/core/RadioApp.h"
#include "corvane/core/Settings.h"
#include "corvane/core/Startup.h"
#include "corvane/frontpanel/DisplayView.h"
#include "corvane/frontpanel/FrequencyDisplay.h"
#include "corvane/frontpanel/FrequencyEntryDialog.h"
#include "corvane/frontpanel/MemoryToolsWiring.h"
#include "corvane/frontpanel/PanelFrameServices.h"
#include "corvane/frontpanel/ProgramOptions.h"
#include "corvane/frontpanel/RadioMainFrame.h"
#include "corvane/organisers/BandsAndScans.h"
#include "corvane/organisers/Logbook.h"
#include "corvane/organisers/Organisers.h"
#include "platform/Sleeper.h"
#include "shared/MenuAccelerators.h"
#include "shared/Registry.h"
#include "shared/edit/FrequencyEdit.h"
#include "support/ScriptedPrompter.h"
#include "support/ShortcutCheck.h"
#include "support/Simulator.h"
#include "OrganiserTestSupport.h"

#include <QAction>
#include <QDockWidget>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

using orgtest::whenModal;

namespace {

// The main window as the program makes it, except that a command reached
// from the keyboard is noted instead of run (many open modal windows).
class NotingFrame : public CRadioMainFrame {
public:
    bool OnCommand(unsigned nId) override
    {
        if (bNoting) {
            noted << nId;
            return true;
        }
        return CRadioMainFrame::OnCommand(nId);
    }
    bool bNoting = false;
    QList<unsigned> noted;
};

int QtKey(uint16_t key)
{
    if (key >= 'A' && key <= 'Z')
        return Qt::Key_A + (key - 'A');
    if (key >= VK_F1 && key <= VK_F1 + 11)
        return Qt::Key_F1 + (key - VK_F1);
    return key == VK_RETURN ? Qt::Key_Return : 0;
}

Qt::KeyboardModifiers ModifiersOf(uint8_t fVirt)
{
    Qt::KeyboardModifiers m;
    if (fVirt & FALT)
        m |= Qt::AltModifier;
    if (fVirt & FCONTROL)
        m |= Qt::ControlModifier;
    if (fVirt & FSHIFT)
        m |= Qt::ShiftModifier;
    return m;
}

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

class ProgramKeys : public ::testing::Test {
protected:
    void Start(bool bNoting)
    {
        platform::Sleeper::setInstance(&sleeper);
        sim = std::make_unique<testsupport::Simulator>();
        ASSERT_TRUE(sim->isRunning()) << sim->errorText().toStdString();
        qputenv("CORVANE_EXTRA_PORTS", sim->portPath().toLocal8Bit());
        const CRegistry registry;
        registry.WriteString("Startup port", sim->portPath());
        registry.WriteString("Startup speed", "38400");
        registry.WriteBool("CStartup::m_bAuto", 0);
        InstallFrontPanel();
        InstallMainFrame();
        InstallMemoryTools();
        InstallProgramOptions();
        InstallOrganisers();
        InstallBandsAndScans();
        InstallLogbook();
        if (bNoting)
            CRadioApp::GetServices().createMainFrame = [] { return new NotingFrame; };
        app = std::make_unique<CRadioApp>();
        whenModal<CStartup>([](CStartup* startup) { startup->OnConnect(); });
        ASSERT_TRUE(app->InitInstance());
        frame = qobject_cast<CRadioMainFrame*>(app->GetMainFrame());
        ASSERT_NE(frame, nullptr);
        frame->showNormal();
        frame->setGeometry(20, 20, 1200, 820);
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
        view = GetDisplayView();
        ASSERT_NE(view, nullptr);
        QTest::qWait(300);
    }
    void TearDown() override
    {
        if (frame) {
            if (auto* noting = dynamic_cast<NotingFrame*>(frame))
                noting->bNoting = false;
            GetSettings().m_bPowerDown = 0;
            frame->close();
        }
        app.reset();
        InstallMainFrame();
        CPanelFrameServices::InstallDefaults();
        qunsetenv("CORVANE_EXTRA_PORTS");
        platform::Sleeper::setInstance(nullptr);
    }
    // The key goes where the operator's keystroke would: the window's focus.
    void Press(int key, Qt::KeyboardModifiers modifiers)
    {
        QWidget* target = QApplication::focusWidget();
        if (!target || target->window() != frame)
            target = frame;
        QTest::keyClick(target, Qt::Key(key), modifiers);
    }

    platform::FakeSleeper sleeper;
    std::unique_ptr<testsupport::Simulator> sim;
    std::unique_ptr<CRadioApp> app;
    CRadioMainFrame* frame = nullptr;
    CDisplayView* view = nullptr;
};

} // namespace

TEST_F(ProgramKeys, EveryRowOfTheShortcutTableRunsItsMenuCommand)
{
    Start(true);
    auto* noting = dynamic_cast<NotingFrame*>(frame);
    ASSERT_NE(noting, nullptr);
    noting->bNoting = true;
    const QList<CMenuAccelerators::Entry> table = CMenuAccelerators::CorvaneTable();
    ASSERT_EQ(table.size(), 32);
    for (const CMenuAccelerators::Entry& row : table) {
        const unsigned command = row.candidates.first();
        SCOPED_TRACE(row.strKeyName.toStdString() + " -> " + std::to_string(command));
        QAction* item = frame->GetCommandAction(command);
        if (command == 57607) {
            // File > Print: this program prints only its chart, from the
            // chart's own menu; without the menu item the key is not bound.
            EXPECT_EQ(item, nullptr);
        } else {
            EXPECT_NE(item, nullptr) << "the command is in the menu";
            if (!item)
                continue;
            EXPECT_TRUE(item->text().endsWith(QStringLiteral("\t") + row.strKeyName)) << item->text().toStdString();
            // Whether a command may run now is its own rule, tested with it.
            item->setEnabled(true);
        }
        noting->noted.clear();
        Press(QtKey(row.key), ModifiersOf(row.fVirt));
        if (item)
            EXPECT_EQ(noting->noted, QList<unsigned>{command});
        else
            EXPECT_TRUE(noting->noted.isEmpty());
        // A menu opened by the key instead would take the next keys.
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
    }
}

TEST_F(ProgramKeys, UndoAndRedoStepThroughTypedFrequencies)
{
    Start(false);
    ASSERT_EQ(view->GetFrequency(), 14070000u);
    QAction* undo = frame->GetCommandAction(CRadioMainFrame::ID_UNDO);
    QAction* redo = frame->GetCommandAction(CRadioMainFrame::ID_REDO);
    ASSERT_NE(undo, nullptr);
    ASSERT_NE(redo, nullptr);
    EXPECT_EQ(undo->text(), "&Undo\tCtrl+Z");
    EXPECT_EQ(redo->text(), "&Redo\tCtrl+Y");
    frame->UpdateFrameCommands();
    EXPECT_FALSE(undo->isEnabled()) << "nothing to undo yet";

    // Enter Frequency from its key, a frequency typed, Enter.
    auto enter = [&](const QString& text) {
        Press(Qt::Key_Return, Qt::NoModifier);
        CFrequencyEntryDialog* dialog = frame->findChild<CFrequencyEntryDialog*>();
        EXPECT_NE(dialog, nullptr);
        if (!dialog)
            return;
        dialog->Field()->SetInputText(text, 0, true);
        dialog->OnOK();
        dialog->hide();
        frame->activateWindow();
        (void)QTest::qWaitForWindowActive(frame);
        view->PollRadio(false);
    };
    enter(QStringLiteral("007.050.00"));
    EXPECT_EQ(view->GetFrequency(), 7050000u);
    enter(QStringLiteral("010.120.00"));
    EXPECT_EQ(view->GetFrequency(), 10120000u);
    frame->UpdateFrameCommands();
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());

    // Ctrl+Z twice: back to 7.050 and to the start; Ctrl+Y forward to 7.050.
    const int before = int(sim->frames().size());
    Press(Qt::Key_Z, Qt::ControlModifier);
    view->PollRadio(false);
    EXPECT_EQ(view->GetFrequency(), 7050000u);
    Press(Qt::Key_Z, Qt::ControlModifier);
    view->PollRadio(false);
    EXPECT_EQ(view->GetFrequency(), 14070000u);
    frame->UpdateFrameCommands();
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_TRUE(redo->isEnabled());
    Press(Qt::Key_Y, Qt::ControlModifier);
    view->PollRadio(false);
    EXPECT_EQ(view->GetFrequency(), 7050000u);
    EXPECT_TRUE(sim->frames().mid(before).contains(hex("00 70 50 00 01"))) << "the radio was set over CAT";

    // A frequency the receiver cannot take is refused with the range message
    // and sends nothing; Undo is left as it was.
    testsupport::prompter().m_boxes.clear();
    view->Panel().StopTimers();
    QTest::qWait(50);
    const int quiet = int(sim->frames().size());
    enter(QStringLiteral("999.999.99"));
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].caption, "Rx Frequency Out of Range");
    EXPECT_TRUE(testsupport::prompter().m_boxes[0].text.startsWith("The value 999.999.99 is out of range."));
    // Zero is quoted as what was typed, an empty field asks for a value:
    // neither shows the bare points of the mask.
    const struct {
        const char* typed;
        const char* caption;
        const char* text;
    } refused[] = {
        {"000.000.00", "Rx Frequency Out of Range", "The value 0 is out of range."},
        {"0", "Rx Frequency Out of Range", "The value 0 is out of range."},
        {"___.___.__", "Frequency", "Please enter a frequency."},
        {"", "Frequency", "Please enter a frequency."},
    };
    for (const auto& r : refused) {
        testsupport::prompter().m_boxes.clear();
        enter(QString::fromLatin1(r.typed));
        ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1) << r.typed;
        EXPECT_EQ(testsupport::prompter().m_boxes[0].caption, r.caption) << r.typed;
        EXPECT_TRUE(testsupport::prompter().m_boxes[0].text.startsWith(QString::fromLatin1(r.text)))
            << r.typed << ": " << testsupport::prompter().m_boxes[0].text.toStdString();
    }
    for (const QByteArray& frame : sim->frames().mid(quiet))
        EXPECT_NE(uint8_t(frame[4]), 0x01) << "no frequency was set";
}

// No key has two owners in any window of the program: the main window with
// its child windows, its bars floating on their own, and each of its tool
// windows while it is the active one (were a tool window one in Qt's sense,
// the main window's keys and menu titles would reach it and meet its own
// underlined letters).
TEST_F(ProgramKeys, NoKeyHasTwoOwnersInAnyWindow)
{
    Start(false);
    QStringList found;
    auto look = [&](QWidget* window, const QString& what) {
        QApplication::setActiveWindow(window);
        QApplication::processEvents();
        for (const QString& clash : testsupport::shortcutClashes(window))
            found << what + QStringLiteral(": ") + clash;
    };
    look(frame, QStringLiteral("main window"));
    // The docking bars, floating on their own.
    for (QDockWidget* bar : frame->findChildren<QDockWidget*>()) {
        const bool floating = bar->isFloating();
        bar->setFloating(true);
        bar->show();
        QApplication::processEvents();
        look(bar, QStringLiteral("floating ") + bar->windowTitle());
        bar->setFloating(floating);
    }
    // The tool windows of the menus and of the front panel.
    const unsigned tools[] = {CRadioMainFrame::ID_CW_SETTINGS,  CRadioMainFrame::ID_CW_SPEED,
                              CRadioMainFrame::ID_SCAN_BAND,    CRadioMainFrame::ID_LOGBOOK_ADD,
                              CRadioMainFrame::ID_DX_CLUSTER,   CRadioMainFrame::ID_TRANSVERTER,
                              CRadioMainFrame::ID_REPEATER,     CRadioMainFrame::ID_MEMORY_ANALYSER,
                              CRadioMainFrame::ID_MEMORY_BROWSER, CRadioMainFrame::ID_ENTER_FREQUENCY,
                              CRadioMainFrame::ID_FINE_TUNING};
    for (unsigned id : tools)
        frame->OnCommand(id);
    view->RunCommand(1394);  // the panel's Bands button
    QApplication::processEvents();
    int windows = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == frame || !w->isVisible() || w->isModal() || w->windowType() == Qt::Popup ||
            w->windowType() == Qt::ToolTip)
            continue;
        ++windows;
        look(w, QString::fromLatin1(w->metaObject()->className()) + QStringLiteral(" \"") + w->windowTitle() +
                    QLatin1Char('"'));
    }
    EXPECT_GE(windows, 10) << "the tool windows came up";
    EXPECT_TRUE(found.isEmpty()) << found.join("\n").toStdString();
}

// Ctrl+W, pressed in the main window, opens the CW Settings window and the
// next Ctrl+W hides it, every time: the key is the table's alone.
TEST_F(ProgramKeys, CtrlWTogglesTheCwSettingsWindowEveryTime)
{
    Start(false);
    view->setFocus();
    for (int i = 0; i < 4; ++i) {
        // Back in the main window, as the operator clicks it.
        frame->activateWindow();
        QApplication::setActiveWindow(frame);
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == frame; }, 2000));
        view->GetRadioState()->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_W, Qt::ControlModifier);
        QApplication::processEvents();
        QWidget* cw = frame->GetToolWindow(CRadioMainFrame::ID_CW_SETTINGS);
        ASSERT_NE(cw, nullptr) << "press " << i + 1;
        EXPECT_EQ(cw->isVisible(), i % 2 == 0) << "press " << i + 1;
    }
}
