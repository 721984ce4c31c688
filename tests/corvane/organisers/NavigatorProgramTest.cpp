// The organisers in the running program on the FT-817 simulator: the
// favourites at start-up, the navigator in the main window, a favourite
// clicked in the navigator tuning the radio (exact frames), the bands and
// quick-save groups, Add to Favourites, the manager through the navigator's
// message, and the favourite's title on the front panel.
// Under a real display with CORVANE_SCREENSHOT_DIR set the main window with
// the navigator is photographed as docs/corvane-navigator.png; take it with
//   CORVANE_SCREENSHOT_DIR=docs QT_QPA_PLATFORM=xcb xvfb-run -a -s '-screen 0 1400x1000x24'
//   build/tests/corvane_organisers_tests --gtest_filter='NavigatorProgram.Screenshot'
// (one command line).
#include "corvane/core/CatLink.h"
#include "corvane/core/QuickSave.h"
#include "corvane/core/RadioApp.h"
#include "corvane/core/RegisteredMessages.h"
#include "corvane/core/Settings.h"
#include "corvane/core/Startup.h"
#include "corvane/frontpanel/DisplayView.h"
#include "corvane/frontpanel/FrequencyDisplay.h"
#include "corvane/frontpanel/PanelFrameServices.h"
#include "corvane/frontpanel/ProgramOptions.h"
#include "corvane/frontpanel/RadioMainFrame.h"
#include "corvane/frontpanel/SelectionBar.h"
#include "corvane/memory/MemoryTreeCtrl.h"
#include "corvane/organisers/AddFavouriteDialog.h"
#include "corvane/organisers/FavouritesCollection.h"
#include "corvane/organisers/FavouritesTree.h"
#include "corvane/organisers/ManageFavouritesDialog.h"
#include "corvane/organisers/NavigatorBar.h"
#include "corvane/organisers/Organisers.h"
#include "platform/DataFolder.h"
#include "platform/Sleeper.h"
#include "shared/RegisteredEvent.h"
#include "shared/Registry.h"
#include "shared/shortcutbar/OXShortcutBar.h"
#include "support/ScriptedPrompter.h"
#include "support/Simulator.h"
#include "OrganiserTestSupport.h"

#include <QAction>
#include <QDockWidget>
#include <QFile>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

using orgtest::whenModal;

namespace {

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

class NavigatorProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::Sleeper::setInstance(&sleeper);
        GetFavourites().RemoveAll();
        testsupport::Simulator::Options o;
        o.sMeter = 5;
        sim = std::make_unique<testsupport::Simulator>(o);
        ASSERT_TRUE(sim->isRunning()) << sim->errorText().toStdString();
        qputenv("CORVANE_EXTRA_PORTS", sim->portPath().toLocal8Bit());
        const CRegistry registry;
        registry.WriteString("Startup port", sim->portPath());
        registry.WriteString("Startup speed", "38400");
        registry.WriteBool("CStartup::m_bAuto", 0);
        registry.WriteInt("CDisplaySize::m_eSize", 1);
        InstallFrontPanel();
        InstallMainFrame();
        InstallProgramOptions();
        InstallOrganisers();
        app = std::make_unique<CRadioApp>();
        whenModal<CStartup>([](CStartup* startup) { startup->OnConnect(); });
        ASSERT_TRUE(app->InitInstance());
        frame = qobject_cast<CRadioMainFrame*>(app->GetMainFrame());
        ASSERT_NE(frame, nullptr);
        frame->showNormal();
        frame->setGeometry(20, 20, 1200, 820);
        view = GetDisplayView();
        ASSERT_NE(view, nullptr);
        bar = GetNavigatorBar();
        ASSERT_NE(bar, nullptr);
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
        GetFavourites().RemoveAll();
    }
    void quietPanel()
    {
        view->Panel().StopTimers();
        QTest::qWait(50);
        seen = int(sim->frames().size());
    }
    QList<QByteArray> newFrames()
    {
        const QList<QByteArray> all = sim->frames();
        const QList<QByteArray> fresh = all.mid(seen);
        seen = int(all.size());
        return fresh;
    }
    QTreeWidgetItem* favourite(const QString& path)
    {
        CFavouritesTree* tree = bar->GetFavouritesTree();
        QTreeWidgetItem* p = nullptr;
        for (const QString& level : path.split('/')) {
            p = tree->FindChild(p, level);
            if (!p)
                return nullptr;
        }
        return p;
    }
    void clickFavourite(const QString& path)
    {
        CFavouritesTree* tree = bar->GetFavouritesTree();
        QTreeWidgetItem* item = favourite(path);
        ASSERT_NE(item, nullptr) << path.toStdString();
        tree->SelectItem(item);
        tree->scrollToItem(item);
        QApplication::processEvents();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
        QApplication::processEvents();
    }

    platform::FakeSleeper sleeper;
    std::unique_ptr<testsupport::Simulator> sim;
    std::unique_ptr<CRadioApp> app;
    CRadioMainFrame* frame = nullptr;
    CDisplayView* view = nullptr;
    CNavigatorBar* bar = nullptr;
    int seen = 0;
};

} // namespace

