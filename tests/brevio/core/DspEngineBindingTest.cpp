// The real engine through the binding, as the program runs it: wave files at
// both ends, messages arriving as events on the receiving object's thread.
#include "brevio/core/DspLibrary.h"

#include "support/ScriptedPrompter.h"
#include "support/TestEnvironment.h"
#include "support/WaveFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <gtest/gtest.h>

#ifdef DSP_LIBRARY_REAL

namespace {

class Receiver : public QObject {
public:
    bool event(QEvent* e) override
    {
        if (e->type() != DspMessageEvent::eventType())
            return QObject::event(e);
        auto* m = static_cast<DspMessageEvent*>(e);
        m_messages.push_back({m->message(), intptr_t(m->wParam()), m->lParam()});
        return true;
    }
    struct Message {
        unsigned message;
        intptr_t wParam;
        intptr_t lParam;
    };
    bool pumpUntil(unsigned message, intptr_t wParam, int ms = 20000)
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            for (const auto& m : m_messages)
                if (m.message == message && m.wParam == wParam)
                    return true;
        }
        return false;
    }
    std::vector<Message> m_messages;
};

TEST(DspEngineBinding, TransmitsToAFileAndDecodesItBackThroughTheWrappers)
{
    qputenv("PSKMODEM117_FILE_SPEED", "0");
    ForgetDspLibrary();
    ASSERT_TRUE(LoadDspLibrary(nullptr, QString::fromUtf8(DSP_LIBRARY_REAL)));
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());

    const QString dir = testsupport::dataFolder();
    const QByteArray silence = (dir + "/silence.wav").toLocal8Bit();
    const QByteArray signal = (dir + "/signal.wav").toLocal8Bit();
    const QByteArray scratch = (dir + "/scratch.wav").toLocal8Bit();
    ASSERT_TRUE(testsupport::WriteSilence(QString::fromLocal8Bit(silence), 800));

    Receiver receiver;
    DspMessageSink sink(&receiver);
    int length = -1;
    ASSERT_EQ(fnSetInputWavePath(silence.constData(), &length, 0), 0);
    EXPECT_EQ(length, 1);
    EXPECT_EQ(GetDspErrorText(), QStringLiteral("OK"));
    ASSERT_EQ(fnSetOutputWavePath(signal.constData(), 0, 0), 0);
    ASSERT_EQ(fnStartSoundCardEx(sink.sink(), -1, 50, 0x0F), 0) << GetDspErrorText().toStdString();
    const std::string text = "TEST de QT9XVK \xE9t\xE9";
    fnSetTXFrequency(1200);
    for (char c : text)
        fnSendTXCharacter(static_cast<signed char>(c), 0); // bytes above 127 arrive negative
    fnStartTX(0);
    fnStopTX();
    ASSERT_TRUE(receiver.pumpUntil(dsp::kMsgStatus, 0));
    fnStopSoundCard();

    std::vector<int> statuses;
    std::string echoed;
    for (const auto& m : receiver.m_messages) {
        if (m.message == dsp::kMsgStatus && (m.wParam == 0 || m.wParam == 1 || m.wParam == 3))
            statuses.push_back(int(m.wParam));
        if (m.message == dsp::kMsgCharacter && m.lParam < 0) {
            EXPECT_EQ(statuses, std::vector<int>{1}) << "echoes come while transmitting";
            echoed.push_back(char(m.wParam));
        }
    }
    EXPECT_EQ(statuses, (std::vector<int>{1, 3, 0}));
    EXPECT_EQ(echoed, text);

    receiver.m_messages.clear();
    ASSERT_EQ(fnSetInputWavePath(signal.constData(), &length, 0), 0);
    ASSERT_EQ(fnSetOutputWavePath(scratch.constData(), 0, 0), 0);
    fnSetRXFrequency(1200, 0, 0);
    fnSetSquelchThreshold(50, 0, 0);
    fnEnableRXChannel(0, 1);
    ASSERT_EQ(fnStartSoundCardEx(sink.sink(), -1, 50, 0x0F), 0);
    ASSERT_TRUE(receiver.pumpUntil(dsp::kMsgStatus, 4));
    fnStopSoundCard();
    QCoreApplication::processEvents();
    std::string decoded;
    bool fft = false;
    for (const auto& m : receiver.m_messages) {
        if (m.message == dsp::kMsgCharacter && m.lParam == 0)
            decoded.push_back(char(m.wParam));
        fft = fft || m.message == dsp::kMsgFftReady;
    }
    EXPECT_EQ(decoded, text);
    EXPECT_TRUE(fft);
}

} // namespace

#endif
