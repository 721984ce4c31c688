// Writing and loading whole channel lists against the simulator: the Save
// Changes dialog (archive file, channel 1's rule, leaving memory mode,
// failed writes) and the Loading Memory dialog.
#include "MemoryRadioFixture.h"
#include "MemoryTestSupport.h"

#include "corvane/core/EepromImage.h"
#include "corvane/memory/LoadingMemoryDialog.h"
#include "corvane/memory/MemoryTransfer.h"
#include "corvane/memory/SaveChangesDialog.h"
#include "platform/DataFolder.h"
#include "shared/TaggedLines.h"
#include "shared/ui/BarMeter.h"

#include <QCheckBox>
#include <QFile>
#include <QPushButton>

using namespace memtest;

namespace {
class SaveChanges : public MemoryRadio {
protected:
    // The manager's lists: the radio's channels as read, and an archive.
    void readLive()
    {
        ASSERT_TRUE(CMemoryTransfer::LoadAll(live, true, nullptr));
        newFrames();
    }
    CRadioMemoryList live;
    CRadioMemoryList archive;
};
} // namespace

TEST_F(SaveChanges, OnlyWhatChangedCanBeSaved)
{
    start();
    CSaveChangesDialog dialog(nullptr, false, false, &archive, &live);
    EXPECT_EQ(dialog.windowTitle(), "Save Changes");
    EXPECT_FALSE(dialog.GetArchiveCheck()->isEnabled());
    EXPECT_FALSE(dialog.GetMemoryCheck()->isEnabled());
    EXPECT_FALSE(dialog.GetSaveButton()->isEnabled());
    EXPECT_EQ(dialog.GetProgress()->GetPos(), 1);
    EXPECT_EQ(dialog.GetProgress()->GetUpper(), 1);

    CSaveChangesDialog some(nullptr, true, true, &archive, &live);
    EXPECT_TRUE(some.GetArchiveCheck()->isEnabled());
    EXPECT_FALSE(some.GetArchiveCheck()->isChecked());
    EXPECT_FALSE(some.GetSaveButton()->isEnabled());
    some.GetMemoryCheck()->click();
    EXPECT_TRUE(some.GetSaveButton()->isEnabled());
    some.GetMemoryCheck()->click();
    EXPECT_FALSE(some.GetSaveButton()->isEnabled());
}

