// The logbook and the DX Cluster window in the running program on the
// FT-817 simulator: the menu bar against its tables, the logbook from View >
// Logbook Display with its toolbar, an entry whose frequency, mode and power
// come from the front panel's polls, a DX page from a local HTTP server whose
// spot tunes the radio, and Favourites > Manager.
// Under a real display with CORVANE_SCREENSHOT_DIR set the entry window and
// the DX window with its spots are photographed into docs/ (the logbook
// window and the DX window asking for its server by tests/gui); take them with
//   CORVANE_SCREENSHOT_DIR=docs QT_QPA_PLATFORM=xcb xvfb-run -a -s '-screen 0 1400x1000x24'
//   build/tests/corvane_organisers_tests --gtest_filter='LogbookProgram.Screenshots'
// (one command line).
#include "ProgramFixture.h"
#include "corvane/frontpanel/FrequencyDisplay.h"
#include "corvane/organisers/LogbookAdd.h"
#include "corvane/organisers/LogbookDatabase.h"
#include "corvane/organisers/LogbookView.h"
#include "corvane/organisers/ManageFavouritesDialog.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/OwnComboBox.h"
#include "shared/ui/OwnListCtrl.h"
#include "support/LayoutCheck.h"
#include "support/MnemonicGuard.h"
#include "support/ScriptedPrompter.h"

#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QTimer>
#include <QToolBar>

using orgtest::MenuItem;
using orgtest::whenModal;

namespace {
class LogbookProgram : public orgtest::ProgramFixture {};
} // namespace

