// Locator arithmetic, the tag store's values and fixed tags, the ADIF record,
// and the text work of macros.
#include "brevio/core/Locator.h"
#include "brevio/core/LocatorValidator.h"
#include "brevio/core/MacroExpander.h"
#include "brevio/core/TagStore.h"

#include <QTimeZone>
#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Locator, ValidityOfFormsAndSlashedZero)
{
    for (const char* good : {"JO01", "JO01AA", "AR09XX", "RR99XX"})
        EXPECT_TRUE(IsValidLocator(QString::fromLatin1(good))) << good;
    for (const char* bad : {"jo01aa", "JS01AA", "JO0AAA", "JO01AY", "JO01A", "", "JO01AAA"})
        EXPECT_FALSE(IsValidLocator(QString::fromLatin1(bad))) << bad;
    EXPECT_TRUE(IsValidLocator(QStringLiteral("JO") + QChar(0xD8) + QStringLiteral("1AA")));
}

// The one rule of every locator field: empty, or a locator in any case with
// blanks around it, kept in upper case without them; nothing else.
TEST(Locator, WhatALocatorFieldTakesAndKeeps)
{
    const struct {
        const char* entered;
        bool taken;
        const char* kept;
    } cases[] = {
        {"", true, ""},           {"  ", true, ""},         {" jo01aa ", true, "JO01AA"}, {"Jn18Du", true, "JN18DU"},
        {"io91", true, "IO91"},   {"ZZ12", false, "ZZ12"},  {"HELLO", false, "HELLO"},    {"JO01A", false, "JO01A"},
        {"XX99zz", false, "XX99zz"}, {"JO01AY", false, "JO01AY"},
    };
    for (const auto& c : cases) {
        QString text = QString::fromLatin1(c.entered);
        EXPECT_EQ(TakeLocatorEntry(text), c.taken) << c.entered;
        EXPECT_EQ(text, QString::fromLatin1(c.kept)) << c.entered;
    }
    EXPECT_TRUE(LocatorRefusal(QStringLiteral(" ZZ12")).startsWith(QStringLiteral("\"ZZ12\" is not a locator: ")));
}

TEST(Locator, FieldsTakeOnlyWhatCanBecomeALocator)
{
    struct Case {
        const char* typed;
        QValidator::State state;
        const char* shown;
    };
    const Case cases[] = {
        {"", QValidator::Acceptable, ""},         {"j", QValidator::Intermediate, "J"},
        {"jo0", QValidator::Intermediate, "JO0"}, {"jo01", QValidator::Acceptable, "JO01"},
        {"jo01a", QValidator::Intermediate, "JO01A"}, {"jo01aa", QValidator::Acceptable, "JO01AA"},
        {"z", QValidator::Invalid, "Z"},          {"ZZ99ZZ", QValidator::Invalid, "ZZ99ZZ"},
        {"JOA", QValidator::Invalid, "JOA"},      {"JO01AY", QValidator::Invalid, "JO01AY"},
        {"JO01AAB", QValidator::Invalid, "JO01AAB"},
    };
    CLocatorValidator validator;
    for (const Case& c : cases) {
        QString text = QString::fromLatin1(c.typed);
        int pos = int(text.size());
        EXPECT_EQ(validator.validate(text, pos), c.state) << c.typed;
        EXPECT_EQ(text, QString::fromLatin1(c.shown)) << c.typed;
    }
    QString slashed = QStringLiteral("JO") + QChar(0xD8) + QStringLiteral("1AA");
    int pos = 0;
    EXPECT_EQ(validator.validate(slashed, pos), QValidator::Acceptable);
}

TEST(TagStore, LocatorTagsTakeOnlyLocators)
{
    CTagStore store;
    store.SetDefaults();
    for (const char* title : {"Locator", "My Locator"}) {
        const QString t = QString::fromLatin1(title);
        EXPECT_TRUE(store.SetValue(t, QStringLiteral(" jo01aa "), -1)) << title;
        EXPECT_EQ(store.GetValue(t, -1), QStringLiteral("JO01AA")) << title;
        EXPECT_FALSE(store.SetValue(t, QStringLiteral("ZZ99zz"), -1)) << title;
        EXPECT_FALSE(store.SetValue(t, QStringLiteral("QT9XVK"), -1)) << title;
        EXPECT_EQ(store.GetValue(t, -1), QStringLiteral("JO01AA")) << title;
    }
    // Other tags take any text; refused values are named by their place.
    EXPECT_TRUE(store.SetValue(QStringLiteral("Name"), QStringLiteral("ZZ99zz"), -1));
    const QList<int> refused = store.SetValues({QStringLiteral("Name"), QStringLiteral("Locator")},
                                               {QStringLiteral("Ann"), QStringLiteral("ZZ99ZZ")}, -1);
    EXPECT_EQ(refused, QList<int>{1});
    EXPECT_EQ(store.GetValue(QStringLiteral("Name"), -1), QStringLiteral("Ann"));
    // So the logbook gets no false square.
    const QString adif = store.WriteAdif(-1, QDateTime(QDate(2004, 3, 1), QTime(9, 15), QTimeZone::utc()), false);
    EXPECT_TRUE(adif.contains(QStringLiteral("<gridsquare:6>JO01AA"))) << adif.toStdString();
    EXPECT_TRUE(store.SetValue(QStringLiteral("Locator"), QString(), -1));
    EXPECT_EQ(store.GetValue(QStringLiteral("Locator"), -1), QString());
    EXPECT_TRUE(LocatorRefusal(QStringLiteral(" ZZ99zz")).startsWith(QStringLiteral("\"ZZ99zz\" is not a locator")));
}

