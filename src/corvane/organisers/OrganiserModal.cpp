#include "corvane/organisers/OrganiserModal.h"

#include "corvane/organisers/NavigatorBar.h"
#include "corvane/organisers/Organisers.h"
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

void FillNavigatorBands()
{
    if (CNavigatorBar* bar = GetNavigatorBar(); bar && bar->AreGroupsCreated())
        bar->FillBands();
}

void FillNavigatorScanning()
{
    if (CNavigatorBar* bar = GetNavigatorBar(); bar && bar->AreGroupsCreated())
        bar->FillScanning();
}

void FillNavigatorMemories()
{
    if (CNavigatorBar* bar = GetNavigatorBar(); bar && bar->AreGroupsCreated())
        bar->FillMemories();
}

} // namespace organisers
