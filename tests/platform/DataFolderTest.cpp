#include "platform/DataFolder.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <gtest/gtest.h>

TEST(DataFolder, FollowsEnvironmentOverride)
{
    EXPECT_EQ(platform::dataFolder(), testsupport::dataFolder());
    EXPECT_EQ(platform::dataFilePath(QStringLiteral("FT-817 Favourites.txt")),
              testsupport::dataFolder() + QStringLiteral("/FT-817 Favourites.txt"));
}

TEST(DataFolder, AtomicWriteKeepsOldFileOnFailure)
{
    const QString path = platform::dataFilePath(QStringLiteral("x.txt"));
    ASSERT_TRUE(platform::writeFileAtomically(path, "first"));
    QString error;
    // A folder that does not exist: the write fails and reports why.
    EXPECT_FALSE(platform::writeFileAtomically(testsupport::dataFolder() + QStringLiteral("/missing/y.txt"), "z", &error));
    EXPECT_FALSE(error.isEmpty());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("first"));
}
