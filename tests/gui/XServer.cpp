#include "XServer.h"

#include "support/TestEnvironment.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QThread>

#include <csignal>
#include <sys/prctl.h>

namespace {

// No key bindings at all, so every key reaches the program; the mouse acts
// on title bars as on a desktop. A plain button binding of the "Frame"
// context would take the button from the window inside the frame (openbox
// replays presses only to the "Client" context), so there is none.
const char kWindowManagerConfig[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <focus><focusNew>yes</focusNew><followMouse>no</followMouse></focus>
  <placement><policy>Smart</policy></placement>
  <desktops><number>1</number></desktops>
  <keyboard></keyboard>
  <mouse>
    <context name="Client">
      <mousebind button="Left" action="Press"><action name="Focus"/><action name="Raise"/></mousebind>
      <mousebind button="Right" action="Press"><action name="Focus"/><action name="Raise"/></mousebind>
    </context>
    <context name="Titlebar">
      <mousebind button="Left" action="Press"><action name="Focus"/><action name="Raise"/></mousebind>
      <mousebind button="Left" action="Drag"><action name="Move"/></mousebind>
      <mousebind button="Left" action="DoubleClick"><action name="ToggleMaximize"/></mousebind>
    </context>
    <context name="Maximize">
      <mousebind button="Left" action="Click"><action name="ToggleMaximize"/></mousebind>
    </context>
    <context name="Close">
      <mousebind button="Left" action="Click"><action name="Close"/></mousebind>
    </context>
  </mouse>
</openbox_config>
)";

constexpr int kStartMs = 15000;

void DieWithTest()
{
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
}

void Stop(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(3000);
    }
}

} // namespace

XServer::XServer(QSize screen)
    : m_screen(screen), m_dir(testsupport::rootFolder() + QStringLiteral("/xserver-XXXXXX"))
{
}

XServer::~XServer()
{
    Stop(m_manager);
    Stop(m_server);
}

QString XServer::Find(const QString& program)
{
    return QStandardPaths::findExecutable(program);
}

bool XServer::IsRunning() const
{
    return m_server.state() == QProcess::Running && m_manager.state() == QProcess::Running;
}

bool XServer::Start()
{
    for (const char* program : {"Xvfb", "openbox", "xdotool", "wmctrl", "setxkbmap"}) {
        if (Find(QString::fromLatin1(program)).isEmpty()) {
            m_error = QStringLiteral("%1 is not installed (scripts/setup installs it); tests of the running "
                                     "program on an X display cannot run without it")
                          .arg(QLatin1String(program));
            return false;
        }
    }
    return StartServer() && StartWindowManager();
}

bool XServer::StartServer()
{
    // Xvfb writes the number it chose to a descriptor once it serves.
    const QString numberFile = m_dir.filePath(QStringLiteral("display"));
    m_server.setProcessChannelMode(QProcess::MergedChannels);
    m_server.setStandardOutputFile(m_dir.filePath(QStringLiteral("xvfb.txt")));
    m_server.setChildProcessModifier(DieWithTest);
    m_server.start(QStringLiteral("/bin/sh"),
                   {QStringLiteral("-c"), QStringLiteral("f=$1; shift; exec \"$@\" 3>\"$f\""), QStringLiteral("sh"),
                    numberFile, Find(QStringLiteral("Xvfb")), QStringLiteral("-displayfd"), QStringLiteral("3"),
                    QStringLiteral("-screen"), QStringLiteral("0"),
                    QStringLiteral("%1x%2x24").arg(m_screen.width()).arg(m_screen.height()), QStringLiteral("-nolisten"),
                    QStringLiteral("tcp"), QStringLiteral("-noreset")});
    if (!m_server.waitForStarted(5000)) {
        m_error = QStringLiteral("Xvfb did not start: %1").arg(m_server.errorString());
        return false;
    }
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kStartMs) {
        QFile file(numberFile);
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray text = file.readAll();
            if (text.endsWith('\n')) {
                m_display = QLatin1Char(':') + QString::fromLatin1(text.trimmed());
                return true;
            }
        }
        if (m_server.state() == QProcess::NotRunning)
            break;
        QThread::msleep(20);
    }
    QFile log(m_dir.filePath(QStringLiteral("xvfb.txt")));
    log.open(QIODevice::ReadOnly);
    m_error = QStringLiteral("Xvfb did not come up: %1").arg(QString::fromLocal8Bit(log.readAll()));
    return false;
}

bool XServer::StartWindowManager()
{
    const QString config = m_dir.filePath(QStringLiteral("openbox.xml"));
    {
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly) || file.write(kWindowManagerConfig) < 0) {
            m_error = QStringLiteral("cannot write %1").arg(config);
            return false;
        }
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_display);
    // Its own folders, so parallel managers never share a file.
    env.insert(QStringLiteral("HOME"), m_dir.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.path());
    env.insert(QStringLiteral("XDG_CACHE_HOME"), m_dir.path());
    m_manager.setProcessEnvironment(env);
    m_manager.setProcessChannelMode(QProcess::MergedChannels);
    m_manager.setStandardOutputFile(m_dir.filePath(QStringLiteral("openbox.txt")));
    m_manager.setChildProcessModifier(DieWithTest);
    m_manager.start(Find(QStringLiteral("openbox")),
                    {QStringLiteral("--sm-disable"), QStringLiteral("--config-file"), config});
    if (!m_manager.waitForStarted(5000)) {
        m_error = QStringLiteral("openbox did not start: %1").arg(m_manager.errorString());
        return false;
    }
    // It serves once it has named itself on the root window.
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kStartMs) {
        QString output;
        if (Run(QStringLiteral("wmctrl"), {QStringLiteral("-m")}, &output, 3000) &&
            output.contains(QLatin1String("Openbox")))
            return true;
        if (m_manager.state() == QProcess::NotRunning)
            break;
        QThread::msleep(50);
    }
    QFile log(m_dir.filePath(QStringLiteral("openbox.txt")));
    log.open(QIODevice::ReadOnly);
    m_error = QStringLiteral("openbox did not come up on %1: %2").arg(m_display, QString::fromLocal8Bit(log.readAll()));
    return false;
}

bool XServer::SetLayout(const QString& layout)
{
    QString output;
    if (!Run(QStringLiteral("setxkbmap"), {QStringLiteral("-display"), m_display, layout}, &output)) {
        m_error = QStringLiteral("setxkbmap %1 failed: %2").arg(layout, output);
        return false;
    }
    return true;
}

bool XServer::Run(const QString& program, const QStringList& arguments, QString* output, int timeoutMs) const
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_display);
    process.setProcessEnvironment(env);
    process.setChildProcessModifier(DieWithTest);
    process.start(program, arguments);
    const bool finished = process.waitForStarted(5000) && process.waitForFinished(timeoutMs);
    if (!finished) {
        process.kill();
        process.waitForFinished(1000);
    }
    const bool ok = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (output) {
        *output = QString::fromLocal8Bit(process.readAllStandardOutput());
        if (!ok)
            *output += QString::fromLocal8Bit(process.readAllStandardError()) +
                       (finished ? QString() : QStringLiteral(" (did not finish in %1 ms)").arg(timeoutMs));
    }
    return ok;
}
