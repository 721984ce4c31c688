#pragma once
// Whether the records of a memory list file are memory channels as the radio
// stores them, and whole, before any of them reaches the Memory Manager's
// lists: a file of something else, or a file cut short, must not end up in
// the radio's memory (the channels it no longer holds would be erased).
#include "corvane/core/ReceiverCoverage.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class CMemoryArchiveCheck {
public:
    // The radio's receive coverage in the record's 10 Hz units.
    static constexpr uint32_t kLowestFrequency = CReceiverCoverage::kLowest / 10;
    static constexpr uint32_t kHighestFrequency = CReceiverCoverage::kHighest / 10;

    // Empty when every record of the file's lines is one and the file is
    // whole; otherwise why not, as a sentence without its full stop: "The
    // file holds something other than memory channels (record 2: its
    // receive frequency 0 Hz is outside 100 kHz to 470 MHz)", "The file is
    // cut short: record 88 ends before its end line".
    static QString Check(const QStringList& lines);
    // The same for a file (read quietly: a file that cannot be read has
    // already been reported by the list's own load).
    static QString CheckFile(const QString& strPath);

    // One record's raw-form values (code 119 and code 120): why they are no
    // memory channel, or empty. Bytes of fewer digits than a record has are
    // a record cut short.
    static QString CheckRecord(const QString& strRaw, const QString& strUsed, bool* pCutShort = nullptr);
    // The 26 bytes of a record: why they are no memory channel, or empty. A
    // record without data (receive frequency FF FF FF FF) has no fields to
    // check. Codes the program has no name for are the radio's to hold (they
    // show as "? n"); a frequency outside all it receives, or a label it
    // cannot show, it never holds.
    static QString CheckBytes(const QByteArray& raw);
};
