// PSK31 Brevio's windows as the operator meets them, with real input on a
// display of the test's own: the radio toolbar's meter linked to FT-817
// Corvane on the simulator (the bars it draws while the radio receives and
// while it transmits), the Super Browser opened from the Browser menu while
// no window is maximised, and the docking windows after the main window was
// made small and large again.
//
// With CORVANE_SCREENSHOT_DIR set the tests leave their pictures there
// (docs/ holds them: the meter in both states, both programs during a
// transmission, the Super Browser as it opens):
//   CORVANE_SCREENSHOT_DIR=$PWD/docs build/tests/gui_tests --gtest_filter='BrevioWindows.*'
#include "GuiTest.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>

#include <optional>

namespace {

const QString kPttThroughCorvane = QStringLiteral("PSK31Options 2.2 PSK31 m_bPTTFT817 .............:");
const QString kTxDelay = QStringLiteral("PSK31Options 2.2 PSK31 m_nTxDelay ..............:");
const QString kTxPane = QStringLiteral("CFrameRx:1>CTxTextWindow");
// What the simulated radio's S-meter reads on 14.070 MHz, where it starts.
constexpr int kSMeter = 6;
// The meter's face and its segments that are off.
const QColor kFace(0, 0, 0);
const QColor kUnlit(32, 32, 32);
// The first segment of the receive bar and of the PWR bar, and every ALC segment.
const QColor kFirstSegment(128, 255, 0);
const QColor kAlc(255, 0, 0);

// The segments met along one pixel row of the meter, left to right: the
// colour in the middle of each run of pixels that are neither the face nor
// a label's green.
QList<QColor> SegmentsAlong(const QImage& image, const QRect& meter, int y)
{
    QList<QColor> runs;
    int start = -1;
    for (int x = meter.left(); x <= meter.right() + 1; ++x) {
        const QColor c = x <= meter.right() ? QColor(image.pixel(x, y)) : kFace;
        const bool segment = c != kFace && !(c.red() == 0 && c.blue() == 0 && c.green() > 0);
        if (segment && start < 0)
            start = x;
        if (!segment && start >= 0) {
            runs.append(QColor(image.pixel((start + x - 1) / 2, y)));
            start = -1;
        }
    }
    return runs;
}

// How many segments are lit, all before every unlit one; -1 when a lit
// segment follows an unlit one.
int LitPrefix(const QList<QColor>& segments)
{
    int lit = 0;
    bool unlitSeen = false;
    for (const QColor& c : segments) {
        if (c == kUnlit) {
            unlitSeen = true;
        } else {
            if (unlitSeen)
                return -1;
            ++lit;
        }
    }
    return lit;
}

QString Describe(const QList<QColor>& segments)
{
    QStringList names;
    for (const QColor& c : segments)
        names << c.name();
    return names.join(QLatin1Char(' '));
}

class BrevioWindows : public GuiTest {
protected:
    QImage Display()
    {
        const QString path = m_shots.filePath(QStringLiteral("display-%1.png").arg(++m_count));
        const QString error = Screenshot(path);
        if (!error.isEmpty()) {
            ADD_FAILURE() << error.toStdString();
            return {};
        }
        return QImage(path).convertToFormat(QImage::Format_RGB32);
    }
    // A picture for the documentation, when asked for.
    static void Keep(const QImage& image, const char* name)
    {
        const QString dir = qEnvironmentVariable("CORVANE_SCREENSHOT_DIR");
        if (!dir.isEmpty())
            EXPECT_TRUE(image.save(dir + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"))) << name;
    }
    // The first window of the class (and, when given, whose title starts so).
    std::optional<Window> Find(ProbeClient& probe, const QString& className, const QString& title = {})
    {
        for (const Window& w : ParseGeometry(probe.Ask(QStringLiteral("geometry"))))
            if (w.className == className && w.title.startsWith(title))
                return w;
        return std::nullopt;
    }
    // A menu of the menu bar, then one of its items, clicked.
    bool ChooseMenu(ProbeClient& probe, const QString& menu, const QString& item)
    {
        return GuiTest::ChooseMenu(probe, menu + QStringLiteral(" > ") + item);
    }
    qulonglong BrevioWindow()
    {
        const QList<qulonglong> windows = Input().Windows(Brevio().Pid(), QStringLiteral("^PSK31 Brevio v"));
        return windows.isEmpty() ? 0 : windows.first();
    }

    QTemporaryDir m_shots;
    int m_count = 0;
};

} // namespace

// Linked to FT-817 Corvane, the radio toolbar's control 1002 draws the radio's
// S-meter as a bar of 15 segments, and while PSK31 Brevio transmits through
// the radio, its ALC (red) and PWR bars of 16 segments; back in receive, the
// single bar again.
TEST_F(BrevioWindows, RadioMeterShowsTheReceiveBarAndWhileTransmittingAlcAndPwr)
{
    ASSERT_TRUE(StartCorvane());
    Brevio().SetStoredValue(kPttThroughCorvane, 1);
    Brevio().SetStoredValue(kTxDelay, 0);
    ASSERT_TRUE(StartBrevio());
    ProbeClient& probe = BrevioProbe();
    // The radio program is found and the Radio bar shows its dial.
    ASSERT_TRUE(WaitFor([&] { return probe.Ask(QStringLiteral("state")).contains(QLatin1String("radio=14.070.000")); }))
        << probe.Ask(QStringLiteral("state")).toStdString();
    const QRect meter = ParseRect(probe.Ask(QStringLiteral("locate RadioToolBar>1002")));
    ASSERT_TRUE(meter.isValid()) << "no meter on the Radio bar";
    EXPECT_EQ(meter.width(), 120);
    const int m = meter.height() / 4;
    const int receiveRow = meter.bottom() - m;  // every receive segment reaches down to here
    QList<QColor> receive;
    EXPECT_TRUE(WaitFor([&] {
        const QImage shot = Display();
        receive = shot.isNull() ? QList<QColor>{} : SegmentsAlong(shot, meter, receiveRow);
        return receive.size() == 15 && LitPrefix(receive) == kSMeter;
    })) << "receive bar: " << Describe(receive).toStdString();
    ASSERT_FALSE(receive.isEmpty());
    EXPECT_EQ(receive.first(), kFirstSegment);
    Keep(Display().copy(ParseRect(probe.Ask(QStringLiteral("locate RadioToolBar"))).adjusted(-4, -4, 4, 4)),
         "brevio-meter-receive");

    // On the air through FT-817 Corvane.
    ASSERT_TRUE(ClickOn(probe, kTxPane));
    ASSERT_TRUE(Input().Type(QStringLiteral("cq cq de qt9xvk ")));
    ASSERT_TRUE(Input().Key(QStringLiteral("F1")));
    ASSERT_TRUE(WaitFor([&] { return probe.Ask(QStringLiteral("state")).startsWith(QLatin1String("tx=1 ")); }))
        << probe.Ask(QStringLiteral("state")).toStdString();
    const int alcRow = meter.top() + 5;
    const int pwrRow = meter.bottom() - 4;
    QList<QColor> alc, pwr;
    EXPECT_TRUE(WaitFor([&] {
        const QImage shot = Display();
        if (shot.isNull())
            return false;
        alc = SegmentsAlong(shot, meter, alcRow);
        pwr = SegmentsAlong(shot, meter, pwrRow);
        // The label column comes first: the bars are the last 16 runs.
        alc = alc.mid(std::max<qsizetype>(0, alc.size() - 16));
        pwr = pwr.mid(std::max<qsizetype>(0, pwr.size() - 16));
        return alc.size() == 16 && pwr.size() == 16 && LitPrefix(alc) == 3 && LitPrefix(pwr) > 0;
    })) << "ALC: " << Describe(alc).toStdString() << "\nPWR: " << Describe(pwr).toStdString();
    ASSERT_EQ(alc.size(), 16);
    for (int j = 0; j < 3; ++j)
        EXPECT_EQ(alc[j], kAlc) << j;
    EXPECT_EQ(pwr.first(), kFirstSegment);
    Keep(Display().copy(ParseRect(probe.Ask(QStringLiteral("locate RadioToolBar"))).adjusted(-4, -4, 4, 4)),
         "brevio-meter-transmit");

    if (!qEnvironmentVariableIsEmpty("CORVANE_SCREENSHOT_DIR")) {
        // Both programs side by side, on the air.
        const QList<qulonglong> corvane = Input().Windows(Corvane().Pid(), QStringLiteral("^FT-817 Corvane"));
        const qulonglong brevio = BrevioWindow();
        if (!corvane.isEmpty() && brevio) {
            Input().Maximise(corvane.first(), false);
            Input().Move(corvane.first(), QPoint(0, 0));
            Input().Resize(corvane.first(), QSize(860, 640));
            Input().Maximise(brevio, false);
            Input().Move(brevio, QPoint(300, 250));
            Input().Resize(brevio, QSize(980, 760));
            Input().Activate(brevio);
            // A few characters later the waterfall has filled its new size.
            const auto sent = [&] {
                const QRegularExpressionMatch m =
                    QRegularExpression(QStringLiteral(" sent=(\\d+) ")).match(probe.Ask(QStringLiteral("state")));
                return m.hasMatch() ? m.captured(1).toInt() : 0;
            };
            const int before = sent();
            WaitFor([&] { return sent() >= before + 8 && Input().Geometry(brevio).width() == 980; });
            Keep(Display(), "both-programs");
        }
    }

    // Escape ends the transmission: the receive bar comes back.
    ASSERT_TRUE(ClickOn(probe, kTxPane));
    ASSERT_TRUE(Input().Key(QStringLiteral("Escape")));
    ASSERT_TRUE(WaitFor([&] { return probe.Ask(QStringLiteral("state")).startsWith(QLatin1String("tx=0 ")); }))
        << probe.Ask(QStringLiteral("state")).toStdString();
    const QRect after = ParseRect(probe.Ask(QStringLiteral("locate RadioToolBar>1002")));
    EXPECT_TRUE(WaitFor([&] {
        const QImage shot = Display();
        receive = shot.isNull() ? QList<QColor>{} : SegmentsAlong(shot, after, after.bottom() - after.height() / 4);
        return receive.size() == 15 && LitPrefix(receive) == kSMeter;
    })) << "receive bar after the transmission: " << Describe(receive).toStdString();
}

// Browser > Display, chosen with the mouse while channel 1 is not maximised,
// opens the Super Browser as a window of its view's full size, not as a bare
// title bar.
TEST_F(BrevioWindows, BrowserDisplayOpensTheSuperBrowserAtAUsableSize)
{
    ASSERT_TRUE(StartBrevio());
    ProbeClient& probe = BrevioProbe();
    std::optional<Window> channel;
    ASSERT_TRUE(WaitFor([&] {
        channel = Find(probe, QStringLiteral("CFrameRx"), QStringLiteral("Ch 1"));
        return channel.has_value();
    })) << probe.Ask(QStringLiteral("geometry")).toStdString();
    ASSERT_EQ(channel->state, QStringLiteral("max"));
    // The maximised window's buttons stand at the right end of the menu bar,
    // 20 pixels apart: minimise, restore, close.
    const QRect menuBar = ParseRect(probe.Ask(QStringLiteral("locate QMenuBar")));
    ASSERT_TRUE(menuBar.isValid());
    ASSERT_TRUE(Input().Click(QPoint(menuBar.right() - 30, menuBar.center().y())));
    ASSERT_TRUE(WaitFor([&] {
        const auto w = Find(probe, QStringLiteral("CFrameRx"), QStringLiteral("Ch 1"));
        return w && w->state == QLatin1String("normal");
    })) << probe.Ask(QStringLiteral("geometry")).toStdString();

    ASSERT_TRUE(ChooseMenu(probe, QStringLiteral("Browser"), QStringLiteral("Display")));
    std::optional<Window> browser;
    ASSERT_TRUE(WaitFor([&] {
        browser = Find(probe, QStringLiteral("CSuperFrame"));
        return browser && browser->state == QLatin1String("normal");
    })) << probe.Ask(QStringLiteral("geometry")).toStdString();
    // The view's full size, 640 x 480, and the title bar above it.
    EXPECT_GE(browser->rect.width(), 640) << browser->rect.width();
    EXPECT_GE(browser->rect.height(), 480 + 20) << browser->rect.height();
    const QRect view = ParseRect(probe.Ask(QStringLiteral("locate CSuperView")));
    EXPECT_GE(view.width(), 640);
    EXPECT_GE(view.height(), 480);
    if (!qEnvironmentVariableIsEmpty("CORVANE_SCREENSHOT_DIR")) {
        // Once its own waterfall shows the band.
        const QRect main = ParseRect(probe.Ask(QStringLiteral("locate CMainFrame")));
        QImage shot;
        WaitFor([&] {
            shot = Display();
            int coloured = 0;
            for (int y = view.top(); y < view.bottom(); y += 4)
                for (int x = view.left(); x < view.left() + 130; x += 4)
                    if (!shot.isNull()) {
                        const QColor c(shot.pixel(x, y));
                        coloured += c.blue() > 100 && c.red() < 100 && c.green() < 100 ? 1 : 0;
                    }
            return coloured > 500;
        });
        Keep(shot.copy(main.isValid() ? main : QRect(0, 0, 1280, 1024)), "brevio-superbrowser-opened");
    }
}

// The main window made small squeezes its docking windows; made large again,
// the Tags and Macros windows come back to their width and the Display window
// (the waterfall) to its height, without a dock edge being dragged.
TEST_F(BrevioWindows, DocksComeBackToTheirSizeWhenTheWindowGrowsAgain)
{
    ASSERT_TRUE(StartBrevio());
    ProbeClient& probe = BrevioProbe();
    const qulonglong window = BrevioWindow();
    ASSERT_NE(window, 0u);
    ASSERT_TRUE(Input().Maximise(window, false)) << Input().ErrorText().toStdString();
    ASSERT_TRUE(Input().Resize(window, QSize(1100, 850))) << Input().ErrorText().toStdString();
    const QString docks[] = {QStringLiteral("CTagsBar"), QStringLiteral("CMacrosBar"), QStringLiteral("CDisplayCanvasBar")};
    ASSERT_TRUE(WaitFor([&] {
        const auto main = Find(probe, QStringLiteral("CMainFrame"));
        return main && main->rect.width() == 1100;
    })) << probe.Ask(QStringLiteral("geometry")).toStdString();
    // Settled: the same sizes twice.
    QMap<QString, QRect> before;
    ASSERT_TRUE(WaitFor([&] {
        QMap<QString, QRect> now;
        for (const QString& d : docks)
            if (const auto w = Find(probe, d))
                now.insert(d, w->rect);
        const bool same = now.size() == 3 && now == before;
        before = now;
        return same;
    })) << probe.Ask(QStringLiteral("geometry")).toStdString();
    ASSERT_GT(before[docks[0]].width(), 120);
    ASSERT_GT(before[docks[2]].height(), 120);

    ASSERT_TRUE(Input().Resize(window, QSize(420, 330)));
    ASSERT_TRUE(WaitFor([&] {
        const auto tags = Find(probe, docks[0]);
        const auto display = Find(probe, docks[2]);
        return tags && display && (tags->rect.width() < before[docks[0]].width() ||
                                   display->rect.height() < before[docks[2]].height());
    })) << "the small window squeezes its docks: " << probe.Ask(QStringLiteral("geometry")).toStdString();

    ASSERT_TRUE(Input().Resize(window, QSize(1100, 850)));
    QMap<QString, QRect> after;
    EXPECT_TRUE(WaitFor([&] {
        for (const QString& d : docks)
            if (const auto w = Find(probe, d))
                after.insert(d, w->rect);
        return after[docks[0]].width() == before[docks[0]].width() &&
               after[docks[1]].width() == before[docks[1]].width() &&
               after[docks[2]].height() == before[docks[2]].height();
    })) << "Tags " << after[docks[0]].width() << " of " << before[docks[0]].width() << ", Macros "
        << after[docks[1]].width() << " of " << before[docks[1]].width() << ", Display " << after[docks[2]].height()
        << " of " << before[docks[2]].height();
}

// The Super Browser opened with F7 while channel 1 is maximised, and its
// transmit panel with its button: maximised with the panel shown, the view fills
// the frame from its top, and the status panes (IMD, Tx Lock, ...) run along
// the frame's bottom edge, not half-way down with the view pushed below.
TEST_F(BrevioWindows, MaximisedSuperBrowserKeepsItsStatusBarAtTheBottom)
{
    ASSERT_TRUE(StartBrevio());
    ProbeClient& probe = BrevioProbe();
    ASSERT_TRUE(OpenSuperBrowser());
    std::optional<Window> browser;
    ASSERT_TRUE(WaitFor([&] {
        browser = Find(probe, QStringLiteral("CSuperFrame"));
        return browser && browser->state == QLatin1String("max");
    })) << probe.Ask(QStringLiteral("geometry")).toStdString();
    QRect view, status;
    EXPECT_TRUE(WaitFor([&] {
        browser = Find(probe, QStringLiteral("CSuperFrame"));
        view = ParseRect(probe.Ask(QStringLiteral("locate CSuperView")));
        status = ParseRect(probe.Ask(QStringLiteral("locate CSuperFrame>QStatusBar")));
        return browser && view.isValid() && status.isValid() && view.top() <= browser->rect.top() + 4 &&
               std::abs(status.bottom() - browser->rect.bottom()) <= 4 && view.bottom() < status.top() && status.top() - view.bottom() <= 8;
    })) << "frame " << browser->rect.x() << "," << browser->rect.y() << " " << browser->rect.width() << "x"
        << browser->rect.height() << ", view " << view.x() << "," << view.y() << " " << view.width() << "x" << view.height()
        << ", status bar " << status.x() << "," << status.y() << " " << status.width() << "x" << status.height();
}

// F7 opens the Super Browser over a channel window and F7 closes it again:
// the channel window is never minimised on the way, comes back in the state
// it had (maximised, or restored by the operator) as the active window, also
// when another channel window was made before it, and what the operator types
// straight afterwards goes into its transmit pane.
TEST_F(BrevioWindows, SuperBrowserOpenedAndClosedWithF7LeavesTheChannelAsItWas)
{
    // Channel 2's transmit pane open as well (control 1056 of form 137).
    Brevio().SetStoredValue(QStringLiteral("00000089 00000420 00000001"), 1);
    ASSERT_TRUE(StartBrevio());
    ProbeClient& probe = BrevioProbe();
    const auto channel = [&](int n) { return Find(probe, QStringLiteral("CFrameRx"), QStringLiteral("Ch %1").arg(n)); };
    const auto browserShown = [&] {
        const auto w = Find(probe, QStringLiteral("CSuperFrame"));
        return w && w->state != QLatin1String("hidden");
    };
    ASSERT_TRUE(WaitFor([&] { return channel(1).has_value(); })) << probe.Ask(QStringLiteral("geometry")).toStdString();
    struct Row {
        int channel;
        const char* state;  // its window's before F7
        const char* typed;
    };
    // Channel 2's window opens in front of channel 1's, both restored.
    const Row rows[] = {{1, "max", "cq de g4tst"}, {1, "normal", " de g4tst k"}, {2, "normal", "qrz?"}};
    QMap<int, QString> expected;
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string("channel ") + std::to_string(row.channel) + " " + row.state);
        const QString pane = QStringLiteral("CFrameRx=Ch %1>CTxTextWindow").arg(row.channel);
        if (!channel(row.channel))
            ASSERT_TRUE(Input().KeyDigit(row.channel, QStringLiteral("alt"))) << Input().ErrorText().toStdString();
        ASSERT_TRUE(WaitFor([&] { return channel(row.channel).has_value(); })) << probe.Ask(QStringLiteral("geometry")).toStdString();
        if (channel(row.channel)->state != QLatin1String(row.state)) {
            // The maximised window's buttons stand at the right end of the
            // menu bar, 20 pixels apart: minimise, restore, close.
            const QRect menuBar = ParseRect(probe.Ask(QStringLiteral("locate QMenuBar")));
            ASSERT_TRUE(menuBar.isValid());
            ASSERT_TRUE(Input().Click(QPoint(menuBar.right() - 30, menuBar.center().y())));
        }
        ASSERT_TRUE(WaitFor([&] { return channel(row.channel)->state == QLatin1String(row.state); }))
            << probe.Ask(QStringLiteral("geometry")).toStdString();
        ASSERT_TRUE(FocusOn(probe, pane));

