#include "shared/TextFile.h"

#include "platform/DataFolder.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#include <gtest/gtest.h>

namespace {
QString pathOf(const QString& name)
{
    return testsupport::dataFolder() + QLatin1Char('/') + name;
}

void putBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QStringList readBytes(const QByteArray& bytes)
{
    const QString path = pathOf(QStringLiteral("in.txt"));
    putBytes(path, bytes);
    CTextFile file(path, false);
    QStringList lines{QStringLiteral("stale")};
    file.ReadLines(lines);
    EXPECT_TRUE(file.IsOk());
    return lines;
}
} // namespace

TEST(TextFile, EveryLineEndEndsOneLine)
{
    struct Case {
        QByteArray bytes;
        QStringList lines;
    };
    const QList<Case> cases = {
        {QByteArray(), {}},
        {QByteArray("a\r\n\r\nb"), {"a", "", "b"}},
        {QByteArray("a\r\nb\r\n"), {"a", "b"}},
        {QByteArray("a\nb\n"), {"a", "b"}},
        {QByteArray("a\rb\r"), {"a", "b"}},
        {QByteArray("a\n\nb"), {"a", "", "b"}},
        {QByteArray("a\r\rb"), {"a", "", "b"}},
        {QByteArray("a\n\r\nb"), {"a", "", "b"}},
        {QByteArray("\r\n"), {""}},
        {QByteArray("only"), {"only"}},
        {QByteArray("x\xb0y\xe9"), {QStringLiteral("x\u00b0y\u00e9")}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readBytes(c.bytes), c.lines) << c.bytes.toHex().constData();
}

TEST(TextFile, LinesAcrossReadBlocksAndLongLines)
{
    // A 300-byte line straddling the block boundary, a CR LF split across it,
    // and a line longer than 64 KB all arrive whole.
    QByteArray bytes(CTextFile::kReadBlock - 150, 'p');
    bytes += "\r\n";
    const QByteArray straddle(300, 's');
    bytes += straddle + "\r\n";
    const qsizetype pad = 2 * CTextFile::kReadBlock - 1 - bytes.size();
    bytes += QByteArray(pad, 'q');
    bytes += "\r\n";  // CR is the last byte of block 2, LF the first of block 3
    const QByteArray huge(200000, 'h');
    bytes += huge;
    const QStringList lines = readBytes(bytes);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0].size(), CTextFile::kReadBlock - 150);
    EXPECT_EQ(lines[1], QString::fromLatin1(straddle));
    EXPECT_EQ(lines[2].size(), pad);
    EXPECT_EQ(lines[3], QString::fromLatin1(huge));
}

TEST(TextFile, MissingFileIsReportedAndEmpty)
{
    const QString path = pathOf(QStringLiteral("nothing here.txt"));
    CTextFile file(path, false);
    EXPECT_FALSE(file.Exists());
    QStringList lines{QStringLiteral("stale")};
    file.ReadLines(lines);
    EXPECT_TRUE(lines.isEmpty());
    EXPECT_FALSE(file.IsOk());
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    const auto& box = testsupport::prompter().m_boxes[0];
    EXPECT_EQ(box.caption, QStringLiteral("Error"));
    EXPECT_TRUE(box.text.startsWith(QStringLiteral("Error opening %1 - ").arg(path))) << box.text.toStdString();
    EXPECT_EQ(box.style, int(platform::MB_OK) | platform::MB_ICONERROR);
    EXPECT_FALSE(file.GetLastError().isEmpty());

    CTextFile quiet(path, true);
    quiet.ReadLines(lines);
    EXPECT_FALSE(quiet.IsOk());
    EXPECT_EQ(testsupport::prompter().m_boxes.size(), 1);
}

TEST(TextFile, WritesExactBytes)
{
    const QString path = pathOf(QStringLiteral("out.txt"));
    CTextFile file(path, false);
    file.WriteLines({QStringLiteral("x"), QStringLiteral("y")}, false);
    EXPECT_TRUE(file.IsOk());
    EXPECT_EQ(bytesOf(path), QByteArray("x\r\ny"));

    file.WriteLines({QStringLiteral("z"), QString(), QStringLiteral("\u00e9")}, true);
    EXPECT_EQ(bytesOf(path), QByteArray("x\r\nyz\r\n\r\n\xe9"));

    file.WriteLines({}, false);
    EXPECT_TRUE(file.IsOk());
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(bytesOf(path), QByteArray());

    // Appending to a file that does not exist yet creates it.
    const QString fresh = pathOf(QStringLiteral("fresh.txt"));
    CTextFile(fresh, false).WriteLines({QStringLiteral("a")}, true);
    EXPECT_EQ(bytesOf(fresh), QByteArray("a"));

    // Many lines beyond the flush size round-trip.
    QStringList many;
    for (int i = 0; i < 20000; ++i)
        many << QStringLiteral("%1 line of text").arg(i, 5, 10, QLatin1Char('0'));
    file.WriteLines(many, false);
    QStringList back;
    file.ReadLines(back);
    EXPECT_EQ(back, many);
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());
}

