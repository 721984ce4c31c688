#include "corvane/frontpanel/PanelModel.h"

#include "corvane/core/FieldDecoders.h"
#include "corvane/core/Settings.h"
#include "corvane/frontpanel/PanelForm.h"
#include "corvane/frontpanel/PanelMemoryList.h"
#include "corvane/frontpanel/RadioStatus.h"

namespace {
const QString kNotApplicable = QStringLiteral("- - -");
const char* const kReceiveCaptions[4] = {"Scanning", "Discr. centre", "Tone", "Squelch"};
const char* const kTransmitCaptions[4] = {"High SWR", "Tx Split", "", ""};
const char* const kAgcCaptions[4] = {"AGC: Auto", "AGC: Fast", "AGC: Slow", "AGC: Off"};
const char* const kAgcTips[4] = {"AGC recovery time = Auto", "AGC recovery time = Fast",
                                 "AGC recovery time = Slow", "AGC recovery time = Off"};
const char* const kPowerCaptions[4] = {"5.0 W", "2.5 W", "1.0 W", "0.5 W"};
const char* const kPowerTips[4] = {"Power level - 5 watts", "Power level - 2.5 watts", "Power level - 1 watt",
                                   "Power level - 0.5 watts"};
} // namespace

CPanelModel::CPanelModel()
{
    for (const CFormControl& c : CPanelForm::Controls()) {
        if (c.eKind != CFormControl::Rounded && c.eKind != CFormControl::Repeat)
            continue;
        CButtonLook look;
        look.strCaption = QString::fromLatin1(c.pCaption);
        look.strTooltip = QString::fromLatin1(c.pTooltip);
        m_buttons.insert(c.nId, look);
    }
    for (int id : CPanelForm::ModeButtonIds())
        m_modeCaptions.insert(id, m_buttons[id].strCaption);
    // Nothing to copy from memory and no repeater shift until a poll says so.
    for (int id : {PanelId::MtoA, PanelId::MtoB, PanelId::RptPlus, PanelId::RptMinus}) {
        m_buttons[id].bEnabled = false;
        m_buttons[id].strCaption = kNotApplicable;
    }
    m_buttons[PanelId::Agc].strCaption = QStringLiteral("AGC: Auto");
    m_buttons[PanelId::Power].strCaption = QStringLiteral("0.5 W");
    m_buttons[PanelId::RfSql].strCaption = QStringLiteral("RF-Gain");
    m_bReceiveLamps = false;
    ShowReceiveLamps(true);
    m_display.nFrequency = 0;
}

const CButtonLook& CPanelModel::Button(int nId) const
{
    static const CButtonLook none;
    auto it = m_buttons.constFind(nId);
    return it == m_buttons.constEnd() ? none : *it;
}

void CPanelModel::SetButtonState(int nId, bool bOn)
{
    auto it = m_buttons.find(nId);
    if (it != m_buttons.end())
        it->bOn = bOn;
}

void CPanelModel::EnableWithCaption(int nId, bool bEnable, const QString& strCaption)
{
    CButtonLook& look = m_buttons[nId];
    look.bEnabled = bEnable;
    look.strCaption = bEnable ? strCaption : kNotApplicable;
}

void CPanelModel::ShowReceiveLamps(bool bReceiving, bool bForce)
{
    if (bReceiving == m_bReceiveLamps && !bForce)
        return;
    m_bReceiveLamps = bReceiving;
    for (int i = 0; i < 4; ++i) {
        m_lamps[i].strCaption = QString::fromLatin1(bReceiving ? kReceiveCaptions[i] : kTransmitCaptions[i]);
        m_lamps[i].bLit = false;
        if (i >= 2)
            m_lamps[i].bVisible = bReceiving;
    }
}

void CPanelModel::SetTuningSize(int nSize)
{
    if (nSize == m_nTuningSize)
        return;
    if (m_nTuningSize >= 0)
        SetButtonState(CPanelForm::TuningSizeButton(m_nTuningSize), false);
    if (nSize >= 0 && nSize <= 5)
        SetButtonState(CPanelForm::TuningSizeButton(nSize), true);
    m_nTuningSize = nSize;
}

void CPanelModel::ShowFrequency(uint32_t nBcdWord)
{
    m_display.nFrequency = nBcdWord;
    m_nDialHz = CRadioStatus::BcdWordToHz(nBcdWord);
}