        ASSERT_TRUE(Input().Key(QStringLiteral("F7")));
        ASSERT_TRUE(WaitFor(browserShown)) << probe.Ask(QStringLiteral("geometry")).toStdString();
        EXPECT_NE(channel(row.channel)->state, QStringLiteral("min")) << "F7 opening the browser minimised the channel";
        ASSERT_TRUE(Input().Key(QStringLiteral("F7")));
        ASSERT_TRUE(WaitFor([&] { return !browserShown(); })) << probe.Ask(QStringLiteral("geometry")).toStdString();

        EXPECT_TRUE(WaitFor([&] { return channel(row.channel)->state == QLatin1String(row.state); }))
            << "after F7 twice the channel is " << channel(row.channel)->state.toStdString();
        ASSERT_TRUE(Input().Type(QString::fromLatin1(row.typed)));
        expected[row.channel] += QString::fromLatin1(row.typed);
        EXPECT_TRUE(WaitFor([&] { return probe.Ask(QStringLiteral("text ") + pane) == expected[row.channel]; }))
            << "the channel's transmit pane holds \"" << probe.Ask(QStringLiteral("text ") + pane).toStdString()
            << "\"; the keyboard is in " << probe.Ask(QStringLiteral("focus")).toStdString();
    }
}

// Tx > Beacon while the Super Browser is the active window, chosen with the
// mouse and from the keyboard (Alt+T, then N): the Beacon window opens, or
// the item is disabled; the choice is never taken only to do nothing.
TEST_F(BrevioWindows, TxBeaconWithTheSuperBrowserActiveOpensTheBeaconOrIsDisabled)
{
    ASSERT_TRUE(StartBrevio());
    ProbeClient& probe = BrevioProbe();
    const auto shown = [&](const char* className) {
        for (const Window& w : ParseGeometry(probe.Ask(QStringLiteral("geometry"))))
            if (w.className == QLatin1String(className) && w.state != QLatin1String("hidden"))
                return true;
        return false;
    };
    ASSERT_TRUE(FocusOn(probe, kTxPane));
    ASSERT_TRUE(Input().Key(QStringLiteral("F7")));
    // In front of channel 1, maximised as channel 1 was.
    ASSERT_TRUE(WaitFor([&] { return probe.Ask(QStringLiteral("main")).contains(QLatin1String(" - [Super Browser")); }))
        << probe.Ask(QStringLiteral("geometry")).toStdString();

    for (const bool mouse : {true, false}) {
        const char* route = mouse ? "by mouse" : "by Alt+T, N";
        SCOPED_TRACE(route);
        if (mouse) {
            ASSERT_TRUE(ClickOn(probe, QStringLiteral("action:Tx")));
            ASSERT_TRUE(WaitFor([&] { return ParseRect(probe.Ask(QStringLiteral("locate action:Beacon"))).isValid(); }));
            ASSERT_TRUE(ClickOn(probe, QStringLiteral("action:Beacon")));
        } else {
            ASSERT_TRUE(Input().Key(QStringLiteral("alt+t")));
            ASSERT_TRUE(WaitFor([&] { return ParseRect(probe.Ask(QStringLiteral("locate action:Beacon"))).isValid(); }))
                << "Alt+T opens no Tx menu: " << probe.Ask(QStringLiteral("geometry")).toStdString();
            ASSERT_TRUE(Input().Key(QStringLiteral("n")));
        }
        const QString item = probe.Ask(QStringLiteral("action Beacon"));
        const bool disabled = item.startsWith(QLatin1String("enabled=0"));
        const bool opened = !disabled && WaitFor([&] { return shown("CBeaconDlg"); }, 3000);
        EXPECT_TRUE(opened || disabled) << route << ": no Beacon window, and the item is " << item.toStdString();
        // The menu or the window closed again, as the operator does.
        for (int i = 0; i < 3 && (shown("QMenu") || shown("CBeaconDlg")); ++i) {
            ASSERT_TRUE(Input().Key(QStringLiteral("Escape")));
            WaitFor([&] { return !shown("QMenu") && !shown("CBeaconDlg"); }, 3000);
        }
        ASSERT_FALSE(shown("QMenu") || shown("CBeaconDlg")) << probe.Ask(QStringLiteral("geometry")).toStdString();
    }
}

