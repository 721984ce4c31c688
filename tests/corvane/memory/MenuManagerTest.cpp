// The radio-menu sheet on the simulator: the EEPROM field rules, the
// sheet's opening, Apply, Refresh, OK and Cancel, the selector list, and
// the pages' encodings with the exact frames each change sends.
#include "MemoryRadioFixture.h"
#include "MemoryTestSupport.h"

#include "corvane/memory/CWSettingsForm.h"
#include "corvane/memory/EepromFields.h"
#include "corvane/memory/MenuManager.h"
#include "corvane/memory/MenuPages.h"
#include "shared/Registry.h"
#include "shared/ui/OwnComboBox.h"
#include "shared/ui/OwnSpinButtonCtrl.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/PageSelectorList.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>

using namespace memtest;

namespace {
QByteArray writeFrame(uint32_t address, uint8_t first, uint8_t second)
{
    return QByteArray::fromHex(QString::asprintf("%04X%02X%02XBC", address, first, second).toLatin1());
}

// The frames of one verified masked write that took at once.
QList<QByteArray> verifiedWrite(uint32_t address, uint8_t first, uint8_t second)
{
    return {readFrame(address), readFrame(address), readFrame(address), writeFrame(address, first, second),
            readFrame(address)};
}

int writes(const QList<QByteArray>& frames)
{
    int n = 0;
    for (const QByteArray& f : frames)
        n += f.size() == 5 && uint8_t(f[4]) == 0xBC;
    return n;
}

template <class T>
T* item(QWidget* page, unsigned id)
{
    for (QWidget* w : page->findChildren<QWidget*>())
        if (GetDlgCtrlID(w) == id)
            if (auto* t = qobject_cast<T*>(w))
                return t;
    return nullptr;
}

class MenuRadio : public MemoryRadio {
protected:
    // The sheet as the main frame opens it, read from the radio.
    std::unique_ptr<CMenuManager> open()
    {
        auto sheet = std::make_unique<CMenuManager>();
        sheet->show();
        QApplication::processEvents();
        return sheet;
    }
    template <class Page>
    Page* page(CMenuManager& sheet)
    {
        for (int i = 0; i < sheet.GetPageCount(); ++i)
            if (auto* p = qobject_cast<Page*>(sheet.GetPage(i)))
                return p;
        return nullptr;
    }
};
using MenuFields = MenuRadio;
using MenuManagerSheet = MenuRadio;
using MenuPages = MenuRadio;
} // namespace

TEST_F(MenuFields, BandRecordIsTheActiveVfosBand)
{
    // VFO B active, both VFOs on band 3.
    start({}, {"0055=81", "0059=33"});
    CEepromFields fields;
    EXPECT_EQ(fields.BandRecordAddress(), 0x251);
    // Reads are confirmed: two answers that agree.
    EXPECT_EQ(newFrames(), QList<QByteArray>({readFrame(0x55), readFrame(0x55), readFrame(0x59), readFrame(0x59)}));
    fields.GetBandField(3, 0, 3);
    EXPECT_EQ(newFrames().last(), readFrame(0x254));

    sim.reset();
    start({}, {"0055=80", "0059=33"});
    EXPECT_EQ(CEepromFields().BandRecordAddress(), 0xCB);
}

