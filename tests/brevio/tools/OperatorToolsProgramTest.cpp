// The operator's tools in the running program on the real engine, with wave
// files in place of a sound card: a station sending its locator is
// recorded and played back; the locator spotted in channel 1 lands in the
// Grid Square Summary, and taken into the Locator tag it gives distance and
// heading on the distance toolbar. A beacon on channel 1 goes out twice and
// stops on Stop. With CORVANE_SCREENSHOT_DIR set the tools are photographed
// (docs/ holds these, taken with
//   CORVANE_SCREENSHOT_DIR=docs QT_QPA_PLATFORM=xcb xvfb-run -a -s '-screen 0 1280x900x24'
//     build/tests/brevio_tools_tests --gtest_filter='OperatorToolsInTheProgram.*'
// or, where no X server is installed, offscreen with the same variable).
#include "ToolsFixture.h"

#include "platform/Sleeper.h"
#include "brevio/core/DspLibrary.h"
#include "brevio/core/FormRx.h"
#include "brevio/core/LocatorEdit.h"
#include "brevio/core/LogView.h"
#include "brevio/core/PSK31App.h"
#include "brevio/core/RegisteredMessages.h"
#include "brevio/core/RxTextWindow.h"
#include "brevio/core/TxTextWindow.h"
#include "brevio/display/DisplayCanvasServices.h"
#include "brevio/display/DisplayComponents.h"
#include "brevio/core/CustomiseDialog.h"
#include "brevio/core/FullScreenDialog.h"
#include "brevio/display/AlarmTestDlg.h"
#include "brevio/display/BrowserQuick.h"
#include "brevio/display/BrowserToChannel.h"
#include "brevio/tools/AddToLogfileDialog.h"
#include "brevio/tools/BeaconDlg.h"
#include "brevio/tools/FavouriteDialog.h"
#include "brevio/tools/MacroInputDialog.h"
#include "brevio/tools/SpeechOptionsDialog.h"
#include "brevio/tools/TagEditorDialog.h"
#include "brevio/tools/DistanceBar.h"
#include "brevio/tools/DistanceCalculator.h"
#include "brevio/tools/GridCalculator.h"
#include "brevio/tools/GridSquareSummaryDialog.h"
#include "shared/Registry.h"
#include "shared/ui/OwnComboBox.h"
#include "shared/ui/PropertySheet.h"
#include "shared/ui/OwnListCtrl.h"
#include "support/LayoutCheck.h"
#include "support/MnemonicGuard.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnvironment.h"
#include "support/WaveFiles.h"

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTextDocument>

#ifdef DSP_LIBRARY_REAL

namespace {

bool WaitFor(const std::function<bool()>& done, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (done())
            return true;
    }
    return done();
}

// The station's own locator has no zero: the windows show zeros slashed.
const char kStation[] = "CQ de GM4ABC GM4ABC loc JN58TD pse k";
const char kLocator[] = "JN58TD";
const char kBeaconText[] = "QT9XVK BEACON TEST";

