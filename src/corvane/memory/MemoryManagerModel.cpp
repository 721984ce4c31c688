#include "corvane/memory/MemoryManagerModel.h"

#include "corvane/core/CatLink.h"
#include "corvane/core/FieldDecoders.h"
#include "corvane/core/RadioApp.h"
#include "corvane/memory/MemorySort.h"

#include <algorithm>

CMemoryManagerModel::CMemoryManagerModel() = default;

bool CMemoryManagerModel::HoldsData(int nChannel) const
{
    const CMemoryChannel* c = m_live.GetChannel(nChannel);
    return c && c->HasFrequency();
}

int CMemoryManagerModel::LiveImage(int nChannel) const
{
    const CMemoryChannel* c = m_live.GetChannel(nChannel);
    if (!c || !c->HasFrequency())
        return 4;
    return c->IsUsed() ? 0 : 2;
}

QString CMemoryManagerModel::LiveChannelText(int nChannel) const
{
    const CMemoryChannel* c = m_live.GetChannel(nChannel);
    const QString marker = c && c->IsModified() ? QStringLiteral("* ") : QString();
    if (nChannel == CRadioMemoryList::kScanLowerLimit || nChannel == CRadioMemoryList::kScanUpperLimit)
        return marker + CRadioMemoryList::ChannelName(nChannel);
    return marker + QLatin1Char(' ') + CRadioMemoryList::ChannelName(nChannel);
}

QString CMemoryManagerModel::ModeColumnText(const CMemoryChannel& c)
{
    if (c.GetShift() == CMemoryChannel::kShiftSplit)
        return c.GetModeText() + QStringLiteral(" / ") + c.GetTxModeText();
    return c.GetModeText();
}

void CMemoryManagerModel::MarkLive(int nChannel)
{
    if (CMemoryChannel* c = m_live.GetChannel(nChannel))
        c->SetModified(true);
    m_bLiveModified = true;
}

int CMemoryManagerModel::FindNewTarget(const QList<int>& selection, bool& bSelect) const
{
    bSelect = false;
    if (!selection.isEmpty())
        return selection.first();
    bSelect = true;
    for (int i = 0; i < m_live.GetCount(); ++i)
        if (!HoldsData(i))
            return i;
    for (int i = 0; i < m_live.GetCount(); ++i)
        if (!m_live.GetChannel(i)->IsUsed())
            return i;
    return -1;
}

int CMemoryManagerModel::FindCopyTarget(int nSource) const
{
    const int count = m_live.GetCount();
    for (int step = 1; step < count; ++step) {
        const int i = (nSource + step) % count;
        if (!HoldsData(i))
            return i;
    }
    return -1;
}

void CMemoryManagerModel::CopyChannel(int nSource, int nTarget)
{
    CMemoryChannel* source = m_live.GetChannel(nSource);
    CMemoryChannel* target = m_live.GetChannel(nTarget);
    if (!source || !target || source == target)
        return;
    target->CopyFrom(*source);
    MarkLive(nTarget);
}

CMemoryManagerModel::Refusal CMemoryManagerModel::Erase(const QList<int>& selection)
{
    Refusal refusal = REFUSED_NONE;
    for (int i : selection) {
        if (i == 0) {
            refusal = REFUSED_CHANNEL_1_ERASE;
            continue;
        }
        if (CMemoryChannel* c = m_live.GetChannel(i)) {
            CMemorySort::EraseEntry(*c);
            m_bLiveModified = true;
        }
    }
    return refusal;
}

CMemoryManagerModel::Refusal CMemoryManagerModel::Disable(const QList<int>& selection)
{
    const Refusal refusal = selection.contains(0) ? REFUSED_CHANNEL_1_DISABLE : REFUSED_NONE;
    for (int i : selection) {
        if (i < 1)
            continue;
        if (CMemoryChannel* c = m_live.GetChannel(i)) {
            c->SetEmpty(false);
            MarkLive(i);
        }
    }
    return refusal;
}

void CMemoryManagerModel::Enable(const QList<int>& selection)
{
    // A channel without data is not enabled: the radio would show a used
    // channel holding nothing.
    for (int i : selection) {
        if (!HoldsData(i))
            continue;
        m_live.GetChannel(i)->SetEmpty(true);
        MarkLive(i);
    }
}

bool CMemoryManagerModel::CanMoveUp(const QList<int>& selection) const
{
    if (selection.size() != 1)
        return false;
    const int i = selection.first();
    return i >= 2 || (i == 1 && HoldsData(1));
}

