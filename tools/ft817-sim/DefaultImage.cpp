#include "DefaultImage.h"

#include <algorithm>
#include <cstring>

namespace ft817sim {

namespace {

void put32(Eeprom& e, uint32_t a, uint32_t v)
{
    e[a] = uint8_t(v >> 24);
    e[a + 1] = uint8_t(v >> 16);
    e[a + 2] = uint8_t(v >> 8);
    e[a + 3] = uint8_t(v);
}

struct BandDefault {
    uint32_t hz;
    uint8_t mode;
    uint32_t offsetHz;
};

// One default per band record, VFO A: 160 m .. 70 cm, then general coverage.
constexpr BandDefault kVfoA[kBandsPerVfo] = {
    {1840000, 0, 0},     {3700000, 0, 0},     {7070000, 0, 0},      {10116000, 2, 0},
    {14070000, 1, 0},    {18100000, 1, 0},    {21070000, 1, 0},     {24920000, 1, 0},
    {28120000, 1, 0},    {50150000, 1, 0},    {88500000, 5, 0},     {118000000, 4, 0},
    {145500000, 5, 600000}, {433500000, 5, 7600000}, {909000, 4, 0},
};

} // namespace

void writeRecord(Eeprom& e, uint16_t a, const RecordSpec& s)
{
    const int band = bandForFrequency(s.rxHz);
    const uint8_t range = uint8_t(band < 0 ? 0 : rangeCodeForBand(band));
    const bool tagged = s.tag != nullptr;
    e[a + 0] = uint8_t((s.modeCode & 7) | (tagged ? 0x80 : 0x40));
    e[a + 1] = uint8_t(range | (s.fmNarrow ? 0x08 : 0) | (s.optionalFilter ? 0x10 : 0) | (s.shift & 3) << 6);
    e[a + 2] = 0x00;
    // Steps: FM 12.5 kHz, AM 5 kHz (9 kHz on the medium-wave record), SSB 2.5 kHz.
    const uint8_t amStep = s.rxHz < 1500000 ? 2 : 1;
    e[a + 3] = uint8_t(3 | amStep << 3 | 1 << 6);
    e[a + 4] = uint8_t(0x80 | (s.toneMode & 3));
    e[a + 5] = s.shift == 3 ? uint8_t(0x04 | (s.modeCode & 7) << 3) : 0x00;
    e[a + 6] = s.ctcssIndex;
    e[a + 7] = s.dcsIndex;
    e[a + 8] = 0x00; // clarifier offset, signed 16-bit, 10 Hz units
    e[a + 9] = 0x00;
    put32(e, a + 10, s.rxHz / 10);
    if (s.shift == 3) {
        put32(e, a + 14, s.offsetOrTxHz / 10);
    } else {
        put32(e, a + 14, (s.offsetOrTxHz / 10) & 0xFFFFFF);
    }
    for (int i = 0; i < 8; ++i)
        e[a + 18 + i] = 0x20;
    if (tagged)
        std::memcpy(&e[a + 18], s.tag, std::min<size_t>(8, std::strlen(s.tag)));
}

void storeMemoryChannel(Eeprom& e, int channel, const RecordSpec& spec)
{
    writeRecord(e, uint16_t(kMemoryBase + channel * kRecordSize), spec);
    e[kUsedBitmap + channel / 8] |= uint8_t(1 << (channel % 8));
}

Eeprom defaultEeprom()
{
    Eeprom e{};
    e.fill(0xFF);

    // Header and checksum bytes the radio keeps for itself.
    const uint8_t header[7] = {0x00, 0x00, 0x27, 0x11, 0x5A, 0xA5, 0x00};
    std::memcpy(&e[0], header, sizeof header);
    // Factory calibration 0x0007..0x0053: smooth curves rather than a blank
    // area, so a calibration clone looks like one.
    for (int a = 0x0007; a <= 0x0053; ++a)
        e[a] = uint8_t(0x30 + ((a * 37) % 0x90));
    e[0x0054] = 0x00;

    // Operating state and menu settings.
    e[kVfoStateByte] = 0x80;  // VFO operation, VFO A
    e[kMemoryModeByte] = 0x00;
    e[kAgcByte] = 0xC0;       // AGC auto, NB off, panel unlocked, FST off
    e[0x0058] = 0x30;         // meter PWR, paddle normal, keyer on, semi break-in on
    e[kBandByte] = 0xC4;      // VFO A 20 m, VFO B 2 m
    e[0x005A] = 0x00;
    e[0x005B] = 0x85;         // contrast 5, blue, backlight on key press
    e[0x005C] = 0xB2;         // beep volume 50, beep 880 Hz
    e[0x005D] = 0x40;         // PKT 1200, scope continuous, ARTS beep range
    e[0x005E] = 0x08;         // CW pitch 700 Hz, lock mode dial
    e[0x005F] = 0x65;         // CW weight 1:3.0, ARS on both bands, knob RF gain
    e[0x0060] = 25;           // CW delay 250 ms
    e[0x0061] = 50;           // CW volume
    e[0x0062] = 0x50;         // 20 wpm, charge time 8 h
    e[0x0063] = 50;           // VOX gain, DIAL enabled in AM/FM
    e[0x0064] = 5;            // VOX delay 500 ms
    e[0x0065] = 0x40;         // APO off, DIG mode PSK31-U
    e[0x0066] = 0;            // FM time-out timer off
    for (int a = 0x0067; a <= 0x006C; ++a)
        e[a] = 50;            // SSB, AM, FM, DIG, PKT, 9600 mic gains
    e[0x006D] = e[0x006E] = 0x00; // DIG carrier offset
    e[0x006F] = e[0x0070] = 0x00; // DIG display offset
    for (int a = 0x0071; a <= 0x0074; ++a)
        e[a] = 0x00;          // SSB carrier offsets
    for (int a = 0x0075; a <= 0x0078; ++a)
        e[a] = 0x00;
    e[kPowerByte] = 0x00;     // high power, no DW, not scanning
    e[kAntennaByte] = 0x00;   // all front, no split
    e[0x007B] = 0x08;         // charge status 8 h
    e[0x007C] = 0x00;

    for (int b = 0; b < kBandsPerVfo; ++b) {
        RecordSpec a;
        a.rxHz = kVfoA[b].hz;
        a.modeCode = kVfoA[b].mode;
        a.offsetOrTxHz = kVfoA[b].offsetHz;
        writeRecord(e, uint16_t(kVfoRecordBase + b * kRecordSize), a);
        RecordSpec bSpec = a;
        if (b == 4)
            bSpec.rxHz = 14200000;
        if (b == 12)
            bSpec.rxHz = 144800000;
        writeRecord(e, uint16_t(kVfoRecordBase + (kBandsPerVfo + b) * kRecordSize), bSpec);
    }

    // Home and memory-tune records, current channel, used bitmap.
    for (int a = 0x0389; a < kMemoryTuneRecord; ++a)
        e[a] = 0x00;
    RecordSpec tune;
    tune.rxHz = 14070000;
    writeRecord(e, kMemoryTuneRecord, tune);
    for (int a = kMemoryTuneRecord + kRecordSize; a < kCurrentMemoryChannel; ++a)
        e[a] = 0x00;
    e[kCurrentMemoryChannel] = 0;
    for (int a = kUsedBitmap; a < kUsedBitmap + 26; ++a)
        e[a] = 0x00;
    RecordSpec qmb;
    qmb.rxHz = 7070000;
    qmb.modeCode = 0;
    writeRecord(e, 0x046A, qmb);

    // Empty channels read back as FF throughout (no frequency).
    RecordSpec ch;
    ch.rxHz = 14070000; ch.modeCode = 1; ch.tag = "PSK20";
    storeMemoryChannel(e, 0, ch);
    ch = {}; ch.rxHz = 7030000; ch.modeCode = 2; ch.optionalFilter = true; ch.tag = "QRP CW";
    storeMemoryChannel(e, 1, ch);
    ch = {}; ch.rxHz = 145500000; ch.modeCode = 5; ch.tag = "CALL 2M";
    storeMemoryChannel(e, 2, ch);
    ch = {}; ch.rxHz = 145725000; ch.modeCode = 5; ch.shift = 1; ch.offsetOrTxHz = 600000;
    ch.toneMode = 1; ch.ctcssIndex = 8; ch.tag = "RPT R7";
    storeMemoryChannel(e, 3, ch);
    ch = {}; ch.rxHz = 433500000; ch.modeCode = 5; ch.fmNarrow = true; ch.tag = "UHF S";
    storeMemoryChannel(e, 4, ch);
    ch = {}; ch.rxHz = 50150000; ch.modeCode = 1; // no tag: shows its frequency
    storeMemoryChannel(e, 5, ch);
    ch = {}; ch.rxHz = 14195000; ch.modeCode = 1; ch.shift = 3; ch.offsetOrTxHz = 14225000; ch.tag = "DX SPLIT";
    storeMemoryChannel(e, 6, ch);
    ch = {}; ch.rxHz = 10142000; ch.modeCode = 6; ch.tag = "PSK30";
    storeMemoryChannel(e, 9, ch);

    // Above the memories, up to the last address the radio answers.
    for (int a = kMemoryBase + kMemoryChannels * kRecordSize; a <= kHighestReadAddress; ++a)
        e[a] = 0x00;
    return e;
}

} // namespace ft817sim
