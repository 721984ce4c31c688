// Two copies of the real program: a second start is refused and brings the
// first forward; with -MultiOK both run.
#include "platform/LocalMessaging.h"
#include "shared/BaseApp.h"
#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMainWindow>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

namespace {
const QString kIdentifier = QStringLiteral("VE817-Corvane-QT9XVK-Application");

QString programPath()
{
    return testsupport::buildDir() + QStringLiteral("/bin/FT-817 Corvane");
}

// Runs this process's event loop while waiting, so it can answer requests.
template <typename F>
bool waitFor(F condition, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!condition() && t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return condition();
}

struct Program {
    explicit Program(const QStringList& arguments)
    {
        process.setProgram(programPath());
        process.setArguments(arguments);
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start();
    }
    ~Program()
    {
        if (process.state() != QProcess::NotRunning) {
            process.terminate();
            if (!process.waitForFinished(3000)) {
                process.kill();
                process.waitForFinished(3000);
            }
        }
    }
    bool finished(int ms) { return waitFor([&] { return process.state() == QProcess::NotRunning; }, ms); }
    QProcess process;
};
} // namespace

TEST(SingleInstanceProcess, SecondProgramIsRefusedAndBringsTheFirstForward)
{
    ASSERT_TRUE(QFileInfo::exists(programPath())) << programPath().toStdString();
    // This test process is the first instance, its main window minimised.
    QMainWindow window;
    window.showMinimized();
    CBaseApp first;
    ASSERT_TRUE(first.CheckSingleInstance(false, false));

    Program second({});
    ASSERT_TRUE(second.process.waitForStarted(5000));
    ASSERT_TRUE(second.finished(10000)) << "the second copy kept running";
    EXPECT_EQ(second.process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.process.exitCode(), 0);
    EXPECT_TRUE(waitFor([&] { return !window.isMinimized(); }, 3000)) << "the first was not brought forward";
    EXPECT_TRUE(platform::LocalClient::isServed(kIdentifier));
}

TEST(SingleInstanceProcess, MultiOkLetsBothRun)
{
    ASSERT_TRUE(QFileInfo::exists(programPath()));
    QMainWindow window;
    window.showMinimized();
    CBaseApp first;
    ASSERT_TRUE(first.CheckSingleInstance(false, false));

    for (const QStringList& arguments : {QStringList{QStringLiteral("-MultiOK")},
                                         QStringList{QStringLiteral("x"), QStringLiteral("-MultiOK")}}) {
        Program second(arguments);
        ASSERT_TRUE(second.process.waitForStarted(5000));
        EXPECT_FALSE(second.finished(1500)) << "the allowed copy ended";
        EXPECT_TRUE(window.isMinimized()) << "an allowed copy does not call the first forward";
    }
}

TEST(SingleInstanceProcess, TwoProgramsOnlyOneRuns)
{
    ASSERT_TRUE(QFileInfo::exists(programPath()));
    Program first({});
    ASSERT_TRUE(first.process.waitForStarted(5000));
    ASSERT_TRUE(waitFor([] { return platform::LocalClient::isServed(kIdentifier, 100); }, 10000));

    Program second({});
    ASSERT_TRUE(second.process.waitForStarted(5000));
    EXPECT_TRUE(second.finished(10000));
    EXPECT_EQ(second.process.exitCode(), 0);
    EXPECT_EQ(first.process.state(), QProcess::Running);

    // Once the first has ended, the next start runs.
    first.process.terminate();
    ASSERT_TRUE(first.finished(5000));
    Program third({});
    ASSERT_TRUE(third.process.waitForStarted(5000));
    EXPECT_TRUE(waitFor([] { return platform::LocalClient::isServed(kIdentifier, 100); }, 10000));
    EXPECT_EQ(third.process.state(), QProcess::Running);
}
