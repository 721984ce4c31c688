#pragma once
#include "corvane/core/CatLink.h"
#include "corvane/core/MemoryChannel.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

// An owning list of memory records and the reader and writer of their
// tagged-line file: the decoded form (favourites) and the raw form (the
// memory archive). Removing an entry deletes it whole, derived class and all.
class CMemoryChannelList {
public:
    // File codes of a record.
    enum Code : unsigned {
        CODE_ATTENUATOR = 100, CODE_IPO = 101, CODE_FM_NARROW = 102, CODE_CW_NARROW = 103, CODE_TAG_ON = 104,
        CODE_HAS_FREQUENCY = 105, CODE_AM_STEP = 106, CODE_FM_STEP = 107, CODE_SSB_STEP = 108, CODE_CTCSS = 109,
        CODE_DCS = 110, CODE_MODE = 111, CODE_SHIFT = 112, CODE_TONE_MODE = 113, CODE_OFFSET = 114,
        CODE_RX_FREQUENCY = 115, CODE_LABEL = 116, CODE_FOLDER = 117, CODE_TITLE = 118, CODE_RAW = 119,
        CODE_USED = 120, CODE_REPEATER = 121,
    };

    CMemoryChannelList() = default;
    virtual ~CMemoryChannelList() = default;
    CMemoryChannelList(const CMemoryChannelList&) = delete;
    CMemoryChannelList& operator=(const CMemoryChannelList&) = delete;

    int GetCount() const { return int(m_entries.size()); }
    CMemoryChannel* GetAt(int nIndex) const;
    CMemoryChannel* Add(std::unique_ptr<CMemoryChannel> pEntry);
    // Deletes the entry and closes the gap.
    void RemoveAt(int nIndex);
    void RemoveAll() { m_entries.clear(); }
    // Exchanges two entries (moving and sorting).
    void Swap(int i, int j);
    // Takes an entry out of the list without deleting it, and puts one in.
    std::unique_ptr<CMemoryChannel> TakeAt(int nIndex);
    void InsertAt(int nIndex, std::unique_ptr<CMemoryChannel> pEntry);

    // The whole list replaced by the records of the file; a missing file
    // gives an empty list without a message. FALSE when it could not be read.
    bool Load(int nKind, const QString& strPath);
    bool LoadKind(int nKind);
    // Whether the file of the last Load was a memory-list file at all: its
    // closing line names a memory-list kind ("#@filetype=4" favourites, 5
    // memory archive), or, without one, it holds whole records and nothing
    // but record lines. A missing file is no such file either.
    bool WasListFile() const { return m_bListFile; }
    static bool IsListFile(const QStringList& lines);
    // Every entry in the decoded form / the raw form, behind the header of
    // the file kind; the file is replaced in one step. FALSE on failure (the
    // text file has told the operator).
    bool Save(int nKind, const QString& strPath) const;
    bool SaveKind(int nKind) const;
    bool SaveRaw(int nKind, const QString& strPath) const;
    bool SaveRawKind(int nKind) const;
    static QString KindPath(int nKind);

    // The same without a file: records from lines, and the record lines of
    // every entry (no header).
    void LoadLines(const QStringList& lines);
    QStringList BuildLines(bool bRaw) const;

    // "%03u %s" line builders.
    static void AddByteLine(QStringList& lines, unsigned nCode, uint8_t nValue);
    static void AddNumberLine(QStringList& lines, unsigned nCode, uint32_t nValue);
    static void AddTextLine(QStringList& lines, unsigned nCode, const QString& strText);

protected:
    // The record a load creates; lists of derived records give their own.
    virtual std::unique_ptr<CMemoryChannel> CreateEntry() const { return std::make_unique<CMemoryChannel>(); }

    std::vector<std::unique_ptr<CMemoryChannel>> m_entries;
    bool m_bListFile = false;
};

// The radio's memory channels in channel order, one record per channel (the
// settings' channel count); index 200 and 201 are the programmable-scan
// limits. The application owns one; the memory manager keeps its own.
class CRadioMemoryList : public CMemoryChannelList, public CMemoryListHooks {
public:
    static constexpr int kScanLowerLimit = 200;
    static constexpr int kScanUpperLimit = 201;
    static constexpr int kNoMatch = 99999;

    CRadioMemoryList();
    ~CRadioMemoryList() override = default;

    CMemoryChannel* GetChannel(int nIndex) const { return GetAt(nIndex); }
    // A new empty record at the end.
    CMemoryChannel* AddChannel();
    // The definition of a new channel: 7.000.00 MHz LSB, label "<new>" shown.
    void ResetChannel(int nIndex);
    static void ResetRecord(CMemoryChannel& record);
    // Replaces every entry by a copy of the other list's; returns the count.
    int CopyList(const CMemoryChannelList& other);
    // The one channel holding the frequency and mode (while receiving its RX
    // frequency and mode, while transmitting its TX ones); with several
    // matches the current index when it is one of them, else 99999; with
    // none, the current index.
    int FindChannel(bool bReceiving, uint32_t nHz, uint8_t nCatMode, int nCurrent) const;
    // The frequency a channel transmits on (Hz): split uses its own TX
    // frequency, a repeater shift the RX frequency minus or plus the offset.
    static uint32_t TransmitFrequency(const CMemoryChannel& channel);
    // Takes record bytes 1, 2, 3, 4, 6 and 7 as the panel's poll read them
    // into the channel's raw bytes; nothing is decoded. A channel outside
    // the list or without raw bytes is left alone.
    void UpdateFromRecordBytes(int nChannel, const uint8_t bytes[6]);

    // Switches the clarifier off in every used channel, cache and radio.
    void ClearClarifiers() override;
    void TuneToMemoryChannel(int nChannel) override;

    // "A-001" .. "J-200", "M-PL", "M-PU".
    static QString ChannelName(int nChannel);

protected:
    std::unique_ptr<CMemoryChannel> CreateEntry() const override { return std::make_unique<CRadioMemoryChannel>(); }
};

// Where the FT-817 keeps its memories and VFO band records in EEPROM (the
// settings' fixed values).
namespace MemoryGeometry {
uint32_t ChannelAddress(int nChannel);
// The used-bitmap byte of a channel and its bit.
uint32_t UsedByteAddress(int nChannel);
int UsedBit(int nChannel);
// A VFO's band record: VFO B's follow VFO A's 15.
uint32_t VfoRecordAddress(bool bVfoA, int nBand);
// EEPROM 0x55 bit 0 (clear: VFO A), 0x59 (low nibble VFO A, high VFO B),
// 0x7A bit 7 (split), 0x55 bit 5 (memory tune).
constexpr uint16_t kVfoByte = 0x55;
constexpr int kVfoBBit = 0;
constexpr int kMemoryTuneBit = 5;
constexpr uint16_t kBandByte = 0x59;
constexpr uint16_t kSplitByte = 0x7A;
constexpr int kSplitBit = 7;
} // namespace MemoryGeometry
