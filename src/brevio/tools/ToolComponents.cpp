#include "brevio/tools/ToolComponents.h"

#include "platform/Prompter.h"
#include "brevio/core/Components.h"
#include "brevio/core/DefinitionFileGuard.h"
#include "brevio/core/MacroStore.h"
#include "brevio/core/MainFrame.h"
#include "brevio/core/TagStore.h"
#include "brevio/tools/AddToLogfileDialog.h"
#include "brevio/tools/BeaconDlg.h"
#include "brevio/tools/DistanceBar.h"
#include "brevio/tools/DistanceCalculator.h"
#include "brevio/tools/FavouritesManagerDialog.h"
#include "brevio/tools/GridCalculator.h"
#include "brevio/tools/GridSquareSummaryDialog.h"
#include "brevio/tools/MacroEditorDialog.h"
#include "brevio/tools/MacroInputDialog.h"
#include "brevio/tools/MacrosBar.h"
#include "brevio/tools/TagsBar.h"
#include "brevio/tools/ToolDialogs.h"
#include "brevio/tools/options/PSK31Options.h"

#include <QStringList>

#include <functional>

namespace {

std::function<void()>& OtherStores()
{
    static std::function<void()> others;
    return others;
}

void LoadStores()
{
    // Installers that chain each other in turn could come back here.
    static bool loading = false;
    if (loading)
        return;
    loading = true;
    // One box names every file that could not be read, not one box each.
    QStringList unread;
    Macros().LoadDefault(&unread);
    Tags().LoadDefault(&unread);
    CDefinitionFileGuard::TellUnread(unread);
    if (OtherStores())
        OtherStores()();
    loading = false;
}

int RunMacroInput(QWidget* parent, int nChannel, const QString& strTitle, const QStringList& names,
                  const QStringList& lines, bool bErase, bool bSend, QStringList& values)
{
    CMacroInputDialog dialog(parent, nChannel, strTitle, names, lines, bErase, bSend);
    if (RunToolDialog(dialog) != platform::IDOK)
        return 0;
    values = dialog.GetValues();
    return 1;
}

int RunAddToLogfile(QWidget* parent, QString& strRecord)
{
    CAddToLogfileDialog dialog(parent, strRecord);
    if (RunToolDialog(dialog) != platform::IDOK)
        return 0;
    strRecord = dialog.m_strRecord;
    return 1;
}

void RunBeacon(QWidget* parent, const QString& strText, CTxTextWindow*, CFormRx* pForm)
{
    CBeaconDlg dialog(parent, strText, pForm);
    RunToolDialog(dialog);
}

void RunFavouritesManager(QWidget* parent)
{
    CFavouritesManagerDialog dialog(parent);
    RunToolDialog(dialog);
}

QWidget* CreateToolWindow(int nCommand, QWidget* parent)
{
    switch (nCommand) {
    case 33564:
        return new CGridCalculator(parent);
    case 33565:
        return new CDistanceCalculator(parent);
    case 33627:
        return new CGridSquareSummaryDialog(parent);
    default:
        return nullptr;
    }
}

// The editor on one macro of the application's store, which is saved on OK.
int EditMacro(QWidget* parent, CMacro& macro)
{
    QStringList titles;
    Macros().GetTitles(titles);
    const QString oldTitle = macro.GetFullTitle();
    CMacroEditorDialog editor(parent, macro.GetFullTitle(), macro.GetShortTitle(), macro.GetLines(),
                              macro.IsEraseFirst(), macro.IsAlwaysPrompt(), macro.IsSendNow(),
                              macro.IsSuperBrowserOnly(), macro.IsLeaveHisInfoEmpty(), titles, macro.IsEnabled());
    if (RunToolDialog(editor) != platform::IDOK)
        return 0;
    Macros().Update(oldTitle, editor.m_strFullTitle, editor.m_strShortTitle, editor.m_definition, editor.m_bErase,
                    editor.m_bAlwaysPrompt, editor.m_bSendNow, editor.m_bSuperBrowserOnly, editor.m_nEnable,
                    editor.m_bLeaveHisInfo);
    Macros().SaveDefault();
    if (CMainFrame* frame = GetMainFrame())
        if (auto* bar = dynamic_cast<CMacrosBar*>(frame->GetMacrosBar()))
            bar->FillList();
    return 1;
}

} // namespace

void InstallToolComponents()
{
    CPskComponents& parts = PskComponents();
    parts.createTagsBar = [](QWidget* parent) -> QDockWidget* { return CTagsBar::CreateForMainFrame(parent); };
    parts.createMacrosBar = [](QWidget* parent) -> QDockWidget* { return CMacrosBar::CreateForMainFrame(parent); };
    parts.runMacroInput = &RunMacroInput;
    parts.editMacro = &EditMacro;
    parts.runAddToLogfile = &RunAddToLogfile;
    parts.runBeacon = &RunBeacon;
    parts.runFavouritesManager = &RunFavouritesManager;
    parts.createToolWindow = &CreateToolWindow;
    parts.createDistanceBar = [](QWidget* parent) -> QToolBar* { return CDistanceBar::CreateForMainFrame(parent); };
    parts.createOptionsSheet = [](QWidget* parent) -> IOptionsSheet* {
        return CPSK31Options::CreateForMainFrame(parent);
    };
    // The macros and tags load with whatever other stores the program loads.
    auto* current = parts.loadStores.target<void (*)()>();
    if (!current || *current != &LoadStores)
        OtherStores() = parts.loadStores;
    parts.loadStores = &LoadStores;
}
