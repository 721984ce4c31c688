#include "corvane/organisers/FavouritesTree.h"

#include "corvane/core/MainFrame.h"
#include "corvane/core/MemoryChannelList.h"
#include "corvane/core/RadioApp.h"
#include "corvane/core/RegisteredMessages.h"
#include "corvane/core/Settings.h"
#include "corvane/organisers/FavouritesCollection.h"
#include "corvane/organisers/Organisers.h"
#include "shared/ImageList.h"
#include "shared/RegisteredEvent.h"
#include "shared/shortcutbar/ShortcutBarTypes.h"

#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>

namespace {
constexpr int kDataRole = Qt::UserRole + 1;
constexpr int kImageRole = Qt::UserRole + 2;

bool lessNoCase(const QString& a, const QString& b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}
} // namespace

CFavouritesTree::CFavouritesTree(QWidget* pParent) : QTreeWidget(pParent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setExpandsOnDoubleClick(true);
    SetTreeStyle(m_dwStyle);
    connect(this, &QTreeWidget::itemExpanded, this, &CFavouritesTree::OnItemExpanded);
    connect(this, &QTreeWidget::itemCollapsed, this, &CFavouritesTree::OnItemCollapsed);
    connect(this, &QTreeWidget::currentItemChanged, this, &CFavouritesTree::OnCurrentItemChanged);
    connect(this, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int) { OnItemChanged(item); });
}

CFavouritesTree::~CFavouritesTree()
{
    // The view's own teardown changes the current item: nobody is to hear it.
    blockSignals(true);
    clear();
}

CFavouritesCollection* CFavouritesTree::GetCollection() const
{
    return m_pCollection ? m_pCollection : &GetFavourites();
}

void CFavouritesTree::SetTreeStyle(uint32_t dwStyle)
{
    m_dwStyle = dwStyle;
    setRootIsDecorated((dwStyle & (TVS_HASBUTTONS | TVS_LINESATROOT)) != 0);
    setIndentation(dwStyle & TVS_HASBUTTONS ? 16 : 12);
}

void CFavouritesTree::SetImageList(CImageList* pImages)
{
    m_pImages = pImages;
    if (pImages)
        setIconSize(pImages->GetImageSize());
    for (QTreeWidgetItemIterator it(this); *it; ++it)
        ApplyIcon(*it);
}

// ---------------------------------------------------------------- items

QTreeWidgetItem* CFavouritesTree::InsertItem(const QString& strText, int nImage, intptr_t nData,
                                             QTreeWidgetItem* pParent, QTreeWidgetItem* pAfter)
{
    QTreeWidgetItem* item = nullptr;
    if (pAfter)
        item = pParent ? new QTreeWidgetItem(pParent, pAfter) : new QTreeWidgetItem(this, pAfter);
    else
        item = pParent ? new QTreeWidgetItem(pParent) : new QTreeWidgetItem(this);
    const QSignalBlocker block(this);
    item->setText(0, strText);
    item->setData(0, kDataRole, QVariant::fromValue<qlonglong>(nData));
    item->setData(0, kImageRole, nImage);
    ApplyIcon(item);
    return item;
}

QTreeWidgetItem* CFavouritesTree::InsertItemAt(const QString& strText, int nImage, intptr_t nData,
                                               QTreeWidgetItem* pParent, int nIndex)
{
    auto* item = new QTreeWidgetItem;
    item->setText(0, strText);
    item->setData(0, kDataRole, QVariant::fromValue<qlonglong>(nData));
    item->setData(0, kImageRole, nImage);
    const QSignalBlocker block(this);
    if (pParent)
        pParent->insertChild(nIndex, item);
    else
        insertTopLevelItem(nIndex, item);
    ApplyIcon(item);
    return item;
}

intptr_t CFavouritesTree::GetItemData(const QTreeWidgetItem* pItem)
{
    return pItem ? intptr_t(pItem->data(0, kDataRole).toLongLong()) : 0;
}

void CFavouritesTree::SetItemData(QTreeWidgetItem* pItem, intptr_t nData)
{
    if (!pItem)
        return;
    const QSignalBlocker block(pItem->treeWidget());
    pItem->setData(0, kDataRole, QVariant::fromValue<qlonglong>(nData));
}