class OperatorToolsInTheProgram : public testsupport::ToolsFixture {
protected:
    void SetUp() override
    {
        // Eight times real time: fast, yet the decoder sees every block.
        qputenv("PSKMODEM117_FILE_SPEED", "8");
        ToolsFixture::SetUp();
        platform::Sleeper::setInstance(&m_sleeper);
        InstallDisplayComponents();
        InstallToolComponents();
        TheApp().SetDspLibraryPath(QString::fromUtf8(DSP_LIBRARY_REAL));
        TheApp().SetStartupDialogRunner([](CMainFrame*, int* pnLayout) {
            *pnLayout = 1;
            return int(QDialog::Accepted);
        });
        m_dir = testsupport::dataFolder();
        QDir().mkpath(m_dir);
        ASSERT_TRUE(testsupport::WriteSilence(m_dir + QStringLiteral("/silence.wav"), 800));
        CurrentSettings().m_strLocator = QStringLiteral("IO91WM");
        CurrentSettings().Save();
    }
    void TearDown() override
    {
        if (TheApp().GetMainFrame()) {
            fnStopSoundCard();
            TheApp().GetMainFrame()->close();
        }
        TheApp().DestroyWindows();
        TheApp().ExitInstance();
        TheApp().ReleaseMutex();
        TheApp().SetStartupDialogRunner(nullptr);
        TheApp().SetDspLibraryPath(QString());
        ForgetDspLibrary();
        CDisplayCanvasServices::SetInstance(nullptr);
        platform::Sleeper::setInstance(nullptr);
        qunsetenv("PSKMODEM117_FILE_SPEED");
        ToolsFixture::TearDown();
    }
    CMainFrame* Start()
    {
        if (!TheApp().InitInstance({QStringLiteral("brevio")}))
            return nullptr;
        CMainFrame* frame = TheApp().GetMainFrame();
        frame->resize(1100, 760);
        frame->show();
        (void)QTest::qWaitForWindowExposed(frame);
        // Wave files in place of the sound card (the input switch is never
        // taken from the stored settings).
        CPSK31Settings& s = CurrentSettings();
        s.m_nTxDelay = 0;
        s.m_bInputEnable = 1;
        s.m_strInputWaveFile = m_dir + QStringLiteral("/silence.wav");
        s.m_bOutputEnable = 1;
        s.m_strOutputWaveFile = m_dir + QStringLiteral("/scratch.wav");
        s.m_nOutputLimit = 0;
        s.m_bSoundcardEchoInput = 0;
        s.m_bSoundcardEchoOutput = 0;
        SaveAndBroadcastSettings();
        return frame;
    }
    static QString RxText(CFormRx* form) { return form->GetRxWindow()->toPlainText(); }
    static int Transmissions() { return int(TheApp().GetLogView()->toPlainText().count(QStringLiteral("Status: [1]"))); }
    static bool Transmitting() { return TheApp().GetMainFrame()->IsTransmitting(); }
    // A window as it shows on the screen (offscreen: as it is drawn).
    static void Photograph(QWidget* w, const char* name)
    {
        const QString dir = qEnvironmentVariable("CORVANE_SCREENSHOT_DIR");
        EXPECT_FALSE(w->grab().isNull());
        if (dir.isEmpty())
            return;
        w->window()->raise();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w->window()));
        WaitFor([] { return false; }, 400);
        QPixmap photo;
        if (QGuiApplication::platformName() == QLatin1String("xcb")) {
            const QRect r = w->isWindow() ? w->frameGeometry() : QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
            photo = w->screen()->grabWindow(0, r.x(), r.y(), r.width(), r.height());
        } else {
            photo = w->grab();
        }
        EXPECT_TRUE(photo.save(dir + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png")));
    }

    platform::FakeSleeper m_sleeper;
    QString m_dir;
};

