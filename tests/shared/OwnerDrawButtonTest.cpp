#include "shared/artwork/Artwork.h"
#include "shared/buttons/ResourceBitmapButton.h"
#include "shared/ui/BaseDialog.h"

#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class ClickCounting : public CResourceBitmapButton {
public:
    using CResourceBitmapButton::CResourceBitmapButton;
    void OnClicked() override { ++clicks; }
    int clicks = 0;
};

struct Picture {
    QString name;
    Picture(const char* n, const QImage& image) : name(QString::fromLatin1(n))
    {
        artwork::addImage(QStringLiteral("bitmaps"), name, image);
    }
    ~Picture() { artwork::addImage(QStringLiteral("bitmaps"), name, QImage()); }
};

QImage filled(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

TEST(ResourceBitmapButton, LayoutByAlignment)
{
    Picture picture("9400", filled({16, 16}, Qt::blue));
    struct Case {
        int alignment;
        QRect bitmap, text;
    } cases[] = {
        {0, {5, 5, 16, 16}, {22, 0, 75, 27}},
        {1, {76, 5, 16, 16}, {0, 0, 75, 27}},
        {2, {40, 5, 16, 16}, {0, 22, 97, 5}},
        {3, {40, 6, 16, 16}, {0, 0, 97, 5}},
        {4, {40, 5, 16, 16}, {}},
    };
    for (const Case& c : cases) {
        CResourceBitmapButton b;
        b.resize(100, 30);
        b.SetBitmap(9400, RGB(255, 0, 0), c.alignment);
        EXPECT_EQ(b.GetBitmapRect(), c.bitmap) << c.alignment;
        EXPECT_EQ(b.GetTextRect(), c.text) << c.alignment;
    }
}

TEST(ResourceBitmapButton, ClassicColoursFollowTheSystemColours)
{
    QImage classic(4, 1, QImage::Format_RGB32);
    classic.setPixel(0, 0, qRgb(0, 0, 0));
    classic.setPixel(1, 0, qRgb(128, 128, 128));
    classic.setPixel(2, 0, qRgb(192, 192, 192));
    classic.setPixel(3, 0, qRgb(255, 255, 255));
    Picture picture("9401", classic);
    CResourceBitmapButton b;
    b.SetBitmap(9401, CLR_NOMASK, 4);
    const QImage& mapped = b.GetBitmap();
    EXPECT_EQ(QColor(mapped.pixel(0, 0)), QApplication::palette().color(QPalette::ButtonText));
    EXPECT_EQ(fromQColor(QColor(mapped.pixel(1, 0))), b.GetShadowColour());
    EXPECT_EQ(fromQColor(QColor(mapped.pixel(2, 0))), b.GetFaceColour());
    EXPECT_EQ(fromQColor(QColor(mapped.pixel(3, 0))), b.GetHighlightColour());

    // With a mask colour only that colour changes, to the face.
    b.SetBitmap(9401, RGB(128, 128, 128), 4);
    EXPECT_EQ(fromQColor(QColor(b.GetBitmap().pixel(1, 0))), b.GetFaceColour());
    EXPECT_EQ(QColor(b.GetBitmap().pixel(0, 0)), QColor(0, 0, 0));
}

TEST(ResourceBitmapButton, FramesReleasedAndPushed)
{
    CResourceBitmapButton b;
    b.resize(40, 20);
    auto render = [&](unsigned state) {
        QImage image(40, 20, QImage::Format_RGB32);
        QPainter p(&image);
        DrawItemInfo info;
        info.itemState = state;
        info.rcItem = QRect(0, 0, 40, 20);
        b.DrawItem(p, info);
        return image;
    };
    auto colour = [](const QImage& image, int x, int y) { return fromQColor(QColor(image.pixel(x, y))); };
    const QImage up = render(0);
    EXPECT_EQ(colour(up, 0, 0), b.GetHighlightColour());
    EXPECT_EQ(colour(up, 39, 19), b.GetFrameColour());
    EXPECT_EQ(colour(up, 1, 1), b.GetFaceColour());
    EXPECT_EQ(colour(up, 38, 18), b.GetShadowColour());
    const QImage down = render(ODS_SELECTED);
    EXPECT_EQ(colour(down, 0, 0), b.GetFrameColour());
    EXPECT_EQ(colour(down, 39, 19), b.GetHighlightColour());
    EXPECT_EQ(colour(down, 1, 1), b.GetShadowColour());
}

TEST(ResourceBitmapButton, DisabledContentIsEngraved)
{
    Picture picture("9402", filled({6, 6}, QColor(0, 0, 160)));
    CResourceBitmapButton b;
    b.resize(30, 30);
    b.SetBitmap(9402, RGB(255, 0, 0), 4);
    QImage image(30, 30, QImage::Format_RGB32);
    {
        QPainter p(&image);
        DrawItemInfo info;
        info.itemState = ODS_DISABLED;
        info.rcItem = QRect(0, 0, 30, 30);
        b.DrawItem(p, info);
    }
    const QRect bitmap = b.GetBitmapRect();
    ASSERT_FALSE(bitmap.isEmpty());
    // The bitmap's own colour is gone: shadow where it was, highlight
    // peeking out one pixel down-right.
    EXPECT_EQ(fromQColor(QColor(image.pixel(bitmap.center()))), b.GetShadowColour());
    EXPECT_EQ(fromQColor(QColor(image.pixel(bitmap.right() + 1, bitmap.bottom() + 1))), b.GetHighlightColour());
}

TEST(ResourceBitmapButton, TallBitmapIsShrunkToTheButtonKeepingItsShape)
{
    Picture picture("9403", filled({40, 40}, QColor(0, 0, 200)));
    CResourceBitmapButton b;
    b.resize(100, 20);
    b.SetBitmap(9403, RGB(255, 0, 0), 0);
    const QImage shot = b.grab().toImage();
    // Content is (1, 1) to 17 high: a 17 x 17 square at (1, 1).
    EXPECT_EQ(QColor(shot.pixel(9, 9)), QColor(0, 0, 200));
    EXPECT_EQ(QColor(shot.pixel(17, 9)), QColor(0, 0, 200));
    EXPECT_NE(QColor(shot.pixel(19, 9)), QColor(0, 0, 200));
}

TEST(ResourceBitmapButton, ClickHookCreateAndStyle)
{
    QWidget window;
    auto* b = new ClickCounting;
    ASSERT_TRUE(b->Create(QStringLiteral("&Scan"), BS_MULTILINE, QRect(5, 5, 80, 26), &window, 1126));
    EXPECT_EQ(GetDlgCtrlID(b), 1126u);
    EXPECT_EQ(b->GetStyle(), BS_MULTILINE | BS_OWNERDRAW);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_EQ(b->clicks, 1);
    b->setFocus();
    QTest::keyClick(b, Qt::Key_Space);
    EXPECT_EQ(b->clicks, 2);
    b->SetToolTipText(QStringLiteral("Start scanning"));
    EXPECT_EQ(b->toolTip(), QStringLiteral("Start scanning"));
}

} // namespace
