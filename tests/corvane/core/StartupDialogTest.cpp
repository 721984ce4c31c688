// The start-up dialog's window: its list, the Autodetect switch and the
// DTR / RTS options.
#include "corvane/core/CatLink.h"
#include "corvane/core/RadioApp.h"
#include "corvane/core/Startup.h"
#include "platform/Prompter.h"
#include "shared/Registry.h"
#include "shared/ui/BarMeter.h"
#include "shared/ui/OwnComboBox.h"
#include "shared/ui/OwnListCtrl.h"
#include "support/LayoutCheck.h"
#include "support/Simulator.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <vector>

TEST(StartupDialog, ColumnsSpeedsAndTheAutodetectSwitch)
{
    CRadioApp app;
    qputenv("CORVANE_EXTRA_PORTS", "/tmp/corvane-radio-a:/tmp/corvane-radio-b");
    CRegistry().WriteString("Startup port", "/tmp/corvane-radio-b");
    CRegistry().WriteString("Startup speed", "9600");
    CStartup startup;
    startup.show();
    qunsetenv("CORVANE_EXTRA_PORTS");

    EXPECT_TRUE(startup.windowTitle().startsWith("FT-817 Corvane v"));
    COwnListCtrl* list = startup.GetList();
    EXPECT_EQ(list->GetColumnHeading(0), "Port");
    EXPECT_EQ(list->GetColumnHeading(1), "Speed");
    EXPECT_EQ(list->GetColumnHeading(2), "Status");
    EXPECT_EQ(list->columnWidth(0), 150);
    COwnComboBox* speed = startup.GetSpeedCombo();
    ASSERT_EQ(speed->count(), 3);
    EXPECT_EQ(speed->itemText(0), "4800");
    EXPECT_EQ(speed->itemText(2), "38400");
    EXPECT_EQ(speed->currentText(), "9600") << "where the radio answered last";
    // The ports named by the operator come first; the stored one is selected.
    COwnComboBox* port = startup.GetPortCombo();
    EXPECT_EQ(port->itemText(0), "/tmp/corvane-radio-a");
    EXPECT_EQ(port->itemText(1), "/tmp/corvane-radio-b");
    EXPECT_EQ(port->currentText(), "/tmp/corvane-radio-b");
    EXPECT_FALSE(startup.GetProgress()->isVisible());
    EXPECT_EQ(startup.GetProgress()->GetUpper(), 202);

    // Autodetect (on by default) locks the port and speed choice.
    EXPECT_TRUE(startup.GetAutodetect()->isChecked());
    EXPECT_FALSE(port->isEnabled());
    EXPECT_FALSE(speed->isEnabled());
    startup.GetAutodetect()->click();
    EXPECT_TRUE(port->isEnabled());
    EXPECT_TRUE(speed->isEnabled());
    EXPECT_FALSE(startup.m_bAuto);
}

// A radio on a USB adapter is named by a long device path, longer than the
// port box: its tip shows it whole. At the default font and one point
// larger nothing else of the dialog is cut. Under a real display with
// CORVANE_SCREENSHOT_DIR set the dialog is photographed with the tip showing
// (docs/corvane-startup-port-tip.png,
//   CORVANE_SCREENSHOT_DIR=docs QT_QPA_PLATFORM=xcb xvfb-run -a \
//     build/tests/corvane_core_tests --gtest_filter='StartupDialog.ALong*').
TEST(StartupDialog, ALongDevicePathShowsWhole)
{
    const QString shots = qEnvironmentVariable("CORVANE_SCREENSHOT_DIR");
    bool photograph = !shots.isEmpty() && QGuiApplication::platformName() == QLatin1String("xcb");
    CRadioApp app;
    const QString path = QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
    qputenv("CORVANE_EXTRA_PORTS", (path + QStringLiteral(":/tmp/corvane-radio-b")).toLocal8Bit());
    CRegistry().WriteString("Startup port", path);
    auto check = [&] {
        CStartup startup;
        startup.show();
        COwnComboBox* port = startup.GetPortCombo();
        EXPECT_EQ(port->currentText().toStdString(), path.toStdString());
        EXPECT_EQ(port->toolTip().toStdString(), path.toStdString());
        const QStringList problems = testsupport::layoutProblems(&startup);
        EXPECT_TRUE(problems.isEmpty()) << problems.join("\n").toStdString();
        if (photograph) {
            photograph = false;
            port->setEnabled(true);
            QTest::qWait(300);
            const QPoint at = port->mapToGlobal(port->rect().center());
            QToolTip::showText(at, port->toolTip(), port);
            QTest::qWait(500);
            const QRect r = startup.frameGeometry().united(QRect(at, QSize(500, 40)));
            EXPECT_TRUE(startup.screen()->grabWindow(0, r.x(), r.y(), r.width(), r.height())
                            .save(shots + "/corvane-startup-port-tip.png"));
            QToolTip::hideText();
        }
        // Choosing the other port: the tip follows.
        port->setCurrentIndex(1);
        emit port->activated(1);
        EXPECT_EQ(port->toolTip().toStdString(), "/tmp/corvane-radio-b");
    };
    check();
    testsupport::withLargerFont(check);
    qunsetenv("CORVANE_EXTRA_PORTS");
}

