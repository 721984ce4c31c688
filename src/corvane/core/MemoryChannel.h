#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>

// One 26-byte EEPROM record of the radio: a memory channel, a VFO band or the
// memory-tune record. It keeps the bytes exactly as the radio stores them
// (multi-byte values big-endian, frequencies in 10 Hz units), the decoded
// fields and the display texts built from them. A record that lives only in
// a file (a favourite) carries decoded fields without raw bytes.
//
// Frequencies: decoded members hold Hz; Encode expects them in 10 Hz units
// (set them through SetRxFrequencyHz / SetTxFrequencyHz first).
class CMemoryChannel {
public:
    enum Kind {
        KIND_IMAGE = 0,   // raw bytes held; the mode members hold record mode codes
        KIND_STORED = 1,  // no raw bytes needed; the mode member holds a CAT mode code
    };
    // The display texts, rebuilt by BuildTexts.
    enum Text {
        TEXT_AM_STEP, TEXT_ATTENUATOR, TEXT_CTCSS, TEXT_DCS, TEXT_FM_STEP, TEXT_IPO, TEXT_LABEL, TEXT_SKIP,
        TEXT_MODE, TEXT_TX_MODE, TEXT_FM_NARROW, TEXT_CW_NARROW, TEXT_RANGE, TEXT_SHIFT, TEXT_OFFSET,
        TEXT_RX_FREQUENCY, TEXT_TX_FREQUENCY, TEXT_SSB_STEP, TEXT_TAG_ON, TEXT_TONE_MODE,
        TEXT_COUNT
    };
    static constexpr uint32_t kRecordSize = 26;
    static constexpr uint8_t kShiftSplit = 3;

    CMemoryChannel() = default;
    virtual ~CMemoryChannel() = default;
    CMemoryChannel(const CMemoryChannel&) = default;
    CMemoryChannel& operator=(const CMemoryChannel&) = default;

    // --- Raw access by position; out of range reads 0 and writes nothing ---
    int IsBitSet(uint32_t nPosition, int nBit) const;
    void SetBit(uint32_t nPosition, int nBit, bool bOn);
    // (byte >> shift) masked to the width (0-8).
    uint32_t GetBits(uint32_t nPosition, int nShift, int nWidth) const;
    // The value is not cut to the width: higher bits land above the field.
    void SetBits(uint32_t nPosition, int nShift, int nWidth, uint32_t nValue);
    uint32_t GetWord32(uint32_t nPosition) const;
    uint32_t GetWord24(uint32_t nPosition) const;
    void PutWord32(uint32_t nPosition, uint32_t nValue);
    void PutWord24(uint32_t nPosition, uint32_t nValue);
    uint8_t GetRawByte(uint32_t nPosition) const;
    void SetRawByte(uint32_t nPosition, uint8_t nValue);
    bool HasRawBytes() const { return !m_raw.isEmpty(); }
    const QByteArray& GetRawBytes() const { return m_raw; }
    uint32_t GetSize() const { return m_nSize; }

    // --- Record operations ---
    // Frees the raw bytes and zeroes every field and the label; folder,
    // title and repeater settings stay.
    void Clear();
    // Raw bytes to members (RX and TX become Hz), then BuildTexts.
    void Decode();
    // Members to raw bytes (RX and TX in 10 Hz units), then Decode. Bits the
    // program does not own keep the radio's values.
    void Encode();
    void BuildTexts();
    // Takes kind, empty, modified, read address and the raw bytes of the
    // other record and decodes them; folder, title, repeater text and
    // channel address stay.
    void CopyFrom(const CMemoryChannel& other);
    // The raw form of a file: three decimal digits per byte, no separators.
    void SetRawFromText(const QString& strText);
    QString GetRawText() const;
    // Same size, same empty flag, same raw bytes.
    bool IsSameRaw(const CMemoryChannel& other) const;
    // A snapshot of the current VFO: only while the CAT port is open.
    void InitVfo(uint32_t nRxHz, uint8_t nCatMode, const QString& strRepeaterSettings);
    void MarkAsStoredRecord() { m_nKind = KIND_STORED; }

