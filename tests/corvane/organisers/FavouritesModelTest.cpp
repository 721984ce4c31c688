// The favourites model without a window: the settings text, the built-in
// list, the file's exact bytes, the frequency map and the list operations;
// applying a favourite is checked frame by frame on the FT-817 simulator.
#include "corvane/core/CatLink.h"
#include "corvane/core/RadioApp.h"
#include "corvane/organisers/FavouritesCollection.h"
#include "platform/DataFolder.h"
#include "platform/Sleeper.h"
#include "shared/TaggedLines.h"
#include "support/Simulator.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString favouritesPath()
{
    return platform::dataFilePath(QStringLiteral("FT-817 Favourites.txt"));
}

// The record lines of a saved file: what follows the banner (which ends with
// the second rule and a "#") up to the three closing lines.
QStringList recordLines(const QByteArray& bytes)
{
    const QStringList lines = TaggedLines::FromBytes(bytes);
    const QString rule(60, QLatin1Char('#'));
    const int secondRule = int(lines.indexOf(rule, lines.indexOf(rule) + 1));
    return lines.mid(secondRule + 2, lines.size() - secondRule - 2 - 3);
}

} // namespace

TEST(FavouriteEntry, SettingsTextFieldsReadLikeTheCLibrary)
{
    struct Case {
        const char* text;
        uint32_t fields[6];
    } cases[] = {
        {"", {0, 0, 0, 0, 0, 0}},
        {"1", {1, 0, 0, 0, 0, 0}},
        {"1,600000,22,0,1,1", {1, 600000, 22, 0, 1, 1}},
        {" 7, +12x,abc,,9", {7, 12, 0, 0, 9, 0}},
        {"0,5,5,5,5,5,99", {0, 5, 5, 5, 5, 5}},
        {"1,-1", {1, 0xFFFFFFFF, 0, 0, 0, 0}},
        {"1,99999999999999999999", {1, 0x7FFFFFFF, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        CFavouriteEntry entry;
        entry.SetRepeaterSettings(QString::fromLatin1(c.text));
        for (int n = 0; n < 6; ++n)
            EXPECT_EQ(entry.GetRepeaterSetting(n), c.fields[n]) << c.text << " field " << n;
        EXPECT_EQ(entry.HasRepeaterSettings(), c.fields[0] != 0) << c.text;
        EXPECT_EQ(entry.GetShift(), c.fields[1]);
        EXPECT_EQ(entry.GetCtcssTone(), c.fields[2]);
        EXPECT_EQ(entry.GetDcsCode(), c.fields[3]);
        EXPECT_EQ(entry.GetRepeaterOffset(), c.fields[4]);
        EXPECT_EQ(entry.GetToneMode(), c.fields[5]);
    }
    CFavouriteEntry six;
    six.SetRepeaterSettings("1,600000,22,0,1,1");
    EXPECT_EQ(six.GetRepeaterSetting(6), 0u);
    EXPECT_EQ(six.GetRepeaterSetting(-1), 0u);
    EXPECT_EQ(CFavouriteEntry::FormatRepeaterSettings(1, 7600000, 0, 12, 2, 3), "1,7600000,0,12,2,3");
    EXPECT_EQ(CFavouriteEntry().GetKind(), CMemoryChannel::KIND_STORED);
}

TEST(FavouritesCollection, DefaultsAreTheSeventyThreeFavouritesAndAreSaved)
{
    CFavouritesCollection favourites;
    favourites.LoadDefaults();
    ASSERT_EQ(favourites.GetCount(), 73);

    struct Row {
        int index;
        const char* folder;
        const char* title;
        uint32_t hz;
        uint8_t mode;
        const char* settings;
    } rows[] = {
        {0, "160m", "1.83 MHz", 1830000, 2, ""},
        {16, "2m\\Simplex", "V34", 145425000, 8, "1,0,0,0,0,0"},
        {26, "2m\\Simplex", "V44", 145550000, 8, "1,0,0,0,0,0"},
        {27, "2m\\Repeaters", "RV48", 145600000, 8, "1,0,0,0,0,0"},
        {41, "2m\\Repeaters", "RV62", 145775000, 8, "1,0,0,0,0,0"},
        {42, "2m\\Switzerland", "Repeater North", 145662500, 8, "1,600000,22,0,1,1"},
        {46, "70cm\\Switzerland", "Repeater East", 439375000, 8, "1,7600000,0,0,1,0"},
        {50, "Air", "121.150 MHz", 121150000, 4, ""},
        {72, "PSK31", "28.120.150 MHz", 28120150, 10, ""},
    };
    for (const Row& r : rows) {
        const CFavouriteEntry* e = favourites.GetEntry(r.index);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->GetFolder(), QString::fromLatin1(r.folder)) << r.index;
        EXPECT_EQ(e->GetTitle(), QString::fromLatin1(r.title)) << r.index;
        EXPECT_EQ(e->GetRxFrequency(), r.hz) << r.index;
        EXPECT_EQ(e->GetMode(), r.mode) << r.index;
        EXPECT_EQ(e->GetRepeaterSettings(), QString::fromLatin1(r.settings)) << r.index;
        EXPECT_EQ(e->GetKind(), CMemoryChannel::KIND_STORED);
    }
    // Simplex and repeater channels 12.5 kHz apart.
    for (int i = 16; i < 42; ++i) {
        if (i != 16 && i != 27) {
            EXPECT_EQ(favourites.GetEntry(i)->GetRxFrequency() - favourites.GetEntry(i - 1)->GetRxFrequency(), 12500u);
        }
    }
    // The map is left alone until the file is loaded.
    QString titles;
    EXPECT_FALSE(favourites.LookupFrequency(145662500, titles));

    CFavouritesCollection reloaded;
    ASSERT_TRUE(reloaded.Load());
    ASSERT_EQ(reloaded.GetCount(), 73);
    ASSERT_TRUE(reloaded.LookupFrequency(145662500, titles));
    EXPECT_EQ(titles, "RV53 / Repeater North");
    ASSERT_TRUE(reloaded.LookupFrequency(145600000, titles));
    EXPECT_EQ(titles, "RV48 / Repeater South");
    ASSERT_TRUE(reloaded.LookupFrequency(7090000, titles));
    EXPECT_EQ(titles, "7.09 MHz");
    titles = "untouched";
    EXPECT_FALSE(reloaded.LookupFrequency(7090010, titles));
    EXPECT_EQ(titles, "untouched");
}

TEST(FavouritesCollection, FileHoldsTheRecordsInTheDecodedFormExactly)
{
    CFavouritesCollection favourites;
    favourites.AddOrUpdate(QStringLiteral("2m\\Simplex"), QString::fromLatin1("Caf\xe9"), true, 145425000, 8,
                           QStringLiteral("1,0,0,0,0,0"));
    favourites.AddOrUpdate(QString(), QStringLiteral("Top"), true, 7090000, 0, QString());
    ASSERT_TRUE(favourites.Save());

    const QByteArray bytes = readFile(favouritesPath());
    ASSERT_FALSE(bytes.isEmpty());
    EXPECT_TRUE(bytes.startsWith(QByteArray(60, '#') + "\r\n#\r\n"));
    EXPECT_TRUE(bytes.endsWith("\r\n#\r\n" + QByteArray(60, '#') + "\r\n#@filetype=4")) << bytes.right(80).data();
    EXPECT_FALSE(bytes.contains("\n\n"));
    EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n'));
    // One byte per character.
    EXPECT_TRUE(bytes.contains("118 Caf\xe9\r\n"));

    auto record = [](const char* folder, const char* title, const char* mode, const char* hz, const char* settings) {
        return QStringList{"#", "100 0", "101 0", "102 0", "103 0", "104 0", "105 0", "120 1", "106 0", "107 0",
                           "108 0", "109 0", "110 0", QString("111 ") + mode, "112 0", "113 0", "114 0",
                           QString("115 ") + hz, "116 ", QString::fromLatin1("117 ") + QString::fromLatin1(folder),
                           QString::fromLatin1("118 ") + QString::fromLatin1(title),
                           QString("121 ") + settings, "-@-"};
    };
    const QStringList expected =
        record("2m\\Simplex", "Caf\xe9", "8", "145425000", "1,0,0,0,0,0") + record("", "Top", "0", "7090000", "");
    EXPECT_EQ(recordLines(bytes), expected);

    CFavouritesCollection reloaded;
    ASSERT_TRUE(reloaded.Load());
    ASSERT_EQ(reloaded.GetCount(), 2);
    EXPECT_EQ(reloaded.GetEntry(0)->GetTitle(), QString::fromLatin1("Caf\xe9"));
    EXPECT_EQ(reloaded.GetEntry(0)->GetFolder(), "2m\\Simplex");
    EXPECT_EQ(reloaded.GetEntry(0)->GetRepeaterSettings(), "1,0,0,0,0,0");
    EXPECT_EQ(reloaded.GetEntry(1)->GetFolder(), "");
    EXPECT_EQ(reloaded.GetEntry(1)->GetRxFrequency(), 7090000u);
}

TEST(FavouritesCollection, AnyMemoryListFileLoadsAndAMissingOneGivesNothing)
{
    // A file written by hand (LF line ends, a record without its terminator).
    const QString path = platform::dataFilePath(QStringLiteral("other.txt"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("# anything\n#\n111 1\n115 14200000\n117 HF\n118 Net\n121 1,0\n-@-\n#\n118 Lost\n");
    }
    CFavouritesCollection favourites;
    favourites.AddOrUpdate("x", "y", true, 1, 1, "");
    ASSERT_TRUE(favourites.LoadFrom(path));
    ASSERT_EQ(favourites.GetCount(), 1);
    const CFavouriteEntry* e = favourites.GetEntry(0);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->GetFolder(), "HF");
    EXPECT_EQ(e->GetTitle(), "Net");
    EXPECT_EQ(e->GetRxFrequency(), 14200000u);
    EXPECT_EQ(e->GetMode(), 1);
    EXPECT_TRUE(e->HasRepeaterSettings());

    QFile::remove(favouritesPath());
    EXPECT_TRUE(favourites.Load());
    EXPECT_EQ(favourites.GetCount(), 0);
}

TEST(FavouritesCollection, AddOrUpdateFindAndTheOtherListOperations)
{
    CFavouritesCollection favourites;
    CFavouriteEntry* first = favourites.AddOrUpdate("2m", "Net", true, 145500000, 0x88, "1,0,0,0,0,0");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->GetMode(), 8);  // only the CAT mode is kept
    EXPECT_EQ(first->GetKind(), CMemoryChannel::KIND_STORED);

    // Replace: the same entry changes in place.
    CFavouriteEntry* again = favourites.AddOrUpdate("2m", "Net", true, 145600000, 4, "");
    EXPECT_EQ(again, first);
    EXPECT_EQ(favourites.GetCount(), 1);
    EXPECT_EQ(first->GetRxFrequency(), 145600000u);
    EXPECT_EQ(first->GetMode(), 4);
    EXPECT_EQ(first->GetRepeaterSettings(), "");
    EXPECT_EQ(first->GetFolder(), "2m");
    EXPECT_EQ(first->GetTitle(), "Net");

    // Without the flag a second entry with the same pair is appended.
    favourites.AddOrUpdate("2m", "Net", false, 1000, 1, "");
    EXPECT_EQ(favourites.GetCount(), 2);
    EXPECT_EQ(favourites.Find("2m", "Net"), first);
    EXPECT_EQ(favourites.IndexOf("2m", "Net"), 0);

    // Case matters.
    EXPECT_EQ(favourites.Find("2M", "Net"), nullptr);
    EXPECT_EQ(favourites.Find("2m", "net"), nullptr);
    EXPECT_EQ(favourites.IndexOf("2m", "NET"), -1);

    // Duplicate copies frequency, mode and settings under the new names.
    favourites.AddOrUpdate("70cm", "Rep", true, 438650000, 8, "1,7600000,0,0,1,0");
    const int copy = favourites.Duplicate(2, "", "Rep (2)");
    EXPECT_EQ(copy, 3);
    const CFavouriteEntry* dup = favourites.GetEntry(3);
    EXPECT_EQ(dup->GetFolder(), "");
    EXPECT_EQ(dup->GetTitle(), "Rep (2)");
    EXPECT_EQ(dup->GetRxFrequency(), 438650000u);
    EXPECT_EQ(dup->GetMode(), 8);
    EXPECT_EQ(dup->GetRepeaterSettings(), "1,7600000,0,0,1,0");
    EXPECT_EQ(favourites.Duplicate(99, "", "none"), -1);

    favourites.Remove("2m", "Net");
    EXPECT_EQ(favourites.GetCount(), 3);
    EXPECT_EQ(favourites.GetEntry(0)->GetRxFrequency(), 1000u);
    favourites.Remove("nowhere", "Net");
    EXPECT_EQ(favourites.GetCount(), 3);

    // A plain record added to the list becomes a favourite entry.
    auto plain = std::make_unique<CMemoryChannel>();
    plain->SetTitle("Plain");
    plain->SetRepeaterSettings("1");
    CFavouriteEntry* added = favourites.Add(std::move(plain));
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->GetTitle(), "Plain");
    EXPECT_TRUE(added->HasRepeaterSettings());
    EXPECT_EQ(favourites.GetEntry(favourites.GetCount() - 1), added);
}

