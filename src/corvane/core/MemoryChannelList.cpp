#include "corvane/core/MemoryChannelList.h"

#include "corvane/core/FieldDecoders.h"
#include "corvane/core/Settings.h"
#include "platform/DataFolder.h"
#include "shared/TaggedLines.h"
#include "shared/TextFile.h"

#include <algorithm>

// ---------------------------------------------------------------- list

CMemoryChannel* CMemoryChannelList::GetAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_entries[size_t(nIndex)].get() : nullptr;
}

CMemoryChannel* CMemoryChannelList::Add(std::unique_ptr<CMemoryChannel> pEntry)
{
    m_entries.push_back(std::move(pEntry));
    return m_entries.back().get();
}

void CMemoryChannelList::RemoveAt(int nIndex)
{
    if (nIndex >= 0 && nIndex < GetCount())
        m_entries.erase(m_entries.begin() + nIndex);
}

void CMemoryChannelList::Swap(int i, int j)
{
    if (i >= 0 && j >= 0 && i < GetCount() && j < GetCount())
        std::swap(m_entries[size_t(i)], m_entries[size_t(j)]);
}

std::unique_ptr<CMemoryChannel> CMemoryChannelList::TakeAt(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return nullptr;
    std::unique_ptr<CMemoryChannel> entry = std::move(m_entries[size_t(nIndex)]);
    m_entries.erase(m_entries.begin() + nIndex);
    return entry;
}

void CMemoryChannelList::InsertAt(int nIndex, std::unique_ptr<CMemoryChannel> pEntry)
{
    if (!pEntry)
        return;
    nIndex = std::clamp(nIndex, 0, GetCount());
    m_entries.insert(m_entries.begin() + nIndex, std::move(pEntry));
}

// ---------------------------------------------------------------- file form

void CMemoryChannelList::AddByteLine(QStringList& lines, unsigned nCode, uint8_t nValue)
{
    lines << TaggedLines::ValueLine(nCode, QString::number(nValue));
}

void CMemoryChannelList::AddNumberLine(QStringList& lines, unsigned nCode, uint32_t nValue)
{
    lines << TaggedLines::ValueLine(nCode, QString::number(nValue));
}

void CMemoryChannelList::AddTextLine(QStringList& lines, unsigned nCode, const QString& strText)
{
    lines << TaggedLines::ValueLine(nCode, strText);
}

QStringList CMemoryChannelList::BuildLines(bool bRaw) const
{
    QStringList lines;
    lines.reserve(1000);
    for (const auto& entry : m_entries) {
        const CMemoryChannel& c = *entry;
        lines << QStringLiteral("#");
        if (bRaw) {
            AddTextLine(lines, CODE_RAW, c.GetRawText());
            AddNumberLine(lines, CODE_USED, c.IsUsed() ? 1 : 0);
        } else {
            AddNumberLine(lines, CODE_ATTENUATOR, c.IsAttenuatorOn());
            AddNumberLine(lines, CODE_IPO, c.IsIpoOn());
            AddNumberLine(lines, CODE_FM_NARROW, c.IsFmNarrow());
            AddNumberLine(lines, CODE_CW_NARROW, c.IsCwNarrow());
            AddNumberLine(lines, CODE_TAG_ON, c.IsTagOn());
            AddNumberLine(lines, CODE_HAS_FREQUENCY, c.HasFrequency());
            AddNumberLine(lines, CODE_USED, c.IsUsed() ? 1 : 0);
            AddByteLine(lines, CODE_AM_STEP, c.GetAmStep());
            AddByteLine(lines, CODE_FM_STEP, c.GetFmStep());
            AddByteLine(lines, CODE_SSB_STEP, c.GetSsbStep());
            AddByteLine(lines, CODE_CTCSS, c.GetCtcssIndex());
            AddByteLine(lines, CODE_DCS, c.GetDcsIndex());
            AddByteLine(lines, CODE_MODE, c.GetMode());
            AddByteLine(lines, CODE_SHIFT, c.GetShift());
            AddByteLine(lines, CODE_TONE_MODE, c.GetToneMode());
            AddNumberLine(lines, CODE_OFFSET, c.GetOffset());
            AddNumberLine(lines, CODE_RX_FREQUENCY, c.GetRxFrequency());
            AddTextLine(lines, CODE_LABEL, c.GetTag());
            AddTextLine(lines, CODE_FOLDER, c.GetFolder());
            AddTextLine(lines, CODE_TITLE, c.GetTitle());
            AddTextLine(lines, CODE_REPEATER, c.GetRepeaterSettings());
        }
        lines << TaggedLines::DefaultTerminator();
    }
    return lines;
}

