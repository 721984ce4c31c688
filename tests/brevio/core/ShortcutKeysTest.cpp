// The keys of the main window's shortcut table, pressed in the running
// program (start-up with the recording engine) as an operator presses them:
// each one reaches its command wherever the main window has the focus, and
// Escape stops a transmission without taking Escape from a dialog.
#include "RecordingDsp.h"
#include "platform/Program.h"
#include "platform/Sleeper.h"
#include "brevio/core/Components.h"
#include "brevio/core/FormRx.h"
#include "brevio/core/MainFrame.h"
#include "brevio/core/PSK31App.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/core/RxTextWindow.h"
#include "brevio/core/TxTextWindow.h"
#include "support/ScriptedPrompter.h"
#include "support/ShortcutCheck.h"
#include "support/TestEnvironment.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDockWidget>
#include <QMdiArea>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct Row {
    const char* keyText;
    QKeyCombination key;
    int command;
};

// The 26 rows; those whose command stands in no menu (Alt+5 to Alt+9) give
// no key, so they are pressed and must do nothing.
const Row kRows[] = {
    {"Alt+1", Qt::ALT | Qt::Key_1, 32777},     {"Alt+2", Qt::ALT | Qt::Key_2, 32778},
    {"Alt+3", Qt::ALT | Qt::Key_3, 32779},     {"Alt+4", Qt::ALT | Qt::Key_4, 32780},
    {"Alt+5", Qt::ALT | Qt::Key_5, 32781},     {"Alt+6", Qt::ALT | Qt::Key_6, 32792},
    {"Alt+7", Qt::ALT | Qt::Key_7, 32793},     {"Alt+8", Qt::ALT | Qt::Key_8, 32794},
    {"Alt+9", Qt::ALT | Qt::Key_9, 32795},     {"Alt+C", Qt::ALT | Qt::Key_C, 33538},
    {"Alt+O", Qt::ALT | Qt::Key_O, 32803},     {"Alt+P", Qt::ALT | Qt::Key_P, 33512},
    {"Alt+Y", Qt::ALT | Qt::Key_Y, 32804},     {"Ctrl+C", Qt::CTRL | Qt::Key_C, 57634},
    {"Ctrl+X", Qt::CTRL | Qt::Key_X, 57635},   {"Ctrl+V", Qt::CTRL | Qt::Key_V, 57637},
    {"F1", QKeyCombination(Qt::Key_F1), 32801}, {"F2", QKeyCombination(Qt::Key_F2), 32799},
    {"F3", QKeyCombination(Qt::Key_F3), 33573}, {"Escape", QKeyCombination(Qt::Key_Escape), 32819},
    {"F5", QKeyCombination(Qt::Key_F5), 32785}, {"F6", QKeyCombination(Qt::Key_F6), 33500},
    {"F7", QKeyCombination(Qt::Key_F7), 33490}, {"F8", QKeyCombination(Qt::Key_F8), 32784},
    {"Alt <-", Qt::ALT | Qt::Key_Left, 33478}, {"Alt ->", Qt::ALT | Qt::Key_Right, 33479},
};

bool InMenus(int command)
{
    return !(command == 32781 || (command >= 32792 && command <= 32795));
}

// Copy, Cut and Paste: an editable pane takes these keys itself.
bool IsEditKey(int command)
{
    return command == 57634 || command == 57635 || command == 57637;
}

class ShortcutKeys : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setProgram(platform::brevioIdentity());
        platform::Sleeper::setInstance(&m_sleeper);
        CurrentSettings().SetDefaults();
        CurrentSettings().m_nTxDelay = 0;  // the engine's messages are not held back
        CurrentSettings().Save();
        PreviousSettings() = CurrentSettings();
        TheApp().SetDspLibraryPath(QString::fromUtf8(DSP_RECORDER));
        TheApp().SetStartupDialogRunner([](CMainFrame*, int* pnLayout) {
            *pnLayout = 1;  // new classic layout: channel 1 active
            return int(QDialog::Accepted);
        });
        ASSERT_TRUE(TheApp().InitInstance({QStringLiteral("brevio")}));
        m_frame = TheApp().GetMainFrame();
        m_form = m_frame->GetChannelWindow(0);
        m_frame->activateWindow();
        QApplication::setActiveWindow(m_frame);
        // Commands that open a modal dialog (the palette editor) get it
        // closed again, as an operator would.
        m_closer.setInterval(20);
        QObject::connect(&m_closer, &QTimer::timeout, [] {
            if (QWidget* popup = QApplication::activePopupWidget())
                popup->close();
            else if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        m_closer.start();
    }
    void TearDown() override
    {
        m_closer.stop();
        TheApp().DestroyWindows();
        TheApp().ExitInstance();
        TheApp().ReleaseMutex();
        TheApp().SetStartupDialogRunner(nullptr);
        TheApp().SetDspLibraryPath(QString());
        ForgetDspLibrary();
        platform::Sleeper::setInstance(nullptr);
        platform::setProgram(platform::corvaneIdentity());
    }
    void Engine(unsigned message, uintptr_t wParam, intptr_t lParam)
    {
        m_dsp.Post(message, wParam, lParam);
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents();
    }
    // Sound data flows (Rewind needs it); the engine reports receive or
    // transmit as it does.
    void Receiving()
    {
        Engine(CMainFrame::WM_FFT_READY, 0, 0);
        Engine(CMainFrame::WM_DSP_STATUS, 0, 0);
    }
    void Transmitting() { Engine(CMainFrame::WM_DSP_STATUS, 1, 0); }
    void Press(QWidget* focus, QKeyCombination key)
    {
        focus->setFocus();
        QTest::keyClick(focus, key.key(), key.keyboardModifiers());
        QCoreApplication::processEvents();
    }

    testsupport::RecordingDsp m_dsp;
    platform::FakeSleeper m_sleeper;
    CMainFrame* m_frame = nullptr;
    CFormRx* m_form = nullptr;
    QTimer m_closer;
};

