// PSK31 Brevio as its own process keys the simulated radio through FT-817
// Corvane, another process, as an operator does it at the keyboard: text
// typed into channel 1's transmit pane, F1, and once all of it has gone,
// Escape. The radio must be keyed after F1 and unkeyed after Escape, with
// the focus in the transmit pane, the receive pane, the channel window or a
// bar of the main window; Escape in an open dialog only closes the dialog.
// And once the radio stops answering FT-817 Corvane, F1 keys nothing, and
// PSK31 Brevio says so instead of going on as if it were sending.
#include "support/CorvaneProcess.h"
#include "support/ProbeClient.h"
#include "support/ProgramProcess.h"

#include "support/Simulator.h"
#include "support/TestEnvironment.h"
#include "support/WaveFiles.h"

#include <QElapsedTimer>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kProbe = QStringLiteral("brevio-keys-probe");
const QString kPttThroughCorvane = QStringLiteral("PSK31Options 2.2 PSK31 m_bPTTFT817 .............:");
const QString kTxDelay = QStringLiteral("PSK31Options 2.2 PSK31 m_nTxDelay ..............:");
// Channel 1's transmit pane (control 1056 of form 137) open, as the operator left it.
const QString kTxPaneShown = QStringLiteral("00000089 00000420 00000000");
const QByteArray kPttOn = QByteArray::fromHex("0000000008");
const QByteArray kPttOff = QByteArray::fromHex("0000000088");
const QString kAllSent = QStringLiteral("All text sent, press Escape to stop");

bool Poll(const std::function<bool()>& condition, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > ms)
            return false;
        QThread::msleep(50);
    }
    return true;
}

class EscapeStopsTransmission : public ::testing::Test {
protected:
    // The radio the programs find.
    virtual testsupport::Simulator::Options RadioOptions() const { return {}; }

    void SetUp() override
    {
        sim = std::make_unique<testsupport::Simulator>(RadioOptions());
        ASSERT_TRUE(sim->isRunning()) << sim->errorText().toStdString();
        corvane = std::make_unique<CorvaneProcess>(QString::fromUtf8(CORVANE_PROGRAM), sim->portPath());
        ASSERT_TRUE(corvane->WaitUntilServing()) << corvane->Diagnostics().toStdString();

        const QString recording = testsupport::dataFolder() + QStringLiteral("/silence.wav");
        ASSERT_TRUE(testsupport::WriteSilence(recording, 2 * 8000));
        brevio = std::make_unique<ProgramProcess>(QString::fromUtf8(BREVIO_PROBED_PROGRAM), QStringLiteral("PSK31 Brevio"),
                                                  QStringLiteral("BREVIO_DATA_DIR"));
        brevio->SetStoredValue(kPttThroughCorvane, 1);
        brevio->SetStoredValue(kTxDelay, 0);
        brevio->SetStoredValue(kTxPaneShown, 1);
        ASSERT_TRUE(brevio->Start({{QStringLiteral("BREVIO_AUTOSTART"), QStringLiteral("1")},
                                   {QStringLiteral("PSKMODEM117_SOUNDCARD_FILE"), recording},
                                   {QStringLiteral("BREVIO_PROBE"), kProbe}},
                                  {QStringLiteral("-nologo")}))
            << brevio->Diagnostics().toStdString();
        // Up, past its start-up dialog, with channel 1 the active window.
        ASSERT_TRUE(Poll([&] {
            return !brevio->IsRunning() || probe.Ask(QStringLiteral("channel 1")) == QLatin1String("ok");
        }, 30000)) << brevio->Diagnostics().toStdString();
        ASSERT_TRUE(brevio->IsRunning()) << brevio->Diagnostics().toStdString();
        ASSERT_FALSE(Keyed());
    }

    void TearDown() override
    {
        if (brevio && brevio->IsRunning())
            ProgramProcess::RequestClose(QStringLiteral("PSK31-Brevio-QT9XVK-Application"));
        if (brevio)
            brevio->WaitForExit(5000);
    }

    // The radio transmits, as it answers its transmitter status.
    bool RadioTransmitting() const
    {
        const QList<testsupport::Simulator::Exchange> all = sim->exchanges();
        for (auto it = all.crbegin(); it != all.crend(); ++it)
            if (it->frame.size() == 5 && uint8_t(it->frame[4]) == 0xF7 && !it->reply.isEmpty())
                return uint8_t(it->reply[0]) != 0xFF;
        return false;
    }
    // FT-817 Corvane's status word shows the transmit meters (bits 24-31)
    // only while its panel shows the radio transmitting.
    static bool CorvaneShowsTransmit()
    {
        const std::optional<uint32_t> word = CorvaneProcess::Send(9, 0);
        return word && (*word >> 24) != 0;
    }
    bool Keyed() const { return RadioTransmitting() && CorvaneShowsTransmit(); }
    bool Unkeyed() const { return !RadioTransmitting() && !CorvaneShowsTransmit(); }

