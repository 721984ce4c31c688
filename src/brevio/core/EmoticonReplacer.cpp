#include "brevio/core/EmoticonReplacer.h"

#include "brevio/core/BitmapDataObject.h"

#include <QPainter>
#include <QPainterPath>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextImageFormat>
#include <QUrl>
#include <algorithm>

namespace {
struct Emoticon {
    int nBitmapId;
    const char* pszText;
    int nLength;
    bool bRemove;
};
// Searched in this order; the first text that ends the recent characters wins.
constexpr Emoticon kTable[] = {
    {216, ":)", 2, true},  {216, ":-)", 3, true}, {740, ":(", 2, true},  {740, ":-(", 3, true},
    {744, ":@", 2, true},  {744, ":-@", 3, true}, {741, ":-D", 3, true},
};
constexpr int kRows = int(sizeof(kTable) / sizeof(kTable[0]));

int TextLength(const QTextEdit* pEdit) { return pEdit->document()->characterCount() - 1; }

QImage DrawFace(QColor face, int nMouth)
{
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(96, 64, 0), 1));
    p.setBrush(face);
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QRectF(4.5, 4, 2, 3));
    p.drawEllipse(QRectF(9.5, 4, 2, 3));
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::NoBrush);
    QPainterPath mouth;
    switch (nMouth) {
    case 0:  // smile
        mouth.moveTo(4, 9.5);
        mouth.quadTo(8, 13.5, 12, 9.5);
        p.drawPath(mouth);
        break;
    case 1:  // sad
        mouth.moveTo(4, 12.5);
        mouth.quadTo(8, 8.5, 12, 12.5);
        p.drawPath(mouth);
        break;
    case 2:  // grin: an open mouth
        mouth.moveTo(3.5, 9);
        mouth.lineTo(12.5, 9);
        mouth.quadTo(8, 15, 3.5, 9);
        p.setBrush(Qt::white);
        p.drawPath(mouth);
        break;
    default:  // angry: frowning brows and a flat mouth
        p.drawLine(QPointF(3.5, 3), QPointF(7, 4.5));
        p.drawLine(QPointF(12.5, 3), QPointF(9, 4.5));
        p.drawLine(QPointF(5, 11.5), QPointF(11, 11.5));
        break;
    }
    return image;
}
} // namespace

int CEmoticonReplacer::Match(const QString& strRecent)
{
    for (int row = 0; row < kRows; ++row) {
        const Emoticon& e = kTable[row];
        if (strRecent.size() >= e.nLength && strRecent.endsWith(QLatin1String(e.pszText), Qt::CaseSensitive))
            return row;
    }
    return -1;
}

QString CEmoticonReplacer::Text(int nRow)
{
    return nRow >= 0 && nRow < kRows ? QString::fromLatin1(kTable[nRow].pszText) : QString();
}

int CEmoticonReplacer::BitmapId(int nRow) { return nRow >= 0 && nRow < kRows ? kTable[nRow].nBitmapId : 0; }

QImage CEmoticonReplacer::LoadBitmap(int nBitmapId)
{
    switch (nBitmapId) {
    case 216:
        return DrawFace(QColor(255, 220, 0), 0);
    case 740:
        return DrawFace(QColor(255, 220, 0), 1);
    case 741:
        return DrawFace(QColor(255, 220, 0), 2);
    case 744:
        return DrawFace(QColor(255, 96, 64), 3);
    default:
        return QImage();
    }
}

int CEmoticonReplacer::Replace(const QString& strRecent, QTextEdit* pEdit)
{
    const int row = Match(strRecent);
    if (row < 0 || !pEdit)
        return 0;
    const Emoticon& e = kTable[row];
    const int nStart = TextLength(pEdit);
    if (e.bRemove) {
        QTextCursor cursor(pEdit->document());
        cursor.setPosition(std::max(0, nStart - e.nLength));
        cursor.setPosition(nStart, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        pEdit->setTextCursor(cursor);
    }
    // A picture that cannot be made leaves the text removed, as it is.
    InsertBitmap(pEdit, e.nBitmapId);
    return TextLength(pEdit) - nStart;
}

bool CEmoticonReplacer::InsertBitmap(QTextEdit* pEdit, int nBitmapId)
{
    if (!pEdit)
        return false;
    CBitmapDataObject data;
    data.SetBitmap(LoadBitmap(nBitmapId));
    QImage picture;
    if (!data.GetData(picture))
        return false;
    // The document keeps its own copy under the picture's name.
    const QUrl name(QStringLiteral("emoticon:%1").arg(nBitmapId));
    pEdit->document()->addResource(QTextDocument::ImageResource, name, picture);
    QTextImageFormat format;
    format.setName(name.toString());
    format.setWidth(picture.width());
    format.setHeight(picture.height());
    QTextCursor cursor = pEdit->textCursor();
    cursor.insertImage(format);
    pEdit->setTextCursor(cursor);
    return true;
}
