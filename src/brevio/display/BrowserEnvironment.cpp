#include "brevio/display/BrowserEnvironment.h"

#include "brevio/core/DspCalls.h"
#include "brevio/core/MainFrame.h"
#include "brevio/core/RadioToolBar.h"

#include <QDateTime>

namespace {
CBrowserEnvironment* g_pInstance = nullptr;
}

CBrowserEnvironment& CBrowserEnvironment::Instance()
{
    static CBrowserEnvironment program;
    return g_pInstance ? *g_pInstance : program;
}

void CBrowserEnvironment::SetInstance(CBrowserEnvironment* pEnvironment)
{
    g_pInstance = pEnvironment;
}

CTimeStamp CBrowserEnvironment::Now() const
{
    const qint64 ms = QDateTime::currentMSecsSinceEpoch();
    return CTimeStamp{ms / 1000, int(ms % 1000)};
}

int CBrowserEnvironment::GetClosestPeak(int nLow, int nHigh)
{
    return fnGetClosestPeak(nLow, nHigh);
}

void CBrowserEnvironment::SetRxFrequency(int nFrequency, int nChannel)
{
    fnSetRXFrequency(nFrequency, 0, nChannel);
}

int CBrowserEnvironment::GetRxFrequency(int nChannel)
{
    return fnGetRXFrequency(nChannel);
}

void CBrowserEnvironment::EnableRxChannel(int nChannel, int bEnable)
{
    fnEnableRXChannel(nChannel, bEnable);
}

void CBrowserEnvironment::SetSquelchThreshold(int nThreshold, int nSpeed, int nChannel)
{
    fnSetSquelchThreshold(nThreshold, nSpeed, nChannel);
}

int CBrowserEnvironment::GetSignalLevel(int nChannel)
{
    return fnGetSignalLevel(nChannel);
}

void CBrowserEnvironment::GetVectorData(int* pBuffer, int nChannel)
{
    fnGetVectorData(pBuffer, nChannel);
}

void CBrowserEnvironment::SetAfcLimit(int nLimit, int nChannel)
{
    fnSetAFCLimit(nLimit, nChannel);
}

void CBrowserEnvironment::SetTxFrequency(int nFrequency)
{
    fnSetTXFrequency(nFrequency);
}

void CBrowserEnvironment::AbortTx()
{
    fnAbortTX();
}

void CBrowserEnvironment::ClearTxBuffer()
{
    fnClearTXBuffer();
}

void CBrowserEnvironment::SendLocatorToOrbisk(const QString& strLocator)
{
    if (CMainFrame* frame = GetMainFrame())
        frame->SendLocatorToOrbisk(strLocator);
}

void CBrowserEnvironment::LogLocator(const QString& strLocator, const QString& strDistance,
                                     const QString& strHeading, const QString& strFrequency)
{
    if (CMainFrame* frame = GetMainFrame())
        frame->LogLocator(strLocator, strDistance, strHeading, strFrequency);
}

int CBrowserEnvironment::GetRadioFrequency() const
{
    const CMainFrame* frame = GetMainFrame();
    const CRadioToolBar* radio = frame ? frame->GetRadioBar() : nullptr;
    return radio ? int(radio->GetFrequency()) : 0;
}

QString CBrowserEnvironment::GetRadioFrequencyText() const
{
    const CMainFrame* frame = GetMainFrame();
    const CRadioToolBar* radio = frame ? frame->GetRadioBar() : nullptr;
    return radio ? radio->GetFrequencyText() : QString();
}
