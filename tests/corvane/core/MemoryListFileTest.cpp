// The memory list's tagged-line file: the exact lines and bytes of both
// forms, loading them back, and what the reader does with broken files.
#include "corvane/core/MemoryChannelList.h"

#include "platform/DataFolder.h"
#include "shared/TaggedLines.h"
#include "shared/TextFile.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {
QByteArray hex(const char* text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

const char* const kRepeater = "85 44 00 4B 81 00 08 00 00 00 00 DE 5B D4 00 00 EA 60 52 50 54 20 52 37 20 20";

QString rawText(const QByteArray& bytes)
{
    QString text;
    for (char c : bytes)
        text += QString::asprintf("%03u", unsigned(uint8_t(c)));
    return text;
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void putBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A favourite-like stored record.
std::unique_ptr<CMemoryChannel> favourite()
{
    auto c = std::make_unique<CMemoryChannel>();
    c->MarkAsStoredRecord();
    c->SetMode(0x08);
    c->SetRxFrequency(145500000);
    c->SetHasFrequency(true);
    c->SetTagOn(true);
    c->SetFmStep(3);
    c->SetOffset(60000);
    c->SetTag("CALL");
    c->SetFolder("VHF\\Calling");
    c->SetTitle("2 m calling");
    c->SetRepeaterSettings("1,600000,8,0,1,1");
    c->BuildTexts();
    return c;
}
} // namespace

TEST(MemoryListFile, DecodedFormLinesInTheirOrder)
{
    CMemoryChannelList list;
    list.Add(favourite());
    const QStringList expected = {"#",       "100 0",       "101 0",   "102 0",
                                  "103 0",   "104 1",       "105 1",   "120 1",
                                  "106 0",   "107 3",       "108 0",   "109 0",
                                  "110 0",   "111 8",       "112 0",   "113 0",
                                  "114 60000", "115 145500000", "116 CALL", "117 VHF\\Calling",
                                  "118 2 m calling", "121 1,600000,8,0,1,1", "-@-"};
    EXPECT_EQ(list.BuildLines(false), expected);
    // Byte-exact: CR LF between lines, none after the last.
    EXPECT_EQ(TaggedLines::ToBytes(list.BuildLines(false)).left(19), QByteArray("#\r\n100 0\r\n101 0\r\n10"));
}

TEST(MemoryListFile, RawFormCarriesOnlyBytesAndUse)
{
    CRadioMemoryList list;
    list.GetChannel(0)->SetRawFromText(rawText(hex(kRepeater)));
    list.GetChannel(1)->SetRawFromText(rawText(hex(kRepeater)));
    list.GetChannel(1)->SetEmpty(false);
    list.GetChannel(1)->SetTitle("not saved");
    const QStringList lines = list.BuildLines(true);
    ASSERT_EQ(lines.size(), 202 * 4);
    EXPECT_EQ(lines.mid(0, 8), QStringList({"#", "119 " + rawText(hex(kRepeater)), "120 1", "-@-", "#",
                                            "119 " + rawText(hex(kRepeater)), "120 0", "-@-"}));
    EXPECT_EQ(lines[1].size(), 4 + 78);
    // A channel that was never read (or erased) is written as an empty one.
    EXPECT_EQ(lines[9], "119 " + QString("255").repeated(26));
}

TEST(MemoryListFile, SavedFileLoadsBackToTheSameEntries)
{
    testsupport::prompter().clear();
    const QString path = testsupport::dataFolder() + "/archive.txt";
    CRadioMemoryList list;
    list.GetChannel(3)->SetRawFromText(rawText(hex(kRepeater)));
    list.GetChannel(4)->SetRawFromText(rawText(hex(kRepeater)));
    list.GetChannel(4)->SetEmpty(false);
    ASSERT_TRUE(list.SaveRaw(5, path));

    const QByteArray bytes = fileBytes(path);
    const QStringList lines = TaggedLines::FromBytes(bytes);
    EXPECT_EQ(TaggedLines::ToBytes(lines), bytes) << "CR LF throughout, nothing after the last line";
    EXPECT_FALSE(bytes.endsWith("\r\n"));
    ASSERT_GT(lines.size(), 202 * 4);
    EXPECT_EQ(lines.first(), QString(60, '#'));
    EXPECT_TRUE(lines.contains("#   Contents ..: Memory archive"));
    EXPECT_EQ(lines.mid(lines.size() - 3), QStringList({"#", QString(60, '#'), "#@filetype=5"}));
    // The record lines sit between header and trailer, exactly.
    const QStringList records = list.BuildLines(true);
    EXPECT_EQ(lines.mid(lines.indexOf("119 " + QString("255").repeated(26)) - 1, records.size()), records);

    CRadioMemoryList loaded;
    ASSERT_TRUE(loaded.Load(5, path));
    ASSERT_EQ(loaded.GetCount(), 202);
    for (int i = 0; i < 202; ++i) {
        EXPECT_TRUE(loaded.GetChannel(i)->IsSameRaw(*list.GetChannel(i)) ||
                    (!list.GetChannel(i)->HasRawBytes() && !loaded.GetChannel(i)->HasFrequency()))
            << i;
        EXPECT_EQ(loaded.GetChannel(i)->GetKind(), CMemoryChannel::KIND_IMAGE);
        EXPECT_NE(dynamic_cast<CRadioMemoryChannel*>(loaded.GetChannel(i)), nullptr)
            << "the radio list loads records of its own class";
    }
    EXPECT_EQ(loaded.GetChannel(3)->GetTag(), "RPT R7  ");
    EXPECT_FALSE(loaded.GetChannel(4)->IsUsed());
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());

    // The decoded form round-trips what it carries.
    CMemoryChannelList favourites;
    favourites.Add(favourite());
    ASSERT_TRUE(favourites.Save(4, path));
    CMemoryChannelList back;
    ASSERT_TRUE(back.Load(4, path));
    ASSERT_EQ(back.GetCount(), 1);
    EXPECT_EQ(back.BuildLines(false), favourites.BuildLines(false));
    EXPECT_EQ(back.GetAt(0)->GetModeText(), "FM") << "a stored record shows its CAT mode name";
    EXPECT_EQ(back.GetAt(0)->GetRxFrequencyText(), "145.500.000");
    EXPECT_EQ(back.GetAt(0)->GetKind(), CMemoryChannel::KIND_STORED);
}

