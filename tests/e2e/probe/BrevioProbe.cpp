// PSK31 Brevio with a probe: the program's own main, unchanged, plus a local
// socket (named by BREVIO_PROBE) through which a test acts as the operator
// at the keyboard. Keys go in as the window system delivers them: to the
// window that has the keyboard focus, through the shortcut map, to the
// focused widget.
//
// One command per line, one answer line each:
//   ping               -> ok
//   channel N          -> channel window N (1-4) shown and active, the main window active; ok or failed
//   focus PLACE        -> keyboard focus to tx or rx (channel 1's transmit or receive pane), form
//                         (channel 1's window itself) or tags (the Tags bar of the main window);
//                         the class of the focused widget
//   type TEXT          -> TEXT typed, key by key, where the focus is; ok
//   key NAME           -> one key (F1, Escape) pressed where the focus is; ok
//   state              -> tx=0|1 active=<class of the active window> radio=<the Radio bar's frequency
//                         text> sent=<characters of channel 1's transmit pane sent> status=<channel 1's
//                         status pane>
//   dialog-escape ID   -> the main window's command ID opens a dialog; Escape pressed in it;
//                         closed=0|1 dialog=<class> tx=0|1
//   boxes              -> the message boxes shown since the last ask ("caption: text", " || " between)
//   rx                 -> queued=<characters channel 1 holds back while a mouse button or a navigation
//                         key is down> length=<characters of its receive pane>
//   tags               -> the Tags bar's list: headings=<column 0>|<column 1> widths=<w0>|<w1>
//                         viewport=<width of the list's viewport>
//   tag TITLE          -> the value cell of the Tags bar's row TITLE: "x y w h|value" (screen
//                         coordinates), or "none"
//   decoding N         -> 1 while channel N's (1-4) DSP channel decodes, else 0: a channel window
//                         shown again takes up its stored values (its frequency among them) only
//                         once it has settled, and decodes from then on
//   browser-point HZ   -> the screen point "x y" of the Super Browser's waterfall where a click
//                         tunes the transmit panel's channel to HZ (the nearest the canvas has),
//                         or "none" while the waterfall does not show
//   browser-held       -> 1 while the Super Browser's receive window keeps its place for a navigation
//                         key it believes held, else 0
// and the questions both probes answer (geometry, main, locate, focus without
// a PLACE, text, status: ProbeCommands.h).
//
// Message boxes and file choosers are recorded, and shown or answered at once
// (BoxPrompter.h), so a key whose handling shows one still returns where
// nobody can answer it.
#define main BrevioMain
#include "app/brevio_main.cpp"
#undef main

#include "brevio/core/DspLibrary.h"
#include "brevio/core/FormRx.h"
#include "brevio/core/MainFrame.h"
#include "brevio/core/PSK31App.h"
#include "brevio/core/RadioToolBar.h"
#include "brevio/core/RxTextWindow.h"
#include "brevio/core/TxTextWindow.h"
#include "brevio/display/DisplayCanvas.h"
#include "brevio/display/EditableListCtrl.h"
#include "brevio/display/SuperView.h"
#include "brevio/tools/TagsBar.h"
#include "platform/LocalMessaging.h"
#include "BoxPrompter.h"
#include "ProbeCommands.h"

#include <QDockWidget>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMdiArea>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <functional>

