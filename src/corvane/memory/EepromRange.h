#pragma once
// A range of the radio's EEPROM as the analyser and the browser read it:
// the range from two typed addresses, the read of one byte pair, and the
// comparison of two readings byte by byte.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

class CCatLink;

struct CEepromRange {
    uint32_t nLowest = 0;
    uint32_t nCount = 0;
    uint32_t nHighest = 0;

    // The analyser's range: from the smaller to the larger address, the
    // byte count made even (the last read brings two bytes).
    static CEepromRange ForAnalyser(uint32_t nFrom, uint32_t nTo);
    // The browser's range: whole rows of 16 bytes, from the row holding the
    // smaller address to the row that starts at the larger address rounded
    // up to a row boundary.
    static CEepromRange ForBrowser(uint32_t nFrom, uint32_t nTo);
};

// The EEPROM pair at an address. Above the radio's highest address the
// radio has no EEPROM: both bytes read 0xFF and nothing is sent. FALSE when
// the radio did not answer; the two bytes are then left as they were.
bool ReadEepromPair(CCatLink* pLink, uint32_t nAddress, uint8_t& nFirst, uint8_t& nSecond);

// One byte that differs between two readings of a range.
struct CEepromChange {
    uint32_t nAddress = 0;
    uint8_t nBase = 0;
    uint8_t nCurrent = 0;
    QString strBitsOn;   // "0, 3": bits set now that were clear
    QString strBitsOff;  // bits clear now that were set

    // "0x%04X", "0x%02X", "0x%02X", bits on, bits off.
    QStringList Row() const;
};

// Every byte of the range that differs between the baseline and the current
// reading; bytes whose read failed in either reading are left out (they were
// never seen, so they cannot be said to have changed).
QList<CEepromChange> CompareReadings(uint32_t nLowest, const QByteArray& baseline, const QByteArray& current,
                                     const std::vector<bool>& baselineRead, const std::vector<bool>& currentRead);