TEST_F(NavigatorProgram, StartsWithTheDefaultsAndTheNavigatorDockedLeft)
{
    EXPECT_EQ(GetFavourites().GetCount(), 73);
    EXPECT_TRUE(QFile::exists(platform::dataFilePath("FT-817 Favourites.txt")));
    EXPECT_EQ(frame->GetNavigatorBar(), static_cast<CSelectionBar*>(bar));
    EXPECT_EQ(frame->dockWidgetArea(bar), Qt::LeftDockWidgetArea);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_TRUE(bar->AreGroupsCreated());
    EXPECT_EQ(bar->GetFavouritesTree()->GetNotifyMessage(), RegisteredMessage::nMsgFavourite);
    EXPECT_EQ(bar->GetFavouritesTree()->GetNotifyWindow(), view);
    EXPECT_TRUE(bar->GetMemoryTree()->IsAttached());

    // View > Selection Window hides and shows the bar, ticked while shown.
    QAction* selection = frame->GetCommandAction(CRadioMainFrame::ID_VIEW_SELECTION);
    ASSERT_NE(selection, nullptr);
    frame->OnCommand(CRadioMainFrame::ID_VIEW_SELECTION);
    EXPECT_FALSE(bar->isVisible());
    frame->UpdateFrameCommands();
    EXPECT_FALSE(selection->isChecked());
    frame->OnCommand(CRadioMainFrame::ID_BANDS_DISPLAY);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->GetShortcutBar()->GetExpandedGroup(), bar->GetBandsGroup());
    frame->UpdateFrameCommands();
    EXPECT_TRUE(selection->isChecked());
    frame->OnCommand(CRadioMainFrame::ID_MEMORY_DISPLAY);
    EXPECT_EQ(bar->GetShortcutBar()->GetExpandedGroup(), bar->GetMemoriesGroup());
    frame->OnCommand(CRadioMainFrame::ID_FAVOURITES_DISPLAY);
    EXPECT_EQ(bar->GetShortcutBar()->GetExpandedGroup(), bar->GetFavouritesGroup());
    // Showing the Quick Save toolbar opens the navigator's Quick Save group.
    frame->OnCommand(CRadioMainFrame::ID_VIEW_QUICK_SAVE);
    EXPECT_TRUE(frame->GetQuickSaveBar()->isVisible());
    EXPECT_TRUE(bar->IsQuickSaveGroupSelected());
}

