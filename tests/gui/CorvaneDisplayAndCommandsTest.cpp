// FT-817 Corvane on its simulator, driven with real keys and clicks: the
// tuning dial redrawn when its range changes, keys that belong to one
// command each, F1 from the main window and its dialogs, the status bar's
// prompts, and the panel's texts whole in the fonts of this system.
#include "GuiTest.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>

namespace {

class CorvaneDisplayAndCommands : public GuiTest {
protected:
    ProbeClient& Probe() { return CorvaneProbe(); }
    QString Ask(const QString& question) { return Probe().Ask(question); }

    // A window of the program by class, when it shows.
    std::optional<Window> Shown(const QString& className)
    {
        for (const Window& w : ParseGeometry(Ask(QStringLiteral("geometry"))))
            if (w.className == className && w.state != QLatin1String("hidden"))
                return w;
        return std::nullopt;
    }
    QRect Control(unsigned id) { return ParseRect(Ask(QStringLiteral("control %1").arg(id))); }
    // An item of the navigator's open group.
    QRect NavigatorItem(const QString& text) { return ParseRect(Ask(QStringLiteral("navigator-item ") + text)); }
    // The title of the window that has the keyboard.
    QString ActiveTitle() { return Ask(QStringLiteral("focus")).section(QLatin1Char('|'), 2, 2); }
    bool ClickAt(const QRect& r) { return r.isValid() && Input().Click(r.center()); }
    // A lamp of the front panel: a click there changes nothing and makes the
    // main window (its front panel) the active one with the focus.
    bool ClickThePanel() { return ClickAt(Control(1378)); }
    // The dial as the screen shows it: its title, and whether every pixel on
    // the screen is what it draws now.
    bool DialShows(const QString& title)
    {
        return Ask(QStringLiteral("dial")) == QStringLiteral("title=%1 differing=0").arg(title);
    }
    QString StatusMessage() { return Ask(QStringLiteral("status")).section(QLatin1Char('|'), 0, 0); }
    // The program up, with its front panel laid out and shown.
    bool Start()
    {
        if (!StartCorvane())
            return false;
        const bool shown = WaitFor([&] { return Control(1378).isValid(); });
        EXPECT_TRUE(shown) << "the front panel did not show: " << Ask(QStringLiteral("geometry")).toStdString();
        return shown;
    }
};

} // namespace

// The navigator's Bands group and the Bands window set the dial's range: the
// screen shows the new plan at once, not the old scales with the arrows of
// the old plan until the next layout.
TEST_F(CorvaneDisplayAndCommands, TheDialShowsANewRangeAtOnce)
{
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WaitFor([&] { return Ask(QStringLiteral("dial")).endsWith(QLatin1String(" differing=0")); }))
        << Ask(QStringLiteral("dial")).toStdString();

    // Bands > Display opens the navigator's Bands group.
    ASSERT_TRUE(Input().Key(QStringLiteral("alt+b")));
    ASSERT_TRUE(WaitFor([&] { return ParseRect(Ask(QStringLiteral("locate action:Display"))).isValid(); }));
    ASSERT_TRUE(Input().Key(QStringLiteral("y")));
    for (const char* plan : {"Shortwave", "160m - 10m"}) {
        const QString title = QString::fromLatin1(plan);
        ASSERT_TRUE(WaitFor([&] { return NavigatorItem(title).isValid(); })) << plan;
        ASSERT_TRUE(ClickAt(NavigatorItem(title)));
        EXPECT_TRUE(WaitFor([&] { return DialShows(title); }, 5000))
            << plan << ": " << Ask(QStringLiteral("dial")).toStdString();
    }

    // The panel's Bands button opens the Bands window, moved aside over the
    // navigator; the arrow keys walk its list, each row a plan.
    ASSERT_TRUE(ClickAt(Control(1394)));
    ASSERT_TRUE(WaitFor([&] { return Shown(QStringLiteral("CBandsDialog")).has_value(); }));
    const qulonglong bands = Input().WaitForWindow(Corvane().Pid(), QStringLiteral("^Bands$"));
    ASSERT_NE(bands, 0u);
    ASSERT_TRUE(Input().Move(bands, QPoint(0, 500)));
    ASSERT_TRUE(WaitFor([&] { return ActiveTitle() == QLatin1String("Bands"); })) << Ask(QStringLiteral("focus")).toStdString();
    ASSERT_TRUE(Input().Key(QStringLiteral("Home")));
    EXPECT_TRUE(WaitFor([&] { return DialShows(QStringLiteral("160m - 10m")); }, 5000))
        << Ask(QStringLiteral("dial")).toStdString();
    for (const char* plan : {"160m - 70cm", "VHF - UHF", "Shortwave"}) {
        const QString title = QString::fromLatin1(plan);
        ASSERT_TRUE(Input().Key(QStringLiteral("Down")));
        EXPECT_TRUE(WaitFor([&] { return DialShows(title); }, 5000))
            << plan << ": " << Ask(QStringLiteral("dial")).toStdString();
    }
}

