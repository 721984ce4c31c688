#include "shared/ui/BaseDialog.h"

#include "shared/RegisteredEvent.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/Registry.h"
#include "support/ScriptedPrompter.h"

#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

using namespace DialogGeometry;

TEST(DialogGeometry, AnchorShares)
{
    struct Case {
        int mode, d, share;
    };
    const Case cases[] = {
        {0, 30, 0}, {1, 30, 15}, {2, 30, 30}, {3, 30, 10}, {4, 30, 20},
        {1, 1, 0}, {2, 1, 1},                       // at the recorded size d is 1
        {1, -5, -2}, {3, -5, -1}, {4, -5, -3},      // toward zero
        {5, 30, 0}, {-1, 30, 0},                    // unknown modes take nothing
    };
    for (const Case& c : cases)
        EXPECT_EQ(Share(c.mode, c.d), c.share) << c.mode << " " << c.d;
    // At the recorded size the deltas are 1, not 0.
    EXPECT_EQ(Deltas(400, 300, 408, 334, 4, 4, 26), QPoint(1, 1));
    EXPECT_EQ(Deltas(500, 280, 408, 334, 4, 4, 26), QPoint(101, -19));
}

TEST(DialogGeometry, PlacementFromTheRecordedRectangle)
{
    // Recorded relative to the window: frame 4, caption 22.
    AnchorEntry e{10 + 4, 40 + 4 + 22, 110 + 4, 60 + 4 + 22, 7, 2, 0, 0, 2};
    const Placement p = Place(e, QPoint(31, 21), 4, 4, 22);
    EXPECT_TRUE(p.bResize);
    EXPECT_EQ(p.size, QSize(100 + 31, 20));
    EXPECT_TRUE(p.bMove);
    EXPECT_EQ(p.pos, QPoint(10, 40 + 21));
    const Placement none = Place(AnchorEntry{0, 0, 5, 5, 8, 0, 0, 0, 0}, QPoint(9, 9), 0, 0, 0);
    EXPECT_FALSE(none.bResize);
    EXPECT_FALSE(none.bMove);
}

TEST(DialogGeometry, ValueNamesAndStoredValues)
{
    EXPECT_EQ(ValueName(203, 0), QStringLiteral("Window Geometry 000000CB 00000000"));
    EXPECT_EQ(ValueName(0x1ABC, 0x2F), QStringLiteral("Window Geometry 00001ABC 0000002F"));
    EXPECT_EQ(ValueName(203, -1), QStringLiteral("Window Geometry 000000CB"));
    const RECT w{10, 20, 310, 220};
    EXPECT_EQ(SavedValues(w, false, false), QList<uint32_t>({10, 310, 20, 220, 0}));
    const uint32_t m = uint32_t(-1);
    EXPECT_EQ(SavedValues(w, true, false), QList<uint32_t>({m, m, m, m, 1}));
    EXPECT_EQ(SavedValues(w, false, true), QList<uint32_t>({m, m, m, m, 0}));
}

TEST(DialogGeometry, RestoreRules)
{
    const RECT current{100, 100, 400, 300};
    const uint32_t m = uint32_t(-1);
    struct Case {
        const char* name;
        QList<uint32_t> values;
        bool resizable;
        Restore action;
        RECT rect;
    };
    const Case cases[] = {
        {"nothing stored", {}, true, Restore::Centre, {}},
        {"four values", {1, 2, 3, 4}, true, Restore::Centre, {}},
        {"six values", {1, 2, 3, 4, 5, 6}, true, Restore::Centre, {}},
        {"stored", {50, 450, 60, 360, 0}, true, Restore::Place, {50, 60, 450, 360}},
        {"fixed keeps its size", {50, 450, 60, 360, 0}, false, Restore::Place, {50, 60, 350, 260}},
        {"maximised keeps template size and place", {m, m, m, m, 1}, true, Restore::Place, {100, 100, 400, 300}},
        {"-1 keeps the current side", {m, 500, m, m, 0}, true, Restore::Place, {100, 100, 500, 300}},
        {"negative raised to 0", {uint32_t(-20), 280, uint32_t(-5), 195, 0}, true, Restore::Place, {0, 0, 300, 200}},
        {"no width", {400, 400, 10, 100, 0}, true, Restore::Leave, {}},
        {"inverted", {400, 300, 10, 100, 0}, true, Restore::Leave, {}},
    };
    for (const Case& c : cases) {
        const RestoreResult r = Restored(c.values, current, c.resizable);
        EXPECT_EQ(int(r.action), int(c.action)) << c.name;
        if (c.action == Restore::Place)
            EXPECT_EQ(r.rect, c.rect) << c.name;
    }
}

