// The repeater settings sheet on the simulator: each change written to the
// record the radio is on and read back through a front-panel poll, the
// offset's Apply with and without Dual Watch, the standard offsets and the
// tone lists.
#include "MemoryRadioFixture.h"
#include "MemoryTestSupport.h"

#include "corvane/memory/MenuControls.h"
#include "corvane/memory/RepeaterPanel.h"
#include "corvane/memory/RepeaterSheet.h"
#include "shared/edit/FrequencyEdit.h"
#include "shared/ui/OwnComboBox.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

using namespace memtest;

namespace {
QByteArray frame(const char* hex)
{
    return QByteArray::fromHex(hex);
}

// A front panel as far as the repeater tools ask it: each poll reads the
// bytes it needs from the radio, the record being VFO A's current band.
class PollingPanel final : public CRepeaterPanel {
public:
    explicit PollingPanel(CCatLink& link) : m_link(link) {}
    bool PollRadio(bool bReadExtra) override
    {
        ++polls;
        uint8_t a = 0, b = 0;
        m_link.ReadEepromAt(0x5F, m_ars, b);
        m_link.ReadEepromAt(0x79, m_dw, b);
        m_link.ReadEepromAt(0x59, a, b);
        const uint16_t record = uint16_t(0x7D + (a & 0x0F) * 26);
        for (int n : {1, 4, 6})
            m_link.ReadEepromAt(uint16_t(record + n), m_record[n], m_record[n + 1]);
        if (bReadExtra)
            for (int n : {14, 16})
                m_link.ReadEepromAt(uint16_t(record + n), m_record[n], m_record[n + 1]);
        return true;
    }
    uint8_t GetEepromByte(int nAddress) const override { return nAddress == 0x5F ? m_ars : 0; }
    uint8_t GetRecordByte(int n) const override { return n >= 0 && n < 26 ? m_record[n] : 0; }
    bool IsDualWatch() const override { return (m_dw & 0x18) == 0x18; }
    int polls = 0;

private:
    CCatLink& m_link;
    uint8_t m_ars = 0;
    uint8_t m_dw = 0;
    uint8_t m_record[26] = {};
};

// VFO A on 2 m: the record at 0x7D + 12 * 26.
constexpr uint32_t kRecord = 0x7D + 12 * 26;

class Repeater : public MemoryRadio {
protected:
    void startOn2m(const QStringList& faults = {}, const QStringList& pokes = {})
    {
        start(faults, QStringList{"0059=CC"} + pokes);
        panel = std::make_unique<PollingPanel>(app->GetCatLink());
    }
    std::unique_ptr<CRepeaterSheet> openSheet()
    {
        auto sheet = std::make_unique<CRepeaterSheet>(panel.get());
        sheet->show();
        QApplication::processEvents();
        newFrames();
        return sheet;
    }
    std::unique_ptr<PollingPanel> panel;
};
} // namespace

TEST_F(Repeater, SheetShowsTheRadiosChannel)
{
    startOn2m({}, {QString::asprintf("%04X=%02X", kRecord + 1, 0x44), QString::asprintf("%04X=02", kRecord + 4),
                   QString::asprintf("%04X=3F0A", kRecord + 6), QString::asprintf("%04X=00000EA6", kRecord + 14)});
    auto sheet = openSheet();
    EXPECT_EQ(sheet->windowTitle(), "Repeater Settings");
    EXPECT_EQ(sheet->GetRefreshButton()->text(), "&Refresh");
    EXPECT_EQ(sheet->GetNote()->text(), "Updates are applied immediately (except shift)");
    EXPECT_EQ(panel->polls, 3);
    CRepeaterPageGeneral* general = sheet->GetGeneralPage();
    EXPECT_EQ(general->Shift().Get(), 1);
    EXPECT_EQ(general->ToneMode().Get(), 2);
    EXPECT_TRUE(general->GetArs144()->isChecked());
    EXPECT_TRUE(general->GetArs430()->isChecked());
    EXPECT_EQ(general->GetOffsetEdit()->GetFrequency(), 37500u);
    EXPECT_FALSE(general->GetApplyButton()->isEnabled());
    // 63 is beyond the 50 tones: 63 modulo 50.
    EXPECT_EQ(sheet->GetCtcssPage()->GetList()->count(), 50);
    EXPECT_EQ(sheet->GetCtcssPage()->GetList()->currentRow(), 13);
    EXPECT_EQ(sheet->GetDcsPage()->GetList()->count(), 104);
    EXPECT_EQ(sheet->GetDcsPage()->GetList()->currentRow(), 10);
    EXPECT_TRUE(newFrames().isEmpty());
}

