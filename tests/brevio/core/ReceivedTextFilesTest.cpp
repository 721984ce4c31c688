// Files of received text: the autosave's bytes and names, the rich-text
// writer, and logbook entries.
#include "platform/DataFolder.h"
#include "brevio/core/LogbookFile.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/core/RtfWriter.h"
#include "brevio/core/RxAutosave.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TEST(RxAutosave, NamesAndTheDataFolderForAnEmptyFolder)
{
    const QDate day(2004, 5, 3);
    EXPECT_EQ(CRxAutosave::FileName(QStringLiteral("/logs"), 1, true, day), QStringLiteral("/logs/RX_Channel_2_03-May-2004.txt"));
    EXPECT_EQ(CRxAutosave::FileName(QStringLiteral("/logs"), 0, false, day), QStringLiteral("/logs/RX_Channel_1.txt"));
    // Not the root of the file system.
    EXPECT_EQ(CRxAutosave::FileName(QString(), 3, false, day),
              QDir(platform::dataFolder()).filePath(QStringLiteral("RX_Channel_4.txt")));
}

TEST(RxAutosave, FirstSaveFollowsTheAppendOptionLaterSavesAppend)
{
    CPSK31Settings& s = CurrentSettings();
    s.SetDefaults();
    s.m_strAutosaveDir = testsupport::dataFolder();
    s.m_bAutosaveAddDate = 0;
    s.m_bAutosaveAppend = 0;
    const QString path = CRxAutosave::FileName(s.m_strAutosaveDir, 0, false, QDate());
    WriteAll(path, "yesterday");
    CRxAutosave autosave;
    QByteArray unsaved("abc\r\n");
    EXPECT_EQ(autosave.Save(unsaved, 0, nullptr, nullptr), CRxAutosave::Saved);
    EXPECT_TRUE(unsaved.isEmpty());
    EXPECT_EQ(ReadAll(path), QByteArray("abc\r\n"));
    unsaved = "def\xD8";
    autosave.Save(unsaved, 0, nullptr, nullptr);
    EXPECT_EQ(ReadAll(path), QByteArray("abc\r\ndef\xD8"));
    EXPECT_EQ(autosave.Save(unsaved, 0, nullptr, nullptr), CRxAutosave::Nothing);

    // With the append option the first save of a run appends as well.
    s.m_bAutosaveAppend = 1;
    CRxAutosave next;
    unsaved = "ghi";
    next.Save(unsaved, 0, nullptr, nullptr);
    EXPECT_EQ(ReadAll(path), QByteArray("abc\r\ndef\xD8ghi"));
}

TEST(RxAutosave, AFailedSaveKeepsTheTextAndIsReportedOnce)
{
    CPSK31Settings& s = CurrentSettings();
    s.SetDefaults();
    s.m_strAutosaveDir = testsupport::dataFolder() + QStringLiteral("/missing/folder");
    s.m_bAutosaveAddDate = 0;
    CRxAutosave autosave;
    QByteArray unsaved("abc");
    QString error;
    bool report = false;
    EXPECT_EQ(autosave.Save(unsaved, 1, &error, &report), CRxAutosave::Failed);
    EXPECT_TRUE(report);
    EXPECT_FALSE(error.isEmpty());
    unsaved += "def";
    EXPECT_EQ(autosave.Save(unsaved, 1, &error, &report), CRxAutosave::Failed);
    EXPECT_FALSE(report);
    EXPECT_EQ(unsaved, QByteArray("abcdef"));
    // Once the folder is there, everything collected goes in.
    ASSERT_TRUE(QDir().mkpath(s.m_strAutosaveDir));
    EXPECT_EQ(autosave.Save(unsaved, 1, &error, &report), CRxAutosave::Saved);
    EXPECT_EQ(ReadAll(s.m_strAutosaveDir + QStringLiteral("/RX_Channel_2.txt")), QByteArray("abcdef"));
    QDir(s.m_strAutosaveDir).removeRecursively();
    unsaved = "x";
    autosave.Save(unsaved, 1, &error, &report);
    EXPECT_TRUE(report);  // a new run of failures is told again
}

TEST(RtfWriter, TextColoursAndEscapes)
{
    QTextDocument doc;
    QTextCursor cursor(&doc);
    QTextCharFormat red;
    red.setForeground(QColor(255, 0, 0));
    red.setFontFamilies({QStringLiteral("Courier New")});
    red.setFontPointSize(10);
    red.setFontWeight(QFont::Bold);
    QTextCharFormat blue = red;
    blue.setForeground(QColor(0, 0, 255));
    blue.setFontWeight(QFont::Normal);
    blue.setFontStrikeOut(true);
    cursor.insertText(QStringLiteral("RX> {a\\b}"), red);
    cursor.insertText(QStringLiteral("\n"), red);
    cursor.insertText(QStringLiteral("J") + QChar(0xD8), blue);
    const QByteArray rtf = CRtfWriter::Write(doc);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("\\fs20\\cf1\\b RX> \\{a\\\\b\\}}")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("\\par")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("\\cf2\\strike J\\'d8}")) << rtf.constData();
    EXPECT_TRUE(rtf.trimmed().endsWith('}'));
}

TEST(LogbookFile, EntryBytesAndWholeAppends)
{
    const QString record = QStringLiteral("<call:5>G0ABC<EOR>");
    EXPECT_EQ(CLogbookFile::EntryBytes(record, true, QString()), QByteArray("<call:5>G0ABC<EOR>\r\n\r\n"));
    EXPECT_EQ(CLogbookFile::EntryBytes(record, true, QStringLiteral("hello\r\nJ") + QChar(0xD8) + QStringLiteral("\n")),
              QByteArray("# hello\r\n# J\xD8\r\n# \r\n<call:5>G0ABC<EOR>\r\n\r\n"));
    EXPECT_EQ(CLogbookFile::EntryBytes(record, false, QStringLiteral("hello")), QByteArray("<call:5>G0ABC<EOR>\r\n\r\n"));

    const QString path = testsupport::dataFolder() + QStringLiteral("/log.adi");
    QString error;
    ASSERT_TRUE(CLogbookFile::Append(path, CLogbookFile::EntryBytes(record, false, QString()), &error));
    ASSERT_TRUE(CLogbookFile::Append(path, CLogbookFile::EntryBytes(record, false, QString()), &error));
    EXPECT_EQ(ReadAll(path), QByteArray("<call:5>G0ABC<EOR>\r\n\r\n<call:5>G0ABC<EOR>\r\n\r\n"));
    EXPECT_FALSE(CLogbookFile::Append(testsupport::dataFolder() + QStringLiteral("/no/such/log.adi"), "x", &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(LogbookFile, ConfiguredFilesInOrder)
{
    CPSK31Settings& s = CurrentSettings();
    s.SetDefaults();
    EXPECT_TRUE(CLogbookFile::ConfiguredFiles().isEmpty());
    s.m_bLogbookEnable1 = 1;  // enabled but no path: not used
    s.m_bLogbookEnable2 = 1;
    s.m_strLogbookFile2 = QStringLiteral("/b.adi");
    s.m_bLogbookInclude2 = 1;
    const auto files = CLogbookFile::ConfiguredFiles();
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(files[0].m_strPath, QStringLiteral("/b.adi"));
    EXPECT_TRUE(files[0].m_bInclude);
}

} // namespace
