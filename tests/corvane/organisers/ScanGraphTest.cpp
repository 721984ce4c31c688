#include "corvane/core/RegisteredMessages.h"
#include "corvane/core/Settings.h"
#include "corvane/organisers/ScanGraph.h"
#include "shared/RegisteredEvent.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const RECT kClient{0, 0, 400, 200};
const QSize kLabels(20, 10);

CScanGraphScale scaleFor(uint32_t low, uint32_t high)
{
    CScanGraphScale s;
    s.Compute(kClient, kLabels, low, high);
    return s;
}

// Counts registered messages of one number that reach it.
class MessageCatcher : public QWidget {
public:
    explicit MessageCatcher(uint32_t message) : m_message(message) {}
    int count = 0;

protected:
    bool event(QEvent* e) override
    {
        if (CRegisteredEvent::As(e, m_message)) {
            ++count;
            return true;
        }
        return QWidget::event(e);
    }

private:
    uint32_t m_message;
};

struct GraphColours {
    GraphColours()
    {
        saved[0] = GetSettings().m_colTuningDialBackground;
        saved[1] = GetSettings().m_colTuningDialForeground;
        GetSettings().m_colTuningDialBackground = RGB(0, 0, 64);
        GetSettings().m_colTuningDialForeground = RGB(255, 255, 0);
    }
    ~GraphColours()
    {
        GetSettings().m_colTuningDialBackground = saved[0];
        GetSettings().m_colTuningDialForeground = saved[1];
    }
    COLORREF saved[2];
};

} // namespace

TEST(ScanGraphScale, FrameAndLevels)
{
    const CScanGraphScale s = scaleFor(7000000, 7100000);
    EXPECT_EQ(s.L, 39);
    EXPECT_EQ(s.R, 361);
    EXPECT_EQ(s.T, 17);
    EXPECT_EQ(s.B, 176);
    EXPECT_EQ(s.plotRect, (RECT{40, 17, 360, 175}));
    EXPECT_EQ(s.W, 320);
    EXPECT_EQ(s.H, 158);
    EXPECT_EQ(s.LevelY(15), s.plotRect.top);
    EXPECT_EQ(s.LevelY(0), s.B - 1);
    EXPECT_EQ(s.LevelY(8), 175 - 158 * 8 / 15);

    QStringList shown;
    for (int i = 0; i < 16; ++i)
        if (CScanGraphScale::IsMajorLevel(i))
            shown << CScanGraphScale::LevelLabel(i);
    EXPECT_EQ(shown, QStringList({"2", "4", "6", "8", "+10", "+30", "+60"}));
}