void CMemoryChannelList::LoadLines(const QStringList& lines)
{
    RemoveAll();
    auto fresh = [this] {
        std::unique_ptr<CMemoryChannel> record = CreateEntry();
        record->MarkAsStoredRecord();
        return record;
    };
    std::unique_ptr<CMemoryChannel> record = fresh();
    CTaggedLineReader reader(lines);
    CTaggedLineReader::Line line;
    while (reader.Next(line)) {
        if (line.kind == CTaggedLineReader::KIND_END) {
            record->BuildTexts();
            Add(std::move(record));
            record = fresh();
            continue;
        }
        if (line.kind != CTaggedLineReader::KIND_VALUE)
            continue;
        const uint32_t number = line.Number();
        const bool flag = number != 0;
        const uint8_t code = uint8_t(number);
        CMemoryChannel& r = *record;
        switch (line.nCode) {
        case CODE_ATTENUATOR: r.SetAttenuator(flag); break;
        case CODE_IPO: r.SetIpo(flag); break;
        case CODE_FM_NARROW: r.SetFmNarrow(flag); break;
        case CODE_CW_NARROW: r.SetCwNarrow(flag); break;
        case CODE_TAG_ON: r.SetTagOn(flag); break;
        case CODE_HAS_FREQUENCY: r.SetHasFrequency(flag); break;
        case CODE_AM_STEP: r.SetAmStep(code); break;
        case CODE_FM_STEP: r.SetFmStep(code); break;
        case CODE_SSB_STEP: r.SetSsbStep(code); break;
        case CODE_CTCSS: r.SetCtcssIndex(code); break;
        case CODE_DCS: r.SetDcsIndex(code); break;
        case CODE_MODE: r.SetMode(code); break;
        case CODE_SHIFT: r.SetShift(code); break;
        case CODE_TONE_MODE: r.SetToneMode(code); break;
        case CODE_OFFSET: r.SetOffset(number); break;
        case CODE_RX_FREQUENCY: r.SetRxFrequency(number); break;
        case CODE_LABEL: r.SetTag(line.strValue); break;
        case CODE_FOLDER: r.SetFolder(line.strValue); break;
        case CODE_TITLE: r.SetTitle(line.strValue); break;
        case CODE_REPEATER: r.SetRepeaterSettings(line.strValue); break;
        case CODE_RAW: r.SetRawFromText(line.strValue); break;
        case CODE_USED: r.SetEmpty(number != 0); break;
        default: break;
        }
    }
    // A record without its terminator is not taken.
}

QString CMemoryChannelList::KindPath(int nKind)
{
    return platform::dataFilePath(CTextFile::FileName(nKind));
}

bool CMemoryChannelList::IsListFile(const QStringList& lines)
{
    static const QString kFileType = QStringLiteral("#@filetype=");
    for (qsizetype i = lines.size() - 1; i >= 0; --i) {
        if (lines[i].startsWith(kFileType)) {
            const uint32_t kind = TaggedLines::ParseNumber(lines[i].mid(kFileType.size()));
            return kind == 4 || kind == 5;
        }
    }
    // A file made by hand may lack the closing lines; then it is judged by
    // what it holds.
    CTaggedLineReader reader(lines);
    CTaggedLineReader::Line line;
    int records = 0;
    while (reader.Next(line)) {
        if (line.kind == CTaggedLineReader::KIND_OTHER)
            return false;
        if (line.kind == CTaggedLineReader::KIND_END)
            ++records;
    }
    return records > 0;
}

bool CMemoryChannelList::Load(int, const QString& strPath)
{
    RemoveAll();
    m_bListFile = false;
    CTextFile file(strPath, false);
    if (!file.Exists())
        return true;
    QStringList lines;
    file.ReadLines(lines);
    if (!file.IsOk())
        return false;
    m_bListFile = IsListFile(lines);
    LoadLines(lines);
    return true;
}

bool CMemoryChannelList::LoadKind(int nKind)
{
    return Load(nKind, KindPath(nKind));
}

namespace {
bool writeList(const QStringList& records, int nKind, const QString& strPath)
{
    QStringList lines = records;
    CTextFile::AddHeader(lines, nKind);
    CTextFile file(strPath, false);
    file.WriteLines(lines, false);
    return file.IsOk();
}
} // namespace

bool CMemoryChannelList::Save(int nKind, const QString& strPath) const
{
    return writeList(BuildLines(false), nKind, strPath);
}

bool CMemoryChannelList::SaveKind(int nKind) const
{
    return Save(nKind, KindPath(nKind));
}

bool CMemoryChannelList::SaveRaw(int nKind, const QString& strPath) const
{
    return writeList(BuildLines(true), nKind, strPath);
}

bool CMemoryChannelList::SaveRawKind(int nKind) const
{
    return SaveRaw(nKind, KindPath(nKind));
}

// ---------------------------------------------------------------- radio list

CRadioMemoryList::CRadioMemoryList()
{
    const int count = GetSettings().GetMemoryChannelCount();
    for (int i = 0; i < count; ++i)
        Add(std::make_unique<CRadioMemoryChannel>());
}

CMemoryChannel* CRadioMemoryList::AddChannel()
{
    return Add(std::make_unique<CRadioMemoryChannel>());
}

