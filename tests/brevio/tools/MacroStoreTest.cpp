// The macro store and its definitions file: exact bytes written, reading
// rules (unclosed records, flag bits, short lines, codes in any order), the
// operations the editors use, and the byte-order sort.
#include "brevio/core/MacroStore.h"

#include "support/ScriptedPrompter.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
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

QByteArray ReadRaw(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The file's bytes after the comment block: from the first record on.
QByteArray Body(const QByteArray& bytes)
{
    const qsizetype start = bytes.indexOf("\r\n#\r\n100 ");
    return start < 0 ? QByteArray() : bytes.mid(start + 2);
}

TEST(MacroStore, SaveWritesExactRecordsLatin1CrLfAndNoLineEndAfterTheLast)
{
    CMacroStore store;
    store.Add(QStringLiteral("CQ call"), QStringLiteral("CQ"),
              {QStringLiteral("CQ CQ de <My Callsign>"), QString(), QStringLiteral("-@-")}, true, false, true, false,
              1, false);
    store.Add(QStringLiteral("#Caf") + QChar(0xE9), QString(), {}, false, true, false, true, 0, true);
    const QString path = PathOf("macros.txt");
    store.Save(path);
    const QByteArray bytes = ReadRaw(path);
    EXPECT_EQ(Body(bytes), QByteArray("#\r\n100 CQ call\r\n104 CQ\r\n102 3\r\n103 1\r\n"
                                      "101 CQ CQ de <My Callsign>\r\n101 \r\n101 -@-\r\n-@-\r\n"
                                      "#\r\n100 #Caf\xE9\r\n104 \r\n102 104\r\n103 0\r\n-@-\r\n#\r\n") +
                                  QByteArray(60, '#') + QByteArray("\r\n#@filetype=1"));
    EXPECT_TRUE(bytes.startsWith(QByteArray(60, '#') + "\r\n#\r\n"));
    EXPECT_TRUE(bytes.contains("#   Contents ..: Macro definitions\r\n"));

    // Everything reads back, the title beginning with "#" and the "-@-" line too.
    CMacroStore back;
    back.Load(path);
    ASSERT_EQ(back.GetCount(), 2);
    const CMacro* first = back.GetAt(0);
    EXPECT_EQ(first->GetFullTitle(), QStringLiteral("CQ call"));
    EXPECT_EQ(first->GetShortTitle(), QStringLiteral("CQ"));
    EXPECT_EQ(first->GetLines(), QStringList({QStringLiteral("CQ CQ de <My Callsign>"), QString(), QStringLiteral("-@-")}));
    EXPECT_EQ(first->GetFlags(), CMacro::kEraseFirst | CMacro::kSendNow);
    EXPECT_EQ(first->IsEnabled(), 1);
    const CMacro* second = back.GetAt(1);
    EXPECT_EQ(second->GetFullTitle(), QStringLiteral("#Caf") + QChar(0xE9));
    EXPECT_TRUE(second->GetLines().isEmpty());
    EXPECT_EQ(second->GetFlags(), CMacro::kAlwaysPrompt | CMacro::kSuperBrowserOnly | CMacro::kOwnStationOnly);
    EXPECT_EQ(second->IsEnabled(), 0);
}

TEST(MacroStore, EmptyStoreWritesOnlyTheCommentBlock)
{
    CMacroStore store;
    const QString path = PathOf("empty.txt");
    store.Save(path);
    QStringList lines = QString::fromLatin1(ReadRaw(path)).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 16);
    for (const QString& line : lines)
        EXPECT_TRUE(line.startsWith(QLatin1Char('#'))) << line.toStdString();
    EXPECT_EQ(lines.last(), QStringLiteral("#@filetype=1"));
    store.Load(path);
    EXPECT_EQ(store.GetCount(), 0);
}

