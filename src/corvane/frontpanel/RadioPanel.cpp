#include "corvane/frontpanel/RadioPanel.h"

#include "corvane/core/FrequencyText.h"
#include "corvane/core/RegisteredMessages.h"
#include "corvane/core/Settings.h"
#include "corvane/frontpanel/PanelForm.h"
#include "corvane/frontpanel/PanelMemoryList.h"
#include "corvane/frontpanel/SMeterChartSettings.h"
#include "platform/Sleeper.h"
#include "shared/RegisteredEvent.h"
#include "shared/Registry.h"
#include "shared/ui/AmateurBands.h"

#include <algorithm>
#include <cstdlib>

namespace {
// 10 Hz units: eight BCD digits.
constexpr int64_t kTenHzLimit = 100000000;

int chartIntervalMs()
{
    // A damaged setting must not drive the timer to zero.
    return std::max(1, GetSMeterChartSettings().m_nSampleRate) * 1000;
}
} // namespace

bool CRadioPanelHost::IsInAmateurBand(uint32_t nHz)
{
    return CAmateurBands().IsInAmateurBand(nHz);
}

CDualWatchSuspend::CDualWatchSuspend(CCatLink& link, bool bOn) : m_link(link), m_bOn(bOn)
{
    if (m_bOn)
        m_link.DualWatchOff();
}

CDualWatchSuspend::~CDualWatchSuspend()
{
    if (m_bOn)
        m_link.DualWatchOn();
}

CRadioPanel::CRadioPanel(CCatLink& link, CSettings& settings, CRadioPanelHost* pHost, QObject* parent)
    : QObject(parent), m_link(link), m_settings(settings), m_pHost(pHost ? pHost : &m_noHost),
      m_poll(link, settings)
{
    m_nChartInterval = chartIntervalMs();
    for (QTimer* t : {&m_pollTimer, &m_repeatTimer, &m_chartTimer, &m_readOutTimer})
        t->setSingleShot(false);
    m_pollTimer.setSingleShot(true);
    m_readOutTimer.setSingleShot(true);
    connect(&m_pollTimer, &QTimer::timeout, this, &CRadioPanel::OnPollTimer);
    connect(&m_repeatTimer, &QTimer::timeout, this, &CRadioPanel::OnRepeatTimer);
    connect(&m_chartTimer, &QTimer::timeout, this, &CRadioPanel::OnChartTimer);
    connect(&m_readOutTimer, &QTimer::timeout, this, &CRadioPanel::OnReadOutTimer);
    m_link.SetPanelState(this);
}

CRadioPanel::~CRadioPanel()
{
    m_link.SetPanelState(nullptr);
}

void CRadioPanel::SetMemoryList(CPanelMemoryList* pList)
{
    m_pMemoryList = pList;
    m_poll.SetMemoryList(pList);
    m_model.SetMemoryList(pList);
}

void CRadioPanel::StartTimers()
{
    m_chartTimer.start(m_nChartInterval);
    m_pollTimer.start(CSettings::GetPollInterval());
}

void CRadioPanel::StopTimers()
{
    for (QTimer* t : {&m_pollTimer, &m_repeatTimer, &m_chartTimer, &m_readOutTimer})
        t->stop();
}

// ---------------------------------------------------------------- poll

void CRadioPanel::OnPollTimer()
{
    // Not running while the poll (or a dialog it opens) runs: a slow poll
    // delays the next one instead of queueing ticks.
    m_pollTimer.stop();
    PollRadio(false);
    m_pollTimer.start(m_bLastPollFailed ? CSettings::GetSlowPollInterval() : CSettings::GetPollInterval());
}

void CRadioPanel::PollRadio(bool bReadExtra)
{
    const uint32_t f0 = m_model.GetFrequency();
    const uint8_t m0 = m_model.GetMode();
    m_status.Clear();
    m_status.m_bReadExtra = bReadExtra;
    ReadRadioStatus(m_status);
    ApplyRadioStatus(m_status);
    m_bLastPollFailed = m_status.m_bFailed;
    if (!m_status.m_bFailed && (m_settings.m_bWhiteStickAuto || m_settings.m_bWhiteStickOOB))
        ReadOutChecks(f0, m0);
}

void CRadioPanel::ReadRadioStatus(CRadioStatus& status)
{
    m_poll.ReadRadioStatus(status, m_model.GetMemoryChannel());
}

