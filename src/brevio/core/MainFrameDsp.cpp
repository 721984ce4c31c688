// The engine's notifications, transmit control and the sound card.
#include "brevio/core/MainFrame.h"

#include "brevio/core/Components.h"
#include "brevio/core/DspCalls.h"
#include "brevio/core/DspMessageSink.h"
#include "brevio/core/FormRx.h"
#include "brevio/core/MixerDialog.h"
#include "brevio/core/ModeToolBar.h"
#include "brevio/core/PSK31App.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/core/RegisteredMessages.h"
#include "brevio/core/TxTextWindow.h"
#include "platform/Prompter.h"
#include "platform/Sleeper.h"
#include "shared/RegisteredEvent.h"
#include "shared/Registry.h"

#include <QDockWidget>
#include <QTimer>
#include <cstring>

namespace {
const char* const kStatusTexts[] = {
    "In Receive mode",
    "In Transmit mode",
    "CPU too slow or busy. The soundcard was reset because the CPU could not keep up.",
    "Transmission completed. All characters in the transmission queue and any CW ID have been sent.",
    "Input wave file finished reading.",
    "Output wave file reached time limit.",
    "Input file %d%% complete.",
    "Output file %d%% complete.",
    "<unknown>",
    "<unknown>",
    "Memory allocation error",
    "Tried to read and soundcard is not open",
    "Input buffers over-flowed",
    "Timed out waiting for input buffers",
    "Tried to write and soundcard is not open",
    "Output buffers under-flowed",
    "Timed out waiting for output buffers",
    "Device does not support 16 bit, 8000 Hz, Mono format",
    "Device is still outputing",
    "Header not prepared",
    "Device is synchronous",
    "Bad Device ID, multimedia hardware not present",
    "Driver failed to enable",
    "Device already allocated",
    "Device handle is invalid",
    "No device driver present",
    "Function is not supported",
    "Error value out of range",
    "Invalid flag passed",
    "Invalid parameter passed",
    "Handle is in use",
    "Driver does not call DriverCallback",
    "Registry error",
    "Unknown error",
    "Can't open wave file for input",
    "File is not a RIFF wave type",
    "Invalid wave file",
    "No data in file",
    "nNot a supported data type",
    "Error reading data from file",
    "Tried to read and file is not open",
    "Can't open wave file for output",
    "Error writing to wave file",
    "Tried to write and file is not open",};
} // namespace

QString CMainFrame::StatusText(int nCode)
{
    if (nCode < 0 || nCode >= int(std::size(kStatusTexts)))
        return QStringLiteral("<unknown>");
    return QString::fromLatin1(kStatusTexts[nCode]);
}

void CMainFrame::HandleDspEvent(const CDspEvent& e)
{
    switch (e.m_nMessage) {
    case WM_FFT_READY:
        OnFftReady();
        break;
    case WM_DSP_CHAR:
        OnDspChar(e.m_wParam, e.m_lParam);
        break;
    case WM_DSP_STATUS:
        OnDspStatus(e.m_wParam, e.m_lParam);
        break;
    case WM_DSP_IMD:
        OnDspImd(e.m_wParam, e.m_lParam);
        break;
    case WM_DSP_CLOCK_ERROR:
        OnDspClockError(e.m_wParam, e.m_lParam);
        break;
    default:
        break;
    }
}

void CMainFrame::OnFftReady()
{
    // 500 ms without spectrum data means the sound card has stopped.
    SetTimer(101, 500, true);
    if (auto* host = dynamic_cast<IDisplayCanvasHost*>(m_pDisplayBar))
        if (m_pDisplayBar->isVisible() && host->GetCanvas())
            host->GetCanvas()->OnFFTReady();
    if (ISuperView* super = SuperView())
        if (super->IsRunning() && super->GetCanvas())
            super->GetCanvas()->OnFFTReady();
    m_bDataFlowing = true;
    if (!m_bSettled && --m_nSettleCount <= 0) {
        m_nSettleCount = 0;
        m_bSettled = true;
    }
}

void CMainFrame::PumpEcho(CTxTextWindow* pTx, bool bAutoStop)
{
    if (!pTx)
        return;
    if (!pTx->SendNext()) {
        if (!pTx->HasUnsent() && bAutoStop)
            fnStopTX();
    }
    if (pTx->NextIsStop()) {
        pTx->SkipStop();
        fnStopTX();
    }
}

