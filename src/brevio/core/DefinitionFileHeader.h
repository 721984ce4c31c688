#pragma once
#include <QDateTime>
#include <QStringList>

// The comment block around every definition file of the program (tags 0,
// macros 1, palettes 2, alarms 3). Readers skip "#" lines, so nothing that
// loading needs lives here.
class CDefinitionFileHeader {
public:
    virtual ~CDefinitionFileHeader() = default;

    // Puts the 13 header lines before the body and the 3 closing lines after it.
    void Write(int nKind, QStringList& lines);
    // The same with a given creation time (the clock is the only thing that
    // differs between two writes of one body).
    void Write(int nKind, QStringList& lines, const QDateTime& created);

    static QString ContentsText(int nKind);
};