TEST(Locator, CentreOfSubSquareAndFourCharacterForm)
{
    double lon = 0, lat = 0;
    LocatorToLatLong(QStringLiteral("JO01AA"), lon, lat);
    EXPECT_NEAR(lon, -0.041667, 1e-6);
    EXPECT_NEAR(lat, 51.020833, 1e-6);
    LocatorToLatLong(QStringLiteral("JO01"), lon, lat);
    EXPECT_NEAR(lon, -0.958333, 1e-6);
    EXPECT_NEAR(lat, 51.520833, 1e-6);
    double lon2 = 0, lat2 = 0;
    LocatorToLatLong(QStringLiteral("JO") + QChar(0xD8) + QStringLiteral("1AA"), lon2, lat2);
    LocatorToLatLong(QStringLiteral("JO01AA"), lon, lat);
    EXPECT_DOUBLE_EQ(lon, lon2);
    EXPECT_DOUBLE_EQ(lat, lat2);
}

TEST(Locator, DistanceAndHeading)
{
    double lon1, lat1, lon2, lat2, heading, km, miles;
    LocatorToLatLong(QStringLiteral("JO01AA"), lon1, lat1);
    LocatorToLatLong(QStringLiteral("IO91WM"), lon2, lat2);
    GetDistanceAndBearing(lon1, lat1, lon2, lat2, heading, km, miles);
    EXPECT_NEAR(km, 56.86, 0.01);
    EXPECT_NEAR(miles, 35.34, 0.01);
    EXPECT_NEAR(heading, 348.3, 0.1);
    // One and the same place is no distance, not a failure of the arithmetic.
    GetDistanceAndBearing(lon1, lat1, lon1, lat1, heading, km, miles);
    EXPECT_NEAR(km, 0, 1e-3);
    EXPECT_NEAR(miles, 0, 1e-3);
    EXPECT_TRUE(std::isfinite(heading)) << heading;
}

TEST(TagStore, ValueRuleAndDefaults)
{
    CTagStore tags;
    tags.SetDefaults();
    ASSERT_EQ(tags.GetCount(), 18);
    EXPECT_EQ(tags.GetAt(0)->GetTitle(), QStringLiteral("Callsign"));
    EXPECT_EQ(tags.GetAt(9)->GetTitle(), QStringLiteral("My Callsign"));
    tags.SetValue(QStringLiteral("Name"), QStringLiteral("Ann"), 2);
    tags.SetValue(QStringLiteral("My Name"), QStringLiteral("Bob"), 2);
    EXPECT_EQ(tags.GetValue(QStringLiteral("Name"), 2), QStringLiteral("Ann"));
    EXPECT_EQ(tags.GetValue(QStringLiteral("Name"), 1), QString());
    EXPECT_EQ(tags.GetValue(QStringLiteral("Name"), -1), QString());
    EXPECT_EQ(tags.GetValue(QStringLiteral("My Name"), 3), QStringLiteral("Bob"));
    EXPECT_EQ(tags.FindByTitle(QStringLiteral("name")), nullptr);
}

TEST(TagStore, FixedTagsInAnyCase)
{
    CTagStore tags;
    QStringList lines = {QStringLiteral("IMD [imd] and [IMD]"), QStringLiteral("none")};
    EXPECT_EQ(tags.ExpandFixedTags(lines, 1, -26), 2);
    EXPECT_EQ(lines[0], QStringLiteral("IMD < -26dB and < -26dB"));
    for (int value : {0, -999}) {
        QStringList l = {QStringLiteral("[imd]")};
        tags.ExpandFixedTags(l, 0, value);
        EXPECT_EQ(l[0], QStringLiteral("unknown"));
    }
    QStringList l = {QStringLiteral("[Program]")};
    tags.ExpandFixedTags(l, 0, 0);
    EXPECT_TRUE(l[0].contains(QStringLiteral(" v"))) << l[0].toStdString();
    EXPECT_FALSE(l[0].contains(QStringLiteral("[")));
}

