// The Super Browser inside the running program: opened by the start-up
// layout, fed by the main frame, its Browser menu and frame, the hand-off
// of a signal to a receive channel, and the quick selection dialog.
#include "brevio/display/BrowserQuick.h"
#include "brevio/display/DisplayComponents.h"
#include "brevio/display/SuperFrame.h"
#include "brevio/display/SuperView.h"

#include "ScriptedBand.h"
#include "platform/Program.h"
#include "platform/Sleeper.h"
#include "brevio/core/Components.h"
#include "brevio/core/FormRx.h"
#include "brevio/core/MacroStore.h"
#include "brevio/core/MainFrame.h"
#include "brevio/core/PSK31App.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/core/RxTextWindow.h"
#include "brevio/core/TxTextWindow.h"
#include "brevio/core/stub/ScriptedDspControl.h"
#include "brevio/display/DisplayCanvasServices.h"
#include "shared/Registry.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/OwnComboBox.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QCheckBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class BrowserProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setProgram(platform::brevioIdentity());
        platform::Sleeper::setInstance(&m_sleeper);
        CurrentSettings().SetDefaults();
        PreviousSettings().SetDefaults();
        InstallDisplayComponents();
    }
    void TearDown() override
    {
        CSuperView::SetMenuRunner(nullptr);
        TheApp().DestroyWindows();
        TheApp().ExitInstance();
        TheApp().ReleaseMutex();
        TheApp().SetStartupDialogRunner(nullptr);
        TheApp().SetDspLibraryPath(QString());
        ForgetDspLibrary();
        PskComponents().createDisplayBar = nullptr;
        PskComponents().createSuperView = nullptr;
        CDisplayCanvasServices::SetInstance(nullptr);
        Macros().Clear();
        platform::Sleeper::setInstance(nullptr);
        platform::setProgram(platform::corvaneIdentity());
    }
    // The program on the scripted engine with the Super Browser layout.
    CSuperView* Start()
    {
        TheApp().SetDspLibraryPath(QString::fromUtf8(DSP_SCRIPTED));
        TheApp().SetStartupDialogRunner([](CMainFrame*, int* pnLayout) {
            *pnLayout = 0;
            return int(QDialog::Accepted);
        });
        if (!TheApp().InitInstance({QStringLiteral("brevio")}))
            return nullptr;
        CMainFrame* frame = TheApp().GetMainFrame();
        frame->resize(1000, 700);
        frame->show();
        (void)QTest::qWaitForWindowExposed(frame);
        QCoreApplication::processEvents();
        auto* view = dynamic_cast<CSuperView*>(TheApp().GetSuperView());
        if (view) {
            view->OnTimer(101);
            view->OnTimer(102);
        }
        return view;
    }
    platform::FakeSleeper m_sleeper;
};

} // namespace

