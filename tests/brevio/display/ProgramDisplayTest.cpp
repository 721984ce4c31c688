// The display inside the running program: the main frame creates its
// "Display" bar from the display's parts, the engine's notifications reach
// the canvas through the frame, clicks reach the channel windows, and (with
// the real engine) a wave file with two PSK31 signals shows two traces.
#include "brevio/display/DisplayCanvasBar.h"
#include "brevio/display/DisplayCanvasServices.h"
#include "brevio/display/DisplayComponents.h"
#include "brevio/display/GradientCtrl.h"
#include "brevio/display/PaletteDesigner.h"

#include "platform/Program.h"
#include "platform/Sleeper.h"
#include "brevio/core/Components.h"
#include "brevio/core/FormRx.h"
#include "brevio/core/MainFrame.h"
#include "brevio/core/PSK31App.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/core/RegisteredMessages.h"
#include "brevio/core/stub/ScriptedDspControl.h"
#include "shared/RegisteredEvent.h"
#include "support/TestEnvironment.h"
#include "support/WaveFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QToolBar>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRandomGenerator>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// Keeps the registered messages a window receives.
class Recorder : public QObject {
public:
    explicit Recorder(QObject* target) { target->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (auto* m = CRegisteredEvent::As(e, RegisteredMessage::nMsgFrequency))
            m_frequencies.emplace_back(m->wParam(), m->lParam());
        return false;
    }
    std::vector<std::pair<uintptr_t, intptr_t>> m_frequencies;
};

// Runs the action on the palette designer once it is up, modal.
void WhenDesignerRuns(std::function<void(CPaletteDesigner*)> action)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (auto* designer = qobject_cast<CPaletteDesigner*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            action(designer);
        }
    });
    timer->start();
}

class ProgramDisplay : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setProgram(platform::brevioIdentity());
        platform::Sleeper::setInstance(&m_sleeper);
        CurrentSettings().SetDefaults();
        PreviousSettings().SetDefaults();
        InstallDisplayComponents();
    }
    void TearDown() override
    {
        if (TheApp().GetMainFrame())
            fnStopSoundCard();
        TheApp().DestroyWindows();
        TheApp().ExitInstance();
        TheApp().ReleaseMutex();
        TheApp().SetStartupDialogRunner(nullptr);
        TheApp().SetDspLibraryPath(QString());
        ForgetDspLibrary();
        PskComponents().createDisplayBar = nullptr;
        CDisplayCanvasServices::SetInstance(nullptr);
        platform::Sleeper::setInstance(nullptr);
        platform::setProgram(platform::corvaneIdentity());
    }
    // Starts the program on an engine library with the classic layout (channel 1 shown).
    CDisplayCanvas* Start(const char* library)
    {
        TheApp().SetDspLibraryPath(QString::fromUtf8(library));
        TheApp().SetStartupDialogRunner([](CMainFrame*, int* pnLayout) {
            *pnLayout = 1;
            return int(QDialog::Accepted);
        });
        if (!TheApp().InitInstance({QStringLiteral("brevio")}))
            return nullptr;
        CMainFrame* frame = TheApp().GetMainFrame();
        frame->resize(1000, 700);
        frame->show();
        (void)QTest::qWaitForWindowExposed(frame);
        QCoreApplication::processEvents();
        auto* bar = dynamic_cast<CDisplayCanvasBar*>(frame->GetDisplayBar());
        return bar ? bar->GetCanvas() : nullptr;
    }
    platform::FakeSleeper m_sleeper;
};

} // namespace

