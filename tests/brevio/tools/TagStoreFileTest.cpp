// The tags file the operator's own-station values and tags live in: one
// that cannot be read is told and never replaced by a save.
#include "brevio/core/TagStore.h"

#include "support/ScriptedPrompter.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QStatusBar>
#include <gtest/gtest.h>

namespace {

void WriteRaw(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadRaw(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString TempPath(const char* name)
{
    QDir().mkpath(testsupport::dataFolder());
    return testsupport::dataFolder() + QLatin1Char('/') + QLatin1String(name);
}

const QByteArray kTagFile = "#\r\n100 Rig\r\n102 1\r\n103 1\r\n104 0\r\n106 FT-817 5 W\r\n-@-\r\n#@filetype=0";

TEST(TagStoreFile, AFileThatIsNoTagFileLeavesTheStoreAsItWas)
{
    struct Case {
        const char* name;
        QByteArray file;
        bool tags;
        const char* reason;
    };
    const Case cases[] = {
        {"records", kTagFile, true, ""},
        {"banner only (an empty store saved)", "#\r\n#@filetype=0", true, ""},
        {"text", "Dear Sir,\r\nthank you", false, "it holds no tags"},
        {"nothing", "", false, "it holds no tags"},
        {"macro definitions", "100 CQ\r\n101 CQ CQ\r\n-@-\r\n#@filetype=1", false, "it holds macro definitions"},
        {"records of another file", "001 x\r\n002 y\r\n-@-", false, "it holds no tags"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = TempPath("maybe tags.txt");
        WriteRaw(path, c.file);
        CTagStore store;
        store.ReadLines({});
        ASSERT_TRUE(store.SetValue(QStringLiteral("My Callsign"), QStringLiteral("QT9XVK"), 0));
        QString error;
        EXPECT_EQ(store.Load(path, &error), c.tags);
        if (c.tags) {
            EXPECT_EQ(store.GetValue(QStringLiteral("My Callsign"), 0), QString());
            continue;
        }
        EXPECT_EQ(error, QString::fromLatin1(c.reason));
        EXPECT_EQ(store.GetValue(QStringLiteral("My Callsign"), 0), QStringLiteral("QT9XVK"));
    }
}

// A stray byte costs the line it is on, not the file.
TEST(TagStoreFile, ADamagedLineLosesOnlyThatLine)
{
    const QString path = CTagStore::DefaultPath();
    QByteArray bytes = kTagFile;
    bytes.replace("104 0", QByteArray("\xFF\xFE" "104 0", 7));
    WriteRaw(path, bytes);
    testsupport::prompter().clear();
    CTagStore store;
    store.LoadDefault();
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());
    EXPECT_FALSE(store.IsDefaultUnread());
    EXPECT_EQ(store.GetValue(QStringLiteral("Rig"), 0), QStringLiteral("FT-817 5 W"));
    QFile::remove(path);
}

TEST(TagStoreFile, ADefaultFileThatCannotBeReadIsToldAndNeverOverwritten)
{
    const QString path = CTagStore::DefaultPath();
    QFile::remove(path);

    // Unreadable: a folder where the file should be.
    ASSERT_TRUE(QDir().mkpath(path));
    testsupport::prompter().clear();
    CTagStore store;
    store.LoadDefault();
    EXPECT_TRUE(store.IsDefaultUnread());
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_TRUE(testsupport::prompter().m_boxes[0].text.startsWith(QStringLiteral("Error opening ") + path))
        << testsupport::prompter().m_boxes[0].text.toStdString();
    ASSERT_TRUE(QDir().rmdir(path));

    // The tags saved by an editor as UTF-16: bytes, but no tag the program can read.
    QByteArray utf16("\xFF\xFE", 2);
    for (char c : kTagFile)
        utf16 += QByteArray(1, c) + QByteArray(1, '\0');
    WriteRaw(path, utf16);
    testsupport::prompter().clear();
    CTagStore unread;
    unread.LoadDefault();
    EXPECT_TRUE(unread.IsDefaultUnread());
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].text,
              QStringLiteral("\"%1\" is not a tag definitions file: it holds no tags.\nNothing was loaded.")
                  .arg(QDir::toNativeSeparators(path)));

    // Saves of the Tags Manager say so in a box each time; the bar's saves
    // after each edit say it once in a box, then in the status bar.
    QMainWindow main;
    main.show();
    const QString notSaved = QStringLiteral("The tags were not saved: \"%1\" could not be read when the program "
                                            "started, and saving would replace the tags it holds.")
                                 .arg(QDir::toNativeSeparators(path));
    // The session still has the built-in and own-station tags to work with.
    ASSERT_TRUE(unread.SetValue(QStringLiteral("My Callsign"), QStringLiteral("QT9XVK"), 0));
    struct Save {
        bool boxEveryTime;
        int boxes;
        bool statusBar;
    };
    const Save saves[] = {{true, 1, false}, {false, 0, true}, {false, 0, true}, {true, 1, false}};
    for (const Save& save : saves) {
        testsupport::prompter().clear();
        main.statusBar()->clearMessage();
        EXPECT_FALSE(unread.SaveDefault(save.boxEveryTime));
        EXPECT_EQ(ReadRaw(path), utf16);
        ASSERT_EQ(testsupport::prompter().m_boxes.size(), save.boxes);
        if (save.boxes)
            EXPECT_EQ(testsupport::prompter().m_boxes[0].text, notSaved);
        EXPECT_EQ(main.statusBar()->currentMessage(), save.statusBar ? notSaved : QString());
    }
    CTagStore first;
    first.LoadDefault();
    testsupport::prompter().clear();
    EXPECT_FALSE(first.SaveDefault(false));
    EXPECT_EQ(testsupport::prompter().m_boxes.size(), 1) << "the first refused save of a session tells it in a box";

    // Once the operator has moved the file away there is nothing to lose.
    ASSERT_TRUE(QFile::rename(path, path + QStringLiteral(".utf16")));
    testsupport::prompter().clear();
    EXPECT_TRUE(unread.SaveDefault(false));
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());
    CTagStore back;
    back.LoadDefault();
    EXPECT_FALSE(back.IsDefaultUnread());
    EXPECT_EQ(back.GetValue(QStringLiteral("My Callsign"), 0), QStringLiteral("QT9XVK"));
    QFile::remove(path);
    QFile::remove(path + QStringLiteral(".utf16"));

    // A blank file holds nothing to protect.
    WriteRaw(path, "\r\n  \r\n");
    CTagStore blank;
    blank.LoadDefault();
    EXPECT_FALSE(blank.IsDefaultUnread());
    EXPECT_TRUE(blank.SaveDefault());
    QFile::remove(path);
}

}  // namespace
