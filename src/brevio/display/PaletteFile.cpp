#include "brevio/display/PaletteFile.h"

#include "brevio/display/Gradient.h"

#include <QRegularExpression>
#include <algorithm>

namespace {
constexpr int kColourCode = 100;
constexpr int kPositionCode = 101;

// A whole decimal number in 32 bits, blanks around it allowed.
bool ParseNumber(const QString& text, int& value)
{
    bool ok = false;
    const qlonglong v = text.trimmed().toLongLong(&ok);
    if (!ok || v < INT32_MIN || v > INT32_MAX)
        return false;
    value = int(v);
    return true;
}

bool IsStoredPosition(int nPosition)
{
    return nPosition == CGradient::kStart || nPosition == CGradient::kEnd || (nPosition >= 0 && nPosition <= 255);
}
} // namespace

CPaletteFile::Entries CPaletteFile::FromGradient(const CGradient& gradient)
{
    Entries entries;
    for (int i = 0; i < gradient.GetPegCount(); ++i) {
        const CPeg peg = gradient.GetPeg(i);
        entries.colours.append(peg.colour);
        entries.positions.append(peg.position);
    }
    entries.colours << gradient.GetStartColour() << gradient.GetEndColour();
    entries.positions << CGradient::kStart << CGradient::kEnd;
    return entries;
}

void CPaletteFile::ToGradient(const Entries& entries, CGradient& gradient)
{
    while (gradient.GetPegCount() > 0)
        gradient.RemovePeg(0);
    gradient.SetPeg(CGradient::kEnd, RGB(0, 0, 63), 0);
    gradient.SetPeg(CGradient::kStart, RGB(255, 255, 255), 0);
    const int n = int(std::min(entries.colours.size(), entries.positions.size()));
    for (int i = 0; i < n; ++i) {
        const int position = entries.positions[i];
        if (position == CGradient::kStart || position == CGradient::kEnd)
            gradient.SetPeg(position, entries.colours[i], 0);
        else
            gradient.AddPeg(entries.colours[i], position);
    }
}

CPaletteFile::Entries CPaletteFile::DefaultEntries()
{
    Entries entries;
    entries.colours = {RGB(255, 255, 255), RGB(0, 0, 134), RGB(255, 255, 255), RGB(0, 0, 63)};
    entries.positions = {CGradient::kStart, 167, 55, CGradient::kEnd};
    return entries;
}

QStringList CPaletteFile::DefinitionLines(const Entries& entries)
{
    QStringList lines;
    const int n = int(std::min(entries.colours.size(), entries.positions.size()));
    for (int i = 0; i < n; ++i) {
        lines << QStringLiteral("%1 %2").arg(kColourCode).arg(int32_t(entries.colours[i]));
        lines << QStringLiteral("%1 %2").arg(kPositionCode).arg(entries.positions[i]);
        lines << QStringLiteral("@");
    }
    return lines;
}

bool CPaletteFile::ParseDefinition(const QStringList& lines, Entries& entries)
{
    entries = Entries();
    static const QRegularExpression fileType(QStringLiteral("^#@filetype=\\s*(-?\\d+)\\s*$"));
    static const QRegularExpression codeLine(QStringLiteral("^(\\d{3}) (.*)$"));
    Entries read;
    int colour = 0;
    int position = 0;
    bool pending = false;
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1Char('#'))) {
            const QRegularExpressionMatch kind = fileType.match(line);
            if (kind.hasMatch() && kind.captured(1).toInt() != kFileKind)
                return false;
            continue;
        }
        if (line.trimmed().isEmpty())
            continue;
        if (line == QLatin1String("@")) {
            if (!IsStoredPosition(position))
                return false;
            read.colours.append(uint32_t(colour));
            read.positions.append(position);
            colour = 0;
            position = 0;
            pending = false;
            continue;
        }
        const QRegularExpressionMatch match = codeLine.match(line);
        if (!match.hasMatch())
            return false;
        const int code = match.captured(1).toInt();
        if (code != kColourCode && code != kPositionCode)
            continue;  // a field this program does not know
        int value = 0;
        if (!ParseNumber(match.captured(2), value))
            return false;
        (code == kColourCode ? colour : position) = value;
        pending = true;
    }
    if (pending || read.size() < 2)
        return false;
    entries = read;
    return true;
}

QStringList CPaletteFile::PalLines(const CGradient& gradient)
{
    QStringList lines;
    for (COLORREF c : gradient.MakeEntries(256))
        lines << QStringLiteral("%1 %2 %3").arg(GetRValue(c)).arg(GetGValue(c)).arg(GetBValue(c));
    return lines;
}
