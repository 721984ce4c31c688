#include "corvane/frontpanel/OptionsBarMeters.h"

#include "corvane/core/Settings.h"
#include "corvane/frontpanel/MergeColoursDialog.h"
#include "corvane/frontpanel/MeterStatic.h"
#include "corvane/frontpanel/OptionsPageTools.h"
#include "platform/Prompter.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/ColourGradient.h"
#include "shared/ui/OwnSpinButtonCtrl.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

using namespace OptionsPageTools;

COptionsBarMeters::COptionsBarMeters(QWidget* parent) : COptionsPage(IDD, parent)
{
    setWindowTitle(QStringLiteral("Tx Meters"));

    auto* meters = Group(this, QStringLiteral("Preview"));
    auto* meterGrid = new QGridLayout(meters);
    auto makeMeter = [&](unsigned nId, unsigned nLabelId, const char* label, int row) {
        auto* meter = new CMeterStatic(meters);
        SetDlgCtrlID(meter, nId);
        meter->setFixedSize(180, 14);
        meterGrid->addWidget(Label(meters, QString::fromLatin1(label), nLabelId), row, 0);
        meterGrid->addWidget(meter, row, 1);
        return meter;
    };
    m_pAlc = makeMeter(IDC_ALC, IDC_ALC_LABEL, "ALC", 0);
    m_pMod = makeMeter(IDC_MOD, IDC_MOD_LABEL, "MOD", 1);
    m_pSwr = makeMeter(IDC_SWR, IDC_SWR_LABEL, "SWR", 2);

    auto* colours = Group(this, QStringLiteral("Colours"));
    auto* background = Button(colours, QStringLiteral("&Background..."), IDC_BACKGROUND);
    m_pMono = Radio(colours, QStringLiteral("M&onochrome"), IDC_MONO);
    m_pBar = Button(colours, QStringLiteral("B&ar..."), IDC_BAR);
    m_pMulti = Radio(colours, QStringLiteral("M&ulti-colour"), IDC_MULTI);
    auto* colourGrid = new QGridLayout(colours);
    colourGrid->addWidget(background, 0, 0, 1, 3);
    colourGrid->addWidget(m_pMono, 1, 0, 1, 3);
    colourGrid->addWidget(m_pBar, 1, 3, 1, 2);
    colourGrid->addWidget(m_pMulti, 2, 0, 1, 5);
    for (int i = 0; i < 9; ++i) {
        m_pColourButtons[i] = Button(colours, QString::number(i + 1), IDC_COLOUR_FIRST + unsigned(i));
        colourGrid->addWidget(m_pColourButtons[i], 3 + i / 5, i % 5);
        connect(m_pColourButtons[i], &QPushButton::clicked, this, [this, i] { OnMeterColour(i); });
    }
    auto* merge = Button(colours, QStringLiteral("&Merge Colours..."), IDC_MERGE);
    colourGrid->addWidget(merge, 5, 2, 1, 3);

    auto* peak = Group(this, QStringLiteral("Peak hold"));
    auto makeSpin = [&](unsigned nEditId, unsigned nSpinId, QLineEdit*& edit) {
        edit = new QLineEdit(peak);
        SetDlgCtrlID(edit, nEditId);
        edit->setValidator(new QIntValidator(0, 99999, edit));
        edit->setMaximumWidth(70);
        auto* spin = new COwnSpinButtonCtrl(peak);
        SetDlgCtrlID(spin, nSpinId);
        spin->SetBuddy(edit);
        return spin;
    };
    m_pHangSpin = makeSpin(IDC_HANG_EDIT, IDC_HANG_SPIN, m_pHangEdit);
    m_pDecaySpin = makeSpin(IDC_DECAY_EDIT, IDC_DECAY_SPIN, m_pDecayEdit);
    auto* peakGrid = new QGridLayout(peak);
    auto* hangLabel = Label(peak, QStringLiteral("&Hang time (ms):"));
    hangLabel->setBuddy(m_pHangEdit);
    auto* decayLabel = Label(peak, QStringLiteral("&Decay rate (ms):"));
    decayLabel->setBuddy(m_pDecayEdit);
    peakGrid->addWidget(hangLabel, 0, 0);
    peakGrid->addWidget(m_pHangEdit, 0, 1);
    peakGrid->addWidget(m_pHangSpin, 0, 2);
    peakGrid->addWidget(decayLabel, 1, 0);
    peakGrid->addWidget(m_pDecayEdit, 1, 1);
    peakGrid->addWidget(m_pDecaySpin, 1, 2);
    peakGrid->setColumnStretch(3, 1);

    auto* grid = new QGridLayout(this);
    grid->addWidget(meters, 0, 0);
    grid->addWidget(peak, 1, 0);
    grid->addWidget(colours, 0, 1, 2, 1);
    grid->setRowStretch(2, 1);

    connect(background, &QPushButton::clicked, this, &COptionsBarMeters::OnBackground);
    connect(m_pBar, &QPushButton::clicked, this, &COptionsBarMeters::OnBar);
    connect(m_pMono, &QRadioButton::clicked, this, &COptionsBarMeters::OnMeterMode);
    connect(m_pMulti, &QRadioButton::clicked, this, &COptionsBarMeters::OnMeterMode);
    connect(merge, &QPushButton::clicked, this, &COptionsBarMeters::OnMergeColours);
    // The arrows write the edit's text themselves: a change either way is
    // the operator's.
    for (QLineEdit* edit : {m_pHangEdit, m_pDecayEdit})
        connect(edit, &QLineEdit::textEdited, this, [this, edit](const QString& text) {
            COwnSpinButtonCtrl* spin = edit == m_pHangEdit ? m_pHangSpin : m_pDecaySpin;
            int lower = 0, upper = 0;
            spin->GetRange(lower, upper);
            spin->SetPos(std::clamp(text.toInt(), lower, upper));
            SetModified();
        });
    for (COwnSpinButtonCtrl* spin : {m_pHangSpin, m_pDecaySpin})
        connect(spin, &COwnSpinButtonCtrl::positionChanged, this, [this] { SetModified(); });
}

