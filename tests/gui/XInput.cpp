#include "XInput.h"

#include "XServer.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QThread>

namespace {

// xdotool's pause between two keys; a program sees them as separate presses.
const QString kKeyDelayMs = QStringLiteral("30");

QString Number(qulonglong window)
{
    return QString::number(window);
}

} // namespace

bool XInput::Tool(const QString& program, const QStringList& arguments, QString* output, int timeoutMs)
{
    QString text;
    if (m_server.Run(program, arguments, &text, timeoutMs)) {
        if (output)
            *output = text;
        m_error.clear();
        return true;
    }
    m_error = QStringLiteral("%1 %2 failed: %3").arg(program, arguments.join(QLatin1Char(' ')), text.trimmed());
    if (output)
        *output = text;
    return false;
}

bool XInput::Xdotool(const QStringList& arguments, QString* output, int timeoutMs)
{
    return Tool(QStringLiteral("xdotool"), arguments, output, timeoutMs);
}

bool XInput::Key(const QString& chords)
{
    QStringList arguments{QStringLiteral("key"), QStringLiteral("--delay"), kKeyDelayMs};
    arguments += chords.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return Xdotool(arguments);
}

bool XInput::KeyDown(const QString& chord)
{
    return Xdotool({QStringLiteral("keydown"), chord});
}

bool XInput::KeyUp(const QString& chord)
{
    return Xdotool({QStringLiteral("keyup"), chord});
}

bool XInput::KeyDigit(int digit, const QString& modifiers)
{
    if (digit < 0 || digit > 9) {
        m_error = QStringLiteral("no digit key %1").arg(digit);
        return false;
    }
    // Keycodes 10-18 are the digits 1-9 and 19 the 0 on a PC keyboard;
    // xdotool takes a number of two digits as a keycode.
    const int keycode = digit == 0 ? 19 : 9 + digit;
    const QString chord = modifiers.isEmpty() ? QString::number(keycode)
                                              : modifiers + QLatin1Char('+') + QString::number(keycode);
    return Xdotool({QStringLiteral("key"), QStringLiteral("--delay"), kKeyDelayMs, chord});
}

bool XInput::Type(const QString& text)
{
    return Xdotool({QStringLiteral("type"), QStringLiteral("--delay"), kKeyDelayMs, QStringLiteral("--"), text}, nullptr,
                   10000 + 100 * int(text.size()));
}

bool XInput::MoveMouse(const QPoint& at)
{
    return Xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())});
}

bool XInput::Click(const QPoint& at, int button, int count)
{
    return Xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                    QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(count),
                    QStringLiteral("--delay"), QStringLiteral("80"), QString::number(button)});
}

bool XInput::Press(const QPoint& at, int button)
{
    return Xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                    QStringLiteral("mousedown"), QString::number(button)});
}

bool XInput::Release(int button)
{
    return Xdotool({QStringLiteral("mouseup"), QString::number(button)});
}

bool XInput::Wheel(const QPoint& at, int clicks)
{
    if (clicks == 0)
        return MoveMouse(at);
    return Xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                    QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(qAbs(clicks)),
                    QStringLiteral("--delay"), QStringLiteral("50"), clicks > 0 ? QStringLiteral("4") : QStringLiteral("5")});
}

QPoint XInput::MousePosition()
{
    QString output;
    if (!Xdotool({QStringLiteral("getmouselocation"), QStringLiteral("--shell")}, &output))
        return {};
    const QRegularExpression x(QStringLiteral("^X=(\\d+)"), QRegularExpression::MultilineOption);
    const QRegularExpression y(QStringLiteral("^Y=(\\d+)"), QRegularExpression::MultilineOption);
    return QPoint(x.match(output).captured(1).toInt(), y.match(output).captured(1).toInt());
}

QList<qulonglong> XInput::Windows(qint64 pid)
{
    QString output;
    QList<qulonglong> windows;
    // xdotool ends with 1 when it finds nothing.
    if (!Xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                  QString::number(pid)},
                 &output))
        return windows;
    for (const QString& line : output.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        windows << line.trimmed().toULongLong();
    return windows;
}

QList<qulonglong> XInput::Windows(qint64 pid, const QString& titlePattern)
{
    QList<qulonglong> windows;
    const QRegularExpression pattern(titlePattern);
    for (qulonglong w : Windows(pid))
        if (pattern.match(Title(w)).hasMatch())
            windows << w;
    return windows;
}