void CRadioPanel::ApplyRadioStatus(const CRadioStatus& status)
{
    if (status.m_bFailed && status.FrequencyWord() == 0) {
        CheckSentFrequency(status, false);
        m_model.Blank();
        m_pHost->BlankPanel();
        return;
    }
    if (status.m_bTxStateChanged) {
        CheckSentFrequency(status, false);
        m_pollTimer.start(CSettings::GetPollInterval());
        return;
    }
    if (status.m_bNotifyFailure && m_settings.m_bNotifyCommsLost) {
        if (!m_pHost->RunCommsErrorDialog()) {
            CheckSentFrequency(status, false);
            m_pollTimer.start(CSettings::GetSlowPollInterval());
            return;
        }
    }
    CheckSentFrequency(status, !status.m_bFailed);
    const CPanelUpdate update = m_model.Render(status, m_settings, platform::Sleeper::instance().nowMs());
    m_samples.append(update.nSValue);
    ++m_nRenderedPolls;
    m_pHost->RenderPanel(update);
    if (update.bNotifyScanListeners) {
        m_scanListeners.removeAll(QPointer<QObject>());
        for (const QPointer<QObject>& listener : m_scanListeners)
            PostRegisteredMessage(listener, RegisteredMessage::nMsgScanning, update.nScanWParam,
                                  intptr_t(int32_t(update.nScanLParam)));
    }
}

void CRadioPanel::CheckSentFrequency(const CRadioStatus& status, bool bRendered)
{
    uint32_t sent = 0;
    if (!m_link.TakeSentFrequency(sent) || !bRendered)
        return;
    // A scanning radio moves on by itself, and one that transmits reads
    // its transmit frequency: neither says anything about the frequency sent.
    if (!status.m_bReceiving || m_model.IsScanning())
        return;
    const uint32_t read = status.FrequencyHz();
    if (read / 10 != sent)
        m_pHost->FrequencyNotTaken(sent * 10, read);
}

QString CRadioPanel::NotTakenText(uint32_t nSentHz, uint32_t nReadHz)
{
    return QStringLiteral("The FT-817 did not take %1 MHz: it stays on %2 MHz.")
        .arg(CFrequencyText::Format(nSentHz), CFrequencyText::Format(nReadHz));
}

void CRadioPanel::OnRadioData(CRadioStatus* pStatus)
{
    ApplyRadioStatus(*pStatus);
    m_pollTimer.start(pStatus->m_bFailed ? CSettings::GetSlowPollInterval() : CSettings::GetPollInterval());
    delete pStatus;
}

void CRadioPanel::OnChartTimer()
{
    uint32_t sum = 0;
    for (uint8_t v : m_samples)
        sum += v;
    const uint32_t average = m_samples.isEmpty() ? 0 : sum / uint32_t(m_samples.size());
    m_samples.clear();
    m_pHost->AddChartSample(uint8_t(average));
    const int wanted = chartIntervalMs();
    if (wanted != m_nChartInterval) {
        m_nChartInterval = wanted;
        m_chartTimer.start(m_nChartInterval);
    }
}

void CRadioPanel::AddScanListener(QObject* pListener)
{
    m_scanListeners.append(pListener);
}

// ---------------------------------------------------------------- read-out

void CRadioPanel::ReadOutChecks(uint32_t f0, uint8_t m0)
{
    const uint32_t f1 = m_model.GetFrequency();
    const uint8_t m1 = m_model.GetMode();
    if (f0 == 0 && f1 != 0)
        m_bInAmateurBand = m_pHost->IsInAmateurBand(f1);
    const bool frequencyChanged = f0 != 0 && f1 != 0 && f0 != f1;
    const bool modeChanged = f0 != 0 && f1 != 0 && m0 != m1;
    if ((frequencyChanged || modeChanged) && m_settings.m_bWhiteStickAuto) {
        m_bFrequencyPending = m_bFrequencyPending || frequencyChanged;
        m_bModePending = m_bModePending || modeChanged;
        // Each change pushes a frequency read-out a second further out.
        m_readOutTimer.start(m_bFrequencyPending ? 1000 : 1);
    }
    if (frequencyChanged && m_settings.m_bWhiteStickOOB)
        BandCheck(f1);
}

void CRadioPanel::BandCheck(uint32_t nHz)
{
    const bool inBand = m_pHost->IsInAmateurBand(nHz);
    if (inBand != m_bInAmateurBand) {
        m_pHost->OutOfBandWarning(inBand);
        m_bInAmateurBand = inBand;
    }
}