TEST_F(BrowserProgram, OpensInItsFrameAndTakesTheBrowserChannels)
{
    CSuperView* view = Start();
    ASSERT_NE(view, nullptr);
    auto* frame = qobject_cast<CSuperFrame*>(TheApp().GetSuperFrame());
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(view->IsRunning());
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Super Browser, 20 Channels, Alarms On"));

    // The Browser menu reaches the view wherever the focus is.
    CMainFrame* main = TheApp().GetMainFrame();
    QMenu* browser = nullptr;
    for (QAction* a : main->menuBar()->actions())
        if (a->text() == QStringLiteral("&Browser"))
            browser = a->menu();
    ASSERT_NE(browser, nullptr);
    main->OnCommand(33493);
    EXPECT_EQ(view->GetChannelCount(), 15);
    EXPECT_TRUE(main->IsCommandChecked(33493));
    EXPECT_FALSE(main->IsCommandChecked(33494));
    view->OnTimer(102);

    // Characters of DSP channels 10-49 come through the main frame.
    for (QChar c : QStringLiteral("cq de g4abc"))
        main->OnDspChar(uintptr_t(c.unicode()), 14);
    EXPECT_EQ(view->Engine().Channel(4).GetRawText(), QStringLiteral("cq de g4abc"));
    main->OnDspImd(uintptr_t(intptr_t(-22)), 0x80 | 14);
    EXPECT_EQ(view->Engine().Channel(4).GetImdValue(), -22);
    EXPECT_EQ(view->Engine().Channel(4).GetImdBound(), 1);

    // Hidden by its menu command: stopped, the text kept; shown again: running.
    ASSERT_TRUE(frame->isVisible());
    main->OnCommand(33490);
    EXPECT_FALSE(frame->isVisible());
    EXPECT_FALSE(view->IsRunning());
    main->OnCommand(33490);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(view->IsRunning());
    EXPECT_EQ(view->Engine().Channel(4).GetRawText(), QStringLiteral("cq de g4abc"));

    // A right click beside the boxes opens the main menu's Browser popup.
    QStringList seen;
    CSuperView::SetMenuRunner([&](QMenu* menu, const QPoint&) -> QAction* {
        for (QAction* a : menu->actions())
            seen << a->text();
        return nullptr;
    });
    const QPoint empty = view->GetArea()->pos() + QPoint(CSuperView::kScaleWidth + 5, 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, empty, view->mapToGlobal(empty));
    QCoreApplication::sendEvent(view, &event);
    EXPECT_TRUE(seen.contains(QStringLiteral("Re&start")));
    EXPECT_TRUE(seen.contains(QStringLiteral("Define Alar&ms")));
}

TEST_F(BrowserProgram, ASignalGoesToAReceiveChannelWithItsText)
{
    testsupport::ScriptedBand band;
    testsupport::ScriptedDsp dsp(DSP_SCRIPTED);
    CSuperView* view = Start();
    ASSERT_NE(view, nullptr);
    // The browser's engine and the channel window read the same frequency.
    band.m_drift[16] = 1700;
    dsp.SetRxFrequency(16, 1700);
    for (QChar c : QStringLiteral("cq cq de g4abc g4abc k"))
        view->OnChannelChar(c.unicode(), 16);
    band.Advance(1000);
    view->OnTimer(100);
    ASSERT_TRUE(view->Engine().Channel(6).HasBox());

    // The quick selection: erase and a macro, then channel 2.
    Macros().Add(QStringLiteral("Reply"), {QStringLiteral("hello")}, CMacro::kAlwaysPrompt);
    CRegistry().WriteBool(QStringLiteral("CBrowserQuick::m_bMacro"), 1);
    CRegistry().WriteBool(QStringLiteral("CBrowserQuick::m_bHisInfo"), 0);
    bool answered = false;
    QTimer::singleShot(0, [&] {
        auto* quick = qobject_cast<CBrowserQuick*>(QApplication::activeModalWidget());
        if (!quick)
            return;
        answered = true;
        EXPECT_TRUE(quick->MacroBox()->isChecked());
        EXPECT_EQ(quick->MacroList()->currentText(), QStringLiteral("Reply"));
        quick->OnChannel(2);
    });
    CFormRx* form = TheApp().GetMainFrame()->GetChannelWindow(1);
    ASSERT_NE(form, nullptr);
    form->GetTxWindow()->setPlainText(QStringLiteral("old text"));
    view->SetClickedChannel(-1);
    const RECT b = view->Engine().Channel(6).GetBox();
    const QPoint centre = view->GetArea()->pos() +
                          QPoint(CSuperView::kScaleWidth + (b.left + b.right) / 2, (b.top + b.bottom) / 2);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, centre, view->mapToGlobal(centre), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
    QCoreApplication::sendEvent(view, &dbl);
    EXPECT_TRUE(answered);
    EXPECT_EQ(view->GetClickedChannel(), 6);
    QCoreApplication::processEvents();
    // Channel 2 shown, tuned to the signal, with the browser's text; its old
    // transmit text erased and the macro's text in its place.
    EXPECT_TRUE(TheApp().GetChannelFrame(1)->isVisible());
    const QString received = form->GetRxWindow()->toPlainText();
    // (the header's zeros are shown slashed, as received zeros are)
    EXPECT_TRUE(received.contains(QStringLiteral("Super Browser> 17") + QChar(0xD8) + QChar(0xD8) + QStringLiteral("Hz")))
        << received.toStdString();
    EXPECT_TRUE(received.contains(QStringLiteral("g4abc k"))) << received.toStdString();
    EXPECT_EQ(form->GetTxWindow()->toPlainText(), QStringLiteral("hello"));
    // The macro was sent without its always-prompt flag.
    EXPECT_EQ(Macros().FindByTitle(QStringLiteral("Reply"))->GetFlags() & CMacro::kAlwaysPrompt, 0);
}

