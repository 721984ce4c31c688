// Command entry on the simulator: a typed frame sent raw with its reply
// listed byte by byte, the refusal of writes to the first EEPROM bytes, a
// silent radio, and the bytes remembered for the next time.
#include "MemoryRadioFixture.h"
#include "MemoryTestSupport.h"

#include "corvane/memory/CommandEntryDialog.h"
#include "corvane/memory/ToolSupport.h"
#include "shared/Registry.h"
#include "shared/edit/FrequencyEdit.h"
#include "shared/ui/OwnListCtrl.h"
#include "support/LayoutCheck.h"

#include <QApplication>

#include <QPushButton>
#include <QTest>

using namespace memtest;

namespace {
using CommandEntry = MemoryRadio;

void type(CCommandEntryDialog& dialog, const QStringList& bytes)
{
    for (int i = 0; i < 5; ++i)
        dialog.GetByteEdit(i)->SetInputText(bytes[i], 0, true);
}
} // namespace

TEST(CommandEntryBits, BitsRunFromSevenToZero)
{
    EXPECT_EQ(ToolSupport::BitsText(0xA5), "10100101");
    EXPECT_EQ(ToolSupport::BitsText(0x00), "00000000");
    EXPECT_EQ(ToolSupport::BitsText(0x80), "10000000");
}

TEST_F(CommandEntry, FrameIsSentRawAndTheReplyListed)
{
    start();
    CCommandEntryDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "Command Entry");
    EXPECT_EQ(dialog.GetStatus(), "Status");
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(dialog.GetByteEdit(i)->text(), "00");
    // Read EEPROM 0x0055: two reply bytes.
    type(dialog, {"00", "55", "00", "00", "BB"});
    dialog.GetSendButton()->click();
    EXPECT_EQ(newFrames(), QList<QByteArray>({readFrame(0x55)}));
    EXPECT_EQ(dialog.GetStatus(), "2 byte(s) returned.");
    COwnListCtrl* list = dialog.GetReplyList();
    ASSERT_EQ(list->GetItemCount(), 2);
    EXPECT_EQ(list->GetColumnHeading(2), "Bits (7-0)");
    EXPECT_EQ(list->GetItemText(0, 0), "0");
    EXPECT_EQ(list->GetItemText(0, 1), QString::asprintf("%02X", sim->eepromByte(0x55)));
    EXPECT_EQ(list->GetItemText(0, 2), ToolSupport::BitsText(sim->eepromByte(0x55)));
    EXPECT_EQ(list->GetItemText(1, 0), "1");

    // Frequency and mode: five bytes, rows 0 to 4.
    type(dialog, {"00", "00", "00", "00", "03"});
    dialog.OnSend();
    EXPECT_EQ(dialog.GetStatus(), "5 byte(s) returned.");
    EXPECT_EQ(list->GetItemCount(), 5);
    EXPECT_EQ(list->GetItemText(4, 0), "4");
}

TEST_F(CommandEntry, WritesToTheFirstEepromBytesAreRefused)
{
    start();
    CCommandEntryDialog dialog;
    type(dialog, {"00", "04", "00", "00", "BC"});
    dialog.OnSend();
    EXPECT_EQ(dialog.GetStatus(), "Error - cannot write to address 0x0000 to 0x0005");
    EXPECT_EQ(dialog.GetReplyList()->GetItemCount(), 0);
    EXPECT_TRUE(newFrames().isEmpty());

    type(dialog, {"00", "06", "12", "34", "BC"});
    dialog.OnSend();
    EXPECT_EQ(newFrames(), QList<QByteArray>({QByteArray::fromHex("00061234BC")}));
    EXPECT_EQ(sim->eepromByte(6), 0x12);
    type(dialog, {"00", "04", "00", "00", "BB"});
    dialog.OnSend();
    EXPECT_EQ(newFrames(), QList<QByteArray>({readFrame(0x04)}));
}

TEST_F(CommandEntry, SilentRadioReturnsNothing)
{
    start({QStringLiteral("no-answer:op=F7")});
    CCommandEntryDialog dialog;
    type(dialog, {"00", "00", "00", "00", "F7"});
    dialog.OnSend();
    EXPECT_EQ(dialog.GetStatus(), "0 byte(s) returned.");
    EXPECT_EQ(dialog.GetReplyList()->GetItemCount(), 0);
}

TEST_F(CommandEntry, BytesSentAreOfferedNextTime)
{
    start();
    {
        CCommandEntryDialog dialog;
        type(dialog, {"00", "00", "00", "00", "E7"});
        dialog.OnSend();
    }
    EXPECT_EQ(GetRegistry().GetDialogString(286, 1086), "E7");
    CCommandEntryDialog again;
    EXPECT_EQ(again.GetByteEdit(4)->text(), "E7");
    EXPECT_EQ(again.GetByteEdit(0)->text(), "00");
}

// A long status after Send wraps on its own line: Send and Cancel stay in
// the window, at the default font and one point larger.
TEST_F(CommandEntry, ALongStatusKeepsTheButtonsInTheWindow)
{
    start();
    auto check = [] {
        CCommandEntryDialog dialog;
        dialog.resize(360, dialog.sizeHint().height());
        dialog.show();
        type(dialog, {"00", "02", "00", "00", "BC"});
        dialog.GetSendButton()->click();
        QApplication::processEvents();
        EXPECT_EQ(dialog.GetStatus(), "Error - cannot write to address 0x0000 to 0x0005");
        EXPECT_EQ(dialog.width(), 360);
        const QStringList problems = testsupport::layoutProblems(&dialog);
        EXPECT_TRUE(problems.isEmpty()) << problems.join("\n").toStdString();
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            EXPECT_TRUE(dialog.rect().contains(button->geometry())) << button->text().toStdString();
    };
    check();
    testsupport::withLargerFont(check);
}
