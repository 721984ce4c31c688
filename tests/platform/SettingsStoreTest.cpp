#include "platform/SettingsStore.h"
#include "support/TestEnvironment.h"

#include <QSettings>

#include <gtest/gtest.h>

using platform::SettingsStore;

TEST(SettingsStore, NamesWithSlashesAndPercentsRoundTrip)
{
    const QStringList names = {QStringLiteral("Startup speed /dev/ttyUSB0"), QStringLiteral("Dialog 1 Control 2"),
                               QStringLiteral("100% \\ back"), QStringLiteral("%2F literal")};
    for (const QString& n : names)
        SettingsStore::setValue(QStringLiteral("Options"), n, n + QStringLiteral("-value"));
    for (const QString& n : names)
        EXPECT_EQ(SettingsStore::value(QStringLiteral("Options"), n).toString(), n + QStringLiteral("-value"));
    QStringList listed = SettingsStore::valueNames(QStringLiteral("Options"));
    listed.sort();
    QStringList expected = names;
    expected.sort();
    EXPECT_EQ(listed, expected);
}

TEST(SettingsStore, RemoveAndProgramKeyReset)
{
    SettingsStore::setValue(QStringLiteral("Options"), QStringLiteral("A"), 1);
    SettingsStore::setValue(QStringLiteral("Other"), QStringLiteral("B"), QByteArray("\x00\x01", 2));
    EXPECT_TRUE(SettingsStore::contains(QStringLiteral("Options"), QStringLiteral("A")));
    EXPECT_EQ(SettingsStore::value(QStringLiteral("Other"), QStringLiteral("B")).toByteArray(), QByteArray("\x00\x01", 2));
    SettingsStore::remove(QStringLiteral("Options"), QStringLiteral("A"));
    EXPECT_FALSE(SettingsStore::contains(QStringLiteral("Options"), QStringLiteral("A")));
    SettingsStore::removeProgramKey();
    EXPECT_FALSE(SettingsStore::contains(QStringLiteral("Other"), QStringLiteral("B")));
}

TEST(SettingsStore, ValuesReachTheFileAndAResetForgetsThem)
{
    SettingsStore::setValue(QStringLiteral("Options"), QStringLiteral("Kept"), 5);
    SettingsStore::sync();
    QSettings file(testsupport::settingsFolder() + QStringLiteral("/FT-817 Corvane.conf"), QSettings::IniFormat);
    EXPECT_EQ(file.value(QStringLiteral("Options/Kept")).toInt(), 5);
    testsupport::resetEnvironment();
    EXPECT_FALSE(SettingsStore::contains(QStringLiteral("Options"), QStringLiteral("Kept")));
}
