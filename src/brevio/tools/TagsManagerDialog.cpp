#include "brevio/tools/TagsManagerDialog.h"

#include "platform/Prompter.h"
#include "brevio/core/MainFrame.h"
#include "brevio/tools/ListImages.h"
#include "brevio/tools/TagEditorDialog.h"
#include "brevio/tools/TagsBar.h"
#include "brevio/tools/ToolDialogs.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/OwnFileDialog.h"
#include "shared/ui/OwnListCtrl.h"

#include <QApplication>

namespace {
void RegisterManagerToolbar()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    using D = CTagsManagerDialog;
    RegisterToolbarResource(D::IDR_TOOLBAR,
                            {{D::ID_NEW, QImage(), QStringLiteral("Define a new tag\nNew"), QStringLiteral("list-add")},
                             {D::ID_COPY, QImage(), QStringLiteral("Copy the selected tag\nCopy"), QStringLiteral("edit-copy")},
                             {D::ID_EDIT, QImage(), QStringLiteral("Edit the selected tag\nEdit"), QStringLiteral("document-properties")},
                             {D::ID_DELETE, QImage(), QStringLiteral("Delete the selected tags\nDelete"), QStringLiteral("edit-delete")},
                             {0, QImage(), QString()},
                             {D::ID_SORT, QImage(), QStringLiteral("Sort the tags\nSort Alphabetically"), QStringLiteral("view-sort-ascending")},
                             {D::ID_MOVE_UP, QImage(), QStringLiteral("Move the tag up\nMove Up"), QStringLiteral("go-up")},
                             {D::ID_MOVE_DOWN, QImage(), QStringLiteral("Move the tag down\nMove Down"), QStringLiteral("go-down")},
                             {0, QImage(), QString()},
                             {D::ID_LOAD, QImage(), QStringLiteral("Load tag definitions\nLoad From File"), QStringLiteral("document-open")},
                             {D::ID_SAVE_AS, QImage(), QStringLiteral("Save tag definitions\nSave To File"), QStringLiteral("document-save-as")}});
}

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};
} // namespace

CTagsManagerDialog::CTagsManagerDialog(QWidget* pParent, const CTagStore& store) : CBaseDialog(IDD, pParent)
{
    m_working.CopyFrom(store);
    setWindowTitle(QStringLiteral("Tags Manager"));
    resize(560, 360);
    m_pList = new COwnListCtrl(this);
    SetDlgCtrlID(m_pList, IDC_LIST);
    m_pList->setGeometry(8, 8, 544, 304);
    m_pSave = new COXBitmapButton(this);
    SetDlgCtrlID(m_pSave, IDC_SAVE);
    m_pSave->SetButtonText(QStringLiteral("&Save"));
    m_pSave->setGeometry(300, 324, 80, 28);
    auto* ok = new COXBitmapButton(this);
    SetDlgCtrlID(ok, 1);
    ok->SetButtonText(QStringLiteral("OK"));
    ok->setGeometry(386, 324, 80, 28);
    auto* cancel = new COXBitmapButton(this);
    SetDlgCtrlID(cancel, 2);
    cancel->SetButtonText(QStringLiteral("Cancel"));
    cancel->setGeometry(472, 324, 80, 28);
    connect(m_pSave, &QPushButton::clicked, this, [this] { Save(); });
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel, &QPushButton::clicked, this, [this] { OnCancel(); });
    connect(m_pList, &QTreeWidget::itemChanged, this,
            [this](QTreeWidgetItem* item, int column) { OnItemChanged(m_pList->indexOfTopLevelItem(item), column); });
    connect(m_pList, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (m_pList->HasSingleSelection())
            OnEdit();
    });
    static const DialogGeometry::AnchorRow anchors[] = {
        {IDC_LIST, 2, 2, 0, 0},
        {IDC_SAVE, 0, 0, 0, 2},
        {1, 0, 0, 0, 2},
        {2, 0, 0, 0, 2},
    };
    SetAnchors(anchors, int(std::size(anchors)));
}

CTagsManagerDialog::~CTagsManagerDialog() = default;

QString CTagsManagerDialog::Comment(const CTag& tag)
{
    if (tag.m_bLocked)
        return QStringLiteral("Locked, cannot be edited");
    return tag.m_bOwnStation ? QStringLiteral("My station") : QStringLiteral("His information");
}

bool CTagsManagerDialog::OnInitDialog()
{
    RegisterManagerToolbar();
    LoadToolbar(IDR_TOOLBAR, IDC_LIST, true);
    CBaseDialog::OnInitDialog();
    m_strCaption = windowTitle();
    if (auto* ok = qobject_cast<COXBitmapButton*>(GetDlgItem(1))) {
        ok->LoadBitmapResource(313, false, RGB(0, 0, 255));
        ok->SetLookFlag(true);
    }
    if (auto* cancel = qobject_cast<COXBitmapButton*>(GetDlgItem(2)))
        cancel->LoadBitmapResource(314, false, RGB(0, 0, 255));
    m_pSave->LoadBitmapResource(218, false, RGB(255, 0, 0));
    m_pSave->SetLookFlag(true);
    m_pList->SetColumns({{QStringLiteral("Enabled"), LVCFMT_LEFT},
                         {QStringLiteral("Title"), LVCFMT_LEFT},
                         {QStringLiteral("Logbook Field"), LVCFMT_LEFT},
                         {QStringLiteral("Comment"), LVCFMT_LEFT}});
    m_pList->SetFullRowSelect();
    m_pList->EnableCheckBoxes();
    m_pList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_pList->SetImageList(LoadListImages({738, 748, 739}));
    FillList(QString());
    SetModified(false);
    return true;
}

