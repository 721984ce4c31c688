#include "corvane/organisers/ManageFavouritesDialog.h"

#include "corvane/core/FieldDecoders.h"
#include "corvane/core/FrequencyText.h"
#include "corvane/core/MainFrame.h"
#include "corvane/core/RegisteredMessages.h"
#include "corvane/organisers/BrowseFolderDialog.h"
#include "corvane/organisers/EditFavouriteDialog.h"
#include "corvane/organisers/FavouritesTree.h"
#include "corvane/organisers/LoadFavouritesDialog.h"
#include "corvane/organisers/OrganiserCursor.h"
#include "corvane/organisers/Organisers.h"
#include "platform/Prompter.h"
#include "shared/ui/FitText.h"
#include "shared/RegisteredEvent.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/OwnFileDialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QTimer>

namespace {
constexpr COLORREF kRedMask = 0x0000FF;
constexpr COLORREF kWhiteMask = 0xFFFFFF;

void collectExpanded(QTreeWidgetItem* item, QSet<QTreeWidgetItem*>& expanded)
{
    if (item->isExpanded())
        expanded.insert(item);
    for (int i = 0; i < item->childCount(); ++i)
        collectExpanded(item->child(i), expanded);
}

void restoreExpanded(QTreeWidgetItem* item, const QSet<QTreeWidgetItem*>& expanded)
{
    if (expanded.contains(item))
        item->setExpanded(true);
    for (int i = 0; i < item->childCount(); ++i)
        restoreExpanded(item->child(i), expanded);
}
} // namespace

CManageFavouritesDialog::CManageFavouritesDialog(QWidget* pParent) : CBaseDialog(kTemplateId, pParent)
{
    setWindowTitle(QStringLiteral("Manage Favourites"));
    SetNoSizeGrip();
    m_pTree = new CFavouritesTree(this);
    SetDlgCtrlID(m_pTree, IDC_TREE);
    m_pTree->setGeometry(10, 10, 250, 420);

    auto button = [this](unsigned id, const char* text, int x, int y, int w = 110) {
        auto* b = new COXBitmapButton(this);
        b->SetButtonText(QString::fromLatin1(text));
        SetDlgCtrlID(b, id);
        b->setGeometry(x, y, w, 26);
        return b;
    };
    auto* createRoot = button(IDC_CREATE_ROOT, "Create &Root", 270, 10);
    auto* createFolder = button(IDC_CREATE_FOLDER, "&Create Folder", 270, 40);
    auto* copy = button(IDC_COPY, "Cop&y", 270, 70);
    auto* edit = button(IDC_EDIT, "&Edit", 270, 100);
    auto* del = button(IDC_DELETE, "&Del", 270, 130);
    auto* move = button(IDC_MOVE, "&Move to Folder", 270, 160);
    auto* up = button(IDC_UP, "", 270, 190, 52);
    auto* down = button(IDC_DOWN, "", 328, 190, 52);
    auto* merge = button(IDC_MERGE, "Mer&ge", 390, 10);
    auto* defaults = button(IDC_DEFAULTS, "Defa&ults", 390, 40);
    auto* load = button(IDC_LOAD, "&Load", 390, 70);
    auto* save = button(IDC_SAVE, "&Save", 390, 100);
    auto* sort = button(IDC_SORT, "Sort", 390, 130);
    up->setToolTip(QStringLiteral("Move up"));
    down->setToolTip(QStringLiteral("Move down"));

    m_pInfo = new QLabel(this);
    SetDlgCtrlID(m_pInfo, IDC_INFO);
    m_pInfo->setGeometry(270, 226, 230, 70);
    m_pInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_pInfo->setTextFormat(Qt::PlainText);
    auto* help = new QLabel(
        QStringLiteral("To create a new child folder click on Create Folder, to create a new root folder click on "
                       "Create Root button.\n\nTo copy, edit or delete an item, select the item and click Copy, "
                       "Edit or Delete.\n\nTo change the folder, click on Move to Folder."),
        this);
    help->setWordWrap(true);
    help->setGeometry(270, 300, 230, 96);
    help->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    SetDlgCtrlID(ok, IDC_OK);
    ok->setAutoDefault(false);
    ok->setGeometry(350, 404, 70, 26);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    SetDlgCtrlID(cancel, platform::IDCANCEL);
    cancel->setAutoDefault(false);
    cancel->setGeometry(430, 404, 70, 26);
    resize(510, 440);
    GrowToFitText(help);

    connect(createRoot, &QPushButton::clicked, this, &CManageFavouritesDialog::OnCreateRoot);
    connect(createFolder, &QPushButton::clicked, this, &CManageFavouritesDialog::OnCreateFolder);
    connect(copy, &QPushButton::clicked, this, &CManageFavouritesDialog::OnCopy);
    connect(edit, &QPushButton::clicked, this, &CManageFavouritesDialog::OnEdit);
    connect(del, &QPushButton::clicked, this, &CManageFavouritesDialog::OnDelete);
    connect(move, &QPushButton::clicked, this, &CManageFavouritesDialog::OnMoveToFolder);
    connect(up, &QPushButton::clicked, this, &CManageFavouritesDialog::OnUp);
    connect(down, &QPushButton::clicked, this, &CManageFavouritesDialog::OnDown);
    connect(merge, &QPushButton::clicked, this, &CManageFavouritesDialog::OnMerge);
    connect(defaults, &QPushButton::clicked, this, &CManageFavouritesDialog::OnDefaults);
    connect(load, &QPushButton::clicked, this, &CManageFavouritesDialog::OnLoad);
    connect(save, &QPushButton::clicked, this, &CManageFavouritesDialog::OnSave);
    connect(sort, &QPushButton::clicked, this, &CManageFavouritesDialog::OnSort);
    connect(ok, &QPushButton::clicked, this, &CManageFavouritesDialog::OnCloseButton);
    connect(cancel, &QPushButton::clicked, this, [this] { OnCancel(); });
    connect(m_pTree, &QTreeWidget::currentItemChanged, this, [this] { OnSelectionChanged(); });
    connect(m_pTree, &CFavouritesTree::itemDoubleClickedAt, this, [this](QTreeWidgetItem* item) {
        if (item)
            OnEdit();
    });
    connect(m_pTree, &CFavouritesTree::labelEditEnded, this, &CManageFavouritesDialog::OnLabelEditEnded);
    m_pTree->viewport()->installEventFilter(this);
    m_pTree->installEventFilter(this);

    const DialogGeometry::AnchorRow anchors[] = {
        {int(IDC_TREE), 2, 2, 0, 0},
        {int(IDC_OK), 0, 0, 0, 2},
        {platform::IDCANCEL, 0, 0, 0, 2},
    };
    SetAnchors(anchors, int(std::size(anchors)));
}

