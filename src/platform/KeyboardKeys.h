#pragma once
// Keys by where they sit on the keyboard rather than by what the layout
// prints on them, and whether keys are down now.
#include <QSet>

class QKeyEvent;

namespace platform {

// The digit (0-9) of the main keyboard's digit-row key that the event comes
// from, whatever the layout makes of it with or without Shift ("#" for
// Shift+3 on a US keyboard, '"' for the unshifted 3 key on a French one);
// -1 for every other key, the keypad's digits included.
int digitRowKey(const QKeyEvent& event);

enum class KeyState { Up, Down, Unknown };

// Whether one of the navigation keys (Page Up, Page Down, End, Home and the
// four arrows, the keypad's included) is down at this moment, asked of the
// window system; Unknown where it cannot tell (offscreen, Wayland).
KeyState navigationKeyState();
bool isNavigationKey(int key);

// "Is a navigation key held?" for a widget that must not move text under an
// operator who is scrolling. The window system is asked when it can answer:
// a count of the key events a widget receives goes wrong whenever a release
// goes elsewhere (a drag under way takes every key event). The events are
// counted only for a window system that cannot be asked.
class NavigationKeys {
public:
    void OnKeyPress(const QKeyEvent& event);
    void OnKeyRelease(const QKeyEvent& event);
    // The widget lost the keyboard: whatever it saw go down, it will not see go up.
    void Forget() { m_pressed.clear(); }
    bool IsHeld() const;

private:
    QSet<int> m_pressed;
};

} // namespace platform