int CFavouritesTree::GetItemImage(const QTreeWidgetItem* pItem)
{
    return pItem ? pItem->data(0, kImageRole).toInt() : -1;
}

void CFavouritesTree::SetItemImage(QTreeWidgetItem* pItem, int nImage)
{
    if (!pItem)
        return;
    const QSignalBlocker block(this);
    pItem->setData(0, kImageRole, nImage);
    ApplyIcon(pItem);
}

void CFavouritesTree::ApplyIcon(QTreeWidgetItem* pItem)
{
    if (!m_pImages)
        return;
    const int image = GetItemImage(pItem);
    const QSignalBlocker block(this);
    if (image >= 0 && image < m_pImages->GetImageCount())
        pItem->setIcon(0, QIcon(m_pImages->GetImage(image)));
}

bool CFavouritesTree::IsFolder(const QTreeWidgetItem* pItem)
{
    const int image = GetItemImage(pItem);
    return image == IMAGE_FOLDER || image == IMAGE_OPEN_FOLDER;
}

bool CFavouritesTree::IsFavourite(const QTreeWidgetItem* pItem)
{
    return GetItemImage(pItem) == IMAGE_FAVOURITE;
}

QString CFavouritesTree::ParentPath(const QTreeWidgetItem* pItem)
{
    QStringList levels;
    for (const QTreeWidgetItem* p = pItem ? pItem->parent() : nullptr; p; p = p->parent())
        levels.prepend(p->text(0));
    return levels.join(QLatin1Char('\\'));
}

QString CFavouritesTree::FullPath(const QTreeWidgetItem* pItem)
{
    if (!pItem)
        return QString();
    const QString parent = ParentPath(pItem);
    return parent.isEmpty() && !pItem->parent() ? pItem->text(0) : parent + QLatin1Char('\\') + pItem->text(0);
}

void CFavouritesTree::SelectItem(QTreeWidgetItem* pItem)
{
    // The view makes an item current by itself when it gets the focus; a
    // selection made on purpose still opens it under the single-expand style.
    if (pItem && pItem == currentItem() && (m_dwStyle & TVS_SINGLEEXPAND) && pItem->childCount() > 0)
        pItem->setExpanded(true);
    // A selected item is always one that can be seen.
    for (QTreeWidgetItem* p = pItem ? pItem->parent() : nullptr; p; p = p->parent())
        if (!p->isExpanded())
            p->setExpanded(true);
    setCurrentItem(pItem);
    if (!pItem)
        clearSelection();
}

int CFavouritesTree::ChildCount(const QTreeWidgetItem* pParent) const
{
    return pParent ? pParent->childCount() : topLevelItemCount();
}

QTreeWidgetItem* CFavouritesTree::Child(const QTreeWidgetItem* pParent, int nIndex) const
{
    return pParent ? pParent->child(nIndex) : topLevelItem(nIndex);
}

QTreeWidgetItem* CFavouritesTree::FindChild(QTreeWidgetItem* pParent, const QString& strText) const
{
    for (int i = 0; i < ChildCount(pParent); ++i)
        if (Child(pParent, i)->text(0) == strText)
            return Child(pParent, i);
    return nullptr;
}

QTreeWidgetItem* CFavouritesTree::FindOrAddFolder(QTreeWidgetItem* pParent, const QString& strText)
{
    if (QTreeWidgetItem* found = FindChild(pParent, strText))
        return found;
    return InsertItem(strText, IMAGE_FOLDER, 0, pParent);
}

QTreeWidgetItem* CFavouritesTree::AddFolderUnderSelection(const QString& strText)
{
    return FindOrAddFolder(currentItem(), strText);
}