    // Text typed into channel 1's transmit pane, F1 there, and wait until all
    // of it went out with the radio keyed.
    void SendText(const QString& text)
    {
        const qsizetype ons = sim->frames().count(kPttOn);
        ASSERT_EQ(probe.Ask(QStringLiteral("focus tx")).toStdString(), "CTxTextWindow");
        ASSERT_EQ(probe.Ask(QStringLiteral("type ") + text), QStringLiteral("ok"));
        ASSERT_EQ(probe.Ask(QStringLiteral("key F1")), QStringLiteral("ok"));
        EXPECT_TRUE(Poll([&] { return probe.Ask(QStringLiteral("state")).endsWith(kAllSent); }, 15000))
            << probe.Ask(QStringLiteral("state")).toStdString();
        EXPECT_TRUE(probe.Ask(QStringLiteral("state")).startsWith(QLatin1String("tx=1 ")));
        EXPECT_EQ(sim->frames().count(kPttOn), ons + 1);
        EXPECT_TRUE(Poll([&] { return Keyed(); }, 5000))
            << "radio transmitting " << RadioTransmitting() << ", FT-817 Corvane shows it " << CorvaneShowsTransmit();
    }

    std::unique_ptr<testsupport::Simulator> sim;
    std::unique_ptr<CorvaneProcess> corvane;
    std::unique_ptr<ProgramProcess> brevio;
    ProbeClient probe{kProbe};
};

} // namespace

// One session of both programs (PSK31 Brevio takes its four seconds to come
// up) for every case.
TEST_F(EscapeStopsTransmission, EscapeUnkeysTheRadioFromTheMainWindowAndOnlyClosesAnOpenDialog)
{
    // In the transmit pane, the receive pane, and a bar of the main window.
    const struct {
        const char* place;
        const char* focused;
    } places[] = {{"tx", "CTxTextWindow"}, {"rx", "CRxTextWindow"}, {"tags", nullptr}};
    for (const auto& p : places) {
        SCOPED_TRACE(p.place);
        SendText(QStringLiteral("cq"));
        if (HasFatalFailure())
            return;
        const qsizetype offs = sim->frames().count(kPttOff);
        const QString focused = probe.Ask(QStringLiteral("focus ") + QLatin1String(p.place));
        if (p.focused)
            ASSERT_EQ(focused.toStdString(), p.focused);
        else
            ASSERT_FALSE(focused.startsWith(QLatin1String("failed")) || focused == QLatin1String("none"))
                << focused.toStdString();
        ASSERT_EQ(probe.Ask(QStringLiteral("key Escape")), QStringLiteral("ok"));
        EXPECT_TRUE(Poll([&] { return probe.Ask(QStringLiteral("state")).startsWith(QLatin1String("tx=0 ")); }, 5000))
            << probe.Ask(QStringLiteral("state")).toStdString();
        EXPECT_TRUE(Poll([&] { return sim->frames().count(kPttOff) == offs + 1; }, 5000)) << "no PTT off reached the radio";
        EXPECT_TRUE(Poll([&] { return Unkeyed(); }, 5000))
            << "radio transmitting " << RadioTransmitting() << ", FT-817 Corvane shows it " << CorvaneShowsTransmit();
    }

    // A modal dialog (Help > About) and a modeless one (Tools > Grid Square
    // Calculator) open while transmitting: Escape closes the dialog and
    // nothing else.
    SendText(QStringLiteral("cq"));
    if (HasFatalFailure())
        return;
    const qsizetype offs = sim->frames().count(kPttOff);
    for (const char* command : {"57664", "33564"}) {
        SCOPED_TRACE(command);
        const QString answer = probe.Ask(QStringLiteral("dialog-escape ") + QLatin1String(command));
        EXPECT_TRUE(answer.startsWith(QLatin1String("closed=1 "))) << answer.toStdString();
        EXPECT_FALSE(answer.contains(QLatin1String("dialog=none"))) << answer.toStdString();
        EXPECT_TRUE(answer.endsWith(QLatin1String(" tx=1"))) << answer.toStdString();
        QThread::msleep(300);
        EXPECT_TRUE(probe.Ask(QStringLiteral("state")).startsWith(QLatin1String("tx=1 ")));
        EXPECT_EQ(sim->frames().count(kPttOff), offs);
        EXPECT_TRUE(Keyed());
    }
    // Back in the main window, Escape stops it.
    ASSERT_EQ(probe.Ask(QStringLiteral("channel 1")), QStringLiteral("ok"));
    ASSERT_EQ(probe.Ask(QStringLiteral("focus tx")).toStdString(), "CTxTextWindow");
    ASSERT_EQ(probe.Ask(QStringLiteral("key Escape")), QStringLiteral("ok"));
    EXPECT_TRUE(Poll([&] { return sim->frames().count(kPttOff) == offs + 1; }, 5000));
    EXPECT_TRUE(Poll([&] { return Unkeyed(); }, 5000));
    EXPECT_TRUE(brevio->IsRunning());
    EXPECT_TRUE(corvane->IsRunning());
}

