#include "corvane/organisers/RepeaterDialog.h"

#include "corvane/frontpanel/RadioStatus.h"
#include "corvane/memory/RepeaterControls.h"
#include "corvane/memory/ToneTables.h"
#include "corvane/organisers/FavouriteEntry.h"
#include "platform/Prompter.h"
#include "shared/edit/FrequencyEdit.h"
#include "shared/WinDraw.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/ColourStatic.h"
#include "shared/ui/OwnComboBox.h"
#include "shared/ui/RotBevelLine.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CRepeaterDialog::CRepeaterDialog(QWidget* pParent, const CRadioStatus& status) : QDialog(pParent)
{
    m_nCtcss = status.Record(6) & 0x3F;
    m_nDcs = status.Record(7) & 0x7F;
    m_nShift = status.Record(1) >> 6;
    m_nOffset = uint32_t(status.Record(15)) << 16 | uint32_t(status.Record(16)) << 8 | status.Record(17);
    m_nToneMode = status.Record(4) & 0x03;
    CreateControls();
}

CRepeaterDialog::CRepeaterDialog(QWidget* pParent, const CMemoryChannel& favourite) : QDialog(pParent)
{
    const QString settings = favourite.GetRepeaterSettings();
    m_nCtcss = int(CFavouriteEntry::RepeaterSetting(settings, CFavouriteEntry::SETTING_CTCSS));
    m_nDcs = int(CFavouriteEntry::RepeaterSetting(settings, CFavouriteEntry::SETTING_DCS));
    m_nShift = int(CFavouriteEntry::RepeaterSetting(settings, CFavouriteEntry::SETTING_OFFSET));
    m_nOffset = CFavouriteEntry::RepeaterSetting(settings, CFavouriteEntry::SETTING_SHIFT) / 10;
    m_nToneMode = int(CFavouriteEntry::RepeaterSetting(settings, CFavouriteEntry::SETTING_TONE_MODE));
    CreateControls();
}

CRepeaterDialog::~CRepeaterDialog() = default;

