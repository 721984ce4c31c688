// The tag store and its file: what loading gives (built-ins first, default
// own-station tags only when the file has none), exact bytes written, what a
// save keeps and loses, the edit operations, and the locator conversion back
// from a position.
#include "brevio/core/Locator.h"
#include "brevio/core/TagStore.h"

#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <cmath>
#include <gtest/gtest.h>

namespace {

QString PathOf(const char* name)
{
    QDir().mkpath(testsupport::dataFolder());
    return testsupport::dataFolder() + QLatin1Char('/') + QLatin1String(name);
}

void WriteRaw(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList Titles(const CTagStore& store)
{
    QStringList titles;
    for (int i = 0; i < store.GetCount(); ++i)
        titles << store.GetAt(i)->GetTitle();
    return titles;
}

const QStringList kBuiltIn = {"Callsign", "Name", "QTH", "Locator", "Band", "Mode", "Sent", "Rcvd", "Notes"};
const QStringList kOwn = {"My Callsign", "My Locator", "My Name", "My QTH", "My Antenna",
                          "My Rig",      "My Temp",    "My Weather", "My Power"};

TEST(TagStoreFile, CommentOnlyOrMissingFileGivesEighteenTags)
{
    for (bool missing : {false, true}) {
        const QString path = PathOf("tags.txt");
        QFile::remove(path);
        if (!missing) {
            QStringList lines;
            CTagStore().Save(path);
        }
        CTagStore store;
        store.Load(path);
        EXPECT_EQ(Titles(store), kBuiltIn + kOwn) << missing;
        const CTag* call = store.GetAt(0);
        EXPECT_EQ(call->m_strLogField, QStringLiteral("call"));
        EXPECT_TRUE(call->m_bLocked && call->m_bEnabled && !call->m_bOwnStation);
        const CTag* mine = store.GetAt(9);
        EXPECT_TRUE(!mine->m_bLocked && mine->m_bEnabled && mine->m_bOwnStation);
        EXPECT_TRUE(mine->m_strLogField.isEmpty());
    }
}

TEST(TagStoreFile, RecordsAfterTheBuiltInsAndNoDefaultsWhenAnOwnStationTagWasRead)
{
    WriteRaw(PathOf("tags.txt"), "#\r\n100 My Rig \r\n102 1\r\n103 1\r\n104 0\r\n106 FT-817 \r\n-@-\r\n"
                                 "100 Locked\r\n102 0\r\n103 1\r\n104 1\r\n106 \r\n-@-\r\n"
                                 "100 Callsign\r\n102 0\r\n-@-\r\n"
                                 "100 Open\r\n103 1");
    CTagStore store;
    store.Load(PathOf("tags.txt"));
    EXPECT_EQ(Titles(store), kBuiltIn + QStringList({"My Rig ", "Callsign"}));
    const CTag* rig = store.GetAt(9);
    EXPECT_EQ(rig->m_strValue, QStringLiteral("FT-817 "));
    EXPECT_TRUE(rig->m_bOwnStation && rig->m_bEnabled);
    // No "103" line: loaded disabled. The file's Callsign is never found by title.
    EXPECT_EQ(store.GetAt(10)->m_bEnabled, 0);
    EXPECT_EQ(store.FindByTitle(QStringLiteral("Callsign")), store.GetAt(0));
}

TEST(TagStoreFile, RecordWithoutOwnStationTagsStillGetsTheDefaults)
{
    WriteRaw(PathOf("tags.txt"), "100 Rig\r\n102 0\r\n103 1\r\n-@-\r\n");
    CTagStore store;
    store.Load(PathOf("tags.txt"));
    EXPECT_EQ(Titles(store), kBuiltIn + QStringList({"Rig"}) + kOwn);
}

TEST(TagStoreFile, SaveWritesUnlockedTagsExactlyAndKeepsOnlyOwnStationValues)
{
    CTagStore store;
    store.SetDefaults();
    store.Add(QStringLiteral("Power"), QStringLiteral("tx_pwr"), 0, 0, 0);
    store.SetValue(QStringLiteral("Power"), QStringLiteral("5W"), -1);
    store.SetValue(QStringLiteral("Name"), QStringLiteral("Ann"), -1);
    store.SetValue(QStringLiteral("My Name"), QStringLiteral("J") + QChar(0xF6) + QStringLiteral("rg"), -1);
    store.SetValue(QStringLiteral("My Callsign"), QStringLiteral("QT9XVK"), 2);
    const QString path = PathOf("tags.txt");
    store.Save(path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.contains("\r\n#\r\n100 My Callsign\r\n102 1\r\n103 1\r\n104 0\r\n106 QT9XVK\r\n-@-\r\n"));
    EXPECT_TRUE(bytes.contains("\r\n100 My Name\r\n102 1\r\n103 1\r\n104 0\r\n106 J\xF6rg\r\n-@-\r\n"));
    EXPECT_TRUE(bytes.contains("\r\n100 Power\r\n102 0\r\n103 0\r\n104 0\r\n106 \r\n-@-\r\n#\r\n"));
    EXPECT_FALSE(bytes.contains("100 Callsign"));
    EXPECT_FALSE(bytes.contains("tx_pwr"));
    EXPECT_TRUE(bytes.endsWith("\r\n#@filetype=0"));
    EXPECT_TRUE(bytes.contains("#   Contents ..: Tag definitions\r\n"));

    CTagStore back;
    back.Load(path);
    EXPECT_EQ(Titles(back), Titles(store));
    const CTag* power = back.FindByTitle(QStringLiteral("Power"));
    ASSERT_NE(power, nullptr);
    EXPECT_TRUE(power->m_strValue.isEmpty());
    EXPECT_TRUE(power->m_strLogField.isEmpty());
    EXPECT_EQ(power->m_bEnabled, 0);
    EXPECT_EQ(back.GetValue(QStringLiteral("My Name"), 3), QStringLiteral("J") + QChar(0xF6) + QStringLiteral("rg"));
    EXPECT_TRUE(back.GetValue(QStringLiteral("Name"), -1).isEmpty());
}

TEST(TagStoreEdits, DeleteUpdateReorderAndCopy)
{
    CTagStore store;
    store.SetDefaults();
    store.DeleteByTitle(QStringLiteral("Callsign"));
    EXPECT_EQ(store.GetAt(0)->GetTitle(), QStringLiteral("Callsign"));
    store.DeleteByTitle(QStringLiteral("My Rig"));
    EXPECT_EQ(store.FindByTitle(QStringLiteral("My Rig")), nullptr);
    EXPECT_EQ(store.GetCount(), 17);

    store.SetValue(QStringLiteral("My QTH"), QStringLiteral("Leeds"), -1);
    store.Update(QStringLiteral("My QTH"), QStringLiteral("Home"), QStringLiteral("my_city"), 1, 0, 0);
    const CTag* home = store.FindByTitle(QStringLiteral("Home"));
    ASSERT_NE(home, nullptr);
    EXPECT_EQ(home->m_strValue, QStringLiteral("Leeds"));
    EXPECT_EQ(home->m_strLogField, QStringLiteral("my_city"));
    EXPECT_EQ(home->m_bEnabled, 0);
    store.Update(QStringLiteral("nothing"), QStringLiteral("x"), QString(), 0, 0, 0);
    EXPECT_EQ(store.FindByTitle(QStringLiteral("x")), nullptr);

    store.Reorder({QStringLiteral("Home"), QStringLiteral("unknown"), QStringLiteral("Name")});
    EXPECT_EQ(store.GetAt(0)->GetTitle(), QStringLiteral("Home"));
    EXPECT_EQ(store.GetAt(1)->GetTitle(), QStringLiteral("Name"));
    EXPECT_EQ(store.GetAt(2)->GetTitle(), QStringLiteral("Callsign"));
    EXPECT_EQ(store.GetAt(3)->GetTitle(), QStringLiteral("QTH"));
    EXPECT_EQ(store.GetCount(), 17);

    store.SetValue(QStringLiteral("Name"), QStringLiteral("Bob"), 12);
    CTagStore copy;
    EXPECT_EQ(copy.CopyFrom(store), 17);
    EXPECT_EQ(copy.GetValue(QStringLiteral("Name"), 12), QStringLiteral("Bob"));
    copy.SetValue(QStringLiteral("Name"), QStringLiteral("Changed"), 12);
    EXPECT_EQ(store.GetValue(QStringLiteral("Name"), 12), QStringLiteral("Bob"));
}

TEST(TagStoreEdits, SetValuesPerChannelAndOwnStation)
{
    CTagStore store;
    store.SetDefaults();
    store.SetValues({QStringLiteral("Name"), QStringLiteral("My Name"), QStringLiteral("none"), QStringLiteral("QTH")},
                    {QStringLiteral("Ann"), QStringLiteral("Jo"), QStringLiteral("x")}, 2);
    EXPECT_EQ(store.GetValue(QStringLiteral("Name"), 2), QStringLiteral("Ann"));
    EXPECT_TRUE(store.GetValue(QStringLiteral("Name"), -1).isEmpty());
    EXPECT_EQ(store.GetValue(QStringLiteral("My Name"), -1), QStringLiteral("Jo"));
    EXPECT_TRUE(store.GetValue(QStringLiteral("QTH"), 2).isEmpty());
}

TEST(LocatorFromPosition, SubSquareOfAPosition)
{
    struct Case {
        double lon;
        double lat;
        const char* locator;
    };
    const Case cases[] = {
        {-0.041667, 51.020833, "JO01AA"},
        {-0.958333, 51.520833, "JO01LM"},
        {0.0, 0.0, "JJ00AA"},
        {179.99, -89.99, "AA00AA"},
        {-179.99, 89.99, "RR99XX"},
    };
    for (const Case& c : cases) {
        char buffer[8] = "xxxxxxx";
        LatLongToLocator(buffer, c.lon, c.lat);
        EXPECT_STREQ(buffer, c.locator) << c.lon << " " << c.lat;
        EXPECT_EQ(LatLongToLocator(c.lon, c.lat), QString::fromLatin1(c.locator));
    }
    // Round trip through the centre of every tenth sub-square of one field.
    for (int i = 0; i < 24; i += 5) {
        const QString loc = QStringLiteral("IO91") + QChar('A' + i) + QChar('X' - i);
        double lon, lat;
        LocatorToLatLong(loc, lon, lat);
        EXPECT_EQ(LatLongToLocator(lon, lat), loc);
    }
    // Off the globe: six characters all the same, past the alphabet.
    EXPECT_EQ(LatLongToLocator(0, 90).size(), 6);
    EXPECT_FALSE(IsValidLocator(LatLongToLocator(0, 90)));
    EXPECT_EQ(LatLongToLocator(std::nan(""), 1e300).size(), 6);
}

} // namespace
