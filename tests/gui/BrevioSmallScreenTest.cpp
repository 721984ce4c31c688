// PSK31 Brevio on a 1024x768 screen, where the docked waterfall and the
// toolbars leave the child windows less height than the Super Browser's
// layout needs: what does not fit can still be reached with real input.
#include "GuiTest.h"

#include <QRect>
#include <QSize>
#include <QString>
#include <gtest/gtest.h>

namespace {

class BrevioSmallScreen : public GuiTest {
protected:
    QSize ScreenSize() const override { return QSize(1024, 768); }
};

} // namespace

// The Super Browser opened with F7 over channel 1, maximised as channel 1 is:
// its frequency scale runs lower than the window reaches, and the mouse wheel
// over the browser brings the scale's low end (the lowest frequency shown)
// into the window; a right click there reaches the scale, whose menu opens.
TEST_F(BrevioSmallScreen, SuperBrowserScaleCanBeReachedDownToItsLowestFrequency)
{
    ASSERT_TRUE(StartBrevio());
    ProbeClient& probe = BrevioProbe();
    ASSERT_TRUE(FocusOn(probe, QStringLiteral("CFrameRx:1>CTxTextWindow")));
    ASSERT_TRUE(Input().Key(QStringLiteral("F7")));
    QRect frame, scale;
    const auto locate = [&] {
        for (const Window& w : ParseGeometry(probe.Ask(QStringLiteral("geometry"))))
            if (w.className == QLatin1String("CSuperFrame") && w.state == QLatin1String("max"))
                frame = w.rect;
        scale = ParseRect(probe.Ask(QStringLiteral("locate CSuperView>CDisplayCanvas")));
        return frame.isValid() && scale.isValid();
    };
    ASSERT_TRUE(WaitFor(locate)) << probe.Ask(QStringLiteral("geometry")).toStdString();
    ASSERT_LE(frame.bottom(), 768) << "the browser's window is off the screen";
    // The operator turns the wheel over the browser until the scale's end shows.
    const QPoint over = frame.center() + QPoint(frame.width() / 4, 0);
    for (int turn = 0; turn < 10 && locate() && scale.bottom() >= frame.bottom(); ++turn) {
        const int before = scale.bottom();
        ASSERT_TRUE(Input().Wheel(over, -3)) << Input().ErrorText().toStdString();
        WaitFor([&] { return locate() && scale.bottom() != before; }, 1000);
    }
    ASSERT_TRUE(locate());
    EXPECT_LT(scale.bottom(), frame.bottom()) << "the scale ends at y " << scale.bottom() << ", below the browser's window, which ends at "
                                              << frame.bottom();
    const QPoint lowEnd(scale.center().x(), std::min(scale.bottom(), frame.bottom()) - 4);
    ASSERT_TRUE(Input().Click(lowEnd, XInput::kRight)) << Input().ErrorText().toStdString();
    EXPECT_TRUE(WaitFor([&] { return ParseRect(probe.Ask(QStringLiteral("locate action:Data Analysis"))).isValid(); }, 3000))
        << "a right click at " << lowEnd.x() << "," << lowEnd.y() << " opens no scale menu: "
        << probe.Ask(QStringLiteral("geometry")).toStdString();
    ASSERT_TRUE(Input().Key(QStringLiteral("Escape")));
}
