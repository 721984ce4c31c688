#include "brevio/display/DisplayCanvas.h"

#include "brevio/core/PSK31Settings.h"
#include "brevio/core/stub/ScriptedDspControl.h"
#include "brevio/display/CanvasHost.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QFontMetrics>
#include <QTimer>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class CanvasMarkersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CurrentSettings().SetDefaults();
        ASSERT_TRUE(m_dsp.IsLoaded());
        m_dsp.SetRxFrequency(0, 1000);
        m_dsp.SetRxFrequency(1, 1500);
        m_dsp.SetRxFrequency(2, 2000);
        m_dsp.SetRxFrequency(3, 4000);  // outside the display range
    }
    void TearDown() override { CurrentSettings().SetDefaults(); }

    std::unique_ptr<CDisplayCanvas> MakeCanvas(int w, int h, bool bBrowser = false)
    {
        auto canvas = std::make_unique<CDisplayCanvas>();
        if (bBrowser)
            canvas->SetBrowserMode();
        canvas->OnOptions(0, 0);
        canvas->resize(w, h);
        canvas->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(canvas.get()));
        return canvas;
    }

    // The audio frequency a click at column x of a horizontal canvas tunes.
    static int FrequencyAtColumn(const CDisplayCanvas& c, int x)
    {
        return c.GetLow() + (x + 1 - c.GetPlotStart()) * (c.GetHigh() - c.GetLow()) / (c.GetPlotEnd() - c.GetPlotStart());
    }

    static QRgb FillColour(const CDisplayCanvas& c, int nId)
    {
        const QRect fill = c.GetMarkers().GetBox(nId).adjusted(2, 2, -2, -2);
        return c.GetScene().pixel(fill.topLeft());
    }

    testsupport::ScriptedDsp m_dsp{DSP_SCRIPTED};
    testsupport::CanvasHost m_host;
};

} // namespace

TEST_F(CanvasMarkersTest, EveryVisibleChannelInRangeHasItsBox)
{
    m_host.Open(3);
    m_host.Open(2);
    m_host.Open(1);
    m_host.Open(0);  // the active one
    auto canvas = MakeCanvas(800, 200);
    const CMarkerLayout& markers = canvas->GetMarkers();
    for (int n = 0; n < 3; ++n)
        EXPECT_FALSE(markers.GetBox(n).isEmpty()) << n;
    EXPECT_TRUE(markers.GetBox(3).isEmpty());   // tuned outside low..high
    EXPECT_TRUE(markers.GetBox(CMarkerLayout::kCentre).isEmpty());

    // Placed at the exact frequency along the axis.
    const int x0 = canvas->GetPlotStart() + (canvas->GetPlotEnd() - canvas->GetPlotStart()) * (1000 - 100) / 2900;
    EXPECT_EQ(markers.GetBox(0).center().x(), x0 - canvas->GetMarkerBoxSize() / 2 + (canvas->GetMarkerBoxSize() - 1) / 2);
    // The active channel red, the others grey.
    EXPECT_EQ(FillColour(*canvas, 0), qRgb(128, 0, 0));
    EXPECT_EQ(FillColour(*canvas, 1), qRgb(128, 128, 128));
    EXPECT_EQ(FillColour(*canvas, 2), qRgb(128, 128, 128));
    // A leader line runs from the box down to the plot.
    const QRect box = markers.GetBox(0);
    int nWhite = 0;
    for (int y = box.bottom() + 1; y < canvas->GetPlotRect().top(); ++y)
        for (int x = box.left(); x <= x0 + 1; ++x)
            nWhite += canvas->GetScene().pixel(x, y) == qRgb(255, 255, 255) ? 1 : 0;
    EXPECT_GT(nWhite, 0);

    // Hiding a channel and retuning another show at the next refresh tick.
    m_host.Hide(2);
    m_dsp.SetRxFrequency(1, 2500);
    canvas->OnTimer();
    EXPECT_TRUE(markers.GetBox(2).isEmpty());
    const int x1 = canvas->GetPlotStart() + (canvas->GetPlotEnd() - canvas->GetPlotStart()) * (2500 - 100) / 2900;
    EXPECT_NEAR(markers.GetBox(1).center().x(), x1, 1);
}

