#pragma once
// A small writer of rich text: the plain text of a document with its runs of
// font, colour, bold, italic, underline and strikeout, and paragraph indents.
#include <QByteArray>

class QTextDocument;

class CRtfWriter {
public:
    static QByteArray Write(const QTextDocument& document);
};
