#include "brevio/core/RtfWriter.h"

#include <QColor>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

namespace {
QByteArray Escape(const QString& text)
{
    QByteArray out;
    for (QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c == QChar::ObjectReplacementCharacter)
            continue;  // pictures stay in the window
        if (c == u'\\' || c == u'{' || c == u'}') {
            out += '\\';
            out += char(c);
        } else if (c == u'\t') {
            out += "\\tab ";
        } else if (c == 0x2028) {
            out += "\\line ";
        } else if (c < 0x80) {
            out += char(c);
        } else if (c < 0x100) {
            out += QByteArray("\\'") + QByteArray::number(int(c), 16).rightJustified(2, '0');
        } else {
            out += "\\u" + QByteArray::number(int(int16_t(c))) + "?";
        }
    }
    return out;
}
} // namespace

QByteArray CRtfWriter::Write(const QTextDocument& document)
{
    QStringList fonts;
    QList<QRgb> colours;
    QByteArray body;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const int indent = int(block.blockFormat().leftMargin() * 15);
        body += "\\pard";
        if (indent > 0)
            body += "\\li" + QByteArray::number(indent);
        body += ' ';
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            const QTextCharFormat f = fragment.charFormat();
            const QStringList families = f.fontFamilies().toStringList();
            const QString family = families.isEmpty() ? QStringLiteral("Courier New") : families.first();
            if (!fonts.contains(family))
                fonts.append(family);
            const QRgb rgb = f.foreground().color().rgb();
            if (!colours.contains(rgb))
                colours.append(rgb);
            const double points = f.fontPointSize() > 0 ? f.fontPointSize() : 10;
            body += "{\\f" + QByteArray::number(fonts.indexOf(family)) + "\\fs" +
                    QByteArray::number(int(points * 2 + 0.5)) + "\\cf" + QByteArray::number(colours.indexOf(rgb) + 1);
            if (f.fontWeight() >= QFont::Bold)
                body += "\\b";
            if (f.fontItalic())
                body += "\\i";
            if (f.fontUnderline())
                body += "\\ul";
            if (f.fontStrikeOut())
                body += "\\strike";
            body += ' ' + Escape(fragment.text()) + '}';
        }
        if (block.next().isValid())
            body += "\\par\r\n";
    }
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl";
    if (fonts.isEmpty())
        fonts.append(QStringLiteral("Courier New"));
    for (int i = 0; i < fonts.size(); ++i)
        out += "{\\f" + QByteArray::number(i) + "\\fnil " + Escape(fonts[i]) + ";}";
    out += "}{\\colortbl ;";
    for (QRgb c : colours)
        out += "\\red" + QByteArray::number(qRed(c)) + "\\green" + QByteArray::number(qGreen(c)) + "\\blue" +
               QByteArray::number(qBlue(c)) + ";";
    out += "}\r\n" + body + "\r\n}\r\n";
    return out;
}
