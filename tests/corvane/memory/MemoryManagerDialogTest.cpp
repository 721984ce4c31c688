// The Memory Manager on the simulator: the radio's channels and the archive
// file as it opens, the command states, refusals, New cancelled, saving to
// the radio, Save to Memory, the archive buttons and closing.
#include "MemoryRadioFixture.h"
#include "MemoryTestSupport.h"

#include "corvane/core/MainFrame.h"
#include "corvane/core/RegisteredMessages.h"
#include "corvane/memory/MemoryChannelEditorDialog.h"
#include "corvane/memory/MemoryManagerDialog.h"
#include "corvane/memory/SaveChangesDialog.h"
#include "platform/DataFolder.h"
#include "shared/RegisteredEvent.h"
#include "shared/TaggedLines.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/edit/FrequencyEdit.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/BarMeter.h"
#include "shared/ui/ColourStatic.h"
#include "shared/ui/OwnListCtrl.h"
#include "support/LayoutCheck.h"
#include "support/TestEnvironment.h"

#include <QCheckBox>
#include "shared/TaggedLines.h"

#include <QFile>
#include <QTest>

using namespace memtest;
using D = CMemoryManagerDialog;

namespace {
class Frame : public CMainFrame {
public:
    bool event(QEvent* event) override
    {
        if (CRegisteredEvent::As(event, RegisteredMessage::nMsgReloadMemory)) {
            ++reloads;
            return true;
        }
        return CMainFrame::event(event);
    }
    int reloads = 0;
};

class Manager : public MemoryRadio {
protected:
    void open(bool bSaveToMemory = false)
    {
        frame.MakeMainFrame();
        dialog = std::make_unique<D>(nullptr, bSaveToMemory);
        dialog->show();
        ASSERT_TRUE(waitFor([&] { return dialog->GetLiveList()->GetItemCount() == 202; }));
        newFrames();
    }
    void TearDown() override
    {
        dialog.reset();
        MemoryRadio::TearDown();
    }
    void select(std::initializer_list<int> rows)
    {
        dialog->GetLiveList()->DeselectAll();
        for (int r : rows)
            dialog->GetLiveList()->SelectItem(r, true);
    }
    QString liveText(int row, int column) const { return dialog->GetLiveList()->GetItemText(row, column); }

    Frame frame;
    std::unique_ptr<D> dialog;
};
} // namespace

TEST_F(Manager, OpensWithTheRadiosChannelsAndTheArchive)
{
    start();
    CRadioMemoryList archive;
    archive.RemoveAll();
    makeRecord(*archive.AddChannel(), "ARCH", 3573000);
    ASSERT_TRUE(archive.SaveRawKind(5));
    open();

    EXPECT_EQ(dialog->windowTitle(), "Memory Manager");
    EXPECT_FALSE(dialog->GetProgress()->isVisible());
    COwnListCtrl* live = dialog->GetLiveList();
    EXPECT_EQ(liveText(3, 1), " A-004");
    EXPECT_EQ(liveText(3, 2), "RPT R7  ");
    EXPECT_EQ(liveText(3, 3), "145.725.000");
    EXPECT_EQ(liveText(3, 5), "FM");
    EXPECT_EQ(live->GetItemImage(3), 0);
    EXPECT_EQ(live->GetItemData(3), 1u);
    EXPECT_EQ(liveText(5, 2), "") << "no tag: no label shown";
    EXPECT_EQ(liveText(6, 4), "14.225.000");
    EXPECT_EQ(liveText(6, 5), "USB / USB");
    EXPECT_EQ(live->GetItemImage(7), 4);
    EXPECT_EQ(liveText(7, 3), "");
    EXPECT_EQ(liveText(200, 1), "M-PL");
    EXPECT_EQ(dialog->GetArchiveList()->GetItemCount(), 1);
    EXPECT_EQ(dialog->GetArchiveList()->GetItemText(0, 1), "ARCH    ");
    EXPECT_FALSE(dialog->GetButton(D::IDC_SAVE)->isEnabled());

    // Command states follow the selection.
    EXPECT_FALSE(dialog->IsCommandEnabled(D::ID_MEMORY_EDIT));
    EXPECT_TRUE(dialog->IsCommandEnabled(D::ID_MEMORY_NEW));
    EXPECT_FALSE(dialog->IsCommandEnabled(D::ID_ARCHIVE_SORT)) << "one archive entry";
    select({3});
    EXPECT_TRUE(dialog->IsCommandEnabled(D::ID_MEMORY_EDIT));
    EXPECT_TRUE(dialog->IsCommandEnabled(D::ID_MEMORY_DISABLE));
    EXPECT_FALSE(dialog->IsCommandEnabled(D::ID_MEMORY_ENABLE));
    EXPECT_TRUE(dialog->GetButton(D::IDC_TO_ARCHIVE)->IsEnabled());
    EXPECT_FALSE(dialog->GetButton(D::IDC_FROM_ARCHIVE)->IsEnabled());
    select({7});
    EXPECT_FALSE(dialog->IsCommandEnabled(D::ID_MEMORY_EDIT)) << "no data";
    EXPECT_FALSE(dialog->GetButton(D::IDC_TO_ARCHIVE)->IsEnabled());
    select({0});
    EXPECT_FALSE(dialog->IsCommandEnabled(D::ID_MEMORY_UP));
    EXPECT_TRUE(dialog->IsCommandEnabled(D::ID_MEMORY_DOWN));
}

