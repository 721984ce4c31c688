#include "shared/shortcutbar/OXSHBListCtrl.h"
#include "shared/shortcutbar/OXShortcutBar.h"

#include "shared/WinDraw.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include <map>

using namespace winapi;

namespace {

QPixmap solid(int size, QColor colour)
{
    QPixmap pm(size, size);
    pm.fill(colour);
    return pm;
}

struct ListFixture : ::testing::Test {
    QWidget parent;
    COXSHBListCtrl list;
    CImageList large;
    CImageList small;
    std::vector<SHB_NOTIFY> seen;
    std::map<unsigned, intptr_t> answers;

    void SetUp() override
    {
        parent.resize(160, 300);
        QObject::connect(&list, &COXSHBListCtrl::notify, [this](SHB_NOTIFY* nm, intptr_t* result) {
            seen.push_back(*nm);
            const auto it = answers.find(nm->code);
            if (it != answers.end())
                *result = it->second;
        });
        ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_EDITLABELS, QRect(0, 0, 160, 300), &parent, 7));
        large.Create(32, 32, ILC_MASK, 0, 1);
        small.Create(16, 16, ILC_MASK, 0, 1);
        for (QColor c : {QColor(Qt::red), QColor(Qt::blue)}) {
            large.Add(solid(32, c));
            small.Add(solid(16, c));
        }
        list.SetImageList(&large, LVSIL_NORMAL);
        list.SetImageList(&small, LVSIL_SMALL);
        parent.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    }

    void fill(int n)
    {
        for (int i = 0; i < n; ++i)
            list.InsertItem(LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM, i, QStringLiteral("Item %1").arg(i), 0, 0, i % 2, 100 + i);
        seen.clear();
    }
    int count(unsigned code) const
    {
        return int(std::count_if(seen.begin(), seen.end(), [code](const SHB_NOTIFY& n) { return n.code == code; }));
    }
    QRect itemRect(int i, int code) const
    {
        QRect r;
        list.GetItemRect(i, &r, code);
        return r;
    }
    void click(QPoint down, QPoint up)
    {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(down), QPointF(list.mapToGlobal(down)), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&list, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(up), QPointF(list.mapToGlobal(up)), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&list, &release);
    }
};

TEST_F(ListFixture, EmptyListPaintsOnlyItsBackground)
{
    EXPECT_EQ(list.GetItemCount(), 0);
    EXPECT_TRUE(list.GetScrollUpRect().isEmpty());
    EXPECT_TRUE(list.GetScrollDownRect().isEmpty());
    int flags = 0;
    EXPECT_EQ(list.HitTest(QPoint(80, 50), &flags), -1);
    EXPECT_EQ(list.GetTopIndex(), -1);
    EXPECT_FALSE(list.ScrollBy(QSize(0, 10)));
    const QImage image = list.grab().toImage();
    const QColor bk = toQColor(list.GetBkColour());
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7)
            ASSERT_EQ(image.pixelColor(x, y), bk) << x << "," << y;
}

TEST_F(ListFixture, LargeIconRowsStackDownTheList)
{
    fill(3);
    const QRect row0 = itemRect(0, -1);
    const QRect row1 = itemRect(1, -1);
    const QRect icon0 = itemRect(0, LVIR_ICON);
    const QRect label0 = itemRect(0, LVIR_LABEL);
    EXPECT_EQ(row0.top(), 2);
    EXPECT_EQ(row0.width(), 160);
    // The image with 3 pixels around it, centred; the label below it.
    EXPECT_EQ(icon0, RectLTRB(61, 2, 99, 40));
    EXPECT_EQ(label0.top(), 40);
    EXPECT_EQ(Bottom(row0), Bottom(label0));
    EXPECT_EQ(row1.top(), Bottom(row0) + 6);
    EXPECT_EQ(itemRect(0, LVIR_BOUNDS), UnionRect(icon0, label0));
    QPoint pos;
    ASSERT_TRUE(list.GetItemPosition(1, &pos));
    EXPECT_EQ(pos, row1.topLeft());

    int flags = 0;
    EXPECT_EQ(list.HitTest(icon0.center(), &flags), 0);
    EXPECT_EQ(flags, LVHT_ONITEMICON);
    EXPECT_EQ(list.HitTest(label0.center(), &flags), 0);
    EXPECT_EQ(flags, LVHT_ONITEMLABEL);
    EXPECT_EQ(list.HitTest(QPoint(2, row0.top() + 2), &flags), 0);
    EXPECT_EQ(flags, -1); // on the row beside icon and label
    EXPECT_EQ(list.HitTest(QPoint(80, Bottom(row0) + 2), &flags), -1);
    EXPECT_EQ(flags, LVHT_NOWHERE);
}

