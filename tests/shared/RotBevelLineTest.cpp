#include "shared/ui/Rot90DC.h"
#include "shared/ui/RotBevelLine.h"
#include "shared/WinDraw.h"
#include "shared/ui/ColourMix.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {
// A fixed measure so the layout arithmetic is checked exactly: 6 pixels a
// character, 14 high.
QSize Measure(const QString& t) { return QSize(int(t.size()) * 6, 14); }
COLORREF Pixel(const QImage& image, int x, int y) { return fromQColor(QColor(image.pixel(x, y))); }
} // namespace

TEST(Rot90DC, AngleIndexAndRotation)
{
    struct Case {
        int angle, index;
    };
    for (const Case& c : {Case{0, 0}, Case{90, 1}, Case{180, 2}, Case{270, 3}, Case{-90, 3}, Case{450, 1},
                          Case{45, 0}, Case{-45, 0}, Case{360, 0}})
        EXPECT_EQ(cdxCRot90DC::AngleIndex(c.angle), c.index) << c.angle;
    EXPECT_EQ(cdxCRot90DC::InverseIndex(0), 0);
    EXPECT_EQ(cdxCRot90DC::InverseIndex(1), 3);
    EXPECT_EQ(cdxCRot90DC::RotatePoint(QPoint(3, 5), 1), QPoint(-5, 3));
    EXPECT_EQ(cdxCRot90DC::RotatePoint(QPoint(3, 5), 2), QPoint(-3, -5));
    EXPECT_EQ(cdxCRot90DC::RotatePoint(QPoint(3, 5), 3), QPoint(5, -3));
    // (10,20)-(30,25) exclusive turned by 90: x from -25 to -20, y from 10 to 30.
    EXPECT_EQ(cdxCRot90DC::RotateRect(QRect(10, 20, 20, 5), 1), QRect(-25, 10, 5, 20));
    for (int k = 0; k < 4; ++k) {
        const QRect r(7, -3, 11, 4);
        EXPECT_EQ(cdxCRot90DC::RotateRect(cdxCRot90DC::RotateRect(r, k), cdxCRot90DC::InverseIndex(k)), r) << k;
    }
}

TEST(Rot90DC, TurnsWhatIsDrawnUpright)
{
    QImage target(40, 40, QImage::Format_RGB32);
    target.fill(Qt::white);
    {
        QPainter p(&target);
        // Upright: a red stripe along the top of the rotated rectangle, i.e.
        // the start of the text line. Turned by 90 it becomes the left edge
        // reading upward.
        cdxCRot90DC rot(&p, QRect(10, 5, 8, 30), 90);
        ASSERT_TRUE(rot.IsCreated());
        const QRect r = rot.GetRotatedRect();
        EXPECT_EQ(r.size(), QSize(30, 8));
        rot.GetPainter()->fillRect(QRect(r.left(), r.top(), 5, r.height()), Qt::red);
    }
    // The first 5 columns of the upright picture land at the bottom of the target rectangle.
    EXPECT_EQ(target.pixelColor(12, 33), QColor(Qt::red));
    EXPECT_EQ(target.pixelColor(12, 30), QColor(Qt::red));
    EXPECT_EQ(target.pixelColor(12, 29), QColor(Qt::white));
    EXPECT_EQ(target.pixelColor(12, 36), QColor(Qt::white));

    QImage small(10, 10, QImage::Format_RGB32);
    QPainter p(&small);
    cdxCRot90DC outside(&p, QRect(50, 50, 5, 5), 90);
    EXPECT_FALSE(outside.IsCreated());
    EXPECT_TRUE(outside.GetRotatedRect().isEmpty());
    EXPECT_FALSE(outside.CopyToTarget());
}

TEST(RotBevelLine, Layout)
{
    using L = cdxCRotBevelLine;
    // 100 x 20, left-aligned: groove y 10..12, caption plus two blanks at the left edge.
    L::Layout h = L::ComputeLayout(QRect(0, 0, 100, 20), "Title", L::AlignLeftText, Measure);
    EXPECT_EQ(h.line, QRect(0, 10, 100, 2));
    EXPECT_EQ(h.caption, QStringLiteral("Title  "));
    EXPECT_EQ(h.nAngle, 0);
    EXPECT_EQ(h.text, QRect(0, 10 - 7 - 2, 42, 15));

    L::Layout c = L::ComputeLayout(QRect(0, 0, 100, 20), "Title", L::AlignCentreText, Measure);
    EXPECT_EQ(c.caption, QStringLiteral("  Title  "));
    EXPECT_EQ(c.text, QRect((100 - 54) / 2, 1, 54, 15));

    L::Layout r = L::ComputeLayout(QRect(0, 0, 100, 20), "Title", L::AlignRightText, Measure);
    EXPECT_EQ(r.caption, QStringLiteral("  Title"));
    EXPECT_EQ(r.text, QRect(100 - 42 - 1, 1, 43, 15));

    // 20 x 100 vertical: 90 degrees, a left-aligned caption at the bottom end.
    L::Layout v = L::ComputeLayout(QRect(0, 0, 20, 100), "Band", L::AlignLeftText, Measure);
    EXPECT_EQ(v.line, QRect(10, 0, 2, 100));
    EXPECT_EQ(v.nAngle, 90);
    EXPECT_EQ(v.text, QRect(10 - 7 - 1, 100 - 36, 14, 37));
    // "~" turns it the other way (top to bottom) and starts it at the top.
    L::Layout t = L::ComputeLayout(QRect(0, 0, 20, 100), "~Band", L::AlignLeftText, Measure);
    EXPECT_EQ(t.nAngle, 270);
    EXPECT_EQ(t.caption, QStringLiteral("Band  "));
    EXPECT_EQ(t.text, QRect(10 - 7 + 1, 0, 14, 37));
    // A square control is vertical.
    EXPECT_EQ(L::ComputeLayout(QRect(0, 0, 30, 30), "Sq", L::AlignCentreText, Measure).nAngle, 90);
    // No text, no caption rectangle.
    EXPECT_TRUE(L::ComputeLayout(QRect(0, 0, 100, 20), "", L::AlignLeftText, Measure).text.isEmpty());
}

TEST(RotBevelLine, PaintsGrooveAndEmbossesWhenDisabled)
{
    cdxCRotBevelLine line;
    line.resize(200, 20);
    QImage image(line.size(), QImage::Format_RGB32);
    line.render(&image);
    // Sunken: shadow above, highlight below, well right of the caption.
    EXPECT_EQ(Pixel(image, 150, 10), winapi::GetSysColor(winapi::COLOR_BTNSHADOW));
    EXPECT_EQ(Pixel(image, 150, 11), winapi::GetSysColor(winapi::COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(Pixel(image, 150, 9), winapi::GetSysColor(winapi::COLOR_BTNFACE));
    line.SetSunken(false);
    line.render(&image);
    EXPECT_EQ(Pixel(image, 150, 10), winapi::GetSysColor(winapi::COLOR_BTNHIGHLIGHT));

    line.setText("Caption");
    auto countColour = [&](COLORREF colour) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < 80; ++x)
                n += Pixel(image, x, y) == colour ? 1 : 0;
        return n;
    };
    line.render(&image);
    EXPECT_GT(countColour(winapi::GetSysColor(winapi::COLOR_BTNTEXT)), 0);
    line.setEnabled(false);
    line.render(&image);
    EXPECT_EQ(countColour(winapi::GetSysColor(winapi::COLOR_BTNTEXT)), 0);
    EXPECT_GT(countColour(winapi::GetSysColor(winapi::COLOR_BTNSHADOW)), 0);
}
