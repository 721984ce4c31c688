#include "corvane/frontpanel/PanelFonts.h"

#include <QFontDatabase>
#include <QStringList>

QFont PanelFont(const QString& strFamily, int nPoints, bool bBold)
{
    const QString lower = strFamily.toLower();
    const bool fixed = lower.startsWith(QLatin1String("courier"));
    static const bool substituted = [] {
        // The Windows faces the panel was designed with, to what Linux has.
        for (const char* face : {"Microsoft Sans Serif", "MS Sans Serif", "Small Fonts", "Arial"})
            QFont::insertSubstitutions(QString::fromLatin1(face),
                                       {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
        for (const char* face : {"Courier", "Courier New", "Andale Mono"})
            QFont::insertSubstitutions(QString::fromLatin1(face),
                                       {QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono")});
        return true;
    }();
    (void)substituted;
    QFont font(strFamily);
    font.setStyleHint(fixed ? QFont::TypeWriter : QFont::SansSerif);
    font.setPointSize(nPoints > 0 ? nPoints : 8);
    font.setBold(bBold);
    return font;
}
