#pragma once
// Modal runs of the macro and tag dialogs go through one place, so tests can
// drive the real dialogs without a modal loop.
#include <functional>

class CBaseDialog;

// The runner shows the dialog, works it and answers IDOK or IDCANCEL.
using ToolDialogRunner = std::function<int(CBaseDialog& dialog)>;
void SetToolDialogRunner(ToolDialogRunner runner);
// IDOK or IDCANCEL.
int RunToolDialog(CBaseDialog& dialog);
