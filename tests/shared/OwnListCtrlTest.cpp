#include "shared/ui/ListSort.h"
#include "shared/ui/OwnListCtrl.h"

#include <QHeaderView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A list of (name, value) rows with data 100 + former index.
void Fill(COwnListCtrl& list, const QList<QStringList>& rows)
{
    list.SetColumns({{"Name", LVCFMT_LEFT}, {"Value", LVCFMT_RIGHT}});
    for (int i = 0; i < rows.size(); ++i) {
        list.InsertItem(i, rows[i][0]);
        list.SetItemText(i, 1, rows[i][1]);
        list.SetItemData(i, uintptr_t(100 + i));
    }
}

QStringList Column(const COwnListCtrl& list, int c)
{
    QStringList out;
    list.GetColumnTexts(out, c);
    return out;
}

} // namespace

TEST(ListSort, RowComparison)
{
    using ListSort::Row;
    struct Case {
        Row a, b;
        int column;
        bool checks;
        int sign;
    };
    const Case cases[] = {
        {{"b", "1", "", "0"}, {"a", "2", "", "1"}, 0, false, 1},
        {{"B", "1", "", "0"}, {"a", "1", "", "1"}, 0, false, -1},   // case-sensitive: upper first
        {{"x", "1", "", "0"}, {"x", "2", "", "1"}, 0, false, -1},   // tie broken by the next column
        {{"x", "1", "", "10"}, {"x", "1", "", "9"}, 0, false, -1},  // then by the former index as text
        // With check boxes the prefix counts only when column 0 is sorted.
        {{"Zb", "1", "", "0"}, {"Aa", "1", "", "1"}, 0, true, 1},
        {{"Zb", "1", "", "0"}, {"Aa", "1", "", "1"}, 1, true, 1},
        {{"Za", "1", "", "0"}, {"Ab", "1", "", "1"}, 1, true, -1},
    };
    for (const Case& c : cases) {
        const int r = ListSort::CompareRows(c.a, c.b, c.column, c.checks);
        EXPECT_EQ((r > 0) - (r < 0), c.sign) << c.a.join(',').toStdString() << " vs " << c.b.join(',').toStdString();
    }
}

TEST(OwnListCtrl, SecondSortOfAColumnReverses)
{
    COwnListCtrl list;
    Fill(list, {{"cherry", "3"}, {"apple", "1"}, {"banana", "2"}});
    list.OnColumnClick(0);
    EXPECT_EQ(Column(list, 0), QStringList({"apple", "banana", "cherry"}));
    EXPECT_EQ(list.GetItemData(0), uintptr_t(101));
    list.OnColumnClick(0);
    EXPECT_EQ(Column(list, 0), QStringList({"cherry", "banana", "apple"}));
    list.OnColumnClick(0);
    EXPECT_EQ(Column(list, 0), QStringList({"apple", "banana", "cherry"}));
    // Any column already in ascending order is reversed by its first click.
    list.OnColumnClick(1);
    EXPECT_EQ(Column(list, 1), QStringList({"3", "2", "1"}));
    // Resort is ascending by column 0, even when already in that order.
    list.Resort();
    EXPECT_EQ(Column(list, 0), QStringList({"apple", "banana", "cherry"}));
    list.Resort();
    EXPECT_EQ(Column(list, 0), QStringList({"apple", "banana", "cherry"}));
}

TEST(OwnListCtrl, HeaderClickSignalDrivesTheSort)
{
    COwnListCtrl list;
    Fill(list, {{"b", "1"}, {"a", "2"}});
    QObject::connect(&list, &COwnListCtrl::columnClicked, &list, &COwnListCtrl::OnColumnClick);
    emit list.header()->sectionClicked(0);
    EXPECT_EQ(Column(list, 0), QStringList({"a", "b"}));
}

TEST(OwnListCtrl, CheckedItemsFirstAndStateTravelsWithTheRow)
{
    COwnListCtrl list;
    Fill(list, {{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}});
    list.EnableCheckBoxes();
    list.SetImageList({QPixmap(8, 8), QPixmap(8, 8), QPixmap(8, 8), QPixmap(8, 8)});
    for (int i = 0; i < 4; ++i)
        list.SetItemImage(i, i);
    list.SetCheck(1, true);
    list.SetCheck(3, true);
    list.SelectItem(3, true);
    EXPECT_EQ(list.CountChecked(), 2);

    list.OnColumnClick(0);
    EXPECT_EQ(Column(list, 0), QStringList({"b", "d", "a", "c"}));
    const bool checks[] = {true, true, false, false};
    const uintptr_t data[] = {101, 103, 100, 102};
    const int images[] = {1, 3, 0, 2};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(list.GetCheck(i), checks[i]) << i;
        EXPECT_EQ(list.GetItemData(i), data[i]) << i;
        EXPECT_EQ(list.GetItemImage(i), images[i]) << i;
        EXPECT_EQ(list.GetItemText(i, 1), QString::number(data[i] - 99)) << i;
    }
    EXPECT_EQ(list.GetFirstSelectedItem(), 1);
    EXPECT_EQ(list.GetSelectedItemData(), uintptr_t(103));
    EXPECT_EQ(list.GetFirstSelectedImage(), 3);
}

