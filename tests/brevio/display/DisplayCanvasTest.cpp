#include "brevio/display/DisplayCanvas.h"
#include "brevio/display/DisplayCanvasBar.h"

#include "brevio/core/PSK31Settings.h"
#include "brevio/core/RegisteredMessages.h"
#include "brevio/core/stub/ScriptedDspControl.h"
#include "shared/FontFactory.h"
#include "shared/RegisteredEvent.h"
#include "brevio/display/CanvasHost.h"
#include "support/TestEnvironment.h"

#include <QMainWindow>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

COLORREF TestColour(int i) { return RGB(i, 255 - i, (i * 3) & 0xFF); }

class DisplayCanvasTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CurrentSettings().SetDefaults();
        for (int i = 0; i < 256; ++i)
            CurrentSettings().SetColour(i, TestColour(i));
        ASSERT_TRUE(m_dsp.IsLoaded());
    }
    void TearDown() override { CurrentSettings().SetDefaults(); }

    // A canvas as its host makes it: options first, then its size.
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

    // Spectrum values on the 0-255 scale for every bin.
    void Spectrum(const std::function<int(int)>& value)
    {
        std::vector<int> v(2058);
        for (int b = 0; b < 2058; ++b)
            v[size_t(b)] = value(b);
        m_dsp.SetSpectrum(v);
    }

    static QRgb Palette(int v) { return toQColor(TestColour(std::clamp(v, 0, 255))).rgb(); }

    testsupport::ScriptedDsp m_dsp{DSP_SCRIPTED};
};

int CountColour(const QImage& image, const QRect& rect, QRgb colour)
{
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            n += image.pixel(x, y) == colour ? 1 : 0;
    return n;
}

} // namespace

TEST_F(DisplayCanvasTest, WaterfallLineShowsThePaletteColoursOfTheSpectrum)
{
    CurrentSettings().SetDisplaySpectrum(0);
    auto canvas = MakeCanvas(600, 200);
    ASSERT_FALSE(canvas->IsVertical());
    // Values below 0 and above 255 included.
    auto value = [](int b) { return (b * 7) % 300 - 20; };
    Spectrum(value);
    canvas->OnFFTReady();

    // The modem was asked for waterfall values of the display range's bins.
    ASSERT_GE(m_dsp.FftModeCount(), 1);
    EXPECT_EQ(m_dsp.FftMode(0, 0), 1);
    EXPECT_EQ(m_dsp.FftMode(0, 1), 255);
    EXPECT_EQ(m_dsp.FftMode(0, 2), 10);
    EXPECT_EQ(m_dsp.LastFirstBin(), 25);
    EXPECT_EQ(m_dsp.LastLastBin(), 768);

    const QImage* frame = canvas->GetFrame();
    ASSERT_NE(frame, nullptr);
    const QRect plot = canvas->GetPlotRect();
    EXPECT_EQ(frame->size(), plot.size());
    const CBinMap& map = canvas->GetBinMap();
    ASSERT_EQ(map.size(), plot.width() + 1);
    const QImage shown = canvas->Grab();
    for (int i = 0; i < frame->width(); ++i) {
        ASSERT_EQ(frame->pixel(i, 0), Palette(value(int(map[i])))) << "column " << i;
        ASSERT_EQ(shown.pixel(plot.left() + i, plot.top()), frame->pixel(i, 0));
    }
    // Older rows are the cleared picture.
    EXPECT_EQ(frame->pixel(10, 1), qRgb(0, 0, 0));
}

TEST_F(DisplayCanvasTest, VerticalWaterfallHasTheHighestFrequencyOnTopAndScrollsRight)
{
    CurrentSettings().SetDisplaySpectrum(0);
    auto canvas = MakeCanvas(220, 500);
    ASSERT_TRUE(canvas->IsVertical());
    const CBinMap& map = canvas->GetBinMap();
    for (int frame = 1; frame <= 3; ++frame) {
        Spectrum([frame](int b) { return b / 4 + frame; });
        canvas->OnFFTReady();
    }
    const QImage* frame = canvas->GetFrame();
    ASSERT_NE(frame, nullptr);
    const int n = map.size();
    for (int i = 0; i < frame->height(); i += 37) {
        const int bin = int(map[n - 1 - i]);
        EXPECT_EQ(frame->pixel(0, i), Palette(bin / 4 + 3)) << i;
        EXPECT_EQ(frame->pixel(1, i), Palette(bin / 4 + 2)) << i;
        EXPECT_EQ(frame->pixel(2, i), Palette(bin / 4 + 1)) << i;
        EXPECT_EQ(frame->pixel(3, i), qRgb(0, 0, 0)) << i;
    }
    // The top row is the strongest here: the highest frequency.
    EXPECT_EQ(frame->pixel(0, 0), Palette(int(map[n - 1]) / 4 + 3));

    // A clear starts the next frame on an empty picture.
    canvas->RequestClear();
    canvas->OnFFTReady();
    EXPECT_EQ(canvas->GetFrame()->pixel(1, 10), qRgb(0, 0, 0));
}

