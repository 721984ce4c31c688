#include "corvane/core/CatLinkTestSupport.h"
#include "corvane/frontpanel/RemoteCommand.h"

#include <gtest/gtest.h>

using cattest::hex;
using cattest::hexList;

namespace {
// A front panel whose readings the test sets; its tuning and poll go to the
// radio over the real link.
struct PanelState final : CRemotePanel {
    explicit PanelState(CCatLink& l) : link(l) {}
    CCatLink& link;
    uint32_t frequency = 0;
    bool att = false, ipo = false, narrow = false, nb = false;
    uint8_t mode = 0xFF;
    int sMeter = 0, agc = 0, pwr = 0, alc = 0;
    bool tx = false;
    QList<uint32_t> undo;

    uint32_t GetFrequency() const override { return frequency; }
    void SetFrequency(uint32_t hz) override
    {
        undo << frequency;
        link.SetFrequencyHz(hz);
    }
    void PollRadio(bool) override
    {
        uint32_t bytes = 0;
        uint8_t m = 0;
        if (link.ReadFrequencyAndMode(bytes, m)) {
            const auto* b = reinterpret_cast<const uint8_t*>(&bytes);
            uint32_t tens = 0;
            for (int i = 0; i < 4; ++i)
                tens = tens * 100 + (b[i] >> 4) * 10 + (b[i] & 0x0F);
            frequency = tens * 10;
            mode = m;
        }
    }
    bool IsAttenuatorOn() const override { return att; }
    bool IsIpoOn() const override { return ipo; }
    bool IsNarrowOn() const override { return narrow; }
    bool IsNoiseBlankerOn() const override { return nb; }
    uint8_t GetMode() const override { return mode; }
    int GetSMeter() const override { return sMeter; }
    int GetAgc() const override { return agc; }
    bool IsShowingTxMeter() const override { return tx; }
    int GetTxMeter() const override { return pwr; }
    int GetAlcMeter() const override { return alc; }
    bool IsRadioAnswering() const override { return answering; }
    bool answering = true;
};

class RemoteCommandTest : public cattest::SimLink {
protected:
    void SetUp() override
    {
        start(RadioOptions());
        panel = std::make_unique<PanelState>(*link);
        handler = std::make_unique<CRemoteCommand>(
            *link, CRemoteCommand::Hooks{[this]() -> CRemotePanel* { return withPanel ? panel.get() : nullptr; },
                                         [this] { return closing; }, [this] { ++activations; }});
        newFrames();
    }
    virtual testsupport::Simulator::Options RadioOptions() const { return {}; }
    std::unique_ptr<PanelState> panel;
    std::unique_ptr<CRemoteCommand> handler;
    bool withPanel = true;
    bool closing = false;
    int activations = 0;
};
// A radio that does not acknowledge the first PTT-on frame.
class RemoteCommandDeafRadio : public RemoteCommandTest {
protected:
    testsupport::Simulator::Options RadioOptions() const override
    {
        testsupport::Simulator::Options o;
        o.faults << QStringLiteral("no-answer:op=08,count=1");
        return o;
    }
};
} // namespace

TEST_F(RemoteCommandDeafRadio, PttOnTheRadioDidNotTakeIsAnsweredZero)
{
    panel->frequency = 7040000;
    // The sender is told the radio is not keyed; it may have keyed without
    // answering, so closing still unkeys it.
    EXPECT_EQ(handler->Handle(CRemoteCommand::REMOTE_PTT_ON, 0), 0u);
    EXPECT_TRUE(handler->IsKeyedForRemote());
    EXPECT_EQ(handler->Handle(CRemoteCommand::REMOTE_PTT_ON, 0), 7040000u);
    EXPECT_EQ(newFrames(), hexList({"00 00 00 00 08", "00 00 00 00 08"}));
}

