#include "brevio/tools/options/PSK31PageDisplay.h"

#include "brevio/core/MainFrame.h"
#include "brevio/core/MessageBroadcast.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/core/RegisteredMessages.h"
#include "brevio/display/PaletteDesigner.h"
#include "brevio/tools/options/OptionsLogic.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/ColourStatic.h"
#include "shared/ui/OwnComboBox.h"
#include "shared/ui/OwnFileDialog.h"
#include "shared/ui/OwnSpinButtonCtrl.h"
#include "shared/ui/PathEllipsis.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr int kSpinLow = 1;
constexpr int kSpinHigh = 38;
} // namespace

CPSK31PageDisplay::CPSK31PageDisplay(QWidget* parent)
    : CPSK31OptionsPage(IDD, QStringLiteral("Waterfall Display"), parent)
{
    // Mode and what the waterfall shows with it.
    QGroupBox* mode = MakeGroup(this, QStringLiteral("Mode"));
    m_pMode = MakeRadioGroup(false);
    connect(m_pMode, &QButtonGroup::idClicked, this, [this] {
        NotifyOptionChanged();
        UpdateEnables();
    });
    auto* modeLayout = new QVBoxLayout(mode);
    const char* const modes[] = {"&Waterfall", "&Spectrum", "&Input"};
    for (int i = 0; i < 3; ++i)
        modeLayout->addWidget(MakeRadio(mode, m_pMode, QString::fromLatin1(modes[i]), IDC_MODE_WATERFALL + i, i));

    QGroupBox* waterfall = MakeGroup(this, QStringLiteral("Waterfall Options"));
    m_pSpectrum = MakeCheck(waterfall, QStringLiteral("Spectru&m"), IDC_SPECTRUM, false);
    connect(m_pSpectrum, &QCheckBox::clicked, this, [this] {
        NotifyOptionChanged();
        UpdateEnables();
    });
    m_pGrid = MakeCheck(waterfall, QStringLiteral("&Grid"), IDC_GRID);
    m_pHeightLabel = MakeLabel(waterfall, QStringLiteral("Height:"), IDC_HEIGHT_LABEL);
    m_pHeight = new COwnComboBox(waterfall);
    SetDlgCtrlID(m_pHeight, IDC_HEIGHT);
    m_pHeightLabel->setBuddy(m_pHeight);
    connect(m_pHeight, &QComboBox::activated, this, [this] { NotifyOptionChanged(); });
    auto* waterfallLayout = new QGridLayout(waterfall);
    waterfallLayout->addWidget(m_pSpectrum, 0, 0, 1, 2);
    waterfallLayout->addWidget(m_pGrid, 1, 0, 1, 2);
    waterfallLayout->addWidget(m_pHeightLabel, 2, 0);
    waterfallLayout->addWidget(m_pHeight, 2, 1);

    // Passband.
    QGroupBox* passband = MakeGroup(this, QStringLiteral("Passband"));
    auto makeSpin = [&](unsigned nEdit, unsigned nSpin, QLineEdit*& edit, COwnSpinButtonCtrl*& spin) {
        edit = new QLineEdit(passband);
        SetDlgCtrlID(edit, nEdit);
        edit->setReadOnly(true);
        edit->setFixedWidth(60);
        spin = new COwnSpinButtonCtrl(passband);
        SetDlgCtrlID(spin, nSpin);
        spin->SetBuddy(edit);
        spin->SetRange(kSpinLow, kSpinHigh);
        spin->SetScale(100);
        connect(spin, &COwnSpinButtonCtrl::positionChanged, this, [this] { NotifyOptionChanged(); });
    };
    makeSpin(IDC_MAX, IDC_MAX_SPIN, m_pMax, m_pMaxSpin);
    makeSpin(IDC_MIN, IDC_MIN_SPIN, m_pMin, m_pMinSpin);
    auto* passLayout = new QGridLayout(passband);
    passLayout->addWidget(MakeLabel(passband, QStringLiteral("Max:")), 0, 0);
    passLayout->addWidget(m_pMax, 0, 1);
    passLayout->addWidget(m_pMaxSpin, 0, 2);
    passLayout->addWidget(MakeLabel(passband, QStringLiteral("Min:")), 1, 0);
    passLayout->addWidget(m_pMin, 1, 1);
    passLayout->addWidget(m_pMinSpin, 1, 2);
    passLayout->addWidget(MakeLabel(passband, QStringLiteral("Note: Values in Hertz")), 2, 0, 1, 3);

    // Appearance.
    QGroupBox* appearance = MakeGroup(this, QStringLiteral("Appearance"));
    QPushButton* back = MakeButton(appearance, QStringLiteral("Colour: &Back"), IDC_COLOUR_BACK);
    connect(back, &QPushButton::clicked, this, [this] { OnColourBack(); });
    QPushButton* scale = MakeButton(appearance, QStringLiteral("Colour: &Scale"), IDC_COLOUR_SCALE);
    connect(scale, &QPushButton::clicked, this, [this] { OnColourScale(); });
    QPushButton* fontButton = MakeButton(appearance, QStringLiteral("&Font"), IDC_FONT);
    connect(fontButton, &QPushButton::clicked, this, [this] { OnFont(); });
    m_pColourFile = new CColourStatic(appearance);
    SetDlgCtrlID(m_pColourFile, IDC_COLOUR_FILE);
    m_pColourFile->SetCaptionColours();
    SetPathEllipsis(m_pColourFile);
    m_pColourFile->setMinimumHeight(20);
    QPushButton* browse = MakeButton(appearance, QStringLiteral("..."), IDC_COLOUR_FILE_BROWSE);
    browse->setFixedWidth(30);
    connect(browse, &QPushButton::clicked, this, [this] { OnReadColourFile(); });
    m_pPaletteEditor = MakeButton(appearance, QStringLiteral("&Palette Editor"), IDC_PALETTE_EDITOR);
    connect(m_pPaletteEditor, &QPushButton::clicked, this, [this] { OnPaletteEditor(); });
    QPushButton* reset = MakeButton(appearance, QStringLiteral("&Reset Colours"), IDC_RESET_COLOURS);
    connect(reset, &QPushButton::clicked, this, [this] { OnResetColours(); });
    auto* appearanceLayout = new QGridLayout(appearance);
    appearanceLayout->addWidget(back, 0, 0);
    appearanceLayout->addWidget(scale, 0, 1);
    appearanceLayout->addWidget(fontButton, 0, 2);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(MakeLabel(appearance, QStringLiteral("Colour file: ")));
    fileRow->addWidget(m_pColourFile, 1);
    fileRow->addWidget(browse);
    appearanceLayout->addLayout(fileRow, 1, 0, 1, 3);
    appearanceLayout->addWidget(m_pPaletteEditor, 2, 0);
    appearanceLayout->addWidget(reset, 2, 1);

    QGroupBox* radio = MakeGroup(this, QStringLiteral("Radio frequency"));
    m_pRealFrequency = MakeCheck(radio, QStringLiteral("Show radio frequency"), IDC_REAL_FREQUENCY, false);
    connect(m_pRealFrequency, &QCheckBox::clicked, this, [this] { OnRealFrequency(); });
    (new QVBoxLayout(radio))->addWidget(m_pRealFrequency);
    QGroupBox* saver = MakeGroup(this, QStringLiteral("Screensaver"));
    m_pScreenSaver = MakeCheck(saver, QStringLiteral("&Disable screensaver"), IDC_SCREENSAVER);
    (new QVBoxLayout(saver))->addWidget(m_pScreenSaver);

    auto* layout = new QGridLayout(this);
    layout->addWidget(mode, 0, 0);
    layout->addWidget(waterfall, 0, 1);
    layout->addWidget(passband, 0, 2);
    layout->addWidget(appearance, 1, 0, 1, 3);
    layout->addWidget(radio, 2, 0, 1, 2);
    layout->addWidget(saver, 2, 2);
    layout->setRowStretch(3, 1);

    // As created; the first load replaces all of it.
    m_pMaxSpin->SetPos(kSpinHigh);
    m_pMaxSpin->UpdateBuddy(-1, false);
    m_pMinSpin->SetPos(kSpinLow);
    m_pMinSpin->UpdateBuddy(-1, false);
    for (uint32_t percent = 10; percent <= 50; percent += 5)
        m_pHeight->AddItem(QStringLiteral("%1%").arg(percent), percent);
    m_pHeight->SelectByData(50);
    CheckIndex(m_pMode, 0);
    UpdateEnables();
}

