// The radio search of the start-up dialog against the simulator: search
// order, the remembered speed question, the rows and progress texts, and the
// memory load's exact EEPROM reads.
#include "CatLinkTestSupport.h"

#include "corvane/core/CatLink.h"
#include "corvane/core/MemoryChannelList.h"
#include "corvane/core/RadioApp.h"
#include "corvane/core/StartupSearch.h"
#include "shared/Registry.h"
#include "support/ScriptedPrompter.h"

#include <QElapsedTimer>
#include <QWidget>

#include <atomic>
#include <chrono>
#include <thread>

using cattest::hex;

namespace {

class RecordingView : public CStartupSearch::View {
public:
    void ClearRows() override { rows.clear(); }
    void AddRow(const CStartupSearch::Row& row) override { rows.append(row); }
    void SetProgressText(const QString& text) override { progress << text; }
    void ShowProgress(bool show) override { progressShown = show; }
    void SetProgressPos(int pos) override { positions << pos; }
    void SelectPort(int index) override { port = index; }
    void SelectSpeed(int index) override { speed = index; }
    void Repaint() override { ++repaints; }
    void RepaintProgress() override {}
    QWidget* Owner() override { return nullptr; }
    QString Title() override { return QStringLiteral("FT-817 Corvane v1.0"); }

    QList<CStartupSearch::Row> rows;
    QStringList progress;
    QList<int> positions;
    bool progressShown = false;
    int port = -1;
    int speed = -1;
    int repaints = 0;

    QStringList statuses() const
    {
        QStringList s;
        for (const auto& r : rows)
            s << QStringLiteral("%1|%2|%3|%4").arg(r.strPort, r.strSpeed, r.strStatus).arg(r.nImage);
        return s;
    }
};

// Memory-used bitmap with only the given channels, for a short, exact load.
QStringList bitmapPokes(std::initializer_list<int> used)
{
    QByteArray bitmap(26, 0);
    for (int c : used)
        bitmap[c / 8] = char(uint8_t(bitmap[c / 8]) | (1u << (c % 8)));
    return {QStringLiteral("0450=") + QString::fromLatin1(bitmap.toHex().toUpper())};
}

class StartupSearch : public ::testing::Test {
protected:
    void start(const testsupport::Simulator::Options& options)
    {
        platform::Sleeper::setInstance(&sleeper);
        sim = std::make_unique<testsupport::Simulator>(options);
        ASSERT_TRUE(sim->isRunning()) << sim->errorText().toStdString();
        app = std::make_unique<CRadioApp>();
        search = std::make_unique<CStartupSearch>(view, app->GetCatLink(), app->GetMemoryList());
        search->SetPorts({sim->portPath()});
        search->SetSpeeds({"4800", "9600", "38400"});
    }
    void TearDown() override
    {
        search.reset();
        app.reset();
        platform::Sleeper::setInstance(nullptr);
    }

    platform::FakeSleeper sleeper;
    RecordingView view;
    std::unique_ptr<testsupport::Simulator> sim;
    std::unique_ptr<CRadioApp> app;
    std::unique_ptr<CStartupSearch> search;
};

} // namespace

TEST_F(StartupSearch, SearchTriesTheStoredSelectionThenEveryPortAndSpeedInOrder)
{
    testsupport::Simulator::Options o;
    o.baud = 9600;
    o.pokes = bitmapPokes({});
    start(o);
    // The stored selection is the port at 38400, where the radio stays silent.
    search->Select(0, 2);
    testsupport::prompter().m_answers = {platform::IDYES};

    ASSERT_TRUE(search->Connect(true, true));
    const QString p = sim->portPath();
    EXPECT_EQ(view.statuses(), QStringList({p + "|38400|Failed to get Rx frequency|2",
                                            p + "|4800|Failed to get Rx frequency|2",
                                            p + "|9600|Connected|0",
                                            p + "|9600|Rx = 14.070.000|0"}));
    EXPECT_EQ(view.port, 0);
    EXPECT_EQ(view.speed, 1);
    EXPECT_TRUE(app->GetCatLink().IsOpen());
    const CRegistry registry;
    EXPECT_EQ(registry.GetString("Startup port"), p);
    EXPECT_EQ(registry.GetString("Startup speed"), "9600");

    // 9600 is below the fastest speed: asked once, with the dialog's title.
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    const auto& box = testsupport::prompter().m_boxes.first();
    EXPECT_EQ(box.caption, "FT-817 Corvane v1.0");
    EXPECT_EQ(box.text, "Your FT-817 is not configured for the fastest performance.\n\n"
                        "Use Menu Item 14 [CAT RATE] to set the baud rate to 38,400 bps.\n\n"
                        "Press 'Yes' to continue with 9,600 bps.");
    EXPECT_EQ(box.style, platform::MB_YESNO | platform::MB_ICONQUESTION);
    EXPECT_EQ(registry.GetInt(QStringLiteral("Ask baud rate %1 9600 ").arg(p), 1), 0);

    // Each try wakes the radio first: the power-on sequence is in every try.
    int powerOns = 0;
    for (const QByteArray& f : sim->frames())
        powerOns += f == hex("00 00 00 00 0F");
    EXPECT_EQ(powerOns, 5) << "two attempts at each silent speed, one where it answered";
}