TEST_F(NavigatorProgram, AFavouriteClickedInTheNavigatorTunesTheRadio)
{
    favourite("2m")->setExpanded(true);
    favourite("2m/Switzerland")->setExpanded(true);
    quietPanel();
    const uint32_t before = view->GetFrequency();
    clickFavourite("2m/Switzerland/Repeater North");
    QTest::qWait(50);
    const QList<QByteArray> frames = newFrames();
    ASSERT_GE(frames.size(), 3);
    EXPECT_EQ(frames.mid(0, 3), QList<QByteArray>({hex("08 00 00 00 07"), hex("14 56 62 50 01"), hex("08 00 00 00 07")}));
    // Then the repeater steps: two record writes and the three commands.
    QList<QByteArray> commands;
    for (const QByteArray& f : frames.mid(3))
        if (uint8_t(f.at(4)) != 0xBB)
            commands << f;
    ASSERT_EQ(commands.size(), 5);
    EXPECT_EQ(uint8_t(commands[0].at(4)), 0xBC);
    EXPECT_EQ(uint8_t(commands[1].at(4)), 0xBC);
    EXPECT_EQ(commands.mid(2), QList<QByteArray>({hex("09 00 00 00 09"), hex("4A 00 00 00 0A"),
                                                 hex("00 06 00 00 F9")}));
    // The frequency before is on the undo list.
    EXPECT_TRUE(view->GetHistory().CanUndo());
    (void)before;

    // The visible favourites name the frequency on the front panel.
    view->Panel().PollRadio(false);
    QApplication::processEvents();
    EXPECT_EQ(view->GetFrequency(), 145662500u);
    EXPECT_EQ(view->Panel().Model().Display().strLabel.trimmed(), "Repeater North");
    favourite("2m/Switzerland")->setExpanded(false);
    view->Panel().PollRadio(false);
    // Hidden now: the collection's own map, which only a load of the file
    // fills (the defaults of a first start are not in it yet).
    EXPECT_EQ(view->Panel().Model().Display().strLabel.trimmed(), "- Rx -");
    GetFavourites().Load();
    view->Panel().PollRadio(false);
    EXPECT_EQ(view->Panel().Model().Display().strLabel.trimmed(), "RV53 / Repeater North");
}

TEST_F(NavigatorProgram, BandsAndQuickSaveGroups)
{
    COXShortcutBar* shb = bar->GetShortcutBar();
    bar->SelectBandsGroup();
    COXSHBListCtrl* bands = shb->GetGroupListCtrl(bar->GetBandsGroup());
    ASSERT_EQ(bands->GetItemText(4), "VHF - UHF");
    bar->OnItemSelected(bar->GetBandsGroup(), 4);
    EXPECT_EQ(view->GetTuningRange(), 2);
    EXPECT_EQ(GetRegistry().GetInt("Tuning Range", -1), 2);

    // Saving a slot refills the Quick Save group.
    quietPanel();
    app->GetQuickSave(2).Save(7050000, 0);
    COXSHBListCtrl* quick = shb->GetGroupListCtrl(bar->GetQuickSaveGroup());
    ASSERT_EQ(quick->GetItemCount(), 2);
    EXPECT_EQ(quick->GetItemText(1), "(3)   7.050.000 LSB");
    EXPECT_EQ(quick->GetItemData(1), 3);
    // Recalling it tunes the radio.
    bar->OnItemSelected(bar->GetQuickSaveGroup(), 1);
    QTest::qWait(50);
    EXPECT_TRUE(newFrames().contains(hex("00 70 50 00 01")));
    // "Toolbar" shows the Quick Save toolbar.
    EXPECT_FALSE(frame->GetQuickSaveBar()->isVisible());
    bar->OnItemSelected(bar->GetQuickSaveGroup(), 0);
    EXPECT_TRUE(frame->GetQuickSaveBar()->isVisible());
}

TEST_F(NavigatorProgram, AddToFavouritesStoresTheRadiosSettingWhereItWasAsked)
{
    GetRegistry().WriteString("CMainFrame::m_strAddFaveFolder", "HF");
    whenModal<CAddFavouriteDialog>([](CAddFavouriteDialog* d) {
        d->TitleEdit()->setText("Net");
        d->OnOK();
    });
    frame->OnCommand(CRadioMainFrame::ID_FAVOURITES_ADD);
    const CFavouriteEntry* entry = GetFavourites().Find("", "Net");
    // No folder "HF" exists among the defaults: the root was kept.
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->GetRxFrequency(), 14070000u);
    EXPECT_EQ(GetRegistry().GetString("CMainFrame::m_strAddFaveFolder", "?"), "");
    CFavouritesCollection saved;
    saved.Load();
    EXPECT_EQ(saved.GetCount(), 74);
    EXPECT_EQ(bar->GetFavouritesTree()->GetSelectedItem(), favourite("Net"));
    QString title;
    EXPECT_TRUE(bar->GetFavouritesTree()->LookupFrequency(14070000, title));
    EXPECT_EQ(title, "Net");

    // Into a folder of the defaults, remembered for the next time.
    GetRegistry().WriteString("CMainFrame::m_strAddFaveFolder", "2m\\Simplex");
    whenModal<CAddFavouriteDialog>([](CAddFavouriteDialog* d) {
        d->TitleEdit()->setText("Calling");
        d->OnOK();
    });
    frame->OnCommand(CRadioMainFrame::ID_FAVOURITES_ADD);
    EXPECT_NE(GetFavourites().Find("2m\\Simplex", "Calling"), nullptr);
    EXPECT_EQ(GetRegistry().GetString("CMainFrame::m_strAddFaveFolder"), "2m\\Simplex");
    EXPECT_NE(favourite("2m/Simplex/Calling"), nullptr);
}

