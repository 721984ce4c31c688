#include "corvane/memory/RepeaterSheet.h"

#include "corvane/core/CatLink.h"
#include "corvane/memory/MenuControls.h"
#include "corvane/memory/RepeaterControls.h"
#include "corvane/memory/RepeaterPanel.h"
#include "corvane/memory/ToneTables.h"
#include "corvane/memory/ToolSupport.h"
#include "shared/edit/FrequencyEdit.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/ColourStatic.h"
#include "shared/ui/OwnComboBox.h"
#include "shared/ui/WaitCursor.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QTabWidget>
#include <QVBoxLayout>

using MenuControls::Choice;
using MenuControls::CRadioGroup;

namespace {
uint32_t recordOffset(const CRepeaterPanel& panel)
{
    // Bytes 15-17: the offset, 24-bit big-endian, 10 Hz units.
    return uint32_t(panel.GetRecordByte(15)) << 16 | uint32_t(panel.GetRecordByte(16)) << 8 | panel.GetRecordByte(17);
}
} // namespace

// ------------------------------------------------------------ General page

CRepeaterPageGeneral::CRepeaterPageGeneral(CRepeaterPanel* pPanel, CCatLink* pLink)
    : CPropertyPage(kTemplateId), m_pPanel(pPanel), m_pLink(ToolSupport::Link(pLink))
{
    setWindowTitle(QStringLiteral("General"));
    m_pArs144 = MenuControls::Check(this, QStringLiteral("144 MHz"), IDC_ARS_144);
    m_pArs430 = MenuControls::Check(this, QStringLiteral("430 MHz"), IDC_ARS_430);
    m_pShift = std::make_unique<CRadioGroup>(
        this, QStringLiteral("Offset"),
        QList<Choice>{{QStringLiteral("&Simplex"), 1321}, {QStringLiteral("&Minus"), 1323}, {QStringLiteral("&Plus"), 1322}});
    m_pTone = std::make_unique<CRadioGroup>(this, QStringLiteral("Tone"),
                                            QList<Choice>{{QStringLiteral("&Off"), 1324},
                                                          {QStringLiteral("&T"), 1325},
                                                          {QStringLiteral("T+S&Q"), 1326},
                                                          {QStringLiteral("&DCS"), 1172}});
    auto* shiftBox = new QGroupBox(QStringLiteral("Shift"), this);
    m_pOffset = new CFrequencyEdit(shiftBox);
    SetDlgCtrlID(m_pOffset, IDC_OFFSET);
    RepeaterControls::SetUpOffsetEdit(m_pOffset);
    m_pStandard = MenuControls::List(shiftBox, IDC_STANDARD);
    RepeaterControls::FillStandardOffsets(m_pStandard);
    m_pApply = new QPushButton(QStringLiteral("&Apply"), shiftBox);
    SetDlgCtrlID(m_pApply, IDC_APPLY);
    m_pApply->setAutoDefault(false);
    m_pApply->setEnabled(false);
    m_pNote = new CColourStatic(QStringLiteral("These values may not be correct - a FT-817 limitation"), this);
    SetDlgCtrlID(m_pNote, IDC_NOTE);
    m_pNote->setAlignment(Qt::AlignCenter);
    ToolSupport::Highlight(m_pNote);

    auto* ars = new QHBoxLayout;
    ars->addWidget(new QLabel(QStringLiteral("ARS:"), this));
    ars->addWidget(m_pArs144);
    ars->addWidget(m_pArs430);
    ars->addStretch(1);
    auto* groups = new QHBoxLayout;
    groups->addWidget(m_pShift->Box());
    groups->addWidget(m_pTone->Box());
    auto* shiftRow = new QHBoxLayout(shiftBox);
    shiftRow->addWidget(m_pOffset);
    shiftRow->addWidget(m_pStandard);
    shiftRow->addWidget(m_pApply);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(ars);
    layout->addLayout(groups);
    layout->addWidget(shiftBox);
    layout->addWidget(m_pNote);
    layout->addStretch(1);
    // Wide enough for the sheet's note beside its Refresh button.
    setMinimumWidth(440);

    m_pShift->OnClicked([this] { OnShift(); });
    m_pTone->OnClicked([this] { OnToneMode(); });
    connect(m_pArs144, &QCheckBox::clicked, this, [this] { OnArs(true); });
    connect(m_pArs430, &QCheckBox::clicked, this, [this] { OnArs(false); });
    connect(m_pOffset, &COXMaskedEdit::editChange, this, [this] { m_pApply->setEnabled(true); });
    connect(m_pStandard, &QComboBox::activated, this, [this](int) { OnStandardOffset(); });
    connect(m_pApply, &QPushButton::clicked, this, &CRepeaterPageGeneral::OnApplyOffset);
}

