#include "corvane/organisers/CustomBandsEditorDialog.h"

#include "corvane/core/FrequencyText.h"
#include "corvane/organisers/DefineBandDialog.h"
#include "corvane/organisers/OrganiserModal.h"
#include "corvane/organisers/OrganiserToolbars.h"
#include "platform/Prompter.h"
#include "shared/ui/OwnListCtrl.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace organisers;

CCustomBandsEditorDialog::CCustomBandsEditorDialog(QWidget* pParent, const CBandSet& set)
    : CBaseDialog(IDD, pParent), m_set(set)
{
    setWindowTitle(QStringLiteral("Custom Bands Editor"));
    auto* label = new QLabel(QStringLiteral("Title:"), this);
    label->setGeometry(10, 14, 40, 18);
    m_pTitle = new QLineEdit(this);
    m_pTitle->setGeometry(54, 10, 250, 24);
    m_pEnabled = new QCheckBox(QStringLiteral("E&nabled"), this);
    m_pEnabled->setGeometry(314, 12, 90, 20);
    m_pText = new QLabel(QStringLiteral("The ranges of this set, in the order the tuning dial shows them. "
                                        "Only enabled ranges are shown."),
                         this);
    m_pText->setWordWrap(true);
    m_pText->setGeometry(10, 40, 394, 32);
    m_pList = new COwnListCtrl(this);
    m_pList->setGeometry(10, 78, 394, 200);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(246, 288, 76, 26);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setGeometry(328, 288, 76, 26);
    SetDlgCtrlID(label, IDC_TITLE_LABEL);
    SetDlgCtrlID(m_pTitle, IDC_TITLE);
    SetDlgCtrlID(m_pEnabled, IDC_ENABLED);
    SetDlgCtrlID(m_pText, IDC_TEXT);
    SetDlgCtrlID(m_pList, IDC_LIST);
    SetDlgCtrlID(ok, platform::IDOK);
    SetDlgCtrlID(cancel, platform::IDCANCEL);
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel, &QPushButton::clicked, this, [this] { OnCancel(); });
    connect(m_pList, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (m_pList->HasSingleSelection())
            OnModify();
    });
    resize(414, 324);
    static const DialogGeometry::AnchorRow anchors[] = {
        {IDC_TITLE, 2, 0, 0, 0},       {IDC_TEXT, 2, 0, 0, 0},         {IDC_LIST, 2, 2, 0, 0},
        {platform::IDOK, 0, 0, 2, 2}, {platform::IDCANCEL, 0, 0, 2, 2},
    };
    SetAnchors(anchors, int(std::size(anchors)));
}

CCustomBandsEditorDialog::~CCustomBandsEditorDialog() = default;

QString CCustomBandsEditorDialog::EdgeText(uint32_t nHz)
{
    return CFrequencyText(nHz, CFrequencyText::FORM_HZ).GetText();
}

uint32_t CCustomBandsEditorDialog::EdgeFromText(const QString& strText)
{
    QString digits = strText;
    digits.remove(QLatin1Char('.'));
    return digits.trimmed().toUInt();
}

bool CCustomBandsEditorDialog::OnInitDialog()
{
    RegisterBandToolbars();
    LoadToolbar(IDR_BANDS_EDITOR, {IDC_TITLE_LABEL, IDC_TITLE, IDC_ENABLED, IDC_TEXT}, {IDC_LIST}, true);
    CBaseDialog::OnInitDialog();
    m_pTitle->setText(m_set.GetTitle());
    m_pEnabled->setChecked(m_set.GetEnabled() != 0);
    m_pList->SetImageList(PairedImages(207, 208, RGB(255, 0, 255)));
    m_pList->SetColumns({{QStringLiteral("Enabled"), LVCFMT_LEFT},
                         {QStringLiteral("Title"), LVCFMT_LEFT},
                         {QStringLiteral("From MHz"), LVCFMT_RIGHT},
                         {QStringLiteral("To MHz"), LVCFMT_RIGHT}});
    m_pList->SetFullRowSelect();
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int i = 0; i < m_set.GetBandCount(); ++i) {
        const CBandEntry* band = m_set.GetBand(i);
        AppendRow(band->GetEnabled(), band->GetFrom(), band->GetTo(), band->GetTitle());
    }
    m_pList->AutoSizeColumns();
    return true;
}

void CCustomBandsEditorDialog::SetRow(int nRow, int bEnabled, uint32_t nFrom, uint32_t nTo, const QString& strTitle)
{
    m_pList->SetItemImage(nRow, bEnabled ? kImageEnabled : kImageDisabled);
    m_pList->SetItemText(nRow, 1, strTitle);
    m_pList->SetItemText(nRow, 2, EdgeText(nFrom));
    m_pList->SetItemText(nRow, 3, EdgeText(nTo));
}

int CCustomBandsEditorDialog::AppendRow(int bEnabled, uint32_t nFrom, uint32_t nTo, const QString& strTitle)
{
    const int row = m_pList->InsertItem(m_pList->GetItemCount(), QString(), bEnabled ? kImageEnabled : kImageDisabled);
    SetRow(row, bEnabled, nFrom, nTo, strTitle);
    return row;
}

