#include "corvane/organisers/ScanBandDialog.h"

#include "corvane/core/CatLink.h"
#include "corvane/core/FrequencyRangeCheck.h"
#include "corvane/core/RadioApp.h"
#include "corvane/core/RegisteredMessages.h"
#include "corvane/frontpanel/DisplayView.h"
#include "corvane/organisers/OrganiserCursor.h"
#include "corvane/organisers/OrganiserModal.h"
#include "corvane/organisers/ScanDefinitions.h"
#include "corvane/organisers/ScanGraph.h"
#include "corvane/organisers/ScanPanel.h"
#include "corvane/organisers/ScanTitleDialog.h"
#include "platform/Prompter.h"
#include "shared/RegisteredEvent.h"
#include "shared/artwork/Artwork.h"
#include "shared/buttons/ButtonStyles.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/edit/FrequencyEdit.h"
#include "shared/ui/OwnComboBox.h"

#include <QLabel>
#include <QResizeEvent>
#include <QTimerEvent>

namespace {
constexpr COLORREF kWhiteMask = RGB(255, 255, 255);
constexpr COLORREF kRedMask = RGB(255, 0, 0);  // 0x0000FF

void setUpEdit(CFrequencyEdit* edit, uint32_t nHz)
{
    edit->SetPromptChar(QLatin1Char('_'));
    edit->SetAutoAdvance(false);
    edit->UseDisplayFont();
    edit->SetMultiplier(1000);
    edit->SetMask(QStringLiteral("###\\.### MHz"));
    edit->SetFrequency(nHz);
    edit->Validate();
}

CCatLink& appLink()
{
    return GetRadioApp()->GetCatLink();
}
} // namespace

void FillResumeList(COwnComboBox* pList)
{
    pList->ResetContent();
    pList->AddItem(QStringLiteral("0ff"), 0);
    pList->AddItem(QStringLiteral("3 secs"), 1);
    pList->AddItem(QStringLiteral("5 secs"), 2);
    pList->AddItem(QStringLiteral("10 secs"), 3);
}

void FillScanModeList(COwnComboBox* pList)
{
    pList->ResetContent();
    static const std::pair<const char*, uint32_t> modes[] = {{"LSB", 0}, {"USB", 1}, {"CW", 2},  {"CWR", 3}, {"AM", 4},
                                                             {"FM", 8},  {"WFM", 6}, {"DIG", 10}, {"PKT", 12}};
    for (const auto& [text, data] : modes)
        pList->AddItem(QString::fromLatin1(text), data);
}

CScanBandDialog::CScanBandDialog(QWidget* pParent, const CScanDefinition* pDefinition, CCatLink* pLink,
                                 CScanPanel* pPanel)
    : CBaseDialog(IDD, pParent), m_link(pLink ? *pLink : appLink()),
      m_panel(pPanel ? *pPanel : GetDisplayViewScanPanel()), m_pInitialDefinition(pDefinition)
{
    m_scanner = std::make_unique<CBandScanner>(m_link, m_panel, *this);
    setWindowTitle(QStringLiteral("Scan Band"));
    SetNoSizeGrip();
    auto label = [this](const QString& text, int x, int y, int w) {
        auto* l = new QLabel(text, this);
        l->setGeometry(x, y, w, 20);
    };
    label(QStringLiteral("From:"), 8, 10, 44);
    m_pFrom = new CFrequencyEdit(this);
    m_pFrom->setGeometry(54, 8, 120, 26);
    label(QStringLiteral("To:"), 184, 10, 30);
    m_pTo = new CFrequencyEdit(this);
    m_pTo->setGeometry(216, 8, 120, 26);
    label(QStringLiteral("Resume:"), 8, 44, 58);
    m_pResume = new COwnComboBox(this);
    m_pResume->setGeometry(68, 42, 86, 24);
    label(QStringLiteral("Mode:"), 184, 44, 40);
    m_pMode = new COwnComboBox(this);
    m_pMode->setGeometry(226, 42, 80, 24);
    auto button = [this](int x) {
        auto* b = new COXBitmapButton(this);
        b->setGeometry(x, 8, 34, 30);
        return b;
    };
    m_pStart = button(346);
    m_pStop = button(382);
    m_pSave = button(418);
    m_pFst = button(454);
    m_pFst->setGeometry(454, 8, 40, 30);
    m_pGraph = new CScanGraph(this);
    m_pGraph->setGeometry(8, 76, 486, 216);
    SetDlgCtrlID(m_pFrom, IDC_FROM);
    SetDlgCtrlID(m_pTo, IDC_TO);
    SetDlgCtrlID(m_pResume, IDC_RESUME);
    SetDlgCtrlID(m_pMode, IDC_MODE);
    SetDlgCtrlID(m_pStart, IDC_START);
    SetDlgCtrlID(m_pStop, IDC_STOP);
    SetDlgCtrlID(m_pSave, IDC_SAVE);
    SetDlgCtrlID(m_pFst, IDC_FST);
    SetDlgCtrlID(m_pGraph, IDC_GRAPH);
    connect(m_pStart, &QPushButton::clicked, this, [this] { StartScan(); });
    connect(m_pStop, &QPushButton::clicked, this, [this] {
        OrganiserCursor wait;
        StopScan();
    });
    connect(m_pSave, &QPushButton::clicked, this, [this] { OnSave(); });
    connect(m_pFst, &QPushButton::clicked, this, [this] { OnFst(); });
    connect(m_pResume, &QComboBox::activated, this, [this] { SetResume(); });
    resize(502, 300);
    static const DialogGeometry::AnchorRow anchors[] = {{IDC_GRAPH, 2, 2, 0, 0}};
    SetAnchors(anchors, int(std::size(anchors)));
}

