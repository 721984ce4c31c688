#pragma once
#include "Radio.h"

namespace ft817sim {

// A plausible image of a radio fresh from its own reset, with a handful of
// memory channels stored: VFO A on 20 m (14.070.00 USB), VFO B on 2 m
// (144.800.00 FM), menu settings at the radio's usual defaults.
Eeprom defaultEeprom();

// Writes one 26-byte channel or band record.
struct RecordSpec {
    uint32_t rxHz = 0;
    uint8_t modeCode = 1;      // record mode code: 0 LSB .. 7 PKT
    uint8_t shift = 0;         // 0 simplex, 1 minus, 2 plus, 3 split
    uint32_t offsetOrTxHz = 0; // repeater offset, or TX frequency when split
    uint8_t toneMode = 0;
    uint8_t ctcssIndex = 8;    // 88.5 Hz
    uint8_t dcsIndex = 0;
    bool fmNarrow = false;
    bool optionalFilter = false;
    const char* tag = nullptr; // shown instead of the frequency when set
};
void writeRecord(Eeprom& image, uint16_t address, const RecordSpec& spec);
// Stores a memory channel and marks it used.
void storeMemoryChannel(Eeprom& image, int channel, const RecordSpec& spec);

} // namespace ft817sim
