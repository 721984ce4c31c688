#pragma once
// Clone files: one EEPROM area of the radio (calibration, customisation or
// memories) as text, a comment header and one line per byte pair
// ("CLONE_CAL> 0007 4A 6F"), and the checks a file passes before anything
// of it is written back.
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

namespace CloneFile {

struct Section {
    const char* pName;
    const char* pPrefix;
    uint16_t nFirst;
    uint16_t nLast;
    const char* pFileName;

    QString Name() const { return QString::fromLatin1(pName); }
    QString Prefix() const { return QString::fromLatin1(pPrefix); }
    QString FileName() const { return QString::fromLatin1(pFileName); }
    bool Holds(uint32_t nAddress) const { return nAddress >= nFirst && nAddress <= nLast; }
};
constexpr int kSectionCount = 3;
enum { CALIBRATION = 0, CUSTOMISATION = 1, MEMORY = 2 };
const Section& GetSection(int nIndex);
// The section of a line prefix, -1 for none.
int FindSection(const QString& strPrefix);

// The header lines of a section.
QStringList HeaderLines(const Section& section);
// One data line: two bytes, or only the first at the section's last address.
QString DataLine(const Section& section, uint16_t nAddress, uint8_t nFirst, uint8_t nSecond);

// One line of a clone file taken apart.
struct Line {
    int nSection = -1;
    uint32_t nAddress = 0;
    uint8_t nFirst = 0;
    uint8_t nSecond = 0;
    bool bSecond = false;  // a second byte is given
};

// What a file holds: every data line taken apart, or the first line that
// is not a valid data line (numbered from 1). Empty and "#" lines are
// skipped. A data line has the prefix, an address inside the prefix's
// section and two byte fields (one at the section's last address), each
// field hexadecimal and each byte at most FF; fields are separated by
// single blanks.
struct Contents {
    bool bValid = true;
    int nErrorLine = 0;
    QString strErrorLine;
    bool found[kSectionCount] = {false, false, false};
    QList<Line> lines;

    bool Any() const { return found[0] || found[1] || found[2]; }
};
Contents Parse(const QStringList& lines);

// The message for a file that failed the checks.
QString InvalidFileText(const Contents& contents);

} // namespace CloneFile
