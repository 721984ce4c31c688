// Every window the View, Browser, Tools and Memory menus open, opened with
// real clicks on the menus in the running program, with its main window
// maximised and with it restored to a size of its own: the window shows at a
// usable size, not minimised, on the screen, and the main window and the
// child windows beside it keep their places and states. Bars that a View
// item toggles come back at a usable size; full screen covers the screen and
// gives the window back as it was. Left alone with the window open, the
// program idles: its processor time over a few seconds stays far below a
// core's.
#include "GuiTest.h"
#include "IdleCpu.h"

#include <QRegularExpression>
#include <QSize>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

enum class Kind { Dialog, Child, Bar, FullScreen };

struct MenuWindow {
    const char* path;   // the menu items clicked, " > " between
    Kind kind;
    const char* cls;    // the class of the window it opens (none for a bar)
    const char* title;  // a regular expression its title matches, or none
    QSize least;        // the smallest size at which it is usable
    bool minimisedOk;   // it may open minimised (and be restored from there)
    const char* defect; // a known defect that makes the row fail
    const char* defectMaximised = nullptr;  // ... only with the main window maximised
};

const MenuWindow kCorvaneView[] = {
    {"View > Selection Window", Kind::Bar, nullptr, nullptr, {150, 200}, false, nullptr},
    {"View > Quick Save Toolbar", Kind::Bar, nullptr, nullptr, {100, 20}, false, nullptr},
    {"View > Fine Tuning", Kind::Dialog, "CFineTuningDialog", nullptr, {300, 150}, false, nullptr},
    {"View > Colour Schemes...", Kind::Dialog, "COptionsSheet", nullptr, {500, 300}, false, nullptr},
    {"View > Button Size > Small", Kind::Child, "CDisplayFrame", nullptr, {300, 200}, false, nullptr},
    {"View > Button Size > Large", Kind::Child, "CDisplayFrame", nullptr, {300, 200}, false, nullptr},
    {"View > I/O Logfile Display", Kind::Child, "CIOLogFrame", nullptr, {300, 150}, false, nullptr},
    {"View > Radio Display", Kind::Child, "CDisplayFrame", nullptr, {300, 200}, false, nullptr},
    {"View > Logbook Display", Kind::Child, "CLogbookFrame", nullptr, {300, 150}, true, nullptr},
    {"View > Full Screen", Kind::FullScreen, "CFullScreenDialog", nullptr, {20, 20}, false, nullptr},
};

const MenuWindow kCorvaneMemory[] = {
    {"Memory > Manager...", Kind::Dialog, "CMemoryManagerDialog", nullptr, {500, 300}, false, nullptr},
    {"Memory > Memory Analyser", Kind::Dialog, "CMemoryAnalyserDialog", nullptr, {300, 200}, false, nullptr},
    {"Memory > Memory Browser", Kind::Dialog, "CMemoryBrowserDialog", nullptr, {300, 200}, false, nullptr},
};

const MenuWindow kCorvaneTools[] = {
    {"Tools > VFO & Memory Analyzer", Kind::Dialog, nullptr, nullptr, {200, 100}, false, nullptr},
    {"Tools > Calibration...", Kind::Dialog, "CCalibrationDialog", nullptr, {400, 300}, false, nullptr},
    {"Tools > Command Entry", Kind::Dialog, "CCommandEntryDialog", nullptr, {200, 250}, false, nullptr},
    {"Tools > Clone > Save to File", Kind::Dialog, "CCloneSaveDialog", nullptr, {300, 200}, false, nullptr},
    {"Tools > Clone > Load from File", Kind::Dialog, "CCloneLoadDialog", nullptr, {300, 200}, false, nullptr},
    {"Tools > CW Settings", Kind::Dialog, "CCWSettingsDialog", nullptr, {250, 200}, false, nullptr},
    {"Tools > CW Speed", Kind::Dialog, "CCWSpeedDialog", nullptr, {200, 40}, false, nullptr},
    {"Tools > DX Cluster", Kind::Dialog, "CDxClusterDialog", nullptr, {400, 250}, false, nullptr},
    {"Tools > Enter Frequency", Kind::Dialog, "CFrequencyEntryDialog", nullptr, {150, 60}, false, nullptr},
    {"Tools > Repeater Settings", Kind::Dialog, "CRepeaterSheet", nullptr, {300, 250}, false, nullptr},
    {"Tools > Transmit...", Kind::Dialog, "CTransmitDialog", nullptr, {200, 80}, false, nullptr},
    {"Tools > Transverter Display", Kind::Dialog, "CTransverterDisplay", nullptr, {200, 60}, false, nullptr},
    {"Tools > FT-817 Manager", Kind::Dialog, "CMenuManager", nullptr, {400, 300}, false, nullptr},
    {"Tools > Program Options...", Kind::Dialog, "COptionsSheet", nullptr, {500, 300}, false, nullptr},
    {"Tools > Stress Test", Kind::Dialog, "CStressTestDialog", nullptr, {200, 150}, false, nullptr},
};

