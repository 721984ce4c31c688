// The Memory Analyser and Memory Browser against the simulator: ranges from
// typed addresses, the reads they make, the changed bits between a baseline
// and a later reading, the hex dump, and what a failed read shows.
#include "MemoryRadioFixture.h"
#include "MemoryTestSupport.h"

#include "corvane/memory/EepromRange.h"
#include "corvane/memory/MemoryAnalyserDialog.h"
#include "corvane/memory/MemoryBrowserDialog.h"
#include "corvane/memory/ToolSupport.h"
#include "shared/Registry.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/edit/OXMaskedEdit.h"
#include "shared/ui/BarMeter.h"
#include "shared/ui/OwnListCtrl.h"
#include "support/ScriptedPrompter.h"

#include <QTest>

using namespace memtest;

namespace {
QStringList rowTexts(const COwnListCtrl& list, int item)
{
    QStringList cells;
    for (int c = 0; c < list.GetColumnCount(); ++c)
        cells << list.GetItemText(item, c);
    return cells;
}

QList<QByteArray> readFrames(uint32_t from, uint32_t count)
{
    QList<QByteArray> frames;
    for (uint32_t i = 0; i < count; i += 2)
        frames << readFrame(from + i);
    return frames;
}

using Analyser = MemoryRadio;
using Browser = MemoryRadio;
} // namespace

TEST(EepromRange, TypedAddressesGiveTheRangeRead)
{
    struct Case {
        uint32_t from, to;
        bool browser;
        uint32_t lowest, count;
    } cases[] = {
        {0x55, 0x55, false, 0x55, 2},     {0x60, 0x50, false, 0x50, 18},  {0x50, 0x60, false, 0x50, 18},
        {0x05, 0x17, true, 0x00, 0x30},   {0x10, 0x10, true, 0x10, 16},   {0x00, 0x10, true, 0x00, 32},
        {0x17, 0x05, true, 0x00, 0x30},   {0xFFF1, 0xFFF1, true, 0xFFF0, 32},
    };
    for (const Case& c : cases) {
        const CEepromRange r = c.browser ? CEepromRange::ForBrowser(c.from, c.to) : CEepromRange::ForAnalyser(c.from, c.to);
        EXPECT_EQ(r.nLowest, c.lowest) << c.from << " " << c.to;
        EXPECT_EQ(r.nCount, c.count) << c.from << " " << c.to;
    }
}

TEST(EepromRange, HexadecimalInput)
{
    EXPECT_EQ(ToolSupport::HexValue("0055"), 0x55u);
    EXPECT_EQ(ToolSupport::HexValue("0x1a2B"), 0x1A2Bu);
    EXPECT_EQ(ToolSupport::HexValue("0X10"), 0x10u);
    EXPECT_EQ(ToolSupport::HexValue("12g4"), 0x12u);
    EXPECT_EQ(ToolSupport::HexValue("zz"), 0u);
    EXPECT_EQ(ToolSupport::HexValue(""), 0u);
}

TEST(EepromRange, ChangedBytesListTheirBits)
{
    const QByteArray base = QByteArray::fromHex("05ff0010");
    const QByteArray now = QByteArray::fromHex("06ff8110");
    const QList<CEepromChange> changes = CompareReadings(0x55, base, now, {true, true}, {true, true});
    ASSERT_EQ(changes.size(), 2);
    EXPECT_EQ(changes[0].Row(), QStringList({"0x0055", "0x05", "0x06", "1", "0"}));
    EXPECT_EQ(changes[1].Row(), QStringList({"0x0057", "0x00", "0x81", "0, 7", ""}));
    // A pair that was not read in either reading is not compared.
    EXPECT_EQ(CompareReadings(0x55, base, now, {false, true}, {true, true}).size(), 1);
    EXPECT_TRUE(CompareReadings(0x55, base, now, {true, true}, {true, false}).size() == 1);
}

