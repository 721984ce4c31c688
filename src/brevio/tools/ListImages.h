#pragma once
// Small pictures for list controls from bitmap resources, white (or the
// given colour) drawn transparent, every picture at the first one's size.
#include "shared/WinTypes.h"

#include <QList>
#include <QPixmap>

QList<QPixmap> LoadListImages(const QList<int>& ids, COLORREF colTransparent = RGB(255, 255, 255),
                              int nCopies = 1);
