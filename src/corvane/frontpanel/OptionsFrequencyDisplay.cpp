#include "corvane/frontpanel/OptionsFrequencyDisplay.h"

#include "corvane/core/Settings.h"
#include "corvane/frontpanel/ClockStatic.h"
#include "corvane/frontpanel/FrequencyDisplay.h"
#include "corvane/frontpanel/MergeColoursDialog.h"
#include "corvane/frontpanel/OptionsPageTools.h"
#include "corvane/frontpanel/RadioStatus.h"
#include "platform/Prompter.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/ColourGradient.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace OptionsPageTools;

namespace {
// The preview's fixed picture: 220.36 kHz in the display's 10 Hz units, a
// full S-meter, FM, the rear antenna and a spread of lit indicators.
constexpr uint32_t kPreviewFrequency = 22036;
constexpr uint8_t kPreviewMode = 8;
constexpr int kPreviewIndicators[] = {0, 2, 4, 5, 6, 7, 10, 12, 13, 14};
} // namespace

QString COptionsFrequencyDisplay::ColourCaption(int nIndex)
{
    if (nIndex < 9)
        return QString::number(nIndex + 1);
    return QStringLiteral("9+%1").arg((nIndex - 8) * 10);
}

COptionsFrequencyDisplay::COptionsFrequencyDisplay(QWidget* parent) : COptionsPage(IDD, parent)
{
    setWindowTitle(QStringLiteral("Frequency Display"));

    m_pDisplay = new CFrequencyDisplay(this);
    SetDlgCtrlID(m_pDisplay, IDC_DISPLAY);
    m_pDisplay->setFixedSize(324, 126);

    auto* colours = Group(this, QStringLiteral("Colours"));
    auto* background = Button(colours, QStringLiteral("&Background..."), IDC_BACKGROUND);
    auto* text = Button(colours, QStringLiteral("&Text..."), IDC_TEXT);
    m_pBarColour = Button(colours, QStringLiteral("&Colour..."), IDC_BAR_COLOUR);
    auto* colourRow = new QHBoxLayout(colours);
    colourRow->addWidget(background);
    colourRow->addWidget(text);

    auto* meter = Group(this, QStringLiteral("S-Meter"));
    m_pMono = Radio(meter, QStringLiteral("M&onochrome"), IDC_MONO);
    m_pMulti = Radio(meter, QStringLiteral("M&ulti-colour"), IDC_MULTI);
    auto* meterGrid = new QGridLayout(meter);
    meterGrid->addWidget(m_pMono, 0, 0, 1, 3);
    meterGrid->addWidget(m_pBarColour, 0, 3, 1, 2);
    meterGrid->addWidget(m_pMulti, 1, 0, 1, 5);
    for (int i = 0; i < 15; ++i) {
        m_pColourButtons[i] = Button(meter, ColourCaption(i), IDC_COLOUR_FIRST + unsigned(i));
        meterGrid->addWidget(m_pColourButtons[i], 2 + i / 5, i % 5);
        connect(m_pColourButtons[i], &QPushButton::clicked, this, [this, i] { OnSMeterColour(i); });
    }
    auto* merge = Button(meter, QStringLiteral("&Merge..."), IDC_MERGE);
    meterGrid->addWidget(merge, 5, 3, 1, 2);

    auto* labels = Group(this, QStringLiteral("Label text"));
    m_pRxString = new QLineEdit(labels);
    SetDlgCtrlID(m_pRxString, IDC_RX_STRING);
    m_pRxString->setMaxLength(kRxStringLimit);
    m_pTxString = new QLineEdit(labels);
    SetDlgCtrlID(m_pTxString, IDC_TX_STRING);
    m_pRxFavourite = CheckBox(labels, QStringLiteral("Show the current &favourite when receiving"), IDC_RX_FAVOURITE);
    m_pTxFavourite = CheckBox(labels, QStringLiteral("Show the current favourite when trans&mitting"), IDC_TX_FAVOURITE);
    auto* labelGrid = new QGridLayout(labels);
    auto* rxLabel = Label(labels, QStringLiteral("&Rx text:"));
    rxLabel->setBuddy(m_pRxString);
    auto* txLabel = Label(labels, QStringLiteral("T&x text:"));
    txLabel->setBuddy(m_pTxString);
    labelGrid->addWidget(rxLabel, 0, 0);
    labelGrid->addWidget(m_pRxString, 0, 1);
    labelGrid->addWidget(txLabel, 1, 0);
    labelGrid->addWidget(m_pTxString, 1, 1);
    labelGrid->addWidget(m_pRxFavourite, 2, 0, 1, 2);
    labelGrid->addWidget(m_pTxFavourite, 3, 0, 1, 2);

    auto* clock = Group(this, QStringLiteral("Clock"));
    m_pClock = new CClockStatic(clock);
    SetDlgCtrlID(m_pClock, IDC_CLOCK);
    m_pClock->setFixedSize(220, 22);
    m_pFormat = new QComboBox(clock);
    SetDlgCtrlID(m_pFormat, IDC_TIME_FORMAT);
    m_pZone = new QComboBox(clock);
    SetDlgCtrlID(m_pZone, IDC_TIME_ZONE);
    auto* clockGrid = new QGridLayout(clock);
    clockGrid->addWidget(m_pClock, 0, 0, 1, 2);
    clockGrid->addWidget(Label(clock, QStringLiteral("Format:")), 1, 0);
    clockGrid->addWidget(m_pFormat, 1, 1);
    clockGrid->addWidget(Label(clock, QStringLiteral("Zone:")), 2, 0);
    clockGrid->addWidget(m_pZone, 2, 1);

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_pDisplay, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(colours, 1, 0);
    grid->addWidget(labels, 2, 0);
    grid->addWidget(meter, 0, 1, 2, 1);
    grid->addWidget(clock, 2, 1);
    grid->setRowStretch(3, 1);

    connect(background, &QPushButton::clicked, this, [this] { OnColourButton(IDC_BACKGROUND); });
    connect(text, &QPushButton::clicked, this, [this] { OnColourButton(IDC_TEXT); });
    connect(m_pBarColour, &QPushButton::clicked, this, [this] { OnColourButton(IDC_BAR_COLOUR); });
    connect(m_pMono, &QRadioButton::clicked, this, &COptionsFrequencyDisplay::OnSMeterMode);
    connect(m_pMulti, &QRadioButton::clicked, this, &COptionsFrequencyDisplay::OnSMeterMode);
    connect(merge, &QPushButton::clicked, this, &COptionsFrequencyDisplay::OnMerge);
    for (QComboBox* combo : {m_pFormat, m_pZone})
        connect(combo, &QComboBox::activated, this, [this] {
            RefreshPreview();
            SetModified();
        });
    connect(m_pRxString, &QLineEdit::textEdited, this, [this] { SetModified(); });
    connect(m_pTxString, &QLineEdit::textEdited, this, [this] { SetModified(); });
    connect(m_pRxFavourite, &QCheckBox::clicked, this, [this] { SetModified(); });
    connect(m_pTxFavourite, &QCheckBox::clicked, this, [this] { SetModified(); });
}

