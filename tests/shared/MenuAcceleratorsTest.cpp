// Key names in the menu texts, the accelerator table of the commands found,
// working shortcuts and the tooltips with their keys.
#include "shared/MenuAccelerators.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QTest>
#include "support/ShortcutCheck.h"
#include <gtest/gtest.h>

namespace {
QAction* command(QMenu* menu, unsigned id, const QString& text)
{
    QAction* a = menu->addAction(text);
    a->setProperty("commandId", id);
    return a;
}
} // namespace

TEST(MenuAccelerators, KeyNamesGoIntoTheMenuAndTheKeysWork)
{
    QMainWindow window;
    QMenu* edit = window.menuBar()->addMenu("&Edit");
    QAction* undo = command(edit, 32812, "&Undo");
    QAction* redo = command(edit, 32813, "&Redo");
    edit->addSeparator();
    QMenu* favourites = edit->addMenu("Fa&vourites");
    QAction* manager = command(favourites, 32779, "&Manager");
    QAction* contents = command(window.menuBar()->addMenu("&Help"), 32835, "&Contents");

    CMenuAccelerators accelerators;
    const QList<ACCEL> table = accelerators.Build(window.menuBar(), &window);
    EXPECT_EQ(undo->text(), "&Undo\tCtrl+Z");
    EXPECT_EQ(redo->text(), "&Redo\tCtrl+Y");
    EXPECT_EQ(manager->text(), "&Manager\tAlt+O");
    EXPECT_EQ(contents->text(), "&Contents") << "a command without a key keeps its text";

    // In table order, only the commands the menu has.
    ASSERT_EQ(table.size(), 3);
    const uint8_t alt = FVIRTKEY | FNOINVERT | FALT;
    const uint8_t ctrl = FVIRTKEY | FNOINVERT | FCONTROL;
    EXPECT_EQ(table[0].cmd, 32779);
    EXPECT_EQ(table[0].fVirt, alt);
    EXPECT_EQ(table[0].key, 'O');
    EXPECT_EQ(table[1].cmd, 32813);
    EXPECT_EQ(table[2].cmd, 32812);
    EXPECT_EQ(table[2].fVirt, ctrl);
    EXPECT_EQ(table[2].key, 'Z');

    // Ctrl+Z sends command 32812.
    int undone = 0;
    QObject::connect(undo, &QAction::triggered, [&] { ++undone; });
    bool found = false;
    for (QShortcut* s : window.findChildren<QShortcut*>()) {
        if (s->key() == QKeySequence(Qt::CTRL | Qt::Key_Z)) {
            found = true;
            emit s->activated();
        }
    }
    EXPECT_TRUE(found);
    EXPECT_EQ(undone, 1);
}

TEST(MenuAccelerators, TooltipsCarryTheKey)
{
    QMenu edit;
    command(&edit, 32812, "&Undo");
    CMenuAccelerators accelerators;
    accelerators.SetPromptSource([](unsigned id) -> QString {
        if (id == 32812)
            return "Undo the last tuning change\nUndo ";
        if (id == 32835)
            return "List the help topics\nHelp Topics";
        return {};
    });
    accelerators.Build(QList<QMenu*>{&edit});
    EXPECT_EQ(accelerators.GetToolTipText(32812), "Undo (Ctrl+Z)");
    // A key is known for a command even when this menu lacks it.
    EXPECT_EQ(accelerators.GetToolTipText(32809), " (F8)");
    EXPECT_EQ(accelerators.GetToolTipText(32835), "Help Topics");
    EXPECT_EQ(accelerators.GetToolTipText(0), "");
    accelerators.SetPromptSource([](unsigned) { return QString("x\n") + QString(100, 'y'); });
    EXPECT_EQ(accelerators.GetToolTipText(32835).size(), CMenuAccelerators::kMaxTip);
}

TEST(MenuAccelerators, TheProgramTableHasItsThirtyTwoKeys)
{
    const QList<CMenuAccelerators::Entry> table = CMenuAccelerators::CorvaneTable();
    ASSERT_EQ(table.size(), 32);
    EXPECT_EQ(table.first().strKeyName, "Alt+A");
    EXPECT_EQ(table.last().strKeyName, "Enter");
    EXPECT_EQ(table.last().key, VK_RETURN);
    EXPECT_EQ(table[26].strKeyName, "Alt+F11");
    EXPECT_EQ(table[26].key, 0x7A);
    EXPECT_EQ(CMenuAccelerators::KeySequenceText(FVIRTKEY | FCONTROL, 0x7B), "Ctrl+F12");
}

