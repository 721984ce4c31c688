#include "shared/shortcutbar/OXSHBListCtrl.h"
#include "shared/shortcutbar/OXShortcutBar.h"
#include "shared/shortcutbar/ShbChildItemBlock.h"

#include "shared/WinDraw.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QTest>
#include <QtEndian>
#include <gtest/gtest.h>

#include <map>

using namespace winapi;

namespace {

QByteArray le32(uint32_t v)
{
    char b[4];
    qToLittleEndian<quint32>(v, b);
    return QByteArray(b, 4);
}

CShbChildItemBlock sampleBlock()
{
    CShbChildItemBlock block;
    block.strText = QStringLiteral("20 m");
    block.nItemData = 0x11223344;
    block.images.push_back({0, QByteArray("LARGE-IMAGE")});
    block.images.push_back({1, QByteArray("small")});
    block.extra = QByteArray("xyz", 3);
    return block;
}

TEST(ShbChildItemBlock, LayoutAndRoundTrip)
{
    const CShbChildItemBlock block = sampleBlock();
    const QByteArray bytes = block.Encode();
    // n + 9 + sum(12 + s) + 4 + e bytes.
    EXPECT_EQ(bytes.size(), 4 + 9 + (12 + 11) + (12 + 5) + 4 + 3);
    QByteArray expected = QByteArray("20 m", 4) + QByteArray(1, '\0') + le32(0x11223344) + le32(2);
    expected += le32(0) + le32(0) + le32(11) + QByteArray("LARGE-IMAGE");
    expected += le32(0) + le32(1) + le32(5) + QByteArray("small");
    expected += le32(3) + QByteArray("xyz");
    EXPECT_EQ(bytes, expected);

    CShbChildItemBlock decoded;
    ASSERT_TRUE(decoded.Decode(bytes));
    EXPECT_EQ(decoded.strText, block.strText);
    EXPECT_EQ(decoded.nItemData, block.nItemData);
    ASSERT_EQ(decoded.images.size(), 2u);
    EXPECT_EQ(decoded.images[1].nKind, 1u);
    EXPECT_EQ(decoded.images[1].blob, QByteArray("small"));
    EXPECT_EQ(decoded.extra, QByteArray("xyz"));

    // Allocations may round a block up: trailing bytes are ignored.
    ASSERT_TRUE(decoded.Decode(bytes + QByteArray(16, '\0')));
    EXPECT_EQ(decoded.extra, QByteArray("xyz"));
}

TEST(ShbChildItemBlock, DamagedBlocksAreRefused)
{
    const QByteArray good = sampleBlock().Encode();
    // Every block cut short anywhere is refused.
    for (qsizetype n = 0; n < good.size(); ++n) {
        CShbChildItemBlock decoded;
        decoded.strText = QStringLiteral("untouched");
        EXPECT_FALSE(decoded.Decode(good.left(n))) << "cut at " << n;
        EXPECT_EQ(decoded.strText, QStringLiteral("untouched"));
    }
    struct Case {
        const char* what;
        QByteArray block;
    };
    const QByteArray head = QByteArray("a", 1) + QByteArray(1, '\0') + le32(7);
    const Case cases[] = {
        {"no terminating zero", QByteArray("abc")},
        {"three images", head + le32(3) + QByteArray(64, '\0')},
        {"huge image count", head + le32(0xFFFFFFFF) + QByteArray(64, '\0')},
        {"unknown image kind", head + le32(1) + le32(0) + le32(2) + le32(1) + "x" + le32(0)},
        {"image larger than the block", head + le32(1) + le32(0) + le32(0) + le32(0x7FFFFFFF) + "x" + le32(0)},
        {"image size with the top bit", head + le32(1) + le32(0) + le32(0) + le32(0xFFFFFFF0) + "x" + le32(0)},
        {"extra larger than the block", head + le32(0) + le32(100) + "xyz"},
        {"extra size missing", head + le32(0)},
    };
    for (const Case& c : cases) {
        CShbChildItemBlock decoded;
        EXPECT_FALSE(decoded.Decode(c.block)) << c.what;
    }
    CShbChildItemBlock minimal;
    EXPECT_TRUE(minimal.Decode(head + le32(0) + le32(0)));
    EXPECT_EQ(minimal.strText, QStringLiteral("a"));
    EXPECT_EQ(minimal.nItemData, 7u);
}

// A drag loop that drops at a chosen point of a target window, going through
// the same Qt drag events a real drop delivers.
class SimulatedDrop : public COleDropSource {
public:
    QWidget* target = nullptr;
    QPoint at;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    std::function<void(QMimeData*)> tamper;
    int runs = 0;