TEST_F(OperatorToolsInTheProgram, ASpottedLocatorReachesTheSummaryAndTheDistanceBar)
{
    CMainFrame* frame = Start();
    ASSERT_NE(frame, nullptr);
    CFormRx* channel = frame->GetChannelWindow(0);
    ASSERT_NE(channel, nullptr);
    CPSK31Settings& s = CurrentSettings();

    // The station is recorded through channel 1 at 1000 Hz.
    const QString recording = m_dir + QStringLiteral("/station.wav");
    s.m_strOutputWaveFile = recording;
    SaveAndBroadcastSettings();
    SendRegisteredMessage(channel, RegisteredMessage::nMsgFrequency, 0, 1000);
    channel->GetTxWindow()->Clear();
    channel->GetTxWindow()->AddText(QString::fromLatin1(kStation), false, false);
    channel->OnTransmitAutostop();
    ASSERT_TRUE(WaitFor([] { return Transmissions() == 1 && !Transmitting(); }, 30000))
        << TheApp().GetLogView()->toPlainText().toStdString();
    s.m_strOutputWaveFile = m_dir + QStringLiteral("/scratch.wav");
    SaveAndBroadcastSettings();  // closes the recording

    // The summary collects from its first opening on.
    frame->OnCommand(33627);
    auto* summary = dynamic_cast<CGridSquareSummaryDialog*>(frame->GetToolWindow(33627));
    ASSERT_NE(summary, nullptr);
    summary->OnErase();
    channel->OnEraseRx();
    s.m_strInputWaveFile = recording;
    SaveAndBroadcastSettings();
    ASSERT_TRUE(WaitFor([&] { return RxText(channel).contains(QStringLiteral("pse k")); }, 30000))
        << RxText(channel).toStdString();
    ASSERT_EQ(summary->List()->GetItemCount(), 1);
    EXPECT_EQ(summary->List()->GetItemText(0, CGridSquareSummaryDialog::ColLocator), QLatin1String(kLocator));
    EXPECT_FALSE(summary->List()->GetItemText(0, CGridSquareSummaryDialog::ColDistance).isEmpty());

    // The operator takes the locator from the received text into the tag.
    QTextCursor found = channel->GetRxWindow()->document()->find(QLatin1String(kLocator));
    ASSERT_FALSE(found.isNull());
    channel->GetRxWindow()->setTextCursor(found);
    int index = 0;
    while (Tags().GetAt(index) && Tags().GetAt(index)->GetTitle() != QLatin1String("Locator"))
        ++index;
    ASSERT_NE(Tags().GetAt(index), nullptr);
    channel->GetRxWindow()->OnTagCommand(CRxTextWindow::kFirstTagCommand + index);
    frame->OnCommand(33571);  // the distance toolbar is shown
    auto* bar = dynamic_cast<CDistanceBar*>(frame->GetToolBar(CDistanceBar::kBarId));
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(WaitFor([&] { return bar->GetLocatorEdit()->text() == QLatin1String(kLocator); }, 2000));
    const CDistanceBar::Texts expected = CDistanceBar::Compute(s.m_strLocator, QLatin1String(kLocator), true);
    EXPECT_EQ(bar->GetDistanceText(), expected.distance);
    EXPECT_EQ(bar->GetHeadingText(), expected.heading);
    EXPECT_TRUE(expected.heading.startsWith(QLatin1String("Beam: ")));
    EXPECT_EQ(bar->windowTitle(), QStringLiteral("Distance from IO91WM"));

    // Pictures: the toolbar, the summary and both calculators at work.
    Photograph(bar, "brevio-distance-toolbar");
    Photograph(summary, "brevio-grid-square-summary");
    frame->OnCommand(33565);
    auto* distance = dynamic_cast<CDistanceCalculator*>(frame->GetToolWindow(33565));
    ASSERT_NE(distance, nullptr);
    distance->Edit(CDistanceCalculator::IDC_SQUARE1)->setText(QStringLiteral("IO91WM"));
    distance->Edit(CDistanceCalculator::IDC_SQUARE2)->setText(QLatin1String(kLocator));
    distance->OnOK();
    EXPECT_EQ(distance->FieldText(CDistanceCalculator::IDC_POSITION2), QStringLiteral("48.1458 N, 11.6250 E"));
    Photograph(distance, "brevio-distance-calculator");
    frame->OnCommand(33564);
    auto* grid = dynamic_cast<CGridCalculator*>(frame->GetToolWindow(33564));
    ASSERT_NE(grid, nullptr);
    const char* const dms[6] = {"48", "8", "45", "11", "37", "30"};
    const int ids[6] = {CGridCalculator::IDC_LAT1, CGridCalculator::IDC_LAT2, CGridCalculator::IDC_LAT3,
                        CGridCalculator::IDC_LON1, CGridCalculator::IDC_LON2, CGridCalculator::IDC_LON3};
    for (int i = 0; i < 6; ++i)
        grid->Edit(ids[i])->setText(QString::fromLatin1(dms[i]));
    grid->Combo(CGridCalculator::IDC_WE)->SetCurSel(1);
    grid->OnOK();
    EXPECT_EQ(grid->Edit(CGridCalculator::IDC_RESULT)->text(), QLatin1String(kLocator));
    Photograph(grid, "brevio-grid-square-calculator");
}