TEST(MacroStore, ReadingRules)
{
    struct Case {
        const char* name;
        QByteArray file;
        int count;
        int flags;
        const char* title;
        int lines;
        int enabled;
    };
    const Case cases[] = {
        {"unclosed last record dropped", "100 A\r\n-@-\r\n100 B\r\n101 x", 1, 0, "A", 0, 1},
        {"flags 255 keep the five known bits", "102 255\r\n100 F\r\n-@-", 1, 0x6B, "F", 0, 1},
        {"code digits only: flags 0, empty title", "100\r\n102\r\n101 a\r\n-@-", 1, 0, "", 1, 1},
        {"repeated codes keep the last, lines add up", "100 X\r\n100 Y\r\n103 0\r\n103 7\r\n101 a\r\n101 b\r\n-@-",
         1, 0, "Y", 2, 7},
        {"unknown codes and comment lines skipped", "#100 no\r\n105 z\r\n100 T\r\n999 w\r\n-@-", 1, 0, "T", 0, 1},
        {"no number in the flags", "102 abc\r\n100 N\r\n-@-", 1, 0, "N", 0, 1},
        {"LF-only line ends read too", "100 L\n102 2\n-@-\n", 1, 2, "L", 0, 1},
    };
    for (const Case& c : cases) {
        const QString path = PathOf("read.txt");
        WriteRaw(path, c.file);
        CMacroStore store;
        store.Add(QStringLiteral("old"), {}, 0);
        store.Load(path);
        ASSERT_EQ(store.GetCount(), c.count) << c.name;
        const CMacro* m = store.GetAt(0);
        EXPECT_EQ(m->GetFlags(), c.flags) << c.name;
        EXPECT_EQ(m->GetFullTitle(), QString::fromLatin1(c.title)) << c.name;
        EXPECT_EQ(m->GetLines().size(), c.lines) << c.name;
        EXPECT_EQ(m->IsEnabled(), c.enabled) << c.name;
    }
    // An empty definition line reads back as an empty line.
    WriteRaw(PathOf("read.txt"), "100 E\r\n101 \r\n101\r\n-@-");
    CMacroStore store;
    store.Load(PathOf("read.txt"));
    EXPECT_EQ(store.GetAt(0)->GetLines(), QStringList({QString(), QString()}));
}

TEST(MacroStore, MissingFileLeavesTheStoreEmptyWithoutAMessage)
{
    testsupport::prompter().clear();
    CMacroStore store;
    store.Add(QStringLiteral("a"), {}, 0);
    store.Load(PathOf("nothing here.txt"));
    EXPECT_EQ(store.GetCount(), 0);
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());
}

TEST(MacroStore, AFileThatIsNoMacroFileLeavesTheStoreAsItWas)
{
    struct Case {
        const char* name;
        QByteArray file;
        bool macros;
    };
    const Case cases[] = {
        {"records", "100 A\r\n-@-", true},
        {"banner only (an empty store saved)", "#\r\n#@filetype=1", true},
        {"unknown codes beside macro codes", "105 z\r\n100 T\r\n-@-", true},
        {"text", "Dear Sir,\r\nthank you", false},
        {"nothing", "", false},
        {"comments only", "# a\r\n#", false},
        {"another banner", "100 Name\r\n-@-\r\n#@filetype=3", false},
        {"records of another file", "001 x\r\n002 y\r\n-@-", false},
        {"a code glued to its value", "100Title\r\n-@-", false},
    };
    for (const Case& c : cases) {
        const QString path = PathOf("maybe.txt");
        WriteRaw(path, c.file);
        CMacroStore store;
        store.Add(QStringLiteral("old"), {QStringLiteral("kept")}, 0);
        QString error;
        EXPECT_EQ(store.Load(path, &error), c.macros) << c.name;
        if (c.macros)
            continue;
        EXPECT_FALSE(error.isEmpty()) << c.name;
        ASSERT_EQ(store.GetCount(), 1) << c.name;
        EXPECT_EQ(store.GetAt(0)->GetFullTitle(), QStringLiteral("old")) << c.name;
    }
}