TEST_F(Analyser, BaselineThenChangesListsWhatTheRadioChanged)
{
    start();
    CMemoryAnalyserDialog dialog;
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Memory Analyser (Changes)");
    EXPECT_EQ(dialog.GetProgressHistory(), QStringList());
    EXPECT_EQ(dialog.GetProgress()->GetPos(), 1);
    EXPECT_FALSE(dialog.GetChangesButton()->IsEnabled());

    dialog.SetFromTo("0060", "0050");
    dialog.OnOK();  // no baseline yet: Enter takes one
    EXPECT_EQ(dialog.GetLowest(), 0x50u);
    EXPECT_EQ(dialog.GetByteCount(), 18u);
    EXPECT_EQ(newFrames(), readFrames(0x50, 18));
    EXPECT_EQ(dialog.GetProgressHistory().first(), "Reading 0050 / 0060");
    EXPECT_EQ(dialog.GetProgressHistory().last(), "Finished");
    EXPECT_TRUE(dialog.GetChangesButton()->IsEnabled());

    // The operator changes the CW delay and the speed on the radio.
    CCatLink& link = app->GetCatLink();
    ASSERT_TRUE(link.WriteEepromBits(0x60, 0xFF, 26, QString()));
    ASSERT_TRUE(link.WriteEepromBits(0x5D, 0x04, 0x04, QString()));
    newFrames();

    dialog.OnOK();  // Enter now runs Changes
    EXPECT_EQ(newFrames(), readFrames(0x50, 18));
    ASSERT_EQ(dialog.GetList()->GetItemCount(), 2);
    EXPECT_EQ(rowTexts(*dialog.GetList(), 0), QStringList({"0x005D", "0x40", "0x44", "2", ""}));
    EXPECT_EQ(rowTexts(*dialog.GetList(), 1), QStringList({"0x0060", "0x19", "0x1A", "1", "0"}));
    EXPECT_TRUE(newFrames().isEmpty()) << "the analyser never writes";

    // Editing To throws the baseline away.
    QTest::keyClick(dialog.GetToEdit(), Qt::Key_Home);
    QTest::keyClicks(dialog.GetToEdit(), "0070");
    EXPECT_FALSE(dialog.IsBaselineValid());
    EXPECT_FALSE(dialog.GetChangesButton()->IsEnabled());
}

TEST_F(Analyser, OneAddressReadsItsPair)
{
    start();
    CMemoryAnalyserDialog dialog;
    dialog.SetFromTo("0055", "0055");
    dialog.OnBaseline();
    EXPECT_EQ(dialog.GetByteCount(), 2u);
    EXPECT_EQ(newFrames(), QList<QByteArray>({readFrame(0x55)}));
}

TEST_F(Analyser, AFailedReadIsNotAChange)
{
    start({QStringLiteral("no-answer:op=BB,addr=0058,after=1,count=1")});
    CMemoryAnalyserDialog dialog;
    dialog.SetFromTo("0055", "005A");
    dialog.OnBaseline();
    dialog.OnChanges();
    EXPECT_EQ(dialog.GetList()->GetItemCount(), 0);
}

TEST_F(Analyser, CancelRemembersTheRangeAndHides)
{
    start();
    {
        CMemoryAnalyserDialog dialog;
        dialog.show();
        dialog.SetFromTo("0123", "0456");
        dialog.OnCancel();
        EXPECT_FALSE(dialog.isVisible());
    }
    EXPECT_EQ(GetRegistry().GetDialogString(211, 1108), "0123");
    EXPECT_EQ(GetRegistry().GetDialogString(211, 1110), "0456");
    CMemoryAnalyserDialog again;
    EXPECT_EQ(again.GetFrom(), 0x123u);
    EXPECT_EQ(again.GetTo(), 0x456u);
}

