// FT-817 Corvane with a probe: the program's own main, unchanged, plus a
// local socket (named by CORVANE_PROBE) through which a test performs the
// operator's actions in the running process and asks what the program shows.
// Message boxes and file choosers are recorded, and shown or answered at once
// (BoxPrompter.h); a command's own file or answer is given without showing.
//
// One command per line, one answer line each:
//   ping                     -> ok
//   windows                  -> class|title of each visible window, ";" between
//   boxes                    -> the message boxes shown since the last ask ("caption: text", " || " between)
//   paint                    -> the main window painted into an image: WxH, or failed
//   panel                    -> failed=0|1: whether the front panel's last poll failed
//   command ID               -> the main window's command, run as its menu runs it; ok
//   memory-erase ROW         -> Memory Manager: erase channel ROW, save to the radio, close;
//                               written=0|1 title=<the manager's caption before closing>
//   menu-antenna             -> FT-817 Manager: toggle the Antenna page's HF check box, Apply, OK;
//                               checked-before=0|1 checked-after=0|1
//   clone-restore PATH       -> Clone Load: restore the file, then close; failed=N progress=<last text>
//   front-panel              -> what the panel shows: digits=<the frequency display's digit row, '_'
//                               for a blank digit> receiving=0|1 smeter=N power=N bars=ALC,MOD,SWR
//   stress-test              -> Tools > Stress Test at its shortest delay: Start, a few pictures,
//                               Stop, Cancel; ticks=N during <front-panel while it ran>
//   dial                     -> the front panel's tuning dial: title=<its title> differing=N, N the
//                               pixels of the dial on the screen (the X server's picture) that differ
//                               from what the dial draws now (where no other window lies over it),
//                               so 0 when the screen shows its picture
//   navigator-item TEXT      -> the screen rectangle "x y w h" of the item reading TEXT in the open
//                               group of the main window's navigator bar (a list of the shortcut
//                               bar, drawn by itself rather than a Qt item view), or "none"
//   control ID               -> the screen rectangle of the shown control with that id in the
//                               active window (then in the main window, then the others), or "none"
//   layout [panel]           -> what the layout check finds cut off or misplaced in the active
//                               window, or with "panel" in the front panel, " || " between; "" for none
// The Memory Manager kept open across commands (it runs in the program's own loop):
//   memory-open              -> Memory > Manager, returning at once: opening
//   memory-ready             -> title=<its caption> once it has read the radio, or "not ready"
//   memory-list live|archive -> the list's rows, "image|column|column..." each, ";" between
//   memory-label ROW TEXT    -> Edit on row ROW, TEXT typed at the front of its label, OK; title=...
//   memory-save              -> Save, with the memory ticked in Save Changes; title=...
//   memory-load PATH         -> Memory > Load from file, PATH chosen; title=...
//   memory-save-file PATH    -> Memory > Save to file, PATH chosen; ok
//   memory-from-archive      -> every archive row selected, no live row, then "<"; title=...
//   memory-close             -> Close, "No" to saving; ok (or "not open")
// and the questions both probes answer (geometry, main, locate, focus, text,
// status: ProbeCommands.h).
#define main CorvaneMain
#include "app/corvane_main.cpp"
#undef main

#include "corvane/core/MainFrame.h"
#include "corvane/core/RadioApp.h"
#include "corvane/frontpanel/DisplayView.h"
#include "corvane/frontpanel/FrequencyDisplay.h"
#include "corvane/frontpanel/MeterStatic.h"
#include "corvane/frontpanel/PanelArtwork.h"
#include "corvane/frontpanel/RadioMainFrame.h"
#include "corvane/frontpanel/RadioPanel.h"
#include "corvane/frontpanel/StressTestDialog.h"
#include "corvane/frontpanel/TuningDial.h"
#include "corvane/memory/CloneDialogs.h"
#include "corvane/memory/MemoryChannelEditorDialog.h"
#include "corvane/memory/MemoryManagerDialog.h"
#include "corvane/memory/MenuManager.h"
#include "corvane/memory/MenuPages.h"
#include "corvane/memory/SaveChangesDialog.h"
#include "platform/LocalMessaging.h"
#include "BoxPrompter.h"
#include "ProbeCommands.h"
#include "platform/Prompter.h"
#include "shared/shortcutbar/OXSHBListCtrl.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/edit/FrequencyEdit.h"
#include "shared/ui/BarMeter.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/OwnListCtrl.h"
#include "support/LayoutCheck.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPixmap>
#include <QPushButton>
#include <QRect>
#include <QScreen>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>

