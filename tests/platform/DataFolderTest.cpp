#include "platform/DataFolder.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <csignal>
#include <sys/resource.h>
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

TEST(DataFolder, AtomicWriteThatRunsOutOfRoomKeepsTheOldFile)
{
    const QString path = platform::dataFilePath(QStringLiteral("log.adi"));
    ASSERT_TRUE(platform::writeFileAtomically(path, QByteArray(100, 'a')));
    // A file-size limit refuses the bytes past it (for root too); the new
    // content is short enough to sit in the device's buffer until the end.
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 150;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    QString error;
    const bool ok = platform::writeFileAtomically(path, QByteArray(200, 'b'), &error);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(ok);
    EXPECT_FALSE(error.isEmpty());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray(100, 'a'));
}