void CMainFrame::OnDspChar(uintptr_t wParam, intptr_t lParam)
{
    const int channel = int(lParam);
    const int character = int(wParam & 0xFF);
    if (channel >= 0 && channel <= 3) {
        if (m_pFormRx[channel])
            PostRegisteredMessage(m_pFormRx[channel], RegisteredMessage::nMsgCharRdy, uintptr_t(character), 0);
        return;
    }
    if (channel >= 10 && channel <= 49) {
        if (ISuperView* super = SuperView())
            super->OnChannelChar(character, channel);
        return;
    }
    if (channel >= 0)
        return;  // 4-9 and anything above 49 belong to nobody

    // The echo of a character just sent pulls the next one.
    if (m_nTxChannel >= 0 && m_nTxChannel <= 3) {
        CFormRx* form = m_pFormRx[m_nTxChannel];
        if (!form)
            return;
        PostRegisteredMessage(form, RegisteredMessage::nMsgCharRdy, uintptr_t(character), 1);
        // The transmit window sends CR and LF together, so an LF echo pulls nothing.
        if (m_bTransmitting && character != '\n')
            PumpEcho(form->GetTxWindow(), form->IsAutoStop());
    } else if (m_nTxChannel >= 10) {
        ISuperView* super = SuperView();
        if (super && m_bTransmitting && character != '\n')
            PumpEcho(super->GetTxWindow(), super->IsAutoStop());
    }
}

void CMainFrame::OnDspStatus(uintptr_t wParam, intptr_t lParam)
{
    const int code = int(intptr_t(wParam));
    const int value = int(lParam);
    bool log = true;
    if (code >= 0 && code < 99)
        m_arrStatusSeen[code] = 1;
    const CPSK31Settings& s = CurrentSettings();
    if (code == 0) {
        m_bTransmitting = false;
        m_bDataFlowing = true;
        for (CFormRx* form : m_pFormRx) {
            if (!form)
                continue;
            form->SetTxState(false, false);
            if (form->GetTxWindow())
                form->GetTxWindow()->SkipStop();
        }
        if (ISuperView* super = SuperView()) {
            super->OnDspStatus(0);
            if (super->GetTxWindow())
                super->GetTxWindow()->SkipStop();
        }
        if (m_bCWIdPending && m_bSendCWId && !s.m_strCWString.isEmpty()) {
            // The radio stays keyed while the identification goes out; its
            // own status 0 ends the transmission.
            m_bCWIdPending = false;
            m_nTxMode = 4;
            fnStartTX(4);
            fnStopTX();
            return;
        }
    } else if (code == 1) {
        m_bTransmitting = true;
        m_bDataFlowing = true;
        for (CFormRx* form : m_pFormRx)
            if (form)
                form->SetTxState(true, false);
        // The Super Browser's transmit window starts sending now as a channel's
        // does: a "[stop]" it passed over at the start left the engine nothing.
        if (m_nTxChannel >= 10)
            if (ISuperView* super = SuperView())
                super->OnDspStatus(1);
    } else if (code == 6) {
        log = value % 10 == 0;
    }
    if (log) {
        const QByteArray format = StatusText(code).toLatin1();
        char text[512] = {};
        std::snprintf(text, sizeof text, format.constData(), value);
        CPSK31App::LogPrintf("Status: [%d] %s", code, text);
        CPSK31App::LogPrintf("%s", "");
    }
    if (code == 0 && (s.m_bPTTFT817 || s.m_bPTTRVL) && m_arrStatusSeen[1]) {
        CPSK31App::LogPrintf("Switching radio to Rx");
        PttOff();
    }
    if (code == 4 && s.m_bInputRepeat) {
        platform::sleepMs(500);
        StartSoundcard();
    }
}

void CMainFrame::OnDspImd(uintptr_t wParam, intptr_t lParam)
{
    const int channel = int(lParam & 0x7F);
    const int flag = (lParam & 0x80) ? 1 : 0;
    const int reading = int(intptr_t(wParam));
    if (channel <= 3) {
        if (m_pFormRx[channel])
            m_pFormRx[channel]->SetIMD(reading, flag);
    } else if (channel >= 10 && channel <= 49) {
        if (ISuperView* super = SuperView())
            super->OnChannelImd(channel - 10, reading, flag);
    }
}