TEST_F(OperatorToolsInTheProgram, ABeaconGoesOutTwiceAndStopsOnStop)
{
    CMainFrame* frame = Start();
    ASSERT_NE(frame, nullptr);
    CFormRx* channel = frame->GetChannelWindow(0);
    ASSERT_NE(channel, nullptr);
    SendRegisteredMessage(channel, RegisteredMessage::nMsgFrequency, 0, 1200);
    channel->GetTxWindow()->AddText(QStringLiteral("typed before"), false, false);
    TheApp().GetLogView()->Erase();
    QDateTime now = QDateTime(QDate(2024, 5, 1), QTime(9, 0, 0), Qt::UTC);
    int sentAtStop = -1;
    QString countdown;
    Next<CBeaconDlg>([&](CBeaconDlg& d) {
        d.SetClock([&now] { return now; });
        EXPECT_EQ(d.TextEdit()->toPlainText(), QStringLiteral("typed before"));
        d.TextEdit()->setPlainText(QLatin1String(kBeaconText));
        d.OptionButton(CBeaconCycle::After)->setChecked(true);
        d.AfterEdit()->setText(QStringLiteral("20"));
        d.OnStart();
        ASSERT_TRUE(WaitFor([] { return Transmissions() == 1 && !Transmitting(); }, 30000))
            << TheApp().GetLogView()->toPlainText().toStdString();
        ASSERT_TRUE(WaitFor([&] { return d.Cycle().GetState() == CBeaconCycle::Waiting; }, 2000));
        WaitFor([] { return false; }, 3 * CBeaconDlg::kTimerMs);
        countdown = d.GetStatusText();
        // Twenty seconds later by the beacon's clock it goes again.
        now = now.addSecs(20);
        ASSERT_TRUE(WaitFor([] { return Transmissions() == 2 && !Transmitting(); }, 30000))
            << TheApp().GetLogView()->toPlainText().toStdString();
        ASSERT_TRUE(WaitFor([&] { return d.Cycle().GetState() == CBeaconCycle::Waiting; }, 2000));
        Photograph(&d, "brevio-beacon");
        d.OnStop();
        sentAtStop = Transmissions();
        now = now.addSecs(600);
        WaitFor([] { return false; }, 5 * CBeaconDlg::kTimerMs);
        EXPECT_EQ(d.Cycle().GetState(), CBeaconCycle::Idle);
        EXPECT_EQ(d.GetStatusText(), QStringLiteral("- Rx -"));
        d.OnCancel();
    });
    bool enabled = false, checked = false;
    ASSERT_TRUE(channel->UpdateCommand(33485, enabled, checked));
    EXPECT_TRUE(enabled);
    const QString caption = QStringLiteral("Beacon: ") + TheApp().GetChannelFrame(0)->windowTitle();
    channel->OnCommand(33485);  // "Beaco&n"
    EXPECT_EQ(m_dialogTitles, QStringList{caption});
    EXPECT_EQ(countdown, QStringLiteral("Waiting... 00:00:20"));
    EXPECT_EQ(sentAtStop, 2);
    EXPECT_EQ(Transmissions(), 2);
    EXPECT_FALSE(Transmitting());
    // Both went out whole, through the transmit window, "[stop]" ending each.
    EXPECT_EQ(RxText(channel).count(QLatin1String(kBeaconText)), 2) << RxText(channel).toStdString();
    EXPECT_FALSE(RxText(channel).contains(QLatin1String("[stop]")));
    EXPECT_EQ(CRegistry().GetString(QStringLiteral("CBeaconDlg::m_strText")), QLatin1String(kBeaconText));
}

} // namespace

#endif