// A stray byte, as an editor or a bad copy leaves one, costs the line it is
// on and nothing else: every other macro comes up, with no message.
TEST(MacroStore, ADamagedLineLosesOnlyThatLine)
{
    const QByteArray good = QByteArray(60, '#') + "\r\n#\r\n#   Contents ..: Macro definitions\r\n#\r\n"
                            "#\r\n100 CQ\r\n104 cq\r\n102 2\r\n103 1\r\n101 CQ CQ de QT9XVK\r\n101 pse k\r\n-@-\r\n"
                            "#\r\n100 Bye\r\n104 73\r\n102 0\r\n103 1\r\n101 73 sk\r\n-@-\r\n#\r\n" +
                            QByteArray(60, '#') + "\r\n#@filetype=1";
    struct Case {
        const char* name;
        QByteArray from, to;  // the damage: the first "from" becomes "to"
        QStringList cqLines;
        QString cqTitle;
    };
    const QStringList both = {QStringLiteral("CQ CQ de QT9XVK"), QStringLiteral("pse k")};
    const Case cases[] = {
        {"byte-order mark before the banner", "####", QByteArray("\xFF\xFE####", 6), both, QStringLiteral("CQ")},
        {"NUL alone on a line", "101 pse k\r\n", QByteArray("101 pse k\r\n\0\r\n", 14), both, QStringLiteral("CQ")},
        {"NUL before a definition line", "101 pse k", QByteArray("\0" "101 pse k", 10),
         {QStringLiteral("CQ CQ de QT9XVK")}, QStringLiteral("CQ")},
        {"byte-order mark before a title line", "100 CQ", QByteArray("\xFF\xFE" "100 CQ", 8), both, QString()},
        {"NUL inside a value", "101 CQ CQ", QByteArray("101 CQ\0CQ", 9),
         {QStringLiteral("CQ") + QChar(0) + QStringLiteral("CQ de QT9XVK"), QStringLiteral("pse k")},
         QStringLiteral("CQ")},
    };
    const QString path = CMacroStore::DefaultPath();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QByteArray bytes = good;
        const qsizetype at = bytes.indexOf(c.from);
        ASSERT_GE(at, 0);
        bytes.replace(at, c.from.size(), c.to);
        WriteRaw(path, bytes);
        testsupport::prompter().clear();
        CMacroStore store;
        store.LoadDefault();
        EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());
        EXPECT_FALSE(store.IsDefaultUnread());
        ASSERT_EQ(store.GetCount(), 2);
        EXPECT_EQ(store.GetAt(0)->GetFullTitle(), c.cqTitle);
        EXPECT_EQ(store.GetAt(0)->GetShortTitle(), QStringLiteral("cq"));
        EXPECT_EQ(store.GetAt(0)->GetFlags(), CMacro::kSendNow);
        EXPECT_EQ(store.GetAt(0)->GetLines(), c.cqLines);
        EXPECT_EQ(store.GetAt(1)->GetFullTitle(), QStringLiteral("Bye"));
        EXPECT_EQ(store.GetAt(1)->GetLines(), QStringList{QStringLiteral("73 sk")});
    }
    QFile::remove(path);
}

