// The palette designer's file forms: the definition file and the PAL export.
#include "brevio/display/PaletteFile.h"

#include "brevio/core/DefinitionFileHeader.h"
#include "brevio/display/Gradient.h"
#include "shared/TextFile.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

CGradient DefaultGradient()
{
    CGradient g;
    g.SetRange(255);
    CPaletteFile::ToGradient(CPaletteFile::DefaultEntries(), g);
    return g;
}

// The blend written out once more, plainly, from the stated rule.
int Mix(int a, int b, int x, int x0, int x1)
{
    if (a == b)
        return a;
    if (x1 == x0)
        return b;
    return (b * (x - x0) + a * (x1 - x)) / (x1 - x0);
}

QString ExpectedDefaultLine(int entry)
{
    const int x = entry * 255 / 256;
    int r, g, b;
    if (x <= 55) {
        r = g = b = 255;
    } else if (x <= 167) {
        r = g = Mix(255, 0, x, 55, 168);
        b = Mix(255, 134, x, 55, 168);
    } else {
        r = g = 0;
        b = Mix(134, 63, x, 167, 255);
    }
    return QStringLiteral("%1 %2 %3").arg(r).arg(g).arg(b);
}

QStringList Lines(std::initializer_list<const char*> lines)
{
    QStringList out;
    for (const char* l : lines)
        out << QString::fromLatin1(l);
    return out;
}

} // namespace

TEST(PaletteFile, DefaultGradientExportsTheExactPalFile)
{
    const QStringList lines = CPaletteFile::PalLines(DefaultGradient());
    ASSERT_EQ(lines.size(), 256);
    EXPECT_EQ(lines[0], QStringLiteral("255 255 255"));  // the white top of the strip
    EXPECT_EQ(lines[57], QStringLiteral("252 252 253"));
    EXPECT_EQ(lines[128], QStringLiteral("92 92 177"));
    EXPECT_EQ(lines[255], QStringLiteral("0 0 63"));
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(lines[i], ExpectedDefaultLine(i)) << i;

    // On disk: the lines with CR LF between them and nothing else.
    const QString path = testsupport::dataFolder() + QStringLiteral("/default.pal");
    QDir().mkpath(testsupport::dataFolder());
    CTextFile(path, false).WriteLines(lines, false);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray expected;
    for (int i = 0; i < 256; ++i)
        expected += ExpectedDefaultLine(i).toLatin1() + (i < 255 ? "\r\n" : "");
    EXPECT_EQ(file.readAll(), expected);
}

TEST(PaletteFile, DefaultGradientIsWrittenAsFourEntries)
{
    const CPaletteFile::Entries entries = CPaletteFile::FromGradient(DefaultGradient());
    EXPECT_EQ(CPaletteFile::DefinitionLines(entries),
              Lines({"100 16777215", "101 55", "@", "100 8781824", "101 167", "@", "100 16777215", "101 -3", "@",
                     "100 4128768", "101 -2", "@"}));
}

TEST(PaletteFile, DefinitionFileRoundTripKeepsTheGradient)
{
    CGradient g;
    g.SetRange(255);
    CPaletteFile::ToGradient(CPaletteFile::DefaultEntries(), g);
    g.AddPeg(RGB(255, 0, 0), 0);
    g.AddPeg(RGB(0, 255, 0), 255);
    g.AddPeg(RGB(1, 2, 3), 100);
    g.SetPeg(CGradient::kStart, RGB(10, 20, 30), 0);

    QStringList lines = CPaletteFile::DefinitionLines(CPaletteFile::FromGradient(g));
    CDefinitionFileHeader().Write(CPaletteFile::kFileKind, lines);
    const QString path = testsupport::dataFolder() + QStringLiteral("/mine.pbr_pal");
    QDir().mkpath(testsupport::dataFolder());
    CTextFile(path, false).WriteLines(lines, false);

    QStringList read;
    CTextFile file(path, false);
    file.ReadLines(read);
    ASSERT_TRUE(file.IsOk());
    EXPECT_EQ(read.first(), QString(60, QLatin1Char('#')));
    EXPECT_EQ(read.last(), QStringLiteral("#@filetype=2"));
    EXPECT_TRUE(read.join(QLatin1Char('\n')).contains(QStringLiteral("Palette definitions")));

    CPaletteFile::Entries entries;
    ASSERT_TRUE(CPaletteFile::ParseDefinition(read, entries));
    EXPECT_EQ(entries, CPaletteFile::FromGradient(g));
    CGradient back;
    back.SetRange(255);
    CPaletteFile::ToGradient(entries, back);
    EXPECT_EQ(back.MakeEntries(256), g.MakeEntries(256));
    ASSERT_EQ(back.GetPegCount(), 5);
    for (int i = 1; i < back.GetPegCount(); ++i)
        EXPECT_LE(back.GetPeg(i - 1).position, back.GetPeg(i).position);
}

TEST(PaletteFile, WhatIsReadAndWhatIsRefused)
{
    struct Case {
        const char* name;
        QStringList lines;
        bool accepted;
        QList<int> positions;
    };
    const Case cases[] = {
        {"two entries", Lines({"#x", "100 255", "101 10", "@", "100 0", "101 -2", "@", "#@filetype=2"}), true, {10, -2}},
        {"no position lines give pegs at 0", Lines({"100 255", "@", "100 65280", "@"}), true, {0, 0}},
        {"unknown codes and blank lines pass", Lines({"102 whatever", "", "100 1", "101 -3", "@", "100 2", "@"}),
         true, {-3, 0}},
        {"one entry", Lines({"100 255", "101 10", "@"}), false, {}},
        {"no entries at all", Lines({"# nothing", "#@filetype=2"}), false, {}},
        {"another kind of definition file", Lines({"100 1", "@", "100 2", "@", "#@filetype=1"}), false, {}},
        {"a PAL file", Lines({"255 255 255", "0 0 63"}), false, {}},
        {"a macro file", Lines({"#", "100 Hello", "101 <CALL>", "-@-", "#@filetype=1"}), false, {}},
        {"a colour that is no number", Lines({"100 white", "@", "100 2", "@"}), false, {}},
        {"a position off the strip", Lines({"100 1", "101 300", "@", "100 2", "@"}), false, {}},
        {"an entry cut off at the end", Lines({"100 1", "@", "100 2", "@", "100 3"}), false, {}},
        {"a line that is not a field", Lines({"100 1", "@", "hello", "100 2", "@"}), false, {}},
    };
    for (const Case& c : cases) {
        CPaletteFile::Entries entries;
        EXPECT_EQ(CPaletteFile::ParseDefinition(c.lines, entries), c.accepted) << c.name;
        EXPECT_EQ(entries.positions, c.positions) << c.name;
        if (!c.accepted)
            EXPECT_EQ(entries.size(), 0) << c.name;
    }
}

TEST(PaletteFile, ArraysLoadIntoAGradientOverTheDefaultEnds)
{
    CGradient g;
    g.SetRange(255);
    g.AddPeg(RGB(5, 5, 5), 30);
    CPaletteFile::Entries entries;
    entries.colours = {RGB(1, 1, 1), RGB(2, 2, 2)};
    entries.positions = {40, 20};
    CPaletteFile::ToGradient(entries, g);
    ASSERT_EQ(g.GetPegCount(), 2);
    EXPECT_EQ(g.GetPeg(0).position, 20);
    EXPECT_EQ(g.GetStartColour(), RGB(255, 255, 255));
    EXPECT_EQ(g.GetEndColour(), RGB(0, 0, 63));
}