TEST_F(Manager, ChannelOneStaysAndChangesAreMarked)
{
    start();
    open();
    select({0, 5});
    dialog->OnCommand(D::ID_MEMORY_ERASE);
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].text, "Channel 1 cannot be erased (FT-817 Restriction).");
    EXPECT_EQ(testsupport::prompter().m_boxes[0].caption, "Erase");
    EXPECT_EQ(testsupport::prompter().m_boxes[0].style, platform::MB_ICONWARNING);
    EXPECT_EQ(liveText(0, 3), "14.070.000");
    EXPECT_EQ(liveText(5, 1), "*  A-006");
    EXPECT_EQ(liveText(5, 3), "");
    EXPECT_EQ(dialog->windowTitle(), "Memory Manager (save needed)");
    EXPECT_EQ(dialog->GetLiveCaption()->text(), "FT-817 Memories *");
    EXPECT_EQ(dialog->GetArchiveCaption()->text(), "File Archive");
    EXPECT_TRUE(dialog->GetButton(D::IDC_SAVE)->isEnabled());
    EXPECT_TRUE(newFrames().isEmpty()) << "nothing reaches the radio before Save";

    select({0});
    dialog->OnCommand(D::ID_MEMORY_DISABLE);
    EXPECT_EQ(testsupport::prompter().m_boxes.last().text, "Channel 1 cannot be disabled.");
    EXPECT_EQ(testsupport::prompter().m_boxes.last().caption, "Delete");
}

TEST_F(Manager, ACancelledNewLeavesTheChannelAsItWas)
{
    start();
    open();
    // Without a selection: the first channel without data.
    whenModal<CMemoryChannelEditorDialog>([](CMemoryChannelEditorDialog* e) {
        EXPECT_EQ(e->GetIndex(), 7);
        EXPECT_EQ(e->GetWorkingCopy().GetTag(), "<new>   ");
        e->OnCancel();
    });
    dialog->OnCommand(D::ID_MEMORY_NEW);
    EXPECT_EQ(dialog->LiveSelection(), QList<int>({7}));
    EXPECT_FALSE(dialog->Model().HoldsData(7));
    EXPECT_EQ(dialog->windowTitle(), "Memory Manager");

    // On a channel holding data: cancelled, the channel keeps its data.
    select({3});
    whenModal<CMemoryChannelEditorDialog>([](CMemoryChannelEditorDialog* e) { e->OnCancel(); });
    dialog->OnCommand(D::ID_MEMORY_NEW);
    EXPECT_EQ(liveText(3, 2), "RPT R7  ");
    EXPECT_FALSE(dialog->Model().Live().GetChannel(3)->IsModified());

    // Confirmed, the new definition stays.
    select({7});
    whenModal<CMemoryChannelEditorDialog>([](CMemoryChannelEditorDialog* e) { e->OnOK(); });
    dialog->OnCommand(D::ID_MEMORY_NEW);
    EXPECT_EQ(liveText(7, 3), "7.000.000");
    EXPECT_EQ(liveText(7, 1), "*  A-008") << "a new channel is a change to save";
    EXPECT_EQ(dialog->windowTitle(), "Memory Manager (save needed)");
}

