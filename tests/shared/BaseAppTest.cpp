#include "shared/BaseApp.h"

#include "platform/LocalMessaging.h"
#include "platform/Program.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QThread>
#include <gtest/gtest.h>

namespace {
template <typename F>
bool waitFor(F condition, int ms = 5000)
{
    QElapsedTimer t;
    t.start();
    while (!condition() && t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return condition();
}

class RestartingApp : public CBaseApp {
public:
    using CBaseApp::SetLogin;
    using CBaseApp::SetModulePath;
    using CBaseApp::SetRestart;
};
} // namespace

TEST(BaseApp, MultiOkOnTheCommandLine)
{
    EXPECT_TRUE(CBaseApp::HasMultiOk({QStringLiteral("prog"), QStringLiteral("-MultiOK")}));
    EXPECT_TRUE(CBaseApp::HasMultiOk({QStringLiteral("prog"), QStringLiteral("x"), QStringLiteral("-MultiOK")}));
    EXPECT_FALSE(CBaseApp::HasMultiOk({QStringLiteral("prog"), QStringLiteral("-multiok")}));
    EXPECT_FALSE(CBaseApp::HasMultiOk({QStringLiteral("prog")}));
    EXPECT_FALSE(CBaseApp::HasMultiOk({QStringLiteral("-MultiOK")}));
}

TEST(BaseApp, SecondInstanceAsksAndBringsTheFirstForward)
{
    QMainWindow window;
    window.showMinimized();
    ASSERT_TRUE(window.isMinimized());

    CBaseApp first;
    ASSERT_TRUE(first.CheckSingleInstance(false, true));
    EXPECT_TRUE(first.IsClassRegistered());
    EXPECT_TRUE(first.HoldsInstanceLock());
    EXPECT_EQ(first.GetWindowIdentifier(), QStringLiteral("VE817-Corvane-QT9XVK-Application"));
    EXPECT_TRUE(platform::LocalClient::isServed(first.GetWindowIdentifier()));
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());

    // No: the second start ends and the first comes to the front, restored.
    testsupport::prompter().m_answers = {platform::IDNO};
    {
        CBaseApp second;
        EXPECT_FALSE(second.CheckSingleInstance(false, true));
        EXPECT_FALSE(second.HoldsInstanceLock());
    }
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    const auto& box = testsupport::prompter().m_boxes[0];
    EXPECT_EQ(box.text, QStringLiteral("This program is already running.\n \nStart another instance ?"));
    EXPECT_EQ(box.style, int(platform::MB_YESNO) | platform::MB_ICONQUESTION);
    EXPECT_TRUE(waitFor([&] { return !window.isMinimized(); }));

    // Yes: both run; the first keeps the name other programs look for.
    testsupport::prompter().m_answers = {platform::IDYES};
    CBaseApp third;
    EXPECT_TRUE(third.CheckSingleInstance(false, true));
    EXPECT_EQ(testsupport::prompter().m_boxes.size(), 2);

    // Allowed by the command line: no question.
    CBaseApp fourth;
    EXPECT_TRUE(fourth.CheckSingleInstance(true, true));
    EXPECT_EQ(testsupport::prompter().m_boxes.size(), 2);

    // Not asked and not allowed: refused without a question.
    CBaseApp fifth;
    EXPECT_FALSE(fifth.CheckSingleInstance(false, false));
    EXPECT_EQ(testsupport::prompter().m_boxes.size(), 2);

    // Once the first has ended, a new start runs alone.
    first.ExitInstance();
    first.ReleaseMutex();
    EXPECT_FALSE(platform::LocalClient::isServed(first.GetWindowIdentifier()));
    CBaseApp sixth;
    EXPECT_TRUE(sixth.CheckSingleInstance(false, true));
    EXPECT_TRUE(sixth.IsClassRegistered());
    EXPECT_EQ(testsupport::prompter().m_boxes.size(), 2);
}

TEST(BaseApp, OtherMessagesGoToTheHandler)
{
    CBaseApp app;
    ASSERT_TRUE(app.CheckSingleInstance(false, false));
    app.SetMessageHandler([](uint32_t message, uint32_t wParam, int32_t lParam) {
        return message == 1090 ? wParam + uint32_t(lParam) : 0u;
    });
    std::optional<uint32_t> answer;
    QThread* peer = QThread::create([&] {
        answer = platform::LocalClient::sendTo(QStringLiteral("VE817-Corvane-QT9XVK-Application"), 1090, 2, 40);
    });
    peer->start();
    EXPECT_TRUE(waitFor([&] { return peer->isFinished(); }));
    peer->wait();
    delete peer;
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(*answer, 42u);
}

TEST(BaseApp, AnotherProgramClosesTheMainWindow)
{
    // The main window's close handling asks a question; requests that arrive
    // while it is open are still answered.
    class AskingWindow : public QMainWindow {
    public:
        std::optional<uint32_t> m_answerWhileAsking;
    protected:
        void closeEvent(QCloseEvent* event) override
        {
            QThread* peer = QThread::create([this] {
                m_answerWhileAsking =
                    platform::LocalClient::sendTo(QStringLiteral("VE817-Corvane-QT9XVK-Application"), 1090, 2, 0);
            });
            peer->start();
            waitFor([&] { return peer->isFinished(); });
            peer->wait();
            delete peer;
            QMainWindow::closeEvent(event);
        }
    };
    AskingWindow window;
    window.show();
    CBaseApp app;
    ASSERT_TRUE(app.CheckSingleInstance(false, false));
    app.SetMessageHandler([](uint32_t message, uint32_t, int32_t) { return message == 1090 ? 7u : 0u; });
    EXPECT_TRUE(platform::LocalClient::postTo(QStringLiteral("VE817-Corvane-QT9XVK-Application"), CBaseApp::WM_CLOSE, 0, 0));
    EXPECT_TRUE(waitFor([&] { return window.isHidden(); }));
    ASSERT_TRUE(window.m_answerWhileAsking.has_value());
    EXPECT_EQ(*window.m_answerWhileAsking, 7u);
}

TEST(BaseApp, RestartNeverPutsCredentialsOnTheCommandLine)
{
    const QString out = testsupport::dataFolder() + QStringLiteral("/restart.out");
    const QString script = testsupport::dataFolder() + QStringLiteral("/restart.sh");
    {
        QFile f(script);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("#!/bin/sh\n{ echo \"args:$*\"; echo \"usr:$QT9XVK_RESTART_USR\"; "
                               "echo \"pwd:$QT9XVK_RESTART_PWD\"; } > '%1.tmp' && mv '%1.tmp' '%1'\n")
                    .arg(out)
                    .toLocal8Bit());
    }
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    {
        RestartingApp plain;
        plain.SetModulePath(script);
        ASSERT_TRUE(plain.CheckSingleInstance(false, false));
    }
    QThread::msleep(300);
    EXPECT_FALSE(QFile::exists(out)) << "a normal end starts nothing";

    {
        RestartingApp app;
        app.SetModulePath(script);
        ASSERT_TRUE(app.CheckSingleInstance(false, false));
        app.SetLogin(true, QStringLiteral("op"), QStringLiteral("s3cret"));
        EXPECT_TRUE(app.IsRestarting());
    }
    ASSERT_TRUE(waitFor([&] { return QFile::exists(out); }));
    QFile f(out);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromLocal8Bit(f.readAll());
    EXPECT_EQ(text, QStringLiteral("args:-MultiOK\nusr:op\npwd:s3cret\n"));
}