void CRadioPanel::OnReadOutTimer()
{
    m_readOutTimer.stop();
    if (m_bFrequencyPending && m_bModePending)
        m_pHost->SpeakFrequency(true);
    else if (m_bFrequencyPending)
        m_pHost->SpeakFrequency(false);
    else if (m_bModePending)
        m_pHost->SpeakMode();
    m_bFrequencyPending = false;
    m_bModePending = false;
}

// ---------------------------------------------------------------- tuning

void CRadioPanel::SetFrequency(uint32_t nHz)
{
    m_pHost->PushUndo(m_model.GetFrequency(), m_model.GetMode());
    m_link.SetFrequencyHz(nHz);
}

void CRadioPanel::LeaveMemoryIfConfigured()
{
    if (m_settings.m_bTuningDialSwitchVFO && (m_model.IsMemoryMode() || m_model.IsMemoryTune())) {
        WaitCursor wait(m_pHost);
        m_link.LeaveMemoryMode();
    }
}

void CRadioPanel::TuneFromDial(uint32_t nHz)
{
    LeaveMemoryIfConfigured();
    SetFrequency(nHz);
}

void CRadioPanel::SetFrequencyAndMode(uint32_t nHz, uint8_t nMode, bool bLeaveMemory)
{
    m_pHost->PushUndo(m_model.GetFrequency(), m_model.GetMode());
    if (bLeaveMemory && (m_model.IsMemoryMode() || m_model.IsMemoryTune())) {
        WaitCursor wait(m_pHost);
        m_link.LeaveMemoryMode();
    }
    m_link.SetFrequencyInMode(nHz, nMode);
}

uint32_t CRadioPanel::CurrentTenHz(bool& bKnown) const
{
    const uint32_t word = m_model.Display().nFrequency;
    uint32_t value = 0;
    bKnown = true;
    for (int i = 0; i < 4; ++i) {
        const uint32_t b = (word >> (8 * i)) & 0xFF;
        if ((b >> 4) > 9 || (b & 0x0F) > 9)
            bKnown = false;
        value = value * 100 + (b >> 4) * 10 + (b & 0x0F);
    }
    return value;
}

void CRadioPanel::StepFrequency(int nStep, bool bUp, int nCount)
{
    if (m_settings.m_bWhiteStickAuto) {
        m_bFrequencyPending = true;
        m_readOutTimer.start(1000);
    }
    bool known = false;
    const int64_t f = CurrentTenHz(known);
    // A blank display (no radio) has no frequency to step from.
    if (!known || nCount <= 0)
        return;
    int64_t s = 0;
    bool snap = m_settings.m_bTuningDialSnapFrequency;
    if (nStep == kStepFromList) {
        s = int64_t(m_pHost->GetStepListValue()) / 10;
        snap = true;
    } else if (nStep >= 0 && nStep <= 5) {
        s = kStepTable[nStep];
    }
    // No step (nothing selected in the step list) cannot move or snap.
    if (s <= 0)
        return;
    if (!bUp && s * nCount > f)
        return;
    int64_t next = 0;
    if (!snap) {
        next = bUp ? f + nCount * s : f - nCount * s;
    } else if (bUp) {
        const int64_t v = f + nCount * s;
        next = v - v % s;
    } else {
        const int64_t rest = f % s;
        next = f - (rest ? rest : s) - (nCount - 1) * s;
    }
    // The radio takes eight BCD digits of 10 Hz and nothing below zero.
    if (next < 0 || next >= kTenHzLimit)
        return;
    LeaveMemoryIfConfigured();
    m_link.SetFrequency(uint32_t(next));
    m_model.ShowFrequency(CRadioStatus::HzToBcdWord(uint32_t(next) * 10));
    m_pHost->FrequencyShown();
    if (m_settings.m_bWhiteStickOOB)
        BandCheck(m_model.GetFrequency());
}

void CRadioPanel::SetTuningSize(int nSize)
{
    if (nSize == m_model.GetTuningSize())
        return;
    m_model.SetTuningSize(nSize);
    GetRegistry().WriteInt(QStringLiteral("Tuning Size"), nSize);
    m_pHost->TuningSizeChanged(nSize);
}

void CRadioPanel::RestoreTuningSize()
{
    int size = GetRegistry().GetInt(QStringLiteral("Tuning Size"), 3);
    if (size < 0 || size > 5)
        size = 3;
    SetTuningSize(size);
}