COptionsFrequencyDisplay::~COptionsFrequencyDisplay() = default;

bool COptionsFrequencyDisplay::OnInitDialog()
{
    COptionsPage::OnInitDialog();
    m_pDisplay->Build();
    m_pDisplay->SetAntenna(true);
    m_pDisplay->SetFrequency(CRadioStatus::HzToBcdWord(kPreviewFrequency * 10));
    m_pDisplay->SetSMeter(15);
    m_pDisplay->SetChannelInfo(0, kPreviewMode, 0, QString());
    for (int bit : kPreviewIndicators)
        m_pDisplay->SetIndicator(bit, true);
    m_pDisplay->Update();

    // Each format shows the time the page was made; the list does not tick.
    const QDateTime now = QDateTime::currentDateTime();
    const QSignalBlocker formatBlocker(m_pFormat);
    for (int i = 0; i < 10; ++i)
        m_pFormat->addItem(CClockStatic::FormatTime(now, 2, i, false));
    m_pFormat->setCurrentIndex(0);
    const QSignalBlocker zoneBlocker(m_pZone);
    m_pZone->addItems({QStringLiteral("GMT"), QStringLiteral("UTC"), QStringLiteral("Local")});
    m_pZone->setCurrentIndex(0);
    return true;
}

void COptionsFrequencyDisplay::DoDataExchange(bool bSaveAndValidate)
{
    if (bSaveAndValidate) {
        m_nTimeFormat = m_pFormat->currentIndex();
        m_nTimeZone = m_pZone->currentIndex();
        m_strRxString = m_pRxString->text();
        m_strTxString = m_pTxString->text();
        m_nSMeterMode = m_pMono->isChecked() ? 0 : m_pMulti->isChecked() ? 1 : -1;
        m_bRxFavourite = m_pRxFavourite->isChecked();
        m_bTxFavourite = m_pTxFavourite->isChecked();
        return;
    }
    const QSignalBlocker formatBlocker(m_pFormat);
    const QSignalBlocker zoneBlocker(m_pZone);
    m_pFormat->setCurrentIndex(m_nTimeFormat);
    m_pZone->setCurrentIndex(m_nTimeZone);
    m_pRxString->setText(m_strRxString.left(kRxStringLimit));
    m_pTxString->setText(m_strTxString);
    m_pMono->setChecked(m_nSMeterMode == 0);
    m_pMulti->setChecked(m_nSMeterMode == 1);
    m_pRxFavourite->setChecked(m_bRxFavourite != 0);
    m_pTxFavourite->setChecked(m_bTxFavourite != 0);
}

void COptionsFrequencyDisplay::GetKeywords(QStringList& keywords)
{
    keywords << QStringLiteral("Clock") << QStringLiteral("Colours") << QStringLiteral("Rx text")
             << QStringLiteral("Tx text");
}

void COptionsFrequencyDisplay::RebuildPreview()
{
    m_pDisplay->Build();
    m_pDisplay->update();
}