CPSK31PageDisplay::~CPSK31PageDisplay() = default;

void CPSK31PageDisplay::GetTopicLines(QStringList& lines) const
{
    lines << QStringLiteral("Appearance") << QStringLiteral("Mode") << QStringLiteral("@Waterfall")
          << QStringLiteral("@Spectrum") << QStringLiteral("@Input") << QStringLiteral("Passband range")
          << QStringLiteral("Radio frequency") << QStringLiteral("Screensaver");
}

void CPSK31PageDisplay::DoDataExchange(bool bSaveAndValidate)
{
    if (bSaveAndValidate) {
        m_nMode = CheckedIndex(m_pMode);
        m_bSpectrum = m_pSpectrum->isChecked();
        m_bGrid = m_pGrid->isChecked();
        m_bScreenSaver = m_pScreenSaver->isChecked();
        m_bRealFrequency = m_pRealFrequency->isChecked();
        m_strColourFile = m_pColourFile->text();
    } else {
        CheckIndex(m_pMode, m_nMode);
        SetChecked(m_pSpectrum, m_bSpectrum);
        SetChecked(m_pGrid, m_bGrid);
        SetChecked(m_pScreenSaver, m_bScreenSaver);
        SetChecked(m_pRealFrequency, m_bRealFrequency);
        m_pColourFile->setText(m_strColourFile);
    }
}

