#include "shared/ui/OwnListCtrl.h"

#include "shared/ui/ListSort.h"
#include "shared/RegisteredEvent.h"

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace {
constexpr int kItemDataRole = Qt::UserRole;
constexpr int kImageRole = Qt::UserRole + 1;
constexpr int kFormatRole = Qt::UserRole;
constexpr unsigned kSelectedState = 2; // the list view's "selected" state bit

Qt::Alignment AlignmentFor(int nFormat)
{
    switch (nFormat & 3) {
    case LVCFMT_RIGHT: return Qt::AlignRight | Qt::AlignVCenter;
    case LVCFMT_CENTER: return Qt::AlignHCenter | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}
} // namespace

COwnListCtrl::COwnListCtrl(QWidget* parent) : QTreeWidget(parent)
{
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSortingEnabled(false);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setColumnCount(0);
    header()->setSectionsClickable(true);
    header()->setStretchLastSection(false);
    connect(header(), &QHeaderView::sectionClicked, this, &COwnListCtrl::columnClicked);
}

COwnListCtrl::~COwnListCtrl() = default;

int COwnListCtrl::InsertItem(int nItem, const QString& strText, int nImage)
{
    nItem = std::clamp(nItem, 0, GetItemCount());
    auto* item = new QTreeWidgetItem;
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | (m_bCheckBoxes ? Qt::ItemIsUserCheckable : Qt::NoItemFlags));
    if (m_bCheckBoxes)
        item->setCheckState(0, Qt::Unchecked);
    item->setData(0, kItemDataRole, QVariant::fromValue<quint64>(0));
    item->setData(0, kImageRole, nImage);
    for (int c = 0; c < columnCount(); ++c)
        item->setTextAlignment(c, AlignmentFor(GetColumnFormat(c)));
    item->setText(0, strText);
    insertTopLevelItem(nItem, item);
    ApplyImage(item);
    return nItem;
}

bool COwnListCtrl::DeleteItem(int nItem)
{
    QTreeWidgetItem* item = Item(nItem);
    if (!item)
        return false;
    delete item;
    return true;
}

void COwnListCtrl::DeleteAllItems() { clear(); }

QString COwnListCtrl::GetItemText(int nItem, int nColumn) const
{
    const QTreeWidgetItem* item = Item(nItem);
    return item ? item->text(nColumn) : QString();
}

void COwnListCtrl::SetItemText(int nItem, int nColumn, const QString& strText)
{
    if (QTreeWidgetItem* item = Item(nItem)) {
        item->setTextAlignment(nColumn, AlignmentFor(GetColumnFormat(nColumn)));
        item->setText(nColumn, strText);
    }
}

uintptr_t COwnListCtrl::GetItemData(int nItem) const
{
    const QTreeWidgetItem* item = Item(nItem);
    return item ? uintptr_t(item->data(0, kItemDataRole).toULongLong()) : 0;
}

void COwnListCtrl::SetItemData(int nItem, uintptr_t data)
{
    if (QTreeWidgetItem* item = Item(nItem))
        item->setData(0, kItemDataRole, QVariant::fromValue<quint64>(data));
}

int COwnListCtrl::GetColumnFormat(int nColumn) const
{
    if (nColumn < 0 || nColumn >= columnCount())
        return LVCFMT_LEFT;
    return headerItem()->data(nColumn, kFormatRole).toInt();
}

QString COwnListCtrl::GetColumnHeading(int nColumn) const
{
    if (nColumn < 0 || nColumn >= columnCount())
        return {};
    return headerItem()->text(nColumn);
}

void COwnListCtrl::SetImageList(const QList<QPixmap>& images)
{
    m_images = images;
    if (!images.isEmpty())
        setIconSize(images.first().size());
    for (int i = 0; i < GetItemCount(); ++i)
        ApplyImage(Item(i));
}

void COwnListCtrl::ApplyImage(QTreeWidgetItem* item)
{
    const int image = item->data(0, kImageRole).toInt();
    item->setIcon(0, image >= 0 && image < m_images.size() ? QIcon(m_images[image]) : QIcon());
}

void COwnListCtrl::SetColumns(const ListColumn* pColumns, int nCount)
{
    setColumnCount(std::max(0, nCount));
    QTreeWidgetItem* head = headerItem();
    for (int c = 0; c < nCount; ++c) {
        head->setText(c, pColumns[c].strHeading);
        head->setData(c, kFormatRole, pColumns[c].nFormat);
        head->setTextAlignment(c, AlignmentFor(pColumns[c].nFormat));
        setColumnWidth(c, 100);
    }
}

