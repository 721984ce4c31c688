#include "shared/shortcutbar/OXSHBListCtrl.h"
#include "shared/shortcutbar/OXShortcutBar.h"

#include "shared/WinDraw.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <map>

using winapi::RectLTRB;

namespace {

// Records every notification and answers the codes a test chooses to veto.
struct NotifyLog {
    std::vector<SHB_NOTIFY> seen;
    std::map<unsigned, intptr_t> answers;
    std::function<void(SHB_NOTIFY*)> hook;

    void attach(COXShortcutBar& bar)
    {
        QObject::connect(&bar, &COXShortcutBar::notify, [this](SHB_NOTIFY* nm, intptr_t* result) {
            seen.push_back(*nm);
            if (hook)
                hook(nm);
            const auto it = answers.find(nm->code);
            if (it != answers.end())
                *result = it->second;
        });
    }
    int count(unsigned code) const
    {
        return int(std::count_if(seen.begin(), seen.end(), [code](const SHB_NOTIFY& n) { return n.code == code; }));
    }
    const SHB_NOTIFY* last(unsigned code) const
    {
        for (auto it = seen.rbegin(); it != seen.rend(); ++it)
            if (it->code == code)
                return &*it;
        return nullptr;
    }
};

struct BarFixture : ::testing::Test {
    QWidget parent;
    COXShortcutBar bar;
    NotifyLog log;

    void SetUp() override
    {
        parent.resize(200, 400);
        log.attach(bar);
        ASSERT_TRUE(bar.Create(&parent, QRect(0, 0, 200, 400), 0, 102, winapi::WS_VISIBLE));
        parent.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    }

    SHBGROUPID add(const QString& text, int order = SHBGI_ORDER_LAST)
    {
        SHB_GROUPINFO info;
        info.nMask = SHBGI_TEXT | SHBGI_ORDER;
        info.strText = text;
        info.nOrder = order;
        return bar.InsertGroup(&info);
    }

    // Group texts from the top down.
    QStringList byOrder() const
    {
        QStringList texts;
        for (int i = 0; i < bar.GetGroupCount(); ++i)
            texts << bar.GetGroupText(bar.FindGroupByOrder(i));
        return texts;
    }

    QRect header(SHBGROUPID h) const
    {
        QRect r;
        bar.GetGroupHeaderRect(h, &r);
        return r;
    }

