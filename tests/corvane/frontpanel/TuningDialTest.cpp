#include "corvane/core/RegisteredMessages.h"
#include "corvane/core/Settings.h"
#include "corvane/frontpanel/TuningDial.h"
#include "shared/RegisteredEvent.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {
// Fixed metrics: every character 6 pixels wide, text 12 high.
CTuningDialLayout::Metrics fixedMetrics()
{
    CTuningDialLayout::Metrics m;
    m.nScaleTextHeight = 12;
    m.nTitleHeight = 14;
    m.textWidth = [](const QString& s) { return int(s.size()) * 6; };
    m.titleWidth = m.textWidth;
    return m;
}

CBandPlan singleBand(uint32_t from, uint32_t to)
{
    CBandPlan plan;
    plan.AddBand("band", from, to, 1, 1);
    return plan;
}

QStringList labelTexts(const CTuningDialLayout::Drawing& d)
{
    QStringList t;
    for (const auto& l : d.labels)
        t << l.text;
    return t;
}

// Tick lines other than the baseline and the two end ticks.
std::vector<int> tickXs(const CTuningDialLayout::Drawing& d, int top, int lengthFromTop)
{
    std::vector<int> xs;
    for (const auto& l : d.lines) {
        if (l.a.x() == l.b.x() && l.a.y() == top + lengthFromTop)
            xs.push_back(l.a.x());
    }
    return xs;
}

struct SettingsGuard {
    CSettings saved = GetSettings();
    ~SettingsGuard() { GetSettings() = saved; }
};
} // namespace

TEST(TuningDialLayout, TickStepsFollowTheDivisionLimit)
{
    struct Case {
        uint32_t from, to;
        int maxDivisions;
        int row;  // -1: only the end ticks
    } cases[] = {
        {7000000, 7200000, 15, 4},     // 20 kHz / 5 kHz
        {7000000, 7200000, 8, 5},      // 50 kHz / 10 kHz
        {14000000, 14350000, 15, 5},   // 350 / 50 = 7
        {100000000, 260000000, 15, -1},// 160 MHz: above 15 divisions even at 10 MHz
        {7000000, 7000050, 15, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CTuningDialLayout::FindTickRow(c.to - c.from, c.maxDivisions), c.row) << c.from << "-" << c.to;
    }
    EXPECT_EQ(CTuningDialLayout::kTickTable[4].nMajor, 20000u);
    EXPECT_EQ(CTuningDialLayout::kTickTable[4].nMinor, 5000u);
}

TEST(TuningDialLayout, LabelsAreMegahertzWithoutTrailingZeros)
{
    EXPECT_EQ(CTuningDialLayout::LabelText(7100000), "7.1");
    EXPECT_EQ(CTuningDialLayout::LabelText(7000000), "7.0");
    EXPECT_EQ(CTuningDialLayout::LabelText(14070000), "14.07");
    EXPECT_EQ(CTuningDialLayout::LabelText(145612500), "145.6125");
    EXPECT_EQ(CTuningDialLayout::LabelText(100000), "0.1");
}

TEST(TuningDialLayout, FortyMetreRowHasTwentyKilohertzLabelsAndFiveKilohertzMinors)
{
    CBandPlan plan = singleBand(7000000, 7200000);
    CTuningDialLayout layout;
    CTuningDialLayout::Options o;
    const auto d = layout.Layout(plan, QSize(460, 120), 7050000, QString(), o, fixedMetrics(), {});
    ASSERT_FALSE(d.bEmpty);
    EXPECT_EQ(labelTexts(d), QStringList({"7.0", "7.2", "7.02", "7.04", "7.06", "7.08", "7.1", "7.12", "7.14",
                                          "7.16", "7.18"}));
    const CBandPlanEntry* e = plan.GetEntry(0);
    ASSERT_TRUE(e->GetVisible());
    const RECT bar = e->GetBarRect();
    const int L = bar.bottom - bar.top;
    // Minor ticks every 5 kHz: 39 of them over 200 kHz (they fall on major positions too).
    EXPECT_EQ(tickXs(d, bar.top, L / 2).size(), 39u);
    // Every tick and label is a mark tuning to its exact frequency.
    std::vector<uint32_t> marked;
    for (const CBandRect& m : e->GetMarks())
        marked.push_back(m.nFrequency);
    EXPECT_NE(std::find(marked.begin(), marked.end(), 7005000u), marked.end());
    EXPECT_NE(std::find(marked.begin(), marked.end(), 7140000u), marked.end());

    // The options preview's 8 divisions: 50 kHz labels.
    CTuningDialLayout preview;
    o.nMaxDivisions = 8;
    const auto d8 = preview.Layout(plan, QSize(460, 120), 7050000, QString(), o, fixedMetrics(), {});
    EXPECT_EQ(labelTexts(d8), QStringList({"7.0", "7.2", "7.05", "7.1", "7.15"}));
}