uint32_t CPanelModel::GetVfoAFrequency() const { return CRadioStatus::BcdWordToHz(m_nVfoA); }
uint32_t CPanelModel::GetVfoBFrequency() const { return CRadioStatus::BcdWordToHz(m_nVfoB); }

uint8_t CPanelModel::DecayMeter(uint8_t nValue, int nSlot, const CSettings& settings, int64_t nNowMs)
{
    if (nValue >= m_peaks[nSlot]) {
        m_peaks[nSlot] = nValue;
        m_peakTimes[nSlot] = nNowMs;
        return nValue;
    }
    if (m_peaks[nSlot] == 0)
        return 0;
    const int64_t elapsed = nNowMs - m_peakTimes[nSlot];
    const int64_t hang = settings.m_nTxMeterDecayHang;
    if (elapsed < hang)
        return m_peaks[nSlot];
    const int64_t rate = settings.m_nTxMeterDecayRate == 0 ? 999 : settings.m_nTxMeterDecayRate;
    const int64_t shown = int64_t(m_peaks[nSlot]) - (elapsed - hang) / rate;
    if (shown < 0) {
        m_peaks[nSlot] = 0;
        return 0;
    }
    return uint8_t(shown);
}

int CPanelModel::BandClass(const CRadioStatus& status)
{
    const uint8_t flags = status.Eeprom(0x55);
    if (flags & 0x40)
        return status.Record(1) & 0x07;
    const uint8_t bands = status.Eeprom(0x59);
    const int band = (flags & 0x01) ? bands >> 4 : bands & 0x0F;
    switch (band) {
    case 9: return 1;
    case 10: return 2;
    case 11: return 3;
    case 12: return 4;
    case 13: return 5;
    default: return 0;
    }
}

QList<QPair<QString, uint32_t>> CPanelModel::StepListFor(int nModeCode)
{
    switch (nModeCode) {
    case 0: case 1: case 2: case 3: case 10: case 12:
        return {{"1 KHz", 1000}, {"2.5 KHz", 2500}, {"5 KHz", 5000}};
    case 4:
        return {{"2.5 KHz", 2500}, {"5 KHz", 5000}, {"9 KHz", 9000}, {"10 KHz", 10000}, {"12.5 KHz", 12500},
                {"25 KHz", 25000}};
    case 6: case 8:
        return {{"5 KHz", 5000}, {"6.25 KHz", 6250}, {"10 KHz", 10000}, {"12.5 KHz", 12500}, {"15 KHz", 15000},
                {"20 KHz", 20000}, {"25 KHz", 25000}, {"50 KHz", 50000}};
    default:
        return {};
    }
}

void CPanelModel::SetModeButtons(uint8_t nMode, int nBandClass, uint32_t nAm, uint32_t nFm, uint32_t nSsb,
                                 CPanelUpdate& update)
{
    // The FM broadcast band takes no mode but wide FM.
    const bool enable = nBandClass != 2;
    if (enable != m_bModeButtonsEnabled) {
        m_bModeButtonsEnabled = enable;
        for (int id : CPanelForm::ModeButtonIds())
            EnableWithCaption(id, enable, m_modeCaptions.value(id));
    }
    if (nMode == m_nMode)
        return;
    const int oldCode = m_nMode & 0x7F;
    m_nMode = nMode;
    const int code = nMode & 0x7F;
    if (const int old = CPanelForm::ModeButtonFor(oldCode))
        SetButtonState(old, false);
    if (const int now = CPanelForm::ModeButtonFor(code))
        SetButtonState(now, true);

    update.bRefillSteps = true;
    update.steps = StepListFor(code);
    switch (code) {
    case 4: update.nSelectStep = nAm; break;
    case 6: case 8: update.nSelectStep = nFm; break;
    default: update.nSelectStep = nSsb; break;
    }
}

void CPanelModel::UpdateToggleButton(int nId, bool& bState, bool bNew, int nBandClass, const char* pCaption)
{
    CButtonLook& look = m_buttons[nId];
    if (nBandClass >= 2 && nBandClass <= 5) {
        if (look.bEnabled) {
            bState = false;
            look.bOn = false;
            look.bEnabled = false;
            look.strCaption = kNotApplicable;
        }
        return;
    }
    if (!look.bEnabled) {
        look.bEnabled = true;
        look.strCaption = QString::fromLatin1(pCaption);
    }
    if (bNew != bState) {
        bState = bNew;
        look.bOn = bNew;
    }
}