TEST_F(RemoteCommandTest, ALostRadioGivesNoFrequency)
{
    panel->frequency = 7040000;
    panel->answering = false;
    EXPECT_EQ(handler->Handle(CRemoteCommand::REMOTE_GET_FREQUENCY, 0), 0u);
    EXPECT_EQ(handler->Handle(CRemoteCommand::REMOTE_SET_AGC, 1), 0u);
    // The status word still has its bit 0: it never reads as a lost link.
    EXPECT_EQ(handler->Handle(CRemoteCommand::REMOTE_GET_STATUS, 0) & 1u, 1u);
    panel->answering = true;
    EXPECT_EQ(handler->Handle(CRemoteCommand::REMOTE_GET_FREQUENCY, 0), 7040000u);
}

TEST_F(RemoteCommandTest, TuneSetsTheFrequencyPollsAndAnswersTheNewOne)
{
    link->SetFrequencyHz(14070000);
    panel->PollRadio(false);
    newFrames();
    EXPECT_EQ(handler->Handle(CRemoteCommand::REMOTE_TUNE_UP, 200), 14070200u);
    EXPECT_EQ(newFrames(), hexList({"01 40 70 20 01", "00 00 00 00 03"}));
    EXPECT_EQ(panel->undo, QList<uint32_t>({14070000}));
    // Down is the same command: the sign is in the argument.
    EXPECT_EQ(handler->Handle(CRemoteCommand::REMOTE_TUNE_DOWN, -1200), 14069000u);
    EXPECT_EQ(handler->Handle(CRemoteCommand::REMOTE_GET_FREQUENCY, 0), 14069000u);
}

TEST_F(RemoteCommandTest, FrequenciesTheRadioCannotTakeSendNothing)
{
    panel->frequency = 1000;
    EXPECT_EQ(handler->Handle(CRemoteCommand::REMOTE_TUNE_DOWN, -1000), 1000u);
    EXPECT_EQ(handler->Handle(CRemoteCommand::REMOTE_TUNE_DOWN, -5000), 1000u);
    panel->frequency = 999999000;
    EXPECT_EQ(handler->Handle(CRemoteCommand::REMOTE_TUNE_UP, 1000), 999999000u);
    // An offset that would wrap 32 bits.
    panel->frequency = 4000000000u;
    EXPECT_EQ(handler->Handle(CRemoteCommand::REMOTE_TUNE_UP, 2000000000), 4000000000u);
    for (int32_t f : {0, -5, 1000000000, INT32_MAX, INT32_MIN})
        handler->Handle(CRemoteCommand::REMOTE_SET_FREQUENCY, f);
    EXPECT_TRUE(newFrames().isEmpty());
    EXPECT_TRUE(panel->undo.isEmpty());

    // The highest frequency the radio encodes still goes.
    handler->Handle(CRemoteCommand::REMOTE_SET_FREQUENCY, 999999999);
    EXPECT_EQ(newFrames(), hexList({"99 99 99 99 01"}));
    EXPECT_EQ(CRemoteCommand::TunedFrequency(4000000000u, INT32_MIN), -1);
    EXPECT_EQ(CRemoteCommand::TunedFrequency(1000, -2000), -1);
    EXPECT_EQ(CRemoteCommand::TunedFrequency(999999000, 999), 999999999);
}

TEST_F(RemoteCommandTest, SetFrequencyIsTenHzUnitsWithoutPollOrUndo)
{
    panel->frequency = 14070000;
    EXPECT_EQ(handler->Handle(CRemoteCommand::REMOTE_SET_FREQUENCY, 7035005), 14070000u);
    EXPECT_EQ(newFrames(), hexList({"00 70 35 00 01"}));
    EXPECT_TRUE(panel->undo.isEmpty());
}

