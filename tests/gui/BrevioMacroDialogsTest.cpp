// PSK31 Brevio's macro windows and the Distance Calculator under real clicks
// and keys: the Macros Manager shows its menu bar above its toolbar and the
// list right below, at every opening; Escape in a manager with unsaved
// changes asks first; in the Macro Editor Tab goes from the short title to
// the definition; Enter presses OK in the Macro Bulk Editor; the Distance
// Calculator computes when Tab takes the focus out of a grid square.
#include "GuiTest.h"

#include <QDir>
#include <QFile>
#include <QRect>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

#include <optional>

namespace {

const QString kManager = QStringLiteral("CMacrosManagerDialog");
const QString kManagerList = QStringLiteral("CMacrosManagerDialog>COwnListCtrl");

// Three macros, "Macro 1" to "Macro 3", each sending "text N". (The same
// kind of file as the shortcut tests write; kept here until the tests share
// one.)
bool WriteMacros(const QString& folder)
{
    QStringList lines{QStringLiteral("# Macro definitions")};
    for (int n = 1; n <= 3; ++n)
        lines << QStringLiteral("#") << QStringLiteral("100 Macro %1").arg(n) << QStringLiteral("104 M%1").arg(n)
              << QStringLiteral("102 0") << QStringLiteral("103 1") << QStringLiteral("101 text %1").arg(n)
              << QStringLiteral("-@-");
    lines << QStringLiteral("#") << QStringLiteral("#@filetype=1");
    QDir().mkpath(folder);
    QFile file(folder + QStringLiteral("/PSK31 Brevio Macros v2.txt"));
    return file.open(QIODevice::WriteOnly) && file.write(lines.join(QStringLiteral("\r\n")).toLatin1()) > 0;
}

class BrevioMacroDialogs : public GuiTest {
protected:
    QString Ask(const QString& question) { return BrevioProbe().Ask(question); }
    QString Text(const QString& spec) { return Unescape(Ask(QStringLiteral("text ") + spec)); }
    QRect Rect(const QString& spec) { return ParseRect(Ask(QStringLiteral("locate ") + spec)); }
    std::optional<Window> Shown(const QString& cls)
    {
        for (const Window& w : ParseGeometry(Ask(QStringLiteral("geometry"))))
            if (w.className == cls && w.state != QLatin1String("hidden"))
                return w;
        return std::nullopt;
    }
    bool MenuOpen() { return Shown(QStringLiteral("QMenu")).has_value(); }
    // The items of a path clicked in turn, as the operator does.
    bool Choose(const QString& path)
    {
        for (const QString& item : path.split(QStringLiteral(" > ")))
            if (!ClickOn(BrevioProbe(), QStringLiteral("action:") + item))
                return false;
        return WaitFor([&] { return !MenuOpen(); });
    }
    // The focus widget's class, once it is CLS (or what it is after the wait).
    QString FocusOn(const QString& cls)
    {
        QString focus;
        WaitFor([&] {
            focus = Ask(QStringLiteral("focus")).section(QLatin1Char('|'), 0, 0);
            return focus == cls;
        });
        return focus;
    }
    QString Boxes() { return Ask(QStringLiteral("boxes")); }

    void StartWithMacros()
    {
        ASSERT_TRUE(WriteMacros(BrevioDataFolder()));
        ASSERT_TRUE(StartBrevio());
    }
    void OpenManager()
    {
        ASSERT_TRUE(Choose(QStringLiteral("Macros > Manager")));
        ASSERT_TRUE(WaitFor([&] { return Shown(kManager).has_value(); })) << Ask(QStringLiteral("geometry")).toStdString();
        ASSERT_TRUE(WaitFor([&] { return Text(kManagerList).contains(QLatin1String("Macro 1")); }))
            << Text(kManagerList).toStdString();
    }
    // Started on the macros with the manager open; false after a failure.
    bool StartInTheManager()
    {
        StartWithMacros();
        if (!HasFatalFailure())
            OpenManager();
        return !HasFatalFailure();
    }
};

} // namespace