void CPanelModel::Blank()
{
    m_display.nFrequency = 0xFFFFFFFF;
    m_bAtt = m_bIpo = m_bNb = m_bDualWatch = m_bPriority = m_bSplit = m_bNarrow = m_bClarifier = false;
    for (int id : {PanelId::Att, PanelId::Ipo, PanelId::Nb, PanelId::DualWatch, PanelId::Priority, PanelId::Split,
                   PanelId::Nar, PanelId::Clarifier})
        SetButtonState(id, false);
    for (uint8_t& m : m_meters)
        m = 0;
    for (int i = 0; i < 4; ++i) {
        m_peaks[i] = 0;
        m_peakTimes[i] = 0;
    }
    ShowReceiveLamps(false, true);
    ShowReceiveLamps(true, true);
}

CPanelUpdate CPanelModel::Render(const CRadioStatus& s, const CSettings& settings, int64_t nNowMs)
{
    CPanelUpdate update;
    const bool receiving = s.m_bReceiving;
    const bool transmitting = s.m_bTransmitting;

    // 1. S value; a receiving radio has no transmit peaks to hold.
    const uint8_t sValue = s.m_nRxStatus & 0x0F;
    m_nSValue = sValue;
    update.nSValue = sValue;
    if (receiving)
        for (int i = 0; i < 4; ++i) {
            m_peaks[i] = 0;
            m_peakTimes[i] = 0;
        }

    // 2. Decode.
    const uint8_t e55 = s.Eeprom(0x55), e57 = s.Eeprom(0x57), e5f = s.Eeprom(0x5F);
    const uint8_t e65 = s.Eeprom(0x65), e79 = s.Eeprom(0x79), e7a = s.Eeprom(0x7A);
    const uint8_t rec1 = s.Record(1), rec2 = s.Record(2), rec3 = s.Record(3), rec4 = s.Record(4);
    const bool att = rec2 & 0x10;
    const bool ipo = rec2 & 0x20;
    const bool nb = e57 & 0x20;
    const bool narrow = s.m_nMode & 0x80;
    const int watch = (e79 >> 3) & 0x03;
    const bool dualWatch = watch == 3;
    const bool priority = watch == 2;
    const bool split = e7a & 0x80;
    const bool clarifier = rec2 & 0x40;
    const bool rfGain = !(e5f & 0x80);
    const bool memory = e55 & 0x40;
    const bool memoryTune = (e55 & 0x60) == 0x60;
    const bool vfoA = !(e55 & 0x01);
    const int agc = e57 & 0x03;
    const int power = e79 & 0x03;
    m_bScanning = (e79 & 0x60) != 0;
    m_bMemoryTune = memoryTune;
    m_bFst = !(e57 & 0x80);
    m_bLock = !(e57 & 0x40);
    m_nToneMode = rec4 & 0x03;
    const int bandClass = BandClass(s);
    const int modeCode = s.m_nMode & 0x7F;
    const int shift = rec1 >> 6;
    int vfoState = memory ? (memoryTune ? 3 : 2) : (vfoA ? 0 : 1);
    if (!memory && s.m_bDualWatchOnOther)
        vfoState = vfoA ? 1 : 0;

    // 3. Steps.
    m_nAmStep = AmStepName((rec3 >> 3) & 0x07).GetHz();
    m_nFmStep = FmStepName(rec3 & 0x07).GetHz();
    m_nSsbStep = SsbStepName(rec3 >> 6).GetHz();

    // 4. Indicators.
    auto setBit = [this](int bit, bool on) {
        if (on)
            m_display.nIndicators |= 1u << bit;
        else
            m_display.nIndicators &= ~(1u << bit);
    };
    setBit(7, (e65 & 0x07) != 0);
    setBit(0, dualWatch);
    setBit(1, priority);
    setBit(14, m_bFst);
    setBit(13, m_bLock);
    setBit(2, modeCode == 8 && shift == 1);
    setBit(3, modeCode == 8 && shift == 2);
    setBit(12, split);
    // The display's power indicators run L1, L2, L3, High; the radio's
    // level runs the other way (0 is 5 W, 3 is 0.5 W).
    m_display.nIndicators &= ~(0xFu << 8);
    m_display.nIndicators |= 1u << (8 + (3 - power));
    m_display.nPowerLevel = 3 - power;
    const int displayTone = modeCode == 8 ? m_nToneMode : 0;
    m_display.nToneMode = displayTone;
    m_display.nIndicators &= ~0x70u;
    if (displayTone == 1 || displayTone == 2)
        m_display.nIndicators |= 0x10;
    if (displayTone == 2)
        m_display.nIndicators |= 0x20;
    if (displayTone == 3)
        m_display.nIndicators |= 0x40;

    // 5. Tone text follows the record's tone mode in every mode.
    switch (m_nToneMode) {
    case 1: case 2: m_display.nCtcss = s.Record(6) & 0x3F; m_display.nDcs = -1; break;
    case 3: m_display.nCtcss = -1; m_display.nDcs = s.Record(7) & 0x7F; break;
    default: m_display.nCtcss = -1; m_display.nDcs = -1; break;
    }

    // 6. The other VFO.
    m_nOtherFrequency = uint32_t(s.Other(10)) << 24 | uint32_t(s.Other(11)) << 16 | uint32_t(s.Other(12)) << 8 |
                        s.Other(13);
    m_nOtherMode = s.Other(0) & 0x07;

    // 7. Lamp captions.
    ShowReceiveLamps(receiving);

    // 8. Transverter display.
    update.nTransverterHz = s.FrequencyHz();

    // 9. Lamps.
    if (transmitting) {
        m_lamps[1].bLit = s.m_nTxStatus & 0x20;
        m_lamps[0].bLit = s.m_nTxStatus & 0x40;
    } else if (receiving) {
        const uint8_t rx = s.m_nRxStatus;
        m_lamps[1].bLit = (modeCode == 8 || modeCode == 12) && !(rx & 0x80) && !(rx & 0x20);
        m_lamps[2].bLit = modeCode == 8 && (m_nToneMode == 2 || m_nToneMode == 3) && !(rx & 0x40);
        m_lamps[3].bLit = rx & 0x80;
        m_lamps[0].bLit = m_bScanning;
        update.bNotifyScanListeners = true;
        update.nScanWParam = s.FrequencyHz();
        update.nScanLParam = sValue | (m_bScanning ? 0x80000000u : 0u);
    }

    // 10. Frequency display content.
    const uint8_t rawPower = s.m_txMeter[0] >> 4;
    if (m_display.nFrequency != s.FrequencyWord() || (receiving && m_display.nSMeter != sValue) ||
        (transmitting && m_display.nPowerMeter != rawPower) || m_display.bReceiving != bool(receiving) ||
        m_bDialScanning != m_bScanning) {
        update.bDisplayRefresh = true;
        m_display.nFrequency = s.FrequencyWord();
        if (transmitting) {
            m_display.nPowerMeter = DecayMeter(rawPower, 2, settings, nNowMs);
            m_display.bReceiving = false;
        } else if (receiving) {
            m_display.nSMeter = sValue;
            m_display.bReceiving = true;
        }
        m_nDialHz = s.FrequencyHz();
        m_bDialScanning = m_bScanning;
    }

    // 11. Blinking decimal points while parked on the watched VFO.
    m_display.bBlink = s.m_bDualWatchOnOther;

    // 12. Caption.
    if (memory) {
        m_nMemoryChannel = s.m_nMemoryChannel;
        QString label = transmitting ? settings.m_strTxString : settings.m_strRxString;
        if (m_nMemoryChannel == CRadioStatus::kNoChannel) {
            label = QStringLiteral("See FT-817 Display");
        } else if (m_pMemoryList) {
            QString tag;
            if (m_pMemoryList->GetTag(m_nMemoryChannel, tag))
                label = tag;
        }
        m_display.nVfoState = vfoState;
        m_display.nMode = s.m_nMode;
        m_display.nChannel = m_nMemoryChannel;
        m_display.strLabel = label;
    } else {
        QString label = transmitting ? settings.m_strTxString : settings.m_strRxString;
        if (((receiving && settings.m_bRxFavourite) || (transmitting && settings.m_bTxFavourite)) && m_favourites) {
            QString title;
            if (m_favourites(s.FrequencyHz(), title))
                label = title;
        }
        m_display.nVfoState = vfoState;
        m_display.nMode = s.m_nMode;
        m_display.nChannel = 0;
        m_display.strLabel = label;
    }

    // 13. Mode buttons and the step list.
    SetModeButtons(s.m_nMode, bandClass, m_nAmStep, m_nFmStep, m_nSsbStep, update);

    // 14. Memory to VFO copies only make sense in memory mode.
    m_bVfoA = vfoA;
    m_bMemory = memory;
    EnableWithCaption(PanelId::MtoA, memory, QStringLiteral("M -> A"));
    EnableWithCaption(PanelId::MtoB, memory, QStringLiteral("M -> B"));

    // 15. Antenna connector of this band class.
    const int rear = (e7a >> bandClass) & 0x01;
    if (rear != m_nAntennaRear) {
        m_nAntennaRear = rear;
        m_buttons[PanelId::Antenna].strCaption = rear ? QStringLiteral("Rear") : QStringLiteral("Front");
        m_buttons[PanelId::Antenna].strTooltip = QStringLiteral("Select the front or rear antenna connector");
    }
    m_display.bAntennaRear = rear;

    // 16. Clarifier offset controls show with the clarifier (19 stores it).

    // 17. ATT and IPO do nothing on the VHF/UHF bands.
    UpdateToggleButton(PanelId::Att, m_bAtt, att, bandClass, "ATT");
    UpdateToggleButton(PanelId::Ipo, m_bIpo, ipo, bandClass, "IPO");

    // 18. Repeater shift buttons.
    const bool live = modeCode == 8 && (shift == 1 || shift == 2);
    if (live != m_bRepeaterLive) {
        m_bRepeaterLive = live;
        EnableWithCaption(PanelId::RptPlus, live, QStringLiteral("+ Rpt Shift"));
        EnableWithCaption(PanelId::RptMinus, live, QStringLiteral("- Rpt Shift"));
    }

    // 19. Plain toggles.
    m_bClarifier = clarifier;
    m_bDualWatch = dualWatch;
    m_bNb = nb;
    m_bNarrow = narrow;
    m_bPriority = priority;
    m_bSplit = split;
    SetButtonState(PanelId::Clarifier, clarifier);
    SetButtonState(PanelId::DualWatch, dualWatch);
    SetButtonState(PanelId::Nb, nb);
    SetButtonState(PanelId::Nar, narrow);
    SetButtonState(PanelId::Priority, priority);
    SetButtonState(PanelId::Split, split);

    // 20. RF/SQL knob.
    // The first poll always sets it: the form's "RF-Gain" is no reading.
    if (int(rfGain) != m_nRfGain) {
        m_nRfGain = rfGain;
        m_buttons[PanelId::RfSql].strCaption = rfGain ? QStringLiteral("RF-Gain") : QStringLiteral("Squelch");
        m_buttons[PanelId::RfSql].strTooltip = rfGain ? QStringLiteral("RF/SQL = RF-Gain") : QStringLiteral("RF/SQL = Squelch");
    }

    // 21. AGC and 22. power.
    m_nAgc = agc;
    m_buttons[PanelId::Agc].strCaption = QString::fromLatin1(kAgcCaptions[agc]);
    m_buttons[PanelId::Agc].strTooltip = QString::fromLatin1(kAgcTips[agc]);
    m_nPowerLevel = power;
    m_buttons[PanelId::Power].strCaption = QString::fromLatin1(kPowerCaptions[power]);
    m_buttons[PanelId::Power].strTooltip = QString::fromLatin1(kPowerTips[power]);

    // 23. Transmit meters.
    if (transmitting) {
        m_meters[0] = DecayMeter(s.m_txMeter[0] & 0x0F, 0, settings, nNowMs);
        m_meters[1] = DecayMeter(s.m_txMeter[1] & 0x0F, 1, settings, nNowMs);
        m_meters[2] = DecayMeter(s.m_txMeter[1] >> 4, 3, settings, nNowMs);
    } else {
        m_meters[0] = m_meters[1] = m_meters[2] = 0;
    }

    // 24. VFO frequencies.
    if (!memory) {
        if (vfoA)
            m_nVfoA = s.FrequencyWord();
        else
            m_nVfoB = s.FrequencyWord();
    }
    return update;
}
