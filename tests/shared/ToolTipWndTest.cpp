#include "shared/tooltip/ToolTipWnd.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Waits (at most two seconds) for a condition that timers bring about.
bool eventually(const std::function<bool()>& condition)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > 2000)
            return false;
        QTest::qWait(10);
    }
    return true;
}

struct TipFixture : ::testing::Test {
    QWidget owner;
    QWidget* button = nullptr;
    QWidget* other = nullptr;
    CToolTipWnd tip;

    void SetUp() override
    {
        owner.setGeometry(100, 100, 300, 200);
        button = new QWidget(&owner);
        button->setGeometry(10, 10, 80, 30);
        other = new QWidget(&owner);
        other->setGeometry(10, 100, 80, 30);
        owner.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
        ASSERT_TRUE(tip.Create(&owner));
        tip.SetDelayTime(CToolTipWnd::TTDT_INITIAL, 20);
    }

    void moveTo(QWidget* w, QPoint local)
    {
        const QPoint global = w->mapToGlobal(local);
        QCursor::setPos(global);
        QMouseEvent e(QEvent::MouseMove, QPointF(local), QPointF(global), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        tip.RelayEvent(&e);
    }
};

TEST_F(TipFixture, ShownAfterTheInitialDelayBelowTheCursor)
{
    tip.AddTool(button, QStringLiteral("Tune up"));
    moveTo(button, QPoint(20, 10));
    EXPECT_FALSE(tip.isVisible());
    ASSERT_TRUE(eventually([&] { return tip.isVisible(); }));
    EXPECT_EQ(tip.GetShownText(), QStringLiteral("Tune up"));
    EXPECT_EQ(tip.geometry().topLeft(), button->mapToGlobal(QPoint(20, 10)) + QPoint(0, 20));
    // A key hides it.
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    tip.RelayEvent(&key);
    EXPECT_FALSE(tip.isVisible());
}

TEST_F(TipFixture, NotShownWhenTheMouseLeavesFirst)
{
    tip.AddTool(button, QStringLiteral("Tune up"));
    moveTo(button, QPoint(20, 10));
    moveTo(&owner, QPoint(250, 150)); // away before the delay ran out
    QTest::qWait(60);
    EXPECT_FALSE(tip.isVisible());
}

TEST_F(TipFixture, DisappearsAfterTheAutoPopDelay)
{
    tip.SetDelayTime(CToolTipWnd::TTDT_AUTOPOP, 400);
    tip.AddTool(button, QStringLiteral("Tune up"));
    moveTo(button, QPoint(20, 10));
    ASSERT_TRUE(eventually([&] { return tip.isVisible(); }));
    // Checked every 500 ms: still there before the first check.
    QTest::qWait(300);
    EXPECT_TRUE(tip.isVisible());
    EXPECT_TRUE(eventually([&] { return !tip.isVisible(); }));
}

TEST_F(TipFixture, TwoPartTextFlipsOnClick)
{
    tip.AddTool(button, QStringLiteral("Frequency\rStep size"));
    moveTo(button, QPoint(20, 10));
    ASSERT_TRUE(eventually([&] { return tip.isVisible(); }));
    EXPECT_TRUE(tip.IsTwoPart());
    EXPECT_EQ(tip.GetShownText(), QStringLiteral("Frequency  "));
    EXPECT_FALSE(tip.IsArrowLeft());
    const QPoint corner = tip.geometry().topLeft();
    QTest::mouseClick(&tip, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    EXPECT_EQ(tip.GetShownText(), QStringLiteral("  Step size"));
    EXPECT_TRUE(tip.IsArrowLeft());
    EXPECT_EQ(tip.geometry().topLeft(), corner);
    QTest::mouseClick(&tip, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    EXPECT_EQ(tip.GetShownText(), QStringLiteral("Frequency  "));

    // The arrow is drawn black at the right of the first part.
    const QImage image = tip.grab().toImage();
    bool black = false;
    for (int x = image.width() - 10; x < image.width() - 2; ++x)
        for (int y = 3; y < image.height() - 3; ++y)
            black = black || image.pixelColor(x, y) == QColor(Qt::black);
    EXPECT_TRUE(black);
}

TEST_F(TipFixture, WhichToolIsFound)
{
    tip.AddTool(button, QStringLiteral("first"));
    tip.AddTool(button, QStringLiteral("second"), nullptr, 2);
    int asked = 0;
    QObject::connect(&tip, &CToolTipWnd::needText, [&asked](unsigned id, QWidget*, QString* text) {
        ++asked;
        *text = QStringLiteral("asked %1").arg(id);
    });
    tip.AddTool(other, CToolTipWnd::LPSTR_TEXTCALLBACK, nullptr, 7);
    tip.AddTool(&owner, QStringLiteral("owner"));

    // The owner itself never shows a tip.
    moveTo(&owner, QPoint(250, 150));
    QTest::qWait(60);
    EXPECT_FALSE(tip.isVisible());

    // Two tools on one window: only the first registered one is found.
    moveTo(button, QPoint(20, 10));
    ASSERT_TRUE(eventually([&] { return tip.isVisible(); }));
    EXPECT_EQ(tip.GetShownText(), QStringLiteral("first"));

    moveTo(other, QPoint(20, 10));
    EXPECT_TRUE(eventually([&] { return tip.GetShownText() == QStringLiteral("asked 7"); }));
    EXPECT_GE(asked, 1);
}

TEST_F(TipFixture, NearTheBottomTheTipGoesAboveItsTool)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    owner.move(100, screen.bottom() - 60);
    QTest::qWait(20);
    tip.AddTool(button, QStringLiteral("Low"));
    moveTo(button, QPoint(20, 25));
    ASSERT_TRUE(eventually([&] { return tip.isVisible(); }));
    EXPECT_EQ(tip.geometry().bottom() + 1, button->mapToGlobal(QPoint(0, 0)).y());
}

TEST_F(TipFixture, DefaultsReachToolsStillOnThem)
{
    tip.AddTool(button, QStringLiteral("a"));
    tip.SetTipBkColour(RGB(1, 2, 3));
    tip.AddTool(other, QStringLiteral("b"));
    OXTOOLINFO info;
    ASSERT_TRUE(tip.GetToolInfo(info, button));
    EXPECT_EQ(info.clrBackColour, RGB(1, 2, 3)); // still on the old default: follows
    info.clrBackColour = RGB(9, 9, 9);
    tip.SetToolInfo(info);
    tip.SetTipBkColour(RGB(4, 5, 6));
    ASSERT_TRUE(tip.GetToolInfo(info, button));
    EXPECT_EQ(info.clrBackColour, RGB(9, 9, 9));
    ASSERT_TRUE(tip.GetToolInfo(info, other));
    EXPECT_EQ(info.clrBackColour, RGB(4, 5, 6));
    EXPECT_EQ(tip.SetMaxWidth(120), 0);
    EXPECT_EQ(tip.GetDelayTime(1), 0);
    tip.DelTool(button);
    EXPECT_FALSE(tip.GetToolInfo(info, button));
    EXPECT_TRUE(tip.HitTest(other, QPoint(5, 5), &info));
    EXPECT_EQ(info.strText, QStringLiteral("b"));
}

} // namespace
