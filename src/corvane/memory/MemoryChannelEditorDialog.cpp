#include "corvane/memory/MemoryChannelEditorDialog.h"

#include "corvane/core/FieldDecoders.h"
#include "corvane/core/FrequencyRangeCheck.h"
#include "corvane/core/MemoryChannelList.h"
#include "corvane/core/RegisteredMessages.h"
#include "corvane/memory/ToneTables.h"
#include "platform/Prompter.h"
#include "shared/RegisteredEvent.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/edit/FrequencyEdit.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/ColourStatic.h"
#include "shared/ui/OwnComboBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const char* const kFrequencyMask = "###\\.###\\.## MHz";
const char* const kOffsetMask = "##\\.###\\.## MHz";
const char* const kLabelMask = "&&&&&&&&";
constexpr QChar kPrompt = QLatin1Char('_');

void highlight(CColourStatic* label)
{
    const QPalette p = QApplication::palette();
    label->SetColours(fromQColor(p.color(QPalette::Highlight)), fromQColor(p.color(QPalette::HighlightedText)));
}

CFrequencyEdit* frequencyField(QWidget* parent, unsigned id, const char* mask)
{
    auto* edit = new CFrequencyEdit(parent);
    SetDlgCtrlID(edit, id);
    edit->SetMask(QString::fromLatin1(mask));
    edit->SetPromptChar(kPrompt);
    edit->SetAutoAdvance(false);
    edit->UseDisplayFont();
    return edit;
}

// The digits of a dotted frequency text, as Hz; an empty text reads 0.
uint32_t textHz(const QString& text)
{
    QString digits = text;
    digits.remove(QLatin1Char('.'));
    return digits.toUInt();
}

void fillCodes(COwnComboBox* combo, const QStringList& texts, const QList<uint32_t>& codes)
{
    if (combo->count() == 0)
        combo->AddStringsWithData(texts, codes);
}

void selectCode(COwnComboBox* combo, uint32_t code)
{
    for (int i = 0; i < combo->count(); ++i) {
        if (combo->GetItemData(i) == code) {
            combo->SetCurSel(i);
            return;
        }
    }
    combo->SetCurSel(0);
}

QList<uint32_t> indexes(int count)
{
    QList<uint32_t> list;
    for (int i = 0; i < count; ++i)
        list << uint32_t(i);
    return list;
}
} // namespace

