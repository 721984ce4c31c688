#include "corvane/frontpanel/BandPlan.h"
#include "corvane/organisers/BandSetList.h"
#include "shared/TaggedLines.h"
#include "shared/TextFile.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// The records of a file, without the comment lines of its header.
QByteArray bodyOf(const QByteArray& file)
{
    QStringList lines = TaggedLines::FromBytes(file);
    while (!lines.isEmpty() && lines.first().startsWith(QLatin1Char('#')))
        lines.removeFirst();
    // The closing lines: "#", the rule, the filetype.
    lines = lines.mid(0, lines.size() - 3);
    return TaggedLines::ToBytes(lines);
}

QString definitionsPath()
{
    return QDir(testsupport::dataFolder()).filePath(QStringLiteral("FT-817 Band Definitions.txt"));
}

CBandSet makeSet(const QString& title, int enabled = 1)
{
    CBandSet set;
    set.SetTitle(title);
    set.SetEnabled(enabled);
    return set;
}

QStringList titles(const CBandSetList& list)
{
    QStringList t;
    for (int i = 0; i < list.GetCount(); ++i)
        t << list.GetAt(i)->GetTitle();
    return t;
}

} // namespace

TEST(BandSetList, SavesTheRecordLayoutByteForByte)
{
    CBandSetList list;
    CBandSet low = makeSet(QStringLiteral("Low bands"));
    low.AddBand(1, 7000000, 7100000, QStringLiteral("40m"));
    list.AddCopy(low);
    list.AddCopy(makeSet(QStringLiteral("Nothing yet"), 0));
    ASSERT_TRUE(list.SaveDefinitions());

    const QByteArray file = readBytes(definitionsPath());
    EXPECT_EQ(bodyOf(file), QByteArray("100 1\r\n101 Low bands\r\n#\r\n"
                                       "200 1\r\n201 40m\r\n202 7000000\r\n203 7100000\r\n@B@\r\n#\r\n"
                                       "@D@\r\n#\r\n"
                                       "100 0\r\n101 Nothing yet\r\n#\r\n@D@\r\n#"));
    // The filetype line is the last line, with no line end after it.
    EXPECT_TRUE(file.endsWith("#\r\n" + QByteArray(60, '#') + "\r\n#@filetype=6"));
    EXPECT_TRUE(file.startsWith(QByteArray(60, '#') + "\r\n#\r\n"));

    CBandSetList back;
    back.LoadFile(6);
    ASSERT_EQ(back.GetCount(), 2);
    EXPECT_EQ(back.GetAt(0)->GetBandCount(), 1);
    EXPECT_EQ(back.GetAt(0)->GetBand(0)->GetTitle(), "40m");
    EXPECT_EQ(back.GetAt(1)->GetEnabled(), 0);
    EXPECT_EQ(back.GetAt(1)->GetBandCount(), 0);
}

TEST(BandSetList, EmptyListAndMissingFile)
{
    CBandSetList list;
    list.AddCopy(makeSet(QStringLiteral("stale")));
    list.LoadFile(6);  // no file: empty, nothing said
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());

    ASSERT_TRUE(list.SaveDefinitions());
    const QStringList lines = TaggedLines::FromBytes(readBytes(definitionsPath()));
    ASSERT_FALSE(lines.isEmpty());
    for (const QString& line : lines)
        EXPECT_TRUE(line.startsWith(QLatin1Char('#'))) << line.toStdString();
    list.AddCopy(makeSet(QStringLiteral("x")));
    list.LoadFile(6);
    EXPECT_EQ(list.GetCount(), 0);
}

