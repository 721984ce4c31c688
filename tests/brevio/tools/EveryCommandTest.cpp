// Nothing an operator can choose in PSK31 Brevio is enabled and does
// nothing. The running program, on the real engine with the demonstration
// recording and a radio program answering on its local socket, is walked
// through: every enabled item of the main menu, every enabled button of its
// toolbars and every enabled command of a channel window (its buttons, its
// transmit and receive menus, its tag menu and its macro menu) is used, and
// afterwards something must be seen to have changed: a window, dialog, bar
// or popup shown or hidden, a check mark, a stored setting, the engine's
// frequencies or transmitter, the channel's texts and switches, a request
// reaching the radio program, a box or chooser asked through the prompter,
// a page handed to the desktop, the clipboard. Between items the program is
// put back as it was. What is offered only on the air is tried again with a
// transmission running, and the radio's buttons once more after the radio
// program has gone. Left out: File > Exit (ends the program) and Soundcard >
// All Play Controls (starts the desktop's volume control).
#include "OptionsFixture.h"
#include "ToolsFixture.h"

#include "platform/LocalMessaging.h"
#include "platform/SettingsStore.h"
#include "platform/Sleeper.h"
#include "brevio/core/DspLibrary.h"
#include "brevio/core/DspMessageSink.h"
#include "brevio/core/FormRx.h"
#include "brevio/core/LogView.h"
#include "brevio/core/PSK31App.h"
#include "brevio/core/RegisteredMessages.h"
#include "brevio/core/RxTextWindow.h"
#include "brevio/core/TxTextWindow.h"
#include "brevio/display/DisplayCanvasServices.h"
#include "brevio/display/DisplayComponents.h"
#include "brevio/display/SuperView.h"
#include "brevio/tools/MacrosBar.h"
#include "shared/ShellOpen.h"
#include "shared/HtmlHelp.h"
#include "shared/PrintSetup.h"
#include "shared/buttons/OXBitmapButton.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDir>
#include <QDockWidget>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMutex>
#include <QPageSetupDialog>
#include <QProcess>
#include <QThread>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <atomic>
#include <set>
#include <utility>

#if defined(DSP_LIBRARY_REAL) && defined(PSKDEMO_PROGRAM)

namespace {

bool WaitFor(const std::function<bool()>& done, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        if (done())
            return true;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return done();
}

// FT-817 Corvane as the program meets it: message 1090 on its local socket,
// answered in a thread of its own (the program waits for each answer). The
// polls (commands 2 and 9) are answered; every other request is kept.
class RadioStandIn : public QThread {
public:
    RadioStandIn()
    {
        start();
        while (!m_ready.load())
            QThread::msleep(5);
    }
    ~RadioStandIn() override { Stop(); }
    // The radio program ends.
    void Stop()
    {
        quit();
        wait();
    }
    int Requests()
    {
        QMutexLocker lock(&m_mutex);
        return m_requests;
    }

protected:
    void run() override
    {
        platform::LocalEndpoint endpoint;
        endpoint.setHandler([this](uint32_t message, uint32_t command, int32_t) -> uint32_t {
            if (message != CMainFrame::WM_REMOTE_COMMAND || (command != 2 && command != 9)) {
                QMutexLocker lock(&m_mutex);
                ++m_requests;
            }
            // Status word: AGC slow, S5, no switch on (DIG off).
            return command == 2 || command == 10 || command == 0 || command == 1 ? 14070150u : 0x00020500u;
        });
        QString error;
        endpoint.listen(CMainFrame::RadioProgramClass(), &error);
        m_ready = true;
        exec();
    }

private:
    QMutex m_mutex;
    int m_requests = 0;
    std::atomic<bool> m_ready{false};
};

// Watches the engine's reports on their way to the main frame: its spectra,
// how far it has read the input file, and how often it finished it.
class EngineWatch : public QObject {
public:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == CDspEvent::EventType()) {
            const auto* dsp = static_cast<const CDspEvent*>(e);
            if (dsp->m_nMessage == CMainFrame::WM_FFT_READY)
                ++m_nSpectra;
            if (dsp->m_nMessage == CMainFrame::WM_DSP_STATUS && dsp->m_wParam == 6)
                m_nPercent = int(dsp->m_lParam);
            if (dsp->m_nMessage == CMainFrame::WM_DSP_STATUS && dsp->m_wParam == 4)
                ++m_nFinished;
        }
        return false;
    }
    int m_nPercent = 0;
    int m_nFinished = 0;
    int m_nSpectra = 0;
};

// What one operator's choice is: where it stands and how it is used.
struct Item {
    enum Kind { MenuItem, BarButton, ChannelButton, TxMenu, RxMenu, TagMenu, MacroMenu };
    Kind kind;
    QString place;
    int command = 0;
    QAction* action = nullptr;
    QList<QMenu*> menus;         // a menu item's menu and the menus above it
    QAbstractButton* button = nullptr;
    QString text;                // an entry of the tag and macro menus
};

