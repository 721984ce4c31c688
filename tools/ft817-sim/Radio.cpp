#include "Radio.h"

#include "DefaultImage.h"

namespace ft817sim {

namespace {

constexpr uint8_t kAck = 0x00;
// The radio answers 0xF0 to an on/off command that finds the state already set.
constexpr uint8_t kAlreadySet = 0xF0;

// Record mode code (3 bits) to the CAT mode code of the same mode.
constexpr uint8_t kCatModeOfRecordMode[8] = {0x00, 0x01, 0x02, 0x03, 0x04, 0x08, 0x0A, 0x0C};

constexpr uint16_t kCtcssTenths[50] = {
    670, 693, 719, 744, 770, 797, 825, 854, 885, 915, 948, 974, 1000, 1035, 1072, 1109, 1148,
    1188, 1230, 1273, 1318, 1365, 1413, 1462, 1514, 1567, 1598, 1622, 1655, 1679, 1713, 1738,
    1773, 1799, 1835, 1862, 1899, 1928, 1966, 1995, 2035, 2065, 2107, 2181, 2257, 2291, 2336,
    2418, 2503, 2541};

// DCS codes as their octal digits written in decimal (023 -> 23).
constexpr uint16_t kDcsCodes[104] = {
    23,  25,  26,  31,  32,  36,  43,  47,  51,  53,  54,  65,  71,  72,  73,  74,  114, 115,
    116, 122, 125, 131, 132, 134, 143, 145, 152, 155, 156, 162, 165, 172, 174, 205, 212, 223,
    225, 226, 243, 244, 245, 246, 251, 252, 255, 261, 263, 265, 266, 271, 274, 306, 311, 315,
    325, 331, 332, 343, 346, 351, 356, 364, 365, 371, 411, 412, 413, 423, 431, 432, 445, 446,
    452, 454, 455, 462, 464, 465, 466, 503, 506, 516, 523, 526, 532, 546, 565, 606, 612, 624,
    627, 631, 632, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754};

struct BandEdge {
    uint64_t fromHz;
    uint64_t toHz; // inclusive
    int band;
};

// Which band record the radio files a frequency under. The receiver covers
// 0.1-56, 76-154 and 420-470 MHz; everything between the amateur bands goes
// to the nearest band's record, medium and long wave to the general record.
constexpr BandEdge kBandEdges[] = {
    {100000, 1499999, 14},        {1500000, 2999999, 0},        {3000000, 5499999, 1},
    {5500000, 8499999, 2},        {8500000, 11999999, 3},       {12000000, 15999999, 4},
    {16000000, 19499999, 5},      {19500000, 22999999, 6},      {23000000, 26499999, 7},
    {26500000, 39999999, 8},      {40000000, 56000000, 9},      {76000000, 107999999, 10},
    {108000000, 136999999, 11},   {137000000, 154000000, 12},   {420000000, 470000000, 13},
};

} // namespace

int replyLength(uint8_t opcode)
{
    switch (opcode) {
    case op::ReadFrequencyAndMode:
        return 5;
    case op::ReadEeprom:
    case op::ReadTxMeter:
        return 2;
    case op::LockOn: case op::LockOff: case op::SetFrequency: case op::SetMode:
    case op::SplitOn: case op::SplitOff: case op::ClarifierOn: case op::ClarifierOff:
    case op::ClarifierOffset: case op::PttOn: case op::PttOff: case op::RepeaterShift:
    case op::RepeaterOffset: case op::ToneMode: case op::CtcssTone: case op::DcsCode:
    case op::PowerOn: case op::PowerOff: case op::ToggleVfo: case op::ReadRxStatus:
    case op::ReadTxStatus: case op::WriteEeprom:
        return 1;
    default:
        return 0;
    }
}

bool decodeBcd(const uint8_t* bytes, int count, uint32_t* value)
{
    uint32_t v = 0;
    for (int i = 0; i < count; ++i) {
        const int hi = bytes[i] >> 4, lo = bytes[i] & 0x0F;
        if (hi > 9 || lo > 9)
            return false;
        v = v * 100 + uint32_t(hi * 10 + lo);
    }
    *value = v;
    return true;
}

void encodeBcd(uint32_t value, uint8_t* bytes, int count)
{
    for (int i = count - 1; i >= 0; --i) {
        const uint32_t two = value % 100;
        value /= 100;
        bytes[i] = uint8_t((two / 10) << 4 | (two % 10));
    }
}

int bandForFrequency(uint64_t hz)
{
    for (const BandEdge& e : kBandEdges)
        if (hz >= e.fromHz && hz <= e.toHz)
            return e.band;
    return -1;
}

int rangeCodeForBand(int band)
{
    switch (band) {
    case 9: return 1;
    case 10: return 2;
    case 11: return 3;
    case 12: return 4;
    case 13: return 5;
    default: return 0;
    }
}

int ctcssIndexForTenthsHz(int tenths)
{
    for (int i = 0; i < 50; ++i)
        if (kCtcssTenths[i] == tenths)
            return i;
    return -1;
}

int dcsIndexForCode(int code)
{
    for (int i = 0; i < 104; ++i)
        if (kDcsCodes[i] == code)
            return i;
    return -1;
}

Radio::Radio() : m_eeprom(defaultEeprom()) {}

Radio::Radio(const Eeprom& image) : m_eeprom(image) {}

bool Radio::isVfoB() const { return m_eeprom[kVfoStateByte] & 0x01; }
bool Radio::isMemoryMode() const { return m_eeprom[kVfoStateByte] & 0x40; }
bool Radio::isMemoryTune() const { return (m_eeprom[kVfoStateByte] & 0x60) == 0x60; }
bool Radio::isLocked() const { return !(m_eeprom[kAgcByte] & 0x40); }
bool Radio::isSplit() const { return m_eeprom[kAntennaByte] & 0x80; }
bool Radio::isClarifierOn() const { return m_eeprom[currentRecordAddress() + 2] & 0x40; }

int Radio::clarifierOffset() const
{
    const uint16_t r = currentRecordAddress();
    return int16_t(uint16_t(m_eeprom[r + 8] << 8 | m_eeprom[r + 9]));
}

int Radio::vfoBand(bool vfoB) const
{
    const int band = vfoB ? m_eeprom[kBandByte] >> 4 : m_eeprom[kBandByte] & 0x0F;
    // Nibble 15 has no record; the radio would show general coverage.
    return band < kBandsPerVfo ? band : kBandsPerVfo - 1;
}

uint16_t Radio::bandRecordAddress(bool vfoB, int band) const
{
    return uint16_t(kVfoRecordBase + (band + (vfoB ? kBandsPerVfo : 0)) * kRecordSize);
}

uint16_t Radio::currentRecordAddress() const
{
    if (isMemoryTune())
        return kMemoryTuneRecord;
    if (isMemoryMode()) {
        int channel = m_eeprom[kCurrentMemoryChannel];
        if (channel >= kMemoryChannels)
            channel = 0;
        return uint16_t(kMemoryBase + channel * kRecordSize);
    }
    return bandRecordAddress(isVfoB(), vfoBand(isVfoB()));
}

uint16_t Radio::otherVfoRecordAddress() const
{
    const bool other = !isVfoB();
    return bandRecordAddress(other, vfoBand(other));
}

uint32_t Radio::recordFrequency(uint16_t r) const
{
    return uint32_t(m_eeprom[r + 10]) << 24 | uint32_t(m_eeprom[r + 11]) << 16
        | uint32_t(m_eeprom[r + 12]) << 8 | m_eeprom[r + 13];
}

uint8_t Radio::recordCatMode(uint16_t r) const
{
    const uint8_t code = m_eeprom[r] & 0x07;
    const uint8_t range = m_eeprom[r + 1] & 0x07;
    uint8_t mode = kCatModeOfRecordMode[code];
    if (code == 5 && range == 2)
        return 0x06; // wide FM on the broadcast band has no narrow filter
    const bool narrow = code == 5 ? (m_eeprom[r + 1] & 0x08) : code == 4 ? false : (m_eeprom[r + 1] & 0x10);
    if (narrow)
        mode |= 0x80;
    return mode;
}

uint32_t Radio::frequency() const
{
    // Transmitting split, the radio shows and reports the other VFO.
    if (m_transmitting && isSplit())
        return recordFrequency(otherVfoRecordAddress());
    return recordFrequency(currentRecordAddress());
}

uint8_t Radio::catMode() const
{
    if (m_transmitting && isSplit())
        return recordCatMode(otherVfoRecordAddress());
    return recordCatMode(currentRecordAddress());
}

uint8_t Radio::sMeter() const
{
    if (m_transmitting)
        return 0;
    if (m_fixedSMeter >= 0)
        return uint8_t(m_fixedSMeter & 0x0F);
    // A steady, frequency-dependent band: some channels quiet, some busy.
    const uint32_t kHz = frequency() / 100;
    const uint32_t h = (kHz * 2654435761u) >> 28;
    return uint8_t(h < 6 ? 0 : h - 5);
}

uint16_t Radio::tunableRecord()
{
    if (isMemoryMode() && !isMemoryTune()) {
        const uint16_t from = currentRecordAddress();
        for (int i = 0; i < kRecordSize; ++i)
            m_eeprom[kMemoryTuneRecord + i] = m_eeprom[from + i];
        m_eeprom[kVfoStateByte] |= 0x60;
    }
    return currentRecordAddress();
}

bool Radio::setFlag(uint16_t address, int bit, bool on)
{
    const uint8_t old = m_eeprom[address];
    const uint8_t now = on ? uint8_t(old | 1 << bit) : uint8_t(old & ~(1 << bit));
    m_eeprom[address] = now;
    return now != old;
}

Reply Radio::ack(bool changed) const { return Reply{changed ? kAck : kAlreadySet}; }

bool Radio::isScanningUp() const
{
    return (m_eeprom[kPowerByte] & 0x60) == 0x40;
}

void Radio::scanStep()
{
    if (!isScanningUp() || m_transmitting)
        return;
    if (isMemoryMode() && !isMemoryTune()) {
        constexpr int kRegularChannels = 200;
        const int current = m_eeprom[kCurrentMemoryChannel];
        for (int i = 1; i <= kRegularChannels; ++i) {
            const int c = (current + i) % kRegularChannels;
            const bool used = (m_eeprom[kUsedBitmap + c / 8] >> (c % 8)) & 1;
            const bool skip = m_eeprom[kMemoryBase + c * kRecordSize + 2] & 0x80;
            if (used && !skip) {
                m_eeprom[kCurrentMemoryChannel] = uint8_t(c);
                return;
            }
        }
        return;
    }
    const uint16_t r = currentRecordAddress();
    const uint32_t tenHz = recordFrequency(r);
    uint32_t step = 100;  // 1 kHz: SSB, CW and data
    switch (recordCatMode(r) & 0x0F) {
    case 0x04: step = 500; break;                // AM
    case 0x06: step = 5000; break;               // wide FM
    case 0x08: case 0x0C: step = 1250; break;    // FM, packet
    default: break;
    }
    const uint32_t next = tenHz + step;
    if (bandForFrequency(uint64_t(next) * 10) != bandForFrequency(uint64_t(tenHz) * 10))
        return;
    m_eeprom[r + 10] = uint8_t(next >> 24);
    m_eeprom[r + 11] = uint8_t(next >> 16);
    m_eeprom[r + 12] = uint8_t(next >> 8);
    m_eeprom[r + 13] = uint8_t(next);
}

Reply Radio::readFrequencyAndMode() const
{
    Reply r(5);
    const uint32_t f = frequency();
    if (f > 99999999) {
        r[0] = r[1] = r[2] = r[3] = 0xFF; // an empty memory has no frequency to show
    } else {
        encodeBcd(f, r.data(), 4);
    }
    r[4] = catMode();
    return r;
}

Reply Radio::setFrequency(const Frame& f)
{
    uint32_t tenHz = 0;
    if (!decodeBcd(f.bytes.data(), 4, &tenHz))
        return Reply{kAck};
    const int band = bandForFrequency(uint64_t(tenHz) * 10);
    if (band < 0)
        return Reply{kAck}; // outside the receiver's coverage: the radio keeps its frequency
    uint16_t r = 0;
    if (isMemoryMode()) {
        r = tunableRecord();
        m_eeprom[r + 1] = uint8_t((m_eeprom[r + 1] & ~0x07) | rangeCodeForBand(band));
    } else {
        // Tuning into another band makes that band's record current, with the
        // mode and settings the radio last used there.
        const bool b = isVfoB();
        if (vfoBand(b) != band) {
            m_eeprom[kBandByte] = b ? uint8_t((m_eeprom[kBandByte] & 0x0F) | band << 4)
                                    : uint8_t((m_eeprom[kBandByte] & 0xF0) | band);
        }
        r = currentRecordAddress();
    }
    m_eeprom[r + 10] = uint8_t(tenHz >> 24);
    m_eeprom[r + 11] = uint8_t(tenHz >> 16);
    m_eeprom[r + 12] = uint8_t(tenHz >> 8);
    m_eeprom[r + 13] = uint8_t(tenHz);
    return Reply{kAck};
}

Reply Radio::setMode(const Frame& f)
{
    int code = -1;
    int fmNarrow = -1;
    switch (f.bytes[0]) {
    case 0x00: code = 0; break;
    case 0x01: code = 1; break;
    case 0x02: code = 2; break;
    case 0x03: code = 3; break;
    case 0x04: code = 4; break;
    case 0x06: code = 5; break; // WFM: FM, shown wide on the broadcast band
    case 0x08: code = 5; fmNarrow = 0; break;
    case 0x88: code = 5; fmNarrow = 1; break;
    case 0x0A: code = 6; break;
    case 0x0C: code = 7; break;
    default: break;
    }
    if (code < 0)
        return Reply{kAck};
    const uint16_t r = tunableRecord();
    m_eeprom[r] = uint8_t((m_eeprom[r] & ~0x07) | code);
    if (fmNarrow >= 0)
        setFlag(uint16_t(r + 1), 3, fmNarrow);
    return Reply{kAck};
}

uint8_t Radio::rxStatus() const
{
    const uint8_t s = sMeter();
    const uint8_t mode = catMode() & 0x7F;
    const bool fm = mode == 0x08 || mode == 0x0C;
    const uint8_t toneMode = m_eeprom[currentRecordAddress() + 4] & 0x03;
    uint8_t status = s;
    if (!(fm && s > 0))
        status |= 0x20; // discriminator off centre
    if (!(fm && s > 0 && (toneMode == 2 || toneMode == 3)))
        status |= 0x40; // no matching tone or code
    if (s == 0)
        status |= 0x80; // squelch closed
    return status;
}

uint8_t Radio::txStatus() const
{
    if (!m_transmitting)
        return 0xFF;
    // Bit 7 clear: keyed. Power meter in bits 0-3 from the power level.
    static constexpr uint8_t kPower[4] = {12, 8, 5, 3};
    return uint8_t((isSplit() ? 0x20 : 0x00) | kPower[m_eeprom[kPowerByte] & 0x03]);
}

Reply Radio::txMeter() const
{
    // The radio only meters while it transmits; in receive it stays silent.
    if (!m_transmitting)
        return {};
    static constexpr uint8_t kPower[4] = {12, 8, 5, 3};
    const uint8_t pwr = kPower[m_eeprom[kPowerByte] & 0x03];
    const uint8_t alc = uint8_t(m_alc), swr = 1, mod = 5;
    return Reply{uint8_t(pwr << 4 | alc), uint8_t(swr << 4 | mod)};
}

Reply Radio::handleFrame(const Frame& f)
{
    const uint8_t* p = f.bytes.data();
    if (!m_powerOn) {
        // Off, the radio hears only the power-on command.
        if (f.opcode() != op::PowerOn)
            return {};
        m_powerOn = true;
        return Reply{kAck};
    }
    switch (f.opcode()) {
    case op::ReadFrequencyAndMode:
        // The scan runs at the pace of whoever watches it.
        scanStep();
        return readFrequencyAndMode();
    case op::ReadRxStatus:
        return Reply{rxStatus()};
    case op::ReadTxStatus:
        return Reply{txStatus()};
    case op::ReadTxMeter:
        return txMeter();
    case op::ReadEeprom: {
        const uint16_t a = f.address();
        return Reply{peek(a), peek(uint32_t(a) + 1)};
    }
    case op::WriteEeprom: {
        const uint16_t a = f.address();
        poke(a, p[2]);
        poke(uint32_t(a) + 1, p[3]);
        return Reply{kAck};
    }
    case op::SetFrequency:
        return setFrequency(f);
    case op::SetMode:
        return setMode(f);
    case op::PttOn: {
        const bool changed = !m_transmitting;
        m_transmitting = true;
        return ack(changed);
    }
    case op::PttOff: {
        const bool changed = m_transmitting;
        m_transmitting = false;
        return ack(changed);
    }
    case op::LockOn:
        return ack(setFlag(kAgcByte, 6, false));
    case op::LockOff:
        return ack(setFlag(kAgcByte, 6, true));
    case op::SplitOn:
        return ack(setFlag(kAntennaByte, 7, true));
    case op::SplitOff:
        return ack(setFlag(kAntennaByte, 7, false));
    case op::ClarifierOn:
        return ack(setFlag(uint16_t(currentRecordAddress() + 2), 6, true));
    case op::ClarifierOff:
        return ack(setFlag(uint16_t(currentRecordAddress() + 2), 6, false));
    case op::ClarifierOffset: {
        uint32_t magnitude = 0;
        if (!decodeBcd(p + 2, 2, &magnitude))
            return Reply{kAck};
        if (magnitude > 999)
            magnitude = 999; // the clarifier reaches 9.99 kHz
        const int16_t offset = int16_t(p[0] ? -int(magnitude) : int(magnitude));
        const uint16_t r = currentRecordAddress();
        m_eeprom[r + 8] = uint8_t(uint16_t(offset) >> 8);
        m_eeprom[r + 9] = uint8_t(uint16_t(offset));
        return Reply{kAck};
    }
    case op::ToggleVfo:
        m_eeprom[kVfoStateByte] ^= 0x01;
        return Reply{kAck};
    case op::RepeaterShift: {
        int shift = -1;
        if (p[0] == 0x89)
            shift = 0;
        else if (p[0] == 0x09)
            shift = 1;
        else if (p[0] == 0x49)
            shift = 2;
        if (shift >= 0) {
            const uint16_t r = currentRecordAddress();
            m_eeprom[r + 1] = uint8_t((m_eeprom[r + 1] & 0x3F) | shift << 6);
        }
        return Reply{kAck};
    }
    case op::RepeaterOffset: {
        uint32_t tenHz = 0;
        if (decodeBcd(p, 4, &tenHz) && tenHz <= 0xFFFFFF) {
            const uint16_t r = currentRecordAddress();
            m_eeprom[r + 14] = 0;
            m_eeprom[r + 15] = uint8_t(tenHz >> 16);
            m_eeprom[r + 16] = uint8_t(tenHz >> 8);
            m_eeprom[r + 17] = uint8_t(tenHz);
        }
        return Reply{kAck};
    }
    case op::ToneMode: {
        int mode = -1;
        switch (p[0]) {
        case 0x8A: mode = 0; break;
        case 0x4A: mode = 1; break;              // CTCSS encoder
        case 0x2A: case 0x3A: mode = 2; break;   // CTCSS encoder and decoder (decoder alone)
        case 0x0A: case 0x0B: case 0x0C: mode = 3; break; // DCS (decoder, encoder alone)
        default: break;
        }
        if (mode >= 0) {
            const uint16_t r = currentRecordAddress();
            m_eeprom[r + 4] = uint8_t((m_eeprom[r + 4] & ~0x03) | mode);
        }
        return Reply{kAck};
    }
    case op::CtcssTone: {
        uint32_t tenths = 0;
        if (decodeBcd(p, 2, &tenths)) {
            const int index = ctcssIndexForTenthsHz(int(tenths));
            if (index >= 0) {
                const uint16_t r = currentRecordAddress();
                m_eeprom[r + 6] = uint8_t((m_eeprom[r + 6] & 0xC0) | index);
            }
        }
        return Reply{kAck};
    }
    case op::DcsCode: {
        uint32_t code = 0;
        if (decodeBcd(p, 2, &code)) {
            const int index = dcsIndexForCode(int(code));
            if (index >= 0) {
                const uint16_t r = currentRecordAddress();
                m_eeprom[r + 7] = uint8_t((m_eeprom[r + 7] & 0x80) | index);
            }
        }
        return Reply{kAck};
    }
    case op::PowerOn:
        return ack(false);
    case op::PowerOff:
        m_powerOn = false;
        m_transmitting = false;
        return Reply{kAck};
    default:
        return {}; // the radio ignores what it does not know
    }
}

} // namespace ft817sim