TEST_F(Browser, LoadShowsWholeRowsOfTheRange)
{
    start();
    CMemoryBrowserDialog dialog;
    dialog.show();
    EXPECT_FALSE(dialog.GetSaveButton()->IsEnabled());
    EXPECT_FALSE(dialog.GetViewerButton()->IsEnabled());
    EXPECT_EQ(dialog.GetList()->GetColumnHeading(1), "00 01");
    EXPECT_EQ(dialog.GetList()->GetColumnHeading(8), "0E 0F");

    dialog.SetFromTo("0017", "0005");
    dialog.OnOK();
    EXPECT_EQ(dialog.GetByteCount(), 0x30u);
    ASSERT_EQ(dialog.GetList()->GetItemCount(), 3);
    EXPECT_EQ(dialog.GetList()->GetItemText(0, 0), "0x0000");
    EXPECT_EQ(dialog.GetList()->GetItemText(2, 0), "0x0020");
    EXPECT_EQ(newFrames(), readFrames(0x00, 0x30));
    const QByteArray eeprom = sim->eeprom();
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 8; ++c) {
            const int a = r * 16 + c * 2;
            EXPECT_EQ(dialog.GetList()->GetItemText(r, c + 1),
                      QString::asprintf("%02X %02X", uint8_t(eeprom[a]), uint8_t(eeprom[a + 1])));
        }
    EXPECT_EQ(dialog.GetProgressHistory().first(), "Reading 0000");
    EXPECT_EQ(dialog.GetProgressHistory().last(), "Finished");
    EXPECT_TRUE(dialog.GetSaveButton()->IsEnabled());
    EXPECT_TRUE(dialog.GetViewerButton()->IsEnabled());
}

TEST_F(Browser, AboveTheEepromNothingIsSentAndAFailedReadShowsUnknown)
{
    start({QStringLiteral("no-answer:op=BB,addr=1912,count=1")});
    CMemoryBrowserDialog dialog;
    dialog.SetFromTo("1910", "1927");
    dialog.OnLoad();
    ASSERT_EQ(dialog.GetList()->GetItemCount(), 3);
    // 0x1910 .. 0x1926 are sent; the rest of the rows is past the radio's EEPROM.
    EXPECT_EQ(newFrames(), readFrames(0x1910, 0x18));
    EXPECT_EQ(dialog.GetList()->GetItemText(0, 2), "?? ??");
    EXPECT_EQ(dialog.GetList()->GetItemText(1, 5), "FF FF");
    EXPECT_EQ(dialog.GetList()->GetItemText(2, 1), "FF FF");
}

TEST_F(Browser, AddressesBeyondTheEepromAreRefusedBeforeAnythingIsSent)
{
    start();
    auto check = [this](CEepromRangeDialog& dialog) {
        dialog.show();
        dialog.SetFromTo("1FF0", "FFFF");
        testsupport::prompter().m_boxes.clear();
        dialog.OnOK();
        ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
        EXPECT_EQ(testsupport::prompter().m_boxes[0].text,
                  "The FT-817's EEPROM ends at address 1927 (hex).\n \nEnter From and To addresses from 0000 to 1927.");
        EXPECT_EQ(testsupport::prompter().m_boxes[0].style & 0xF0, platform::MB_ICONERROR);
        EXPECT_EQ(dialog.GetList()->GetItemCount(), 0);
        EXPECT_TRUE(newFrames().isEmpty()) << "nothing was sent";
        EXPECT_TRUE(dialog.isVisible());
        // One end inside is not enough.
        dialog.SetFromTo("0000", "1928");
        dialog.OnOK();
        EXPECT_EQ(testsupport::prompter().m_boxes.size(), 2);
        EXPECT_TRUE(newFrames().isEmpty());
    };
    {
        SCOPED_TRACE("browser");
        CMemoryBrowserDialog browser;
        check(browser);
    }
    {
        SCOPED_TRACE("analyser");
        CMemoryAnalyserDialog analyser;
        check(analyser);
    }
}