TEST_F(StartupSearch, RowsAndProgressTextsOfTheMemoryLoad)
{
    testsupport::Simulator::Options o;
    o.pokes = bitmapPokes({0, 2});
    start(o);
    search->Select(0, 2);
    ASSERT_TRUE(search->Connect(false, true));
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty()) << "no question at the fastest speed";
    const int count = app->GetMemoryList().GetCount();
    ASSERT_EQ(count, 202);
    ASSERT_EQ(view.progress.size(), 2 + count);
    EXPECT_EQ(view.progress[0], "Connecting to FT-817...");
    EXPECT_EQ(view.progress[1], "Initialising...");
    EXPECT_EQ(view.progress[2], "Loading memory... 1 / 202");
    EXPECT_EQ(view.progress.last(), "Loading memory... 202 / 202");
    EXPECT_TRUE(view.progressShown);
    EXPECT_EQ(view.positions.first(), 1);
    EXPECT_EQ(view.positions.last(), 202);

    const CRadioMemoryList& list = app->GetMemoryList();
    EXPECT_TRUE(list.GetChannel(0)->IsUsed());
    EXPECT_EQ(list.GetChannel(0)->GetTag(), "PSK20   ") << "blanks stay part of the label";
    EXPECT_EQ(list.GetChannel(0)->GetRxFrequency(), 14070000u);
    EXPECT_TRUE(list.GetChannel(2)->IsUsed());
    EXPECT_EQ(list.GetChannel(2)->GetTag(), "CALL 2M ");
    EXPECT_FALSE(list.GetChannel(1)->IsUsed()) << "its bit is clear, whatever its record holds";
    EXPECT_FALSE(list.GetChannel(1)->HasRawBytes()) << "and it was not read";
}

TEST_F(StartupSearch, MemoryLoadReadsExactlyTheUsedChannelsAndClearsAClarifier)
{
    testsupport::Simulator::Options o;
    o.pokes = bitmapPokes({0, 3});
    // Channel 3 (record 0x04D2) has its clarifier on: byte 2 bit 6.
    o.pokes << QStringLiteral("04D4=") + QString::number(0x40 | 0x00, 16).rightJustified(2, '0');
    start(o);
    search->Select(0, 2);
    ASSERT_TRUE(search->Connect(false, false));

    QList<QByteArray> frames = sim->frames();
    // The connection itself: wake-up bytes, power on, frequency read.
    ASSERT_GE(frames.size(), 3);
    EXPECT_EQ(frames.mid(0, 3), cattest::hexList({"FF FF FF FF FF", "00 00 00 00 0F", "00 00 00 00 03"}));
    frames = frames.mid(3);

    QList<QByteArray> expected;
    // Every read is confirmed: asked twice on a clean line.
    for (int a = 0x450; a < 0x46A; ++a)
        expected << hex(QString::asprintf("%02X %02X 00 00 BB", a >> 8, a & 0xFF).toLatin1())
                 << hex(QString::asprintf("%02X %02X 00 00 BB", a >> 8, a & 0xFF).toLatin1());
    auto channelReads = [&](int base) {
        for (int offset : {10, 12, 0, 2, 4, 6, 8, 14, 16, 18, 20, 22, 24}) {
            const int a = base + offset;
            expected << hex(QString::asprintf("%02X %02X 00 00 BB", a >> 8, a & 0xFF).toLatin1())
                     << hex(QString::asprintf("%02X %02X 00 00 BB", a >> 8, a & 0xFF).toLatin1());
        }
    };
    channelReads(0x0484);
    channelReads(0x0484 + 3 * 26);
    ASSERT_GE(frames.size(), expected.size());
    EXPECT_EQ(frames.mid(0, expected.size()), expected);
    // Then the clarifier of channel 3 is switched off on the radio, and
    // nothing else is sent.
    const QList<QByteArray> rest = frames.mid(expected.size());
    ASSERT_FALSE(rest.isEmpty());
    EXPECT_EQ(rest.first(), hex("04 D4 00 00 BB"));
    bool wrote = false;
    for (const QByteArray& f : rest)
        wrote = wrote || (uint8_t(f[4]) == 0xBC && f.left(2) == hex("04 D4"));
    EXPECT_TRUE(wrote);
    EXPECT_EQ(sim->eepromByte(0x04D4) & 0x40, 0);
    EXPECT_EQ(app->GetMemoryList().GetChannel(3)->GetRawByte(2) & 0x40, 0);
}