TEST_F(Manager, SaveWritesTheRadioAndReadsItAgain)
{
    start();
    open();
    select({5});
    dialog->OnCommand(D::ID_MEMORY_ERASE);
    whenModal<CSaveChangesDialog>([](CSaveChangesDialog* save) {
        EXPECT_FALSE(save->GetArchiveCheck()->isEnabled());
        save->GetMemoryCheck()->click();
        save->OnSave();
    });
    dialog->OnSave();
    EXPECT_EQ(radioRecord(5), QByteArray(26, char(0xFF)));
    EXPECT_FALSE(radioUsed(5));
    EXPECT_TRUE(dialog->WasMemoryWritten());
    EXPECT_EQ(dialog->windowTitle(), "Memory Manager");
    EXPECT_EQ(dialog->GetLiveList()->GetItemImage(5), 4) << "read again from the radio";

    // Closing after a write asks the main frame to read the channels again.
    dialog->OnCommand(D::ID_CLOSE);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_TRUE(waitFor([&] { return frame.reloads == 1; }));
}

TEST_F(Manager, CancelWithChangesAsksFirst)
{
    start();
    open();
    select({5});
    dialog->OnCommand(D::ID_MEMORY_ERASE);
    testsupport::prompter().m_answers = {platform::IDCANCEL, platform::IDNO};
    dialog->OnCommand(D::ID_CLOSE);
    EXPECT_TRUE(dialog->isVisible()) << "Cancel keeps the manager open";
    EXPECT_EQ(testsupport::prompter().m_boxes.last().text, "You have outstanding changes. Save now?");
    EXPECT_EQ(testsupport::prompter().m_boxes.last().style, platform::MB_YESNOCANCEL);
    dialog->OnCommand(D::ID_CLOSE);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(radioUsed(5)) << "No: nothing written";
    QApplication::processEvents();
    EXPECT_EQ(frame.reloads, 0);
}

TEST_F(Manager, SaveToMemoryStoresTheCurrentVfo)
{
    start();
    panel.frequency = 14071500;
    app->SetDisplayView(&panel);
    testsupport::prompter().m_answers = {platform::IDYES};
    whenModal<CMemoryChannelEditorDialog>([](CMemoryChannelEditorDialog* e) { e->OnOK(); });
    open(true);
    ASSERT_TRUE(waitFor([&] { return dialog->Model().HoldsData(7); }));
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].text, "Copy from VFO-A band 20m to channel 8?");
    EXPECT_EQ(testsupport::prompter().m_boxes[0].caption, "Save to Memory");
    const CMemoryChannel& c = *dialog->Model().Live().GetChannel(7);
    EXPECT_EQ(c.GetRxFrequency(), 14071500u) << "the front panel's frequency";
    EXPECT_EQ(c.GetModeText(), "USB") << "the 20 m record's mode";
    EXPECT_TRUE(c.IsModified());
    EXPECT_TRUE(dialog->Model().IsLiveModified());
    EXPECT_EQ(dialog->LiveSelection(), QList<int>({7}));
}

TEST_F(Manager, ArchiveButtonsCopyBothWays)
{
    start();
    open();
    select({3, 6});
    dialog->OnToArchive(false);
    ASSERT_EQ(dialog->GetArchiveList()->GetItemCount(), 2);
    EXPECT_EQ(dialog->GetArchiveCaption()->text(), "File Archive *");
    dialog->OnToArchive(true);
    EXPECT_EQ(dialog->GetArchiveList()->GetItemCount(), 2 + 8);

    dialog->GetLiveList()->DeselectAll();
    dialog->GetArchiveList()->SelectItem(1, true);
    dialog->OnFromArchive();
    EXPECT_EQ(liveText(7, 2), "DX SPLIT") << "into the first channel without data";
    EXPECT_EQ(liveText(7, 1), "*  A-008");

    // A file that holds no radio records is refused.
    CMemoryChannelList favourites;
    favourites.LoadLines({"#", "105 1", "115 7000000", "-@-"});
    const QString path = testsupport::dataFolder() + "/fav.txt";
    ASSERT_TRUE(favourites.Save(4, path));
    testsupport::prompter().m_files = {path};
    dialog->OnCommand(D::ID_MEMORY_LOAD_FILE);
    ASSERT_FALSE(testsupport::prompter().m_boxes.isEmpty());
    EXPECT_EQ(testsupport::prompter().m_boxes.last().text, "No entries loaded - check correct file selected.");
    EXPECT_EQ(liveText(0, 3), "14.070.000");
}

