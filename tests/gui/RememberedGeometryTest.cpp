// Windows that remember their place, opened and closed again and again with
// real keys in the running program: each comes back at exactly the rectangle
// it was closed at, frame and all inside the screen, however often it is
// opened; and a rectangle stored larger than the screen opens inside it.
#include "GuiTest.h"

#include <QMargins>
#include <QRect>
#include <QSize>
#include <QString>
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct Remembered {
    const char* cls;   // the window's class
    const char* keys;  // the keys that open it, or that open its menu
    const char* item;  // the menu item then chosen, or none
    bool toggled = false;  // closed by its command again, not by Escape
};

struct Group {
    const char* name;
    bool corvane;
    std::vector<Remembered> windows;
};

void PrintTo(const Group& g, std::ostream* os)
{
    *os << g.name;
}

// Every window of FT-817 Corvane's menus and keys that stores its geometry,
// a few to a test so that each test stays short, and PSK31 Brevio's, whose
// windows keep theirs the same way.
const Group kGroups[] = {
    {"MemoryManagerFavouritesDxCluster", true,
     {{"CMemoryManagerDialog", "alt+g", nullptr},
      {"CManageFavouritesDialog", "alt+o", nullptr},
      {"CDxClusterDialog", "alt+t", "DX Cluster"}}},
    {"CwSettingsCwSpeedCalibration", true,
     {{"CCWSettingsDialog", "ctrl+w", nullptr},
      {"CCWSpeedDialog", "alt+t", "CW Speed"},
      {"CCalibrationDialog", "alt+c", nullptr}}},
    {"AddFavouriteScansBands", true,
     {{"CAddFavouriteDialog", "alt+a", nullptr},
      {"CScanBandDialog", "alt+n", nullptr},
      {"CScanMemoryDialog", "alt+q", nullptr},
      {"CCustomBandsManagerDialog", "ctrl+b", nullptr}}},
    {"EnterFrequencyTransverterFineTuning", true,
     {{"CFrequencyEntryDialog", "alt+t", "Enter Frequency"},
      {"CTransverterDisplay", "alt+t", "Transverter Display"},
      {"CFineTuningDialog", "alt+v", "Fine Tuning"}}},
    {"MemoryAnalyserBrowserFullScreen", true,
     {{"CMemoryAnalyserDialog", "alt+m", "Memory Analyser"},
      {"CMemoryBrowserDialog", "alt+m", "Memory Browser"},
      // It leaves the keyboard with the enlarged main window.
      {"CFullScreenDialog", "alt+v", "Full Screen", true}}},
    {"BrevioAlarmsMacrosAbout", false,
     {{"CAlarmsDlg", "alt+b", "Define Alarms"},
      {"CMacrosManagerDialog", "alt+m", "Manager"},
      {"CAboutDialog", "alt+h", "About PSK31 Brevio..."}}},
};

constexpr int kOpenings = 5;

QString Describe(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

class RememberedWindows : public GuiTest {
protected:
    bool m_bCorvane = true;
    ProbeClient& Probe() { return m_bCorvane ? CorvaneProbe() : BrevioProbe(); }
    qint64 Pid() { return m_bCorvane ? Corvane().Pid() : Brevio().Pid(); }
    QString Ask(const QString& question) { return Probe().Ask(question); }
    std::optional<Window> Find(const QString& cls)
    {
        for (const Window& w : ParseGeometry(Ask(QStringLiteral("geometry"))))
            if (w.className == cls && w.state != QLatin1String("hidden"))
                return w;
        return std::nullopt;
    }
    // Opens it as the operator does: its key, or its menu's key and then
    // the item.
    bool Open(const Remembered& w)
    {
        if (!Input().Key(QString::fromLatin1(w.keys))) {
            ADD_FAILURE() << Input().ErrorText().toStdString();
            return false;
        }
        return !w.item || ClickOn(Probe(), QStringLiteral("action:") + QLatin1String(w.item));
    }
    // Shown and framed by the window manager; its client rectangle.
    std::optional<QRect> Opened(const Remembered& w, QMargins* frame)
    {
        std::optional<Window> shown;
        qulonglong window = 0;
        const bool framed = WaitFor([&] {
            shown = Find(QLatin1String(w.cls));
            if (!shown)
                return false;
            for (qulonglong candidate : Input().Windows(Pid()))
                // The probe's answer writes a title's ';' as ','.
                if (Input().Title(candidate).replace(QLatin1Char(';'), QLatin1Char(',')) == shown->title)
                    window = candidate;
            return window && !(*frame = Input().FrameExtents(window)).isNull();
        });
        if (!framed) {
            ADD_FAILURE() << w.cls << " does not show framed by the window manager: "
                          << Ask(QStringLiteral("geometry")).toStdString();
            return std::nullopt;
        }
        return shown->rect;
    }
    // Until the rectangle has stayed the same for a while: the window
    // manager's frame can still move a window just shown.
    QRect Steady(const QString& cls)
    {
        QRect last;
        int same = 0;
        WaitFor([&] {
            const std::optional<Window> w = Find(cls);
            const QRect now = w ? w->rect : QRect();
            same = now == last ? same + 1 : 0;
            last = now;
            return same >= 5;
        });
        return last;
    }
    bool Close(const Remembered& w)
    {
        if (w.toggled ? !Open(w) : !Input().Key(QStringLiteral("Escape")))
            return false;
        return WaitFor([&] { return !Find(QLatin1String(w.cls)); }) && WaitUntilActive(Probe());
    }
    QRect Screen() const { return QRect(QPoint(0, 0), ScreenSize()); }
};

class EveryRememberedWindow : public RememberedWindows, public ::testing::WithParamInterface<Group> {};

} // namespace

