// The Super Browser on the real engine with the demonstration recording
// (tools/pskdemo: three stations, one strong enough that a receiver beside
// it copies its sidebands): every channel that shows text sits on one of
// the stations, none copies junk beside one, and each station is read.
#include "brevio/display/DisplayComponents.h"
#include "brevio/display/SuperView.h"

#include "platform/Program.h"
#include "platform/Sleeper.h"
#include "brevio/core/Components.h"
#include "brevio/core/DspLibrary.h"
#include "brevio/core/LogView.h"
#include "brevio/core/MainFrame.h"
#include "brevio/core/PSK31App.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/display/BrowserEnvironment.h"
#include "brevio/display/DisplayCanvasServices.h"
#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QProcess>
#include <cmath>
#include <gtest/gtest.h>

#if defined(DSP_LIBRARY_REAL) && defined(PSKDEMO_PROGRAM)

namespace {

constexpr double kSpeed = 6.0;  // the engine reads the file six times faster than real time

// The browser's clock runs with the file, not with the wall.
class FileClock : public CBrowserEnvironment {
public:
    FileClock() { m_wall.start(); }
    CTimeStamp Now() const override
    {
        const qint64 ms = 1000000000 + qint64(double(m_wall.elapsed()) * kSpeed);
        return CTimeStamp{ms / 1000, int(ms % 1000)};
    }
    double FileSeconds() const { return double(m_wall.elapsed()) * kSpeed / 1000.0; }
    QElapsedTimer m_wall;
};

// The recording's stations: where each starts (s), its frequency (Hz) and
// drift (Hz/s), and a word of its text.
struct Station {
    double start;
    double frequency;
    double drift;
    const char* word;
};
const Station kStations[] = {
    {0.5, 1000, 0.0, "qt9xvk"},
    {3.0, 1500, 0.05, "qt2def"},
    {6.0, 700, -0.05, "qt5xyz"},
};

// How far from a station's carrier a channel may sit and still copy it:
// the engine's AFC has pulled it in by the time it shows text.
constexpr int kOnStation = 12;

bool WaitFor(const std::function<bool()>& done, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (done())
            return true;
    }
    return false;
}

} // namespace

TEST(SuperBrowserDemo, NoChannelCopiesJunkBesideAStrongStation)
{
    // The recording scripts/run plays to the program without a sound card.
    const QString recording = testsupport::dataFolder() + QStringLiteral("/demo.wav");
    ASSERT_EQ(QProcess::execute(QString::fromUtf8(PSKDEMO_PROGRAM), {recording}), 0);
    ASSERT_TRUE(QFileInfo(recording).size() > 8000 * 2 * 10);

    qputenv("PSKMODEM117_FILE_SPEED", QByteArray::number(kSpeed));
    platform::setProgram(platform::brevioIdentity());
    platform::FakeSleeper sleeper;
    platform::Sleeper::setInstance(&sleeper);
    CurrentSettings().SetDefaults();
    PreviousSettings().SetDefaults();
    InstallDisplayComponents();

    TheApp().SetDspLibraryPath(QString::fromUtf8(DSP_LIBRARY_REAL));
    TheApp().SetStartupDialogRunner([](CMainFrame*, int* layout) {
        *layout = 0;  // the Super Browser
        return int(QDialog::Accepted);
    });
    ASSERT_TRUE(TheApp().InitInstance({QStringLiteral("brevio"), QStringLiteral("-nologo")}));
    auto* view = dynamic_cast<CSuperView*>(TheApp().GetSuperView());
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(view->IsRunning());
    CMainFrame* main = TheApp().GetMainFrame();
    main->showNormal();
    main->resize(1280, 860);
    TheApp().GetSuperFrame()->showMaximized();
    QCoreApplication::processEvents();
    view->OnTimer(101);
    QCoreApplication::processEvents();
    FileClock clock;
    CBrowserEnvironment::SetInstance(&clock);
    view->RestartBrowser();
    view->OnTimer(102);

    CPSK31Settings& s = CurrentSettings();
    s.m_bInputEnable = 1;
    s.m_strInputWaveFile = recording;
    s.m_bOutputEnable = 1;
    s.m_strOutputWaveFile = testsupport::dataFolder() + QStringLiteral("/scratch.wav");
    s.m_bSoundcardEchoOutput = 0;
    SaveAndBroadcastSettings();

    // Each second of the file: every channel with text must be on a station.
    QStringList junk;
    QString seen;
    auto check = [&] {
        const double t = clock.FileSeconds();
        for (int i = 0; i < view->GetChannelCount(); ++i) {
            const CSuperChannel& c = view->Engine().Channel(i);
            if (c.GetDisplayText().trimmed().size() < 3)
                continue;
            const int f = clock.GetRxFrequency(c.GetDspChannel());
            bool on = false;
            for (const Station& st : kStations)
                on = on || std::abs(f - (st.frequency + st.drift * std::max(0.0, t - st.start))) <= kOnStation;
            const QString line = QStringLiteral("t=%1 [%2 base %3 @%4] \"%5\"")
                                     .arg(t, 0, 'f', 1)
                                     .arg(i)
                                     .arg(c.GetBaseFrequency())
                                     .arg(f)
                                     .arg(c.GetDisplayText().right(40));
            seen += line + QLatin1Char('\n');
            if (!on)
                junk << line;
        }
    };
    QElapsedTimer wall;
    wall.start();
    qint64 lastTick = 0;
    auto finished = [&] {
        if (wall.elapsed() - lastTick >= 170) {
            lastTick = wall.elapsed();
            view->OnTimer(100);
            check();
        }
        return TheApp().GetLogView()->toPlainText().contains(QStringLiteral("Status: [4] Input wave file finished"));
    };
    ASSERT_TRUE(WaitFor(finished, 30000)) << TheApp().GetLogView()->toPlainText().toStdString();
    view->OnTimer(100);
    check();

    EXPECT_TRUE(junk.isEmpty()) << junk.join(QLatin1Char('\n')).toStdString();
    // Every station was read by some channel.
    for (const Station& st : kStations)
        EXPECT_TRUE(seen.contains(QLatin1String(st.word), Qt::CaseInsensitive)) << st.word << "\n" << seen.toStdString();
    if (qEnvironmentVariableIsSet("SUPER_BROWSER_TRACE"))
        fprintf(stderr, "%s", qPrintable(seen));

    CBrowserEnvironment::SetInstance(nullptr);
    main->close();
    TheApp().DestroyWindows();
    TheApp().ExitInstance();
    TheApp().ReleaseMutex();
    TheApp().SetStartupDialogRunner(nullptr);
    TheApp().SetDspLibraryPath(QString());
    ForgetDspLibrary();
    PskComponents().createDisplayBar = nullptr;
    PskComponents().createSuperView = nullptr;
    CDisplayCanvasServices::SetInstance(nullptr);
    platform::Sleeper::setInstance(nullptr);
    platform::setProgram(platform::corvaneIdentity());
    CurrentSettings().SetDefaults();
    PreviousSettings().SetDefaults();
}

#endif
