#include "CorvaneProcess.h"

#include "platform/LocalMessaging.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcessEnvironment>
#include <QSettings>
#include <QThread>

#include <csignal>
#include <sys/prctl.h>

namespace {
constexpr uint32_t kRemoteCommand = 1090;
constexpr uint32_t kClose = 0x0010;

// Where the program keeps its settings under XDG_CONFIG_HOME.
QString SettingsPath(const QString& root)
{
    return root + QStringLiteral("/settings/QT9XVK/FT-817 Corvane.ini");
}
} // namespace

CorvaneProcess::CorvaneProcess(const QString& radioPort)
    : m_dir(testsupport::rootFolder() + QStringLiteral("/corvane-XXXXXX"))
{
    const QString root = m_dir.path();
    for (const char* sub : {"settings", "data", "xdgdata"})
        QDir().mkpath(root + QLatin1Char('/') + QLatin1String(sub));

    // Where the radio answered last time; one try there, no search.
    {
        QSettings settings(SettingsPath(root), QSettings::IniFormat);
        settings.setValue(QStringLiteral("Options/Startup port"), radioPort);
        settings.setValue(QStringLiteral("Options/Startup speed"), QStringLiteral("38400"));
        settings.setValue(QStringLiteral("Options/CStartup::m_bAuto"), 0);
    }

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), root + QStringLiteral("/settings"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), root + QStringLiteral("/xdgdata"));
    env.insert(QStringLiteral("CORVANE_DATA_DIR"), root + QStringLiteral("/data"));
    env.insert(QStringLiteral("CORVANE_EXTRA_PORTS"), radioPort);
    env.insert(QStringLiteral("CORVANE_AUTOCONNECT"), QStringLiteral("1"));
    // XDG_RUNTIME_DIR stays the test's: the programs meet there.
    m_process.setProcessEnvironment(env);
    // Into a file: a pipe nobody reads would stall the program once full.
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.setStandardOutputFile(root + QStringLiteral("/output.txt"));
    // A test that dies takes the program with it.
    m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    m_process.start(QStringLiteral(CORVANE_PROGRAM), {});
}

CorvaneProcess::~CorvaneProcess()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

std::optional<uint32_t> CorvaneProcess::Send(uint32_t command, int32_t argument, int timeoutMs)
{
    return platform::LocalClient::sendTo(QString::fromLatin1(kIdentifier), kRemoteCommand, command, argument,
                                         timeoutMs);
}

bool CorvaneProcess::WaitUntilServing(int timeoutMs)
{
    if (!m_process.waitForStarted(5000))
        return false;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        if (m_process.state() != QProcess::Running)
            return false;
        const std::optional<uint32_t> frequency = Send(2, 0, 1000);
        if (frequency && *frequency != 0)
            return true;
        QThread::msleep(50);
    }
    return false;
}

QVariant CorvaneProcess::StoredValue(const QString& name) const
{
    QSettings settings(SettingsPath(m_dir.path()), QSettings::IniFormat);
    return settings.value(QStringLiteral("Options/") + name);
}

bool CorvaneProcess::RequestClose()
{
    return platform::LocalClient::postTo(QString::fromLatin1(kIdentifier), kClose, 0, 0);
}

QString CorvaneProcess::Diagnostics()
{
    QFile file(m_dir.filePath(QStringLiteral("output.txt")));
    const QString output = file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
    QString state;
    if (m_process.state() == QProcess::NotRunning)
        state = QStringLiteral("ended, exit code %1").arg(m_process.exitCode());
    else
        state = QStringLiteral("running");
    return QStringLiteral("FT-817 Corvane %1; its output:\n%2").arg(state, output);
}