    void send(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        QMouseEvent e(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
};

TEST_F(BarFixture, InsertionOrdersTable)
{
    struct Case {
        const char* what;
        int order;
        bool withOrder;
        QStringList expected;
    };
    const Case cases[] = {
        {"first", SHBGI_ORDER_FIRST, true, {"new", "A", "B"}},
        {"at 1", 1, true, {"A", "new", "B"}},
        {"no order", 0, false, {"A", "B", "new"}},
        {"last", SHBGI_ORDER_LAST, true, {"A", "B", "new"}},
    };
    for (const Case& c : cases) {
        bar.RemoveAllGroups();
        add("A");
        add("B");
        SHB_GROUPINFO info;
        info.nMask = SHBGI_TEXT | (c.withOrder ? SHBGI_ORDER : 0);
        info.strText = QStringLiteral("new");
        info.nOrder = c.order;
        EXPECT_NE(bar.InsertGroup(&info), 0u) << c.what;
        EXPECT_EQ(byOrder(), c.expected) << c.what;
    }

    bar.RemoveAllGroups();
    add("memories");
    add("Bands");
    add("favourites");
    EXPECT_NE(add("Scanning", SHBGI_ORDER_SORTED), 0u);
    EXPECT_EQ(byOrder(), (QStringList{"Bands", "favourites", "memories", "Scanning"}));
}

TEST_F(BarFixture, HandlesCountUpAndInvalidRecordsAreRefused)
{
    const SHBGROUPID a = add("A");
    const SHBGROUPID b = add("B");
    EXPECT_EQ(a, 1u);
    EXPECT_EQ(b, 2u);
    bar.RemoveGroup(b);
    EXPECT_EQ(add("C"), 3u); // never reused

    // An order equal to the count is refused: -2 appends.
    EXPECT_EQ(add("D", bar.GetGroupCount()), 0u);

    SHB_GROUPINFO info;
    info.nMask = SHBGI_TEXT | 0x1; // a bit outside 16..23
    EXPECT_EQ(bar.InsertGroup(&info), 0u);
    info.nMask = SHBGI_VIEW;
    info.nView = 4;
    EXPECT_EQ(bar.InsertGroup(&info), 0u);
    info.nMask = SHBGI_IMAGE; // no image list
    info.nImage = 0;
    EXPECT_EQ(bar.InsertGroup(&info), 0u);
    QWidget stranger;
    info.nMask = SHBGI_CHILDWND;
    info.pChildWnd = &stranger;
    EXPECT_EQ(bar.InsertGroup(&info), 0u);
    EXPECT_EQ(bar.GetGroupCount(), 2);

    // A child window of the bar is accepted and used instead of a list.
    auto* own = new QWidget(&bar);
    info.pChildWnd = own;
    const SHBGROUPID g = bar.InsertGroup(&info);
    ASSERT_NE(g, 0u);
    EXPECT_EQ(bar.GetGroupWindow(g), own);
    EXPECT_FALSE(bar.HasOwnList(g));
    EXPECT_EQ(bar.GetGroupListCtrl(g), nullptr);
}

TEST_F(BarFixture, GroupFieldsAndDefaults)
{
    const SHBGROUPID g = add("Bands");
    EXPECT_EQ(bar.GetGroupView(g), SHBV_LARGEICONS);
    EXPECT_EQ(bar.GetGroupView(999), -1);
    EXPECT_EQ(bar.GetGroupImage(g), -1);

    CImageList images;
    images.Create(16, 16, ILC_MASK, 0, 1);
    QPixmap pm(16, 16);
    pm.fill(Qt::red);
    images.Add(pm);
    images.Add(pm);
    bar.SetImageList(&images);
    EXPECT_TRUE(bar.SetGroupImage(g, 1));
    EXPECT_EQ(bar.GetGroupImage(g), 1);
    EXPECT_EQ(bar.GetGroupExpandedImage(g), 1); // falls back to the image
    EXPECT_FALSE(bar.SetGroupImage(g, 2));      // outside the list
    // A negative image clears it.
    EXPECT_TRUE(bar.SetGroupImage(g, -1));
    EXPECT_EQ(bar.GetGroupImage(g), -1);
    SHB_GROUPINFO fetched;
    fetched.nMask = SHBGI_IMAGE | SHBGI_TEXT;
    ASSERT_TRUE(bar.GetGroupInfo(g, &fetched));
    EXPECT_EQ(fetched.nMask, unsigned(SHBGI_TEXT));
    EXPECT_EQ(fetched.strText, QStringLiteral("Bands"));

    // A descriptor with an empty mask gives every default; one field changes only that.
    SHB_DESCRIPTOR empty;
    EXPECT_TRUE(bar.SetGroupDescriptor(g, &empty));
    EXPECT_EQ(bar.GetGroupHeaderHeight(g), 18);
    EXPECT_EQ(bar.GetGroupHeaderTextFormat(g), 0x8025u);
    EXPECT_EQ(bar.GetGroupBkColour(g), winapi::GetSysColor(winapi::COLOR_BTNSHADOW));
    EXPECT_TRUE(bar.SetGroupHeaderHeight(g, 30));
    EXPECT_EQ(bar.GetGroupHeaderHeight(g), 30);
    EXPECT_EQ(header(g).height(), 30);
    EXPECT_EQ(bar.GetGroupHeaderTextFormat(g), 0x8025u);
    EXPECT_EQ(bar.GetGroupHeaderBkColour(g), winapi::GetSysColor(winapi::COLOR_BTNFACE));
    // Unknown groups.
    EXPECT_EQ(bar.GetGroupBkColour(77), COLORREF(-1));
    EXPECT_EQ(bar.GetGroupHeaderHeight(77), -1);
    EXPECT_EQ(bar.GetGroupTextFont(77), nullptr);
}

TEST_F(BarFixture, FindGroups)
{
    add("Favourites");
    const SHBGROUPID bands = add("Bands");
    bar.SetGroupData(bands, 42);
    EXPECT_EQ(bar.FindGroupByText("Band"), bands);
    EXPECT_EQ(bar.FindGroupByText("band"), 0u);
    EXPECT_EQ(bar.FindGroupByData(42), bands);
    EXPECT_EQ(bar.FindGroupByOrder(1), bands);
    EXPECT_EQ(bar.FindGroupByOrder(2), 0u);
}

TEST_F(BarFixture, LayoutPutsTheChildAreaUnderTheExpandedHeader)
{
    const SHBGROUPID a = add("A");
    const SHBGROUPID b = add("B");
    const SHBGROUPID c = add("C");
    // Nothing expanded: headers stack at the top.
    EXPECT_EQ(header(c), RectLTRB(0, 36, 200, 54));
    EXPECT_TRUE(bar.GetChildWndRect().isEmpty());

    bar.ExpandGroup(b);
    EXPECT_EQ(header(a), RectLTRB(0, 0, 200, 18));
    EXPECT_EQ(header(b), RectLTRB(0, 18, 200, 36));
    EXPECT_EQ(header(c), RectLTRB(0, 382, 200, 400));
    EXPECT_EQ(bar.GetChildWndRect(), RectLTRB(5, 41, 195, 377));
    QWidget* list = bar.GetGroupWindow(b);
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(list->geometry(), bar.GetChildWndRect());
    EXPECT_FALSE(bar.GetGroupWindow(a)->isVisible());

    int flags = 0;
    EXPECT_EQ(bar.HitTest(QPoint(50, 100), &flags), b);
    EXPECT_EQ(flags, SHBHT_CHILDAREA);
    EXPECT_EQ(bar.HitTest(QPoint(50, 390), &flags), c);
    EXPECT_EQ(flags, SHBHT_HEADER);
    bar.SetChildMargins(1, 0, 1, 1);
    EXPECT_EQ(bar.GetChildWndRect(), RectLTRB(1, 36, 199, 381));

    // Headers taller in sum than the bar leave no room for a child window.
    bar.SetGroupHeaderHeight(0, 150);
    EXPECT_TRUE(bar.GetChildWndRect().isEmpty());
    EXPECT_FALSE(list->isVisible());
}

TEST_F(BarFixture, ExpandingNotifiesAndCanBeVetoed)
{
    const SHBGROUPID a = add("A");
    const SHBGROUPID b = add("B");
    EXPECT_EQ(bar.ExpandGroup(a), 0u);
    EXPECT_EQ(log.count(SHBNC_GROUPEXPANDING), 1);
    EXPECT_EQ(log.count(SHBNC_GROUPEXPANDED), 1);

    // The expanded group again: returned, nothing sent.
    log.seen.clear();
    EXPECT_EQ(bar.ExpandGroup(a), a);
    EXPECT_TRUE(log.seen.empty());

    // A veto keeps the old group.
    log.answers[SHBNC_GROUPEXPANDING] = 1;
    EXPECT_EQ(bar.ExpandGroup(b), a);
    EXPECT_EQ(bar.GetExpandedGroup(), a);
    EXPECT_EQ(log.count(SHBNC_GROUPEXPANDED), 0);
    log.answers.clear();

    // Group 0 leaves nothing expanded; the notifications carry 0.
    log.seen.clear();
    EXPECT_EQ(bar.ExpandGroup(0), a);
    EXPECT_EQ(bar.GetExpandedGroup(), 0u);
    EXPECT_FALSE(bar.GetGroupWindow(a)->isVisible());
    ASSERT_NE(log.last(SHBNC_GROUPEXPANDED), nullptr);
    EXPECT_EQ(log.last(SHBNC_GROUPEXPANDED)->hGroup, 0u);
    EXPECT_EQ(log.last(SHBNC_GROUPEXPANDED)->hwndFrom, &bar);
    EXPECT_EQ(log.last(SHBNC_GROUPEXPANDED)->idFrom, 102u);
}

TEST_F(BarFixture, VetoesLeaveTheBarUnchanged)
{
    const SHBGROUPID a = add("A");
    log.answers[SHBNC_INSERTINGGROUP] = 1;
    EXPECT_EQ(add("B"), 0u);
    EXPECT_EQ(bar.GetGroupCount(), 1);
    log.answers.clear();

    log.answers[SHBNC_DELETINGGROUP] = 1;
    EXPECT_FALSE(bar.RemoveGroup(a));
    EXPECT_EQ(bar.GetGroupCount(), 1);
    log.answers.clear();

    bar.SetBarStyle(SHBS_EDITHEADERS);
    log.answers[SHBNC_BEGINHEADEREDIT] = 1;
    EXPECT_EQ(bar.EditGroupHeader(a), nullptr);
    log.answers.clear();

    // A vetoed context menu is not shown (and so does not block here).
    log.answers[SHBNC_CONTEXTMENU] = 1;
    bar.OnContextMenu(bar.mapToGlobal(QPoint(10, 5)));
    EXPECT_EQ(log.count(SHBNC_CONTEXTMENU), 1);
    EXPECT_EQ(log.last(SHBNC_CONTEXTMENU)->hGroup, a);
}

TEST_F(BarFixture, RemovingTheExpandedGroup)
{
    const SHBGROUPID a = add("A");
    add("B");
    const SHBGROUPID c = add("C");
    bar.ExpandGroup(c);
    ASSERT_TRUE(bar.RemoveGroup(c));
    EXPECT_EQ(bar.GetExpandedGroup(), a); // the last one gone: the first takes over
    EXPECT_EQ(byOrder(), (QStringList{"A", "B"}));

    const SHBGROUPID b = bar.FindGroupByText("B");
    bar.ExpandGroup(a);
    ASSERT_TRUE(bar.RemoveGroup(a));
    EXPECT_EQ(bar.GetExpandedGroup(), b); // the group now at the old order
    EXPECT_EQ(bar.GetGroupOrder(b), 0);
    ASSERT_TRUE(bar.RemoveGroup(b));
    EXPECT_EQ(bar.GetExpandedGroup(), 0u);
    EXPECT_EQ(bar.GetGroupCount(), 0);
}

TEST_F(BarFixture, SetGroupOrderSwapsPlaces)
{
    const SHBGROUPID x = add("X");
    add("Y");
    const SHBGROUPID z = add("Z");
    EXPECT_TRUE(bar.SetGroupOrder(x, 2));
    EXPECT_EQ(byOrder(), (QStringList{"Z", "Y", "X"}));
    EXPECT_EQ(bar.GetGroupOrder(z), 0);
    EXPECT_FALSE(bar.SetGroupOrder(x, 3));
    EXPECT_FALSE(bar.SetGroupOrder(x, SHBGI_ORDER_FIRST));
}

TEST_F(BarFixture, DraggingAHeaderOntoAnotherSwapsThem)
{
    const SHBGROUPID x = add("X");
    add("Y");
    const SHBGROUPID z = add("Z");
    bar.ExpandGroup(x);
    const QPoint onX = header(x).center();
    const QPoint onZ = header(z).center();

    for (bool veto : {true, false}) {
        log.answers.clear();
        if (veto)
            log.answers[SHBNC_HEADERDROPPED] = 1;
        send(&bar, QEvent::MouseButtonPress, onX, Qt::LeftButton, Qt::LeftButton);
        // The button must be held for 100 ms before a drag starts.
        send(&bar, QEvent::MouseMove, onX + QPoint(0, 1), Qt::NoButton, Qt::LeftButton);
        EXPECT_EQ(bar.GetDragGroup(), 0u);
        QTest::qWait(150);
        send(&bar, QEvent::MouseMove, onX + QPoint(0, 2), Qt::NoButton, Qt::LeftButton);
        ASSERT_EQ(bar.GetDragGroup(), x);
        ASSERT_NE(log.last(SHBNC_HEADERDRAG), nullptr);
        EXPECT_EQ(log.last(SHBNC_HEADERDRAG)->hGroup, x);
        send(&bar, QEvent::MouseMove, onZ, Qt::NoButton, Qt::LeftButton);
        EXPECT_EQ(bar.GetDropTargetGroup(), z);
        send(&bar, QEvent::MouseButtonRelease, onZ, Qt::LeftButton, Qt::NoButton);
        EXPECT_EQ(bar.GetDragGroup(), 0u);
        ASSERT_NE(log.last(SHBNC_HEADERDROPPED), nullptr);
        EXPECT_EQ(log.last(SHBNC_HEADERDROPPED)->hGroup, x);
        EXPECT_EQ(SHBGROUPID(log.last(SHBNC_HEADERDROPPED)->lParam), z);
        EXPECT_EQ(log.last(SHBNC_HEADERDRAG)->hGroup, 0u);
        if (veto)
            EXPECT_EQ(byOrder(), (QStringList{"X", "Y", "Z"}));
        else
            EXPECT_EQ(byOrder(), (QStringList{"Z", "Y", "X"}));
    }
}

TEST(ShortcutBarSlide, StepsTable)
{
    const std::pair<int, std::vector<int>> cases[] = {
        {100, {20, 20, 20, 40}},
        {200, {20, 20, 20, 20, 20, 20, 40, 40}},
        {39, {}},
        {40, {20}},
        {60, {20, 20}},
    };
    for (const auto& [height, steps] : cases)
        EXPECT_EQ(COXShortcutBar::SlideSteps(height), steps) << height;
}

// Records where a header is drawn while the bar slides.
class RecordingBar : public COXShortcutBar {
public:
    SHBGROUPID watched = 0;
    std::vector<int> tops;

protected:
    void PaintHeader(winapi::DRAWITEMSTRUCT* pDIS) override
    {
        if (pDIS->itemData == watched) {
            QRect r;
            GetGroupHeaderRect(watched, &r);
            if (tops.empty() || tops.back() != r.y())
                tops.push_back(r.y());
        }
        COXShortcutBar::PaintHeader(pDIS);
    }
};

TEST(ShortcutBarSlide, HeadersSlideInStepsToTheNewGroup)
{
    QWidget parent;
    RecordingBar bar;
    // Three headers of 18 and a child area of exactly 100 pixels (5 + 100 + 5).
    ASSERT_TRUE(bar.Create(&parent, QRect(0, 0, 150, 54 + 110), SHBS_SLIDEEXPAND, 1, winapi::WS_VISIBLE));
    parent.resize(150, 164);
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    const SHBGROUPID a = bar.InsertGroup(QStringLiteral("A"));
    const SHBGROUPID b = bar.InsertGroup(QStringLiteral("B"));
    const SHBGROUPID c = bar.InsertGroup(QStringLiteral("C"));
    bar.ExpandGroup(a);
    ASSERT_EQ(bar.GetChildWndRect().height(), 100);
    QApplication::processEvents();

    bar.watched = b;
    bar.tops.clear();
    bar.ExpandGroup(c);
    // B starts at 128 (above C at the bottom) and climbs 20, 20, 20, 40, then settles at 18.
    EXPECT_EQ(bar.tops, (std::vector<int>{108, 88, 68, 28, 18}));
    EXPECT_EQ(bar.GetExpandedGroup(), c);
}

TEST_F(BarFixture, RenamingAHeaderInPlace)
{
    bar.SetBarStyle(SHBS_EDITHEADERS);
    const SHBGROUPID g = add("Memories");
    bar.ExpandGroup(g);
    parent.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&parent));