QTreeWidgetItem* CFavouritesTree::AddItemPath(const QString& strFolder, const QString& strTitle, intptr_t nData,
                                              InsertPosition nPosition)
{
    QTreeWidgetItem* parent = nullptr;
    if (!strFolder.isEmpty()) {
        for (const QString& level : strFolder.split(QLatin1Char('\\'))) {
            parent = FindOrAddFolder(parent, level);
            SetItemData(parent, -1);
        }
    }
    if (QTreeWidgetItem* existing = FindChild(parent, strTitle))
        return existing;
    if (nPosition == INSERT_SORTED) {
        // Before the first sibling that sorts after the title.
        const int count = ChildCount(parent);
        int i = 0;
        while (i < count && !lessNoCase(strTitle, Child(parent, i)->text(0)))
            ++i;
        return InsertItemAt(strTitle, IMAGE_FAVOURITE, nData, parent, i);
    }
    return InsertItem(strTitle, IMAGE_FAVOURITE, nData, parent);
}

void CFavouritesTree::CopyFrom(const CFavouritesTree& source, bool bCopyAll, bool bAddRoot)
{
    SetTreeStyle(source.GetTreeStyle() | TVS_HASBUTTONS | TVS_HASLINES);
    SetImageList(source.GetImageList());
    QTreeWidgetItem* root = nullptr;
    if (bAddRoot)
        root = InsertItem(QStringLiteral("Favourites"), IMAGE_FOLDER, 0, nullptr);
    Fill(source, root, nullptr, bCopyAll);
    if (root) {
        SelectItem(root);
        root->setExpanded(true);
    }
}

void CFavouritesTree::Fill(const CFavouritesTree& source, QTreeWidgetItem* pDestParent,
                           const QTreeWidgetItem* pSourceParent, bool bCopyAll)
{
    for (int i = 0; i < source.ChildCount(pSourceParent); ++i) {
        const QTreeWidgetItem* child = source.Child(pSourceParent, i);
        if (!bCopyAll && !IsFolder(child))
            continue;
        if (GetItemImage(child) == IMAGE_MANAGER)
            continue;
        QTreeWidgetItem* copy =
            InsertItem(child->text(0).left(kMaxTextLength), GetItemImage(child), GetItemData(child), pDestParent);
        Fill(source, copy, child, bCopyAll);
        if (child->isExpanded())
            copy->setExpanded(true);
    }
}

void CFavouritesTree::AddCommandItems()
{
    const QSignalBlocker block(this);
    struct Command {
        const char* text;
        int image;
    } commands[] = {{"Close folders", IMAGE_CLOSE_FOLDERS}, {"Manager", IMAGE_MANAGER}};
    for (const Command& c : commands) {
        const QString text = QString::fromLatin1(c.text);
        if (FindChild(nullptr, text))
            continue;
        InsertItemAt(text, c.image, 0, nullptr, 0);
    }
}

void CFavouritesTree::AddMemoryChannels()
{
    CRadioApp* app = GetRadioApp();
    if (!app)
        return;
    const CRadioMemoryList& list = app->GetMemoryList();
    for (int i = 0; i < list.GetCount(); ++i) {
        const CMemoryChannel* channel = list.GetChannel(i);
        if (!channel || !channel->IsUsed() || !channel->HasFrequency())
            continue;
        const QString text = channel->IsTagOn() && !channel->GetTag().isEmpty()
            ? QStringLiteral("%1: %2").arg(i + 1).arg(channel->GetTag())
            : QStringLiteral("%1: Rx:%2").arg(i + 1).arg(channel->GetRxFrequencyText());
        QTreeWidgetItem* after = nullptr;
        for (int t = 0; t < topLevelItemCount(); ++t)
            if (GetItemImage(topLevelItem(t)) == IMAGE_MEMORY)
                after = topLevelItem(t);
        if (after)
            InsertItem(text, IMAGE_MEMORY, i, nullptr, after);
        else
            InsertItem(text, IMAGE_MEMORY, i, nullptr);
    }
}

// ---------------------------------------------------------------- walking

QTreeWidgetItem* CFavouritesTree::NextVisible(QTreeWidgetItem* pItem) const
{
    if (!pItem)
        return nullptr;
    if (pItem->isExpanded() && pItem->childCount() > 0)
        return pItem->child(0);
    for (QTreeWidgetItem* p = pItem; p; p = p->parent()) {
        QTreeWidgetItem* parent = p->parent();
        const int index = parent ? parent->indexOfChild(p) : indexOfTopLevelItem(p);
        if (index + 1 < ChildCount(parent))
            return Child(parent, index + 1);
    }
    return nullptr;
}

