// The macro slot of a key, for every combination of modifiers with a digit
// key: only Ctrl and Ctrl+Shift pick a slot; Ctrl with Alt (AltGr on
// Windows) picks none, nor do the keypad's digits and other keys.
#include "brevio/core/MacroKeys.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

namespace {

TEST(MacroKeys, SlotOfEachModifierCombination)
{
    const Qt::KeyboardModifier ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier, alt = Qt::AltModifier;
    struct Case {
        const char* name;
        Qt::KeyboardModifiers modifiers;
        int key;
        int slot;
    };
    const Case cases[] = {
        {"3", {}, Qt::Key_3, -1},
        {"Shift+3", shift, Qt::Key_3, -1},
        {"Alt+3", alt, Qt::Key_3, -1},
        {"Ctrl+3", ctrl, Qt::Key_3, 3},
        {"Ctrl+0", ctrl, Qt::Key_0, 0},
        {"Ctrl+9", ctrl, Qt::Key_9, 9},
        {"Ctrl+Shift+3", ctrl | shift, Qt::Key_3, 13},
        {"Ctrl+Shift+0", ctrl | shift, Qt::Key_0, 10},
        {"Ctrl+Shift+9", ctrl | shift, Qt::Key_9, 19},
        {"Ctrl+Alt+0 (AltGr+0)", ctrl | alt, Qt::Key_0, -1},
        {"Ctrl+Alt+3", ctrl | alt, Qt::Key_3, -1},
        {"Ctrl+Alt+Shift+3", ctrl | alt | shift, Qt::Key_3, -1},
        {"Ctrl with the keypad's 3", ctrl | Qt::KeypadModifier, Qt::Key_3, -1},
        {"Ctrl+A", ctrl, Qt::Key_A, -1},
    };
    for (const Case& c : cases) {
        const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers);
        EXPECT_EQ(MacroSlotOfKey(event), c.slot) << c.name;
    }
}

} // namespace