    COXSHBEdit* edit = bar.EditGroupHeader(g);
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->isVisible());
    EXPECT_EQ(edit->geometry(), header(g));
    EXPECT_EQ(bar.GetEditedGroup(), g);
    QTest::keyClicks(edit, QStringLiteral("Channels"));
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(bar.GetGroupText(g), QStringLiteral("Memories"));
    EXPECT_EQ(log.count(SHBNC_ENDHEADEREDIT), 0);
    EXPECT_EQ(bar.GetEditedGroup(), 0u);

    // A vetoed end keeps the text; an accepted one applies it.
    QString offered;
    log.hook = [&offered](SHB_NOTIFY* nm) {
        if (nm->code == SHBNC_ENDHEADEREDIT)
            offered = *reinterpret_cast<const QString*>(nm->lParam);
    };
    for (bool veto : {true, false}) {
        log.answers.clear();
        if (veto)
            log.answers[SHBNC_ENDHEADEREDIT] = 1;
        edit = bar.EditGroupHeader(g);
        ASSERT_NE(edit, nullptr);
        QTest::keyClicks(edit, QStringLiteral("Channels"));
        QTest::keyClick(edit, Qt::Key_Return);
        ASSERT_NE(log.last(SHBNC_ENDHEADEREDIT), nullptr);
        EXPECT_EQ(offered, QStringLiteral("Channels"));
        EXPECT_EQ(bar.GetGroupText(g), veto ? QStringLiteral("Memories") : QStringLiteral("Channels"));
    }