TEST_F(MenuFields, SetsSendOnlyWhatDiffers)
{
    start();
    CEepromFields fields;
    // 0x62 holds 20 wpm (16) and 8 h charge time (1 in bits 6-7).
    // Every read is confirmed: asked twice on a clean line.
    fields.SetField(0x62, 0, 6, 16);
    EXPECT_EQ(newFrames(), QList<QByteArray>({readFrame(0x62), readFrame(0x62)}));
    fields.SetField(0x62, 0, 6, 8);
    EXPECT_EQ(newFrames(), QList<QByteArray>({readFrame(0x62), readFrame(0x62)}) +
                               verifiedWrite(0x62, 0x48, sim->eepromByte(0x63)));
    EXPECT_EQ(sim->eepromByte(0x62), 0x48);

    fields.SetBit(0x58, 5, true);
    EXPECT_EQ(newFrames().size(), 2);
    fields.SetBit(0x58, 5, false);
    EXPECT_EQ(writes(newFrames()), 1);
    EXPECT_EQ(sim->eepromByte(0x58), 0x10);

    // A word: a confirmed read, then the pair write, which has no check of
    // its own, and a confirmed read back.
    fields.SetWord(0x6D, 0);
    EXPECT_EQ(newFrames().size(), 2);
    fields.SetWord(0x6D, uint16_t(-10));
    EXPECT_EQ(newFrames(), QList<QByteArray>({readFrame(0x6D), readFrame(0x6D), writeFrame(0x6D, 0xFF, 0xF6),
                                              readFrame(0x6D), readFrame(0x6D)}));
    EXPECT_EQ(int16_t(fields.GetWord(0x6D)), -10);
}

// A setting whose read could not be confirmed shows no radio value: it is
// never written back, even when the radio answers cleanly by Apply time, and
// the refused write counts as unconfirmed.
TEST_F(MenuFields, ASettingNotReadForCertainIsNeverWrittenBack)
{
    start({QStringLiteral("inconsistent-eeprom:count=3")});
    const uint8_t before = sim->eepromByte(0x62);
    CEepromFields fields;
    const int unconfirmed = fields.Link()->GetUnconfirmedWrites();
    EXPECT_EQ(fields.GetField(0x62, 0, 6), 0);
    EXPECT_EQ(newFrames().size(), 6) << "six answers, no two in a row alike";
    fields.SetField(0x62, 0, 6, 0);
    EXPECT_EQ(writes(newFrames()), 0);
    EXPECT_EQ(fields.Link()->GetUnconfirmedWrites(), unconfirmed + 1);
    EXPECT_EQ(sim->eepromByte(0x62), before);
    // Read again for certain, the setting may be written.
    EXPECT_EQ(fields.GetField(0x62, 0, 6), before & 0x3F);
    fields.SetField(0x62, 0, 6, 8);
    EXPECT_EQ(writes(newFrames()), 1);
    EXPECT_EQ(sim->eepromByte(0x62) & 0x3F, 8);
}

TEST_F(MenuManagerSheet, OpeningReadsEveryPageAndListsTheirSettings)
{
    start();
    GetRegistry().WriteInt("Menu manager page", 3);
    auto sheet = open();
    EXPECT_EQ(sheet->windowTitle(), "FT-817 Manager");
    ASSERT_EQ(sheet->GetPageCount(), 10);
    const QStringList titles = {"Antenna", "Battery", "CW", "DIG / PKT", "Display", "Microphone", "SSB Carrier",
                                "Transmit", "Tuning", "Various"};
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(sheet->GetPage(i)->windowTitle(), titles[i]);
        EXPECT_FALSE(sheet->GetPage(i)->IsModified());
    }
    EXPECT_FALSE(sheet->GetApplyButton()->isEnabled());
    EXPECT_EQ(sheet->GetActiveIndex(), 3);

    CPageSelectorList* list = sheet->GetSelectorList();
    ASSERT_TRUE(list);
    EXPECT_EQ(list->GetText(0), "Antenna");
    EXPECT_EQ(list->GetText(1), "    Select font/rear");
    EXPECT_EQ(list->GetText(2), "Battery");
    EXPECT_EQ(list->GetItemData(1), 0);
    EXPECT_EQ(list->GetText(list->GetCurSel()), "DIG / PKT");
    EXPECT_EQ(list->GetCount(), 10 + 1 + 3 + 8 + 4 + 4 + 4 + 4 + 3 + 3 + 9);
    EXPECT_EQ(sheet->GetRefreshButton()->text(), "&Refresh");
    EXPECT_LT(list->geometry().right(), sheet->GetTabControl()->geometry().left());

    // Opening read the radio and nothing else.
    const QList<QByteArray> frames = newFrames();
    EXPECT_GT(frames.size(), 40);
    EXPECT_EQ(writes(frames), 0);
}