CScanBandDialog::~CScanBandDialog() = default;

bool CScanBandDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    const QImage icon = artwork::icon(279);
    if (!icon.isNull())
        setWindowIcon(QPixmap::fromImage(icon));
    setUpEdit(m_pFrom, m_scanner->GetLow());
    setUpEdit(m_pTo, m_scanner->GetHigh());
    if (m_pInitialDefinition)
        LoadDefinition(*m_pInitialDefinition);
    m_pGraph->Layout();
    m_pGraph->SetLow(std::min(m_scanner->GetLow(), m_scanner->GetHigh()));
    m_pGraph->SetHigh(std::max(m_scanner->GetLow(), m_scanner->GetHigh()));
    m_pGraph->ClearReadings();
    m_pGraph->DrawBackground();
    SetPeriodicMessage(RegisteredMessage::nMsgIdle);
    m_strCaption = windowTitle();
    if (CDisplayView* view = GetDisplayView())
        view->AddScanWindow(this);

    m_pStart->LoadBitmapResource(216, false, kWhiteMask);
    SetStopBitmap(354);
    m_pSave->LoadBitmapResource(218, false, kRedMask);
    m_pFst->LoadBitmapResource(358, false, kWhiteMask);
    m_pFst->SetExtendedStyle(BBS_TOGGLE);
    PrepareButton(*m_pStart, QStringLiteral("Start scanning"));
    PrepareButton(*m_pStop, QStringLiteral("Stop scanning"));
    PrepareButton(*m_pSave, QStringLiteral("Save current definition"));
    PrepareButton(*m_pFst, QStringLiteral("Toggle FST (fast) mode"));
    m_scanner->SetRadioScanning(0);

    FillResumeList(m_pResume);
    FillScanModeList(m_pMode);
    m_pResume->SetCurSel(0);
    m_pMode->SetCurSel(0);
    RefreshFromRadio();
    m_stateTimer.start(kStateTimerMs, this);
    return true;
}

void CScanBandDialog::SetStopBitmap(int nBitmap)
{
    m_nStopBitmap = nBitmap;
    m_pStop->LoadBitmapResource(nBitmap, false, kWhiteMask);
    m_pStop->update();
}

void CScanBandDialog::RefreshFromRadio()
{
    uint8_t resume = 0, unused = 0;
    // Shown here, the value may be written back as it stands: read for certain.
    if (m_link.ReadEepromConfirmed(0x005D, resume, unused))
        m_pResume->SelectByData(resume & 0x03);
    m_pMode->SelectByData(m_panel.GetMode() & 0x0F);
}

void CScanBandDialog::OnOK()
{
    if (m_scanner->GetRadioScanning() != 0) {
        OrganiserCursor wait;
        StopScan();
    } else {
        StartScan();
    }
}

void CScanBandDialog::StartScan()
{
    OrganiserCursor wait;
    if (m_scanner->GetRadioScanning() != 0) {
        SetResume();
        return;
    }
    StartFromChecks();
}