CMemoryChannelEditorDialog::CMemoryChannelEditorDialog(QWidget* pParent, CRadioMemoryList* pList, int nIndex,
                                                       bool bLive)
    : QDialog(pParent), m_pList(pList), m_nIndex(nIndex), m_bLive(bLive)
{
    SetDlgCtrlID(this, kTemplateId);
    setWindowTitle(QStringLiteral("Memory Channel Editor"));
    if (!qApp->windowIcon().isNull())
        setWindowIcon(qApp->windowIcon());

    m_pChannel = new CColourStatic(this);
    SetDlgCtrlID(m_pChannel, IDC_CHANNEL);
    highlight(m_pChannel);
    m_pChannel->setMinimumHeight(22);
    m_pEnabled = new QCheckBox(QStringLiteral("&Enabled"), this);
    SetDlgCtrlID(m_pEnabled, IDC_ENABLED);
    m_pShowLabel = new QCheckBox(QStringLiteral("Show &label:"), this);
    SetDlgCtrlID(m_pShowLabel, IDC_SHOW_LABEL);
    m_pLabel = frequencyField(this, IDC_LABEL, kLabelMask);
    m_pLabel->SetReformat(false);

    m_pGroup = new QGroupBox(QStringLiteral("Rx / Tx"), this);
    SetDlgCtrlID(m_pGroup, IDC_GROUP);
    m_pRx = frequencyField(m_pGroup, IDC_RX, kFrequencyMask);
    m_pMode = new COwnComboBox(m_pGroup);
    SetDlgCtrlID(m_pMode, IDC_MODE);
    m_pTxButton = new QPushButton(QStringLiteral("Tx"), m_pGroup);
    SetDlgCtrlID(m_pTxButton, IDC_TX_BUTTON);
    m_pTxFreqLabel = new QLabel(QStringLiteral("Freq:"), m_pGroup);
    SetDlgCtrlID(m_pTxFreqLabel, IDC_TX_FREQ_LABEL);
    m_pTxModeLabel = new QLabel(QStringLiteral("Mode:"), m_pGroup);
    SetDlgCtrlID(m_pTxModeLabel, IDC_TX_MODE_LABEL);
    m_pTx = frequencyField(m_pGroup, IDC_TX, kFrequencyMask);
    m_pTxMode = new COwnComboBox(m_pGroup);
    SetDlgCtrlID(m_pTxMode, IDC_TX_MODE);
    auto* groupLayout = new QGridLayout(m_pGroup);
    groupLayout->addWidget(new QLabel(QStringLiteral("Rx"), m_pGroup), 0, 0);
    groupLayout->addWidget(m_pRx, 0, 1);
    groupLayout->addWidget(m_pMode, 0, 2);
    groupLayout->addWidget(m_pTxButton, 1, 0);
    groupLayout->addWidget(m_pTxFreqLabel, 2, 0);
    groupLayout->addWidget(m_pTx, 1, 1);
    groupLayout->addWidget(m_pTxModeLabel, 2, 2);
    groupLayout->addWidget(m_pTxMode, 1, 2);

    auto combo = [this](unsigned id) {
        auto* c = new COwnComboBox(this);
        SetDlgCtrlID(c, id);
        return c;
    };
    m_pShift = combo(IDC_SHIFT);
    m_pOffset = frequencyField(this, IDC_OFFSET, kOffsetMask);
    m_pToneMode = combo(IDC_TONE_MODE);
    m_pCtcss = combo(IDC_CTCSS);
    m_pDcs = combo(IDC_DCS);
    m_pFmStep = combo(IDC_FM_STEP);
    m_pAmStep = combo(IDC_AM_STEP);
    m_pSsbStep = combo(IDC_SSB_STEP);
    auto check = [this](const char* text, unsigned id) {
        auto* c = new QCheckBox(QString::fromLatin1(text), this);
        SetDlgCtrlID(c, id);
        return c;
    };
    m_pAttenuator = check("Atten&uator", IDC_ATTENUATOR);
    m_pIpo = check("&Intercept Point optimisation", IDC_IPO);
    m_pSkip = check("Skip  &when scanning", IDC_SKIP);
    m_pFmNarrow = check("&Narrow - FM", IDC_FM_NARROW);
    m_pCwNarrow = check("Narr&ow - CW or SSB (if installed)", IDC_CW_NARROW);
    auto* note = new CColourStatic(QStringLiteral("The default repeater values may not be correct - a FT-817 limitation"),
                                   this);
    SetDlgCtrlID(note, IDC_NOTE);
    highlight(note);
    note->setWordWrap(true);

    m_pSave = new COXBitmapButton(this);
    SetDlgCtrlID(m_pSave, IDC_SAVE);
    m_pSave->SetButtonText(QStringLiteral("Sa&ve"));
    m_pNext = new COXBitmapButton(this);
    SetDlgCtrlID(m_pNext, IDC_NEXT);
    m_pPrevious = new COXBitmapButton(this);
    SetDlgCtrlID(m_pPrevious, IDC_PREVIOUS);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    SetDlgCtrlID(ok, 1);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    SetDlgCtrlID(cancel, 2);

    auto* form = new QGridLayout;
    int row = 0;
    form->addWidget(m_pChannel, row++, 0, 1, 4);
    form->addWidget(m_pEnabled, row, 0);
    form->addWidget(m_pShowLabel, row, 1);
    form->addWidget(m_pLabel, row++, 2, 1, 2);
    form->addWidget(m_pGroup, row++, 0, 1, 4);
    form->addWidget(new QLabel(QStringLiteral("Shift:"), this), row, 0);
    form->addWidget(m_pShift, row, 1);
    form->addWidget(new QLabel(QStringLiteral("Offset:"), this), row, 2);
    form->addWidget(m_pOffset, row++, 3);
    form->addWidget(new QLabel(QStringLiteral("Tone:"), this), row, 0);
    form->addWidget(m_pToneMode, row, 1);
    form->addWidget(new QLabel(QStringLiteral("CTCSS:"), this), row, 2);
    form->addWidget(m_pCtcss, row++, 3);
    form->addWidget(new QLabel(QStringLiteral("DCS:"), this), row, 2);
    form->addWidget(m_pDcs, row++, 3);
    form->addWidget(new QLabel(QStringLiteral("FM step:"), this), row, 0);
    form->addWidget(m_pFmStep, row, 1);
    form->addWidget(new QLabel(QStringLiteral("AM step:"), this), row, 2);
    form->addWidget(m_pAmStep, row++, 3);
    form->addWidget(new QLabel(QStringLiteral("SSB step:"), this), row, 0);
    form->addWidget(m_pSsbStep, row++, 1);
    form->addWidget(m_pAttenuator, row, 0, 1, 2);
    form->addWidget(m_pIpo, row++, 2, 1, 2);
    form->addWidget(m_pSkip, row, 0, 1, 2);
    form->addWidget(m_pFmNarrow, row++, 2, 1, 2);
    form->addWidget(m_pCwNarrow, row++, 0, 1, 4);
    form->addWidget(note, row++, 0, 1, 4);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_pPrevious);
    buttons->addWidget(m_pNext);
    buttons->addWidget(m_pSave);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    // Change tracking: the operator's actions only.
    for (QCheckBox* c : {m_pEnabled, m_pShowLabel, m_pAttenuator, m_pIpo, m_pSkip, m_pFmNarrow, m_pCwNarrow})
        connect(c, &QCheckBox::clicked, this, &CMemoryChannelEditorDialog::Changed);
    for (COwnComboBox* c : {m_pMode, m_pTxMode, m_pToneMode, m_pCtcss, m_pDcs, m_pFmStep, m_pAmStep, m_pSsbStep})
        connect(c, &QComboBox::activated, this, &CMemoryChannelEditorDialog::Changed);
    connect(m_pShift, &QComboBox::activated, this, [this] {
        if (m_bLoading)
            return;
        UpdateShiftControls();
        Changed();
    });
    for (CFrequencyEdit* e : {m_pRx, m_pTx, m_pOffset})
        connect(e, &COXMaskedEdit::editChange, this, &CMemoryChannelEditorDialog::Changed);
    connect(m_pLabel, &COXMaskedEdit::editChange, this, [this] {
        if (m_bLoading)
            return;
        m_pShowLabel->setChecked(true);
        Changed();
    });
    connect(m_pSave, &QPushButton::clicked, this, [this] { Store(); });
    connect(m_pNext, &QPushButton::clicked, this, &CMemoryChannelEditorDialog::OnNext);
    connect(m_pPrevious, &QPushButton::clicked, this, &CMemoryChannelEditorDialog::OnPrevious);
    connect(ok, &QPushButton::clicked, this, &CMemoryChannelEditorDialog::OnOK);
    connect(cancel, &QPushButton::clicked, this, &CMemoryChannelEditorDialog::OnCancel);

    // Initialisation.
    Load(m_nIndex, false);
    m_pSave->LoadBitmapResource(218, false, RGB(255, 0, 0));
    m_pSave->setEnabled(false);
    m_pNext->LoadBitmapResource(226, false, RGB(255, 255, 255));
    m_pPrevious->LoadBitmapResource(225, false, RGB(255, 255, 255));
    m_pNext->SetToolTipText(QStringLiteral("Next"));
    m_pPrevious->SetToolTipText(QStringLiteral("Previous"));
    m_strInitialTitle = windowTitle();
    m_bDirty = false;
}

