#include "shared/ui/BarMeter.h"
#include "shared/RegisteredEvent.h"
#include "shared/WinDraw.h"
#include "shared/ui/ColourMix.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QImage Render(QWidget& w)
{
    QImage image(w.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    w.render(&image);
    return image;
}

COLORREF Pixel(const QImage& image, int x, int y) { return fromQColor(QColor(image.pixel(x, y))); }

int FilledColumns(const QImage& image, COLORREF fill, int y)
{
    int n = 0;
    for (int x = 0; x < image.width(); ++x)
        n += Pixel(image, x, y) == fill ? 1 : 0;
    return n;
}

} // namespace

TEST(BarMeter, FilledLengthAndPercentText)
{
    struct Case {
        int pos, lower, upper, width, length;
        const char* text;
    };
    const Case cases[] = {
        {50, 0, 200, 200, 50, "25%"},
        {0, 0, 100, 200, 0, "0%"},
        {100, 0, 100, 200, 200, "100%"},
        {150, 0, 100, 200, 200, "150%"},  // beyond the upper bound: full bar, text above 100
        {-5, 0, 100, 200, 0, "-5%"},
        {1, 0, 3, 100, 33, "33%"},        // truncated, not rounded
        {2, 0, 3, 100, 66, "67%"},
        {5, 0, 0, 200, 0, "0%"},          // empty range: empty bar, no division by zero
        {5, 10, 10, 200, 0, "0%"},
        {5, 10, 2, 200, 0, "0%"},         // inverted range
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pos << " in " << c.lower << ".." << c.upper);
        EXPECT_EQ(CBarMeter::FilledLength(c.pos, c.lower, c.upper, c.width), c.length);
        EXPECT_EQ(CBarMeter::PercentText(c.pos, c.lower, c.upper), QString::fromLatin1(c.text));
    }
}

TEST(BarMeter, GradientBands)
{
    // Equal start and end colours: one band of that colour.
    EXPECT_EQ(CBarMeter::GradientBands(0x123456, 0x123456, 256), 1);
    // Scheme 3's red gradient (0x80 to 0xC0) on a 256-colour display: at most 16.
    EXPECT_EQ(CBarMeter::GradientBands(0x404080, 0x4040C0, 16), 16);
    EXPECT_EQ(CBarMeter::GradientBands(0x404080, 0x4040C0, 256), 64);
    EXPECT_EQ(CBarMeter::ColourStepsForDepth(8), 16);
    EXPECT_EQ(CBarMeter::ColourStepsForDepth(32), 256);
    EXPECT_EQ(CBarMeter::BandColour(0x404080, 0x4040C0, 0, 16), COLORREF(0x404080));
    EXPECT_EQ(CBarMeter::BandColour(0x404080, 0x4040C0, 8, 16), COLORREF(0x4040A0));
    // Descending channels truncate toward zero as well.
    EXPECT_EQ(CBarMeter::BandColour(0x0000FF, 0x000000, 1, 2), COLORREF(0x000080));
}

TEST(BarMeter, ColourSchemes)
{
    CBarMeter meter;
    meter.SetColourScheme(2, false);
    EXPECT_EQ(meter.GetStartColour(), winapi::GetSysColor(winapi::COLOR_BTNFACE));
    EXPECT_EQ(meter.GetEndColour(), meter.GetStartColour());
    EXPECT_EQ(meter.GetTextColour(), winapi::GetSysColor(winapi::COLOR_BTNTEXT));
    EXPECT_EQ(meter.GetBackgroundColour(),
              MixColours(winapi::GetSysColor(winapi::COLOR_BTNFACE), 1, winapi::GetSysColor(winapi::COLOR_BTNHIGHLIGHT), 2));
    meter.SetColourScheme(3, true);
    EXPECT_EQ(meter.GetStartColour(), COLORREF(0x404080));
    EXPECT_EQ(meter.GetEndColour(), COLORREF(0x4040C0));
    EXPECT_EQ(meter.GetBackgroundColour(), winapi::GetSysColor(winapi::COLOR_HIGHLIGHTTEXT));
    meter.SetColourScheme(0, true);
    EXPECT_EQ(meter.GetBackgroundColour(), meter.GetTextColour());
    // Unknown schemes change nothing.
    const COLORREF before = meter.GetStartColour();
    meter.SetColourScheme(7, false);
    EXPECT_EQ(meter.GetStartColour(), before);
}

