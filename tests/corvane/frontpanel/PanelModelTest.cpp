// What the front panel shows for a polled record, decided without a window.
#include "corvane/core/Settings.h"
#include "corvane/frontpanel/PanelForm.h"
#include "corvane/frontpanel/PanelMemoryList.h"
#include "corvane/frontpanel/PanelModel.h"
#include "corvane/frontpanel/RadioStatus.h"

#include <gtest/gtest.h>

namespace {
// A receiving radio on VFO A, 20 m, USB, 14.070.00 MHz, S5.
CRadioStatus receiving(uint32_t hz = 14070000, uint8_t mode = 0x01)
{
    CRadioStatus s;
    s.m_bReadEeprom = 1;
    s.m_bReceiving = 1;
    s.m_nTxStatus = 0xFF;
    s.m_nRxStatus = 0x05;
    s.m_nMode = mode;
    s.SetFrequencyWord(CRadioStatus::HzToBcdWord(hz));
    s.m_eeprom[CRadioStatus::EepromIndex(0x55)] = 0x80;
    s.m_eeprom[CRadioStatus::EepromIndex(0x57)] = 0xC0;
    s.m_eeprom[CRadioStatus::EepromIndex(0x59)] = 0xC4;
    s.m_eeprom[CRadioStatus::EepromIndex(0x5F)] = 0x65;
    s.m_current[2] = 0x4B;  // record byte 3: FM 12.5 kHz, AM 5 kHz, SSB 2.5 kHz
    return s;
}

CRadioStatus transmitting(uint8_t meter0, uint8_t meter1)
{
    CRadioStatus s = receiving();
    s.m_bReceiving = 0;
    s.m_bTransmitting = 1;
    s.m_nRxStatus = 0;
    s.m_nTxStatus = 0x08;
    s.m_txMeter[0] = meter0;
    s.m_txMeter[1] = meter1;
    return s;
}

class Memory final : public CPanelMemoryList {
public:
    int GetCount() const override { return 202; }
    bool IsUsed(int) const override { return true; }
    bool GetTag(int channel, QString& tag) const override
    {
        if (channel != 4)
            return false;
        tag = "UHF S";
        return true;
    }
    int FindChannel(bool, uint32_t, uint8_t, int hint) override { return hint; }
    void UpdateFromStatus(const CRadioStatus&) override {}
};

class PanelModelTest : public ::testing::Test {
protected:
    PanelModelTest() { settings.SetDefaults(); }
    CPanelUpdate render(const CRadioStatus& s, int64_t now = 0) { return model.Render(s, settings, now); }
    CSettings settings;
    CPanelModel model;
};
} // namespace

TEST_F(PanelModelTest, StartsAsTheFormSetsItUp)
{
    EXPECT_EQ(model.Button(PanelId::Agc).strCaption, "AGC: Auto");
    EXPECT_EQ(model.Button(PanelId::Power).strCaption, "0.5 W");
    EXPECT_EQ(model.Button(PanelId::RfSql).strCaption, "RF-Gain");
    for (int id : {PanelId::MtoA, PanelId::MtoB, PanelId::RptPlus, PanelId::RptMinus}) {
        EXPECT_FALSE(model.Button(id).bEnabled) << id;
        EXPECT_EQ(model.Button(id).strCaption, "- - -") << id;
    }
    EXPECT_EQ(model.Lamp(0).strCaption, "Scanning");
    EXPECT_EQ(model.Lamp(3).strCaption, "Squelch");
    EXPECT_EQ(model.GetMode(), 0xFF);
    EXPECT_EQ(model.Buttons().size(), CPanelForm::ButtonIds().size());
    EXPECT_EQ(CPanelForm::Controls().size(), 60);
    int listed = 0;
    for (const CFormControl& c : CPanelForm::Controls())
        listed += c.bListed;
    EXPECT_EQ(listed, 53);
}

