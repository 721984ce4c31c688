#pragma once
// A CAT link on the FT-817 simulator, with the I/O log rows it writes.
#include "corvane/core/CatLink.h"
#include "corvane/core/IoLogSink.h"
#include "corvane/core/RadioApp.h"
#include "platform/Sleeper.h"
#include "support/Simulator.h"

#include <QByteArray>
#include <QList>
#include <gtest/gtest.h>
#include <memory>

namespace cattest {

// "00 57 00 00 BB" -> bytes.
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

// Confirmed EEPROM reads ask twice on a clean line: each frame of the list twice.
inline QList<QByteArray> twice(const QList<QByteArray>& frames)
{
    QList<QByteArray> list;
    for (const QByteArray& f : frames)
        list << f << f;
    return list;
}

struct LogRow {
    bool hasSent = false;
    bool hasReceived = false;
    QByteArray sent;
    QByteArray received;
    QString text;
};

class RecordingLog final : public CIoLogSink {
public:
    void AddTextRow(const QString& text) override { rows.append({false, false, {}, {}, text}); }
    void AddBytesRow(const std::optional<QByteArray>& sent, const std::optional<QByteArray>& received,
                     const QString& description) override
    {
        rows.append({sent.has_value(), received.has_value(), sent.value_or(QByteArray()),
                     received.value_or(QByteArray()), description});
    }
    QStringList texts() const
    {
        QStringList t;
        for (const LogRow& r : rows)
            t << r.text;
        return t;
    }
    QList<LogRow> rows;
};

class SimLink : public ::testing::Test {
protected:
    void TearDown() override
    {
        CRadioApp::SetIoLogSink(nullptr);
        link.reset();
    }

    // Starts the simulator and opens the link on it; log rows of the opening
    // are dropped.
    void start(const testsupport::Simulator::Options& options = {})
    {
        platform::Sleeper::setInstance(&sleeper);
        sim = std::make_unique<testsupport::Simulator>(options);
        ASSERT_TRUE(sim->isRunning()) << sim->errorText().toStdString();
        link = std::make_unique<CCatLink>();
        QString error;
        ASSERT_TRUE(link->Open(sim->portPath(), QString::number(options.baud), error)) << error.toStdString();
        CRadioApp::SetIoLogSink(&log);
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
    RecordingLog log;
    std::unique_ptr<testsupport::Simulator> sim;
    std::unique_ptr<CCatLink> link;

private:
    int m_seen = 0;
};

} // namespace cattest
