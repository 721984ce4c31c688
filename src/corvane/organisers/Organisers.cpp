#include "corvane/organisers/Organisers.h"

#include "corvane/core/RadioApp.h"
#include "corvane/core/RegisteredMessages.h"
#include "corvane/frontpanel/BandPlan.h"
#include "corvane/frontpanel/DisplayView.h"
#include "corvane/frontpanel/OptionsSheet.h"
#include "corvane/frontpanel/PanelModel.h"
#include "corvane/frontpanel/RadioMainFrame.h"
#include "corvane/frontpanel/TuningDial.h"
#include "corvane/memory/MemoryTreeCtrl.h"
#include "corvane/organisers/AddFavouriteDialog.h"
#include "corvane/organisers/BandSetList.h"
#include "corvane/organisers/FavouritesCollection.h"
#include "corvane/organisers/FavouritesTree.h"
#include "corvane/organisers/ManageFavouritesDialog.h"
#include "corvane/organisers/NavigatorBar.h"
#include "corvane/organisers/OrganiserCursor.h"
#include "platform/Prompter.h"
#include "shared/Registry.h"
#include "shared/ui/BaseDialog.h"
#include "shared/shortcutbar/OXShortcutBar.h"

#include <QPointer>

namespace {
QPointer<CFavouritesTree> g_navigatorTree;
QPointer<CNavigatorBar> g_navigator;
const QString kAddFolderValue = QStringLiteral("CMainFrame::m_strAddFaveFolder");

CCatLink* currentLink()
{
    if (CDisplayView* view = GetDisplayView())
        return &view->Panel().Link();
    return GetRadioApp() ? &GetRadioApp()->GetCatLink() : nullptr;
}

// The front panel's first initialisation: the navigator's groups, and the
// trees reporting to the view.
void attachToView(CDisplayView* pView)
{
    CNavigatorBar* bar = GetNavigatorBar();
    if (bar && !bar->AreGroupsCreated())
        bar->CreateGroups();
    if (bar && bar->GetFavouritesTree()) {
        bar->GetFavouritesTree()->SetNotifyMessage(RegisteredMessage::nMsgFavourite);
        bar->GetFavouritesTree()->SetNotifyWindow(pView);
    }
    if (bar && bar->GetMemoryTree())
        bar->GetMemoryTree()->Attach(pView, RegisteredMessage::nMsgMemory);
    // A favourite that can be seen in the navigator names the frequency
    // first; otherwise any favourite on it.
    pView->Panel().Model().SetFavouriteLookup([](uint32_t nHz, QString& strTitle) {
        if (CFavouritesTree* tree = GetNavigatorFavouritesTree())
            if (tree->LookupFrequency(nHz, strTitle))
                return true;
        return GetFavourites().LookupFrequency(nHz, strTitle);
    });
}
} // namespace

CFavouritesCollection& GetFavourites()
{
    static CFavouritesCollection favourites;
    return favourites;
}

CBandSetList& GetBandSets()
{
    static CBandSetList sets;
    return sets;
}

CNavigatorBar* GetNavigatorBar()
{
    return g_navigator;
}

CFavouritesTree* GetNavigatorFavouritesTree()
{
    return g_navigatorTree;
}

void SetNavigatorFavouritesTree(CFavouritesTree* pTree)
{
    g_navigatorTree = pTree;
}

void FavouritesSaved()
{
    if (CNavigatorBar* bar = GetNavigatorBar()) {
        bar->SaveState();
        bar->FillFavourites();
    }
    if (CDisplayView* view = GetDisplayView())
        view->RefreshMarkers();
}

void RunFavouritesManager(QWidget* pParent)
{
    std::unique_ptr<CManageFavouritesDialog> dialog;
    {
        OrganiserCursor wait;
        dialog = std::make_unique<CManageFavouritesDialog>(pParent);
    }
    dialog->DoModal();
}

void LoadDefaultFavourites(QWidget* pOwner)
{
    OrganiserCursor wait;
    if (platform::messageBox(pOwner,
                             QStringLiteral("This will replace the current favourites with the default list.\n \nContinue?"),
                             QStringLiteral("Load Defaults"), platform::MB_YESNO | platform::MB_ICONQUESTION) !=
        platform::IDYES)
        return;
    GetFavourites().LoadDefaults();
    if (CNavigatorBar* bar = GetNavigatorBar())
        bar->FillFavourites();
    if (CDisplayView* view = GetDisplayView())
        view->RefreshMarkers();
}

