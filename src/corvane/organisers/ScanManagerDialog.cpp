#include "corvane/organisers/ScanManagerDialog.h"

#include "corvane/organisers/OrganiserCursor.h"
#include "corvane/organisers/OrganiserModal.h"
#include "corvane/organisers/OrganiserToolbars.h"
#include "corvane/organisers/ScanTitleDialog.h"
#include "platform/Prompter.h"
#include "shared/ui/OwnListCtrl.h"

#include <QLabel>
#include <QPushButton>

CScanManagerDialog::CScanManagerDialog(QWidget* pParent) : CBaseDialog(IDD, pParent)
{
    setWindowTitle(QStringLiteral("Scan Manager"));
    SetFixedFrame();
    auto* text = new QLabel(QStringLiteral("Use this window to delete or rename your custom scanning definitions.\n\n"
                                           "Definitions are created by using the Save option in the Scan Band and "
                                           "Scan Memory windows."),
                            this);
    text->setWordWrap(true);
    text->setGeometry(10, 8, 320, 64);
    m_pList = new COwnListCtrl(this);
    m_pList->setGeometry(10, 78, 230, 200);
    m_pDelete = new QPushButton(QStringLiteral("&Delete"), this);
    m_pDelete->setGeometry(250, 78, 80, 26);
    m_pRename = new QPushButton(QStringLiteral("&Rename"), this);
    m_pRename->setGeometry(250, 110, 80, 26);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(250, 220, 80, 26);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setGeometry(250, 252, 80, 26);
    SetDlgCtrlID(m_pList, IDC_LIST);
    SetDlgCtrlID(m_pDelete, IDC_DELETE);
    SetDlgCtrlID(m_pRename, IDC_RENAME);
    SetDlgCtrlID(ok, platform::IDOK);
    SetDlgCtrlID(cancel, platform::IDCANCEL);
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel, &QPushButton::clicked, this, [this] { OnCancel(); });
    connect(m_pDelete, &QPushButton::clicked, this, [this] { OnDelete(); });
    connect(m_pRename, &QPushButton::clicked, this, [this] { OnRename(); });
    connect(m_pList, &QTreeWidget::itemSelectionChanged, this, [this] { UpdateButtons(); });
    resize(340, 288);
}

CScanManagerDialog::~CScanManagerDialog() = default;

bool CScanManagerDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    m_strCaption = windowTitle();
    m_store.Load();
    m_pList->SetImageList(organisers::PairedImages(311, 356, RGB(255, 0, 255)));
    m_pList->SetFullRowSelect();
    m_pList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_pList->SetColumns({{QString(), LVCFMT_LEFT}, {QStringLiteral("Title"), LVCFMT_LEFT}});
    FillList();
    return true;
}

void CScanManagerDialog::FillList()
{
    m_pList->setUpdatesEnabled(false);
    m_pList->DeleteAllItems();
    for (int i = 0; i < m_store.GetCount(); ++i) {
        const CScanDefinition* d = m_store.GetAt(i);
        const int row = m_pList->InsertItem(i, QString(), d->GetKind() == CScanDefinition::KIND_BAND ? 0 : 2);
        m_pList->SetItemText(row, 1, d->GetTitle());
        m_pList->SetItemData(row, uintptr_t(i));
    }
    m_pList->Resort();
    m_pList->AutoSizeColumns();
    m_pList->setUpdatesEnabled(true);
    UpdateButtons();
}

void CScanManagerDialog::UpdateButtons()
{
    m_pDelete->setEnabled(m_pList->HasSelection());
    m_pRename->setEnabled(m_pList->HasSingleSelection());
}

void CScanManagerDialog::OnDelete()
{
    if (!m_pList->HasSelection())
        return;
    if (platform::messageBox(this, QStringLiteral("Really delete the highlighted definitions?"),
                             QStringLiteral("Delete"), platform::MB_YESNO | platform::MB_ICONQUESTION) !=
        platform::IDYES)
        return;
    QStringList titles;
    m_pList->GetSelectedTexts(titles, 1);
    for (const QString& title : titles) {
        for (int i = 0; i < m_store.GetCount(); ++i) {
            if (m_store.GetAt(i)->GetTitle() == title) {
                m_store.DeleteAt(i);
                break;
            }
        }
    }
    setWindowTitle(m_strCaption + QStringLiteral(" *"));
    FillList();
}

void CScanManagerDialog::OnRename()
{
    if (!m_pList->HasSingleSelection())
        return;
    OrganiserCursor wait;
    const int row = m_pList->GetFirstSelectedItem();
    const QString oldTitle = m_pList->GetItemText(row, 1);
    const int index = int(m_pList->GetItemData(row));
    QStringList titles;
    GetScanDefinitions().GetTitles(titles);
    titles.removeOne(oldTitle);
    CScanTitleDialog dialog(this, titles, oldTitle);
    if (organisers::RunModal(dialog) != platform::IDOK)
        return;
    CScanDefinition* renamed = m_store.GetAt(index);
    if (!renamed)
        return;
    // A confirmed overwrite replaces the definition that had the title,
    // rather than leaving two under one name.
    if (dialog.GetOverwrite()) {
        for (int i = 0; i < m_store.GetCount(); ++i) {
            if (i != index && m_store.GetAt(i)->GetTitle() == dialog.GetTitle()) {
                m_store.DeleteAt(i);
                break;
            }
        }
    }
    renamed->SetTitle(dialog.GetTitle());
    setWindowTitle(m_strCaption + QStringLiteral(" *"));
    FillList();
}

void CScanManagerDialog::OnOK()
{
    m_store.Save();
    GetScanDefinitions().Load();
    done(Accepted);
}
