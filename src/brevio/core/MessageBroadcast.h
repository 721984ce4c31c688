#pragma once
#include <cstdint>

class QWidget;

// Sends a registered message to a window and then to every window below it,
// deepest last, as a broadcast to all descendants does. Windows created by a
// handler during the walk are not reached.
void SendMessageToDescendants(QWidget* pRoot, uint32_t nMsg, uintptr_t wParam, intptr_t lParam, bool bIncludeRoot);
