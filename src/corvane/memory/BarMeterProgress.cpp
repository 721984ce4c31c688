#include "corvane/memory/BarMeterProgress.h"

#include "shared/ui/BarMeter.h"

void CBarMeterProgress::SetRange(int nLower, int nUpper)
{
    if (m_pBar)
        m_pBar->SetRange(nLower, nUpper);
}

void CBarMeterProgress::SetText(const QString& strText)
{
    if (m_pBar)
        m_pBar->SetText(strText);
}

void CBarMeterProgress::SetPos(int nPos)
{
    if (m_pBar)
        m_pBar->SetPos(nPos);
}

void CBarMeterProgress::Repaint()
{
    if (m_pBar)
        m_pBar->Redraw();
}
