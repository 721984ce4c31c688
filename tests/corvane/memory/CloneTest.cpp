// Clone files on the simulator: the exact bytes of a saved section, the
// checks a file must pass before anything is written, a restore that
// writes only differing pairs, and the round trip from one radio to
// another.
#include "MemoryRadioFixture.h"
#include "MemoryTestSupport.h"

#include "corvane/memory/CloneDialogs.h"
#include "corvane/memory/CloneFile.h"
#include "platform/DataFolder.h"
#include "shared/TextFile.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/BarMeter.h"
#include "support/LayoutCheck.h"

#include <QApplication>

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using namespace memtest;

namespace {
QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

int writes(const QList<QByteArray>& frames)
{
    int n = 0;
    for (const QByteArray& f : frames)
        n += f.size() == 5 && uint8_t(f[4]) == 0xBC;
    return n;
}

class Clone : public MemoryRadio {
protected:
    void TearDown() override
    {
        CCloneLoadDialog::SetMemoryReloader({});
        MemoryRadio::TearDown();
    }
    // Saves a section through the dialog into the path.
    void save(int section, const QString& path)
    {
        CCloneSaveDialog dialog;
        dialog.GetSectionButton(section)->click();
        testsupport::prompter().m_files.push_back(path);
        dialog.GetChooseButton()->click();
        ASSERT_EQ(dialog.GetPath(), path);
        dialog.OnOK();
    }
    // Chooses the file in a load dialog.
    void choose(CCloneLoadDialog& dialog, const QString& path)
    {
        testsupport::prompter().m_files.push_back(path);
        dialog.ParseFile();
    }
    QString path(const char* name) const { return platform::dataFilePath(QString::fromLatin1(name)); }
};
} // namespace

TEST(CloneFile, ChecksEveryLineBeforeAnythingIsKept)
{
    using CloneFile::Parse;
    struct Case {
        const char* line;
        bool valid;
    } cases[] = {
        {"CLONE_CAL> 0007 12 34", true},
        {"CLONE_CAL> 0053 12", true},
        {"CLONE_CAL> 0053 12 34", false},   // two bytes at the last address
        {"CLONE_CAL> 0051 12", false},      // one byte before it
        {"CLONE_MEM> 1907 AB", true},       // never saved, but sound
        {"CLONE_CUS> 0054 00 00", false},   // below the section
        {"CLONE_CUS> 0450 00 00", false},   // above it
        {"CLONE_XXX> 0100 00 00", false},
        {"CLONE_CAL> 0007 12 34 ", false},  // a blank at the end is one field more
        {"CLONE_CAL>  0007 12 34", false},  // two blanks make an empty field
        {"CLONE_CAL> 0007 ZZ 34", false},   // a byte that is no number
        {"CLONE_CAL> 0007 12 100", false},  // nor beyond a byte
        {"CLONE_CAL> 0007 1 2", true},
    };
    for (const Case& c : cases) {
        const CloneFile::Contents contents = Parse({"#", QString::fromLatin1(c.line)});
        EXPECT_EQ(contents.bValid, c.valid) << c.line;
        if (!c.valid) {
            EXPECT_EQ(contents.nErrorLine, 2) << c.line;
            EXPECT_FALSE(contents.Any());
        }
    }
    const CloneFile::Contents comments = Parse({"#", "", "# CLONE_CAL> 0007 00 00"});
    EXPECT_TRUE(comments.bValid);
    EXPECT_FALSE(comments.Any());
    const CloneFile::Contents bad = Parse({"CLONE_CAL> 0007 12 34", "CLONE_CUS> 0055 01 02", "junk"});
    EXPECT_EQ(CloneFile::InvalidFileText(bad),
              "Invalid file contents, error on line 3:\n\njunk\nFile cannot be loaded");
}

