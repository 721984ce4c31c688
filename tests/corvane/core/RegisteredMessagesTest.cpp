#include "corvane/core/RegisteredMessages.h"
#include "shared/RegisteredEvent.h"

#include <QCoreApplication>
#include <QSet>
#include <QThread>
#include <gtest/gtest.h>

namespace {
class Receiver : public QObject {
public:
    bool event(QEvent* e) override
    {
        if (auto* m = CRegisteredEvent::As(e, RegisteredMessage::nMsgData)) {
            seen.append({m->wParam(), m->lParam()});
            thread = QThread::currentThread();
            m->SetResult(m->lParam() * 2);
            return true;
        }
        return QObject::event(e);
    }
    QList<QPair<uintptr_t, intptr_t>> seen;
    QThread* thread = nullptr;
};
} // namespace

TEST(RegisteredMessages, TwentyEightDistinctNumbersFromTheirNames)
{
    ASSERT_EQ(RegisteredMessage::Count(), 28);
    EXPECT_STREQ(RegisteredMessage::AllNames()[0], "RegisteredMessage::nMsgAppearance");
    EXPECT_STREQ(RegisteredMessage::AllNames()[27], "RegisteredMessage::nMsgUpdate");
    const uint32_t all[] = {
        RegisteredMessage::nMsgAppearance, RegisteredMessage::nMsgChart,        RegisteredMessage::nMsgData,
        RegisteredMessage::nMsgDrawBands,  RegisteredMessage::nMsgFavourite,    RegisteredMessage::nMsgFreqButton,
        RegisteredMessage::nMsgFreqDigit,  RegisteredMessage::nMsgFullScreen,   RegisteredMessage::nMsgInitialise,
        RegisteredMessage::nMsgKeystroke,  RegisteredMessage::nMsgIdle,         RegisteredMessage::nMsgLoad,
        RegisteredMessage::nMsgLogbookAdd, RegisteredMessage::nMsgLogbookFilter, RegisteredMessage::nMsgLogbookSort,
        RegisteredMessage::nMsgMemory,     RegisteredMessage::nMsgMouseMove,    RegisteredMessage::nMsgOptions,
        RegisteredMessage::nMsgOrganise,   RegisteredMessage::nMsgPause,        RegisteredMessage::nMsgRedraw,
        RegisteredMessage::nMsgRedrawNew,  RegisteredMessage::nMsgReloadMemory, RegisteredMessage::nMsgSave,
        RegisteredMessage::nMsgScanning,   RegisteredMessage::nMsgSelect,       RegisteredMessage::nMsgSquelch,
        RegisteredMessage::nMsgUpdate};
    QSet<uint32_t> distinct;
    for (int i = 0; i < 28; ++i) {
        EXPECT_GE(all[i], 0xC000u);
        EXPECT_LE(all[i], 0xFFFFu);
        distinct.insert(all[i]);
        // Registering the name again (as another window or a second program
        // instance does) yields the same number.
        EXPECT_EQ(RegisterWindowMessage(RegisteredMessage::AllNames()[i]), all[i]);
    }
    EXPECT_EQ(distinct.size(), 28);
    EXPECT_EQ(RegisterWindowMessage(""), 0u);
}

TEST(RegisteredMessages, NumbersDependOnlyOnTheName)
{
    // A process that registers other names first still gets the name's own
    // number: a new name lands on its hashed slot whatever came before.
    const uint32_t first = RegisterWindowMessage("Test::nMsgOrderA");
    const uint32_t second = RegisterWindowMessage("Test::nMsgOrderB");
    EXPECT_NE(first, second);
    EXPECT_EQ(RegisterWindowMessage("Test::nMsgOrderB"), second);
    // The numbers of the program's set are their hashed slots, which no
    // registration order can change.
    uint32_t h = 2166136261u;
    for (const char* p = "RegisteredMessage::nMsgData"; *p; ++p)
        h = (h ^ uint8_t(*p)) * 16777619u;
    EXPECT_EQ(RegisteredMessage::nMsgData, 0xC000u + h % 0x3FFFu);
}

TEST(RegisteredMessages, PostAndSendCarryTheParameters)
{
    Receiver r;
    EXPECT_TRUE(PostRegisteredMessage(&r, RegisteredMessage::nMsgData, 7, -3));
    EXPECT_TRUE(r.seen.isEmpty());
    QCoreApplication::sendPostedEvents(&r);
    ASSERT_EQ(r.seen.size(), 1);
    EXPECT_EQ(r.seen[0].first, 7u);
    EXPECT_EQ(r.seen[0].second, -3);

    EXPECT_EQ(SendRegisteredMessage(&r, RegisteredMessage::nMsgData, 1, 21), 42);
    EXPECT_EQ(r.seen.size(), 2);
    // A message the receiver does not handle answers 0.
    EXPECT_EQ(SendRegisteredMessage(&r, RegisteredMessage::nMsgSave, 1, 21), 0);
    EXPECT_FALSE(PostRegisteredMessage(nullptr, RegisteredMessage::nMsgData));
}

TEST(RegisteredMessages, SendFromAWorkerWaitsForTheReceiversThread)
{
    Receiver r;
    intptr_t result = 0;
    std::atomic<bool> done = false;
    QThread* worker = QThread::create([&] {
        result = SendRegisteredMessage(&r, RegisteredMessage::nMsgData, 0, 50);
        done = true;
    });
    worker->start();
    // The worker's send is delivered on this (the receiver's) thread.
    for (int i = 0; i < 500 && !done; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    worker->wait(5000);
    delete worker;
    EXPECT_TRUE(done);
    EXPECT_EQ(result, 100);
    EXPECT_EQ(r.thread, QThread::currentThread());
}
