#include "corvane/core/MemoryChannel.h"

#include "corvane/core/CatLink.h"
#include "corvane/core/EepromImage.h"
#include "corvane/core/FieldDecoders.h"
#include "corvane/core/FrequencyRangeCheck.h"
#include "corvane/core/FrequencyText.h"
#include "corvane/core/RadioApp.h"
#include "corvane/core/Settings.h"
#include "shared/TaggedLines.h"

namespace {
// Record layout: byte positions.
constexpr uint32_t kRxPosition = 10;
constexpr uint32_t kTxPosition = 14;
constexpr uint32_t kOffsetPosition = 15;
constexpr uint32_t kLabelPosition = 18;
constexpr int kLabelLength = 8;
constexpr uint32_t kNoData = 0xFFFFFFFFu;
// A write that does not read back as written is tried this often.
constexpr int kWriteAttempts = 3;

QString onOff(bool b) { return b ? QStringLiteral("On") : QStringLiteral("Off"); }

CCatLink* catLink()
{
    CRadioApp* app = GetRadioApp();
    return app ? &app->GetCatLink() : nullptr;
}
} // namespace

// ---------------------------------------------------------------- raw access

int CMemoryChannel::IsBitSet(uint32_t nPosition, int nBit) const
{
    if (nPosition >= m_nSize || nBit < 0 || nBit > 7)
        return 0;
    return (uint8_t(m_raw[qsizetype(nPosition)]) >> nBit) & 1;
}

void CMemoryChannel::SetBit(uint32_t nPosition, int nBit, bool bOn)
{
    if (nPosition >= m_nSize || nBit < 0 || nBit > 7)
        return;
    uint8_t byte = uint8_t(m_raw[qsizetype(nPosition)]);
    byte = bOn ? uint8_t(byte | (1u << nBit)) : uint8_t(byte & ~(1u << nBit));
    m_raw[qsizetype(nPosition)] = char(byte);
}

uint32_t CMemoryChannel::GetBits(uint32_t nPosition, int nShift, int nWidth) const
{
    if (nPosition >= m_nSize || nShift < 0 || nShift > 7 || nWidth < 0 || nWidth > 8)
        return 0;
    return (uint32_t(uint8_t(m_raw[qsizetype(nPosition)])) >> nShift) & ((1u << nWidth) - 1);
}

void CMemoryChannel::SetBits(uint32_t nPosition, int nShift, int nWidth, uint32_t nValue)
{
    if (nPosition >= m_nSize || nShift < 0 || nShift > 7 || nWidth < 0 || nWidth > 8)
        return;
    const uint8_t mask = uint8_t(((1u << nWidth) - 1) << nShift);
    const uint8_t value = uint8_t(nValue << nShift);
    const uint8_t byte = uint8_t(m_raw[qsizetype(nPosition)]);
    m_raw[qsizetype(nPosition)] = char(uint8_t((byte & ~mask) | value));
}

uint32_t CMemoryChannel::GetWord32(uint32_t nPosition) const
{
    if (uint64_t(nPosition) + 3 >= m_nSize)
        return 0;
    uint32_t value = 0;
    for (uint32_t i = 0; i < 4; ++i)
        value = value << 8 | uint8_t(m_raw[qsizetype(nPosition + i)]);
    return value;
}

uint32_t CMemoryChannel::GetWord24(uint32_t nPosition) const
{
    if (uint64_t(nPosition) + 2 >= m_nSize)
        return 0;
    uint32_t value = 0;
    for (uint32_t i = 0; i < 3; ++i)
        value = value << 8 | uint8_t(m_raw[qsizetype(nPosition + i)]);
    return value;
}

void CMemoryChannel::PutWord32(uint32_t nPosition, uint32_t nValue)
{
    if (uint64_t(nPosition) + 3 >= m_nSize)
        return;
    for (uint32_t i = 0; i < 4; ++i)
        m_raw[qsizetype(nPosition + i)] = char(uint8_t(nValue >> (24 - 8 * i)));
}

void CMemoryChannel::PutWord24(uint32_t nPosition, uint32_t nValue)
{
    if (uint64_t(nPosition) + 2 >= m_nSize)
        return;
    for (uint32_t i = 0; i < 3; ++i)
        m_raw[qsizetype(nPosition + i)] = char(uint8_t(nValue >> (16 - 8 * i)));
}