TEST_F(Clone, SavedCalibrationHasItsExactBytes)
{
    start();
    const QString file = path("cal.txt");
    CCloneSaveDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "Clone - Save to File");
    EXPECT_FALSE(dialog.GetChooseButton()->isEnabled());
    EXPECT_FALSE(dialog.GetSaveButton()->isEnabled());
    dialog.GetSectionButton(0)->click();
    EXPECT_TRUE(dialog.GetChooseButton()->isEnabled());
    testsupport::prompter().m_files.push_back(file);
    dialog.GetChooseButton()->click();
    EXPECT_EQ(testsupport::prompter().m_chooserCaptions.last(), "Clone FT-817 Data");
    EXPECT_TRUE(dialog.GetSaveButton()->isEnabled());
    dialog.OnOK();

    QByteArray expected = "#\r\n#   Cloned data: Calibration\r\n#\r\n#   Address range is 0007 to 0053\r\n#\r\n"
                          "#   Format below is: Prefix Address LSB MSH\r\n#\r\n";
    const QByteArray eeprom = sim->eeprom();
    for (int a = 0x07; a < 0x53; a += 2)
        expected += QString::asprintf("CLONE_CAL> %04X %02X %02X\r\n", a, uint8_t(eeprom[a]), uint8_t(eeprom[a + 1]))
                        .toLatin1();
    expected += QString::asprintf("CLONE_CAL> 0053 %02X\r\n", uint8_t(eeprom[0x53])).toLatin1();
    EXPECT_EQ(fileBytes(file), expected);
    EXPECT_EQ(dialog.GetProgressHistory(), QStringList({"Calibration", "Finished", "Saving", "Saved"}));
    // Each pair is read until two answers agree: twice on a clean line.
    EXPECT_EQ(newFrames().size(), 2 * 39);

    // Saving again over the file asks first; No leaves it alone.
    testsupport::prompter().m_answers.push_back(platform::IDNO);
    dialog.OnOK();
    EXPECT_EQ(testsupport::prompter().m_boxes.last().caption, "Overwrite");
    EXPECT_TRUE(newFrames().isEmpty());
}

TEST_F(Clone, AFailedReadSavesNothing)
{
    // Customisation pairs start at odd addresses. One lost answer is asked
    // again; a pair that never comes fails the save.
    start({QStringLiteral("no-answer:op=BB,addr=0101")});
    const QString file = path("cus.txt");
    save(CloneFile::CUSTOMISATION, file);
    EXPECT_FALSE(QFile::exists(file));
    ASSERT_FALSE(testsupport::prompter().m_boxes.isEmpty());
    EXPECT_TRUE(testsupport::prompter().m_boxes.last().text.contains("0101"));
}

TEST_F(Clone, RestoreWritesOnlyDifferingPairs)
{
    start();
    const QString file = path("cus.txt");
    save(CloneFile::CUSTOMISATION, file);
    const QStringList saved = [&] {
        QStringList lines;
        CTextFile(file, true).ReadLines(lines);
        return lines;
    }();
    EXPECT_EQ(saved.filter("CLONE_CUS>").size(), 510);
    EXPECT_EQ(saved.filter("CLONE_CUS>").last(), QString::asprintf("CLONE_CUS> 044F %02X", sim->eepromByte(0x44F)));

    // The same radio: nothing to write.
    CCloneLoadDialog dialog;
    EXPECT_FALSE(dialog.GetLoadButton()->isEnabled());
    choose(dialog, file);
    EXPECT_TRUE(dialog.IsFound(CloneFile::CUSTOMISATION));
    EXPECT_FALSE(dialog.IsFound(CloneFile::CALIBRATION));
    EXPECT_TRUE(dialog.GetLoadButton()->isEnabled());
    newFrames();
    dialog.OnOK();
    EXPECT_EQ(writes(newFrames()), 0);
    EXPECT_EQ(dialog.GetProgressHistory(), QStringList({"Customisation", "Finished"}));
    EXPECT_EQ(testsupport::prompter().m_boxes.size(), 2);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].caption, "Restore");
    EXPECT_EQ(testsupport::prompter().m_boxes[1].text, "Really restore the cloned data?");

    // Two settings changed on the radio come back; the last pair keeps the
    // radio's own byte at 0x0450.
    CCatLink& link = app->GetCatLink();
    ASSERT_TRUE(link.WriteEepromBits(0x62, 0xFF, 0x11, QString()));
    ASSERT_TRUE(link.WriteEepromBits(0x44F, 0xFF, 0x07, QString()));
    const uint8_t used = sim->eepromByte(0x450);
    newFrames();
    dialog.OnOK();
    const QList<QByteArray> frames = newFrames();
    EXPECT_EQ(writes(frames), 2);
    EXPECT_EQ(sim->eepromByte(0x62), 0x50);
    EXPECT_EQ(sim->eepromByte(0x44F), 0x00);
    EXPECT_EQ(sim->eepromByte(0x450), used);
    EXPECT_TRUE(frames.contains(QByteArray::fromHex(QString::asprintf("044F00%02XBC", used).toLatin1())));
    EXPECT_EQ(dialog.GetWrittenCount(), 2);
    EXPECT_EQ(dialog.GetFailedCount(), 0);
}

TEST_F(Clone, RestoreThatDoesNotStickIsReported)
{
    start();
    const QString file = path("cus.txt");
    save(CloneFile::CUSTOMISATION, file);
    // 0x62 lies in the pair at 0x61.
    sim.reset();
    start({QStringLiteral("write-not-stick:addr=0061")}, {"0062=11"});
    CCloneLoadDialog dialog;
    choose(dialog, file);
    dialog.OnOK();
    EXPECT_EQ(dialog.GetFailedCount(), 1);
    EXPECT_EQ(dialog.GetProgressHistory().last(), "Finished with errors");
    EXPECT_TRUE(testsupport::prompter().m_boxes.last().text.contains("0061"));
}

