#include "brevio/display/AlarmsDlg.h"

#include "platform/Prompter.h"
#include "brevio/display/AlarmDlg.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/OwnFileDialog.h"
#include "shared/ui/OwnListCtrl.h"

#include <QPainter>

namespace {
CAlarmsDlg::EditorRunner g_editorRunner;

void RegisterAlarmsToolbar()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    RegisterToolbarResource(CAlarmsDlg::IDR_TOOLBAR,
                            {{CAlarmsDlg::ID_NEW, QImage(),
                              QStringLiteral("Define a new alarm\nNew"), QStringLiteral("list-add")},
                             {CAlarmsDlg::ID_COPY, QImage(),
                              QStringLiteral("Copy the selected alarm\nCopy"), QStringLiteral("edit-copy")},
                             {CAlarmsDlg::ID_EDIT, QImage(),
                              QStringLiteral("Edit the selected alarm\nEdit"), QStringLiteral("document-properties")},
                             {CAlarmsDlg::ID_DELETE, QImage(),
                              QStringLiteral("Delete the selected alarms\nDelete"), QStringLiteral("edit-delete")},
                             {0, QImage(), QString()},
                             {CAlarmsDlg::ID_LOAD, QImage(),
                              QStringLiteral("Load alarm definitions\nLoad"), QStringLiteral("document-open")},
                             {CAlarmsDlg::ID_SAVE_AS, QImage(),
                              QStringLiteral("Save alarm definitions\nSave"), QStringLiteral("document-save-as")}});
}
} // namespace

void CAlarmsDlg::SetEditorRunner(EditorRunner runner)
{
    g_editorRunner = std::move(runner);
}

CAlarmsDlg::CAlarmsDlg(QWidget* pParent) : CBaseDialog(IDD, pParent)
{
    m_working.CopyFrom(Alarms());
    setWindowTitle(QStringLiteral("Super Browser Alarms"));
    resize(460, 320);
    m_pList = new COwnListCtrl(this);
    SetDlgCtrlID(m_pList, IDC_LIST);
    m_pList->setGeometry(8, 8, 444, 264);
    m_pSave = new COXBitmapButton(this);
    SetDlgCtrlID(m_pSave, IDC_SAVE);
    m_pSave->SetButtonText(QStringLiteral("&Save"));
    m_pSave->setGeometry(200, 284, 80, 28);
    auto* ok = new COXBitmapButton(this);
    SetDlgCtrlID(ok, 1);
    ok->SetButtonText(QStringLiteral("OK"));
    ok->setGeometry(288, 284, 76, 28);
    auto* cancel = new COXBitmapButton(this);
    SetDlgCtrlID(cancel, 2);
    cancel->SetButtonText(QStringLiteral("Cancel"));
    cancel->setGeometry(372, 284, 80, 28);
    connect(m_pSave, &QPushButton::clicked, this, [this] { Save(); });
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel, &QPushButton::clicked, this, [this] { OnCancel(); });
    connect(m_pList, &QTreeWidget::itemChanged, this, [this] { OnChecksChanged(); });
    connect(m_pList, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (m_pList->HasSingleSelection())
            OnEdit();
    });
    static const DialogGeometry::AnchorRow anchors[] = {
        {IDC_LIST, 2, 2, 0, 0},
        {IDC_SAVE, 0, 0, 2, 2},
        {1, 0, 0, 2, 2},
        {2, 0, 0, 2, 2},
    };
    SetAnchors(anchors, int(std::size(anchors)));
}

CAlarmsDlg::~CAlarmsDlg() = default;

bool CAlarmsDlg::OnInitDialog()
{
    // The toolbar first, so the list's anchor starts below it.
    RegisterAlarmsToolbar();
    LoadToolbar(IDR_TOOLBAR, {}, {IDC_LIST}, true);
    CBaseDialog::OnInitDialog();
    m_strCaption = windowTitle();
    m_pSave->LoadBitmapResource(218, false, RGB(255, 0, 0));
    m_pSave->SetLookFlag(true);
    if (auto* ok = qobject_cast<COXBitmapButton*>(GetDlgItem(1))) {
        ok->LoadBitmapResource(313, false, RGB(255, 0, 0));
        ok->SetLookFlag(true);
    }
    if (auto* cancel = qobject_cast<COXBitmapButton*>(GetDlgItem(2)))
        cancel->LoadBitmapResource(314, false, RGB(255, 0, 0));
    m_pList->SetColumns({{QStringLiteral("Title"), LVCFMT_LEFT}, {QStringLiteral("Comment"), LVCFMT_LEFT}});
    m_pList->EnableCheckBoxes();
    m_pList->SetFullRowSelect();
    m_pList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Refill(QString());
    UpdateButtons();
    return true;
}

void CAlarmsDlg::Refill(const QString& strSelect)
{
    m_bReady = false;
    m_working.SortByTitle();
    m_pList->setUpdatesEnabled(false);
    m_pList->DeleteAllItems();
    for (int i = 0; i < m_working.GetCount(); ++i) {
        const CAlarm* alarm = m_working.GetAt(i);
        const int row = m_pList->InsertItem(i, alarm->GetTitle());
        m_pList->SetItemText(row, 1, alarm->GetComment());
        m_pList->SetCheck(row, alarm->GetEnabled() != 0);
    }
    m_pList->AutoSizeColumns();
    if (m_pList->GetItemCount() > 0) {
        int select = 0;
        for (int r = 0; r < m_pList->GetItemCount(); ++r)
            if (m_pList->GetItemText(r, 0) == strSelect)
                select = r;
        m_pList->SelectItem(select, true);
    }
    m_pList->setUpdatesEnabled(true);
    m_bReady = true;
}