TEST_F(SaveChanges, ArchiveGoesToItsFileInTheRawForm)
{
    start();
    archive.RemoveAll();
    makeRecord(*archive.AddChannel(), "KEEP", 7074000);
    CSaveChangesDialog dialog(nullptr, true, false, &archive, &live);
    dialog.GetArchiveCheck()->click();
    dialog.OnSave();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.IsArchiveChecked());
    EXPECT_TRUE(dialog.WasArchiveSaved());
    EXPECT_FALSE(dialog.WasMemoryWritten());
    EXPECT_EQ(dialog.GetProgressHistory(), QStringList({"Archive Saved"}));
    EXPECT_EQ(sleeper.m_totalMs, 1000);
    EXPECT_TRUE(newFrames().isEmpty()) << "the radio is not touched";

    QFile file(platform::dataFilePath("FT-817 Memory Archive.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = TaggedLines::FromBytes(file.readAll());
    EXPECT_EQ(lines.mid(lines.size() - 7),
              QStringList({"#", "119 " + archive.GetAt(0)->GetRawText(), "120 1", "-@-", "#", QString(60, '#'),
                           "#@filetype=5"}));
}

TEST_F(SaveChanges, ChangedChannelsAreWrittenAndChannelOneIsPutRight)
{
    start();
    readLive();
    // Channel 1 erased in the list; channel 4 relabelled; channel 6 disabled.
    live.GetChannel(0)->Clear();
    live.GetChannel(0)->SetEmpty(false);
    live.GetChannel(0)->SetModified(true);
    CMemoryChannel& four = *live.GetChannel(3);
    four.SetRxFrequencyHz(four.GetRxFrequency());
    four.SetTxFrequencyHz(four.GetTxFrequency());
    four.SetTag("RPT NEW");
    four.Encode();
    four.SetModified(true);
    live.GetChannel(5)->SetEmpty(false);
    live.GetChannel(5)->SetModified(true);
    const QByteArray six = radioRecord(5);

    CSaveChangesDialog dialog(nullptr, false, true, &archive, &live);
    dialog.GetMemoryCheck()->click();
    dialog.OnSave();
    EXPECT_TRUE(dialog.WasMemoryWritten());
    const QStringList history = dialog.GetProgressHistory();
    ASSERT_EQ(history.size(), 2 + 202);
    EXPECT_EQ(history.first(), "Initialising memory...");
    EXPECT_EQ(history[1], "Saving memory... 1 / 202");
    EXPECT_EQ(history[202], "Saving memory... 202 / 202");
    EXPECT_EQ(history.last(), "Memory Saved");

    // Channel 1 became the new-channel definition, on the radio too.
    EXPECT_EQ(radioRecord(0).mid(18, 8), QByteArray("<new>   "));
    EXPECT_EQ(radioRecord(0).mid(10, 4).toHex(), "000aae60") << "7.000.00 MHz";
    EXPECT_TRUE(radioUsed(0));
    EXPECT_EQ(radioRecord(3).mid(18, 8), QByteArray("RPT NEW "));
    EXPECT_FALSE(radioUsed(5)) << "disabled";
    EXPECT_EQ(radioRecord(5), six) << "a disabled channel keeps its bytes";
    EXPECT_TRUE(radioUsed(1));
    // Unchanged channels cost nothing: only 0, 3 and 5 were read at all.
    for (const QByteArray& frame : newFrames()) {
        const uint32_t address = uint32_t(uint8_t(frame[0])) << 8 | uint8_t(frame[1]);
        if (address >= 0x484) {
            const int channel = int(address - 0x484) / 26;
            EXPECT_TRUE(channel == 0 || channel == 3 || channel == 5) << channel;
        }
    }
}

TEST_F(SaveChanges, AnErasedChannelLeavesTheRadioEmpty)
{
    start();
    readLive();
    erase(*live.GetChannel(9));
    live.GetChannel(9)->SetModified(true);
    CSaveChangesDialog dialog(nullptr, false, true, &archive, &live);
    dialog.GetMemoryCheck()->click();
    dialog.OnSave();
    EXPECT_EQ(radioRecord(9), QByteArray(26, char(0xFF)));
    EXPECT_FALSE(radioUsed(9));
    EXPECT_FALSE(live.GetChannel(9)->HasFrequency()) << "the flag set for the write is put back";
}

TEST_F(SaveChanges, MemoryModeIsLeftFirst)
{
    start({}, {"0055=C0"});
    readLive();
    panel.memoryMode = true;
    app->SetDisplayView(&panel);
    live.GetChannel(1)->SetModified(true);
    CSaveChangesDialog dialog(nullptr, false, true, &archive, &live);
    dialog.GetMemoryCheck()->click();
    dialog.OnSave();
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    const auto& box = testsupport::prompter().m_boxes[0];
    EXPECT_EQ(box.text, "Your FT-817 must be switched back to VFO operation so that the new memories can be saved "
                        "safely.");
    EXPECT_EQ(box.caption, "Save Memory");
    EXPECT_EQ(box.style, platform::MB_ICONINFORMATION);
    EXPECT_EQ(sim->eepromByte(0x55), 0x80) << "VFO A, memory mode off";
}

TEST_F(SaveChanges, AChannelThatDoesNotTakeIsReported)
{
    const uint32_t at = MemoryGeometry::ChannelAddress(4) + 18;
    start({QString::asprintf("write-not-stick:op=BC,addr=%04X", at)});
    readLive();
    CMemoryChannel& five = *live.GetChannel(4);
    five.SetRxFrequencyHz(five.GetRxFrequency());
    five.SetTxFrequencyHz(five.GetTxFrequency());
    five.SetTag("XX");
    five.Encode();
    five.SetModified(true);
    CSaveChangesDialog dialog(nullptr, false, true, &archive, &live);
    dialog.GetMemoryCheck()->click();
    dialog.OnSave();
    EXPECT_EQ(dialog.GetProgressHistory().last(), "Memory not saved");
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].text,
              "The FT-817 did not store these memory channels: A-005.\n \n"
              "Check the connection to the radio, then save them again.");
    EXPECT_EQ(testsupport::prompter().m_boxes[0].style, platform::MB_ICONERROR);
    EXPECT_TRUE(dialog.WasMemoryWritten()) << "the manager reads the memory again all the same";
}

TEST_F(MemoryRadio, LoadingMemoryReadsTheChannelsInUse)
{
    start();
    CLoadingMemoryDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "Loading Memory");
    EXPECT_EQ(dialog.DoModal(), platform::IDOK);
    const QStringList history = dialog.GetProgressHistory();
    ASSERT_EQ(history.size(), 1 + 202);
    EXPECT_EQ(history[0], "Initialising...");
    EXPECT_EQ(history[1], "Loading memory... 1 / 202");
    EXPECT_EQ(history.last(), "Loading memory... 202 / 202");
    const CRadioMemoryList& list = app->GetMemoryList();
    EXPECT_EQ(list.GetChannel(3)->GetTag(), "RPT R7  ");
    EXPECT_TRUE(list.GetChannel(9)->IsUsed());
    EXPECT_FALSE(list.GetChannel(7)->IsUsed());
    EXPECT_FALSE(list.GetChannel(7)->HasRawBytes()) << "a channel not in use is not read";
    // 26 bitmap reads, then 13 pairs for each of the eight used channels,
    // each read until two answers agree: twice on a clean line.
    EXPECT_EQ(newFrames().size(), 2 * (26 + 8 * 13));
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());
}

TEST_F(MemoryRadio, LoadingMemoryKeepsTheListWhenTheRadioIsSilent)
{
    start({QStringLiteral("no-answer:op=BB")});
    CRadioMemoryList& list = app->GetMemoryList();
    makeRecord(*list.GetChannel(2), "BEFORE", 7000000);
    CLoadingMemoryDialog dialog;
    EXPECT_EQ(dialog.DoModal(), platform::IDCANCEL);
    EXPECT_EQ(list.GetChannel(2)->GetTag().trimmed(), "BEFORE");
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].caption, "Loading Memory");
    EXPECT_EQ(newFrames().size(), 2) << "a radio that does not answer is not asked 25 more times";
}