TEST(TuningDialLayout, WideRowHasOnlyItsEnds)
{
    CBandPlan plan = singleBand(100000, 470000000);
    CTuningDialLayout layout;
    const auto d = layout.Layout(plan, QSize(2060, 120), 145000000, QString(), {}, fixedMetrics(), {});
    EXPECT_EQ(labelTexts(d), QStringList({"0.1", "470.0"}));
    // The click arithmetic needs more than 32 bits here: 46 999 990 tens of Hz x 2000 pixels.
    const RECT bar = plan.GetEntry(0)->GetBarRect();
    ASSERT_EQ(bar.right - bar.left, 2000);
    EXPECT_EQ(CTuningDialLayout::ClickFrequency(100000, 470000000, bar.left + 1999, bar.left, 2000), 469765050u);
    EXPECT_EQ(CTuningDialLayout::FrequencyOffset(469765050, 100000, 470000000, 2000), 1999);
}

TEST(TuningDialLayout, ClicksTuneToTicksExactlyAndElsewhereRoundDown)
{
    CBandPlan plan = singleBand(7000000, 7200000);
    CTuningDialLayout layout;
    layout.Layout(plan, QSize(460, 120), 7050000, QString(), {}, fixedMetrics(), {});
    const CBandPlanEntry* e = plan.GetEntry(0);
    const RECT bar = e->GetBarRect();
    const int width = bar.right - bar.left;
    // The 7.02 tick lies at width / 10.
    const int tickX = bar.left + width / 10;
    EXPECT_EQ(CTuningDialLayout::HitTest(plan, QPoint(tickX, bar.top + (bar.bottom - bar.top) / 2)), 7020000u);
    // Between ticks: proportional, whole tens of Hz, rounded down.
    const int x = bar.left + 13;
    const QPoint between(x, e->GetLabelRect().top - 1);
    ASSERT_EQ(e->HitTest(between), 0u);
    const uint32_t f = CTuningDialLayout::HitTest(plan, between);
    EXPECT_EQ(f, uint32_t((700000 + 20000LL * 13 / width) * 10));
    EXPECT_EQ(f % 10, 0u);
    EXPECT_EQ(CTuningDialLayout::HitTest(plan, QPoint(2, 2)), 0u);
}

TEST(TuningDialLayout, DegeneratePlansDoNotDivideByZero)
{
    CTuningDialLayout layout;
    // A row narrower than 100 Hz (and one narrower than 10 Hz).
    for (uint32_t span : {50u, 5u}) {
        CBandPlan plan = singleBand(7000000, 7000000 + span);
        const auto d = layout.Layout(plan, QSize(400, 100), 7000002, QString(), {}, fixedMetrics(), {});
        EXPECT_FALSE(d.bEmpty);
        const RECT bar = plan.GetEntry(0)->GetBarRect();
        EXPECT_GE(CTuningDialLayout::HitTest(plan, QPoint(bar.left + 100, bar.top + 1)), 7000000u);
        EXPECT_EQ(CTuningDialLayout::FrequencyOffset(7000002, 7000000, 7000000 + span, 340) >= 0, true);
    }
    // Every band hidden: no rows at all.
    CBandPlan hidden;
    hidden.AddBand("a", 1800000, 2000000, 1, 0);
    hidden.AddBand("b", 3500000, 3800000, 1, 0);
    const auto d = layout.Layout(hidden, QSize(400, 100), 1900000, "T", {}, fixedMetrics(), {});
    EXPECT_TRUE(d.lines.empty());
    EXPECT_EQ(CTuningDialLayout::HitTest(hidden, QPoint(100, 30)), 0u);
    // A window too small for the inner area.
    CBandPlan plan = singleBand(7000000, 7200000);
    EXPECT_TRUE(layout.Layout(plan, QSize(10, 10), 7000000, QString(), {}, fixedMetrics(), {}).lines.empty());
}