TEST(BandSetList, ReaderRules)
{
    struct Case {
        const char* name;
        QStringList lines;
        QStringList titles;
        QList<int> enabled;
        QList<int> bandCounts;
    };
    const QList<Case> cases = {
        {"sorted by title, code by code",
         {"101 b", "@D@", "101 A", "@D@", "101 a", "@D@", "101 B", "@D@"},
         {"A", "B", "a", "b"},
         {0, 0, 0, 0},
         {0, 0, 0, 0}},
        {"a set without its own title takes the one before",
         {"100 1", "101 First", "200 1", "201 x", "@B@", "@D@", "200 1", "201 y", "@B@", "200 0", "@B@", "@D@"},
         {"First", "First"},
         {1, 1},
         {1, 2}},
        {"an end line with a blank closes nothing",
         {"101 S", "200 1", "201 band", "@B@ ", "@D@"},
         {"S"},
         {0},
         {0}},
        {"unclosed band and set are dropped",
         {"101 Kept", "@D@", "101 Lost", "200 1", "@B@", "201 open band"},
         {"Kept"},
         {0},
         {0}},
        {"non-zero flags load as 1, odd codes ignored, short lines empty",
         {"100 5", "101", "999 junk", "abc", "", "@D@"},
         {""},
         {1},
         {0}},
    };
    for (const Case& c : cases) {
        CBandSetList list;
        list.ParseLines(c.lines);
        EXPECT_EQ(titles(list), c.titles) << c.name;
        for (int i = 0; i < list.GetCount() && i < c.enabled.size(); ++i) {
            EXPECT_EQ(list.GetAt(i)->GetEnabled(), c.enabled[i]) << c.name;
            EXPECT_EQ(list.GetAt(i)->GetBandCount(), c.bandCounts[i]) << c.name;
        }
    }
}

TEST(BandSetList, ValuesSurviveASaveUnchanged)
{
    // Reversed edges, an enabled value of 5, Latin-1 text and a number with
    // trailing junk.
    writeBytes(definitionsPath(), "# header\r\n100 5\r\n101 Caf\xe9\r\n#\r\n200 7\r\n201 Reverse\r\n"
                                  "202 7100000\r\n203 7000000xyz\r\n@B@\r\n@D@\r\n#@filetype=6");
    CBandSetList list;
    list.LoadFile(6);
    ASSERT_EQ(list.GetCount(), 1);
    const CBandEntry* band = list.GetAt(0)->GetBand(0);
    ASSERT_NE(band, nullptr);
    EXPECT_EQ(band->GetFrom(), 7100000u);
    EXPECT_EQ(band->GetTo(), 7000000u);
    EXPECT_EQ(band->GetEnabled(), 1);
    EXPECT_EQ(list.GetAt(0)->GetTitle(), QString::fromLatin1("Caf\xe9"));
    ASSERT_TRUE(list.SaveDefinitions());
    EXPECT_EQ(bodyOf(readBytes(definitionsPath())),
              QByteArray("100 1\r\n101 Caf\xe9\r\n#\r\n200 1\r\n201 Reverse\r\n202 7100000\r\n203 7000000\r\n"
                         "@B@\r\n#\r\n@D@\r\n#"));
}

TEST(BandSetList, CopiesAreDeepAndPositionsHold)
{
    CBandSetList list;
    CBandSet a = makeSet(QStringLiteral("a"));
    a.AddBand(1, 1, 2, QStringLiteral("one"));
    list.AddCopy(a);
    list.AddCopy(makeSet(QStringLiteral("c")));
    list.InsertCopyAt(1, makeSet(QStringLiteral("b")));
    EXPECT_EQ(titles(list), QStringList({"a", "b", "c"}));
    list.ReplaceAt(2, makeSet(QStringLiteral("C")));
    list.RemoveAt(0);
    EXPECT_EQ(titles(list), QStringList({"b", "C"}));
    list.RemoveAt(7);
    list.ReplaceAt(-1, a);
    EXPECT_EQ(list.GetCount(), 2);

    CBandSetList copy;
    copy.AddCopy(a);
    a.GetBand(0)->SetTitle(QStringLiteral("changed"));
    EXPECT_EQ(copy.GetAt(0)->GetBand(0)->GetTitle(), "one");
    list.CopyFrom(copy);
    copy.GetAt(0)->GetBand(0)->SetFrom(99);
    EXPECT_EQ(list.GetAt(0)->GetBand(0)->GetFrom(), 1u);
    CBandSet self = a;
    const CBandSet& same = self;
    self = same;  // survives being given itself
    EXPECT_EQ(self.GetBandCount(), 1);
}