void CTagsManagerDialog::FillList(const QString& strSelect)
{
    m_bReady = false;
    m_pList->setUpdatesEnabled(false);
    while (m_pList->GetItemCount() > m_working.GetCount())
        m_pList->DeleteItem(0);
    while (m_pList->GetItemCount() < m_working.GetCount())
        m_pList->InsertItem(0, QString());
    for (int i = 0; i < m_working.GetCount(); ++i) {
        const CTag* tag = m_working.GetAt(i);
        m_pList->SetCheck(i, tag->m_bEnabled != 0);
        m_pList->SetItemText(i, 1, tag->m_strTitle);
        m_pList->SetItemText(i, 2, tag->m_strLogField);
        m_pList->SetItemText(i, 3, Comment(*tag));
        m_pList->SetItemImage(i, tag->m_bOwnStation ? ImageOwn : tag->m_bLocked ? ImageLocked : ImagePlain);
        m_pList->SetItemData(i, (tag->m_bLocked ? kLockedBit : 0u) | (tag->m_bOwnStation ? kOwnBit : 0u));
    }
    m_pList->AutoSizeColumns();
    m_pList->DeselectAll();
    if (!strSelect.isEmpty())
        m_pList->SelectText(strSelect, 1);
    m_pList->setUpdatesEnabled(true);
    m_bReady = true;
}

void CTagsManagerDialog::ApplyList()
{
    QStringList titles;
    for (int r = 0; r < m_pList->GetItemCount(); ++r) {
        const QString title = m_pList->GetItemText(r, 1);
        if (CTag* tag = m_working.FindByTitle(title))
            tag->m_bEnabled = m_pList->GetCheck(r) ? 1 : 0;
        titles.append(title);
    }
    m_working.Reorder(titles);
}

void CTagsManagerDialog::OnItemChanged(int nRow, int nColumn)
{
    if (!m_bReady || nRow < 0 || nColumn != 0)
        return;
    const CTag* tag = m_working.FindByTitle(m_pList->GetItemText(nRow, 1));
    if (tag && (tag->m_bEnabled != 0) != m_pList->GetCheck(nRow))
        SetModified(true);
}

void CTagsManagerDialog::SetModified(bool bModified)
{
    m_bModified = bModified;
    setWindowTitle(bModified ? m_strCaption + QStringLiteral(" *") : m_strCaption);
    m_pSave->Enable(bModified);
    if (auto* ok = qobject_cast<COXBitmapButton*>(GetDlgItem(1)))
        ok->Enable(true);
}

bool CTagsManagerDialog::IsCommandEnabled(unsigned nId) const
{
    const int rows = m_pList->GetItemCount();
    const int selected = m_pList->GetFirstSelectedItem();
    switch (nId) {
    case ID_COPY:
    case ID_EDIT:
        return m_pList->HasSingleSelection();
    case ID_DELETE:
        return m_pList->HasSelection();
    case ID_SORT:
    case ID_SAVE_AS:
        return rows > 0;
    case ID_MOVE_UP:
        return m_pList->HasSingleSelection() && selected > 0;
    case ID_MOVE_DOWN:
        return m_pList->HasSingleSelection() && selected >= 0 && selected < rows - 1;
    default:
        return true;
    }
}

void CTagsManagerDialog::OnUpdateCommand(CCmdUI& cmdUI)
{
    cmdUI.Enable(IsCommandEnabled(cmdUI.m_nID));
}

bool CTagsManagerDialog::OnCommand(unsigned nId)
{
    if (!IsCommandEnabled(nId))
        return true;
    switch (nId) {
    case ID_NEW:
        OnNew();
        return true;
    case ID_COPY:
        OnCopy();
        return true;
    case ID_EDIT:
        OnEdit();
        return true;
    case ID_DELETE:
        OnDelete();
        return true;
    case ID_SORT:
        OnSort();
        return true;
    case ID_MOVE_UP:
        OnMove(-1);
        return true;
    case ID_MOVE_DOWN:
        OnMove(1);
        return true;
    case ID_LOAD:
        OnLoad();
        return true;
    case ID_SAVE_AS:
        OnSaveAs();
        return true;
    default:
        return false;
    }
}

void CTagsManagerDialog::OnNew()
{
    ApplyList();
    QStringList titles;
    m_pList->GetColumnTexts(titles, 1);
    CTagEditorDialog editor(this, titles);
    if (RunToolDialog(editor) != platform::IDOK)
        return;
    m_working.Add(editor.m_strTitle, editor.m_strLogField, editor.m_bOwnStation, editor.m_bEnabled, 0);
    FillList(editor.m_strTitle);
    SetModified(true);
}

