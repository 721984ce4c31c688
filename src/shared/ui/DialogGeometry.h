#pragma once
// The arithmetic of the dialog base: anchored controls following a change of
// the dialog's size, and the remembered window geometry value.
#include "shared/WinTypes.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <cstdint>

namespace DialogGeometry {

// What a dialog declares per anchored control: control id, size-x, size-y,
// move-x and move-y modes (0 none, 1 half, 2 all, 3 a third, 4 two thirds).
struct AnchorRow {
    int nId;
    int nSizeX;
    int nSizeY;
    int nMoveX;
    int nMoveY;
};

// What the dialog keeps: the control's rectangle relative to the top-left of
// the dialog's window rectangle (frame and caption included) when recorded.
struct AnchorEntry {
    int left = 0, top = 0, right = 0, bottom = 0;
    int nId = 0;
    int nSizeX = 0, nSizeY = 0, nMoveX = 0, nMoveY = 0;
};

// The part of a size change d a mode takes (integer division toward zero);
// unknown modes take none.
int Share(int nMode, int d);

// dx = cw + 2 fx - W0 + 1, dy = ch + 2 fy + c - H0 + 1 (the + 1 belongs to the rule).
QPoint Deltas(int cw, int ch, int nRecordWidth, int nRecordHeight, int fx, int fy, int nCaption);

struct Placement {
    bool bResize = false;
    QSize size;
    bool bMove = false;
    QPoint pos; // in the dialog's client coordinates
};
Placement Place(const AnchorEntry& entry, const QPoint& delta, int fx, int fy, int nCaption);

// "Window Geometry %08X %08X", or "Window Geometry %08X" when the second id is -1.
QString ValueName(uint32_t nDialogId, int nSecondId);

// The five stored integers: left, right, top, bottom, maximised; the four
// sides are -1 when the window is maximised or minimised.
QList<uint32_t> SavedValues(const RECT& window, bool bMaximised, bool bMinimised);

enum class Restore { Centre, Place, Leave };
struct RestoreResult {
    Restore action = Restore::Centre;
    RECT rect; // window rectangle to take (Place)
};
// From the stored values and the current window rectangle. Anything but five
// values centres; a side of -1 keeps the current side; a result without
// positive width and height is left alone; left and top are raised to 0; a
// fixed-size dialog keeps its current size.
RestoreResult Restored(const QList<uint32_t>& values, const RECT& current, bool bResizable);

// A rectangle that lies on none of the screens (a monitor since unplugged)
// is moved onto the first screen, kept whole where it fits; one that shows
// at least partly on a screen is left where it is.
RECT BringOntoScreens(const RECT& rect, const QList<QRect>& screens);

// A window rectangle brought wholly inside the available area of the screen
// it lies on most (centred on the first screen when it lies on none): moved
// in, and made smaller where it is larger than the area and bResizable (a
// fixed-size window larger than the area keeps its size at the area's
// top-left corner).
RECT FitOnScreens(const RECT& rect, const QList<QRect>& screens, bool bResizable);

} // namespace DialogGeometry
