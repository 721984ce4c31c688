#include "corvane/organisers/CustomBandsManagerDialog.h"

#include "corvane/organisers/BandsDialog.h"
#include "corvane/organisers/CustomBandsEditorDialog.h"
#include "corvane/organisers/OrganiserCursor.h"
#include "corvane/organisers/OrganiserModal.h"
#include "corvane/organisers/OrganiserToolbars.h"
#include "platform/Prompter.h"
#include "shared/ui/FitText.h"
#include "shared/MainWindow.h"
#include "shared/TextFile.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/OwnFileDialog.h"
#include "shared/ui/OwnListCtrl.h"

#include <QLabel>
#include <QPushButton>

using namespace organisers;

CCustomBandsManagerDialog::CCustomBandsManagerDialog(QWidget* pParent, const CBandSetList& sets)
    : CBaseDialog(IDD, pParent)
{
    m_sets.CopyFrom(sets);
    setWindowTitle(QStringLiteral("Custom Bands Manager"));
    m_pText = new QLabel(QStringLiteral("Your own band sets. Each enabled set is offered in the Bands window "
                                        "and the navigator as a tuning range of the dial."),
                         this);
    m_pText->setWordWrap(true);
    m_pText->setGeometry(10, 8, 330, 32);
    m_pList = new COwnListCtrl(this);
    m_pList->setGeometry(10, 46, 330, 200);
    m_pDefaults = new COXBitmapButton(this);
    m_pDefaults->SetButtonText(QStringLiteral("&Defaults"));
    m_pDefaults->setGeometry(10, 256, 96, 28);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setGeometry(264, 256, 76, 28);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(182, 256, 76, 28);
    ok->setDefault(true);
    SetDlgCtrlID(m_pText, IDC_TEXT);
    SetDlgCtrlID(m_pList, IDC_LIST);
    SetDlgCtrlID(m_pDefaults, IDC_DEFAULTS);
    SetDlgCtrlID(ok, platform::IDOK);
    SetDlgCtrlID(cancel, platform::IDCANCEL);
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel, &QPushButton::clicked, this, [this] { OnCancel(); });
    connect(m_pDefaults, &QPushButton::clicked, this, [this] { OnDefaults(); });
    connect(m_pList, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (m_pList->HasSingleSelection())
            OnModify();
    });
    resize(350, 294);
    GrowToFitText(m_pText);
    static const DialogGeometry::AnchorRow anchors[] = {
        {IDC_TEXT, 2, 0, 0, 0},           {IDC_LIST, 2, 2, 0, 0},       {IDC_DEFAULTS, 0, 0, 2, 2},
        {platform::IDCANCEL, 0, 0, 2, 2}, {platform::IDOK, 0, 0, 2, 2},
    };
    SetAnchors(anchors, int(std::size(anchors)));
}

CCustomBandsManagerDialog::~CCustomBandsManagerDialog() = default;

bool CCustomBandsManagerDialog::OnInitDialog()
{
    RegisterBandToolbars();
    LoadToolbar(IDR_BANDS_MANAGER, {IDC_TEXT}, {IDC_LIST}, true);
    CBaseDialog::OnInitDialog();
    m_pDefaults->LoadBitmapResource(262, false, RGB(255, 0, 0));
    m_pList->SetImageList(PairedImages(207, 208, RGB(255, 0, 255)));
    m_pList->SetColumns({{QStringLiteral("Enabled"), LVCFMT_LEFT}, {QStringLiteral("Title"), LVCFMT_LEFT}});
    m_pList->SetFullRowSelect();
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    FillRows();
    return true;
}

void CCustomBandsManagerDialog::SetRow(int nRow, const CBandSet& set)
{
    m_pList->SetItemImage(nRow, set.GetEnabled() ? CCustomBandsEditorDialog::kImageEnabled
                                                 : CCustomBandsEditorDialog::kImageDisabled);
    m_pList->SetItemText(nRow, 1, set.GetTitle());
}

void CCustomBandsManagerDialog::FillRows()
{
    m_pList->DeleteAllItems();
    for (int i = 0; i < m_sets.GetCount(); ++i) {
        const int row = m_pList->InsertItem(i, QString());
        SetRow(row, *m_sets.GetAt(i));
    }
    m_pList->AutoSizeColumns();
}

