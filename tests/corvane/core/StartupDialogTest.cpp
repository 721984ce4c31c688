// The start-up dialog's window: its list, the Autodetect switch and the
// DTR / RTS options.
#include "corvane/core/RadioApp.h"
#include "corvane/core/Startup.h"
#include "shared/Registry.h"
#include "shared/ui/BarMeter.h"
#include "shared/ui/OwnComboBox.h"
#include "shared/ui/OwnListCtrl.h"

#include <QCheckBox>
#include <QLabel>
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