// The title Add proposes is the frequency as the front panel shows it, for
// a frequency whose radio bytes read differently backwards and for one with a
// blank leading digit.
TEST_F(NavigatorProgram, AddToFavouritesProposesTheFrequencyThePanelShows)
{
    const struct {
        uint32_t hz;
        uint8_t mode;
        const char* title;
    } cases[] = {{144300000, 8, "144.300.00"}, {7050000, 0, "7.050.00"}, {14250000, 1, "14.250.00"}};
    for (const auto& c : cases) {
        app->GetCatLink().SetFrequencyInMode(c.hz, c.mode);
        ASSERT_TRUE(QTest::qWaitFor([&] { return view->GetRadioState()->GetFrequencyText() == c.title; }, 5000))
            << c.title << " / " << view->GetRadioState()->GetFrequencyText().toStdString();
        QString proposed;
        whenModal<CAddFavouriteDialog>([&](CAddFavouriteDialog* d) {
            proposed = d->TitleEdit()->text();
            d->OnCancel();
        });
        frame->OnCommand(CRadioMainFrame::ID_FAVOURITES_ADD);
        EXPECT_EQ(proposed, c.title);
    }
}

TEST_F(NavigatorProgram, TheManagerThroughTheNavigatorsOrganiseMessage)
{
    whenModal<CManageFavouritesDialog>([](CManageFavouritesDialog* d) {
        CFavouritesTree* tree = d->Tree();
        tree->SelectItem(tree->FindChild(nullptr, "Air"));
        testsupport::prompter().m_answers = {platform::IDYES};
        d->OnDelete();
        d->OnCloseButton();
    });
    SendRegisteredMessage(frame, RegisteredMessage::nMsgOrganise);
    EXPECT_EQ(GetFavourites().GetCount(), 72);
    EXPECT_EQ(favourite("Air"), nullptr);
    EXPECT_NE(favourite("PSK31"), nullptr);

    // The defaults command puts them back.
    testsupport::prompter().m_answers = {platform::IDYES};
    app->OnCommand(CRadioApp::ID_FAVOURITES_DEFAULTS);
    EXPECT_EQ(testsupport::prompter().m_boxes.last().caption, "Load Defaults");
    EXPECT_EQ(GetFavourites().GetCount(), 73);
    EXPECT_NE(favourite("Air"), nullptr);
}

TEST_F(NavigatorProgram, ClosingRemembersTheOpenGroupAndFolders)
{
    favourite("QRP")->setExpanded(true);
    bar->SelectBandsGroup();
    GetSettings().m_bPowerDown = 0;
    frame->close();
    frame = nullptr;
    QStringList open;
    GetRegistry().GetStringArray("Open Favourite Folders", open);
    EXPECT_EQ(open, QStringList({"QRP"}));
    EXPECT_EQ(GetRegistry().GetInt("Control Bar Group", -1), 1);
}

TEST_F(NavigatorProgram, Screenshot)
{
    const QString dir = qEnvironmentVariable("CORVANE_SCREENSHOT_DIR");
    if (dir.isEmpty() || QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "screenshots are taken under a real display only";
    favourite("2m")->setExpanded(true);
    favourite("2m/Switzerland")->setExpanded(true);
    bar->GetFavouritesTree()->SelectItem(favourite("2m/Switzerland/Repeater North"));
    clickFavourite("2m/Switzerland/Repeater North");
    QTest::qWait(1100);
    const QRect r = frame->frameGeometry();
    const QPixmap shot = frame->screen()->grabWindow(0, r.x(), r.y(), r.width(), r.height());
    EXPECT_TRUE(shot.save(dir + QStringLiteral("/corvane-navigator.png")));
}
