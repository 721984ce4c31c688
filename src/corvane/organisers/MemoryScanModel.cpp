#include "corvane/organisers/MemoryScanModel.h"

#include "corvane/core/MemoryChannelList.h"
#include "corvane/organisers/ScanDefinitions.h"

QString CMemoryScanRow::Identifier() const
{
    return CScanDefinitions::MemoryIdentifier(strLabel, nChannel);
}

QString CMemoryScanModel::ChannelNumber(int nChannel)
{
    if (nChannel == CRadioMemoryList::kScanLowerLimit)
        return QStringLiteral("M-PL");
    if (nChannel == CRadioMemoryList::kScanUpperLimit)
        return QStringLiteral("M-PU");
    return QString::number(nChannel + 1);
}

QList<CMemoryScanRow> CMemoryScanModel::BuildRows(const CMemoryChannelList& list)
{
    QList<CMemoryScanRow> rows;
    for (int i = 0; i < list.GetCount(); ++i) {
        const CMemoryChannel* channel = list.GetAt(i);
        if (!channel || !channel->HasFrequency() || !channel->IsUsed())
            continue;
        CMemoryScanRow row;
        row.nChannel = i;
        row.strNumber = ChannelNumber(i);
        // The radio pads a label with blanks; the identifier pads it again.
        QString label = channel->IsTagOn() ? channel->GetTag() : QString();
        while (label.endsWith(QLatin1Char(' ')))
            label.chop(1);
        row.strLabel = label;
        row.strFrequency = channel->GetRxFrequencyText();
        row.strMode = channel->GetModeText();
        row.bChecked = !channel->GetSkip();
        rows << row;
    }
    return rows;
}

QList<bool> CMemoryScanModel::MatchDefinition(const QStringList& rowIdentifiers, const QStringList& identifiers,
                                              int& nFound)
{
    QStringList remaining = identifiers;
    QList<bool> matched;
    nFound = 0;
    for (const QString& id : rowIdentifiers) {
        const qsizetype at = remaining.indexOf(id);
        if (at >= 0) {
            remaining.removeAt(at);
            ++nFound;
        }
        matched << (at >= 0);
    }
    return matched;
}

CMemoryScanModel::CheckAction CMemoryScanModel::CheckChanged(bool bRefreshing, bool bChecked, bool bLastWritten,
                                                             int nCheckedRows)
{
    if (bRefreshing || bChecked == bLastWritten)
        return CHECK_IGNORE;
    if (nCheckedRows == 0)
        return CHECK_REFUSE;
    return CHECK_WRITE;
}
