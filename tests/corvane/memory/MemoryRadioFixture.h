#pragma once
// The application with its CAT link open on the FT-817 simulator, for the
// memory tools' tests: frames the radio received, its EEPROM, and a front
// panel stand-in.
#include "corvane/core/CatLink.h"
#include "corvane/core/DisplayViewHooks.h"
#include "corvane/core/IoLogSink.h"
#include "corvane/core/MemoryChannelList.h"
#include "corvane/core/RadioApp.h"
#include "platform/Sleeper.h"
#include "support/ScriptedPrompter.h"
#include "support/Simulator.h"

#include <gtest/gtest.h>
#include <memory>

namespace memtest {

inline QByteArray readFrame(uint32_t address)
{
    return QByteArray::fromHex(QString::asprintf("%04X0000BB", address).toLatin1());
}

// The front panel as far as the memory tools ask it.
class PanelStandIn final : public CDisplayViewHooks {
public:
    bool IsMemoryMode() const override { return memoryMode; }
    bool IsMemoryTune() const override { return memoryTune; }
    bool IsVfoA() const override { return true; }
    int GetMemoryChannel() const override { return channel; }
    uint32_t GetFrequency() const override { return frequency; }
    uint8_t GetMode() const override { return 0x01; }
    void SetFrequencyAndMode(uint32_t, uint8_t, int) override {}

    bool memoryMode = false;
    bool memoryTune = false;
    int channel = kNoChannel;
    uint32_t frequency = 0;
};

class MemoryRadio : public ::testing::Test {
protected:
    // bDisarmed: the faults wait for sim->setFaultsArmed(true).
    void start(const QStringList& faults = {}, const QStringList& pokes = {}, bool bDisarmed = false)
    {
        platform::Sleeper::setInstance(&sleeper);
        testsupport::prompter().clear();
        testsupport::Simulator::Options o;
        o.faults = faults;
        o.pokes = pokes;
        o.faultsDisarmed = bDisarmed;
        sim = std::make_unique<testsupport::Simulator>(o);
        ASSERT_TRUE(sim->isRunning()) << sim->errorText().toStdString();
        app = std::make_unique<CRadioApp>();
        QString error;
        ASSERT_TRUE(app->GetCatLink().Open(sim->portPath(), QStringLiteral("38400"), error)) << error.toStdString();
        newFrames();
    }
    void TearDown() override
    {
        if (app)
            app->SetDisplayView(nullptr);
        app.reset();
        platform::Sleeper::setInstance(nullptr);
    }
    QList<QByteArray> newFrames()
    {
        const QList<QByteArray> all = sim->frames();
        const QList<QByteArray> fresh = all.mid(m_seen);
        m_seen = int(all.size());
        return fresh;
    }
    QByteArray radioRecord(int channel) const
    {
        return sim->eeprom().mid(int(MemoryGeometry::ChannelAddress(channel)), 26);
    }
    bool radioUsed(int channel) const
    {
        return (sim->eepromByte(int(MemoryGeometry::UsedByteAddress(channel))) >> MemoryGeometry::UsedBit(channel)) & 1;
    }

    platform::FakeSleeper sleeper;
    std::unique_ptr<testsupport::Simulator> sim;
    std::unique_ptr<CRadioApp> app;
    PanelStandIn panel;
    int m_seen = 0;
};

} // namespace memtest
