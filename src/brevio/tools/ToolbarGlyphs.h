#pragma once
// The pictures of the managers' toolbars: small glyphs drawn in code.
#include <QColor>
#include <QImage>
#include <QString>

QImage ToolbarGlyph(const QString& strText, QColor colour);