TEST_P(EveryRememberedWindow, ComesBackAtTheRectangleItWasClosedAt)
{
    m_bCorvane = GetParam().corvane;
    ASSERT_TRUE(m_bCorvane ? StartCorvane() : StartBrevio());
    for (const Remembered& w : GetParam().windows) {
        SCOPED_TRACE(w.cls);
        QRect closedAt;
        for (int opening = 1; opening <= kOpenings; ++opening) {
            SCOPED_TRACE("opening " + std::to_string(opening));
            ASSERT_TRUE(WaitUntilActive(Probe())) << Ask(QStringLiteral("focus")).toStdString();
            ASSERT_TRUE(Open(w));
            QMargins frame;
            const std::optional<QRect> opened = Opened(w, &frame);
            ASSERT_TRUE(opened.has_value());
            QRect now;
            if (opening == 1) {
                now = Steady(QLatin1String(w.cls));
            } else {
                EXPECT_TRUE(WaitFor([&] {
                    const std::optional<Window> shown = Find(QLatin1String(w.cls));
                    now = shown ? shown->rect : QRect();
                    return now == closedAt;
                })) << "opens at " << Describe(now).toStdString() << ", was closed at " << Describe(closedAt).toStdString();
            }
            EXPECT_TRUE(Screen().contains(now.marginsAdded(frame)))
                << "with its frame at " << Describe(now.marginsAdded(frame)).toStdString() << " it is not on the screen";
            closedAt = now;
            ASSERT_TRUE(Close(w)) << w.cls << " does not close: " << Ask(QStringLiteral("geometry")).toStdString();
            if (HasFailure())
                return;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Programs, EveryRememberedWindow, ::testing::ValuesIn(kGroups),
                         [](const ::testing::TestParamInfo<Group>& info) { return std::string(info.param.name); });

namespace {

// The operator's small screen.
class RememberedOnASmallScreen : public RememberedWindows {
protected:
    QSize ScreenSize() const override { return QSize(1024, 768); }
};

} // namespace

TEST_F(RememberedOnASmallScreen, RectangleLargerThanTheScreenOpensInsideIt)
{
    // Left 100, right 1922, top 40, bottom 1140: taller and wider than the screen.
    ASSERT_TRUE(StartCorvane({{QStringLiteral("Window Geometry 000000FC 00000000"), QStringLiteral("100,1922,40,1140,0")}}));
    const Remembered manager{"CMemoryManagerDialog", "alt+g", nullptr};
    ASSERT_TRUE(Open(manager));
    QMargins frame;
    const std::optional<QRect> opened = Opened(manager, &frame);
    ASSERT_TRUE(opened.has_value());
    const QRect outer = Steady(QLatin1String(manager.cls)).marginsAdded(frame);
    EXPECT_TRUE(Screen().contains(outer)) << "with its frame at " << Describe(outer).toStdString();
    // As large as the screen lets it be.
    EXPECT_EQ(outer.size(), Screen().size()) << Describe(outer).toStdString();
}
