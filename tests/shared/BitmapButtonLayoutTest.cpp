#include "shared/buttons/BitmapButtonLayout.h"
#include "shared/buttons/ButtonStyles.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

// Made-up font: every character 6 pixels wide, lines 13 pixels high,
// greedy word wrapping.
QSize fakeMeasure(const QString& text, int wrapWidth)
{
    if (wrapWidth < 0)
        return {6 * int(text.size()), 13};
    int lines = 1, line = 0, widest = 0;
    for (const QString& word : text.split(QLatin1Char(' '))) {
        const int w = 6 * int(word.size());
        if (line > 0 && line + 6 + w > wrapWidth) {
            ++lines;
            line = w;
        } else {
            line += (line > 0 ? 6 : 0) + w;
        }
        widest = std::max(widest, line);
    }
    return {widest, 13 * lines};
}

BitmapButtonLayout layout(uint32_t style, QSize image, const char* text, QSize arrow = {0, 0})
{
    BitmapButtonLayout l;
    l.style = style;
    l.imageSize = image;
    l.text = QString::fromLatin1(text);
    l.arrowSize = arrow;
    l.measure = fakeMeasure;
    return l;
}

TEST(BitmapButtonLayout, FitSizes)
{
    struct Case {
        const char* name;
        uint32_t style;
        QSize image;
        const char* text;
        QSize arrow;
        QSize fit;
    } cases[] = {
        {"empty side by side", BS_VCENTER, {0, 0}, "", {0, 0}, {14, 12}},
        {"empty stacked", BS_TOP, {0, 0}, "", {0, 0}, {14, 12}},
        {"empty drop-down", BS_VCENTER, {0, 0}, "", {14, 0}, {28, 12}},
        {"image and text side by side", BS_VCENTER, {16, 16}, "Save", {0, 0}, {57, 25}},
        {"image and text stacked", BS_TOP, {16, 16}, "Save", {0, 0}, {38, 41}},
        {"text only side by side", 0, {0, 0}, "Save", {0, 0}, {38, 25}},
        {"text only stacked", BS_BOTTOM, {0, 0}, "Save", {0, 0}, {38, 25}},
        {"image only", 0, {16, 16}, "", {0, 0}, {26, 22}},
        {"image only stacked with arrow", BS_TOP, {16, 16}, "", {14, 0}, {40, 22}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(layout(c.style, c.image, c.text, c.arrow).FitSize(), c.fit) << c.name;
}

TEST(BitmapButtonLayout, ImageAndTextPlaces)
{
    struct Case {
        const char* name;
        uint32_t style;
        QSize button;
        BitmapButtonLayout::State state;
        QRect image, text;
    } cases[] = {
        {"image first, text behind it", BS_CENTER | BS_VCENTER, {80, 30}, {}, {5, 7, 16, 16}, {26, 8, 47, 13}},
        {"left: text first, image behind it", BS_LEFT | BS_VCENTER, {80, 30}, {}, {59, 7, 16, 16},
         {7, 8, 47, 13}},
        {"bottom: image down, text stays up", BS_BOTTOM, {60, 60}, {}, {22, 41, 16, 16}, {18, 6, 24, 32}},
        {"top: image above, text below", BS_TOP, {60, 60}, {}, {22, 3, 16, 16}, {18, 22, 24, 32}},
        {"right stacked", BS_RIGHT | BS_TOP, {60, 60}, {}, {39, 3, 16, 16}, {29, 22, 24, 32}},
        {"pushed", BS_VCENTER, {80, 30}, {true, false, false, false, false}, {7, 9, 16, 16}, {28, 10, 47, 13}},
        {"toggled on", BS_VCENTER, {80, 30}, {false, true, false, false, false}, {6, 8, 16, 16}, {27, 9, 47, 13}},
        {"transparent under the mouse lifts", BS_VCENTER, {80, 30}, {false, false, false, true, true},
         {4, 6, 16, 16}, {25, 7, 47, 13}},
        {"disabled does not lift", BS_VCENTER, {80, 30}, {false, false, true, true, true}, {5, 7, 16, 16},
         {26, 8, 47, 13}},
    };
    for (const Case& c : cases) {
        const BitmapButtonLayout l = layout(c.style, {16, 16}, "Save");
        QRect face, image, text;
        l.CalcLayout(c.state, QRect(QPoint(0, 0), c.button), c.button, &face, &image, &text);
        EXPECT_EQ(face, QRect(QPoint(0, 0), c.button)) << c.name;
        EXPECT_EQ(image, c.image) << c.name;
        EXPECT_EQ(text, c.text) << c.name;
    }
}

TEST(BitmapButtonLayout, TooSmallButtonsShrinkTheImageAndDropTheText)
{
    const BitmapButtonLayout l = layout(BS_VCENTER, {16, 16}, "Save");
    QRect image, text;
    l.CalcLayout({}, QRect(0, 0, 20, 10), {20, 10}, nullptr, &image, &text);
    EXPECT_TRUE(text.isEmpty());
    EXPECT_EQ(image, QRect(5, 3, 10, 4));
    l.CalcLayout({}, QRect(0, 0, 8, 5), {8, 5}, nullptr, &image, &text);
    EXPECT_TRUE(image.isEmpty());
}

TEST(BitmapButtonLayout, LongMultilineTextIsWrappedToAPleasingShape)
{
    const BitmapButtonLayout l =
        layout(BS_MULTILINE, {0, 0}, "one two three four five six seven eight nine ten eleven twelve");
    const QSize t = l.FitTextSize();
    EXPECT_GT(t.height(), 13);
    EXPECT_LT(double(t.width()) / t.height(), 2.6);
    EXPECT_LT(double(t.height()) / t.width(), 1.0);
    // One word cannot be wrapped: the rounds stop when nothing changes.
    EXPECT_EQ(layout(BS_MULTILINE, {0, 0}, "Frequency").FitTextSize(), QSize(54, 13));
}

} // namespace
