#include "corvane/memory/MemoryTreeCtrl.h"

#include "corvane/core/CatLink.h"
#include "corvane/core/DisplayViewHooks.h"
#include "corvane/core/MainFrame.h"
#include "corvane/core/MemoryChannelList.h"
#include "corvane/core/RadioApp.h"
#include "shared/RegisteredEvent.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>

namespace {
constexpr int kDataRole = Qt::UserRole + 1;
constexpr int kImageRole = Qt::UserRole + 2;

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

// Every item whose parents are all open, in display order.
void visibleItems(QTreeWidgetItem* item, QList<QTreeWidgetItem*>& items)
{
    items << item;
    if (item->isExpanded())
        for (int i = 0; i < item->childCount(); ++i)
            visibleItems(item->child(i), items);
}
} // namespace

CMemoryTreeCtrl::CMemoryTreeCtrl(QWidget* pParent) : QTreeWidget(pParent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);
    connect(this, &QTreeWidget::itemExpanded, this, &CMemoryTreeCtrl::OnItemExpanded);
    connect(this, &QTreeWidget::itemCollapsed, this, &CMemoryTreeCtrl::OnItemCollapsed);
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current, QTreeWidgetItem*) { OnCurrentItemChanged(current); });
}

CMemoryTreeCtrl::~CMemoryTreeCtrl() = default;

void CMemoryTreeCtrl::Attach(QObject* pOwner, uint32_t nMessage)
{
    m_pOwner = pOwner;
    m_nMessage = nMessage;
}

QTreeWidgetItem* CMemoryTreeCtrl::InsertItem(const QString& strText, int nImage, uintptr_t nData,
                                             QTreeWidgetItem* pParent, QTreeWidgetItem* pAfter)
{
    // Without a predecessor the item goes last, as a tree's insertion does by default.
    QTreeWidgetItem* item = nullptr;
    if (pAfter)
        item = pParent ? new QTreeWidgetItem(pParent, pAfter) : new QTreeWidgetItem(this, pAfter);
    else
        item = pParent ? new QTreeWidgetItem(pParent) : new QTreeWidgetItem(this);
    item->setText(0, strText);
    item->setData(0, kDataRole, QVariant::fromValue<qulonglong>(nData));
    SetItemImage(item, nImage);
    return item;
}

uintptr_t CMemoryTreeCtrl::GetItemData(const QTreeWidgetItem* pItem)
{
    return pItem ? uintptr_t(pItem->data(0, kDataRole).toULongLong()) : 0;
}

int CMemoryTreeCtrl::GetItemImage(const QTreeWidgetItem* pItem)
{
    return pItem ? pItem->data(0, kImageRole).toInt() : -1;
}

void CMemoryTreeCtrl::SetItemImage(QTreeWidgetItem* pItem, int nImage)
{
    if (!pItem)
        return;
    pItem->setData(0, kImageRole, nImage);
    ApplyImage(pItem);
}

void CMemoryTreeCtrl::SetImageList(const QList<QPixmap>& images)
{
    m_images = images;
    if (!images.isEmpty())
        setIconSize(images.first().size());
    QList<QTreeWidgetItem*> all;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QList<QTreeWidgetItem*> stack = {topLevelItem(i)};
        while (!stack.isEmpty()) {
            QTreeWidgetItem* item = stack.takeLast();
            ApplyImage(item);
            for (int c = 0; c < item->childCount(); ++c)
                stack << item->child(c);
        }
    }
}

void CMemoryTreeCtrl::ApplyImage(QTreeWidgetItem* pItem)
{
    const int image = GetItemImage(pItem);
    pItem->setIcon(0, image >= 0 && image < m_images.size() ? QIcon(m_images[image]) : QIcon());
}

void CMemoryTreeCtrl::OnItemExpanded(QTreeWidgetItem* pItem)
{
    SetItemImage(pItem, kOpenFolderImage);
}

void CMemoryTreeCtrl::OnItemCollapsed(QTreeWidgetItem* pItem)
{
    SetItemImage(pItem, kClosedFolderImage);
}

void CMemoryTreeCtrl::SetSingleExpand(bool bSingle)
{
    m_bSingleExpand = bSingle;
}

