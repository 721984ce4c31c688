#include "corvane/frontpanel/MemoryToolsWiring.h"

#include "corvane/core/RadioApp.h"
#include "corvane/frontpanel/DisplayView.h"
#include "corvane/frontpanel/RadioMainFrame.h"
#include "corvane/frontpanel/RadioStatus.h"
#include "corvane/memory/CWSettingsDialog.h"
#include "corvane/memory/CWSpeedDialog.h"
#include "corvane/memory/CalibrationDialog.h"
#include "corvane/memory/CloneDialogs.h"
#include "corvane/memory/CommandEntryDialog.h"
#include "corvane/memory/MemoryAnalyserDialog.h"
#include "corvane/memory/MemoryBrowserDialog.h"
#include "corvane/memory/MemoryCommands.h"
#include "corvane/memory/MenuManager.h"
#include "corvane/memory/RepeaterPanel.h"
#include "corvane/memory/RepeaterSheet.h"
#include "shared/ui/WaitCursor.h"

#include <memory>

namespace {
// The front panel open now, as the repeater sheet asks it; without one the
// sheet shows what it showed last.
class ViewRepeaterPanel final : public CRepeaterPanel {
public:
    bool PollRadio(bool bReadExtra) override
    {
        CDisplayView* view = GetDisplayView();
        if (!view)
            return false;
        view->PollRadio(bReadExtra);
        return true;
    }
    uint8_t GetEepromByte(int nAddress) const override
    {
        CDisplayView* view = GetDisplayView();
        return view ? view->GetStatusRecord().Eeprom(nAddress) : 0;
    }
    uint8_t GetRecordByte(int n) const override
    {
        CDisplayView* view = GetDisplayView();
        return view ? view->GetStatusRecord().Record(n) : 0;
    }
    bool IsDualWatch() const override
    {
        CDisplayView* view = GetDisplayView();
        return view && view->IsDualWatch();
    }
};

ViewRepeaterPanel g_repeaterPanel;

template <class Dialog>
void runModal(CRadioMainFrame* pFrame)
{
    std::unique_ptr<Dialog> dialog;
    {
        const CWaitCursor wait;
        dialog = std::make_unique<Dialog>(pFrame);
    }
    dialog->DoModal();
}

template <class Dialog>
CRadioMainFrame::ToolWindow toolWindow(bool bNeverHide)
{
    CRadioMainFrame::ToolWindow window;
    window.create = [](CRadioMainFrame* pFrame) -> QWidget* { return new Dialog(pFrame); };
    window.bNeverHide = bNeverHide;
    return window;
}
} // namespace

void InstallMemoryTools()
{
    using Frame = CRadioMainFrame;
    Frame::RegisterModalCommand(Frame::ID_MEMORY_MANAGER,
                                [](Frame* f) { MemoryCommands::RunMemoryManager(f, false); });
    Frame::RegisterModalCommand(Frame::ID_MEMORY_SAVE, [](Frame* f) { MemoryCommands::RunMemoryManager(f, true); });
    // The navigator's memory group is refilled by the navigator itself once
    // the organisers bring one.
    Frame::RegisterModalCommand(Frame::ID_MEMORY_RELOAD, [](Frame* f) { MemoryCommands::ReloadMemory(f); });
    Frame::RegisterModalCommand(Frame::ID_CALIBRATION, runModal<CCalibrationDialog>);
    Frame::RegisterModalCommand(Frame::ID_CLONE_SAVE, runModal<CCloneSaveDialog>);
    Frame::RegisterModalCommand(Frame::ID_CLONE_LOAD, runModal<CCloneLoadDialog>);
    Frame::RegisterModalCommand(Frame::ID_MENU_MANAGER, runModal<CMenuManager>);
    Frame::RegisterModalCommand(CRadioApp::ID_COMMAND_ENTRY, runModal<CCommandEntryDialog>);

    // The analyser and the browser are only ever brought forward by their
    // commands; the others toggle.
    Frame::RegisterToolWindow(Frame::ID_MEMORY_ANALYSER, toolWindow<CMemoryAnalyserDialog>(true));
    Frame::RegisterToolWindow(Frame::ID_MEMORY_BROWSER, toolWindow<CMemoryBrowserDialog>(true));
    Frame::RegisterToolWindow(Frame::ID_CW_SPEED, toolWindow<CCWSpeedDialog>(false));
    Frame::RegisterToolWindow(Frame::ID_CW_SETTINGS, toolWindow<CCWSettingsDialog>(false));
    Frame::ToolWindow repeater;
    repeater.create = [](Frame* f) -> QWidget* { return new CRepeaterSheet(&g_repeaterPanel, f); };
    // A hidden sheet shows the radio as it is now when it comes back.
    repeater.beforeShow = [](QWidget* w) {
        if (auto* sheet = qobject_cast<CRepeaterSheet*>(w))
            sheet->Refresh();
    };
    Frame::RegisterToolWindow(Frame::ID_REPEATER, repeater);

    // After a memory restore: the frame's Reload.
    CCloneLoadDialog::SetMemoryReloader([](QWidget* pParent) {
        if (CMainFrame* frame = GetMainFrame())
            frame->OnCommand(Frame::ID_MEMORY_RELOAD);
        else
            MemoryCommands::ReloadMemory(pParent);
    });
}
