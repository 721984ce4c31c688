// How many frames per second the display canvas draws, each frame being what
// one spectrum notification of the modem costs: the data fetch through the
// binding, the new waterfall line or trace, the strip, and the repaint of the
// plot area. The modem is loaded but not started, so the figures are the
// display's own. Target: over 60 frames per second at 1920 pixels wide.
//
//   waterfall_bench [seconds per case] [path of libpskmodem117.so]
//
// Build the tree with -DCMAKE_BUILD_TYPE=Release for figures worth quoting.
#include "brevio/core/DspLibrary.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/display/DisplayCanvas.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

namespace {

struct Case {
    const char* name;
    int width;
    int height;
    int mode;       // 0 waterfall, 1 spectrum, 2 raw
    int spectrum;   // strip beside the waterfall
};

double Run(const Case& c, double seconds)
{
    CPSK31Settings& s = CurrentSettings();
    s.SetDefaults();
    s.SetDisplayMode(c.mode);
    s.SetDisplaySpectrum(c.spectrum);
    CDisplayCanvas canvas;
    canvas.OnOptions(0, 0);
    canvas.resize(c.width, c.height);
    canvas.show();
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();

    // Warm up, then count frames for the given time.
    for (int i = 0; i < 20; ++i)
        canvas.OnFFTReady();
    QElapsedTimer timer;
    timer.start();
    long frames = 0;
    while (timer.elapsed() < qint64(seconds * 1000)) {
        canvas.OnFFTReady();
        canvas.repaint(canvas.GetPlotRect());
        ++frames;
    }
    return double(frames) * 1000.0 / double(timer.elapsed());
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const double seconds = argc > 1 ? std::atof(argv[1]) : 2.0;
#ifdef DSP_LIBRARY_REAL
    const QString library = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral(DSP_LIBRARY_REAL);
#else
    const QString library = argc > 2 ? QString::fromLocal8Bit(argv[2]) : DspLibraryPath();
#endif
    if (!LoadDspLibrary(nullptr, library)) {
        std::fprintf(stderr, "cannot load the modem from %s\n", qPrintable(library));
        return 1;
    }

    const Case cases[] = {
        {"waterfall, frequency across, strip 35 %", 1920, 300, 0, 1},
        {"waterfall, frequency across, no strip", 1920, 300, 0, 0},
        {"waterfall, frequency across, tall", 1920, 1000, 0, 1},
        {"waterfall, frequency down", 600, 1920, 0, 1},
        {"spectrum only", 1920, 300, 1, 1},
        {"raw input", 1920, 300, 2, 1},
    };
    std::printf("Display canvas frames per second (%s, %.1f s per case, platform %s)\n",
#ifdef NDEBUG
                "optimised",
#else
                "debug build",
#endif
                seconds, qPrintable(QGuiApplication::platformName()));
    std::printf("%-42s %11s %10s %8s\n", "case", "client", "frames/s", "target");
    bool allMet = true;
    for (const Case& c : cases) {
        const double fps = Run(c, seconds);
        const bool met = fps > 60.0;
        allMet = allMet && met;
        std::printf("%-42s %5dx%-5d %10.0f %8s\n", c.name, c.width, c.height, fps, met ? "> 60" : "MISSED");
    }
    return allMet ? 0 : 2;
}
