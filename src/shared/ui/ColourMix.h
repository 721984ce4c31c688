#pragma once
#include "shared/WinTypes.h"

// Per-channel mix of two colours: (a * wa + b * wb) / (wa + wb), integer division.
COLORREF MixColours(COLORREF a, int wa, COLORREF b, int wb);