qulonglong XInput::WaitForWindow(qint64 pid, const QString& titlePattern, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    do {
        const QList<qulonglong> windows = Windows(pid, titlePattern);
        if (!windows.isEmpty())
            return windows.first();
        QThread::msleep(50);
    } while (clock.elapsed() < timeoutMs);
    m_error = QStringLiteral("no visible window of process %1 titled /%2/ within %3 ms")
                  .arg(pid)
                  .arg(titlePattern)
                  .arg(timeoutMs);
    return 0;
}

qulonglong XInput::ActiveWindow()
{
    QString output;
    return Xdotool({QStringLiteral("getactivewindow")}, &output) ? output.trimmed().toULongLong() : 0;
}

QString XInput::Title(qulonglong window)
{
    QString output;
    return Xdotool({QStringLiteral("getwindowname"), Number(window)}, &output) ? output.trimmed() : QString();
}

qint64 XInput::PidOf(qulonglong window)
{
    QString output;
    return Xdotool({QStringLiteral("getwindowpid"), Number(window)}, &output) ? output.trimmed().toLongLong() : 0;
}

bool XInput::Activate(qulonglong window)
{
    return Xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), Number(window)});
}

bool XInput::Move(qulonglong window, const QPoint& at)
{
    return Xdotool({QStringLiteral("windowmove"), QStringLiteral("--sync"), Number(window), QString::number(at.x()),
                    QString::number(at.y())});
}

bool XInput::Resize(qulonglong window, const QSize& size)
{
    return Xdotool({QStringLiteral("windowsize"), QStringLiteral("--sync"), Number(window),
                    QString::number(size.width()), QString::number(size.height())});
}

bool XInput::Maximise(qulonglong window, bool on)
{
    return Tool(QStringLiteral("wmctrl"),
                {QStringLiteral("-i"), QStringLiteral("-r"), Number(window), QStringLiteral("-b"),
                 (on ? QStringLiteral("add") : QStringLiteral("remove")) +
                     QStringLiteral(",maximized_vert,maximized_horz")},
                nullptr, 10000);
}

bool XInput::Minimise(qulonglong window)
{
    return Xdotool({QStringLiteral("windowminimize"), QStringLiteral("--sync"), Number(window)});
}

QRect XInput::Geometry(qulonglong window)
{
    QString output;
    if (!Xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), Number(window)}, &output))
        return {};
    const auto value = [&output](const char* name) {
        const QRegularExpression re(QStringLiteral("^%1=(-?\\d+)").arg(QLatin1String(name)),
                                    QRegularExpression::MultilineOption);
        return re.match(output).captured(1).toInt();
    };
    return QRect(value("X"), value("Y"), value("WIDTH"), value("HEIGHT"));
}

QMargins XInput::FrameExtents(qulonglong window)
{
    QString output;
    if (!Tool(QStringLiteral("xprop"), {QStringLiteral("-id"), Number(window), QStringLiteral("_NET_FRAME_EXTENTS")},
              &output, 10000))
        return {};
    // _NET_FRAME_EXTENTS(CARDINAL) = left, right, top, bottom
    const qsizetype equals = output.indexOf(QLatin1Char('='));
    const QStringList f = equals < 0 ? QStringList() : output.mid(equals + 1).split(QLatin1Char(','));
    if (f.size() != 4)
        return {};
    return QMargins(f[0].trimmed().toInt(), f[2].trimmed().toInt(), f[1].trimmed().toInt(), f[3].trimmed().toInt());
}

QStringList XInput::State(qulonglong window)
{
    QString output;
    if (!Tool(QStringLiteral("xprop"), {QStringLiteral("-id"), Number(window), QStringLiteral("_NET_WM_STATE")},
              &output, 10000))
        return {};
    QStringList states;
    const qsizetype equals = output.indexOf(QLatin1Char('='));
    if (equals < 0)
        return states;
    for (QString atom : output.mid(equals + 1).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        atom = atom.trimmed();
        atom.remove(QStringLiteral("_NET_WM_STATE_"));
        states << atom.toLower();
    }
    return states;
}

bool XInput::IsMaximised(qulonglong window)
{
    const QStringList states = State(window);
    return states.contains(QStringLiteral("maximized_vert")) && states.contains(QStringLiteral("maximized_horz"));
}
