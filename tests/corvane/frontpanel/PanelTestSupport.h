#pragma once
// The front panel's tests: a CAT link on the FT-817 simulator, and a memory
// list read from the simulator's EEPROM.
#include "corvane/core/CatLink.h"
#include "corvane/core/FieldDecoders.h"
#include "corvane/frontpanel/PanelMemoryList.h"
#include "corvane/frontpanel/RadioStatus.h"
#include "platform/Sleeper.h"
#include "support/Simulator.h"

#include <QByteArray>
#include <QList>
#include <gtest/gtest.h>
#include <memory>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace paneltest {

inline QByteArray hex(const char* text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

inline QList<QByteArray> hexList(std::initializer_list<const char*> texts)
{
    QList<QByteArray> list;
    for (const char* t : texts)
        list << hex(t);
    return list;
}

inline QStringList hexTexts(const QList<QByteArray>& frames)
{
    QStringList out;
    for (const QByteArray& f : frames)
        out << QString::fromLatin1(f.toHex(' ').toUpper());
    return out;
}

// The radio's memory channels as the simulator holds them (read without
// CAT traffic), for the poll's channel look-up.
class SimMemoryList final : public CPanelMemoryList {
public:
    explicit SimMemoryList(const testsupport::Simulator* sim) : m_sim(sim) {}
    int GetCount() const override { return 202; }
    QByteArray Record(int channel) const { return m_sim->eeprom().mid(0x484 + channel * 26, 26); }
    bool IsUsed(int channel) const override
    {
        return channel >= 0 && channel < 202 && (m_sim->eepromByte(0x450 + channel / 8) >> (channel % 8)) & 1;
    }
    bool GetTag(int channel, QString& tag) const override
    {
        const QByteArray r = Record(channel);
        if (!(uint8_t(r[0]) & 0x80))
            return false;
        tag = QString::fromLatin1(r.mid(18, 8));
        return true;
    }
    int FindChannel(bool, uint32_t hz, uint8_t mode, int hint) override
    {
        ++findCalls;
        QList<int> matches;
        for (int c = 0; c < 202; ++c) {
            if (!IsUsed(c))
                continue;
            const QByteArray r = Record(c);
            const uint32_t tenHz = uint32_t(uint8_t(r[10])) << 24 | uint32_t(uint8_t(r[11])) << 16 |
                                   uint32_t(uint8_t(r[12])) << 8 | uint8_t(r[13]);
            if (uint64_t(tenHz) * 10 == hz &&
                EepromModeText(uint8_t(r[0]) & 7).GetText() == CatModeName(mode & 0x0F, QString()).GetText())
                matches << c;
        }
        if (matches.size() == 1)
            return matches[0];
        if (matches.size() > 1)
            return matches.contains(hint) ? hint : CRadioStatus::kNoChannel;
        return hint;
    }
    void UpdateFromStatus(const CRadioStatus& status) override { updated << status.m_nMemoryChannel; }

    int findCalls = 0;
    QList<int> updated;

private:
    const testsupport::Simulator* m_sim;
};

class SimFixture : public ::testing::Test {
protected:
    void TearDown() override
    {
        platform::Sleeper::setInstance(nullptr);
        link.reset();
        sim.reset();
    }

    void start(const testsupport::Simulator::Options& options = {}, bool fakeSleeper = true)
    {
        if (fakeSleeper)
            platform::Sleeper::setInstance(&sleeper);
        sim = std::make_unique<testsupport::Simulator>(options);
        ASSERT_TRUE(sim->isRunning()) << sim->errorText().toStdString();
        link = std::make_unique<CCatLink>();
        QString error;
        ASSERT_TRUE(link->Open(sim->portPath(), QString::number(options.baud), error)) << error.toStdString();
    }

    static testsupport::Simulator::Options withPokes(std::initializer_list<const char*> pokes)
    {
        testsupport::Simulator::Options o;
        for (const char* p : pokes)
            o.pokes << QString::fromLatin1(p);
        return o;
    }

    // Frames the radio received since the last call.
    QList<QByteArray> newFrames()
    {
        const QList<QByteArray> all = sim->frames();
        const QList<QByteArray> fresh = all.mid(m_seen);
        m_seen = int(all.size());
        return fresh;
    }

    platform::FakeSleeper sleeper;
    std::unique_ptr<testsupport::Simulator> sim;
    std::unique_ptr<CCatLink> link;

private:
    int m_seen = 0;
};

} // namespace paneltest