TEST(DialogGeometry, RectangleOnAScreenThatIsGone)
{
    const QList<QRect> screens{QRect(0, 0, 1920, 1080)};
    // Still partly visible: left alone.
    const RECT partly{1800, 900, 2200, 1200};
    EXPECT_EQ(BringOntoScreens(partly, screens), partly);
    // On a second monitor that is no longer there: centred on the first.
    const RECT gone{2500, 100, 2900, 400};
    EXPECT_EQ(BringOntoScreens(gone, screens), (RECT{760, 390, 1160, 690}));
    // Larger than the screen: at its corner.
    EXPECT_EQ(BringOntoScreens(RECT{-5000, 0, -2000, 2000}, screens), (RECT{0, 0, 3000, 2000}));
}

TEST(DialogGeometry, RectangleBroughtInsideTheScreen)
{
    const QList<QRect> screens{QRect(0, 0, 1024, 738), QRect(1024, 0, 1600, 1000)};
    // Inside already: left alone.
    EXPECT_EQ(FitOnScreens(RECT{100, 100, 500, 400}, screens, true), (RECT{100, 100, 500, 400}));
    // Taller than the small screen it lies on: as tall as its area, at its top.
    EXPECT_EQ(FitOnScreens(RECT{100, 40, 922, 1140}, screens, true), (RECT{100, 0, 922, 738}));
    // Over the bottom edge: moved up, kept whole.
    EXPECT_EQ(FitOnScreens(RECT{200, 600, 500, 800}, screens, true), (RECT{200, 538, 500, 738}));
    // Mostly on the second screen: brought inside that one.
    EXPECT_EQ(FitOnScreens(RECT{900, 900, 1500, 1100}, screens, true), (RECT{1024, 800, 1624, 1000}));
    // On no screen: centred on the first, made to fit.
    EXPECT_EQ(FitOnScreens(RECT{-5000, 0, -2000, 2000}, screens, true), (RECT{0, 0, 1024, 738}));
    // A window of fixed size larger than the area keeps its size at the corner.
    EXPECT_EQ(FitOnScreens(RECT{300, 300, 1400, 1100}, screens, false), (RECT{0, 0, 1100, 800}));
}

namespace {

enum : unsigned { kList = 1000, kOk = 1, kBottom = 1001, kHalf = 1002 };

class AnchoredDialog : public CBaseDialog {
public:
    explicit AnchoredDialog(unsigned id = 203) : CBaseDialog(id)
    {
        resize(300, 200);
        list = new QListWidget(this);
        list->setGeometry(10, 10, 200, 150);
        SetDlgCtrlID(list, kList);
        ok = new QPushButton("OK", this);
        ok->setGeometry(220, 10, 70, 24);
        SetDlgCtrlID(ok, kOk);
        bottom = new QPushButton("Bottom", this);
        bottom->setGeometry(10, 170, 70, 24);
        SetDlgCtrlID(bottom, kBottom);
        half = new QPushButton("Half", this);
        half->setGeometry(220, 100, 70, 24);
        SetDlgCtrlID(half, kHalf);
        SetAnchors({{kList, 2, 2, 0, 0}, {kOk, 0, 0, 2, 0}, {kBottom, 0, 0, 0, 2}, {kHalf, 0, 0, 1, 1}});
    }
    bool OnInitDialog() override
    {
        CBaseDialog::OnInitDialog();
        ++inits;
        return true;
    }
    bool OnCommand(unsigned nId) override
    {
        commands << nId;
        return true;
    }
    void OnUpdateCommand(CCmdUI& ui) override
    {
        if (ui.m_nID == 501)
            ui.Enable(false);
    }
    QListWidget* list;
    QPushButton* ok;
    QPushButton* bottom;
    QPushButton* half;
    int inits = 0;
    QList<unsigned> commands;
};

QList<uint32_t> StoredGeometry(unsigned id = 203)
{
    QList<uint32_t> values;
    CRegistry().GetIntArray(ValueName(id, 0), values);
    return values;
}

} // namespace

