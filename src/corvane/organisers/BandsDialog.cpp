#include "corvane/organisers/BandsDialog.h"

#include "corvane/frontpanel/BandPlan.h"
#include "corvane/frontpanel/DisplayView.h"
#include "corvane/frontpanel/OptionsSheet.h"
#include "corvane/organisers/BandSetList.h"
#include "corvane/organisers/CustomBandsManagerDialog.h"
#include "corvane/organisers/OrganiserCursor.h"
#include "platform/Prompter.h"

#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <algorithm>

namespace {
QPointer<CBandsDialog> g_bands;
constexpr int kBuiltInPlans = 4;
} // namespace

CBandsDialog* GetBandsDialog()
{
    return g_bands;
}

void RefreshBandBar()
{
    if (g_bands)
        g_bands->FillList();
}

CBandsDialog::CBandsDialog(QWidget* pParent) : CBaseDialog(IDD, pParent)
{
    g_bands = this;
    setWindowTitle(QStringLiteral("Bands"));
    setModal(false);
    SetNoSizeGrip();
    m_pList = new QListWidget(this);
    m_pBandPlans = new QPushButton(QStringLiteral("&Band Plans"), this);
    m_pCustomBands = new QPushButton(QStringLiteral("&Custom Bands"), this);
    // Two buttons of one width side by side, wide enough for the longer
    // caption in the font in use; the list and the window as wide as both.
    const int button = std::max({80, m_pBandPlans->sizeHint().width(), m_pCustomBands->sizeHint().width()});
    m_pList->setGeometry(8, 8, 2 * button + 4, 180);
    m_pBandPlans->setGeometry(8, 196, button, 26);
    m_pCustomBands->setGeometry(12 + button, 196, button, 26);
    SetDlgCtrlID(m_pList, IDC_LIST);
    SetDlgCtrlID(m_pBandPlans, IDC_BAND_PLANS);
    SetDlgCtrlID(m_pCustomBands, IDC_CUSTOM_BANDS);
    // Only a row the operator selects (click, arrow keys) chooses a range:
    // the list making a row current as it takes the focus chooses nothing.
    connect(m_pList, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = m_pList->selectedItems();
        if (!m_bFilling && !selected.isEmpty())
            OnSelect(m_pList->row(selected.first()));
    });
    if (CDisplayView* view = GetDisplayView())
        connect(view, &CDisplayView::tuningRangeChanged, this, &CBandsDialog::ShowRangeInUse);
    connect(m_pList, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { OnDoubleClick(m_pList->row(item)); });
    connect(m_pBandPlans, &QPushButton::clicked, this, [this] { OnBandPlans(); });
    connect(m_pCustomBands, &QPushButton::clicked, this, [this] { OnCustomBands(); });
    resize(2 * button + 20, 230);
    static const DialogGeometry::AnchorRow anchors[] = {
        {IDC_LIST, 2, 2, 0, 0},
        {IDC_BAND_PLANS, 1, 0, 0, 2},
        {IDC_CUSTOM_BANDS, 1, 0, 1, 2},
    };
    SetAnchors(anchors, int(std::size(anchors)));
}

CBandsDialog::~CBandsDialog() = default;

bool CBandsDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    FillList();
    return true;
}

void CBandsDialog::FillList()
{
    m_bFilling = true;
    m_pList->clear();
    for (int i = 0; i < kBuiltInPlans; ++i)
        m_pList->addItem(GetStandardSetName(i));
    const CBandSetList& sets = GetBandSets();
    for (int i = 0; i < sets.GetCount(); ++i)
        if (sets.GetAt(i)->GetEnabled())
            m_pList->addItem(sets.GetAt(i)->GetTitle());
    m_bFilling = false;
    ShowRangeInUse();
}

int CBandsDialog::RowForRange(int nRange)
{
    if (nRange >= 0 && nRange < kBuiltInPlans)
        return nRange;
    const CBandSetList& sets = GetBandSets();
    const int set = nRange - kBuiltInPlans;
    if (set < 0 || set >= sets.GetCount() || !sets.GetAt(set)->GetEnabled())
        return -1;
    int row = kBuiltInPlans;
    for (int i = 0; i < set; ++i)
        if (sets.GetAt(i)->GetEnabled())
            ++row;
    return row;
}

void CBandsDialog::ShowRangeInUse()
{
    const CDisplayView* view = GetDisplayView();
    const int row = view ? RowForRange(view->GetTuningRange()) : -1;
    m_bFilling = true;
    m_pList->setCurrentRow(row);
    if (row < 0)
        m_pList->clearSelection();
    m_bFilling = false;
}

int CBandsDialog::SetIndexForRow(int nRow)
{
    if (nRow < kBuiltInPlans)
        return -1;
    int k = nRow - kBuiltInPlans;
    const CBandSetList& sets = GetBandSets();
    for (int i = 0; i < sets.GetCount(); ++i)
        if (sets.GetAt(i)->GetEnabled() && k-- == 0)
            return i;
    return -1;
}

void CBandsDialog::OnSelect(int nRow)
{
    if (nRow < 0)
        return;
    CDisplayView* view = GetDisplayView();
    if (!view)
        return;
    if (nRow < kBuiltInPlans) {
        view->SetTuningRange(nRow);
    } else {
        const int set = SetIndexForRow(nRow);
        if (set >= 0)
            view->SetTuningRangeToBand(set);
    }
}

void CBandsDialog::OnDoubleClick(int nRow)
{
    OnSelect(nRow);
    hide();
}

void CBandsDialog::OnCustomBands()
{
    RunCustomBandsManager(this);
}

void CBandsDialog::OnBandPlans()
{
    OrganiserCursor wait;
    RunProgramOptions(this, 7);
}