void CRepeaterDialog::CreateControls()
{
    SetDlgCtrlID(this, kTemplateId);
    setWindowTitle(QStringLiteral("Repeater"));

    auto* offsetBox = new QGroupBox(QStringLiteral("Offset"), this);
    m_pShiftGroup = new QButtonGroup(this);
    auto* offsetLayout = new QVBoxLayout(offsetBox);
    const struct {
        const char* text;
        unsigned id;
    } shifts[] = {{"&Simplex", IDC_SIMPLEX}, {"&Minus", IDC_MINUS}, {"&Plus", IDC_PLUS}};
    for (int i = 0; i < 3; ++i) {
        auto* button = new QRadioButton(QString::fromLatin1(shifts[i].text), offsetBox);
        SetDlgCtrlID(button, shifts[i].id);
        m_pShiftGroup->addButton(button, i);
        offsetLayout->addWidget(button);
    }

    auto* toneBox = new QGroupBox(QStringLiteral("Tone"), this);
    m_pToneGroup = new QButtonGroup(this);
    auto* toneLayout = new QVBoxLayout(toneBox);
    const struct {
        const char* text;
        unsigned id;
    } tones[] = {{"&Off", IDC_TONE_OFF}, {"&T", IDC_TONE}, {"T+S&Q", IDC_TONE_SQUELCH}, {"&DCS", IDC_DCS}};
    for (int i = 0; i < 4; ++i) {
        auto* button = new QRadioButton(QString::fromLatin1(tones[i].text), toneBox);
        SetDlgCtrlID(button, tones[i].id);
        m_pToneGroup->addButton(button, i);
        toneLayout->addWidget(button);
    }

    auto* shiftBox = new QGroupBox(QStringLiteral("Shift"), this);
    m_pOffsetEdit = new CFrequencyEdit(shiftBox);
    SetDlgCtrlID(m_pOffsetEdit, IDC_OFFSET);
    m_pStandard = new COwnComboBox(shiftBox);
    SetDlgCtrlID(m_pStandard, IDC_STANDARD_OFFSETS);
    auto* shiftLayout = new QVBoxLayout(shiftBox);
    shiftLayout->addWidget(m_pOffsetEdit);
    shiftLayout->addWidget(m_pStandard);

    auto* ctcssCaption = new cdxCRotBevelLine(QStringLiteral("CTCSS"), this);
    SetDlgCtrlID(ctcssCaption, IDC_CTCSS_CAPTION);
    m_pCtcss = new QListWidget(this);
    RepeaterControls::FillToneList(m_pCtcss, ToneTables::CtcssTexts());
    m_pCtcss->setMinimumHeight(120);
    SetDlgCtrlID(m_pCtcss, IDC_CTCSS_LIST);
    auto* dcsCaption = new cdxCRotBevelLine(QStringLiteral("DCS"), this);
    SetDlgCtrlID(dcsCaption, IDC_DCS_CAPTION);
    m_pDcs = new QListWidget(this);
    RepeaterControls::FillToneList(m_pDcs, ToneTables::DcsTexts());
    m_pDcs->setMinimumHeight(120);
    SetDlgCtrlID(m_pDcs, IDC_DCS_LIST);

    auto* note = new CColourStatic(QStringLiteral("The default values may not be correct - a FT-817 limitation"), this);
    SetDlgCtrlID(note, IDC_NOTE);
    note->SetColours(winapi::GetSysColor(winapi::COLOR_HIGHLIGHT), winapi::GetSysColor(winapi::COLOR_HIGHLIGHTTEXT));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    SetDlgCtrlID(ok, platform::IDOK);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    SetDlgCtrlID(cancel, platform::IDCANCEL);
    connect(ok, &QPushButton::clicked, this, &CRepeaterDialog::OnOK);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_pStandard, &QComboBox::activated, this, [this] { OnStandardOffset(); });

    auto* groups = new QHBoxLayout;
    groups->addWidget(offsetBox);
    groups->addWidget(toneBox);
    groups->addWidget(shiftBox, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(note, 1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addWidget(ctcssCaption);
    layout->addWidget(m_pCtcss, 1);
    layout->addWidget(dcsCaption);
    layout->addWidget(m_pDcs, 1);
    layout->addLayout(buttons);
    resize(560, 460);
    InitControls();
}

void CRepeaterDialog::InitControls()
{
    {
        const QSignalBlocker block(m_pStandard);
        RepeaterControls::FillStandardOffsets(m_pStandard);
    }
    RepeaterControls::SetUpOffsetEdit(m_pOffsetEdit);
    RepeaterControls::ShowOffset(m_pOffsetEdit, m_nOffset);
    if (m_nCtcss >= 0 && m_nCtcss < m_pCtcss->count())
        RepeaterControls::SelectIndex(m_pCtcss, m_nCtcss);
    if (m_nDcs >= 0 && m_nDcs < m_pDcs->count())
        RepeaterControls::SelectIndex(m_pDcs, m_nDcs);
    if (QAbstractButton* b = m_pShiftGroup->button(m_nShift))
        b->setChecked(true);
    if (QAbstractButton* b = m_pToneGroup->button(m_nToneMode))
        b->setChecked(true);
}

int CRepeaterDialog::DoModal()
{
    return exec() == Accepted ? platform::IDOK : platform::IDCANCEL;
}

void CRepeaterDialog::OnStandardOffset()
{
    const QSignalBlocker block(m_pStandard);
    RepeaterControls::ChooseStandardOffset(m_pStandard, m_pOffsetEdit);
}

void CRepeaterDialog::OnOK()
{
    m_nShift = m_pShiftGroup->checkedId();
    m_nToneMode = m_pToneGroup->checkedId();
    m_nCtcss = m_pCtcss->currentRow();
    m_nDcs = m_pDcs->currentRow();
    m_nOffset = m_pOffsetEdit->GetFrequency();
    accept();
}

QString CRepeaterDialog::GetSettingsText(uint32_t nValid) const
{
    // A group left without a choice (or a list without a selection) is stored as 0.
    auto field = [](int n) { return n < 0 ? 0u : uint32_t(n); };
    return CFavouriteEntry::FormatRepeaterSettings(nValid, m_nOffset, field(m_nCtcss), field(m_nDcs), field(m_nShift),
                                                   field(m_nToneMode));
}
