#include "corvane/organisers/BandScanner.h"

#include "corvane/core/CatLink.h"
#include "corvane/core/FrequencyText.h"
#include "corvane/organisers/ScanPanel.h"
#include "shared/Registry.h"

#include <algorithm>

CBandScanner::CBandScanner(CCatLink& link, CScanPanel& panel, CBandScanHost& host)
    : m_link(link), m_panel(panel), m_host(host)
{
    LoadRange();
}

void CBandScanner::LoadRange()
{
    m_nLow = uint32_t(GetRegistry().GetDialogInt(kDialogId, kLowControl, 1000000));
    m_nHigh = uint32_t(GetRegistry().GetDialogInt(kDialogId, kHighControl, 2000000));
}

void CBandScanner::BeginScan(uint32_t nFrom, uint32_t nTo, uint8_t nMode)
{
    m_nLow = std::min(nFrom, nTo);
    m_nHigh = std::max(nFrom, nTo);
    GetRegistry().WriteDialogInt(kDialogId, kLowControl, int(m_nLow));
    GetRegistry().WriteDialogInt(kDialogId, kHighControl, int(m_nHigh));
    PrepareAndStartRadio(nMode);
}

void CBandScanner::PrepareAndStartRadio(uint8_t nMode)
{
    // No step looks at its CAT result: a failure is in the I/O log and the
    // next step follows.
    if (m_panel.IsMemoryMode()) {
        m_host.ShowProgress(QStringLiteral("Switching memory off..."));
        m_link.LeaveMemoryMode();
    }
    if (m_panel.IsScanning()) {
        m_host.ShowProgress(QStringLiteral("Switching scanning off..."));
        m_link.StopScanning();
    }
    m_host.ShowProgress(QStringLiteral("Setting PMS off..."));
    m_link.DisablePms();
    const uint32_t f = m_panel.GetFrequency();
    if (f < m_nLow || f > m_nHigh) {
        m_host.ShowProgress(QStringLiteral("Setting start frequency..."));
        m_panel.SetFrequency(m_nLow);
    }
    m_host.ShowProgress(QStringLiteral("Setting mode..."));
    m_link.SetMode(nMode);
    m_host.ShowProgress(QStringLiteral("Starting scan..."));
    m_link.StartScanningUp();
    m_bPlotting = true;
    m_nRadioScanning = kStarted;
    m_nPollsAtStart = m_panel.GetRenderedPolls();
    m_host.ArmReadTimer(true);
    m_bTimerArmed = true;
}

void CBandScanner::Stop()
{
    if (m_bTimerArmed) {
        m_host.ArmReadTimer(false);
        m_bTimerArmed = false;
    }
    m_bPlotting = false;
    m_link.StopScanning();
    m_link.DisablePms();
}

void CBandScanner::SetResume(uint8_t nResume)
{
    m_link.WriteEepromBits(0x5D, 0x03, nResume, QStringLiteral("Setting resume"));
}

void CBandScanner::OnReadTimer(bool bVisible)
{
    m_host.ArmReadTimer(false);
    m_bTimerArmed = false;
    if (!m_bPlotting)
        return;
    if (bVisible) {
        uint32_t bytes = 0;
        uint8_t mode = 0;
        uint8_t status = 0;
        // A failed read is skipped: taken as 0 Hz it would send the radio
        // to the top of the range.
        if (m_link.ReadFrequencyAndMode(bytes, mode) && m_link.ReadRxStatus(status))
            Plot(CFrequencyText(bytes, CFrequencyText::FORM_CAT_BYTES).GetFrequency(), status & 0x0F);
    }
    m_host.ArmReadTimer(true);
    m_bTimerArmed = true;
}

void CBandScanner::Plot(uint32_t nHz, uint8_t nLevel)
{
    if (nHz > m_nHigh)
        m_panel.SetFrequency(m_nLow);
    else if (nHz < m_nLow)
        m_panel.SetFrequency(m_nHigh);
    else
        m_host.AddReading(nHz, nLevel);
}

void CBandScanner::UpdateScanState(int nState)
{
    if (nState == m_nRadioScanning)
        return;
    m_nRadioScanning = nState;
    m_host.ShowScanState(nState != 0);
    if (m_bPlotting && nState == 0)
        Stop();
}

void CBandScanner::OnStateTimer()
{
    // Right after a start the panel still shows the radio as it was before
    // the scan bits were written: wait for its next poll.
    if (m_nRadioScanning == kStarted && m_panel.GetRenderedPolls() == m_nPollsAtStart)
        return;
    UpdateScanState(m_panel.IsScanning() ? 1 : 0);
}

void CBandScanner::OnScanning(uintptr_t wParam, intptr_t lParam, bool bVisible)
{
    const bool scanning = (uint32_t(lParam) & 0x80000000u) != 0;
    // A message from a poll made before the start tells nothing new.
    if (!(m_nRadioScanning == kStarted && m_panel.GetRenderedPolls() == m_nPollsAtStart))
        UpdateScanState(scanning ? 1 : 0);
    if (scanning && m_bPlotting && bVisible)
        Plot(uint32_t(wParam), uint8_t(lParam & 0xFF));
}

void CBandScanner::OnPause()
{
    if (m_nRadioScanning != 0)
        Stop();
}
