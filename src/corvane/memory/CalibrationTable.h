#pragma once
// The FT-817's factory calibration bytes (EEPROM 0x07 to 0x53) by name, and
// the read of the whole area, two bytes per CAT read.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>

class CCatLink;

struct CalibrationEntry {
    const char* pName;
    uint8_t nAddress;
    const char* pDescription;
};

namespace CalibrationTable {
constexpr int kCount = 77;

// The rows in their display order: ascending addresses, except that the
// voltmeter factor (0x53) follows its voltage partner (0x17).
const CalibrationEntry& Row(int nIndex);
QString Name(int nIndex);
QString Description(int nIndex);
uint16_t LowestAddress();
uint16_t HighestAddress();

// Reads lowest to highest into a buffer of (highest - lowest + 2) bytes,
// byte i holding the EEPROM byte at lowest + i. The progress callback gets
// each address before it is read and the read's index i. A failed read
// leaves its two bytes 0.
QByteArray ReadArea(CCatLink& link, const std::function<void(uint16_t nAddress, int nOffset)>& progress = {});
} // namespace CalibrationTable