TEST(FavouritesCollection, AddOrUpdateKeepsTheValuesWhileThePortIsClosed)
{
    // No application and no open port: a favourite merged from a file or
    // typed in a dialog still keeps its frequency, mode and settings.
    CFavouritesCollection favourites;
    const CFavouriteEntry* e = favourites.AddOrUpdate("HF", "Net", true, 14200000, 1, "1,0,0,0,0,0");
    EXPECT_EQ(e->GetRxFrequency(), 14200000u);
    EXPECT_EQ(e->GetMode(), 1);
    EXPECT_EQ(e->GetRepeaterSettings(), "1,0,0,0,0,0");
    EXPECT_EQ(e->GetKind(), CMemoryChannel::KIND_STORED);
}

// ---------------------------------------------------------------- radio

namespace {

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

QByteArray frame(uint8_t a, uint8_t b, uint8_t c, uint8_t d, uint8_t op)
{
    const char bytes[5] = {char(a), char(b), char(c), char(d), char(op)};
    return QByteArray(bytes, 5);
}

class ApplyFavourite : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::Sleeper::setInstance(&sleeper);
        sim = std::make_unique<testsupport::Simulator>();
        ASSERT_TRUE(sim->isRunning()) << sim->errorText().toStdString();
        QString error;
        ASSERT_TRUE(link.Open(sim->portPath(), QStringLiteral("38400"), error)) << error.toStdString();
        seen = int(sim->frames().size());
    }
    void TearDown() override
    {
        link.Close();
        platform::Sleeper::setInstance(nullptr);
    }
    QList<QByteArray> newFrames()
    {
        const QList<QByteArray> all = sim->frames();
        const QList<QByteArray> fresh = all.mid(seen);
        seen = int(all.size());
        return fresh;
    }
    // The current band record of the radio (VFO operation).
    uint16_t recordAddress() const
    {
        const uint8_t flags = sim->eepromByte(0x55);
        const uint8_t bands = sim->eepromByte(0x59);
        const bool vfoA = !(flags & 1);
        const int band = vfoA ? bands & 0x0F : bands >> 4;
        return uint16_t(0x7D + band * 26 + (vfoA ? 0 : 15 * 26));
    }
    // The frames of a verified masked write into the current band record; the
    // VFO flags and the band byte are read until two answers agree.
    QList<QByteArray> recordWrite(int offset, uint8_t mask, uint8_t value) const
    {
        const uint16_t a = uint16_t(recordAddress() + offset);
        const uint8_t hi = uint8_t(a >> 8), lo = uint8_t(a);
        const uint8_t old = sim->eepromByte(a);
        const uint8_t next = sim->eepromByte(a + 1);
        const QByteArray read = frame(hi, lo, 0, 0, 0xBB);
        return {frame(0x00, 0x55, 0, 0, 0xBB), frame(0x00, 0x55, 0, 0, 0xBB), frame(0x00, 0x59, 0, 0, 0xBB),
                frame(0x00, 0x59, 0, 0, 0xBB), read, read, read,
                frame(hi, lo, uint8_t((old & ~mask) | (value & mask)), next, 0xBC), read};
    }

    platform::FakeSleeper sleeper;
    std::unique_ptr<testsupport::Simulator> sim;
    CCatLink link;
    int seen = 0;
};

} // namespace