const MenuWindow kBrevioView[] = {
    {"View > Toolbars > Soundcard", Kind::Bar, nullptr, nullptr, {20, 20}, false, nullptr},
    {"View > Toolbars > Signal", Kind::Bar, nullptr, nullptr, {20, 20}, false, nullptr},
    {"View > Toolbars > Tx/Rx", Kind::Bar, nullptr, nullptr, {20, 20}, false, nullptr},
    {"View > Toolbars > Macros", Kind::Bar, nullptr, nullptr, {100, 100}, false, nullptr},
    {"View > Toolbars > Tags", Kind::Bar, nullptr, nullptr, {100, 100}, false, nullptr},
    {"View > Toolbars > Radio", Kind::Bar, nullptr, nullptr, {20, 20}, false, nullptr},
    {"View > Toolbars > Waterfall Display", Kind::Bar, nullptr, nullptr, {100, 20}, false, nullptr},
    {"View > Toolbars > AFC", Kind::Bar, nullptr, nullptr, {20, 20}, false, nullptr},
    {"View > Toolbars > Waterfall Data Mode", Kind::Bar, nullptr, nullptr, {20, 20}, false, nullptr},
    {"View > Toolbars > Clock", Kind::Bar, nullptr, nullptr, {20, 20}, false, nullptr},
    {"View > Toolbars > Centre", Kind::Bar, nullptr, nullptr, {20, 20}, false, nullptr},
    {"View > Toolbars > Distance Calculator", Kind::Bar, nullptr, nullptr, {20, 20}, false, nullptr},
    {"View > Channel 2", Kind::Child, "CFrameRx", "^Ch 2:", {300, 200}, false, nullptr},
    {"View > Full Screen", Kind::FullScreen, "CFullScreenDialog", nullptr, {20, 20}, false, nullptr},
};

const MenuWindow kBrevioBrowser[] = {
    // The browser left open behind channel 1 maximised in front of it, as a
    // resumed session can leave it: Browser > Display is unticked and
    // nothing shows the browser, which must still cost next to nothing.
    {"Browser > Display|View > Channel 1", Kind::Child, "CFrameRx", "^Ch 1:", {300, 200}, false, nullptr},
    {"Browser > Display", Kind::Child, "CSuperFrame", nullptr, {300, 200}, false, nullptr},
    // The browser hidden again, channel 1 no longer maximised (Full Size
    // fills the area with it restored): no window is maximised when the
    // browser opens.
    {"Browser > Display|View > Full Size|Browser > Display", Kind::Child, "CSuperFrame", nullptr, {300, 200}, false, nullptr},
    {"Browser > Options", Kind::Dialog, "CPSK31Options", nullptr, {500, 300}, false, nullptr},
    {"Browser > Define Alarms", Kind::Dialog, "CAlarmsDlg", nullptr, {300, 200}, false, nullptr},
};

const MenuWindow kBrevioTools[] = {
    {"Tools > Options", Kind::Dialog, "CPSK31Options", nullptr, {500, 300}, false, nullptr},
    {"Tools > Palette Editor", Kind::Dialog, "CPaletteDesigner", nullptr, {400, 300}, false, nullptr},
    {"Tools > Grid Square Calculator", Kind::Dialog, "CGridCalculator", nullptr, {250, 120}, false, nullptr},
    {"Tools > Distance Calculator", Kind::Dialog, "CDistanceCalculator", nullptr, {250, 150}, false, nullptr},
    {"Tools > Grid Square Summary", Kind::Dialog, "CGridSquareSummaryDialog", nullptr, {300, 200}, false, nullptr},
};

struct Table {
    const char* name;
    bool corvane;
    const MenuWindow* rows;
    size_t count;
    bool maximised;  // the main window
    int part;        // 1, 2 ... when a menu's rows are shared out over several cases
};

