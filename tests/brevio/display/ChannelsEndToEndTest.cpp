// The program end to end on the real engine with wave files in place of a
// sound card: three stations are transmitted into files by channel 1, mixed
// into one recording, and played back; channels 1 and 2 each decode their
// own station, the waterfall shows the traces, and a click on the third
// station's trace tunes channel 3, which decodes it.
#include "brevio/display/DisplayCanvasBar.h"
#include "brevio/display/DisplayCanvasServices.h"
#include "brevio/display/DisplayComponents.h"

#include "platform/Program.h"
#include "platform/Sleeper.h"
#include "brevio/core/Components.h"
#include "brevio/core/DspLibrary.h"
#include "brevio/core/FormRx.h"
#include "brevio/core/LogView.h"
#include "brevio/core/MainFrame.h"
#include "brevio/core/PSK31App.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/core/RegisteredMessages.h"
#include "brevio/core/RxTextWindow.h"
#include "brevio/core/TxTextWindow.h"
#include "shared/RegisteredEvent.h"
#include "support/TestEnvironment.h"
#include "support/WaveFiles.h"

#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRandomGenerator>
#include <QScreen>
#include <QTest>
#include <QtEndian>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

#ifdef DSP_LIBRARY_REAL

namespace {

std::vector<int16_t> ReadWave(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = f.readAll();
    // Walk the chunks to "data".
    int pos = 12;
    while (pos + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(pos, 4);
        const quint32 size = qFromLittleEndian<quint32>(bytes.constData() + pos + 4);
        if (id == "data") {
            std::vector<int16_t> samples(std::min<qsizetype>(size, bytes.size() - pos - 8) / 2);
            memcpy(samples.data(), bytes.constData() + pos + 8, samples.size() * 2);
            return samples;
        }
        pos += 8 + int(size) + (size & 1);
    }
    return {};
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
    return done();
}

struct Station {
    int frequency;
    const char* text;
};
// No zeros (the windows show them slashed) and no locators (they would be spotted).
const Station kStations[] = {
    {800, "CQ CQ de QT9XVK QT9XVK pse k"},
    {1500, "QRL? de GM4ABC GM4ABC"},
    {2300, "TEST de DL7XYZ DL7XYZ test"},
};

class ChannelsEndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Eight times real time: fast, yet slow enough for the display to draw every block.
        qputenv("PSKMODEM117_FILE_SPEED", "8");
        platform::setProgram(platform::brevioIdentity());
        platform::Sleeper::setInstance(&m_sleeper);
        CurrentSettings().SetDefaults();
        PreviousSettings().SetDefaults();
        CurrentSettings().m_nTxDelay = 0;
        InstallDisplayComponents();
    }
    void TearDown() override
    {
        if (TheApp().GetMainFrame()) {
            fnStopSoundCard();
            TheApp().GetMainFrame()->close();
        }
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
        CurrentSettings().SetDefaults();
        PreviousSettings().SetDefaults();
    }
    platform::FakeSleeper m_sleeper;
};

QString WindowText(CFormRx* form)
{
    return form->GetRxWindow()->toPlainText();
}

} // namespace

