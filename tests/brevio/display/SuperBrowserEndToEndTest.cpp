// The Super Browser on the real engine: a wave file with three PSK31
// stations calling at once; the browser's channels find the signals and
// decode all three texts, and an alarm on one of the calls fires.
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
#include "brevio/display/AlarmActions.h"
#include "brevio/display/AlarmList.h"
#include "brevio/display/BrowserEnvironment.h"
#include "brevio/display/DisplayCanvasServices.h"
#include "support/TestEnvironment.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#if defined(DSP_LIBRARY_REAL) && defined(HAVE_PSK_TRANSMITTER)
#include "ChannelSimulator.h"
#include "engine/PskTransmitter.h"

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
    QElapsedTimer m_wall;
};

class Heard : public CAlarmActions {
public:
    void Beep() override {}
    void PlayWave(const QString&) override {}
    void Speak(const QString& strText, bool, bool) override { m_spoken << strText; }
    QStringList m_spoken;
};

// One station: idle reversals for a while, then its text, at its frequency.
std::vector<float> Station(double frequency, double leadSeconds, const std::string& text)
{
    pskdsp::PskTransmitter tx;
    tx.create(8000.0);
    tx.setFrequency(frequency);
    tx.start(0);
    std::deque<uint8_t> queue;
    pskdsp::TxEvents events;
    std::vector<float> out;
    float block[256];
    bool queued = false, stopped = false;
    for (int guard = 0; guard < 20000 && tx.active(); ++guard) {
        if (!queued && out.size() >= size_t(leadSeconds * 8000)) {
            queue.assign(text.begin(), text.end());
            queued = true;
        }
        if (queued && queue.empty() && !stopped) {
            tx.stop();
            stopped = true;
        }
        tx.execute(block, 256, queue, events);
        out.insert(out.end(), block, block + 256);
    }
    return out;
}

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

TEST(SuperBrowserEndToEnd, FindsAndDecodesThreeStationsOfAWaveFile)
{
    qputenv("PSKMODEM117_FILE_SPEED", QByteArray::number(kSpeed));
    platform::setProgram(platform::brevioIdentity());
    platform::FakeSleeper sleeper;
    platform::Sleeper::setInstance(&sleeper);
    CurrentSettings().SetDefaults();
    PreviousSettings().SetDefaults();
    InstallDisplayComponents();
    Heard heard;
    CAlarmActions::SetInstance(&heard);

    // Three stations: one on a channel's slot edge, two between slots.
    const QString dir = testsupport::dataFolder();
    const QString signal = dir + QStringLiteral("/band.wav");
    const std::vector<float> mixed = pskchannelsim::mix({
        Station(1405.0, 9.0, "cq cq de g4abc g4abc pse k "),
        Station(760.0, 10.0, "qrz? de dl1xyz dl1xyz k "),
        Station(2210.0, 11.0, "test de ja2qqq ja2qqq k "),
    });
    pskchannelsim::ChannelParams air;
    air.snrDb = 25;
    air.outputRms = 0.15;
    std::string error;
    ASSERT_TRUE(pskchannelsim::writeWave(signal.toStdString(), pskchannelsim::simulate(mixed, air), 8000.0, &error))
        << error;

    TheApp().SetDspLibraryPath(QString::fromUtf8(DSP_LIBRARY_REAL));
    TheApp().SetStartupDialogRunner([](CMainFrame*, int* layout) {
        *layout = 0;  // the Super Browser
        return int(QDialog::Accepted);
    });
    ASSERT_TRUE(TheApp().InitInstance({QStringLiteral("brevio"), QStringLiteral("-nologo")}));
    auto* view = dynamic_cast<CSuperView*>(TheApp().GetSuperView());
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(view->IsRunning());
    // Start-up loaded the (missing) alarms file: the alarm goes in afterwards.
    EXPECT_EQ(Alarms().GetCount(), 0);
    Alarms().Add(1, QStringLiteral("Japan"), QStringLiteral("ja2qqq"), QString(), CAlarm::kSpeak | CAlarm::kAddChannel,
                 QString(), QStringLiteral("JA station"));
    // The browser maximised in a large main window, as an operator runs it.
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
    s.m_strInputWaveFile = signal;
    s.m_bOutputEnable = 1;
    s.m_strOutputWaveFile = dir + QStringLiteral("/scratch.wav");
    s.m_bSoundcardEchoOutput = 0;
    SaveAndBroadcastSettings();

    // The browser ticks with the file: a second of it every 1/6 s.
    QElapsedTimer wall;
    wall.start();
    qint64 lastTick = 0;
    auto finished = [&] {
        if (wall.elapsed() - lastTick >= 170) {
            lastTick = wall.elapsed();
            view->OnTimer(100);
        }
        return TheApp().GetLogView()->toPlainText().contains(QStringLiteral("Status: [4] Input wave file finished"));
    };
    ASSERT_TRUE(WaitFor(finished, 30000)) << TheApp().GetLogView()->toPlainText().toStdString();
    QCoreApplication::processEvents();
    view->OnTimer(100);
    view->OnTimer(100);

    QString all;
    QStringList found;
    for (int i = 0; i < view->GetChannelCount(); ++i) {
        const QString text = view->Engine().Channel(i).GetRawText();
        all += QStringLiteral("[%1 @%2] %3\n").arg(i).arg(view->Engine().Channel(i).GetCurrentFrequency()).arg(text);
        for (const char* call : {"g4abc", "dl1xyz", "ja2qqq"})
            if (text.contains(QString::fromLatin1(call)) && !found.contains(QString::fromLatin1(call)))
                found << QString::fromLatin1(call);
    }
    EXPECT_EQ(found.size(), 3) << all.toStdString();
    // The alarm on the Japanese call fired once, with the channel's number.
    int alarms = 0;
    for (const QString& spoken : heard.m_spoken)
        if (spoken.startsWith(QStringLiteral("JA station  on channel ")))
            ++alarms;
    EXPECT_EQ(alarms, 1) << heard.m_spoken.join(QLatin1Char('|')).toStdString() << "\n" << all.toStdString();

    // On a real (or virtual) X display with CORVANE_SCREENSHOT_DIR set, what
    // the screen shows (docs/ holds it, taken with
    //   CORVANE_SCREENSHOT_DIR=docs QT_QPA_PLATFORM=xcb xvfb-run -a -s '-screen 0 1280x900x24' \
    //     build/tests/brevio_display_tests --gtest_filter='SuperBrowserEndToEnd.*').
    const QString shots = qEnvironmentVariable("CORVANE_SCREENSHOT_DIR");
    if (!shots.isEmpty() && QGuiApplication::platformName() == QLatin1String("xcb")) {
        QCoreApplication::processEvents();
        const QRect r = main->frameGeometry();
        main->screen()->grabWindow(0, r.x(), r.y(), r.width(), r.height())
            .save(shots + QStringLiteral("/brevio-superbrowser.png"));
    }

    CBrowserEnvironment::SetInstance(nullptr);
    CAlarmActions::SetInstance(nullptr);
    Alarms().RemoveAll();
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
