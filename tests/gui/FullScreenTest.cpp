// Full screen in both programs, with real clicks and keys: the main window's
// work area covers the screen, the Full Screen window stays in front of the
// enlarged main window (also after a click on the main window) so that its
// button can be clicked, and leaving full screen, by that button or by the
// command again, gives the main window back as it was, maximised again when
// it was maximised.
#include "GuiTest.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>
#include <string>

namespace {

enum class Leave { Button, Command };

struct Case {
    const char* name;
    bool corvane;
    bool maximised;  // the main window before full screen
    bool clickMainFirst;  // a click on the enlarged main window before leaving
    Leave leave;
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

bool Near(const QRect& a, const QRect& b)
{
    return std::abs(a.x() - b.x()) <= 2 && std::abs(a.y() - b.y()) <= 2 && std::abs(a.width() - b.width()) <= 2 &&
           std::abs(a.height() - b.height()) <= 2;
}

QString Describe(const GuiTest::Window& w)
{
    return QStringLiteral("%1,%2 %3x%4 %5").arg(w.rect.x()).arg(w.rect.y()).arg(w.rect.width()).arg(w.rect.height()).arg(w.state);
}

class FullScreen : public GuiTest, public ::testing::WithParamInterface<Case> {
protected:
    ProbeClient& Probe() { return GetParam().corvane ? CorvaneProbe() : BrevioProbe(); }
    QString Ask(const QString& question) { return Probe().Ask(question); }
    Window Main() { return ParseGeometry(Ask(QStringLiteral("main"))).value(0); }
    QRect WorkArea() { return ParseRect(Ask(QStringLiteral("locate QMdiArea"))); }
    bool DialogShown()
    {
        for (const Window& w : ParseGeometry(Ask(QStringLiteral("geometry"))))
            if (w.className == QLatin1String("CFullScreenDialog") && w.state != QLatin1String("hidden"))
                return true;
        return false;
    }
    bool Choose(const QString& path) { return ChooseMenu(Probe(), path); }
    // The main window in the state and place the case starts from.
    void SetUpProgram()
    {
        if (GetParam().corvane)
            ASSERT_TRUE(StartCorvane());
        else
            ASSERT_TRUE(StartBrevio());
        const qint64 pid = GetParam().corvane ? Corvane().Pid() : Brevio().Pid();
        const qulonglong window = Input().WaitForWindow(pid, GetParam().corvane ? QStringLiteral("^FT-817 Corvane")
                                                                                : QStringLiteral("^PSK31 Brevio"));
        ASSERT_NE(window, 0u) << Input().ErrorText().toStdString();
        m_window = window;
        // A place and size of its own, then maximised by the operator when
        // the case starts maximised.
        ASSERT_TRUE(Input().Maximise(window, false)) << Input().ErrorText().toStdString();
        ASSERT_TRUE(WaitFor([&] { return Main().state == QLatin1String("normal"); })) << Ask(QStringLiteral("main")).toStdString();
        ASSERT_TRUE(Input().Move(window, kNormal.topLeft()) && Input().Resize(window, kNormal.size()))
            << Input().ErrorText().toStdString();
        ASSERT_TRUE(WaitFor([&] { return Near(Main().rect, kNormal); })) << Ask(QStringLiteral("main")).toStdString();
        if (GetParam().maximised) {
            ASSERT_TRUE(Input().Maximise(window, true)) << Input().ErrorText().toStdString();
            // The state shows before the window manager's new size does.
            ASSERT_TRUE(WaitFor([&] {
                const Window w = Main();
                return w.state == QLatin1String("max") && w.rect.width() >= XServer::kWidth - 2;
            })) << Ask(QStringLiteral("main")).toStdString();
        }
        ASSERT_TRUE(WaitUntilActive(Probe()));
    }
    static constexpr QRect kNormal{60, 50, 1080, 860};
    qulonglong m_window = 0;
};

} // namespace

TEST_P(FullScreen, CoversTheScreenWithItsButtonInFrontAndGivesTheWindowBack)
{
    SetUpProgram();
    if (HasFatalFailure())
        return;
    const Case& c = GetParam();
    const QRect screen(0, 0, XServer::kWidth, XServer::kHeight);
    const Window before = Main();

    // Twice: the second time from the window given back by the first.
    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        ASSERT_TRUE(Choose(QStringLiteral("View > Full Screen")));
        EXPECT_TRUE(WaitFor([&] { return WorkArea().contains(screen) && DialogShown(); }))
            << "work area " << Ask(QStringLiteral("locate QMdiArea")).toStdString() << ", main window " << Describe(Main()).toStdString();
        if (c.clickMainFirst) {
            // The operator works in the enlarged window; its Full Screen
            // window stays where it can be reached.
            // A place where a click changes nothing: a lamp of the front
            // panel, channel 1's transmit pane.
            QRect target;
            ASSERT_TRUE(WaitFor([&] {
                target = c.corvane ? ParseRect(Ask(QStringLiteral("control 1378")))
                                   : ParseRect(Ask(QStringLiteral("locate CFrameRx~^(1|Ch 1:.*)$>CTxTextWindow")));
                target = target.intersected(screen);
                return target.isValid();
            })) << Ask(QStringLiteral("geometry")).toStdString();
            ASSERT_TRUE(Input().Click(target.center()));
            ASSERT_TRUE(WaitUntilActive(Probe()));
        }
        if (c.leave == Leave::Button || round == 2) {
            ASSERT_TRUE(ClickOn(Probe(), QStringLiteral("CFullScreenDialog>QPushButton")));
        } else if (c.corvane) {
            ASSERT_TRUE(Input().Key(QStringLiteral("F10")));
        } else {
            // The menu bar is off the screen: the command reached through
            // its menu's key, from the main window (the case clicked it).
            ASSERT_TRUE(Input().Key(QStringLiteral("alt+v")));
            ASSERT_TRUE(WaitFor([&] { return ParseRect(Ask(QStringLiteral("locate action:Full Screen"))).isValid(); }));
            ASSERT_TRUE(Choose(QStringLiteral("Full Screen")));
        }
        EXPECT_TRUE(WaitFor([&] { return !DialogShown() && Main().state == before.state && Near(Main().rect, before.rect); }))
            << "the main window is " << Describe(Main()).toStdString() << ", was " << Describe(before).toStdString()
            << (DialogShown() ? "; the Full Screen window still shows" : "");
        if (HasFailure())
            return;
    }
    // Its own place and size are still those it comes back to.
    if (c.maximised) {
        ASSERT_TRUE(Input().Maximise(m_window, false)) << Input().ErrorText().toStdString();
        EXPECT_TRUE(WaitFor([&] { return Main().state == QLatin1String("normal") && Near(Main().rect, kNormal); }))
            << "no longer maximised, the main window is " << Describe(Main()).toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Programs, FullScreen,
    ::testing::Values(Case{"CorvaneMaximisedButtonAfterAClick", true, true, true, Leave::Button},
                      Case{"CorvaneRestoredButton", true, false, false, Leave::Button},
                      Case{"CorvaneMaximisedKey", true, true, false, Leave::Command},
                      Case{"CorvaneRestoredKeyAfterAClick", true, false, true, Leave::Command},
                      Case{"BrevioMaximisedButtonAfterAClick", false, true, true, Leave::Button},
                      Case{"BrevioRestoredButton", false, false, false, Leave::Button},
                      Case{"BrevioMaximisedMenuAfterAClick", false, true, true, Leave::Command},
                      Case{"BrevioRestoredMenuAfterAClick", false, false, true, Leave::Command}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });
