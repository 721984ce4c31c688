#include "shared/ui/FullScreenPlacement.h"

#include <QDialog>
#include <QRect>
#include <QSize>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

TEST(FullScreenPlacement, EnlargedRectPutsTheWorkAreaOverTheScreen)
{
    struct Case {
        QRect window, area;
        QSize screen, border;
        QRect enlarged;
    };
    const Case cases[] = {
        // A restored window, its work area 206 in from the left and 54 down.
        {{60, 50, 1080, 860}, {266, 104, 874, 806}, {1280, 1024}, {0, 0}, {-206, -54, 1486, 1078}},
        // Maximised: the same offsets, whatever the window's size.
        {{0, 19, 1280, 1005}, {206, 73, 1074, 925}, {1280, 1024}, {0, 0}, {-206, -54, 1486, 1104}},
        // A border: half of it beyond each edge, integer halves.
        {{60, 50, 1080, 860}, {266, 104, 874, 806}, {1280, 1024}, {5, 4}, {-208, -56, 1491, 1082}},
        // A window already larger than the screen.
        {{-206, -54, 1486, 1100}, {0, 0, 1280, 1024}, {1280, 1024}, {0, 0}, {-206, -54, 1486, 1100}},
    };
    for (const Case& c : cases) {
        const QRect r = CFullScreenPlacement::EnlargedRect(c.window, c.area, c.screen, c.border);
        EXPECT_EQ(r, c.enlarged) << c.window.x() << "," << c.window.y() << " border " << c.border.width();
        // The work area's place in the window is kept, so it lands at minus
        // half the border, the screen's size plus the border.
        EXPECT_EQ(QRect(r.topLeft() + (c.area.topLeft() - c.window.topLeft()), c.area.size() + (r.size() - c.window.size())),
                  QRect(QPoint(-(c.border.width() / 2), -(c.border.height() / 2)), c.screen + c.border));
    }
}

TEST(FullScreenPlacement, LeaveGivesBackTheRectangleAndTheMaximisedState)
{
    for (const bool maximised : {false, true}) {
        SCOPED_TRACE(maximised ? "maximised" : "restored");
        QWidget window;
        window.setGeometry(100, 120, 640, 480);
        window.show();
        const QRect normal = window.geometry();
        if (maximised) {
            window.showMaximized();
            ASSERT_TRUE(QTest::qWaitFor([&] { return window.isMaximized(); }, 5000));
        }
        CFullScreenPlacement placement;
        const QRect enlarged(-50, -40, 2000, 1500);
        placement.Enter(&window, enlarged);
        EXPECT_EQ(placement.GetSavedRect(), normal);
        EXPECT_EQ(placement.WasMaximised(), maximised);
        EXPECT_FALSE(window.isMaximized());
        EXPECT_EQ(window.geometry(), enlarged);

        placement.Leave(&window);
        EXPECT_EQ(window.isMaximized(), maximised);
        EXPECT_EQ(window.normalGeometry(), normal);
        if (!maximised)
            EXPECT_EQ(window.geometry(), normal);

        // A second request to leave changes nothing: a maximised window
        // stays maximised, one moved since stays where it is.
        if (!maximised)
            window.move(window.pos() + QPoint(7, 9));
        const QRect now = window.geometry();
        placement.Leave(&window);
        EXPECT_EQ(window.isMaximized(), maximised);
        EXPECT_EQ(window.geometry(), now);
    }
}

TEST(FullScreenPlacement, TheToolWindowBelongsToTheEnlargedWindow)
{
    QWidget window;
    window.show();
    QDialog tool;  // no parent, as the program creates it
    CFullScreenPlacement::KeepAbove(&tool, &window);
    ASSERT_NE(tool.windowHandle(), nullptr);
    EXPECT_EQ(tool.windowHandle()->transientParent(), window.windowHandle());
    tool.show();
    EXPECT_EQ(tool.windowHandle()->transientParent(), window.windowHandle());
    EXPECT_EQ(tool.parentWidget(), nullptr);
}