    DROPEFFECT DoDragDrop(QWidget*, QMimeData* pData, DROPEFFECT allowed, const QPixmap&, QPoint) override
    {
        ++runs;
        std::unique_ptr<QMimeData> data(pData);
        if (tamper)
            tamper(data.get());
        return dropOn(target, at, data.get(), allowed, modifiers);
    }

    static DROPEFFECT dropOn(QWidget* target, QPoint at, QMimeData* data, DROPEFFECT allowed,
                             Qt::KeyboardModifiers modifiers)
    {
        Qt::DropActions actions;
        if (allowed & DROPEFFECT_COPY)
            actions |= Qt::CopyAction;
        if (allowed & DROPEFFECT_MOVE)
            actions |= Qt::MoveAction;
        QDragEnterEvent enter(at, actions, data, Qt::LeftButton, modifiers);
        QApplication::sendEvent(target, &enter);
        QDragMoveEvent move(at, actions, data, Qt::LeftButton, modifiers);
        QApplication::sendEvent(target, &move);
        if (!move.isAccepted() || move.dropAction() == Qt::IgnoreAction) {
            QDragLeaveEvent leave;
            QApplication::sendEvent(target, &leave);
            return DROPEFFECT_NONE;
        }
        QDropEvent drop(QPointF(at), actions, data, Qt::LeftButton, modifiers);
        QApplication::sendEvent(target, &drop);
        if (!drop.isAccepted())
            return DROPEFFECT_NONE;
        return drop.dropAction() == Qt::CopyAction ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
    }
};

struct DragFixture : ::testing::Test {
    QWidget parent;
    COXSHBListCtrl source;
    COXSHBListCtrl other;
    CImageList large;
    SimulatedDrop drag;
    std::vector<SHB_NOTIFY> seen;
    std::map<unsigned, intptr_t> answers;

    void hook(COXSHBListCtrl& list)
    {
        QObject::connect(&list, &COXSHBListCtrl::notify, [this](SHB_NOTIFY* nm, intptr_t* result) {
            seen.push_back(*nm);
            if (nm->code == SHBNC_GETDROPSOURCE) {
                *reinterpret_cast<COleDropSource**>(nm->lParam) = &drag;
                *result = 1;
                return;
            }
            const auto it = answers.find(nm->code);
            if (it != answers.end())
                *result = it->second;
        });
    }

    void SetUp() override
    {
        parent.resize(340, 300);
        hook(source);
        hook(other);
        ASSERT_TRUE(source.Create(WS_VISIBLE, QRect(0, 0, 160, 300), &parent, 1));
        ASSERT_TRUE(other.Create(WS_VISIBLE, QRect(170, 0, 160, 300), &parent, 2));
        large.Create(32, 32, ILC_MASK, 0, 1);
        QPixmap red(32, 32);
        red.fill(Qt::red);
        large.Add(red);
        source.SetImageList(&large, LVSIL_NORMAL);
        for (int i = 0; i < 4; ++i)
            source.InsertItem(LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM, i, QStringLiteral("Item %1").arg(i), 0, 0, 0,
                              100 + i);
        other.InsertItem(0, QStringLiteral("Other"), -1);
        parent.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
        seen.clear();
    }

    QRect row(COXSHBListCtrl& list, int i) const
    {
        QRect r;
        list.GetItemRect(i, &r, -1);
        return r;
    }
    // A point in the gap above row i.
    QPoint gapAbove(COXSHBListCtrl& list, int i) const { return QPoint(20, row(list, i).top() - 3); }

