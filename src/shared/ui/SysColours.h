#pragma once
// The system colours the toolkit's drawing asks for, by the indexes the
// design names them with, taken from the application's palette.
#include "shared/WinTypes.h"

enum SysColourIndex : int {
    COLOR_ACTIVECAPTION = 2,
    COLOR_INACTIVECAPTION = 3,
    COLOR_WINDOW = 5,
    COLOR_WINDOWTEXT = 8,
    COLOR_CAPTIONTEXT = 9,
    COLOR_HIGHLIGHT = 13,
    COLOR_HIGHLIGHTTEXT = 14,
    COLOR_BTNFACE = 15,
    COLOR_BTNSHADOW = 16,
    COLOR_GRAYTEXT = 17,
    COLOR_BTNTEXT = 18,
    COLOR_INACTIVECAPTIONTEXT = 19,
    COLOR_BTNHIGHLIGHT = 20,
    COLOR_3DDKSHADOW = 21,
    COLOR_3DLIGHT = 22,
    COLOR_INFOTEXT = 23,
    COLOR_INFOBK = 24,
    COLOR_GRADIENTACTIVECAPTION = 27,
    COLOR_GRADIENTINACTIVECAPTION = 28,
};

// COLORREF of a system colour; unknown indexes give black.
COLORREF GetSysColor(int index);

// Per-channel mix: (a * wa + b * wb) / (wa + wb), integer division.
COLORREF MixColours(COLORREF a, int wa, COLORREF b, int wb);