bool CMemoryManagerModel::CanMoveDown(const QList<int>& selection) const
{
    if (selection.size() != 1)
        return false;
    const int i = selection.first();
    return i >= 0 && i < m_live.GetCount() - 1 && (i != 0 || HoldsData(1));
}

void CMemoryManagerModel::MoveUp(int nChannel)
{
    if (nChannel < 1 || nChannel >= m_live.GetCount())
        return;
    m_live.Swap(nChannel - 1, nChannel);
    if (nChannel - 1 == 0)
        m_live.GetChannel(0)->SetEmpty(true);
    MarkLive(nChannel - 1);
    MarkLive(nChannel);
}

void CMemoryManagerModel::MoveDown(int nChannel)
{
    if (nChannel < 0 || nChannel + 1 >= m_live.GetCount())
        return;
    m_live.Swap(nChannel, nChannel + 1);
    if (nChannel == 0)
        m_live.GetChannel(0)->SetEmpty(true);
    MarkLive(nChannel);
    MarkLive(nChannel + 1);
}

int CMemoryManagerModel::RemoveLiveDuplicates()
{
    const int removed = CMemorySort::RemoveLiveDuplicates(m_live);
    if (removed)
        m_bLiveModified = true;
    return removed;
}

bool CMemoryManagerModel::HoldsRadioRecords(const CMemoryChannelList& file)
{
    if (file.GetCount() == 0)
        return false;
    for (int i = 0; i < file.GetCount(); ++i)
        if (!file.GetAt(i)->HasRawBytes())
            return false;
    return true;
}

CMemoryManagerModel::Refusal CMemoryManagerModel::LoadLiveFrom(const CMemoryChannelList& file)
{
    if (!HoldsRadioRecords(file))
        return REFUSED_NO_ENTRIES;
    for (int i = 0; i < m_live.GetCount(); ++i) {
        CMemoryChannel& channel = *m_live.GetChannel(i);
        if (const CMemoryChannel* entry = file.GetAt(i)) {
            if (!channel.HasFrequency() && !entry->HasFrequency())
                continue;
            channel.CopyFrom(*entry);
            channel.SetModified(true);
        } else if (channel.HasFrequency()) {
            CMemorySort::EraseEntry(channel);
        }
    }
    m_bLiveModified = true;
    return REFUSED_NONE;
}

int CMemoryManagerModel::CopyToArchive(const QList<int>& channels)
{
    int copied = 0;
    for (int i : channels) {
        if (!HoldsData(i))
            continue;
        m_archive.AddChannel()->CopyFrom(*m_live.GetChannel(i));
        ++copied;
    }
    if (copied)
        m_bArchiveModified = true;
    return copied;
}

CMemoryManagerModel::Refusal CMemoryManagerModel::CopyFromArchive(const QList<int>& archiveSelection,
                                                                  const QList<int>& liveSelection)
{
    QList<int> targets = liveSelection;
    if (targets.isEmpty())
        for (int i = 0; i < m_live.GetCount(); ++i)
            if (!HoldsData(i))
                targets << i;
    if (targets.isEmpty())
        return REFUSED_NO_TARGETS;
    const qsizetype n = std::min(targets.size(), archiveSelection.size());
    for (qsizetype k = 0; k < n; ++k) {
        const CMemoryChannel* entry = m_archive.GetChannel(archiveSelection[k]);
        CMemoryChannel* target = m_live.GetChannel(targets[k]);
        // An entry without data would go out as an erased channel.
        if (!entry || !target || !entry->HasFrequency())
            continue;
        target->CopyFrom(*entry);  // in use as the entry is
        MarkLive(targets[k]);
    }
    return REFUSED_NONE;
}

int CMemoryManagerModel::FindSaveTarget(const QList<int>& selection, bool& bSelect) const
{
    bSelect = false;
    if (!selection.isEmpty())
        return selection.first();
    bSelect = true;
    for (int i = 0; i < m_live.GetCount(); ++i)
        if (!HoldsData(i))
            return i;
    return -1;
}

void CMemoryManagerModel::KeepUnsaved(const QList<int>& failedChannels)
{
    bool pending = false;
    for (int i = 0; i < m_live.GetCount(); ++i) {
        CMemoryChannel& c = *m_live.GetChannel(i);
        if (!c.IsModified())
            continue;
        if (failedChannels.contains(i))
            pending = true;
        else
            c.SetModified(false);
    }
    m_bLiveModified = pending;
}

