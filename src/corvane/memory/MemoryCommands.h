#pragma once
// What the main frame opens of the memory tools: its Memory menu commands
// and the reload after a memory write (RegisteredMessage::nMsgReloadMemory).
class QWidget;

namespace MemoryCommands {
constexpr unsigned ID_MEMORY_MANAGER = 32811;
constexpr unsigned ID_SAVE_TO_MEMORY = 32774;
constexpr unsigned ID_RELOAD_MEMORY = 32847;

// Memory > Manager (bSaveToMemory false) and Memory > Save to Memory (true):
// the Memory Manager, modal; IDOK or IDCANCEL.
int RunMemoryManager(QWidget* pParent, bool bSaveToMemory);
// Memory > Reload and the reload after a write: the Loading Memory dialog,
// modal, over the application's channel list. IDOK when every channel was
// read. The caller refills the navigator's memory group afterwards.
int ReloadMemory(QWidget* pParent);
} // namespace MemoryCommands
