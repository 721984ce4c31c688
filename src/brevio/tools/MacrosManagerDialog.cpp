#include "brevio/tools/MacrosManagerDialog.h"

#include "brevio/tools/MacroBulkEdit.h"
#include "brevio/tools/MacroEditorDialog.h"
#include "brevio/tools/ToolDialogs.h"
#include "platform/Prompter.h"
#include "shared/StringEx.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/OwnFileDialog.h"
#include "shared/ui/OwnListCtrl.h"

#include <QMenuBar>

namespace {
constexpr const char* kCommandId = "commandId";

void RegisterManagerToolbar()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    using D = CMacrosManagerDialog;
    RegisterToolbarResource(D::IDR_TOOLBAR,
                            {{D::ID_NEW, QImage(), QStringLiteral("Define a new macro\nNew"), QStringLiteral("list-add")},
                             {D::ID_COPY, QImage(), QStringLiteral("Copy the selected macro\nCopy"), QStringLiteral("edit-copy")},
                             {D::ID_EDIT, QImage(), QStringLiteral("Edit the selected macro\nEdit"), QStringLiteral("document-properties")},
                             {D::ID_BULK_EDIT, QImage(),
                              QStringLiteral("Find and replace in the macros\nBulk Edit"), QStringLiteral("bulk-edit")},
                             {D::ID_DELETE, QImage(), QStringLiteral("Delete the selected macros\nDelete"), QStringLiteral("edit-delete")},
                             {0, QImage(), QString()},
                             {D::ID_SORT, QImage(), QStringLiteral("Sort the macros by title\nSort Alphabetically"), QStringLiteral("view-sort-ascending")},
                             {D::ID_MOVE_UP, QImage(), QStringLiteral("Move the macro up\nMove Up"), QStringLiteral("go-up")},
                             {D::ID_MOVE_DOWN, QImage(), QStringLiteral("Move the macro down\nMove Down"), QStringLiteral("go-down")},
                             {0, QImage(), QString()},
                             {D::ID_LOAD, QImage(), QStringLiteral("Load macro definitions\nLoad From File"), QStringLiteral("document-open")},
                             {D::ID_SAVE_AS, QImage(), QStringLiteral("Save macro definitions\nSave To File"), QStringLiteral("document-save-as")}});
}

// "Copy of X", then "Copy 2 of X", "Copy 3 of X", ... until one is free.
QString FreeCopyTitle(const CMacroStore& store, const QString& strTitle)
{
    QString title = QStringLiteral("Copy of ") + strTitle;
    for (int n = 2; store.FindByTitle(title); ++n)
        title = QStringLiteral("Copy %1 of %2").arg(n).arg(strTitle);
    return title;
}
} // namespace