const char kTxText[] = "CQ CQ de QT9XVK QT9XVK pse k ";
// What channel 1 copies of the recording's first station.
const char kReceived[] = "QT9XVK";

// Choices of one group of which one is always made: making the choice that is
// already made again changes nothing, so each is made from another.
const std::vector<std::vector<int>> kChoiceGroups = {
    {33628, 33629},                      // PSK31, PSK63
    {33329, 33330, 33331},               // waterfall, spectrum, input
    {33473, 33474},                      // the two FFT scales
    {33520, 33521, 33522, 33523},        // macro list views
    {33539, 33540, 33541},               // browser text repeats
    {33467, 33468, 33469},               // AFC off, fast, custom
};

class EveryCommand : public testsupport::ToolsFixture {
protected:
    void SetUp() override
    {
        // The recording the program plays instead of a sound card.
        m_recording = testsupport::dataFolder() + QStringLiteral("/demo.wav");
        ASSERT_EQ(QProcess::execute(QString::fromUtf8(PSKDEMO_PROGRAM), {m_recording}), 0);
        // Eight times real time, as the other program tests of this process (the
        // engine takes the speed once).
        qputenv("PSKMODEM117_FILE_SPEED", "8");
        ToolsFixture::SetUp();
        platform::Sleeper::setInstance(&m_sleeper);
        InstallDisplayComponents();
        InstallToolComponents();
        // The desktop the icon goes to, inside the test's folders.
        m_desktop = testsupport::rootFolder() + QStringLiteral("/desktop");
        QFile dirs(testsupport::settingsFolder() + QStringLiteral("/user-dirs.dirs"));
        ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
        dirs.write(QStringLiteral("XDG_DESKTOP_DIR=\"%1\"\n").arg(m_desktop).toUtf8());
        dirs.close();
        CShellOpen::SetOpener([this](const QUrl& url, const platform::OpenFailed&) { m_pages << url; });
        CPrintSetup::SetRunner([this](QPageSetupDialog&) {
            ++m_printSetups;
            return int(QDialog::Rejected);
        });
        CTxTextWindow::SetMenuRunner([this](QMenu* menu, const QPoint&) -> QAction* {
            // The walk's own choice is for the menu it opened; a menu the
            // program opens of itself is counted.
            const std::function<QAction*(QMenu*)> choose = std::exchange(m_choose, nullptr);
            if (!choose)
                ++m_popups;
            QAction* chosen = choose ? choose(menu) : nullptr;
            if (chosen)
                chosen->trigger();  // as a menu does
            return chosen;
        });
        TheApp().SetDspLibraryPath(QString::fromUtf8(DSP_LIBRARY_REAL));
        TheApp().SetStartupDialogRunner([](CMainFrame*, int* pnLayout) {
            *pnLayout = 1;  // classic: channel 1
            return int(QDialog::Accepted);
        });
        CPSK31Settings& s = CurrentSettings();
        s.m_strLocator = QStringLiteral("IO91WM");
        s.m_strCWString = QStringLiteral("QT9XVK");
        s.Save();
    }
    void TearDown() override
    {
        m_watchdog.stop();
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
        CTxTextWindow::SetMenuRunner(nullptr);
        CPrintSetup::SetRunner(nullptr);
        CShellOpen::SetOpener(nullptr);
        CDisplayCanvasServices::SetInstance(nullptr);
        platform::Sleeper::setInstance(nullptr);
        qunsetenv("PSKMODEM117_FILE_SPEED");
        ToolsFixture::TearDown();
    }

    CFormRx* Form() const { return m_frame->GetChannelWindow(0); }

