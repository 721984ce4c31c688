#include "brevio/core/SquelchBar.h"
#include "shared/RegisteredEvent.h"

#include <QApplication>
#include <QImage>
#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A parent that keeps the thresholds its bar posts.
class Parent : public QWidget {
public:
    std::vector<std::pair<uintptr_t, intptr_t>> m_posted;
    bool event(QEvent* e) override
    {
        static const uint32_t msg = RegisterWindowMessage("RegisteredMessage::nMsgSquelch");
        if (auto* r = CRegisteredEvent::As(e, msg)) {
            m_posted.emplace_back(r->wParam(), r->lParam());
            return true;
        }
        return QWidget::event(e);
    }
};

class PaintCounter : public QObject {
public:
    int m_nPaints = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++m_nPaints;
        return false;
    }
};

QImage Render(QWidget& w)
{
    QImage image(w.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    w.render(&image);
    return image;
}

COLORREF Pixel(const QImage& image, int x, int y) { return fromQColor(QColor(image.pixel(x, y))); }

constexpr COLORREF kBack = RGB(192, 192, 192);
constexpr COLORREF kActive = RGB(255, 255, 255);
constexpr COLORREF kGrip = RGB(0, 0, 0);
constexpr COLORREF kSquelched = RGB(128, 128, 128);

void Colour(CSquelchBar& bar)
{
    bar.SetBackgroundColour(kBack);
    bar.SetActiveColour(kActive);
    bar.SetGripperColour(kGrip);
    bar.SetSquelchedColour(kSquelched);
}

} // namespace

TEST(SquelchBar, DefaultsAndArithmetic)
{
    CSquelchBar bar;
    EXPECT_EQ(bar.GetLevel(), 0);
    EXPECT_EQ(bar.GetSquelch(), 50);
    EXPECT_EQ(bar.GetBackgroundColour(), RGB(255, 255, 255));
    EXPECT_EQ(bar.GetActiveColour(), RGB(255, 205, 0));
    EXPECT_EQ(bar.GetGripperColour(), RGB(0, 0, 0));
    EXPECT_EQ(bar.GetSquelchedColour(), RGB(0, 0, 128));

    // A 100-pixel bar: the top row sets 99, the bottom row 1.
    EXPECT_EQ(CSquelchBar::ThresholdAt(0, 100), 99);
    EXPECT_EQ(CSquelchBar::ThresholdAt(99, 100), 1);
    EXPECT_EQ(CSquelchBar::ThresholdAt(50, 100), 50);
    // Dragged beyond the bar the threshold stays within 0-99.
    EXPECT_EQ(CSquelchBar::ThresholdAt(-30, 100), 99);
    EXPECT_EQ(CSquelchBar::ThresholdAt(250, 100), 0);
    EXPECT_EQ(CSquelchBar::ThresholdAt(5, 0), 99);

    EXPECT_EQ(CSquelchBar::FillLine(100, 0), 100);
    EXPECT_EQ(CSquelchBar::FillLine(100, 99), 0);
    EXPECT_EQ(CSquelchBar::ThresholdLine(100, 50), 49);
}

TEST(SquelchBar, NeverGivenALevelShowsAnEmptyBarWithTheMarkerAt50)
{
    CSquelchBar bar;
    Colour(bar);
    bar.SetCaption(false);
    bar.resize(20, 100);
    const QImage image = Render(bar);
    const int yThreshold = CSquelchBar::ThresholdLine(100, 50);
    for (int y : {0, 20, 90, 99})
        EXPECT_EQ(Pixel(image, 1, y), kBack) << y;
    EXPECT_EQ(Pixel(image, 1, yThreshold), kGrip);     // the line across
    EXPECT_EQ(Pixel(image, 10, yThreshold - 3), kGrip); // the gripper square
    EXPECT_EQ(Pixel(image, 10, yThreshold + 3), kGrip);
    EXPECT_EQ(Pixel(image, 10, yThreshold + 4), kBack);
}

TEST(SquelchBar, FillColourFollowsTheThreshold)
{
    struct Case {
        int level, threshold;
        COLORREF fill;
    };
    for (const Case& c : {Case{60, 60, kActive}, Case{59, 60, kSquelched}, Case{99, 0, kActive}, Case{1, 99, kSquelched}}) {
        CSquelchBar bar;
        Colour(bar);
        bar.SetCaption(false);
        bar.resize(20, 100);
        bar.SetLevel(c.level);
        bar.SetSquelch(c.threshold);
        const QImage image = Render(bar);
        const int yFill = CSquelchBar::FillLine(100, c.level);
        const int yBottom = CSquelchBar::ThresholdLine(100, c.threshold) == 99 ? 98 : 99;
        EXPECT_EQ(Pixel(image, 1, yBottom), c.fill) << c.level << "/" << c.threshold;
        EXPECT_EQ(Pixel(image, 1, yFill + 1), c.fill);
        if (yFill > 1 && yFill - 1 != CSquelchBar::ThresholdLine(100, c.threshold)) {
            EXPECT_EQ(Pixel(image, 1, yFill - 1), kBack);
        }
    }
}

