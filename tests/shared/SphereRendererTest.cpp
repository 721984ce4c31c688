#include "shared/buttons/SphereRenderer.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

const COLORREF kSphere = RGB(100, 150, 200);
const COLORREF kLight = RGB(255, 255, 255);
const COLORREF kBackground = RGB(10, 20, 30);

std::vector<uint32_t> shade(int R, int r, float specular = 0.6f, float azimuth = -45.0f)
{
    return CSphereRenderer::ShadeSphere(R, r, kLight, CSphereRenderer::LightVector(60.0f, azimuth), 1.3f, 15,
                                        specular, 0.5f, 0.9f, kSphere, kBackground);
}

uint32_t at(const std::vector<uint32_t>& square, int R, int i, int j)
{
    return square[size_t(i + R) * size_t(2 * R + 1) + size_t(j + R)];
}

TEST(SphereRenderer, PixelValues)
{
    const int R = 8;
    const auto square = shade(R, 3);
    ASSERT_EQ(square.size(), 17u * 17u);
    struct Case {
        const char* name;
        int i, j;
        uint32_t pixel;
    } cases[] = {
        // The flat top faces the viewer: ambient plus half the diffuse light.
        {"flat top", 0, 0, 0x007AB7F5},
        {"flat edge", 2, 2, 0x007AB7F5},
        // The rim on the lit left: the diffuse term alone, blue held at 255.
        {"left rim", 0, -8, 0x0081C2FF},
        // The rim turned away from the light: ambient only.
        {"right rim", 0, 8, 0x005A87B4},
        {"corner outside", -8, -8, 0xFF0A141E},
        {"just outside", 6, 6, 0xFF0A141E},
    };
    for (const Case& c : cases)
        EXPECT_EQ(at(square, R, c.i, c.j), c.pixel) << c.name;
}

TEST(SphereRenderer, LightFromTheTopLeftAndItsHighlight)
{
    const int R = 8;
    const auto lit = shade(R, 3);
    // Positive i is up: the upper left of the bevel is brighter than the lower right.
    EXPECT_GT(lit[size_t(3 + R) * 17 + size_t(-5 + R)] & 0xFF, lit[size_t(-3 + R) * 17 + size_t(5 + R)] & 0xFF);
    // Somewhere on the bevel the light colour shows as a highlight; without
    // the specular term it does not.
    const auto dull = shade(R, 3, 0.0f);
    int brighter = 0;
    for (size_t k = 0; k < lit.size(); ++k)
        brighter += ((lit[k] >> 16) & 0xFF) > ((dull[k] >> 16) & 0xFF) ? 1 : 0;
    EXPECT_GT(brighter, 0);
}

TEST(SphereRenderer, NoBevelWhenTheRadiiAreEqual)
{
    const int R = 5;
    const auto square = shade(R, R);
    const uint32_t flat = at(square, R, 0, 0);
    for (int i = -R; i <= R; ++i)
        for (int j = -R; j <= R; ++j)
            EXPECT_EQ(at(square, R, i, j), i * i + j * j <= R * R ? flat : 0xFF0A141Eu) << i << "," << j;
}

TEST(SphereRenderer, ExpansionCopiesCornersSidesAndCentre)
{
    const int R = 2, D = 5;
    std::vector<uint32_t> square(D * D);
    for (int k = 0; k < D * D; ++k)
        square[size_t(k)] = uint32_t(k);
    const auto out = CSphereRenderer::ExpandToButton(6, 5, square, R);
    ASSERT_EQ(out.size(), 30u);
    auto px = [&](int row, int col) { return out[size_t(row * 6 + col)]; };
    EXPECT_EQ(px(0, 0), 0u);
    EXPECT_EQ(px(0, 5), 4u);
    EXPECT_EQ(px(0, 2), 3u);   // top band: square row 0, column R + 1
    EXPECT_EQ(px(2, 0), 15u);  // side band: square row R + 1
    EXPECT_EQ(px(2, 2), 18u);  // centre
    EXPECT_EQ(px(4, 0), 20u);
    EXPECT_EQ(px(4, 5), 24u);
    EXPECT_EQ(px(3, 4), 18u);  // square row 3, column 3
    // The square's centre row and column appear nowhere.
    for (uint32_t v : out)
        EXPECT_TRUE(v / D != 2 && v % D != 2) << v;
}

TEST(SphereRenderer, TinyFacesAreRefusedNotOverrun)
{
    const auto square = shade(1, 0);
    EXPECT_TRUE(CSphereRenderer::ExpandToButton(1, 1, square, 1).empty());
    EXPECT_TRUE(CSphereRenderer::ExpandToButton(5, 5, shade(0, 0), 0).empty());
    EXPECT_EQ(CSphereRenderer::ExpandToButton(2, 2, square, 1).size(), 4u);

    QImage target(4, 4, QImage::Format_RGB32);
    target.fill(Qt::white);
    QPainter p(&target);
    CSphereRenderer renderer;
    renderer.Render(p, 0, 0, 1, 1, 0, 0, nullptr, kSphere, kLight, 60, -45, 1.3f, 15, 0.6f, 0.5f, 0.9f, kBackground);
    renderer.Render(p, 1, 1, 0, 3, 1, 0, nullptr, kSphere, kLight, 60, -45, 1.3f, 15, 0.6f, 0.5f, 0.9f, kBackground);
    p.end();
    EXPECT_EQ(target.pixel(0, 0), qRgb(10, 20, 30));
    EXPECT_EQ(target.pixel(2, 2), qRgb(255, 255, 255));
}

TEST(SphereRenderer, PaintsBottomRowFirst)
{
    const int R = 3;
    const auto square = shade(R, 1);
    const auto pixels = CSphereRenderer::ExpandToButton(20, 10, square, R);
    QImage target(20, 10, QImage::Format_RGB32);
    QPainter p(&target);
    CSphereRenderer().PaintBits(p, 0, 0, 20, 10, pixels, nullptr);
    p.end();
    EXPECT_EQ(target.pixel(0, 9) & 0xFFFFFF, pixels[0] & 0xFFFFFF);
    EXPECT_EQ(target.pixel(10, 0) & 0xFFFFFF, pixels[size_t(9 * 20 + 10)] & 0xFFFFFF);
}

TEST(SphereRenderer, PaletteTakesEveryStepthColourWithinTheFreeEntries)
{
    std::vector<uint32_t> pixels;
    for (uint32_t k = 0; k < 12; ++k)
        pixels.push_back(0xFF000000u | k);
    pixels.push_back(3); // seen before
    QVector<QRgb> system(250, qRgb(1, 1, 1));
    const QVector<QRgb> palette = CSphereRenderer::BuildPalette(system, pixels);
    ASSERT_EQ(palette.size(), 256);
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(palette[250 + k], qRgb(0, 0, 2 * k)) << k;

    EXPECT_EQ(CSphereRenderer::BuildPalette(QVector<QRgb>(236), {1, 2, 3}).size(), 239);
    EXPECT_EQ(CSphereRenderer::BuildPalette(QVector<QRgb>(256), {1, 2, 3}).size(), 256);

    // True-colour painting builds no palette.
    QImage target(4, 4, QImage::Format_RGB32);
    QPainter p(&target);
    EXPECT_EQ(CSphereRenderer::SystemPaletteSize(p), 0);
}

} // namespace