TEST_F(Manager, AFileThatIsNoArchiveLeavesTheArchiveAlone)
{
    start();
    open();
    dialog->OnToArchive(true);
    const int entries = dialog->GetArchiveList()->GetItemCount();
    ASSERT_GT(entries, 0);
    const QString junk = testsupport::dataFolder() + "/notes.txt";
    {
        QFile f(junk);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Dear diary,\r\ntoday the band was open.\r\n");
    }
    testsupport::prompter().m_boxes.clear();
    testsupport::prompter().m_files = {junk};
    dialog->OnCommand(D::ID_ARCHIVE_LOAD_FILE);
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].text, "No entries loaded - check correct file selected.");
    EXPECT_EQ(testsupport::prompter().m_boxes[0].caption, "Error");
    EXPECT_EQ(dialog->GetArchiveList()->GetItemCount(), entries) << "the archive is as it was";

    // An archive saved empty is an archive: loading it empties the archive.
    CMemoryChannelList empty;
    const QString path = testsupport::dataFolder() + "/empty archive.txt";
    ASSERT_TRUE(empty.SaveRaw(5, path));
    testsupport::prompter().m_boxes.clear();
    testsupport::prompter().m_files = {path};
    dialog->OnCommand(D::ID_ARCHIVE_LOAD_FILE);
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());
    EXPECT_EQ(dialog->GetArchiveList()->GetItemCount(), 0);
}

TEST_F(Manager, AnUnreadMemoryCannotBeChanged)
{
    start({QStringLiteral("no-answer:op=BB,addr=04D2")});  // the first pair of channel 4
    open();
    ASSERT_FALSE(testsupport::prompter().m_boxes.isEmpty());
    EXPECT_EQ(testsupport::prompter().m_boxes[0].text,
              "These memory channels could not be read from the FT-817: A-004.\n \n"
              "Use Reload to read them again; until then the memory cannot be changed.");
    EXPECT_FALSE(dialog->Model().IsLiveRead());
    select({5});
    EXPECT_FALSE(dialog->IsCommandEnabled(D::ID_MEMORY_ERASE));
    EXPECT_FALSE(dialog->IsCommandEnabled(D::ID_MEMORY_NEW));
    EXPECT_TRUE(dialog->IsCommandEnabled(D::ID_MEMORY_RELOAD));
    EXPECT_FALSE(dialog->GetButton(D::IDC_ALL_TO_ARCHIVE)->IsEnabled());
}

// Labels changed on the radio while the manager is open (longer than any it
// showed) come with Reload, and the columns make room for them.
TEST_F(Manager, ReloadFitsTheColumnsToWhatItRead)
{
    start();
    open();
    EXPECT_EQ(testsupport::layoutProblems(dialog.get()).join(" || "), QString()) << "as it opens";
    // Channel 1's label, bytes 18 to 25 of its record, programmed on the radio.
    const QByteArray label("WWWWWWWW");
    for (int i = 0; i < label.size(); ++i)
        ASSERT_TRUE(app->GetCatLink().WriteEepromByte(uint16_t(0x0484 + 18 + i), uint8_t(label[i])));

    dialog->OnCommand(D::ID_MEMORY_RELOAD);
    ASSERT_EQ(liveText(0, 2).trimmed(), QString::fromLatin1(label));
    EXPECT_EQ(testsupport::layoutProblems(dialog.get()).join(" || "), QString());
}

