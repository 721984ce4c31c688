#include "shared/ui/ListExport.h"
#include "shared/ui/OwnListCtrl.h"

#include <gtest/gtest.h>

TEST(ListExport, TableFromAList)
{
    COwnListCtrl list;
    list.SetColumns({{"Name", LVCFMT_LEFT}, {"Value", LVCFMT_RIGHT}});
    list.InsertItem(0, "abc");
    list.SetItemText(0, 1, "7");
    const CListExport lines(list);
    EXPECT_EQ(lines, QStringList({"+--------------+", "| Name | Value |", "+--------------+", "| abc  |     7 |",
                                  "+--------------+"}));
}

TEST(ListExport, TableShapes)
{
    struct Case {
        const char* name;
        QStringList headings;
        QList<int> formats;
        QList<QStringList> rows;
        QStringList expected;
    };
    const Case cases[] = {
        {"empty list", {"A", "B"}, {0, 0}, {}, {"+-------+", "| A | B |", "+-------+", "+-------+"}},
        {"no columns", {}, {}, {{}, {}}, {"+", "|", "+", "|", "|", "+"}},
        {"long cell widens the column",
         {"N"},
         {0},
         {{"longer"}, {"x"}},
         {"+--------+", "| N      |", "+--------+", "| longer |", "| x      |", "+--------+"}},
        {"centre with odd pad: extra blank on the right",
         {"Head"},
         {2},
         {{"ab"}, {"a"}},
         {"+------+", "| Head |", "+------+", "|  ab  |", "|  a   |", "+------+"}},
        {"trailing blanks of the last cell go", {"X", "Y"}, {0, 0}, {{"1", ""}},
         {"+-------+", "| X | Y |", "+-------+", "| 1 |   |", "+-------+"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CListExport::BuildTable(c.headings, c.formats, c.rows), c.expected) << c.name;
}

TEST(ListExport, PreparedLinesAndCsvQuoting)
{
    const CListExport lines(QStringList{"one", "two"});
    EXPECT_EQ(lines, QStringList({"one", "two"}));

    struct Case {
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        {"plain", "plain"}, {"", ""}, {"a,b", "\"a,b\""}, {"\"", "\"\"\"\""}, {"say \"hi\", then", "\"say \"\"hi\"\", then\""},
    };
    for (const Case& c : cases) {
        QString field = QString::fromLatin1(c.in);
        CListExport::QuoteCsvField(field);
        EXPECT_EQ(field, QString::fromLatin1(c.out)) << c.in;
    }
}

#include "shared/TextFile.h"
#include "support/ScriptedPrompter.h"

#include <QDir>
#include <QFile>

TEST(ListExport, ShowInTheTextViewer)
{
    QString opened;
    CListExport::SetViewerLauncher([&](const QString& path) {
        opened = path;
        return true;
    });
    const CListExport lines(QStringList{"+---+", "| a |", "+---+"});
    lines.ShowInNotepad(3, "FT-817 Memory Contents.txt");
    const QString path = QDir::tempPath() + "/FT-817 Memory Contents.txt";
    EXPECT_EQ(opened, path);
    QStringList expected = lines;
    CTextFile::AddHeader(expected, 3);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes, expected.join("\r\n").toLatin1());
    EXPECT_TRUE(bytes.contains("| a |\r\n+---+"));
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());

    // Nothing to show it with: the file is written and the operator is told.
    CListExport::SetViewerLauncher([](const QString&) { return false; });
    lines.ShowInNotepad(3, "FT-817 Memory Contents.txt");
    CListExport::SetViewerLauncher({});
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].caption, QStringLiteral("Text Viewer"));
    EXPECT_TRUE(testsupport::prompter().m_boxes[0].text.endsWith(" - please contact support."));
    QFile::remove(path);
}
