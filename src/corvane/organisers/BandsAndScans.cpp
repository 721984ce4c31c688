#include "corvane/organisers/BandsAndScans.h"

#include "corvane/core/RadioApp.h"
#include "corvane/frontpanel/BandPlan.h"
#include "corvane/frontpanel/DisplayView.h"
#include "corvane/frontpanel/RadioMainFrame.h"
#include "corvane/organisers/BandSetList.h"
#include "corvane/organisers/BandsDialog.h"
#include "corvane/organisers/CustomBandsManagerDialog.h"
#include "corvane/organisers/NavigatorBar.h"
#include "corvane/organisers/OrganiserCursor.h"
#include "corvane/organisers/OrganiserModal.h"
#include "corvane/organisers/ScanBandDialog.h"
#include "corvane/organisers/ScanDefinitions.h"
#include "corvane/organisers/ScanManagerDialog.h"
#include "corvane/organisers/ScanMemoryDialog.h"
#include "platform/Prompter.h"
#include "shared/MainWindow.h"

namespace {

CRadioMainFrame* radioFrame()
{
    return qobject_cast<CRadioMainFrame*>(GetMainFrame());
}

// Makes sure a scan window is open and visible, through its command when
// it is absent or hidden.
template <class Window>
Window* showScanWindow(unsigned nCommand)
{
    CRadioMainFrame* frame = radioFrame();
    if (!frame)
        return nullptr;
    QWidget* window = frame->GetToolWindow(nCommand);
    if (!window || !window->isVisible())
        frame->OnCommand(nCommand);
    return qobject_cast<Window*>(frame->GetToolWindow(nCommand));
}

} // namespace

void LoadDefaultBandDefinitions(QWidget* pOwner)
{
    OrganiserCursor wait;
    QWidget* owner = pOwner ? pOwner : GetMainWindow();
    if (platform::messageBox(owner,
                             QStringLiteral("This will replace the current custom band definitions with the default "
                                            "band definitions.\n \nContinue?"),
                             QStringLiteral("Load Defaults"), platform::MB_YESNO | platform::MB_ICONQUESTION) !=
        platform::IDYES)
        return;
    // Unreadable defaults leave the list as it was: nothing to save then.
    if (GetBandSets().LoadDefaults(owner))
        GetBandSets().SaveDefinitions();
    organisers::FillNavigatorBands();
    RefreshBandBar();
}

void StartScan(int nDefinition)
{
    const CScanDefinition* d = GetScanDefinitions().GetAt(nDefinition);
    if (!d)
        return;
    if (d->GetKind() == CScanDefinition::KIND_BAND) {
        if (auto* window = showScanWindow<CScanBandDialog>(CRadioMainFrame::ID_SCAN_BAND))
            window->LoadDefinition(*d);
    } else if (d->GetKind() == CScanDefinition::KIND_MEMORY) {
        if (auto* window = showScanWindow<CScanMemoryDialog>(CRadioMainFrame::ID_SCAN_MEMORY))
            window->LoadDefinition(*d);
    }
}

QList<std::pair<QString, int>> ScanDefinitionList()
{
    QList<std::pair<QString, int>> list;
    const CScanDefinitions& store = GetScanDefinitions();
    for (int i = 0; i < store.GetCount(); ++i)
        list << std::pair{store.GetAt(i)->GetTitle(), store.GetAt(i)->GetKind()};
    return list;
}

bool RunScanManager(QWidget* pParent)
{
    std::unique_ptr<CScanManagerDialog> dialog;
    {
        OrganiserCursor wait;
        dialog = std::make_unique<CScanManagerDialog>(pParent);
    }
    return organisers::RunModal(*dialog) == platform::IDOK;
}

void RunScanBandModal(QWidget* pParent)
{
    CScanBandDialog dialog(pParent);
    organisers::RunModal(dialog);
}

void RunScanMemoryModal(QWidget* pParent)
{
    CScanMemoryDialog dialog(pParent);
    organisers::RunModal(dialog);
}

void DeleteScanDefinition(int nDefinition)
{
    GetScanDefinitions().DeleteAt(nDefinition);
    GetScanDefinitions().Save();
}

void InstallBandsAndScans()
{
    CRadioApp::Services& services = CRadioApp::GetServices();
    auto load = services.loadOrganisers;
    services.loadOrganisers = [load] {
        GetBandSets().LoadFile(CBandSetList::kDefinitionsKind);
        if (load)
            load();
        GetScanDefinitions().Load();
    };
    auto command = services.command;
    services.command = [command](unsigned nId) {
        if (nId == CRadioApp::ID_BANDS_DEFAULTS) {
            LoadDefaultBandDefinitions(GetMainWindow());
            return true;
        }
        return command && command(nId);
    };

    CNavigatorBar::ScanServices& scans = CNavigatorBar::GetScanServices();
    scans.definitions = ScanDefinitionList;
    scans.runManager = RunScanManager;
    scans.runScanBand = RunScanBandModal;
    scans.runScanMemory = RunScanMemoryModal;
    scans.startScan = StartScan;
    scans.deleteDefinition = DeleteScanDefinition;

    CRadioMainFrame::ToolWindow bands;
    bands.create = [](CRadioMainFrame* pFrame) -> QWidget* { return new CBandsDialog(pFrame); };
    CRadioMainFrame::RegisterToolWindow(CBandsDialog::ID_BANDS_BUTTON, bands);

    CRadioMainFrame::ToolWindow scanBand;
    scanBand.create = [](CRadioMainFrame* pFrame) -> QWidget* {
        auto* dialog = new CScanBandDialog(pFrame);
        dialog->setModal(false);
        return dialog;
    };
    scanBand.beforeShow = [](QWidget* pWindow) {
        if (auto* dialog = qobject_cast<CScanBandDialog*>(pWindow))
            dialog->RefreshFromRadio();
    };
    CRadioMainFrame::RegisterToolWindow(CRadioMainFrame::ID_SCAN_BAND, scanBand);

    CRadioMainFrame::ToolWindow scanMemory;
    scanMemory.create = [](CRadioMainFrame* pFrame) -> QWidget* {
        auto* dialog = new CScanMemoryDialog(pFrame);
        dialog->setModal(false);
        return dialog;
    };
    scanMemory.beforeShow = [](QWidget* pWindow) {
        if (auto* dialog = qobject_cast<CScanMemoryDialog*>(pWindow))
            dialog->FillMemoryList();
    };
    CRadioMainFrame::RegisterToolWindow(CRadioMainFrame::ID_SCAN_MEMORY, scanMemory);

    CRadioMainFrame::RegisterModalCommand(CRadioMainFrame::ID_BANDS_MANAGER,
                                          [](CRadioMainFrame* pFrame) { RunCustomBandsManager(pFrame); });
}