TEST_F(RemoteCommandTest, PttAgcDigAndTheUnknownCodes)
{
    panel->frequency = 7040000;
    EXPECT_EQ(handler->Handle(CRemoteCommand::REMOTE_PTT_ON, 0), 7040000u);
    EXPECT_EQ(handler->Handle(CRemoteCommand::REMOTE_PTT_OFF, 0), 7040000u);
    EXPECT_EQ(newFrames(), hexList({"00 00 00 00 08", "00 00 00 00 88"}));

    EXPECT_EQ(handler->Handle(CRemoteCommand::REMOTE_SET_AGC, 2), 7040000u);
    EXPECT_EQ(sim->eepromByte(0x57) & 0x03, 2);
    newFrames();
    // AGC codes the radio does not know are ignored, not turned into Auto.
    handler->Handle(CRemoteCommand::REMOTE_SET_AGC, 7);
    handler->Handle(CRemoteCommand::REMOTE_SET_AGC, -1);
    EXPECT_TRUE(newFrames().isEmpty());
    EXPECT_EQ(sim->eepromByte(0x57) & 0x03, 2);

    panel->mode = 0x0A;
    EXPECT_EQ(handler->Handle(CRemoteCommand::REMOTE_SET_DIG, 0x20) & 0x21, 0x21u);
    EXPECT_EQ(newFrames(), hexList({"0A 00 00 00 07"}));

    for (uint32_t code : {11u, 14u, 16u, 99u, 0xFFFFFFFFu})
        EXPECT_EQ(handler->Handle(code, 5), 7040000u) << code;
    EXPECT_TRUE(newFrames().isEmpty());

    EXPECT_EQ(handler->Handle(CRemoteCommand::REMOTE_ACTIVATE, 0), 7040000u);
    EXPECT_EQ(activations, 1);
}

TEST_F(RemoteCommandTest, StatusWord)
{
    panel->att = true;
    panel->sMeter = 5;
    panel->agc = 2;
    panel->mode = 0x8A;  // DIG with the narrow bit
    EXPECT_EQ(handler->Handle(CRemoteCommand::REMOTE_GET_STATUS, 0), 0x20523u);
    panel->att = false;
    panel->ipo = panel->narrow = panel->nb = true;
    panel->mode = 0x01;
    EXPECT_EQ(handler->Handle(CRemoteCommand::REMOTE_GET_STATUS, 0), 0x2051Du);

    // Transmitting: PWR 9 and ALC 3 in the top byte, S-meter 0.
    panel->sMeter = 0;
    panel->tx = true;
    panel->pwr = 9;
    panel->alc = 3;
    const uint32_t word = handler->Handle(CRemoteCommand::REMOTE_GET_STATUS, 0);
    EXPECT_EQ(word >> 24, 0x39u);
    EXPECT_EQ((word >> 8) & 0xFF, 0u);
    panel->alc = 15;
    panel->pwr = 15;
    EXPECT_EQ(handler->Handle(CRemoteCommand::REMOTE_GET_STATUS, 0) >> 24, 0xFFu);
}

TEST_F(RemoteCommandTest, BandRecordSwitchesWriteTheRecordAndAnswerTheOldStatus)
{
    // VFO A on 20 m: ATT is bit 4 of byte 2 of that band's record.
    const int record = 0x7D + link->GetVfoABand() * 26;
    newFrames();
    const uint32_t word = handler->Handle(CRemoteCommand::REMOTE_SET_ATT, 0x02);
    EXPECT_EQ(word & 0x02, 0u);  // the status of the last poll, before the change
    EXPECT_TRUE(sim->eepromByte(record + 2) & 0x10);
    handler->Handle(CRemoteCommand::REMOTE_SET_IPO, 0x04);
    EXPECT_TRUE(sim->eepromByte(record + 2) & 0x20);
    EXPECT_EQ(handler->Handle(CRemoteCommand::REMOTE_SET_FILTER, 0x08) & 1, 1u);
    EXPECT_TRUE(sim->eepromByte(record + 1) & 0x10);
    handler->Handle(CRemoteCommand::REMOTE_SET_NB, 0x10);
    EXPECT_TRUE(sim->eepromByte(0x57) & 0x20);
}