CManageFavouritesDialog::~CManageFavouritesDialog()
{
    m_pTree->blockSignals(true);
    delete m_pDragImage;
}

QWidget* CManageFavouritesDialog::Button(unsigned nId) const
{
    return GetDlgItem(nId);
}

bool CManageFavouritesDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    m_strCaption = windowTitle();

    auto picture = [this](unsigned id, int bitmap, COLORREF mask, bool flat) {
        if (auto* b = qobject_cast<COXBitmapButton*>(GetDlgItem(id))) {
            b->LoadBitmapResource(bitmap, false, mask);
            if (flat)
                b->SetHotTrack(true);
        }
    };
    picture(IDC_DEFAULTS, 262, kRedMask, false);
    picture(IDC_LOAD, 378, kRedMask, true);
    picture(IDC_MERGE, 378, kRedMask, true);
    picture(IDC_SAVE, 218, kRedMask, true);
    picture(IDC_UP, 225, kWhiteMask, true);
    picture(IDC_DOWN, 226, kWhiteMask, true);

    m_favourites.Load();
    if (m_favourites.GetCount() == 0)
        m_favourites.LoadDefaults();

    // Clicks are not reported: the dialog only shows the details.
    m_pTree->SetNotifyWindow(this);
    m_pTree->SetReportFolders(true);
    m_pTree->SetCollection(&m_favourites);
    CFavouritesTree* navigator = GetNavigatorFavouritesTree();
    const uint32_t style = navigator ? navigator->GetTreeStyle() : CFavouritesTree::TVS_SHOWSELALWAYS;
    m_pTree->SetTreeStyle(style | CFavouritesTree::TVS_HASBUTTONS | CFavouritesTree::TVS_HASLINES |
                          CFavouritesTree::TVS_EDITLABELS);
    if (navigator)
        m_pTree->SetImageList(navigator->GetImageList());

    FillTree(false);
    if (m_pTree->topLevelItem(0))
        m_pTree->SelectItem(m_pTree->topLevelItem(0));
    if (navigator) {
        QStringList open;
        navigator->GetExpandedFolders(open);
        m_pTree->ExpandFolders(open);
    }
    RepositionControls();
    OnSelectionChanged();
    return true;
}