TEST(TextFile, FailedWriteKeepsTheOldFile)
{
    const QString path = pathOf(QStringLiteral("keep.txt"));
    putBytes(path, "old\r\ncontent");
    QStringList big;
    for (int i = 0; i < 4000; ++i)
        big << QString(60, QLatin1Char('a' + i % 26));

    // A file-size limit makes the system refuse the bytes past it (for root too).
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 100000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    CTextFile file(path, false);
    file.WriteLines(big, false);
    const bool ok = file.IsOk();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(ok);
    EXPECT_EQ(bytesOf(path), QByteArray("old\r\ncontent"));
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Error writing \\d+ bytes to %1 - ")
                                       .arg(QRegularExpression::escape(path)))
                    .match(testsupport::prompter().m_boxes[0].text)
                    .hasMatch())
        << testsupport::prompter().m_boxes[0].text.toStdString();
    EXPECT_FALSE(file.GetLastError().isEmpty());
    // Nothing else was left behind in the folder.
    EXPECT_EQ(QDir(testsupport::dataFolder()).entryList(QDir::Files), QStringList{QStringLiteral("keep.txt")});

    // A short text fails only as the file is closed: the same.
    testsupport::prompter().clear();
    small.rlim_cur = 8;
    ::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    CTextFile shortFile(path, false);
    shortFile.WriteLines({QStringLiteral("new content"), QStringLiteral("longer than eight bytes")}, false);
    const bool shortOk = shortFile.IsOk();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(shortOk);
    EXPECT_EQ(bytesOf(path), QByteArray("old\r\ncontent"));
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_TRUE(testsupport::prompter().m_boxes[0].text.startsWith(QStringLiteral("Error writing 36 bytes to ")))
        << testsupport::prompter().m_boxes[0].text.toStdString();

    // A file that cannot be created at all.
    const QString nowhere = pathOf(QStringLiteral("no folder/x.txt"));
    CTextFile lost(nowhere, false);
    lost.WriteLines({QStringLiteral("x")}, false);
    EXPECT_FALSE(lost.IsOk());
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 2);
    EXPECT_TRUE(testsupport::prompter().m_boxes[1].text.startsWith(QStringLiteral("Error creating %1 ").arg(nowhere)));
}

TEST(TextFile, KindsNameTheirFiles)
{
    EXPECT_EQ(CTextFile(1).GetPath(), platform::dataFilePath(QStringLiteral("FT-817 Calibration.txt")));
    EXPECT_EQ(CTextFile::FileName(2), QStringLiteral("FT-817 Settings.txt"));
    EXPECT_EQ(CTextFile::FileName(3), QStringLiteral("FT-817 Memory Contents.txt"));
    EXPECT_EQ(CTextFile::FileName(4), QStringLiteral("FT-817 Favourites.txt"));
    EXPECT_EQ(CTextFile::FileName(5), QStringLiteral("FT-817 Memory Archive.txt"));
    EXPECT_EQ(CTextFile::FileName(6), QStringLiteral("FT-817 Band Definitions.txt"));
    EXPECT_EQ(CTextFile::FileName(7), QStringLiteral("FT-817 Default Band Definitions.txt"));
    EXPECT_EQ(CTextFile::FileName(9), QString());
    EXPECT_EQ(CTextFile::ContentsText(7), QStringLiteral("Default Band definitions"));
}

TEST(TextFile, DefinitionsFileBytes)
{
    const QString rule(60, QLatin1Char('#'));
    struct Case {
        int kind;
        QString contents;
        bool warning;
    };
    const QList<Case> cases = {
        {1, QStringLiteral("Calibration settings"), true}, {2, QStringLiteral("User options"), true},
        {3, QStringLiteral("Memory contents"), false},     {4, QStringLiteral("Favourites"), true},
        {5, QStringLiteral("Memory archive"), true},       {6, QStringLiteral("Band definitions"), true},
        {7, QStringLiteral("Default Band definitions"), true}, {8, QString(), false},
    };
    for (const Case& c : cases) {
        QStringList lines{QStringLiteral("001 first"), QStringLiteral("-@-")};
        CTextFile::AddHeader(lines, c.kind);
        // The creation time is the one varying line; take it from the block.
        const int createdAt = 5;
        ASSERT_GT(lines.size(), createdAt);
        const QString created = lines[createdAt];
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^#   Created \\.\\.\\.: \\S.*\\d$")).match(created).hasMatch())
            << created.toStdString();

        QByteArray expected = rule.toLatin1() + "\r\n#\r\n#   FT-817 Corvane by QT9XVK\r\n#\r\n#   Contents ..: " +
                              c.contents.toLatin1() + "\r\n" + created.toLatin1() + "\r\n#\r\n";
        if (c.warning)
            expected += "#   The contents of this file must not be changed if the\r\n"
                        "#   program is to operate correctly. To avoid problems,\r\n"
                        "#   please do NOT edit this file.\r\n#\r\n";
        expected += rule.toLatin1() + "\r\n#\r\n001 first\r\n-@-\r\n#\r\n" + rule.toLatin1() + "\r\n#@filetype=" +
                    QByteArray::number(c.kind);

        const QString path = pathOf(QStringLiteral("kind.txt"));
        CTextFile file(path, false);
        file.WriteLines(lines, false);
        EXPECT_EQ(bytesOf(path), expected) << "kind " << c.kind;
        QStringList back;
        file.ReadLines(back);
        EXPECT_EQ(back, lines);
    }

    QStringList untouched{QStringLiteral("a")};
    CTextFile::AddHeader(untouched, 9);
    EXPECT_EQ(untouched, QStringList{QStringLiteral("a")});
}