// Ctrl+W in the main window opens CW Settings and the next Ctrl+W there
// hides it, every time; no key is claimed twice (Qt would say so).
TEST_F(CorvaneDisplayAndCommands, CtrlWOpensAndHidesCwSettingsEveryTime)
{
    ASSERT_TRUE(Start());
    for (int press = 1; press <= 4; ++press) {
        SCOPED_TRACE("press " + std::to_string(press));
        ASSERT_TRUE(ClickThePanel());
        ASSERT_TRUE(WaitFor([&] { return Ask(QStringLiteral("main")).endsWith(QLatin1String("|active=1")); }));
        ASSERT_TRUE(Input().Key(QStringLiteral("ctrl+w")));
        const bool shown = press % 2 == 1;
        EXPECT_TRUE(WaitFor([&] { return Shown(QStringLiteral("CCWSettingsDialog")).has_value() == shown; }, 10000))
            << Ask(QStringLiteral("geometry")).toStdString();
    }
    EXPECT_FALSE(Corvane().Diagnostics().contains(QLatin1String("Ambiguous shortcut")))
        << Corvane().Diagnostics().toStdString();
}

// CW Settings takes the keyboard when Ctrl+W opens it; Ctrl+W pressed there
// hides it again, as it does from the main window, every time.
TEST_F(CorvaneDisplayAndCommands, CtrlWInCwSettingsHidesIt)
{
    ASSERT_TRUE(Start());
    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        ASSERT_TRUE(ClickThePanel());
        ASSERT_TRUE(WaitFor([&] { return Ask(QStringLiteral("main")).endsWith(QLatin1String("|active=1")); }));
        ASSERT_TRUE(Input().Key(QStringLiteral("ctrl+w")));
        ASSERT_TRUE(WaitFor([&] { return Shown(QStringLiteral("CCWSettingsDialog")).has_value(); }, 10000))
            << Ask(QStringLiteral("geometry")).toStdString();
        ASSERT_TRUE(WaitFor([&] { return ActiveTitle() == QLatin1String("CW Settings"); }))
            << Ask(QStringLiteral("focus")).toStdString();
        ASSERT_TRUE(Input().Key(QStringLiteral("ctrl+w")));
        EXPECT_TRUE(WaitFor([&] { return !Shown(QStringLiteral("CCWSettingsDialog")).has_value(); }, 10000))
            << "CW Settings stays open with the keyboard in it";
    }
    EXPECT_FALSE(Corvane().Diagnostics().contains(QLatin1String("Ambiguous shortcut")))
        << Corvane().Diagnostics().toStdString();
}

// The Bands window shows the range the dial uses and changes it only when
// the operator picks a row: opening it (the first time too) keeps the
// range, its arrow keys move on from that range's row, and a range chosen in
// the navigator moves its highlight along.
TEST_F(CorvaneDisplayAndCommands, TheBandsWindowShowsTheRangeTheDialUses)
{
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WaitFor([&] { return DialShows(QStringLiteral("160m - 70cm")); }, 10000))
        << Ask(QStringLiteral("dial")).toStdString();

    ASSERT_TRUE(ClickAt(Control(1394)));
    ASSERT_TRUE(WaitFor([&] { return Shown(QStringLiteral("CBandsDialog")).has_value(); }));
    const qulonglong bands = Input().WaitForWindow(Corvane().Pid(), QStringLiteral("^Bands$"));
    ASSERT_NE(bands, 0u);
    ASSERT_TRUE(Input().Move(bands, QPoint(0, 500)));
    ASSERT_TRUE(WaitFor([&] { return ActiveTitle() == QLatin1String("Bands"); })) << Ask(QStringLiteral("focus")).toStdString();
    ASSERT_TRUE(WaitFor([&] { return Ask(QStringLiteral("focus")).startsWith(QLatin1String("QListWidget|")); }))
        << Ask(QStringLiteral("focus")).toStdString();
    EXPECT_TRUE(DialShows(QStringLiteral("160m - 70cm"))) << "opening the window changed the range: "
                                                         << Ask(QStringLiteral("dial")).toStdString();
    // Down from the highlighted row: the one after the range in use.
    ASSERT_TRUE(Input().Key(QStringLiteral("Down")));
    EXPECT_TRUE(WaitFor([&] { return DialShows(QStringLiteral("VHF - UHF")); }, 5000))
        << Ask(QStringLiteral("dial")).toStdString();

    // The navigator's Bands group chooses Shortwave.
    ASSERT_TRUE(ClickThePanel());
    ASSERT_TRUE(Input().Key(QStringLiteral("alt+b")));
    ASSERT_TRUE(WaitFor([&] { return ParseRect(Ask(QStringLiteral("locate action:Display"))).isValid(); }));
    ASSERT_TRUE(Input().Key(QStringLiteral("y")));
    ASSERT_TRUE(WaitFor([&] { return NavigatorItem(QStringLiteral("Shortwave")).isValid(); }));
    ASSERT_TRUE(ClickAt(NavigatorItem(QStringLiteral("Shortwave"))));
    ASSERT_TRUE(WaitFor([&] { return DialShows(QStringLiteral("Shortwave")); }, 5000))
        << Ask(QStringLiteral("dial")).toStdString();

    // Back in the Bands window, Up goes on from Shortwave's row.
    ASSERT_TRUE(Input().Activate(bands)) << Input().ErrorText().toStdString();
    ASSERT_TRUE(WaitFor([&] { return ActiveTitle() == QLatin1String("Bands"); })) << Ask(QStringLiteral("focus")).toStdString();
    EXPECT_TRUE(DialShows(QStringLiteral("Shortwave"))) << Ask(QStringLiteral("dial")).toStdString();
    ASSERT_TRUE(Input().Key(QStringLiteral("Up")));
    EXPECT_TRUE(WaitFor([&] { return DialShows(QStringLiteral("VHF - UHF")); }, 5000))
        << "the window did not follow the navigator: " << Ask(QStringLiteral("dial")).toStdString();
}

