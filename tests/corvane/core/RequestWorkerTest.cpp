// Request workers against a real local HTTP server: the queue's coalescing
// and stop rules, result order, and shutdown while a page hangs.
#include "corvane/core/RegisteredMessages.h"
#include "corvane/core/RequestWorker.h"
#include "corvane/core/WebPage.h"
#include "shared/RegisteredEvent.h"
#include "LocalHttpServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A window that keeps what the worker hands it (and deletes each record, as
// every receiver must).
class Receiver : public QObject {
public:
    struct Result {
        int kind;
        int value;
        QString error;
        QString url;
        QStringList lines;
    };

    bool event(QEvent* e) override
    {
        if (auto* m = CRegisteredEvent::As(e, RegisteredMessage::nMsgData)) {
            std::unique_ptr<CWebPageResult> record(reinterpret_cast<CWebPageResult*>(m->lParam()));
            results.append({record->m_nKind, record->m_nValue, record->m_strError, record->m_strUrl, record->m_lines});
            return true;
        }
        return QObject::event(e);
    }
    QList<Result> results;
};

// Every result handed to any object of the program.
class DataMessages : public QObject {
public:
    DataMessages() { QCoreApplication::instance()->installEventFilter(this); }
    ~DataMessages() override { QCoreApplication::instance()->removeEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (CRegisteredEvent::As(e, RegisteredMessage::nMsgData))
            ++count;
        return false;
    }
    int count = 0;
};

QList<int> types(const CRequestWorker& worker)
{
    QList<int> t;
    for (const auto& entry : worker.GetQueue())
        t << entry.first;
    return t;
}

QStringList texts(const CRequestWorker& worker)
{
    QStringList t;
    for (const auto& entry : worker.GetQueue())
        t << entry.second;
    return t;
}

} // namespace

TEST(RequestQueue, CoalescesOnlyTheSameKindFromTheSameWindow)
{
    CRequestWorker worker;  // not started: the queue stays as built
    QObject main;
    QObject dxWindow;
    QObject otherDx;
    worker.QueueRequest(CRequestWorker::REQUEST_SPEAK, &main, 0, "first");
    worker.QueueRequest(CRequestWorker::REQUEST_WEB_PAGE, &dxWindow, 0, "http://a/");
    worker.QueueRequest(CRequestWorker::REQUEST_WEB_PAGE, &otherDx, 0, "http://other/");
    worker.QueueRequest(CRequestWorker::REQUEST_SPEAK, &main, 0, "second");
    worker.QueueRequest(CRequestWorker::REQUEST_SPEAK, &main, 0, "third");
    worker.QueueRequest(CRequestWorker::REQUEST_WEB_PAGE, &dxWindow, 0, "http://b/");
    // A read-out never drops a fetch, a fetch never a read-out, and one
    // window's page never another window's.
    EXPECT_EQ(texts(worker), QStringList({"http://other/", "third", "http://b/"}));
}

TEST(RequestQueue, StopGoesToTheHeadAndIsNeverDiscarded)
{
    CRequestWorker worker;
    QObject main;
    QObject dx;
    worker.QueueRequest(CRequestWorker::REQUEST_WEB_PAGE, &dx, 0, "http://a/");
    worker.QueueStop();
    worker.QueueRequest(CRequestWorker::REQUEST_SPEAK, &main, 0, "after the stop");
    worker.QueueRequest(CRequestWorker::REQUEST_WEB_PAGE, &dx, 0, "http://b/");
    EXPECT_EQ(types(worker), QList<int>({CRequestWorker::REQUEST_STOP, CRequestWorker::REQUEST_SPEAK,
                                         CRequestWorker::REQUEST_WEB_PAGE}));

    // Started now, it takes the stop first and leaves the rest unexecuted.
    Receiver receiver;
    ASSERT_TRUE(worker.Start());
    EXPECT_TRUE(worker.WaitFinished(3000));
    EXPECT_FALSE(worker.IsRunning());
    EXPECT_EQ(worker.GetQueueLength(), 2);
    QTest::qWait(50);
    EXPECT_TRUE(receiver.results.isEmpty());
}