    // --- Radio access ---
    // Reads count bytes from the address: first the RX frequency pairs; a
    // record whose RX frequency is FF FF FF FF holds no data and is not read
    // further. Failed pairs stay FF. FALSE when a read failed.
    // Every pair is read until two answers agree, except, for a channel not
    // in use, the frequency pairs that show it empty: nothing is taken from
    // those but that the record is empty.
    bool ReadFromRadio(uint32_t nAddress, uint32_t nCount, bool bInUse = true);
    // Memory channel n from the radio when its used bit in the EEPROM image
    // is set (or when forced); a used channel's clarifier is switched off.
    // FALSE when a read failed.
    bool LoadChannel(int nChannel, bool bForce);
    // Writes the record into memory channel n, only the byte pairs that
    // differ from the radio's, each read back until it holds (three tries),
    // then the channel's used bit. A record without a frequency is not
    // written. FALSE when some pair or the used bit did not take.
    bool WriteToRadio(int nChannel);
    // Clears a set clarifier bit here and on the radio; 1 when it did.
    int ClearClarifier();
    // The memory-scan skip flag, on the radio at once (the raw bytes stay).
    void SetSkip(int nChannel, bool bSkip);
    // Sets the radio to the record's RX frequency and mode.
    void TuneRadio() const;

    // --- State ---
    int GetKind() const { return m_nKind; }
    bool IsUsed() const { return !m_bEmpty; }
    void SetEmpty(bool bUsed) { m_bEmpty = !bUsed; }
    bool IsModified() const { return m_bModified; }
    void SetModified(bool bModified) { m_bModified = bModified; }
    uint32_t GetReadAddress() const { return m_nReadAddress; }
    int GetChannelAddress() const { return m_nChannelAddress; }

    // --- Decoded members ---
    bool IsAttenuatorOn() const { return m_bAttenuator; }
    void SetAttenuator(bool b) { m_bAttenuator = b; }
    bool IsIpoOn() const { return m_bIpo; }
    void SetIpo(bool b) { m_bIpo = b; }
    bool GetSkip() const { return m_bSkip; }
    void SetSkipFlag(bool b) { m_bSkip = b; }
    bool IsFmNarrow() const { return m_bFmNarrow; }
    void SetFmNarrow(bool b) { m_bFmNarrow = b; }
    bool IsCwNarrow() const { return m_bCwNarrow; }
    void SetCwNarrow(bool b) { m_bCwNarrow = b; }
    bool IsTagOn() const { return m_bTagOn; }
    void SetTagOn(bool b) { m_bTagOn = b; }
    bool HasFrequency() const { return m_bHasFrequency; }
    void SetHasFrequency(bool b) { m_bHasFrequency = b; }

    uint8_t GetAmStep() const { return m_nAmStep; }
    void SetAmStep(uint8_t n) { m_nAmStep = n; }
    uint8_t GetCtcssIndex() const { return m_nCtcssIndex; }
    void SetCtcssIndex(uint8_t n) { m_nCtcssIndex = n; }
    uint8_t GetDcsIndex() const { return m_nDcsIndex; }
    void SetDcsIndex(uint8_t n) { m_nDcsIndex = n; }
    uint8_t GetFmStep() const { return m_nFmStep; }
    void SetFmStep(uint8_t n) { m_nFmStep = n; }
    uint8_t GetMode() const { return m_nMode; }
    void SetMode(uint8_t n) { m_nMode = n; }
    uint8_t GetTxMode() const { return m_nTxMode; }
    void SetTxMode(uint8_t n) { m_nTxMode = n; }
    uint8_t GetRange() const { return m_nRange; }
    void SetRange(uint8_t n) { m_nRange = n; }
    uint8_t GetShift() const { return m_nShift; }
    void SetShift(uint8_t n) { m_nShift = n; }
    uint8_t GetSsbStep() const { return m_nSsbStep; }
    void SetSsbStep(uint8_t n) { m_nSsbStep = n; }
    uint8_t GetToneMode() const { return m_nToneMode; }
    void SetToneMode(uint8_t n) { m_nToneMode = n; }