namespace {
void collectActions(QMenu* menu, const QString& path, QList<QPair<QString, QAction*>>& out)
{
    for (QAction* a : menu->actions()) {
        if (a->isSeparator())
            continue;
        if (a->menu())
            collectActions(a->menu(), path + " > " + a->text(), out);
        else
            out.append({path + " > " + a->text(), a});
    }
}
} // namespace

// Every dialog the menus open, at the default font and one point larger:
// no label shows its mnemonic '&', no text is cut off, no control sticks out
// of its box or lies over another. Modal dialogs are looked at and cancelled
// as they come up; windows that stay open are closed again. Transmitting,
// leaving, resetting and reaching outside this machine are left out.
TEST_F(OperatorToolsInTheProgram, EveryDialogOfTheMenusShowsItsTextsWhole)
{
    CMainFrame* frame = Start();
    ASSERT_NE(frame, nullptr);
    const QSet<int> leftOut{57606 /* Print Setup */, 32789 /* Add Desktop Icon */, 33517 /* Reset */};
    int looked = 0;
    QStringList found;
    auto inspect = [&](QWidget* w, const QString& command) {
        ++looked;
        for (const QString& problem : testsupport::layoutProblems(w))
            found << QStringLiteral("%1 (%2): %3").arg(QString::fromLatin1(w->metaObject()->className()), command, problem);
        for (const QString& text : testsupport::literalMnemonics(w))
            found << QStringLiteral("%1 (%2): shows '&' in %3")
                         .arg(QString::fromLatin1(w->metaObject()->className()), command, text);
    };
    auto walk = [&] {
        QList<QPair<QString, QAction*>> actions;
        for (QAction* a : frame->menuBar()->actions())
            if (a->menu() && a->text() != QStringLiteral("&Tx"))
                collectActions(a->menu(), a->text(), actions);
        for (const auto& entry : actions) {
            // Plain names: clang 14 cannot capture a structured binding in a lambda.
            const auto& command = entry.first;
            const auto& action = entry.second;
            const int id = action->data().toInt();
            if (id == 0 || leftOut.contains(id) || !action->isEnabled())
                continue;
            QSet<QWidget*> before;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible())
                    before << w;
            int cancelled = 0;
            QTimer watchdog;
            QObject::connect(&watchdog, &QTimer::timeout, [&] {
                QWidget* modal = QApplication::activeModalWidget();
                if (!modal || cancelled > 20)
                    return;
                ++cancelled;
                inspect(modal, command);
                // Straight out, past any question a dialog asks on Cancel.
                if (auto* dialog = qobject_cast<QDialog*>(modal))
                    dialog->QDialog::done(QDialog::Rejected);
                else
                    modal->close();
            });
            watchdog.start(30);
            action->trigger();
            QApplication::processEvents();
            watchdog.stop();
            EXPECT_LE(cancelled, 20) << command.toStdString() << " keeps opening dialogs";
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (w->isVisible() && !before.contains(w) && w != frame) {
                    inspect(w, command);
                    w->close();
                }
            }
            QApplication::processEvents();
            testsupport::prompter().clear();
        }
    };
    walk();
    testsupport::withLargerFont(walk);
    EXPECT_GT(looked, 20) << "the menus open the program's dialogs";
    EXPECT_TRUE(found.isEmpty()) << found.join("\n").toStdString();
}

