#include "corvane/memory/CalibrationTable.h"

#include "corvane/core/CatLink.h"

#include <algorithm>

namespace {
const CalibrationEntry kRows[CalibrationTable::kCount] = {
    {"HF1 Rx Gain", 0x07, "This sets the receiver gain on the lowest HF band segment."},
    {"HF2 Rx Gain", 0x08, "This sets the receiver gain on the middle HF band segment."},
    {"HF3 Rx Gain", 0x09, "This sets the receiver gain on the highest HF band segment."},
    {"50MHz Rx Gain", 0x0A, "This sets the receiver gain on the 50 MHz band."},
    {"VHF Rx Gain", 0x0B, "This sets the receiver gain on the VHF bands."},
    {"UHF Rx Gain", 0x0C, "This sets the receiver gain on the UHF band."},
    {"SSB S9 Signal Strength", 0x0D,
     "This adjusts the amount of signal required for an S-9 reading in the AM/SSB/CW modes on all bands."},
    {"SSB Full Scale Signal Strength", 0x0E,
     "This adjusts the amount of signal required for a full-scale S-meter reading in the AM/SSB/CW modes on all "
     "bands."},
    {"FM S1 Signal Strength", 0x0F,
     "This adjusts the amount of signal required for an S-1 reading in the FM mode."},
    {"FM Full Scale Signal Strength", 0x10,
     "This adjusts the amount of signal required for a full-scale S-meter reading in the FM mode."},
    {"FM Center-tuned Low Threshold", 0x11,
     "This sets the lower limit of the discriminator window in which an FM signal counts as centre-tuned."},
    {"FM Center-tuned High Threshold", 0x12,
     "This sets the upper limit of the discriminator window in which an FM signal counts as centre-tuned."},
    {"FM Squelch TH1", 0x13, "This sets the squelch threshold at the low end of the SQL knob's travel in FM."},
    {"FM Squelch TH2", 0x14, "This sets the squelch threshold at the high end of the SQL knob's travel in FM."},
    {"FM Squelch TI1", 0x15,
     "This sets the first squelch timing constant in FM. It decides how quickly the squelch opens."},
    {"FM Squelch TI2", 0x16,
     "This sets the second squelch timing constant in FM. It decides how quickly the squelch closes."},
    {"Voltmeter Calibration (Voltage)", 0x17,
     "This calibrates the supply voltage shown by the radio. Together with the factor below it sets the voltmeter "
     "reading."},
    {"Voltmeter Calibration (Factor)", 0x53, ""},
    {"HF1 Current Limit", 0x18,
     "This limits the transmitter's current drain on the lowest HF band segment, which protects the final "
     "amplifier."},
    {"HF2 Current Limit", 0x19, "This limits the transmitter's current drain on the middle HF band segment."},
    {"HF3 Current Limit", 0x1A, "This limits the transmitter's current drain on the highest HF band segment."},
    {"50MHz Current Limit", 0x1B, "This limits the transmitter's current drain on the 50 MHz band."},
    {"VHF Current Limit", 0x1C, "This limits the transmitter's current drain on the VHF bands."},
    {"UHF Current Limit", 0x1D, "This limits the transmitter's current drain on the UHF band."},
    {"HF1 Power Level High", 0x1E, "This sets the output power at the High setting on the lowest HF band segment."},
    {"HF1 Power Level L3", 0x1F, "This sets the output power at the L3 setting on the lowest HF band segment."},
    {"HF1 Power Level L2", 0x20, "This sets the output power at the L2 setting on the lowest HF band segment."},
    {"HF1 Power Level L1", 0x21, "This sets the output power at the L1 setting on the lowest HF band segment."},
    {"HF2 Power Level High", 0x22, "This sets the output power at the High setting on the middle HF band segment."},
    {"HF2 Power Level L3", 0x23, "This sets the output power at the L3 setting on the middle HF band segment."},
    {"HF2 Power Level L2", 0x24, "This sets the output power at the L2 setting on the middle HF band segment."},
    {"HF2 Power Level L1", 0x25, "This sets the output power at the L1 setting on the middle HF band segment."},
    {"HF3 Power Level High", 0x26, "This sets the output power at the High setting on the highest HF band segment."},
    {"HF3 Power Level L3", 0x27, "This sets the output power at the L3 setting on the highest HF band segment."},
    {"HF3 Power Level L2", 0x28, "This sets the output power at the L2 setting on the highest HF band segment."},
    {"HF3 Power Level L1", 0x29, "This sets the output power at the L1 setting on the highest HF band segment."},
    {"50MHz Power Level High", 0x2A, "This sets the output power at the High setting on the 50 MHz band."},
    {"50MHz Power Level L3", 0x2B, "This sets the output power at the L3 setting on the 50 MHz band."},
    {"50MHz Power Level L2", 0x2C, "This sets the output power at the L2 setting on the 50 MHz band."},
    {"50MHz Power Level L1", 0x2D, "This sets the output power at the L1 setting on the 50 MHz band."},
    {"VHF Power Level High", 0x2E, "This sets the output power at the High setting on the VHF bands."},
    {"VHF Power Level L3", 0x2F, "This sets the output power at the L3 setting on the VHF bands."},
    {"VHF Power Level L2", 0x30, "This sets the output power at the L2 setting on the VHF bands."},
    {"VHF Power Level L1", 0x31, "This sets the output power at the L1 setting on the VHF bands."},
    {"UHF Power Level High", 0x32, "This sets the output power at the High setting on the UHF band."},
    {"UHF Power Level L3", 0x33, "This sets the output power at the L3 setting on the UHF band."},
    {"UHF Power Level L2", 0x34, "This sets the output power at the L2 setting on the UHF band."},
    {"UHF Power Level L1", 0x35, "This sets the output power at the L1 setting on the UHF band."},
    {"HF1 Transmitter Gain", 0x36,
     "This sets the drive of the transmitter chain on the lowest HF band segment. It keeps the power flat across "
     "the segment."},
    {"HF2 Transmitter Gain", 0x37, "This sets the drive of the transmitter chain on the middle HF band segment."},
    {"HF3 Transmitter Gain", 0x38, "This sets the drive of the transmitter chain on the highest HF band segment."},
    {"50MHz Transmitter Gain", 0x39, "This sets the drive of the transmitter chain on the 50 MHz band."},
    {"VHF Transmitter Gain", 0x3A, "This sets the drive of the transmitter chain on the VHF bands."},
    {"UHF Transmitter Gain", 0x3B, "This sets the drive of the transmitter chain on the UHF band."},
    {"HF1 Power Output Meter", 0x3C, "This calibrates the RF Power meter for HF Band 1"},
    {"HF2 Power Output Meter", 0x3D, "This calibrates the RF Power meter for HF Band 2"},
    {"HF3 Power Output Meter", 0x3E, "This calibrates the RF Power meter for HF Band 3"},
    {"50MHz Power Output Meter", 0x3F, "This calibrates the RF Power meter for the 50 MHz band"},
    {"VHF Power Output Meter", 0x40, "This calibrates the RF Power meter for the VHF bands"},
    {"UHF Power Output Meter", 0x41, "This calibrates the RF Power meter for the UHF band"},
    {"ALC Meter (no-signal)", 0x42, "This sets the ALC meter's reading while no signal is being transmitted."},
    {"ALC Meter (signal)", 0x43, "This sets the ALC meter's reading with a full transmit signal."},
    {"HF1 Reflected Power (SWR Meter)", 0x44,
     "This calibrates the reflected-power detector of the SWR meter on the lowest HF band segment."},
    {"HF2 Reflected Power (SWR Meter)", 0x45,
     "This calibrates the reflected-power detector of the SWR meter on the middle HF band segment."},
    {"HF3 Reflected Power (SWR Meter)", 0x46,
     "This calibrates the reflected-power detector of the SWR meter on the highest HF band segment."},
    {"50MHz Reflected Power (SWR Meter)", 0x47,
     "This calibrates the reflected-power detector of the SWR meter on the 50 MHz band."},
    {"VHF Reflected Power (SWR Meter)", 0x48,
     "This calibrates the reflected-power detector of the SWR meter on the VHF bands."},
    {"UHF Reflected Power (SWR Meter)", 0x49,
     "This calibrates the reflected-power detector of the SWR meter on the UHF band."},
    {"CW Carrier Injection Level", 0x4A, "This sets the carrier level injected into the transmitter in the CW mode."},
    {"AM Unmodulated Carrier Level", 0x4B,
     "This sets the level of the unmodulated carrier in the AM mode, and with it the AM output power."},
    {"FM Wide Deviation (+/- 5KHz Max)", 0x4C,
     "This sets the transmit deviation in the wide FM mode. It must not exceed 5 KHz either side."},
    {"FM Narrow Deviation (+/- 2.5KHz Max)", 0x4D,
     "This sets the transmit deviation in the narrow FM mode. It must not exceed 2.5 KHz either side."},
    {"Modulation Meter", 0x4E, "This calibrates the modulation (MOD) meter shown while transmitting."},
    {"CTCSS Deviation", 0x4F, "This sets the deviation of the sub-audible CTCSS tone on transmit."},
    {"DCS Deviation", 0x50, "This sets the deviation of the DCS code on transmit."},
    {"LSB BFO Frequency", 0x51,
     "This trims the beat frequency oscillator used for LSB. It shifts the received and transmitted audio "
     "passband."},
    {"USB BFO Frequency", 0x52,
     "This trims the beat frequency oscillator used for USB. It shifts the received and transmitted audio "
     "passband."},
};
} // namespace