namespace {
// A label typed into the editor on a live channel, then OK.
void typeLabel(D& manager, int channel, const QString& label)
{
    manager.GetLiveList()->DeselectAll();
    manager.GetLiveList()->SelectItem(channel, true);
    whenModal<CMemoryChannelEditorDialog>([label](CMemoryChannelEditorDialog* e) {
        CFrequencyEdit* edit = nullptr;
        for (auto* f : e->findChildren<CFrequencyEdit*>())
            if (GetDlgCtrlID(f) == CMemoryChannelEditorDialog::IDC_LABEL)
                edit = f;
        ASSERT_NE(edit, nullptr);
        edit->setFocus();
        edit->setCursorPosition(0);
        QTest::keyClicks(edit, label);
        e->OnOK();
    });
    manager.OnCommand(D::ID_MEMORY_EDIT);
    // The editor tells the manager by a posted message.
    waitFor([&] { return manager.Model().Live().GetChannel(channel)->IsModified() && manager.Model().IsLiveModified(); });
}

// Save with the memory ticked; the manager's Save button.
void saveMemory(D& manager)
{
    whenModal<CSaveChangesDialog>([](CSaveChangesDialog* save) {
        EXPECT_TRUE(save->GetMemoryCheck()->isEnabled()) << "nothing to save";
        if (!save->GetMemoryCheck()->isEnabled()) {
            save->reject();
            return;
        }
        if (!save->GetMemoryCheck()->isChecked())
            save->GetMemoryCheck()->click();
        save->OnSave();
    });
    manager.OnSave();
}

QString label(const QByteArray& record)
{
    return QString::fromLatin1(record.mid(18, 8));
}
} // namespace

// The radio acknowledges but does not keep memory writes: the operator's
// edit stays, marked, and the next Save (the radio keeping writes again)
// stores it.
TEST_F(Manager, AnEditTheRadioDidNotStoreStaysForTheNextSave)
{
    start({QStringLiteral("write-not-stick")}, {}, true);
    open();
    const QByteArray before = radioRecord(1);
    typeLabel(*dialog, 1, QStringLiteral("XY"));
    EXPECT_EQ(liveText(1, 1), "*  A-002");
    EXPECT_EQ(liveText(1, 2), "XYP CW  ");
    EXPECT_EQ(dialog->windowTitle(), "Memory Manager (save needed)");

    ASSERT_TRUE(sim->setFaultsArmed(true));
    saveMemory(*dialog);
    ASSERT_FALSE(testsupport::prompter().m_boxes.isEmpty());
    EXPECT_TRUE(testsupport::prompter().m_boxes.last().text.startsWith(
        "The FT-817 did not store these memory channels: A-002."))
        << testsupport::prompter().m_boxes.last().text.toStdString();
    EXPECT_EQ(radioRecord(1), before) << "the radio kept nothing";
    EXPECT_EQ(liveText(1, 2), "XYP CW  ") << "the edit is still there";
    EXPECT_EQ(liveText(1, 1), "*  A-002") << "and still marked";
    EXPECT_EQ(dialog->windowTitle(), "Memory Manager (save needed)");
    EXPECT_EQ(dialog->GetLiveCaption()->text(), "FT-817 Memories *");
    EXPECT_TRUE(dialog->GetButton(D::IDC_SAVE)->isEnabled()) << "Save can be pressed again";
    EXPECT_TRUE(dialog->IsCommandEnabled(D::ID_MEMORY_EDIT));

    ASSERT_TRUE(sim->setFaultsArmed(false));
    testsupport::prompter().m_boxes.clear();
    saveMemory(*dialog);
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty()) << testsupport::prompter().m_boxes.last().text.toStdString();
    EXPECT_EQ(label(radioRecord(1)), "XYP CW  ");
    EXPECT_EQ(dialog->windowTitle(), "Memory Manager");
    EXPECT_EQ(liveText(1, 1), " A-002");
    EXPECT_EQ(liveText(1, 2), "XYP CW  ") << "read again from the radio";
}

// Of two edited channels the one the radio took loses its mark; the one it
// did not take keeps it, and closing asks about it.
TEST_F(Manager, OnlyTheChannelsTheRadioDidNotTakeStayMarked)
{
    // The label pair at bytes 18-19 of channel 2 (0x484 + 2 * 26 + 18).
    start({QStringLiteral("write-not-stick:addr=04CA")});
    open();
    typeLabel(*dialog, 1, QStringLiteral("AB"));
    typeLabel(*dialog, 2, QStringLiteral("CD"));
    saveMemory(*dialog);
    EXPECT_EQ(label(radioRecord(1)), "ABP CW  ");
    EXPECT_NE(label(radioRecord(2)), "CDLL 2M ");
    EXPECT_EQ(liveText(1, 1), " A-002");
    EXPECT_EQ(liveText(2, 1), "*  A-003");
    EXPECT_EQ(liveText(2, 2), "CDLL 2M ");
    EXPECT_EQ(dialog->windowTitle(), "Memory Manager (save needed)");
    EXPECT_TRUE(dialog->WasMemoryWritten());

    testsupport::prompter().m_answers = {platform::IDCANCEL};
    dialog->OnCommand(D::ID_CLOSE);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(testsupport::prompter().m_boxes.last().text, "You have outstanding changes. Save now?");
}

