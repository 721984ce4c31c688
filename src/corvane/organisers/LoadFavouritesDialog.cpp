#include "corvane/organisers/LoadFavouritesDialog.h"

#include "corvane/core/RegisteredMessages.h"
#include "corvane/organisers/OrganiserCursor.h"
#include "platform/Prompter.h"
#include "shared/RegisteredEvent.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/OwnFileDialog.h"
#include "shared/ui/OwnListCtrl.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMetaObject>
#include <QPushButton>

CLoadFavouritesDialog::CLoadFavouritesDialog(QWidget* pParent, CFavouritesCollection* pTarget)
    : CBaseDialog(kTemplateId, pParent), m_pTarget(pTarget)
{
    setWindowTitle(QStringLiteral("Favourites"));
    m_pList = new COwnListCtrl(this);
    SetDlgCtrlID(m_pList, IDC_LIST);
    m_pList->setGeometry(10, 10, 460, 260);
    m_pList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* hint = new QLabel(QStringLiteral("Select the entries to merge, then press 'Add'."), this);
    SetDlgCtrlID(hint, IDC_HINT);
    hint->setGeometry(10, 278, 460, 20);
    m_pOverwrite = new QCheckBox(QStringLiteral("&Overwrite existing entries with the same title"), this);
    SetDlgCtrlID(m_pOverwrite, IDC_OVERWRITE);
    m_pOverwrite->setGeometry(10, 304, 300, 20);
    m_pOpen = new COXBitmapButton(this);
    m_pOpen->setText(QStringLiteral("&Open"));
    SetDlgCtrlID(m_pOpen, IDC_OPEN);
    m_pOpen->setGeometry(240, 332, 76, 26);
    m_pAdd = new QPushButton(QStringLiteral("Add"), this);
    SetDlgCtrlID(m_pAdd, platform::IDOK);
    m_pAdd->setGeometry(320, 332, 70, 26);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    SetDlgCtrlID(cancel, platform::IDCANCEL);
    cancel->setGeometry(400, 332, 70, 26);
    resize(480, 368);

    connect(m_pAdd, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel, &QPushButton::clicked, this, [this] { OnCancel(); });
    connect(m_pOpen, &QPushButton::clicked, this, &CLoadFavouritesDialog::OnOpen);
    connect(m_pList, &QTreeWidget::itemSelectionChanged, this, &CLoadFavouritesDialog::UpdateAdd);

    const DialogGeometry::AnchorRow anchors[] = {
        {int(IDC_LIST), 2, 2, 0, 0},        {int(IDC_HINT), 0, 0, 0, 2},    {int(IDC_OVERWRITE), 0, 0, 0, 2},
        {int(IDC_OPEN), 0, 0, 0, 2},        {platform::IDOK, 0, 0, 0, 2},   {platform::IDCANCEL, 0, 0, 0, 2},
    };
    SetAnchors(anchors, int(std::size(anchors)));
}

CLoadFavouritesDialog::~CLoadFavouritesDialog() = default;

bool CLoadFavouritesDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    m_pOpen->LoadBitmapResource(378, false, 0x0000FF);
    const ListColumn columns[] = {{QStringLiteral("Folder"), LVCFMT_LEFT},
                                  {QStringLiteral("Title"), LVCFMT_LEFT},
                                  {QStringLiteral("Frequency"), LVCFMT_LEFT},
                                  {QStringLiteral("Mode"), LVCFMT_LEFT}};
    m_pList->SetColumns(columns, 4);
    m_pList->SetFullRowSelect();
    m_pList->AutoSizeColumns();
    if (!ChooseFile())
        QMetaObject::invokeMethod(this, [this] { OnCancel(); }, Qt::QueuedConnection);
    UpdateAdd();
    return true;
}

bool CLoadFavouritesDialog::event(QEvent* pEvent)
{
    if (auto* m = CRegisteredEvent::As(pEvent, RegisteredMessage::nMsgSelect)) {
        ChooseFile();
        UpdateAdd();
        m->SetResult(0);
        return true;
    }
    return CBaseDialog::event(pEvent);
}

