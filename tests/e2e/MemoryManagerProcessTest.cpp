// FT-817 Corvane as a process of its own on the simulator, its Memory
// Manager open across the test's steps through the probe: an edit the radio
// does not keep stays for the next Save, a file that is not a memory archive
// changes nothing, and a memory list saved whole shows no empty records in
// the archive, so "<" cannot carry one into the radio.
#include "support/CorvaneProcess.h"
#include "support/ProbeClient.h"
#include "support/Simulator.h"
#include "support/TestEnvironment.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr int kMemoryBase = 0x0484;
constexpr int kRecordSize = 26;

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

class MemoryManagerProcess : public ::testing::Test {
protected:
    void Start(const QStringList& faults = {})
    {
        testsupport::Simulator::Options o;
        o.faults = faults;
        o.faultsDisarmed = true;
        sim = std::make_unique<testsupport::Simulator>(o);
        ASSERT_TRUE(sim->isRunning()) << sim->errorText().toStdString();
        corvane = std::make_unique<CorvaneProcess>(QString::fromUtf8(CORVANE_PROBED_PROGRAM), sim->portPath(),
                                                   QMap<QString, QString>{{QStringLiteral("CORVANE_PROBE"), kProbe}});
        // Up once the front panel has polled the radio (start-up and the memory load are over).
        ASSERT_TRUE(Poll([&] { return !corvane->IsRunning() || probe.Ask(QStringLiteral("panel"), 2000) == "failed=0"; },
                         testsupport::longestWaitMs()))
            << corvane->Diagnostics().toStdString();
        ASSERT_TRUE(corvane->IsRunning()) << corvane->Diagnostics().toStdString();
    }
    // Memory > Manager, until it has read the radio; its title.
    QString OpenManager()
    {
        EXPECT_EQ(probe.Ask(QStringLiteral("memory-open")), "opening");
        QString title;
        EXPECT_TRUE(Poll([&] {
            title = probe.Ask(QStringLiteral("memory-ready"), 5000);
            return title.startsWith("title=");
        }, testsupport::longestWaitMs())) << title.toStdString() << "\n" << corvane->Diagnostics().toStdString();
        return title;
    }
    QStringList Rows(const char* list) { return probe.Ask(QStringLiteral("memory-list ") + list).split(';'); }
    QByteArray RadioRecord(int channel) const
    {
        return sim->eeprom().mid(kMemoryBase + channel * kRecordSize, kRecordSize);
    }
    QString Boxes() { return probe.Ask(QStringLiteral("boxes")); }

    static inline const QString kProbe = QStringLiteral("corvane-memory-probe");
    std::unique_ptr<testsupport::Simulator> sim;
    std::unique_ptr<CorvaneProcess> corvane;
    ProbeClient probe{kProbe};
};

} // namespace

TEST_F(MemoryManagerProcess, AnEditTheRadioDidNotKeepStaysForTheNextSave)
{
    Start({QStringLiteral("write-not-stick")});
    if (HasFatalFailure())
        return;
    EXPECT_EQ(OpenManager(), "title=Memory Manager");
    const QByteArray before = RadioRecord(1);
    EXPECT_EQ(probe.Ask(QStringLiteral("memory-label 1 XY")), "title=Memory Manager (save needed)");
    EXPECT_EQ(Rows("live").value(1), "0|*  A-002|XYP CW  |7.030.000||CW");
    Boxes();

    ASSERT_TRUE(sim->setFaultsArmed(true));
    EXPECT_EQ(probe.Ask(QStringLiteral("memory-save")), "title=Memory Manager (save needed)");
    const QString told = Boxes();
    EXPECT_TRUE(told.contains("The FT-817 did not store these memory channels: A-002.")) << told.toStdString();
    EXPECT_EQ(RadioRecord(1), before);
    EXPECT_EQ(Rows("live").value(1), "0|*  A-002|XYP CW  |7.030.000||CW") << "the edit and its mark are kept";

    ASSERT_TRUE(sim->setFaultsArmed(false));
    EXPECT_EQ(probe.Ask(QStringLiteral("memory-save")), "title=Memory Manager");
    EXPECT_FALSE(Boxes().contains("did not store"));
    EXPECT_EQ(RadioRecord(1).mid(18, 8), QByteArray("XYP CW  "));
    EXPECT_EQ(Rows("live").value(1), "0| A-002|XYP CW  |7.030.000||CW") << "read again from the radio";
    EXPECT_EQ(probe.Ask(QStringLiteral("memory-close")), "ok");
    EXPECT_TRUE(corvane->IsRunning());
}