CRepeaterPageGeneral::~CRepeaterPageGeneral() = default;

void CRepeaterPageGeneral::TakeControls()
{
    m_bArs144 = m_pArs144->isChecked();
    m_bArs430 = m_pArs430->isChecked();
    m_nShift = m_pShift->Get();
    m_nToneMode = m_pTone->Get();
}

void CRepeaterPageGeneral::ReadPage(bool bWithOffset)
{
    if (m_pPanel && m_pPanel->PollRadio(true)) {
        const uint8_t ars = m_pPanel->GetEepromByte(0x5F);
        m_bArs144 = (ars >> 6) & 1;
        m_bArs430 = (ars >> 5) & 1;
        m_nShift = (m_pPanel->GetRecordByte(1) >> 6) & 3;
        m_nToneMode = m_pPanel->GetRecordByte(4) & 3;
        m_pArs144->setChecked(m_bArs144);
        m_pArs430->setChecked(m_bArs430);
        m_pShift->Set(m_nShift);
        m_pTone->Set(m_nToneMode);
        if (bWithOffset)
            RepeaterControls::ShowOffset(m_pOffset, recordOffset(*m_pPanel));
    }
    m_pApply->setEnabled(false);
}

void CRepeaterPageGeneral::OnShift()
{
    const CWaitCursor wait;
    TakeControls();
    if (m_pLink && m_nShift >= 0)
        m_pLink->WriteBandRecordBits(1, 0xC0, uint8_t(m_nShift << 6), QStringLiteral("Setting repeater offset"));
    ReadPage(false);
}

void CRepeaterPageGeneral::OnToneMode()
{
    const CWaitCursor wait;
    TakeControls();
    if (m_pLink && m_nToneMode >= 0)
        m_pLink->WriteBandRecordBits(4, 0x03, uint8_t(m_nToneMode), QStringLiteral("Setting repeater tone"));
    ReadPage(false);
}

void CRepeaterPageGeneral::OnArs(bool b144)
{
    const CWaitCursor wait;
    TakeControls();
    if (m_pLink) {
        if (b144)
            m_pLink->SetEepromBit(0x5F, 6, m_bArs144, QStringLiteral("144 MHz ARS"));
        else
            m_pLink->SetEepromBit(0x5F, 5, m_bArs430, QStringLiteral("430 MHz ARS"));
    }
    ReadPage(false);
}

void CRepeaterPageGeneral::OnStandardOffset()
{
    RepeaterControls::ChooseStandardOffset(m_pStandard, m_pOffset);
}

void CRepeaterPageGeneral::OnApplyOffset()
{
    const bool dualWatch = m_pPanel && m_pPanel->IsDualWatch();
    if (m_pLink) {
        // The radio takes a new offset only with Dual Watch off.
        if (dualWatch)
            m_pLink->DualWatchOff();
        m_pLink->SetRepeaterOffset(m_pOffset->GetFrequency());
        if (dualWatch)
            m_pLink->DualWatchOn();
    }
    ReadPage(true);
}

// ------------------------------------------------------ CTCSS and DCS pages

CRepeaterPageTones::CRepeaterPageTones(bool bDcs, CRepeaterPanel* pPanel, CCatLink* pLink)
    : CPropertyPage(bDcs ? 322 : 323), m_bDcs(bDcs), m_pPanel(pPanel), m_pLink(ToolSupport::Link(pLink))
{
    setWindowTitle(bDcs ? QStringLiteral("DCS") : QStringLiteral("CTCSS"));
    m_pList = new QListWidget(this);
    SetDlgCtrlID(m_pList, IDC_LIST);
    RepeaterControls::FillToneList(m_pList, bDcs ? ToneTables::DcsTexts() : ToneTables::CtcssTexts());
    RepeaterControls::SelectIndex(m_pList, 0);
    m_pList->setGeometry(8, 8, 300, 180);
    setMinimumSize(316, 196);
    connect(m_pList, &QListWidget::currentRowChanged, this, [this](int) { OnSelChange(); });
}