CMemoryChannelEditorDialog::~CMemoryChannelEditorDialog() = default;

int CMemoryChannelEditorDialog::DoModal()
{
    return exec() == Accepted ? platform::IDOK : platform::IDCANCEL;
}

QWidget* CMemoryChannelEditorDialog::Control(unsigned nId) const
{
    const QList<QWidget*> children = findChildren<QWidget*>();
    for (QWidget* child : children)
        if (GetDlgCtrlID(child) == nId)
            return child;
    return nullptr;
}

void CMemoryChannelEditorDialog::Post(uint32_t nMessage)
{
    if (parentWidget())
        PostRegisteredMessage(parentWidget(), nMessage, uintptr_t(m_nIndex), m_bLive ? 1 : 0);
}

void CMemoryChannelEditorDialog::Load(int nIndex, bool bNotify)
{
    m_nIndex = nIndex;
    if (const CMemoryChannel* entry = m_pList ? m_pList->GetChannel(nIndex) : nullptr)
        m_working.CopyFrom(*entry);
    if (bNotify)
        Post(RegisteredMessage::nMsgSelect);
    Fill(nIndex);
}

void CMemoryChannelEditorDialog::Fill(int nIndex)
{
    m_bLoading = true;
    const CMemoryChannel& c = m_working;
    m_pEnabled->setChecked(c.IsUsed());
    m_pAttenuator->setChecked(c.IsAttenuatorOn());
    m_pIpo->setChecked(c.IsIpoOn());
    m_pFmNarrow->setChecked(c.IsFmNarrow());
    m_pCwNarrow->setChecked(c.IsCwNarrow());
    m_pShowLabel->setChecked(c.IsTagOn());
    m_pSkip->setChecked(c.GetSkip());
    if (nIndex != -1)
        m_pChannel->setText(QStringLiteral("Channel: %1").arg(nIndex + 1));
    QString label = c.GetTag();
    label.replace(QLatin1Char(' '), kPrompt);
    m_pLabel->SetInputText(label, 0, true);
    if (c.GetShift() == CMemoryChannel::kShiftSplit)
        m_pOffset->ClearInput();
    else
        m_pOffset->SetInputText(QString::asprintf("%7.7u", c.GetOffset()), 0, true);
    m_pRx->SetInputText(QString::asprintf("%8.8u", textHz(c.GetRxFrequencyText()) / 10), 0, true);
    m_pTx->SetInputText(QString::asprintf("%8.8u", textHz(c.GetTxFrequencyText()) / 10), 0, true);

    QStringList modes;
    for (uint8_t code = 0; code < 8; ++code)
        modes << EepromModeText(code).GetText();
    fillCodes(m_pMode, modes, indexes(8));
    fillCodes(m_pTxMode, modes, indexes(8));
    fillCodes(m_pShift, {QStringLiteral("Simplex"), QStringLiteral("Minus"), QStringLiteral("Plus"), QStringLiteral("Custom")},
              indexes(4));
    fillCodes(m_pToneMode,
              {QStringLiteral("Off"), QStringLiteral("Tone (tx)"), QStringLiteral("Tone + squelch"), QStringLiteral("DCS")},
              indexes(4));
    fillCodes(m_pCtcss, ToneTables::CtcssTexts(), indexes(ToneTables::kCtcssCount));
    fillCodes(m_pDcs, ToneTables::DcsTexts(), indexes(ToneTables::kDcsCount));
    QStringList texts;
    QList<uint32_t> codes;
    FillFmSteps(texts, codes);
    fillCodes(m_pFmStep, texts, codes);
    FillAmSteps(texts, codes);
    fillCodes(m_pAmStep, texts, codes);
    FillSsbSteps(texts, codes);
    fillCodes(m_pSsbStep, texts, codes);

    selectCode(m_pMode, c.GetMode());
    selectCode(m_pTxMode, c.GetTxMode());
    selectCode(m_pShift, c.GetShift());
    selectCode(m_pToneMode, c.GetToneMode());
    selectCode(m_pFmStep, c.GetFmStep());
    selectCode(m_pAmStep, c.GetAmStep());
    selectCode(m_pSsbStep, c.GetSsbStep());
    // An index the tables do not have shows the first choice.
    m_pCtcss->SetCurSel(c.GetCtcssIndex() < ToneTables::kCtcssCount ? c.GetCtcssIndex() : 0);
    m_pDcs->SetCurSel(c.GetDcsIndex() < ToneTables::kDcsCount ? c.GetDcsIndex() : 0);
    UpdateShiftControls();
    m_bLoading = false;
}

