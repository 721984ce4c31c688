#pragma once
// The scan windows' tests: a CAT link on the FT-817 simulator, a front panel
// stand-in that tunes over that link, and the exact frames of the EEPROM
// operations.
#include "corvane/core/CatLink.h"
#include "corvane/organisers/ScanPanel.h"
#include "platform/Sleeper.h"
#include "support/ScriptedPrompter.h"
#include "support/Simulator.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

namespace scantest {

inline QByteArray frame(uint8_t p1, uint8_t p2, uint8_t p3, uint8_t p4, uint8_t op)
{
    const char bytes[5] = {char(p1), char(p2), char(p3), char(p4), char(op)};
    return QByteArray(bytes, 5);
}

inline QByteArray readFrame(uint16_t address)
{
    return frame(uint8_t(address >> 8), uint8_t(address), 0, 0, 0xBB);
}

// A verified masked write of one byte that sticks at the first try: three
// reads of the pair, the write, and one read back.
inline QList<QByteArray> maskedWrite(uint16_t address, uint8_t first, uint8_t second, uint8_t mask, uint8_t value)
{
    const uint8_t written = uint8_t((first & ~mask) | (value & mask));
    return {readFrame(address), readFrame(address), readFrame(address),
            frame(uint8_t(address >> 8), uint8_t(address), written, second, 0xBC), readFrame(address)};
}

inline QStringList hexTexts(const QList<QByteArray>& frames)
{
    QStringList out;
    for (const QByteArray& f : frames)
        out << QString::fromLatin1(f.toHex(' ').toUpper());
    return out;
}

// The front panel as the scan windows read it; its tuning goes to the radio.
class PanelStandIn final : public CScanPanel {
public:
    bool IsMemoryMode() const override { return memoryMode; }
    bool IsScanning() const override { return scanning; }
    bool IsFstOn() const override { return fst; }
    uint32_t GetFrequency() const override { return frequency; }
    uint8_t GetMode() const override { return mode; }
    void SetFrequency(uint32_t nHz) override
    {
        tuned << nHz;
        frequency = nHz;
        if (link)
            link->SetFrequency(nHz / 10);
    }
    int GetRenderedPolls() const override { return polls; }

    CCatLink* link = nullptr;
    bool memoryMode = false;
    bool scanning = false;
    bool fst = false;
    uint32_t frequency = 0;
    uint8_t mode = 0;
    int polls = 0;
    QList<uint32_t> tuned;
};

class SimFixture : public ::testing::Test {
protected:
    void TearDown() override
    {
        platform::Sleeper::setInstance(nullptr);
        link.reset();
        sim.reset();
    }

    void start(const testsupport::Simulator::Options& options = {})
    {
        platform::Sleeper::setInstance(&sleeper);
        sim = std::make_unique<testsupport::Simulator>(options);
        ASSERT_TRUE(sim->isRunning()) << sim->errorText().toStdString();
        link = std::make_unique<CCatLink>();
        QString error;
        ASSERT_TRUE(link->Open(sim->portPath(), QString::number(options.baud), error)) << error.toStdString();
        panel.link = link.get();
    }

    // Frames the radio received since the last call.
    QList<QByteArray> newFrames()
    {
        const QList<QByteArray> all = sim->frames();
        const QList<QByteArray> fresh = all.mid(m_seen);
        m_seen = int(all.size());
        return fresh;
    }

    uint8_t byteAt(int address) const { return sim->eepromByte(address); }

    platform::FakeSleeper sleeper;
    std::unique_ptr<testsupport::Simulator> sim;
    std::unique_ptr<CCatLink> link;
    PanelStandIn panel;

private:
    int m_seen = 0;
};

} // namespace scantest
