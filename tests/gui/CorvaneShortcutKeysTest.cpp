// FT-817 Corvane's keys with Alt (and the Ctrl keys of windows it toggles),
// pressed on a real keyboard in the running program on the simulator, on the
// US layout and on the French one, where letters sit elsewhere (a key is
// the one that carries the letter). Each does what its menu item does: a
// window opens (and closes again where the command toggles it), a tick
// changes and comes back, or the radio gets the command's frame. Alt+P
// brings PSK31 Brevio forward. A menu title's key opens its menu.
#include "GuiTest.h"

#include <QByteArray>
#include <QRegularExpression>
#include <QString>
#include <gtest/gtest.h>

#include <string>

namespace {

enum class Does { Window, Toggles, Ticks, Frames, Menu };

struct CorvaneKey {
    const char* keys;     // xdotool's names
    const char* command;  // the menu item
    Does does;
    const char* what;  // the window's class, the menu item's text, the frames (hex) of two presses, or an item of the menu
    const char* defect;
};

const CorvaneKey kKeys[] = {
    {"alt+a", "Favourites > Add", Does::Window, "CAddFavouriteDialog", nullptr},
    {"alt+n", "Scanning > Band", Does::Toggles, "CScanBandDialog", nullptr},
    {"alt+c", "Tools > Calibration", Does::Window, "CCalibrationDialog", nullptr},
    {"alt+g", "Memory > Manager", Does::Window, "CMemoryManagerDialog", nullptr},
    {"alt+l", "Tools > Lock Front Panel", Does::Frames, "0000000000 0000000080", nullptr},
    {"alt+o", "Favourites > Manager", Does::Window, "CManageFavouritesDialog", nullptr},
    {"alt+q", "Scanning > Memory", Does::Toggles, "CScanMemoryDialog", nullptr},
    {"alt+r", "Tools > Repeater Settings", Does::Window, "CRepeaterSheet", nullptr},
    {"alt+x", "Tools > Transmit", Does::Window, "CTransmitDialog", nullptr},
    {"alt+y", "Favourites > Show Markers", Does::Ticks, "Show Markers", nullptr},
    {"alt+F11", "Speech > Full Frequency", Does::Ticks, "Full Frequency", nullptr},
    {"ctrl+b", "Bands > Manager", Does::Window, "CCustomBandsManagerDialog", nullptr},
    {"ctrl+w", "Tools > CW Settings", Does::Toggles, "CCWSettingsDialog", nullptr},
    {"alt+s", "Speech", Does::Menu, "Frequency + Mode", nullptr},
    {"alt+i", "Scanning", Does::Menu, "Band", nullptr},
};

class CorvaneKeys : public GuiTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(X().SetLayout(QString::fromLatin1(GetParam()))) << X().ErrorText().toStdString();
        ASSERT_TRUE(StartCorvane());
    }

    QString Ask(const QString& question) { return CorvaneProbe().Ask(question); }
    bool Shows(const char* className)
    {
        for (const Window& w : ParseGeometry(Ask(QStringLiteral("geometry"))))
            if (w.className == QLatin1String(className) && w.state != QLatin1String("hidden"))
                return true;
        return false;
    }
    bool Ticked(const char* item) { return Ask(QStringLiteral("action ") + QLatin1String(item)).endsWith(QLatin1String("checked=1")); }
};

} // namespace

