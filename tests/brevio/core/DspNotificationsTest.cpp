#include "FrameFixture.h"
#include "brevio/core/DspMessageSink.h"
#include "brevio/core/RegisteredMessages.h"

#include <QCoreApplication>
#include <QTest>
#include <thread>
#include <gtest/gtest.h>

using testsupport::FrameFixture;
using testsupport::MessageRecorder;

namespace {
constexpr unsigned kFft = CMainFrame::WM_FFT_READY;
constexpr unsigned kChar = CMainFrame::WM_DSP_CHAR;
constexpr unsigned kStatus = CMainFrame::WM_DSP_STATUS;
constexpr unsigned kImd = CMainFrame::WM_DSP_IMD;
constexpr unsigned kClock = CMainFrame::WM_DSP_CLOCK_ERROR;

// The engine's messages and the received characters handed to any object.
class EngineDeliveries : public QObject {
public:
    EngineDeliveries() { QCoreApplication::instance()->installEventFilter(this); }
    ~EngineDeliveries() override { QCoreApplication::instance()->removeEventFilter(this); }
    void Reset() { engine = characters = 0; }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == CDspEvent::EventType())
            ++engine;
        else if (uint32_t(e->type()) == RegisteredMessage::nMsgCharRdy)
            ++characters;
        return false;
    }
    int engine = 0;
    int characters = 0;
};

TEST(DspNotifications, ReceivedCharactersGoToTheirChannelWindow)
{
    FrameFixture f;
    MessageRecorder two(f.forms[2]);
    MessageRecorder others(f.forms[1]);
    f.Engine(kChar, 'A', 2);
    f.Engine(kChar, 0x141, 2);  // only the low 8 bits are a character
    f.Engine(kChar, 'B', 5);    // nobody's channel
    f.Engine(kChar, 'C', 50);
    f.Engine(kChar, 'D', 4);
    const auto got = two.Of(RegisteredMessage::nMsgCharRdy);
    ASSERT_EQ(got.size(), 2);
    EXPECT_EQ(got[0].wParam, uintptr_t('A'));
    EXPECT_EQ(got[0].lParam, 0);
    EXPECT_EQ(got[1].wParam, uintptr_t('A'));
    EXPECT_TRUE(others.Of(RegisteredMessage::nMsgCharRdy).isEmpty());
}

TEST(DspNotifications, EnginePostsFromItsOwnThreadArriveInOrder)
{
    FrameFixture f;
    MessageRecorder zero(f.forms[0]);
    std::thread engine([&] {
        for (int i = 0; i < 200; ++i)
            f.dsp.Post(kChar, uintptr_t('a' + i % 26), 0);
    });
    engine.join();
    f.Process();
    const auto got = zero.Of(RegisteredMessage::nMsgCharRdy);
    ASSERT_EQ(got.size(), 200);
    for (int i = 0; i < 200; ++i)
        EXPECT_EQ(got[i].wParam, uintptr_t('a' + i % 26));
}

TEST(DspNotifications, EchoPumpPullsTheNextCharacter)
{
    FrameFixture f;
    CTxTextWindow* tx = f.forms[1]->GetTxWindow();
    tx->setPlainText(QStringLiteral("HI\nX"));
    f.frame->SetTxChannel(1);
    f.Engine(kStatus, 1, 0);  // the window primes the engine with two steps
    EXPECT_EQ(f.dsp.Calls(QStringLiteral("fnSendTXCharacter")),
              (QStringList{QStringLiteral("fnSendTXCharacter(72, 0)"), QStringLiteral("fnSendTXCharacter(73, 0)")}));
    f.dsp.Clear();
    MessageRecorder one(f.forms[1]);

    f.Engine(kChar, 'H', -1);  // pulls the line break: CR and LF go together
    EXPECT_EQ(f.dsp.Calls(QStringLiteral("fnSendTXCharacter")),
              (QStringList{QStringLiteral("fnSendTXCharacter(13, 0)"), QStringLiteral("fnSendTXCharacter(10, 0)")}));
    const auto echo = one.Of(RegisteredMessage::nMsgCharRdy);
    ASSERT_EQ(echo.size(), 1);
    EXPECT_EQ(echo[0].wParam, uintptr_t('H'));
    EXPECT_EQ(echo[0].lParam, 1);

    f.Engine(kChar, 'I', -1);  // pulls 'X'
    EXPECT_EQ(f.dsp.Calls(QStringLiteral("fnSendTXCharacter")).mid(2),
              QStringList{QStringLiteral("fnSendTXCharacter(88, 0)")});
    f.Engine(kChar, '\r', -1);  // nothing left to pull
    f.Engine(kChar, '\n', -1);  // shown, pulls nothing
    EXPECT_EQ(f.dsp.Calls(QStringLiteral("fnSendTXCharacter")).size(), 3);
    EXPECT_EQ(one.Of(RegisteredMessage::nMsgCharRdy).size(), 4);
    // Text used up without autostop: the transmitter keeps running.
    f.Engine(kChar, 'X', -1);
    EXPECT_TRUE(f.dsp.Calls(QStringLiteral("fnStopTX")).isEmpty());
    // With autostop the first echo that finds nothing stops it.
    f.forms[1]->SetAutoStop(true);
    f.Engine(kChar, 'X', -1);
    EXPECT_EQ(f.dsp.Calls(QStringLiteral("fnStopTX")).size(), 1);
}

