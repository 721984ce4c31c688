#pragma once
// The Scan Memory window's list without its window: one row per memory
// channel that is in use and holds a frequency, its check box the reverse
// of the channel's skip flag; the identifiers a definition stores; how a
// definition's identifiers pick rows; and what a check-box change does.
#include <QList>
#include <QString>
#include <QStringList>

class CMemoryChannelList;

struct CMemoryScanRow {
    int nChannel = 0;       // index in the radio's memory list
    QString strNumber;      // "1".."200", "M-PL", "M-PU"
    QString strLabel;       // empty when the label is not in use
    QString strFrequency;
    QString strMode;
    bool bChecked = false;  // scanned: the skip flag is clear

    // The eight characters a definition keeps for the channel.
    QString Identifier() const;
};

class CMemoryScanModel {
public:
    static QList<CMemoryScanRow> BuildRows(const CMemoryChannelList& list);
    static QString ChannelNumber(int nChannel);

    // For each row: whether it takes one of the identifiers (each used once,
    // first row first, exact case); nFound counts those rows.
    static QList<bool> MatchDefinition(const QStringList& rowIdentifiers, const QStringList& identifiers,
                                       int& nFound);

    enum CheckAction {
        CHECK_IGNORE,  // filling, or the check state did not change
        CHECK_REFUSE,  // it would leave no channel checked: box, set back
        CHECK_WRITE,   // write the skip flag (skip = not checked)
    };
    // A row's check box now shows bChecked, with nCheckedRows checked in all.
    static CheckAction CheckChanged(bool bRefreshing, bool bChecked, bool bLastWritten, int nCheckedRows);
};
