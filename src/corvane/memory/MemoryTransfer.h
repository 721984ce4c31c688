#pragma once
// Whole channel lists between the program and the radio: reading every
// channel (with the used bitmap first) and writing the changed ones, each
// step reported to a progress view. Plain classes over the CAT link.
#include <QList>
#include <QString>
#include <functional>

class CRadioMemoryList;

// What a transfer shows while it runs.
class CMemoryProgress {
public:
    virtual ~CMemoryProgress() = default;
    virtual void SetRange(int nLower, int nUpper) = 0;
    virtual void SetText(const QString& strText) = 0;
    virtual void SetPos(int nPos) = 0;
    // Paint now: the transfer blocks the event loop between steps.
    virtual void Repaint() = 0;
};

class CMemoryTransfer {
public:
    // "Initialising...", then "Loading memory... %u / %u" per channel; every
    // channel read (forced) or only those in use. FALSE when the used
    // bitmap could not be read (then no channel was touched) or a channel's
    // read failed (listed in the failed channels).
    static bool LoadAll(CRadioMemoryList& list, bool bForce, CMemoryProgress* pProgress);

    // Channel 1 put right first (in use, holding a frequency), then every
    // modified channel written: "Saving memory... %u / %u". An erased
    // channel goes out as FF with its used bit cleared. FALSE when some
    // channel did not take (listed in the failed channels).
    static bool WriteChanged(CRadioMemoryList& list, CMemoryProgress* pProgress);

    // The channels of the last LoadAll or WriteChanged that failed.
    static const QList<int>& GetFailedChannels();
    // "A-003, B-021" of the failed channels.
    static QString FailedChannelNames();
    // Whether the last LoadAll could read the used bitmap.
    static bool BitmapRead();
};
