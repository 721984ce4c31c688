#include "shared/artwork/Artwork.h"
#include "shared/buttons/AnimatedButton.h"
#include "shared/ui/BaseDialog.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

// An 8-bit strip of frames, each frame filled with its own colour-table
// entry, the top-left pixel of the first frame in the background entry 0.
QImage strip(int frames, int side)
{
    QImage image(frames * side, side, QImage::Format_Indexed8);
    QVector<QRgb> table = {qRgb(255, 0, 255)};
    for (int f = 0; f < frames; ++f)
        table.push_back(qRgb(20 * f, 100, 200 - 20 * f));
    image.setColorTable(table);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < frames * side; ++x)
            image.setPixel(x, y, uint(1 + x / side));
    image.setPixel(0, 0, 0);
    return image;
}

struct Pictures {
    Pictures()
    {
        artwork::addImage(QStringLiteral("bitmaps"), QStringLiteral("9300"), strip(1, 30));
        artwork::addImage(QStringLiteral("bitmaps"), QStringLiteral("9301"), strip(1, 10));
        QImage rgb(60, 30, QImage::Format_RGB32);
        rgb.fill(Qt::red);
        artwork::addImage(QStringLiteral("bitmaps"), QStringLiteral("9302"), rgb);
    }
    ~Pictures()
    {
        for (const char* id : {"9300", "9301", "9302"})
            artwork::addImage(QStringLiteral("bitmaps"), QString::fromLatin1(id), QImage());
    }
};

TEST(AnimatedButton, ProgramStripLoopsWithoutEnd)
{
    QWidget dialog;
    CAnimatedButton button;
    ASSERT_TRUE(button.Create(1201, &dialog, 263, 0, 20, 6, false, true));
    EXPECT_EQ(button.parentWidget(), &dialog);
    EXPECT_EQ(GetDlgCtrlID(&button), 1201u);
    EXPECT_EQ(button.GetFrameWidth(), 30);
    EXPECT_EQ(button.GetFrameHeight(), 30);
    EXPECT_EQ(button.GetTimerPeriod(), 50);
    EXPECT_TRUE(button.IsTimerRunning());
    EXPECT_TRUE(QTest::qWaitFor([&] { return button.GetCurrentFrame() == 5; }, 2000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return button.GetCurrentFrame() == 0; }, 2000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return button.GetCurrentFrame() == 1; }, 2000));
}

TEST(AnimatedButton, BackgroundTakesTheFaceColour)
{
    CAnimatedButton button;
    ASSERT_TRUE(button.Create(1201, nullptr, 263, 0, 20, 6, false, true));
    const QColor face = QApplication::palette().color(QPalette::Button);
    EXPECT_EQ(QColor(button.GetStrip()->GetBitmap().pixel(0, 0)), face);
    EXPECT_EQ(QColor(button.GetStrip()->GetBitmap().pixel(151, 29)), face);
    EXPECT_EQ(button.GetStrip()->GetPalette()->size(), 6);
}

TEST(AnimatedButton, OneFrameStartsNoTimer)
{
    Pictures pictures;
    CAnimatedButton button;
    ASSERT_TRUE(button.Create(1201, nullptr, 9300, 0, 20, 1));
    EXPECT_FALSE(button.IsTimerRunning());
    button.resize(40, 40);
    const QImage shot = button.grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(20, 20)), QColor(0, 100, 200));
}

TEST(AnimatedButton, DisablingStopsAndRewindsEnablingStartsAgain)
{
    Pictures pictures;
    CAnimatedButton button;
    ASSERT_TRUE(button.Create(1201, nullptr, 263, 9301, 20, 6));
    ASSERT_TRUE(QTest::qWaitFor([&] { return button.GetCurrentFrame() >= 2; }, 2000));
    button.setEnabled(false);
    EXPECT_FALSE(button.IsTimerRunning());
    EXPECT_EQ(button.GetCurrentFrame(), 0);
    button.resize(40, 40);
    const QImage shot = button.grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(20, 20)), QColor(0, 100, 200)); // the disabled strip
    button.setEnabled(true);
    EXPECT_TRUE(button.IsTimerRunning());
    EXPECT_TRUE(QTest::qWaitFor([&] { return button.GetCurrentFrame() == 1; }, 2000));
}

TEST(AnimatedButton, FrameCountFromTheDisabledStrip)
{
    Pictures pictures;
    CAnimatedButton button;
    ASSERT_TRUE(button.Create(1201, nullptr, 263, 9300, 20, 0));
    EXPECT_EQ(button.GetFrameCount(), 6);
}

TEST(AnimatedButton, RefusedSetUpsLeaveAPlainButtonThatPaints)
{
    Pictures pictures;
    struct Case {
        const char* name;
        int strip, disabled, fps, frames;
    } cases[] = {
        {"no frames and no disabled strip", 263, 0, 20, 0},
        {"no rate", 263, 0, 0, 6},
        {"negative rate", 263, 0, -5, 6},
        {"negative frames", 263, 0, 20, -1},
        {"missing strip", 4321, 0, 20, 6},
        {"missing disabled strip", 263, 4321, 20, 6},
        {"true-colour strip", 9302, 0, 20, 2},
    };
    for (const Case& c : cases) {
        CAnimatedButton button;
        EXPECT_FALSE(button.Create(1201, nullptr, c.strip, c.disabled, c.fps, c.frames)) << c.name;
        EXPECT_FALSE(button.IsTimerRunning()) << c.name;
        button.resize(30, 30);
        button.grab();
    }
}

TEST(AnimatedButton, StretchFillsTheButton)
{
    Pictures pictures;
    CAnimatedButton button;
    ASSERT_TRUE(button.Create(1201, nullptr, 9300, 0, 20, 1, true, false));
    button.resize(90, 60);
    const QImage shot = button.grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(85, 55)), QColor(0, 100, 200));
    EXPECT_EQ(QColor(shot.pixel(0, 0)), QColor(255, 0, 255)); // no background replacement
}

} // namespace