namespace {

// Set once the probe listens.
probe::BoxPrompter* g_prompter = nullptr;

QString Describe(const QWidget* w)
{
    return w ? QString::fromLatin1(w->metaObject()->className()) + QLatin1Char('|') + w->windowTitle()
             : QStringLiteral("none");
}

// Lets the program run (its timers, polls, dialogs) until the condition
// holds; false after the time.
bool RunUntil(const std::function<bool()>& condition, int ms = 30000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

template <class T>
T* ActiveModal()
{
    return qobject_cast<T*>(QApplication::activeModalWidget());
}

// Runs the main window's command, which opens a modal window of type T, and
// acts in that window from inside its event loop (as the operator would);
// the action must close the window. Its answer, or a failure.
template <class T>
QString InModal(unsigned command, const std::function<QString(T*)>& action)
{
    CMainFrame* frame = GetMainFrame();
    if (!frame)
        return QStringLiteral("failed: no main window");
    QString answer = QStringLiteral("failed: the window did not open");
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (T* dialog = ActiveModal<T>()) {
            watcher.stop();
            answer = action(dialog);
        }
    });
    watcher.start(20);
    frame->OnCommand(command);
    watcher.stop();
    return answer;
}

template <class T>
T* Child(QWidget* parent, unsigned id)
{
    for (T* w : parent->findChildren<T*>())
        if (GetDlgCtrlID(w) == id)
            return w;
    return nullptr;
}

QString MemoryErase(int row)
{
    return InModal<CMemoryManagerDialog>(CRadioMainFrame::ID_MEMORY_MANAGER, [row](CMemoryManagerDialog* manager) {
        QPointer<CMemoryManagerDialog> guard(manager);
        RunUntil([&] { return !guard || guard->GetLiveList()->GetItemCount() == 202; });
        if (!guard)
            return QStringLiteral("failed: Memory Manager closed");
        manager->GetLiveList()->DeselectAll();
        manager->GetLiveList()->SelectItem(row, true);
        manager->OnCommand(CMemoryManagerDialog::ID_MEMORY_ERASE);
        // The Save Changes window the save opens: the radio's channels only.
        QTimer watcher;
        QObject::connect(&watcher, &QTimer::timeout, [&watcher] {
            if (auto* save = ActiveModal<CSaveChangesDialog>()) {
                watcher.stop();
                if (!save->GetMemoryCheck()->isChecked())
                    save->GetMemoryCheck()->click();
                QPointer<CSaveChangesDialog> open(save);
                save->OnSave();
                // A memory that could not be read cannot be saved: the
                // operator can only go back.
                if (open && open->isVisible())
                    open->reject();
            }
        });
        watcher.start(20);
        manager->OnSave();
        watcher.stop();
        if (!guard)
            return QStringLiteral("failed: Memory Manager closed");
        const QString answer =
            QStringLiteral("written=%1 title=%2").arg(int(manager->WasMemoryWritten())).arg(manager->windowTitle());
        // What the radio did not take stays to be saved: closing, it is let go.
        g_prompter->answers.push_back(platform::IDNO);
        manager->OnCommand(CMemoryManagerDialog::ID_CLOSE);
        g_prompter->answers.clear();
        return answer;
    });
}