TEST_F(MenuManagerSheet, StoredPageOutOfRangeOpensTheFirst)
{
    start();
    for (int stored : {-1, 10}) {
        GetRegistry().WriteInt("Menu manager page", stored);
        auto sheet = open();
        EXPECT_EQ(sheet->GetActiveIndex(), 0) << stored;
        EXPECT_EQ(sheet->GetSelectorList()->GetCurSel(), 0);
    }
}

TEST_F(MenuManagerSheet, ApplyWritesOnlyTheChangedPageThenReadsItBack)
{
    start();
    auto sheet = open();
    newFrames();
    sheet->OnApplyNow();
    EXPECT_TRUE(newFrames().isEmpty()) << "nothing modified: nothing sent";
    EXPECT_EQ(sleeper.m_totalMs, 0);

    // The Antenna page shows HF checked (front) while 0x7A bit 0 is clear.
    auto* antenna = page<CMenuAntenna>(*sheet);
    auto* hf = item<QCheckBox>(antenna, 1251);
    ASSERT_TRUE(hf);
    EXPECT_TRUE(hf->isChecked());
    sheet->SetActivePage(antenna);
    hf->click();
    EXPECT_TRUE(antenna->IsModified());
    EXPECT_TRUE(sheet->GetApplyButton()->isEnabled());

    sheet->GetApplyButton()->click();
    const QList<QByteArray> frames = newFrames();
    // Six confirmed bit reads (two answers each); the HF bit differs and is
    // written; then the page's six confirmed reads.
    QList<QByteArray> expected = {readFrame(0x7A), readFrame(0x7A)};
    expected += verifiedWrite(0x7A, 0x01, sim->eepromByte(0x7B));
    for (int i = 0; i < 2 * (5 + 6); ++i)
        expected << readFrame(0x7A);
    EXPECT_EQ(frames, expected);
    EXPECT_EQ(sim->eepromByte(0x7A), 0x01);
    EXPECT_EQ(sleeper.m_totalMs, 1000 + 20);
    EXPECT_FALSE(hf->isChecked());
    EXPECT_FALSE(antenna->IsModified());
    EXPECT_FALSE(sheet->GetApplyButton()->isEnabled());
}

TEST_F(MenuManagerSheet, OkAppliesAndCancelDiscards)
{
    start();
    {
        auto sheet = open();
        auto* battery = page<CMenuBattery>(*sheet);
        sheet->SetActivePage(battery);
        item<QRadioButton>(battery, 1081)->click();  // 10 hours
        newFrames();
        sheet->OnCancel();
        EXPECT_EQ(writes(newFrames()), 0);
        EXPECT_EQ(sim->eepromByte(0x62) >> 6, 1);
        EXPECT_EQ(GetRegistry().GetInt("Menu manager page", -1), 1);
    }
    auto sheet = open();
    auto* battery = page<CMenuBattery>(*sheet);
    sheet->SetActivePage(battery);
    item<QRadioButton>(battery, 1081)->click();
    sheet->OnOK();
    EXPECT_EQ(sim->eepromByte(0x62), 0x90) << "charge time 10 h, speed kept";
    EXPECT_EQ(sheet->result(), int(platform::IDOK));
}

TEST_F(MenuManagerSheet, SelectorListAndTabsFollowEachOther)
{
    start();
    auto sheet = open();
    CPageSelectorList* list = sheet->GetSelectorList();
    // A keyword line activates its page.
    int pitch = -1;
    for (int i = 0; i < list->GetCount(); ++i)
        if (list->GetText(i) == "    Pitch")
            pitch = i;
    ASSERT_GE(pitch, 0);
    list->setCurrentRow(pitch);
    EXPECT_EQ(sheet->GetActiveIndex(), 2);
    QApplication::processEvents();
    EXPECT_EQ(list->GetCurSel(), pitch) << "a line of the shown page stays selected";

    // A tab chosen moves the list to that page's title.
    sheet->GetTabControl()->setCurrentIndex(7);
    QApplication::processEvents();
    EXPECT_EQ(list->GetText(list->GetCurSel()), "Transmit");
}