TEST_P(CorvaneKeys, KeysDoWhatTheirMenuItemsDo)
{
    for (const CorvaneKey& row : kKeys) {
        const std::string name = std::string(row.keys) + " (" + row.command + ")";
        SCOPED_TRACE(name);
        ASSERT_TRUE(WaitUntilActive(CorvaneProbe())) << Ask(QStringLiteral("geometry")).toStdString();
        const QString keys = QString::fromLatin1(row.keys);
        const int wait = RowWaitMs(row.defect);
        bool passed = false;
        QString detail;
        switch (row.does) {
        case Does::Window:
        case Does::Toggles: {
            ASSERT_FALSE(Shows(row.what));
            ASSERT_TRUE(Input().Key(keys)) << Input().ErrorText().toStdString();
            const bool opened = WaitFor([&] { return Shows(row.what); }, wait);
            bool closed = false;
            if (opened) {
                // A dialog goes with Escape; a window the command toggles
                // with the key again, pressed in the main window (a click on
                // a lamp of the front panel takes the operator back there).
                if (row.does == Does::Toggles) {
                    ASSERT_TRUE(Input().Click(ParseRect(Ask(QStringLiteral("control 1378"))).center()));
                    ASSERT_TRUE(WaitUntilActive(CorvaneProbe())) << Ask(QStringLiteral("focus")).toStdString();
                }
                ASSERT_TRUE(Input().Key(row.does == Does::Window ? QStringLiteral("Escape") : keys));
                closed = WaitFor([&] { return !Shows(row.what); }, wait);
            }
            passed = opened && closed;
            detail = !opened ? QStringLiteral("no %1 among %2").arg(QLatin1String(row.what), Ask(QStringLiteral("geometry")))
                             : QStringLiteral("%1 stays open").arg(QLatin1String(row.what));
            break;
        }
        case Does::Ticks: {
            // Pressed twice: the tick changes and comes back.
            const bool before = Ticked(row.what);
            ASSERT_TRUE(Input().Key(keys)) << Input().ErrorText().toStdString();
            const bool changed = WaitFor([&] { return Ticked(row.what) != before; }, wait);
            bool back = false;
            if (changed) {
                ASSERT_TRUE(Input().Key(keys));
                back = WaitFor([&] { return Ticked(row.what) == before; }, wait);
            }
            passed = changed && back;
            detail = QStringLiteral("%1 was %2, %3").arg(QLatin1String(row.what), before ? QStringLiteral("ticked") : QStringLiteral("clear"),
                                                       changed ? QStringLiteral("did not come back") : QStringLiteral("did not change"));
            break;
        }
        case Does::Menu: {
            // The menu opens with its items (the probe finds an open menu's
            // item before a toolbar's button of the same command), and Escape
            // closes it.
            const QString item = QStringLiteral("locate action:") + QLatin1String(row.what);
            const QString before = Ask(item);
            ASSERT_TRUE(Input().Key(keys)) << Input().ErrorText().toStdString();
            const bool opened = WaitFor([&] { return Ask(item) != before; }, wait);
            bool closed = false;
            if (opened) {
                ASSERT_TRUE(Input().Key(QStringLiteral("Escape Escape")));
                closed = WaitFor([&] { return Ask(item) == before; }, wait);
            }
            passed = opened && closed;
            detail = !opened ? QStringLiteral("no menu with %1 opened").arg(QLatin1String(row.what))
                             : QStringLiteral("the menu stays open");
            break;
        }
        case Does::Frames: {
            // Each press sends its frame to the radio.
            passed = true;
            for (const QString& hex : QString::fromLatin1(row.what).split(QLatin1Char(' '))) {
                const QByteArray frame = QByteArray::fromHex(hex.toLatin1());
                const qsizetype before = Radio().frames().count(frame);
                ASSERT_TRUE(Input().Key(keys)) << Input().ErrorText().toStdString();
                if (!WaitFor([&] { return Radio().frames().count(frame) > before; }, wait)) {
                    passed = false;
                    detail = QStringLiteral("the radio never got %1").arg(hex);
                    break;
                }
            }
            break;
        }
        }
        ExpectRow(name, passed, detail, row.defect);
        if (!passed)
            Input().Key(QStringLiteral("Escape"));
    }
}

INSTANTIATE_TEST_SUITE_P(Layout, CorvaneKeys, ::testing::Values("us", "fr"),
                         [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

namespace {
class CorvaneBringsBrevio : public GuiTest {};
} // namespace

// Tools > PSK31 Brevio (Alt+P) with PSK31 Brevio running: its window comes
// to the front and takes the keyboard.
TEST_F(CorvaneBringsBrevio, AltPActivatesTheRunningDigitalModeProgram)
{
    ASSERT_TRUE(StartCorvane());
    ASSERT_TRUE(StartBrevio());
    // The operator goes back to FT-817 Corvane's window (as from a task bar).
    const qulonglong corvane = Input().WaitForWindow(Corvane().Pid(), QStringLiteral("^FT-817 Corvane"));
    ASSERT_NE(corvane, 0u) << Input().ErrorText().toStdString();
    ASSERT_TRUE(Input().Activate(corvane)) << Input().ErrorText().toStdString();
    ASSERT_TRUE(WaitUntilActive(CorvaneProbe())) << CorvaneProbe().Ask(QStringLiteral("main")).toStdString();
    ASSERT_TRUE(WaitFor([&] { return BrevioProbe().Ask(QStringLiteral("main")).endsWith(QLatin1String("|active=0")); }))
        << BrevioProbe().Ask(QStringLiteral("main")).toStdString();

    ASSERT_TRUE(Input().Key(QStringLiteral("alt+p")));
    EXPECT_TRUE(WaitUntilActive(BrevioProbe())) << BrevioProbe().Ask(QStringLiteral("main")).toStdString();
    EXPECT_TRUE(WaitFor([&] { return Input().PidOf(Input().ActiveWindow()) == Brevio().Pid(); }))
        << "the window manager's active window belongs to process " << Input().PidOf(Input().ActiveWindow());
}