TEST(WorkerThread, FinishedEventStartsSignalledAndDestructionOfAnUnstartedWorkerIsImmediate)
{
    QElapsedTimer t;
    t.start();
    {
        CRequestWorker worker;
        EXPECT_TRUE(worker.WaitFinished(0));
        EXPECT_FALSE(worker.IsRunning());
    }
    EXPECT_LT(t.elapsed(), 500);

    // Started, it sleeps until woken; a stop ends it and Stop returns at once
    // a second time.
    CRequestWorker worker;
    ASSERT_TRUE(worker.Start());
    EXPECT_FALSE(worker.WaitFinished(50));
    worker.QueueStop();
    EXPECT_TRUE(worker.WaitFinished(3000));
    worker.Stop();
    // And it can run again.
    ASSERT_TRUE(worker.Start());
    worker.Stop();
    EXPECT_TRUE(worker.WaitFinished(0));
}

TEST(RequestWorker, PageResultsArriveStartedThenFinished)
{
    webtest::LocalHttpServer server;
    server.body = "line one\r\nline two\nline three";
    Receiver receiver;
    CRequestWorker worker;
    ASSERT_TRUE(worker.Start());
    const QString url = server.url();
    worker.QueueRequest(CRequestWorker::REQUEST_WEB_PAGE, &receiver, 0, url);
    ASSERT_TRUE(QTest::qWaitFor([&] { return receiver.results.size() == 2; }, 5000));
    EXPECT_EQ(receiver.results[0].kind, CWebPageResult::KIND_STARTED);
    EXPECT_EQ(receiver.results[0].value, 1);
    const Receiver::Result& done = receiver.results[1];
    EXPECT_EQ(done.kind, CWebPageResult::KIND_FINISHED);
    EXPECT_EQ(done.value, 1);
    EXPECT_EQ(done.url, url);
    EXPECT_TRUE(done.error.isEmpty());
    EXPECT_EQ(done.lines, QStringList({"line one", "line two", "line three"}));
    worker.QueueStop();
    EXPECT_TRUE(worker.WaitFinished(3000));
}

TEST(RequestWorker, ShutdownDuringAHungFetchEndsInBoundedTime)
{
    webtest::LocalHttpServer server;
    server.behaviour = webtest::LocalHttpServer::Hang;
    Receiver receiver;
    CRequestWorker worker;
    ASSERT_TRUE(worker.Start());
    worker.QueueRequest(CRequestWorker::REQUEST_WEB_PAGE, &receiver, 0, server.url());
    // Wait until the page is being read: the server has the request.
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.requests() == 1; }, 5000));
    QElapsedTimer t;
    t.start();
    worker.QueueStop();
    // The UI thread waits here without serving its events: the worker must
    // not need it to finish.
    EXPECT_TRUE(worker.WaitFinished(2000));
    EXPECT_LT(t.elapsed(), 2000);
    QTest::qWait(20);
    ASSERT_EQ(receiver.results.size(), 2);
    EXPECT_EQ(receiver.results[1].value, 0);
    EXPECT_FALSE(receiver.results[1].error.isEmpty());
}

TEST(RequestWorker, ResultForAWindowThatIsGoneIsNotDelivered)
{
    webtest::LocalHttpServer server;
    server.body = "x\n";
    DataMessages delivered;
    auto gone = std::make_unique<Receiver>();
    Receiver staying;
    CRequestWorker worker;
    worker.QueueRequest(CRequestWorker::REQUEST_WEB_PAGE, gone.get(), 0, server.url());
    worker.QueueRequest(CRequestWorker::REQUEST_WEB_PAGE, &staying, 0, server.url());
    ASSERT_TRUE(worker.Start());
    // The window closes before the UI thread gets to the results.
    gone.reset();
    // Results reach the UI thread in the order of the requests: once the
    // window that stayed has both of its own, the gone window's have passed.
    ASSERT_TRUE(QTest::qWaitFor([&] { return staying.results.size() == 2; }, 5000));
    EXPECT_EQ(server.requests(), 2);
    EXPECT_EQ(delivered.count, 2) << "only the window that stayed was handed results";
    worker.QueueStop();
    EXPECT_TRUE(worker.WaitFinished(3000));
}

