#include "brevio/tools/ToolDialogs.h"

#include "shared/ui/BaseDialog.h"

namespace {
ToolDialogRunner& Runner()
{
    static ToolDialogRunner runner;
    return runner;
}
} // namespace

void SetToolDialogRunner(ToolDialogRunner runner)
{
    Runner() = std::move(runner);
}

int RunToolDialog(CBaseDialog& dialog)
{
    return Runner() ? Runner()(dialog) : dialog.DoModal();
}
