// Navigation keys held: where the window system cannot be asked (here the
// offscreen platform), what a widget saw go down and up decides.
#include "platform/KeyboardKeys.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

namespace {

QKeyEvent Press(int key, bool autoRepeat = false)
{
    return QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, QString(), autoRepeat);
}

QKeyEvent Release(int key, bool autoRepeat = false)
{
    return QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, QString(), autoRepeat);
}

} // namespace

TEST(NavigationKeys, TheOffscreenPlatformCannotBeAsked)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("offscreen"));
    EXPECT_EQ(platform::navigationKeyState(), platform::KeyState::Unknown);
}

TEST(NavigationKeys, TheEightKeysAndNoOther)
{
    for (int key : {Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_End, Qt::Key_Home, Qt::Key_Left, Qt::Key_Up,
                    Qt::Key_Right, Qt::Key_Down})
        EXPECT_TRUE(platform::isNavigationKey(key)) << key;
    for (int key : {Qt::Key_A, Qt::Key_2, Qt::Key_Escape, Qt::Key_Shift, Qt::Key_Tab, Qt::Key_Insert, Qt::Key_Delete})
        EXPECT_FALSE(platform::isNavigationKey(key)) << key;
}

TEST(NavigationKeys, HeldFromPressToReleaseOfEveryKeyThatWentDown)
{
    platform::NavigationKeys keys;
    EXPECT_FALSE(keys.IsHeld());
    keys.OnKeyPress(Press(Qt::Key_A));
    EXPECT_FALSE(keys.IsHeld());
    keys.OnKeyPress(Press(Qt::Key_Down));
    keys.OnKeyPress(Press(Qt::Key_PageUp));
    EXPECT_TRUE(keys.IsHeld());
    // The keyboard's repeats release nothing.
    keys.OnKeyRelease(Release(Qt::Key_Down, true));
    keys.OnKeyPress(Press(Qt::Key_Down, true));
    keys.OnKeyRelease(Release(Qt::Key_Down));
    EXPECT_TRUE(keys.IsHeld());
    keys.OnKeyRelease(Release(Qt::Key_PageUp));
    EXPECT_FALSE(keys.IsHeld());
    // Keys whose release the widget will not see are forgotten.
    keys.OnKeyPress(Press(Qt::Key_End));
    keys.Forget();
    EXPECT_FALSE(keys.IsHeld());
}