TEST_F(Clone, InvalidFileIsRejectedWholeAndForgetsTheLastOne)
{
    start();
    const QString good = path("good.txt");
    writeFile(good, "#\r\nCLONE_CAL> 0007 11 22\r\n\r\nCLONE_MEM> 1907 AB\r\n");
    const QString bad = path("bad.txt");
    writeFile(bad, "#\r\nCLONE_CAL> 0007 11 22\r\nCLONE_CAL> 0053 11 22\r\n");
    const QString empty = path("comments.txt");
    writeFile(empty, "#\r\n# nothing\r\n");

    CCloneLoadDialog dialog;
    choose(dialog, good);
    EXPECT_TRUE(dialog.IsFound(CloneFile::CALIBRATION));
    EXPECT_TRUE(dialog.IsFound(CloneFile::MEMORY));
    EXPECT_TRUE(dialog.GetLoadButton()->isEnabled());

    choose(dialog, bad);
    ASSERT_FALSE(testsupport::prompter().m_boxes.isEmpty());
    EXPECT_EQ(testsupport::prompter().m_boxes.last().text,
              "Invalid file contents, error on line 3:\n\nCLONE_CAL> 0053 11 22\nFile cannot be loaded");
    EXPECT_EQ(testsupport::prompter().m_boxes.last().caption, "Error");
    EXPECT_FALSE(dialog.GetLoadButton()->isEnabled());
    EXPECT_FALSE(dialog.IsFound(CloneFile::CALIBRATION));
    EXPECT_TRUE(dialog.GetLines().isEmpty());
    newFrames();
    dialog.OnOK();
    EXPECT_TRUE(newFrames().isEmpty()) << "the earlier file is not restored";

    choose(dialog, empty);
    EXPECT_FALSE(dialog.GetLoadButton()->isEnabled());
}

TEST_F(Clone, MemoryRestoreReadsTheChannelsAgain)
{
    start();
    const QString cal = path("cal.txt");
    const QString mem = path("mem.txt");
    save(CloneFile::CALIBRATION, cal);
    save(CloneFile::MEMORY, mem);
    QStringList lines;
    CTextFile(mem, true).ReadLines(lines);
    EXPECT_EQ(lines.filter("CLONE_MEM>").size(), 2652);
    EXPECT_EQ(lines.filter("CLONE_MEM>").last().left(15), "CLONE_MEM> 1906");

    int reloads = 0;
    CCloneLoadDialog::SetMemoryReloader([&](QWidget*) { ++reloads; });
    CCloneLoadDialog dialog;
    choose(dialog, cal);
    dialog.OnOK();
    EXPECT_EQ(reloads, 0);
    choose(dialog, mem);
    dialog.OnOK();
    EXPECT_EQ(reloads, 1);
}

TEST_F(Clone, RoundTripCarriesOneRadiosMemoriesToAnother)
{
    start();
    const QString mem = path("mem.txt");
    save(CloneFile::MEMORY, mem);
    const QByteArray original = sim->eeprom().mid(0x450, 0x1908 - 0x450);

    // Another radio whose channels 0-2 were erased and channel 7 filled.
    sim.reset();
    start({}, {"0450=F8", QString::asprintf("%04X=%s", 0x484 + 7 * 26, QByteArray(26, '\x11').toHex().constData())});
    ASSERT_NE(sim->eeprom().mid(0x450, 0x1908 - 0x450), original);
    CCloneLoadDialog::SetMemoryReloader([](QWidget*) {});
    CCloneLoadDialog dialog;
    choose(dialog, mem);
    dialog.OnOK();
    EXPECT_EQ(sim->eeprom().mid(0x450, 0x1908 - 0x450), original);
    EXPECT_EQ(dialog.GetFailedCount(), 0);
    EXPECT_LE(dialog.GetWrittenCount(), 16);
}

// Once its progress bar shows, the dialog grows instead of squeezing its texts.
TEST_F(Clone, TheProgressBarMakesRoomForItself)
{
    start();
    auto check = [this] {
        CCloneSaveDialog dialog;
        dialog.show();
        QApplication::processEvents();
        dialog.GetSectionButton(0)->click();
        testsupport::prompter().m_files.push_back(path("room.txt"));
        dialog.GetChooseButton()->click();
        dialog.OnOK();
        QApplication::processEvents();
        const QStringList problems = testsupport::layoutProblems(&dialog);
        EXPECT_TRUE(problems.isEmpty()) << problems.join("\n").toStdString();
        QFile::remove(path("room.txt"));
    };
    check();
    testsupport::withLargerFont(check);
}