// A file there that cannot be read, or holds no macros the program can
// read, is told to the operator, and no save of the store (empty or not)
// ever replaces it.
TEST(MacroStore, ADefaultFileThatCannotBeReadIsToldAndNeverOverwritten)
{
    const QString path = CMacroStore::DefaultPath();
    QFile::remove(path);

    // Unreadable: a folder where the file should be.
    ASSERT_TRUE(QDir().mkpath(path));
    testsupport::prompter().clear();
    CMacroStore store;
    store.LoadDefault();
    EXPECT_EQ(store.GetCount(), 0);
    EXPECT_TRUE(store.IsDefaultUnread());
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].caption, QStringLiteral("Error"));
    EXPECT_TRUE(testsupport::prompter().m_boxes[0].text.startsWith(QStringLiteral("Error opening ") + path))
        << testsupport::prompter().m_boxes[0].text.toStdString();
    ASSERT_TRUE(QDir().rmdir(path));

    // Readable bytes but no macros the program can read: the macros saved
    // by an editor as UTF-16. The folder is replaced by that file, so from
    // here on an overwrite would succeed if it were tried.
    const QByteArray latin1 = "#\r\n100 CQ\r\n101 CQ CQ de QT9XVK\r\n-@-\r\n#@filetype=1";
    QByteArray utf16("\xFF\xFE", 2);
    for (char c : latin1)
        utf16 += QByteArray(1, c) + QByteArray(1, '\0');
    WriteRaw(path, utf16);
    testsupport::prompter().clear();
    CMacroStore unread;
    unread.LoadDefault();
    EXPECT_EQ(unread.GetCount(), 0);
    EXPECT_TRUE(unread.IsDefaultUnread());
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].text,
              QStringLiteral("\"%1\" is not a macro definitions file: it holds no macros.\nNothing was loaded.")
                  .arg(QDir::toNativeSeparators(path)));

    // The empty store, then one with a macro of this session: neither is written.
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        testsupport::prompter().clear();
        EXPECT_FALSE(unread.SaveDefault());
        EXPECT_EQ(ReadRaw(path), utf16);
        ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
        EXPECT_TRUE(testsupport::prompter().m_boxes[0].text.startsWith(QStringLiteral("The macros were not saved")))
            << testsupport::prompter().m_boxes[0].text.toStdString();
        if (round == 0)
            unread.Add(QStringLiteral("New"), {QStringLiteral("new text")}, 0);
    }

    // Once the operator has moved the file away there is nothing to lose.
    ASSERT_TRUE(QFile::rename(path, path + QStringLiteral(".utf16")));
    testsupport::prompter().clear();
    EXPECT_TRUE(unread.SaveDefault());
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());
    CMacroStore back;
    back.LoadDefault();
    EXPECT_EQ(back.GetCount(), 1);
    EXPECT_FALSE(back.IsDefaultUnread());
    QFile::remove(path);
    QFile::remove(path + QStringLiteral(".utf16"));

    // An empty file holds nothing to protect: it loads as no macros and is saved over.
    WriteRaw(path, QByteArray());
    testsupport::prompter().clear();
    CMacroStore empty;
    empty.LoadDefault();
    EXPECT_FALSE(empty.IsDefaultUnread());
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());
    EXPECT_TRUE(empty.SaveDefault());
    QFile::remove(path);
}

TEST(MacroStore, DuplicateTitlesLoadAndLookupsFindTheFirst)
{
    WriteRaw(PathOf("dup.txt"), "100 Same\r\n101 one\r\n-@-\r\n100 Same\r\n101 two\r\n-@-\r\n");
    CMacroStore store;
    store.Load(PathOf("dup.txt"));
    ASSERT_EQ(store.GetCount(), 2);
    EXPECT_EQ(store.FindByTitle(QStringLiteral("Same"))->GetLines().first(), QStringLiteral("one"));
    EXPECT_EQ(store.FindByTitle(QStringLiteral("same")), nullptr);
    store.DeleteByTitle(QStringLiteral("Same"));
    ASSERT_EQ(store.GetCount(), 1);
    EXPECT_EQ(store.GetAt(0)->GetLines().first(), QStringLiteral("two"));
}