// ---------------------------------------------------------------- state

CFavouriteEntry* CManageFavouritesDialog::EntryOf(const QTreeWidgetItem* pItem) const
{
    return pItem ? m_favourites.GetEntry(int(CFavouritesTree::GetItemData(pItem))) : nullptr;
}

void CManageFavouritesDialog::SetChanged()
{
    m_bChanged = true;
    UpdateButtons();
}

void CManageFavouritesDialog::UpdateButtons()
{
    QTreeWidgetItem* item = m_pTree->GetSelectedItem();
    auto enable = [this](unsigned id, bool on) {
        if (QWidget* w = GetDlgItem(id))
            w->setEnabled(on);
    };
    QTreeWidgetItem* parent = item ? item->parent() : nullptr;
    const int index = item ? (parent ? parent->indexOfChild(item) : m_pTree->indexOfTopLevelItem(item)) : -1;
    enable(IDC_DOWN, item && index + 1 < m_pTree->ChildCount(parent));
    enable(IDC_UP, item && index > 0);
    enable(IDC_COPY, item && CFavouritesTree::IsFavourite(item));
    enable(IDC_CREATE_FOLDER, true);
    enable(IDC_CREATE_ROOT, true);
    const bool any = item && m_pTree->topLevelItemCount() > 0;
    enable(IDC_DELETE, any);
    enable(IDC_MOVE, any);
    enable(IDC_EDIT, any);
    setWindowTitle(m_bChanged ? m_strCaption + QStringLiteral(" *") : m_strCaption);
}

void CManageFavouritesDialog::ShowDetails()
{
    QTreeWidgetItem* item = m_pTree->GetSelectedItem();
    QString text;
    if (item) {
        const CFavouriteEntry* entry = m_favourites.Find(CFavouritesTree::ParentPath(item), item->text(0));
        if (entry)
            text = QStringLiteral("Title:\t") + entry->GetTitle() + QStringLiteral("\nFreq:\t") +
                   CFrequencyText(entry->GetRxFrequency(), CFrequencyText::FORM_HZ).GetText() +
                   QStringLiteral("\nMode:\t") + CatModeName(entry->GetMode(), QString()).GetText();
    }
    m_pInfo->setText(text);
    UpdateButtons();
}

void CManageFavouritesDialog::OnSelectionChanged()
{
    ShowDetails();
    QTreeWidgetItem* item = m_pTree->GetSelectedItem();
    if (!item)
        m_pInfo->clear();
    else if (item->childCount() > 0)
        m_pInfo->setText(item->text(0) + QStringLiteral("\nA favourites folder."));
}

bool CManageFavouritesDialog::event(QEvent* pEvent)
{
    if (auto* m = CRegisteredEvent::As(pEvent, RegisteredMessage::nMsgFavourite)) {
        ShowDetails();
        m->SetResult(0);
        return true;
    }
    return CBaseDialog::event(pEvent);
}

bool CManageFavouritesDialog::Ask(const QString& strText, const QString& strCaption, QWidget* pOwner)
{
    return platform::messageBox(pOwner ? pOwner : this, strText, strCaption,
                                platform::MB_YESNO | platform::MB_ICONQUESTION) == platform::IDYES;
}

// ---------------------------------------------------------------- tree

void CManageFavouritesDialog::FillTree(bool bSorted)
{
    for (int i = 0; i < m_favourites.GetCount(); ++i) {
        const CFavouriteEntry* entry = m_favourites.GetEntry(i);
        QTreeWidgetItem* item =
            m_pTree->AddItemPath(entry->GetFolder(), entry->GetTitle(), i,
                                 bSorted ? CFavouritesTree::INSERT_SORTED : CFavouritesTree::INSERT_LAST);
        CFavouritesTree::SetItemData(item, i);
    }
}

