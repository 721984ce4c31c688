#pragma once
// Shades the cushion of a rounded button: a square of (2R + 1)^2 pixels with
// a flat top inside radius r and a quarter-round bevel out to radius R, lit
// by a coloured light with a Phong model, then stretched to the button by
// copying rows and single pixels. Pixels are 0x00RRGGBB, stored bottom row
// first (positive i is up).
#include "shared/WinTypes.h"

#include <QRgb>
#include <QVector>
#include <cstdint>
#include <vector>

class QPainter;

class CSphereRenderer {
public:
    struct Vector {
        float x, y, z;
    };

    // Paints the face at (x, y), width x height. Radii below 1 or a face
    // smaller than the corners need are filled with the background colour:
    // there is no cushion to shade.
    void Render(QPainter& painter, int x, int y, int width, int height, int externalRadius, int internalRadius,
                QVector<QRgb>* palette, COLORREF sphere, COLORREF light, float tilt, float azimuth, float strength,
                int shininess, float specular, float diffuse, float ambient, COLORREF background);

    // The light vector of a tilt and an azimuth in degrees.
    static Vector LightVector(float tilt, float azimuth);

    static std::vector<uint32_t> ShadeSphere(int externalRadius, int internalRadius, COLORREF light,
                                             Vector lightVector, float strength, int shininess, float specular,
                                             float diffuse, float ambient, COLORREF sphere, COLORREF background);

    // Empty when the square cannot fill that size (radius below 1, or a side
    // shorter than twice the radius).
    static std::vector<uint32_t> ExpandToButton(int width, int height, const std::vector<uint32_t>& square,
                                                int externalRadius);

    // Paints the pixels (bottom row first) at (x, y); a palette is built
    // only for a device of 256 colours or fewer, which a Qt painter never is.
    void PaintBits(QPainter& painter, int x, int y, int width, int height, const std::vector<uint32_t>& pixels,
                   QVector<QRgb>* palette);

    // The entries of a palette for the pixels: the system entries first,
    // then every step-th distinct colour, never more than 256 in all.
    static QVector<QRgb> BuildPalette(const QVector<QRgb>& systemEntries, const std::vector<uint32_t>& pixels);

    // Colours a device offers (0 for true colour).
    static int SystemPaletteSize(const QPainter& painter);
};
