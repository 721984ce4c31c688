#include "corvane/core/ReceiverCoverage.h"

#include <QStringList>

bool CReceiverCoverage::Contains(uint32_t nHz)
{
    return ContainsRange(nHz, nHz);
}

bool CReceiverCoverage::ContainsRange(uint32_t nLow, uint32_t nHigh)
{
    for (const Segment& s : kSegments)
        if (s.nLow <= nLow && nLow <= nHigh && nHigh <= s.nHigh)
            return true;
    return false;
}

QString CReceiverCoverage::LimitsText()
{
    auto mhz = [](uint32_t hz) { return QString::number(double(hz) / 1e6, 'g', 10); };
    QStringList parts;
    for (const Segment& s : kSegments)
        parts << mhz(s.nLow) + QLatin1Char('-') + mhz(s.nHigh);
    const QString last = parts.takeLast();
    return parts.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last + QStringLiteral(" MHz");
}