// In the Bands window Alt+C is its "&Custom Bands" button, not the main
// window's Calibration, each time it is pressed.
TEST_F(CorvaneDisplayAndCommands, AltCInTheBandsWindowIsItsOwnButton)
{
    ASSERT_TRUE(Start());
    ASSERT_TRUE(ClickAt(Control(1394)));
    ASSERT_TRUE(WaitFor([&] { return Shown(QStringLiteral("CBandsDialog")).has_value(); }));
    for (int press = 1; press <= 2; ++press) {
        SCOPED_TRACE("press " + std::to_string(press));
        // The Bands window has the keyboard (it took it when it opened, and
        // gets it back when the manager closes).
        ASSERT_TRUE(Shown(QStringLiteral("CBandsDialog")).has_value());
        ASSERT_TRUE(WaitFor([&] { return ActiveTitle() == QLatin1String("Bands"); }))
            << Ask(QStringLiteral("focus")).toStdString();
        ASSERT_TRUE(Input().Key(QStringLiteral("alt+c")));
        ASSERT_TRUE(WaitFor([&] { return Ask(QStringLiteral("modal")) != QLatin1String("none"); }));
        ASSERT_TRUE(Ask(QStringLiteral("modal")).startsWith(QLatin1String("CCustomBandsManagerDialog|")))
            << Ask(QStringLiteral("modal")).toStdString();
        // Escape once the manager has the keyboard.
        ASSERT_TRUE(WaitFor([&] { return ActiveTitle() == QLatin1String("Custom Bands Manager"); }))
            << Ask(QStringLiteral("focus")).toStdString();
        ASSERT_TRUE(Input().Key(QStringLiteral("Escape")));
        ASSERT_TRUE(WaitFor([&] { return Ask(QStringLiteral("modal")) == QLatin1String("none"); }));
    }
}