void CCustomBandsManagerDialog::OnUpdateCommand(CCmdUI& cmdUI)
{
    switch (cmdUI.m_nID) {
    case ID_BAND_LOAD_FILE:
    case ID_BAND_SAVE_FILE:
    case ID_BAND_NEW: cmdUI.Enable(true); break;
    case ID_BAND_COPY:
    case ID_BAND_MODIFY: cmdUI.Enable(m_pList->HasSingleSelection()); break;
    case ID_BAND_DELETE: cmdUI.Enable(m_pList->HasSelection()); break;
    default: break;
    }
}

bool CCustomBandsManagerDialog::OnCommand(unsigned nId)
{
    CCmdUI state;
    state.m_nID = nId;
    OnUpdateCommand(state);
    if (state.m_bEnableSet && !state.m_bEnabled)
        return true;
    switch (nId) {
    case ID_BAND_LOAD_FILE: OnLoadFromFile(); return true;
    case ID_BAND_SAVE_FILE: OnSaveToFile(); return true;
    case ID_BAND_NEW: OnNew(); return true;
    case ID_BAND_COPY: OnCopy(); return true;
    case ID_BAND_MODIFY: OnModify(); return true;
    case ID_BAND_DELETE: OnDelete(); return true;
    default: return false;
    }
}

void CCustomBandsManagerDialog::OnNew()
{
    CBandSet set;
    set.SetEnabled(1);
    set.SetTitle(QStringLiteral("<Title>"));
    CCustomBandsEditorDialog editor(this, set);
    if (RunModal(editor) != platform::IDOK)
        return;
    m_sets.AddCopy(editor.GetBandSet());
    const int row = m_pList->InsertItem(m_pList->GetItemCount(), QString());
    SetRow(row, editor.GetBandSet());
}

void CCustomBandsManagerDialog::OnModify()
{
    const int row = m_pList->GetFirstSelectedItem();
    const CBandSet* set = m_sets.GetAt(row);
    if (!set)
        return;
    CCustomBandsEditorDialog editor(this, *set);
    if (RunModal(editor) != platform::IDOK)
        return;
    m_sets.ReplaceAt(row, editor.GetBandSet());
    SetRow(row, editor.GetBandSet());
}

void CCustomBandsManagerDialog::OnCopy()
{
    const int row = m_pList->GetFirstSelectedItem();
    const CBandSet* set = m_sets.GetAt(row);
    if (!set)
        return;
    CBandSet copy(*set);
    copy.SetTitle(QStringLiteral("Copy of ") + set->GetTitle());
    m_sets.InsertCopyAt(row + 1, copy);
    const int inserted = m_pList->InsertItem(row + 1, QString());
    SetRow(inserted, copy);
    m_pList->DeselectAll();
    m_pList->SelectItem(inserted, true);
    OnModify();
}

void CCustomBandsManagerDialog::OnDelete()
{
    const int row = m_pList->GetFirstSelectedItem();
    if (row < 0)
        return;
    m_sets.RemoveAt(row);
    m_pList->DeleteItem(row);
}

void CCustomBandsManagerDialog::OnLoadFromFile()
{
    OrganiserCursor wait;
    QString path = CTextFile::FileName(CBandSetList::kDefinitionsKind);
    if (!ChooseTextFileToOpen(this, path, QStringLiteral("Load Band Definitions")))
        return;
    m_sets.Load(path);
    FillRows();
}

void CCustomBandsManagerDialog::OnSaveToFile()
{
    QString path = CTextFile::FileName(CBandSetList::kDefinitionsKind);
    if (!ChooseTextFileToSave(this, path, QStringLiteral("Save Band Definitions")))
        return;
    m_sets.Save(CBandSetList::kDefinitionsKind, path);
}

void CCustomBandsManagerDialog::OnDefaults()
{
    if (platform::messageBox(GetMainWindow(),
                             QStringLiteral("This will replace the current definitions with the default "
                                            "definitions.\n \nContinue?"),
                             QStringLiteral("Load Defaults"), platform::MB_YESNO | platform::MB_ICONQUESTION) !=
        platform::IDYES)
        return;
    m_sets.LoadDefaults(GetMainWindow());
    FillRows();
}

void CCustomBandsManagerDialog::OnOK()
{
    m_sets.SortByTitle();
    m_sets.SaveDefinitions();
    GetBandSets().CopyFrom(m_sets);
    RefreshBandBar();
    FillNavigatorBands();
    done(Accepted);
}

bool RunCustomBandsManager(QWidget* pParent)
{
    std::unique_ptr<CCustomBandsManagerDialog> dialog;
    {
        OrganiserCursor wait;
        dialog = std::make_unique<CCustomBandsManagerDialog>(pParent, GetBandSets());
    }
    return RunModal(*dialog) == platform::IDOK;
}