    // Starts the program and plays the recording through once: channel 1
    // has copied the station at 1000 Hz, and the band is quiet again.
    void Start()
    {
        ASSERT_TRUE(TheApp().InitInstance({QStringLiteral("brevio")}));
        m_frame = TheApp().GetMainFrame();
        m_frame->installEventFilter(&m_engine);
        m_frame->showNormal();
        m_frame->resize(1200, 860);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_frame));
        QApplication::setActiveWindow(m_frame);
        ASSERT_TRUE(m_frame->IsRadioLinked());
        SendRegisteredMessage(Form(), RegisteredMessage::nMsgFrequency, 0, 1000);
        // A macro to type, one that asks for a tag and one that sends at once.
        Macros().Add(QStringLiteral("CQ"), {QStringLiteral("CQ CQ CQ de QT9XVK")}, 0);
        Macros().Add(QStringLiteral("Reply"), {QStringLiteral("<Callsign> de QT9XVK")}, CMacro::kAlwaysPrompt);
        Macros().Add(QStringLiteral("QRZ?"), {QStringLiteral("QRZ? de QT9XVK")}, CMacro::kSendNow);
        if (auto* bar = dynamic_cast<CMacrosBar*>(m_frame->GetMacrosBar()))
            bar->FillList();
        // The recording in place of the sound card (the input switch is
        // never taken from the stored settings).
        CPSK31Settings& s = CurrentSettings();
        s.m_nTxDelay = 0;
        s.m_bInputEnable = 1;
        s.m_strInputWaveFile = m_recording;
        s.m_bOutputEnable = 1;
        s.m_strOutputWaveFile = testsupport::dataFolder() + QStringLiteral("/scratch.wav");
        s.m_nOutputLimit = 0;
        s.m_bSoundcardEchoInput = 0;
        s.m_bSoundcardEchoOutput = 0;
        SaveAndBroadcastSettings();
        // Modal dialogs (about box, palette designer, alarms) are looked at
        // and closed, as an operator would.
        m_watchdog.setInterval(20);
        QObject::connect(&m_watchdog, &QTimer::timeout, [this] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                ++m_modals;
                popup->close();
            } else if (QWidget* modal = QApplication::activeModalWidget()) {
                ++m_modals;
                if (auto* dialog = qobject_cast<QDialog*>(modal))
                    dialog->QDialog::done(QDialog::Rejected);
                else
                    modal->close();
            }
        });
        m_watchdog.start();
        RewindAndPlay();
        ASSERT_TRUE(Form()->GetRxWindow()->toPlainText().contains(QStringLiteral("QT9XVK"), Qt::CaseInsensitive))
            << Form()->GetRxWindow()->toPlainText().toStdString();
        m_baselineWindows.clear();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible())
                m_baselineWindows << w;
    }

    void RewindAndPlay()
    {
        ASSERT_TRUE(WaitFor([&] { return m_frame->IsDataFlowing(); }, 5000));
        // Channel 1 listens once its window has settled.
        ASSERT_TRUE(WaitFor([&] { return !Form()->IsSettling() && fnIsRXChannelActive(0); }, 5000));
        const int finished = m_engine.m_nFinished;
        m_frame->RewindInput();
        ASSERT_TRUE(WaitFor([&] { return m_engine.m_nFinished > finished; }, 20000))
            << TheApp().GetLogView()->toPlainText().toStdString();
        WaitFor([&] { return m_frame->IsSettled() && m_frame->IsDataFlowing(); }, 3000);
    }

    // The bars and docking windows an item may hide or show.
    QList<QWidget*> Bars() const
    {
        QList<QWidget*> bars;
        for (QToolBar* bar : m_frame->findChildren<QToolBar*>(QString(), Qt::FindDirectChildrenOnly))
            bars << bar;
        for (QDockWidget* dock : m_frame->findChildren<QDockWidget*>(QString(), Qt::FindDirectChildrenOnly))
            bars << dock;
        return bars;
    }

    // The program as before the last item (transmitting: with channel 1 on
    // the air).
    void Restore(bool bTransmitting = false)
    {
        CFormRx* form = Form();
        CTxTextWindow* tx = form->GetTxWindow();
        auto onAir = [&] { return m_frame->IsTransmitting() || tx->IsSending() || m_frame->IsInTxDelay(); };
        if (!bTransmitting) {
            // Anything still going out is stopped, and the engine back in receive.
            for (int i = 0; i < 3 && onAir(); ++i) {
                form->OnAbort();
                tx->StartStop(0);
                m_frame->StartTransmit(false);
                WaitFor([&] { return !onAir(); }, 3000);
            }
            EXPECT_FALSE(onAir()) << "a transmission does not end";
        }
        if (m_frame->IsFullScreen())
            m_frame->OnFullScreen();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && !m_baselineWindows.contains(w))
                w->hide();
        for (QWidget* bar : Bars())
            bar->show();
        // The views: channel 1 alone, active and maximised; the browser
        // stopped, past the time it gives its channels to settle.
        if (TheApp().GetSuperFrame()->isVisible())
            m_frame->OnCommand(33490);
        if (auto* super = dynamic_cast<CSuperView*>(TheApp().GetSuperView())) {
            if (super->IsInitialising())
                super->OnTimer(102);
            super->StopBrowser();
        }
        for (QMdiSubWindow* view : {TheApp().GetChannelFrame(1), TheApp().GetChannelFrame(2),
                                    TheApp().GetChannelFrame(3), TheApp().GetLogFrame()})
            if (view->isVisible())
                TheApp().HideView(view);
        QMdiSubWindow* channel = TheApp().GetChannelFrame(0);
        if (!channel->isVisible())
            TheApp().ToggleView(channel);
        m_frame->GetMdiArea()->setActiveSubWindow(channel);
        if (!channel->isMaximized())
            channel->showMaximized();
        // The sound card running (its spectra still coming), and the
        // display settled after the recording was read again.
        QCoreApplication::sendPostedEvents();
        const int spectra = m_engine.m_nSpectra;
        if (!WaitFor([&] { return m_engine.m_nSpectra > spectra; }, 300)) {
            m_frame->StartSoundcard();
            EXPECT_TRUE(WaitFor([&] { return m_engine.m_nSpectra > spectra && m_frame->IsDataFlowing(); }, 5000));
        }
        EXPECT_TRUE(WaitFor([&] { return m_frame->IsSettled(); }, 5000)) << "the display does not settle";
        // The channel's texts.
        if (!form->GetRxWindow()->toPlainText().contains(QLatin1String(kReceived))) {
            form->AddString(QStringLiteral("cq de ") + QLatin1String(kReceived) + QLatin1Char('\n'), 0);
            WaitFor([&] { return form->GetRxWindow()->toPlainText().contains(QLatin1String(kReceived)); }, 3000);
        }
        if (!bTransmitting) {
            tx->Clear();
            tx->AddText(QString::fromLatin1(kTxText), false, false);
        }
        QTextCursor none = form->GetRxWindow()->textCursor();
        none.clearSelection();
        form->GetRxWindow()->setTextCursor(none);
        form->GetRxWindow()->setFocus();
        QApplication::setActiveWindow(m_frame);
        QCoreApplication::processEvents();
        testsupport::prompter().clear();
        m_choose = nullptr;
    }

    // Transmits the transmit text from channel 1 until the engine is on the air.
    void GoOnAir(const QString& strText)
    {
        CTxTextWindow* tx = Form()->GetTxWindow();
        tx->Clear();
        tx->AddText(strText, false, false);
        Form()->ToggleTransmit();
        ASSERT_TRUE(WaitFor([&] { return m_frame->IsTransmitting(); }, 5000));
    }

    // Everything an item can be seen to change, by name. Names that start
    // with "moves " are frequencies (changed when they move by more than
    // the AFC pulls), "shrinks " counts that only a deliberate change
    // lowers; the rest must stay exactly as they are.
    QMap<QString, QString> State()
    {
        QMap<QString, QString> s;
        auto flag = [](bool b) { return b ? QStringLiteral("1") : QStringLiteral("0"); };
        auto rect = [](const QRect& r) { return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()); };
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible())
                s[QStringLiteral("window %1 %2").arg(QString::fromLatin1(w->metaObject()->className())).arg(quintptr(w))] =
                    w == m_frame ? QString() : w->windowTitle();  // the frame's names the active channel's frequency
        s[QStringLiteral("frame")] = rect(m_frame->geometry()) + QString::number(int(m_frame->windowState()));
        s[QStringLiteral("frame full screen")] = flag(m_frame->IsFullScreen());
        s[QStringLiteral("transmitting")] = flag(m_frame->IsTransmitting());
        s[QStringLiteral("tx channel")] = QString::number(m_frame->GetTxChannel());
        s[QStringLiteral("sound card")] = flag(m_frame->IsDataFlowing());
        s[QStringLiteral("settled")] = flag(m_frame->IsSettled());
        s[QStringLiteral("cw id")] = flag(m_frame->GetSendCWId()) + flag(m_frame->IsCWIdPending());
        for (QWidget* bar : Bars())
            s[QStringLiteral("bar ") + bar->objectName()] = flag(bar->isVisible());
        const QList<QMdiSubWindow*> views = m_frame->GetMdiArea()->subWindowList();
        for (int i = 0; i < views.size(); ++i)
            s[QStringLiteral("view %1").arg(i)] = flag(views[i]->isVisible()) + QString::number(int(views[i]->windowState())) +
                                                  rect(views[i]->geometry());
        s[QStringLiteral("active view")] = QString::number(views.indexOf(m_frame->GetMdiArea()->activeSubWindow()));
        for (int id : m_commands)
            s[QStringLiteral("check %1").arg(id)] = flag(m_frame->IsCommandChecked(id));
        for (int n = 0; n < 4; ++n) {
            CFormRx* f = m_frame->GetChannelWindow(n);
            const QString c = QStringLiteral("channel %1 ").arg(n + 1);
            s[c + QStringLiteral("switches")] = flag(f->IsAutoStop()) + flag(f->IsTxFrequencyLocked()) + flag(f->IsRxScroll()) +
                                                flag(f->IsTxPaneShown()) + QString::number(f->GetAFC());
            s[QStringLiteral("moves ") + c + QStringLiteral("tx frequency")] = QString::number(f->GetTxFrequency());
            s[QStringLiteral("moves ") + c + QStringLiteral("rx frequency")] = QString::number(fnGetRXFrequency(n));
            s[c + QStringLiteral("undo")] = QString::number(f->GetUndoDial().size());
            s[c + QStringLiteral("tx text")] = f->GetTxWindow()->toPlainText() + flag(f->GetTxWindow()->IsSending());
            s[c + QStringLiteral("tx sent")] = QString::number(f->GetTxWindow()->GetSentCount());
            s[c + QStringLiteral("rx text received")] = flag(f->GetRxWindow()->toPlainText().contains(QLatin1String(kReceived)));
            s[c + QStringLiteral("message")] = TheApp().GetChannelFrame(n) ? static_cast<CFrameRx*>(TheApp().GetChannelFrame(n))->GetStatusText() : QString();
        }
        s[QStringLiteral("engine channels")] = QString::number(fnGetNumActiveRXChannels());
        // The log without what the engine says of its input file as it reads.
        QStringList log = TheApp().GetLogView()->toPlainText().split(QLatin1Char('\n'));
        s[QStringLiteral("shrinks log lines")] = QString::number(log.size());
        log.removeIf([](const QString& line) {
            return line.trimmed().isEmpty() || line.contains(QLatin1String("Status: [6]")) ||
                   line.contains(QLatin1String("Status: [4]"));
        });
        s[QStringLiteral("log end")] = log.isEmpty() ? QString() : log.last();
        if (auto* super = dynamic_cast<CSuperView*>(TheApp().GetSuperView()))
            s[QStringLiteral("browser")] = flag(super->IsRunning()) + flag(super->IsInitialising()) +
                                           QString::number(super->GetChannelCount());
        for (int i = 0; i < Tags().GetCount(); ++i)
            s[QStringLiteral("tag ") + Tags().GetAt(i)->GetTitle()] = Tags().GetAt(i)->Value(-1) + QLatin1Char('|') +
                                                                     Tags().GetAt(i)->Value(0);
        if (auto* tags = dynamic_cast<ITagsBar*>(m_frame->GetTagsBar()))
            for (int i = 0; i < Tags().GetCount(); ++i)
                s[QStringLiteral("tags bar %1").arg(i)] = tags->GetValueAt(i);
        if (auto* macros = dynamic_cast<IMacrosBar*>(m_frame->GetMacrosBar())) {
            QString include;
            for (int i = 0; i < 6; ++i)
                include += flag(macros->GetIncludeFlag(i));
            s[QStringLiteral("macros bar")] = include + QString::number(macros->GetViewStyle()) + flag(macros->HasSelectedMacro());
        }
        const QStringList names = platform::SettingsStore::valueNames(QStringLiteral("Options"));
        for (const QString& name : names)
            s[QStringLiteral("setting ") + name] =
                platform::SettingsStore::value(QStringLiteral("Options"), name).toString();
        s[QStringLiteral("clipboard")] = QApplication::clipboard()->text();
        s[QStringLiteral("boxes")] = QString::number(testsupport::prompter().m_boxes.size());
        s[QStringLiteral("choosers")] = QString::number(testsupport::prompter().m_chooserCaptions.size());
        s[QStringLiteral("tool dialogs")] = QString::number(m_dialogTitles.size());
        s[QStringLiteral("modal windows")] = QString::number(m_modals);
        s[QStringLiteral("popup menus")] = QString::number(m_popups);
        s[QStringLiteral("pages shown")] = QString::number(m_pages.size() + m_urls.m_opened.size());
        s[QStringLiteral("print setups")] = QString::number(m_printSetups);
        s[QStringLiteral("radio requests")] = QString::number(m_radio.Requests());
        return s;
    }

    QStringList Changes(const QMap<QString, QString>& before, const QMap<QString, QString>& after) const
    {
        QStringList changes;
        QSet<QString> keys;
        for (auto it = before.begin(); it != before.end(); ++it)
            keys << it.key();
        for (auto it = after.begin(); it != after.end(); ++it)
            keys << it.key();
        for (const QString& key : keys) {
            // On the air the text goes out and the channel says how far.
            if (m_bOnAir && (key == QLatin1String("channel 1 tx sent") || key == QLatin1String("channel 1 message")))
                continue;
            const QString a = before.value(key, QStringLiteral("(none)"));
            const QString b = after.value(key, QStringLiteral("(none)"));
            bool changed = a != b;
            if (key.startsWith(QLatin1String("moves ")))
                changed = std::abs(a.toInt() - b.toInt()) > 20;
            else if (key.startsWith(QLatin1String("shrinks ")))
                changed = b.toInt() < a.toInt();
            if (changed)
                changes << QStringLiteral("%1: \"%2\" -> \"%3\"").arg(key, a.left(60), b.left(60));
        }
        return changes;
    }

    // The items of every place, in the order they are walked.
    QList<Item> ChannelItems()
    {
        QList<Item> items;
        for (int id : {CFormRx::IDC_START, CFormRx::IDC_START_AUTOSTOP, CFormRx::IDC_STOP, CFormRx::IDC_MARK_UNSENT,
                       CFormRx::IDC_ERASE_TX, CFormRx::IDC_TX_PANE}) {
            Item item{Item::ChannelButton, QStringLiteral("channel 1 button %1").arg(id)};
            item.command = id;
            item.button = Form()->GetButton(id);
            items << item;
        }
        // The menus of the two panes as they come up (the separators go
        // with the menu; the entries of the transmit and receive menus are
        // the main window's).
        QList<QPair<QAction*, QString>> shown;
        auto collect = [&](QMenu* menu) -> QAction* {
            shown.clear();
            for (QAction* a : menu->actions())
                if (!a->isSeparator())
                    shown.append({a, a->text()});
            return nullptr;
        };
        for (Item::Kind kind : {Item::TxMenu, Item::RxMenu}) {
            m_choose = collect;
            OpenPaneMenu(kind);
            for (const auto& entry : shown) {
                Item item{kind, QStringLiteral("channel 1 %1 menu > %2")
                                    .arg(kind == Item::TxMenu ? QStringLiteral("transmit") : QStringLiteral("receive"),
                                         entry.second)};
                item.action = entry.first;
                item.command = entry.first->data().toInt();
                items << item;
            }
        }
        // The tag menu of selected received text, and the macro menu.
        SelectReceivedWord();
        m_choose = collect;
        OpenPaneMenu(Item::TagMenu);
        for (const auto& entry : shown) {
            Item item{Item::TagMenu, QStringLiteral("channel 1 tag menu > ") + entry.second};
            item.text = entry.second;
            items << item;
        }
        shown.clear();
        m_choose = collect;
        Form()->OnCommand(33573);
        for (const auto& entry : shown) {
            Item item{Item::MacroMenu, QStringLiteral("channel 1 macro menu > ") + entry.second};
            item.text = entry.second;
            items << item;
        }
        m_choose = nullptr;
        return items;
    }

    QList<Item> MenuItems()
    {
        QList<Item> items;
        std::function<void(QMenu*, QList<QMenu*>, const QString&)> collect = [&](QMenu* menu, QList<QMenu*> chain,
                                                                                const QString& path) {
            chain << menu;
            for (QAction* a : menu->actions()) {
                if (a->isSeparator())
                    continue;
                if (a->menu()) {
                    collect(a->menu(), chain, path + QStringLiteral(" > ") + a->text());
                    continue;
                }
                Item item{Item::MenuItem, path + QStringLiteral(" > ") + a->text()};
                item.action = a;
                item.command = a->data().toInt();
                item.menus = chain;
                items << item;
            }
        };
        for (QAction* a : m_frame->menuBar()->actions())
            if (a->menu())
                collect(a->menu(), {}, a->text());
        return items;
    }

    QList<Item> BarItems()
    {
        QList<Item> items;
        for (QToolBar* bar : m_frame->findChildren<QToolBar*>(QString(), Qt::FindDirectChildrenOnly))
            for (QAction* a : bar->actions()) {
                auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(a));
                if (a->isSeparator() || !button)
                    continue;
                Item item{Item::BarButton, QStringLiteral("toolbar %1 > %2").arg(bar->windowTitle(), a->toolTip())};
                item.action = a;
                item.command = a->data().toInt();
                item.button = button;
                items << item;
            }
        return items;
    }

    void OpenPaneMenu(Item::Kind kind)
    {
        QTextEdit* pane = kind == Item::TxMenu ? static_cast<QTextEdit*>(Form()->GetTxWindow()) : Form()->GetRxWindow();
        const QPoint at(20, 10);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, pane->viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(pane->viewport(), &event);
        QCoreApplication::processEvents();
    }

    void SelectReceivedWord()
    {
        CRxTextWindow* rx = Form()->GetRxWindow();
        QTextCursor word = rx->document()->find(QStringLiteral("QT9XVK"));
        if (word.isNull())
            word = rx->document()->find(QStringLiteral("de"));
        rx->setTextCursor(word);
    }

    // What some items need before they can be used: a selection to copy,
    // a centring to undo, text already sent, a signal to step to.
    void Prepare(const Item& item)
    {
        CTxTextWindow* tx = Form()->GetTxWindow();
        CRxTextWindow* rx = Form()->GetRxWindow();
        switch (item.command) {
        case 57634:  // Copy
            QApplication::clipboard()->clear();
            rx->setFocus();
            rx->selectAll();
            break;
        case 57635:  // Cut
            tx->setFocus();
            tx->selectAll();
            break;
        case 57637:  // Paste
            QApplication::clipboard()->setText(QStringLiteral("pasted "));
            tx->setFocus();
            tx->moveCursor(QTextCursor::End);
            break;
        case 33562:  // Undo centre
            if (Form()->GetUndoDial().isEmpty())
                Form()->CentreOnFilter();
            break;
        case 33558:  // Macros > Edit
            if (auto* bar = dynamic_cast<CMacrosBar*>(m_frame->GetMacrosBar()))
                for (int row = 0; row < bar->GetList()->count() && !bar->HasSelectedMacro(); ++row)
                    bar->GetList()->setCurrentRow(row);
            break;
        case 33538:  // Tags > Clear Values
            if (auto* bar = dynamic_cast<ITagsBar*>(m_frame->GetTagsBar()))
                for (int i = 0; i < Tags().GetCount(); ++i)
                    if (!Tags().GetAt(i)->IsOwnStation())
                        bar->SetTagValue(Tags().GetAt(i)->GetTitle(), QStringLiteral("QT2DEF"));
            break;
        case CFormRx::IDC_MARK_UNSENT:
            // Part of the text went out.
            GoOnAir(QString::fromLatin1(kTxText));
            WaitFor([&] { return tx->GetSentCount() > 0; }, 5000);
            Form()->OnAbort();
            WaitFor([&] { return !m_frame->IsTransmitting() && !tx->IsSending(); }, 5000);
            break;
        case 33478:  // Prev and Next Signal: the three stations on the air
        case 33479:
            m_frame->RewindInput();
            m_engine.m_nPercent = 0;
            WaitFor([&] { return m_engine.m_nPercent >= 40; }, 5000);
            break;
        case 33517:  // Reset: not really
            testsupport::prompter().m_answers.push_back(platform::IDNO);
            break;
        default:
            break;
        }
        if (item.kind == Item::TagMenu)
            SelectReceivedWord();
        // The buttons of the bars and of the channel follow the program's
        // state a moment later.
        if (item.kind == Item::ChannelButton)
            WaitFor([] { return false; }, 300);
        if (item.kind == Item::BarButton && item.command != 0)
            WaitFor([&] { return item.action->isEnabled() == m_frame->IsCommandEnabled(item.command); }, 1000);
    }

    // Uses the item as the operator would; false when it is not offered
    // (disabled or not shown).
    bool Use(const Item& item)
    {
        switch (item.kind) {
        case Item::MenuItem:
            for (QMenu* menu : item.menus)
                emit menu->aboutToShow();
            if (!item.action->isEnabled() || !item.action->isVisible())
                return false;
            item.action->trigger();
            return true;
        case Item::BarButton:
        case Item::ChannelButton:
            if (!item.button || !item.button->isVisible() || !item.button->isEnabled())
                return false;
            item.button->click();
            return true;
        case Item::TxMenu:
        case Item::RxMenu:
        case Item::TagMenu:
        case Item::MacroMenu: {
            bool offered = false;
            m_choose = [&](QMenu* menu) -> QAction* {
                for (QAction* a : menu->actions())
                    if (item.action ? a == item.action : a->text() == item.text) {
                        offered = a->isEnabled() && a->isVisible();
                        return offered ? a : nullptr;
                    }
                return nullptr;
            };
            if (item.kind == Item::MacroMenu)
                Form()->OnCommand(33573);
            else
                OpenPaneMenu(item.kind);
            m_choose = nullptr;
            return offered;
        }
        }
        return false;
    }

    // The changes an item made: at once, or within a second for what the
    // engine answers later.
    QStringList UseAndWatch(const Item& item, bool& bOffered)
    {
        const QMap<QString, QString> before = State();
        bOffered = Use(item);
        if (!bOffered)
            return {};
        QStringList changes;
        WaitFor([&] {
            QCoreApplication::sendPostedEvents();
            changes = Changes(before, State());
            return !changes.isEmpty();
        }, 1000);
        return changes;
    }

    static const std::vector<int>* ChoiceGroup(int command)
    {
        for (const auto& group : kChoiceGroups)
            if (std::find(group.begin(), group.end(), command) != group.end())
                return &group;
        return nullptr;
    }

    // Walks the items; gives the places that did nothing, and collects what
    // was not offered.
    QStringList Walk(const QList<Item>& items, bool bTransmitting, QList<Item>* notOffered, QStringList* used)
    {
        QStringList silent;
        m_bOnAir = bTransmitting;
        for (const Item& item : items) {
            if (item.kind == Item::MenuItem && (item.action->text().startsWith(QLatin1String("E&xit")) || item.command == 32776))
                continue;  // ends the program; starts the desktop's volume control
            Restore(bTransmitting);
            if (bTransmitting && !m_frame->IsTransmitting())
                GoOnAir(QString::fromLatin1(kTxText).repeated(20));
            // A choice already made is made again after another.
            if (const std::vector<int>* group = ChoiceGroup(item.command); group && m_frame->IsCommandChecked(item.command))
                for (int other : *group)
                    if (other != item.command && m_frame->IsCommandEnabled(other)) {
                        m_frame->OnCommand(other);
                        break;
                    }
            Prepare(item);
            bool offered = false;
            const QStringList changes = UseAndWatch(item, offered);
            if (!offered) {
                if (qEnvironmentVariableIsSet("EVERY_COMMAND_TRACE"))
                    fprintf(stderr, "not offered%s: %s\n", bTransmitting ? " on the air" : "", qPrintable(item.place));
                if (notOffered)
                    *notOffered << item;
                continue;
            }
            if (used)
                *used << item.place;
            if (qEnvironmentVariableIsSet("EVERY_COMMAND_TRACE"))
                fprintf(stderr, "%s (%lld ms)\n    %s\n", qPrintable(item.place), m_clock.restart(),
                        qPrintable(changes.join(QStringLiteral("\n    "))));
            if (changes.isEmpty())
                silent << item.place;
        }
        return silent;
    }

    testsupport::UrlCatcher m_urls;
    RadioStandIn m_radio;
    EngineWatch m_engine;
    platform::FakeSleeper m_sleeper;
    CMainFrame* m_frame = nullptr;
    QString m_recording;
    QString m_desktop;
    QList<QUrl> m_pages;
    int m_printSetups = 0;
    int m_popups = 0;
    int m_modals = 0;
    std::function<QAction*(QMenu*)> m_choose;
    QTimer m_watchdog;
    QSet<QWidget*> m_baselineWindows;
    QList<int> m_commands;
    bool m_bOnAir = false;
    QElapsedTimer m_clock;
};