TEST(MacroStore, UpdateRebuildsEveryFieldOfTheFirstMatch)
{
    CMacroStore store;
    store.Add(QStringLiteral("A"), QStringLiteral("a"), {QStringLiteral("x")}, true, true, true, true, 1, true);
    store.Update(QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("b"), {QStringLiteral("y"), QStringLiteral("z")},
                 false, false, true, false, 0, false);
    const CMacro* m = store.GetAt(0);
    EXPECT_EQ(m->GetFullTitle(), QStringLiteral("B"));
    EXPECT_EQ(m->GetShortTitle(), QStringLiteral("b"));
    EXPECT_EQ(m->GetLines().size(), 2);
    EXPECT_EQ(m->GetFlags(), CMacro::kSendNow);
    EXPECT_EQ(m->IsEnabled(), 0);
    store.Update(QStringLiteral("none"), QStringLiteral("C"), QString(), {}, true, true, true, true, 1, true);
    EXPECT_EQ(store.GetAt(0)->GetFullTitle(), QStringLiteral("B"));
    store.Update(QStringLiteral("B"), QStringLiteral("B"), QString(), {}, false, false, false, false, 1, true);
    EXPECT_TRUE(store.GetAt(0)->IsLeaveHisInfoEmpty());
}

TEST(MacroStore, CopyIsDeepAndKeepsOnlyKnownBits)
{
    CMacroStore source;
    CMacro* m = source.Add(QStringLiteral("One"), QStringLiteral("1"), {QStringLiteral("l")}, true, false, false, false,
                           5, true);
    m->SetFlags(m->GetFlags() | 0x80);
    CMacroStore copy;
    copy.Add(QStringLiteral("gone"), {}, 0);
    EXPECT_EQ(copy.CopyFrom(source), 1);
    EXPECT_EQ(copy.GetAt(0)->GetFlags(), CMacro::kEraseFirst | CMacro::kOwnStationOnly);
    EXPECT_EQ(copy.GetAt(0)->IsEnabled(), 5);
    copy.GetAt(0)->m_strTitle = QStringLiteral("Changed");
    EXPECT_EQ(source.GetAt(0)->GetFullTitle(), QStringLiteral("One"));
    QStringList titles = {QStringLiteral("stale")};
    EXPECT_EQ(copy.GetTitles(titles), 1);
    EXPECT_EQ(titles, QStringList({QStringLiteral("Changed")}));
    m->SetLeaveHisInfoEmpty(false);
    EXPECT_EQ(m->GetFlags() & CMacro::kOwnStationOnly, 0);
}

TEST(MacroStore, SortIsByteOrderAndStableSwapExchanges)
{
    CMacroStore store;
    for (const char* t : {"b", "B", "a", "b", "\xE9t\xE9"})
        store.Add(QString::fromLatin1(t), {QString::number(store.GetCount())}, 0);
    store.SortByTitle();
    QStringList titles;
    store.GetTitles(titles);
    EXPECT_EQ(titles, QStringList({QStringLiteral("B"), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("b"),
                                   QString::fromLatin1("\xE9t\xE9")}));
    // Equal titles keep their order.
    EXPECT_EQ(store.GetAt(2)->GetLines().first(), QStringLiteral("0"));
    EXPECT_EQ(store.GetAt(3)->GetLines().first(), QStringLiteral("3"));
    store.Swap(0, 1);
    EXPECT_EQ(store.GetAt(0)->GetFullTitle(), QStringLiteral("a"));
    store.Swap(0, 9); // out of range: nothing
    EXPECT_EQ(store.GetAt(0)->GetFullTitle(), QStringLiteral("a"));
}

TEST(MacroStore, DefaultFileInTheDataFolder)
{
    CMacroStore store;
    store.Add(QStringLiteral("Def"), {QStringLiteral("text")}, CMacro::kSendNow);
    store.SaveDefault();
    EXPECT_TRUE(QFile::exists(testsupport::dataFolder() + QStringLiteral("/PSK31 Brevio Macros v2.txt")));
    CMacroStore back;
    back.LoadDefault();
    ASSERT_EQ(back.GetCount(), 1);
    EXPECT_EQ(back.GetAt(0)->GetFlags(), CMacro::kSendNow);
}

} // namespace