void CFavouritesTree::GetExpandedFolders(QStringList& paths) const
{
    paths.clear();
    for (QTreeWidgetItem* item = topLevelItem(0); item; item = NextVisible(item))
        if (item->isExpanded())
            paths << FullPath(item);
}

void CFavouritesTree::ExpandFolders(const QStringList& paths)
{
    const bool single = GetSettings().m_bTreeSingleExpand != 0;
    for (QTreeWidgetItem* item = topLevelItem(0); item; item = NextVisible(item)) {
        if (item->childCount() == 0 || !paths.contains(FullPath(item)))
            continue;
        if (single)
            SelectItem(item);  // selecting opens it under the single-expand style
        else
            item->setExpanded(true);
    }
    QMetaObject::invokeMethod(
        this,
        [this] {
            verticalScrollBar()->setValue(verticalScrollBar()->minimum());
            horizontalScrollBar()->setValue(horizontalScrollBar()->minimum());
        },
        Qt::QueuedConnection);
}

void CFavouritesTree::CloseFolders(QTreeWidgetItem* pClicked)
{
    setUpdatesEnabled(false);
    hide();
    const bool single = GetSettings().m_bTreeSingleExpand != 0;
    if (single)
        ModifyTreeStyle(TVS_SINGLEEXPAND, 0);
    QTreeWidgetItem* item = itemAt(0, 0);
    if (!item)
        item = topLevelItem(0);
    for (; item; item = NextVisible(item)) {
        if (GetItemImage(item) != IMAGE_OPEN_FOLDER)
            continue;
        item->setExpanded(false);
        SetItemImage(item, IMAGE_FOLDER);
    }
    SelectItem(pClicked);
    if (pClicked)
        scrollToItem(pClicked);
    setUpdatesEnabled(true);
    viewport()->update();
    show();
    if (single)
        ModifyTreeStyle(0, TVS_SINGLEEXPAND);
}

void CFavouritesTree::RebuildVisibleMap()
{
    m_visible.clear();
    const CFavouritesCollection* collection = GetCollection();
    for (QTreeWidgetItem* item = topLevelItem(0); item; item = NextVisible(item)) {
        const CFavouriteEntry* entry = collection->Find(ParentPath(item), item->text(0));
        if (entry)
            m_visible.insert(entry->GetRxFrequency(), item->text(0));
    }
}

bool CFavouritesTree::LookupFrequency(uint32_t nHz, QString& strTitle) const
{
    const auto it = m_visible.constFind(nHz);
    if (it == m_visible.constEnd())
        return false;
    strTitle = it.value();
    return true;
}

// ---------------------------------------------------------------- events

void CFavouritesTree::OnItemExpanded(QTreeWidgetItem* pItem)
{
    SetItemImage(pItem, IMAGE_OPEN_FOLDER);
    RebuildVisibleMap();
}

void CFavouritesTree::OnItemCollapsed(QTreeWidgetItem* pItem)
{
    SetItemImage(pItem, IMAGE_FOLDER);
    RebuildVisibleMap();
}

void CFavouritesTree::OnCurrentItemChanged(QTreeWidgetItem* pCurrent, QTreeWidgetItem* pPrevious)
{
    if ((m_dwStyle & TVS_SINGLEEXPAND) && pCurrent) {
        // The branch left behind closes, as far as it is not the new item's.
        for (QTreeWidgetItem* p = pPrevious; p; p = p->parent()) {
            bool onPath = false;
            for (QTreeWidgetItem* q = pCurrent; q && !onPath; q = q->parent())
                onPath = q == p;
            if (!onPath && p->isExpanded())
                p->setExpanded(false);
        }
        if (pCurrent->childCount() > 0 && !pCurrent->isExpanded())
            pCurrent->setExpanded(true);
    }
    if (m_bSelectOnChange && m_nNotifyMessage && pCurrent)
        ReportItem(pCurrent, true);
}

