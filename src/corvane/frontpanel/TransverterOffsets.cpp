#include "corvane/frontpanel/TransverterOffsets.h"

namespace Transverter {

QChar ModeChar(int nMode)
{
    switch (nMode) {
    case kOffsetMinusRadio: return QLatin1Char('-');
    case kRadioMinusOffset: return QLatin1Char('!');
    default: return QLatin1Char('+');
    }
}

int ModeFromChar(QChar c)
{
    if (c == QLatin1Char('-'))
        return kOffsetMinusRadio;
    if (c == QLatin1Char('!'))
        return kRadioMinusOffset;
    return kAdd;
}

QString ModeName(int nMode)
{
    switch (nMode) {
    case kAdd: return QStringLiteral("Transverter + FT-817");
    case kOffsetMinusRadio: return QStringLiteral("Transverter - FT-817");
    case kRadioMinusOffset: return QStringLiteral("FT-817 - Transverter");
    default: return QString();
    }
}

QString ModeNameForChar(QChar c)
{
    if (c != QLatin1Char('+') && c != QLatin1Char('-') && c != QLatin1Char('!'))
        return QString();
    return ModeName(ModeFromChar(c));
}

uint64_t DisplayedHz(uint32_t nRadioHz, uint32_t nOffsetKHz, int nMode)
{
    const uint64_t radio = nRadioHz;
    const uint64_t offset = uint64_t(nOffsetKHz) * 1000;
    const uint32_t k = nRadioHz / 1000;
    switch (nMode) {
    case kOffsetMinusRadio:
        // The whole difference in Hz: the radio's Hz digits borrow from the kHz.
        return k < nOffsetKHz ? offset - radio : 0;
    case kRadioMinusOffset:
        return nOffsetKHz < k ? radio - offset : 0;
    default:
        return offset + radio;
    }
}

QString DisplayText(uint32_t nRadioHz, uint32_t nOffsetKHz, int nMode)
{
    const uint64_t hz = DisplayedHz(nRadioHz, nOffsetKHz, nMode);
    const QString k = QString::asprintf("%04llu", static_cast<unsigned long long>(hz / 1000));
    const QString h = QString::asprintf("%03u", unsigned(hz % 1000));
    return k.left(k.size() - 3) + QLatin1Char('.') + k.right(3) + QLatin1Char('.') + h.left(2);
}

QString OffsetMHzText(uint32_t nOffsetKHz)
{
    const QString k = QString::asprintf("%04u", nOffsetKHz);
    return k.left(k.size() - 3) + QLatin1Char('.') + k.right(3);
}

QString Caption(uint32_t nOffsetKHz)
{
    return QStringLiteral("Transverter: Offset = %1 MHz").arg(OffsetMHzText(nOffsetKHz));
}

QString ListEntry(int nMode, uint32_t nOffsetKHz)
{
    return ModeChar(nMode) + OffsetMHzText(nOffsetKHz);
}

uint32_t OffsetKHzFromText(const QString& strText)
{
    QString digits = strText;
    digits.remove(QLatin1Char('.'));
    // atol: leading blanks, digits up to the first other character.
    digits = digits.trimmed();
    uint64_t value = 0;
    for (QChar c : digits) {
        if (!c.isDigit())
            break;
        value = value * 10 + uint64_t(c.digitValue());
        if (value > 0xFFFFFFFFull)
            return 0xFFFFFFFFu;
    }
    return uint32_t(value);
}

static double SignedValue(const QString& entry)
{
    if (entry.isEmpty())
        return 0;
    const double v = entry.mid(1).trimmed().toDouble();
    return entry.at(0) == QLatin1Char('-') ? -v : v;
}

void SortEntries(QStringList& entries)
{
    for (qsizetype i = 0; i < entries.size(); ++i)
        for (qsizetype j = i + 1; j < entries.size(); ++j)
            if (SignedValue(entries[i]) > SignedValue(entries[j]))
                entries.swapItemsAt(i, j);
}

} // namespace Transverter