CMacrosManagerDialog::CMacrosManagerDialog(QWidget* pParent, const CMacroStore& store) : CBaseDialog(IDD, pParent)
{
    m_working.CopyFrom(store);
    setWindowTitle(QStringLiteral("Macros Manager"));
    resize(620, 380);
    BuildMenus();
    const int top = m_pMenuBar->sizeHint().height() + 4;
    m_pList = new COwnListCtrl(this);
    SetDlgCtrlID(m_pList, IDC_LIST);
    m_pList->setGeometry(8, top, 604, 332 - top);
    m_pSave = new COXBitmapButton(this);
    SetDlgCtrlID(m_pSave, IDC_SAVE);
    m_pSave->SetButtonText(QStringLiteral("&Save"));
    m_pSave->setGeometry(360, 344, 80, 28);
    auto* ok = new COXBitmapButton(this);
    SetDlgCtrlID(ok, 1);
    ok->SetButtonText(QStringLiteral("OK"));
    ok->setGeometry(446, 344, 80, 28);
    auto* cancel = new COXBitmapButton(this);
    SetDlgCtrlID(cancel, 2);
    cancel->SetButtonText(QStringLiteral("Cancel"));
    cancel->setGeometry(532, 344, 80, 28);
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

CMacrosManagerDialog::~CMacrosManagerDialog() = default;

void CMacrosManagerDialog::BuildMenus()
{
    m_pMenuBar = new QMenuBar(this);
    auto add = [this](QMenu* menu, unsigned id, const QString& text) {
        QAction* action = menu->addAction(text);
        action->setProperty(kCommandId, id);
        connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
    };
    QMenu* file = m_pMenuBar->addMenu(QStringLiteral("File"));
    add(file, ID_NEW, QStringLiteral("&New"));
    add(file, ID_LOAD, QStringLiteral("&Load From File"));
    add(file, ID_SAVE_AS, QStringLiteral("&Save To File"));
    file->addSeparator();
    add(file, ID_CLOSE, QStringLiteral("&Close"));
    QMenu* edit = m_pMenuBar->addMenu(QStringLiteral("&Edit"));
    add(edit, ID_COPY, QStringLiteral("&Copy"));
    add(edit, ID_EDIT, QStringLiteral("&Edit"));
    add(edit, ID_BULK_EDIT, QStringLiteral("&Bulk Edit"));
    add(edit, ID_DELETE, QStringLiteral("&Delete"));
    QMenu* layout = m_pMenuBar->addMenu(QStringLiteral("Layout"));
    add(layout, ID_SORT, QStringLiteral("Sort Alphabetically"));
    add(layout, ID_MOVE_UP, QStringLiteral("Move &Up"));
    add(layout, ID_MOVE_DOWN, QStringLiteral("Move &Down"));
    m_pMenuBar->setGeometry(0, 0, width(), m_pMenuBar->sizeHint().height());
}

bool CMacrosManagerDialog::OnInitDialog()
{
    RegisterManagerToolbar();
    // The toolbar sits above the list, under the menu.
    LoadToolbar(IDR_TOOLBAR, {}, {IDC_LIST}, true);
    CBaseDialog::OnInitDialog();
    m_strCaption = windowTitle();
    m_pSave->LoadBitmapResource(218, false, RGB(255, 0, 0));
    m_pSave->SetLookFlag(true);
    if (auto* ok = qobject_cast<COXBitmapButton*>(GetDlgItem(1))) {
        ok->LoadBitmapResource(313, false, RGB(0, 0, 255));
        ok->SetLookFlag(true);
    }
    if (auto* cancel = qobject_cast<COXBitmapButton*>(GetDlgItem(2)))
        cancel->LoadBitmapResource(314, false, RGB(0, 0, 255));
    m_pList->SetColumns({{QStringLiteral("Enabled"), LVCFMT_LEFT},
                         {QStringLiteral("Full Title"), LVCFMT_LEFT},
                         {QStringLiteral("Short Title"), LVCFMT_LEFT},
                         {QStringLiteral("Value"), LVCFMT_LEFT}});
    m_pList->EnableCheckBoxes();
    m_pList->SetFullRowSelect();
    m_pList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Refill(QString());
    SetModified(false);
    return true;
}

void CMacrosManagerDialog::Refill(const QString& strSelect)
{
    m_bReady = false;
    m_pList->setUpdatesEnabled(false);
    while (m_pList->GetItemCount() > m_working.GetCount())
        m_pList->DeleteItem(0);
    while (m_pList->GetItemCount() < m_working.GetCount())
        m_pList->InsertItem(0, QString());
    for (int i = 0; i < m_working.GetCount(); ++i) {
        const CMacro* macro = m_working.GetAt(i);
        m_pList->SetCheck(i, macro->IsEnabled() != 0);
        m_pList->SetItemText(i, 0, QString());
        m_pList->SetItemText(i, 1, macro->GetFullTitle());
        m_pList->SetItemText(i, 2, macro->GetShortTitle());
        m_pList->SetItemText(i, 3, macro->GetLines().join(QStringLiteral(", ")));
    }
    m_pList->AutoSizeColumns();
    m_pList->DeselectAll();
    if (!strSelect.isEmpty())
        m_pList->SelectText(strSelect, 1);
    m_pList->setUpdatesEnabled(true);
    m_bReady = true;
}

void CMacrosManagerDialog::ApplyChecks()
{
    // Ticks made in the list survive every rebuild of it, not only Save.
    for (int r = 0; r < m_pList->GetItemCount(); ++r)
        if (CMacro* macro = m_working.GetAt(r))
            if (macro->GetFullTitle() == m_pList->GetItemText(r, 1) && (macro->IsEnabled() != 0) != m_pList->GetCheck(r))
                macro->SetEnabled(m_pList->GetCheck(r) ? 1 : 0);
}

void CMacrosManagerDialog::OnItemChanged(int nRow, int nColumn)
{
    if (!m_bReady || nRow < 0 || nColumn != 0)
        return;
    const CMacro* macro = m_working.GetAt(nRow);
    if (macro && (macro->IsEnabled() != 0) != m_pList->GetCheck(nRow))
        SetModified(true);
}

void CMacrosManagerDialog::SetModified(bool bModified)
{
    m_bModified = bModified;
    setWindowTitle(bModified ? m_strCaption + QStringLiteral(" *") : m_strCaption);
    if (auto* ok = qobject_cast<COXBitmapButton*>(GetDlgItem(1)))
        ok->Enable(true);
    m_pSave->Enable(bModified);
}

bool CMacrosManagerDialog::IsCommandEnabled(unsigned nId) const
{
    const int rows = m_pList->GetItemCount();
    const int selected = m_pList->GetFirstSelectedItem();
    switch (nId) {
    case ID_COPY:
    case ID_EDIT:
        return m_pList->HasSingleSelection();
    case ID_DELETE:
        return m_pList->HasSelection();
    case ID_SAVE_AS:
    case ID_SORT:
    case ID_BULK_EDIT:
        return rows > 0;
    case ID_MOVE_UP:
        return m_pList->HasSingleSelection() && selected > 0;
    case ID_MOVE_DOWN:
        return m_pList->HasSingleSelection() && selected >= 0 && selected < rows - 1;
    default:
        return true;
    }
}

void CMacrosManagerDialog::OnUpdateCommand(CCmdUI& cmdUI)
{
    cmdUI.Enable(IsCommandEnabled(cmdUI.m_nID));
}

bool CMacrosManagerDialog::OnCommand(unsigned nId)
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
    case ID_BULK_EDIT:
        OnBulkEdit();
        return true;
    case ID_DELETE:
        OnDelete();
        return true;
    case ID_LOAD:
        OnLoad();
        return true;
    case ID_SAVE_AS:
        OnSaveAs();
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
    case ID_CLOSE:
        OnCancel();
        return true;
    default:
        return false;
    }
}