void CScanBandDialog::StartFromChecks()
{
    m_pFrom->Validate();
    m_pTo->Validate();
    CFrequencyRangeCheck check;
    if (!check.CheckSameRange(this, *m_pFrom, *m_pTo))
        return;
    const uint32_t from = m_pFrom->GetFrequency();
    const uint32_t to = m_pTo->GetFrequency();
    if (from == to) {
        platform::messageBox(this, QStringLiteral("The frequencies cannot be the same."), m_strCaption,
                             platform::MB_OK | platform::MB_ICONERROR);
        return;
    }
    m_pGraph->SetLow(std::min(from, to));
    m_pGraph->SetHigh(std::max(from, to));
    m_pGraph->DrawBackground();
    m_pGraph->ClearReadings();
    m_scanner->BeginScan(from, to, uint8_t(m_pMode->GetSelectedData()));
}

void CScanBandDialog::SetResume()
{
    OrganiserCursor wait;
    m_scanner->SetResume(uint8_t(m_pResume->GetSelectedData()));
}

void CScanBandDialog::LoadDefinition(const CScanDefinition& definition)
{
    const bool wasScanning = m_panel.IsScanning();
    if (wasScanning)
        m_link.StopScanning();
    m_strTitle = definition.GetTitle();
    m_pFrom->SetFrequency(definition.GetFrom());
    m_pFrom->Validate();
    m_pTo->SetFrequency(definition.GetTo());
    m_pTo->Validate();
    m_pMode->SelectByData(definition.GetMode());
    if (wasScanning)
        StartFromChecks();
}

void CScanBandDialog::OnSave()
{
    OrganiserCursor wait;
    QStringList titles;
    GetScanDefinitions().GetTitles(titles);
    CScanTitleDialog dialog(this, titles, m_strTitle);
    if (organisers::RunModal(dialog) != platform::IDOK)
        return;
    m_pFrom->Validate();
    m_pTo->Validate();
    const uint32_t from = m_pFrom->GetFrequency();
    const uint32_t to = m_pTo->GetFrequency();
    GetScanDefinitions().AddBandScan(dialog.GetTitle(), std::min(from, to), std::max(from, to),
                                     m_pMode->GetSelectedData(), dialog.GetOverwrite());
    GetScanDefinitions().Save();
    organisers::FillNavigatorScanning();
    m_strTitle = dialog.GetTitle();
}

void CScanBandDialog::OnFst()
{
    OrganiserCursor wait;
    m_link.SetFst(m_pFst->IsToggledOn());
}

void CScanBandDialog::ShowProgress(const QString& strCaption)
{
    setWindowTitle(strCaption);
}

void CScanBandDialog::ShowScanState(bool bScanning)
{
    setWindowTitle(bScanning ? m_strCaption + QStringLiteral(" (Scanning)") : m_strCaption);
    m_pStart->LoadBitmapResource(216, false, kWhiteMask);
    m_pStart->update();
    SetStopBitmap(bScanning ? 219 : 354);
    m_pFrom->setEnabled(!bScanning);
    m_pTo->setEnabled(!bScanning);
    m_pMode->setEnabled(!bScanning);
}

void CScanBandDialog::AddReading(uint32_t nHz, uint8_t nLevel)
{
    m_pGraph->AddReading(CScanGraph::kAppend, nHz, nLevel, true);
}

void CScanBandDialog::ArmReadTimer(bool bArm)
{
    if (bArm)
        m_readTimer.start(CBandScanner::kReadPeriodMs, this);
    else
        m_readTimer.stop();
}

bool CScanBandDialog::event(QEvent* event)
{
    if (CRegisteredEvent::As(event, RegisteredMessage::nMsgIdle)) {
        m_pFst->SetToggleState(m_panel.IsFstOn() ? BBST_ON : 0, true);
        return true;
    }
    if (CRegisteredEvent::As(event, RegisteredMessage::nMsgPause)) {
        OrganiserCursor wait;
        m_scanner->OnPause();
        return true;
    }
    if (auto* m = CRegisteredEvent::As(event, RegisteredMessage::nMsgScanning)) {
        m_scanner->OnScanning(m->wParam(), m->lParam(), isVisible());
        return true;
    }
    return CBaseDialog::event(event);
}

void CScanBandDialog::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_readTimer.timerId()) {
        m_scanner->OnReadTimer(isVisible());
        return;
    }
    if (event->timerId() == m_stateTimer.timerId()) {
        m_scanner->OnStateTimer();
        return;
    }
    CBaseDialog::timerEvent(event);
}

void CScanBandDialog::resizeEvent(QResizeEvent* event)
{
    CBaseDialog::resizeEvent(event);
    if (m_pGraph && !m_pGraph->GetDisplayImage().isNull()) {
        m_pGraph->Layout();
        m_pGraph->Replot();
    }
}