TEST_F(ListFixture, LabelsAndImagesAgainstTheListWidth)
{
    // A long label in the large view spans the list; in the small view it
    // never passes the right edge, and an image as wide as the list leaves none.
    list.InsertItem(0, QStringLiteral("An_extremely_long_label_without_any_blank_in_it_at_all"), 0);
    EXPECT_EQ(itemRect(0, LVIR_LABEL).left(), 0);
    EXPECT_EQ(Right(itemRect(0, LVIR_LABEL)), 160);

    list.ModifyStyle(0, LVS_SMALLICON);
    ASSERT_EQ(list.GetView(), SHBV_SMALLICONS);
    EXPECT_LE(Right(itemRect(0, LVIR_LABEL)), 160);
    EXPECT_EQ(itemRect(0, LVIR_LABEL).left(), Right(itemRect(0, LVIR_ICON)));

    CImageList wide;
    wide.Create(200, 16, 0, 0, 1);
    wide.Add(solid(200, Qt::green).scaled(200, 16));
    list.SetImageList(&wide, LVSIL_SMALL);
    EXPECT_TRUE(itemRect(0, LVIR_LABEL).isEmpty());
}

TEST_F(ListFixture, ScrollButtonsFollowTheScrollPosition)
{
    parent.resize(160, 120);
    list.resize(160, 120);
    fill(8);
    EXPECT_TRUE(list.GetScrollUpRect().isEmpty());
    EXPECT_EQ(list.GetScrollDownRect(), RectLTRB(144, 102, 160, 118));
    EXPECT_FALSE(list.ScrollBy(QSize(10, 0))); // no horizontal scrolling
    EXPECT_FALSE(list.ScrollBy(QSize(0, -10)));

    EXPECT_TRUE(list.ScrollBy(QSize(0, 10)));
    EXPECT_EQ(list.GetOrigin(), QSize(0, 10));
    EXPECT_EQ(list.GetScrollUpRect(), RectLTRB(144, 2, 160, 18));

    // As far down as it goes: the last row in view, no down button.
    int steps = 0;
    while (list.ScrollBy(QSize(0, 1000)))
        ASSERT_LT(++steps, 10);
    EXPECT_GE(list.GetTopIndex(), 6);
    EXPECT_LE(Bottom(itemRect(7, -1)), 118);
    EXPECT_TRUE(list.GetScrollDownRect().isEmpty());
    EXPECT_FALSE(list.GetScrollUpRect().isEmpty());

    EXPECT_TRUE(list.EnsureItemVisible(0, false));
    EXPECT_EQ(list.GetOrigin(), QSize(0, 0));
    EXPECT_TRUE(list.GetScrollUpRect().isEmpty());
}

TEST_F(ListFixture, ClickingAScrollButtonScrollsAtOnceAndReleaseStops)
{
    parent.resize(160, 140);
    list.resize(160, 140);
    fill(8);
    const int perPage = list.GetCountPerPage();
    ASSERT_GE(perPage, 2);
    const QPoint down = list.GetScrollDownRect().center();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(down), QPointF(list.mapToGlobal(down)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&list, &press);
    EXPECT_TRUE(list.IsScrollingDown());
    EXPECT_FALSE(list.IsAutoScrolling());
    // The last row that was in view (partly) is brought to the top.
    EXPECT_EQ(list.GetTopIndex(), perPage - 1);
    EXPECT_FALSE(list.GetScrollUpRect().isEmpty());
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(down), QPointF(list.mapToGlobal(down)), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&list, &release);
    EXPECT_FALSE(list.IsScrollingDown());

    const QPoint up = list.GetScrollUpRect().center();
    QMouseEvent pressUp(QEvent::MouseButtonPress, QPointF(up), QPointF(list.mapToGlobal(up)), Qt::LeftButton,
                        Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&list, &pressUp);
    EXPECT_TRUE(list.IsScrollingUp());
    EXPECT_EQ(list.GetTopIndex(), 0);
    list.StopScrolling();
}

TEST_F(ListFixture, ClickingSelectsOnlyWhenDownAndUpMeet)
{
    fill(3);
    const QPoint on0 = itemRect(0, LVIR_ICON).center();
    const QPoint on1 = itemRect(1, LVIR_ICON).center();
    click(on0, on1);
    EXPECT_EQ(list.GetDownItem(), 0);
    EXPECT_EQ(list.GetSelectedItem(), -1);
    EXPECT_EQ(count(SHBNC_SELECTCHANGING), 0);

    click(on1, on1);
    EXPECT_EQ(list.GetSelectedItem(), 1);
    EXPECT_EQ(count(SHBNC_SELECTCHANGING), 1);
    // Clicking the selected item again still asks.
    click(on1, on1);
    EXPECT_EQ(count(SHBNC_SELECTCHANGING), 2);

    answers[SHBNC_SELECTCHANGING] = 1;
    click(on0, on0);
    EXPECT_EQ(list.GetSelectedItem(), 1);
    answers.clear();

    // The hot item: setting the current one sends nothing.
    list.SetHotItem(2);
    seen.clear();
    EXPECT_EQ(list.SetHotItem(2), 2);
    EXPECT_TRUE(seen.empty());
}