void CCustomBandsEditorDialog::OnUpdateCommand(CCmdUI& cmdUI)
{
    const int selected = m_pList->GetFirstSelectedItem();
    switch (cmdUI.m_nID) {
    case ID_BAND_NEW: cmdUI.Enable(true); break;
    case ID_BAND_MODIFY:
    case ID_BAND_COPY:
    case ID_BAND_DELETE: cmdUI.Enable(m_pList->HasSingleSelection()); break;
    case ID_BAND_MOVE_UP: cmdUI.Enable(selected > 0); break;
    case ID_BAND_MOVE_DOWN: cmdUI.Enable(selected >= 0 && selected < m_pList->GetItemCount() - 1); break;
    default: break;
    }
}

bool CCustomBandsEditorDialog::OnCommand(unsigned nId)
{
    CCmdUI state;
    state.m_nID = nId;
    OnUpdateCommand(state);
    if (state.m_bEnableSet && !state.m_bEnabled)
        return true;
    switch (nId) {
    case ID_BAND_NEW: OnNew(); return true;
    case ID_BAND_MODIFY: OnModify(); return true;
    case ID_BAND_COPY: OnCopy(); return true;
    case ID_BAND_DELETE: OnDelete(); return true;
    case ID_BAND_MOVE_UP: OnMoveUp(); return true;
    case ID_BAND_MOVE_DOWN: OnMoveDown(); return true;
    default: return false;
    }
}

void CCustomBandsEditorDialog::OnNew()
{
    CDefineBandDialog dialog(this, QStringLiteral("<Title>"), 0, 0, 1);
    if (RunModal(dialog) != platform::IDOK)
        return;
    const int row = AppendRow(dialog.GetEnabled(), dialog.GetFrom(), dialog.GetTo(), dialog.GetTitle());
    m_pList->scrollToItem(m_pList->topLevelItem(row));
}

void CCustomBandsEditorDialog::OnModify()
{
    const int row = m_pList->GetFirstSelectedItem();
    if (row < 0)
        return;
    CDefineBandDialog dialog(this, m_pList->GetItemText(row, 1), EdgeFromText(m_pList->GetItemText(row, 2)),
                             EdgeFromText(m_pList->GetItemText(row, 3)),
                             m_pList->GetItemImage(row) == kImageEnabled ? 1 : 0);
    if (RunModal(dialog) != platform::IDOK)
        return;
    SetRow(row, dialog.GetEnabled(), dialog.GetFrom(), dialog.GetTo(), dialog.GetTitle());
}

void CCustomBandsEditorDialog::OnCopy()
{
    const int row = m_pList->GetFirstSelectedItem();
    if (row < 0)
        return;
    const int copy = m_pList->InsertItem(row + 1, QString(), m_pList->GetItemImage(row));
    m_pList->SetItemText(copy, 1, QStringLiteral("Copy of ") + m_pList->GetItemText(row, 1));
    m_pList->SetItemText(copy, 2, m_pList->GetItemText(row, 2));
    m_pList->SetItemText(copy, 3, m_pList->GetItemText(row, 3));
    m_pList->DeselectAll();
    m_pList->SelectItem(copy, true);
    m_pList->scrollToItem(m_pList->topLevelItem(copy));
    OnModify();
}

void CCustomBandsEditorDialog::OnDelete()
{
    const int row = m_pList->GetFirstSelectedItem();
    if (row >= 0)
        m_pList->DeleteItem(row);
}

void CCustomBandsEditorDialog::OnMoveUp()
{
    const int row = m_pList->GetFirstSelectedItem();
    if (row <= 0)
        return;
    m_pList->MoveItem(row, row - 1);
    m_pList->DeselectAll();
    m_pList->SelectItem(row - 1, true);
    m_pList->scrollToItem(m_pList->topLevelItem(row - 1));
}

void CCustomBandsEditorDialog::OnMoveDown()
{
    const int row = m_pList->GetFirstSelectedItem();
    if (row < 0 || row >= m_pList->GetItemCount() - 1)
        return;
    m_pList->MoveItem(row, row + 1);
    m_pList->DeselectAll();
    m_pList->SelectItem(row + 1, true);
    m_pList->scrollToItem(m_pList->topLevelItem(row + 1));
}

void CCustomBandsEditorDialog::OnOK()
{
    const QString title = m_pTitle->text().trimmed();
    if (title.isEmpty()) {
        platform::messageBox(this, QStringLiteral("The title must be entered."), QStringLiteral("Title"),
                             platform::MB_OK | platform::MB_ICONERROR);
        return;
    }
    m_set.RemoveAll();
    m_set.SetEnabled(m_pEnabled->isChecked() ? 1 : 0);
    m_set.SetTitle(title);
    for (int row = 0; row < m_pList->GetItemCount(); ++row)
        m_set.AddBand(m_pList->GetItemImage(row) == kImageEnabled ? 1 : 0,
                      EdgeFromText(m_pList->GetItemText(row, 2)), EdgeFromText(m_pList->GetItemText(row, 3)),
                      m_pList->GetItemText(row, 1));
    done(Accepted);
}
