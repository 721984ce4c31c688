#pragma once
// Keys by where they sit on the keyboard rather than by what the layout
// prints on them.
class QKeyEvent;

namespace platform {

// The digit (0-9) of the main keyboard's digit-row key that the event comes
// from, whatever the layout makes of it with or without Shift ("#" for
// Shift+3 on a US keyboard, '"' for the unshifted 3 key on a French one);
// -1 for every other key, the keypad's digits included.
int digitRowKey(const QKeyEvent& event);

} // namespace platform