void CMemoryTreeCtrl::OnCurrentItemChanged(QTreeWidgetItem* pCurrent)
{
    if (!m_bSingleExpand || m_bSuspendSingleExpand || !pCurrent)
        return;
    // The selected item's path stays open; every other branch closes.
    QList<QTreeWidgetItem*> path;
    for (QTreeWidgetItem* p = pCurrent; p; p = p->parent())
        path << p;
    QList<QTreeWidgetItem*> items;
    for (int i = 0; i < topLevelItemCount(); ++i)
        visibleItems(topLevelItem(i), items);
    for (QTreeWidgetItem* item : items)
        if (item->isExpanded() && !path.contains(item))
            item->setExpanded(false);
    if (pCurrent->childCount() > 0)
        pCurrent->setExpanded(true);
}

QString CMemoryTreeCtrl::PathOf(const QTreeWidgetItem* pItem)
{
    QStringList parts;
    for (const QTreeWidgetItem* p = pItem; p; p = p->parent())
        parts.prepend(p->text(0));
    return parts.join(QLatin1Char('\\'));
}

void CMemoryTreeCtrl::GetExpandedPaths(QStringList& paths) const
{
    paths.clear();
    QList<QTreeWidgetItem*> items;
    for (int i = 0; i < topLevelItemCount(); ++i)
        visibleItems(topLevelItem(i), items);
    for (const QTreeWidgetItem* item : items)
        if (item->isExpanded() && item->childCount() > 0)
            paths << PathOf(item);
}

void CMemoryTreeCtrl::ExpandPaths(const QStringList& paths)
{
    // Walk in display order; an item opened here shows its children next.
    QList<QTreeWidgetItem*> pending;
    for (int i = topLevelItemCount() - 1; i >= 0; --i)
        pending << topLevelItem(i);
    while (!pending.isEmpty()) {
        QTreeWidgetItem* item = pending.takeLast();
        if (item->childCount() > 0 && paths.contains(PathOf(item))) {
            if (m_bSingleExpand)
                setCurrentItem(item);
            else
                item->setExpanded(true);
        }
        if (item->isExpanded())
            for (int c = item->childCount() - 1; c >= 0; --c)
                pending << item->child(c);
    }
    // Posted, as the tree settles its layout first.
    QMetaObject::invokeMethod(
        this,
        [this] {
            verticalScrollBar()->setValue(verticalScrollBar()->minimum());
            horizontalScrollBar()->setValue(horizontalScrollBar()->minimum());
        },
        Qt::QueuedConnection);
}

void CMemoryTreeCtrl::mousePressEvent(QMouseEvent* event)
{
    QTreeWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        ActOnItem(itemAt(event->position().toPoint()));
}

void CMemoryTreeCtrl::ActOnItem(QTreeWidgetItem* pItem)
{
    if (!IsAttached() || !pItem || pItem->childCount() > 0)
        return;
    WaitCursor wait;
    const uintptr_t data = GetItemData(pItem);
    switch (data) {
    case DATA_MANAGER:
        if (CMainFrame* frame = GetMainFrame())
            frame->OnCommand(ID_MEMORY_MANAGER);
        return;
    case DATA_RELOAD:
        if (CMainFrame* frame = GetMainFrame())
            frame->OnCommand(ID_RELOAD_MEMORY);
        return;
    case DATA_CLOSE_FOLDERS:
        CloseFolders(pItem);
        return;
    default:
        break;
    }
    const int channel = int(data - DATA_FIRST_CHANNEL);
    CRadioApp* app = GetRadioApp();
    if (!app)
        return;
    CCatLink& link = app->GetCatLink();
    const CDisplayViewHooks* view = app->GetDisplayView();
    if (view && view->IsMemoryTune())
        link.SetEepromBit(CCatLink::EE_VFO_FLAGS, 5, 0, QStringLiteral("Switch M-Tune Off"));
    link.SelectMemoryChannel(channel);
    if (m_pOwner)
        SendRegisteredMessage(m_pOwner, m_nMessage, uintptr_t(channel), 0);
}

void CMemoryTreeCtrl::CloseFolders(QTreeWidgetItem* pClicked)
{
    setUpdatesEnabled(false);
    hide();
    m_bSuspendSingleExpand = true;
    QList<QTreeWidgetItem*> items;
    for (int i = 0; i < topLevelItemCount(); ++i)
        visibleItems(topLevelItem(i), items);
    for (QTreeWidgetItem* item : items) {
        if (GetItemImage(item) == kOpenFolderImage) {
            item->setExpanded(false);
            SetItemImage(item, kClosedFolderImage);
        }
    }
    if (pClicked) {
        setCurrentItem(pClicked);
        scrollToItem(pClicked);
    }
    m_bSuspendSingleExpand = false;
    setUpdatesEnabled(true);
    show();
    update();
}
