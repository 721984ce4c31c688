#include "corvane/frontpanel/RemoteCommand.h"

#include "corvane/core/CatLink.h"

CRemoteCommand::CRemoteCommand(CCatLink& link, Hooks hooks) : m_link(link), m_hooks(std::move(hooks)) {}

uint32_t CRemoteCommand::StatusWord(const CRemotePanel* p)
{
    uint32_t word = 1;
    if (!p)
        return word;
    if (p->IsAttenuatorOn())
        word |= 0x02;
    if ((p->GetMode() & 0x0F) == 0x0A)
        word |= 0x20;
    if (p->IsIpoOn())
        word |= 0x04;
    if (p->IsNarrowOn())
        word |= 0x08;
    if (p->IsNoiseBlankerOn())
        word |= 0x10;
    word += (uint32_t(p->GetSMeter()) & 0xFF) << 8;
    word += (uint32_t(p->GetAgc()) & 0xFF) << 16;
    if (p->IsShowingTxMeter()) {
        word += (uint32_t(p->GetTxMeter()) & 0x0F) << 24;
        word += (uint32_t(p->GetAlcMeter()) & 0x0F) << 28;
    }
    return word;
}

int64_t CRemoteCommand::TunedFrequency(uint32_t nCurrent, int32_t nOffset)
{
    const int64_t f = int64_t(nCurrent) + nOffset;
    return f > 0 && f <= kHighestFrequency ? f : -1;
}

void CRemoteCommand::ReleasePtt()
{
    if (!m_bKeyedForRemote)
        return;
    m_link.SetPtt(false);
    m_bKeyedForRemote = false;
    m_bReleaseUntold = true;
}

uint32_t CRemoteCommand::Handle(uint32_t wParam, int32_t lParam)
{
    if (m_hooks.closing && m_hooks.closing()) {
        // A 0 is the loss of the link to the other program.
        m_bReleaseUntold = false;
        return 0;
    }
    if (m_bReleaseUntold) {
        // A close cancelled before the other program asked anything: it
        // still believes the radio keyed for it.
        m_bReleaseUntold = false;
        return 0;
    }
    CRemotePanel* panel = m_hooks.panel ? m_hooks.panel() : nullptr;
    bool bStatus = false;
    switch (wParam) {
    case REMOTE_TUNE_UP:
    case REMOTE_TUNE_DOWN:
        if (panel) {
            // A frequency the radio cannot take sends nothing and leaves Undo alone.
            const int64_t f = TunedFrequency(panel->GetFrequency(), lParam);
            if (f > 0) {
                panel->SetFrequency(uint32_t(f));
                panel->PollRadio(false);
            }
        }
        break;
    case REMOTE_PTT_ON:
        // Also when the radio did not confirm: it may have keyed all the same.
        m_bKeyedForRemote = true;
        // The sender must not go on as if it were transmitting.
        if (!m_link.SetPtt(true))
            return 0;
        break;
    case REMOTE_PTT_OFF:
        m_link.SetPtt(false);
        m_bKeyedForRemote = false;
        break;
    case REMOTE_ACTIVATE:
        if (m_hooks.activate)
            m_hooks.activate();
        break;
    case REMOTE_SET_ATT:
    case REMOTE_SET_IPO:
    case REMOTE_SET_FILTER:
        // These write the current band record, which only the panel's last
        // poll can locate: without a panel nothing is written.
        if (panel) {
            if (wParam == REMOTE_SET_ATT)
                m_link.SetAttenuator((lParam & 0x02) != 0);
            else if (wParam == REMOTE_SET_IPO)
                m_link.SetIpo((lParam & 0x04) != 0);
            else
                m_link.SetNarrow(false, (lParam & 0x08) != 0);
        }
        bStatus = true;
        break;
    case REMOTE_GET_STATUS:
        bStatus = true;
        break;
    case REMOTE_SET_FREQUENCY: {
        const int64_t f = lParam;
        if (f > 0 && f <= kHighestFrequency)
            m_link.SetFrequencyHz(uint32_t(f));
        break;
    }
    case REMOTE_SET_NB:
        m_link.SetNoiseBlanker((lParam & 0x10) != 0);
        bStatus = true;
        break;
    case REMOTE_SET_AGC:
        // Only the four codes the radio knows; anything else is ignored.
        if (lParam >= 0 && lParam <= 3)
            m_link.SetAgc(lParam);
        break;
    case REMOTE_SET_DIG:
        m_link.SetMode(CCatLink::MODE_DIG);
        bStatus = true;
        break;
    default:
        break;
    }
    if (bStatus)
        return StatusWord(panel);
    // A frequency is only given while the radio answers: the last one read
    // would pass a lost radio off as present.
    return panel && panel->IsRadioAnswering() ? panel->GetFrequency() : 0;
}
