// The logbook and the DX Cluster window in the running program on the
// FT-817 simulator: the menu bar against its tables, the logbook from View >
// Logbook Display with its toolbar, an entry whose frequency, mode and power
// come from the front panel's polls, a DX page from a local HTTP server whose
// spot tunes the radio, and Favourites > Manager.
// Under a real display with CORVANE_SCREENSHOT_DIR set the logbook, the entry
// window and the DX window are photographed into docs/; take them with
//   CORVANE_SCREENSHOT_DIR=docs QT_QPA_PLATFORM=xcb xvfb-run -a -s '-screen 0 1400x1000x24'
//   build/tests/corvane_organisers_tests --gtest_filter='LogbookProgram.Screenshots'
// (one command line).
#include "corvane/core/CatLink.h"
#include "corvane/core/RadioApp.h"
#include "corvane/core/Settings.h"
#include "corvane/core/Startup.h"
#include "corvane/frontpanel/DisplayView.h"
#include "corvane/frontpanel/FrequencyDisplay.h"
#include "corvane/frontpanel/PanelFrameServices.h"
#include "corvane/frontpanel/ProgramOptions.h"
#include "corvane/frontpanel/RadioMainFrame.h"
#include "corvane/frontpanel/MemoryToolsWiring.h"
#include "corvane/organisers/BandsAndScans.h"
#include "corvane/organisers/DxClusterDialog.h"
#include "corvane/organisers/Logbook.h"
#include "corvane/organisers/LogbookAdd.h"
#include "corvane/organisers/LogbookDatabase.h"
#include "corvane/organisers/LogbookView.h"
#include "corvane/organisers/ManageFavouritesDialog.h"
#include "corvane/organisers/Organisers.h"
#include "corvane/core/LocalHttpServer.h"
#include "platform/Sleeper.h"
#include "shared/Registry.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/OwnComboBox.h"
#include "shared/ui/OwnListCtrl.h"
#include "support/LayoutCheck.h"
#include "support/MnemonicGuard.h"
#include "support/ScriptedPrompter.h"
#include "support/Simulator.h"
#include "OrganiserTestSupport.h"

#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolBar>
#include <QDialog>
#include <QSet>
#include <QTimer>
#include <gtest/gtest.h>

using orgtest::whenModal;

namespace {

QString spotLine(const QString& spotter, const QString& frequency, const QString& dx, const QString& comment,
                 const QString& time)
{
    const QString head = spotter.leftJustified(17 - frequency.size(), QLatin1Char(' ')) + frequency;
    return head.leftJustified(18, QLatin1Char(' ')) + dx.leftJustified(12, QLatin1Char(' ')) +
           comment.leftJustified(30, QLatin1Char(' ')) + time;
}

const QByteArray kPage = QStringLiteral("<HTML>\n<H4>DX spots on 40m</H4>\n<PRE>%1\n%2\n%3\n</PRE>\n</HTML>\n")
                             .arg(spotLine("G4ABC", "7025.3", "VP8LP", "Falklands CW", "1203 12 Mar"),
                                  spotLine("DL1XYZ", "7012", "3Y0J", "Bouvet", "1201 12 Mar"),
                                  spotLine("OH2BH", "7155.", "ZS6WAB", "SSB pile-up", "1159 12 Mar"))
                             .toLatin1();

// Every command of the menu bar: id -> (menu path, text).
struct MenuItem {
    QString path;
    QString text;
    QAction* action;
};
void collect(QMenu* menu, const QString& path, QMap<unsigned, MenuItem>& items)
{
    for (QAction* a : menu->actions()) {
        if (a->isSeparator())
            continue;
        if (a->menu()) {
            collect(a->menu(), path + " > " + a->text(), items);
            continue;
        }
        items.insert(a->property("commandId").toUInt(), {path, a->text(), a});
    }
}

class LogbookProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::Sleeper::setInstance(&sleeper);
        testsupport::Simulator::Options o;
        o.sMeter = 7;
        sim = std::make_unique<testsupport::Simulator>(o);
        ASSERT_TRUE(sim->isRunning()) << sim->errorText().toStdString();
        qputenv("CORVANE_EXTRA_PORTS", sim->portPath().toLocal8Bit());
        const CRegistry registry;
        registry.WriteString("Startup port", sim->portPath());
        registry.WriteString("Startup speed", "38400");
        registry.WriteBool("CStartup::m_bAuto", 0);
        registry.WriteInt("CDisplaySize::m_eSize", 1);
        registry.WriteString(CDxClusterDialog::HostValueName(),
                             QStringLiteral("127.0.0.1:%1").arg(server.url("").section(':', -1)));
        server.body = kPage;
        InstallFrontPanel();
        InstallMainFrame();
        InstallMemoryTools();
        InstallProgramOptions();
        InstallOrganisers();
        InstallBandsAndScans();
        InstallLogbook();
        app = std::make_unique<CRadioApp>();
        whenModal<CStartup>([](CStartup* startup) { startup->OnConnect(); });
        ASSERT_TRUE(app->InitInstance());
        frame = qobject_cast<CRadioMainFrame*>(app->GetMainFrame());
        ASSERT_NE(frame, nullptr);
        frame->showNormal();
        frame->setGeometry(20, 20, 1200, 820);
        view = GetDisplayView();
        ASSERT_NE(view, nullptr);
        QTest::qWait(300);
    }
    void TearDown() override
    {
        if (frame) {
            GetSettings().m_bPowerDown = 0;
            frame->close();
        }
        app.reset();
        CPanelFrameServices::InstallDefaults();
        qunsetenv("CORVANE_EXTRA_PORTS");
        platform::Sleeper::setInstance(nullptr);
    }
    QMap<unsigned, MenuItem> menuItems() const
    {
        QMap<unsigned, MenuItem> items;
        for (QAction* a : frame->menuBar()->actions())
            if (a->menu())
                collect(a->menu(), a->text(), items);
        return items;
    }
    // Tunes the radio and waits until the panel shows it.
    void tune(uint32_t hz, uint8_t mode)
    {
        app->GetCatLink().SetFrequencyInMode(hz, mode);
        ASSERT_TRUE(QTest::qWaitFor([&] { return view->GetFrequency() == hz && (view->GetMode() & 0x7F) == mode; }, 5000));
    }

    platform::FakeSleeper sleeper;
    webtest::LocalHttpServer server;
    std::unique_ptr<testsupport::Simulator> sim;
    std::unique_ptr<CRadioApp> app;
    CRadioMainFrame* frame = nullptr;
    CDisplayView* view = nullptr;
};

} // namespace

