#pragma once
// The mode list of the favourite dialogs: nine CAT modes in the radio's
// front-panel order, each item carrying its CAT mode code.
#include <cstdint>

class COwnComboBox;

namespace FavouriteModes {
void Fill(COwnComboBox& combo);
// The first item with that code, else the first item.
void Select(COwnComboBox& combo, uint8_t nMode);
} // namespace FavouriteModes
