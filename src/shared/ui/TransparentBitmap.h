#pragma once
// Drawing pictures with a key colour left out, and recolouring one colour of
// a picture (the pictures themselves come from artwork::bitmap).
#include "shared/WinTypes.h"

#include <QImage>

class QPainter;

// The picture with every pixel of one colour replaced by another (the
// design's "load mapped" for pictures that take the background colour).
QImage MapBitmapColour(const QImage& image, COLORREF from, COLORREF to);

// Draws the whole image with its top-left corner at (x, y), leaving the
// target unchanged wherever the image has the transparent colour (or no
// colour at all).
void DrawTransparentBitmap(QPainter& painter, const QImage& image, int x, int y, COLORREF transparent);