void CRadioPanel::OnFreqDigit(int nDirection, int nDigit)
{
    if (nDigit >= 0 && nDigit <= 2)
        SetTuningSize(0);
    else if (nDigit >= 3 && nDigit <= 7)
        SetTuningSize(nDigit - 2);
    if (nDirection > 0)
        StepFrequency(GetTuningSize(), true, 1);
    else if (nDirection < 0)
        StepFrequency(GetTuningSize(), false, 1);
}

void CRadioPanel::OnFreqButton(int nCode)
{
    switch (nCode) {
    case 0: NextMemoryChannel(); break;
    case 1: PreviousMemoryChannel(); break;
    case 2: StepFrequency(GetTuningSize(), true, 1); break;
    case 3: StepFrequency(GetTuningSize(), false, 1); break;
    case 4: StepFrequency(kStepFromList, true, 1); break;
    case 5: StepFrequency(kStepFromList, false, 1); break;
    default: break;
    }
}

void CRadioPanel::OnMouseWheel(int nDelta, bool bStepList, int nHitDigit)
{
    if (nHitDigit >= 0)
        OnFreqDigit(0, nHitDigit);
    const int n = std::abs(nDelta) / 120;
    if (n > 0) {
        const int count = (n * n + n) / 2;
        StepFrequency(bStepList ? kStepFromList : GetTuningSize(), nDelta > 0, count);
    }
    // Spaces the CAT commands of a fast-turned wheel.
    platform::sleepMs(20);
}

// ---------------------------------------------------------------- keys

void CRadioPanel::OnKeystroke(int nKey, bool bKeyUp, bool bShift, bool bPanelFocus)
{
    if (bKeyUp || !bPanelFocus) {
        m_bRepeatActive = false;
        m_nRepeatKey = 0;
        m_nRepeatPeriod = 0;
        m_repeatTimer.stop();
        return;
    }
    if (m_settings.m_bArrowKeys) {
        switch (nKey) {
        case VK_LEFT: nKey = VK_UP; break;
        case VK_UP: nKey = VK_RIGHT; break;
        case VK_RIGHT: nKey = VK_DOWN; break;
        case VK_DOWN: nKey = VK_LEFT; break;
        default: break;
        }
    }
    switch (nKey) {
    case VK_PRIOR: case VK_NEXT: case VK_HOME: case VK_END:
        m_pHost->TuningDialKey(nKey);
        return;
    case VK_UP:
        if (GetTuningSize() > 0)
            SetTuningSize(GetTuningSize() - 1);
        return;
    case VK_DOWN:
        if (GetTuningSize() < 5)
            SetTuningSize(GetTuningSize() + 1);
        return;
    default:
        break;
    }
    if (m_bRepeatActive)
        return;
    m_nRepeatKey = nKey | (bShift ? int(0x80000000u) : 0);
    m_bRepeatActive = true;
    m_nRepeatPeriod = m_settings.GetAutoRepeatDelay();
    if (nKey == VK_LEFT)
        StepFrequency(bShift ? kStepFromList : GetTuningSize(), false, 1);
    else if (nKey == VK_RIGHT)
        StepFrequency(bShift ? kStepFromList : GetTuningSize(), true, 1);
    m_repeatTimer.start(m_nRepeatPeriod);
}

void CRadioPanel::OnRepeatTimer()
{
    if (m_nRepeatPeriod == m_settings.GetAutoRepeatDelay()) {
        m_nRepeatPeriod = m_settings.GetAutoRepeatInterval();
        m_repeatTimer.start(m_nRepeatPeriod);
    }
    const bool shift = m_nRepeatKey & int(0x80000000u);
    switch (m_nRepeatKey & 0x7FFFFFFF) {
    case VK_LEFT: StepFrequency(shift ? kStepFromList : GetTuningSize(), false, 1); break;
    case VK_RIGHT: StepFrequency(shift ? kStepFromList : GetTuningSize(), true, 1); break;
    case KEY_NEXT_MEMORY: NextMemoryChannel(); break;
    case KEY_PREVIOUS_MEMORY: PreviousMemoryChannel(); break;
    default: break;
    }
}

// ---------------------------------------------------------------- commands