// The whole menu bar, menu by menu and item by item in order: each item's
// command, its text with its underlined letter, and the key shown beside it.
TEST_F(LogbookProgram, TheMenuBarFollowsItsTables)
{
    struct Item {
        const char* path;
        unsigned id;
        const char* text;
        const char* keys;
    };
    const Item expected[] = {
        {"&File", 57606, "P&rint Setup...", ""},
        {"&File", 57665, "E&xit", ""},
        {"&Edit", 32812, "&Undo", "Ctrl+Z"},
        {"&Edit", 32813, "&Redo", "Ctrl+Y"},
        {"&View", 32775, "&Selection Window", "F5"},
        {"&View", 32916, "S-Meter &History", "F6"},
        {"&View", 33018, "&Quick Save Toolbar", "F9"},
        {"&View", 33027, "&Logbook Toolbar", ""},
        {"&View", 32922, "Fine &Tuning", "F4"},
        {"&View > &Button Size", 33048, "&Small", ""},
        {"&View > &Button Size", 33049, "&Medium", ""},
        {"&View > &Button Size", 33050, "&Large", ""},
        {"&View", 33053, "&Colour Schemes...", ""},
        {"&View", 33042, "&Full Screen", "F10"},
        {"&View", 33029, "&Radio Display", ""},
        {"&View", 33030, "L&ogbook Display", ""},
        {"&View", 33032, "&I/O Logfile Display", ""},
        {"Favo&urites", 32776, "&Add", "Alt+A"},
        {"Favo&urites", 32779, "&Manager", "Alt+O"},
        {"Favo&urites", 33063, "Show &Markers", "Alt+Y"},
        {"Favo&urites", 32938, "Displa&y", ""},
        {"&Bands", 32939, "Displa&y", ""},
        {"&Bands", 32925, "&Manager...", "Ctrl+B"},
        {"&Memory", 32940, "Displa&y", ""},
        {"&Memory", 32811, "&Manager...", "Alt+G"},
        {"&Memory", 32774, "&Save to Memory...", "Ctrl+S"},
        {"&Memory", 32847, "&Reload", "Ctrl+R"},
        {"&Memory", 32787, "Mem&ory Analyser", ""},
        {"&Memory", 32782, "Memory &Browser", ""},
        {"Scann&ing", 32794, "&Band", "Alt+N"},
        {"Scann&ing", 32796, "&Memory", "Alt+Q"},
        {"Scann&ing", 33022, "&Stop", ""},
        {"&Tools", 33100, "&VFO && Memory Analyzer", ""},
        {"&Tools", 33020, "&Trace All Comms", ""},
        {"&Tools", 32987, "Add &Desktop Icon", ""},
        {"&Tools", 32790, "&Calibration...", "Alt+C"},
        {"&Tools", 32878, "Command Entr&y", ""},
        {"&Tools > Cl&one", 33061, "&Save to File", ""},
        {"&Tools > Cl&one", 33062, "&Load from File", ""},
        {"&Tools", 32912, "C&W Settings", "Ctrl+W"},
        {"&Tools", 32993, "CW Spee&d", ""},
        {"&Tools", 32994, "DX Cl&uster", ""},
        {"&Tools", 32858, "&Enter Frequency", "Enter"},
        {"&Tools", 32966, "&FST Mode", ""},
        {"&Tools", 32876, "Lock Front &Panel", "Alt+L"},
        {"&Tools", 33041, "PSK31 &Brevio", "Alt+P"},
        {"&Tools", 32898, "&Repeater Settings", "Alt+R"},
        {"&Tools", 32877, "T&ransmit...", "Alt+X"},
        {"&Tools", 32992, "Trans&verter Display", ""},
        {"&Tools", 32910, "V&olume Control", "Ctrl+L"},
        {"&Tools", 32802, "FT-817 &Manager", "F7"},
        {"&Tools", 32809, "Program &Options...", "F8"},
        {"&Tools", 32857, "&Stress Test", ""},
        {"&Speech", 33064, "Frequency", "F11"},
        {"&Speech", 33065, "Frequency + Mode", "F12"},
        {"&Speech", 33066, "Auto-announce", "Ctrl+F11"},
        {"&Speech", 33067, "Full Frequency", "Alt+F11"},
        {"&Speech", 33068, "Out of Band", "Ctrl+F12"},
        {"&Speech", 33069, "&Options...", ""},
        {"&Speech > &Flite Speech Engine", 33542, "&Reader", ""},
        {"&Speech > &Flite Speech Engine", 33543, "&Text-to-Speech", ""},
        {"&Help", 32835, "&Contents", ""},
        {"&Help", 57666, "&Index...", ""},
        {"&Help", 32836, "&Search...", ""},
        {"&Help", 32906, "Send E-mail to QT9XVK", ""},
        {"&Help", 32909, "&Usergroup Homepage", ""},
        {"&Help", 32904, "QT9XVK on the Web", ""},
        {"&Help", 57664, "&About...", ""},
    };
    auto line = [](const QString& path, unsigned id, const QString& text, const QString& keys) {
        return QStringLiteral("%1 | %2 | %3 | %4").arg(path).arg(id).arg(text, keys);
    };
    QStringList want;
    for (const Item& e : expected)
        want << line(QString::fromLatin1(e.path), e.id, QString::fromLatin1(e.text), QString::fromLatin1(e.keys));
    QStringList have;
    std::function<void(QMenu*, const QString&)> walk = [&](QMenu* menu, const QString& path) {
        for (QAction* a : menu->actions()) {
            if (a->isSeparator())
                continue;
            if (a->menu()) {
                walk(a->menu(), path + " > " + a->text());
                continue;
            }
            have << line(path, a->property("commandId").toUInt(), a->text().section(QLatin1Char('\t'), 0, 0),
                         a->text().section(QLatin1Char('\t'), 1));
        }
    };
    QStringList titles;
    for (QAction* a : frame->menuBar()->actions()) {
        titles << a->text();
        if (a->menu())
            walk(a->menu(), a->text());
    }
    EXPECT_EQ(titles, QStringList({"&File", "&Edit", "&View", "Favo&urites", "&Bands", "&Memory", "Scann&ing",
                                   "&Tools", "&Speech", "&Help"}));
    EXPECT_EQ(have, want) << "have:\n" << have.join('\n').toStdString();

    // Each top-level menu has a letter of its own, and none shares it with
    // an Alt key of the shortcut table (the shortcut would win).
    QMap<QChar, QString> letters;
    QSet<QChar> altKeys;
    for (const Item& e : expected)
        if (QString::fromLatin1(e.keys).startsWith("Alt+") && QString::fromLatin1(e.keys).size() == 5)
            altKeys << QString::fromLatin1(e.keys).back().toLower();
    for (const QString& title : titles) {
        const QChar letter = title.at(title.indexOf('&') + 1).toLower();
        EXPECT_FALSE(letters.contains(letter)) << title.toStdString() << " and " << letters[letter].toStdString();
        letters.insert(letter, title);
        EXPECT_FALSE(altKeys.contains(letter)) << title.toStdString() << " has the letter of a shortcut";
    }

    // The logbook toolbar's commands exist only on the toolbar.
    const QMap<unsigned, MenuItem> items = menuItems();
    EXPECT_FALSE(items.contains(CLogbookView::ID_LOGBOOK_SORT));
}