void CMainFrame::OnDspClockError(uintptr_t wParam, intptr_t lParam)
{
    if (lParam >= 0 && lParam <= 3 && m_pFormRx[lParam])
        m_pFormRx[lParam]->SetClockError(int(intptr_t(wParam)));
}

int CMainFrame::TxModeCode(int nSpeed, int nModulation)
{
    return RxModeCode(nSpeed, nModulation);
}

bool CMainFrame::StartTransmit(bool bStart)
{
    if (!bStart) {
        fnStopTX();
        return true;
    }
    const CPSK31Settings& s = CurrentSettings();
    const bool prepared = m_bPttPrepared;
    m_bPttPrepared = false;
    if (!prepared && !KeyRadioForTransmit())
        return false;
    m_bPttPrepared = false;  // KeyRadioForTransmit sets it for a later start
    ClearTxStopNote();
    m_bCWIdPending = m_bSendCWId;
    CPSK31App::LogPrintf("Switching radio to Tx");
    m_nTxMode = TxModeCode(s.m_eSpeed, m_pModeBar ? m_pModeBar->GetMode() : 0);
    fnStartTX(m_nTxMode);
    // The transmit delay: the configured time, during which the engine's
    // messages are held back (and handled afterwards in order) while the
    // window stays responsive.
    if (s.m_nTxDelay > 0 && !m_bInTxDelay) {
        m_bInTxDelay = true;
        QTimer::singleShot(s.m_nTxDelay, this, [this] { EndTxDelay(); });
    }
    return true;
}

void CMainFrame::EndTxDelay()
{
    if (!m_bInTxDelay)
        return;
    m_bInTxDelay = false;
    // A handler may start a new delay; what is still held then waits for it.
    while (!m_heldEvents.empty() && !m_bInTxDelay) {
        std::unique_ptr<CDspEvent> e = std::move(m_heldEvents.front());
        m_heldEvents.pop_front();
        HandleDspEvent(*e);
    }
}

void CMainFrame::SetSendCWId(bool bSend)
{
    m_bSendCWId = bSend;
    CRegistry().WriteBool(QStringLiteral("CMainFrame::m_bSendCWId"), bSend ? 1 : 0);
}

void CMainFrame::StartSoundcard()
{
    const CPSK31Settings& s = CurrentSettings();
    CPSK31App::LogPrintf("Starting soundcard");
    CPSK31App::LogPrintf("------------------");
    int mode = 0;
    if (s.m_bInputEnable && !s.m_strInputWaveFile.isEmpty()) {
        const QByteArray path = s.m_strInputWaveFile.toLocal8Bit();
        CPSK31App::LogPrintf("Input file ...: %s", path.constData());
        CPSK31App::LogPrintf("  Offset .....: %d", s.m_nInputOffset);
        int length = 0;
        if (fnSetInputWavePath(path.constData(), &length, s.m_nInputOffset) == 0 && length != 0)
            mode |= 0x01;
        CPSK31App::LogPrintf("  Length .....: %d", length);
        CPSK31App::LogPrintf("  Status .....: %s", CPSK31App::GetDspErrorText().toLocal8Bit().constData());
    }
    if (s.m_bOutputEnable && !s.m_strOutputWaveFile.isEmpty()) {
        const QByteArray path = s.m_strOutputWaveFile.toLocal8Bit();
        CPSK31App::LogPrintf("Output file ..: %s", path.constData());
        CPSK31App::LogPrintf("  Limit ......: %d", s.m_nOutputLimit);
        CPSK31App::LogPrintf("  Append .....: %d", s.m_bOutputAppend);
        if (fnSetOutputWavePath(path.constData(), s.m_nOutputLimit, s.m_bOutputAppend) == 0)
            mode |= 0x02 | 0x04;
        CPSK31App::LogPrintf("  Status .....: %s", CPSK31App::GetDspErrorText().toLocal8Bit().constData());
    }
    if (s.m_bSoundcardEchoInput)
        mode |= 0x10;
    if (!s.m_bSoundcardEchoOutput)
        mode |= 0x08;
    CPSK31App::LogPrintf("Echo Input ...: %s", s.m_bSoundcardEchoInput ? "Yes" : "No");
    CPSK31App::LogPrintf("Echo Output ..: %s", s.m_bSoundcardEchoOutput ? "Yes" : "No");
    CPSK31App::LogPrintf("Mode .........: %02X", unsigned(mode));
    CPSK31App::LogPrintf("Soundcard ....: %d", s.m_nSoundcardNum);
    const int result = fnStartSoundCardEx(CDspMessageSink::Instance().GetSink(), s.m_nSoundcardNum, 50, mode);
    const QString error = result == 0 ? QStringLiteral("OK") : CPSK31App::GetDspErrorText();
    CPSK31App::LogPrintf("Starting .....: %s", error.toLocal8Bit().constData());
    CPSK31App::LogPrintf("%s", "");
    if (result != 0)
        platform::messageBox(this, QStringLiteral("Error starting soundcard %1: %2").arg(s.m_nSoundcardNum).arg(error),
                             QStringLiteral("Soundcard"), platform::MB_OK | int(platform::MB_ICONERROR));
    fnAbortTX();
}

