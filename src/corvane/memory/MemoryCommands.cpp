#include "corvane/memory/MemoryCommands.h"

#include "corvane/memory/LoadingMemoryDialog.h"
#include "corvane/memory/MemoryManagerDialog.h"

namespace MemoryCommands {

int RunMemoryManager(QWidget* pParent, bool bSaveToMemory)
{
    CMemoryManagerDialog dialog(pParent, bSaveToMemory);
    return dialog.DoModal();
}

int ReloadMemory(QWidget* pParent)
{
    CLoadingMemoryDialog dialog(pParent);
    return dialog.DoModal();
}

} // namespace MemoryCommands