TEST_F(StartupSearch, SlowSpeedQuestionIsRememberedPerPortAndSpeed)
{
    testsupport::Simulator::Options o;
    o.baud = 4800;
    o.pokes = bitmapPokes({});
    start(o);
    search->Select(0, 0);
    const QString name = QStringLiteral("Ask baud rate %1 4800 ").arg(sim->portPath());

    // No: the link is closed and the dialog stays; nothing is remembered.
    testsupport::prompter().m_answers = {platform::IDNO};
    EXPECT_FALSE(search->Connect(false, true));
    EXPECT_FALSE(app->GetCatLink().IsOpen());
    EXPECT_FALSE(view.progressShown);
    EXPECT_EQ(CRegistry().GetInt(name, 1), 1);

    // Yes: remembered, the memory loads.
    testsupport::prompter().m_answers = {platform::IDYES};
    EXPECT_TRUE(search->Connect(false, true));
    EXPECT_EQ(CRegistry().GetInt(name, 1), 0);
    EXPECT_EQ(testsupport::prompter().m_boxes.size(), 2);

    // Never asked again for this port and speed.
    app->GetCatLink().Close();
    EXPECT_TRUE(search->Connect(false, true));
    EXPECT_EQ(testsupport::prompter().m_boxes.size(), 2);
}

TEST_F(StartupSearch, UnreadableChannelMapIsAFailedConnection)
{
    testsupport::Simulator::Options o;
    o.faults << "no-answer:op=BB,addr=0455";
    start(o);
    search->Select(0, 2);
    EXPECT_FALSE(search->Connect(false, true));
    EXPECT_EQ(view.progress.last(), "Failed to connect");
    EXPECT_EQ(view.statuses().last(), sim->portPath() + "|38400|Failed to read the memory channel map|2");
    EXPECT_FALSE(app->GetCatLink().IsOpen());
    // It stopped at the byte that did not answer: no channel was loaded.
    const QList<QByteArray> frames = sim->frames();
    EXPECT_EQ(frames.last(), hex("04 55 00 00 BB"));
    EXPECT_FALSE(app->GetMemoryList().GetChannel(0)->HasRawBytes());
}

TEST_F(StartupSearch, PortThatCannotOpenGivesTheErrorAndTheHint)
{
    testsupport::Simulator::Options o;
    start(o);
    search->SetPorts({"/dev/no-such-serial-port"});
    search->Select(0, 2);
    EXPECT_FALSE(search->Connect(false, true));
    ASSERT_EQ(view.rows.size(), 2);
    EXPECT_EQ(view.rows[0].nImage, CStartupSearch::IMAGE_FAILURE);
    EXPECT_TRUE(view.rows[0].strStatus.startsWith("Error opening /dev/no-such-serial-port"));
    EXPECT_EQ(view.rows[1].strStatus, "Check that /dev/no-such-serial-port is not in use by another program.");
    EXPECT_EQ(view.rows[1].nImage, CStartupSearch::IMAGE_HINT);
    EXPECT_TRUE(view.rows[1].strPort.isEmpty());
    EXPECT_EQ(view.progress, QStringList({"Connecting to FT-817...", "Failed to connect"}));
}

// Cancelled while a silent port's frequency read waits: the read ends at
// once, no further frame goes out, the port is closed, and the try does not
// show as a failure.
TEST_F(StartupSearch, CancelCutsTheExchangeInProgressShort)
{
    testsupport::Simulator::Options o;
    o.faults << "no-answer";
    start(o);
    search->Select(0, 2);
    std::atomic<bool> cancel{false};
    search->SetCancelFlag(&cancel);
    qsizetype framesAtCancel = -1;
    QElapsedTimer sinceCancel;
    std::thread canceller([&] {
        QElapsedTimer clock;
        clock.start();
        while (!sim->frames().contains(hex("00 00 00 00 03")) && clock.elapsed() < 10000)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        framesAtCancel = sim->frames().size();
        sinceCancel.start();
        cancel = true;
    });
    EXPECT_FALSE(search->Search(true));
    const qint64 took = sinceCancel.elapsed();
    canceller.join();
    search->SetCancelFlag(nullptr);

    EXPECT_LT(took, 500) << "the read gives up after 1.5 s";
    EXPECT_EQ(sim->frames().size(), framesAtCancel);
    EXPECT_FALSE(app->GetCatLink().IsOpen());
    EXPECT_TRUE(view.rows.isEmpty()) << view.statuses().join(" / ").toStdString();
    EXPECT_EQ(view.port, 0);
    EXPECT_EQ(view.speed, 2) << "the search did not move on";
}