TEST(ScanGraphScale, FrequencyScaleSteps)
{
    struct Case {
        uint32_t low, high;
        bool scale;
        uint32_t major, minor, start, end;
    };
    const Case cases[] = {
        {7000000, 7100000, true, 10000, 2000, 7000000, 7100000},
        {7003000, 7097000, true, 10000, 2000, 7000000, 7100000},
        {1000000, 60000000, true, 5000000, 1000000, 0, 60000000},
        {14000000, 14005000, true, 1000, 200, 14000000, 14005000},
        {100000000, 260000000, false, 0, 0, 0, 0},  // 16 intervals of 10 MHz: too wide
        {7000000, 7000000, false, 0, 0, 0, 0},
        {0, 0, false, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const CScanGraphScale s = scaleFor(c.low, c.high);
        SCOPED_TRACE(c.low);
        EXPECT_EQ(s.bHasScale, c.scale);
        EXPECT_EQ(s.nMajor, c.major);
        if (!c.scale)
            continue;
        EXPECT_EQ(s.nMinor, c.minor);
        EXPECT_EQ(s.nAxisStart, c.start);
        EXPECT_EQ(s.nAxisEnd, c.end);
    }

    const CScanGraphScale s = scaleFor(7000000, 7100000);
    ASSERT_EQ(s.majorTicks.size(), 11u);
    EXPECT_EQ(s.majorTicks.front(), 0);
    EXPECT_EQ(s.majorTicks.back(), s.W);
    EXPECT_EQ(s.majorTicks[1], 32);
    QStringList labels;
    for (uint32_t f : s.majorFrequencies)
        labels << CScanGraphScale::FrequencyLabel(f);
    EXPECT_EQ(labels.first(), "7.0");
    EXPECT_EQ(labels[1], "7.01");
    EXPECT_EQ(labels.last(), "7.1");
    // Minor ticks stop short of the right edge.
    EXPECT_EQ(s.minorTicks.size(), 49u);
    EXPECT_LT(s.minorTicks.back(), s.W);
    EXPECT_EQ(CScanGraphScale::FrequencyLabel(14350000), "14.35");
    EXPECT_EQ(CScanGraphScale::FrequencyLabel(432000000), "432.0");
    EXPECT_EQ(CScanGraphScale::FrequencyLabel(145612500), "145.6125");

    // A range of 150 MHz at 10 MHz steps stays in 32-bit range.
    const CScanGraphScale wide = scaleFor(0, 150000000);
    EXPECT_TRUE(wide.bHasScale);
    EXPECT_EQ(wide.majorTicks.back(), wide.W);
    int x = 0;
    ASSERT_TRUE(wide.FrequencyX(150000000, x));
    EXPECT_EQ(x, wide.L + 1 + wide.W);
}

TEST(ScanGraphScale, ClicksMapOverTheRangeAsSet)
{
    const CScanGraphScale s = scaleFor(7003000, 7097000);
    uint32_t hz = 0;
    ASSERT_TRUE(s.ClickFrequency(s.L + 1, s.T, hz));
    EXPECT_EQ(hz, 7003000u);
    ASSERT_TRUE(s.ClickFrequency(s.L + 1 + 160, 100, hz));
    EXPECT_EQ(hz, (700300u + 160u * 9400u / 320u) * 10u);
    EXPECT_FALSE(s.ClickFrequency(s.L, 100, hz));
    EXPECT_FALSE(s.ClickFrequency(s.plotRect.right, 100, hz));
    EXPECT_FALSE(s.ClickFrequency(100, s.plotRect.bottom, hz));
}

TEST(ScanGraph, DrawsSweepsAndCursors)
{
    GraphColours colours;
    CScanGraph graph;
    graph.resize(400, 200);
    graph.SetLow(7000000);
    graph.SetHigh(7100000);
    graph.Layout();
    graph.ClearReadings();
    const QColor back(0, 0, 64);
    const QColor fill(255, 255, 0);
    const CScanGraphScale& s = graph.Scale();
    ASSERT_TRUE(s.bHasScale);
    const QImage& image = graph.GetDisplayImage();
    EXPECT_EQ(image.pixelColor(s.L, (s.T + s.B) / 2), fill);  // frame
    EXPECT_EQ(image.pixelColor(s.L + 50, s.T + 5), back);

    graph.AddReading(CScanGraph::kAppend, 7010000, 0, true);
    graph.AddReading(CScanGraph::kAppend, 7050000, 15, true);
    int x1 = 0, x2 = 0;
    s.FrequencyX(7010000, x1);
    s.FrequencyX(7050000, x2);
    EXPECT_EQ(x2, s.L + 1 + s.W / 2);
    // Filled below the line from level 0 to level 15, nothing above it.
    EXPECT_EQ(image.pixelColor(x2 - 2, s.T + 10), fill);
    EXPECT_EQ(image.pixelColor(x1 + 2, s.T + 10), back);
    EXPECT_EQ(image.pixelColor((x1 + x2) / 2, s.B - 3), fill);
    EXPECT_EQ(graph.GetTopCursor(), (RECT{x2 - 3, 5, x2 + 4, 12}));
    EXPECT_EQ(graph.GetBottomCursor(), (RECT{x2 - 3, 200 - 12, x2 + 4, 200 - 5}));
    EXPECT_EQ(image.pixelColor(x2, 6), fill);  // the down-pointing mark

    // A jump back is stored but draws nothing; the cursor still follows.
    const QImage before = image.copy();
    graph.AddReading(CScanGraph::kAppend, 7020000, 15, true);
    EXPECT_EQ(graph.GetReadingCount(), 3);
    int x3 = 0;
    s.FrequencyX(7020000, x3);
    EXPECT_EQ(graph.GetTopCursor().left, x3 - 3);
    EXPECT_EQ(image.pixelColor(x3 + 1, s.T + 2), before.pixelColor(x3 + 1, s.T + 2));
    EXPECT_EQ(image.pixelColor(x2, 6), back);  // the old mark was wiped

    // The next sweep erases what the last one drew between its readings.
    graph.AddReading(CScanGraph::kAppend, 7050000, 0, true);
    EXPECT_EQ(image.pixelColor(x2 - 2, s.T + 10), back);

    // Resizing keeps the readings; a replot draws them again.
    graph.resize(600, 300);
    graph.Layout();
    EXPECT_EQ(graph.GetDisplayImage().width(), 600);
    graph.Replot();
    EXPECT_EQ(graph.GetReadingCount(), 4);
}

TEST(ScanGraph, ReadingsWithoutARangeAreKeptButNotDrawn)
{
    GraphColours colours;
    CScanGraph graph;
    graph.resize(300, 150);
    graph.Layout();
    const QImage before = graph.GetDisplayImage().copy();
    graph.AddReading(CScanGraph::kAppend, 7000000, 5, true);
    graph.AddReading(CScanGraph::kAppend, 7001000, 9, true);
    EXPECT_EQ(graph.GetReadingCount(), 2);
    EXPECT_TRUE(graph.GetDisplayImage() == before);
}

TEST(ScanGraph, AClickPausesTheOwnerThenTunes)
{
    GraphColours colours;
    MessageCatcher owner(RegisteredMessage::nMsgPause);
    auto* graph = new CScanGraph(&owner);
    graph->setGeometry(0, 0, 400, 200);
    graph->SetLow(7000000);
    graph->SetHigh(7100000);
    owner.resize(400, 200);
    owner.show();
    graph->Layout();
    QList<uint32_t> tuned;
    CScanGraph::SetTuner([&](uint32_t hz) { tuned << hz; });
    const CScanGraphScale& s = graph->Scale();
    QTest::mouseClick(graph, Qt::LeftButton, {}, QPoint(s.L + 1 + 80, 50));
    QTest::mouseClick(graph, Qt::LeftButton, {}, QPoint(5, 5));  // outside the plot
    QApplication::processEvents();
    CScanGraph::SetTuner(nullptr);
    EXPECT_EQ(owner.count, 1);
    EXPECT_EQ(tuned, QList<uint32_t>({(700000u + 80u * 10000u / uint32_t(s.W)) * 10u}));
}