TEST_F(ListFixture, InsertAndDeleteKeepTrackedItems)
{
    fill(4);
    click(itemRect(2, LVIR_ICON).center(), itemRect(2, LVIR_ICON).center());
    ASSERT_EQ(list.GetSelectedItem(), 2);
    ASSERT_EQ(list.GetDownItem(), 2);

    list.InsertItem(1, QStringLiteral("new"), 0);
    EXPECT_EQ(list.GetSelectedItem(), 3);
    EXPECT_EQ(list.GetDownItem(), 3);
    EXPECT_EQ(count(SHBNC_ITEMINSERTED), 1);

    list.DeleteItem(0);
    EXPECT_EQ(list.GetSelectedItem(), 2);
    seen.clear();
    list.DeleteItem(2);
    EXPECT_EQ(list.GetSelectedItem(), -1);
    EXPECT_EQ(list.GetDownItem(), -1);
    EXPECT_EQ(count(SHBNC_DELETINGITEM), 1);
    EXPECT_EQ(count(SHBNC_SELECTCHANGING), 0);
    EXPECT_EQ(count(SHBNC_DOWNITEMCHANGING), 0);

    list.DeleteAllItems();
    EXPECT_EQ(count(SHBNC_DELETINGALLITEMS), 1);
    EXPECT_EQ(list.GetItemCount(), 0);
}

TEST_F(ListFixture, FindingTheNearestRow)
{
    fill(3);
    LVFINDINFO find;
    find.flags = LVFI_NEARESTXY;
    find.vkDirection = VK_DOWN;
    find.pt = QPoint(5, Bottom(itemRect(0, -1)) + 3); // in the gap under row 0
    EXPECT_EQ(list.FindItem(&find, -1), 1);
    find.vkDirection = VK_UP;
    EXPECT_EQ(list.FindItem(&find, -1), 0);
    find.pt = QPoint(5, itemRect(2, -1).center().y());
    EXPECT_EQ(list.FindItem(&find, -1), 2);
    find.flags = LVFI_STRING;
    find.psz = QStringLiteral("item 1");
    EXPECT_EQ(list.FindItem(&find, -1), 1);
}

TEST_F(ListFixture, RenamingAnItem)
{
    fill(3);
    parent.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&parent));
    COXSHBEdit* edit = list.EditLabel(1);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(list.GetEditedItem(), 1);
    EXPECT_EQ(edit->GetWindowText(), QStringLiteral("Item 1"));
    EXPECT_TRUE(edit->GetStyle() & ES_MULTILINE);
    QTest::keyClicks(edit, QStringLiteral("40 m"));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(list.GetItemText(1), QStringLiteral("40 m"));
    EXPECT_EQ(list.GetEditedItem(), -1);
    EXPECT_EQ(count(SHBNC_BEGINITEMEDIT), 1);
    EXPECT_EQ(count(SHBNC_ENDITEMEDIT), 1);

    // Vetoed ends and Escape keep the text.
    answers[SHBNC_ENDITEMEDIT] = 1;
    edit = list.EditLabel(1);
    QTest::keyClicks(edit, QStringLiteral("x"));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(list.GetItemText(1), QStringLiteral("40 m"));
    answers.clear();
    edit = list.EditLabel(1);
    QTest::keyClicks(edit, QStringLiteral("y"));
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(list.GetItemText(1), QStringLiteral("40 m"));

    // An item without text gets an editor the size of one blank, under its icon.
    list.SetItemText(2, QString());
    edit = list.EditLabel(2);
    ASSERT_NE(edit, nullptr);
    EXPECT_GE(edit->geometry().top(), Bottom(itemRect(2, LVIR_ICON)) - 1);
    edit->FinishEdit(false);

    // A label partly scrolled out of view cannot be edited.
    parent.resize(160, 100);
    list.resize(160, 100);
    ASSERT_TRUE(list.ScrollBy(QSize(0, 45)));
    ASSERT_LT(itemRect(0, LVIR_LABEL).top(), 2);
    EXPECT_EQ(list.EditLabel(0), nullptr);

    list.ModifyStyle(LVS_EDITLABELS, 0);
    EXPECT_EQ(list.EditLabel(1), nullptr);
}

TEST_F(ListFixture, StandAloneStyleAndViewComeFromTheWindow)
{
    EXPECT_EQ(list.GetBarStyle(), SHBS_EDITITEMS);
    list.ModifyStyle(0, LVS_NOSCROLL | LVS_SHOWSELALWAYS);
    list.SetExtendedStyle(LVS_EX_UNDERLINEHOT | LVS_EX_INFOTIP);
    EXPECT_EQ(list.GetBarStyle(),
              SHBS_EDITITEMS | SHBS_NOSCROLL | SHBS_KEEPSELECTION | SHBS_HOTITEMUNDERLINE | SHBS_TOOLTIPS);
    // Created with the small-icon type bit, a list still starts in the large view.
    COXSHBListCtrl other;
    ASSERT_TRUE(other.Create(LVS_SMALLICON, QRect(0, 0, 50, 50), &parent, 8));
    EXPECT_EQ(other.GetView(), SHBV_LARGEICONS);
    other.ModifyStyle(0, LVS_SMALLICON);
    EXPECT_EQ(other.GetView(), SHBV_SMALLICONS);
}

} // namespace