// Memory > Load from file refuses what is not a memory archive, with a
// message, before anything changes: not the list, not the marks, not the
// radio.
TEST_F(Manager, LoadingAFileThatIsNoArchiveChangesNothing)
{
    start();
    open();
    CRadioMemoryList good;
    makeRecord(*good.GetChannel(0), "GOOD", 7074000);
    const QString goodRaw = good.GetChannel(0)->GetRawText();
    auto rawWith = [&](std::initializer_list<std::pair<int, int>> bytes) {
        QString raw = goodRaw;
        for (const auto& [byte, value] : bytes)
            raw.replace(3 * byte, 3, QString::asprintf("%03d", value));
        return raw;
    };
    const struct {
        const char* what;
        QStringList lines;
        const char* reason;  // in the message; empty: the plain refusal
    } files[] = {
        {"the operator's example", {"hello", "119 999999", "120 1"}, ""},
        {"the example with its terminator", {"hello", "119 999999", "120 1", "-@-"}, ""},
        {"short raw bytes", {"#", "119 999999", "120 1", "-@-", "#@filetype=5"},
         "The file is cut short: record 1 holds 6 of the 78 digits of its bytes"},
        {"letters in the raw bytes", {"#", "119 " + QString(goodRaw).replace(0, 3, "abc"), "120 1", "-@-", "#@filetype=5"},
         "record 1: its bytes are not 26"},
        {"a byte above 255", {"#", "119 " + rawWith({{20, 300}}), "120 1", "-@-", "#@filetype=5"}, "above 255"},
        {"a second record of 0 Hz",
         {"#", "119 " + goodRaw, "120 1", "-@-", "#", "119 " + rawWith({{10, 0}, {11, 0}, {12, 0}, {13, 0}}), "120 1",
          "-@-", "#@filetype=5"},
         "record 2: its receive frequency 0 Hz"},
        {"a label of control characters", {"#", "119 " + rawWith({{18, 1}}), "120 1", "-@-", "#@filetype=5"},
         "label holds the character code 1"},
        {"a used flag of 7", {"#", "119 " + goodRaw, "120 7", "-@-", "#@filetype=5"}, "in-use flag"},
    };
    select({1});
    dialog->OnCommand(D::ID_MEMORY_ERASE);  // an unsaved change, to be kept too
    for (const auto& f : files) {
        SCOPED_TRACE(f.what);
        const QString path = testsupport::dataFolder() + "/garbage.txt";
        {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(f.lines.join("\r\n").toLatin1());
        }
        testsupport::prompter().m_boxes.clear();
        testsupport::prompter().m_files = {path};
        newFrames();
        dialog->OnCommand(D::ID_MEMORY_LOAD_FILE);
        ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
        const auto& box = testsupport::prompter().m_boxes[0];
        EXPECT_EQ(box.caption, "Error");
        EXPECT_TRUE(box.text.startsWith("No entries loaded - check correct file selected.")) << box.text.toStdString();
        EXPECT_TRUE(box.text.contains(QLatin1String(f.reason))) << box.text.toStdString();
        EXPECT_EQ(liveText(0, 3), "14.070.000");
        EXPECT_EQ(liveText(0, 2), "PSK20   ");
        EXPECT_EQ(liveText(2, 2), "CALL 2M ");
        EXPECT_EQ(liveText(1, 1), "*  A-002") << "the erased channel is still erased and marked";
        EXPECT_EQ(liveText(1, 3), "");
        EXPECT_EQ(modifiedIndexes(dialog->Model().Live()), QList<int>({1}));
        EXPECT_TRUE(newFrames().isEmpty()) << "the radio is not even read";

        // The archive's Load from file refuses it the same way.
        const int entries = dialog->GetArchiveList()->GetItemCount();
        testsupport::prompter().m_boxes.clear();
        testsupport::prompter().m_files = {path};
        dialog->OnCommand(D::ID_ARCHIVE_LOAD_FILE);
        ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
        EXPECT_EQ(dialog->GetArchiveList()->GetItemCount(), entries);
    }

    // A valid archive with fewer entries still clears the channels beyond
    // them that held data.
    CRadioMemoryList two;
    while (two.GetCount() > 2)
        two.RemoveAt(two.GetCount() - 1);
    makeRecord(*two.GetChannel(0), "ONE", 3573000);
    makeRecord(*two.GetChannel(1), "TWO", 7074000);
    const QString path = testsupport::dataFolder() + "/two.txt";
    ASSERT_TRUE(two.SaveRaw(5, path));
    testsupport::prompter().m_boxes.clear();
    testsupport::prompter().m_files = {path};
    dialog->OnCommand(D::ID_MEMORY_LOAD_FILE);
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());
    EXPECT_EQ(describe(dialog->Model().Live(), 8), "ONE@3573 TWO@7074 - - - - - -");
}

