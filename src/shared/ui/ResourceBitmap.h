#pragma once
// Pictures by the numeric resource ids the design gives them. Each is our own
// image under ":/bitmaps/<id>.png" or ":/bitmaps/<id>.svg"; a program adds its
// own by putting more files under that prefix.
#include "shared/WinTypes.h"

#include <QImage>

class QPainter;

// Null image when the id has no picture.
QImage LoadResourceBitmap(int id);

// The picture with every pixel of one colour replaced by another (the
// design's "load mapped" for pictures that take the background colour).
QImage MapBitmapColour(const QImage& image, COLORREF from, COLORREF to);

// Draws the whole image with its top-left corner at (x, y), leaving the
// target unchanged wherever the image has the transparent colour.
void DrawTransparentBitmap(QPainter& painter, const QImage& image, int x, int y, COLORREF transparent);
