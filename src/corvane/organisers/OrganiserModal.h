#pragma once
// Modal runs of the band and scan dialogs, and the navigator groups they
// refill. Tests answer a dialog instead of a modal loop.
#include <functional>

class CBaseDialog;

namespace organisers {

// IDOK or IDCANCEL: the dialog's own modal run, or the hook's answer.
int RunModal(CBaseDialog& dialog);
// A hook gets the dialog before it is shown; it shows and answers it.
void SetModalHook(std::function<int(CBaseDialog& dialog)> hook);

// The navigator's Bands, Scanning and Memories groups refill, when the
// navigator exists.
void FillNavigatorBands();
void FillNavigatorScanning();
void FillNavigatorMemories();

} // namespace organisers