bool CLoadFavouritesDialog::ChooseFile()
{
    OrganiserCursor wait;
    QString path = QStringLiteral("FT-817 Favourites.txt");
    if (!ChooseTextFileToOpen(this, path, QStringLiteral("Load Favourite Definitions")))
        return false;
    CFavouritesCollection loaded;
    loaded.LoadFrom(path);
    if (!CheckFile(this, loaded, path, QStringLiteral("Merge Favourites")))
        return m_loaded.GetCount() > 0;  // the list shown before stays
    m_loaded.LoadFrom(path);
    FillList();
    return true;
}

bool CLoadFavouritesDialog::CheckFile(QWidget* pOwner, const CFavouritesCollection& loaded, const QString& strPath,
                                      const QString& strCaption)
{
    if (loaded.WasListFile())
        return true;
    platform::messageBox(pOwner,
                         QStringLiteral("%1 is not a favourites file.\n \nNothing was loaded.")
                             .arg(QDir::toNativeSeparators(strPath)),
                         strCaption, platform::MB_ICONERROR);
    return false;
}

void CLoadFavouritesDialog::OnOpen()
{
    ChooseFile();
    UpdateAdd();
}

void CLoadFavouritesDialog::FillList()
{
    m_pList->setUpdatesEnabled(false);
    {
        const QSignalBlocker block(m_pList);
        m_pList->DeleteAllItems();
        for (int i = 0; i < m_loaded.GetCount(); ++i) {
            const CMemoryChannel* entry = m_loaded.GetAt(i);
            const int row = m_pList->InsertItem(i, entry->GetFolder());
            m_pList->SetItemText(row, 1, entry->GetTitle());
            m_pList->SetItemText(row, 2, entry->GetRxFrequencyText());
            m_pList->SetItemText(row, 3, entry->GetModeText());
            m_pList->SetItemData(row, uintptr_t(i));
        }
        m_pList->Resort();
    }
    m_pList->AutoSizeColumns();
    m_pList->setUpdatesEnabled(true);
    setWindowTitle(QStringLiteral("Merge Favourites: %1").arg(m_pList->GetItemCount()));
    UpdateAdd();
}

void CLoadFavouritesDialog::UpdateAdd()
{
    m_pAdd->setEnabled(m_pList->HasSelection());
}

void CLoadFavouritesDialog::OnOK()
{
    OrganiserCursor wait;
    const bool overwrite = m_pOverwrite->isChecked();
    int added = 0;
    int skipped = 0;
    for (int row = 0; row < m_pList->GetItemCount(); ++row) {
        if (!m_pList->IsItemSelected(row))
            continue;
        const CMemoryChannel* entry = m_loaded.GetAt(int(m_pList->GetItemData(row)));
        if (!entry)
            continue;
        if (!m_pTarget->Find(entry->GetFolder(), entry->GetTitle()) || overwrite) {
            m_pTarget->AddOrUpdate(entry->GetFolder(), entry->GetTitle(), true, entry->GetRxFrequency(),
                                   entry->GetMode(), entry->GetRepeaterSettings());
            ++added;
        } else {
            ++skipped;
        }
    }
    if (added > 0)
        m_bAdded = true;
    if (skipped > 0)
        platform::messageBox(this,
                             QStringLiteral("Added %1 definitions.\n\n%2 definitions not added - entries already "
                                            "exist with the same Folder / Title.\n")
                                     .arg(added)
                                     .arg(skipped) +
                                 QStringLiteral("\nCheck the 'Overwrite' option to overwrite existing entries."),
                             QStringLiteral("Load"), platform::MB_OK | platform::MB_ICONERROR);
    else
        platform::messageBox(this, QStringLiteral("Added %1 definitions.").arg(added), QStringLiteral("Load"),
                             platform::MB_OK | platform::MB_ICONINFORMATION);
}