TEST(DspNotifications, PendingStopEndsTheTransmissionAndIsSkippedAtReceive)
{
    FrameFixture f;
    CTxTextWindow* tx = f.forms[0]->GetTxWindow();
    tx->setPlainText(QStringLiteral("AB[STOP]CD"));
    f.frame->SetTxChannel(0);
    tx->SendNext();
    f.Engine(kStatus, 1, 0);
    f.dsp.Clear();
    f.Engine(kChar, 'A', -1);  // sends B; the next is "[stop]"
    EXPECT_EQ(f.dsp.Calls(QStringLiteral("fnStopTX")).size(), 1);
    EXPECT_EQ(tx->GetSentCount(), 8);
    // The engine still sends what it held; those echoes pull nothing after
    // the stop, and the channel keeps saying so.
    f.dsp.Clear();
    f.Engine(kChar, 'B', -1);
    tx->Pump();
    EXPECT_TRUE(f.dsp.Calls(QStringLiteral("fnSendTXCharacter")).isEmpty());
    EXPECT_EQ(tx->GetSentCount(), 8);
    EXPECT_EQ(tx->GetLastStatus(), QStringLiteral("Stopping"));
    f.Engine(kStatus, 0, 0);
    f.dsp.Clear();
    // The next transmission starts after it.
    EXPECT_TRUE(tx->SendNext());
    EXPECT_EQ(f.dsp.Calls(QStringLiteral("fnSendTXCharacter")), QStringList{QStringLiteral("fnSendTXCharacter(67, 0)")});
}

TEST(DspNotifications, EchoesAreIgnoredWhileNotTransmitting)
{
    FrameFixture f;
    f.forms[3]->GetTxWindow()->setPlainText(QStringLiteral("QRZ"));
    f.frame->SetTxChannel(3);
    f.Engine(kChar, 'Q', -1);
    EXPECT_TRUE(f.dsp.Calls(QStringLiteral("fnSendTXCharacter")).isEmpty());
    f.frame->SetTxChannel(7);  // nobody's
    f.Engine(kStatus, 1, 0);
    f.Engine(kChar, 'Q', -1);
    EXPECT_TRUE(f.dsp.Calls(QStringLiteral("fnSendTXCharacter")).isEmpty());
}

TEST(DspNotifications, StatusCodesAreLoggedWithTheirTexts)
{
    FrameFixture f;
    const int before = int(f.LogLines().size());
    f.Engine(kStatus, 6, 35);  // not a multiple of 10: nothing
    f.Engine(kStatus, 6, 40);
    f.Engine(kStatus, 7, 35);
    f.Engine(kStatus, 8, 0);
    f.Engine(kStatus, 44, 0);
    f.Engine(kStatus, uintptr_t(intptr_t(-1)), 0);
    f.Engine(kStatus, 38, 0);
    f.Engine(kStatus, 2, 0);
    const QStringList lines = f.LogLines().mid(before);
    const QStringList expected = {
        QStringLiteral("Status: [6] Input file 40% complete."), QString(),
        QStringLiteral("Status: [7] Output file 35% complete."), QString(),
        QStringLiteral("Status: [8] <unknown>"), QString(),
        QStringLiteral("Status: [44] <unknown>"), QString(),
        QStringLiteral("Status: [-1] <unknown>"), QString(),
        QStringLiteral("Status: [38] nNot a supported data type"), QString(),
        QStringLiteral("Status: [2] CPU too slow or busy. The soundcard was reset because the CPU could not keep up."),
        QString()};
    EXPECT_EQ(lines, expected);
    EXPECT_TRUE(f.frame->IsStatusSeen(6));
    EXPECT_TRUE(f.frame->IsStatusSeen(44));
    EXPECT_FALSE(f.frame->IsStatusSeen(1));
}

