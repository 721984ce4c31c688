// Closing the program while the request worker waits for a page that never
// comes: the close sequence does not wait for it.
#include "corvane/core/MainFrame.h"
#include "corvane/core/RadioApp.h"
#include "corvane/core/RequestWorker.h"
#include "corvane/core/Settings.h"
#include "corvane/core/Startup.h"
#include "platform/Sleeper.h"
#include "shared/Registry.h"
#include "support/Simulator.h"
#include "LocalHttpServer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

TEST(CloseDuringFetch, TheWindowClosesInBoundedTime)
{
    platform::FakeSleeper sleeper;
    platform::Sleeper::setInstance(&sleeper);
    testsupport::Simulator sim;
    ASSERT_TRUE(sim.isRunning());
    qputenv("CORVANE_EXTRA_PORTS", sim.portPath().toLocal8Bit());
    const CRegistry registry;
    registry.WriteString("Startup port", sim.portPath());
    registry.WriteString("Startup speed", "38400");
    registry.WriteBool("CStartup::m_bAuto", 0);

    CRadioApp app;
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer] {
        if (auto* startup = qobject_cast<CStartup*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            startup->OnConnect();
        }
    });
    timer->start();
    ASSERT_TRUE(app.InitInstance());

    webtest::LocalHttpServer server;
    server.behaviour = webtest::LocalHttpServer::Hang;
    app.GetRequestWorker().QueueRequest(CRequestWorker::REQUEST_WEB_PAGE, nullptr, 0, server.url());
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.requests() == 1; }, 5000));

    GetSettings().m_bPowerDown = 0;
    QElapsedTimer t;
    t.start();
    EXPECT_TRUE(app.GetMainFrame()->close());
    EXPECT_LT(t.elapsed(), 2000);
    EXPECT_FALSE(app.GetRequestWorker().IsRunning());
    qunsetenv("CORVANE_EXTRA_PORTS");
    platform::Sleeper::setInstance(nullptr);
}