TEST_F(ShortcutKeys, EveryRowReachesItsCommandFromTheChannelWindow)
{
    ASSERT_NE(m_form, nullptr);
    // The display window shown (the Palette Editor needs it).
    m_frame->GetDisplayBar()->show();
    // Received text for Save To File.
    Receiving();
    for (char c : QByteArrayLiteral("cq de qt9xvk"))
        Engine(CMainFrame::WM_DSP_CHAR, uintptr_t(uint8_t(c)), 0);
    // (held back while the window settles after start-up)
    for (int i = 0; i < 100 && !m_form->GetRxWindow()->toPlainText().contains(QStringLiteral("qt9xvk")); ++i)
        QTest::qWait(20);
    ASSERT_TRUE(m_form->GetRxWindow()->toPlainText().contains(QStringLiteral("qt9xvk")));
    QWidget* places[] = {m_form->GetRxWindow(), m_form};
    for (QWidget* place : places) {
        for (const Row& row : kRows) {
            SCOPED_TRACE(std::string(row.keyText) + " in " + place->metaObject()->className());
            const bool transmit = row.command == 32819;
            if (transmit)
                Transmitting();
            else
                Receiving();
            QAction* action = m_frame->GetCommandAction(row.command);
            if (IsEditKey(row.command))
                continue;  // their own test below
            if (!InMenus(row.command)) {
                EXPECT_EQ(action, nullptr);
                continue;
            }
            ASSERT_NE(action, nullptr);
            EXPECT_TRUE(action->text().endsWith(QLatin1Char('\t') + QLatin1String(row.keyText)))
                << action->text().toStdString();
            // The palette editor lives in the display library, which this
            // program of tests does not link: its key has nothing to open.
            if (row.command == 33512 && !PskComponents().runPaletteDesigner) {
                EXPECT_FALSE(m_frame->IsCommandEnabled(row.command));
                continue;
            }
            ASSERT_TRUE(m_frame->IsCommandEnabled(row.command));
            QSignalSpy triggered(action, &QAction::triggered);
            // The key, with the channel window the active one.
            m_frame->GetMdiArea()->setActiveSubWindow(TheApp().GetChannelFrame(0));
            Press(place, row.key);
            EXPECT_EQ(triggered.count(), 1);
            // Channel, browser and log windows toggled by the keys come back.
            if (row.command >= 32777 && row.command <= 32780 && row.command != 32777)
                TheApp().HideView(TheApp().GetChannelFrame(row.command - 32777));
            if (row.command == 33490)
                m_frame->OnCommand(33490);
            if (row.command == 32777 && !TheApp().GetChannelFrame(0)->isVisible())
                m_frame->OnCommand(32777);
            if (row.command == 32784)
                m_frame->OnCommand(32784);
            Receiving();
        }
    }
}

TEST_F(ShortcutKeys, AltOOpensATextFileRightAfterStartUp)
{
    // The first key of the session, before any menu was opened.
    testsupport::prompter().clear();
    Press(m_form->GetTxWindow(), Qt::ALT | Qt::Key_O);
    EXPECT_EQ(testsupport::prompter().m_chooserCaptions, QStringList{QStringLiteral("Open Text File")});
}