TEST_F(RemoteCommandTest, WithoutAPanel)
{
    withPanel = false;
    EXPECT_EQ(handler->Handle(CRemoteCommand::REMOTE_TUNE_UP, 200), 0u);
    EXPECT_TRUE(newFrames().isEmpty());
    EXPECT_EQ(handler->Handle(CRemoteCommand::REMOTE_GET_STATUS, 0), 1u);
    // The band record cannot be located: nothing is written.
    EXPECT_EQ(handler->Handle(CRemoteCommand::REMOTE_SET_ATT, 0x02), 1u);
    EXPECT_EQ(handler->Handle(CRemoteCommand::REMOTE_SET_FILTER, 0x08), 1u);
    EXPECT_TRUE(newFrames().isEmpty());
    // PTT still keys the radio.
    EXPECT_EQ(handler->Handle(CRemoteCommand::REMOTE_PTT_ON, 0), 0u);
    EXPECT_EQ(newFrames(), hexList({"00 00 00 00 08"}));
    EXPECT_EQ(handler->Handle(CRemoteCommand::REMOTE_SET_NB, 0x10), 1u);
}

TEST_F(RemoteCommandTest, ClosingAnswersZeroAndSendsNothing)
{
    panel->frequency = 7040000;
    closing = true;
    for (uint32_t code = 0; code <= 16; ++code)
        EXPECT_EQ(handler->Handle(code, 0x3E), 0u) << code;
    EXPECT_TRUE(newFrames().isEmpty());
    EXPECT_EQ(activations, 0);
}

TEST_F(RemoteCommandTest, ClosingUnkeysOnlyATransmitterKeyedForAnotherProgram)
{
    // Nothing keyed: nothing sent.
    handler->ReleasePtt();
    EXPECT_TRUE(newFrames().isEmpty());
    // Keyed and unkeyed by the other program: nothing left to do.
    handler->Handle(CRemoteCommand::REMOTE_PTT_ON, 0);
    handler->Handle(CRemoteCommand::REMOTE_PTT_OFF, 0);
    newFrames();
    handler->ReleasePtt();
    EXPECT_TRUE(newFrames().isEmpty());
    // Keyed, then the close begins: the other program's PTT-off no longer
    // arrives, so the radio is unkeyed once.
    handler->Handle(CRemoteCommand::REMOTE_PTT_ON, 0);
    EXPECT_TRUE(handler->IsKeyedForRemote());
    newFrames();
    closing = true;
    handler->ReleasePtt();
    EXPECT_EQ(handler->Handle(CRemoteCommand::REMOTE_PTT_OFF, 0), 0u);
    handler->ReleasePtt();
    EXPECT_EQ(newFrames(), hexList({"00 00 00 00 88"}));
    EXPECT_FALSE(handler->IsKeyedForRemote());
}

// A close cancelled after it unkeyed the radio: the other program still
// believes it transmits unless it has been answered 0 meanwhile, so its next
// command is answered 0 (it takes that as the loss of the link and ends its
// transmission), and nothing is done for that command.
TEST_F(RemoteCommandTest, ACancelledCloseThatUnkeyedTheRadioIsTold)
{
    const struct {
        const char* name;
        bool keyed;              // the other program had the radio keyed
        bool askedWhileClosing;  // it sent a command while the closing box was open
        uint32_t firstAfter;     // the answer to its first command after the close was cancelled
    } cases[] = {
        {"keyed, not told while closing", true, false, 0u},
        {"keyed, told while closing", true, true, 7040000u},
        {"not keyed", false, false, 7040000u},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        panel->frequency = 7040000;
        closing = false;
        if (c.keyed)
            handler->Handle(CRemoteCommand::REMOTE_PTT_ON, 0);
        newFrames();
        closing = true;
        handler->ReleasePtt();
        if (c.askedWhileClosing)
            EXPECT_EQ(handler->Handle(CRemoteCommand::REMOTE_GET_STATUS, 0), 0u);
        closing = false;  // Cancel
        newFrames();
        EXPECT_EQ(handler->Handle(CRemoteCommand::REMOTE_SET_FREQUENCY, 14070000), c.firstAfter);
        if (c.firstAfter == 0)
            EXPECT_TRUE(newFrames().isEmpty()) << "nothing done for the command answered 0";
        else
            EXPECT_EQ(newFrames(), hexList({"01 40 70 00 01"}));
        EXPECT_EQ(handler->Handle(CRemoteCommand::REMOTE_GET_FREQUENCY, 0), 7040000u) << "told once";
    }
}