uint8_t CMemoryChannel::GetRawByte(uint32_t nPosition) const
{
    return nPosition < m_nSize ? uint8_t(m_raw[qsizetype(nPosition)]) : 0;
}

void CMemoryChannel::SetRawByte(uint32_t nPosition, uint8_t nValue)
{
    if (nPosition < m_nSize)
        m_raw[qsizetype(nPosition)] = char(nValue);
}

// ---------------------------------------------------------------- record

void CMemoryChannel::Clear()
{
    m_raw.clear();
    m_nKind = KIND_IMAGE;
    m_bEmpty = false;
    m_bModified = false;
    m_nReadAddress = 0;
    m_nSize = 0;
    m_bAttenuator = m_bIpo = m_bSkip = m_bFmNarrow = m_bCwNarrow = m_bTagOn = m_bHasFrequency = false;
    m_nAmStep = m_nCtcssIndex = m_nDcsIndex = m_nFmStep = m_nMode = m_nTxMode = 0;
    m_nRange = m_nShift = m_nSsbStep = m_nToneMode = 0;
    m_nChannelAddress = 0;
    m_nOffset = 0;
    m_nRxFrequency = 0;
    m_nTxFrequency = 0;
    m_strLabel.clear();
}

void CMemoryChannel::Decode()
{
    m_nMode = uint8_t(GetBits(0, 0, 3));
    m_bTagOn = IsBitSet(0, 7) != 0;
    m_nRange = uint8_t(GetBits(1, 0, 3));
    m_bFmNarrow = IsBitSet(1, 3) != 0;
    m_bCwNarrow = IsBitSet(1, 4) != 0;
    m_nShift = uint8_t(GetBits(1, 6, 2));
    m_nToneMode = uint8_t(GetBits(4, 0, 2));
    m_bAttenuator = IsBitSet(2, 4) != 0;
    m_bIpo = IsBitSet(2, 5) != 0;
    m_bSkip = IsBitSet(2, 7) != 0;
    m_nTxMode = uint8_t(GetBits(5, 3, 3));
    m_nFmStep = uint8_t(GetBits(3, 0, 3));
    m_nAmStep = uint8_t(GetBits(3, 3, 3));
    m_nSsbStep = uint8_t(GetBits(3, 6, 2));
    m_nCtcssIndex = uint8_t(GetBits(6, 0, 6));
    m_nDcsIndex = uint8_t(GetBits(7, 0, 7));
    m_nRxFrequency = GetWord32(kRxPosition);
    m_nTxFrequency = GetWord32(kTxPosition);
    m_nOffset = GetWord24(kOffsetPosition);
    // Byte 5 bit 2: the TX mode is valid only on a split channel.
    if (!IsBitSet(5, 2))
        m_nTxMode = m_nMode;
    if (m_nRxFrequency != kNoData)
        m_bHasFrequency = true;
    // 32-bit arithmetic, as the record is.
    m_nRxFrequency = uint32_t(m_nRxFrequency * 10u);
    m_nTxFrequency = uint32_t(m_nTxFrequency * 10u);
    m_strLabel.clear();
    for (uint32_t i = kLabelPosition; i < kLabelPosition + kLabelLength && i < m_nSize; ++i) {
        const uint8_t c = uint8_t(m_raw[qsizetype(i)]);
        if (c == 0xFF)
            break;
        m_strLabel += QChar::fromLatin1(char(c));
    }
    BuildTexts();
}