CRepeaterPageTones::~CRepeaterPageTones() = default;

void CRepeaterPageTones::ReadPage()
{
    if (!m_pPanel || !m_pPanel->PollRadio(false))
        return;
    const int value = m_bDcs ? (m_pPanel->GetRecordByte(7) & 0x7F) : (m_pPanel->GetRecordByte(6) & 0x3F);
    RepeaterControls::SelectIndex(m_pList, value % m_pList->count());
}

void CRepeaterPageTones::OnSelChange()
{
    const CWaitCursor wait;
    const int index = m_pList->currentRow();
    if (m_pLink && index >= 0) {
        if (m_bDcs)
            m_pLink->WriteDcsCodeIndex(index);
        else
            m_pLink->WriteCtcssToneIndex(index);
    }
    ReadPage();
}

void CRepeaterPageTones::resizeEvent(QResizeEvent* event)
{
    CPropertyPage::resizeEvent(event);
    // Equal margins on both sides; height and position stay.
    if (m_pList)
        m_pList->setGeometry(m_pList->x(), m_pList->y(), width() - 2 * m_pList->x(), m_pList->height());
}

// ------------------------------------------------------------------- sheet

CRepeaterSheet::CRepeaterSheet(CRepeaterPanel* pPanel, QWidget* pParent, CCatLink* pLink)
    : CPropertySheet(QStringLiteral("Repeater Settings"), pParent, 0),
      m_pGeneral(new CRepeaterPageGeneral(pPanel, pLink)),
      m_pCtcss(new CRepeaterPageTones(false, pPanel, pLink)),
      m_pDcs(new CRepeaterPageTones(true, pPanel, pLink))
{
    SetNoButtons();
    AddPage(m_pGeneral);
    AddPage(m_pCtcss);
    AddPage(m_pDcs);
}

CRepeaterSheet::~CRepeaterSheet()
{
    delete m_pRefresh;
    delete m_pNote;
}

bool CRepeaterSheet::OnInitDialog()
{
    const bool result = CPropertySheet::OnInitDialog();
    if (!QApplication::windowIcon().isNull())
        setWindowIcon(QApplication::windowIcon());
    for (int i = GetPageCount() - 1; i >= 0; --i)
        SetActivePage(i);

    const QSize button = m_pGeneral->GetApplyButton()->sizeHint();
    const QRect tab = GetTabControl()->geometry();
    const int margin = (width() - tab.width()) / 2;
    const QRect refresh(tab.right() - button.width() + 1, tab.bottom() + 1 + margin - kEdge, button.width(),
                        button.height());
    const QRect note(QPoint(tab.left(), refresh.top()), QPoint(refresh.left() - 2, refresh.bottom()));
    resize(width(), height() + margin + button.height());

    m_pRefresh = new QPushButton(QStringLiteral("&Refresh"), this);
    SetDlgCtrlID(m_pRefresh, ID_REFRESH);
    m_pRefresh->setAutoDefault(false);
    m_pRefresh->setGeometry(refresh);
    m_pRefresh->setFont(font());
    m_pRefresh->show();
    connect(m_pRefresh, &QPushButton::clicked, this, &CRepeaterSheet::Refresh);
    m_pNote = new QLabel(QStringLiteral("Updates are applied immediately (except shift)"), this);
    m_pNote->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_pNote->setGeometry(note);
    m_pNote->setFont(font());
    m_pNote->show();

    Refresh();
    return result;
}

void CRepeaterSheet::Refresh()
{
    const CWaitCursor wait;
    m_pGeneral->ReadPage(true);
    m_pCtcss->ReadPage();
    m_pDcs->ReadPage();
}

void CRepeaterSheet::closeEvent(QCloseEvent* event)
{
    // Closing only hides the sheet: its pages live on for the next time.
    event->ignore();
    hide();
}

void CRepeaterSheet::OnCancel()
{
    hide();
}
