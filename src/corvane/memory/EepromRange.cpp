#include "corvane/memory/EepromRange.h"

#include "corvane/core/CatLink.h"
#include "corvane/core/Settings.h"

#include <algorithm>

CEepromRange CEepromRange::ForAnalyser(uint32_t nFrom, uint32_t nTo)
{
    CEepromRange range;
    range.nLowest = std::min(nFrom, nTo);
    range.nHighest = std::max(nFrom, nTo);
    range.nCount = range.nHighest - range.nLowest + 1;
    if (range.nCount % 2)
        ++range.nCount;
    return range;
}

CEepromRange CEepromRange::ForBrowser(uint32_t nFrom, uint32_t nTo)
{
    CEepromRange range;
    range.nLowest = std::min(nFrom, nTo) & ~uint32_t(15);
    range.nHighest = std::max(nFrom, nTo);
    if (range.nHighest % 16)
        range.nHighest = (range.nHighest | 15) + 1;
    range.nCount = range.nHighest - range.nLowest + 16;
    return range;
}

bool ReadEepromPair(CCatLink* pLink, uint32_t nAddress, uint8_t& nFirst, uint8_t& nSecond)
{
    // Checked here as well as in the link: a 16-bit address must not wrap
    // round to the start of the EEPROM.
    if (nAddress > GetSettings().GetEepromLimit()) {
        nFirst = 0xFF;
        nSecond = 0xFF;
        return true;
    }
    uint8_t first = 0;
    uint8_t second = 0;
    if (!pLink || !pLink->ReadEepromAt(uint16_t(nAddress), first, second))
        return false;
    nFirst = first;
    nSecond = second;
    return true;
}

QStringList CEepromChange::Row() const
{
    return {QString::asprintf("0x%04X", nAddress), QString::asprintf("0x%02X", nBase),
            QString::asprintf("0x%02X", nCurrent), strBitsOn, strBitsOff};
}

QList<CEepromChange> CompareReadings(uint32_t nLowest, const QByteArray& baseline, const QByteArray& current,
                                     const std::vector<bool>& baselineRead, const std::vector<bool>& currentRead)
{
    QList<CEepromChange> changes;
    const qsizetype count = std::min(baseline.size(), current.size());
    for (qsizetype i = 0; i < count; ++i) {
        const size_t pair = size_t(i / 2);
        if (pair >= baselineRead.size() || pair >= currentRead.size() || !baselineRead[pair] || !currentRead[pair])
            continue;
        const uint8_t base = uint8_t(baseline[i]);
        const uint8_t now = uint8_t(current[i]);
        if (base == now)
            continue;
        CEepromChange change;
        change.nAddress = nLowest + uint32_t(i);
        change.nBase = base;
        change.nCurrent = now;
        QStringList on;
        QStringList off;
        for (int bit = 0; bit < 8; ++bit) {
            if (((base ^ now) >> bit) & 1)
                ((now >> bit) & 1 ? on : off) << QString::asprintf("%d", bit);
        }
        change.strBitsOn = on.join(QStringLiteral(", "));
        change.strBitsOff = off.join(QStringLiteral(", "));
        changes << change;
    }
    return changes;
}