TEST(StartupDialog, LineOptionsAreKeptOnlyWithOk)
{
    {
        CStartupOptionsDialog options;
        EXPECT_FALSE(options.GetDtr()->isChecked());
        EXPECT_FALSE(options.GetRts()->isChecked());
        options.GetRts()->setChecked(true);
        options.OnOK();
    }
    const CRegistry registry;
    EXPECT_TRUE(registry.GetBool("Startup - RTS", false));
    EXPECT_FALSE(registry.GetBool("Startup - DTR", true));
    {
        CStartupOptionsDialog options;
        EXPECT_TRUE(options.GetRts()->isChecked());
        options.OnDefaults();
        EXPECT_FALSE(options.GetRts()->isChecked());
        options.reject();
    }
    EXPECT_TRUE(registry.GetBool("Startup - RTS", false)) << "Defaults alone stores nothing";
}

namespace {

// Ports that open and never answer, as a radio that is off or a port with
// something else on it.
struct SilentPorts {
    explicit SilentPorts(int nCount)
    {
        testsupport::Simulator::Options o;
        o.faults << QStringLiteral("no-answer");
        for (int i = 0; i < nCount; ++i)
            sims.push_back(std::make_unique<testsupport::Simulator>(o));
    }
    QStringList Paths() const
    {
        QStringList paths;
        for (const auto& sim : sims)
            paths << sim->portPath();
        return paths;
    }
    std::vector<std::unique_ptr<testsupport::Simulator>> sims;
};

// Paint events of the dialog's widgets.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* dialog) : m_dialog(dialog) { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && o->isWidgetType() && static_cast<QWidget*>(o)->window() == m_dialog)
            ++m_nPaints;
        return false;
    }
    int m_nPaints = 0;

private:
    QWidget* m_dialog;
};

QPushButton* DialogButton(QWidget* dialog, unsigned nId)
{
    for (QPushButton* b : dialog->findChildren<QPushButton*>())
        if (GetDlgCtrlID(b) == nId)
            return b;
    return nullptr;
}

} // namespace