TEST_F(Repeater, ShiftAndToneClicksWriteTheirBitsAndReadBack)
{
    startOn2m({}, {QString::asprintf("%04X=%02X", kRecord + 1, 0x04)});
    auto sheet = openSheet();
    CRepeaterPageGeneral* general = sheet->GetGeneralPage();
    const int pollsBefore = panel->polls;
    general->Shift().Button(1)->click();  // Minus
    EXPECT_EQ(sim->eepromByte(kRecord + 1), 0x44) << "bits 6-7 01, bits 0-5 kept";
    EXPECT_EQ(panel->polls, pollsBefore + 1);
    EXPECT_EQ(general->Shift().Get(), 1);

    general->ToneMode().Button(3)->click();  // DCS
    EXPECT_EQ(sim->eepromByte(kRecord + 4) & 3, 3);
    general->GetArs430()->click();
    EXPECT_EQ(sim->eepromByte(0x5F) & 0x20, 0);
    EXPECT_FALSE(general->GetArs430()->isChecked());
}

TEST_F(Repeater, StandardOffsetThenApplySendsTheOffset)
{
    startOn2m();
    auto sheet = openSheet();
    CRepeaterPageGeneral* general = sheet->GetGeneralPage();
    COwnComboBox* standard = general->GetStandardOffsets();
    // "Select..." changes nothing.
    const QString before = general->GetOffsetEdit()->text();
    standard->setCurrentIndex(0);
    emit standard->activated(0);
    EXPECT_EQ(general->GetOffsetEdit()->text(), before);
    EXPECT_FALSE(general->GetApplyButton()->isEnabled());

    standard->setCurrentIndex(3);  // 600 KHz
    emit standard->activated(3);
    EXPECT_EQ(general->GetOffsetEdit()->GetFrequency(), 600000u);
    EXPECT_EQ(general->GetOffsetEdit()->GetInputText().replace('_', '0'), "0060000");
    EXPECT_EQ(standard->GetCurSel(), 0);
    EXPECT_TRUE(general->GetApplyButton()->isEnabled());
    EXPECT_TRUE(newFrames().isEmpty());

    general->GetApplyButton()->click();
    const QList<QByteArray> frames = newFrames();
    ASSERT_FALSE(frames.isEmpty());
    EXPECT_EQ(frames.first(), frame("00060000F9")) << "no Dual Watch: only the offset";
    EXPECT_FALSE(general->GetApplyButton()->isEnabled());
}

TEST_F(Repeater, ApplyUnderDualWatchSwitchesItOffAndOnAround)
{
    startOn2m({}, {"0079=18"});
    auto sheet = openSheet();
    CRepeaterPageGeneral* general = sheet->GetGeneralPage();
    general->GetStandardOffsets()->setCurrentIndex(1);  // 100 KHz
    emit general->GetStandardOffsets()->activated(1);
    general->GetApplyButton()->click();
    const QList<QByteArray> frames = newFrames();
    const qsizetype offset = frames.indexOf(frame("00010000F9"));
    ASSERT_GT(offset, 0);
    // Dual Watch off first: three reads, the write of 0x79 with bits 3-4 clear, the read-back.
    ASSERT_EQ(offset, 5);
    EXPECT_EQ(frames[3].left(3), frame("007900"));
    EXPECT_EQ(uint8_t(frames[3][4]), 0xBC);
    EXPECT_EQ(uint8_t(frames[offset + 4][2]), 0x18) << "and on again after the offset";
    EXPECT_EQ(sim->eepromByte(0x79), 0x18);
}

TEST_F(Repeater, ToneListsWriteTheChosenIndex)
{
    startOn2m();
    auto sheet = openSheet();
    sheet->GetCtcssPage()->GetList()->setCurrentRow(8);
    EXPECT_EQ(sim->eepromByte(kRecord + 6) & 0x3F, 8);
    EXPECT_EQ(sheet->GetCtcssPage()->GetList()->currentRow(), 8);
    sheet->GetDcsPage()->GetList()->setCurrentRow(100);
    EXPECT_EQ(sim->eepromByte(kRecord + 7) & 0x7F, 100);
}

TEST_F(Repeater, ClosingHidesTheSameSheet)
{
    startOn2m();
    auto sheet = openSheet();
    sheet->close();
    EXPECT_FALSE(sheet->isVisible());
    sheet->Refresh();
    sheet->show();
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(sheet->GetPageCount(), 3);
}