TEST(TagStore, AdifRecordExactly)
{
    CTagStore tags;
    tags.SetDefaults();
    tags.SetValue(QStringLiteral("Name"), QStringLiteral("Ann"), -1);
    tags.SetValue(QStringLiteral("QTH"), QStringLiteral("Oak Hill"), -1);
    tags.SetValue(QStringLiteral("Mode"), QStringLiteral("PSK31"), -1);
    tags.SetValue(QStringLiteral("Sent"), QStringLiteral("599"), -1);
    const QDateTime when(QDate(2004, 3, 1), QTime(9, 15, 0), QTimeZone::utc());
    EXPECT_EQ(tags.WriteAdif(0, when, false),
              QStringLiteral("<call:0><name:3>Ann<qth:8>Oak Hill<gridsquare:0><band:0><mode:5>PSK31<rst_sent:3>599"
                             "<rst_rcvd:0><notes:0><qso_date:8:d>20040301<time_on:6>091500<EOR>"));
    tags.SetValue(QStringLiteral("Notes"), QStringLiteral("a<b"), -1);
    tags.SetValue(QStringLiteral("Name"), QStringLiteral(" a > b "), -1);
    const QString record = tags.WriteAdif(0, when, false);
    EXPECT_TRUE(record.contains(QStringLiteral("<notes:5>a&ltb"))) << record.toStdString();
    EXPECT_TRUE(record.contains(QStringLiteral("<name:7>a &gt b"))) << record.toStdString();
    // Per-channel values: the channel's own, the common value of own-station tags.
    tags.SetValue(QStringLiteral("Callsign"), QStringLiteral("QT9XVK"), 3);
    EXPECT_TRUE(tags.WriteAdif(3, when, true).startsWith(QStringLiteral("<call:6>QT9XVK<name:0>")));
    // Field lengths count the file's single bytes.
    tags.SetValue(QStringLiteral("QTH"), QStringLiteral("K") + QChar(0xF6) + QStringLiteral("ln"), -1);
    EXPECT_TRUE(tags.WriteAdif(0, when, false).contains(QStringLiteral("<qth:4>K")));
}

TEST(MacroText, PlaceholdersOnceEachInOrder)
{
    EXPECT_EQ(CMacroExpander::PlaceholderNames({QStringLiteral("<call> de <mycall> <call> k"), QStringLiteral("<>")}),
              (QStringList{QStringLiteral("call"), QStringLiteral("mycall"), QString()}));
    // A "<" without ">" ends that line's scan.
    EXPECT_EQ(CMacroExpander::PlaceholderNames({QStringLiteral("a <b> c <d e"), QStringLiteral("<f>")}),
              (QStringList{QStringLiteral("b"), QStringLiteral("f")}));
}

TEST(MacroText, OwnStationOnlyDecidesPromptAndExpansion)
{
    CTagStore tags;
    tags.SetDefaults();
    const QStringList names = {QStringLiteral("Callsign"), QStringLiteral("My Callsign"), QStringLiteral("Unknown")};
    // Every tag counts without the flag: an empty value asks.
    EXPECT_TRUE(CMacroExpander::NeedsPrompt(names, {QStringLiteral("G0ABC"), QStringLiteral("QT9XVK"), QString()},
                                            false, tags));
    // With the flag only own-station tags count; unknown names count as others.
    EXPECT_FALSE(CMacroExpander::NeedsPrompt(names, {QString(), QStringLiteral("QT9XVK"), QString()}, true, tags));
    EXPECT_TRUE(CMacroExpander::NeedsPrompt(names, {QStringLiteral("G0ABC"), QString(), QString()}, true, tags));

    const QString line = QStringLiteral("<Callsign> <Callsign> de <My Callsign> <Unknown>");
    const QStringList values = {QStringLiteral(" G0ABC "), QStringLiteral("QT9XVK"), QString()};
    EXPECT_EQ(CMacroExpander::ExpandLine(line, names, values, false, false, tags),
              QStringLiteral("G0ABC G0ABC de QT9XVK <Unknown>"));
    EXPECT_EQ(CMacroExpander::ExpandLine(line, names, values, true, false, tags),
              QStringLiteral("<Callsign> <Callsign> de QT9XVK <Unknown>"));
    EXPECT_EQ(CMacroExpander::ExpandLine(line, names, values, true, true, tags),
              QStringLiteral("G0ABC G0ABC de QT9XVK <Unknown>"));
}

} // namespace
