#pragma once
#include <QStringList>

class QWidget;

namespace testsupport {

// Keys that two owners claim while `window` is the active window, as Qt's
// shortcut map sees them: shortcuts and actions whose widget lies in the
// window (a menu counts where it hangs: a menu bar's menu, a child window's
// system menu), the underlined letters of its menu titles (Alt and the
// letter opens the menu, unless a shortcut holds that key first), the
// underlined letters of its buttons and labels, and, for
// a tool window, what its owner window passes on to it (its shortcuts,
// actions and menu titles). Qt hands such a key to one owner after the
// other and warns of an ambiguous overload, so the key works only every
// other time. Two underlined letters alone are not counted: Qt moves the
// focus between them, as the desktop does. One line per key.
QStringList shortcutClashes(QWidget* window);

} // namespace testsupport