TEST_F(MenuManagerSheet, RefreshRereadsAndDropsUnappliedChanges)
{
    start();
    auto sheet = open();
    auto* various = page<CMenuVarious>(*sheet);
    sheet->SetActivePage(various);
    auto* emergency = item<QCheckBox>(various, 1283);
    emergency->click();
    EXPECT_TRUE(various->IsModified());
    sheet->GetRefreshButton()->click();
    EXPECT_FALSE(various->IsModified());
    EXPECT_FALSE(emergency->isChecked());
    EXPECT_EQ(writes(newFrames()), 0);
}

TEST_F(MenuPages, CwSpinsShowTheirUnits)
{
    start({}, {"005F=14", "005E=00"});
    CMenuCW cw;
    cw.ReadFromRadio();
    CCWSettingsForm* form = cw.Form();
    EXPECT_EQ(form->Spin(CCWSettingsForm::WEIGHT)->Edit()->text(), "1:4.5");
    form->Spin(CCWSettingsForm::WEIGHT)->Show(0);
    EXPECT_EQ(form->Spin(CCWSettingsForm::WEIGHT)->Edit()->text(), "1:2.5");
    EXPECT_EQ(form->Spin(CCWSettingsForm::PITCH)->Edit()->text(), "300");
    EXPECT_EQ(form->Spin(CCWSettingsForm::DELAY)->Edit()->text(), "250");
    EXPECT_EQ(form->Spin(CCWSettingsForm::SPEED)->Edit()->text(), "20");
    // Paddle polarity normal is a clear bit; keyer and semi break-in are set.
    EXPECT_TRUE(form->Check(CCWSettingsForm::PADDLE)->isChecked());
    EXPECT_TRUE(form->Check(CCWSettingsForm::KEYER)->isChecked());
    EXPECT_FALSE(cw.IsModified());
}

TEST_F(MenuPages, DigOffsetsAreSignedWords)
{
    start({}, {"006D=FFF6"});
    CMenuDigPkt dig;
    dig.ReadFromRadio();
    EXPECT_EQ(dig.CarrierOffset().Spin()->GetPos(), 290);
    EXPECT_EQ(dig.CarrierOffset().Edit()->text(), "-100");
    EXPECT_EQ(dig.DisplayOffset().Edit()->text(), "0");
    for (int i = 0; i < 10; ++i)
        dig.CarrierOffset().Spin()->Step(true);
    EXPECT_TRUE(dig.IsModified());
    newFrames();
    dig.WriteToRadio();
    EXPECT_EQ(sim->eepromByte(0x6D), 0);
    EXPECT_EQ(sim->eepromByte(0x6E), 0);
    EXPECT_EQ(writes(newFrames()), 1);
}

TEST_F(MenuPages, SsbCarrierOffsetsAreSignedBytes)
{
    start({}, {"0071=F6", "0072=1E"});
    CMenuSSBCarrier ssb;
    ssb.ReadFromRadio();
    EXPECT_EQ(ssb.Offset(3).Edit()->text(), "-100");  // Rx LSB
    EXPECT_EQ(ssb.Offset(2).Edit()->text(), "300");   // Rx USB
    EXPECT_EQ(ssb.Offset(0).Edit()->text(), "0");
    // Tx USB to the top of its range writes +30 (300 Hz).
    for (int i = 0; i < 40; ++i)
        ssb.Offset(0).Spin()->Step(true);
    EXPECT_EQ(ssb.Offset(0).Edit()->text(), "300");
    newFrames();
    ssb.WriteToRadio();
    EXPECT_EQ(sim->eepromByte(0x74), 0x1E);
    EXPECT_EQ(sim->eepromByte(0x71), 0xF6);
    EXPECT_EQ(writes(newFrames()), 1);
}

