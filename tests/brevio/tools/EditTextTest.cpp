// Adding and deleting edit lines, and an edit's text to and from a file.
#include "brevio/tools/EditText.h"

#include "support/ScriptedPrompter.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <gtest/gtest.h>

using testsupport::prompter;

namespace {

QStringList Lines(const QPlainTextEdit& edit)
{
    QStringList lines;
    GetEditLines(&edit, lines);
    return lines;
}

TEST(EditText, AppendStartsAnEmptyEditOrAddsALine)
{
    QPlainTextEdit edit;
    AppendEditLine(&edit, QStringLiteral("first"));
    EXPECT_EQ(edit.toPlainText(), QStringLiteral("first"));
    AppendEditLine(&edit, QStringLiteral("second"));
    EXPECT_EQ(Lines(edit), (QStringList{"first", "second"}));
    AppendEditLine(&edit, QString());
    EXPECT_EQ(Lines(edit), (QStringList{"first", "second", ""}));
}

TEST(EditText, DeleteRemovesLinesFromTheCaretAndKeepsTheView)
{
    QPlainTextEdit edit;
    edit.resize(200, 60);
    QStringList many;
    for (int i = 0; i < 40; ++i)
        many << QStringLiteral("line %1").arg(i);
    SetEditLines(&edit, many);
    edit.show();
    edit.verticalScrollBar()->setValue(10);
    const int firstVisible = edit.verticalScrollBar()->value();
    QTextCursor caret(edit.document()->findBlockByNumber(12));
    edit.setTextCursor(caret);
    edit.verticalScrollBar()->setValue(firstVisible);
    EXPECT_EQ(DeleteEditLines(&edit, 3), 1);
    const QStringList lines = Lines(edit);
    ASSERT_EQ(lines.size(), 37);
    EXPECT_EQ(lines[11], QStringLiteral("line 11"));
    EXPECT_EQ(lines[12], QStringLiteral("line 15"));
    EXPECT_EQ(edit.verticalScrollBar()->value(), firstVisible);
    // More lines than are left: to the end.
    edit.setTextCursor(QTextCursor(edit.document()->findBlockByNumber(35)));
    DeleteEditLines(&edit, 10);
    EXPECT_EQ(Lines(edit).size(), 35);
    EXPECT_EQ(Lines(edit).last(), QStringLiteral("line 37"));
}

TEST(EditText, SavedAndLoadedThroughTheTextChoosers)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("beacon.txt"));
    prompter().clear();
    QPlainTextEdit edit;
    SetEditLines(&edit, {QStringLiteral("CQ CQ"), QStringLiteral("de G0XYZ"), QString()});
    SaveEditTextToFile(nullptr, &edit, QStringLiteral("/some/folder/PSK31 Beacon.txt"));  // cancelled
    EXPECT_FALSE(QFile::exists(path));
    prompter().m_files.push_back(path);
    SaveEditTextToFile(nullptr, &edit, QStringLiteral("PSK31 Beacon.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("CQ CQ\r\nde G0XYZ\r\n"));
    file.close();
    EXPECT_TRUE(prompter().m_chooserFilters.value(0).contains(QStringLiteral("TXT")));

    QPlainTextEdit other;
    other.setPlainText(QStringLiteral("untouched"));
    EXPECT_EQ(LoadEditTextFromFile(nullptr, &other, QStringLiteral("PSK31 Beacon.txt")), 0);
    EXPECT_EQ(other.toPlainText(), QStringLiteral("untouched"));
    prompter().m_files.push_back(path);
    EXPECT_EQ(LoadEditTextFromFile(nullptr, &other), 1);
    // A line end closes a line; the file holds two.
    EXPECT_EQ(Lines(other), (QStringList{"CQ CQ", "de G0XYZ"}));
    prompter().clear();
}

} // namespace
