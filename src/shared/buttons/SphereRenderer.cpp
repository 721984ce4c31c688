#include "shared/buttons/SphereRenderer.h"

#include <QHash>
#include <QImage>
#include <QPainter>
#include <cmath>

namespace {

uint32_t toPixel(COLORREF c)
{
    return (uint32_t(GetRValue(c)) << 16) | (uint32_t(GetGValue(c)) << 8) | uint32_t(GetBValue(c));
}

int channel(float value)
{
    // Truncated toward zero and held within a byte.
    if (!(value > 0.0f))
        return 0;
    if (value >= 255.0f)
        return 255;
    return int(value);
}

} // namespace

CSphereRenderer::Vector CSphereRenderer::LightVector(float tilt, float azimuth)
{
    const float a = tilt * 3.14159f / 180.0f;
    const float b = azimuth * 3.14159f / 180.0f;
    return {std::sin(a) * std::cos(b), std::sin(a) * std::sin(b), -std::cos(a)};
}

std::vector<uint32_t> CSphereRenderer::ShadeSphere(int R, int r, COLORREF light, Vector L, float strength,
                                                   int shininess, float specular, float diffuse, float ambient,
                                                   COLORREF sphere, COLORREF background)
{
    if (R < 0)
        return {};
    const float sr = GetRValue(sphere), sg = GetGValue(sphere), sb = GetBValue(sphere);
    const float cr = GetRValue(light), cg = GetGValue(light), cb = GetBValue(light);
    const float exponent = float(2 * shininess - 1);
    auto shade = [&](float nx, float ny, float nz) {
        const float q = -(L.x * nx + L.y * ny + L.z * nz);
        float k = ambient;
        float s = 0.0f;
        if (q > 0.0f) {
            k = ambient + strength * diffuse * q;
            const float v = L.z + 2.0f * q * nz;
            if (v > 0.0f)
                s = strength * specular * std::pow(v, exponent);
        }
        return (uint32_t(channel(sr * k + cr * s)) << 16) | (uint32_t(channel(sg * k + cg * s)) << 8)
               | uint32_t(channel(sb * k + cb * s));
    };
    const uint32_t flat = shade(0.0f, 0.0f, 1.0f);
    const uint32_t outside = 0xFF000000u | toPixel(background);
    const int D = 2 * R + 1;
    std::vector<uint32_t> square(size_t(D) * size_t(D));
    size_t n = 0;
    for (int i = -R; i <= R; ++i) {
        for (int j = -R; j <= R; ++j) {
            const float d = std::sqrt(float(i * i + j * j));
            if (d > float(R)) {
                square[n++] = outside;
            } else if (d <= float(r)) {
                square[n++] = flat;
            } else {
                const float t = (1.0f - float(r) / d) / float(R - r);
                const float nx = float(j) * t;
                const float ny = float(i) * t;
                // Rounding can take the sum a hair past 1 at the rim.
                const float nz = std::sqrt(std::max(0.0f, 1.0f - nx * nx - ny * ny));
                square[n++] = shade(nx, ny, nz);
            }
        }
    }
    return square;
}

std::vector<uint32_t> CSphereRenderer::ExpandToButton(int width, int height, const std::vector<uint32_t>& square,
                                                      int R)
{
    const int D = 2 * R + 1;
    if (R < 1 || width < 2 * R || height < 2 * R || square.size() < size_t(D) * size_t(D))
        return {};
    auto sourceRow = [&](int row) {
        if (row < R)
            return row;
        if (row >= height - R)
            return 2 * R - (height - 1 - row);
        return R + 1;
    };
    auto sourceColumn = [&](int col) {
        if (col < R)
            return col;
        if (col >= width - R)
            return R + 1 + (col - (width - R));
        return R + 1;
    };
    std::vector<uint32_t> out(size_t(width) * size_t(height));
    for (int row = 0; row < height; ++row) {
        const uint32_t* src = square.data() + size_t(sourceRow(row)) * size_t(D);
        uint32_t* dst = out.data() + size_t(row) * size_t(width);
        for (int col = 0; col < width; ++col)
            dst[col] = src[sourceColumn(col)];
    }
    return out;
}

int CSphereRenderer::SystemPaletteSize(const QPainter& painter)
{
    const QPaintDevice* device = painter.device();
    if (!device || device->depth() > 8)
        return 0;
    return 1 << device->depth();
}

QVector<QRgb> CSphereRenderer::BuildPalette(const QVector<QRgb>& systemEntries, const std::vector<uint32_t>& pixels)
{
    QVector<QRgb> entries = systemEntries.mid(0, 256);
    std::vector<uint32_t> distinct;
    QHash<uint32_t, bool> seen;
    for (uint32_t p : pixels) {
        const uint32_t c = p & 0xFFFFFF;
        if (!seen.contains(c)) {
            seen.insert(c, true);
            distinct.push_back(c);
        }
    }
    const int j = int(distinct.size());
    const int f = std::min(j, 256 - int(entries.size()));
    if (f > 0) {
        const int step = std::max(j / f, 1);
        int added = 0;
        for (int k = 0; k < j && added < f; ++k) {
            if (k % step == 0) {
                entries.push_back(qRgb(int((distinct[size_t(k)] >> 16) & 0xFF), int((distinct[size_t(k)] >> 8) & 0xFF),
                                       int(distinct[size_t(k)] & 0xFF)));
                ++added;
            }
        }
    }
    return entries;
}

void CSphereRenderer::PaintBits(QPainter& painter, int x, int y, int width, int height,
                                const std::vector<uint32_t>& pixels, QVector<QRgb>* palette)
{
    if (width <= 0 || height <= 0 || pixels.size() < size_t(width) * size_t(height))
        return;
    if (SystemPaletteSize(painter) > 0 && palette)
        *palette = BuildPalette({}, pixels);
    QImage image(width, height, QImage::Format_RGB32);
    for (int row = 0; row < height; ++row) {
        // The first row of the array is the bottom row on screen.
        const uint32_t* src = pixels.data() + size_t(height - 1 - row) * size_t(width);
        auto* dst = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int col = 0; col < width; ++col)
            dst[col] = 0xFF000000u | src[col];
    }
    painter.drawImage(x, y, image);
}

void CSphereRenderer::Render(QPainter& painter, int x, int y, int width, int height, int R, int r,
                             QVector<QRgb>* palette, COLORREF sphere, COLORREF light, float tilt, float azimuth,
                             float strength, int shininess, float specular, float diffuse, float ambient,
                             COLORREF background)
{
    if (width <= 0 || height <= 0)
        return;
    const std::vector<uint32_t> square =
        ShadeSphere(R, r, light, LightVector(tilt, azimuth), strength, shininess, specular, diffuse, ambient,
                    sphere, background);
    const std::vector<uint32_t> pixels = ExpandToButton(width, height, square, R);
    if (pixels.empty()) {
        painter.fillRect(x, y, width, height, toQColor(background));
        return;
    }
    PaintBits(painter, x, y, width, height, pixels, palette);
}