int COwnListCtrl::GetColumnCount() const { return columnCount(); }

void COwnListCtrl::AutoSizeColumns(bool bOnlyGrow, int nRowLimit)
{
    for (int c = 0; AutoSizeColumn(c, bOnlyGrow, -1, nRowLimit); ++c) {
    }
}

int COwnListCtrl::ImageAllowance() const
{
    int allowance = 0;
    if (m_bCheckBoxes)
        allowance += style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this);
    if (!m_images.isEmpty())
        allowance += m_images.first().width();
    return allowance;
}

bool COwnListCtrl::AutoSizeColumn(int nColumn, bool bOnlyGrow, int nMaxWidth, int nRowLimit)
{
    if (nColumn < 0 || nColumn >= columnCount())
        return false;
    int rows = GetItemCount();
    if (nRowLimit >= 0 && nRowLimit < rows)
        rows = nRowLimit;
    const int allowance = nColumn == 0 ? ImageAllowance() : 0;
    const QFontMetrics itemMetrics(font());
    const QFontMetrics headMetrics(header()->font());
    int width = headMetrics.horizontalAdvance(headerItem()->text(nColumn));
    for (int i = 0; i < rows; ++i)
        width = std::max(width, itemMetrics.horizontalAdvance(Item(i)->text(nColumn)) + allowance);
    if (nMaxWidth >= 0)
        width = std::min(width, nMaxWidth);
    const int wanted = width + 16;
    if (!(bOnlyGrow && columnWidth(nColumn) >= wanted))
        setColumnWidth(nColumn, wanted);
    return true;
}

void COwnListCtrl::AutoSizeColumnsToPercent(int nPercent)
{
    const int limit = nPercent * viewport()->width() / 100;
    for (int c = 0; AutoSizeColumn(c, false, limit, -1); ++c) {
    }
}

void COwnListCtrl::SetFullRowSelect()
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    viewport()->update();
}

void COwnListCtrl::EnableGridLines()
{
    m_bGridLines = true;
    viewport()->update();
}

void COwnListCtrl::EnableInfoTips()
{
    m_bInfoTips = true;
    viewport()->update();
}

void COwnListCtrl::EnableCheckBoxes()
{
    if (!m_bCheckBoxes) {
        m_bCheckBoxes = true;
        for (int i = 0; i < GetItemCount(); ++i) {
            QTreeWidgetItem* item = Item(i);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(0, Qt::Unchecked);
        }
    }
    viewport()->update();
}

void COwnListCtrl::SetCheck(int nItem, bool bCheck)
{
    if (QTreeWidgetItem* item = Item(nItem)) {
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, bCheck ? Qt::Checked : Qt::Unchecked);
    }
}

bool COwnListCtrl::GetCheck(int nItem) const
{
    const QTreeWidgetItem* item = Item(nItem);
    return item && item->data(0, Qt::CheckStateRole).isValid() && item->checkState(0) == Qt::Checked;
}

void COwnListCtrl::SetCheckAll(bool bCheck)
{
    for (int i = 0; i < GetItemCount(); ++i)
        SetCheck(i, bCheck);
}

bool COwnListCtrl::AnyChecked() const { return CountChecked() > 0; }

int COwnListCtrl::CountChecked() const
{
    int n = 0;
    for (int i = 0; i < GetItemCount(); ++i)
        n += GetCheck(i) ? 1 : 0;
    return n;
}

void COwnListCtrl::OnColumnClick(int nColumn) { SortColumn(nColumn, false); }

void COwnListCtrl::Resort() { SortColumn(0, true); }

