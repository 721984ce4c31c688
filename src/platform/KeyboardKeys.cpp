#include "platform/KeyboardKeys.h"

#include <QGuiApplication>
#include <QKeyEvent>

#if defined(Q_OS_WIN)
#include <windows.h>
#elif defined(PLATFORM_HAVE_XCB)
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#include <cstdint>
#include <cstdlib>
#include <vector>
#endif

namespace platform {

int digitRowKey(const QKeyEvent& event)
{
#if defined(Q_OS_WIN)
    // The digit row's virtual keys are '0' to '9' on every layout.
    const quint32 virtualKey = event.nativeVirtualKey();
    if (virtualKey != 0)
        return virtualKey >= 0x30 && virtualKey <= 0x39 ? int(virtualKey - 0x30) : -1;
#else
    const quint32 scanCode = event.nativeScanCode();
    const QString platform = QGuiApplication::platformName();
    if (scanCode != 0 && (platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland")))) {
        // Keycodes of the X keyboard extension on a PC keyboard: 10 is the
        // "1" key, 18 the "9" key and 19 the "0" key, on every layout.
        return scanCode >= 10 && scanCode <= 19 ? int((scanCode - 9) % 10) : -1;
    }
#endif
    // An event that names no physical key (one made by a program, or a
    // platform without keycodes): the key Qt reports.
    if ((event.modifiers() & Qt::KeypadModifier) || event.key() < Qt::Key_0 || event.key() > Qt::Key_9)
        return -1;
    return event.key() - Qt::Key_0;
}

namespace {

#if defined(PLATFORM_HAVE_XCB) && !defined(Q_OS_WIN)
// The keys whose first symbol is a navigation key: the dedicated ones and
// the keypad's (which navigate while Num Lock is off).
std::vector<uint8_t> NavigationKeycodes(xcb_connection_t* connection)
{
    static constexpr xcb_keysym_t kSymbols[] = {
        0xff50, 0xff51, 0xff52, 0xff53, 0xff54, 0xff55, 0xff56, 0xff57,  // Home, arrows, Prior, Next, End
        0xff95, 0xff96, 0xff97, 0xff98, 0xff99, 0xff9a, 0xff9b, 0xff9c,  // the keypad's
    };
    std::vector<uint8_t> keycodes;
    const xcb_setup_t* setup = xcb_get_setup(connection);
    if (!setup || setup->max_keycode < setup->min_keycode)
        return keycodes;
    const uint8_t first = setup->min_keycode;
    const int count = setup->max_keycode - setup->min_keycode + 1;
    xcb_get_keyboard_mapping_reply_t* reply =
        xcb_get_keyboard_mapping_reply(connection, xcb_get_keyboard_mapping(connection, first, uint8_t(count)), nullptr);
    if (!reply)
        return keycodes;
    const xcb_keysym_t* symbols = xcb_get_keyboard_mapping_keysyms(reply);
    const int perKey = reply->keysyms_per_keycode;
    const int available = xcb_get_keyboard_mapping_keysyms_length(reply);
    for (int i = 0; perKey > 0 && i < count && (i + 1) * perKey <= available; ++i)
        for (xcb_keysym_t symbol : kSymbols)
            if (symbols[i * perKey] == symbol)
                keycodes.push_back(uint8_t(first + i));
    std::free(reply);
    return keycodes;
}

KeyState AskX11(xcb_connection_t* connection)
{
    // Navigation keys keep their keycodes whatever the layout, so the
    // mapping is read once.
    static const std::vector<uint8_t> keycodes = NavigationKeycodes(connection);
    if (keycodes.empty())
        return KeyState::Unknown;
    xcb_query_keymap_reply_t* reply = xcb_query_keymap_reply(connection, xcb_query_keymap(connection), nullptr);
    if (!reply)
        return KeyState::Unknown;
    bool down = false;
    for (uint8_t keycode : keycodes)
        down = down || (reply->keys[keycode / 8] & (1u << (keycode % 8)));
    std::free(reply);
    return down ? KeyState::Down : KeyState::Up;
}
#endif

} // namespace

bool isNavigationKey(int key)
{
    switch (key) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_End:
    case Qt::Key_Home:
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        return true;
    default:
        return false;
    }
}

KeyState navigationKeyState()
{
#if defined(Q_OS_WIN)
    for (int key = VK_PRIOR; key <= VK_DOWN; ++key)
        if (GetAsyncKeyState(key) & 0x8000)
            return KeyState::Down;
    return KeyState::Up;
#elif defined(PLATFORM_HAVE_XCB)
    if (auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr)
        if (xcb_connection_t* connection = x11->connection())
            return AskX11(connection);
    return KeyState::Unknown;
#else
    return KeyState::Unknown;
#endif
}

void NavigationKeys::OnKeyPress(const QKeyEvent& event)
{
    if (isNavigationKey(event.key()))
        m_pressed.insert(event.key());
}

void NavigationKeys::OnKeyRelease(const QKeyEvent& event)
{
    if (!event.isAutoRepeat())
        m_pressed.remove(event.key());
}

bool NavigationKeys::IsHeld() const
{
    switch (navigationKeyState()) {
    case KeyState::Down:
        return true;
    case KeyState::Up:
        return false;
    case KeyState::Unknown:
        break;
    }
    return !m_pressed.isEmpty();
}

} // namespace platform