TEST_F(LogbookProgram, FavouritesManagerFromTheMenu)
{
    frame->UpdateFrameCommands();
    QAction* manager = frame->GetCommandAction(CRadioApp::ID_FAVOURITES_MANAGER);
    ASSERT_NE(manager, nullptr);
    EXPECT_TRUE(manager->isEnabled()) << "the navigator's favourites tree has its root";
    bool opened = false;
    whenModal<CManageFavouritesDialog>([&](CManageFavouritesDialog* d) {
        opened = true;
        d->OnCancel();
    });
    manager->trigger();
    EXPECT_TRUE(opened);
}

TEST_F(LogbookProgram, LogbookDisplayOpensTheLogbookWithItsToolbar)
{
    EXPECT_EQ(GetLogbookView(), nullptr) << "the logbook is not opened at start";
    QToolBar* bar = frame->GetLogbookBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_FALSE(bar->isVisible());
    QStringList tips;
    for (QAction* a : bar->actions())
        if (!a->isSeparator())
            tips << a->toolTip();
    EXPECT_EQ(tips, QStringList({"Toggle Add", "Delete", "Reload", "Sort", "Apply Filter", "Remove Filter",
                                 "Radio Display", "Logbook Display", "I/O Logfile Display"}));

    // The first time the logbook opens minimised; the front panel stays
    // maximised and active.
    QMdiSubWindow* panel = frame->GetMdiClient()->activeSubWindow();
    ASSERT_NE(panel, nullptr);
    ASSERT_TRUE(panel->isMaximized());
    frame->GetCommandAction(CRadioMainFrame::ID_LOGBOOK_DISPLAY)->trigger();
    CLogbookFrame* logFrame = GetLogbookFrame();
    ASSERT_NE(logFrame, nullptr);
    ASSERT_NE(GetLogbookView(), nullptr);
    EXPECT_TRUE(logFrame->isMinimized());
    EXPECT_EQ(logFrame->windowTitle(), "Logbook");
    EXPECT_EQ(frame->GetMdiClient()->activeSubWindow(), panel);
    EXPECT_TRUE(panel->isMaximized());
    EXPECT_TRUE(bar->isVisible());

    // Asked for again, it comes up at a size that holds its columns, over
    // the panel, which stays maximised.
    frame->GetCommandAction(CRadioMainFrame::ID_LOGBOOK_DISPLAY)->trigger();
    EXPECT_FALSE(logFrame->isMinimized());
    EXPECT_EQ(frame->GetMdiClient()->activeSubWindow(), logFrame);
    EXPECT_TRUE(panel->isMaximized());
    EXPECT_GE(logFrame->width(), std::min(frame->GetMdiClient()->viewport()->width(), 7 * 150));
    EXPECT_GE(logFrame->height(), 200);
    frame->UpdateFrameCommands();
    EXPECT_TRUE(frame->GetCommandAction(CRadioMainFrame::ID_LOGBOOK_DISPLAY)->isChecked());
    EXPECT_TRUE(frame->GetCommandAction(CRadioMainFrame::ID_VIEW_LOGBOOK_TOOLBAR)->isChecked());
    QMap<QString, QAction*> buttons;
    for (QAction* a : bar->actions())
        buttons.insert(a->toolTip(), a);
    EXPECT_TRUE(buttons["Reload"]->isEnabled());
    EXPECT_TRUE(buttons["Sort"]->isEnabled());
    EXPECT_FALSE(buttons["Remove Filter"]->isEnabled());
    EXPECT_FALSE(buttons["Delete"]->isEnabled());

    // Closing only puts it aside; the command brings it back.
    logFrame->close();
    EXPECT_TRUE(logFrame->isMinimized());
    frame->OnCommand(CRadioMainFrame::ID_RADIO_DISPLAY);
    EXPECT_TRUE(panel->isMaximized());
    frame->OnCommand(CRadioMainFrame::ID_LOGBOOK_DISPLAY);
    EXPECT_FALSE(logFrame->isMinimized());
    EXPECT_EQ(GetLogbookFrame(), logFrame) << "one logbook window";
    EXPECT_TRUE(panel->isMaximized());

    frame->GetCommandAction(CRadioMainFrame::ID_VIEW_LOGBOOK_TOOLBAR)->trigger();
    EXPECT_FALSE(bar->isVisible());
}