// F1 opens the user guide at its contents from the main window and from
// dialogs of every kind: one built on the dialog base (Enter Frequency), a
// plain one (CW Settings) and the Program Options sheet. The desktop's
// opener is a script of the test's own that notes what it was given.
TEST_F(CorvaneDisplayAndCommands, F1OpensTheGuideFromTheMainWindowAndItsDialogs)
{
    QTemporaryDir bin;
    ASSERT_TRUE(bin.isValid());
    const QString noted = bin.filePath(QStringLiteral("opened.txt"));
    QFile opener(bin.filePath(QStringLiteral("xdg-open")));
    ASSERT_TRUE(opener.open(QIODevice::WriteOnly));
    opener.write(QStringLiteral("#!/bin/sh\necho \"$1\" >> '%1'\n").arg(noted).toUtf8());
    opener.close();
    opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()) + ':' + path);
    const bool started = Start();
    qputenv("PATH", path);
    ASSERT_TRUE(started);

    int pages = 0;
    auto guideOpened = [&] {
        QFile f(noted);
        if (!f.open(QIODevice::ReadOnly))
            return false;
        const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        if (lines.size() <= pages)
            return false;
        EXPECT_TRUE(lines.last().endsWith(QLatin1String("UserGuide.html#contents"))) << lines.last().toStdString();
        pages = int(lines.size());
        return true;
    };
    auto pressF1 = [&](const char* where) {
        ASSERT_TRUE(Input().Key(QStringLiteral("F1")));
        EXPECT_TRUE(WaitFor(guideOpened, 10000)) << where << ": " << Ask(QStringLiteral("boxes")).toStdString();
    };

    ASSERT_TRUE(ClickThePanel());
    pressF1("main window");

    // Enter Frequency (Return in the main window).
    ASSERT_TRUE(Input().Key(QStringLiteral("Return")));
    ASSERT_TRUE(WaitFor([&] { return ActiveTitle() == QLatin1String("Frequency"); }))
        << Ask(QStringLiteral("focus")).toStdString();
    pressF1("Enter Frequency");
    ASSERT_TRUE(Input().Key(QStringLiteral("Escape")));

    // CW Settings (Ctrl+W in the main window).
    ASSERT_TRUE(ClickThePanel());
    ASSERT_TRUE(Input().Key(QStringLiteral("ctrl+w")));
    ASSERT_TRUE(WaitFor([&] { return ActiveTitle() == QLatin1String("CW Settings"); }))
        << Ask(QStringLiteral("focus")).toStdString();
    pressF1("CW Settings");

    // Program Options (F8), a modal property sheet.
    ASSERT_TRUE(ClickThePanel());
    ASSERT_TRUE(Input().Key(QStringLiteral("F8")));
    ASSERT_TRUE(WaitFor([&] { return Ask(QStringLiteral("modal")).startsWith(QLatin1String("COptionsSheet|")); }))
        << Ask(QStringLiteral("modal")).toStdString();
    pressF1("Program Options");
    ASSERT_TRUE(Input().Key(QStringLiteral("Escape")));
    ASSERT_TRUE(WaitFor([&] { return Ask(QStringLiteral("modal")) == QLatin1String("none"); }));
}

// The status bar reads "Ready" while no menu is open, a command's prompt
// while its menu item or toolbar button is under the mouse, and "Ready" again
// once it is not.
TEST_F(CorvaneDisplayAndCommands, TheStatusBarShowsThePromptUnderTheMouse)
{
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WaitFor([&] { return StatusMessage() == QLatin1String("Ready"); }, 10000)) << Ask(QStringLiteral("status")).toStdString();

    // Tools, then the mouse over Program Options.
    ASSERT_TRUE(ClickAt(ParseRect(Ask(QStringLiteral("locate action:Tools")))));
    QRect item;
    ASSERT_TRUE(WaitFor([&] {
        item = ParseRect(Ask(QStringLiteral("locate action:Program Options...")));
        return item.isValid();
    }));
    ASSERT_TRUE(Input().MoveMouse(item.center()));
    EXPECT_TRUE(WaitFor([&] { return StatusMessage() == QLatin1String("Program Options"); }, 10000))
        << Ask(QStringLiteral("status")).toStdString();
    // The menu closed: "Ready".
    ASSERT_TRUE(Input().Key(QStringLiteral("Escape Escape")));
    EXPECT_TRUE(WaitFor([&] { return StatusMessage() == QLatin1String("Ready"); }, 10000)) << Ask(QStringLiteral("status")).toStdString();

    // A toolbar button under the mouse, then the mouse on the front panel.
    const QRect button = ParseRect(Ask(QStringLiteral("locate action:Fine Tuning")));
    ASSERT_TRUE(button.isValid());
    ASSERT_TRUE(Input().MoveMouse(button.center()));
    EXPECT_TRUE(WaitFor([&] { return StatusMessage() == QLatin1String("Fine Tuning"); }, 10000))
        << Ask(QStringLiteral("status")).toStdString();
    ASSERT_TRUE(Input().MoveMouse(Control(1378).center()));
    EXPECT_TRUE(WaitFor([&] { return StatusMessage() == QLatin1String("Ready"); }, 10000)) << Ask(QStringLiteral("status")).toStdString();
}

// The front panel's texts and the Bands window's buttons show whole in the
// running program, in the panel size and font it chose for this screen.
TEST_F(CorvaneDisplayAndCommands, ThePanelAndTheBandsWindowShowTheirTextsWhole)
{
    ASSERT_TRUE(Start());
    EXPECT_EQ(Ask(QStringLiteral("layout panel")), QString());
    ASSERT_TRUE(ClickAt(Control(1394)));
    ASSERT_TRUE(WaitFor([&] { return ActiveTitle() == QLatin1String("Bands"); }));
    EXPECT_EQ(Ask(QStringLiteral("layout")), QString());
}
