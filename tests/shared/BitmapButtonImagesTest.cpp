#include "shared/artwork/Artwork.h"
#include "shared/buttons/ButtonImages.h"
#include "shared/buttons/OXBitmapButton.h"

#include <QEnterEvent>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// An 8-bit picture whose pixel x shows colour-table entry x.
QImage paletteImage(const QVector<QRgb>& table)
{
    QImage image(int(table.size()), 4, QImage::Format_Indexed8);
    image.setColorTable(table);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, uint(x));
    return image;
}

struct Added {
    QString kind, name;
    Added(const char* k, const char* n, const QImage& image) : kind(QString::fromLatin1(k)), name(QString::fromLatin1(n))
    {
        artwork::addImage(kind, name, image);
    }
    ~Added() { artwork::addImage(kind, name, QImage()); }
};

const QVector<QRgb> kTable = {qRgb(255, 0, 0),   qRgb(0, 0, 255),     qRgb(255, 255, 0),
                              qRgb(0, 128, 0),   qRgb(200, 200, 200), qRgb(0, 0, 0)};

TEST(BitmapButtonImages, GrayLevelsByLuminanceKeepTheMaskEntry)
{
    QImage image = paletteImage(kTable);
    ASSERT_TRUE(ButtonImages::GrayPalette(image, RGB(255, 0, 0)));
    const QVector<QRgb> expected = {qRgb(255, 0, 0), qRgb(0, 0, 0),       qRgb(255, 255, 255),
                                    qRgb(128, 128, 128), qRgb(192, 192, 192), qRgb(0, 0, 0)};
    EXPECT_EQ(image.colorTable(), expected);

    QImage unmasked = paletteImage(kTable);
    ASSERT_TRUE(ButtonImages::GrayPalette(unmasked, CLR_NOMASK));
    EXPECT_EQ(unmasked.colorTable().at(0), qRgb(128, 128, 128)); // red converts too

    QImage rgb(4, 4, QImage::Format_RGB32);
    EXPECT_FALSE(ButtonImages::GrayPalette(rgb, CLR_NOMASK));
}

TEST(BitmapButtonImages, EightBitImageWithRedMask)
{
    Added picture("bitmaps", "9100", paletteImage(kTable));
    COXBitmapButton b;
    ASSERT_TRUE(b.LoadBitmapResource(9100, false, RGB(255, 0, 0)));
    ASSERT_EQ(b.GetImageCount(), 3);
    EXPECT_EQ(b.GetPalette(), kTable);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(qAlpha(b.GetImage(i).pixel(0, 0)), 0) << "image " << i; // red is see-through
        EXPECT_EQ(qAlpha(b.GetImage(i).pixel(1, 0)), 255) << "image " << i;
        EXPECT_EQ(b.GetImage(i).size(), QSize(6, 4));
    }
    EXPECT_EQ(b.GetImage(1).pixel(3, 0), qRgb(128, 128, 128));
    EXPECT_EQ(b.GetImage(0).pixel(3, 0), qRgb(0, 128, 0));
}

TEST(BitmapButtonImages, NoMaskKeepsEveryPixel)
{
    Added picture("bitmaps", "9101", paletteImage(kTable));
    COXBitmapButton b;
    ASSERT_TRUE(b.LoadBitmapResource(9101));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(qAlpha(b.GetImage(i).pixel(0, 0)), 255) << "image " << i;
    EXPECT_EQ(b.GetImage(1).pixel(0, 0), qRgb(128, 128, 128));
}

TEST(BitmapButtonImages, TrueColourImageHasNoPaletteAndNoGrayImage)
{
    QImage rgb(8, 8, QImage::Format_RGB32);
    rgb.fill(qRgb(10, 20, 30));
    Added picture("bitmaps", "9102", rgb);
    COXBitmapButton b;
    ASSERT_TRUE(b.LoadBitmapResource(9102, false, RGB(255, 0, 0)));
    EXPECT_EQ(b.GetImageCount(), 2);
    EXPECT_TRUE(b.GetPalette().isEmpty());
    EXPECT_EQ(b.GetImage(0).pixel(0, 0), qRgb(10, 20, 30));
    EXPECT_NE(b.GetImage(1).pixel(4, 4), qRgb(10, 20, 30)); // the embossed one
    EXPECT_FALSE(b.LoadDisabledBitmap(QStringLiteral("9102"))); // there is no image 2
    EXPECT_TRUE(b.LoadInactiveBitmap(QStringLiteral("9102")));
}

TEST(BitmapButtonImages, FailuresLeaveNoImages)
{
    COXBitmapButton b;
    EXPECT_FALSE(b.LoadDisabledBitmap(QStringLiteral("218")));
    EXPECT_EQ(b.GetImageCount(), 0);
    ASSERT_TRUE(b.LoadBitmapResource(218, false, RGB(255, 0, 0)));
    EXPECT_EQ(b.GetImageCount(), 3);
    EXPECT_FALSE(b.LoadBitmapResource(4242));
    EXPECT_EQ(b.GetImageCount(), 0);
    EXPECT_TRUE(b.RemoveImage());
}

TEST(BitmapButtonImages, IconsTakeTheSystemIconSizeWhenNoneIsGiven)
{
    QImage icon(48, 48, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    Added picture("icons", "9103", icon);
    COXBitmapButton b;
    const int system = b.style()->pixelMetric(QStyle::PM_LargeIconSize, nullptr, &b);
    ASSERT_TRUE(b.LoadIcon(QStringLiteral("9103")));
    EXPECT_EQ(b.GetImage(0).size(), QSize(system, system));
    ASSERT_TRUE(b.LoadIcon(QStringLiteral("9103"), false, 16, 0));
    EXPECT_EQ(b.GetImage(0).size(), QSize(16, system));
    EXPECT_FALSE(b.LoadIcon(QStringLiteral("9999")));
}

TEST(BitmapButtonImages, AnimationReplacesTheImagesAndPlaysOnEntering)
{
    QImage strip(40, 10, QImage::Format_RGB32); // four frames of 10 x 10
    strip.fill(Qt::darkGreen);
    Added clip("clips", "9104", strip);
    QWidget window;
    auto* b = new COXBitmapButton(&window);
    b->setGeometry(0, 0, 60, 40);
    window.show();
    ASSERT_TRUE(b->LoadBitmapResource(218));
    ASSERT_TRUE(b->LoadAnimation(9104));
    EXPECT_EQ(b->GetImageCount(), 0);
    ASSERT_NE(b->GetAnimationWindow(), nullptr);
    EXPECT_EQ(b->GetAnimationWindow()->size(), QSize(10, 10));
    b->SetWindowText(QString());
    EXPECT_EQ(b->GetFitSize(), QSize(12 + 10, 12 + 6));

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(b, &enter);
    EXPECT_TRUE(b->IsMouseOver());
    EXPECT_TRUE(b->IsAnimationPlaying());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(b, &leave);
    EXPECT_FALSE(b->IsAnimationPlaying());

    EXPECT_FALSE(b->LoadAnimation(9999));
    EXPECT_EQ(b->GetAnimationWindow(), nullptr);
    ASSERT_TRUE(b->LoadAnimation(9104));
    ASSERT_TRUE(b->LoadBitmapResource(218));
    EXPECT_EQ(b->GetAnimationWindow(), nullptr); // an image ends the animation
}

} // namespace