TEST(BarMeter, PaintsAQuarterForFiftyOfTwoHundred)
{
    CBarMeter meter;
    meter.resize(200, 20);
    meter.Initialise();
    EXPECT_TRUE(meter.IsInitialised());
    EXPECT_EQ(meter.GetColourSteps(), 256);
    meter.SetColours(RGB(0, 0, 200), RGB(0, 0, 200), RGB(255, 255, 255));
    meter.SetRange(0, 200);
    meter.SetPos(50);
    const QImage image = Render(meter);
    EXPECT_EQ(FilledColumns(image, RGB(0, 0, 200), 10), 50);
    EXPECT_EQ(Pixel(image, 49, 10), RGB(0, 0, 200));
    EXPECT_EQ(Pixel(image, 50, 10), RGB(255, 255, 255));
}

TEST(BarMeter, EmptyRangeDrawsAnEmptyBar)
{
    CBarMeter meter;
    meter.resize(120, 16);
    meter.Initialise();
    meter.SetColours(RGB(200, 0, 0), RGB(200, 0, 0), RGB(255, 255, 255));
    meter.SetShowText(true);
    meter.SetRange(0, 0);
    meter.SetPos(3);
    const QImage image = Render(meter);
    EXPECT_EQ(FilledColumns(image, RGB(200, 0, 0), 1), 0);
}

TEST(BarMeter, BorderInsetsTheBar)
{
    CBarMeter meter;
    meter.resize(100, 20);
    meter.Initialise();
    meter.SetColours(RGB(0, 128, 0), RGB(0, 128, 0), RGB(255, 255, 255));
    meter.SetBorderWidth(2);
    meter.SetPos(100);
    const QImage image = Render(meter);
    EXPECT_EQ(Pixel(image, 99, 10), RGB(0, 0, 0));                       // outer right edge
    EXPECT_EQ(Pixel(image, 0, 10), winapi::GetSysColor(winapi::COLOR_BTNHIGHLIGHT));      // left edge
    EXPECT_EQ(Pixel(image, 50, 10), RGB(0, 128, 0));
    EXPECT_EQ(FilledColumns(image, RGB(0, 128, 0), 10), 96);
}

TEST(BarMeter, StepsAndKeepsPositionsOutsideTheRange)
{
    CBarMeter meter;
    meter.SetRange(0, 40);
    meter.SetStep(15);
    meter.StepIt();
    meter.StepIt();
    meter.StepIt();
    EXPECT_EQ(meter.GetPos(), 45);
    EXPECT_EQ(meter.value(), 40);
    meter.SetRange(5, 10);
    EXPECT_EQ(meter.GetPos(), 5);
}

TEST(BarMeter, PostsMouseMessagesToItsParent)
{
    struct Sink : QWidget {
        QList<unsigned> got;
        bool event(QEvent* e) override
        {
            if (e->type() >= QEvent::User) {
                got << unsigned(e->type());
                return true;
            }
            return QWidget::event(e);
        }
    } parent;
    auto* meter = new CBarMeter(&parent);
    meter->resize(100, 20);
    const unsigned down = QEvent::registerEventType(), dbl = QEvent::registerEventType(),
                   up = QEvent::registerEventType();
    meter->SetMessages(down, dbl, up);
    QTest::mousePress(meter, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(meter, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseDClick(meter, Qt::LeftButton, {}, QPoint(5, 5));
    QCoreApplication::processEvents();
    ASSERT_GE(parent.got.size(), 3);
    EXPECT_EQ(parent.got[0], down);
    EXPECT_EQ(parent.got[1], up);
    EXPECT_TRUE(parent.got.contains(dbl));
}