void CManageFavouritesDialog::RebuildTree(bool bSorted)
{
    QStringList open;
    m_pTree->GetExpandedFolders(open);
    {
        const QSignalBlocker block(m_pTree);
        m_pTree->clear();
    }
    FillTree(bSorted);
    if (m_pTree->topLevelItem(0))
        m_pTree->SelectItem(m_pTree->topLevelItem(0));
    m_pTree->ExpandFolders(open);
    ShowDetails();
}

QList<CManageFavouritesDialog::TreeFavourite> CManageFavouritesDialog::WalkTree() const
{
    QList<TreeFavourite> found;
    std::function<void(const QTreeWidgetItem*, const QString&)> walk = [&](const QTreeWidgetItem* parent,
                                                                           const QString& path) {
        for (int i = 0; i < m_pTree->ChildCount(parent); ++i) {
            const QTreeWidgetItem* item = m_pTree->Child(parent, i);
            if (item->childCount() > 0 || !CFavouritesTree::IsFavourite(item))
                walk(item, path.isEmpty() && !parent ? item->text(0) : path + QLatin1Char('\\') + item->text(0));
            else
                found.append({path, item->text(0), CFavouritesTree::GetItemData(item)});
        }
    };
    walk(nullptr, QString());
    return found;
}

void CManageFavouritesDialog::BuildCollection(CFavouritesCollection& collection) const
{
    for (const TreeFavourite& f : WalkTree())
        if (const CMemoryChannel* source = m_favourites.GetAt(int(f.nIndex)))
            collection.AddFromRecord(*source, f.strFolder, f.strTitle);
}

void CManageFavouritesDialog::SaveAll()
{
    OrganiserCursor wait;
    CFavouritesCollection saved;
    BuildCollection(saved);
    saved.Save();
    GetFavourites().Load();
    FavouritesSaved();
    m_bChanged = false;
    UpdateButtons();
}

// ---------------------------------------------------------------- buttons

void CManageFavouritesDialog::CreateFolderUnder(QTreeWidgetItem* pParent)
{
    QTreeWidgetItem* folder = m_pTree->InsertItem(QStringLiteral("New Folder"), CFavouritesTree::IMAGE_FOLDER, 0, pParent);
    m_pTree->SelectItem(folder);
    OnEdit();
}

void CManageFavouritesDialog::OnCreateFolder()
{
    QTreeWidgetItem* item = m_pTree->GetSelectedItem();
    CreateFolderUnder(item && CFavouritesTree::IsFolder(item) ? item : (item ? item->parent() : nullptr));
}

void CManageFavouritesDialog::OnCreateRoot()
{
    CreateFolderUnder(nullptr);
}

void CManageFavouritesDialog::OnEdit()
{
    QTreeWidgetItem* item = m_pTree->GetSelectedItem();
    if (!item)
        return;
    CFavouriteEntry* entry = CFavouritesTree::IsFavourite(item) ? EntryOf(item) : nullptr;
    if (!entry) {
        m_pTree->EditLabel(item);
        return;
    }
    QStringList titles;
    for (int i = 0; i < m_favourites.GetCount(); ++i)
        titles << m_favourites.GetAt(i)->GetTitle();
    CEditFavouriteDialog dialog(this, entry, titles);
    if (dialog.DoModal() != platform::IDOK)
        return;
    entry->SetRxFrequency(dialog.GetFrequency());
    entry->SetMode(dialog.GetMode());
    entry->SetTitle(dialog.GetTitle());
    entry->SetRepeaterSettings(dialog.GetSettings());
    {
        const QSignalBlocker block(m_pTree);
        item->setText(0, dialog.GetTitle());
    }
    SetChanged();
    ShowDetails();
}