TEST(TuningDialLayout, LongPlanScrollsTheCurrentBandIntoViewAndForgetsHiddenRows)
{
    CSettings s;
    CBandPlan plan;
    plan.BuildStandard(1, s);  // 12 bands: 70cm first, 160m last
    CTuningDialLayout layout;
    CTuningDialLayout::Options o;
    o.bRowHeightLimit = true;
    const auto metrics = fixedMetrics();
    // Inner height 300 - 12 - 16 = 272; rows at most 8 x 12 = 96 and at least 36 high: 272 / 36 = 7 rows.
    auto d = layout.Layout(plan, QSize(400, 300), 3600000, QString(), o, metrics, {});
    // 80 m is drawable row 10: centred the first time, then held at the end.
    EXPECT_EQ(layout.m_nFirstVisibleRow, 5);
    EXPECT_FALSE(d.bFirstRowShown);
    EXPECT_TRUE(d.bLastRowShown);
    EXPECT_FALSE(plan.GetEntry(0)->GetVisible());
    EXPECT_TRUE(plan.GetEntry(10)->GetVisible());
    // The 70 cm row is not drawn, so nothing can hit it.
    EXPECT_TRUE(plan.GetEntry(0)->GetMarks().empty());
    EXPECT_EQ(plan.GetEntry(0)->GetClickRect(), RECT{});

    // Tuning to 70 cm brings it to the top.
    d = layout.Layout(plan, QSize(400, 300), 435000000, QString(), o, metrics, {});
    EXPECT_EQ(layout.m_nFirstVisibleRow, 0);
    EXPECT_TRUE(d.bFirstRowShown);
    EXPECT_FALSE(d.bLastRowShown);
    // The 160 m row scrolled out keeps no marks from the earlier pass.
    EXPECT_TRUE(plan.GetEntry(11)->GetMarks().empty());
    const RECT bar = plan.GetEntry(0)->GetBarRect();
    EXPECT_EQ(CTuningDialLayout::HitTest(plan, QPoint(bar.left + 5, bar.top + 2)) / 1000000, 430u);
}

TEST(TuningDialLayout, FavouriteFlagsCloserThanThreePixelsMerge)
{
    CBandPlan plan = singleBand(7000000, 7340000);  // 340 pixels: 1 kHz per pixel
    CTuningDialLayout o1;
    CTuningDialLayout::Options o;
    o.bFaveMarkers = true;
    std::vector<DialFavourite> faves = {{7100000, "", "a", nullptr},
                                        {7102000, "", "b", nullptr},   // 2 pixels on: merged
                                        {7105000, "", "c", nullptr},   // 3 pixels on from the drawn one: shown
                                        {7500000, "", "out", nullptr}};
    const auto d = o1.Layout(plan, QSize(400, 120), 7000000, QString(), o, fixedMetrics(), faves);
    ASSERT_EQ(d.flags.size(), 2u);
    EXPECT_EQ(d.flags[0].nFavourite, 0);
    EXPECT_EQ(d.flags[1].nFavourite, 2);
    EXPECT_EQ(d.flags[1].x - d.flags[0].x, 5);
    QPoint anchor;
    EXPECT_EQ(o1.FavouriteAt(QPoint(d.flags[1].x, d.flags[1].y0 - 4), &anchor), 2);
    EXPECT_EQ(anchor, QPoint(d.flags[1].x, d.flags[1].baseline));
    EXPECT_EQ(o1.FavouriteAt(QPoint(d.flags[1].x, d.flags[1].y0 + 3)), -1);
}

class TuningDialWidget : public ::testing::Test {
protected:
    SettingsGuard guard;
    QWidget parent;
    CTuningDial* dial = nullptr;
    void SetUp() override
    {
        GetSettings().m_bTuningDialHideScanning = 1;
        GetSettings().m_bTuningDialHighlightBand = 1;
        GetSettings().m_bFaveMarkers = 0;
        dial = new CTuningDial(&parent);
        dial->resize(500, 200);
        CBandPlan plan;
        plan.BuildStandard(4, GetSettings());  // 160m, 80m, 40m
        dial->SetBandPlan(plan);
        dial->SetTitle("Options");
        dial->Rebuild();
        dial->SetFrequency(3650000, false);
    }
};

TEST_F(TuningDialWidget, LineAndArrowsFollowTheFrequencyAndHideWhileScanning)
{
    EXPECT_TRUE(dial->IsMarkerDrawn());
    EXPECT_EQ(dial->GetMarkerEntry(), 1);
    const RECT bar = dial->GetBandPlan().GetEntry(1)->GetBarRect();
    EXPECT_EQ(dial->GetMarkerRect().left(), bar.left + (bar.right - bar.left) / 2);
    EXPECT_LT(dial->GetRightArrowRect().right(), bar.left);
    EXPECT_GT(dial->GetLeftArrowRect().left(), bar.right);
    const QImage image = dial->Render();
    EXPECT_EQ(fromQColor(image.pixelColor(dial->GetMarkerRect().left(), dial->GetMarkerRect().center().y())),
              GetSettings().m_colTuningDialSliderColour);

    dial->SetFrequency(3650000, true);
    EXPECT_FALSE(dial->IsMarkerDrawn());
    EXPECT_EQ(dial->GetMarkerEntry(), -1);
    EXPECT_TRUE(dial->IsScanning());

    GetSettings().m_bTuningDialHideScanning = 0;
    dial->SetFrequency(7050000, true);
    EXPECT_TRUE(dial->IsMarkerDrawn());
    EXPECT_EQ(dial->GetMarkerEntry(), 2);
}