TEST(SquelchBar, OutOfRangeValuesAreClampedWhenPainted)
{
    CSquelchBar bar;
    Colour(bar);
    bar.resize(20, 100);
    bar.SetLevel(250);
    bar.SetSquelch(-7);
    Render(bar);
    EXPECT_EQ(bar.GetLevel(), 99);
    EXPECT_EQ(bar.GetSquelch(), 0);
}

TEST(SquelchBar, ThresholdDisplayShowsTheThresholdInTheActiveColour)
{
    CSquelchBar bar;
    Colour(bar);
    bar.SetCaption(false);
    bar.SetThresholdDisplay(true);
    bar.resize(20, 100);
    bar.SetLevel(10);
    bar.SetSquelch(70);
    const QImage image = Render(bar);
    EXPECT_EQ(Pixel(image, 1, CSquelchBar::FillLine(100, 70) + 2), kActive);
    EXPECT_EQ(Pixel(image, 1, CSquelchBar::FillLine(100, 70) - 2), kBack);
    EXPECT_EQ(bar.GetLevel(), 10);  // kept, not shown
}

TEST(SquelchBar, ClickAndDragPostTheThresholdToTheParent)
{
    Parent parent;
    parent.resize(100, 200);
    auto* bar = new CSquelchBar(&parent);
    bar->setGeometry(10, 10, 20, 100);
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));

    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(5, 0));
    QTest::mouseMove(bar, QPoint(5, 99));
    QTest::mouseMove(bar, QPoint(5, -40));   // above the bar
    QTest::mouseMove(bar, QPoint(5, 180));   // below it
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(5, 180));
    QCoreApplication::sendPostedEvents(&parent);

    std::vector<intptr_t> thresholds;
    for (const auto& [w, l] : parent.m_posted) {
        EXPECT_EQ(w, 0u);
        thresholds.push_back(l);
    }
    // QTest's mouseMove carries no button state on every platform; the press is certain.
    ASSERT_FALSE(thresholds.empty());
    EXPECT_EQ(thresholds.front(), 99);
    for (intptr_t t : thresholds) {
        EXPECT_GE(t, 0);
        EXPECT_LE(t, 99);
    }
    EXPECT_GE(bar->GetSquelch(), 0);
    EXPECT_LE(bar->GetSquelch(), 99);
}

TEST(SquelchBar, DragBeyondTheBarKeepsTheThresholdInRange)
{
    Parent parent;
    auto* bar = new CSquelchBar(&parent);
    bar->setGeometry(0, 0, 20, 100);
    for (int y : {-50, 300}) {
        QMouseEvent move(QEvent::MouseMove, QPointF(5, y), QPointF(5, y), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(bar, &move);
        QCoreApplication::sendPostedEvents(&parent);
        ASSERT_FALSE(parent.m_posted.empty());
        EXPECT_EQ(parent.m_posted.back().second, y < 0 ? 99 : 0);
        EXPECT_EQ(bar->GetSquelch(), y < 0 ? 99 : 0);
    }
    // A move without the button changes nothing.
    parent.m_posted.clear();
    QMouseEvent idle(QEvent::MouseMove, QPointF(5, 50), QPointF(5, 50), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(bar, &idle);
    QCoreApplication::sendPostedEvents(&parent);
    EXPECT_TRUE(parent.m_posted.empty());
}

TEST(SquelchBar, SameLevelDoesNotRepaintButEveryOtherSetterDoes)
{
    CSquelchBar bar;
    bar.resize(20, 100);
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    PaintCounter counter;
    bar.installEventFilter(&counter);
    // Paints that follow an action: waits up to a second for one to come
    // (or 50 ms when none is expected), so a busy machine does not fail it.
    auto paintsAfter = [&](auto action, bool bExpected) {
        QTest::qWait(20);
        counter.m_nPaints = 0;
        action();
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < (bExpected ? 1000 : 50) && (!bExpected || counter.m_nPaints == 0))
            QTest::qWait(5);
        return counter.m_nPaints;
    };
    EXPECT_GT(paintsAfter([&] { bar.SetLevel(30); }, true), 0);
    EXPECT_EQ(paintsAfter([&] { bar.SetLevel(30); }, false), 0);
    EXPECT_GT(paintsAfter([&] { bar.SetSquelch(bar.GetSquelch()); }, true), 0);
    EXPECT_GT(paintsAfter([&] { bar.SetActiveColour(bar.GetActiveColour()); }, true), 0);
}