// Channel windows 1 to 3 open and maximised, channel 3 in front: View >
// Channel ticks channel 3 alone, the one shown, also once FT-817 Corvane is
// made the active program, and the channel's commands (Tx > Transmit, its
// toolbar button) stay enabled there as they are with PSK31 Brevio in front.
TEST_F(BrevioWindows, ChannelMarksFollowTheWindowShownAlsoWithAnotherProgramInFront)
{
    ASSERT_TRUE(StartCorvane());
    ASSERT_TRUE(StartBrevio());
    ProbeClient& probe = BrevioProbe();
    const auto maximised = [&](int n) {
        const auto w = Find(probe, QStringLiteral("CFrameRx"), QStringLiteral("Ch %1").arg(n));
        return w && w->state == QLatin1String("max");
    };
    const auto marks = [&] {
        QString ticked;
        for (int n = 1; n <= 4; ++n)
            ticked += probe.Ask(QStringLiteral("action Channel %1").arg(n)).contains(QLatin1String("checked=1")) ? u'1' : u'0';
        return ticked;
    };
    ASSERT_TRUE(FocusOn(probe, kTxPane));
    for (int n : {2, 3}) {
        ASSERT_TRUE(Input().KeyDigit(n, QStringLiteral("alt"))) << Input().ErrorText().toStdString();
        ASSERT_TRUE(WaitFor([&] { return maximised(n); })) << probe.Ask(QStringLiteral("geometry")).toStdString();
    }
    EXPECT_TRUE(WaitFor([&] { return marks() == QLatin1String("0010"); })) << "ticked: " << marks().toStdString();

    const QList<qulonglong> corvane = Input().Windows(Corvane().Pid(), QStringLiteral("^FT-817 Corvane"));
    ASSERT_FALSE(corvane.isEmpty());
    ASSERT_TRUE(Input().Activate(corvane.first())) << Input().ErrorText().toStdString();
    ASSERT_TRUE(WaitFor([&] { return probe.Ask(QStringLiteral("main")).endsWith(QLatin1String("|active=0")); }))
        << probe.Ask(QStringLiteral("main")).toStdString();
    EXPECT_EQ(marks(), QStringLiteral("0010")) << "with FT-817 Corvane in front; " << probe.Ask(QStringLiteral("geometry")).toStdString();
    EXPECT_TRUE(probe.Ask(QStringLiteral("action Transmit")).startsWith(QLatin1String("enabled=1")))
        << "Tx > Transmit with FT-817 Corvane in front: " << probe.Ask(QStringLiteral("action Transmit")).toStdString();
}