TEST_F(ApplyFavourite, WithoutRepeaterSettingsOnlyFrequencyAndMode)
{
    ASSERT_FALSE(sim->eepromByte(0x55) & 0x40) << "the radio starts in VFO operation";
    CFavouriteEntry entry;
    entry.SetRxFrequency(14070150);
    entry.SetMode(0x8A);  // DIG with a flag bit
    CFavouriteEntry::ApplyToRadio(entry, link);
    EXPECT_EQ(newFrames(), QList<QByteArray>({hex("0A 00 00 00 07"), hex("01 40 70 15 01"), hex("0A 00 00 00 07")}));

    // A clarifier the link holds as on is switched off before the frequency.
    link.SetClarifierFlag(true);
    entry.SetRepeaterSettings("0,600000,22,0,1,1");  // not valid: no repeater steps
    CFavouriteEntry::ApplyToRadio(entry, link);
    EXPECT_EQ(newFrames(), QList<QByteArray>({hex("0A 00 00 00 07"), hex("00 00 00 00 85"), hex("01 40 70 15 01"),
                                              hex("0A 00 00 00 07")}));
}

TEST_F(ApplyFavourite, RepeaterSettingsFollowInTheirOrder)
{
    CFavouriteEntry entry;
    entry.SetRxFrequency(145662500);
    entry.SetMode(8);
    entry.SetRepeaterSettings("1,600000,22,0,1,1");
    // On the favourite's band first, so that the expected writes know its record.
    link.SetFrequencyInMode(145662500, 8);
    newFrames();
    QList<QByteArray> expected = {hex("08 00 00 00 07"), hex("14 56 62 50 01"), hex("08 00 00 00 07")};
    expected += recordWrite(6, 0x3F, 22);
    CFavouriteEntry::ApplyToRadio(entry, link);
    const QList<QByteArray> frames = newFrames();
    ASSERT_GE(frames.size(), expected.size());
    EXPECT_EQ(frames.mid(0, expected.size()), expected);
    // The DCS write reads byte 7 again; its mask covers every bit it changed.
    QList<QByteArray> tail = recordWrite(7, 0x7F, 0);
    tail += {hex("09 00 00 00 09"), hex("4A 00 00 00 0A"), hex("00 06 00 00 F9")};
    EXPECT_EQ(frames.mid(expected.size()), tail);
    EXPECT_EQ(sim->eepromByte(recordAddress() + 6) & 0x3F, 22);
    EXPECT_EQ(sim->eepromByte(recordAddress() + 7) & 0x7F, 0);
}

