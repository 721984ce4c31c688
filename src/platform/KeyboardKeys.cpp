#include "platform/KeyboardKeys.h"

#include <QGuiApplication>
#include <QKeyEvent>

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

} // namespace platform