void CMemoryChannelEditorDialog::UpdateShiftControls()
{
    const bool split = m_pShift->GetSelectedData() == CMemoryChannel::kShiftSplit;
    m_pOffset->setEnabled(!split);
    for (QWidget* w : std::initializer_list<QWidget*>{m_pTx, m_pTxMode, m_pTxButton, m_pTxFreqLabel, m_pTxModeLabel})
        w->setEnabled(split);
    m_pGroup->setTitle(split ? QStringLiteral("Rx") : QStringLiteral("Tx / Rx"));
}

void CMemoryChannelEditorDialog::Changed()
{
    if (!m_bLoading)
        SetDirty(true);
}

void CMemoryChannelEditorDialog::SetDirty(bool bDirty)
{
    if (bDirty != m_bDirty) {
        setWindowTitle(bDirty ? m_strInitialTitle + QStringLiteral(" (save needed)") : m_strInitialTitle);
        m_pSave->setEnabled(bDirty);
    }
    m_bDirty = bDirty;
}

bool CMemoryChannelEditorDialog::Store()
{
    CMemoryChannel* entry = m_pList ? m_pList->GetChannel(m_nIndex) : nullptr;
    if (!entry)
        return false;
    CFrequencyRangeCheck check;
    if (!check.CheckRx(this, *m_pRx)) {
        m_pRx->setFocus();
        return false;
    }
    const int range = check.GetRange();
    const bool split = m_pShift->GetSelectedData() == CMemoryChannel::kShiftSplit;
    if (split && !check.CheckTx(this, *m_pTx)) {
        m_pTx->setFocus();
        return false;
    }
    CMemoryChannel& c = m_working;
    c.SetEmpty(m_pEnabled->isChecked());
    c.SetAttenuator(m_pAttenuator->isChecked());
    c.SetIpo(m_pIpo->isChecked());
    c.SetSkipFlag(m_pSkip->isChecked());
    c.SetFmNarrow(m_pFmNarrow->isChecked());
    c.SetCwNarrow(m_pCwNarrow->isChecked());
    c.SetTagOn(m_pShowLabel->isChecked());
    c.SetAmStep(uint8_t(m_pAmStep->GetSelectedData()));
    c.SetCtcssIndex(uint8_t(m_pCtcss->GetSelectedData()));
    c.SetDcsIndex(uint8_t(m_pDcs->GetSelectedData()));
    c.SetFmStep(uint8_t(m_pFmStep->GetSelectedData()));
    c.SetMode(uint8_t(m_pMode->GetSelectedData()));
    c.SetTxMode(uint8_t(m_pTxMode->GetSelectedData()));
    c.SetRange(uint8_t(range));
    c.SetShift(uint8_t(m_pShift->GetSelectedData()));
    c.SetSsbStep(uint8_t(m_pSsbStep->GetSelectedData()));
    c.SetToneMode(uint8_t(m_pToneMode->GetSelectedData()));
    c.SetRxFrequencyHz(m_pRx->GetFrequency());
    c.SetTxFrequencyHz(m_pTx->GetFrequency());
    c.SetOffset(m_pOffset->GetFrequency() / 10);
    QString label = m_pLabel->GetInputText();
    label.replace(kPrompt, QLatin1Char(' '));
    c.SetTag(label);
    c.Encode();
    Fill(-1);
    entry->CopyFrom(c);
    entry->SetModified(true);
    m_bStored = true;
    SetDirty(false);
    Post(RegisteredMessage::nMsgUpdate);
    return true;
}