TEST(RequestWorker, SpeechRequestsStartTheEngineOnTheWorkerAndSpeakTheNewest)
{
    QObject main;
    CRequestWorker worker;
    worker.QueueRequest(CRequestWorker::REQUEST_SPEAK, &main, 0, "one");
    worker.QueueRequest(CRequestWorker::REQUEST_SPEAK, &main, 0, "two");
    ASSERT_TRUE(worker.Start());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !worker.GetLastSpokenText().isEmpty(); }, 5000));
    EXPECT_EQ(worker.GetLastSpokenText(), "two");
    worker.QueueStop();
    EXPECT_TRUE(worker.WaitFinished(5000));
}

// ---------------------------------------------------------------- page reader

TEST(WebPage, ReadsLinesAndAnEmptyPage)
{
    webtest::LocalHttpServer server;
    server.body = "a\r\nb\r\n\r\nc\r\n";
    CWebPage page(server.url());
    EXPECT_TRUE(page.Read()) << page.GetError().toStdString();
    EXPECT_EQ(page.GetLines(), QStringList({"a", "b", "", "c"}));

    server.body.clear();
    CWebPage empty(server.url());
    EXPECT_TRUE(empty.Read());
    EXPECT_TRUE(empty.GetLines().isEmpty());
    EXPECT_TRUE(empty.GetError().isEmpty());
}

TEST(WebPage, UnknownHostFailsWithOneLineOfError)
{
    CWebPage page(QStringLiteral("http://no-such-host.invalid/page"));
    EXPECT_FALSE(page.Read());
    EXPECT_FALSE(page.GetError().isEmpty());
    EXPECT_FALSE(page.GetError().contains('\n'));
    EXPECT_FALSE(page.GetError().contains('\r'));
    EXPECT_TRUE(page.GetLines().isEmpty());
}

TEST(WebPage, BrokenTransferKeepsTheLinesReadAndFails)
{
    webtest::LocalHttpServer server;
    server.behaviour = webtest::LocalHttpServer::BreakAfterBody;
    for (int i = 1; i <= 200; ++i)
        server.body += "spot " + QByteArray::number(i) + "\r\n";
    CWebPage page(server.url());
    EXPECT_FALSE(page.Read());
    EXPECT_FALSE(page.GetError().isEmpty());
    ASSERT_EQ(page.GetLines().size(), 200);
    EXPECT_EQ(page.GetLines().first(), "spot 1");
    EXPECT_EQ(page.GetLines().last(), "spot 200");
}

TEST(WebPage, SilentServerTimesOut)
{
    webtest::LocalHttpServer server;
    server.behaviour = webtest::LocalHttpServer::Hang;
    CWebPage::SetTransferTimeout(300);
    CWebPage page(server.url());
    QElapsedTimer t;
    t.start();
    const bool ok = page.Read();
    CWebPage::SetTransferTimeout(CWebPage::kDefaultTransferTimeout);
    EXPECT_FALSE(ok);
    EXPECT_EQ(page.GetError(), "The operation timed out");
    EXPECT_LT(t.elapsed(), 3000);
}

TEST(WebPage, HttpErrorIsAFailureWithThePageKept)
{
    webtest::LocalHttpServer server;
    server.behaviour = webtest::LocalHttpServer::NotFound;
    server.body = "<html>gone</html>";
    CWebPage page(server.url());
    EXPECT_FALSE(page.Read());
    EXPECT_FALSE(page.GetError().isEmpty());
    EXPECT_EQ(page.GetLines(), QStringList({"<html>gone</html>"}));
}