void CMainFrame::OnSoundcardStart()
{
    if (m_bDataFlowing) {
        CPSK31App::LogPrintf("Stopping soundcard");
        fnStopSoundCard();
    } else {
        StartSoundcard();
    }
    m_bDataFlowing = false;
}

void CMainFrame::RewindInput()
{
    m_nSettleCount = 101;
    m_bSettled = false;
    auto clearCanvases = [this] {
        if (auto* host = dynamic_cast<IDisplayCanvasHost*>(m_pDisplayBar))
            if (host->GetCanvas())
                host->GetCanvas()->SetClearFlag();
        if (ISuperView* super = SuperView())
            if (super->GetCanvas())
                super->GetCanvas()->SetClearFlag();
    };
    clearCanvases();
    fnRewindInput(99);
    clearCanvases();
}

void CMainFrame::OnOptions(intptr_t lParam)
{
    const bool forced = lParam != 0;
    const CPSK31Settings& c = CurrentSettings();
    const CPSK31Settings& p = PreviousSettings();
    if (forced || c.m_strCWString != p.m_strCWString || c.m_nCWSpeed != p.m_nCWSpeed) {
        // The engine keeps the address; the buffer lives as long as the frame.
        const QByteArray text = c.m_strCWString.toLatin1().left(kCWIdLimit);
        std::memset(m_szCWId, 0, sizeof m_szCWId);
        std::memcpy(m_szCWId, text.constData(), size_t(text.size()));
        fnSetCWIDString(m_szCWId);
        fnSetCWIDSpeed(c.m_nCWSpeed);
    }
    if (c.m_bInputEnable != p.m_bInputEnable || c.m_nInputOffset != p.m_nInputOffset ||
        c.m_bInputRepeat != p.m_bInputRepeat || c.m_strInputWaveFile != p.m_strInputWaveFile ||
        c.m_bOutputAppend != p.m_bOutputAppend || c.m_bOutputEnable != p.m_bOutputEnable ||
        c.m_nOutputLimit != p.m_nOutputLimit || c.m_strOutputWaveFile != p.m_strOutputWaveFile ||
        c.m_bSoundcardEchoInput != p.m_bSoundcardEchoInput || c.m_bSoundcardEchoOutput != p.m_bSoundcardEchoOutput ||
        c.m_nSoundcardNum != p.m_nSoundcardNum) {
        fnStopSoundCard();
        StartSoundcard();
    }
    if (c.m_nSoundcardClockAdjust != p.m_nSoundcardClockAdjust)
        fnSetClockErrorAdjustment(c.m_nSoundcardClockAdjust);
    if (c.m_nPTTMode != p.m_nPTTMode || c.m_nPTTPort != p.m_nPTTPort)
        SetComPortPtt(c.m_nPTTPort, c.m_nPTTMode);
    if (forced || c.m_bAutosaveEnable != p.m_bAutosaveEnable) {
        KillTimer(105);
        if (c.m_bAutosaveEnable)
            SetTimer(105, 60000);
    }
    UpdateStatusPanes();
}

void CMainFrame::ReduceMixerLevels(int nPercent)
{
    if (!m_bSettled)
        return;
    if (!m_pMixerLineIn)
        m_pMixerLineIn = new CMixerDialog(this, 0);
    m_pMixerLineIn->ReduceLevel(nPercent);
    if (!m_pMixerMic)
        m_pMixerMic = new CMixerDialog(this, 1);
    m_pMixerMic->ReduceLevel(nPercent);
}