int CMemoryChannelEditorDialog::FindNext(const CRadioMemoryList& list, int nIndex)
{
    const int count = list.GetCount();
    for (int step = 1; step <= count; ++step) {
        const int i = ((nIndex + step) % count + count) % count;
        if (list.GetChannel(i)->HasFrequency())
            return i;
    }
    return -1;
}

int CMemoryChannelEditorDialog::FindPrevious(const CRadioMemoryList& list, int nIndex)
{
    const int count = list.GetCount();
    for (int step = 1; step <= count; ++step) {
        const int i = ((nIndex - step) % count + count) % count;
        if (list.GetChannel(i)->HasFrequency())
            return i;
    }
    return -1;
}

void CMemoryChannelEditorDialog::OnNext()
{
    if (m_bDirty && !Store())
        return;
    const int next = m_pList ? FindNext(*m_pList, m_nIndex) : -1;
    if (next >= 0)
        Load(next, true);
}

void CMemoryChannelEditorDialog::OnPrevious()
{
    if (m_bDirty && !Store())
        return;
    const int previous = m_pList ? FindPrevious(*m_pList, m_nIndex) : -1;
    if (previous >= 0)
        Load(previous, true);
}

void CMemoryChannelEditorDialog::OnOK()
{
    if (m_bDirty && !Store())
        return;
    QDialog::done(Accepted);
}

void CMemoryChannelEditorDialog::OnCancel()
{
    if (m_bDirty &&
        platform::messageBox(this, QStringLiteral("You have outstanding changes - save them?"), QStringLiteral("Cancel"),
                             platform::MB_YESNO | platform::MB_ICONQUESTION) == platform::IDYES &&
        !Store())
        return;
    QDialog::done(Rejected);
}