    // Repeater offset in 10 Hz units (never converted).
    uint32_t GetOffset() const { return m_nOffset; }
    void SetOffset(uint32_t n) { m_nOffset = n; }
    // Hz after Decode; the plain setters store the value as given.
    uint32_t GetRxFrequency() const { return m_nRxFrequency; }
    void SetRxFrequency(uint32_t n) { m_nRxFrequency = n; }
    uint32_t GetTxFrequency() const { return m_nTxFrequency; }
    void SetTxFrequency(uint32_t n) { m_nTxFrequency = n; }
    // Hz in, 10 Hz units stored, for a following Encode.
    void SetRxFrequencyHz(uint32_t nHz) { m_nRxFrequency = nHz / 10; }
    void SetTxFrequencyHz(uint32_t nHz) { m_nTxFrequency = nHz / 10; }

    QString GetTag() const { return m_strLabel; }
    void SetTag(const QString& strLabel) { m_strLabel = strLabel; }
    QString GetFolder() const { return m_strFolder; }
    void SetFolder(const QString& strFolder) { m_strFolder = strFolder; }
    QString GetTitle() const { return m_strTitle; }
    void SetTitle(const QString& strTitle) { m_strTitle = strTitle; }
    QString GetRepeaterSettings() const { return m_strRepeaterSettings; }
    void SetRepeaterSettings(const QString& strText) { m_strRepeaterSettings = strText; }

    // --- Display texts ---
    QString GetText(Text nText) const { return nText >= 0 && nText < TEXT_COUNT ? m_texts[nText] : QString(); }
    QString GetModeText() const { return m_texts[TEXT_MODE]; }
    QString GetTxModeText() const { return m_texts[TEXT_TX_MODE]; }
    QString GetRxFrequencyText() const { return m_texts[TEXT_RX_FREQUENCY]; }
    QString GetTxFrequencyText() const { return m_texts[TEXT_TX_FREQUENCY]; }

protected:
    int m_nKind = KIND_IMAGE;
    bool m_bEmpty = false;
    bool m_bModified = false;
    QByteArray m_raw;
    uint32_t m_nReadAddress = 0;
    uint32_t m_nSize = 0;
    QString m_strFolder;
    QString m_strTitle;
    QString m_strRepeaterSettings;
    bool m_bAttenuator = false;
    bool m_bIpo = false;
    bool m_bSkip = false;
    bool m_bFmNarrow = false;
    bool m_bCwNarrow = false;
    bool m_bTagOn = false;
    bool m_bHasFrequency = false;
    uint8_t m_nAmStep = 0;
    uint8_t m_nCtcssIndex = 0;
    uint8_t m_nDcsIndex = 0;
    uint8_t m_nFmStep = 0;
    uint8_t m_nMode = 0;
    uint8_t m_nTxMode = 0;
    uint8_t m_nRange = 0;
    uint8_t m_nShift = 0;
    uint8_t m_nSsbStep = 0;
    uint8_t m_nToneMode = 0;
    int m_nChannelAddress = 0;
    uint32_t m_nOffset = 0;
    uint32_t m_nRxFrequency = 0;
    uint32_t m_nTxFrequency = 0;
    QString m_strLabel;
    QString m_texts[TEXT_COUNT];
};

// A record of the radio's own channel list (and of the memory manager's).
class CRadioMemoryChannel : public CMemoryChannel {
public:
    CRadioMemoryChannel() = default;
    ~CRadioMemoryChannel() override = default;
};

// Which byte pairs of a record a write must send: the record's bytes (FF
// throughout for a record without raw bytes) against what the radio holds.
class CMemoryWritePlan {
public:
    // The 26 bytes a write puts into the channel.
    static QByteArray WantedBytes(const CMemoryChannel& record);
    // Pair offsets (0, 2, ... 24) whose two bytes differ; a shorter current
    // image counts its missing bytes as different.
    static QList<uint32_t> ChangedPairs(const QByteArray& wanted, const QByteArray& current);
};