    bar.SetBarStyle(0);
    EXPECT_EQ(bar.EditGroupHeader(g), nullptr);
}

TEST_F(BarFixture, ContextMenuEntries)
{
    auto texts = [](QMenu* menu) {
        QStringList list;
        for (QAction* a : menu->actions())
            list << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return list;
    };
    const SHBGROUPID a = add("A");
    const SHBGROUPID b = add("B");
    bar.ExpandGroup(a);

    bar.SetBarStyle(0);
    auto menu = bar.BuildContextMenu(bar.mapToGlobal(header(b).center()));
    EXPECT_EQ(texts(menu.get()), (QStringList{"Large Icons", "Small Icons"}));
    EXPECT_EQ(bar.GetContextMenuGroup(), b);
    EXPECT_TRUE(menu->actions().at(0)->isChecked());

    bar.SetBarStyle(SHBS_EDITHEADERS | SHBS_EDITITEMS);
    bar.SetGroupView(a, SHBV_SMALLICONS);
    menu = bar.BuildContextMenu(bar.mapToGlobal(header(b).center()));
    EXPECT_EQ(texts(menu.get()), (QStringList{"Add New Group", "-", "Large Icons", "Small Icons", "-", "Remove Group",
                                              "Rename Group"}));
    EXPECT_TRUE(menu->actions().at(3)->isChecked());

    // Over an item of the expanded list the list adds its own entries.
    bar.InsertLCItem(a, winapi::LVIF_TEXT, 0, QStringLiteral("20 m"), 0, 0, -1, 0);
    COXSHBListCtrl* list = bar.GetGroupListCtrl(a);
    QRect item;
    list->GetItemRect(0, &item, winapi::LVIR_LABEL);
    menu = bar.BuildContextMenu(list->mapToGlobal(item.center()));
    EXPECT_EQ(texts(menu.get()).mid(7), (QStringList{"-", "Rename Item", "Remove Item"}));

    // Below the last header, but outside any header: the expanded group.
    bar.ExpandGroup(0);
    bar.ExpandGroup(b);
    menu = bar.BuildContextMenu(bar.mapToGlobal(QPoint(10, 399)));
    EXPECT_EQ(bar.GetContextMenuGroup(), b);

    // The commands work on the group the menu was opened for.
    EXPECT_TRUE(bar.OnCmdMsg(ID_SHB_LARGEICON));
    EXPECT_EQ(bar.GetGroupView(b), SHBV_LARGEICONS);
    EXPECT_TRUE(bar.OnCmdMsg(ID_SHB_REMOVEGROUP));
    EXPECT_EQ(bar.GetGroupCount(), 1);
    EXPECT_FALSE(bar.OnCmdMsg(4711));
}