void COptionsFrequencyDisplay::ShowSwatches()
{
    for (int i = 0; i < 15; ++i)
        ShowSwatch(m_pColourButtons[i], m_colSMeter[i]);
}

void COptionsFrequencyDisplay::RefreshPreview()
{
    UpdateData(true);
    CSettings& global = GetSettings();
    global.m_nClockFormat = m_nTimeFormat;
    global.m_nClockZone = m_nTimeZone;
    if (m_bRxFavourite && m_bTxFavourite)
        m_strPreviewLabel = QStringLiteral("Current Favourite (Rx and Tx)");
    else if (m_bRxFavourite)
        m_strPreviewLabel = QStringLiteral("Current Favourite (Rx only)");
    else if (m_bTxFavourite)
        m_strPreviewLabel = QStringLiteral("Current Favourite (Tx only)");
    else
        m_strPreviewLabel = m_strRxString;
    m_pDisplay->SetChannelInfo(0, kPreviewMode, 0, m_strPreviewLabel);
    m_pDisplay->update();
    m_pClock->update();
}

void COptionsFrequencyDisplay::OnColourButton(unsigned nId)
{
    COLORREF colour = nId == IDC_BACKGROUND ? m_pDisplay->GetBackgroundColour()
                      : nId == IDC_TEXT     ? m_pDisplay->GetForegroundColour()
                                            : m_pDisplay->GetBarColour();
    if (!ChooseColour(this, colour))
        return;
    if (nId == IDC_BACKGROUND)
        m_pDisplay->SetBackgroundColour(colour);
    else if (nId == IDC_TEXT)
        m_pDisplay->SetForegroundColour(colour);
    else
        m_pDisplay->SetBarColour(colour);
    RebuildPreview();
    SetModified();
}

void COptionsFrequencyDisplay::OnSMeterColour(int nIndex)
{
    if (nIndex < 0 || nIndex >= 15)
        return;
    COLORREF colour = m_colSMeter[nIndex];
    if (!ChooseColour(this, colour))
        return;
    m_colSMeter[nIndex] = colour;
    GetSettings().m_colSMeter[nIndex] = colour;
    ShowSwatches();
    RebuildPreview();
    SetModified();
}

void COptionsFrequencyDisplay::OnSMeterMode()
{
    SetModified();
    UpdateData(true);
    const bool mono = m_nSMeterMode == 0;
    m_pBarColour->setEnabled(mono);
    for (QPushButton* button : m_pColourButtons)
        button->setEnabled(m_nSMeterMode == 1);
    GetSettings().m_bSMeterMono = mono ? 1 : 0;
    RebuildPreview();
}

void COptionsFrequencyDisplay::OnMerge()
{
    QStringList points;
    for (int i = 0; i < 15; ++i)
        points << QStringLiteral("S") + ColourCaption(i);
    CMergeColoursDialog dialog(this, points);
    if (dialog.DoModal() != platform::IDOK || dialog.GetStart() == dialog.GetEnd())
        return;
    CColourGradient(dialog.GetStart(), dialog.GetEnd(), m_colSMeter, 15).Fill();
    SetModified();
    for (int i = 0; i < 15; ++i)
        GetSettings().m_colSMeter[i] = m_colSMeter[i];
    ShowSwatches();
    RebuildPreview();
}

void COptionsFrequencyDisplay::WriteToSettings(CSettings& s)
{
    UpdateData(true);
    s.m_bRxFavourite = m_bRxFavourite;
    s.m_bTxFavourite = m_bTxFavourite;
    s.m_colFreqBackground = m_pDisplay->GetBackgroundColour();
    s.m_colFreqForeground = m_pDisplay->GetForegroundColour();
    s.m_colSMeterBar = m_pDisplay->GetBarColour();
    s.m_strRxString = m_strRxString;
    s.m_strTxString = m_strTxString;
    s.m_bSMeterMono = m_nSMeterMode == 0 ? 1 : 0;
    for (int i = 0; i < 15; ++i)
        s.m_colSMeter[i] = m_colSMeter[i];
    s.m_nClockFormat = m_pFormat->currentIndex();
    s.m_nClockZone = m_pZone->currentIndex();
    RefreshPreview();
}

void COptionsFrequencyDisplay::ReadFromSettings(CSettings& s)
{
    UpdateData(true);
    m_pDisplay->SetBackgroundColour(s.m_colFreqBackground);
    m_pDisplay->SetForegroundColour(s.m_colFreqForeground);
    m_pDisplay->SetBarColour(s.m_colSMeterBar);
    RebuildPreview();
    m_nSMeterMode = s.m_bSMeterMono ? 0 : 1;
    for (int i = 0; i < 15; ++i)
        m_colSMeter[i] = s.m_colSMeter[i];
    m_strRxString = s.m_strRxString;
    m_strTxString = s.m_strTxString;
    m_nTimeFormat = s.m_nClockFormat;
    m_nTimeZone = s.m_nClockZone;
    m_bRxFavourite = s.m_bRxFavourite;
    m_bTxFavourite = s.m_bTxFavourite;
    UpdateData(false);
    ShowSwatches();
    OnSMeterMode();
    RefreshPreview();
}