COptionsBarMeters::~COptionsBarMeters() = default;

CMeterStatic* COptionsBarMeters::GetMeter(unsigned nId) const
{
    return nId == IDC_SWR ? m_pSwr : nId == IDC_MOD ? m_pMod : nId == IDC_ALC ? m_pAlc : nullptr;
}

bool COptionsBarMeters::OnInitDialog()
{
    COptionsPage::OnInitDialog();
    const struct {
        CMeterStatic* meter;
        int value;
    } previews[] = {{m_pAlc, 9}, {m_pMod, 6}, {m_pSwr, 3}};
    for (const auto& p : previews) {
        p.meter->CreateBuffer();
        p.meter->SetRange(0, 9);
        p.meter->SetValue(p.value);
    }
    m_pHangSpin->SetRange(1, 3000);
    m_pDecaySpin->SetRange(1, 500);
    return true;
}

void COptionsBarMeters::DoDataExchange(bool bSaveAndValidate)
{
    if (bSaveAndValidate)
        m_nMeterMode = m_pMono->isChecked() ? 0 : m_pMulti->isChecked() ? 1 : -1;
    else {
        m_pMono->setChecked(m_nMeterMode == 0);
        m_pMulti->setChecked(m_nMeterMode == 1);
    }
}

void COptionsBarMeters::GetKeywords(QStringList& keywords)
{
    keywords << QStringLiteral("Colours");
}

void COptionsBarMeters::RepaintMeters()
{
    for (CMeterStatic* meter : {m_pSwr, m_pMod, m_pAlc}) {
        meter->SetBackgroundColour(m_colBackground);
        meter->SetBarColour(m_colBar);
        meter->update();
    }
}

void COptionsBarMeters::ShowSwatches()
{
    for (int i = 0; i < 9; ++i)
        ShowSwatch(m_pColourButtons[i], m_colTxMeter[i]);
}

void COptionsBarMeters::OnBackground()
{
    if (!ChooseColour(this, m_colBackground))
        return;
    RepaintMeters();
    SetModified();
}

void COptionsBarMeters::OnBar()
{
    if (!ChooseColour(this, m_colBar))
        return;
    RepaintMeters();
    SetModified();
}

void COptionsBarMeters::OnMeterMode()
{
    SetModified();
    UpdateData(true);
    m_pBar->setEnabled(m_nMeterMode == 0);
    for (QPushButton* button : m_pColourButtons)
        button->setEnabled(m_nMeterMode == 1);
    GetSettings().m_bTxMeterMono = m_nMeterMode == 0 ? 1 : 0;
    RepaintMeters();
}

void COptionsBarMeters::OnMeterColour(int nIndex)
{
    if (nIndex < 0 || nIndex >= 9)
        return;
    COLORREF colour = m_colTxMeter[nIndex];
    if (!ChooseColour(this, colour))
        return;
    m_colTxMeter[nIndex] = colour;
    GetSettings().m_colTxMeter[nIndex] = colour;
    ShowSwatches();
    RepaintMeters();
    SetModified();
}

void COptionsBarMeters::OnMergeColours()
{
    QStringList points;
    for (int i = 0; i < 9; ++i)
        points << QStringLiteral("P%1").arg(i + 1);
    CMergeColoursDialog dialog(this, points);
    if (dialog.DoModal() != platform::IDOK || dialog.GetStart() == dialog.GetEnd())
        return;
    CColourGradient(dialog.GetStart(), dialog.GetEnd(), m_colTxMeter, 9).Fill();
    SetModified();
    for (int i = 0; i < 9; ++i)
        GetSettings().m_colTxMeter[i] = m_colTxMeter[i];
    ShowSwatches();
    RepaintMeters();
}

void COptionsBarMeters::WriteToSettings(CSettings& s)
{
    UpdateData(true);
    s.m_colTxBarMeterBackground = m_colBackground;
    s.m_colTxBarMeterForeground = m_colBar;
    s.m_bTxMeterMono = m_nMeterMode == 0 ? 1 : 0;
    for (int i = 0; i < 9; ++i)
        s.m_colTxMeter[i] = m_colTxMeter[i];
    s.m_nTxMeterDecayHang = m_pHangSpin->GetPos() & 0xFFFF;
    s.m_nTxMeterDecayRate = m_pDecaySpin->GetPos() & 0xFFFF;
}

void COptionsBarMeters::ReadFromSettings(CSettings& s)
{
    UpdateData(true);
    m_colBackground = s.m_colTxBarMeterBackground;
    m_colBar = s.m_colTxBarMeterForeground;
    RepaintMeters();
    m_nMeterMode = s.m_bTxMeterMono ? 0 : 1;
    for (int i = 0; i < 9; ++i)
        m_colTxMeter[i] = s.m_colTxMeter[i];
    m_pHangSpin->SetPos(s.m_nTxMeterDecayHang);
    m_pHangSpin->UpdateBuddy(-1, false);
    m_pDecaySpin->SetPos(s.m_nTxMeterDecayRate);
    m_pDecaySpin->UpdateBuddy(-1, false);
    UpdateData(false);
    ShowSwatches();
    OnMeterMode();
}
