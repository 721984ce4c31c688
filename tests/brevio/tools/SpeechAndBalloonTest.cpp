// The speech options dialog and the balloon tip.
#include "brevio/tools/BalloonTip.h"
#include "brevio/tools/SpeechOptionsDialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(SpeechOptions, WithoutAnEngineTheVoiceListIsEmptyAndTheSlidersWork)
{
    CSpeechOptionsDialog::SetEngineName(QStringLiteral("no such engine"));
    CSpeechOptionsDialog dialog;
    dialog.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Speech Options"));
    EXPECT_EQ(dialog.GetVoiceList()->count(), 0);
    QSlider* rate = dialog.GetRateSlider();
    QSlider* volume = dialog.GetVolumeSlider();
    EXPECT_EQ(rate->minimum(), -10);
    EXPECT_EQ(rate->maximum(), 10);
    EXPECT_EQ(rate->value(), 0);
    EXPECT_EQ(volume->maximum(), 100);
    EXPECT_EQ(volume->value(), 100);
    EXPECT_EQ(volume->tickInterval(), 5);
    rate->setValue(-4);
    volume->setValue(60);
    dialog.OnOK();
    EXPECT_EQ(dialog.result(), int(QDialog::Accepted));
    EXPECT_EQ(dialog.m_nRate, -4);
    EXPECT_EQ(dialog.m_nVolume, 60);
    EXPECT_EQ(dialog.m_nVoice, -1);
    CSpeechOptionsDialog::SetEngineName(QString());
}

TEST(SpeechOptions, CancelKeepsTheMembers)
{
    CSpeechOptionsDialog::SetEngineName(QStringLiteral("no such engine"));
    CSpeechOptionsDialog dialog;
    dialog.show();
    QCoreApplication::processEvents();
    dialog.GetRateSlider()->setValue(7);
    dialog.OnCancel();
    EXPECT_EQ(dialog.m_nRate, 0);
    EXPECT_EQ(dialog.m_nVolume, 100);
    CSpeechOptionsDialog::SetEngineName(QString());
}

class BalloonTip : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_owner.resize(400, 300);
        m_owner.move(100, 100);
        m_a = new QWidget(&m_owner);
        m_a->setGeometry(0, 0, 200, 300);
        m_b = new QWidget(&m_owner);
        m_b->setGeometry(200, 0, 200, 300);
        m_owner.show();
        (void)QTest::qWaitForWindowExposed(&m_owner);
        CBalloonTip::SetCursorSource([this] { return m_cursor; });
        m_tip.Create(&m_owner);
        m_tip.AddTool(m_a, QStringLiteral("Left half"));
        m_tip.AddTool(m_b, QStringLiteral("Right half"));
    }
    void TearDown() override { CBalloonTip::SetCursorSource(nullptr); }
    void MoveTo(QWidget* w, QPoint local)
    {
        m_cursor = w->mapToGlobal(local);
        m_tip.RelayEvent(QEvent::MouseMove, m_cursor);
    }
    bool WaitVisible(bool visible, int ms)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms && m_tip.isVisible() != visible)
            QTest::qWait(5);
        return m_tip.isVisible() == visible;
    }

    QWidget m_owner;
    QWidget* m_a = nullptr;
    QWidget* m_b = nullptr;
    QPoint m_cursor;
    CBalloonTip m_tip;
};

TEST_F(BalloonTip, AppearsAfterTheDelayAboveAndRightOfTheMouse)
{
    MoveTo(m_a, QPoint(50, 150));
    EXPECT_EQ(m_tip.GetText(), QStringLiteral("Left half"));
    EXPECT_TRUE(m_tip.IsShowPending());
    EXPECT_FALSE(m_tip.isVisible());
    ASSERT_TRUE(WaitVisible(true, 2000));
    EXPECT_EQ(m_tip.GetTimerId(), CBalloonTip::kWatchTimer);
    const QSize size = m_tip.OutlineSize();
    EXPECT_EQ(m_tip.size(), size);
    EXPECT_EQ(m_tip.pos(), QPoint(m_cursor.x() + 25, m_cursor.y() - size.height() - 5));
    const QImage shot = m_tip.grab().toImage();
    EXPECT_FALSE(shot.isNull());
}

TEST_F(BalloonTip, AnotherWindowChangesTheTextAtOnce)
{
    MoveTo(m_a, QPoint(50, 150));
    ASSERT_TRUE(WaitVisible(true, 2000));
    MoveTo(m_b, QPoint(50, 150));
    EXPECT_EQ(m_tip.GetText(), QStringLiteral("Right half"));
    EXPECT_TRUE(m_tip.IsShowPending());
    QTest::qWait(50);  // 1 ms, not the delay
    EXPECT_TRUE(m_tip.isVisible());
    EXPECT_FALSE(m_tip.IsShowPending());
    EXPECT_EQ(m_tip.pos().x(), m_cursor.x() + 25);
}

TEST_F(BalloonTip, AButtonPressHidesItAtOnce)
{
    MoveTo(m_a, QPoint(10, 10));
    ASSERT_TRUE(WaitVisible(true, 2000));
    m_tip.RelayEvent(QEvent::MouseButtonPress, m_cursor);
    EXPECT_FALSE(m_tip.isVisible());
    // Also a press before it shows cancels it.
    MoveTo(m_a, QPoint(20, 20));
    m_tip.RelayEvent(QEvent::MouseButtonPress, m_cursor);
    QTest::qWait(700);
    EXPECT_FALSE(m_tip.isVisible());
}

TEST_F(BalloonTip, AMouseThatMovesOnHidesIt)
{
    MoveTo(m_a, QPoint(30, 30));
    ASSERT_TRUE(WaitVisible(true, 2000));
    m_cursor += QPoint(1, 0);  // moved by a pixel, not relayed
    EXPECT_TRUE(WaitVisible(false, 1200));
    // Leaving the registered windows hides at once.
    MoveTo(m_a, QPoint(40, 40));
    ASSERT_TRUE(WaitVisible(true, 2000));
    m_cursor = m_owner.mapToGlobal(QPoint(0, 0)) + QPoint(-50, -50);
    m_tip.RelayEvent(QEvent::MouseMove, m_cursor);
    EXPECT_FALSE(m_tip.isVisible());
}

TEST_F(BalloonTip, RoomForTheIconBesideTheText)
{
    const QSize plain = (m_tip.Show(QStringLiteral("Text"), &m_cursor), m_tip.OutlineSize());
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::red);
    m_tip.AddTool(m_a, QStringLiteral("Text"), icon);
    MoveTo(m_a, QPoint(5, 5));
    const QSize withIcon = m_tip.OutlineSize();
    EXPECT_EQ(withIcon.width(), plain.width() + 16 + 5);
    EXPECT_GE(withIcon.height(), 16 + 20);
    m_tip.RemoveTool(m_a);
    m_tip.Hide();
    MoveTo(m_a, QPoint(6, 6));
    EXPECT_FALSE(m_tip.IsShowPending());
}

} // namespace