void CRadioMemoryList::ResetRecord(CMemoryChannel& c)
{
    c.Clear();
    c.SetAttenuator(false);
    c.SetIpo(false);
    c.SetSkipFlag(false);
    c.SetFmNarrow(false);
    c.SetCwNarrow(false);
    c.SetTagOn(true);
    c.SetHasFrequency(true);
    c.SetAmStep(1);   // 5 kHz
    c.SetFmStep(3);   // 12.5 kHz
    c.SetSsbStep(1);  // 2.5 kHz
    c.SetCtcssIndex(0);
    c.SetDcsIndex(0);
    c.SetMode(0);
    c.SetTxMode(0);
    c.SetRange(0);
    c.SetShift(0);
    c.SetToneMode(0);
    c.SetOffset(0);
    c.SetRxFrequencyHz(7000000);
    c.SetTxFrequencyHz(7000000);
    c.SetTag(QStringLiteral("<new>"));
    c.Encode();
    c.BuildTexts();
}

void CRadioMemoryList::ResetChannel(int nIndex)
{
    if (CMemoryChannel* c = GetAt(nIndex))
        ResetRecord(*c);
}

int CRadioMemoryList::CopyList(const CMemoryChannelList& other)
{
    RemoveAll();
    for (int i = 0; i < other.GetCount(); ++i) {
        std::unique_ptr<CMemoryChannel> copy = CreateEntry();
        copy->CopyFrom(*other.GetAt(i));
        Add(std::move(copy));
    }
    return GetCount();
}

uint32_t CRadioMemoryList::TransmitFrequency(const CMemoryChannel& c)
{
    const uint64_t rx = c.GetRxFrequency();
    const uint64_t offset = uint64_t(c.GetOffset() & 0xFFFFFF) * 10;
    switch (c.GetShift()) {
    case CMemoryChannel::kShiftSplit: return c.GetTxFrequency();
    case 1: return rx >= offset ? uint32_t(rx - offset) : 0;
    case 2: return uint32_t(std::min<uint64_t>(rx + offset, 0xFFFFFFFFu));
    default: return uint32_t(rx);
    }
}

int CRadioMemoryList::FindChannel(bool bReceiving, uint32_t nHz, uint8_t nCatMode, int nCurrent) const
{
    // Modes compare by name without the narrow marks: the radio reports its
    // narrow filter in the CAT mode byte, the record keeps it elsewhere.
    const QString modeName = CatModeName(nCatMode & 0x0F, QString()).GetText();
    int matches = 0;
    int found = -1;
    bool currentMatched = false;
    for (int i = 0; i < GetCount(); ++i) {
        const CMemoryChannel& c = *GetAt(i);
        if (!c.HasFrequency())
            continue;
        const uint32_t frequency = bReceiving ? c.GetRxFrequency() : TransmitFrequency(c);
        const uint8_t mode = bReceiving ? c.GetMode() : c.GetTxMode();
        const QString name = c.GetKind() == CMemoryChannel::KIND_STORED ? CatModeName(mode & 0x0F, QString()).GetText()
                                                                        : EepromModeText(mode & 0x07).GetText();
        if (frequency != nHz || name != modeName)
            continue;
        ++matches;
        found = i;
        currentMatched = currentMatched || i == nCurrent;
    }
    if (matches == 1)
        return found;
    if (matches == 0 || currentMatched)
        return nCurrent;
    return kNoMatch;
}

void CRadioMemoryList::UpdateFromRecordBytes(int nChannel, const uint8_t bytes[6])
{
    CMemoryChannel* c = GetAt(nChannel);
    if (!c || !c->HasRawBytes())
        return;
    static const uint32_t positions[6] = {1, 2, 3, 4, 6, 7};
    for (int i = 0; i < 6; ++i)
        c->SetRawByte(positions[i], bytes[i]);
}

void CRadioMemoryList::ClearClarifiers()
{
    for (const auto& entry : m_entries)
        if (entry->IsUsed())
            entry->ClearClarifier();
}

void CRadioMemoryList::TuneToMemoryChannel(int nChannel)
{
    if (const CMemoryChannel* channel = GetChannel(nChannel))
        channel->TuneRadio();
}

QString CRadioMemoryList::ChannelName(int nChannel)
{
    if (nChannel == kScanLowerLimit)
        return QStringLiteral("M-PL");
    if (nChannel == kScanUpperLimit)
        return QStringLiteral("M-PU");
    return QString::asprintf("%c-%03d", char('A' + nChannel / 20), nChannel + 1);
}

// ---------------------------------------------------------------- geometry

namespace MemoryGeometry {

uint32_t ChannelAddress(int nChannel)
{
    const CSettings& s = GetSettings();
    return s.GetMemoryBase() + uint32_t(nChannel) * s.GetMemoryRecordSize();
}

uint32_t UsedByteAddress(int nChannel)
{
    return GetSettings().GetMemoryUsedBitmapAddress() + uint32_t(nChannel) / 8;
}

int UsedBit(int nChannel)
{
    return nChannel % 8;
}

uint32_t VfoRecordAddress(bool bVfoA, int nBand)
{
    const CSettings& s = GetSettings();
    return s.GetVfoBase() + (uint32_t(nBand) + (bVfoA ? 0 : s.GetBandsPerVfo())) * s.GetBandRecordSize();
}

} // namespace MemoryGeometry