// Each row leaves the program idle for a few seconds, and a case must end
// well within the test time limit: a long menu's rows are shared out over
// several cases, each with a program of its own.
constexpr size_t kRowsPerCase = 4;

template <size_t N>
void Add(std::vector<Table>& tables, const char* name, bool corvane, const MenuWindow (&rows)[N])
{
    for (size_t first = 0; first < N; first += kRowsPerCase)
        for (bool maximised : {true, false})
            tables.push_back({name, corvane, rows + first, std::min(kRowsPerCase, N - first), maximised,
                              N > kRowsPerCase ? int(first / kRowsPerCase) + 1 : 0});
}

std::vector<Table> AllTables()
{
    std::vector<Table> tables;
    Add(tables, "CorvaneView", true, kCorvaneView);
    Add(tables, "CorvaneMemory", true, kCorvaneMemory);
    Add(tables, "CorvaneTools", true, kCorvaneTools);
    Add(tables, "BrevioView", false, kBrevioView);
    Add(tables, "BrevioBrowser", false, kBrevioBrowser);
    Add(tables, "BrevioTools", false, kBrevioTools);
    return tables;
}

std::string CaseName(const Table& t)
{
    return std::string(t.name) + (t.part ? std::to_string(t.part) : std::string()) +
           (t.maximised ? "MainMaximised" : "MainRestored");
}

void PrintTo(const Table& t, std::ostream* os)
{
    *os << t.name;
    if (t.part)
        *os << " part " << t.part;
    *os << (t.maximised ? " (main window maximised)" : " (main window restored)");
}

bool Near(const QRect& a, const QRect& b)
{
    return std::abs(a.x() - b.x()) <= 2 && std::abs(a.y() - b.y()) <= 2 && std::abs(a.width() - b.width()) <= 2 &&
           std::abs(a.height() - b.height()) <= 2;
}

QString Describe(const GuiTest::Window& w)
{
    return QStringLiteral("%1 \"%2\" at %3,%4 %5x%6 %7")
        .arg(w.className, w.title)
        .arg(w.rect.x())
        .arg(w.rect.y())
        .arg(w.rect.width())
        .arg(w.rect.height())
        .arg(w.state);
}

class MenuWindows : public GuiTest, public ::testing::WithParamInterface<Table> {
protected:
    ProbeClient& Probe() { return GetParam().corvane ? CorvaneProbe() : BrevioProbe(); }
    qint64 Pid() { return GetParam().corvane ? Corvane().Pid() : Brevio().Pid(); }
    QString Ask(const QString& question) { return Probe().Ask(question); }
    QList<Window> Shown()
    {
        QList<Window> shown;
        for (const Window& w : ParseGeometry(Ask(QStringLiteral("geometry"))))
            if (w.state != QLatin1String("hidden"))
                shown << w;
        return shown;
    }
    std::optional<Window> Find(const char* cls, const char* title)
    {
        for (const Window& w : Shown())
            if (w.className == QLatin1String(cls) && (!title || QRegularExpression(QLatin1String(title)).match(w.title).hasMatch()))
                return w;
        return std::nullopt;
    }
    Window Main() { return ParseGeometry(Ask(QStringLiteral("main"))).value(0); }
    bool MenuOpen()
    {
        for (const Window& w : Shown())
            if (w.className == QLatin1String("QMenu"))
                return true;
        return false;
    }
    // A window's identity across answers: its class and its title without
    // the figures that change by themselves (a channel's frequency).
    static QString Identity(const Window& w)
    {
        return w.className + QLatin1Char('|') + QString(w.title).remove(QRegularExpression(QStringLiteral("\\d{3,}")));
    }
    static bool IsBar(const Window& w)
    {
        return w.className.contains(QLatin1String("Bar")) && !w.className.contains(QLatin1String("StatusBar"));
    }
    // The items of a path clicked in turn, as the operator does.
    bool Choose(const QString& path)
    {
        return ChooseMenu(Probe(), path) && WaitFor([&] { return !MenuOpen(); });
    }
    // Windows the row opened besides the child windows and bars: dialogs,
    // tool windows, menus.
    QList<Window> NewWindows(const QList<Window>& before)
    {
        QStringList known;
        for (const Window& w : before)
            known << Identity(w);
        const QString main = Main().className;
        QList<Window> extra;
        for (const Window& w : Shown())
            if (!IsBar(w) && !w.className.contains(QLatin1String("Frame")) && w.className != main &&
                !known.contains(Identity(w)))
                extra << w;
        return extra;
    }
    // Each of them goes with Escape, as the operator closes them.
    void CloseNewWindows(const QList<Window>& before)
    {
        for (int i = 0; i < 4; ++i) {
            const QList<Window> open = NewWindows(before);
            if (open.isEmpty())
                return;
            Input().Key(QStringLiteral("Escape"));
            WaitFor([&] { return NewWindows(before) != open; }, 3000);
        }
        ADD_FAILURE() << "Escape does not close " << Describe(NewWindows(before).value(0)).toStdString();
    }

