#include "psk/core/DspCalls.h"

#include "psk/core/MainFrame.h"
#include "psk/core/ModeToolBar.h"
#include "psk/core/PSK31App.h"
#include "psk/core/PSK31Settings.h"
#include "platform/Prompter.h"

namespace pendingdsp {

int RxModeCode(int nSpeed, int nModulation)
{
    if (nModulation < 0 || nModulation > 2)
        return 0;
    if (nSpeed == 0)
        return nModulation;
    if (nSpeed == 1)
        return 8 + nModulation;
    return 0;
}

void ApplyRxMode(int nChannel)
{
    CMainFrame* frame = GetMainFrame();
    const int modulation = frame && frame->GetModeToolBar() ? frame->GetModeToolBar()->GetMode() : 0;
    fnSetRXPSKMode(RxModeCode(CurrentSettings().m_eSpeed, modulation), nChannel);
}

void ApplyRxModeToAllChannels()
{
    for (int channel = 0; channel < 50; ++channel)
        ApplyRxMode(channel);
}

int SetComPortPtt(int nPort, int nMode)
{
    const int result = fnSetComPort(nPort, nMode);
    static const char* const kModes[] = {"OFF", "RTS", "DTR", "RTS + DTR"};
    CPSK31App::LogPrintf("Setting COM port");
    CPSK31App::LogPrintf("----------------");
    CPSK31App::LogPrintf("Port number ...: %u", unsigned(nPort));
    CPSK31App::LogPrintf("Mode ..........: %s", nMode >= 0 && nMode <= 3 ? kModes[nMode] : "Invalid");
    CPSK31App::LogPrintf("Status ........: %s", CPSK31App::GetDspErrorText().toLocal8Bit().constData());
    CPSK31App::LogPrintf("");
    return result;
}

bool LoadDspLibrary(QWidget* pOwner)
{
    // Until the engine's loader is in, an entry-point table put in place by
    // the caller is the engine; without one it cannot be found.
    if (table().fnStartSoundCardEx)
        return true;
    platform::messageBox(pOwner, QStringLiteral("Cannot find %1").arg(QStringLiteral("PskModem117.dll")),
                         QStringLiteral("Error"), platform::MB_OK | int(platform::MB_ICONERROR));
    return false;
}

} // namespace pendingdsp