    void dragItem(COXSHBListCtrl& list, int item)
    {
        list.SetDragItem(item);
        QApplication::sendPostedEvents(&list);
    }
    QStringList texts(COXSHBListCtrl& list) const
    {
        QStringList t;
        for (int i = 0; i < list.GetItemCount(); ++i)
            t << list.GetItemText(i);
        return t;
    }
    const SHB_NOTIFY* last(unsigned code) const
    {
        for (auto it = seen.rbegin(); it != seen.rend(); ++it)
            if (it->code == code)
                return &*it;
        return nullptr;
    }
};

TEST_F(DragFixture, MovingWithinTheListTable)
{
    struct Case {
        const char* what;
        int item;
        int gapRow; // drop in the gap above this row; -1: below the last row
        Qt::KeyboardModifiers modifiers;
        QStringList expected;
    };
    const Case cases[] = {
        {"later", 0, 2, Qt::NoModifier, {"Item 1", "Item 0", "Item 2", "Item 3"}},
        {"earlier", 3, 1, Qt::NoModifier, {"Item 0", "Item 3", "Item 1", "Item 2"}},
        {"to the end", 1, -1, Qt::NoModifier, {"Item 0", "Item 2", "Item 3", "Item 1"}},
        {"copy with Ctrl", 1, 3, Qt::ControlModifier, {"Item 0", "Item 1", "Item 2", "Item 1", "Item 3"}},
    };
    for (const Case& c : cases) {
        source.DeleteAllItems();
        for (int i = 0; i < 4; ++i)
            source.InsertItem(LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM, i, QStringLiteral("Item %1").arg(i), 0, 0, 0,
                              100 + i);
        seen.clear();
        drag.target = &source;
        drag.modifiers = c.modifiers;
        drag.at = c.gapRow >= 0 ? gapAbove(source, c.gapRow) : QPoint(20, Bottom(row(source, 3)) + 4);
        dragItem(source, c.item);
        EXPECT_EQ(texts(source), c.expected) << c.what;
        // The moved or copied item keeps its data.
        for (int i = 0; i < source.GetItemCount(); ++i)
            EXPECT_EQ(source.GetItemData(i), 100 + source.GetItemText(i).mid(5).toInt()) << c.what;
        EXPECT_EQ(source.GetDragItem(), -1);
        EXPECT_EQ(source.GetDropPosition(), -1);
        ASSERT_NE(last(SHBNC_ENDITEMOLEDRAG), nullptr) << c.what;
        EXPECT_EQ(last(SHBNC_ENDITEMOLEDRAG)->nItem, 0);
        EXPECT_EQ(last(SHBNC_ENDITEMOLEDRAG)->lParam,
                  intptr_t(c.modifiers ? DROPEFFECT_COPY : DROPEFFECT_MOVE))
            << c.what;
    }
}

TEST_F(DragFixture, DropOntoARowIsRefused)
{
    drag.target = &source;
    drag.at = row(source, 2).center();
    dragItem(source, 0);
    EXPECT_EQ(drag.runs, 1);
    EXPECT_EQ(texts(source), (QStringList{"Item 0", "Item 1", "Item 2", "Item 3"}));
    ASSERT_NE(last(SHBNC_ENDITEMOLEDRAG), nullptr);
    EXPECT_EQ(last(SHBNC_ENDITEMOLEDRAG)->lParam, 0);
}

TEST_F(DragFixture, AnItemFromAnotherListKeepsTextAndImageButNotItsData)
{
    drag.target = &other;
    drag.at = QPoint(20, Bottom(row(other, 0)) + 4);
    dragItem(source, 2);
    EXPECT_EQ(texts(source), (QStringList{"Item 0", "Item 1", "Item 3"}));
    ASSERT_EQ(texts(other), (QStringList{"Other", "Item 2"}));
    EXPECT_EQ(other.GetItemData(1), 0);
    // The other list had no image list: it made its own for the dropped image.
    CImageList* images = other.GetImageList(LVSIL_NORMAL);
    ASSERT_NE(images, nullptr);
    EXPECT_EQ(images->GetImageCount(), 1);
    EXPECT_EQ(images->GetImage(0).toImage().pixelColor(5, 5), QColor(Qt::red));
    EXPECT_EQ(other.GetItemImage(1), 0);
    // The receiving list reports the end of a drop from elsewhere with item -1.
    bool sawForeignEnd = false;
    for (const SHB_NOTIFY& n : seen)
        if (n.code == SHBNC_ENDITEMOLEDRAG && n.hwndFrom == &other && n.nItem == -1)
            sawForeignEnd = n.lParam == intptr_t(DROPEFFECT_MOVE);
    EXPECT_TRUE(sawForeignEnd);
}

TEST_F(DragFixture, ExtraDataTravelsWithTheItem)
{
    static const char payload[] = "7030000";
    QByteArray received;
    QObject::connect(&source, &COXSHBListCtrl::notify, [](SHB_NOTIFY* nm, intptr_t*) {
        if (nm->code == SHBNC_GETDRAGDATA) {
            auto* extra = reinterpret_cast<SHB_EXTRADATA*>(nm->lParam);
            extra->nDataSize = sizeof(payload) - 1;
            extra->pData = payload;
        }
    });
    QObject::connect(&other, &COXSHBListCtrl::notify, [&received](SHB_NOTIFY* nm, intptr_t*) {
        if (nm->code == SHBNC_DROPDATA) {
            const auto* extra = reinterpret_cast<const SHB_EXTRADATA*>(nm->lParam);
            received = QByteArray(extra->pData, qsizetype(extra->nDataSize));
        }
    });
    drag.target = &other;
    drag.at = QPoint(20, 1);
    dragItem(source, 1);
    EXPECT_EQ(received, QByteArray(payload));
    EXPECT_EQ(other.GetItemText(0), QStringLiteral("Item 1"));
}

TEST_F(DragFixture, ForeignAndDamagedDataAreRefused)
{
    // Plain text without the item format: refused, no insert marker.
    QMimeData text;
    text.setText(QStringLiteral("hello"));
    drag.target = &other;
    EXPECT_EQ(SimulatedDrop::dropOn(&other, QPoint(20, 1), &text, DROPEFFECT_COPY | DROPEFFECT_MOVE, Qt::NoModifier),
              DROPEFFECT_NONE);
    EXPECT_EQ(other.GetDropPosition(), -1);
    EXPECT_EQ(other.GetItemCount(), 1);

    // A block damaged on the way (as from another process) is checked before use.
    const QList<QByteArray> damaged = {
        QByteArray("no zero"),
        QByteArray("a\0", 2) + le32(1) + le32(2) + le32(0) + le32(0) + le32(0x7FFFFFFF),
        QByteArray("b\0", 2) + le32(1) + le32(0) + le32(500) + QByteArray(8, 'x'),
    };
    for (const QByteArray& block : damaged) {
        drag.tamper = [&block](QMimeData* data) { data->setData(ShbChildItemMimeType(), block); };
        drag.at = QPoint(20, 1);
        dragItem(source, 0);
        EXPECT_EQ(other.GetItemCount(), 1);
        EXPECT_EQ(source.GetItemCount(), 4); // nothing moved
        EXPECT_EQ(other.GetDropPosition(), -1);
    }
}

TEST_F(DragFixture, AnEmptyListOffersTheFirstPlace)
{
    // A parent that answers for the drop target but names none leaves the list its own.
    COXSHBListCtrl empty;
    QObject::connect(&empty, &COXSHBListCtrl::notify, [](SHB_NOTIFY* nm, intptr_t* result) {
        if (nm->code == SHBNC_GETDROPTARGET)
            *result = 1;
    });
    ASSERT_TRUE(empty.Create(WS_VISIBLE, QRect(0, 0, 100, 100), &parent, 3));
    EXPECT_TRUE(empty.acceptDrops());
    drag.target = &empty;
    drag.at = QPoint(50, 60);
    dragItem(source, 3);
    EXPECT_EQ(texts(empty), QStringList{"Item 3"});
    EXPECT_EQ(source.GetItemCount(), 3);
}

TEST_F(DragFixture, VetoedDragLeavesTheListReady)
{
    answers[SHBNC_BEGINITEMOLEDRAG] = 1;
    drag.target = &source;
    drag.at = gapAbove(source, 2);
    dragItem(source, 0);
    EXPECT_EQ(drag.runs, 0);
    EXPECT_EQ(source.GetDragItem(), -1);
    answers.clear();
    dragItem(source, 0);
    EXPECT_EQ(drag.runs, 1);
    EXPECT_EQ(texts(source), (QStringList{"Item 1", "Item 0", "Item 2", "Item 3"}));
}

TEST_F(DragFixture, DraggingStartsAfterTheThreshold)
{
    parent.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&parent));
    drag.target = &source;
    drag.at = gapAbove(source, 3);
    QRect icon;
    source.GetItemRect(0, &icon, LVIR_ICON);
    const QPoint down = icon.center();
    QTest::mousePress(&source, Qt::LeftButton, Qt::NoModifier, down);
    // 8 pixels (across plus down) is still a click.
    QCursor::setPos(source.mapToGlobal(down + QPoint(4, 4)));
    QTest::mouseMove(&source, down + QPoint(4, 4));
    QApplication::sendPostedEvents(&source);
    EXPECT_EQ(drag.runs, 0);
    QCursor::setPos(source.mapToGlobal(down + QPoint(5, 5)));
    QTest::mouseMove(&source, down + QPoint(5, 5));
    QApplication::sendPostedEvents(&source);
    EXPECT_EQ(drag.runs, 1);
    EXPECT_EQ(texts(source), (QStringList{"Item 1", "Item 2", "Item 0", "Item 3"}));
    QTest::mouseRelease(&source, Qt::LeftButton, Qt::NoModifier, down + QPoint(5, 5));
}

TEST_F(DragFixture, InsertMarkerIsDrawnInTheGap)
{
    QMimeData data;
    CShbChildItemBlock block;
    block.strText = QStringLiteral("x");
    data.setData(ShbChildItemMimeType(), block.Encode());
    const QPoint gap = gapAbove(source, 2);
    QDragEnterEvent enter(gap, Qt::MoveAction | Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&source, &enter);
    EXPECT_EQ(source.GetDropPosition(), 2);
    const QImage image = source.grab().toImage();
    const int middle = (row(source, 2).top() - 6 - 4 + row(source, 2).top() + 5) / 2;
    EXPECT_EQ(image.pixelColor(80, middle), QColor(Qt::black));
    QDragLeaveEvent leave;
    QApplication::sendEvent(&source, &leave);
    EXPECT_EQ(source.GetDropPosition(), -1);
}

} // namespace