TEST_F(ShortcutKeys, EditKeysCopyCutAndPasteInTheChannelWindow)
{
    Receiving();
    CTxTextWindow* tx = m_form->GetTxWindow();
    CRxTextWindow* rx = m_form->GetRxWindow();
    rx->setPlainText(QStringLiteral("received"));
    rx->selectAll();
    QApplication::clipboard()->clear();
    // Copy from the receive pane, through the table's key.
    Press(rx, Qt::CTRL | Qt::Key_C);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("received"));
    // Paste and Cut in the transmit pane (it does both itself).
    tx->setPlainText(QStringLiteral("CQ "));
    tx->moveCursor(QTextCursor::End);
    Press(tx, Qt::CTRL | Qt::Key_V);
    EXPECT_EQ(tx->toPlainText(), QStringLiteral("CQ received"));
    tx->selectAll();
    Press(tx, Qt::CTRL | Qt::Key_X);
    EXPECT_EQ(tx->toPlainText(), QString());
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("CQ received"));
}

TEST_F(ShortcutKeys, EscapeAbortsTheTransmissionWhereverTheMainWindowHasTheFocus)
{
    CTxTextWindow* tx = m_form->GetTxWindow();
    QWidget* places[] = {tx, m_form->GetRxWindow(), m_form, m_frame->GetDisplayBar()->widget(), m_frame->GetTagsBar()};
    for (QWidget* place : places) {
        SCOPED_TRACE(place->metaObject()->className());
        Receiving();
        tx->setPlainText(QStringLiteral("CQ CQ de QT9XVK"));
        // F1 in the transmit pane starts the transmission, as typed.
        Press(tx, QKeyCombination(Qt::Key_F1));
        ASSERT_EQ(m_dsp.Calls(QStringLiteral("fnStartTX")).size(), 1);
        Transmitting();
        m_dsp.Clear();
        Press(place, QKeyCombination(Qt::Key_Escape));
        EXPECT_EQ(m_dsp.Calls(QStringLiteral("fnAbortTX")).size(), 1);
        EXPECT_EQ(m_dsp.Calls(QStringLiteral("fnClearTXBuffer")).size(), 1);
        m_dsp.Clear();
    }
    // In receive Escape does nothing.
    Receiving();
    m_dsp.Clear();
    Press(tx, QKeyCombination(Qt::Key_Escape));
    EXPECT_TRUE(m_dsp.Calls(QStringLiteral("fnAbortTX")).isEmpty());
}

TEST_F(ShortcutKeys, EscapeInAnOpenDialogStaysWithTheDialog)
{
    m_closer.stop();
    Receiving();
    Press(m_form->GetTxWindow(), QKeyCombination(Qt::Key_F1));
    Transmitting();
    m_dsp.Clear();
    QDialog dialog(m_frame);
    dialog.show();
    dialog.activateWindow();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());  // the dialog took it: rejected
    EXPECT_TRUE(m_dsp.Calls(QStringLiteral("fnAbortTX")).isEmpty());
}

} // namespace

// A toolbar button shares its menu item's action: its tip names the key in
// brackets instead of showing the menu's tab and key.
TEST_F(ShortcutKeys, ToolbarTipsNameTheirKeys)
{
    struct Row {
        int command;
        const char* tip;
    };
    const Row rows[] = {{32785, "Rewind (F5)"}, {32784, "Options (F8)"}, {32771, "Start"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.command);
        QAction* action = m_frame->GetCommandAction(row.command);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->toolTip(), QLatin1String(row.tip));
    }
}

// No key has two owners in the main window (with its channel, browser and
// log windows and its bars) nor in a window of the program shown beside it,
// nor in a bar floating on its own (Qt passes the main window's keys on to
// it, where they would meet the bar's underlined letters).
TEST_F(ShortcutKeys, NoKeyHasTwoOwnersInAnyWindow)
{
    m_frame->GetDisplayBar()->show();
    QApplication::processEvents();
    QStringList found;
    for (QDockWidget* bar : m_frame->findChildren<QDockWidget*>()) {
        const bool floating = bar->isFloating();
        bar->setFloating(true);
        bar->show();
        QApplication::processEvents();
        QApplication::setActiveWindow(bar);
        QApplication::processEvents();
        for (const QString& clash : testsupport::shortcutClashes(bar))
            found << QStringLiteral("floating %1: %2").arg(bar->windowTitle(), clash);
        bar->setFloating(floating);
    }
    QApplication::processEvents();
    bool frameSeen = false;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || w->windowType() == Qt::Popup || w->windowType() == Qt::ToolTip)
            continue;
        frameSeen = frameSeen || w == m_frame;
        QApplication::setActiveWindow(w);
        QApplication::processEvents();
        for (const QString& clash : testsupport::shortcutClashes(w))
            found << QString::fromLatin1(w->metaObject()->className()) + QStringLiteral(": ") + clash;
    }
    EXPECT_TRUE(frameSeen);
    EXPECT_TRUE(found.isEmpty()) << found.join("\n").toStdString();
}