TEST_F(CanvasMarkersTest, SameFrequencyBoxesMoveApartAndTheCentreMarkerShows)
{
    m_dsp.SetRxFrequency(1, 1000);
    m_host.Open(1);
    m_host.Open(0);
    m_host.m_bCentreBar = true;
    m_host.m_nCentre = 1500;
    m_host.m_nDial = 14070000;
    auto canvas = MakeCanvas(250, 600);  // vertical
    ASSERT_TRUE(canvas->IsVertical());
    const CMarkerLayout& markers = canvas->GetMarkers();
    const QRect b0 = markers.GetBox(0);
    const QRect b1 = markers.GetBox(1);
    ASSERT_FALSE(b0.isEmpty());
    ASSERT_FALSE(b1.isEmpty());
    EXPECT_FALSE(b0.intersects(b1));
    EXPECT_EQ(b1.top(), b0.top() - b0.height());  // moved up just clear
    const QRect centre = markers.GetBox(CMarkerLayout::kCentre);
    ASSERT_FALSE(centre.isEmpty());
    EXPECT_EQ(FillColour(*canvas, CMarkerLayout::kCentre), qRgb(0, 128, 0));

    // Without a dial frequency the centre marker goes at the next tick.
    m_host.m_nDial = 0;
    canvas->OnTimer();
    EXPECT_TRUE(markers.GetBox(CMarkerLayout::kCentre).isEmpty());
    // With no active channel it is grey.
    m_host.m_nDial = 14070000;
    m_host.Hide(0);
    m_host.Hide(1);
    canvas->OnTimer();
    EXPECT_EQ(FillColour(*canvas, CMarkerLayout::kCentre), qRgb(128, 128, 128));
}

TEST_F(CanvasMarkersTest, ClickTunesTheActiveChannelToTheFrequencyUnderTheMouse)
{
    m_host.Open(0);
    m_host.Open(1);  // active
    auto canvas = MakeCanvas(800, 200);
    const QRect plot = canvas->GetPlotRect();
    const QPoint point(plot.left() + 300, plot.top() + 40);
    const int f = FrequencyAtColumn(*canvas, point.x());
    QTest::mouseClick(canvas.get(), Qt::LeftButton, {}, point);

    ASSERT_EQ(m_host.m_forms[1]->m_frequencies.size(), 1u);
    EXPECT_EQ(m_host.m_forms[1]->m_frequencies[0].first, uintptr_t(-1));
    EXPECT_EQ(m_host.m_forms[1]->m_frequencies[0].second, f);
    EXPECT_TRUE(m_host.m_forms[0]->m_frequencies.empty());
    // The channel was retuned through the binding, and its box follows.
    ASSERT_EQ(m_dsp.TuneCount(), 1);
    EXPECT_EQ(m_dsp.Tune(0, 0), f);
    EXPECT_EQ(m_dsp.Tune(0, 1), 1);
    canvas->OnTimer();
    EXPECT_NEAR(canvas->GetMarkers().GetBox(1).center().x(), point.x(), 1);

    // Just above the plot still tunes; far above it does not.
    QTest::mouseClick(canvas.get(), Qt::LeftButton, {}, QPoint(point.x(), plot.top() - 10));
    EXPECT_EQ(m_host.m_forms[1]->m_frequencies.size(), 2u);
    QTest::mouseClick(canvas.get(), Qt::LeftButton, {}, QPoint(point.x(), plot.top() - 11));
    EXPECT_EQ(m_host.m_forms[1]->m_frequencies.size(), 2u);
}

TEST_F(CanvasMarkersTest, ShiftClickOpensTheFirstHiddenChannel)
{
    m_host.Open(0);
    m_host.Open(1);
    m_host.Open(3);
    auto canvas = MakeCanvas(800, 200);
    const QPoint point(canvas->GetPlotRect().left() + 200, canvas->GetPlotRect().top() + 20);
    const int f = FrequencyAtColumn(*canvas, point.x());
    QTest::mouseClick(canvas.get(), Qt::LeftButton, Qt::ShiftModifier, point);
    EXPECT_TRUE(m_host.m_frames[2]->isVisible());
    EXPECT_EQ(m_host.m_pArea->activeSubWindow(), m_host.m_frames[2]);
    ASSERT_EQ(m_host.m_forms[2]->m_frequencies.size(), 1u);
    EXPECT_EQ(m_host.m_forms[2]->m_frequencies[0].second, f);
    EXPECT_TRUE(m_host.m_forms[3]->m_frequencies.empty());

    // With all four visible, Shift-click is a plain click on the active channel.
    QTest::mouseClick(canvas.get(), Qt::LeftButton, Qt::ShiftModifier, point + QPoint(50, 0));
    EXPECT_EQ(m_host.m_forms[2]->m_frequencies.size(), 2u);
}

