#include "brevio/core/BitmapDataObject.h"
#include "brevio/core/EmoticonReplacer.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFragment>
#include <QTextImageFormat>
#include <gtest/gtest.h>

namespace {
// The received text so far in a window, appended at the end as the receive path does.
struct Window {
    QTextEdit edit;
    explicit Window(const QString& text)
    {
        QTextCursor c(edit.document());
        c.insertText(text);
        c.movePosition(QTextCursor::End);
        edit.setTextCursor(c);
    }
    QString Text() const { return edit.toPlainText(); }
    int Pictures() const
    {
        int n = 0;
        for (QTextBlock b = edit.document()->begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it)
                n += it.fragment().charFormat().isImageFormat() ? 1 : 0;
        return n;
    }
};
const QChar kPicture(QChar::ObjectReplacementCharacter);
} // namespace

TEST(EmoticonReplacer, TableMatchesOnlyWhatEndsTheRecentText)
{
    struct Case {
        const char* recent;
        int row;
    };
    const Case cases[] = {
        {"a:)", 0},  {":-)", 1}, {":(", 2},  {"x:-(", 3}, {":@", 4},  {"::-@", 5}, {"ok :-D", 6},
        {";)", -1},  {":P", -1}, {":D", -1}, {":-d", -1}, {")", -1},  {"", -1},    {":) ", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CEmoticonReplacer::Match(QString::fromLatin1(c.recent)), c.row) << c.recent;
    EXPECT_EQ(CEmoticonReplacer::BitmapId(0), 216);
    EXPECT_EQ(CEmoticonReplacer::BitmapId(3), 740);
    EXPECT_EQ(CEmoticonReplacer::BitmapId(5), 744);
    EXPECT_EQ(CEmoticonReplacer::BitmapId(6), 741);
}

TEST(EmoticonReplacer, ReplacesTheTextByOnePicture)
{
    struct Case {
        const char* text;
        int result;
        const char* left;
    };
    for (const Case& c : {Case{"hello a:)", -1, "hello a"}, Case{"hi :-)", -2, "hi "}, Case{"no :-D", -2, "no "},
                          Case{"grr :@", -1, "grr "}}) {
        Window w(QString::fromLatin1(c.text));
        CEmoticonReplacer replacer;
        EXPECT_EQ(replacer.Replace(w.Text().right(5), &w.edit), c.result) << c.text;
        EXPECT_EQ(w.Text(), QString::fromLatin1(c.left) + kPicture);
        EXPECT_EQ(w.Pictures(), 1);
        // The caret stays after the picture, where the next character goes.
        EXPECT_EQ(w.edit.textCursor().position(), int(w.Text().size()));
    }
}

TEST(EmoticonReplacer, NonEmoticonsAndShortTextAreLeftAlone)
{
    for (const char* text : {"wink ;)", "tongue :P", "big :D", "small :-d", ")"}) {
        Window w(QString::fromLatin1(text));
        CEmoticonReplacer replacer;
        EXPECT_EQ(replacer.Replace(w.Text().right(3), &w.edit), 0) << text;
        EXPECT_EQ(w.Text(), QString::fromLatin1(text));
        EXPECT_EQ(w.Pictures(), 0);
    }
}

TEST(EmoticonReplacer, PicturesAndDataObject)
{
    for (int id : {216, 740, 741, 744}) {
        const QImage image = CEmoticonReplacer::LoadBitmap(id);
        EXPECT_EQ(image.size(), QSize(16, 16)) << id;
    }
    EXPECT_TRUE(CEmoticonReplacer::LoadBitmap(1).isNull());
    // Each picture looks different.
    EXPECT_NE(CEmoticonReplacer::LoadBitmap(216), CEmoticonReplacer::LoadBitmap(740));
    EXPECT_NE(CEmoticonReplacer::LoadBitmap(741), CEmoticonReplacer::LoadBitmap(744));

    CBitmapDataObject data;
    QImage out;
    EXPECT_FALSE(data.GetData(out));
    data.SetBitmap(CEmoticonReplacer::LoadBitmap(216));
    ASSERT_TRUE(data.GetData(out));
    EXPECT_EQ(out, CEmoticonReplacer::LoadBitmap(216));

    // A bitmap that does not exist inserts nothing.
    Window w("abc");
    CEmoticonReplacer replacer;
    EXPECT_FALSE(replacer.InsertBitmap(&w.edit, 12345));
    EXPECT_EQ(w.Text(), QStringLiteral("abc"));
}