TEST_F(LogbookProgram, AnEntryTakesFrequencyModeAndPowerFromTheRadio)
{
    tune(7012500, 2);  // CW
    frame->OnCommand(CRadioMainFrame::ID_LOGBOOK_ADD);
    auto* add = qobject_cast<CLogbookAdd*>(frame->GetToolWindow(CRadioMainFrame::ID_LOGBOOK_ADD));
    ASSERT_NE(add, nullptr);
    ASSERT_TRUE(add->isVisible());
    frame->UpdateFrameCommands();
    EXPECT_TRUE(frame->GetLogbookBar()->actions().first()->isChecked()) << "Toggle Add is ticked while visible";
    ASSERT_TRUE(QTest::qWaitFor([&] { return add->Frequency()->text() == "7.012.500"; }, 5000))
        << add->Frequency()->text().toStdString() << " / " << view->GetRadioState()->GetFrequencyText().toStdString();
    EXPECT_EQ(add->Mode()->currentText(), "CW");
    const QString power = CLogbookAdd::PowerText(view->GetPowerLevel());
    EXPECT_FALSE(power.isEmpty());
    EXPECT_EQ(add->Power()->text(), power);
    add->SignalButton()->click();
    EXPECT_EQ(add->Signal()->text(), "S7");
    add->Callsign()->setText("VP8LP");
    add->OnOK();
    ASSERT_EQ(add->List()->GetItemCount(), 1);

    // No logbook window was open: the entry is in the file all the same.
    frame->OnCommand(CRadioMainFrame::ID_LOGBOOK_DISPLAY);
    CLogbookView* logbook = GetLogbookView();
    ASSERT_NE(logbook, nullptr);
    ASSERT_EQ(logbook->GetList()->GetItemCount(), 1);
    EXPECT_EQ(logbook->GetList()->GetItemText(0, 1), "VP8LP");
    EXPECT_EQ(logbook->GetList()->GetItemText(0, 2), "7.012.500");
    EXPECT_EQ(logbook->GetList()->GetItemText(0, 3), "CW");
    EXPECT_EQ(logbook->GetList()->GetItemText(0, 4), power);

    // With the logbook open the next entry goes through its view.
    tune(14070000, 1);  // USB
    ASSERT_TRUE(QTest::qWaitFor([&] { return add->Frequency()->text() == "14.070.000"; }, 5000));
    add->Callsign()->setText("3Y0J");
    add->OnOK();
    frame->OnCommand(CLogbookView::ID_LOGBOOK_RELOAD);
    ASSERT_EQ(logbook->GetList()->GetItemCount(), 2);
    EXPECT_EQ(logbook->GetList()->GetItemText(0, 3), "USB");
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());

    frame->OnCommand(CRadioMainFrame::ID_LOGBOOK_ADD);
    EXPECT_FALSE(add->isVisible()) << "the command hides a visible window";
}