TEST_F(ProgramDisplay, MainFrameDrivesTheCanvasAndClicksReachTheActiveChannel)
{
    testsupport::ScriptedDsp dsp(DSP_SCRIPTED);
    ASSERT_TRUE(dsp.IsLoaded());
    CDisplayCanvas* canvas = Start(DSP_SCRIPTED);
    ASSERT_NE(canvas, nullptr);
    CMainFrame* frame = TheApp().GetMainFrame();
    EXPECT_EQ(frame->GetDisplayBar()->windowTitle(), QStringLiteral("Display"));
    // The frame's first options message built the canvas.
    EXPECT_EQ(canvas->GetLow(), 100);
    EXPECT_EQ(canvas->GetHigh(), 3000);
    ASSERT_TRUE(canvas->isVisible());

    std::vector<int> spectrum(2058, 40);
    spectrum[256] = 250;  // 1000 Hz
    dsp.SetSpectrum(spectrum);
    frame->OnFftReady();
    ASSERT_NE(canvas->GetFrame(), nullptr) << frame->GetDisplayBar()->isVisible() << " " << canvas->width() << "x"
                                           << canvas->height() << " plot " << canvas->GetPlotRect().width() << "x"
                                           << canvas->GetPlotRect().height();

    // Channel 1 is open and active: it has the red marker box.
    ASSERT_TRUE(TheApp().GetChannelFrame(0)->isVisible());
    dsp.SetRxFrequency(0, 1000);
    canvas->OnTimer();
    EXPECT_FALSE(canvas->GetMarkers().GetBox(0).isEmpty());
    EXPECT_TRUE(canvas->GetMarkers().GetBox(1).isEmpty());

    // A click on the plot sends the frequency to channel 1's window.
    CFormRx* form = frame->GetChannelWindow(0);
    ASSERT_NE(form, nullptr);
    Recorder recorder(form);
    const QRect plot = canvas->GetPlotRect();
    const QPoint point = canvas->IsVertical() ? QPoint(plot.left() + 20, plot.top() + 50)
                                              : QPoint(plot.left() + 250, plot.top() + 20);
    int expected = 0;
    ASSERT_TRUE(canvas->GetMarkers().FrequencyAt(point, expected));
    QTest::mouseClick(canvas, Qt::LeftButton, {}, point);
    ASSERT_EQ(recorder.m_frequencies.size(), 1u);
    EXPECT_EQ(recorder.m_frequencies[0], std::make_pair(uintptr_t(-1), intptr_t(expected)));

    // Rewinding clears the waterfall through the frame.
    frame->RewindInput();
    frame->OnFftReady();
    EXPECT_EQ(dsp.Rewinds(), 1);
}


TEST_F(ProgramDisplay, PaletteEditorOpensFromTheMenuTheKeyTheToolbarAndTheCanvasMenu)
{
    testsupport::ScriptedDsp dsp(DSP_SCRIPTED);
    CDisplayCanvas* canvas = Start(DSP_SCRIPTED);
    ASSERT_NE(canvas, nullptr);
    CMainFrame* frame = TheApp().GetMainFrame();
    QAction* menu = frame->GetCommandAction(33512);
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->text().startsWith(QStringLiteral("&Palette Editor")));
    EXPECT_TRUE(menu->text().endsWith(QStringLiteral("\tAlt+P")));
    EXPECT_TRUE(frame->IsCommandEnabled(33512));

    QAction* button = nullptr;
    for (QToolBar* bar : frame->findChildren<QToolBar*>())
        for (QAction* a : bar->actions())
            if (a->data().toInt() == 33512 && a != menu)
                button = a;
    ASSERT_NE(button, nullptr);
    QShortcut* altP = nullptr;
    for (QShortcut* shortcut : frame->findChildren<QShortcut*>())
        if (shortcut->key() == QKeySequence(Qt::ALT | Qt::Key_P))
            altP = shortcut;
    ASSERT_NE(altP, nullptr);

    const struct {
        const char* route;
        std::function<void()> trigger;
    } routes[] = {
        {"Tools menu", [&] { menu->trigger(); }},
        {"Alt+P", [&] { emit altP->activated(); }},
        {"toolbar", [&] { button->trigger(); }},
        {"canvas menu", [&] { canvas->OnCommand(CDisplayCanvas::ID_PALETTE_EDITOR); }},
    };
    for (const auto& r : routes) {
        QWidget* parent = nullptr;
        WhenDesignerRuns([&](CPaletteDesigner* designer) {
            parent = designer->parentWidget();
            designer->OnCancel();
        });
        r.trigger();
        EXPECT_EQ(parent, frame) << r.route;
    }
}


#ifdef DSP_LIBRARY_REAL