TEST(BaseDialog, AnchorsFollowTheSize)
{
    AnchoredDialog dlg;
    dlg.show();
    EXPECT_EQ(dlg.inits, 1);
    ASSERT_TRUE(dlg.IsMeasured());
    // At the recorded size: mode 2 takes the 1 of the rule, mode 1 nothing.
    dlg.RepositionControls();
    EXPECT_EQ(dlg.list->size(), QSize(201, 151));
    EXPECT_EQ(dlg.ok->pos(), QPoint(221, 10));
    EXPECT_EQ(dlg.bottom->pos(), QPoint(10, 171));
    EXPECT_EQ(dlg.half->pos(), QPoint(220, 100));

    dlg.resize(400, 250);
    EXPECT_EQ(dlg.list->size(), QSize(301, 201));
    EXPECT_EQ(dlg.ok->pos(), QPoint(321, 10));
    EXPECT_EQ(dlg.bottom->pos(), QPoint(10, 221));
    EXPECT_EQ(dlg.half->pos(), QPoint(270, 125));
    // Nothing accumulates: back to the start.
    dlg.resize(300, 200);
    EXPECT_EQ(dlg.list->size(), QSize(201, 151));
    // Not below the size it was laid out at.
    EXPECT_EQ(dlg.minimumSize(), QSize(300, 200));
    EXPECT_TRUE(dlg.HasSizeGrip());
    EXPECT_TRUE(dlg.isSizeGripEnabled());
}

TEST(BaseDialog, RemembersItsGeometry)
{
    QRect window;
    {
        AnchoredDialog first;
        first.show();
        EXPECT_TRUE(first.IsGeometryLoaded());
        first.setGeometry(60, 70, 350, 230);
        window = first.frameGeometry(); // the outer rectangle, frame included
        first.OnOK();
    }
    const QList<uint32_t> stored = StoredGeometry();
    ASSERT_EQ(stored.size(), 5);
    const int l = window.left(), t = window.top(), r = l + window.width(), b = t + window.height();
    EXPECT_EQ(stored, QList<uint32_t>({uint32_t(l), uint32_t(r), uint32_t(t), uint32_t(b), 0}));
    EXPECT_EQ(CRegistry().GetString("Window Geometry 000000CB 00000000"),
              QStringLiteral("%1,%2,%3,%4,0").arg(l).arg(r).arg(t).arg(b));

    AnchoredDialog second;
    second.show();
    EXPECT_EQ(second.geometry(), QRect(60, 70, 350, 230));
    // The anchors recorded at the template size follow the restored size.
    EXPECT_EQ(second.list->size(), QSize(251, 181));
}

TEST(BaseDialog, MaximisedCloseAndScreensThatAreGone)
{
    CRegistry().WriteString("Window Geometry 000000CB 00000000", "-1,-1,-1,-1,1");
    {
        AnchoredDialog dlg;
        dlg.show();
        EXPECT_FALSE(dlg.isMaximized());
        EXPECT_EQ(dlg.size(), QSize(300, 200));
        EXPECT_GE(dlg.pos().x(), 0);
        EXPECT_GE(dlg.pos().y(), 0);
        dlg.showMaximized();
        dlg.OnCancel();
    }
    const uint32_t m = uint32_t(-1);
    EXPECT_EQ(StoredGeometry(), QList<uint32_t>({m, m, m, m, 1}));

    // A rectangle remembered on a monitor that is no longer attached.
    CRegistry().WriteString("Window Geometry 000000CB 00000000", "9000,9300,7000,7200,0");
    AnchoredDialog dlg;
    dlg.show();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.contains(dlg.frameGeometry())) << dlg.frameGeometry().x() << "," << dlg.frameGeometry().y();
    EXPECT_EQ(dlg.size(), QSize(300, 200));
}

