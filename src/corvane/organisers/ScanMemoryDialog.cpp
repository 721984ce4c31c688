#include "corvane/organisers/ScanMemoryDialog.h"

#include "corvane/core/CatLink.h"
#include "corvane/core/MemoryChannelList.h"
#include "corvane/core/RadioApp.h"
#include "corvane/core/RegisteredMessages.h"
#include "corvane/frontpanel/DisplayView.h"
#include "corvane/memory/LoadingMemoryDialog.h"
#include "corvane/memory/MemoryManagerDialog.h"
#include "corvane/organisers/OrganiserCursor.h"
#include "corvane/organisers/OrganiserModal.h"
#include "corvane/organisers/ScanBandDialog.h"
#include "corvane/organisers/ScanDefinitions.h"
#include "corvane/organisers/ScanPanel.h"
#include "corvane/organisers/ScanTitleDialog.h"
#include "platform/Prompter.h"
#include "shared/RegisteredEvent.h"
#include "shared/artwork/Artwork.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/OwnComboBox.h"
#include "shared/ui/OwnListCtrl.h"

#include <QTimerEvent>

namespace {
constexpr COLORREF kWhiteMask = RGB(255, 255, 255);
constexpr COLORREF kRedMask = RGB(255, 0, 0);  // 0x0000FF
const QString kNoneChecked = QStringLiteral("You must select at least one memory definition.");

std::function<void(QWidget*, CRadioMemoryList&)>& memoryLoader()
{
    static std::function<void(QWidget*, CRadioMemoryList&)> loader;
    return loader;
}

std::function<void(QWidget*)>& managerRunner()
{
    static std::function<void(QWidget*)> runner;
    return runner;
}
} // namespace

void CScanMemoryDialog::SetMemoryLoader(std::function<void(QWidget*, CRadioMemoryList&)> loader)
{
    memoryLoader() = std::move(loader);
}

void CScanMemoryDialog::SetManagerRunner(std::function<void(QWidget*)> runner)
{
    managerRunner() = std::move(runner);
}

CScanMemoryDialog::CScanMemoryDialog(QWidget* pParent, const CScanDefinition* pDefinition, CCatLink* pLink,
                                     CScanPanel* pPanel, CRadioMemoryList* pMemories)
    : CBaseDialog(IDD, pParent), m_link(pLink ? *pLink : GetRadioApp()->GetCatLink()),
      m_panel(pPanel ? *pPanel : GetDisplayViewScanPanel()), m_pMemories(pMemories),
      m_pInitialDefinition(pDefinition)
{
    setWindowTitle(QStringLiteral("Scan Memory"));
    SetNoSizeGrip();
    m_pList = new COwnListCtrl(this);
    m_pList->setGeometry(8, 44, 404, 236);
    auto button = [this](int x) {
        auto* b = new COXBitmapButton(this);
        b->setGeometry(x, 6, 34, 30);
        return b;
    };
    m_pStart = button(8);
    m_pStop = button(44);
    m_pSave = button(80);
    m_pRefresh = button(126);
    m_pManager = button(162);
    m_pResume = new COwnComboBox(this);
    m_pResume->setGeometry(316, 10, 96, 24);
    SetDlgCtrlID(m_pList, IDC_LIST);
    SetDlgCtrlID(m_pResume, IDC_RESUME);
    SetDlgCtrlID(m_pStart, IDC_START);
    SetDlgCtrlID(m_pStop, IDC_STOP);
    SetDlgCtrlID(m_pSave, IDC_SAVE);
    SetDlgCtrlID(m_pRefresh, IDC_REFRESH);
    SetDlgCtrlID(m_pManager, IDC_MANAGER);
    connect(m_pStart, &QPushButton::clicked, this, [this] { StartScan(); });
    connect(m_pStop, &QPushButton::clicked, this, [this] { StopScan(); });
    connect(m_pSave, &QPushButton::clicked, this, [this] { OnSave(); });
    connect(m_pRefresh, &QPushButton::clicked, this, [this] { FillMemoryList(); });
    connect(m_pManager, &QPushButton::clicked, this, [this] { OnMemoryManager(); });
    connect(m_pResume, &QComboBox::activated, this, [this] { SetResume(); });
    connect(m_pList, &QTreeWidget::itemChanged, this,
            [this](QTreeWidgetItem* item, int) { OnItemChanged(m_pList->indexOfTopLevelItem(item)); });
    resize(420, 288);
    static const DialogGeometry::AnchorRow anchors[] = {{IDC_LIST, 2, 2, 0, 0}};
    SetAnchors(anchors, int(std::size(anchors)));
}

CScanMemoryDialog::~CScanMemoryDialog() = default;

CRadioMemoryList& CScanMemoryDialog::Memories() const
{
    return m_pMemories ? *m_pMemories : GetRadioApp()->GetMemoryList();
}