CMemoryManagerDialog* OpenManager()
{
    return ActiveModal<CMemoryManagerDialog>();
}

QString ManagerTitle(CMemoryManagerDialog* manager)
{
    return QStringLiteral("title=") + manager->windowTitle();
}

QString ManagerList(CMemoryManagerDialog* manager, bool live)
{
    COwnListCtrl* list = live ? manager->GetLiveList() : manager->GetArchiveList();
    QStringList rows;
    for (int i = 0; i < list->GetItemCount(); ++i) {
        QStringList cells{QString::number(list->GetItemImage(i))};
        for (int c = 1; c < list->GetColumnCount(); ++c)
            cells << list->GetItemText(i, c);
        rows << cells.join(QLatin1Char('|'));
    }
    return rows.join(QLatin1Char(';'));
}

// Runs the manager's action; the Save Changes window it opens saves the memory.
void WithSaveChanges(const std::function<void()>& action)
{
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&watcher] {
        if (auto* save = ActiveModal<CSaveChangesDialog>()) {
            watcher.stop();
            // Nothing of the memory to save: the operator can only go back.
            if (!save->GetMemoryCheck()->isEnabled()) {
                save->reject();
                return;
            }
            if (!save->GetMemoryCheck()->isChecked())
                save->GetMemoryCheck()->click();
            save->OnSave();
        }
    });
    watcher.start(20);
    action();
    watcher.stop();
}

QString MemoryCommand(const QString& command, const QString& argument)
{
    if (command == QLatin1String("memory-open")) {
        CMainFrame* frame = GetMainFrame();
        if (!frame)
            return QStringLiteral("failed: no main window");
        // Posted: the manager's own loop then serves the following commands.
        QTimer::singleShot(0, frame, [frame] { frame->OnCommand(CRadioMainFrame::ID_MEMORY_MANAGER); });
        return QStringLiteral("opening");
    }
    CMemoryManagerDialog* manager = OpenManager();
    if (!manager)
        return QStringLiteral("not open");
    if (command == QLatin1String("memory-ready")) {
        const bool ready = manager->GetLiveList()->GetItemCount() == 202 && !manager->GetProgress()->isVisible();
        return ready ? ManagerTitle(manager) : QStringLiteral("not ready");
    }
    if (command == QLatin1String("memory-list"))
        return ManagerList(manager, argument == QLatin1String("live"));
    if (command == QLatin1String("memory-label")) {
        const int row = argument.section(QLatin1Char(' '), 0, 0).toInt();
        const QString text = argument.section(QLatin1Char(' '), 1);
        manager->GetLiveList()->DeselectAll();
        manager->GetLiveList()->SelectItem(row, true);
        QTimer watcher;
        QObject::connect(&watcher, &QTimer::timeout, [&watcher, text] {
            auto* editor = ActiveModal<CMemoryChannelEditorDialog>();
            if (!editor)
                return;
            watcher.stop();
            if (auto* label = Child<CFrequencyEdit>(editor, CMemoryChannelEditorDialog::IDC_LABEL)) {
                label->setFocus();
                label->setCursorPosition(0);
                QTest::keyClicks(label, text);
            }
            editor->OnOK();
        });
        watcher.start(20);
        manager->OnCommand(CMemoryManagerDialog::ID_MEMORY_EDIT);
        watcher.stop();
        // The editor tells the manager by a posted message.
        RunUntil([&] { return manager->Model().IsLiveModified(); }, 2000);
        return ManagerTitle(manager);
    }
    if (command == QLatin1String("memory-save")) {
        WithSaveChanges([manager] { manager->OnSave(); });
        return ManagerTitle(manager);
    }
    if (command == QLatin1String("memory-load")) {
        g_prompter->files.push_back(argument);
        manager->OnCommand(CMemoryManagerDialog::ID_MEMORY_LOAD_FILE);
        return ManagerTitle(manager);
    }
    if (command == QLatin1String("memory-save-file")) {
        g_prompter->files.push_back(argument);
        manager->OnCommand(CMemoryManagerDialog::ID_MEMORY_SAVE_FILE);
        return QStringLiteral("ok");
    }
    if (command == QLatin1String("memory-from-archive")) {
        manager->GetLiveList()->DeselectAll();
        manager->GetArchiveList()->DeselectAll();
        for (int i = 0; i < manager->GetArchiveList()->GetItemCount(); ++i)
            manager->GetArchiveList()->SelectItem(i, true);
        manager->UpdateCopyButtons();
        manager->GetButton(CMemoryManagerDialog::IDC_FROM_ARCHIVE)->Click();
        return ManagerTitle(manager);
    }
    if (command == QLatin1String("memory-close")) {
        g_prompter->answers.push_back(platform::IDNO);
        manager->OnCommand(CMemoryManagerDialog::ID_CLOSE);
        g_prompter->answers.clear();
        return QStringLiteral("ok");
    }
    return QStringLiteral("unknown command");
}

