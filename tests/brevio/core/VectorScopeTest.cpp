#include "brevio/core/VectorScope.h"

#include "brevio/core/stub/ScriptedDspControl.h"
#include "support/TestEnvironment.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {
QImage Render(QWidget& w)
{
    QImage image(w.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    w.render(&image);
    return image;
}
int CountColour(const QImage& image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == colour ? 1 : 0;
    return n;
}
} // namespace

TEST(VectorScope, LinesScaleWithTheHalfWidthAndYGrowsUpwards)
{
    std::array<int, 16> points{};
    points[0] = 1000;   // full scale right
    points[3] = 1000;   // full scale up
    points[4] = -500;
    points[5] = -500;
    const auto lines = CVectorScope::VectorLines(100, 100, points);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], QLine(50, 50, 100, 50));
    EXPECT_EQ(lines[1], QLine(50, 50, 50, 0));
    EXPECT_EQ(lines[2], QLine(50, 50, 25, 75));
    EXPECT_EQ(lines[7], QLine(50, 50, 50, 50));
    // A wide control scales y with its half width as well.
    EXPECT_EQ(CVectorScope::VectorLines(200, 100, points)[1], QLine(100, 50, 100, -50));
}

TEST(VectorScope, ReceivingAsksTheModemTransmittingShowsTheRedFace)
{
    testsupport::ScriptedDsp dsp(DSP_SCRIPTED);
    ASSERT_TRUE(dsp.IsLoaded());
    dsp.SetVectors(2, {700, 0, 0, 700, -700, 0, 0, -700, 500, 500, -500, -500, 500, -500, -500, 500});

    CVectorScope scope;
    scope.resize(60, 60);
    scope.SetVectors(2, false);
    EXPECT_EQ(dsp.VectorCalls(), 1);
    EXPECT_EQ(scope.GetPoints()[0], 700);
    QImage image = Render(scope);
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_GT(CountColour(image, qRgb(0, 192, 0)), 40);
    EXPECT_EQ(image.pixel(30 + 21, 30), qRgb(0, 192, 0));  // the first point, 0.7 of the half width right

    scope.SetVectors(2, true);
    EXPECT_EQ(dsp.VectorCalls(), 1);  // not asked while transmitting
    EXPECT_TRUE(scope.IsTransmitting());
    image = Render(scope);
    EXPECT_EQ(CountColour(image, qRgb(200, 0, 0)), 60 * 60);

    // The back buffer follows a resize.
    scope.SetVectors(2, false);
    scope.resize(90, 90);
    image = Render(scope);
    EXPECT_EQ(image.pixel(89, 89), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(45 + 31, 45), qRgb(0, 192, 0));
}