bool CScanMemoryDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    const QImage icon = artwork::icon(279);
    if (!icon.isNull())
        setWindowIcon(QPixmap::fromImage(icon));
    m_strCaption = windowTitle();
    if (CDisplayView* view = GetDisplayView())
        view->AddScanWindow(this);

    m_pSave->LoadBitmapResource(218, false, kRedMask);
    m_pRefresh->LoadBitmapResource(262, false, kRedMask);
    m_pManager->LoadBitmapResource(315, false, kWhiteMask);
    m_pRefresh->SetLookFlag(true);
    m_pManager->SetLookFlag(true);
    PrepareButton(*m_pStart, QStringLiteral("Start scanning"));
    PrepareButton(*m_pStop, QStringLiteral("Stop scanning"));
    PrepareButton(*m_pSave, QStringLiteral("Save current definition"));
    PrepareButton(*m_pRefresh, QStringLiteral("Refresh memory definitions"));
    PrepareButton(*m_pManager, QStringLiteral("Memory manager"));
    m_nRadioScanning = 0;
    SetButtons(false);

    FillResumeList(m_pResume);
    m_pResume->SetCurSel(0);

    m_pList->EnableCheckBoxes();
    m_pList->SetColumns({{QStringLiteral("Scan"), LVCFMT_LEFT},
                         {QStringLiteral("Chn."), LVCFMT_RIGHT},
                         {QStringLiteral("Label"), LVCFMT_LEFT},
                         {QStringLiteral("Frequency"), LVCFMT_RIGHT},
                         {QStringLiteral("Mode"), LVCFMT_LEFT}});
    m_pList->SetFullRowSelect();
    m_pList->AutoSizeColumns();

    FillMemoryList();
    if (m_pInitialDefinition)
        LoadDefinition(*m_pInitialDefinition);
    m_stateTimer.start(kStateTimerMs, this);
    return true;
}

void CScanMemoryDialog::SetButtons(bool bScanning)
{
    m_nStartBitmap = bScanning ? 353 : 216;
    m_nStopBitmap = bScanning ? 219 : 354;
    m_pStart->LoadBitmapResource(m_nStartBitmap, false, kWhiteMask);
    m_pStop->LoadBitmapResource(m_nStopBitmap, false, kWhiteMask);
    m_pStart->update();
    m_pStop->update();
    m_pRefresh->Enable(!bScanning);
    m_pManager->Enable(!bScanning);
}

void CScanMemoryDialog::FillMemoryList()
{
    m_bRefreshing = true;
    CRadioMemoryList& memories = Memories();
    if (memoryLoader()) {
        memoryLoader()(this, memories);
    } else {
        CLoadingMemoryDialog loading(this, &memories);
        loading.DoModal();
    }
    organisers::FillNavigatorMemories();

    m_rows = CMemoryScanModel::BuildRows(memories);
    if (m_pList->GetItemCount() != m_rows.size())
        m_pList->DeleteAllItems();
    while (m_pList->GetItemCount() < m_rows.size())
        m_pList->InsertItem(0, QString());
    m_checkStates.clear();
    for (int r = 0; r < m_rows.size(); ++r) {
        const CMemoryScanRow& row = m_rows[r];
        m_pList->SetItemText(r, 1, row.strNumber);
        m_pList->SetItemText(r, 2, row.strLabel);
        m_pList->SetItemText(r, 3, row.strFrequency);
        m_pList->SetItemText(r, 4, row.strMode);
        m_pList->SetCheck(r, row.bChecked);
        m_pList->SetItemData(r, uintptr_t(row.nChannel));
        m_checkStates << row.bChecked;
    }
    m_pList->AutoSizeColumns();
    uint8_t resume = 0, unused = 0;
    // Shown here, the value may be written back as it stands: read for certain.
    if (m_link.ReadEepromConfirmed(0x005D, resume, unused))
        m_pResume->SelectByData(resume & 0x03);
    m_bRefreshing = false;
}

QString CScanMemoryDialog::RowIdentifier(int nRow) const
{
    return CScanDefinitions::MemoryIdentifier(m_pList->GetItemText(nRow, 2), int(m_pList->GetItemData(nRow)));
}

int CScanMemoryDialog::CountChecked() const
{
    return m_pList->CountChecked();
}