TEST_F(EveryCommand, EveryEnabledItemDoesSomething)
{
    Start();
    ASSERT_FALSE(HasFatalFailure());
    Restore();
    QList<Item> items = ChannelItems();
    items << MenuItems() << BarItems();
    std::set<int> commands;
    for (const Item& item : items)
        if (item.command > 0 && item.kind != Item::ChannelButton)
            commands.insert(item.command);
    m_commands = QList<int>(commands.begin(), commands.end());

    // Left alone, the program shows no change by itself, also while it
    // reads the recording again (as some items have it do).
    Restore();
    m_frame->RewindInput();
    ASSERT_TRUE(WaitFor([&] { return m_frame->IsSettled(); }, 5000));
    const QMap<QString, QString> quiet = State();
    WaitFor([] { return false; }, 1500);
    const QStringList drift = Changes(quiet, State());
    ASSERT_TRUE(drift.isEmpty()) << "the program changes by itself:\n" << drift.join(QLatin1Char('\n')).toStdString();

    QList<Item> notOffered;
    QStringList used;
    m_clock.start();
    QStringList silent = Walk(items, false, &notOffered, &used);
    // What is offered only while a channel transmits, with channel 1 on the air.
    QStringList usedOnAir;
    silent << Walk(notOffered, true, nullptr, &usedOnAir);
    m_bOnAir = false;
    // The radio program ends: what needs it is offered no more.
    m_radio.Stop();
    Restore();
    ASSERT_TRUE(WaitFor([&] { return !m_frame->IsRadioLinked(); }, 3000));
    QList<Item> radioItems;
    for (const Item& item : items)
        if (item.place.startsWith(QLatin1String("toolbar Radio")) || item.place.startsWith(QLatin1String("F&avourites")))
            radioItems << item;
    QStringList usedUnlinked;
    silent << Walk(radioItems, false, nullptr, &usedUnlinked);
    Restore();
    EXPECT_TRUE(silent.isEmpty()) << "enabled and doing nothing:\n" << silent.join(QLatin1Char('\n')).toStdString();

    // The walk reached what needs the radio program, the sound card, the
    // received text and a transmission.
    used << usedOnAir;
    const QStringList expected = {
        QStringLiteral("toolbar Radio > Frequency Up"),
        QStringLiteral("toolbar Radio > Favourite Down"),
        QStringLiteral("toolbar Radio > DIG (Digital) Mode"),
        QStringLiteral("toolbar Soundcard > Rewind (F5)"),
        QStringLiteral("toolbar Center > Undo centre"),
        QStringLiteral("F&avourites > 14.070.150 MHz"),
        QStringLiteral("&Rx > Save To File\tAlt+Y"),
        QStringLiteral("&Macros > &Edit"),
        QStringLiteral("&Edit > &Copy\tCtrl+C"),
        QStringLiteral("&Edit > Cu&t\tCtrl+X"),
        QStringLiteral("&Edit > &Paste\tCtrl+V"),
        QStringLiteral("&Tx > A&bort\tEscape"),
        QStringLiteral("channel 1 button 1147"),
        QStringLiteral("channel 1 button 1196"),
    };
    for (const QString& place : expected)
        EXPECT_TRUE(used.contains(place)) << place.toStdString() << " was not offered";
    const QStringList expectedUnlinked = {QStringLiteral("F&avourites > &Manager"),
                                          QStringLiteral("toolbar Radio > Start Radio Display")};
    EXPECT_EQ(usedUnlinked, expectedUnlinked);
    EXPECT_GT(used.size(), 180);
}

} // namespace

#endif
