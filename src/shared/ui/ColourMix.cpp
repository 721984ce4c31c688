#include "shared/ui/ColourMix.h"

COLORREF MixColours(COLORREF a, int wa, COLORREF b, int wb)
{
    const int w = wa + wb;
    if (w == 0)
        return a;
    return RGB((GetRValue(a) * wa + GetRValue(b) * wb) / w, (GetGValue(a) * wa + GetGValue(b) * wb) / w,
               (GetBValue(a) * wa + GetBValue(b) * wb) / w);
}
