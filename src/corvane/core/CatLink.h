#pragma once
#include <QString>
#include <atomic>
#include <cstdint>
#include <memory>

class QThread;

namespace platform {
class SerialPort;
}

// What the link needs of the front panel's last poll: where the radio is
// (memory mode, memory tune, VFO A/B) and the memory channel shown.
class CPanelState {
public:
    static constexpr int kNoChannel = 99999;
    virtual ~CPanelState() = default;
    virtual bool IsMemoryMode() const = 0;
    virtual bool IsMemoryTune() const = 0;
    virtual bool IsVfoA() const = 0;
    virtual int GetMemoryChannel() const = 0;
};

// The radio memory list's share in memory-mode changes.
class CMemoryListHooks {
public:
    virtual ~CMemoryListHooks() = default;
    // Switches the clarifier off in every used memory channel (radio and cache).
    virtual void ClearClarifiers() = 0;
    // Tunes the radio to that channel's receive frequency and mode.
    virtual void TuneToMemoryChannel(int nChannel) = 0;
};

// The one serial connection to the FT-817's CAT port. Commands are five
// bytes with the opcode last; replies have a length the caller knows (1, 2 or
// 5 bytes). Every exchange is synchronous and may be traced to the I/O log.
class CCatLink {
public:
    // Mode codes of the set-mode command.
    enum Mode : uint8_t {
        MODE_LSB = 0x00, MODE_USB = 0x01, MODE_CW = 0x02, MODE_CWR = 0x03,
        MODE_AM = 0x04, MODE_FM = 0x08, MODE_DIG = 0x0A, MODE_PKT = 0x0C,
    };

    CCatLink();
    virtual ~CCatLink();
    CCatLink(const CCatLink&) = delete;
    CCatLink& operator=(const CCatLink&) = delete;

    // --- The link ---
    bool Open(const QString& strPort, const QString& strSpeed, QString& strError);
    void Close();
    bool IsOpen() const;
    // The port was opened on a helper thread (the start-up search): it goes
    // to the thread that uses the link from now on.
    void MoveToThread(QThread* pThread);
    // A flag that, raised, cuts short the exchange in progress and refuses
    // further ones (see platform::SerialPort::setInterruptFlag); set and
    // cleared only while no exchange runs.
    void SetInterruptFlag(const std::atomic<bool>* pInterrupt);
    bool Transact(const uint8_t* command, int nCommandLength, uint8_t* reply, int nReplyLength,
                  const QString& strDescription);
    bool Send(const uint8_t* command, int nCommandLength, const QString& strDescription);
    bool WriteBytes(const uint8_t* buffer, int nCount, const QString& strDescription);
    bool ReadBytes(uint8_t* buffer, int nCount, const QString& strDescription);
    bool ReadBytesCount(uint8_t* buffer, int nCount, const QString& strDescription, int& nRead);
    void SetTraceAll(bool bTrace) { m_bTraceAll = bTrace; }
    bool GetTraceAll() const { return m_bTraceAll; }
    void SetClarifierFlag(bool bOn) { m_bClarifierOn = bOn; }
    bool GetClarifierFlag() const { return m_bClarifierOn; }

    // The link's neighbours; either may be absent.
    void SetPanelState(const CPanelState* pPanel) { m_pPanel = pPanel; }
    void SetMemoryListHooks(CMemoryListHooks* pHooks) { m_pMemoryHooks = pHooks; }

    // --- CAT commands ---
    // The four BCD bytes of the reply land in *pFrequency in reply (memory)
    // order. Outputs are cleared before the exchange.
    bool ReadFrequencyAndMode(uint32_t& nFrequencyBytes, uint8_t& nMode);
    bool ReadRxStatus(uint8_t& nStatus);
    bool ReadTxStatus(uint8_t& nStatus);
    bool ReadTxMeter(uint8_t& nFirst, uint8_t& nSecond);

    void SetLock(bool bOn);
    // Frequency in 10 Hz units, below 1 GHz; FALSE when refused or not sent.
    bool SetFrequency(uint32_t nTenHz);
    bool SetFrequencyHz(uint32_t nHz);
    bool SetOtherVfoFrequency(uint32_t nHz);
    bool SetFrequencyInMode(uint32_t nHz, uint8_t nMode);
    // The frequency (10 Hz units) last sent to the VFO in use, once: the
    // next poll tells whether the radio took it. FALSE when none was sent
    // since the last call.
    bool TakeSentFrequency(uint32_t& nTenHz);
    bool SetClarifier(bool bOn);
    // Offset in 10 Hz units, -999 to 999.
    bool SetClarifierOffset(int nTenHz);
    void SetMode(uint8_t nMode);
    // FALSE when the radio did not acknowledge it.
    bool SetPtt(bool bOn);
    void SetRepeaterShift(int nShift);
    bool SetRepeaterOffset(uint32_t nHz);
    void SetToneMode(int nMode);
    bool SetCtcssTone(uint8_t b1, uint8_t b2);
    bool SetDcsCode(uint8_t b1, uint8_t b2);
    void SetPower(bool bOn);
    void ToggleVfo();
    bool SetSplit(bool bOn);