TEST(MemoryListFile, ReaderToleratesBrokenFiles)
{
    CMemoryChannelList list;
    list.LoadLines({"# comment", "120 0", "119 001002", "-@-",  // 120 before 119 is undone
                    "#", "119 " + rawText(hex(kRepeater)), "120 0", "999 unknown", "x12 bad", "", "-@-",
                    "#", "111 5", "115 7000000"});  // no terminator: dropped
    ASSERT_EQ(list.GetCount(), 2);
    const CMemoryChannel& first = *list.GetAt(0);
    EXPECT_TRUE(first.IsUsed());
    EXPECT_EQ(first.GetRawBytes().toHex(' '), QByteArray(26, 0).replace(0, 2, "\x01\x02").toHex(' '));
    EXPECT_FALSE(list.GetAt(1)->IsUsed());
    EXPECT_EQ(list.GetAt(1)->GetTag(), "RPT R7  ");

    // A value set before the raw bytes of the same record is replaced by them;
    // folder and title survive.
    list.LoadLines({"#", "117 folder", "104 1", "116 label", "119 " + rawText(hex(kRepeater)), "-@-"});
    ASSERT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list.GetAt(0)->GetTag(), "RPT R7  ");
    EXPECT_EQ(list.GetAt(0)->GetFolder(), "folder");

    // Codes are cut to a byte, numbers read their leading digits.
    list.LoadLines({"111 266", "115 14070000Hz", "100 2", "-@-"});
    ASSERT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list.GetAt(0)->GetMode(), 10);
    EXPECT_EQ(list.GetAt(0)->GetRxFrequency(), 14070000u);
    EXPECT_TRUE(list.GetAt(0)->IsAttenuatorOn());
}

