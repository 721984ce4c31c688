#pragma once
// The arithmetic and text forms of the transverter display: the on-air
// frequency from the radio's frequency and an offset, and the stored list of
// named offsets ("+116.000": mode character, then MHz with three decimals).
#include <QChar>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace Transverter {

// 0 "Transverter + FT-817", 1 "Transverter - FT-817", 2 "FT-817 - Transverter".
enum Mode { kAdd = 0, kOffsetMinusRadio = 1, kRadioMinusOffset = 2 };

QChar ModeChar(int nMode);                 // "+", "-", "!"; other numbers "+"
int ModeFromChar(QChar c);                 // unknown characters count as 0
QString ModeName(int nMode);               // empty for an unknown mode
QString ModeNameForChar(QChar c);          // empty for an unknown character

// The on-air frequency in Hz; 0 when the subtraction would go below zero
// (shown as 0.000.00).
uint64_t DisplayedHz(uint32_t nRadioHz, uint32_t nOffsetKHz, int nMode);
// "MHz.kHz.tens": 144.125.67.
QString DisplayText(uint32_t nRadioHz, uint32_t nOffsetKHz, int nMode);
// kHz as MHz with three decimals: 116000 -> "116.000", 50 -> "0.050".
QString OffsetMHzText(uint32_t nOffsetKHz);
QString Caption(uint32_t nOffsetKHz);      // "Transverter: Offset = 116.000 MHz"
QString ListEntry(int nMode, uint32_t nOffsetKHz);
// The offset text of the list ("116.000") read back as kHz.
uint32_t OffsetKHzFromText(const QString& strText);
// Ascending by the signed value of each entry (the number after the mode
// character, negative for "-").
void SortEntries(QStringList& entries);

} // namespace Transverter