TEST_F(CanvasMarkersTest, ClickWithNoChannelOpenOpensChannelOne)
{
    auto canvas = MakeCanvas(800, 200);
    const QPoint point(canvas->GetPlotRect().left() + 100, canvas->GetPlotRect().top() + 20);
    QTest::mouseClick(canvas.get(), Qt::LeftButton, {}, point);
    ASSERT_FALSE(m_host.m_activations.empty());
    EXPECT_EQ(m_host.m_activations[0], std::make_pair(0, int(CDisplayCanvasServices::kShowRestore)));
    ASSERT_EQ(m_host.m_forms[0]->m_frequencies.size(), 1u);
    EXPECT_EQ(m_dsp.Tune(0, 1), 0);
}

TEST_F(CanvasMarkersTest, ClickOnABoxActivatesOrMinimisesItsChannel)
{
    m_host.Open(0);
    m_host.Open(2);  // active
    m_host.m_bCentreBar = true;
    m_host.m_nCentre = 2600;
    m_host.m_nDial = 7035000;
    auto canvas = MakeCanvas(800, 200);
    const CMarkerLayout& markers = canvas->GetMarkers();

    // The inactive channel's box makes it the active window.
    QTest::mouseClick(canvas.get(), Qt::LeftButton, {}, markers.GetBox(0).center());
    EXPECT_EQ(m_host.m_activations.back(), std::make_pair(0, int(CDisplayCanvasServices::kShowMinimise)));
    EXPECT_EQ(m_host.m_pArea->activeSubWindow(), m_host.m_frames[0]);
    // The active channel's box minimises it, and a second click restores it.
    canvas->OnTimer();
    QTest::mouseClick(canvas.get(), Qt::LeftButton, {}, markers.GetBox(0).center());
    EXPECT_TRUE(m_host.m_frames[0]->isMinimized());
    canvas->OnTimer();
    QTest::mouseClick(canvas.get(), Qt::LeftButton, {}, markers.GetBox(0).center());
    EXPECT_FALSE(m_host.m_frames[0]->isMinimized());
    // Boxes tune nothing.
    EXPECT_TRUE(m_host.m_forms[0]->m_frequencies.empty());

    // The centre box re-centres the active channel.
    canvas->OnTimer();
    ASSERT_FALSE(markers.GetBox(CMarkerLayout::kCentre).isEmpty());
    QTest::mouseClick(canvas.get(), Qt::LeftButton, {}, markers.GetBox(CMarkerLayout::kCentre).center());
    EXPECT_EQ(m_host.m_forms[0]->m_nCentres, 1);
}

TEST_F(CanvasMarkersTest, BrowserCanvasPostsToTheSuperBrowserAndAFlatPlotTunesNothing)
{
    testsupport::SuperView view;
    m_host.m_pSuperView = &view;
    auto browser = MakeCanvas(500, 300, true);
    const QRect plot = browser->GetPlotRect();
    const int y = plot.top() + 100;
    const int f = browser->GetHigh() - (y + 1 - browser->GetTopRow()) * (browser->GetHigh() - browser->GetLow()) /
                                           (browser->GetBottomRow() - browser->GetTopRow());
    QTest::mouseClick(browser.get(), Qt::LeftButton, {}, QPoint(plot.left() + 20, y));
    QCoreApplication::sendPostedEvents(&view);
    ASSERT_EQ(view.m_frequencies.size(), 1u);
    EXPECT_EQ(view.m_frequencies[0], std::make_pair(uintptr_t(0), intptr_t(f)));
    EXPECT_TRUE(m_host.m_activations.empty());
    QTest::mouseDClick(browser.get(), Qt::LeftButton, {}, QPoint(plot.left() + 20, y));
    EXPECT_EQ(m_host.m_nRewinds, 0);

    // A plot with its top and bottom row on the same line: no frequency, no division.
    const int cy = QFontMetrics(browser->GetDisplayFont()).height();
    browser->resize(500, 2 * (cy / 2 + 1) + 1);
    QCoreApplication::processEvents();
    ASSERT_EQ(browser->GetTopRow(), browser->GetBottomRow());
    view.m_frequencies.clear();
    QTest::mouseClick(browser.get(), Qt::LeftButton, {}, QPoint(browser->GetPlotRect().left() + 5, browser->GetTopRow()));
    QCoreApplication::sendPostedEvents(&view);
    EXPECT_TRUE(view.m_frequencies.empty());
    browser->OnFFTReady();  // and a frame on it draws nothing
}