TEST(OwnListCtrl, EqualRowsKeepAnOrderByFormerIndexAsText)
{
    COwnListCtrl list;
    QList<QStringList> rows;
    for (int i = 0; i < 11; ++i)
        rows << QStringList{"same", "x"};
    Fill(list, rows);
    list.Resort();
    // Former indexes compared as text: 0, 1, 10, 2, 3, ... 9.
    const uintptr_t expected[] = {100, 101, 110, 102, 103, 104, 105, 106, 107, 108, 109};
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(list.GetItemData(i), expected[i]) << i;
}

TEST(OwnListCtrl, SelectionOperations)
{
    COwnListCtrl list;
    Fill(list, {{"a", "1"}, {"b", "2"}, {"c", "3"}, {"b", "4"}});
    EXPECT_EQ(list.GetFirstSelectedItem(), -1);
    EXPECT_EQ(list.GetSelectedItemData(), uintptr_t(0));
    EXPECT_EQ(list.GetSelectedItemText(0), QString());
    EXPECT_FALSE(list.CanMoveUp());

    list.SelectItem(9, true); // past the end: nothing
    EXPECT_FALSE(list.HasSelection());
    list.SelectText("b", 0);
    EXPECT_TRUE(list.IsItemSelected(1));
    EXPECT_FALSE(list.IsItemSelected(3));
    list.SelectText("B", 0); // case-sensitive, no match: unchanged
    EXPECT_TRUE(list.HasSingleSelection());
    EXPECT_TRUE(list.CanMoveUp());
    EXPECT_TRUE(list.CanMoveDown());

    list.SelectTexts({"a", "c"}, 0);
    QStringList selected;
    list.GetSelectedTexts(selected, 1);
    EXPECT_EQ(selected, QStringList({"1", "3"}));
    EXPECT_FALSE(list.CanMoveUp());

    EXPECT_EQ(list.SelectAll(), 4);
    EXPECT_EQ(list.DeselectAll(), 4);
    EXPECT_FALSE(list.HasSelection());

    list.SelectItem(3, true);
    EXPECT_FALSE(list.CanMoveDown());
    list.SwapItems(2, 3);
    EXPECT_EQ(Column(list, 1), QStringList({"1", "2", "4", "3"}));
    EXPECT_TRUE(list.IsItemSelected(2));
    EXPECT_FALSE(list.IsItemSelected(3));
    EXPECT_EQ(list.GetItemData(2), uintptr_t(103));

    list.MoveItem(2, 0);
    EXPECT_EQ(Column(list, 1), QStringList({"4", "1", "2", "3"}));
    EXPECT_TRUE(list.IsItemSelected(0));

    list.SelectItem(3, true);
    list.DeleteSelectedItems();
    EXPECT_EQ(Column(list, 1), QStringList({"1", "2"}));

    list.FillColumn({"x", "y", "z"}, 1);
    EXPECT_EQ(Column(list, 1), QStringList({"x", "y", "z"}));
    EXPECT_EQ(Column(list, 0), QStringList({"", "", ""}));
}

TEST(OwnListCtrl, ColumnsAndAutoSize)
{
    COwnListCtrl list;
    list.SetColumns({{"A", LVCFMT_LEFT}, {"B", LVCFMT_CENTER}, {"C", LVCFMT_RIGHT}});
    EXPECT_EQ(list.GetColumnCount(), 3);
    EXPECT_EQ(list.GetColumnFormat(1), int(LVCFMT_CENTER));
    list.SetColumns({{"Only", LVCFMT_LEFT}});
    EXPECT_EQ(list.GetColumnCount(), 1);
    list.InsertItem(0, "short");
    list.InsertItem(1, "a rather longer text");

    const QFontMetrics fm(list.font());
    const int longest = fm.horizontalAdvance("a rather longer text") + 16;
    EXPECT_TRUE(list.AutoSizeColumn(0));
    EXPECT_EQ(list.columnWidth(0), longest);
    // Row limit: only the first row counts.
    EXPECT_TRUE(list.AutoSizeColumn(0, false, -1, 1));
    EXPECT_EQ(list.columnWidth(0), std::max(fm.horizontalAdvance("short"),
                                            QFontMetrics(list.header()->font()).horizontalAdvance("Only")) + 16);
    // Only-grow never narrows.
    list.setColumnWidth(0, 500);
    EXPECT_TRUE(list.AutoSizeColumn(0, true));
    EXPECT_EQ(list.columnWidth(0), 500);
    EXPECT_TRUE(list.AutoSizeColumn(0, false, 40));
    EXPECT_EQ(list.columnWidth(0), 56);
    EXPECT_FALSE(list.AutoSizeColumn(1));
}

TEST(OwnListCtrl, ColoursAndMouseMoveMessage)
{
    QWidget parent;
    auto* list = new COwnListCtrl(&parent);
    EXPECT_FALSE(list->UsesColours());
    EXPECT_EQ(list->GetBackgroundColour(), RGB(255, 255, 225));
    list->SetUseColours(true);
    EXPECT_EQ(fromQColor(list->palette().color(QPalette::Base)), RGB(255, 255, 225));

    struct Sink : QObject {
        int got = 0;
        unsigned msg = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (unsigned(e->type()) == msg)
                ++got;
            return false;
        }
    } sink;
    sink.msg = QEvent::registerEventType();
    parent.installEventFilter(&sink);
    list->SetMouseMoveMessage(sink.msg);
    list->resize(200, 100);
    parent.show();
    QMouseEvent move(QEvent::MouseMove, QPointF(10, 10), QPointF(10, 10), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list->viewport(), &move);
    QCoreApplication::processEvents();
    EXPECT_EQ(sink.got, 1);
}
