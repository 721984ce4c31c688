#include "CorvaneProcess.h"

#include "platform/LocalMessaging.h"
#include "support/TestEnvironment.h"

#include <QElapsedTimer>
#include <QThread>

CorvaneProcess::CorvaneProcess(const QString& radioPort)
    : ProgramProcess(QString::fromUtf8(CORVANE_PROGRAM), QStringLiteral("FT-817 Corvane"),
                     QStringLiteral("CORVANE_DATA_DIR"))
{
    // Where the radio answered last time; one try there, no search.
    SetStoredValue(QStringLiteral("Startup port"), radioPort);
    SetStoredValue(QStringLiteral("Startup speed"), QStringLiteral("38400"));
    SetStoredValue(QStringLiteral("CStartup::m_bAuto"), 0);
    Start({{QStringLiteral("CORVANE_EXTRA_PORTS"), radioPort}, {QStringLiteral("CORVANE_AUTOCONNECT"), QStringLiteral("1")}});
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