TEST_F(MemoryManagerProcess, AFileThatIsNoMemoryArchiveChangesNothing)
{
    Start();
    if (HasFatalFailure())
        return;
    OpenManager();
    const QStringList rows = Rows("live");
    ASSERT_EQ(rows.size(), 202);
    const QByteArray eeprom = sim->eeprom();
    const QString path = corvane->Folder() + QStringLiteral("/hello.txt");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("hello\r\n119 999999\r\n120 1\r\n-@-\r\n");
    }
    Boxes();
    EXPECT_EQ(probe.Ask(QStringLiteral("memory-load ") + path), "title=Memory Manager") << "nothing to save";
    EXPECT_TRUE(Boxes().startsWith("Error: No entries loaded - check correct file selected."));
    EXPECT_EQ(Rows("live"), rows);

    // One that looks like an archive but holds a record no radio stores.
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("#\r\n119 " + QByteArray("231231") + QByteArray(72, '0') + "\r\n120 1\r\n-@-\r\n#@filetype=5\r\n");
    }
    EXPECT_EQ(probe.Ask(QStringLiteral("memory-load ") + path), "title=Memory Manager");
    const QString told = Boxes();
    EXPECT_TRUE(told.contains("record 1: its receive frequency 0 Hz is outside")) << told.toStdString();
    EXPECT_EQ(Rows("live"), rows);
    EXPECT_EQ(probe.Ask(QStringLiteral("memory-close")), "ok");
    EXPECT_EQ(sim->eeprom(), eeprom) << "the radio is as it was";
}

TEST_F(MemoryManagerProcess, ASavedMemoryListShowsNoEmptyRecordsInTheArchive)
{
    Start();
    if (HasFatalFailure())
        return;
    OpenManager();
    const QString archive = corvane->Folder() + QStringLiteral("/data/FT-817 Memory Archive.txt");
    EXPECT_EQ(probe.Ask(QStringLiteral("memory-save-file ") + archive), "ok");
    ASSERT_TRUE(QFile::exists(archive));
    EXPECT_EQ(probe.Ask(QStringLiteral("memory-close")), "ok");
    ASSERT_TRUE(Poll([&] { return probe.Ask(QStringLiteral("memory-ready")) == "not open"; }, 5000));

    OpenManager();
    const QStringList entries = Rows("archive");
    ASSERT_EQ(entries.size(), 8) << entries.join("\n").toStdString();
    for (const QString& entry : entries) {
        EXPECT_FALSE(entry.contains("4294")) << entry.toStdString();
        EXPECT_FALSE(entry.startsWith("4|")) << entry.toStdString();
    }

    // "<" into the free channels: every one that changes holds a frequency.
    EXPECT_EQ(probe.Ask(QStringLiteral("memory-from-archive")), "title=Memory Manager (save needed)");
    const QStringList live = Rows("live");
    int copied = 0;
    for (const QString& row : live) {
        if (!row.section('|', 1, 1).startsWith("*"))
            continue;
        ++copied;
        EXPECT_FALSE(row.startsWith("4|")) << row.toStdString();
        EXPECT_FALSE(row.section('|', 3, 3).isEmpty()) << row.toStdString();
    }
    EXPECT_EQ(copied, 8);
    EXPECT_EQ(probe.Ask(QStringLiteral("memory-close")), "ok");
}