TEST_F(ChannelsEndToEnd, TwoChannelsDecodeTheirOwnStationsAndAClickTunesTheThird)
{
    TheApp().SetDspLibraryPath(QString::fromUtf8(DSP_LIBRARY_REAL));
    TheApp().SetStartupDialogRunner([](CMainFrame*, int* pnLayout) {
        *pnLayout = 1;
        return int(QDialog::Accepted);
    });
    ASSERT_TRUE(TheApp().InitInstance({QStringLiteral("brevio")}));
    CMainFrame* frame = TheApp().GetMainFrame();
    // Room for the three channel windows at their normal size.
    frame->resize(1340, 960);
    frame->show();
    (void)QTest::qWaitForWindowExposed(frame);
    auto* bar = dynamic_cast<CDisplayCanvasBar*>(frame->GetDisplayBar());
    ASSERT_NE(bar, nullptr);
    CDisplayCanvas* canvas = bar->GetCanvas();
    CFormRx* channel[3] = {frame->GetChannelWindow(0), frame->GetChannelWindow(1), frame->GetChannelWindow(2)};
    CPSK31App::LogPrintf("start");

    const QString dir = testsupport::dataFolder();
    QDir().mkpath(dir);
    ASSERT_TRUE(testsupport::WriteSilence(dir + QStringLiteral("/silence.wav"), 800));
    CPSK31Settings& s = CurrentSettings();
    s.m_nTxDelay = 0;
    s.m_bInputEnable = 1;
    s.m_strInputWaveFile = dir + QStringLiteral("/silence.wav");
    s.m_bOutputEnable = 1;
    s.m_nOutputLimit = 0;
    s.m_bSoundcardEchoInput = 0;
    s.m_bSoundcardEchoOutput = 0;

    // Each station goes out of channel 1 into its own file, with autostop.
    std::vector<std::vector<int16_t>> recorded;
    for (int i = 0; i < 3; ++i) {
        const QString file = dir + QStringLiteral("/station%1.wav").arg(i);
        s.m_strOutputWaveFile = file;
        SaveAndBroadcastSettings();
        TheApp().GetLogView()->Erase();
        SendRegisteredMessage(channel[0], RegisteredMessage::nMsgFrequency, 0, kStations[i].frequency);
        channel[0]->GetTxWindow()->Clear();
        channel[0]->GetTxWindow()->AddText(QString::fromLatin1(kStations[i].text), false, false);
        channel[0]->OnTransmitAutostop();
        ASSERT_TRUE(WaitFor([] { return TheApp().GetLogView()->toPlainText().contains(QStringLiteral("Status: [0]")); },
                            30000))
            << TheApp().GetLogView()->toPlainText().toStdString() << " sent "
            << channel[0]->GetTxWindow()->GetSentCount() << " of " << channel[0]->GetTxWindow()->Sender().Length()
            << " autostop " << channel[0]->IsAutoStop() << " tx channel " << frame->GetTxChannel() << " rx: "
            << WindowText(channel[0]).toStdString();
        EXPECT_FALSE(channel[0]->GetTxWindow()->HasUnsent());
        // The echo shows in the window as transmitted text.
        EXPECT_TRUE(WindowText(channel[0]).contains(QString::fromLatin1(kStations[i].text)));
        s.m_strOutputWaveFile = dir + QStringLiteral("/scratch%1.wav").arg(i);
        SaveAndBroadcastSettings();  // closes the station's file
        recorded.push_back(ReadWave(file));
        ASSERT_GT(recorded.back().size(), 8000u * 3) << file.toStdString();
    }

    // One recording of the three stations with a little noise.
    size_t length = 0;
    for (const auto& r : recorded)
        length = std::max(length, r.size());
    std::vector<double> mixed(length + 8000, 0.0);
    QRandomGenerator noise(11);
    for (double& v : mixed)
        v = (noise.generateDouble() - 0.5) * 0.01;
    for (const auto& r : recorded)
        for (size_t n = 0; n < r.size(); ++n)
            mixed[n] += r[n] / 32768.0 / 3.0;
    const QString recording = dir + QStringLiteral("/three-stations.wav");
    ASSERT_TRUE(testsupport::WriteWave(recording, mixed));

    // Channels 1 and 2 open on the first two stations.
    TheApp().ActivateView(1, CDisplayCanvasServices::kShowRestore);
    ASSERT_TRUE(WaitFor([&] { return channel[1]->isVisible(); }, 2000));
    for (int n = 0; n < 2; ++n) {
        channel[n]->OnEraseRx();
        SendRegisteredMessage(channel[n], RegisteredMessage::nMsgFrequency, 0, kStations[n].frequency);
    }
    // Each window switches its channel on as it is seen.
    ASSERT_TRUE(WaitFor([] { return fnIsRXChannelActive(0) && fnIsRXChannelActive(1); }, 3000));
    TheApp().GetLogView()->Erase();
    s.m_strInputWaveFile = recording;
    s.m_strOutputWaveFile = dir + QStringLiteral("/scratch.wav");
    SaveAndBroadcastSettings();
    const QString first = QString::fromLatin1(kStations[0].text);
    const QString second = QString::fromLatin1(kStations[1].text);
    EXPECT_TRUE(WaitFor([&] { return WindowText(channel[0]).contains(first) && WindowText(channel[1]).contains(second); },
                        30000))
        << "channel 1: " << WindowText(channel[0]).toStdString() << "\nchannel 2: " << WindowText(channel[1]).toStdString();
    EXPECT_FALSE(WindowText(channel[0]).contains(second));
    EXPECT_FALSE(WindowText(channel[1]).contains(first));
    ASSERT_TRUE(WaitFor([&] { return frame->IsStatusSeen(4); }, 30000));

    // The waterfall shows a trace where each station is.
    ASSERT_NE(canvas->GetFrame(), nullptr);
    const QRect plot = canvas->GetPlotRect();
    auto pointFor = [&](int f) {
        QPoint best;
        int bestError = 1 << 30;
        for (int x = plot.left(); x <= plot.right(); ++x) {
            int at = 0;
            const QPoint p = canvas->IsVertical() ? QPoint(plot.left() + 5, x) : QPoint(x, plot.top() + 5);
            if (canvas->GetMarkers().FrequencyAt(p, at) && std::abs(at - f) < bestError) {
                bestError = std::abs(at - f);
                best = p;
            }
        }
        return best;
    };

    // A click on the third trace tunes channel 3, which then decodes it.
    TheApp().ActivateView(2, CDisplayCanvasServices::kShowRestore);
    ASSERT_TRUE(WaitFor([&] { return channel[2]->isVisible() && fnIsRXChannelActive(2); }, 3000));
    channel[2]->OnEraseRx();
    QTest::mouseClick(canvas, Qt::LeftButton, {}, pointFor(kStations[2].frequency));
    EXPECT_NEAR(fnGetRXFrequency(2), kStations[2].frequency, 15);
    frame->RewindInput();
    const QString third = QString::fromLatin1(kStations[2].text);
    EXPECT_TRUE(WaitFor([&] { return WindowText(channel[2]).contains(third); }, 30000))
        << "channel 3: " << WindowText(channel[2]).toStdString();
    EXPECT_FALSE(WindowText(channel[2]).contains(first));

    // Pictures for people to look at: the channels restored at their normal
    // size, stepped so that each one's text shows, channel 1 in front. The
    // tools' bars are not part of this program: their empty docks stay out.
    frame->GetTagsBar()->hide();
    frame->GetMacrosBar()->hide();
    WaitFor([] { return false; }, 100);
    const QSize area = frame->GetMdiArea()->size();
    for (int n = 2; n >= 0; --n) {
        QMdiSubWindow* window = TheApp().GetChannelFrame(n);
        window->showNormal();
        const QPoint room(area.width() - window->width(), area.height() - window->height());
        window->move(room.x() * (2 - n) / 2, room.y() * (2 - n) / 2);
        frame->GetMdiArea()->setActiveSubWindow(window);
    }
    TheApp().ActivateView(0, CDisplayCanvasServices::kShowRestore);
    WaitFor([] { return false; }, 300);
    const QString gallery = testsupport::buildDir() + QStringLiteral("/gallery");
    QDir().mkpath(gallery);
    const QPixmap window = QGuiApplication::platformName() == QStringLiteral("xcb")
                               ? frame->screen()->grabWindow(frame->winId())
                               : frame->grab();
    window.save(gallery + QStringLiteral("/brevio-channels.png"));
    // docs/ holds this picture, taken with
    //   CORVANE_SCREENSHOT_DIR=docs QT_QPA_PLATFORM=xcb xvfb-run -a -s '-screen 0 1400x1000x24'
    //     build/tests/brevio_display_tests --gtest_filter='ChannelsEndToEnd.*'
    const QString docs = qEnvironmentVariable("CORVANE_SCREENSHOT_DIR");
    if (!docs.isEmpty() && QGuiApplication::platformName() == QStringLiteral("xcb"))
        EXPECT_TRUE(window.save(docs + QStringLiteral("/brevio-channels.png")));
}

#endif