namespace {

// A radio that stops answering once its fault is armed, as one switched off
// or with its cable pulled at the radio's end.
class TransmitWithTheRadioLost : public EscapeStopsTransmission {
protected:
    testsupport::Simulator::Options RadioOptions() const override
    {
        testsupport::Simulator::Options o;
        o.faults << QStringLiteral("no-answer");
        o.faultsDisarmed = true;
        return o;
    }
};

const QString kPttRefusedBox = QStringLiteral(
    "Error: FT-817 Corvane could not switch the radio to transmit: it is not running or it has lost the radio. "
    "Nothing was transmitted.");

} // namespace

// FT-817 Corvane loses the radio while both programs run: PSK31 Brevio stops
// showing the radio's frequency, and F1 in channel 1 keys nothing, tells the
// operator why, and leaves the channel neither transmitting nor "Sending".
TEST_F(TransmitWithTheRadioLost, F1IsRefusedAndSaidSoWhileCorvaneHasLostTheRadio)
{
    const auto state = [&] { return probe.Ask(QStringLiteral("state")); };
    const auto field = [&](const char* name) { return ProbeClient::Field(state(), QLatin1String(name)); };
    ASSERT_TRUE(Poll([&] { return field("radio") == QLatin1String("14.070.000"); }, 10000)) << state().toStdString();
    probe.Ask(QStringLiteral("boxes"));

    ASSERT_TRUE(sim->setFaultsArmed(true));
    const qsizetype armedAt = sim->exchanges().size();
    EXPECT_TRUE(Poll([&] { return field("radio") == QLatin1String("Radio"); }, 15000))
        << "still showing " << state().toStdString();

    ASSERT_EQ(probe.Ask(QStringLiteral("focus tx")).toStdString(), "CTxTextWindow");
    ASSERT_EQ(probe.Ask(QStringLiteral("type cq cq")), QStringLiteral("ok"));
    // Returns once the operator acknowledged what Brevio said.
    ASSERT_EQ(probe.Ask(QStringLiteral("key F1")), QStringLiteral("ok"));
    EXPECT_EQ(probe.Ask(QStringLiteral("boxes")), kPttRefusedBox);
    // Nothing starts later either.
    QThread::msleep(1000);
    const QString after = state();
    EXPECT_TRUE(after.startsWith(QLatin1String("tx=0 "))) << after.toStdString();
    EXPECT_EQ(ProbeClient::Field(after, QStringLiteral("sent")), QStringLiteral("0")) << after.toStdString();
    EXPECT_FALSE(after.contains(QLatin1String("Sending"))) << after.toStdString();
    EXPECT_FALSE(after.contains(QLatin1String("press Escape to stop"))) << after.toStdString();
    EXPECT_TRUE(probe.Ask(QStringLiteral("boxes")).isEmpty()) << "told once";

    // Whatever reached the line while the radio was lost, no PTT-on took.
    const QList<testsupport::Simulator::Exchange> lost = sim->exchanges().mid(armedAt);
    for (const auto& e : lost)
        if (e.frame == kPttOn)
            EXPECT_TRUE(e.reply.isEmpty() && e.note.contains(QLatin1String("no-answer"))) << e.note.toStdString();

    // The radio answers again: it reports itself in receive, and FT-817
    // Corvane shows no transmission.
    ASSERT_TRUE(sim->setFaultsArmed(false));
    const qsizetype answeringAt = sim->exchanges().size();
    const auto txStatusSince = [&]() -> int {
        const QList<testsupport::Simulator::Exchange> all = sim->exchanges();
        for (qsizetype i = answeringAt; i < all.size(); ++i)
            if (all[i].frame.size() == 5 && uint8_t(all[i].frame[4]) == 0xF7 && !all[i].reply.isEmpty())
                return uint8_t(all[i].reply[0]);
        return -1;
    };
    ASSERT_TRUE(Poll([&] { return txStatusSince() >= 0; }, 15000)) << "FT-817 Corvane polls the radio again";
    EXPECT_EQ(txStatusSince(), 0xFF) << "the radio is not transmitting";
    EXPECT_FALSE(CorvaneShowsTransmit());
    EXPECT_TRUE(brevio->IsRunning());
    EXPECT_TRUE(corvane->IsRunning());
}