#ifdef DSP_LIBRARY_REAL
namespace {

// The dialogs no menu item opens: the start-up dialog, those a channel's
// transmit menu and the macros open, the managers' editors, the Super
// Browser's channel dialogs, the alarm test, speech options and the full
// screen button; the same checks as above, at both font sizes.
TEST_F(OperatorToolsInTheProgram, EveryDialogOutsideTheMenusShowsItsTextsWhole)
{
    CMainFrame* frame = Start();
    ASSERT_NE(frame, nullptr);
    CFormRx* form = frame->GetChannelWindow(0);
    ASSERT_NE(form, nullptr);
    QStringList found;
    int looked = 0;
    auto inspect = [&](QDialog* dialog) {
        dialog->show();
        (void)QTest::qWaitForWindowExposed(dialog);
        QCoreApplication::processEvents();
        ++looked;
        const QString name = QString::fromLatin1(dialog->metaObject()->className());
        for (const QString& problem : testsupport::layoutProblems(dialog))
            found << QStringLiteral("%1: %2").arg(name, problem);
        for (const QString& text : testsupport::literalMnemonics(dialog))
            found << QStringLiteral("%1: shows '&' in %2").arg(name, text);
        dialog->hide();
    };
    auto walk = [&] {
        { CCustomiseDialog d(frame); inspect(&d); }
        { CBeaconDlg d(frame, QString::fromLatin1(kBeaconText), form); inspect(&d); }
        { CTagEditorDialog d(frame, {QStringLiteral("Callsign")}); inspect(&d); }
        { CFavouriteDialog d(frame, QStringLiteral("20 m PSK31 calling frequency"), 14070150); inspect(&d); }
        { CBrowserQuick d(frame); inspect(&d); }
        { CBrowserToChannel d(frame); inspect(&d); }
        { CAlarmTestDlg d(frame, QStringLiteral("\\bCQ\\b")); inspect(&d); }
        { CSpeechOptionsDialog d(frame); inspect(&d); }
        { CFullScreenDialog d(frame); inspect(&d); }
        { CAddToLogfileDialog d(frame, QStringLiteral("<call:6>GM4ABC <gridsquare:6>JN58TD <eor>")); inspect(&d); }
        {
            CMacroInputDialog d(frame, 0, QStringLiteral("Reply with the station's details"),
                                {QStringLiteral("Callsign"), QStringLiteral("Name"), QStringLiteral("My Callsign")},
                                {QStringLiteral("<Callsign> de <My Callsign> - hello <Name>")}, true, true);
            inspect(&d);
        }
    };
    walk();
    testsupport::withLargerFont(walk);
    EXPECT_EQ(looked, 22);
    EXPECT_TRUE(found.isEmpty()) << found.join("\n").toStdString();
}

// Every page of the options window (Tools > Options shows only the page it
// opens at), at both font sizes.
TEST_F(OperatorToolsInTheProgram, EveryOptionsPageShowsItsTextsWhole)
{
    CMainFrame* frame = Start();
    ASSERT_NE(frame, nullptr);
    ASSERT_NE(frame->GetOptionsSheet(), nullptr);
    QWidget* sheet = frame->GetOptionsSheet()->GetWidget();
    ASSERT_NE(sheet, nullptr);
    QStringList found;
    QSet<QString> titles;
    auto walk = [&] {
        for (int page = 0; page < 16; ++page) {
            frame->ShowOptionsPage(page);
            (void)QTest::qWaitForWindowExposed(sheet);
            QCoreApplication::processEvents();
            // The sheet keeps its pages in a tab control, which the layout
            // check leaves alone: the page shown is looked at on its own.
            auto* pages = qobject_cast<CPropertySheet*>(sheet);
            ASSERT_NE(pages, nullptr);
            ASSERT_EQ(pages->GetActiveIndex(), page);
            QWidget* shown = pages->GetActivePage();
            ASSERT_NE(shown, nullptr);
            ASSERT_TRUE(shown->isVisible()) << page;
            for (QWidget* w : {sheet, shown}) {
                for (const QString& problem : testsupport::layoutProblems(w))
                    found << QStringLiteral("page %1: %2").arg(page).arg(problem);
            }
            for (const QString& text : testsupport::literalMnemonics(sheet))
                found << QStringLiteral("page %1: shows '&' in %2").arg(page).arg(text);
            titles << shown->windowTitle();
        }
        sheet->hide();
    };
    walk();
    testsupport::withLargerFont(walk);
    EXPECT_EQ(titles.size(), 16);
    EXPECT_TRUE(found.isEmpty()) << found.join("\n").toStdString();
}

} // namespace
#endif