// A memory list file cut short is refused, naming where it was cut, before
// anything changes: cut in the middle of a record's bytes, between a
// record's lines, and after a whole record without the file's closing lines
// (loading that would erase every channel after it).
TEST_F(Manager, LoadingAFileCutShortNamesTheRecordAndChangesNothing)
{
    start();
    open();
    const QString whole = testsupport::dataFolder() + "/whole.txt";
    ASSERT_TRUE(dialog->Model().Live().SaveRaw(5, whole));
    QStringList lines;
    {
        QFile file(whole);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        lines = TaggedLines::FromBytes(file.readAll());
    }
    // Line index of the end of record n (from 1).
    auto endOf = [&](int n) {
        int seen = 0;
        for (int i = 0; i < lines.size(); ++i)
            if (lines[i] == "-@-" && ++seen == n)
                return i;
        return -1;
    };
    ASSERT_GT(endOf(88), 0);
    const int raw88 = endOf(87) + 2;
    ASSERT_TRUE(lines[raw88].startsWith("119 "));
    const struct {
        const char* what;
        QStringList lines;
        const char* reason;
    } files[] = {
        {"cut in the bytes of record 88", lines.mid(0, raw88) << lines[raw88].left(44),
         "The file is cut short: record 88 ends before its end line."},
        {"cut in the bytes of record 88, then its end", lines.mid(0, raw88) << lines[raw88].left(44) << "120 1" << "-@-",
         "The file is cut short: record 88 holds 40 of the 78 digits of its bytes."},
        {"cut before the end line of record 88", lines.mid(0, endOf(88)),
         "The file is cut short: record 88 ends before its end line."},
        {"cut after record 87", lines.mid(0, endOf(87) + 1),
         "The file is cut short: it ends after record 87 without its closing lines."},
        {"cut after record 87 and its next \"#\"", lines.mid(0, endOf(87) + 2),
         "The file is cut short: it ends after record 87 without its closing lines."},
    };
    select({1});
    dialog->OnCommand(D::ID_MEMORY_ERASE);  // an unsaved change, to be kept
    const QString path = testsupport::dataFolder() + "/cut.txt";
    for (const auto& f : files) {
        SCOPED_TRACE(f.what);
        {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(TaggedLines::ToBytes(f.lines));
        }
        for (unsigned command : {unsigned(D::ID_MEMORY_LOAD_FILE), unsigned(D::ID_ARCHIVE_LOAD_FILE)}) {
            const int entries = dialog->GetArchiveList()->GetItemCount();
            testsupport::prompter().m_boxes.clear();
            testsupport::prompter().m_files = {path};
            newFrames();
            dialog->OnCommand(command);
            ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
            const auto& box = testsupport::prompter().m_boxes[0];
            EXPECT_EQ(box.caption, "Error");
            EXPECT_EQ(box.text, QStringLiteral("No entries loaded - check correct file selected.\n \n") + f.reason);
            EXPECT_EQ(liveText(1, 1), "*  A-002") << "the erased channel is still erased and marked";
            EXPECT_EQ(liveText(2, 2), "CALL 2M ");
            EXPECT_EQ(modifiedIndexes(dialog->Model().Live()), QList<int>({1}));
            EXPECT_EQ(dialog->GetArchiveList()->GetItemCount(), entries);
            EXPECT_TRUE(newFrames().isEmpty()) << "the radio is not even read";
        }
    }

    // The whole file loads without a word.
    testsupport::prompter().m_boxes.clear();
    testsupport::prompter().m_files = {whole};
    dialog->OnCommand(D::ID_MEMORY_LOAD_FILE);
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty()) << testsupport::prompter().m_boxes.value(0).text.toStdString();
}