namespace {

bool RunUntil(const std::function<bool()>& condition, int ms)
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

QString ClassOf(const QObject* o)
{
    return o ? QString::fromLatin1(o->metaObject()->className()) : QStringLiteral("none");
}

// Where the window system sends the keyboard: the window with the focus.
QWindow* KeyboardWindow()
{
    if (QWindow* w = QGuiApplication::focusWindow())
        return w;
    QWidget* active = QApplication::activeWindow();
    return active ? active->windowHandle() : nullptr;
}

bool Press(Qt::Key key)
{
    QWindow* window = KeyboardWindow();
    if (!window)
        return false;
    QTest::keyClick(window, key);
    return true;
}

bool ActivateMain()
{
    CMainFrame* frame = TheApp().GetMainFrame();
    if (!frame)
        return false;
    frame->raise();
    frame->activateWindow();
    return RunUntil([frame] { return QApplication::activeWindow() == frame; }, 3000);
}

QString Channel(int n)
{
    CMainFrame* frame = TheApp().GetMainFrame();
    QMdiSubWindow* window = TheApp().GetChannelFrame(n - 1);
    if (!frame || !window)
        return QStringLiteral("failed: no channel %1").arg(n);
    TheApp().ActivateView(n - 1, -1);
    if (!ActivateMain())
        return QStringLiteral("failed: the main window is not active");
    return RunUntil([&] { return window->isVisible() && frame->GetMdiArea()->activeSubWindow() == window; }, 3000)
               ? QStringLiteral("ok")
               : QStringLiteral("failed: channel %1 not active").arg(n);
}

QString Focus(const QString& place)
{
    CMainFrame* frame = TheApp().GetMainFrame();
    CFormRx* form = frame ? frame->GetChannelWindow(0) : nullptr;
    if (!form)
        return QStringLiteral("failed: no channel window");
    QWidget* target = nullptr;
    if (place == QLatin1String("tx"))
        target = form->GetTxWindow();
    else if (place == QLatin1String("rx"))
        target = form->GetRxWindow();
    else if (place == QLatin1String("form"))
        target = form;
    else if (place == QLatin1String("tags") && frame->GetTagsBar())
        target = frame->GetTagsBar()->widget() ? frame->GetTagsBar()->widget() : frame->GetTagsBar();
    if (!target)
        return QStringLiteral("failed: no %1").arg(place);
    if (target->focusPolicy() == Qt::NoFocus)
        target->setFocusPolicy(Qt::StrongFocus);
    target->setFocus(Qt::MouseFocusReason);
    if (!RunUntil([target] { return QApplication::focusWidget() == target; }, 1000)) {
        QWidget* hidden = target;
        while (hidden->parentWidget() && !hidden->parentWidget()->isVisible())
            hidden = hidden->parentWidget();
        return QStringLiteral("failed: the focus stays in %1 (%2 visible=%3, hidden from %4 %5, active window %6)")
            .arg(ClassOf(QApplication::focusWidget()), ClassOf(target))
            .arg(int(target->isVisible()))
            .arg(ClassOf(hidden), hidden->objectName())
            .arg(ClassOf(QApplication::activeWindow()));
    }
    return ClassOf(QApplication::focusWidget());
}

QString Type(const QString& text)
{
    QWindow* window = KeyboardWindow();
    if (!window)
        return QStringLiteral("failed: no window has the keyboard");
    for (QChar c : text)
        QTest::keyClick(window, c.toLatin1());
    return QStringLiteral("ok");
}

QString Key(const QString& name)
{
    Qt::Key key = Qt::Key_unknown;
    if (name == QLatin1String("F1"))
        key = Qt::Key_F1;
    else if (name == QLatin1String("Escape"))
        key = Qt::Key_Escape;
    if (key == Qt::Key_unknown)
        return QStringLiteral("failed: unknown key %1").arg(name);
    return Press(key) ? QStringLiteral("ok") : QStringLiteral("failed: no window has the keyboard");
}

QString State()
{
    CMainFrame* frame = TheApp().GetMainFrame();
    auto* channel = dynamic_cast<CFrameRx*>(TheApp().GetChannelFrame(0));
    CFormRx* form = frame ? frame->GetChannelWindow(0) : nullptr;
    CRadioToolBar* radio = frame ? frame->GetRadioBar() : nullptr;
    return QStringLiteral("tx=%1 active=%2 radio=%3 sent=%4 status=%5")
        .arg(int(frame && frame->IsTransmitting()))
        .arg(ClassOf(QApplication::activeWindow()))
        .arg(radio ? radio->GetFrequencyText() : QString())
        .arg(form && form->GetTxWindow() ? form->GetTxWindow()->GetSentCount() : -1)
        .arg(channel ? channel->GetStatusText() : QString());
}

// Set once the probe listens.
probe::BoxPrompter* g_prompter = nullptr;

QString DialogEscape(int command)
{
    CMainFrame* frame = TheApp().GetMainFrame();
    if (!frame)
        return QStringLiteral("failed: no main window");
    QPointer<QWidget> dialog;
    QString name = QStringLiteral("none");
    bool pressed = false;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (pressed)
            return;
        QWidget* active = QApplication::activeModalWidget();
        if (!active)
            active = QApplication::activeWindow();
        if (!active || active == frame || !active->isVisible())
            return;
        dialog = active;
        name = ClassOf(active);
        if (QGuiApplication::focusWindow() != active->windowHandle())
            return;
        pressed = true;
        Press(Qt::Key_Escape);
    });
    watcher.start(20);
    // A modal dialog returns from here once closed; a modeless one at once.
    frame->OnCommand(command);
    RunUntil([&] { return pressed && (!dialog || !dialog->isVisible()); }, 3000);
    watcher.stop();
    const bool closed = pressed && (!dialog || !dialog->isVisible());
    if (dialog && dialog->isVisible())
        dialog->close();
    return QStringLiteral("closed=%1 dialog=%2 tx=%3").arg(int(closed)).arg(name).arg(int(frame->IsTransmitting()));
}

QString Rx()
{
    CMainFrame* frame = TheApp().GetMainFrame();
    CFormRx* form = frame ? frame->GetChannelWindow(0) : nullptr;
    if (!form || !form->GetRxWindow())
        return QStringLiteral("failed: no channel window");
    return QStringLiteral("queued=%1 length=%2")
        .arg(form->RxPath().GetPending().size())
        .arg(form->GetRxWindow()->document()->characterCount() - 1);
}

