// The tagged-line record form: value lines, numbers, the exact bytes of a
// stream and the reader's view of each line.
#include "shared/TaggedLines.h"

#include <QBuffer>
#include <gtest/gtest.h>

TEST(TaggedLines, ValueLinesKeepOneRecordPerLine)
{
    EXPECT_EQ(TaggedLines::ValueLine(5, "x"), "005 x");
    EXPECT_EQ(TaggedLines::ValueLine(115, "14070000"), "115 14070000");
    EXPECT_EQ(TaggedLines::ValueLine(116, ""), "116 ");
    EXPECT_EQ(TaggedLines::ValueLine(1234, "wide"), "1234 wide") << "%03u is a minimum width";
    // A title typed with a line break must not split the record.
    EXPECT_EQ(TaggedLines::ValueLine(118, "two\r\nlines\n"), "118 two  lines ");

    CTaggedLineWriter writer;
    writer.BeginRecord();
    writer.AddFlag(100, true);
    writer.AddNumber(115, 4294967295u);
    writer.AddText(116, "  DX  ");
    writer.EndRecord();
    EXPECT_EQ(writer.Lines(), QStringList({"#", "100 1", "115 4294967295", "116   DX  ", "-@-"}));

    CTaggedLineWriter other(QStringLiteral("-#-"));
    other.EndRecord();
    EXPECT_EQ(other.TakeLines(), QStringList({"-#-"}));
    EXPECT_TRUE(other.Lines().isEmpty());
}

TEST(TaggedLines, NumbersReadLikeTheCLibrary)
{
    const struct {
        const char* text;
        uint32_t value;
    } cases[] = {
        {"0", 0},
        {"14070000", 14070000},
        {"  42", 42},
        {"+7", 7},
        {"12abc", 12},
        {"abc", 0},
        {"", 0},
        {"-1", 0xFFFFFFFFu},
        {"4294967295", 0xFFFFFFFFu},
        {"99999999999", 0xFFFFFFFFu},
        {"1 2", 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TaggedLines::ParseNumber(QString::fromLatin1(c.text)), c.value) << c.text;
}

TEST(TaggedLines, BytesAreLatin1WithCrLfBetweenLines)
{
    const QStringList lines = {"#", QString::fromLatin1("116 Caf\xe9"), "-@-"};
    const QByteArray bytes = TaggedLines::ToBytes(lines);
    EXPECT_EQ(bytes, QByteArray("#\r\n116 Caf\xe9\r\n-@-"));
    EXPECT_EQ(TaggedLines::FromBytes(bytes), lines);
    EXPECT_TRUE(TaggedLines::ToBytes({}).isEmpty());
    EXPECT_TRUE(TaggedLines::FromBytes({}).isEmpty());

    // Every line end the files meet: CR LF, LF, a lone CR; empty lines stay.
    EXPECT_EQ(TaggedLines::FromBytes("a\r\nb\nc\rd"), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(TaggedLines::FromBytes("a\r\n\r\nb\r\n"), QStringList({"a", "", "b"}));
    EXPECT_EQ(TaggedLines::FromBytes("\n\r"), QStringList({"", ""}));

    // Every byte value survives a round trip.
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        if (b != '\r' && b != '\n')
            all += char(b);
    EXPECT_EQ(TaggedLines::ToBytes(TaggedLines::FromBytes(all)), all);
}

TEST(TaggedLines, StreamsCarryTheSameBytes)
{
    QBuffer buffer;
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly));
    ASSERT_TRUE(TaggedLines::Write(buffer, {"#", "001 a", "-@-"}));
    buffer.close();
    EXPECT_EQ(buffer.data(), QByteArray("#\r\n001 a\r\n-@-"));

    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    QStringList lines = {"stale"};
    ASSERT_TRUE(TaggedLines::Read(buffer, lines));
    EXPECT_EQ(lines, QStringList({"#", "001 a", "-@-"}));
    buffer.close();

    QBuffer closed;
    EXPECT_FALSE(TaggedLines::Read(closed, lines));
    EXPECT_TRUE(lines.isEmpty());
}

TEST(TaggedLines, ReaderClassifiesEachLine)
{
    const QStringList lines = {"#", "##########", "100 1", "116 A B ", "-@-", "12 x", "abc 5", "", "117", "-@- "};
    CTaggedLineReader reader(lines);
    QList<CTaggedLineReader::Kind> kinds;
    QList<unsigned> codes;
    QStringList values;
    CTaggedLineReader::Line line;
    while (reader.Next(line)) {
        kinds << line.kind;
        codes << line.nCode;
        values << line.strValue;
    }
    using R = CTaggedLineReader;
    EXPECT_EQ(kinds, QList<R::Kind>({R::KIND_COMMENT, R::KIND_COMMENT, R::KIND_VALUE, R::KIND_VALUE, R::KIND_END,
                                     R::KIND_OTHER, R::KIND_OTHER, R::KIND_OTHER, R::KIND_VALUE, R::KIND_OTHER}));
    EXPECT_EQ(codes[2], 100u);
    EXPECT_EQ(values[3], "A B ") << "the value is the text from the fifth character on, unchanged";
    EXPECT_EQ(codes[8], 117u);
    EXPECT_EQ(values[8], "") << "a bare code has an empty value";
    EXPECT_EQ(reader.GetLineNumber(), lines.size());

    const auto custom = CTaggedLineReader::Classify("*END*", "*END*");
    EXPECT_EQ(custom.kind, R::KIND_END);
    const auto flag = CTaggedLineReader::Classify("104 7", "-@-");
    EXPECT_TRUE(flag.Flag());
    EXPECT_EQ(flag.Number(), 7u);
}