// A child window's system menu claims Ctrl+W (and Ctrl+F4) for Close; Ctrl+W
// is a key of the table: the child gives it up and keeps Ctrl+F4, and no key
// of the window has two owners any more.
TEST(MenuAccelerators, ChildWindowsGiveUpTheTablesKeys)
{
    QMainWindow window;
    auto* area = new QMdiArea;
    window.setCentralWidget(area);
    command(window.menuBar()->addMenu("&Tools"), 32912, "C&W Settings");
    CMenuAccelerators accelerators;
    accelerators.Build(window.menuBar(), &window);
    EXPECT_TRUE(accelerators.Keys().contains(QKeySequence(Qt::CTRL | Qt::Key_W)));
    QMdiSubWindow* child = area->addSubWindow(new QWidget);
    QAction* close = nullptr;
    for (QAction* a : child->systemMenu()->actions())
        if (a->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_F4)))
            close = a;
    ASSERT_NE(close, nullptr);
    ASSERT_TRUE(close->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_W))) << "Qt's own keys for Close";
    const QStringList before = testsupport::shortcutClashes(&window);
    ASSERT_EQ(before.size(), 1) << before.join("\n").toStdString();
    EXPECT_TRUE(before[0].startsWith("Ctrl+W:")) << before[0].toStdString();

    accelerators.ReleaseKeys(child);
    EXPECT_EQ(close->shortcuts(), QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_F4)});
    EXPECT_TRUE(testsupport::shortcutClashes(&window).isEmpty());
}

// A digit key of the table is the digit row's key: it runs its command once
// wherever the window has the focus, and the keypad's digit, other
// modifiers or another active window leave it alone.
TEST(MenuAccelerators, DigitKeysAreTheDigitRowsKeys)
{
    QMainWindow window;
    auto* edit = new QLineEdit;
    window.setCentralWidget(edit);
    QAction* channel = command(window.menuBar()->addMenu("&View"), 32777, "Channel &1");
    CMenuAccelerators::Entry row;
    row.fVirt = FVIRTKEY | FNOINVERT | FALT;
    row.key = '1';
    row.strKeyName = "Alt+1";
    row.candidates = {32777};
    CMenuAccelerators accelerators({row});
    accelerators.Build(window.menuBar(), &window);
    EXPECT_EQ(channel->text(), "Channel &1\tAlt+1");
    int runs = 0;
    QObject::connect(channel, &QAction::triggered, [&] { ++runs; });
    window.show();
    QApplication::setActiveWindow(&window);
    edit->setFocus();
    ASSERT_EQ(QApplication::activeWindow(), &window);

    const struct {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int runs;
    } presses[] = {
        {"Alt+1", Qt::Key_1, Qt::AltModifier, 1},
        {"Alt with the keypad's 1", Qt::Key_1, Qt::AltModifier | Qt::KeypadModifier, 0},
        {"Alt+Shift+1", Qt::Key_1, Qt::AltModifier | Qt::ShiftModifier, 0},
        {"Ctrl+1", Qt::Key_1, Qt::ControlModifier, 0},
        {"Alt+2", Qt::Key_2, Qt::AltModifier, 0},
    };
    for (const auto& press : presses) {
        runs = 0;
        edit->clear();
        QTest::keyClick(edit, press.key, press.modifiers);
        EXPECT_EQ(runs, press.runs) << press.name;
        if (press.runs)
            EXPECT_EQ(edit->text(), "") << press.name << " also reached the focused field";
    }

    // Another window active: the key is not the window's.
    QWidget other;
    auto* otherEdit = new QLineEdit(&other);
    other.show();
    QApplication::setActiveWindow(&other);
    otherEdit->setFocus();
    runs = 0;
    QTest::keyClick(otherEdit, Qt::Key_1, Qt::AltModifier);
    EXPECT_EQ(runs, 0);
}
