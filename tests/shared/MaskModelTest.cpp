#include "shared/edit/MaskModel.h"

#include <gtest/gtest.h>

namespace {

MaskModel model(const QString& mask, QChar prompt = QLatin1Char('_'))
{
    MaskModel m;
    m.SetSeparators(QLatin1Char('.'), QLatin1Char(','), QLatin1Char(':'), QLatin1Char('/'));
    m.SetPromptChar(prompt);
    m.SetMask(mask);
    return m;
}

const QString kFreqMask = QStringLiteral("###\\.###\\.## MHz");

TEST(MaskModel, ParsesPositionsAndGivesTheMaskBack)
{
    struct Case {
        const char* mask;
        const char* shown;
        std::vector<int> types;
    } cases[] = {
        {"\\##", "#_", {CMaskData::Escaped, CMaskData::Digit}},
        {"#A?><&X", "_______", {4, 5, 6, 7, 8, 9, 10}},
        {".,:/", ".,:/", {0, 1, 2, 3}},
        {"ab", "ab", {12, 12}},
        // A backslash at the very end has nothing to escape: it stands for itself.
        {"##\\", "__\\", {4, 4, 12}},
        {"\\", "\\", {12}},
        {"", "", {}},
    };
    for (const Case& c : cases) {
        const MaskModel m = model(QString::fromLatin1(c.mask));
        EXPECT_EQ(m.GetFormattedText(), QString::fromLatin1(c.shown)) << c.mask;
        EXPECT_EQ(m.GetMask(), QString::fromLatin1(c.mask)) << c.mask;
        ASSERT_EQ(m.Count(), int(c.types.size())) << c.mask;
        for (int i = 0; i < m.Count(); ++i)
            EXPECT_EQ(m.At(i).m_nType, c.types[size_t(i)]) << c.mask << " position " << i;
    }
}

TEST(MaskModel, SeparatorPositionsShowTheSeparatorsGiven)
{
    MaskModel m = model(QStringLiteral("##.##,#:#/#"));
    m.SetSeparators(QLatin1Char(','), QLatin1Char('\''), QLatin1Char('h'), QLatin1Char('-'));
    EXPECT_EQ(m.GetFormattedText(), QStringLiteral("__,__'_h_-_"));
    // Separators are literal text for editing.
    EXPECT_FALSE(m.IsInputPosition(2));
    EXPECT_EQ(m.GetMask(), QStringLiteral("##.##,#:#/#"));
}

TEST(MaskModel, PromptZeroShowsTheFrequencyMaskAsZeros)
{
    EXPECT_EQ(model(kFreqMask, QLatin1Char('0')).GetFormattedText(), QStringLiteral("000.000.00 MHz"));
}

TEST(MaskModel, SetInputTextFillsInputPlaces)
{
    struct Case {
        const char* mask;
        const char* before; // input text first set raw
        const char* text;
        int start;
        bool raw;
        const char* shown;
        bool ok;
    } cases[] = {
        {"###\\.###\\.##", "", "01425000", 0, true, "014.250.00", true},
        {"###\\.###\\.##", "", "123", 0, true, "123.___.__", true},
        {"###\\.###\\.##", "", "1234567899", 0, true, "123.456.78", true},
        // A character that fits no place is skipped and reported.
        {"###\\.###\\.##", "", "1a2", 0, true, "12_.___.__", false},
        {"###\\.###\\.##", "", "14.25", 0, true, "142.5__.__", false},
        // Raw keeps prompt characters as place holders; not raw drops them.
        {"####", "", "1_2", 0, true, "1_2_", true},
        {"####", "", "1_2", 0, false, "12__", true},
        // Starting at an input index keeps the places before it.
        {"####", "9876", "12", 2, true, "9812", true},
        {">>", "", "ab", 0, true, "AB", true},
        {"<<", "", "AB", 0, true, "ab", true},
        {"XX", "", "fG0", 0, true, "f0", false},
        // Letters and digits only where the mask says so.
        {"?A#", "", "a1b2", 0, true, "a12", false},
        // The source ran out while skipping: the place keeps its character.
        {"##", "45", "x", 0, true, "4_", false},
    };
    for (const Case& c : cases) {
        MaskModel m = model(QString::fromLatin1(c.mask));
        m.SetInputText(QString::fromLatin1(c.before), 0, true);
        EXPECT_EQ(m.SetInputText(QString::fromLatin1(c.text), c.start, c.raw), c.ok) << c.mask << " " << c.text;
        EXPECT_EQ(m.GetFormattedText(), QString::fromLatin1(c.shown)) << c.mask << " " << c.text;
    }
}

TEST(MaskModel, LiteralRunsAreCutFromTextsGivenFromOutside)
{
    const MaskModel m = model(kFreqMask);
    EXPECT_EQ(m.StripLiterals(QStringLiteral("123.456.78 MHz")), QStringLiteral("12345678 MHz"));
    // A literal that does not stand where the mask has it stays in the text.
    EXPECT_EQ(m.StripLiterals(QStringLiteral("14.25")), QStringLiteral("14.25"));
    EXPECT_EQ(model(QStringLiteral("(###) ###")).StripLiterals(QStringLiteral("(012) 345")), QStringLiteral("012345"));
}

TEST(MaskModel, PromptCharacterChanges)
{
    MaskModel m = model(QStringLiteral("###"));
    m.SetInputText(QStringLiteral("1"), 0, true);
    EXPECT_TRUE(m.SetPromptChar(QLatin1Char('*')));
    EXPECT_EQ(m.GetFormattedText(), QStringLiteral("1**"));
    for (ushort refused : {0, 10, 13, 127}) {
        EXPECT_FALSE(m.SetPromptChar(QChar(refused))) << refused;
        EXPECT_EQ(m.GetPromptChar(), QLatin1Char('*'));
    }
    EXPECT_FALSE(m.IsInputEmpty());
    m.ClearInput();
    EXPECT_TRUE(m.IsInputEmpty());
    EXPECT_EQ(m.GetInputText(), QStringLiteral("***"));
}

TEST(MaskModel, CaretRules)
{
    const MaskModel m = model(QStringLiteral("(##) ##"));
    // positions: ( # # ) blank # #
    struct Case {
        int position, next, previous;
    } cases[] = {
        {-3, 1, 1}, {0, 1, 1}, {1, 1, 1}, {3, 5, 3}, {4, 5, 3}, {6, 6, 6}, {7, 7, 7}, {9, 7, 7},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(m.NextInputPosition(c.position), c.next) << c.position;
        EXPECT_EQ(m.PreviousInputPosition(c.position), c.previous) << c.position;
    }
    EXPECT_EQ(m.InputIndexFromPosition(5), 2);
    EXPECT_EQ(m.InputIndexFromPosition(3), -1);
    EXPECT_EQ(m.InputIndexFromPosition(40), -1);
    EXPECT_EQ(m.PositionFromInputIndex(3), 6);
    EXPECT_EQ(m.PositionFromInputIndex(4), -1);
}

TEST(MaskModel, InsertShiftsRightAndUndoesWhatDoesNotFit)
{
    MaskModel m = model(kFreqMask);
    m.SetInputText(QStringLiteral("12345678"), 0, true);
    EXPECT_EQ(m.InsertChar(QLatin1Char('9'), 0), 0);
    EXPECT_EQ(m.GetFormattedText(), QStringLiteral("912.345.67 MHz"));
    // Inserting on a literal inserts at the next input place.
    EXPECT_EQ(m.InsertChar(QLatin1Char('0'), 3), 4);
    EXPECT_EQ(m.GetFormattedText(), QStringLiteral("912.034.56 MHz"));

    // The shift would push a digit into a letter place: undone.
    MaskModel mixed = model(QStringLiteral("#?"));
    mixed.SetInputText(QStringLiteral("1a"), 0, true);
    EXPECT_EQ(mixed.InsertChar(QLatin1Char('2'), 0), -1);
    EXPECT_EQ(mixed.GetFormattedText(), QStringLiteral("1a"));
}

TEST(MaskModel, DeleteRangeShiftsLeft)
{
    MaskModel m = model(kFreqMask);
    m.SetInputText(QStringLiteral("12345678"), 0, true);
    EXPECT_EQ(m.DeleteRange(2, 5), 2); // '3', the dot and '4'
    EXPECT_EQ(m.GetFormattedText(), QStringLiteral("125.678.__ MHz"));
    EXPECT_EQ(m.DeleteRange(10, 14), 0);
}

} // namespace