void CMemoryChannel::Encode()
{
    if (m_raw.isEmpty()) {
        m_nKind = KIND_IMAGE;
        m_nSize = kRecordSize;
        m_raw = QByteArray(qsizetype(kRecordSize), '\0');
    }
    SetBit(0, 6, !m_bTagOn);
    SetBit(0, 7, m_bTagOn);
    SetBit(1, 3, m_bFmNarrow);
    SetBit(1, 4, m_bCwNarrow);
    SetBit(2, 4, m_bAttenuator);
    SetBit(2, 5, m_bIpo);
    SetBit(2, 7, m_bSkip);
    // Each code is cut to its field, so a stray value cannot change the
    // neighbouring bits the program does not own.
    SetBits(0, 0, 3, m_nMode & 0x07u);
    SetBits(1, 0, 3, m_nRange & 0x07u);
    SetBits(1, 6, 2, m_nShift & 0x03u);
    SetBits(3, 0, 3, m_nFmStep & 0x07u);
    SetBits(3, 3, 3, m_nAmStep & 0x07u);
    SetBits(3, 6, 2, m_nSsbStep & 0x03u);
    // Bits 2-6 cleared and bit 7 set, as the radio writes the byte.
    SetBits(4, 0, 7, (m_nToneMode & 0x03u) | 0x80u);
    const bool split = m_nShift == kShiftSplit;
    if (split) {
        // Bit 0 tells the radio that the TX frequency lies in a higher range.
        const int rxRange = CFrequencyRangeCheck::FindRange(uint32_t(m_nRxFrequency * 10u));
        const int txRange = CFrequencyRangeCheck::FindRange(uint32_t(m_nTxFrequency * 10u));
        SetBit(5, 0, rxRange < txRange);
    }
    SetBit(5, 2, split);
    SetBits(5, 3, 3, m_nTxMode & 0x07u);
    SetRawByte(6, m_nCtcssIndex);
    SetRawByte(7, m_nDcsIndex);
    PutWord32(kRxPosition, m_nRxFrequency);
    if (split) {
        PutWord32(kTxPosition, m_nTxFrequency);
    } else {
        PutWord32(kTxPosition, 0);
        PutWord24(kOffsetPosition, m_nOffset);
    }
    const QByteArray label = m_strLabel.left(kLabelLength).toLatin1();
    for (int i = 0; i < kLabelLength; ++i)
        SetRawByte(kLabelPosition + uint32_t(i), i < label.size() ? uint8_t(label[i]) : uint8_t(0x20));
    Decode();
}

void CMemoryChannel::BuildTexts()
{
    m_texts[TEXT_AM_STEP] = AmStepName(m_nAmStep).GetText();
    m_texts[TEXT_ATTENUATOR] = onOff(m_bAttenuator);
    m_texts[TEXT_CTCSS] = QString::number(m_nCtcssIndex);
    m_texts[TEXT_DCS] = QString::number(m_nDcsIndex);
    m_texts[TEXT_FM_STEP] = FmStepName(m_nFmStep).GetText();
    m_texts[TEXT_IPO] = onOff(m_bIpo);
    m_texts[TEXT_LABEL] = m_strLabel;
    m_texts[TEXT_SKIP] = SkipName(m_bSkip ? 1 : 0).GetText();
    if (m_nKind == KIND_IMAGE) {
        m_texts[TEXT_MODE] = EepromModeText(m_nMode & 0x07).GetText();
        if (m_bFmNarrow)
            m_texts[TEXT_MODE] += QStringLiteral("-N");
        m_texts[TEXT_TX_MODE] = EepromModeText(m_nTxMode & 0x07).GetText();
    } else {
        m_texts[TEXT_MODE] = CatModeName(m_nMode, QString()).GetText();
    }
    m_texts[TEXT_FM_NARROW] = onOff(m_bFmNarrow);
    m_texts[TEXT_CW_NARROW] = onOff(m_bCwNarrow);
    m_texts[TEXT_RANGE] = FrequencyRangeName(m_nRange).GetText();
    m_texts[TEXT_SHIFT] = RepeaterShiftName(m_nShift).GetText();
    const bool split = m_nShift == kShiftSplit;
    m_texts[TEXT_OFFSET] = split ? QString() : OffsetText(m_nOffset).GetText();
    m_texts[TEXT_RX_FREQUENCY] = CFrequencyText::Format(m_nRxFrequency);
    m_texts[TEXT_TX_FREQUENCY] = split ? CFrequencyText::Format(m_nTxFrequency) : QString();
    m_texts[TEXT_SSB_STEP] = SsbStepName(m_nSsbStep).GetText();
    m_texts[TEXT_TAG_ON] = onOff(m_bTagOn);
    m_texts[TEXT_TONE_MODE] = ToneModeName(m_nToneMode).GetText();
}

void CMemoryChannel::CopyFrom(const CMemoryChannel& other)
{
    if (&other == this)
        return;
    const QByteArray raw = other.m_raw;
    const uint32_t size = other.m_nSize;
    Clear();
    m_nKind = other.m_nKind;
    m_bEmpty = other.m_bEmpty;
    m_bModified = other.m_bModified;
    m_nReadAddress = other.m_nReadAddress;
    m_nSize = kRecordSize;
    // A record without bytes stores nothing: the copy holds what an empty
    // channel holds (FF throughout), not a record of zeros at 0 Hz.
    m_raw = QByteArray(qsizetype(kRecordSize), raw.isEmpty() ? char(0xFF) : '\0');
    for (uint32_t i = 0; i < kRecordSize && i < size && i < uint32_t(raw.size()); ++i)
        m_raw[qsizetype(i)] = raw[qsizetype(i)];
    Decode();
}

