#pragma once
// Smileys typed by the other station become small pictures in the receive
// text: when the characters just appended end with one of seven emoticon
// texts, that text is taken off the end of the window and the picture put in
// its place.
#include <QImage>
#include <QString>

class QTextEdit;

class CEmoticonReplacer {
public:
    virtual ~CEmoticonReplacer() = default;

    // Replaces an emoticon that ends the recent characters. Answers the change
    // of the window's text length (the picture counts as one character, so -1
    // or -2), 0 when nothing matched.
    int Replace(const QString& strRecent, QTextEdit* pEdit);
    // Puts a bitmap at the window's caret as a picture; false when it could not.
    bool InsertBitmap(QTextEdit* pEdit, int nBitmapId);

    // The emoticon text ending the recent characters, as a row of the table
    // (0-6), or -1.
    static int Match(const QString& strRecent);
    static QString Text(int nRow);
    static int BitmapId(int nRow);
    // The 16 x 16 pictures 216 (smile), 740 (sad), 741 (grin) and 744 (angry);
    // a null image for any other id.
    static QImage LoadBitmap(int nBitmapId);
};
