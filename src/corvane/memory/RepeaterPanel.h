#pragma once
// What the repeater tools need of the front panel: one poll of the radio on
// request and the bytes of that poll's status record. The front-panel view
// provides it; the sheet reads through it so that it and the panel's timer
// share one view of the radio.
#include <cstdint>

class CRepeaterPanel {
public:
    virtual ~CRepeaterPanel() = default;
    // Polls the radio once (with bytes 14-17 of the current record when
    // asked); FALSE when no front panel is open.
    virtual bool PollRadio(bool bReadExtra) = 0;
    // EEPROM byte of the last poll (0x5F: the ARS bits).
    virtual uint8_t GetEepromByte(int nAddress) const = 0;
    // Byte n (1, 4, 6, 7, 15, 16, 17) of the record the radio is on.
    virtual uint8_t GetRecordByte(int n) const = 0;
    // Dual Watch on in the last poll (EEPROM 0x79 bits 3 and 4 both set).
    virtual bool IsDualWatch() const = 0;
};