TEST(BaseDialog, StoredLargerThanTheScreenOpensInsideIt)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    CRegistry().WriteString("Window Geometry 000000CB 00000000",
                            QStringLiteral("40,%1,30,%2,0").arg(40 + screen.width() + 300).arg(30 + screen.height() + 200));
    AnchoredDialog dlg;
    dlg.show();
    EXPECT_TRUE(screen.contains(dlg.frameGeometry())) << dlg.frameGeometry().width() << "x" << dlg.frameGeometry().height();
    EXPECT_EQ(dlg.frameGeometry().height(), screen.height());
}

TEST(BaseDialog, NoSaveWithoutRestoreAndOneSaveAfterAMove)
{
    {
        AnchoredDialog dlg(300);
        dlg.SetRestoreAtOpen(false);
        dlg.show();
        dlg.resize(320, 220);
        dlg.OnOK();
        EXPECT_FALSE(dlg.IsGeometryLoaded());
    }
    EXPECT_TRUE(StoredGeometry(300).isEmpty());

    AnchoredDialog dlg(301);
    dlg.show();
    CRegistry().WriteString(ValueName(301, 0), "");
    dlg.move(40, 50);
    dlg.move(41, 52);
    EXPECT_TRUE(StoredGeometry(301).isEmpty()); // not yet: 250 ms after the last move
    EXPECT_TRUE(QTest::qWaitFor([] { return !StoredGeometry(301).isEmpty(); }, 3000));
    EXPECT_EQ(StoredGeometry(301).mid(0, 1), QList<uint32_t>({41}));
}

TEST(BaseDialog, ConfirmCancelAsksYesNo)
{
    AnchoredDialog dlg;
    auto& prompter = testsupport::prompter();
    prompter.m_answers = {platform::IDNO, platform::IDYES};
    EXPECT_FALSE(dlg.ConfirmCancel());
    EXPECT_TRUE(dlg.ConfirmCancel());
    ASSERT_EQ(prompter.m_boxes.size(), 2);
    EXPECT_EQ(prompter.m_boxes[0].text, QStringLiteral("You have outstanding changes - really cancel ?"));
    EXPECT_EQ(prompter.m_boxes[0].caption, QStringLiteral("Cancel"));
    EXPECT_EQ(prompter.m_boxes[0].style, int(platform::MB_YESNO) | int(platform::MB_ICONQUESTION));
}