void CMacrosManagerDialog::OnNew()
{
    QStringList titles;
    m_working.GetTitles(titles);
    CMacroEditorDialog editor(this, titles);
    if (RunToolDialog(editor) != platform::IDOK)
        return;
    ApplyChecks();
    m_working.Add(editor.m_strFullTitle, editor.m_strShortTitle, editor.m_definition, editor.m_bErase,
                  editor.m_bAlwaysPrompt, editor.m_bSendNow, editor.m_bSuperBrowserOnly, editor.m_nEnable, false);
    Refill(editor.m_strFullTitle);
    SetModified(true);
}

void CMacrosManagerDialog::OnCopy()
{
    const CMacro* source = m_working.FindByTitle(m_pList->GetSelectedItemText(1));
    if (!source)
        return;
    ApplyChecks();
    const QString title = FreeCopyTitle(m_working, source->GetFullTitle());
    CMacro* copy = m_working.Add(title, source->GetShortTitle(), source->GetLines(), source->IsEraseFirst(),
                                 source->IsAlwaysPrompt(), source->IsSendNow(), source->IsSuperBrowserOnly(),
                                 source->IsEnabled(), source->IsLeaveHisInfoEmpty());
    Q_UNUSED(copy);
    Refill(title);
    SetModified(true);
    OnEdit();
}

void CMacrosManagerDialog::OnEdit()
{
    const int row = m_pList->GetFirstSelectedItem();
    const QString title = m_pList->GetItemText(row, 1);
    const CMacro* macro = m_working.FindByTitle(title);
    if (!macro)
        return;
    QStringList titles;
    m_working.GetTitles(titles);
    CMacroEditorDialog editor(this, macro->GetFullTitle(), macro->GetShortTitle(), macro->GetLines(),
                              macro->IsEraseFirst(), macro->IsAlwaysPrompt(), macro->IsSendNow(),
                              macro->IsSuperBrowserOnly(), macro->IsLeaveHisInfoEmpty(), titles,
                              m_pList->GetCheck(row) ? 1 : 0);
    if (RunToolDialog(editor) != platform::IDOK)
        return;
    ApplyChecks();
    m_working.Update(title, editor.m_strFullTitle, editor.m_strShortTitle, editor.m_definition, editor.m_bErase,
                     editor.m_bAlwaysPrompt, editor.m_bSendNow, editor.m_bSuperBrowserOnly, editor.m_nEnable,
                     editor.m_bLeaveHisInfo);
    Refill(editor.m_strFullTitle);
    SetModified(true);
}

