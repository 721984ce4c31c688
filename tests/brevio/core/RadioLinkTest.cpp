// The link to the radio-control program over its real local socket: a small
// radio program in a thread of the test, which carries PTT and frequency
// commands to the FT-817 simulator over the CAT protocol.
#include "FrameFixture.h"
#include "platform/LocalMessaging.h"
#include "platform/SerialPort.h"
#include "brevio/core/RadioToolBar.h"
#include "brevio/core/TxTextWindow.h"
#include "support/ScriptedPrompter.h"
#include "support/Simulator.h"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMutex>
#include <QStatusBar>
#include <QTest>
#include <QThread>
#include <atomic>
#include <gtest/gtest.h>

using testsupport::FrameFixture;

namespace {

struct Request {
    uint32_t message;
    uint32_t command;
    int32_t argument;
};

// A program that serves message 1090 under a window identifier.
class RadioProgram : public QThread {
public:
    explicit RadioProgram(const QString& identifier, QString portPath = QString())
        : m_identifier(identifier), m_portPath(std::move(portPath))
    {
        start();
        while (!m_ready.load())
            QThread::msleep(5);
    }
    ~RadioProgram() override
    {
        quit();
        wait();
    }
    QList<Request> Requests()
    {
        QMutexLocker lock(&m_mutex);
        return m_requests;
    }
    std::atomic<uint32_t> m_frequency{14070150};
    std::atomic<uint32_t> m_status{0x20523};
    std::atomic<bool> m_hang{false};

protected:
    void run() override
    {
        std::unique_ptr<platform::SerialPort> port;
        if (!m_portPath.isEmpty()) {
            port = platform::createSerialPort();
            QString error;
            port->open(m_portPath, &error);
            port->configure(platform::SerialLineSettings{}, &error);
        }
        platform::LocalEndpoint endpoint;
        endpoint.setHandler([&](uint32_t message, uint32_t wParam, int32_t lParam) -> uint32_t {
            {
                QMutexLocker lock(&m_mutex);
                m_requests.append({message, wParam, lParam});
            }
            if (m_hang.load()) {
                QThread::msleep(2600);  // longer than a sender waits
                return m_frequency.load();
            }
            if (port && (wParam == 3 || wParam == 4 || wParam == 10)) {
                uint8_t frame[5] = {0, 0, 0, 0, uint8_t(wParam == 3 ? 0x08 : 0x88)};
                if (wParam == 10) {
                    // Ten digits of 10 Hz units, the last eight as packed BCD.
                    const QByteArray digits = QByteArray::number(uint32_t(lParam) / 10).rightJustified(10, '0');
                    for (int i = 0; i < 4; ++i)
                        frame[i] = uint8_t(((digits[2 + 2 * i] - '0') << 4) | (digits[3 + 2 * i] - '0'));
                    frame[4] = 0x01;
                }
                int n = 0;
                QString error;
                port->flushInput();
                port->write(frame, 5, &n, &error);
                uint8_t reply = 0;
                port->read(&reply, 1, &n, &error);
                if (wParam == 10)
                    m_frequency = uint32_t(lParam);
            }
            switch (wParam) {
            case 6:
            case 7:
            case 8:
            case 9:
            case 12:
            case 15:
                return m_status.load();
            default:
                return m_frequency.load();
            }
        });
        QString error;
        m_listening = endpoint.listen(m_identifier, &error);
        m_ready = true;
        exec();
    }

private:
    QString m_identifier;
    QString m_portPath;
    QMutex m_mutex;
    QList<Request> m_requests;
    std::atomic<bool> m_ready{false};
    std::atomic<bool> m_listening{false};
};

QList<uint32_t> Commands(const QList<Request>& requests)
{
    QList<uint32_t> out;
    for (const Request& r : requests)
        out.append(r.command);
    return out;
}

TEST(RadioLink, NoRadioProgramLeavesTheLinkDown)
{
    FrameFixture f;
    f.frame->ProbeRadioProgram();
    EXPECT_FALSE(f.frame->IsRadioLinked());
    f.frame->PttOn();  // sends nothing, fails nothing
    EXPECT_EQ(f.frame->GetRadioBar()->GetFrequencyText(), QStringLiteral("Radio"));
    EXPECT_FALSE(f.frame->IsCommandEnabled(113));
    EXPECT_TRUE(f.frame->IsCommandEnabled(112));
}

// The radio toolbar offers its radio buttons only while a radio program is
// linked, and shows the switches the radio reports as pressed.
TEST(RadioLink, RadioToolBarButtonsFollowTheLink)
{
    FrameFixture f;
    CRadioToolBar* bar = f.frame->GetRadioBar();
    auto offered = [bar](int id) { return bar->GetCommandAction(id)->isEnabled(); };
    const int needLink[] = {32818, 32814, 32813, 32817, 114, 113, 116, 118, 130};
    EXPECT_TRUE(QTest::qWaitFor([&] { return !offered(113); }, 1000));
    for (int id : needLink)
        EXPECT_FALSE(offered(id)) << id;
    EXPECT_TRUE(offered(112));  // starts the radio program

    RadioProgram radio(CMainFrame::RadioProgramClass());
    radio.m_status = 0x2;  // ATT on, IPO clear (preamplifier on), DIG off
    f.frame->ProbeRadioProgram();
    f.frame->RadioCommand(9, 0);
    ASSERT_TRUE(f.frame->IsRadioLinked());
    EXPECT_TRUE(QTest::qWaitFor([&] { return offered(113); }, 1000));
    for (int id : needLink)
        EXPECT_TRUE(offered(id)) << id;
    EXPECT_TRUE(bar->GetCommandAction(113)->isChecked());
    EXPECT_TRUE(bar->GetCommandAction(114)->isChecked());
    EXPECT_FALSE(bar->GetCommandAction(116)->isChecked());
}

TEST(RadioLink, ProbeLinksAndThePollDecodesTheStatusWord)
{
    FrameFixture f;
    RadioProgram radio(CMainFrame::RadioProgramClass());
    f.frame->ProbeRadioProgram();
    ASSERT_TRUE(f.frame->IsRadioLinked());
    EXPECT_EQ(f.frame->GetRadioProgram(), 1);
    f.frame->OnTimer(104);
    EXPECT_EQ(Commands(radio.Requests()), (QList<uint32_t>{2, 2, 9}));
    EXPECT_EQ(radio.Requests()[0].message, CMainFrame::WM_REMOTE_COMMAND);
    EXPECT_EQ(f.frame->GetRadioBar()->GetFrequencyText(), QStringLiteral("14.070.150"));
    EXPECT_TRUE(f.frame->IsRadioAtt());
    EXPECT_TRUE(f.frame->IsRadioPreamp());  // the IPO bit is clear: preamplifier on
    EXPECT_FALSE(f.frame->IsRadioNarrow());
    EXPECT_TRUE(f.frame->IsRadioDig());
    EXPECT_EQ(f.frame->GetRadioBar()->GetAgcCombo()->currentText(), QStringLiteral("Slow"));
    EXPECT_TRUE(f.frame->GetRadioBar()->GetAgcCombo()->isEnabled());
    EXPECT_EQ(f.frame->GetRadioBar()->GetMeterValue(), 5);
    EXPECT_FALSE(f.frame->IsCommandEnabled(130));  // already DIG
    EXPECT_TRUE(f.frame->IsCommandChecked(113));

    // While transmitting the meter shows ALC low, PWR high.
    f.Engine(CMainFrame::WM_DSP_STATUS, 1, 0);
    radio.m_status = 0x39000001;
    f.frame->RadioCommand(9, 0);
    EXPECT_EQ(f.frame->GetRadioBar()->GetMeterValue(), 0x93);
    EXPECT_TRUE(f.frame->GetRadioBar()->IsMeterTransmit());
}

TEST(RadioLink, ToggleCommandsSendTheInvertedBits)
{
    FrameFixture f;
    RadioProgram radio(CMainFrame::RadioProgramClass());
    radio.m_status = 0x1;  // everything off, IPO clear: preamplifier on
    f.frame->ProbeRadioProgram();
    f.frame->RadioCommand(9, 0);
    f.frame->OnCommand(113);
    f.frame->OnCommand(114);
    f.frame->OnCommand(116);
    f.frame->OnCommand(118);
    f.frame->OnCommand(130);
    f.frame->OnCommand(32813);
    f.frame->OnCommand(32814);
    const QList<Request> r = radio.Requests().mid(2);
    ASSERT_EQ(r.size(), 7);
    EXPECT_EQ((std::pair{r[0].command, r[0].argument}), (std::pair{6u, 2}));
    EXPECT_EQ((std::pair{r[1].command, r[1].argument}), (std::pair{7u, 4}));  // preamp on: send IPO on
    EXPECT_EQ((std::pair{r[2].command, r[2].argument}), (std::pair{8u, 8}));
    EXPECT_EQ((std::pair{r[3].command, r[3].argument}), (std::pair{12u, 16}));
    EXPECT_EQ((std::pair{r[4].command, r[4].argument}), (std::pair{15u, 32}));
    EXPECT_EQ((std::pair{r[5].command, r[5].argument}), (std::pair{0u, 200}));
    EXPECT_EQ((std::pair{r[6].command, r[6].argument}), (std::pair{1u, -200}));
}

TEST(RadioLink, AZeroReplyOrASilentProgramLosesTheLink)
{
    FrameFixture f;
    RadioProgram radio(CMainFrame::RadioProgramClass());
    f.frame->ProbeRadioProgram();
    f.frame->RadioCommand(9, 0);
    ASSERT_TRUE(f.frame->IsRadioLinked());
    radio.m_frequency = 0;  // closing: answers 0
    f.frame->OnTimer(104);
    EXPECT_FALSE(f.frame->IsRadioLinked());
    EXPECT_EQ(Commands(radio.Requests()).mid(2), (QList<uint32_t>{2}));  // the status poll is skipped
    EXPECT_EQ(f.frame->GetRadioBar()->GetFrequencyText(), QStringLiteral("Radio"));
    EXPECT_FALSE(f.frame->GetRadioBar()->GetAgcCombo()->isEnabled());
    EXPECT_FALSE(f.frame->IsRadioAtt());

    radio.m_frequency = 7035150;
    f.frame->OnTimer(102);  // probes again
    ASSERT_TRUE(f.frame->IsRadioLinked());
    // A program that stops answering reads as gone, within the bounded wait.
    radio.m_hang = true;
    QElapsedTimer clock;
    clock.start();
    f.frame->RadioCommand(2, 0);
    EXPECT_LT(clock.elapsed(), CMainFrame::kRemoteTimeoutMs + 1500);
    EXPECT_FALSE(f.frame->IsRadioLinked());
}

TEST(RadioLink, RavelinIsUsedWhenTheRadioProgramIsAbsent)
{
    FrameFixture f;
    RadioProgram ravelin(CMainFrame::RavelinClass());
    ravelin.m_status = 0x5;  // bit 2: preamplifier on for this program
    f.frame->ProbeRadioProgram();
    ASSERT_TRUE(f.frame->IsRadioLinked());
    EXPECT_EQ(f.frame->GetRadioProgram(), 2);
    EXPECT_EQ(Commands(ravelin.Requests()), (QList<uint32_t>{2, 99}));
    f.frame->RadioCommand(9, 0);
    EXPECT_TRUE(f.frame->IsRadioPreamp());
    f.frame->OnCommand(114);
    EXPECT_EQ(ravelin.Requests().last().argument, 0);
}

TEST(RadioLink, TransmissionKeysAndUnkeysTheSimulatedRadio)
{
    testsupport::Simulator sim;
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    FrameFixture f;
    RadioProgram radio(CMainFrame::RadioProgramClass(), sim.portPath());
    CurrentSettings().m_bPTTFT817 = 1;
    CurrentSettings().m_nTxDelay = 0;
    f.frame->ProbeRadioProgram();
    ASSERT_TRUE(f.frame->IsRadioLinked());

    f.frame->StartTransmit(true);
    ASSERT_TRUE(sim.waitForFrames(1));
    EXPECT_EQ(sim.frames().last(), QByteArray::fromHex("0000000008"));
    f.Engine(CMainFrame::WM_DSP_STATUS, 1, 0);
    f.Engine(CMainFrame::WM_DSP_STATUS, 0, 0);
    ASSERT_TRUE(sim.waitForFrames(2));
    EXPECT_EQ(sim.frames().last(), QByteArray::fromHex("0000000088"));
    EXPECT_TRUE(f.LogLines().contains(QStringLiteral("Switching radio to Rx")));

    // A favourite tunes the radio.
    QList<uint32_t> freqs;
    QStringList titles;
    CMainFrame::BuiltInFavourites(freqs, titles);
    f.frame->SetFavourites(freqs, titles);
    f.frame->OnCommand(32826 + 5);  // 14.070.150
    ASSERT_TRUE(sim.waitForFrames(3));
    EXPECT_EQ(sim.frames().last(), QByteArray::fromHex("0140701501"));
}

TEST(RadioLink, APttTheRadioProgramCannotCarryOutStopsTheTransmission)
{
    const QString refused = QStringLiteral(
        "FT-817 Corvane could not switch the radio to transmit: it is not running or it has lost the radio.\n"
        "Nothing was transmitted.");
    FrameFixture f;
    CurrentSettings().m_bPTTFT817 = 1;
    CurrentSettings().m_nTxDelay = 0;
    CFormRx* form = f.forms[0];
    CTxTextWindow* tx = form->GetTxWindow();
    tx->setPlainText(QStringLiteral("CQ CQ"));
    {
        RadioProgram radio(CMainFrame::RadioProgramClass());
        f.frame->ProbeRadioProgram();
        ASSERT_TRUE(f.frame->IsRadioLinked());
        // The program answers the keying with 0: it could not key the radio.
        radio.m_frequency = 0;
        testsupport::prompter().clear();
        f.dsp.Clear();
        form->ToggleTransmit();
        // Told; the text stays unsent and the transmitter is not started; a
        // radio that keyed without saying so is unkeyed.
        ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
        EXPECT_EQ(testsupport::prompter().m_boxes[0].text, refused);
        EXPECT_EQ(testsupport::prompter().m_boxes[0].caption, QStringLiteral("Error"));
        EXPECT_TRUE(f.dsp.Calls(QStringLiteral("fnStartTX")).isEmpty());
        EXPECT_TRUE(f.dsp.Calls(QStringLiteral("fnSendTXCharacter")).isEmpty());
        EXPECT_EQ(tx->GetSentCount(), 0);
        EXPECT_EQ(Commands(radio.Requests()).mid(1), (QList<uint32_t>{3, 4}));
        EXPECT_FALSE(f.frame->IsRadioLinked());
        EXPECT_FALSE(form->IsAutoStop());
        EXPECT_TRUE(f.LogLines().contains(
            QStringLiteral("Switching radio to Tx failed: FT-817 Corvane did not key the radio")));
        EXPECT_FALSE(f.LogLines().contains(QStringLiteral("Switching radio to Tx")));
    }
    // With no radio program at all, the same.
    testsupport::prompter().clear();
    f.dsp.Clear();
    EXPECT_FALSE(f.frame->StartTransmit(true));
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].text, refused);
    EXPECT_TRUE(f.dsp.Calls(QStringLiteral("fnStartTX")).isEmpty());
    // Without PTT through a radio program nothing is asked of one.
    CurrentSettings().m_bPTTFT817 = 0;
    testsupport::prompter().clear();
    EXPECT_TRUE(f.frame->StartTransmit(true));
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());
    EXPECT_EQ(f.dsp.Calls(QStringLiteral("fnStartTX")).size(), 1);
}

