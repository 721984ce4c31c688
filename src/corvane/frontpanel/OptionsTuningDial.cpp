#include "corvane/frontpanel/OptionsTuningDial.h"

#include "corvane/core/Settings.h"
#include "corvane/frontpanel/BandPlan.h"
#include "corvane/frontpanel/OptionsPageTools.h"
#include "corvane/frontpanel/TuningDial.h"
#include "shared/ui/BaseDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>

using namespace OptionsPageTools;

COptionsTuningDial::COptionsTuningDial(QWidget* parent) : COptionsPage(IDD, parent)
{
    setWindowTitle(QStringLiteral("Tuning Dial"));
    m_pDial = new CTuningDial(this);
    SetDlgCtrlID(m_pDial, IDC_DIAL);
    m_pDial->setFixedSize(420, 150);

    auto* colours = Group(this, QStringLiteral("Colours"));
    auto* background = Button(colours, QStringLiteral("&Background..."), IDC_BACKGROUND);
    auto* text = Button(colours, QStringLiteral("&Text..."), IDC_TEXT);
    auto* slider = Button(colours, QStringLiteral("&Slider..."), IDC_SLIDER);
    auto* row = new QHBoxLayout(colours);
    row->addWidget(background);
    row->addWidget(text);
    row->addWidget(slider);
    row->addStretch(1);

    m_pHideSlider = CheckBox(this, QStringLiteral("&Hide slider while scanning (avoids flicker)"), IDC_HIDE_SLIDER);
    m_pSwitchVfo = CheckBox(
        this, QStringLiteral("&Always switch to VFO mode when changing frequency if in Memory or MTUNE mode"),
        IDC_SWITCH_VFO);

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_pDial, 0, 0, Qt::AlignLeft);
    grid->addWidget(colours, 1, 0);
    grid->addWidget(m_pHideSlider, 2, 0);
    grid->addWidget(m_pSwitchVfo, 3, 0);
    grid->setRowStretch(4, 1);

    connect(background, &QPushButton::clicked, this, [this] { OnColourButton(IDC_BACKGROUND); });
    connect(text, &QPushButton::clicked, this, [this] { OnColourButton(IDC_TEXT); });
    connect(slider, &QPushButton::clicked, this, [this] { OnColourButton(IDC_SLIDER); });
    connect(m_pHideSlider, &QCheckBox::clicked, this, [this] { SetModified(); });
    connect(m_pSwitchVfo, &QCheckBox::clicked, this, [this] { SetModified(); });
}

COptionsTuningDial::~COptionsTuningDial() = default;

bool COptionsTuningDial::OnInitDialog()
{
    COptionsPage::OnInitDialog();
    CBandPlan plan;
    plan.BuildStandard(kPreviewPlan);
    uint32_t centre = 0;
    if (const CBandPlanEntry* entry = plan.GetEntry(1))
        centre = uint32_t((uint64_t(entry->GetFrom()) + entry->GetTo()) / 2);
    m_pDial->SetMaxDivisions(8);
    m_pDial->SetBandPlan(plan);
    m_pDial->Rebuild();
    m_pDial->SetFrequency(centre, false);
    return true;
}

void COptionsTuningDial::DoDataExchange(bool bSaveAndValidate)
{
    if (bSaveAndValidate) {
        m_bHideSlider = m_pHideSlider->isChecked();
        m_bSwitchVfo = m_pSwitchVfo->isChecked();
    } else {
        m_pHideSlider->setChecked(m_bHideSlider != 0);
        m_pSwitchVfo->setChecked(m_bSwitchVfo != 0);
    }
}

void COptionsTuningDial::GetKeywords(QStringList& keywords)
{
    keywords << QStringLiteral("Colours") << QStringLiteral("Hide while scanning")
             << QStringLiteral("Switch to VFO mode");
}

void COptionsTuningDial::OnColourButton(unsigned nId)
{
    COLORREF colour = nId == IDC_BACKGROUND ? m_pDial->GetBackgroundColour()
                      : nId == IDC_TEXT     ? m_pDial->GetForegroundColour()
                                            : m_pDial->GetSliderColour();
    if (!ChooseColour(this, colour))
        return;
    if (nId == IDC_BACKGROUND)
        m_pDial->SetBackgroundColour(colour);
    else if (nId == IDC_TEXT)
        m_pDial->SetForegroundColour(colour);
    else
        m_pDial->SetSliderColour(colour);
    m_pDial->Rebuild();
    SetModified();
}

void COptionsTuningDial::WriteToSettings(CSettings& s)
{
    UpdateData(true);
    s.m_bTuningDialSwitchVFO = m_bSwitchVfo;
    s.m_bTuningDialHideScanning = m_bHideSlider;
    s.m_colTuningDialBackground = m_pDial->GetBackgroundColour();
    s.m_colTuningDialForeground = m_pDial->GetForegroundColour();
    s.m_colTuningDialSliderColour = m_pDial->GetSliderColour();
}

void COptionsTuningDial::ReadFromSettings(CSettings& s)
{
    m_bHideSlider = s.m_bTuningDialHideScanning;
    m_bSwitchVfo = s.m_bTuningDialSwitchVFO;
    m_pDial->SetBackgroundColour(s.m_colTuningDialBackground);
    m_pDial->SetForegroundColour(s.m_colTuningDialForeground);
    m_pDial->SetSliderColour(s.m_colTuningDialSliderColour);
    UpdateData(false);
    m_pDial->Rebuild();
}