// The menu bar along the top, the toolbar right below it, the list right
// below the toolbar; the first opening and the next one, when the manager
// comes back at the size the operator left it.
TEST_F(BrevioMacroDialogs, ManagerShowsItsMenuBarAboveItsToolbarAtEveryOpening)
{
    StartWithMacros();
    if (HasFatalFailure())
        return;
    for (int opening = 1; opening <= 3; ++opening) {
        SCOPED_TRACE(opening);
        OpenManager();
        if (HasFatalFailure())
            return;
        const std::optional<Window> dialog = Shown(kManager);
        ASSERT_TRUE(dialog.has_value());
        QRect menu, tools, list;
        const bool placed = WaitFor([&] {
            menu = Rect(kManager + QStringLiteral(">QMenuBar"));
            tools = Rect(kManager + QStringLiteral(">CBaseDialogToolBar"));
            list = Rect(kManagerList);
            return menu.isValid() && tools.isValid() && list.isValid() && tools.top() >= menu.bottom() &&
                   tools.top() - menu.bottom() <= 3 && list.top() >= tools.bottom() && list.top() - tools.bottom() <= 12 &&
                   menu.width() >= dialog->rect.width() - 2;
        });
        EXPECT_TRUE(placed) << "menu bar " << menu.y() << "-" << menu.bottom() << " w " << menu.width() << ", toolbar "
                            << tools.y() << "-" << tools.bottom() << ", list from " << list.y() << ", dialog "
                            << dialog->rect.y() << " w " << dialog->rect.width();
        // Each menu of the bar is there to be clicked, above the toolbar.
        for (const char* title : {"File", "Edit", "Layout"}) {
            const QRect item = Rect(QStringLiteral("action:") + QLatin1String(title));
            EXPECT_TRUE(item.isValid() && item.bottom() <= tools.top() + 1) << title << " at " << item.y();
        }
        if (opening == 2) {
            // The operator makes it larger; the next opening comes back so.
            const qulonglong window = Input().WaitForWindow(Brevio().Pid(), QStringLiteral("^Macros Manager"));
            ASSERT_NE(window, 0u) << Input().ErrorText().toStdString();
            ASSERT_TRUE(Input().Resize(window, dialog->rect.size() + QSize(120, 90))) << Input().ErrorText().toStdString();
            ASSERT_TRUE(WaitFor([&] { return Shown(kManager).value_or(Window{}).rect.width() >= dialog->rect.width() + 100; }));
        }
        ASSERT_TRUE(Input().Key(QStringLiteral("Escape")));
        ASSERT_TRUE(WaitFor([&] { return !Shown(kManager).has_value(); }));
    }
    EXPECT_EQ(Boxes(), QString());
}

// A change the manager has not saved ("*" in its title) is not lost to
// Escape without a question, answered in a box the operator sees: No keeps
// the manager open with its change, Yes closes it.
TEST_F(BrevioMacroDialogs, EscapeInAModifiedManagerAsksBeforeClosing)
{
    if (!StartInTheManager())
        return;
    // Unchanged, Escape closes it without a word.
    ASSERT_TRUE(Input().Key(QStringLiteral("Escape")));
    ASSERT_TRUE(WaitFor([&] { return !Shown(kManager).has_value(); }));
    EXPECT_EQ(Boxes(), QString());

    OpenManager();
    if (HasFatalFailure())
        return;
    // The toolbar's button is enabled within a heartbeat of the list
    // filling: clicked until the manager takes it.
    ASSERT_TRUE(WaitFor([&] {
        if (!ClickOn(BrevioProbe(), QStringLiteral("action:Sort Alphabetically")))
            return false;
        return WaitFor([&] { return Shown(kManager).value_or(Window{}).title == QLatin1String("Macros Manager *"); }, 500);
    })) << Shown(kManager).value_or(Window{}).title.toStdString();
    // No keeps the manager and its change; Yes lets it go.
    const QString question = QStringLiteral("You have outstanding changes - really cancel ?");
    ASSERT_TRUE(Input().Key(QStringLiteral("Escape")));
    const std::optional<Box> kept = AnswerBox(BrevioProbe(), QStringLiteral("Cancel"), question, QStringLiteral("n"));
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(kept->answer, QStringLiteral("No"));
    EXPECT_TRUE(WaitFor([&] { return Shown(kManager).value_or(Window{}).title == QLatin1String("Macros Manager *"); }))
        << Ask(QStringLiteral("geometry")).toStdString();
    ASSERT_TRUE(Input().Key(QStringLiteral("Escape")));
    const std::optional<Box> left = AnswerBox(BrevioProbe(), QStringLiteral("Cancel"), question, QStringLiteral("y"));
    ASSERT_TRUE(left.has_value());
    EXPECT_EQ(left->answer, QStringLiteral("Yes"));
    EXPECT_TRUE(WaitFor([&] { return !Shown(kManager).has_value(); }));
}