// Codes the program has no name for are the radio's to hold: a record with a
// range code above 5, unnamed step codes or tone and DCS indexes beyond the
// tables loads, and shows what it cannot name as "? n".
TEST_F(Manager, LoadingRecordsWithCodesTheProgramCannotNameTakesThem)
{
    start();
    open();
    CRadioMemoryList file;
    while (file.GetCount() > 1)
        file.RemoveAt(file.GetCount() - 1);
    CMemoryChannel& record = *file.GetChannel(0);
    makeRecord(record, "ODD", 7074000);
    record.SetRawByte(1, uint8_t((record.GetRawByte(1) & ~0x07) | 0x07));  // range code 7
    record.SetRawByte(3, 0xFF);                                            // FM 7, AM 7, SSB 3
    record.SetRawByte(6, 63);                                              // CTCSS index 63
    record.SetRawByte(7, 127);                                             // DCS index 127
    record.Decode();
    const QString path = testsupport::dataFolder() + "/odd.txt";
    ASSERT_TRUE(file.SaveRaw(5, path));
    testsupport::prompter().m_boxes.clear();
    testsupport::prompter().m_files = {path};
    dialog->OnCommand(D::ID_MEMORY_LOAD_FILE);
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty()) << testsupport::prompter().m_boxes.value(0).text.toStdString();
    const CMemoryChannel& channel = *dialog->Model().Live().GetChannel(0);
    EXPECT_TRUE(channel.IsSameRaw(record));
    EXPECT_EQ(channel.GetRange(), 7);
    EXPECT_EQ(channel.GetText(CMemoryChannel::TEXT_RANGE), "? 7");
    EXPECT_EQ(liveText(0, 2), "ODD     ");
    EXPECT_EQ(liveText(0, 3), "7.074.000");

    // The archive takes it too.
    testsupport::prompter().m_files = {path};
    dialog->OnCommand(D::ID_ARCHIVE_LOAD_FILE);
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty()) << testsupport::prompter().m_boxes.value(0).text.toStdString();
    EXPECT_EQ(dialog->GetArchiveList()->GetItemCount(), 1);
}

// A memory list saved whole holds its empty channels as records of FF: the
// archive pane leaves them out, and "<" carries no empty record into the
// radio's channels.
TEST_F(Manager, TheArchiveShowsNoEmptyRecords)
{
    start();
    open();
    testsupport::prompter().m_files = {CMemoryChannelList::KindPath(5)};
    dialog->OnCommand(D::ID_MEMORY_SAVE_FILE);
    dialog.reset();
    open();
    COwnListCtrl* archive = dialog->GetArchiveList();
    ASSERT_EQ(archive->GetItemCount(), 8) << "the radio's eight channels that hold data";
    for (int i = 0; i < archive->GetItemCount(); ++i) {
        EXPECT_FALSE(archive->GetItemText(i, 2).startsWith("4294")) << i;
        EXPECT_NE(archive->GetItemImage(i), 4) << i;
    }
    EXPECT_EQ(archive->GetItemText(0, 2), "14.070.000");

    // Were one there, "<" would leave its target alone.
    dialog->Model().Archive().AddChannel()->SetRawFromText(QStringLiteral("255").repeated(26));
    const int empty = dialog->Model().Archive().GetCount() - 1;
    EXPECT_FALSE(dialog->Model().Archive().GetChannel(empty)->HasFrequency());
    EXPECT_EQ(dialog->Model().CopyFromArchive({empty}, {3}), CMemoryManagerModel::REFUSED_NONE);
    EXPECT_EQ(dialog->Model().Live().GetChannel(3)->GetTag(), "RPT R7  ");
    EXPECT_TRUE(dialog->Model().Live().GetChannel(3)->HasFrequency());
    EXPECT_FALSE(dialog->Model().Live().GetChannel(3)->IsModified());
}
