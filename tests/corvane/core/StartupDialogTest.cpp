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
#include "support/Simulator.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

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

TEST(StartupDialog, CancelAnswersAtOnceWhileAPortStaysSilent)
{
    CRadioApp app;
    testsupport::Simulator::Options o;
    o.faults << QStringLiteral("no-answer");  // the port opens, nothing ever answers
    testsupport::Simulator sim(o);
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    qputenv("CORVANE_EXTRA_PORTS", sim.portPath().toLocal8Bit());
    const CRegistry registry;
    registry.WriteString("Startup port", sim.portPath());
    registry.WriteString("Startup speed", "38400");
    registry.WriteBool("CStartup::m_bAuto", false);
    CStartup startup;
    qunsetenv("CORVANE_EXTRA_PORTS");

    // The dialog's own thread keeps running while the radio is sought.
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    bool searching = false;
    bool cancelEnabled = false;
    bool hiddenAtOnce = false;
    QElapsedTimer clock;
    QTimer::singleShot(0, &startup, [&] {
        ticker.start(20);
        startup.OnConnect();
    });
    QTimer::singleShot(700, &startup, [&] {
        searching = startup.IsSearching();
        QPushButton* cancel = nullptr;
        for (QPushButton* b : startup.findChildren<QPushButton*>())
            if (GetDlgCtrlID(b) == 2)
                cancel = b;
        ASSERT_NE(cancel, nullptr);
        cancelEnabled = cancel->isEnabled();
        clock.start();
        cancel->click();
        hiddenAtOnce = !startup.isVisible();
    });
    const int result = startup.DoModal();
    const qint64 afterClick = clock.elapsed();

    EXPECT_EQ(result, platform::IDCANCEL);
    EXPECT_TRUE(searching) << "the search was still running when Cancel was pressed";
    EXPECT_TRUE(cancelEnabled);
    EXPECT_TRUE(hiddenAtOnce) << "the dialog goes as Cancel is pressed";
    EXPECT_GE(ticks, 10) << "timers ran during the search: the dialog was served";
    // The exchange in progress is left to run out (a silent frequency read
    // gives up after 1.5 s); the dialog does not wait for the rest of the try.
    EXPECT_LT(afterClick, 2500);
    EXPECT_FALSE(app.GetCatLink().IsOpen()) << "a cancelled search leaves the port closed";
}
