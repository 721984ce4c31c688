#include "brevio/display/DisplayScale.h"

#include "brevio/display/FrequencyLabel.h"
#include "shared/WinDraw.h"

#include <algorithm>

using winapi::RectLTRB;

void CDisplayScale::Compute(const Input& in, CFrequencyLabel& label)
{
    m_bVertical = in.bVertical;
    m_ticks.clear();
    const int64_t span = std::max<int64_t>(1, in.nHi - in.nLo);

    // How many labels fit, and every how many hundreds of Hz one is written.
    const int nLabelPitch = m_bVertical ? in.cy * 3 / 2 : in.cx * 3 / 2;
    const int nExtent = m_bVertical ? in.nHeight : in.nWidth;
    const int nCapacity = std::max(1, nLabelPitch > 0 ? nExtent / nLabelPitch : 1);
    m_nLabelStep = std::max<int64_t>(1, ((in.nHi - in.nLo - 1) / 100 + nCapacity - 1) / nCapacity);

    if (m_bVertical) {
        m_nScaleLine = in.nStrip + 4 + in.cx + 2 + 10;
        m_rectScale = RectLTRB(0, 0, m_nScaleLine, in.nHeight);
        m_nPlotStart = in.cy / 2 + 1;
        m_nPlotEnd = in.nHeight - 1 - m_nPlotStart;
        m_rectPlot = RectLTRB(m_nScaleLine + 1, m_nPlotStart, in.nWidth, m_nPlotEnd);
    } else {
        m_nScaleLine = in.nStrip + 4 + in.cy + 2 + 10;
        m_rectScale = RectLTRB(0, 0, in.nWidth, m_nScaleLine);
        m_nPlotStart = in.cx / 2 + 1;
        m_nPlotEnd = in.nWidth - 1 - m_nPlotStart;
        m_rectPlot = RectLTRB(m_nPlotStart, m_nScaleLine + 1, m_nPlotEnd, in.nHeight);
    }

    const int64_t nRange = int64_t(m_nPlotEnd) - m_nPlotStart;
    for (int64_t f = in.nLo; f <= in.nHi; f += 50) {
        CScaleTick tick;
        tick.nFrequency = f;
        tick.nPos = m_bVertical ? int(m_nPlotStart + nRange * (in.nHi - f) / span)
                                : int(m_nPlotStart + nRange * (f - in.nLo) / span);
        const bool bMajor = f % 100 == 0;
        tick.bLabel = bMajor && ((f - in.nLo) / 100) % m_nLabelStep == 0;
        tick.nLength = tick.bLabel ? 10 : bMajor ? 8 : 4;
        if (tick.bLabel) {
            tick.strLabel = label.FormatScale(f);
            tick.rectLabel = m_bVertical
                ? RectLTRB(0, tick.nPos - in.cy, in.nStrip + 4 + in.cx, tick.nPos + in.cy)
                : RectLTRB(tick.nPos - in.cx, 0, tick.nPos + in.cx, in.nStrip + 4 + in.cy);
        }
        m_ticks.push_back(tick);
    }
}
