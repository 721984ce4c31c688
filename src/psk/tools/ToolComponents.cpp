#include "psk/tools/ToolComponents.h"

#include "psk/core/Components.h"
#include "psk/core/MacroStore.h"
#include "psk/core/TagStore.h"
#include "psk/tools/TagsBar.h"

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
    Macros().LoadDefault();
    Tags().LoadDefault();
    if (OtherStores())
        OtherStores()();
    loading = false;
}

} // namespace

void InstallToolComponents()
{
    CPskComponents& parts = PskComponents();
    parts.createTagsBar = [](QWidget* parent) -> QDockWidget* { return CTagsBar::CreateForMainFrame(parent); };
    // The macros and tags load with whatever other stores the program loads.
    auto* current = parts.loadStores.target<void (*)()>();
    if (!current || *current != &LoadStores)
        OtherStores() = parts.loadStores;
    parts.loadStores = &LoadStores;
}