    void SetUpProgram()
    {
        if (GetParam().corvane)
            ASSERT_TRUE(StartCorvane());
        else
            ASSERT_TRUE(StartBrevio());
        if (GetParam().maximised)
            return;
        // The operator takes the main window out of its maximised state and
        // gives it a place and size of its own.
        const qulonglong window = Input().WaitForWindow(Pid(), GetParam().corvane ? QStringLiteral("^FT-817 Corvane")
                                                                                : QStringLiteral("^PSK31 Brevio"));
        ASSERT_NE(window, 0u) << Input().ErrorText().toStdString();
        ASSERT_TRUE(Input().Maximise(window, false)) << Input().ErrorText().toStdString();
        ASSERT_TRUE(WaitFor([&] { return Main().state == QLatin1String("normal"); })) << Ask(QStringLiteral("main")).toStdString();
        ASSERT_TRUE(Input().Move(window, QPoint(60, 50)) && Input().Resize(window, QSize(1080, 860)))
            << Input().ErrorText().toStdString();
        ASSERT_TRUE(WaitFor([&] { return Main().rect.size() == QSize(1080, 860); })) << Ask(QStringLiteral("main")).toStdString();
        ASSERT_TRUE(WaitUntilActive(Probe()));
    }
};

} // namespace

TEST_P(MenuWindows, OpenUsableOnTheScreenAndLeaveTheirNeighboursAlone)
{
    SetUpProgram();
    if (HasFatalFailure())
        return;
    const QRect screen(0, 0, XServer::kWidth, XServer::kHeight);
    for (size_t i = 0; i < GetParam().count; ++i) {
        const MenuWindow& row = GetParam().rows[i];
        const std::string name = std::string(row.path) + (GetParam().maximised ? ", main window maximised" : ", main window restored");
        SCOPED_TRACE(name);
        ASSERT_TRUE(WaitUntilActive(Probe())) << Ask(QStringLiteral("geometry")).toStdString();
        const QStringList steps = QString::fromLatin1(row.path).split(QLatin1Char('|'));
        for (qsizetype s = 0; s + 1 < steps.size(); ++s)
            ASSERT_TRUE(Choose(steps[s]));
        const Window mainBefore = Main();
        const QList<Window> before = Shown();
        ASSERT_TRUE(Choose(steps.last()));
        const char* defect = row.defect ? row.defect : GetParam().maximised ? row.defectMaximised : nullptr;
        const int wait = RowWaitMs(defect);

        // The window it opens.
        std::optional<Window> opened;
        QString problem;
        if (row.kind == Kind::Bar) {
            // The bar the item toggles: hidden first if it was shown, then
            // shown again.
            QList<Window> gone, came;
            WaitFor([&] {
                gone.clear();
                came.clear();
                const QList<Window> now = Shown();
                QStringList nowIds, beforeIds;
                for (const Window& w : now)
                    nowIds << Identity(w);
                for (const Window& w : before)
                    beforeIds << Identity(w);
                for (const Window& w : before)
                    if (IsBar(w) && !nowIds.contains(Identity(w)))
                        gone << w;
                for (const Window& w : now)
                    if (IsBar(w) && !beforeIds.contains(Identity(w)))
                        came << w;
                return !gone.isEmpty() || !came.isEmpty();
            }, wait);
            if (!gone.isEmpty()) {
                const QString id = Identity(gone.first());
                ASSERT_TRUE(Choose(steps.last()));
                WaitFor([&] {
                    for (const Window& w : Shown())
                        if (Identity(w) == id) {
                            opened = w;
                            return true;
                        }
                    return false;
                }, wait);
                if (!opened)
                    problem = QStringLiteral("%1 did not come back").arg(id);
            } else if (!came.isEmpty()) {
                opened = came.first();
            } else {
                problem = QStringLiteral("no bar changed");
            }
        } else if (row.cls) {
            WaitFor([&] { return (opened = Find(row.cls, row.title)).has_value(); }, wait);
            if (!opened)
                problem = QStringLiteral("no %1 among %2").arg(QLatin1String(row.cls), Ask(QStringLiteral("geometry")));
        } else {
            // A window of some class that was not there before.
            WaitFor([&] {
                for (const Window& w : Shown())
                    if (!IsBar(w) && w.className != QLatin1String("QMenu") && !before.contains(w) &&
                        w.state != QLatin1String("min") && w.rect != mainBefore.rect && w.className != mainBefore.className) {
                        bool known = false;
                        for (const Window& b : before)
                            known = known || b.className == w.className;
                        if (!known) {
                            opened = w;
                            return true;
                        }
                    }
                return false;
            }, wait);
            if (!opened)
                problem = QStringLiteral("no new window among ") + Ask(QStringLiteral("geometry"));
        }

        // Its size, state and place, and what became of the others.
        if (opened) {
            const Window& w = *opened;
            if (w.state == QLatin1String("min") && !row.minimisedOk)
                problem = QStringLiteral("opened minimised: ") + Describe(w);
            else if (w.state != QLatin1String("min") &&
                     (w.rect.width() < row.least.width() || w.rect.height() < row.least.height()))
                problem = QStringLiteral("too small (at least %1x%2): ").arg(row.least.width()).arg(row.least.height()) + Describe(w);
            else if (w.state != QLatin1String("min") && row.kind != Kind::FullScreen &&
                     !screen.adjusted(-10, -10, 10, 10).contains(w.rect))
                problem = QStringLiteral("off the screen: ") + Describe(w);
        }
        // The program left alone with the window open on the demonstration
        // recording (FT-817 Corvane polling its radio): no busy loop.
        if (opened) {
            const IdleCpu cpu = IdleCpu::Settled(Pid());
            EXPECT_TRUE(cpu.share >= 0 && cpu.share < IdleCpu::kBusy)
                << name << ": left alone with " << Describe(*opened).toStdString() << " open, the program uses "
                << cpu.Describe().toStdString();
        }
        const Window mainAfter = Main();
        if (problem.isEmpty() && row.kind == Kind::FullScreen) {
            // The frame's work area covers the whole screen; the Full Screen
            // window's button gives it back as it was.
            if (!mainAfter.rect.contains(screen.adjusted(0, 40, 0, 0)))
                problem = QStringLiteral("full screen leaves the frame at ") + Describe(mainAfter);
            else if (!(ClickOn(Probe(), QStringLiteral("CFullScreenDialog>QPushButton")) &&
                       WaitFor([&] { return Main().state == mainBefore.state && Near(Main().rect, mainBefore.rect); }, wait)))
                problem = QStringLiteral("after full screen the main window is ") + Describe(Main()) + QStringLiteral(", was ") +
                          Describe(mainBefore);
            // Out of full screen by its key, where the button did not do it.
            if (GetParam().corvane && Main().rect.top() < 0)
                Input().Key(QStringLiteral("F10"));
        } else if (problem.isEmpty() && (mainAfter.state != mainBefore.state || !Near(mainAfter.rect, mainBefore.rect))) {
            problem = QStringLiteral("the main window went from ") + Describe(mainBefore) + QStringLiteral(" to ") + Describe(mainAfter);
        }
        if (problem.isEmpty()) {
            // Child windows that were maximised stay so: the one in front is
            // maximised afterwards too (a child opening in front of them
            // takes the maximised state, as in every MDI program).
            const auto maximisedChild = [&](const QList<Window>& windows) {
                for (const Window& w : windows)
                    if (w.className.contains(QLatin1String("Frame")) && w.className != mainBefore.className &&
                        w.state == QLatin1String("max"))
                        return true;
                return false;
            };
            if (maximisedChild(before) && !maximisedChild(Shown()))
                problem = QStringLiteral("no child window is maximised any more: ") + Ask(QStringLiteral("geometry"));
        }
        ExpectRow(name, problem.isEmpty(), problem, defect);
        if (row.kind != Kind::FullScreen)
            CloseNewWindows(before);
    }
}

INSTANTIATE_TEST_SUITE_P(Menus, MenuWindows, ::testing::ValuesIn(AllTables()),
                         [](const ::testing::TestParamInfo<Table>& info) { return CaseName(info.param); });
