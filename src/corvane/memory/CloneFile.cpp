#include "corvane/memory/CloneFile.h"

namespace CloneFile {

namespace {
const Section kSections[kSectionCount] = {
    {"Calibration", "CLONE_CAL>", 0x0007, 0x0053, "FT-817 Cloned Calibration Data.txt"},
    {"Customisation", "CLONE_CUS>", 0x0055, 0x044F, "FT-817 Cloned Customisation Data.txt"},
    {"Memory", "CLONE_MEM>", 0x0450, 0x1907, "FT-817 Cloned Memory Data.txt"},
};

// A whole field of hexadecimal digits, at most the limit; FALSE otherwise.
bool hexField(const QString& field, uint32_t nLimit, uint32_t& value)
{
    if (field.isEmpty() || field.size() > 8)
        return false;
    bool ok = false;
    value = field.toUInt(&ok, 16);
    return ok && !field.startsWith(QLatin1Char('+')) && !field.startsWith(QLatin1Char('-')) && value <= nLimit;
}
} // namespace

const Section& GetSection(int nIndex)
{
    return kSections[nIndex >= 0 && nIndex < kSectionCount ? nIndex : 0];
}

int FindSection(const QString& strPrefix)
{
    for (int i = 0; i < kSectionCount; ++i)
        if (strPrefix == QLatin1String(kSections[i].pPrefix))
            return i;
    return -1;
}

QStringList HeaderLines(const Section& section)
{
    return {QStringLiteral("#"),
            QStringLiteral("#   Cloned data: ") + section.Name(),
            QStringLiteral("#"),
            QString::asprintf("#   Address range is %04X to %04X", section.nFirst, section.nLast),
            QStringLiteral("#"),
            QStringLiteral("#   Format below is: Prefix Address LSB MSH"),
            QStringLiteral("#")};
}

QString DataLine(const Section& section, uint16_t nAddress, uint8_t nFirst, uint8_t nSecond)
{
    if (nAddress == section.nLast)
        return QString::asprintf("%s %04X %02X", section.pPrefix, nAddress, nFirst);
    return QString::asprintf("%s %04X %02X %02X", section.pPrefix, nAddress, nFirst, nSecond);
}

Contents Parse(const QStringList& lines)
{
    Contents contents;
    for (int i = 0; i < lines.size(); ++i) {
        const QString& text = lines[i];
        if (text.isEmpty() || text.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = text.split(QLatin1Char(' '));
        Line line;
        line.nSection = FindSection(fields[0]);
        bool valid = line.nSection >= 0;
        if (valid) {
            contents.found[line.nSection] = true;
            const Section& section = kSections[line.nSection];
            uint32_t address = 0;
            valid = fields.size() >= 3 && hexField(fields[1], 0xFFFF, address) && section.Holds(address);
            line.nAddress = address;
            const int wanted = address == section.nLast ? 3 : 4;
            valid = valid && fields.size() == wanted;
            uint32_t first = 0;
            uint32_t second = 0;
            valid = valid && hexField(fields[2], 0xFF, first);
            if (valid && wanted == 4)
                valid = hexField(fields[3], 0xFF, second);
            line.nFirst = uint8_t(first);
            line.nSecond = uint8_t(second);
            line.bSecond = wanted == 4;
        }
        if (!valid) {
            Contents invalid;
            invalid.bValid = false;
            invalid.nErrorLine = i + 1;
            invalid.strErrorLine = text;
            return invalid;
        }
        contents.lines << line;
    }
    return contents;
}

QString InvalidFileText(const Contents& contents)
{
    return QString::asprintf("Invalid file contents, error on line %d:\n", contents.nErrorLine) + QStringLiteral("\n") +
           contents.strErrorLine + QStringLiteral("\n") + QStringLiteral("File cannot be loaded");
}

} // namespace CloneFile
