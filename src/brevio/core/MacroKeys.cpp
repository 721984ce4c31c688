#include "brevio/core/MacroKeys.h"

#include "platform/KeyboardKeys.h"

#include <QKeyEvent>

int MacroSlotOfKey(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (!(modifiers & Qt::ControlModifier) || (modifiers & Qt::AltModifier))
        return -1;
    // With Shift a layout names the key after its other sign.
    const int digit = platform::digitRowKey(event);
    if (digit < 0)
        return -1;
    return digit + ((modifiers & Qt::ShiftModifier) ? 10 : 0);
}