void CPSK31PageDisplay::UpdateEnables()
{
    UpdateData(true);
    const bool waterfall = m_nMode == 0;
    const bool strip = waterfall && m_bSpectrum;
    m_pSpectrum->setEnabled(waterfall);
    m_pGrid->setEnabled(strip);
    m_pHeightLabel->setEnabled(strip);
    m_pHeight->setEnabled(strip);
}

void CPSK31PageDisplay::LoadFromSettings(CPSK31Settings& settings)
{
    m_colBack = COLORREF(settings.m_colDisplayBack);
    m_colText = COLORREF(settings.m_colDisplayText);
    m_bGrid = settings.m_bDisplayGrid;
    m_bSpectrum = settings.m_bDisplaySpectrum;
    m_nMode = settings.m_nDisplayMode;
    m_bScreenSaver = settings.m_bDisableScreenSaver;
    m_bRealFrequency = settings.m_bDisplayRealFrequency;
    m_strFont = settings.m_strDisplayFont;
    m_strColourFile = settings.m_strDisplayColourFile;
    m_pHeight->SelectByData(uint32_t(settings.m_nDisplaySpectrumHeight));
    m_pMaxSpin->SetPos(PskOptions::HundredsPosition(settings.m_nDisplayMax));
    m_pMaxSpin->UpdateBuddy(-1, false);
    m_pMinSpin->SetPos(PskOptions::HundredsPosition(settings.m_nDisplayMin));
    m_pMinSpin->UpdateBuddy(-1, false);
    for (int i = 0; i < 256; ++i)
        m_colours[i] = settings.GetColour(i);
    UpdateData(false);
    UpdateEnables();
}

void CPSK31PageDisplay::StoreToSettings(CPSK31Settings& settings)
{
    UpdateData(true);
    if (m_bResetPending) {
        settings.SetDefaultColourTable();
        for (int i = 0; i < 256; ++i)
            m_colours[i] = settings.GetColour(i);
        m_bResetPending = false;
    }
    settings.m_colDisplayBack = int(m_colBack);
    settings.m_colDisplayText = int(m_colText);
    settings.m_strDisplayColourFile = m_strColourFile;
    settings.m_strDisplayFont = m_strFont;
    settings.m_nDisplayMax = int(int16_t(m_pMaxSpin->GetPos())) * 100;
    settings.m_nDisplayMin = int(int16_t(m_pMinSpin->GetPos())) * 100;
    settings.m_nDisplayMode = m_nMode;
    settings.m_bDisplayGrid = m_bGrid;
    settings.m_bDisplaySpectrum = m_bSpectrum;
    settings.m_bDisableScreenSaver = m_bScreenSaver;
    settings.m_nDisplaySpectrumHeight = int(m_pHeight->GetSelectedData());
    settings.m_bDisplayRealFrequency = m_bRealFrequency;
    for (int i = 0; i < 256; ++i)
        settings.SetColour(i, m_colours[i]);
}

void CPSK31PageDisplay::OnColourBack()
{
    if (ChooseColour(m_colBack))
        NotifyOptionChanged();
}

void CPSK31PageDisplay::OnColourScale()
{
    if (ChooseColour(m_colText))
        NotifyOptionChanged();
}

void CPSK31PageDisplay::OnFont()
{
    if (ChooseFont(m_strFont))
        NotifyOptionChanged();
}

void CPSK31PageDisplay::OnReadColourFile()
{
    UpdateData(true);
    QString path = m_strColourFile;
    if (!ChoosePaletteFileToOpen(this, path, QStringLiteral("Colour File")))
        return;
    m_strColourFile = path;
    UpdateData(false);
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        PskOptions::ReadColourFile(file, m_colours);
    NotifyOptionChanged();
}

void CPSK31PageDisplay::OnResetColours()
{
    m_bResetPending = true;
    m_strColourFile.clear();
    UpdateData(false);
    NotifyOptionChanged();
}

void CPSK31PageDisplay::OnPaletteEditor()
{
    // The designer saves and announces its own changes, which reloads the pages.
    CPaletteDesigner designer(this);
    designer.DoModal();
}

void CPSK31PageDisplay::OnRealFrequency()
{
    NotifyOptionChanged();
    // The scales rebuild even where nothing compared different.
    SendMessageToDescendants(GetMainFrame(), RegisteredMessage::nMsgOptions, 0, 1, false);
}