// Cancel while the search waits on a port that stays silent: the dialog goes
// and control returns within a second, wherever the search is (a frequency
// read that gives up only after 1.5 s, a wake-up pause, a later port of an
// autodetect search), and the dialog was served all along. A search started
// right afterwards opens the same port and finds the radio.
TEST(StartupDialog, CancelAnswersWithinASecondWhilePortsStaySilent)
{
    const struct {
        const char* name;
        bool autodetect;
        int ports;
        int cancelPort;        // Cancel once this port's radio heard...
        const char* frame;     // ...this frame
        int delayMs;           // ...and this much later
    } cases[] = {
        // The stored port, no search: in its frequency read.
        {"one port, frequency read", false, 1, 0, "0000000003", 0},
        // The stored port (the last one) is tried first: waiting for the
        // power-on frame's acknowledgement, then in the pause after it.
        {"autodetect, power-on exchange", true, 3, 2, "000000000F", 0},
        {"autodetect, pause after power-on", true, 3, 2, "000000000F", 800},
        // The search has moved on to the first port of the list: in its
        // frequency read.
        {"autodetect, a later port", true, 3, 0, "0000000003", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CRadioApp app;
        SilentPorts silent(c.ports);
        for (const auto& sim : silent.sims)
            ASSERT_TRUE(sim->isRunning()) << sim->errorText().toStdString();
        const testsupport::Simulator& cancelSim = *silent.sims[size_t(c.cancelPort)];
        const QByteArray cancelFrame = QByteArray::fromHex(c.frame);
        qputenv("CORVANE_EXTRA_PORTS", silent.Paths().join(QLatin1Char(':')).toLocal8Bit());
        const CRegistry registry;
        registry.WriteString("Startup port", silent.Paths().last());
        registry.WriteString("Startup speed", "38400");
        registry.WriteBool("CStartup::m_bAuto", c.autodetect);

        qint64 afterClick = -1;
        {
            CStartup startup;
            PaintCounter paints(&startup);
            int paintsAtStart = 0;
            bool started = false;
            bool searching = false;
            bool cancelEnabled = false;
            bool hiddenAtOnce = false;
            bool pressed = false;
            qint64 longestGap = 0;
            QElapsedTimer heardClock;
            QElapsedTimer tickClock;
            QElapsedTimer clickClock;
            QTimer ticker;
            // Every 20 ms on the dialog's thread: Connect once the dialog has
            // painted itself, then Cancel once the radio heard the frame; the
            // longest time between two ticks is how long the dialog froze.
            QObject::connect(&ticker, &QTimer::timeout, [&] {
                if (started && !pressed)
                    longestGap = std::max(longestGap, tickClock.elapsed());
                tickClock.start();
                if (!started) {
                    if (paints.m_nPaints == 0)
                        return;
                    started = true;
                    paintsAtStart = paints.m_nPaints;
                    QTimer::singleShot(0, &startup, [&] { startup.OnConnect(); });
                    return;
                }
                if (pressed)
                    return;
                if (!heardClock.isValid()) {
                    if (!cancelSim.frames().contains(cancelFrame))
                        return;
                    heardClock.start();
                }
                if (heardClock.elapsed() < c.delayMs)
                    return;
                pressed = true;
                searching = startup.IsSearching();
                QPushButton* cancel = DialogButton(&startup, 2);
                ASSERT_NE(cancel, nullptr);
                cancelEnabled = cancel->isEnabled();
                clickClock.start();
                cancel->click();
                hiddenAtOnce = !startup.isVisible();
            });
            ticker.start(20);
            // A search that never gets there ends the test, not the run.
            QTimer::singleShot(20000, &startup, [&] { startup.OnCancel(); });
            const int result = startup.DoModal();
            ASSERT_TRUE(pressed) << "the radio never heard the frame";
            afterClick = clickClock.elapsed();
            qunsetenv("CORVANE_EXTRA_PORTS");

            EXPECT_EQ(result, platform::IDCANCEL);
            EXPECT_TRUE(searching) << "the search was still running when Cancel was pressed";
            EXPECT_TRUE(cancelEnabled);
            EXPECT_TRUE(hiddenAtOnce) << "the dialog goes as Cancel is pressed";
            EXPECT_LT(afterClick, 1000) << "control returned " << afterClick << " ms after Cancel";
            // Served all along (a silent exchange lasts up to 1.5 s), and
            // what changed (the controls Connect disabled, the rows) painted.
            EXPECT_LT(longestGap, 500) << "the dialog froze for " << longestGap << " ms during the search";
            EXPECT_GT(paints.m_nPaints, paintsAtStart) << "nothing painted during the search";
            EXPECT_FALSE(app.GetCatLink().IsOpen()) << "a cancelled search leaves the port closed";
        }
        // The radio where the search was cut short answers now, and a new
        // search tried there first finds it at once: that port was let go.
        testsupport::Simulator& found = *silent.sims[size_t(c.cancelPort)];
        ASSERT_TRUE(found.setFaultsArmed(false));
        qputenv("CORVANE_EXTRA_PORTS", silent.Paths().join(QLatin1Char(':')).toLocal8Bit());
        registry.WriteString("Startup port", found.portPath());
        CStartup again;
        QTimer::singleShot(0, &again, [&] { again.OnConnect(); });
        QTimer::singleShot(20000, &again, [&] { again.OnCancel(); });
        EXPECT_EQ(again.DoModal(), platform::IDOK);
        qunsetenv("CORVANE_EXTRA_PORTS");
        EXPECT_TRUE(app.GetCatLink().IsOpen());
        EXPECT_EQ(registry.GetString("Startup port", QString()), found.portPath());
        std::string key = std::string("cancel_ms_") + c.name;
        for (char& ch : key)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        RecordProperty(key, int(afterClick));
    }
}