void CManageFavouritesDialog::OnLabelEditEnded(QTreeWidgetItem* pItem, const QString& strNew, const QString& strOld)
{
    QString text = strNew.isEmpty() ? strOld : strNew;
    if (text != strOld && CFavouritesTree::IsFavourite(pItem)) {
        bool inUse = false;
        for (int i = 0; i < m_favourites.GetCount() && !inUse; ++i)
            inUse = m_favourites.GetAt(i)->GetTitle() == text;
        if (inUse) {
            platform::messageBox(this, QStringLiteral("The name \"%1\" is in use.").arg(text),
                                 QStringLiteral("Edit Name"), platform::MB_OK | platform::MB_ICONERROR);
            QTimer::singleShot(0, m_pTree, [tree = m_pTree, pItem] { tree->EditLabel(pItem); });
            return;
        }
        if (CFavouriteEntry* entry = EntryOf(pItem))
            entry->SetTitle(text);
    }
    if (text != strOld) {
        {
            const QSignalBlocker block(m_pTree);
            pItem->setText(0, text);
        }
        SetChanged();
    }
}

void CManageFavouritesDialog::OnDelete()
{
    QTreeWidgetItem* item = m_pTree->GetSelectedItem();
    if (!item)
        return;
    const QString question = item->childCount() > 0
        ? QStringLiteral("Are you sure you want to delete the folder ") + item->text(0) +
              QStringLiteral(" and all its contents?")
        : QStringLiteral("Are you sure you want to delete the entry ") + item->text(0) + QStringLiteral("?");
    if (!Ask(question, QStringLiteral("Delete")))
        return;
    delete item;
    SetChanged();
    ShowDetails();
}

void CManageFavouritesDialog::OnCopy()
{
    QTreeWidgetItem* item = m_pTree->GetSelectedItem();
    if (!item || !CFavouritesTree::IsFavourite(item))
        return;
    QTreeWidgetItem* parent = item->parent();
    QString name;
    for (int n = 2;; ++n) {
        name = QStringLiteral("%1 (%2)").arg(item->text(0)).arg(n);
        if (!m_pTree->FindChild(parent, name))
            break;
    }
    const int index = m_favourites.Duplicate(int(CFavouritesTree::GetItemData(item)), QString(), name);
    if (index < 0)
        return;
    QTreeWidgetItem* copy = m_pTree->InsertItem(name, CFavouritesTree::GetItemImage(item), index, parent, item);
    m_pTree->SelectItem(copy);
    m_pTree->scrollToItem(copy);
    SetChanged();
}

void CManageFavouritesDialog::MoveItem(QTreeWidgetItem* pTarget, QTreeWidgetItem* pItem)
{
    if (!pItem)
        return;
    for (QTreeWidgetItem* p = pTarget; p; p = p->parent()) {
        if (p == pItem) {
            platform::errorBox(this, QStringLiteral("Sorry, this is not allowed."));
            return;
        }
    }
    QTreeWidgetItem* copy = m_pTree->InsertItem(pItem->text(0), CFavouritesTree::GetItemImage(pItem),
                                                CFavouritesTree::GetItemData(pItem), pTarget);
    if (pItem->childCount() > 0) {
        m_pTree->Fill(*m_pTree, copy, pItem, true);
        if (pItem->isExpanded())
            copy->setExpanded(true);
    }
    m_pTree->SelectItem(copy);
    if (m_pDragged == pItem)
        m_pDragged = nullptr;
    if (m_pTarget == pItem)
        m_pTarget = nullptr;
    delete pItem;
    SetChanged();
    ShowDetails();
}

void CManageFavouritesDialog::OnMoveToFolder()
{
    QTreeWidgetItem* item = m_pTree->GetSelectedItem();
    if (!item)
        return;
    QString path;
    {
        OrganiserCursor wait;
        CBrowseFolderDialog dialog(this, *m_pTree);
        if (dialog.DoModal() != platform::IDOK)
            return;
        path = dialog.GetFolderPath();
    }
    QTreeWidgetItem* target = nullptr;
    if (!path.isEmpty()) {
        for (const QString& level : path.split(QLatin1Char('\\'))) {
            target = m_pTree->FindChild(target, level);
            if (!target)
                return;
        }
    }
    MoveItem(target, item);
}