void CMemoryChannel::SetRawFromText(const QString& strText)
{
    Clear();
    m_nKind = KIND_IMAGE;
    m_nSize = kRecordSize;
    m_raw = QByteArray(qsizetype(kRecordSize), '\0');
    for (uint32_t i = 0; i < kRecordSize; ++i) {
        const qsizetype at = qsizetype(3 * i);
        if (at + 3 > strText.size())
            break;
        // The value is cut to a byte: "300" gives 44.
        m_raw[qsizetype(i)] = char(uint8_t(TaggedLines::ParseNumber(strText.mid(at, 3))));
    }
    Decode();
}

QString CMemoryChannel::GetRawText() const
{
    // A record without bytes is written as what the radio holds for it.
    const QByteArray bytes = m_raw.isEmpty() ? QByteArray(qsizetype(kRecordSize), char(0xFF)) : m_raw.left(m_nSize);
    QString text;
    text.reserve(bytes.size() * 3);
    for (const char c : bytes)
        text += QString::asprintf("%03u", unsigned(uint8_t(c)));
    return text;
}

bool CMemoryChannel::IsSameRaw(const CMemoryChannel& other) const
{
    if (m_nSize != other.m_nSize || m_bEmpty != other.m_bEmpty)
        return false;
    for (uint32_t i = 0; i < m_nSize; ++i)
        if (m_raw[qsizetype(i)] != other.m_raw[qsizetype(i)])
            return false;
    return true;
}

void CMemoryChannel::InitVfo(uint32_t nRxHz, uint8_t nCatMode, const QString& strRepeaterSettings)
{
    Clear();
    const CCatLink* link = catLink();
    if (!link || !link->IsOpen())
        return;
    m_nMode = nCatMode & 0x0F;
    m_nKind = KIND_STORED;
    m_strRepeaterSettings = strRepeaterSettings;
    m_nRxFrequency = nRxHz;
}

// ---------------------------------------------------------------- radio

bool CMemoryChannel::ReadFromRadio(uint32_t nAddress, uint32_t nCount, bool bInUse)
{
    m_nReadAddress = nAddress;
    m_nSize = nCount;
    m_nKind = KIND_IMAGE;
    m_raw = QByteArray(qsizetype(nCount + (nCount & 1)), char(0xFF));
    CCatLink* link = catLink();
    if (!link)
        return false;
    bool ok = true;
    auto readPair = [&](uint32_t offset, bool bConfirmed = true) {
        uint8_t first = 0xFF;
        uint8_t second = 0xFF;
        // What is read here may be written back when the channel is edited.
        const uint16_t at = uint16_t(nAddress + offset);
        // A single read that fails is asked again, for certain.
        if ((!bConfirmed && link->ReadEepromAt(at, first, second)) || link->ReadEepromConfirmed(at, first, second)) {
            m_raw[qsizetype(offset)] = char(first);
            m_raw[qsizetype(offset + 1)] = char(second);
        } else {
            ok = false;
        }
    };
    // The RX frequency first: FF FF FF FF there means an empty record.
    readPair(kRxPosition, bInUse);
    readPair(kRxPosition + 2, bInUse);
    if (GetWord32(kRxPosition) == kNoData)
        return ok;
    if (!bInUse) {
        // It holds data after all: that is read for certain.
        readPair(kRxPosition);
        readPair(kRxPosition + 2);
    }
    for (uint32_t offset = 0; offset < nCount; offset += 2)
        if (offset != kRxPosition && offset != kRxPosition + 2)
            readPair(offset);
    return ok;
}

bool CMemoryChannel::LoadChannel(int nChannel, bool bForce)
{
    Clear();
    const CSettings& settings = GetSettings();
    m_nChannelAddress = int(settings.GetMemoryBase() + uint32_t(nChannel) * settings.GetMemoryRecordSize());
    // The used bit as the last refresh of the image cache saw it.
    m_bEmpty = !GetEepromImage().IsChannelUsed(nChannel);
    bool ok = true;
    if (!m_bEmpty || bForce) {
        ok = ReadFromRadio(uint32_t(m_nChannelAddress), settings.GetMemoryRecordSize(), !m_bEmpty);
        Decode();
    }
    if (!m_bEmpty)
        ClearClarifier();
    return ok;
}