TEST_F(LogbookProgram, ASpotClickedInTheDxWindowTunesTheRadio)
{
    frame->GetCommandAction(CRadioMainFrame::ID_DX_CLUSTER)->trigger();
    auto* dx = qobject_cast<CDxClusterDialog*>(frame->GetToolWindow(CRadioMainFrame::ID_DX_CLUSTER));
    ASSERT_NE(dx, nullptr);
    ASSERT_TRUE(dx->isVisible());
    dx->Pages()->setCurrentRow(11);  // 7MHz
    dx->UpdatesButton()->Click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return dx->Spots()->GetItemCount() == 3; }, 5000));
    EXPECT_EQ(dx->windowTitle(), "DX spots on 40m");
    EXPECT_EQ(server.requests(), 1);
    EXPECT_EQ(dx->Spots()->GetItemText(1, 1), " 7012.0");

    const int seen = int(sim->frames().size());
    QTreeWidgetItem* item = dx->Spots()->topLevelItem(1);
    dx->Spots()->setCurrentItem(item);
    emit dx->Spots()->itemClicked(item, 0);
    // Set frequency: 7012000 Hz as eight BCD digits of 10 Hz, opcode 01.
    const QByteArray setFrequency = QByteArray::fromHex("0070120001");
    ASSERT_TRUE(QTest::qWaitFor([&] { return sim->frames().mid(seen).contains(setFrequency); }, 5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->GetFrequency() == 7012000; }, 5000));

    // The command closes the visible window, which stops its updates.
    frame->OnCommand(CRadioMainFrame::ID_DX_CLUSTER);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dx->isVisible(); }, 2000));
    EXPECT_FALSE(dx->IsUpdating());
    frame->OnCommand(CRadioMainFrame::ID_DX_CLUSTER);
    EXPECT_TRUE(dx->isVisible());
    EXPECT_EQ(frame->GetToolWindow(CRadioMainFrame::ID_DX_CLUSTER), dx) << "one window for the whole run";
}

TEST_F(LogbookProgram, Screenshots)
{
    const QString dir = qEnvironmentVariable("CORVANE_SCREENSHOT_DIR");
    if (dir.isEmpty() || QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "screenshots are taken under a real display only";
    const struct {
        const char* call;
        uint32_t hz;
        uint8_t mode;
        const char* comment;
    } contacts[] = {{"G4ABC", 3560000, 2, "QRP, 2 way"}, {"DL1XYZ", 7074000, 10, "FT8 test"},
                    {"OH2BH", 14195000, 1, "Contest"},   {"VP8LP", 21025000, 2, "Falklands"}};
    frame->OnCommand(CRadioMainFrame::ID_LOGBOOK_ADD);
    auto* add = qobject_cast<CLogbookAdd*>(frame->GetToolWindow(CRadioMainFrame::ID_LOGBOOK_ADD));
    ASSERT_NE(add, nullptr);
    for (const auto& c : contacts) {
        tune(c.hz, c.mode);
        QTest::qWait(300);
        add->Callsign()->setText(c.call);
        add->Comment()->setText(c.comment);
        add->SignalButton()->click();
        add->OnOK();
    }
    auto save = [&](QWidget* w, const char* name) {
        const QRect r = w->frameGeometry();
        const QPixmap shot = w->screen()->grabWindow(0, r.x(), r.y(), r.width(), r.height());
        EXPECT_TRUE(shot.save(dir + QLatin1Char('/') + QLatin1String(name)));
    };
    add->move(frame->geometry().topLeft() + QPoint(500, 120));
    QTest::qWait(500);
    save(add, "corvane-logbook-add.png");
    add->hide();

    frame->OnCommand(CRadioMainFrame::ID_DX_CLUSTER);
    auto* dx = qobject_cast<CDxClusterDialog*>(frame->GetToolWindow(CRadioMainFrame::ID_DX_CLUSTER));
    ASSERT_NE(dx, nullptr);
    dx->move(frame->geometry().topLeft() + QPoint(300, 200));
    dx->Pages()->setCurrentRow(11);
    dx->UpdatesButton()->Click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return dx->Spots()->GetItemCount() == 3; }, 5000));
    dx->Spots()->SelectItem(1, true);
    QTest::qWait(1500);
    save(dx, "corvane-dx-cluster.png");
}