void CMemoryManagerModel::EraseArchive(const QList<int>& selection)
{
    QList<int> sorted = selection;
    std::sort(sorted.begin(), sorted.end());
    for (qsizetype k = sorted.size() - 1; k >= 0; --k)
        m_archive.RemoveAt(sorted[k]);
    m_bArchiveModified = true;
}

int CMemoryManagerModel::RemoveArchiveDuplicates()
{
    const int removed = CMemorySort::RemoveArchiveDuplicates(m_archive);
    if (removed)
        m_bArchiveModified = true;
    return removed;
}

CMemoryManagerModel::Refusal CMemoryManagerModel::LoadArchiveFrom(const CMemoryChannelList& file)
{
    if (file.GetCount() > 0 && !HoldsRadioRecords(file))
        return REFUSED_NO_ENTRIES;
    m_archive.RemoveAll();
    for (int i = 0; i < file.GetCount(); ++i)
        if (file.GetAt(i)->HasFrequency())
            m_archive.AddChannel()->CopyFrom(*file.GetAt(i));
    m_bArchiveModified = true;
    return REFUSED_NONE;
}

int CMemoryManagerModel::DropEmptyArchiveEntries()
{
    int dropped = 0;
    for (int i = m_archive.GetCount() - 1; i >= 0; --i) {
        if (!m_archive.GetChannel(i)->HasFrequency()) {
            m_archive.RemoveAt(i);
            ++dropped;
        }
    }
    return dropped;
}

bool CMemoryManagerModel::ReadVfoState(VfoState& state)
{
    CRadioApp* app = GetRadioApp();
    if (!app)
        return false;
    CCatLink& link = app->GetCatLink();
    uint8_t vfo = 0, dummy = 0, bands = 0, split = 0;
    if (!link.ReadEepromConfirmed(MemoryGeometry::kVfoByte, vfo, dummy) ||
        !link.ReadEepromConfirmed(MemoryGeometry::kBandByte, bands, dummy) ||
        !link.ReadEepromConfirmed(MemoryGeometry::kSplitByte, split, dummy))
        return false;
    state.bVfoA = !(vfo & (1u << MemoryGeometry::kVfoBBit));
    state.nBand = state.bVfoA ? (bands & 0x0F) : (bands >> 4);
    state.bSplit = (split >> MemoryGeometry::kSplitBit) & 1;
    return true;
}

QString CMemoryManagerModel::SaveToMemoryQuestion(const VfoState& state, int nTarget)
{
    return QStringLiteral("Copy from %1 band %2 to channel %3?")
        .arg(state.bVfoA ? QStringLiteral("VFO-A") : QStringLiteral("VFO-B"),
             BandRecordName(uint8_t(state.nBand)).GetText())
        .arg(nTarget + 1);
}

bool CMemoryManagerModel::StoreVfo(int nTarget, const VfoState& state, uint32_t nPanelHz)
{
    CMemoryChannel* target = m_live.GetChannel(nTarget);
    CRadioApp* app = GetRadioApp();
    if (!target || !app)
        return false;
    CRadioMemoryChannel record;
    if (!record.ReadFromRadio(MemoryGeometry::VfoRecordAddress(state.bVfoA, state.nBand),
                              CMemoryChannel::kRecordSize))
        return false;
    record.Decode();
    target->CopyFrom(record);
    // Encode takes 10 Hz units.
    target->SetRxFrequencyHz(nPanelHz ? nPanelHz : target->GetRxFrequency());
    target->SetTxFrequencyHz(target->GetTxFrequency());
    if (state.bSplit) {
        // The other VFO's frequency: bytes 10-13 of its current band record.
        uint8_t bands = 0, dummy = 0;
        CCatLink& link = app->GetCatLink();
        if (link.ReadEepromConfirmed(MemoryGeometry::kBandByte, bands, dummy)) {
            const int otherBand = state.bVfoA ? (bands >> 4) : (bands & 0x0F);
            const uint32_t at = MemoryGeometry::VfoRecordAddress(!state.bVfoA, otherBand) + 10;
            uint8_t b[4] = {};
            if (link.ReadEepromConfirmed(uint16_t(at), b[0], b[1]) &&
                link.ReadEepromConfirmed(uint16_t(at + 2), b[2], b[3])) {
                const uint32_t tenHz = uint32_t(b[0]) << 24 | uint32_t(b[1]) << 16 | uint32_t(b[2]) << 8 | b[3];
                target->SetTxFrequency(tenHz);
                target->SetShift(CMemoryChannel::kShiftSplit);
            }
        }
    }
    target->SetModified(true);
    target->Encode();
    target->BuildTexts();
    m_bLiveModified = true;
    return true;
}