TEST_F(BrowserProgram, QuickSelectionWithoutMacros)
{
    CSuperView* view = Start();
    ASSERT_NE(view, nullptr);
    CBrowserQuick quick(view);
    quick.show();
    EXPECT_FALSE(quick.MacroBox()->isChecked());
    EXPECT_FALSE(quick.MacroBox()->isEnabled());
    EXPECT_FALSE(quick.MacroList()->isEnabled());
    // A box toggled is written at once, even if the dialog is then cancelled.
    QTest::mouseClick(quick.EraseBox(), Qt::LeftButton);
    EXPECT_FALSE(CRegistry().GetBool(QStringLiteral("CBrowserQuick::m_bErase"), true));
    quick.OnCancel();
    EXPECT_EQ(quick.GetChosenChannel(), -1);
}

TEST_F(BrowserProgram, TheCanvasSeesTheTransmitPanel)
{
    testsupport::ScriptedBand band;
    CSuperView* view = Start();
    ASSERT_NE(view, nullptr);
    CDisplayCanvasServices& services = CDisplayCanvasServices::Instance();
    EXPECT_EQ(services.GetSuperView(), view);
    EXPECT_FALSE(services.IsTxPanelShown());
    // No channel has a box: the panel works on the first one, DSP id 10.
    band.m_drift[10] = 1500;
    view->OnCommand(CSuperView::IDC_TX_PANEL);
    EXPECT_TRUE(services.IsTxPanelShown());
    EXPECT_EQ(services.GetTxFrequency(), 1500);
    view->OnCommand(CSuperView::IDC_LOCK);
    band.m_drift[10] = 1600;
    EXPECT_TRUE(services.IsTxLocked());
    EXPECT_EQ(services.GetTxFrequency(), 1500);
    // The browser's transmit commands while its window is the active one.
    CMainFrame* main = TheApp().GetMainFrame();
    EXPECT_TRUE(main->IsCommandEnabled(32801));
    EXPECT_FALSE(main->IsCommandEnabled(33530));
}

// Browser > Display while no window is maximised: the Super Browser opens at
// its view's full size, not as a bare title bar.
TEST_F(BrowserProgram, OpensAtItsFullSizeWhenNoWindowIsMaximised)
{
    TheApp().SetDspLibraryPath(QString::fromUtf8(DSP_SCRIPTED));
    TheApp().SetStartupDialogRunner([](CMainFrame*, int* pnLayout) {
        *pnLayout = 1;  // classic: channel 1, maximised
        return int(QDialog::Accepted);
    });
    ASSERT_TRUE(TheApp().InitInstance({QStringLiteral("brevio")}));
    CMainFrame* main = TheApp().GetMainFrame();
    main->resize(1100, 800);
    main->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
    QMdiSubWindow* channel = TheApp().GetChannelFrame(0);
    ASSERT_NE(channel, nullptr);
    channel->showNormal();
    ASSERT_FALSE(channel->isMaximized());

    main->OnCommand(33490);
    QMdiSubWindow* frame = TheApp().GetSuperFrame();
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(frame->isVisible());
    EXPECT_FALSE(frame->isMaximized());
    QCoreApplication::processEvents();
    auto* view = dynamic_cast<CSuperView*>(TheApp().GetSuperView());
    ASSERT_NE(view, nullptr);
    EXPECT_GE(view->width(), 640) << view->width();
    EXPECT_GE(view->height(), 480) << view->height();
    EXPECT_GE(frame->height(), 480 + 20) << "the title bar above the view";
}