void CManageFavouritesDialog::OnUp()
{
    QTreeWidgetItem* item = m_pTree->GetSelectedItem();
    if (!item)
        return;
    QTreeWidgetItem* parent = item->parent();
    const int index = parent ? parent->indexOfChild(item) : m_pTree->indexOfTopLevelItem(item);
    if (index <= 0)
        return;
    // The item data (the entry's index) travels with the item unchanged.
    QSet<QTreeWidgetItem*> expanded;
    collectExpanded(item, expanded);
    const QSignalBlocker block(m_pTree);
    QTreeWidgetItem* taken = parent ? parent->takeChild(index) : m_pTree->takeTopLevelItem(index);
    if (parent)
        parent->insertChild(index - 1, taken);
    else
        m_pTree->insertTopLevelItem(index - 1, taken);
    restoreExpanded(taken, expanded);
    m_pTree->setCurrentItem(taken);
    m_pTree->scrollToItem(taken);
    SetChanged();
    ShowDetails();
}

void CManageFavouritesDialog::OnDown()
{
    QTreeWidgetItem* item = m_pTree->GetSelectedItem();
    if (!item)
        return;
    QTreeWidgetItem* parent = item->parent();
    const int index = parent ? parent->indexOfChild(item) : m_pTree->indexOfTopLevelItem(item);
    if (index < 0 || index + 1 >= m_pTree->ChildCount(parent))
        return;
    // Moving the next sibling up keeps the selected item's own subtree in place.
    QTreeWidgetItem* next = m_pTree->Child(parent, index + 1);
    QSet<QTreeWidgetItem*> expanded;
    collectExpanded(next, expanded);
    const QSignalBlocker block(m_pTree);
    QTreeWidgetItem* taken = parent ? parent->takeChild(index + 1) : m_pTree->takeTopLevelItem(index + 1);
    if (parent)
        parent->insertChild(index, taken);
    else
        m_pTree->insertTopLevelItem(index, taken);
    restoreExpanded(taken, expanded);
    m_pTree->setCurrentItem(item);
    m_pTree->scrollToItem(item);
    SetChanged();
    ShowDetails();
}

void CManageFavouritesDialog::OnLoad()
{
    if (!Ask(QStringLiteral("This will replace the current favourites with file you select.\n \nContinue?"),
             QStringLiteral("Load Favourites")))
        return;
    OrganiserCursor wait;
    QString path = QStringLiteral("FT-817 Favourites.txt");
    if (!ChooseTextFileToOpen(this, path, QStringLiteral("Load Favourite Definitions")))
        return;
    // Read aside first: a file that is not a favourites file changes nothing.
    CFavouritesCollection loaded;
    loaded.LoadFrom(path);
    if (!CLoadFavouritesDialog::CheckFile(this, loaded, path, QStringLiteral("Load Favourites")))
        return;
    m_bChanged = true;
    m_favourites.LoadFrom(path);
    RebuildTree(false);
}

void CManageFavouritesDialog::OnDefaults()
{
    if (!Ask(QStringLiteral("This will replace the current favourites with the default list.\n \nContinue?"),
             QStringLiteral("Load Defaults"), GetMainFrame()))
        return;
    m_bChanged = true;
    // Only the final save writes the favourites file: Cancel keeps the old one.
    m_favourites.FillDefaults();
    RebuildTree(false);
}

void CManageFavouritesDialog::OnMerge()
{
    if (!Ask(QStringLiteral("This will merge selected entries from the file you select into the current favourites.\n \nContinue?"),
             QStringLiteral("Merge Favourites")))
        return;
    CLoadFavouritesDialog dialog(this, &m_favourites);
    dialog.DoModal();
    if (dialog.IsAdded()) {
        m_bChanged = true;
        RebuildTree(false);
    }
}

void CManageFavouritesDialog::OnSort()
{
    if (!Ask(QStringLiteral("This option sorts the entire list in ascending alphabetical order.\n \nContinue?"),
             QStringLiteral("Sort List")))
        return;
    m_bChanged = true;
    RebuildTree(true);
}

void CManageFavouritesDialog::OnSave()
{
    OrganiserCursor wait;
    QString path = QStringLiteral("FT-817 Favourites.txt");
    if (!ChooseTextFileToSave(this, path, QStringLiteral("Save Favourite Definitions")))
        return;
    CFavouritesCollection saved;
    BuildCollection(saved);
    saved.SaveAs(path);
}