CEditableListCtrl* TagsList()
{
    CMainFrame* frame = TheApp().GetMainFrame();
    auto* bar = frame ? dynamic_cast<CTagsBar*>(frame->GetTagsBar()) : nullptr;
    return bar ? bar->GetList() : nullptr;
}

QString Tags()
{
    CEditableListCtrl* list = TagsList();
    if (!list)
        return QStringLiteral("failed: no tags bar");
    return QStringLiteral("headings=%1|%2 widths=%3|%4 viewport=%5")
        .arg(list->headerItem()->text(0), list->headerItem()->text(1))
        .arg(list->columnWidth(0))
        .arg(list->isColumnHidden(1) ? 0 : list->columnWidth(1))
        .arg(list->viewport()->width());
}

QString Tag(const QString& title)
{
    CEditableListCtrl* list = TagsList();
    if (!list)
        return QStringLiteral("failed: no tags bar");
    for (int row = 0; row < list->GetItemCount(); ++row) {
        if (list->GetItemText(row, 0) != title)
            continue;
        const QRect cell = list->visualRect(list->model()->index(row, 1));
        const QPoint at = list->viewport()->mapToGlobal(cell.topLeft());
        return QStringLiteral("%1 %2 %3 %4|%5")
            .arg(at.x())
            .arg(at.y())
            .arg(cell.width())
            .arg(cell.height())
            .arg(list->GetItemText(row, 1));
    }
    return QStringLiteral("none");
}

QString BrowserPoint(int frequency)
{
    CDisplayCanvas* canvas = nullptr;
    if (ISuperView* view = TheApp().GetSuperView())
        for (CDisplayCanvas* c : view->GetWidget()->findChildren<CDisplayCanvas*>())
            if (c->IsBrowserMode() && c->isVisible())
                canvas = c;
    if (!canvas)
        return QStringLiteral("none");
    // Asked of the canvas's own mapping, so that the click lands where the
    // canvas reads the frequency.
    const QRect plot = canvas->GetPlotRect();
    QPoint best;
    int bestError = -1;
    for (int y = plot.top(); y <= plot.bottom(); ++y) {
        const QPoint at(plot.left() + plot.width() / 2, y);
        int f = 0;
        if (!canvas->GetMarkers().FrequencyAt(at, f))
            continue;
        if (bestError < 0 || std::abs(f - frequency) < bestError) {
            bestError = std::abs(f - frequency);
            best = at;
        }
    }
    if (bestError < 0)
        return QStringLiteral("none");
    const QPoint screen = canvas->mapToGlobal(best);
    return QStringLiteral("%1 %2").arg(screen.x()).arg(screen.y());
}

QString Handle(const QString& line)
{
    const QString command = line.section(QLatin1Char(' '), 0, 0);
    const QString argument = line.section(QLatin1Char(' '), 1);
    if (const QString common = probe::AnswerCommon(command, argument); !common.isNull())
        return common;
    if (command == QLatin1String("ping"))
        return QStringLiteral("ok");
    if (command == QLatin1String("channel"))
        return Channel(argument.toInt());
    if (command == QLatin1String("focus"))
        return Focus(argument);
    if (command == QLatin1String("type"))
        return Type(argument);
    if (command == QLatin1String("key"))
        return Key(argument);
    if (command == QLatin1String("state"))
        return State();
    if (command == QLatin1String("dialog-escape"))
        return DialogEscape(argument.toInt());
    if (command == QLatin1String("rx"))
        return Rx();
    if (command == QLatin1String("tags"))
        return Tags();
    if (command == QLatin1String("tag"))
        return Tag(argument);
    if (command == QLatin1String("decoding")) {
        const int n = argument.toInt();
        return n >= 1 && n <= 4 ? QString::number(int(fnIsRXChannelActive(n - 1) != 0)) : QStringLiteral("failed: no channel %1").arg(argument);
    }
    if (command == QLatin1String("browser-point"))
        return BrowserPoint(argument.toInt());
    if (command == QLatin1String("browser-held")) {
        auto* view = dynamic_cast<CSuperView*>(TheApp().GetSuperView());
        return view ? QString::number(int(view->IsNavigationKeyHeld())) : QStringLiteral("failed: no Super Browser");
    }
    if (command == QLatin1String("boxes"))
        return g_prompter->TakeBoxes();
    return QStringLiteral("unknown command");
}

void StartProbe()
{
    const QString name = qEnvironmentVariable("BREVIO_PROBE");
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
                    // Only the line end goes: text to type may end in a blank.
                    QString line = QString::fromUtf8(socket->readLine());
                    while (line.endsWith(QLatin1Char('\n')) || line.endsWith(QLatin1Char('\r')))
                        line.chop(1);
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
    return BrevioMain(argc, argv);
}
