#include "shared/StringEx.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct SplitCase {
    const char* text;
    char separator;
    QStringList expected;
};

TEST(StringEx, SplitFieldsTable)
{
    const SplitCase cases[] = {
        {"", ';', {}},
        {"whole", ';', {"whole"}},
        {"a;;b", ';', {"a", "", "b"}},
        {";a;", ';', {"", "a", ""}},
        {"1,2,3", ',', {"1", "2", "3"}},
        {"a;b", ',', {"a;b"}},
    };
    for (const SplitCase& c : cases) {
        QStringList target{"stale", "entries"};
        CStringEx(QString::fromLatin1(c.text)).Split(c.separator, target);
        EXPECT_EQ(target, c.expected) << c.text;
    }
}

TEST(StringEx, FormatThousandsTable)
{
    struct Case {
        uint32_t value;
        const char* expected;
    };
    const Case cases[] = {
        {0, "0"},
        {999, "999"},
        {1000, "1,000"},
        {12345, "12,345"},
        {1000000, "1,000,000"},
        {uint32_t(int32_t(-1)), "4,294,967,295"},
    };
    for (const Case& c : cases) {
        CStringEx s;
        s.FormatThousands(c.value, QString());
        EXPECT_EQ(s, QString::fromLatin1(c.expected)) << c.value;
    }
}

TEST(StringEx, FormatThousandsSuffixAndSeparator)
{
    CStringEx s;
    s.FormatThousands(7030000, QStringLiteral(" Hz"));
    EXPECT_EQ(s, QStringLiteral("7,030,000 Hz"));
    // Below four digits the number stands alone.
    s.FormatThousands(145, QStringLiteral(" Hz"));
    EXPECT_EQ(s, QStringLiteral("145"));
    s.FormatThousands(1234567, 0x100 + '.', QString());
    EXPECT_EQ(s, QStringLiteral("1.234.567"));
}

TEST(StringEx, DuplicateAndSpaceOut)
{
    CStringEx s(QStringLiteral("FT-817"));
    auto copy = s.Duplicate();
    EXPECT_STREQ(copy.get(), "FT-817");
    EXPECT_STREQ(CStringEx().Duplicate().get(), "");

    const std::pair<const char*, const char*> spaced[] = {{"abc", "a b c"}, {"", ""}, {"x", "x"}, {"ab", "a b"}};
    for (const auto& [in, out] : spaced) {
        CStringEx t(QString::fromLatin1(in));
        t.SpaceOut();
        EXPECT_EQ(t, QString::fromLatin1(out)) << in;
    }
}

TEST(StringEx, ReplaceTable)
{
    struct Case {
        const char* text;
        const char* find;
        const char* replacement;
        bool caseSensitive;
        bool replaced;
        const char* expected;
    };
    const Case cases[] = {
        {"Band band BAND", "band", "x", true, true, "Band x BAND"},
        {"Band band BAND", "band", "x", false, true, "x x x"},
        {"Keep the Case", "THE", "a", false, true, "Keep a Case"},
        {"nothing here", "zzz", "y", false, false, "nothing here"},
        {"nothing here", "zzz", "y", true, false, "nothing here"},
        // The replacement contains the search text: the search goes on after it.
        {"aXa", "a", "AA", false, true, "AAXAA"},
        {"abab", "AB", "ab-AB", false, true, "ab-ABab-AB"},
        {"text", "", "y", false, false, "text"},
    };
    for (const Case& c : cases) {
        CStringEx s(QString::fromLatin1(c.text));
        EXPECT_EQ(s.Replace(QString::fromLatin1(c.find), QString::fromLatin1(c.replacement), c.caseSensitive),
                  c.replaced)
            << c.text << " / " << c.find;
        EXPECT_EQ(s, QString::fromLatin1(c.expected)) << c.text << " / " << c.find;
    }
}

TEST(StringArrayEx, MembershipAndFind)
{
    CStringArrayEx a(QStringList{"abc", "Def"});
    EXPECT_TRUE(a.Contains("abc"));
    EXPECT_FALSE(a.Contains("ABC"));
    EXPECT_TRUE(a.ContainsNoCase("ABC"));
    EXPECT_EQ(a.Find("ABC", false), 0);
    EXPECT_EQ(a.Find("ABC", true), -1);
    EXPECT_EQ(a.Find("def", false), 1);
    EXPECT_EQ(a.Find("zzz", false), -1);
}

TEST(StringArrayEx, RemoveJoinEqual)
{
    CStringArrayEx a(QStringList{"x", "y", "x"});
    a.Remove("x");
    EXPECT_EQ(a, (QStringList{"y", "x"}));
    a.Remove("none");
    EXPECT_EQ(a.size(), 2);

    EXPECT_EQ(CStringArrayEx(QStringList{"a", "b", "c"}).Join(", "), QStringLiteral("a, b, c"));
    EXPECT_EQ(CStringArrayEx().Join(", "), QString());

    CStringArrayEx b(QStringList{"a", "b"});
    EXPECT_TRUE(b.IsEqual(QStringList{"a", "b"}));
    EXPECT_FALSE(b.IsEqual(QStringList{"a", "B"}));
    EXPECT_FALSE(b.IsEqual(QStringList{"b", "a"}));
    EXPECT_FALSE(b.IsEqual(QStringList{"a"}));
}

TEST(StringArrayEx, SortReverseDuplicates)
{
    CStringArrayEx one(QStringList{"only"});
    one.Sort(true);
    EXPECT_EQ(one, QStringList{"only"});

    CStringArrayEx a(QStringList{"b", "C", "a"});
    a.Sort(true);
    EXPECT_EQ(a, (QStringList{"C", "a", "b"}));
    a.Sort(false);
    EXPECT_EQ(a, (QStringList{"a", "b", "C"}));
    a.Reverse();
    EXPECT_EQ(a, (QStringList{"C", "b", "a"}));

    CStringArrayEx d(QStringList{"x", "y", "x", "X", "y"});
    d.RemoveDuplicates();
    EXPECT_EQ(d, (QStringList{"x", "y", "X"}));
}

TEST(StringArrayEx, AppendFormattedHasNoLengthLimit)
{
    QStringList lines;
    AppendFormatted(lines, "%03u %s", 7u, "Bands");
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines.at(0), QStringLiteral("007 Bands"));

    // Longer than the old 64 KB line: kept whole.
    const std::string big(70000, 'z');
    AppendFormatted(lines, "<%s>", big.c_str());
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines.at(1).size(), 70002);
    EXPECT_TRUE(lines.at(1).endsWith(QStringLiteral("z>")));
}

} // namespace