TEST(BandSetList, PlanOfASetHoldsItsEnabledRanges)
{
    CBandSet set = makeSet(QStringLiteral("Mine"));
    set.AddBand(1, 7100000, 7000000, QStringLiteral("40m"));
    set.AddBand(0, 14000000, 14350000, QStringLiteral("20m"));
    set.AddBand(1, 3500000, 3800000, QStringLiteral("80m"));
    CBandPlan plan;
    plan.BuildStandard(0);
    set.BuildPlan(plan);
    EXPECT_EQ(plan.GetTitle(), "Mine");
    ASSERT_EQ(plan.GetCount(), 2);
    EXPECT_EQ(plan.GetEntry(0)->GetFrom(), 7000000u);
    EXPECT_EQ(plan.GetEntry(0)->GetTo(), 7100000u);
    EXPECT_EQ(plan.GetEntry(1)->GetTitle(), "80m");
    EXPECT_EQ(plan.GetEntry(1)->GetShown(), 1);
}

TEST(BandSetList, DefaultsComeFromTheShippedFileUnlessTheOperatorHasOne)
{
    QDir(testsupport::rootFolder()).mkpath(QStringLiteral("shipped"));
    const QString shipped = QDir(testsupport::rootFolder()).filePath(QStringLiteral("shipped"));
    CBandSetList::SetShippedFolder(shipped);

    CBandSetList list;
    list.AddCopy(makeSet(QStringLiteral("untouched")));
    testsupport::prompter().clear();
    EXPECT_FALSE(list.LoadDefaults());
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    const auto& box = testsupport::prompter().m_boxes.first();
    EXPECT_EQ(box.caption, "Defaults");
    EXPECT_EQ(box.text, "Unable to open " +
                            QDir(testsupport::dataFolder()).filePath(QStringLiteral("FT-817 Default Band Definitions.txt")));
    EXPECT_EQ(box.style & 0xF0, platform::MB_ICONERROR);
    EXPECT_EQ(titles(list), QStringList({"untouched"}));

    writeBytes(QDir(shipped).filePath(QStringLiteral("FT-817 Default Band Definitions.txt")),
               "101 Shipped\r\n@D@\r\n#@filetype=7");
    EXPECT_TRUE(list.LoadDefaults());
    EXPECT_EQ(titles(list), QStringList({"Shipped"}));

    writeBytes(QDir(testsupport::dataFolder()).filePath(QStringLiteral("FT-817 Default Band Definitions.txt")),
               "101 Own\r\n@D@\r\n101 Also own\r\n@D@");
    EXPECT_TRUE(list.LoadDefaults());
    EXPECT_EQ(titles(list), QStringList({"Also own", "Own"}));
    CBandSetList::SetShippedFolder(QString());
}

TEST(BandSetList, TheShippedDefaultsAreAValidDefinitionsFile)
{
    const QString path = QDir(testsupport::buildDir()).filePath(QStringLiteral("bin/FT-817 Default Band Definitions.txt"));
    ASSERT_TRUE(QFile::exists(path)) << path.toStdString();
    const QByteArray bytes = readBytes(path);
    EXPECT_TRUE(bytes.endsWith("#@filetype=7"));
    EXPECT_FALSE(bytes.contains('\n') && bytes.count('\n') != bytes.count("\r\n"));
    CBandSetList list;
    list.Load(path);
    ASSERT_GE(list.GetCount(), 3);
    for (int i = 0; i < list.GetCount(); ++i) {
        const CBandSet* set = list.GetAt(i);
        EXPECT_FALSE(set->GetTitle().isEmpty());
        ASSERT_GT(set->GetBandCount(), 0) << set->GetTitle().toStdString();
        for (int b = 0; b < set->GetBandCount(); ++b) {
            EXPECT_LT(set->GetBand(b)->GetFrom(), set->GetBand(b)->GetTo()) << set->GetTitle().toStdString();
            EXPECT_FALSE(set->GetBand(b)->GetTitle().isEmpty());
        }
    }
    // It saves back to the same records.
    const QString copy = QDir(testsupport::dataFolder()).filePath(QStringLiteral("copy.txt"));
    ASSERT_TRUE(list.Save(7, copy));
    EXPECT_EQ(bodyOf(readBytes(copy)), bodyOf(bytes));
}
