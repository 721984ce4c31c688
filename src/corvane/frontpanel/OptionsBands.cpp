#include "corvane/frontpanel/OptionsBands.h"

#include "corvane/core/Settings.h"
#include "corvane/frontpanel/OptionsPageTools.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/OwnComboBox.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

using namespace OptionsPageTools;

namespace {
struct BandChoice {
    const char* pText;
    uint32_t nPlan;  // the band-plan choice the options store
};
struct BandRow {
    const char* pLabel;
    unsigned nId;
    BandChoice choices[3];
    int nChoices;
};
const BandRow kBandRows[COptionsBands::kBands] = {
    {"80 m", COptionsBands::IDC_80M, {{"3.5 - 3.8", 0}, {"3.5 - 4.0", 1}}, 2},
    {"40 m", COptionsBands::IDC_40M, {{"7.0 - 7.1", 2}, {"7.0 - 7.3", 3}}, 2},
    {"6 m", COptionsBands::IDC_6M, {{"50 - 52", 4}, {"50 - 54", 5}}, 2},
    {"2 m", COptionsBands::IDC_2M, {{"144 - 146", 6}, {"144 - 148", 7}}, 2},
    {"70 cms", COptionsBands::IDC_70CM, {{"430 - 440", 8}, {"420 - 450", 9}, {"432 - 438", 10}}, 3},
};

int* BandMember(CSettings& s, int nBand)
{
    switch (nBand) {
    case 0: return &s.m_eBand80M;
    case 1: return &s.m_eBand40M;
    case 2: return &s.m_eBand6M;
    case 3: return &s.m_eBand2M;
    default: return &s.m_eBand70CM;
    }
}
} // namespace

COptionsBands::COptionsBands(QWidget* parent) : COptionsPage(IDD, parent)
{
    setWindowTitle(QStringLiteral("Band Plans"));
    auto* group = Group(this, QStringLiteral("Band edges (MHz)"));
    auto* bandGrid = new QGridLayout(group);
    for (int i = 0; i < kBands; ++i) {
        m_pCombos[i] = new COwnComboBox(group);
        SetDlgCtrlID(m_pCombos[i], kBandRows[i].nId);
        bandGrid->addWidget(Label(group, QString::fromLatin1(kBandRows[i].pLabel)), i, 0);
        bandGrid->addWidget(m_pCombos[i], i, 1);
        connect(m_pCombos[i], &COwnComboBox::activated, this, [this] { SetModified(); });
    }
    bandGrid->setColumnStretch(2, 1);
    auto* grid = new QGridLayout(this);
    grid->addWidget(group, 0, 0);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(1, 1);
}

COptionsBands::~COptionsBands() = default;

bool COptionsBands::OnInitDialog()
{
    COptionsPage::OnInitDialog();
    for (int i = 0; i < kBands; ++i) {
        for (int c = 0; c < kBandRows[i].nChoices; ++c)
            m_pCombos[i]->AddItem(QString::fromLatin1(kBandRows[i].choices[c].pText), kBandRows[i].choices[c].nPlan);
        m_pCombos[i]->SetCurSel(0);
    }
    return true;
}

void COptionsBands::GetKeywords(QStringList& keywords)
{
    for (const BandRow& band : kBandRows)
        keywords << QString::fromLatin1(band.pLabel);
}

void COptionsBands::WriteToSettings(CSettings& s)
{
    for (int i = 0; i < kBands; ++i)
        *BandMember(s, i) = int(m_pCombos[i]->GetSelectedData());
}

void COptionsBands::ReadFromSettings(CSettings& s)
{
    // A stored choice that is not in a list leaves that list as it was.
    for (int i = 0; i < kBands; ++i)
        m_pCombos[i]->SelectByData(uint32_t(*BandMember(s, i)));
}
