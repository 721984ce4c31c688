#include "support/CorvaneProcess.h"

#include "platform/LocalMessaging.h"
#include "support/TestEnvironment.h"

#include <QElapsedTimer>
#include <QThread>

CorvaneProcess::CorvaneProcess(const QString& program, const QString& radioPort,
                               const QMap<QString, QString>& environment, const QMap<QString, QVariant>& stored)
    : ProgramProcess(program, QStringLiteral("FT-817 Corvane"), QStringLiteral("CORVANE_DATA_DIR"))
{
    // Where the radio answered last time; one try there, no search.
    SetStoredValue(QStringLiteral("Startup port"), radioPort);
    SetStoredValue(QStringLiteral("Startup speed"), QStringLiteral("38400"));
    SetStoredValue(QStringLiteral("CStartup::m_bAuto"), 0);
    for (auto it = stored.begin(); it != stored.end(); ++it)
        SetStoredValue(it.key(), it.value());
    QMap<QString, QString> variables = environment;
    variables.insert(QStringLiteral("CORVANE_EXTRA_PORTS"), radioPort);
    variables.insert(QStringLiteral("CORVANE_AUTOCONNECT"), QStringLiteral("1"));
    Start(variables);
}

std::optional<uint32_t> CorvaneProcess::Send(uint32_t command, int32_t argument, int timeoutMs)
{
    return platform::LocalClient::sendTo(QString::fromLatin1(kIdentifier), 1090, command, argument, timeoutMs);
}

bool CorvaneProcess::WaitUntilServing(int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        if (!IsRunning())
            return false;
        const std::optional<uint32_t> frequency = Send(2, 0, 1000);
        if (frequency && *frequency != 0)
            return true;
        QThread::msleep(50);
    }
    return false;
}