void COwnListCtrl::SortColumn(int nColumn, bool bAscendingOnly)
{
    const bool checks = HasCheckBoxes();
    const int n = GetItemCount();
    const int c = GetColumnCount();
    if (n < 2)
        return;
    QList<ListSort::Row> rows;
    rows.reserve(n);
    for (int i = 0; i < n; ++i) {
        ListSort::Row row;
        for (int col = 0; col < c; ++col) {
            QString text = GetItemText(i, col);
            if (checks && col == 0)
                text.prepend(GetCheck(i) ? QLatin1Char('A') : QLatin1Char('Z'));
            row << text;
        }
        row << QString() << QString::number(i) << QString::number(quint64(GetItemData(i)))
            << QString::number(IsItemSelected(i) ? kSelectedState : 0u) << QString::number(GetItemImage(i));
        rows << row;
    }
    ListSort::SortRows(rows, nColumn, checks, bAscendingOnly);
    for (int i = 0; i < n; ++i) {
        const ListSort::Row& row = rows[i];
        for (int col = 0; col < c; ++col) {
            QString text = row[col];
            if (checks && col == 0) {
                SetCheck(i, text.startsWith(QLatin1Char('A')));
                text = text.mid(1);
            }
            SetItemText(i, col, text);
        }
        SetItemData(i, uintptr_t(row[c + 2].toULongLong()));
        Item(i)->setSelected((row[c + 3].toUInt() & kSelectedState) != 0);
        SetItemImage(i, row[c + 4].toInt());
    }
}

int COwnListCtrl::GetFirstSelectedItem() const
{
    for (int i = 0; i < GetItemCount(); ++i)
        if (Item(i)->isSelected())
            return i;
    return -1;
}

int COwnListCtrl::GetFirstSelectedImage() const
{
    const int i = GetFirstSelectedItem();
    return i < 0 ? -1 : GetItemImage(i);
}

uintptr_t COwnListCtrl::GetSelectedItemData() const
{
    const int i = GetFirstSelectedItem();
    return i < 0 ? 0 : GetItemData(i);
}

QString COwnListCtrl::GetSelectedItemText(int nColumn) const
{
    const int i = GetFirstSelectedItem();
    return i < 0 ? QString() : GetItemText(i, nColumn);
}

void COwnListCtrl::GetSelectedTexts(QStringList& texts, int nColumn) const
{
    texts.clear();
    for (int i = 0; i < GetItemCount(); ++i)
        if (Item(i)->isSelected())
            texts << GetItemText(i, nColumn);
}

void COwnListCtrl::GetColumnTexts(QStringList& texts, int nColumn) const
{
    texts.clear();
    for (int i = 0; i < GetItemCount(); ++i)
        texts << GetItemText(i, nColumn);
}

bool COwnListCtrl::IsItemSelected(int nItem) const
{
    const QTreeWidgetItem* item = Item(nItem);
    return item && item->isSelected();
}

bool COwnListCtrl::HasSelection() const { return GetFirstSelectedItem() >= 0; }

bool COwnListCtrl::HasSingleSelection() const
{
    int n = 0;
    for (int i = 0; i < GetItemCount(); ++i)
        n += Item(i)->isSelected() ? 1 : 0;
    return n == 1;
}

void COwnListCtrl::SelectItem(int nItem, bool bSelect)
{
    if (nItem < 0 || nItem >= GetItemCount())
        return;
    Item(nItem)->setSelected(bSelect);
    if (bSelect)
        scrollToItem(Item(nItem));
}

void COwnListCtrl::SelectText(const QString& strText, int nColumn)
{
    for (int i = 0; i < GetItemCount(); ++i) {
        if (GetItemText(i, nColumn) == strText) {
            Item(i)->setSelected(true);
            scrollToItem(Item(i), QAbstractItemView::EnsureVisible);
            return;
        }
    }
}

void COwnListCtrl::SelectTexts(const QStringList& texts, int nColumn)
{
    for (int i = 0; i < GetItemCount(); ++i)
        Item(i)->setSelected(texts.contains(GetItemText(i, nColumn), Qt::CaseSensitive));
}

int COwnListCtrl::SelectAll()
{
    for (int i = 0; i < GetItemCount(); ++i)
        Item(i)->setSelected(true);
    return GetItemCount();
}

int COwnListCtrl::DeselectAll()
{
    for (int i = 0; i < GetItemCount(); ++i)
        Item(i)->setSelected(false);
    return GetItemCount();
}

bool COwnListCtrl::CanMoveUp() const { return HasSingleSelection() && GetFirstSelectedItem() > 0; }

bool COwnListCtrl::CanMoveDown() const
{
    return HasSingleSelection() && GetItemCount() >= 2 && GetFirstSelectedItem() < GetItemCount() - 1;
}