QString MenuAntenna()
{
    return InModal<CMenuManager>(CRadioMainFrame::ID_MENU_MANAGER, [](CMenuManager* sheet) {
        CMenuAntenna* antenna = nullptr;
        for (int i = 0; i < sheet->GetPageCount() && !antenna; ++i)
            antenna = qobject_cast<CMenuAntenna*>(sheet->GetPage(i));
        QCheckBox* hf = antenna ? Child<QCheckBox>(antenna, 1251) : nullptr;
        if (!hf) {
            sheet->OnCancel();
            return QStringLiteral("failed: no HF check box");
        }
        sheet->SetActivePage(antenna);
        const bool before = hf->isChecked();
        hf->click();
        sheet->GetApplyButton()->click();
        const bool after = hf->isChecked();
        sheet->OnOK();
        return QStringLiteral("checked-before=%1 checked-after=%2").arg(int(before)).arg(int(after));
    });
}

QString CloneRestore(const QString& path)
{
    return InModal<CCloneLoadDialog>(CRadioMainFrame::ID_CLONE_LOAD, [path](CCloneLoadDialog* dialog) {
        QPointer<CCloneLoadDialog> guard(dialog);
        g_prompter->files.push_back(path);
        dialog->ParseFile();
        dialog->OnOK();
        if (!guard)
            return QStringLiteral("failed: Clone Load window gone");
        const QStringList history = dialog->GetProgressHistory();
        const QString answer = QStringLiteral("failed=%1 progress=%2")
                                   .arg(dialog->GetFailedCount())
                                   .arg(history.isEmpty() ? QString() : history.last());
        if (guard && guard->isVisible())
            guard->reject();
        return answer;
    });
}

QString FrontPanel()
{
    CDisplayView* view = GetDisplayView();
    if (!view)
        return QStringLiteral("none");
    const CFrequencyDisplay* display = view->GetRadioState();
    // The digit row as drawn: glyph 0 is the dot, 1 the narrow gap, 2 a
    // blank digit, 3 to 12 the digits.
    QString digits;
    for (int id : display->DigitRowIds()) {
        for (int index = 0; index <= 12; ++index) {
            if (PanelArtwork::DigitGlyphId(display->DigitSize(), index) != id)
                continue;
            if (index == 0)
                digits += QLatin1Char('.');
            else if (index == 2)
                digits += QLatin1Char('_');
            else if (index > 2)
                digits += QChar(u'0' + (index - 3));
            break;
        }
    }
    return QStringLiteral("digits=%1 receiving=%2 smeter=%3 power=%4 bars=%5,%6,%7")
        .arg(digits)
        .arg(int(display->IsReceiving()))
        .arg(display->GetSMeter())
        .arg(display->GetPowerMeter())
        .arg(view->Meter(0)->GetValue())
        .arg(view->Meter(1)->GetValue())
        .arg(view->Meter(2)->GetValue());
}