TEST_F(MenuPages, UpDownKeysAreOneChoiceInTwoBits)
{
    start({}, {"0068=B2", "0069=B2"});
    CMenuMicrophone mic;
    mic.ReadFromRadio();
    EXPECT_EQ(mic.UpDownKeys().Get(), 1) << "CW keying wins when both bits are set";
    EXPECT_EQ(mic.Gain(1).Edit()->text(), "50");
    mic.WriteToRadio();
    EXPECT_EQ(sim->eepromByte(0x68), 0xB2);
    EXPECT_EQ(sim->eepromByte(0x69), 0x32) << "bit 7 cleared, the FM gain kept";
}

TEST_F(MenuPages, OneChangedGainIsOneWrite)
{
    start();
    CMenuMicrophone mic;
    mic.ReadFromRadio();
    mic.Gain(2).Spin()->Step(false);  // FM gain 50 -> 49
    EXPECT_EQ(mic.Gain(2).Edit()->text(), "49");
    EXPECT_TRUE(mic.IsModified());
    newFrames();
    mic.WriteToRadio();
    const QList<QByteArray> frames = newFrames();
    EXPECT_EQ(writes(frames), 1);
    EXPECT_TRUE(frames.contains(writeFrame(0x69, 49, sim->eepromByte(0x6A))));
    EXPECT_EQ(sim->eepromByte(0x69), 49);
}

TEST_F(MenuPages, ValuesWithoutAChoiceStayInTheRadio)
{
    // AM step 6 (byte 3 bits 3-5 of VFO A's 20 m record), DIG mode 5, power-off 7.
    const uint32_t record = 0x7D + 4 * 26;
    start({}, {QString::asprintf("%04X=%02X", record + 3, 6 << 3), "0065=A7"});
    CMenuTuning tuning;
    tuning.ReadFromRadio();
    auto* am = item<COwnComboBox>(&tuning, CMenuTuning::IDC_AM_STEP);
    EXPECT_EQ(am->GetCurSel(), -1);
    CMenuDigPkt dig;
    dig.ReadFromRadio();
    CMenuBattery battery;
    battery.ReadFromRadio();
    for (unsigned id : {1271u, 1272u, 1273u, 1084u, 1085u})
        EXPECT_FALSE(item<QRadioButton>(&dig, id)->isChecked());
    newFrames();
    tuning.WriteToRadio();
    dig.WriteToRadio();
    battery.WriteToRadio();
    EXPECT_EQ(writes(newFrames()), 0);
    EXPECT_EQ(sim->eepromByte(int(record + 3)), 6 << 3);
    EXPECT_EQ(sim->eepromByte(0x65), 0xA7);

    // Once a step is chosen it is written into the active band's record.
    am->setCurrentIndex(1);
    emit am->activated(1);
    EXPECT_TRUE(tuning.IsModified());
    tuning.WriteToRadio();
    EXPECT_EQ(sim->eepromByte(int(record + 3)), 1 << 3);
}

TEST_F(MenuPages, BatteryChargeStatusIsShownOnly)
{
    start({}, {"007B=0A"});
    CMenuBattery battery;
    battery.ReadFromRadio();
    EXPECT_EQ(item<QLabel>(&battery, CMenuBattery::IDC_CHARGE_STATUS)->text(), "Current charge mode: 10 hours");
    newFrames();
    battery.WriteToRadio();
    for (const QByteArray& f : newFrames())
        EXPECT_NE(f.left(2), QByteArray::fromHex("007B"));
}

TEST_F(MenuPages, ContrastSliderMarksThePageOnlyWhenMoved)
{
    start();
    CMenuDisplay display;
    display.ReadFromRadio();
    EXPECT_EQ(display.Contrast()->value(), 5);
    EXPECT_FALSE(display.IsModified());
    display.Contrast()->triggerAction(QSlider::SliderSingleStepAdd);
    EXPECT_TRUE(display.IsModified());
    display.WriteToRadio();
    EXPECT_EQ(sim->eepromByte(0x5B), 0x86);
}