TEST(RadioLink, ALinkLostWhileKeyedStillUnkeysTheRadio)
{
    FrameFixture f;
    RadioProgram radio(CMainFrame::RadioProgramClass());
    CurrentSettings().m_bPTTFT817 = 1;
    CurrentSettings().m_nTxDelay = 0;
    f.frame->ProbeRadioProgram();
    ASSERT_TRUE(f.frame->StartTransmit(true));
    f.Engine(CMainFrame::WM_DSP_STATUS, 1, 0);
    // A poll answered 0 drops the link during the transmission.
    radio.m_frequency = 0;
    f.frame->RadioCommand(2, 0);
    ASSERT_FALSE(f.frame->IsRadioLinked());
    f.Engine(CMainFrame::WM_DSP_STATUS, 0, 0);
    EXPECT_EQ(Commands(radio.Requests()).mid(1), (QList<uint32_t>{3, 2, 4}));
    // Once unkeyed, a later end of transmission sends nothing more.
    f.Engine(CMainFrame::WM_DSP_STATUS, 0, 0);
    EXPECT_EQ(Commands(radio.Requests()).count(4u), 1);
}

// The radio program that keyed the radio goes away (or starts closing, and
// answers 0) while the text is being sent: the transmission ends as Escape
// ends it, the text not yet sent stays, and the status bar says why. A
// transmission the COM port keys does not depend on the link and goes on.
TEST(RadioLink, ALinkLostDuringATransmissionEndsItAndSaysWhy)
{
    const struct {
        const char* name;
        bool ravelin;       // PTT through Ravelin instead of FT-817 Corvane
        bool comPortOnly;   // PTT through the COM port; the link only reads the radio
        int txDelay;        // lost while the transmit delay runs, before the engine reports transmit
        const char* note;   // the status bar's word, or nullptr: the transmission goes on
    } cases[] = {
        {"FT-817 Corvane", false, false, 0, "Transmission stopped: the link to FT-817 Corvane was lost"},
        {"Ravelin", true, false, 0, "Transmission stopped: the link to Ravelin was lost"},
        {"in the transmit delay", false, false, 1000, "Transmission stopped: the link to FT-817 Corvane was lost"},
        {"PTT by the COM port", false, true, 0, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FrameFixture f;
        RadioProgram radio(c.ravelin ? CMainFrame::RavelinClass() : CMainFrame::RadioProgramClass());
        CPSK31Settings& s = CurrentSettings();
        s.m_bPTTFT817 = !c.ravelin && !c.comPortOnly;
        s.m_bPTTRVL = c.ravelin;
        s.m_nPTTMode = c.comPortOnly ? 1 : 0;
        s.m_nTxDelay = c.txDelay;
        s.m_strCWString = QStringLiteral("QT9XVK");
        f.frame->SetSendCWId(true);
        f.frame->ProbeRadioProgram();
        ASSERT_TRUE(f.frame->IsRadioLinked());
        CFormRx* form = f.forms[0];
        CTxTextWindow* tx = form->GetTxWindow();
        tx->setPlainText(QStringLiteral("CQ CQ DE QT9XVK"));
        form->ToggleTransmit();
        ASSERT_TRUE(f.frame->IsCWIdPending());
        f.Engine(CMainFrame::WM_DSP_STATUS, 1, 0);  // held while the transmit delay runs
        ASSERT_EQ(f.frame->IsTransmitting(), !c.txDelay);
        f.dsp.Clear();

        radio.m_frequency = 0;  // closing, or gone
        f.frame->OnTimer(104);
        ASSERT_FALSE(f.frame->IsRadioLinked());
        const QString message = f.frame->statusBar()->currentMessage();
        if (!c.note) {
            EXPECT_TRUE(f.dsp.Calls(QStringLiteral("fnAbortTX")).isEmpty());
            EXPECT_TRUE(f.frame->IsCWIdPending());
            EXPECT_TRUE(message.isEmpty()) << message.toStdString();
            continue;
        }
        // As Escape: no identification follows, the engine drops what it
        // holds and is handed nothing more; the delay is over.
        EXPECT_EQ(f.dsp.Calls(QStringLiteral("fnAbortTX")).size(), 1);
        EXPECT_EQ(f.dsp.Calls(QStringLiteral("fnClearTXBuffer")).size(), 1);
        EXPECT_FALSE(f.frame->IsCWIdPending());
        EXPECT_FALSE(f.frame->IsInTxDelay());
        EXPECT_EQ(message, QString::fromLatin1(c.note));
        EXPECT_TRUE(f.LogLines().contains(QString::fromLatin1(c.note)));
        const int sent = tx->GetSentCount();
        EXPECT_GT(sent, 0);
        EXPECT_LT(sent, int(tx->toPlainText().size()));
        // The engine's return to receive: the rest of the text stays unsent,
        // and the program is still asked to unkey.
        f.Engine(CMainFrame::WM_DSP_STATUS, 0, 0);
        EXPECT_FALSE(f.frame->IsTransmitting());
        EXPECT_TRUE(f.dsp.Calls(QStringLiteral("fnStartTX")).isEmpty()) << "no CW identification";
        const auto lastCall = [&](const char* name) {
            const QStringList calls = f.dsp.Calls();
            for (qsizetype i = calls.size() - 1; i >= 0; --i)
                if (calls[i].startsWith(QLatin1String(name)))
                    return i;
            return qsizetype(-1);
        };
        EXPECT_LT(lastCall("fnSendTXCharacter"), lastCall("fnAbortTX")) << "nothing handed over after the stop";
        EXPECT_EQ(tx->GetSentCount(), sent);
        EXPECT_EQ(tx->toPlainText(), QStringLiteral("CQ CQ DE QT9XVK"));
        EXPECT_EQ(Commands(radio.Requests()).last(), 4u);
        EXPECT_EQ(f.frame->statusBar()->currentMessage(), QString::fromLatin1(c.note)) << "the word stays";

        // Back again: the next transmission keys the radio, and the word goes.
        radio.m_frequency = 14070150;
        f.frame->OnTimer(102);
        ASSERT_TRUE(f.frame->IsRadioLinked());
        form->ToggleTransmit();
        EXPECT_EQ(Commands(radio.Requests()).last(), 3u);
        EXPECT_EQ(f.dsp.Calls(QStringLiteral("fnStartTX")).size(), 1);
        EXPECT_TRUE(f.frame->statusBar()->currentMessage().isEmpty());
    }
}

TEST(RadioLink, StatusZeroBeforeAnyTransmitLeavesTheRadioKeyedAlone)
{
    FrameFixture f;
    RadioProgram radio(CMainFrame::RadioProgramClass());
    CurrentSettings().m_bPTTFT817 = 1;
    f.frame->ProbeRadioProgram();
    f.Engine(CMainFrame::WM_DSP_STATUS, 0, 0);
    EXPECT_FALSE(Commands(radio.Requests()).contains(4u));
    f.Engine(CMainFrame::WM_DSP_STATUS, 1, 0);
    f.Engine(CMainFrame::WM_DSP_STATUS, 0, 0);
    EXPECT_TRUE(Commands(radio.Requests()).contains(4u));
}

TEST(RadioLink, OwnHandlerAnswersOnlyTheActivationRequest)
{
    FrameFixture f;
    EXPECT_EQ(f.frame->OnRadioLink(14, 0), 1u);
    EXPECT_EQ(f.frame->OnRadioLink(2, 0), 0u);
    f.frame->close();
    EXPECT_TRUE(f.frame->IsClosing());
    EXPECT_EQ(f.frame->OnRadioLink(14, 0), 0u);
}

TEST(RadioLink, LocatorGoesToTheMapProgramAsTwoWords)
{
    uint32_t w = 0;
    int32_t l = 0;
    CMainFrame::LocatorParams(QStringLiteral("AB12CD"), w, l);
    EXPECT_EQ(w, 0x32314241u);
    EXPECT_EQ(l, 0x00004443);

    FrameFixture f;
    RadioProgram orbisk(CMainFrame::OrbiskClass());
    f.frame->SendLocatorToOrbisk(QStringLiteral("AB12"));
    f.frame->SendLocatorToOrbisk(QStringLiteral("AB12CD"));
    QElapsedTimer clock;
    clock.start();
    while (orbisk.Requests().isEmpty() && clock.elapsed() < 3000)
        QThread::msleep(10);
    const QList<Request> r = orbisk.Requests();
    ASSERT_EQ(r.size(), 1);
    EXPECT_EQ(r[0].message, CMainFrame::WM_REMOTE_LOCATOR);
    EXPECT_EQ(r[0].command, 0x32314241u);
    EXPECT_EQ(r[0].argument, 0x00004443);
}

TEST(RadioLink, ExternalLogbookGetsItsConfiguredMessage)
{
    FrameFixture f;
    RadioProgram logbook(QStringLiteral("MyLogbookClass"));
    f.frame->NotifyExternalLogbook();  // not enabled
    CurrentSettings().m_bExtLogbookEnable = 1;
    CurrentSettings().m_strExtLogbookClass = QStringLiteral("MyLogbookClass");
    CurrentSettings().m_nExtLogbookMsgId = 5;
    CurrentSettings().m_nExtLogbookWPARAM = 7;
    CurrentSettings().m_nExtLogbookLPARAM = -3;
    f.frame->NotifyExternalLogbook();
    QElapsedTimer clock;
    clock.start();
    while (logbook.Requests().isEmpty() && clock.elapsed() < 3000)
        QThread::msleep(10);
    const QList<Request> r = logbook.Requests();
    ASSERT_EQ(r.size(), 1);
    EXPECT_EQ(r[0].message, CMainFrame::WM_USER + 5);
    EXPECT_EQ(r[0].command, 7u);
    EXPECT_EQ(r[0].argument, -3);
}

} // namespace
