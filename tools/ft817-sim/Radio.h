#pragma once
// The simulated FT-817: its EEPROM and the CAT command interpreter on top of it.
//
// The radio keeps nearly all of its state in the EEPROM image, as the real set
// does: frequency, mode, narrow filters, clarifier, repeater and tone settings
// live in the 26-byte record of the band (or memory channel) in use; VFO, band,
// memory mode, lock and split are bits of the fixed bytes at 0x55..0x7A. An
// EEPROM write through CAT therefore changes what the next CAT read shows, and a
// CAT command shows up in the EEPROM. Only PTT, power and the S-meter live
// outside it.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace ft817sim {

constexpr int kEepromSize = 0x2000;          // 8 KB part; CAT addresses wrap at its end
constexpr uint16_t kHighestReadAddress = 0x1927;

constexpr uint16_t kVfoRecordBase = 0x007D;
constexpr int kRecordSize = 26;
constexpr int kBandsPerVfo = 15;
constexpr uint16_t kMemoryTuneRecord = 0x0425;
constexpr uint16_t kCurrentMemoryChannel = 0x044F;
constexpr uint16_t kUsedBitmap = 0x0450;
constexpr uint16_t kMemoryBase = 0x0484;
constexpr int kMemoryChannels = 202;

// Fixed bytes.
constexpr uint16_t kVfoStateByte = 0x0055;  // b0 VFO B, b5 M-Tune, b6 memory, b7 VFO enabled
constexpr uint16_t kMemoryModeByte = 0x0056;
constexpr uint16_t kAgcByte = 0x0057;       // b0-1 AGC, b5 NB, b6 clear = locked, b7 clear = FST
constexpr uint16_t kBandByte = 0x0059;      // b0-3 VFO A band, b4-7 VFO B band
constexpr uint16_t kPowerByte = 0x0079;     // b0-1 TX power, b3-4 DW/PRI, b5-6 scan
constexpr uint16_t kAntennaByte = 0x007A;   // b0-5 antenna per band class, b7 split

// CAT opcodes the radio answers.
namespace op {
constexpr uint8_t LockOn = 0x00, LockOff = 0x80;
constexpr uint8_t SetFrequency = 0x01, ReadFrequencyAndMode = 0x03, SetMode = 0x07;
constexpr uint8_t SplitOn = 0x02, SplitOff = 0x82;
constexpr uint8_t ClarifierOn = 0x05, ClarifierOff = 0x85, ClarifierOffset = 0xF5;
constexpr uint8_t PttOn = 0x08, PttOff = 0x88;
constexpr uint8_t RepeaterShift = 0x09, RepeaterOffset = 0xF9;
constexpr uint8_t ToneMode = 0x0A, CtcssTone = 0x0B, DcsCode = 0x0C;
constexpr uint8_t PowerOn = 0x0F, PowerOff = 0x8F;
constexpr uint8_t ToggleVfo = 0x81;
constexpr uint8_t ReadRxStatus = 0xE7, ReadTxStatus = 0xF7;
constexpr uint8_t ReadEeprom = 0xBB, WriteEeprom = 0xBC, ReadTxMeter = 0xBD;
} // namespace op

// Five bytes, parameters first, opcode last.
struct Frame {
    std::array<uint8_t, 5> bytes{};
    uint8_t opcode() const { return bytes[4]; }
    uint16_t address() const { return uint16_t(bytes[0] << 8 | bytes[1]); }
    static Frame of(uint8_t p1, uint8_t p2, uint8_t p3, uint8_t p4, uint8_t opcode)
    {
        return Frame{{p1, p2, p3, p4, opcode}};
    }
};

using Eeprom = std::array<uint8_t, kEepromSize>;
using Reply = std::vector<uint8_t>;

// The number of reply bytes the radio sends for an opcode (0: none).
int replyLength(uint8_t opcode);

// 10 Hz units <-> the radio's four big-endian BCD bytes (eight digits).
// decodeBcd returns false when a nibble is not a decimal digit.
bool decodeBcd(const uint8_t* bytes, int count, uint32_t* value);
void encodeBcd(uint32_t value, uint8_t* bytes, int count);

// VFO band record holding a frequency (Hz), or -1 outside the receiver's coverage.
int bandForFrequency(uint64_t hz);
// Frequency-range code of a band record: 0 HF, 1 6 m, 2 FM broadcast, 3 air, 4 2 m, 5 70 cm.
int rangeCodeForBand(int band);

// Index into the radio's tone and code tables, or -1 when it has no such entry.
int ctcssIndexForTenthsHz(int tenths);
int dcsIndexForCode(int code);

class Radio {
public:
    Radio();
    explicit Radio(const Eeprom& image);

    // Handles one complete frame; an empty reply means the radio stays silent.
    Reply handleFrame(const Frame& frame);

    // Direct access to the image (tests, --eeprom, --poke). Addresses wrap.
    const Eeprom& eeprom() const { return m_eeprom; }
    uint8_t peek(uint32_t address) const { return m_eeprom[address % kEepromSize]; }
    void poke(uint32_t address, uint8_t value) { m_eeprom[address % kEepromSize] = value; }

    bool isPoweredOn() const { return m_powerOn; }
    bool isTransmitting() const { return m_transmitting; }
    bool isVfoB() const;
    bool isMemoryMode() const;
    bool isMemoryTune() const;
    bool isLocked() const;
    bool isSplit() const;
    bool isClarifierOn() const;
    int clarifierOffset() const;            // 10 Hz units, signed
    int vfoBand(bool vfoB) const;
    uint16_t currentRecordAddress() const;  // record the radio tunes with
    uint16_t otherVfoRecordAddress() const; // the other VFO's band record
    uint32_t frequency() const;             // 10 Hz units, of the current record
    uint8_t catMode() const;                // as the frequency read reports it
    uint8_t sMeter() const;

    // The scan bits of 0x79 say "up": each frequency read then finds the
    // radio one step further (see scanStep).
    bool isScanningUp() const;

    // Fixes the S-meter reading (0-15); -1 derives it from the frequency.
    void setSMeter(int value) { m_fixedSMeter = value; }
    // The ALC reading of the TX meter (0-15).
    void setAlc(int value) { m_alc = value & 0x0F; }

private:
    uint32_t recordFrequency(uint16_t record) const;
    uint8_t recordCatMode(uint16_t record) const;
    uint16_t bandRecordAddress(bool vfoB, int band) const;
    // The record a tuning command changes; in memory mode the radio moves to
    // memory tune first, as its own dial does.
    uint16_t tunableRecord();
    bool setFlag(uint16_t address, int bit, bool on); // true when it changed
    Reply ack(bool changed) const;

    // One step of the radio's own scan: up the dial by the mode's step (VFO
    // and memory tune, staying inside the band), or on to the next channel
    // in use without its skip bit (memory mode).
    void scanStep();
    Reply setFrequency(const Frame& f);
    Reply setMode(const Frame& f);
    Reply readFrequencyAndMode() const;
    uint8_t rxStatus() const;
    uint8_t txStatus() const;
    Reply txMeter() const;

    Eeprom m_eeprom{};
    bool m_powerOn = true;
    bool m_transmitting = false;
    int m_fixedSMeter = -1;
    int m_alc = 3;
};

} // namespace ft817sim