TEST_F(LogbookProgram, TheMenuBarFollowsItsTables)
{
    const QMap<unsigned, MenuItem> items = menuItems();
    struct Expected {
        unsigned id;
        const char* path;
        const char* text;
    };
    const Expected expected[] = {
        {32779, "F&avourites", "&Manager\tAlt+O"},
        {32776, "F&avourites", "&Add...\tAlt+A"},
        {32994, "&Tools", "DX Cl&uster"},
        {32993, "&Tools", "CW Spee&d"},
        {32912, "&Tools", "C&W Settings\tCtrl+W"},
        {33061, "&Tools > Cl&one", "&Save to File"},
        {33062, "&Tools > Cl&one", "&Load from File"},
        {32878, "&Tools", "Command Entr&y"},
        {32857, "&Tools", "&Stress Test"},
        {32802, "&Tools", "FT-817 &Manager\tF7"},
        {33020, "&Tools", "&Trace All Comms"},
        {32787, "&Memory", "Mem&ory Analyser"},
        {33027, "&View", "&Logbook Toolbar"},
        {33030, "&View", "L&ogbook Display"},
        {57664, "&Help", "&About..."},
    };
    for (const Expected& e : expected) {
        ASSERT_TRUE(items.contains(e.id)) << e.id;
        EXPECT_EQ(items[e.id].path, e.path) << e.id;
        EXPECT_EQ(items[e.id].text, e.text) << e.id;
    }
    // No text of the old wording is left anywhere.
    for (const MenuItem& item : items) {
        EXPECT_FALSE(item.text.startsWith("Clone:")) << item.text.toStdString();
        EXPECT_FALSE(item.text.contains("D&X")) << item.text.toStdString();
    }
    // The logbook toolbar's commands exist only on the toolbar.
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

    frame->GetCommandAction(CRadioMainFrame::ID_LOGBOOK_DISPLAY)->trigger();
    CLogbookFrame* logFrame = GetLogbookFrame();
    ASSERT_NE(logFrame, nullptr);
    ASSERT_NE(GetLogbookView(), nullptr);
    EXPECT_FALSE(logFrame->isMinimized());
    EXPECT_EQ(frame->GetMdiClient()->activeSubWindow(), logFrame);
    EXPECT_TRUE(bar->isVisible());
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
    frame->OnCommand(CRadioMainFrame::ID_LOGBOOK_DISPLAY);
    EXPECT_FALSE(logFrame->isMinimized());
    EXPECT_EQ(GetLogbookFrame(), logFrame) << "one logbook window";

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
    add->move(frame->geometry().topLeft() + QPoint(500, 120));
    frame->OnCommand(CRadioMainFrame::ID_LOGBOOK_DISPLAY);
    GetLogbookFrame()->resize(900, 300);
    GetLogbookFrame()->move(0, 0);
    QTest::qWait(500);
    auto save = [&](QWidget* w, const char* name) {
        const QRect r = w->frameGeometry();
        const QPixmap shot = w->screen()->grabWindow(0, r.x(), r.y(), r.width(), r.height());
        EXPECT_TRUE(shot.save(dir + QLatin1Char('/') + QLatin1String(name)));
    };
    save(frame, "corvane-logbook.png");
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