namespace CalibrationTable {

const CalibrationEntry& Row(int nIndex)
{
    return kRows[std::clamp(nIndex, 0, kCount - 1)];
}

QString Name(int nIndex)
{
    return QString::fromLatin1(Row(nIndex).pName);
}

QString Description(int nIndex)
{
    return QString::fromLatin1(Row(nIndex).pDescription);
}

uint16_t LowestAddress()
{
    uint16_t lowest = 0xFFFF;
    for (const CalibrationEntry& row : kRows)
        lowest = std::min<uint16_t>(lowest, row.nAddress);
    return lowest;
}

uint16_t HighestAddress()
{
    uint16_t highest = 0;
    for (const CalibrationEntry& row : kRows)
        highest = std::max<uint16_t>(highest, row.nAddress);
    return highest;
}

QByteArray ReadArea(CCatLink& link, const std::function<void(uint16_t, int)>& progress)
{
    const uint16_t lowest = LowestAddress();
    const int count = HighestAddress() - lowest + 1;
    QByteArray buffer(count + 1, '\0');
    for (int i = 0; i < count; i += 2) {
        const uint16_t address = uint16_t(lowest + i);
        if (progress)
            progress(address, i);
        uint8_t first = 0;
        uint8_t second = 0;
        if (link.ReadEepromAt(address, first, second)) {
            buffer[i] = char(first);
            buffer[i + 1] = char(second);
        }
    }
    return buffer;
}

} // namespace CalibrationTable