void CRadioPanel::OnCommand(int nId)
{
    const int modeCode = CPanelForm::ModeCodeFor(nId);
    if (modeCode >= 0) {
        m_link.SetMode(uint8_t(modeCode));
        return;
    }
    if (nId >= PanelId::Step1MHz && nId <= PanelId::Step10Hz) {
        SetTuningSize(nId - PanelId::Step1MHz);
        return;
    }
    const CPanelModel& m = m_model;
    switch (nId) {
    case PanelId::AB: {
        CDualWatchSuspend suspend(m_link, m.IsDualWatch());
        if (m.IsMemoryMode() || m.IsMemoryTune()) {
            WaitCursor wait(m_pHost);
            m_link.LeaveMemoryMode();
        } else {
            m_link.ToggleVfo();
        }
        break;
    }
    case PanelId::VM: {
        WaitCursor wait(m_pHost);
        if (m.IsMemoryTune())
            m_link.SwitchToMemoryMode();
        else if (m.IsMemoryMode())
            m_link.LeaveMemoryMode();
        else
            m_link.SwitchToMemoryMode();
        break;
    }
    case PanelId::AtoB: CopyVfo(true); break;
    case PanelId::BtoA: CopyVfo(false); break;
    case PanelId::MtoA: CopyMemoryToVfo(true); break;
    case PanelId::MtoB: CopyMemoryToVfo(false); break;
    case PanelId::Agc: {
        const int agc = m.GetAgc();
        m_link.SetAgc(agc == 0 ? 1 : agc == 1 ? 2 : agc == 3 ? 0 : 3);
        break;
    }
    case PanelId::RfSql:
        if (m.IsRfGain())
            m_link.SetSqlKnob();
        else
            m_link.SetRfKnob();
        break;
    case PanelId::Antenna: m_link.ToggleAntenna(); break;
    case PanelId::Power: {
        const int level = m.GetPowerLevel();
        m_link.SetTxPower(level == 3 ? 2 : level == 2 ? 1 : level == 1 ? 0 : 3);
        break;
    }
    case PanelId::Att: m_link.SetAttenuator(!m.IsAttenuatorOn()); break;
    case PanelId::Ipo: m_link.SetIpo(!m.IsIpoOn()); break;
    case PanelId::Nb: m_link.SetNoiseBlanker(!m.IsNoiseBlankerOn()); break;
    case PanelId::Nar: {
        const int code = m.GetMode() & 0x7F;
        m_link.SetNarrow(code == 6 || code == 8, !(m.GetMode() & 0x80));
        break;
    }
    case PanelId::DualWatch:
        if (m.IsDualWatch())
            m_link.DualWatchOff();
        else
            m_link.DualWatchOn();
        break;
    case PanelId::Priority:
        if (m.IsPriorityScan())
            m_link.PriorityScanOff();
        else
            m_link.PriorityScanOn();
        break;
    case PanelId::Split: m_link.SetSplit(!m.IsSplit()); break;
    case PanelId::Clarifier: m_link.SetClarifier(!m.IsClarifierOn()); break;
    case PanelId::RptMinus: RepeaterShift(false); break;
    case PanelId::RptPlus: RepeaterShift(true); break;
    case 33064: m_pHost->SpeakFrequency(false); break;
    case 33065: m_pHost->SpeakFrequency(true); break;
    case 33066:
        m_settings.m_bWhiteStickAuto = !m_settings.m_bWhiteStickAuto;
        m_settings.Save();
        m_pHost->SpeakText(m_settings.m_bWhiteStickAuto ? QStringLiteral("Auto announce , On")
                                                        : QStringLiteral("Auto announce , Off"));
        break;
    case 33067:
        m_settings.m_bWhiteStickFull = !m_settings.m_bWhiteStickFull;
        m_settings.Save();
        m_pHost->SpeakFrequency(false);
        break;
    case 33068:
        m_settings.m_bWhiteStickOOB = !m_settings.m_bWhiteStickOOB;
        m_settings.Save();
        if (m_settings.m_bWhiteStickOOB)
            m_bInAmateurBand = m_pHost->IsInAmateurBand(m_model.GetFrequency());
        m_pHost->SpeakText(m_settings.m_bWhiteStickOOB ? QStringLiteral("Out of band , On")
                                                       : QStringLiteral("Out of band , Off"));
        break;
    default:
        break;
    }
}

