#include "support/ProgramProcess.h"

#include "platform/LocalMessaging.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QSettings>

#include <csignal>
#include <sys/prctl.h>

ProgramProcess::ProgramProcess(const QString& program, const QString& name, const QString& dataVariable)
    : m_program(program), m_name(name), m_dataVariable(dataVariable),
      m_dir(testsupport::rootFolder() + QStringLiteral("/program-XXXXXX"))
{
    for (const char* sub : {"settings", "data", "xdgdata"})
        QDir().mkpath(m_dir.filePath(QLatin1String(sub)));
}

ProgramProcess::~ProgramProcess()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

QString ProgramProcess::SettingsPath() const
{
    return m_dir.filePath(QStringLiteral("settings/QT9XVK/%1.ini").arg(m_name));
}

void ProgramProcess::SetStoredValue(const QString& name, const QVariant& value)
{
    QSettings settings(SettingsPath(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("Options/") + name, value);
}

QVariant ProgramProcess::StoredValue(const QString& name) const
{
    QSettings settings(SettingsPath(), QSettings::IniFormat);
    return settings.value(QStringLiteral("Options/") + name);
}

bool ProgramProcess::Start(const QMap<QString, QString>& environment, const QStringList& arguments)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.filePath(QStringLiteral("settings")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), m_dir.filePath(QStringLiteral("xdgdata")));
    env.insert(m_dataVariable, m_dir.filePath(QStringLiteral("data")));
    for (auto it = environment.begin(); it != environment.end(); ++it)
        env.insert(it.key(), it.value());
    // XDG_RUNTIME_DIR stays the test's: the programs meet there.
    m_process.setProcessEnvironment(env);
    // Into a file: a pipe nobody reads would stall the program once full.
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.setStandardOutputFile(m_dir.filePath(QStringLiteral("output.txt")));
    // A test that dies takes the program with it.
    m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    m_process.start(m_program, arguments);
    return m_process.waitForStarted(5000);
}

bool ProgramProcess::WaitForExit(int timeoutMs)
{
    return m_process.state() == QProcess::NotRunning || m_process.waitForFinished(timeoutMs);
}

bool ProgramProcess::RequestClose(const QString& identifier)
{
    return platform::LocalClient::postTo(identifier, 0x0010 /* WM_CLOSE */, 0, 0);
}

QString ProgramProcess::Diagnostics() const
{
    QFile file(m_dir.filePath(QStringLiteral("output.txt")));
    const QString output = file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
    const QString state = m_process.state() == QProcess::NotRunning
                              ? QStringLiteral("ended, exit code %1").arg(m_process.exitCode())
                              : QStringLiteral("running");
    return QStringLiteral("%1 %2; its output:\n%3").arg(m_name, state, output);
}