void CAlarmsDlg::OnChecksChanged()
{
    if (!m_bReady)
        return;
    for (int r = 0; r < m_pList->GetItemCount(); ++r) {
        CAlarm* alarm = m_working.FindByTitle(m_pList->GetItemText(r, 0));
        const int checked = m_pList->GetCheck(r) ? 1 : 0;
        if (alarm && (alarm->GetEnabled() != 0) != (checked != 0)) {
            alarm->SetEnabled(checked);
            SetModified();
        }
    }
}

void CAlarmsDlg::SetModified()
{
    m_bModified = true;
    UpdateButtons();
}

void CAlarmsDlg::UpdateButtons()
{
    m_pSave->Enable(m_bModified);
    setWindowTitle(m_bModified ? m_strCaption + QStringLiteral(" *") : m_strCaption);
}

void CAlarmsDlg::OnUpdateCommand(CCmdUI& cmdUI)
{
    switch (cmdUI.m_nID) {
    case ID_COPY:
    case ID_EDIT:
        cmdUI.Enable(m_pList->HasSingleSelection());
        break;
    case ID_DELETE:
        cmdUI.Enable(m_pList->HasSelection());
        break;
    case ID_SAVE_AS:
        cmdUI.Enable(m_pList->GetItemCount() > 0);
        break;
    default:
        cmdUI.Enable(true);
        break;
    }
}

bool CAlarmsDlg::OnCommand(unsigned nId)
{
    switch (nId) {
    case ID_NEW:
        OnNew();
        return true;
    case ID_COPY:
        if (m_pList->HasSingleSelection())
            OnCopy();
        return true;
    case ID_EDIT:
        if (m_pList->HasSingleSelection())
            OnEdit();
        return true;
    case ID_DELETE:
        if (m_pList->HasSelection())
            OnDelete();
        return true;
    case ID_LOAD:
        OnLoad();
        return true;
    case ID_SAVE_AS:
        if (m_pList->GetItemCount() > 0)
            OnSaveAs();
        return true;
    default:
        return false;
    }
}

int CAlarmsDlg::RunEditor(CAlarmDlg& dialog)
{
    return g_editorRunner ? g_editorRunner(dialog) : dialog.DoModal();
}

void CAlarmsDlg::OnNew()
{
    QStringList titles;
    m_working.GetTitles(titles);
    CAlarmDlg dialog(this, true, titles);
    if (RunEditor(dialog) != platform::IDOK)
        return;
    CAlarm result = dialog.GetResult();
    result.SetEnabled(1);
    m_working.AddCopy(result);
    Refill(result.GetTitle());
    SetModified();
}

void CAlarmsDlg::OnCopy()
{
    const CAlarm* selected = m_working.FindByTitle(m_pList->GetSelectedItemText(0));
    if (!selected)
        return;
    QStringList titles;
    m_working.GetTitles(titles);
    CAlarmDlg dialog(this, true, titles, *selected);
    if (RunEditor(dialog) != platform::IDOK)
        return;
    CAlarm result = dialog.GetResult();
    result.SetEnabled(1);
    m_working.AddCopy(result);
    Refill(result.GetTitle());
    SetModified();
}

void CAlarmsDlg::OnEdit()
{
    const int row = m_pList->GetFirstSelectedItem();
    const QString title = m_pList->GetItemText(row, 0);
    const CAlarm* selected = m_working.FindByTitle(title);
    if (!selected)
        return;
    QStringList titles;
    m_working.GetTitles(titles);
    CAlarmDlg dialog(this, false, titles, *selected);
    if (RunEditor(dialog) != platform::IDOK)
        return;
    CAlarm result = dialog.GetResult();
    result.SetEnabled(m_pList->GetCheck(row) ? 1 : 0);
    m_working.ReplaceByTitle(title, result);
    Refill(result.GetTitle());
    SetModified();
}

void CAlarmsDlg::OnDelete()
{
    if (platform::messageBox(this, QStringLiteral("Really delete the selected entries?"), QStringLiteral("Delete"),
                             platform::MB_YESNO | int(platform::MB_ICONQUESTION)) != platform::IDYES)
        return;
    for (int r = m_pList->GetItemCount() - 1; r >= 0; --r)
        if (m_pList->IsItemSelected(r))
            m_working.DeleteByTitle(m_pList->GetItemText(r, 0));
    Refill(QString());
    SetModified();
}

void CAlarmsDlg::OnLoad()
{
    QString path = CAlarmList::DefaultFileName();
    if (!ChooseTextFileToOpen(this, path, QStringLiteral("Load Alarm Definitions")))
        return;
    m_working.Load(path);
    Refill(QString());
    SetModified();
}

void CAlarmsDlg::OnSaveAs()
{
    QString path = CAlarmList::DefaultFileName();
    if (!ChooseTextFileToSave(this, path, QStringLiteral("Save Alarm Definitions (can be restored later)")))
        return;
    m_working.Save(path);
}

void CAlarmsDlg::Save()
{
    for (int r = 0; r < m_pList->GetItemCount(); ++r)
        m_working.SetEnabledByTitle(m_pList->GetItemText(r, 0), m_pList->GetCheck(r) ? 1 : 0);
    Alarms().CopyFrom(m_working);
    Alarms().SaveDefault();
    m_bModified = false;
    UpdateButtons();
}

void CAlarmsDlg::OnOK()
{
    Save();
    done(Accepted);
}

void CAlarmsDlg::OnCancel()
{
    if (m_bModified && !ConfirmCancel())
        return;
    done(Rejected);
}