TEST_F(DisplayCanvasTest, SpectrumStripIsDrawnOverTheWaterfallAndDoesNotScrollIntoIt)
{
    auto canvas = MakeCanvas(600, 300);  // defaults: strip 35 %, grid on
    Spectrum([](int) { return 128; });
    canvas->OnFFTReady();
    const QImage first = *canvas->GetFrame();
    const int w = first.width();
    const int h = first.height();
    const QRect strip(0, h * 65 / 100, w, h - h * 65 / 100);
    const QRgb green = qRgb(0, 255, 0);
    const QRgb grey = qRgb(128, 128, 128);
    const int nGreen = CountColour(first, strip, green);
    EXPECT_GT(nGreen, w / 2);
    EXPECT_GT(CountColour(first, strip, grey), 0);
    EXPECT_EQ(first.pixel(5, 0), Palette(128));
    // The strip trace asked for values scaled to the strip height.
    EXPECT_EQ(m_dsp.FftMode(1, 1), strip.height());

    canvas->OnFFTReady();
    const QImage second = *canvas->GetFrame();
    EXPECT_EQ(CountColour(second, strip, green), nGreen);
    EXPECT_EQ(second.pixel(5, 1), Palette(128));
    EXPECT_EQ(CountColour(second, QRect(0, 0, w, strip.top()), green), 0);

    // Without the grid option the strip has no grid lines.
    CurrentSettings().SetDisplayGrid(0);
    canvas->OnFFTReady();
    EXPECT_EQ(CountColour(*canvas->GetFrame(), strip, grey), 0);
}

TEST_F(DisplayCanvasTest, SpectrumModeDrawsTheTraceOnABlackGrid)
{
    CurrentSettings().SetDisplayMode(1);
    CurrentSettings().SetDisplayBack(RGB(0, 0, 80));  // the spectrum stays black regardless
    CurrentSettings().SetDisplayGrid(0);               // and its grid is always drawn
    auto canvas = MakeCanvas(600, 300);
    Spectrum([](int b) { return b >= 300 && b < 310 ? 255 : 51; });
    canvas->OnFFTReady();
    const QImage* frame = canvas->GetFrame();
    ASSERT_NE(frame, nullptr);
    const int h = frame->height();
    EXPECT_EQ(m_dsp.FftMode(0, 1), h);
    EXPECT_EQ(frame->pixel(frame->width() / 2 + 3, h * 30 / 100), qRgb(128, 128, 128));
    EXPECT_EQ(frame->pixel(frame->width() / 2 + 3, h * 30 / 100 + 3), qRgb(0, 0, 0));
    // The trace runs at h - value for most of the width, and peaks near the top.
    EXPECT_GT(CountColour(*frame, QRect(0, h - h * 51 / 255 - 1, frame->width(), 3), qRgb(0, 255, 0)), 100);
    EXPECT_GT(CountColour(*frame, QRect(0, 0, frame->width(), 2), qRgb(0, 255, 0)), 0);
}

