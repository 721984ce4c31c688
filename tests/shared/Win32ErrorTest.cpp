#include "shared/ui/Win32Error.h"

#include "support/ScriptedPrompter.h"

#include <cerrno>
#include <gtest/gtest.h>

TEST(Win32Error, FlattensTwoCharacterLineBreaks)
{
    struct Case {
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        {"Access is denied.\r\n", "Access is denied. "},
        {"a\n\rb", "a b"},
        {"a\rb\nc", "a\rb\nc"},        // lone breaks stay
        {"a\r\n\r\nb", "a  b"},
        {"\n\r\n", " \n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CWin32Error::Flatten(QString::fromLatin1(c.in)), QString::fromLatin1(c.out)) << c.in;
    EXPECT_EQ(CWin32Error::Flatten(QString(600, 'x')).size(), 511);
}

TEST(Win32Error, SystemAndModuleTexts)
{
    EXPECT_EQ(CWin32Error(ENOENT).GetText(), QStringLiteral("No such file or directory"));
    EXPECT_EQ(CWin32Error(987654u).GetText(), QStringLiteral("Unknown error 987654"));
    errno = EACCES;
    const CWin32Error last;
    EXPECT_EQ(last.GetCode(), uint32_t(EACCES));
    EXPECT_EQ(last.GetText(), QStringLiteral("Permission denied"));

    CMessageTable table;
    table.m_messages.insert(5, QStringLiteral("The radio did not answer.\r\n"));
    table.m_messages.insert(6, QStringLiteral("Insert %1 stays"));
    EXPECT_EQ(CWin32Error(&table, 5).GetText(), QStringLiteral("The radio did not answer. "));
    EXPECT_EQ(CWin32Error(&table, 6).GetText(), QStringLiteral("Insert %1 stays"));
    EXPECT_EQ(CWin32Error(&table, 7).GetText(), QStringLiteral("Unknown error 7"));
}

TEST(Win32Error, ShowsTheErrorBox)
{
    CWin32Error(ENOENT).Show(nullptr, "Error opening COM1");
    auto& boxes = testsupport::prompter().m_boxes;
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].text, QStringLiteral("Error opening COM1 -\nNo such file or directory"));
    EXPECT_EQ(boxes[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(boxes[0].style, int(platform::MB_OK) | int(platform::MB_ICONERROR));
}