TEST(MemoryListFile, MissingFilesAndFailedWrites)
{
    testsupport::prompter().clear();
    CMemoryChannelList list;
    list.Add(favourite());
    ASSERT_TRUE(list.Load(5, testsupport::dataFolder() + "/nothing-here.txt"));
    EXPECT_EQ(list.GetCount(), 0) << "a missing file is an empty list";
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty()) << "and no message";

    list.Add(favourite());
    EXPECT_FALSE(list.Save(4, testsupport::dataFolder() + "/no/such/folder/fav.txt"));
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].caption, "Error");

    // The default path of a kind is the file of the program folder.
    EXPECT_EQ(CMemoryChannelList::KindPath(5), platform::dataFilePath("FT-817 Memory Archive.txt"));
    ASSERT_TRUE(list.SaveKind(4));
    EXPECT_TRUE(fileBytes(platform::dataFilePath("FT-817 Favourites.txt")).endsWith("\r\n#@filetype=4"));
    CMemoryChannelList back;
    ASSERT_TRUE(back.LoadKind(4));
    EXPECT_EQ(back.GetCount(), 1);

    // A file written with LF only reads the same.
    const QString lfPath = testsupport::dataFolder() + "/lf.txt";
    putBytes(lfPath, TaggedLines::ToBytes(list.BuildLines(false)).replace("\r\n", "\n"));
    ASSERT_TRUE(back.Load(4, lfPath));
    EXPECT_EQ(back.BuildLines(false), list.BuildLines(false));
}

TEST(MemoryListFile, EntriesMoveAndDeleteWhole)
{
    CMemoryChannelList list;
    for (int i = 0; i < 4; ++i) {
        auto c = std::make_unique<CMemoryChannel>();
        c->SetTitle(QString::number(i));
        list.Add(std::move(c));
    }
    auto titles = [&] {
        QStringList t;
        for (int i = 0; i < list.GetCount(); ++i)
            t << list.GetAt(i)->GetTitle();
        return t.join(',');
    };
    list.Swap(0, 3);
    EXPECT_EQ(titles(), "3,1,2,0");
    list.Swap(0, 9);
    EXPECT_EQ(titles(), "3,1,2,0");
    list.RemoveAt(1);
    EXPECT_EQ(titles(), "3,2,0");
    auto taken = list.TakeAt(0);
    list.InsertAt(2, std::move(taken));
    EXPECT_EQ(titles(), "2,0,3");
    EXPECT_EQ(list.TakeAt(5), nullptr);
    EXPECT_EQ(list.GetAt(3), nullptr);
    list.RemoveAll();
    EXPECT_EQ(list.GetCount(), 0);

    CRadioMemoryList radio;
    EXPECT_EQ(radio.GetCount(), 202);
    radio.AddChannel();
    EXPECT_EQ(radio.GetCount(), 203);
    CRadioMemoryList copy;
    radio.GetChannel(5)->SetRawFromText(rawText(hex(kRepeater)));
    EXPECT_EQ(copy.CopyList(radio), 203);
    EXPECT_TRUE(copy.GetChannel(5)->IsSameRaw(*radio.GetChannel(5)));
}

TEST(MemoryListFile, TellsAListFileFromAnyOtherFile)
{
    struct Case {
        const char* what;
        QStringList lines;
        bool list;
    };
    const Case cases[] = {
        {"favourites", {"#", "118 Net", "115 14200000", "-@-", "#", "####", "#@filetype=4"}, true},
        {"an empty archive", {"# header", "#", "####", "#@filetype=5"}, true},
        {"band definitions", {"#", "100 20m", "-@-", "#", "####", "#@filetype=6"}, false},
        {"made by hand, no closing lines", {"#", "118 Net", "115 14200000", "-@-"}, true},
        {"prose", {"Dear diary,", "today the band was open."}, false},
        {"record lines but no record", {"118 Net", "115 14200000"}, false},
        {"a stray line among records", {"#", "118 Net", "-@-", "0"}, false},
        {"nothing", {}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CMemoryChannelList::IsListFile(c.lines), c.list) << c.what;

    // Load remembers what it found; a missing file is no list file.
    CMemoryChannelList list;
    const QString path = platform::dataFilePath(QStringLiteral("prose.txt"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Dear diary,\r\ntoday the band was open.");
    }
    EXPECT_TRUE(list.Load(5, path));
    EXPECT_FALSE(list.WasListFile());
    EXPECT_EQ(list.GetCount(), 0);
    ASSERT_TRUE(list.SaveRaw(5, path));
    EXPECT_TRUE(list.Load(5, path));
    EXPECT_TRUE(list.WasListFile());
    EXPECT_TRUE(list.Load(5, path + ".missing"));
    EXPECT_FALSE(list.WasListFile());
}
