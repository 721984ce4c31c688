#pragma once
// The keys that pick a macro of a macros list: Ctrl with a digit key is slot
// 0-9, Ctrl+Shift with a digit key slot 10-19.
class QKeyEvent;

// The slot of a key, -1 for every other key. The digit is the digit-row key,
// whatever the layout prints on it (the keypad's digits are other keys).
// Ctrl with Alt picks nothing: on Windows AltGr arrives as Ctrl+Alt, and
// AltGr with a digit key types a sign ("@" on a French keyboard, "}" on a
// German one).
int MacroSlotOfKey(const QKeyEvent& event);
