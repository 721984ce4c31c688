#include "corvane/memory/MemoryTransfer.h"

#include "corvane/core/EepromImage.h"
#include "corvane/core/MemoryChannelList.h"

#include <QStringList>

namespace {
QList<int>& failed()
{
    static QList<int> channels;
    return channels;
}

bool& bitmapRead()
{
    static bool read = false;
    return read;
}
} // namespace

const QList<int>& CMemoryTransfer::GetFailedChannels()
{
    return failed();
}

bool CMemoryTransfer::BitmapRead()
{
    return bitmapRead();
}

QString CMemoryTransfer::FailedChannelNames()
{
    QStringList names;
    for (int channel : failed())
        names << CRadioMemoryList::ChannelName(channel);
    return names.join(QStringLiteral(", "));
}

bool CMemoryTransfer::LoadAll(CRadioMemoryList& list, bool bForce, CMemoryProgress* pProgress)
{
    failed().clear();
    const int count = list.GetCount();
    if (pProgress) {
        pProgress->SetRange(0, count);
        pProgress->SetText(QStringLiteral("Initialising..."));
        pProgress->Repaint();
    }
    // Without the bitmap every channel would look unused: leave the list as
    // it is rather than fill it with a memory the radio does not hold.
    bitmapRead() = GetEepromImage().ReloadUsedBitmap();
    if (!bitmapRead())
        return false;
    for (int i = 0; i < count; ++i) {
        if (pProgress) {
            pProgress->SetText(QStringLiteral("Loading memory... %1 / %2").arg(i + 1).arg(count));
            pProgress->SetPos(i + 1);
            pProgress->Repaint();
        }
        if (!list.GetChannel(i)->LoadChannel(i, bForce))
            failed() << i;
    }
    return failed().isEmpty();
}

bool CMemoryTransfer::WriteChanged(CRadioMemoryList& list, CMemoryProgress* pProgress)
{
    failed().clear();
    const int count = list.GetCount();
    // The radio needs channel 1 in use and holding a frequency.
    if (CMemoryChannel* first = list.GetChannel(0)) {
        if (!first->IsUsed()) {
            first->SetEmpty(true);
            first->SetModified(true);
        }
        if (!first->HasFrequency()) {
            list.ResetChannel(0);
            first->SetModified(true);
        }
    }
    for (int i = 0; i < count; ++i) {
        if (pProgress) {
            pProgress->SetText(QStringLiteral("Saving memory... %1 / %2").arg(i + 1).arg(count));
            pProgress->SetPos(i + 1);
            pProgress->Repaint();
        }
        CMemoryChannel& c = *list.GetChannel(i);
        if (!c.IsModified())
            continue;
        // An erased channel has no frequency but must still go out (as FF).
        const bool hadFrequency = c.HasFrequency();
        c.SetHasFrequency(true);
        const bool ok = c.WriteToRadio(i);
        c.SetHasFrequency(hadFrequency);
        if (!ok)
            failed() << i;
    }
    return failed().isEmpty();
}