TEST_F(BarFixture, HoveringOverAHeaderExpandsIt)
{
    bar.SetBarStyle(SHBS_EXPANDONHOVER);
    bar.SetHoverExpandDelay(30);
    const SHBGROUPID a = add("A");
    const SHBGROUPID b = add("B");
    bar.ExpandGroup(a);
    const QPoint onB = header(b).center();
    QCursor::setPos(bar.mapToGlobal(onB));
    send(&bar, QEvent::MouseMove, onB, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(bar.GetExpandedGroup(), a);
    for (int waited = 0; waited < 2000 && bar.GetExpandedGroup() != b; waited += 10)
        QTest::qWait(10);
    EXPECT_EQ(bar.GetExpandedGroup(), b);
}

TEST_F(BarFixture, BarSettingsReachTheLists)
{
    const SHBGROUPID a = add("A");
    EXPECT_EQ(bar.SetScrollButtonSize(QSize(12, 12)), QSize(16, 16));
    EXPECT_EQ(bar.GetScrollButtonSize(), QSize(12, 12));
    EXPECT_EQ(bar.SetScrollDelay(100), 200);
    EXPECT_EQ(bar.SetAutoScrollDelay(300), 400);
    EXPECT_EQ(bar.SetHoverExpandDelay(500), 800);
    EXPECT_FALSE(bar.SetBarStyle(0x8000));
    EXPECT_TRUE(bar.SetBarStyle(SHBS_EDITITEMS));
    COXSHBListCtrl* list = bar.GetGroupListCtrl(a);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->GetBarStyle(), SHBS_EDITITEMS);
    EXPECT_EQ(list->GetGroup(), a);
    EXPECT_EQ(list->GetShortcutBar(), &bar);
}

} // namespace