TEST_F(PanelModelTest, FirstGoodPollDrawsEveryControl)
{
    CRadioStatus s = receiving();
    s.m_eeprom[CRadioStatus::EepromIndex(0x5F)] = 0xE5;  // knob on squelch
    const CPanelUpdate u = render(s);
    EXPECT_TRUE(u.bDisplayRefresh);
    EXPECT_TRUE(model.Button(PanelId::Usb).bOn);
    EXPECT_FALSE(model.Button(PanelId::Lsb).bOn);
    ASSERT_TRUE(u.bRefillSteps);
    EXPECT_EQ(u.steps.size(), 3);
    EXPECT_EQ(u.nSelectStep, 2500u);
    EXPECT_EQ(model.Button(PanelId::Power).strCaption, "5.0 W");
    EXPECT_EQ(model.Button(PanelId::Power).strTooltip, "Power level - 5 watts");
    EXPECT_EQ(model.Button(PanelId::Antenna).strCaption, "Front");
    // The knob set to squelch shows at the first poll, not the form's "RF-Gain".
    EXPECT_EQ(model.Button(PanelId::RfSql).strCaption, "Squelch");
    EXPECT_EQ(model.Button(PanelId::RfSql).strTooltip, "RF/SQL = Squelch");
    EXPECT_EQ(model.Display().nFrequency, 0x00704001u);
    EXPECT_EQ(model.Display().nSMeter, 5);
    EXPECT_EQ(model.Display().strLabel, "- Rx -");
    EXPECT_EQ(model.Display().nVfoState, 0);
    EXPECT_EQ(model.GetFrequency(), 14070000u);
    EXPECT_EQ(model.GetVfoAFrequency(), 14070000u);
    EXPECT_EQ(u.nScanWParam, 14070000u);
    EXPECT_EQ(u.nScanLParam, 5u);
    // A steady radio refreshes nothing and keeps the step list.
    const CPanelUpdate again = render(s);
    EXPECT_FALSE(again.bDisplayRefresh);
    EXPECT_FALSE(again.bRefillSteps);
}

TEST_F(PanelModelTest, BroadcastBandDisablesModesAttAndIpo)
{
    CRadioStatus hf = receiving();
    hf.m_current[1] = 0x10;  // attenuator on
    render(hf);
    EXPECT_TRUE(model.Button(PanelId::Att).bOn);
    CRadioStatus fm = receiving(88500000, 0x06);
    fm.m_eeprom[CRadioStatus::EepromIndex(0x59)] = 0xCA;  // VFO A band 10
    fm.m_current[1] = 0x10;
    const CPanelUpdate u = render(fm);
    for (int id : CPanelForm::ModeButtonIds()) {
        EXPECT_FALSE(model.Button(id).bEnabled) << id;
        EXPECT_EQ(model.Button(id).strCaption, "- - -");
    }
    for (int id : {PanelId::Att, PanelId::Ipo}) {
        EXPECT_FALSE(model.Button(id).bEnabled);
        EXPECT_FALSE(model.Button(id).bOn);
        EXPECT_EQ(model.Button(id).strCaption, "- - -");
    }
    EXPECT_FALSE(model.IsAttenuatorOn());
    EXPECT_EQ(model.Button(PanelId::Att).strTooltip, "Enable attenuator (does not function on 144/430 MHz)");
    // Wide FM has a step list but no mode button.
    EXPECT_EQ(u.steps.size(), 8);
    for (int id : CPanelForm::ModeButtonIds())
        EXPECT_FALSE(model.Button(id).bOn);
    render(hf);
    EXPECT_EQ(model.Button(PanelId::Lsb).strCaption, "LSB");
    EXPECT_EQ(model.Button(PanelId::Pkt).strCaption, "PKT");
    EXPECT_TRUE(model.Button(PanelId::Att).bEnabled);
    EXPECT_EQ(model.Button(PanelId::Att).strCaption, "ATT");
    EXPECT_TRUE(model.Button(PanelId::Att).bOn);
    EXPECT_EQ(model.Button(PanelId::Ipo).strCaption, "IPO");
}