void CRadioPanel::CopyVfo(bool bAtoB)
{
    WaitCursor wait(m_pHost);
    CDualWatchSuspend suspend(m_link, m_model.IsDualWatch());
    const bool sourceSelected = bAtoB ? m_model.IsVfoA() : m_model.IsVfoB();
    uint32_t frequency = 0;
    uint8_t mode = 0;
    if (!sourceSelected) {
        m_link.ToggleVfo();
        m_link.ReadFrequencyAndMode(frequency, mode);
        m_link.ToggleVfo();
    } else {
        m_link.ReadFrequencyAndMode(frequency, mode);
        m_link.ToggleVfo();
    }
    m_link.SetFrequencyInMode(CRadioStatus::BcdWordToHz(frequency), mode);
    if (sourceSelected)
        m_link.ToggleVfo();
}

void CRadioPanel::CopyMemoryToVfo(bool bToA)
{
    WaitCursor wait(m_pHost);
    const uint32_t frequency = m_model.GetFrequency();
    const uint8_t mode = m_model.GetMode();
    OnCommand(PanelId::AB);
    platform::sleepMs(100);
    PollRadio(false);
    const bool onA = m_model.IsVfoASelected();
    if (onA != bToA) {
        m_link.ToggleVfo();
        platform::sleepMs(100);
    }
    m_link.SetFrequencyInMode(frequency, mode);
}

void CRadioPanel::NextMemoryChannel()
{
    if (!m_model.IsMemoryMode()) {
        m_link.SwitchToMemoryMode();
        return;
    }
    if (m_model.IsMemoryTune())
        m_link.SwitchMTuneOff();
    const int current = m_model.GetMemoryChannel();
    const int count = m_pMemoryList ? m_pMemoryList->GetCount() : m_settings.GetMemoryChannelCount();
    int channel = 0;
    if (current != CRadioStatus::kNoChannel) {
        for (int c = current + 1; c < count; ++c)
            if (m_pMemoryList && m_pMemoryList->IsUsed(c)) {
                channel = c;
                break;
            }
    }
    m_link.SelectMemoryChannel(channel);
    m_model.SetMemoryChannel(channel);
}

void CRadioPanel::PreviousMemoryChannel()
{
    if (!m_model.IsMemoryMode()) {
        m_link.SwitchToMemoryMode();
        return;
    }
    if (m_model.IsMemoryTune())
        m_link.SwitchMTuneOff();
    const int current = m_model.GetMemoryChannel();
    const int count = m_pMemoryList ? m_pMemoryList->GetCount() : m_settings.GetMemoryChannelCount();
    auto used = [this](int c) { return m_pMemoryList && m_pMemoryList->IsUsed(c); };
    int channel = -1;
    if (current != CRadioStatus::kNoChannel)
        for (int c = std::min(current, count) - 1; c >= 0; --c)
            if (used(c)) {
                channel = c;
                break;
            }
    if (channel < 0) {
        channel = 0;
        for (int c = count - 1; c >= 0; --c)
            if (used(c)) {
                channel = c;
                break;
            }
    }
    m_link.SelectMemoryChannel(channel);
    m_model.SetMemoryChannel(channel);
}

void CRadioPanel::RepeaterShift(bool bUp)
{
    PollRadio(true);
    const CRadioStatus& s = m_status;
    const int64_t offset = (int64_t(s.Record(15)) << 16 | int64_t(s.Record(16)) << 8 | s.Record(17)) * 10;
    bool known = false;
    const int64_t frequency = int64_t(CurrentTenHz(known)) * 10;
    if (!known)
        return;
    const int64_t target = bUp ? frequency + offset : frequency - offset;
    // An offset that would take the frequency below zero or past the radio's
    // eight digits is not sent.
    if (target <= 0 || target >= kTenHzLimit * 10)
        return;
    SetFrequency(uint32_t(target));
}

int CRadioPanel::OnClarifierSpin(int nId, int nDelta)
{
    const int p = m_nClarifierOffset;
    int next = p;
    if (nId == PanelId::ClarifierFine) {
        next = std::clamp(p + nDelta, -999, 999);
    } else if (nDelta > 0) {
        next = std::min(p + 100, 999);
        next -= next % 100;  // down to the grid
    } else if (nDelta < 0) {
        next = std::max(p - 100, -999);
        next -= next % 100;  // toward zero
    }
    m_nClarifierOffset = next;
    m_link.SetClarifierOffset(next);
    return next;
}

QString CRadioPanel::ClarifierText(int nOffset)
{
    const int magnitude = std::abs(nOffset);
    return QString::asprintf("%s %d.%02d", nOffset < 0 ? "-" : "+", magnitude / 100, magnitude % 100);
}