void CScanMemoryDialog::OnItemChanged(int nRow)
{
    if (nRow < 0 || nRow >= m_checkStates.size())
        return;
    const bool checked = m_pList->GetCheck(nRow);
    switch (CMemoryScanModel::CheckChanged(m_bRefreshing, checked, m_checkStates[nRow], CountChecked())) {
    case CMemoryScanModel::CHECK_IGNORE:
        return;
    case CMemoryScanModel::CHECK_REFUSE: {
        platform::messageBox(this, kNoneChecked, m_strCaption, platform::MB_OK | platform::MB_ICONERROR);
        const bool refreshing = m_bRefreshing;
        m_bRefreshing = true;
        m_pList->SetCheck(nRow, m_checkStates[nRow]);
        m_bRefreshing = refreshing;
        return;
    }
    case CMemoryScanModel::CHECK_WRITE:
        break;
    }
    const QString caption = windowTitle();
    setWindowTitle(caption + QStringLiteral(" *"));
    const int channel = int(m_pList->GetItemData(nRow));
    if (CMemoryChannel* record = Memories().GetChannel(channel)) {
        record->SetSkip(channel, !checked);
    } else {
        const uint32_t address = 0x484 + uint32_t(channel) * 26 + 2;
        m_link.SetEepromBit(uint16_t(address), 7, checked ? 0 : 1, QStringLiteral("Setting memory skip"));
    }
    setWindowTitle(caption);
    m_checkStates[nRow] = checked;
}

void CScanMemoryDialog::OnOK()
{
    if (m_nRadioScanning != 0)
        StopScan();
    else
        StartScan();
}

void CScanMemoryDialog::StartScan()
{
    OrganiserCursor wait;
    if (CountChecked() == 0) {
        platform::messageBox(this, kNoneChecked, m_strCaption, platform::MB_OK | platform::MB_ICONERROR);
        return;
    }
    m_link.SelectMemoryChannel(0);
    m_link.StartScanningUp();
}

void CScanMemoryDialog::StopScan()
{
    OrganiserCursor wait;
    m_link.StopScanning();
}

void CScanMemoryDialog::SetResume()
{
    OrganiserCursor wait;
    m_link.WriteEepromBits(0x5D, 0x03, uint8_t(m_pResume->GetSelectedData()), QStringLiteral("Setting resume"));
}

void CScanMemoryDialog::UpdateScanState(int nState)
{
    if (nState == m_nRadioScanning)
        return;
    m_nRadioScanning = nState;
    setWindowTitle(nState ? m_strCaption + QStringLiteral(" (Scanning)") : m_strCaption);
    SetButtons(nState != 0);
}

void CScanMemoryDialog::OnSave()
{
    OrganiserCursor wait;
    QStringList titles;
    GetScanDefinitions().GetTitles(titles);
    CScanTitleDialog dialog(this, titles, m_strTitle);
    if (organisers::RunModal(dialog) != platform::IDOK)
        return;
    QStringList identifiers;
    for (int r = 0; r < m_pList->GetItemCount(); ++r)
        if (m_pList->GetCheck(r))
            identifiers << RowIdentifier(r);
    GetScanDefinitions().AddMemoryScan(dialog.GetTitle(), identifiers, dialog.GetOverwrite());
    GetScanDefinitions().Save();
    organisers::FillNavigatorScanning();
    m_strTitle = dialog.GetTitle();
}

void CScanMemoryDialog::LoadDefinition(const CScanDefinition& definition)
{
    const bool memoryMode = m_panel.IsMemoryMode();
    const bool scanning = m_panel.IsScanning();
    if (memoryMode && scanning)
        m_link.StopScanning();
    m_strTitle = definition.GetTitle();
    const QStringList identifiers = definition.GetMemoryIdentifiers();
    QStringList rowIds;
    for (int r = 0; r < m_pList->GetItemCount(); ++r)
        rowIds << RowIdentifier(r);
    int found = 0;
    const QList<bool> matched = CMemoryScanModel::MatchDefinition(rowIds, identifiers, found);
    // Checking first, so that unchecking never meets a list with nothing
    // checked while a wanted channel is still to come.
    for (int r = 0; r < matched.size(); ++r)
        if (matched[r] && !m_pList->GetCheck(r))
            m_pList->SetCheck(r, true);
    for (int r = 0; r < matched.size(); ++r)
        if (!matched[r] && m_pList->GetCheck(r))
            m_pList->SetCheck(r, false);
    if (found != identifiers.size())
        platform::messageBox(this, QStringLiteral("Some memory definitions were not found."),
                             QStringLiteral("Load Definition"), platform::MB_OK | platform::MB_ICONWARNING);
    if (memoryMode && scanning)
        m_link.StartScanningUp();
}

void CScanMemoryDialog::OnMemoryManager()
{
    if (managerRunner()) {
        managerRunner()(this);
    } else {
        CMemoryManagerDialog manager(this, false);
        manager.DoModal();
    }
    FillMemoryList();
}

bool CScanMemoryDialog::event(QEvent* event)
{
    if (auto* m = CRegisteredEvent::As(event, RegisteredMessage::nMsgScanning)) {
        UpdateScanState((uint32_t(m->lParam()) & 0x80000000u) ? 1 : 0);
        return true;
    }
    return CBaseDialog::event(event);
}

void CScanMemoryDialog::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_stateTimer.timerId()) {
        UpdateScanState(m_panel.IsScanning() ? 1 : 0);
        return;
    }
    CBaseDialog::timerEvent(event);
}