TEST_F(PanelModelTest, MemoryModeCaptions)
{
    Memory memory;
    model.SetMemoryList(&memory);
    CRadioStatus s = receiving();
    s.m_eeprom[CRadioStatus::EepromIndex(0x55)] = 0xC0;
    s.m_nMemoryChannel = CRadioStatus::kNoChannel;
    render(s);
    EXPECT_EQ(model.Display().strLabel, "See FT-817 Display");
    EXPECT_EQ(model.Display().nVfoState, 2);
    EXPECT_TRUE(model.Button(PanelId::MtoA).bEnabled);
    EXPECT_EQ(model.Button(PanelId::MtoB).strCaption, "M -> B");
    CRadioStatus tx = s;
    tx.m_bReceiving = 0;
    tx.m_bTransmitting = 1;
    tx.m_nTxStatus = 0;
    render(tx);
    EXPECT_EQ(model.Display().strLabel, "See FT-817 Display");
    s.m_nMemoryChannel = 4;
    render(s);
    EXPECT_EQ(model.Display().strLabel, "UHF S");
    EXPECT_EQ(model.GetMemoryChannel(), 4);
    s.m_nMemoryChannel = 5;
    render(s);
    EXPECT_EQ(model.Display().strLabel, "- Rx -");
    // VFO frequencies are not taken from memory mode.
    EXPECT_EQ(model.GetVfoAFrequency(), 0u);
}

TEST_F(PanelModelTest, TransmitMetersHoldThenDecay)
{
    // SWR 5 (byte 1 high nibble), then 0: held for a second, then one step per 300 ms.
    render(transmitting(0x00, 0x50), 10000);
    EXPECT_EQ(model.Meter(2), 5);
    const struct { int64_t at; int shown; } rows[] = {
        {10999, 5}, {11000, 5}, {11299, 5}, {11300, 4}, {11600, 3}, {12499, 1}, {12500, 0}, {12800, 0}};
    for (const auto& r : rows) {
        render(transmitting(0x00, 0x00), r.at);
        EXPECT_EQ(model.Meter(2), r.shown) << r.at;
    }
    // The peak has gone: a new small reading shows at once.
    render(transmitting(0x00, 0x10), 12900);
    EXPECT_EQ(model.Meter(2), 1);
    // Power meter goes to the display, peak-held the same way.
    render(transmitting(0x90, 0x00), 13000);
    EXPECT_EQ(model.Display().nPowerMeter, 9);
    EXPECT_FALSE(model.Display().bReceiving);
    render(transmitting(0x20, 0x00), 13500);
    EXPECT_EQ(model.Display().nPowerMeter, 9);
    // Receiving zeroes meters and peaks.
    render(receiving(), 13600);
    EXPECT_EQ(model.Meter(0) + model.Meter(1) + model.Meter(2), 0);
    EXPECT_TRUE(model.Display().bReceiving);
    // A decay rate of 0 (no division by it) falls one step per 999 ms.
    settings.m_nTxMeterDecayRate = 0;
    render(transmitting(0x09, 0x00), 20000);
    render(transmitting(0x00, 0x00), 21998);
    EXPECT_EQ(model.Meter(0), 9);
    render(transmitting(0x00, 0x00), 21999);
    EXPECT_EQ(model.Meter(0), 8);
}

TEST_F(PanelModelTest, LampsByStateAndCaptionsBySide)
{
    // FM tone squelch with the tone decoded (bit 6 clear), squelch closed (bit 7 set).
    CRadioStatus fm = receiving(145500000, 0x08);
    fm.m_eeprom[CRadioStatus::EepromIndex(0x59)] = 0xCC;
    fm.m_current[3] = 0x02;  // tone mode 2
    fm.m_current[4] = 8;     // CTCSS index 8
    fm.m_nRxStatus = 0x85;
    render(fm);
    EXPECT_TRUE(model.Lamp(2).bLit);
    EXPECT_TRUE(model.Lamp(3).bLit);
    EXPECT_FALSE(model.Lamp(1).bLit);
    EXPECT_EQ(model.Display().nIndicators & 0x70, 0x30u);
    EXPECT_EQ(model.Display().nCtcss, 8);
    // Same tone mode in USB: no lamp, no T/SQ, but the tone text stays.
    CRadioStatus usb = fm;
    usb.m_nMode = 0x01;
    render(usb);
    EXPECT_FALSE(model.Lamp(2).bLit);
    EXPECT_EQ(model.Display().nIndicators & 0x70, 0u);
    EXPECT_EQ(model.Display().nCtcss, 8);
    // Transmitting: the other captions, lamps 3 and 4 hidden; split lights lamp 2.
    CRadioStatus tx = transmitting(0, 0);
    tx.m_nTxStatus = 0x20;
    render(tx);
    EXPECT_EQ(model.Lamp(0).strCaption, "High SWR");
    EXPECT_EQ(model.Lamp(1).strCaption, "Tx Split");
    EXPECT_FALSE(model.Lamp(2).bVisible);
    EXPECT_TRUE(model.Lamp(1).bLit);
    EXPECT_FALSE(model.Lamp(0).bLit);
    EXPECT_EQ(model.Display().strLabel, "- Tx -");
}