TEST_F(DisplayCanvasTest, RawViewDrawsOnlyTheSamplesItHasAndTurnsRedOnOverload)
{
    CurrentSettings().SetDisplayMode(2);
    auto canvas = MakeCanvas(2300, 160);
    const QImage* frame = nullptr;
    m_dsp.SetRaw(std::vector<int>(2058, 0));
    m_dsp.SetResults(0, 1);
    canvas->OnFFTReady();
    frame = canvas->GetFrame();
    ASSERT_NE(frame, nullptr);
    ASSERT_GT(frame->width(), 2058);
    EXPECT_EQ(m_dsp.RawCount(), 2058);
    EXPECT_EQ(m_dsp.FftMode(0, 1), 255);
    EXPECT_EQ(m_dsp.FftMode(0, 2), 1);
    const int mid = frame->height() / 2;
    EXPECT_EQ(frame->pixel(1000, mid), qRgb(255, 255, 0));  // one overloaded result: still yellow
    EXPECT_EQ(frame->pixel(2057, mid), qRgb(255, 255, 0));
    // Beyond the last sample there is nothing to draw.
    const QRect beyond(2059, 0, frame->width() - 2059, frame->height());
    EXPECT_EQ(CountColour(*frame, beyond, qRgb(255, 255, 0)) + CountColour(*frame, beyond, qRgb(255, 0, 0)), 0);
    canvas->OnFFTReady();
    EXPECT_EQ(canvas->GetFrame()->pixel(1000, mid), qRgb(255, 0, 0));  // two in a row: red

    // A narrow canvas asks for as many samples as it has columns.
    auto small = MakeCanvas(300, 160);
    small->OnFFTReady();
    EXPECT_EQ(m_dsp.RawCount(), small->GetPlotRect().width());

    // Vertical: red as soon as the last result is nonzero.
    auto tall = MakeCanvas(160, 400);
    m_dsp.SetResults(0, 0);
    tall->OnFFTReady();
    m_dsp.SetResults(0, 1);
    tall->OnFFTReady();
    const QImage* v = tall->GetFrame();
    EXPECT_EQ(m_dsp.RawCount(), tall->GetPlotRect().height());
    EXPECT_EQ(v->pixel(v->width() / 2, 100), qRgb(255, 0, 0));
}

TEST_F(DisplayCanvasTest, OptionsNormaliseTheRangeAndRebuildOnlyOnChange)
{
    CurrentSettings().SetDisplayMin(1500);
    CurrentSettings().SetDisplayMax(1500);
    auto canvas = MakeCanvas(600, 200);
    EXPECT_EQ(canvas->GetLow(), 1500);
    EXPECT_EQ(canvas->GetHigh(), 1600);

    CurrentSettings().SetDisplayMin(3000);
    CurrentSettings().SetDisplayMax(100);
    canvas->OnOptions(0, 0);
    EXPECT_EQ(canvas->GetLow(), 100);
    EXPECT_EQ(canvas->GetHigh(), 3000);

    canvas->OnFFTReady();
    ASSERT_NE(canvas->GetFrame(), nullptr);
    // Only the background changed: nothing is rebuilt, the history stays.
    CurrentSettings().SetDisplayBack(RGB(20, 20, 20));
    SendRegisteredMessage(canvas.get(), RegisteredMessage::nMsgOptions, 0, 0);
    EXPECT_NE(canvas->GetFrame(), nullptr);
    // lParam 1 rebuilds.
    SendRegisteredMessage(canvas.get(), RegisteredMessage::nMsgOptions, 0, 1);
    EXPECT_EQ(canvas->GetFrame(), nullptr);
    // A font change rebuilds too.
    canvas->OnFFTReady();
    CurrentSettings().SetDisplayFont(QStringLiteral("Courier New,12,1,0"));
    canvas->OnOptions(0, 0);
    EXPECT_EQ(canvas->GetFrame(), nullptr);
    EXPECT_TRUE(canvas->GetDisplayFont().bold());
    EXPECT_EQ(canvas->GetDisplayFont(), CFontFactory(canvas.get()).CreatePointFont(QStringLiteral("Courier New"), 12, true, false));
    // A description without a size still gives a readable font.
    CurrentSettings().SetDisplayFont(QStringLiteral("Courier New"));
    canvas->OnOptions(0, 0);
    EXPECT_EQ(canvas->GetDisplayFont(), CFontFactory(canvas.get()).CreatePointFont(QStringLiteral("Courier New"), 8, false, false));
}

TEST_F(DisplayCanvasTest, GeometryOrientationAndSceneSize)
{
    auto canvas = MakeCanvas(600, 300);
    EXPECT_TRUE(canvas->IsTimerRunning());
    EXPECT_EQ(canvas->GetScene().size(), QSize(600, 300));
    canvas->resize(400, 200);
    QCoreApplication::processEvents();
    EXPECT_EQ(canvas->GetScene().size(), QSize(600, 300));  // never shrinks
    canvas->resize(700, 250);
    QCoreApplication::processEvents();
    EXPECT_EQ(canvas->GetScene().size(), QSize(700, 250));  // grows to the client exactly

    canvas->resize(300, 300);
    QCoreApplication::processEvents();
    EXPECT_FALSE(canvas->IsVertical());  // a square is horizontal
    canvas->resize(299, 300);
    QCoreApplication::processEvents();
    EXPECT_TRUE(canvas->IsVertical());

    auto browser = MakeCanvas(600, 200, true);
    EXPECT_TRUE(browser->IsVertical());
    // The browser canvas has no marker strip while no transmit panel is shown.
    EXPECT_LT(browser->GetScale().GetScaleLine(), canvas->GetScale().GetScaleLine());
    // Its frames are waterfalls, whatever the display mode.
    CurrentSettings().SetDisplayMode(1);
    Spectrum([](int) { return 200; });
    browser->OnFFTReady();
    EXPECT_EQ(browser->GetFrame()->pixel(0, 5), Palette(200));
}