TEST_F(ApplyFavourite, ZeroSettingsAndValuesOutOfRange)
{
    CFavouriteEntry entry;
    entry.SetRxFrequency(145425000);
    entry.SetMode(8);
    entry.SetRepeaterSettings("1,0,0,0,0,0");
    CFavouriteEntry::ApplyToRadio(entry, link);
    QList<QByteArray> frames = newFrames();
    ASSERT_EQ(frames.size(), 3 + 9 + 9 + 3);
    EXPECT_EQ(frames.mid(21), QList<QByteArray>({hex("89 00 00 00 09"), hex("8A 00 00 00 0A"),
                                                 hex("00 00 00 00 F9")}));

    // Direction 3 and tone mode 4 send nothing; CTCSS 64 is written as 0.
    entry.SetRepeaterSettings("1,12500,64,200,3,4");
    const QList<QByteArray> ctcss = recordWrite(6, 0x3F, 0);
    CFavouriteEntry::ApplyToRadio(entry, link);
    frames = newFrames();
    ASSERT_EQ(frames.size(), 3 + 9 + 9 + 1);
    EXPECT_EQ(frames.mid(3, 9), ctcss);
    EXPECT_EQ(frames[3 + 9 + 7].at(2) & 0x7F, 200 & 0x7F);
    EXPECT_EQ(frames.last(), hex("00 00 12 50 F9"));
    EXPECT_EQ(sim->eepromByte(recordAddress() + 6) & 0x3F, 0);
}