TEST_F(PanelModelTest, DualWatchParkedBlinksAndShowsTheOtherVfo)
{
    CRadioStatus s = receiving();
    s.m_eeprom[CRadioStatus::EepromIndex(0x79)] = 0x18;
    s.m_bDualWatchOnOther = 1;
    render(s);
    EXPECT_TRUE(model.Display().bBlink);
    EXPECT_EQ(model.Display().nVfoState, 1);
    EXPECT_TRUE(model.IsDualWatch());
    EXPECT_TRUE(model.Button(PanelId::DualWatch).bOn);
    EXPECT_TRUE(model.Display().nIndicators & 1);
}

TEST_F(PanelModelTest, FavouriteTitleReplacesTheReceiveString)
{
    settings.m_bRxFavourite = 1;
    model.SetFavouriteLookup([](uint32_t hz, QString& title) {
        if (hz != 14070000)
            return false;
        title = "PSK31";
        return true;
    });
    render(receiving());
    EXPECT_EQ(model.Display().strLabel, "PSK31");
    render(receiving(14070010));
    EXPECT_EQ(model.Display().strLabel, "- Rx -");
}

TEST_F(PanelModelTest, RepeaterShiftAndBlank)
{
    CRadioStatus fm = receiving(145500000, 0x08);
    fm.m_current[0] = 0x44;  // 144 MHz range, minus shift
    fm.m_current[1] = 0x40;  // clarifier on
    render(fm);
    EXPECT_TRUE(model.Button(PanelId::RptPlus).bEnabled);
    EXPECT_EQ(model.Button(PanelId::RptMinus).strCaption, "- Rpt Shift");
    EXPECT_EQ(model.Display().nIndicators & 0x0C, 0x04u);
    EXPECT_TRUE(model.IsClarifierGroupVisible());
    model.Blank();
    EXPECT_EQ(model.Display().nFrequency, 0xFFFFFFFFu);
    EXPECT_FALSE(model.IsClarifierGroupVisible());
    EXPECT_FALSE(model.Button(PanelId::Clarifier).bOn);
    EXPECT_EQ(model.Lamp(0).strCaption, "Scanning");
    EXPECT_TRUE(model.Lamp(3).bVisible);
}

TEST_F(PanelModelTest, TuningSizeHighlightsOneButton)
{
    model.SetTuningSize(3);
    EXPECT_TRUE(model.Button(PanelId::Step1kHz).bOn);
    model.SetTuningSize(0);
    EXPECT_FALSE(model.Button(PanelId::Step1kHz).bOn);
    EXPECT_TRUE(model.Button(PanelId::Step1MHz).bOn);
}

TEST_F(PanelModelTest, PowerIndicatorMatchesThePowerButton)
{
    // 5 W shows "High" (bit 11), 0.5 W the L with one bar (bit 8).
    const struct { uint8_t e79; uint32_t bit; const char* caption; } rows[] = {
        {0, 11, "5.0 W"}, {1, 10, "2.5 W"}, {2, 9, "1.0 W"}, {3, 8, "0.5 W"}};
    for (const auto& r : rows) {
        CRadioStatus s = receiving();
        s.m_eeprom[CRadioStatus::EepromIndex(0x79)] = r.e79;
        render(s);
        EXPECT_EQ(model.Display().nIndicators & 0xF00, 1u << r.bit) << int(r.e79);
        EXPECT_EQ(model.Button(PanelId::Power).strCaption, r.caption);
    }
}