namespace {

// A PSK31 signal: a carrier whose phase reverses, with a raised-cosine
// envelope through each reversal, at 31.25 symbols per second.
void AddPsk31(std::vector<double>& samples, double frequency, uint32_t seed)
{
    QRandomGenerator random(seed);
    const int symbol = 256;  // 8000 / 31.25
    double sign = 1.0;
    for (size_t start = 0; start + symbol <= samples.size(); start += symbol) {
        const bool reverse = random.bounded(2) == 0;  // mostly reversals, as idle and text have
        for (int i = 0; i < symbol; ++i) {
            const double t = double(start + size_t(i)) / 8000.0;
            const double envelope = reverse ? sign * std::cos(M_PI * i / symbol) : sign;
            samples[start + size_t(i)] += 0.3 * envelope * std::cos(2 * M_PI * frequency * t);
        }
        if (reverse)
            sign = -sign;
    }
}

// Mean brightness (r + g + b) of a waterfall column over its rows.
double ColumnBrightness(const QImage& image, int x, int rows)
{
    double sum = 0;
    for (int y = 0; y < rows; ++y) {
        const QRgb p = image.pixel(x, y);
        sum += qRed(p) + qGreen(p) + qBlue(p);
    }
    return sum / rows;
}

} // namespace

TEST_F(ProgramDisplay, RealEngineShowsBothSignalsOfAWaveFileAsTraces)
{
    qputenv("PSKMODEM117_FILE_SPEED", "6");
    CurrentSettings().SetDisplaySpectrum(1);
    CDisplayCanvas* canvas = Start(DSP_LIBRARY_REAL);
    ASSERT_NE(canvas, nullptr);
    CMainFrame* frame = TheApp().GetMainFrame();
    ASSERT_FALSE(canvas->IsVertical());

    const QString dir = testsupport::dataFolder();
    QDir().mkpath(dir);
    std::vector<double> samples(8000 * 8, 0.0);
    QRandomGenerator noise(7);
    for (double& v : samples)
        v = (noise.generateDouble() - 0.5) * 0.02;
    AddPsk31(samples, 1000.0, 1);
    AddPsk31(samples, 2200.0, 2);
    ASSERT_TRUE(testsupport::WriteWave(dir + QStringLiteral("/two-signals.wav"), samples));

    CPSK31Settings& s = CurrentSettings();
    s.SetInputEnable(1);
    s.SetInputWaveFile(dir + QStringLiteral("/two-signals.wav"));
    s.SetOutputEnable(1);
    s.m_strOutputWaveFile = dir + QStringLiteral("/scratch.wav");
    s.SetSoundcardEchoInput(0);
    s.SetSoundcardEchoOutput(0);
    fnStopSoundCard();
    frame->StartSoundcard();

    // Until the engine reports the end of the input file.
    QElapsedTimer timer;
    timer.start();
    while (!frame->IsStatusSeen(4) && timer.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QCoreApplication::processEvents();
    ASSERT_TRUE(frame->IsStatusSeen(4));
    const QImage* picture = canvas->GetFrame();
    ASSERT_NE(picture, nullptr);

    // Rows of waterfall history above the spectrum strip.
    const int rows = std::min(20, picture->height() * 65 / 100 - 1);
    ASSERT_GT(rows, 5);
    const CBinMap& map = canvas->GetBinMap();
    auto columnOf = [&](int f) {
        const unsigned bin = unsigned(f * 2048 / 8000);
        for (int i = 0; i < map.size(); ++i)
            if (map[i] >= bin)
                return i;
        return map.size() - 1;
    };
    auto peakNear = [&](int f) {
        double best = 0;
        for (int x = columnOf(f) - 4; x <= columnOf(f) + 4; ++x)
            best = std::max(best, ColumnBrightness(*picture, x, rows));
        return best;
    };
    const double quiet = std::max({ColumnBrightness(*picture, columnOf(600), rows),
                                   ColumnBrightness(*picture, columnOf(1600), rows),
                                   ColumnBrightness(*picture, columnOf(2700), rows)});
    const double first = peakNear(1000);
    const double second = peakNear(2200);
    EXPECT_GT(first, quiet + 150) << "1000 Hz " << first << " against " << quiet;
    EXPECT_GT(second, quiet + 150) << "2200 Hz " << second << " against " << quiet;

    // Pictures for people to look at.
    const QString gallery = testsupport::buildDir() + QStringLiteral("/gallery");
    QDir().mkpath(gallery);
    canvas->Grab().save(gallery + QStringLiteral("/brevio-waterfall.png"));
    // On a real (or virtual) X display, what the screen shows.
    const QPixmap window = QGuiApplication::platformName() == QStringLiteral("xcb")
                               ? frame->screen()->grabWindow(frame->winId())
                               : frame->grab();
    window.save(gallery + QStringLiteral("/brevio-main-window.png"));
}


namespace {

// Every pixel of the waterfall's newest row in one colour.
bool NewestRowIs(const CDisplayCanvas* canvas, QRgb colour)
{
    const QImage* picture = canvas->GetFrame();
    if (!picture || picture->width() < 10)
        return false;
    for (int x = 0; x < picture->width(); ++x)
        if (picture->pixel(x, 0) != colour)
            return false;
    return true;
}

bool WaitFor(const std::function<bool()>& done, int nMilliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < nMilliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

// A gradient of one colour: every value of the waterfall shows it.
CPaletteFile::Entries Plain(COLORREF colour)
{
    CPaletteFile::Entries entries;
    entries.colours = {colour, colour};
    entries.positions = {CGradient::kStart, CGradient::kEnd};
    return entries;
}

} // namespace

TEST_F(ProgramDisplay, DesignerOkRecoloursTheRunningWaterfallAndCancelPutsItBack)
{
    qputenv("PSKMODEM117_FILE_SPEED", "4");
    CurrentSettings().SetDisplaySpectrum(0);
    CDisplayCanvas* canvas = Start(DSP_LIBRARY_REAL);
    ASSERT_NE(canvas, nullptr);
    CMainFrame* frame = TheApp().GetMainFrame();

    // A recording of one PSK31 station in noise, played round and round.
    const QString dir = testsupport::dataFolder();
    QDir().mkpath(dir);
    std::vector<double> samples(8000 * 4, 0.0);
    QRandomGenerator noise(11);
    for (double& v : samples)
        v = (noise.generateDouble() - 0.5) * 0.05;
    AddPsk31(samples, 1500.0, 3);
    ASSERT_TRUE(testsupport::WriteWave(dir + QStringLiteral("/station.wav"), samples));
    CPSK31Settings& s = CurrentSettings();
    s.SetInputEnable(1);
    s.SetInputRepeat(1);
    s.SetInputWaveFile(dir + QStringLiteral("/station.wav"));
    s.SetOutputEnable(1);
    s.m_strOutputWaveFile = dir + QStringLiteral("/scratch.wav");
    s.SetSoundcardEchoInput(0);
    s.SetSoundcardEchoOutput(0);
    fnStopSoundCard();
    frame->StartSoundcard();
    ASSERT_TRUE(WaitFor([&] { return canvas->GetFrame() != nullptr; }, 10000));

    const COLORREF green = RGB(0, 200, 0);
    const COLORREF red = RGB(254, 1, 3);
    ASSERT_FALSE(NewestRowIs(canvas, qRgb(0, 200, 0)));

    // OK: from the next frame on the waterfall is drawn in the new palette.
    WhenDesignerRuns([&](CPaletteDesigner* designer) {
        designer->LoadArrays(Plain(green));
        designer->UpdatePreview();
        designer->Apply();
        designer->OnOK();
    });
    frame->OnCommand(33512);
    EXPECT_EQ(CurrentSettings().GetColour(0), green);
    EXPECT_EQ(CurrentSettings().GetColour(255), green);
    EXPECT_TRUE(WaitFor([&] { return NewestRowIs(canvas, qRgb(0, 200, 0)); }, 10000));

    // Cancel after applied changes: red while the designer is open, then
    // exactly the colours the waterfall had before.
    bool sawRed = false;
    WhenDesignerRuns([&](CPaletteDesigner* designer) {
        designer->LoadArrays(Plain(red));
        designer->Apply();
        sawRed = WaitFor([&] { return NewestRowIs(canvas, qRgb(254, 1, 3)); }, 10000);
        designer->OnCancel();
    });
    frame->OnCommand(33512);
    EXPECT_TRUE(sawRed);
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(CurrentSettings().GetColour(i), green) << i;
    EXPECT_TRUE(WaitFor([&] { return NewestRowIs(canvas, qRgb(0, 200, 0)); }, 10000));
}

#endif
