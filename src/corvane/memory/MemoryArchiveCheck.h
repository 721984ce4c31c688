#pragma once
// Whether the records of a memory list file are memory channels as the radio
// stores them, before any of them reaches the Memory Manager's lists: a file
// of something else must not end up in the radio's memory.
#include <QByteArray>
#include <QString>
#include <QStringList>

class CMemoryArchiveCheck {
public:
    // The radio's receive coverage in the record's 10 Hz units.
    static constexpr uint32_t kLowestFrequency = 10000;     // 100 kHz
    static constexpr uint32_t kHighestFrequency = 47000000; // 470 MHz

    // Empty when every record of the file's lines is one; otherwise which
    // record is not and why ("record 2: its frequency range code is 7").
    static QString Check(const QStringList& lines);
    // The same for a file (read quietly: a file that cannot be read has
    // already been reported by the list's own load).
    static QString CheckFile(const QString& strPath);

    // One record's raw-form values (code 119 and code 120): why they are no
    // memory channel, or empty.
    static QString CheckRecord(const QString& strRaw, const QString& strUsed);
    // The 26 bytes of a record: why they are no memory channel, or empty. A
    // record without data (receive frequency FF FF FF FF) has no fields to
    // check.
    static QString CheckBytes(const QByteArray& raw);
};