TEST_F(TuningDialWidget, KeysStepBandsAndTuneToEdges)
{
    QSignalSpy tune(dial, &CTuningDial::tuneRequested);
    QSignalSpy edge(dial, &CTuningDial::frequencyRequested);
    dial->OnKey(Qt::Key_Home);
    dial->OnKey(Qt::Key_End);
    ASSERT_EQ(edge.size(), 2);
    EXPECT_EQ(edge[0][0].toUInt(), 3500000u);
    EXPECT_EQ(edge[1][0].toUInt(), 3800000u);

    dial->OnKey(Qt::Key_PageDown);
    ASSERT_EQ(tune.size(), 1);
    EXPECT_TRUE(dial->GetBandPlan().GetEntry(2)->Contains(tune[0][0].toUInt()));
    dial->OnKey(Qt::Key_PageUp);
    ASSERT_EQ(tune.size(), 2);
    EXPECT_TRUE(dial->GetBandPlan().GetEntry(0)->Contains(tune[1][0].toUInt()));

    // Page Up on the first entry and Page Down on the last do nothing.
    dial->SetFrequency(1900000);
    dial->OnKey(Qt::Key_PageUp);
    dial->SetFrequency(7050000);
    dial->OnKey(Qt::Key_PageDown);
    EXPECT_EQ(tune.size(), 2);
}

TEST_F(TuningDialWidget, MouseTunesOpensBandsAndFineTuning)
{
    parent.show();
    QSignalSpy tune(dial, &CTuningDial::tuneRequested);
    QSignalSpy bands(dial, &CTuningDial::bandsCommand);
    QSignalSpy fine(dial, &CTuningDial::fineTuningCommand);
    const RECT bar = dial->GetBandPlan().GetEntry(2)->GetBarRect();
    QTest::mouseClick(dial, Qt::LeftButton, {}, QPoint(bar.left, bar.top + 3));
    ASSERT_EQ(tune.size(), 1);
    EXPECT_EQ(tune[0][0].toUInt(), 7000000u);
    QTest::mouseClick(dial, Qt::LeftButton, {}, dial->GetTitleRect().center());
    EXPECT_EQ(bands.size(), 1);
    QTest::mouseDClick(dial, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(fine.size(), 1);
}

namespace {
class MessageCatcher : public QObject {
public:
    QList<intptr_t> drawBands;
    QList<intptr_t> favourites;
    bool event(QEvent* e) override
    {
        if (auto* m = CRegisteredEvent::As(e, RegisteredMessage::nMsgDrawBands)) {
            drawBands << m->lParam();
            return true;
        }
        if (auto* m = CRegisteredEvent::As(e, RegisteredMessage::nMsgFavourite)) {
            favourites << m->lParam();
            return true;
        }
        return QObject::event(e);
    }
};
} // namespace

TEST_F(TuningDialWidget, PostsBandRowsAndFavourites)
{
    // The parent hears which ends of the plan are on show.
    QWidget owner;
    auto* d2 = new CTuningDial(&owner);
    MessageCatcher catcher;
    struct Filter : QObject {
        MessageCatcher* c;
        bool eventFilter(QObject*, QEvent* e) override { return c->event(e); }
    } filter;
    filter.c = &catcher;
    owner.installEventFilter(&filter);

    static int entryA = 1;
    GetSettings().m_bFaveMarkers = 1;
    CTuningDial::SetFavouritesSource([] { return std::vector<DialFavourite>{{3600000, "Nets", "Net", &entryA}}; });
    d2->resize(500, 200);
    CBandPlan plan;
    plan.BuildStandard(4, GetSettings());
    d2->SetBandPlan(plan);
    d2->SetViewWindow(&catcher);
    d2->Rebuild();
    QCoreApplication::processEvents();
    ASSERT_FALSE(catcher.drawBands.isEmpty());
    EXPECT_EQ(catcher.drawBands.last(), 3);

    ASSERT_EQ(d2->GetDrawing().flags.size(), 1u);
    const auto flag = d2->GetDrawing().flags[0];
    owner.show();
    ASSERT_EQ(d2->GetLayout().FavouriteAt(QPoint(flag.x, flag.y0 - 4)), 0);
    QTest::mouseClick(d2, Qt::LeftButton, {}, QPoint(flag.x, flag.y0 - 4));
    QCoreApplication::processEvents();
    ASSERT_EQ(catcher.favourites.size(), 1);
    EXPECT_EQ(catcher.favourites[0], intptr_t(&entryA));
    CTuningDial::SetFavouritesSource(nullptr);
}
