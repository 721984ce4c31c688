#include "shared/Registry.h"

#include "platform/SettingsStore.h"

#include <gtest/gtest.h>

using platform::SettingsStore;

namespace {
QVariant stored(const QString& name)
{
    return SettingsStore::value(QStringLiteral("Options"), name);
}
} // namespace

TEST(Registry, IntegersBooleansAndStrings)
{
    CRegistry reg;
    EXPECT_EQ(reg.GetInt(QStringLiteral("Missing"), 42), 42);
    reg.WriteInt(QStringLiteral("Startup speed"), 38400);
    EXPECT_EQ(reg.GetInt(QStringLiteral("Startup speed"), 0), 38400);
    reg.WriteInt(QStringLiteral("Negative"), -7);
    EXPECT_EQ(GetRegistry().GetInt(QStringLiteral("Negative"), 0), -7);

    // Only a stored 1 is TRUE.
    for (int n : {5, 2, -1, 0}) {
        reg.WriteBool(QStringLiteral("Flag"), n);
        EXPECT_EQ(reg.GetInt(QStringLiteral("Flag"), 99), n);
        EXPECT_FALSE(reg.GetBool(QStringLiteral("Flag"), true)) << n;
    }
    reg.WriteBool(QStringLiteral("Flag"), 1);
    EXPECT_TRUE(reg.GetBool(QStringLiteral("Flag"), false));
    EXPECT_TRUE(reg.GetBool(QStringLiteral("No flag"), true));
    EXPECT_FALSE(reg.GetBool(QStringLiteral("No flag"), false));

    EXPECT_EQ(reg.GetString(QStringLiteral("Text"), QStringLiteral("dflt")), QStringLiteral("dflt"));
    reg.WriteString(QStringLiteral("Text"), QStringLiteral("COM1 caf\u00e9"));
    EXPECT_EQ(reg.GetString(QStringLiteral("Text"), QString()), QStringLiteral("COM1 caf\u00e9"));
    reg.WriteString(QStringLiteral("Empty"), QString());
    EXPECT_EQ(reg.GetString(QStringLiteral("Empty"), QStringLiteral("x")), QString());
    // A non-numeric value read as an integer gives the default.
    EXPECT_EQ(reg.GetInt(QStringLiteral("Text"), 3), 3);
}

TEST(Registry, DialogValueNames)
{
    EXPECT_EQ(CRegistry::DialogValueName(203, 1330), QStringLiteral("Dialog 203 Control 1330"));
    CRegistry reg;
    reg.WriteDialogInt(203, 1330, 17);
    reg.WriteDialogString(129, 1001, QStringLiteral("hello"));
    EXPECT_EQ(stored(QStringLiteral("Dialog 203 Control 1330")).toInt(), 17);
    EXPECT_EQ(reg.GetDialogInt(203, 1330, 0), 17);
    EXPECT_EQ(reg.GetDialogInt(203, 1331, -1), -1);
    EXPECT_EQ(reg.GetDialogString(129, 1001), QStringLiteral("hello"));
    EXPECT_EQ(reg.GetDialogString(129, 1002, QStringLiteral("d")), QStringLiteral("d"));
}

TEST(Registry, IntegerListsAndRectangles)
{
    CRegistry reg;
    reg.WriteIntArray(QStringLiteral("List"), {10, 20, uint32_t(-3)});
    EXPECT_EQ(stored(QStringLiteral("List")).toString(), QStringLiteral("10,20,-3"));
    QList<uint32_t> values{99};
    reg.GetIntArray(QStringLiteral("List"), values);
    EXPECT_EQ(values, (QList<uint32_t>{10, 20, uint32_t(-3)}));

    reg.WriteIntArray(QStringLiteral("Empty"), {});
    EXPECT_TRUE(SettingsStore::contains(QStringLiteral("Options"), QStringLiteral("Empty")));
    EXPECT_EQ(stored(QStringLiteral("Empty")).toString(), QString());
    reg.GetIntArray(QStringLiteral("Empty"), values);
    EXPECT_TRUE(values.isEmpty());

    // Pieces convert like atol: non-numbers give 0, trailing text is ignored.
    reg.WriteString(QStringLiteral("Odd"), QStringLiteral("7,x, 12abc,,-4"));
    reg.GetIntArray(QStringLiteral("Odd"), values);
    EXPECT_EQ(values, (QList<uint32_t>{7, 0, 12, 0, uint32_t(-4)}));

    RECT r{10, 20, 110, 220};
    reg.WriteRect(QStringLiteral("Main frame"), r);
    EXPECT_EQ(stored(QStringLiteral("Main frame rect")).toString(), QStringLiteral("20,220,10,110"));
    const RECT dflt{1, 2, 3, 4};
    EXPECT_EQ(reg.GetRect(QStringLiteral("Main frame"), dflt), r);
    EXPECT_EQ(reg.GetRect(QStringLiteral("Other"), dflt), dflt);
    reg.WriteString(QStringLiteral("Three rect"), QStringLiteral("1,2,3"));
    EXPECT_EQ(reg.GetRect(QStringLiteral("Three"), dflt), dflt);
    reg.WriteString(QStringLiteral("Five rect"), QStringLiteral("1,2,3,4,5"));
    EXPECT_EQ(reg.GetRect(QStringLiteral("Five"), dflt), dflt);
}

