#pragma once
// The memory manager's two lists and everything it does to them short of
// drawing: the radio's channels as read ("live") and the archive kept in a
// file, their modified flags, and the list commands with their refusals.
// Nothing here writes to the radio; the Save Changes step does.
#include "corvane/core/MemoryChannelList.h"

#include <QList>
#include <QString>

class CMemoryManagerModel {
public:
    // Why a command did nothing (or did less than asked).
    enum Refusal {
        REFUSED_NONE,
        REFUSED_NO_FREE_MEMORY,    // New: nothing to put the entry in
        REFUSED_NO_FREE_CHANNEL,   // Copy: no channel without data
        REFUSED_CHANNEL_1_ERASE,   // Erase: channel 1 stays
        REFUSED_CHANNEL_1_DISABLE, // Disable: channel 1 stays enabled
        REFUSED_NO_TARGETS,        // "<": no selection and no free channel
        REFUSED_NO_ENTRIES,        // a file without usable entries
    };

    CMemoryManagerModel();

    CRadioMemoryList& Live() { return m_live; }
    CRadioMemoryList& Archive() { return m_archive; }
    const CRadioMemoryList& Live() const { return m_live; }
    const CRadioMemoryList& Archive() const { return m_archive; }

    bool IsLiveModified() const { return m_bLiveModified; }
    void SetLiveModified(bool b) { m_bLiveModified = b; }
    bool IsArchiveModified() const { return m_bArchiveModified; }
    void SetArchiveModified(bool b) { m_bArchiveModified = b; }
    // The live list reflects the radio: every channel was read. Without it
    // no live command may change the list (so nothing unread is written).
    bool IsLiveRead() const { return m_bLiveRead; }
    void SetLiveRead(bool b) { m_bLiveRead = b; }

    bool HoldsData(int nChannel) const;
    // The list image of a live channel: 0 in use, 2 disabled, 4 no data.
    int LiveImage(int nChannel) const;
    // "* A-001", "M-PL": the row's channel text with the modified marker.
    QString LiveChannelText(int nChannel) const;
    // "Mode" column: the mode, or "%s / %s" of mode and TX mode when split.
    static QString ModeColumnText(const CMemoryChannel& c);

    // --- Live commands (selection = sorted channel indexes) ---
    // The channel New works on: the first selected; else the first without
    // data; else the first not in use; -1 when none. bSelect tells whether
    // the target was found rather than selected.
    int FindNewTarget(const QList<int>& selection, bool& bSelect) const;
    // The first channel without data after the source, wrapping round; -1.
    int FindCopyTarget(int nSource) const;
    // Target := copy of source, modified.
    void CopyChannel(int nSource, int nTarget);
    // Every selected channel but channel 1 erased; REFUSED_CHANNEL_1_ERASE
    // when channel 1 was among them.
    Refusal Erase(const QList<int>& selection);
    // Every selected channel from channel 2 on marked not in use (its data
    // stays); REFUSED_CHANNEL_1_DISABLE when channel 1 was among them.
    Refusal Disable(const QList<int>& selection);
    // Every selected channel that holds data marked in use.
    void Enable(const QList<int>& selection);
    bool CanMoveUp(const QList<int>& selection) const;
    bool CanMoveDown(const QList<int>& selection) const;
    // The entry and its neighbour exchange places; whatever arrives at
    // channel 1 is in use.
    void MoveUp(int nChannel);
    void MoveDown(int nChannel);
    int RemoveLiveDuplicates();
    // Channels from a file, index by index; FALSE (REFUSED_NO_ENTRIES) when
    // the file gave no entry of the radio's record form.
    Refusal LoadLiveFrom(const CMemoryChannelList& file);
    // The live channels that hold data, each appended to the archive.
    int CopyToArchive(const QList<int>& channels);
    // "<": the k-th selected archive entry into the k-th target (the
    // selected live channels, or every channel without data).
    Refusal CopyFromArchive(const QList<int>& archiveSelection, const QList<int>& liveSelection);
    // The first selected channel, or the first without data; -1.
    int FindSaveTarget(const QList<int>& selection, bool& bSelect) const;
    // After a write that some channels did not take: the channels written
    // are the radio's now and lose their marks; the failed ones keep the
    // operator's edits and marks, so that another Save sends them again.
    void KeepUnsaved(const QList<int>& failedChannels);

    // --- Save to Memory: the current VFO into a channel ---
    struct VfoState {
        bool bVfoA = true;
        int nBand = 0;
        bool bSplit = false;
    };
    // Which VFO is active, its band and split operation, from the radio.
    static bool ReadVfoState(VfoState& state);
    // "Copy from VFO-A band 20m to channel 5?"
    static QString SaveToMemoryQuestion(const VfoState& state, int nTarget);
    // The active VFO's band record into the target; its RX frequency the one
    // the front panel shows (0: the record's own); with split operation the
    // other VFO's frequency as TX. FALSE when the record could not be read.
    bool StoreVfo(int nTarget, const VfoState& state, uint32_t nPanelHz);

    // --- Archive commands ---
    void EraseArchive(const QList<int>& selection);
    int RemoveArchiveDuplicates();
    Refusal LoadArchiveFrom(const CMemoryChannelList& file);
    // Entries without data (the empty channels of a saved memory list)
    // are no part of an archive.
    int DropEmptyArchiveEntries();

    // The record forms a manager list takes from a file: entries with raw
    // bytes. FALSE when the file holds entries but none of that form.
    static bool HoldsRadioRecords(const CMemoryChannelList& file);

private:
    void MarkLive(int nChannel);

    CRadioMemoryList m_live;
    CRadioMemoryList m_archive;
    bool m_bLiveModified = false;
    bool m_bArchiveModified = false;
    bool m_bLiveRead = false;
};