void COwnListCtrl::SwapItems(int a, int b)
{
    QTreeWidgetItem* ia = Item(a);
    QTreeWidgetItem* ib = Item(b);
    if (!ia || !ib || a == b)
        return;
    const bool checkA = GetCheck(a), checkB = GetCheck(b);
    const bool selA = ia->isSelected(), selB = ib->isSelected();
    const int imgA = GetItemImage(a), imgB = GetItemImage(b);
    const uintptr_t dataA = GetItemData(a), dataB = GetItemData(b);
    if (m_bCheckBoxes) {
        SetCheck(a, checkB);
        SetCheck(b, checkA);
    }
    ia->setSelected(selB);
    ib->setSelected(selA);
    SetItemImage(a, imgB);
    SetItemImage(b, imgA);
    SetItemData(a, dataB);
    SetItemData(b, dataA);
    for (int c = 0; c < columnCount(); ++c) {
        const QString ta = ia->text(c);
        ia->setText(c, ib->text(c));
        ib->setText(c, ta);
    }
    if (selA)
        scrollToItem(ib);
    else if (selB)
        scrollToItem(ia);
}

void COwnListCtrl::MoveItem(int nFrom, int nTo)
{
    if (nFrom < 0 || nFrom >= GetItemCount() || nTo < 0 || nTo >= GetItemCount() || nFrom == nTo)
        return;
    const bool selected = Item(nFrom)->isSelected();
    QTreeWidgetItem* item = takeTopLevelItem(nFrom);
    insertTopLevelItem(nTo, item);
    item->setSelected(selected);
}

int COwnListCtrl::GetItemImage(int nItem) const
{
    const QTreeWidgetItem* item = Item(nItem);
    return item ? item->data(0, kImageRole).toInt() : -1;
}

void COwnListCtrl::SetItemImage(int nItem, int nImage)
{
    if (QTreeWidgetItem* item = Item(nItem)) {
        item->setData(0, kImageRole, nImage);
        ApplyImage(item);
    }
}

void COwnListCtrl::DeleteSelectedItems()
{
    setUpdatesEnabled(false);
    for (int i = GetFirstSelectedItem(); i >= 0; i = GetFirstSelectedItem())
        DeleteItem(i);
    setUpdatesEnabled(true);
    viewport()->update();
}

void COwnListCtrl::FillColumn(const QStringList& texts, int nColumn)
{
    setUpdatesEnabled(false);
    DeleteAllItems();
    for (const QString& text : texts) {
        const int i = InsertItem(GetItemCount(), QString());
        SetItemText(i, nColumn, text);
    }
    setUpdatesEnabled(true);
    viewport()->update();
}

void COwnListCtrl::SetUseColours(bool bUse)
{
    m_bColour = bUse;
    ApplyColours();
}

void COwnListCtrl::SetBackgroundColour(COLORREF colour)
{
    m_colBackground = colour;
    ApplyColours();
}

void COwnListCtrl::SetTextColour(COLORREF colour)
{
    m_colText = colour;
    ApplyColours();
}

void COwnListCtrl::ApplyColours()
{
    QPalette pal = QTreeWidget::palette();
    if (m_bColour) {
        pal.setColor(QPalette::Base, toQColor(m_colBackground));
        pal.setColor(QPalette::Text, toQColor(m_colText));
    } else {
        const QPalette standard = QApplication::palette(this);
        pal.setColor(QPalette::Base, standard.color(QPalette::Base));
        pal.setColor(QPalette::Text, standard.color(QPalette::Text));
    }
    setPalette(pal);
    viewport()->update();
}

void COwnListCtrl::SetMouseMoveMessage(unsigned nMsg)
{
    m_nMouseMoveMessage = nMsg;
    viewport()->setMouseTracking(nMsg != 0);
}

bool COwnListCtrl::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::MouseMove && m_nMouseMoveMessage)
        PostRegisteredMessage(parent(), m_nMouseMoveMessage);
    return QTreeWidget::viewportEvent(event);
}

void COwnListCtrl::drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QTreeWidget::drawRow(painter, option, index);
    if (!m_bGridLines)
        return;
    painter->save();
    painter->setPen(palette().color(QPalette::Midlight));
    const QRect r = option.rect;
    painter->drawLine(r.bottomLeft(), r.bottomRight());
    int x = -header()->offset();
    for (int c = 0; c < columnCount(); ++c) {
        x += columnWidth(c);
        painter->drawLine(x - 1, r.top(), x - 1, r.bottom());
    }
    painter->restore();
}