    // --- EEPROM ---
    bool ReadEeprom(uint8_t nHigh, uint8_t nLow, uint8_t& nFirst, uint8_t& nSecond);
    bool ReadEepromAt(uint16_t nAddress, uint8_t& nFirst, uint8_t& nSecond);
    // A pair read until two answers in a row agree: one reply garbled on the
    // line must not pass for the radio's state when a write is decided on it.
    // FALSE (outputs unchanged, or FF FF above the limit) when no two agree
    // within a few reads or the radio stops answering.
    bool ReadEepromConfirmed(uint16_t nAddress, uint8_t& nFirst, uint8_t& nSecond);
    // Bits and fields come from confirmed reads; one that cannot be confirmed
    // reads as a zero byte (FF above the limit).
    int GetEepromBit(uint16_t nAddress, int nBit);
    int GetEepromField(uint16_t nAddress, int nShift, int nWidth);
    // The same, FALSE when the read could not be confirmed.
    bool ReadEepromField(uint16_t nAddress, int nShift, int nWidth, int& nValue);
    bool IsVfoA();
    int GetVfoABand();
    int GetVfoBBand();
    bool ReadBandRecord(bool bVfoA, int nBand, uint8_t* buffer, int nCount);

    // Verified masked write of the first byte of the pair at the address.
    // TRUE once the radio confirms the new byte.
    // Every masked write that ended without the radio's confirmation since
    // the link was made: a caller compares the count before and after its
    // writes to tell the operator what did not take.
    int GetUnconfirmedWrites() const { return m_nUnconfirmedWrites; }
    // A write its caller gave up before sending, since what it depends on
    // could not be read for certain.
    void NoteUnconfirmedWrite() { ++m_nUnconfirmedWrites; }
    bool WriteEepromBits(uint16_t nAddress, uint8_t nMask, uint8_t nValue, const QString& strDescription);
    bool WriteEepromByte(uint16_t nAddress, uint8_t nValue);
    bool SetEepromBit(uint16_t nAddress, int nBit, int nState, const QString& strDescription);
    bool ChangeEepromBit(uint16_t nAddress, int nBit, int nState);
    bool WriteBandRecordBits(int nOffset, uint8_t nMask, uint8_t nValue, const QString& strDescription);
    bool SetBandRecordBit(int nOffset, int nBit, int nState, const QString& strDescription);
    // Unverified pair write (the memory tools verify whole records themselves).
    bool WriteEepromWord(uint16_t nAddress, uint8_t nFirst, uint8_t nSecond);

    void SetAgc(int nAgc);
    void SetNoiseBlanker(bool bOn);
    void SetFst(bool bOn);
    void SetRfKnob();
    void SetSqlKnob();
    void SetTxPower(int nLevel);
    void DualWatchOn();
    void DualWatchOff();
    void PriorityScanOn();
    void PriorityScanOff();
    void StopScanning();
    // The scan windows: programmable-memory scan off, and the radio's upward scan.
    void DisablePms();
    void StartScanningUp();
    void SetAttenuator(bool bOn);
    void SetIpo(bool bOn);
    void SetNarrow(bool bFm, bool bOn);
    void WriteCtcssToneIndex(int nIndex);
    void WriteDcsCodeIndex(int nIndex);
    void ToggleAntenna();
    void SwitchToMemoryMode();
    void SelectMemoryChannel(int nChannel);
    void LeaveMemoryMode();
    void SwitchMTuneOff();
    void TuneToMemoryChannel(int nChannel);

    // Fixed EEPROM locations.
    static constexpr uint16_t EE_VFO_FLAGS = 0x0055;
    static constexpr uint16_t EE_MEMORY_FLAGS = 0x0056;
    static constexpr uint16_t EE_AGC_NB = 0x0057;
    static constexpr uint16_t EE_BANDS = 0x0059;
    static constexpr uint16_t EE_KNOB = 0x005F;
    static constexpr uint16_t EE_TX_POWER = 0x0079;
    static constexpr uint16_t EE_ANTENNA = 0x007A;
    static constexpr uint16_t EE_MEMORY_CHANNEL = 0x044F;

private:
    struct RadioPlace {
        bool memoryMode = false;
        bool memoryTune = false;
        bool vfoA = true;
        int channel = CPanelState::kNoChannel;
    };
    bool CurrentPlace(RadioPlace& place);
    bool SetCommand(uint8_t p1, uint8_t p2, uint8_t p3, uint8_t p4, uint8_t opcode, const QString& strDescription);
    bool WriteEepromBitsOnce(uint16_t nAddress, uint8_t nMask, uint8_t nValue, const QString& strDescription,
                             bool& bReadFailed);
    void ClearMemoryClarifiers();

    bool m_bClarifierOn = false;
    bool m_bFrequencySent = false;
    uint32_t m_nSentTenHz = 0;
    bool m_bTraceAll = false;
    int m_nUnconfirmedWrites = 0;
    // Exchanges that failed one after another, across calls: a radio that has
    // stopped answering is asked each pair once, not twice.
    int m_nFailedInARow = 0;
    std::unique_ptr<platform::SerialPort> m_hPort;
    const std::atomic<bool>* m_pInterrupt = nullptr;
    const CPanelState* m_pPanel = nullptr;
    CMemoryListHooks* m_pMemoryHooks = nullptr;
};

// Packs a value of at most eight decimal digits as four BCD bytes, most
// significant first.
void PackBcd(uint32_t nValue, uint8_t bytes[4]);