void CFavouritesTree::ReportItem(QTreeWidgetItem* pItem, bool bSelection)
{
    if (!m_nNotifyMessage || !pItem)
        return;
    if (bSelection && !m_bReportFolders && pItem->childCount() > 0)
        return;
    if (IsFavourite(pItem)) {
        const CFavouriteEntry* entry = GetCollection()->Find(ParentPath(pItem), pItem->text(0));
        if (entry)
            PostRegisteredMessage(m_pNotifyWindow, m_nNotifyMessage, 0, intptr_t(entry));
    } else if (GetItemImage(pItem) == IMAGE_MEMORY) {
        PostRegisteredMessage(m_pNotifyWindow, m_nNotifyMessage, 1, GetItemData(pItem));
    } else if (bSelection && IsFolder(pItem)) {
        PostRegisteredMessage(m_pNotifyWindow, m_nNotifyMessage, 2, 0);
    }
}

void CFavouritesTree::mousePressEvent(QMouseEvent* pEvent)
{
    if (pEvent->button() != Qt::LeftButton || !m_nNotifyMessage) {
        QTreeWidget::mousePressEvent(pEvent);
        return;
    }
    QTreeWidgetItem* item = itemAt(pEvent->position().toPoint());
    if (!item || item->childCount() > 0) {
        QTreeWidget::mousePressEvent(pEvent);
        return;
    }
    switch (GetItemImage(item)) {
    case IMAGE_MANAGER:
        OpenManager();
        break;
    case IMAGE_CLOSE_FOLDERS:
        CloseFolders(item);
        return;
    default:
        if (!m_bSelectOnChange)
            ReportItem(item, false);
        break;
    }
    QTreeWidget::mousePressEvent(pEvent);
}

void CFavouritesTree::mouseDoubleClickEvent(QMouseEvent* pEvent)
{
    QTreeWidget::mouseDoubleClickEvent(pEvent);
    if (pEvent->button() == Qt::LeftButton)
        emit itemDoubleClickedAt(itemAt(pEvent->position().toPoint()));
}

void CFavouritesTree::OpenManager()
{
    if (CRadioApp* app = GetRadioApp())
        app->OnCommand(ID_FAVOURITES_MANAGER);
}

bool CFavouritesTree::event(QEvent* pEvent)
{
    if (pEvent->type() == CShbMessage::Type()) {
        auto* message = static_cast<CShbMessage*>(pEvent);
        if (message->message == SHBMSG_FILLCONTEXTMENU) {
            auto* request = reinterpret_cast<SHB_MENUREQUEST*>(message->lParam);
            if (request && request->pMenu)
                FillContextMenu(request->pMenu);
            message->result = 1;
            pEvent->accept();
            return true;
        }
    }
    return QTreeWidget::event(pEvent);
}

void CFavouritesTree::FillContextMenu(QMenu* pMenu)
{
    pMenu->clear();
    QAction* organise = pMenu->addAction(QStringLiteral("Organise"));
    organise->setData(ID_ORGANISE);
    connect(organise, &QAction::triggered, this, [] { PostRegisteredMessage(GetMainFrame(), RegisteredMessage::nMsgOrganise); });
}

// ---------------------------------------------------------------- renaming

void CFavouritesTree::EditLabel(QTreeWidgetItem* pItem)
{
    if (!pItem)
        return;
    setFocus();
    m_pEditItem = pItem;
    m_strEditOld = pItem->text(0);
    {
        const QSignalBlocker block(this);
        pItem->setFlags(pItem->flags() | Qt::ItemIsEditable);
    }
    editItem(pItem, 0);
}

void CFavouritesTree::OnItemChanged(QTreeWidgetItem* pItem)
{
    if (!pItem || pItem != m_pEditItem)
        return;
    // The item keeps its text until the owner decides.
    const QString edited = pItem->text(0);
    const QString old = m_strEditOld;
    m_pEditItem = nullptr;
    {
        const QSignalBlocker block(this);
        pItem->setText(0, old);
    }
    emit labelEditEnded(pItem, edited, old);
}

void CFavouritesTree::closeEditor(QWidget* pEditor, QAbstractItemDelegate::EndEditHint hint)
{
    QTreeWidget::closeEditor(pEditor, hint);
    if (QTreeWidgetItem* item = m_pEditItem) {
        // Cancelled, or committed without a change of text.
        m_pEditItem = nullptr;
        emit labelEditEnded(item, m_strEditOld, m_strEditOld);
    }
}
