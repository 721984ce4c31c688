#include "organisers/OrganiserModal.h"

#include "shared/ui/BaseDialog.h"

namespace organisers {

namespace {
std::function<int(CBaseDialog&)>& hook()
{
    static std::function<int(CBaseDialog&)> h;
    return h;
}
} // namespace

int RunModal(CBaseDialog& dialog)
{
    if (hook())
        return hook()(dialog);
    return dialog.DoModal();
}

void SetModalHook(std::function<int(CBaseDialog&)> h)
{
    hook() = std::move(h);
}

NavigatorRefresh& GetNavigatorRefresh()
{
    static NavigatorRefresh refresh;
    return refresh;
}

void FillNavigatorBands()
{
    if (GetNavigatorRefresh().fillBands)
        GetNavigatorRefresh().fillBands();
}

void FillNavigatorScanning()
{
    if (GetNavigatorRefresh().fillScanning)
        GetNavigatorRefresh().fillScanning();
}

void FillNavigatorMemories()
{
    if (GetNavigatorRefresh().fillMemories)
        GetNavigatorRefresh().fillMemories();
}

} // namespace organisers