TEST_F(DisplayCanvasTest, RealFrequencyScaleFollowsTheDial)
{
    testsupport::CanvasHost host;
    host.m_nDial = 14070000;
    CurrentSettings().SetDisplayRealFrequency(1);
    CurrentSettings().SetDisplayMin(150);
    CurrentSettings().SetDisplayMax(2950);
    auto canvas = MakeCanvas(900, 200);
    const auto& ticks = canvas->GetScale().GetTicks();
    ASSERT_FALSE(ticks.empty());
    EXPECT_EQ(ticks.front().nFrequency, 14070100);
    EXPECT_EQ(ticks.front().strLabel, QStringLiteral("14.070.10"));
    EXPECT_EQ(ticks.back().nFrequency, 14073000);
    // The rows still follow the audio range exactly.
    EXPECT_EQ(canvas->GetLow(), 150);
    EXPECT_EQ(canvas->GetHigh(), 2950);

    host.m_nDial = 0;
    canvas->OnOptions(0, 1);
    EXPECT_EQ(canvas->GetScale().GetTicks().front().nFrequency, 100);
    EXPECT_EQ(canvas->GetScale().GetTicks().back().nFrequency, 3000);
}

TEST_F(DisplayCanvasTest, OverloadLowersTheInputLevelsWhenAsked)
{
    testsupport::CanvasHost host;
    CurrentSettings().SetOverloadAdjust(1);
    auto canvas = MakeCanvas(600, 200);
    m_dsp.SetResults(1, 0);
    canvas->OnFFTReady();
    EXPECT_TRUE(host.m_volume.empty());  // one overloaded frame is not enough
    canvas->OnFFTReady();
    EXPECT_TRUE(canvas->IsOverloaded());
    ASSERT_EQ(host.m_volume.size(), 1u);
    EXPECT_EQ(host.m_volume[0], 1);
    CurrentSettings().SetOverloadAdjust(0);
    canvas->OnFFTReady();
    EXPECT_EQ(host.m_volume.size(), 1u);
}

TEST_F(DisplayCanvasTest, BarCarriesTheCanvasOverItsWholeClientArea)
{
    QMainWindow main;
    main.setCentralWidget(new QWidget);
    auto* bar = new CDisplayCanvasBar;
    ASSERT_TRUE(bar->Create(QStringLiteral("Display"), &main, 59426));
    // Without a main window there is no bar.
    CDisplayCanvasBar orphan;
    EXPECT_FALSE(orphan.Create(QStringLiteral("Display"), nullptr, 59426));
    EXPECT_EQ(bar->windowTitle(), QStringLiteral("Display"));
    EXPECT_EQ(bar->property("controlId").toInt(), 59426);
    EXPECT_EQ(bar->GetBarStyle() & 0x30u, 0x30u);
    CDisplayCanvas* canvas = bar->GetCanvas();
    ASSERT_NE(canvas, nullptr);
    EXPECT_EQ(canvas->windowTitle(), QStringLiteral("Display Canvas"));
    EXPECT_EQ(canvas->property("controlId").toInt(), 102);
    main.addDockWidget(Qt::BottomDockWidgetArea, bar);
    PostRegisteredMessage(canvas, RegisteredMessage::nMsgOptions, 0, 0);
    main.resize(800, 600);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    main.resizeDocks({bar}, {200}, Qt::Vertical);
    QTest::qWait(50);
    EXPECT_EQ(canvas->size(), bar->widget()->size());
    SCOPED_TRACE(testing::Message() << canvas->width() << "x" << canvas->height());
    EXPECT_EQ(canvas->GetLow(), 100);
    EXPECT_EQ(canvas->GetHigh(), 3000);
    EXPECT_FALSE(canvas->IsVertical());

    // Docked at the side and taller than wide: frequency vertical.
    main.removeDockWidget(bar);
    main.addDockWidget(Qt::LeftDockWidgetArea, bar);
    bar->show();
    main.resizeDocks({bar}, {150}, Qt::Horizontal);
    QTest::qWait(50);
    SCOPED_TRACE(testing::Message() << canvas->width() << "x" << canvas->height());
    EXPECT_EQ(canvas->size(), bar->widget()->size());
    EXPECT_TRUE(canvas->IsVertical());
}