TEST(Registry, StringListsAreZeroSeparatedBinary)
{
    CRegistry reg;
    reg.WriteStringArray(QStringLiteral("Names"), {QStringLiteral("ab"), QString()});
    EXPECT_EQ(stored(QStringLiteral("NamesA")).toByteArray(), QByteArray("ab\0\0", 4));
    QStringList out{QStringLiteral("stale")};
    reg.GetStringArray(QStringLiteral("Names"), out);
    EXPECT_EQ(out, (QStringList{QStringLiteral("ab"), QString()}));

    reg.WriteStringArray(QStringLiteral("None"), {});
    EXPECT_EQ(stored(QStringLiteral("NoneA")).toByteArray(), QByteArray());
    reg.GetStringArray(QStringLiteral("None"), out);
    EXPECT_TRUE(out.isEmpty());

    // A damaged value whose last string lacks its zero byte ends at the value's end.
    SettingsStore::setValue(QStringLiteral("Options"), QStringLiteral("BadA"), QByteArray("one\0tw", 6));
    reg.GetStringArray(QStringLiteral("Bad"), out);
    EXPECT_EQ(out, (QStringList{QStringLiteral("one"), QStringLiteral("tw")}));

    // Latin-1 bytes round-trip.
    reg.WriteStringArray(QStringLiteral("Latin"), {QStringLiteral("\u00b0C\u00e9")});
    EXPECT_EQ(stored(QStringLiteral("LatinA")).toByteArray(), QByteArray("\xb0" "C\xe9\0", 4));
    reg.GetStringArray(QStringLiteral("Latin"), out);
    EXPECT_EQ(out, QStringList{QStringLiteral("\u00b0C\u00e9")});
}

TEST(Registry, FloatsAsFixedText)
{
    CRegistry reg;
    EXPECT_FLOAT_EQ(reg.GetFloat(QStringLiteral("F"), 2.5f), 2.5f);
    reg.WriteFloat(QStringLiteral("F"), 1.25f);
    EXPECT_EQ(stored(QStringLiteral("F")).toString(), QStringLiteral("1.250000"));
    EXPECT_FLOAT_EQ(reg.GetFloat(QStringLiteral("F"), 0), 1.25f);
    reg.WriteString(QStringLiteral("F"), QString());
    EXPECT_FLOAT_EQ(reg.GetFloat(QStringLiteral("F"), 3.0f), 3.0f);
    reg.WriteString(QStringLiteral("F"), QStringLiteral("abc"));
    EXPECT_FLOAT_EQ(reg.GetFloat(QStringLiteral("F"), 3.0f), 0.0f);
    reg.WriteString(QStringLiteral("F"), QStringLiteral(" -0.5x"));
    EXPECT_FLOAT_EQ(reg.GetFloat(QStringLiteral("F"), 3.0f), -0.5f);
}

TEST(Registry, DeleteAllValuesEmptiesOnlyTheOptionsSection)
{
    CRegistry reg;
    reg.WriteInt(QStringLiteral("A"), 1);
    reg.WriteString(QStringLiteral("B/with slash"), QStringLiteral("x"));
    reg.WriteStringArray(QStringLiteral("C"), {QStringLiteral("y")});
    SettingsStore::setValue(QStringLiteral("Other"), QStringLiteral("Keep"), 5);
    reg.DeleteAllValues();
    EXPECT_TRUE(SettingsStore::valueNames(QStringLiteral("Options")).isEmpty());
    EXPECT_EQ(SettingsStore::value(QStringLiteral("Other"), QStringLiteral("Keep")).toInt(), 5);
    reg.DeleteAllValues();  // nothing left: no harm
}