// Full title, Tab, short title, Tab, and the text typed goes into the
// definition: a blank in it no longer unticks "Enable".
TEST_F(BrevioMacroDialogs, TabFromTheShortTitleGoesToTheDefinition)
{
    if (!StartInTheManager())
        return;
    ASSERT_TRUE(Choose(QStringLiteral("File > New")));
    ASSERT_TRUE(WaitFor([&] { return Shown(QStringLiteral("CMacroEditorDialog")).has_value(); }));
    ASSERT_EQ(FocusOn(QStringLiteral("QLineEdit")), QStringLiteral("QLineEdit"));
    ASSERT_TRUE(Input().Type(QStringLiteral("Calling CQ")));
    ASSERT_TRUE(Input().Key(QStringLiteral("Tab")));
    ASSERT_TRUE(Input().Type(QStringLiteral("CQ")));
    ASSERT_TRUE(Input().Key(QStringLiteral("Tab")));
    EXPECT_EQ(FocusOn(QStringLiteral("QPlainTextEdit")), QStringLiteral("QPlainTextEdit"));
    ASSERT_TRUE(Input().Type(QStringLiteral("cq cq de g4tst")));
    const QString definition = QStringLiteral("CMacroEditorDialog>QPlainTextEdit");
    EXPECT_TRUE(WaitFor([&] { return Text(definition) == QLatin1String("cq cq de g4tst"); })) << Text(definition).toStdString();
    EXPECT_EQ(Text(QStringLiteral("CMacroEditorDialog>QLineEdit")), QStringLiteral("Calling CQ"));
    EXPECT_EQ(Text(QStringLiteral("CMacroEditorDialog>QLineEdit:2")), QStringLiteral("CQ"));
}

// Find and replace typed, Enter: the editor closes as OK does and the
// titles are changed.
TEST_F(BrevioMacroDialogs, EnterPressesOkInTheBulkEditor)
{
    if (!StartInTheManager())
        return;
    ASSERT_TRUE(Choose(QStringLiteral("Edit > Bulk Edit")));
    const QString bulk = QStringLiteral("CMacroBulkEdit");
    ASSERT_TRUE(WaitFor([&] { return Shown(bulk).has_value(); }));
    ASSERT_EQ(FocusOn(QStringLiteral("QLineEdit")), QStringLiteral("QLineEdit"));
    ASSERT_TRUE(Input().Type(QStringLiteral("Macro")));
    ASSERT_TRUE(Input().Key(QStringLiteral("Tab")));
    ASSERT_TRUE(Input().Type(QStringLiteral("Call")));
    ASSERT_TRUE(WaitFor([&] { return Text(bulk + QStringLiteral(">QLineEdit:2")) == QLatin1String("Call"); }));
    ASSERT_TRUE(Input().Key(QStringLiteral("Return")));
    EXPECT_TRUE(WaitFor([&] { return !Shown(bulk).has_value(); })) << "the bulk editor stays open";
    EXPECT_TRUE(WaitFor([&] { return Text(kManagerList).contains(QLatin1String("Call 2")); })) << Text(kManagerList).toStdString();
}

// Two squares typed, each left with Tab: heading and distances are there
// without a press of OK or Enter.
TEST_F(BrevioMacroDialogs, DistanceCalculatorComputesWhenTabLeavesASquare)
{
    ASSERT_TRUE(StartBrevio());
    ASSERT_TRUE(Choose(QStringLiteral("Tools > Distance Calculator")));
    const QString calculator = QStringLiteral("CDistanceCalculator");
    ASSERT_TRUE(WaitFor([&] { return Shown(calculator).has_value(); }));
    const QString square1 = calculator + QStringLiteral(">QLineEdit");
    const QString square2 = calculator + QStringLiteral(">QLineEdit:2");
    const QString kilometres = calculator + QStringLiteral(">QLineEdit:4");
    ASSERT_TRUE(ClickOn(BrevioProbe(), square1));
    ASSERT_TRUE(Input().Type(QStringLiteral("jo01aa")));
    ASSERT_TRUE(Input().Key(QStringLiteral("Tab")));
    // Square 1 alone gives its position and says square 2 is not one yet.
    EXPECT_TRUE(WaitFor([&] { return Text(calculator + QStringLiteral(">QLabel:2")) == QLatin1String("51.0208 N, 0.0417 E"); }))
        << Text(calculator).toStdString();
    ASSERT_EQ(FocusOn(QStringLiteral("QLineEdit")), QStringLiteral("QLineEdit"));
    ASSERT_TRUE(Input().Type(QStringLiteral("io91wm")));
    ASSERT_TRUE(Input().Key(QStringLiteral("Tab")));
    EXPECT_TRUE(WaitFor([&] { return !Text(kilometres).isEmpty(); })) << "nothing computed";
    EXPECT_EQ(Text(square1), QStringLiteral("JO01AA"));
    EXPECT_EQ(Text(square2), QStringLiteral("IO91WM"));
    EXPECT_EQ(Boxes(), QString());
}