void CMacrosManagerDialog::OnBulkEdit()
{
    CMacroBulkEdit bulk(this, m_pList->HasSelection());
    if (RunToolDialog(bulk) != platform::IDOK)
        return;
    for (int r = 0; r < m_pList->GetItemCount(); ++r) {
        if (!bulk.m_bAll && !m_pList->IsItemSelected(r))
            continue;
        CMacro* macro = m_working.FindByTitle(m_pList->GetItemText(r, 1));
        if (!macro)
            continue;
        CStringEx title = macro->GetFullTitle();
        QStringList lines = macro->GetLines();
        bool changed = false;
        if (bulk.m_bReplaceTitles && title.Replace(bulk.m_strFind, bulk.m_strReplace, bulk.m_bMatchCase != 0))
            changed = true;
        if (bulk.m_bReplaceDefinitions) {
            for (QString& line : lines) {
                CStringEx text = line;
                if (text.Replace(bulk.m_strFind, bulk.m_strReplace, bulk.m_bMatchCase != 0)) {
                    line = text;
                    changed = true;
                }
            }
        }
        if (!changed)
            continue;
        SetModified(true);
        macro->m_strTitle = title;
        macro->m_lines = lines;
        m_bReady = false;
        m_pList->SetItemText(r, 1, title);
        m_pList->SetItemText(r, 3, lines.join(QStringLiteral(", ")));
        m_bReady = true;
    }
}

void CMacrosManagerDialog::OnDelete()
{
    if (platform::messageBox(this, QStringLiteral("Really delete the selected macros ?"), QStringLiteral("Delete"),
                             platform::MB_YESNO | int(platform::MB_ICONQUESTION)) != platform::IDYES)
        return;
    ApplyChecks();
    QStringList titles;
    m_pList->GetSelectedTexts(titles, 1);
    for (const QString& title : titles)
        m_working.DeleteByTitle(title);
    Refill(QString());
    SetModified(true);
}

void CMacrosManagerDialog::OnLoad()
{
    QString path = CMacroStore::DefaultFileName();
    if (!ChooseTextFileToOpen(this, path, QStringLiteral("Load Macro Definitions")))
        return;
    // A file that is not one leaves the list as it was.
    QString error;
    if (!m_working.Load(path, &error)) {
        if (!error.isEmpty())
            m_working.Guard().TellNotLoaded(path, error, this);
        return;
    }
    Refill(QString());
    SetModified(true);
}

void CMacrosManagerDialog::OnSaveAs()
{
    QString path = CMacroStore::DefaultFileName();
    if (!ChooseTextFileToSave(this, path, QStringLiteral("Save Macro Definitions (can be restored later)")))
        return;
    ApplyChecks();
    m_working.Save(path);
}

void CMacrosManagerDialog::OnSort()
{
    ApplyChecks();
    m_working.SortByTitle();
    Refill(QString());
    SetModified(true);
}

void CMacrosManagerDialog::OnMove(int nDelta)
{
    const int row = m_pList->GetFirstSelectedItem();
    const int other = row + nDelta;
    if (row < 0 || other < 0 || other >= m_pList->GetItemCount())
        return;
    m_bReady = false;
    m_working.Swap(row, other);
    m_pList->MoveItem(row, other);
    m_pList->DeselectAll();
    m_pList->SelectItem(other, true);
    m_bReady = true;
    SetModified(true);
}

void CMacrosManagerDialog::Save()
{
    if (!m_bModified)
        return;
    ApplyChecks();
    Macros().CopyFrom(m_working);
    // Changes not written stay marked, so Save can be tried again.
    if (Macros().SaveDefault())
        SetModified(false);
}

void CMacrosManagerDialog::OnOK()
{
    Save();
    done(Accepted);
}

void CMacrosManagerDialog::OnCancel()
{
    if (m_bModified && !ConfirmCancel())
        return;
    done(Rejected);
}