TEST(DspNotifications, TransmitStateFollowsStatusOneAndZero)
{
    FrameFixture f;
    f.Engine(kStatus, 1, 0);
    EXPECT_TRUE(f.frame->IsTransmitting());
    // Only the transmitting channel changes state.
    for (int n = 0; n < 4; ++n)
        EXPECT_EQ(f.forms[n]->IsTxState(), n == f.frame->GetTxChannel());
    f.Engine(kStatus, 0, 0);
    EXPECT_FALSE(f.frame->IsTransmitting());
    for (CFormRx* form : f.forms)
        EXPECT_FALSE(form->IsTxState());
    const QStringList lines = f.LogLines();
    EXPECT_TRUE(lines.contains(QStringLiteral("Status: [1] In Transmit mode")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Status: [0] In Receive mode")));
}

TEST(DspNotifications, ImdAndClockReadingsReachTheirChannel)
{
    FrameFixture f;
    f.Engine(kImd, 25, 0x83);
    EXPECT_EQ(f.forms[3]->GetImd(), 25);
    EXPECT_EQ(f.forms[3]->GetImdFlag(), 1);
    f.Engine(kImd, 26, 0x01);
    EXPECT_EQ(f.forms[1]->GetImd(), 26);
    EXPECT_EQ(f.forms[1]->GetImdFlag(), 0);
    f.Engine(kImd, 27, 0x05);  // channel 5: dropped
    f.Engine(kClock, 12, 2);
    EXPECT_EQ(f.forms[2]->GetClockError(), 12);
    f.Engine(kClock, 13, 10);  // only channels 0-3 have a clock reading
    EXPECT_EQ(f.forms[2]->GetClockError(), 12);
}

TEST(DspNotifications, FftDataMarksDataFlowingAndSettles)
{
    FrameFixture f;
    EXPECT_FALSE(f.frame->IsDataFlowing());
    f.frame->RewindInput();
    EXPECT_EQ(f.dsp.Calls(QStringLiteral("fnRewindInput")), QStringList{QStringLiteral("fnRewindInput(99)")});
    EXPECT_FALSE(f.frame->IsSettled());
    for (int i = 0; i < 100; ++i)
        f.Engine(kFft, 0, 0);
    EXPECT_FALSE(f.frame->IsSettled());
    f.Engine(kFft, 0, 0);
    EXPECT_TRUE(f.frame->IsSettled());
    EXPECT_TRUE(f.frame->IsDataFlowing());
    EXPECT_TRUE(f.frame->IsTimerActive(101));
    f.frame->OnTimer(101);
    EXPECT_FALSE(f.frame->IsDataFlowing());
}

TEST(DspNotifications, MessagesAfterTheFrameIsGoneAreDropped)
{
    auto f = std::make_unique<FrameFixture>();
    testsupport::RecordingDsp* dsp = &f->dsp;
    PskMessageSink* sink = dsp->Sink();
    ASSERT_NE(sink, nullptr);
    EngineDeliveries delivered;
    // While the frame lives, the engine's posts reach it.
    sink->post(sink->context, kStatus, 0, 0);
    QCoreApplication::sendPostedEvents();
    ASSERT_GT(delivered.engine, 0);
    delivered.Reset();
    dsp->Post(kChar, 'A', 0);  // queued for a frame about to go
    delete f->frame;
    f->frame = nullptr;
    // The engine still runs for a moment and posts.
    sink->post(sink->context, kStatus, 0, 0);
    sink->post(sink->context, kChar, 'B', 1);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(delivered.engine, 0) << "an engine message reached some object";
    EXPECT_EQ(delivered.characters, 0) << "a received character reached some channel";
    f->log = nullptr;
    TheApp().SetLogView(nullptr);
}

} // namespace
