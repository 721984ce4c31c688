#include "corvane/organisers/ScanPanel.h"

#include "corvane/frontpanel/DisplayView.h"

bool CDisplayViewScanPanel::IsMemoryMode() const
{
    const CDisplayView* view = GetDisplayView();
    return view && view->IsMemoryMode();
}

bool CDisplayViewScanPanel::IsScanning() const
{
    const CDisplayView* view = GetDisplayView();
    return view && view->IsScanning();
}

bool CDisplayViewScanPanel::IsFstOn() const
{
    const CDisplayView* view = GetDisplayView();
    return view && view->IsFstOn();
}

uint32_t CDisplayViewScanPanel::GetFrequency() const
{
    const CDisplayView* view = GetDisplayView();
    return view ? view->GetFrequency() : 0;
}

uint8_t CDisplayViewScanPanel::GetMode() const
{
    const CDisplayView* view = GetDisplayView();
    return view ? view->GetMode() : 0xFF;
}

void CDisplayViewScanPanel::SetFrequency(uint32_t nHz)
{
    if (CDisplayView* view = GetDisplayView())
        view->SetFrequency(nHz);
}

int CDisplayViewScanPanel::GetRenderedPolls() const
{
    const CDisplayView* view = GetDisplayView();
    return view ? view->GetRenderedPolls() : 0;
}

CScanPanel& GetDisplayViewScanPanel()
{
    static CDisplayViewScanPanel panel;
    return panel;
}
