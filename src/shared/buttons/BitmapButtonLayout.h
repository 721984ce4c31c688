#pragma once
// Where a bitmap button puts its image and text: the fit size and the layout
// of image and text rectangles from the style, the margins and the sizes.
// Plain arithmetic over a text-measuring function, so a test can drive it
// with made-up font metrics.
#include <QRect>
#include <QSize>
#include <QString>
#include <cstdint>
#include <functional>

class BitmapButtonLayout {
public:
    // Size of text laid out single-line (wrapWidth < 0) or word-wrapped at
    // wrapWidth pixels.
    using Measure = std::function<QSize(const QString& text, int wrapWidth)>;

    struct State {
        bool pushed = false;
        bool toggledOn = false;
        bool disabled = false;
        bool transparent = false;
        bool mouseOver = false;
    };

    uint32_t style = 0;              // BS_ alignment bits and BS_MULTILINE
    QSize imageMargin{5, 3};         // left/right, top/bottom of the image
    QSize textMargin{7, 6};          // left/right, top/bottom of the text
    QSize arrowSize{0, 0};           // room of a drop-down arrow
    QSize imageSize{0, 0};           // 0 x 0 without an image
    QString text;                    // the button's text part
    Measure measure;

    uint32_t HorizontalAlignment() const;
    uint32_t VerticalAlignment() const;
    bool SideBySide() const;

    // The text in fit mode (wrapped to a pleasing shape with BS_MULTILINE)
    // and in layout mode (the room the client size leaves).
    QSize FitTextSize() const;
    QSize LayoutTextSize(QSize clientSize) const;

    QSize FitSize() const;
    // Face, image and text rectangles for the button rectangle (the item less
    // the arrow room), with the state shifts applied.
    void CalcLayout(const State& state, const QRect& button, QSize clientSize, QRect* face, QRect* image,
                    QRect* textRect) const;
};