bool CMemoryChannel::WriteToRadio(int nChannel)
{
    CCatLink* link = catLink();
    if (!link || nChannel < 0)
        return false;
    const CSettings& settings = GetSettings();
    const bool trace = link->GetTraceAll();
    // Every exchange of a memory write goes to the I/O log.
    link->SetTraceAll(true);
    bool ok = true;
    const uint32_t address = settings.GetMemoryBase() + uint32_t(nChannel) * settings.GetMemoryRecordSize();
    if (m_bHasFrequency) {
        const QByteArray wanted = CMemoryWritePlan::WantedBytes(*this);
        for (uint32_t i = 0; i + 1 < kRecordSize; i += 2) {
            const uint16_t at = uint16_t(address + i);
            const uint8_t first = uint8_t(wanted[qsizetype(i)]);
            const uint8_t second = uint8_t(wanted[qsizetype(i + 1)]);
            uint8_t old1 = 0;
            uint8_t old2 = 0;
            const bool read = link->ReadEepromConfirmed(at, old1, old2);
            if (read && old1 == first && old2 == second)
                continue;
            // The pair write itself is not confirmed by the radio: read it
            // back and try again until it holds.
            bool stored = false;
            for (int attempt = 0; attempt < kWriteAttempts && !stored; ++attempt) {
                link->WriteEepromWord(at, first, second);
                uint8_t back1 = 0;
                uint8_t back2 = 0;
                stored = link->ReadEepromConfirmed(at, back1, back2) && back1 == first && back2 == second;
            }
            ok = ok && stored;
        }
        const uint32_t bitmap = settings.GetMemoryUsedBitmapAddress() + uint32_t(nChannel) / 8;
        ok = link->ChangeEepromBit(uint16_t(bitmap), nChannel % 8, IsUsed() ? 1 : 0) && ok;
    }
    link->SetTraceAll(trace);
    return ok;
}

int CMemoryChannel::ClearClarifier()
{
    // An empty record (no receive frequency) has no clarifier: its FF bytes
    // only look like a set bit, and writing there would change a channel
    // nobody uses.
    if (m_raw.isEmpty() || GetWord32(kRxPosition) == kNoData || !IsBitSet(2, 6))
        return 0;
    SetBit(2, 6, false);
    if (CCatLink* link = catLink())
        link->SetEepromBit(uint16_t(m_nReadAddress + 2), 6, 0, QStringLiteral("Clearing clarifier"));
    return 1;
}

void CMemoryChannel::SetSkip(int nChannel, bool bSkip)
{
    m_bSkip = bSkip;
    const CSettings& settings = GetSettings();
    const uint32_t address = settings.GetMemoryBase() + uint32_t(nChannel) * settings.GetMemoryRecordSize() + 2;
    if (CCatLink* link = catLink())
        link->SetEepromBit(uint16_t(address), 7, bSkip ? 1 : 0, QStringLiteral("Setting memory skip"));
}

void CMemoryChannel::TuneRadio() const
{
    CCatLink* link = catLink();
    if (!link || !m_bHasFrequency)
        return;
    const uint8_t mode = m_nKind == KIND_STORED ? m_nMode : EepromModeText(m_nMode).GetCatCode();
    link->SetFrequencyInMode(m_nRxFrequency, mode);
}

// ---------------------------------------------------------------- write plan

QByteArray CMemoryWritePlan::WantedBytes(const CMemoryChannel& record)
{
    QByteArray bytes(qsizetype(CMemoryChannel::kRecordSize), char(0xFF));
    if (!record.HasRawBytes())
        return bytes;
    for (uint32_t i = 0; i < CMemoryChannel::kRecordSize; ++i)
        bytes[qsizetype(i)] = char(record.GetRawByte(i));
    return bytes;
}

QList<uint32_t> CMemoryWritePlan::ChangedPairs(const QByteArray& wanted, const QByteArray& current)
{
    QList<uint32_t> pairs;
    for (qsizetype i = 0; i + 1 < wanted.size(); i += 2) {
        const bool same = i + 1 < current.size() && current[i] == wanted[i] && current[i + 1] == wanted[i + 1];
        if (!same)
            pairs << uint32_t(i);
    }
    return pairs;
}