TEST(BaseDialog, HeartbeatUpdatesTheToolbarAndPostsThePeriodicMessage)
{
    RegisterToolbarResource(7001, {{500, QImage(), "Open a file\nOpen"}, {0, QImage(), ""},
                                   {501, QImage(), "Save the file\nSave"}});
    struct Dlg : AnchoredDialog {
        int periodic = 0;
        unsigned msg = RegisterWindowMessage("BaseDialogTest::nMsgIdle");
        bool event(QEvent* e) override
        {
            if (CRegisteredEvent::As(e, msg)) {
                ++periodic;
                return true;
            }
            return AnchoredDialog::event(e);
        }
    } dlg;
    dlg.SetPeriodicMessage(dlg.msg);
    dlg.show();
    const QPoint listBefore = dlg.list->pos();
    const QPoint okBefore = dlg.ok->pos();
    dlg.LoadToolbar(7001, {kOk}, {kList}, true);
    ASSERT_NE(dlg.GetToolBar(), nullptr);
    const int offset = dlg.GetToolbarOffset();
    EXPECT_EQ(offset, dlg.GetToolBar()->sizeHint().height() + 4);
    EXPECT_EQ(dlg.ok->pos(), okBefore + QPoint(0, offset));
    EXPECT_EQ(dlg.list->pos(), listBefore + QPoint(0, offset));
    EXPECT_EQ(dlg.list->height(), 150 - offset);
    // Anchors recorded before the toolbar keep its shift; the list that lost
    // height to it keeps that loss at the same dialog size.
    dlg.RepositionControls();
    EXPECT_EQ(dlg.ok->pos(), QPoint(221, 10 + offset));
    EXPECT_EQ(dlg.list->height(), 150 - offset + 1);

    QAction* save = dlg.GetToolBar()->ActionFor(501);
    ASSERT_NE(save, nullptr);
    EXPECT_FALSE(save->isEnabled()); // the idle update ran with the load
    EXPECT_EQ(save->toolTip(), QStringLiteral("Save"));
    dlg.GetToolBar()->ActionFor(500)->trigger();
    EXPECT_EQ(dlg.commands, QList<unsigned>({500}));

    dlg.Heartbeat();
    QCoreApplication::processEvents();
    EXPECT_EQ(dlg.periodic, 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return dlg.periodic >= 2; }, 2000));
}

TEST(BaseDialog, ToolbarThatGrowsTheDialog)
{
    RegisterToolbarResource(7002, {{600, QImage(), "Run\nRun"}});
    AnchoredDialog dlg;
    dlg.show();
    EXPECT_FALSE(dlg.LoadToolbarAndGrow(9999, true));
    EXPECT_EQ(dlg.size(), QSize(300, 200));
    EXPECT_EQ(dlg.bottom->pos(), QPoint(10, 170));

    ASSERT_TRUE(dlg.LoadToolbarAndGrow(7002, false));
    const int offset = dlg.GetToolbarOffset();
    EXPECT_EQ(dlg.height(), 200 + offset);
    EXPECT_EQ(dlg.bottom->pos(), QPoint(10, 170 + offset));
    EXPECT_EQ(dlg.minimumSize(), QSize(300, 200)); // the minimum is not raised
    dlg.RepositionControls();
    EXPECT_EQ(dlg.bottom->pos(), QPoint(10, 171 + offset));
    EXPECT_EQ(dlg.list->size(), QSize(201, 151));
}

TEST(BaseDialog, NoSizeGripFixedFrameAndHelp)
{
    AnchoredDialog grip;
    grip.SetNoSizeGrip();
    grip.show();
    EXPECT_FALSE(grip.isSizeGripEnabled());
    EXPECT_TRUE(grip.IsResizable());
    grip.resize(350, 240);
    EXPECT_EQ(grip.size(), QSize(350, 240));

    AnchoredDialog fixed(204);
    fixed.SetFixedFrame();
    fixed.show();
    EXPECT_EQ(fixed.minimumSize(), fixed.maximumSize());

    int helped = 0;
    CBaseDialog::SetHelpHandler([&] { ++helped; });
    QTest::keyClick(&fixed, Qt::Key_F1);
    EXPECT_EQ(helped, 1);
    CBaseDialog::SetHelpHandler({});
}

TEST(BaseDialog, ModelessDialogDestroyedWhileOpenSavesItsGeometry)
{
    {
        auto* dlg = new AnchoredDialog(305);
        dlg->show();
        dlg->setGeometry(30, 40, 320, 210);
        delete dlg;
    }
    ASSERT_EQ(StoredGeometry(305).size(), 5);
    EXPECT_EQ(StoredGeometry(305)[4], 0u);
}


TEST(BaseDialog, PrepareButtonMakesItPseudoDisabledWithATip)
{
    AnchoredDialog dlg;
    COXBitmapButton button(&dlg);
    dlg.PrepareButton(button, "Read the radio's memories");
    EXPECT_TRUE(button.IsPseudoDisabled());
    EXPECT_EQ(button.GetToolTipText(), QStringLiteral("Read the radio's memories"));
}