void CManageFavouritesDialog::RenameFolder(const QString& strOld, const QString& strNew, int nIndex)
{
    if (nIndex == -1) {
        for (int i = 0; i < m_favourites.GetCount(); ++i) {
            CMemoryChannel* entry = m_favourites.GetAt(i);
            const QString folder = entry->GetFolder();
            if (folder == strOld)
                entry->SetFolder(strNew);
            else if (folder.startsWith(strOld + QLatin1Char('\\')))
                entry->SetFolder(strNew + folder.mid(strOld.size()));
        }
    } else if (CMemoryChannel* entry = m_favourites.GetAt(nIndex)) {
        entry->SetFolder(strNew);
    }
    RebuildTree(false);
    m_pTree->viewport()->update();
    SetChanged();
}

// ---------------------------------------------------------------- closing

void CManageFavouritesDialog::OnCloseButton()
{
    if (m_bChanged)
        SaveAll();
    done(Accepted);
}

void CManageFavouritesDialog::OnCancel()
{
    if (m_bDragging) {
        CancelDrag();
        return;
    }
    if (m_bChanged && Ask(QStringLiteral("You have outstanding changes. Save now?"), windowTitle()))
        SaveAll();
    done(Rejected);
}

void CManageFavouritesDialog::keyPressEvent(QKeyEvent* pEvent)
{
    if (pEvent->key() == Qt::Key_Escape && m_bDragging) {
        CancelDrag();
        pEvent->accept();
        return;
    }
    CBaseDialog::keyPressEvent(pEvent);
}

// ---------------------------------------------------------------- drag and drop

QTreeWidgetItem* CManageFavouritesDialog::ItemUnderCursor() const
{
    return m_pTree->itemAt(m_pTree->viewport()->mapFromGlobal(m_dragGlobal));
}

void CManageFavouritesDialog::MarkDropTarget(QTreeWidgetItem* pItem)
{
    if (m_pMarked == pItem)
        return;
    if (m_pMarked)
        m_pMarked->setBackground(0, QBrush());
    m_pMarked = pItem;
    if (pItem)
        pItem->setBackground(0, palette().brush(QPalette::Highlight).color().lighter(150));
}

void CManageFavouritesDialog::BeginDrag(QTreeWidgetItem* pItem, QPoint point)
{
    if (m_bDragging || !pItem)
        return;
    m_pTree->viewport()->grabMouse();
    m_pDragged = pItem;
    m_pTree->SelectItem(pItem);
    delete m_pDragImage;
    m_pDragImage = new QLabel;
    m_pDragImage->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
    m_pDragImage->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_pDragImage->setText(pItem->text(0));
    m_pDragImage->adjustSize();
    m_dragImageSize = m_pDragImage->size();
    m_bDragging = true;
    m_dragGlobal = m_pTree->viewport()->mapToGlobal(point);
    m_pDragImage->move(m_dragGlobal - QPoint(m_dragImageSize.width() / 2, m_dragImageSize.height() / 2));
    m_pDragImage->show();
    m_nScrollTicks = 0;
    m_scrollTimer.start(kScrollTimerMs, this);
}

void CManageFavouritesDialog::DragMove(QPoint point)
{
    if (!m_bDragging)
        return;
    m_dragGlobal = m_pTree->viewport()->mapToGlobal(point);
    if (m_pDragImage)
        m_pDragImage->move(m_dragGlobal - QPoint(m_dragImageSize.width() / 2, m_dragImageSize.height() / 2));
    QTreeWidgetItem* item = m_pTree->itemAt(point);
    const bool overFolder = item && CFavouritesTree::IsFolder(item);
    if (overFolder) {
        MarkDropTarget(item);
        m_pTarget = item;
    }
    m_hoverTimer.stop();
    if (overFolder)
        m_hoverTimer.start(kHoverTimerMs, this);
}

void CManageFavouritesDialog::StopDrag()
{
    m_pTree->viewport()->releaseMouse();
    delete m_pDragImage;
    MarkDropTarget(nullptr);
    m_scrollTimer.stop();
    m_bDragging = false;
}