QString StressTest()
{
    return InModal<CStressTestDialog>(CRadioApp::ID_STRESS_TEST, [](CStressTestDialog* dialog) {
        QPointer<CStressTestDialog> guard(dialog);
        if (auto* delay = Child<QSlider>(dialog, CStressTestDialog::IDC_DELAY))
            delay->setValue(1);
        dialog->GetStartButton()->click();
        // Its own timer draws while the panel goes on polling the radio.
        RunUntil([&] { return !guard || guard->GetTickCount() >= 6; }, 10000);
        if (!guard)
            return QStringLiteral("failed: Stress Test closed");
        const QString answer = QStringLiteral("ticks=%1 during %2").arg(dialog->GetTickCount()).arg(FrontPanel());
        dialog->GetStartButton()->click();  // Stop
        dialog->GetCancelButton()->click();
        return answer;
    });
}

QString Rect(const QRect& r)
{
    return r.isValid() ? QStringLiteral("%1 %2 %3 %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())
                       : QStringLiteral("none");
}

// The active window first, then the main window, then the other windows
// that show.
QList<QWidget*> SearchWindows()
{
    QList<QWidget*> windows;
    if (QWidget* active = QApplication::activeWindow())
        windows << active;
    if (CMainFrame* frame = GetMainFrame(); frame && !windows.contains(frame))
        windows << frame;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !windows.contains(w))
            windows << w;
    return windows;
}

bool Shown(const QWidget* w)
{
    return w->isVisible() && !w->visibleRegion().isEmpty();
}

QString Dial()
{
    CDisplayView* view = GetDisplayView();
    CTuningDial* dial = view ? view->GetTuningDial() : nullptr;
    if (!dial || !dial->isVisible())
        return QStringLiteral("none");
    const QImage drawn = dial->Render().convertToFormat(QImage::Format_RGB32);
    const QPoint origin = dial->mapToGlobal(QPoint(0, 0));
    const QImage screen = dial->screen()
                              ->grabWindow(0, origin.x(), origin.y(), dial->width(), dial->height())
                              .toImage()
                              .convertToFormat(QImage::Format_RGB32);
    // Where another window of the program lies over the dial, the screen
    // shows that window (and the window manager's border around it, which
    // Qt may not know to the pixel).
    QList<QRect> covered;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w != dial->window())
            covered << w->frameGeometry().adjusted(-10, -10, 10, 10).translated(-origin);
    int differing = 0;
    for (int y = 0; y < std::min(drawn.height(), screen.height()); ++y)
        for (int x = 0; x < std::min(drawn.width(), screen.width()); ++x) {
            const bool hidden = std::any_of(covered.cbegin(), covered.cend(),
                                            [x, y](const QRect& r) { return r.contains(x, y); });
            differing += !hidden && (drawn.pixel(x, y) & 0xFFFFFF) != (screen.pixel(x, y) & 0xFFFFFF);
        }
    return QStringLiteral("title=%1 differing=%2").arg(dial->GetTitle()).arg(differing);
}

QString NavigatorItem(const QString& text)
{
    CMainFrame* frame = GetMainFrame();
    if (!frame)
        return QStringLiteral("none");
    for (COXSHBListCtrl* list : frame->findChildren<COXSHBListCtrl*>()) {
        if (!Shown(list))
            continue;
        for (int i = 0; i < list->GetItemCount(); ++i) {
            QRect r;
            if (list->GetItemText(i) == text && list->GetItemRect(i, &r, winapi::LVIR_BOUNDS))
                return Rect(QRect(list->mapToGlobal(r.topLeft()), r.size()));
        }
    }
    return QStringLiteral("none");
}

QString Control(unsigned id)
{
    for (QWidget* window : SearchWindows())
        for (QWidget* w : window->findChildren<QWidget*>())
            if (GetDlgCtrlID(w) == id && Shown(w))
                return Rect(QRect(w->mapToGlobal(QPoint(0, 0)), w->size()));
    return QStringLiteral("none");
}