void CTagsManagerDialog::OnCopy()
{
    ApplyList();
    const int row = m_pList->GetFirstSelectedItem();
    const QString title = m_pList->GetItemText(row, 1);
    const QString field = m_pList->GetItemText(row, 2);
    const uint32_t data = uint32_t(m_pList->GetItemData(row));
    QString copy = QStringLiteral("Copy of ") + title;
    for (int n = 2; m_working.FindByTitle(copy); ++n)
        copy = QStringLiteral("Copy %1 of %2").arg(n).arg(title);
    m_working.Add(copy, field, (data & kOwnBit) ? 1 : 0, m_pList->GetCheck(row) ? 1 : 0, (data & kLockedBit) ? 1 : 0);
    FillList(copy);
    OnEdit();
    SetModified(true);
}

void CTagsManagerDialog::OnEdit()
{
    ApplyList();
    const int row = m_pList->GetFirstSelectedItem();
    const CTag* tag = m_working.FindByTitle(m_pList->GetItemText(row, 1));
    if (!tag)
        return;
    if (tag->m_bLocked) {
        platform::messageBox(this, QStringLiteral("This tag is locked and cannot be edited."), QStringLiteral("Edit"),
                             platform::MB_OK | int(platform::MB_ICONERROR));
        return;
    }
    QStringList titles;
    m_pList->GetColumnTexts(titles, 1);
    const QString oldTitle = tag->m_strTitle;
    CTagEditorDialog editor(this, tag->m_strTitle, tag->m_strLogField, m_pList->GetCheck(row) ? 1 : 0,
                            tag->m_bOwnStation, tag->m_bLocked, titles);
    if (RunToolDialog(editor) != platform::IDOK)
        return;
    m_working.Update(oldTitle, editor.m_strTitle, editor.m_strLogField, editor.m_bOwnStation, editor.m_bEnabled, 0);
    FillList(editor.m_strTitle);
    SetModified(true);
}

void CTagsManagerDialog::OnDelete()
{
    if (platform::messageBox(this, QStringLiteral("Really delete the selected tags ?"), QStringLiteral("Delete"),
                             platform::MB_YESNO | int(platform::MB_ICONQUESTION)) != platform::IDYES)
        return;
    ApplyList();
    QStringList titles;
    bool lockedSelected = false;
    for (int r = 0; r < m_pList->GetItemCount(); ++r) {
        if (!m_pList->IsItemSelected(r))
            continue;
        if (uint32_t(m_pList->GetItemData(r)) & kLockedBit)
            lockedSelected = true;
        else
            titles.append(m_pList->GetItemText(r, 1));
    }
    if (lockedSelected)
        platform::messageBox(this, QStringLiteral("Locked tags cannot be deleted."), QStringLiteral("Delete"),
                             platform::MB_OK | int(platform::MB_ICONWARNING));
    for (const QString& title : titles)
        m_working.DeleteByTitle(title);
    FillList(QString());
    SetModified(true);
}

void CTagsManagerDialog::OnSort()
{
    m_bReady = false;
    m_pList->Resort();
    m_bReady = true;
    SetModified(true);
}

void CTagsManagerDialog::OnMove(int nDelta)
{
    const int row = m_pList->GetFirstSelectedItem();
    const int other = row + nDelta;
    if (row < 0 || other < 0 || other >= m_pList->GetItemCount())
        return;
    m_bReady = false;
    m_pList->MoveItem(row, other);
    m_pList->DeselectAll();
    m_pList->SelectItem(other, true);
    m_bReady = true;
    SetModified(true);
}

void CTagsManagerDialog::OnLoad()
{
    WaitCursor wait;
    QString path = CTagStore::DefaultFileName();
    if (!ChooseTextFileToOpen(this, path, QStringLiteral("Load Tag Definitions")))
        return;
    // A file that is not one leaves the list as it was.
    QString error;
    if (!m_working.Load(path, &error)) {
        if (!error.isEmpty())
            m_working.Guard().TellNotLoaded(path, error, this);
        return;
    }
    FillList(QString());
    SetModified(true);
}

void CTagsManagerDialog::OnSaveAs()
{
    QString path = CTagStore::DefaultFileName();
    if (!ChooseTextFileToSave(this, path, QStringLiteral("Save Tag Definitions (can be restored later)")))
        return;
    ApplyList();
    m_working.Save(path);
}

void CTagsManagerDialog::Save()
{
    WaitCursor wait;
    ApplyList();
    if (CMainFrame* frame = GetMainFrame())
        if (auto* bar = dynamic_cast<CTagsBar*>(frame->GetTagsBar()))
            bar->SaveIfNeeded();
    Tags().CopyFrom(m_working);
    // Changes not written stay marked, so Save can be tried again.
    if (Tags().SaveDefault())
        SetModified(false);
}

void CTagsManagerDialog::OnOK()
{
    Save();
    done(Accepted);
}

void CTagsManagerDialog::OnCancel()
{
    if (m_bModified && !ConfirmCancel())
        return;
    done(Rejected);
}