void CManageFavouritesDialog::DragDrop()
{
    if (!m_bDragging)
        return;
    QTreeWidgetItem* target = m_pTarget;
    QTreeWidgetItem* dragged = m_pDragged;
    StopDrag();
    if (target && dragged && target != dragged && CFavouritesTree::IsFolder(target))
        MoveItem(target, dragged);
    m_pDragged = nullptr;
    m_pTarget = nullptr;
    m_pTree->viewport()->update();
}

void CManageFavouritesDialog::CancelDrag()
{
    if (!m_bDragging)
        return;
    StopDrag();
    m_pDragged = nullptr;
    m_pTarget = nullptr;
    m_pTree->viewport()->update();
}

void CManageFavouritesDialog::OnHoverTimer()
{
    m_hoverTimer.stop();
    QTreeWidgetItem* item = ItemUnderCursor();
    if (item && CFavouritesTree::IsFolder(item))
        item->setExpanded(true);
}

void CManageFavouritesDialog::OnScrollTimer()
{
    ++m_nScrollTicks;
    const QRect client(mapToGlobal(QPoint(0, 0)), size());
    const int y = m_dragGlobal.y();
    QScrollBar* bar = m_pTree->verticalScrollBar();
    if (y < client.top() + 10) {
        const int n = std::max(1, 6 - (client.top() + 10 - y) / 20);
        if (m_nScrollTicks % n == 0) {
            bar->setValue(bar->value() - 1);
            QTreeWidgetItem* first = m_pTree->itemAt(0, 0);
            MarkDropTarget(first);
            m_pTarget = first;
        }
    } else if (y > client.bottom() - 10) {
        const int n = std::max(1, 6 - (y - client.bottom() + 10) / 20);
        if (m_nScrollTicks % n == 0) {
            // The item a page below the first one shown, read before the scroll.
            QTreeWidgetItem* item = m_pTree->itemAt(0, 0);
            const int rows = item ? std::max(1, m_pTree->viewport()->height() /
                                                    std::max(1, m_pTree->visualItemRect(item).height()))
                                  : 0;
            for (int i = 0; item && i < rows - 1; ++i)
                item = m_pTree->NextVisible(item);
            bar->setValue(bar->value() + 1);
            MarkDropTarget(item);
            m_pTarget = item;
        }
    }
}

void CManageFavouritesDialog::timerEvent(QTimerEvent* pEvent)
{
    if (pEvent->timerId() == m_scrollTimer.timerId()) {
        OnScrollTimer();
        return;
    }
    if (pEvent->timerId() == m_hoverTimer.timerId()) {
        OnHoverTimer();
        return;
    }
    CBaseDialog::timerEvent(pEvent);
}

bool CManageFavouritesDialog::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pWatched == m_pTree && pEvent->type() == QEvent::KeyPress && m_bDragging &&
        static_cast<QKeyEvent*>(pEvent)->key() == Qt::Key_Escape) {
        CancelDrag();
        return true;
    }
    if (pWatched != m_pTree->viewport())
        return CBaseDialog::eventFilter(pWatched, pEvent);
    switch (pEvent->type()) {
    case QEvent::MouseButtonPress: {
        auto* e = static_cast<QMouseEvent*>(pEvent);
        if (e->button() == Qt::LeftButton) {
            m_pressPoint = e->position().toPoint();
            m_pPressed = m_pTree->itemAt(m_pressPoint);
        }
        break;
    }
    case QEvent::MouseMove: {
        auto* e = static_cast<QMouseEvent*>(pEvent);
        const QPoint point = e->position().toPoint();
        if (m_bDragging) {
            DragMove(point);
            return true;
        }
        if ((e->buttons() & Qt::LeftButton) && m_pPressed && !m_pTree->IsEditing() &&
            (point - m_pressPoint).manhattanLength() >= QApplication::startDragDistance()) {
            BeginDrag(m_pPressed, m_pressPoint);
            DragMove(point);
            return true;
        }
        break;
    }
    case QEvent::MouseButtonRelease:
        m_pPressed = nullptr;
        if (m_bDragging && static_cast<QMouseEvent*>(pEvent)->button() == Qt::LeftButton) {
            DragDrop();
            return true;
        }
        break;
    default:
        break;
    }
    return CBaseDialog::eventFilter(pWatched, pEvent);
}