QString Layout(const QString& what)
{
    QWidget* w = QApplication::activeWindow();
    if (what == QLatin1String("panel")) {
        CDisplayView* view = GetDisplayView();
        w = view ? view->Form() : nullptr;
    }
    return w ? testsupport::layoutProblems(w).join(QStringLiteral(" || ")) : QStringLiteral("none");
}

QString Handle(const QString& line)
{
    const QString command = line.section(QLatin1Char(' '), 0, 0);
    const QString argument = line.section(QLatin1Char(' '), 1);
    if (const QString common = probe::AnswerCommon(command, argument); !common.isNull())
        return common;
    if (command == QLatin1String("ping"))
        return QStringLiteral("ok");
    if (command == QLatin1String("windows")) {
        QStringList list;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible())
                list << Describe(w);
        return list.join(QLatin1Char(';'));
    }
    if (command == QLatin1String("boxes")) {
        return g_prompter->TakeBoxes();
    }
    if (command == QLatin1String("paint")) {
        CMainFrame* frame = GetMainFrame();
        if (!frame)
            return QStringLiteral("failed");
        const QPixmap picture = frame->grab();
        return picture.isNull() ? QStringLiteral("failed")
                                : QStringLiteral("%1x%2").arg(picture.width()).arg(picture.height());
    }
    if (command == QLatin1String("panel")) {
        CDisplayView* view = GetDisplayView();
        return view ? QStringLiteral("failed=%1").arg(int(view->Panel().LastPollFailed())) : QStringLiteral("none");
    }
    if (command == QLatin1String("command")) {
        CMainFrame* frame = GetMainFrame();
        if (!frame)
            return QStringLiteral("failed: no main window");
        frame->OnCommand(argument.toUInt());
        return QStringLiteral("ok");
    }
    if (command == QLatin1String("memory-erase"))
        return MemoryErase(argument.toInt());
    if (command == QLatin1String("menu-antenna"))
        return MenuAntenna();
    if (command == QLatin1String("clone-restore"))
        return CloneRestore(argument);
    if (command == QLatin1String("front-panel"))
        return FrontPanel();
    if (command == QLatin1String("stress-test"))
        return StressTest();
    if (command == QLatin1String("dial"))
        return Dial();
    if (command == QLatin1String("navigator-item"))
        return NavigatorItem(argument);
    if (command == QLatin1String("control"))
        return Control(argument.toUInt());
    if (command == QLatin1String("layout"))
        return Layout(argument);
    if (command.startsWith(QLatin1String("memory-")) && command != QLatin1String("memory-erase"))
        return MemoryCommand(command, argument);
    return QStringLiteral("unknown command");
}

void StartProbe()
{
    const QString name = qEnvironmentVariable("CORVANE_PROBE");
    if (name.isEmpty())
        return;
    g_prompter = &probe::BoxPrompter::Install();
    auto* server = new QLocalServer(QCoreApplication::instance());
    QLocalServer::removeServer(platform::LocalEndpoint::socketPath(name));
    server->listen(platform::LocalEndpoint::socketPath(name));
    QObject::connect(server, &QLocalServer::newConnection, server, [server] {
        while (QLocalSocket* socket = server->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [socket] {
                // One command at a time, even when a command's dialog runs a
                // nested event loop.
                if (socket->property("busy").toBool())
                    return;
                socket->setProperty("busy", true);
                QPointer<QLocalSocket> guard(socket);
                while (guard && socket->canReadLine()) {
                    const QString line = QString::fromUtf8(socket->readLine()).trimmed();
                    const QString answer = Handle(line);
                    if (guard)
                        socket->write(answer.toUtf8() + '\n');
                }
                if (guard)
                    socket->setProperty("busy", false);
            });
        }
    });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(StartProbe)

int main(int argc, char** argv)
{
    return CorvaneMain(argc, argv);
}