TEST_F(CanvasMarkersTest, BrowserTransmitMarker)
{
    testsupport::SuperView view;
    m_host.m_pSuperView = &view;
    m_host.m_bTxPanel = true;
    m_host.m_bTxLocked = true;
    m_host.m_nTxFrequency = 1234;
    auto browser = MakeCanvas(300, 500, true);
    const QRect tx = browser->GetMarkers().GetBox(CMarkerLayout::kTransmit);
    ASSERT_FALSE(tx.isEmpty());
    EXPECT_EQ(FillColour(*browser, CMarkerLayout::kTransmit), qRgb(150, 150, 0));
    // With the panel shown the scale leaves room for the box.
    EXPECT_GE(browser->GetScale().GetScaleLine(), browser->GetMarkerBoxSize() + 16);
    m_host.m_bTxLocked = false;
    browser->OnTimer();  // redrawn at every tick while the panel shows
    EXPECT_EQ(FillColour(*browser, CMarkerLayout::kTransmit), qRgb(128, 0, 0));
    // The browser canvas never shows channel boxes.
    m_host.Open(0);
    browser->OnTimer();
    EXPECT_TRUE(browser->GetMarkers().GetBox(0).isEmpty());
}

TEST_F(CanvasMarkersTest, CursorShowsTheChannelAClickWouldTune)
{
    m_host.Open(2);
    auto canvas = MakeCanvas(800, 200);
    const QRect plot = canvas->GetPlotRect();
    canvas->SelectCursor(QPoint(plot.left() + 50, plot.top() + 10));
    EXPECT_EQ(canvas->GetCursorKind(), 2);
    canvas->SelectCursor(QPoint(plot.left() + 50, plot.top() - 13));
    EXPECT_EQ(canvas->GetCursorKind(), -1);
    canvas->SelectCursor(QPoint(plot.left() + 50, plot.top() - 12));
    EXPECT_EQ(canvas->GetCursorKind(), 2);

    // While the Super Browser shows its transmit panel, its cursor shows here too.
    testsupport::SuperView view;
    m_host.m_pSuperView = &view;
    m_host.m_bTxPanel = true;
    canvas->SelectCursor(QPoint(plot.left() + 50, plot.top() + 10));
    EXPECT_EQ(canvas->GetCursorKind(), 4);

    // No active channel: the arrow.
    m_host.m_bTxPanel = false;
    m_host.Hide(2);
    canvas->SelectCursor(QPoint(plot.left() + 50, plot.top() + 10));
    EXPECT_EQ(canvas->GetCursorKind(), -1);

    auto browser = MakeCanvas(300, 500, true);
    browser->SelectCursor(QPoint(browser->GetPlotRect().left() + 10, 100));
    EXPECT_EQ(browser->GetCursorKind(), -1);
}

TEST_F(CanvasMarkersTest, DoubleClickRewindsAndMenuCommandsReachTheMainFrame)
{
    auto canvas = MakeCanvas(800, 200);
    QTest::mouseDClick(canvas.get(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(m_host.m_nRewinds, 1);
    canvas->OnCommand(CDisplayCanvas::ID_LAYOUT);
    canvas->OnCommand(CDisplayCanvas::ID_DATA_ANALYSIS);
    EXPECT_EQ(m_host.m_pages, (std::vector<int>{2, 3}));
    // The palette editor: the designer comes up over the main window.
    QWidget* parent = nullptr;
    QTimer::singleShot(0, [&] {
        if (auto* designer = qobject_cast<CPaletteDesigner*>(QApplication::activeModalWidget())) {
            parent = designer->parentWidget();
            designer->OnCancel();
        }
    });
    canvas->OnCommand(CDisplayCanvas::ID_PALETTE_EDITOR);
    EXPECT_EQ(m_host.m_nPaletteEditors, 1);
    EXPECT_EQ(parent, &m_host.m_main);
}

TEST(CanvasWithoutMainWindow, DrawsNoMarkersAndClicksDoNothing)
{
    CurrentSettings().SetDefaults();
    CDisplayCanvas canvas;
    canvas.OnOptions(0, 0);
    canvas.resize(600, 200);
    canvas.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&canvas));
    canvas.OnTimer();
    QTest::mouseClick(&canvas, Qt::LeftButton, {}, canvas.GetPlotRect().center());
    EXPECT_EQ(canvas.GetMarkers().HitTest(canvas.GetPlotRect().center()), -1);
}