// Every dialog the menus open, at the default font and one point larger:
// no label shows its mnemonic '&' (the test environment's guard fails any
// window that does as soon as it shows), no text is cut off, no control
// sticks out of its box or lies over another. Modal dialogs are looked at and
// cancelled as they come up; windows that stay open are closed again.
// Commands that leave the program, start another program, transmit or
// reach outside this machine are left out.
TEST_F(LogbookProgram, EveryDialogOfTheMenusShowsItsTextsWhole)
{
    const QSet<unsigned> leftOut{57665u /* Exit */,          CRadioMainFrame::ID_PSK31,
                                 CRadioMainFrame::ID_DESKTOP_ICON, CRadioApp::ID_MAKER_WEB,
                                 CRadioApp::ID_USERGROUP,     CRadioApp::ID_SUPPORT_EMAIL,
                                 CRadioApp::ID_PRINT_SETUP,   57607u /* Print */,
                                 CRadioMainFrame::ID_TRANSMIT, CRadioApp::ID_STRESS_TEST};
    int looked = 0;
    QStringList found;
    auto inspect = [&](QWidget* w, const QString& command) {
        ++looked;
        for (const QString& problem : testsupport::layoutProblems(w))
            found << QStringLiteral("%1 (%2): %3").arg(QString::fromLatin1(w->metaObject()->className()), command, problem);
        for (const QString& text : testsupport::literalMnemonics(w))
            found << QStringLiteral("%1 (%2): %3").arg(QString::fromLatin1(w->metaObject()->className()), command, text);
    };
    auto walk = [&] {
        const QMap<unsigned, MenuItem> items = menuItems();
        for (auto it = items.begin(); it != items.end(); ++it) {
            if (it.key() == 0 || leftOut.contains(it.key()) || !it->action->isEnabled())
                continue;
            const QString command = it->path + " > " + it->text;
            QSet<QWidget*> before;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible())
                    before << w;
            int cancelled = 0;
            QTimer watchdog;
            QObject::connect(&watchdog, &QTimer::timeout, [&] {
                QWidget* modal = QApplication::activeModalWidget();
                if (!modal || cancelled > 20)
                    return;
                ++cancelled;
                inspect(modal, command);
                // Straight out, past any question a dialog asks on Cancel.
                if (auto* dialog = qobject_cast<QDialog*>(modal))
                    dialog->QDialog::done(QDialog::Rejected);
                else
                    modal->close();
            });
            watchdog.start(30);
            if (qEnvironmentVariableIsSet("WALK_TRACE"))
                fprintf(stderr, "walk: %s\n", qPrintable(command));
            it->action->trigger();
            QApplication::processEvents();
            watchdog.stop();
            EXPECT_LE(cancelled, 20) << command.toStdString() << " keeps opening dialogs";
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (w->isVisible() && !before.contains(w) && w != frame) {
                    inspect(w, command);
                    w->close();
                }
            }
            QApplication::processEvents();
            testsupport::prompter().clear();
        }
    };
    walk();
    testsupport::withLargerFont(walk);
    EXPECT_GT(looked, 20) << "the menus open the program's dialogs";
    EXPECT_TRUE(found.isEmpty()) << found.join("\n").toStdString();
}