void AddToFavourites(QWidget* pParent)
{
    OrganiserCursor wait;
    CDisplayView* view = GetDisplayView();
    CRadioStatus status;
    if (view) {
        view->PollRadio(true);
        status = view->GetStatusRecord();
    }
    const CRegistry& registry = GetRegistry();
    CAddFavouriteDialog dialog(pParent, registry.GetString(kAddFolderValue), status, currentLink());
    if (dialog.DoModal() != platform::IDOK)
        return;
    registry.WriteString(kAddFolderValue, dialog.GetFolder());
    CFavouritesCollection& favourites = GetFavourites();
    favourites.AddOrUpdate(dialog.GetFolder(), dialog.GetTitle(), true, dialog.GetFrequency(), dialog.GetMode(),
                           dialog.GetRepeaterSettings());
    favourites.Save();
    const int index = favourites.IndexOf(dialog.GetFolder(), dialog.GetTitle());
    if (CFavouritesTree* tree = GetNavigatorFavouritesTree()) {
        QTreeWidgetItem* item =
            tree->AddItemPath(dialog.GetFolder(), dialog.GetTitle(), index, CFavouritesTree::INSERT_LAST);
        tree->RebuildVisibleMap();
        tree->SelectItem(item);
    }
    if (view)
        view->RefreshMarkers();
}

void InstallOrganisers()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;

    CRadioApp::Services& services = CRadioApp::GetServices();
    auto previousLoad = services.loadOrganisers;
    services.loadOrganisers = [previousLoad] {
        if (previousLoad)
            previousLoad();
        CFavouritesCollection& favourites = GetFavourites();
        favourites.Load();
        if (favourites.GetCount() == 0)
            favourites.LoadDefaults();
    };
    auto previousQuickSave = services.quickSaveChanged;
    services.quickSaveChanged = [previousQuickSave] {
        if (previousQuickSave)
            previousQuickSave();
        if (CNavigatorBar* bar = GetNavigatorBar())
            bar->FillQuickSave();
    };
    auto previousCommand = services.command;
    services.command = [previousCommand](unsigned nId) {
        switch (nId) {
        case CRadioApp::ID_FAVOURITES_MANAGER:
            RunFavouritesManager(GetMainFrame());
            return true;
        case CRadioApp::ID_FAVOURITES_DEFAULTS:
            LoadDefaultFavourites(GetMainFrame());
            return true;
        default:
            return previousCommand ? previousCommand(nId) : false;
        }
    };

    CRadioMainFrame::SetSelectionBarFactory([](CRadioMainFrame* pFrame) -> CSelectionBar* {
        CNavigatorBar* bar = CNavigatorBar::CreateForMainFrame(pFrame);
        g_navigator = bar;
        return bar;
    });
    CRadioMainFrame::RegisterModalCommand(CRadioMainFrame::ID_FAVOURITES_ADD,
                                          [](CRadioMainFrame* pFrame) { AddToFavourites(pFrame); });
    // Favourites > Manager runs the application's command; it works on the
    // navigator's tree, so it waits for that tree and its root.
    CRadioMainFrame::RegisterModalCommand(CRadioApp::ID_FAVOURITES_MANAGER, [](CRadioMainFrame* pFrame) {
        if (CFavouritesTree* tree = GetNavigatorFavouritesTree(); tree && tree->topLevelItemCount() > 0)
            RunFavouritesManager(pFrame);
    });
    auto previousUpdate = services.updateCommand;
    services.updateCommand = [previousUpdate](CCmdUI& cmdUI) {
        if (previousUpdate)
            previousUpdate(cmdUI);
        if (cmdUI.m_nID == CRadioApp::ID_FAVOURITES_MANAGER) {
            CFavouritesTree* tree = GetNavigatorFavouritesTree();
            cmdUI.Enable(GetMainFrame() && tree && tree->topLevelItemCount() > 0);
        }
    };
    COptionsSheet::SetTreeStyleHandler([] {
        if (CNavigatorBar* bar = GetNavigatorBar())
            bar->ApplyTreeStyle();
    });

    CDisplayView::SetFirstInitialiseHook(attachToView);
    CDisplayView::SetFavouriteApplier([](intptr_t nEntry) {
        const auto* entry = reinterpret_cast<const CMemoryChannel*>(nEntry);
        if (CCatLink* link = currentLink(); link && entry)
            CFavouriteEntry::ApplyToRadio(*entry, *link);
    });
    CTuningDial::SetFavouritesSource([] {
        std::vector<DialFavourite> markers;
        const CFavouritesCollection& favourites = GetFavourites();
        markers.reserve(size_t(favourites.GetCount()));
        for (int i = 0; i < favourites.GetCount(); ++i) {
            const CMemoryChannel* entry = favourites.GetAt(i);
            markers.push_back({entry->GetRxFrequency(), entry->GetFolder(), entry->GetTitle(), entry});
        }
        return markers;
    });
    CDisplayView::SetBandSetSource([](int nSet, CBandPlan& plan) {
        const CBandSet* set = GetBandSets().GetAt(nSet);
        if (!set)
            return false;
        set->BuildPlan(plan);
        return true;
    });
}
