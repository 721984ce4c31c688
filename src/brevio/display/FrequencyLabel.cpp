#include "brevio/display/FrequencyLabel.h"

#include "shared/StringEx.h"

namespace {
QString Grouped(int64_t nFrequency)
{
    if (nFrequency < 10000)
        return QString::number(nFrequency);
    CStringEx text;
    text.FormatThousands(uint32_t(nFrequency), '.', QString());
    return text;
}
} // namespace

void CFrequencyLabel::GetScaleRange(int nLow, int nHigh, int64_t& nLo, int64_t& nHi) const
{
    if (IsRealFrequency()) {
        nLo = ((nLow + m_nDial) / 100) * 100;
        nHi = ((nHigh + m_nDial + 99) / 100) * 100;
    } else {
        nLo = (int64_t(nLow) / 100) * 100;
        nHi = ((int64_t(nHigh) + 99) / 100) * 100;
    }
}

const QString& CFrequencyLabel::FormatScale(int64_t nFrequency)
{
    m_strText = Grouped(nFrequency);
    // Radio frequencies are labelled to 10 Hz: 14070100 reads 14.070.10.
    if (nFrequency >= 10000 && m_strText.endsWith(QLatin1Char('0')))
        m_strText.chop(1);
    return m_strText;
}

const QString& CFrequencyLabel::Format(int nAudio)
{
    m_strText = Grouped(int64_t(nAudio) + m_nDial);
    return m_strText;
}
