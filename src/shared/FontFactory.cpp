#include "shared/FontFactory.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>


CFontFactory::CFontFactory(QWidget* pWnd) : m_pWnd(pWnd)
{
    InstallSubstitutions();
}

void CFontFactory::InstallSubstitutions()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    const QStringList sans{QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                           QStringLiteral("Noto Sans"), QStringLiteral("Arial"), QStringLiteral("Helvetica")};
    const QStringList fixed{QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"),
                            QStringLiteral("Noto Sans Mono"), QStringLiteral("Courier New")};
    for (const char* face : {"Microsoft Sans Serif", "MS Sans Serif", "Small Fonts", "Arial", "Tahoma"})
        QFont::insertSubstitutions(QString::fromLatin1(face), sans);
    for (const char* face : {"Courier New", "Courier", "Lucida Console"})
        QFont::insertSubstitutions(QString::fromLatin1(face), fixed);
}

int CFontFactory::HeightForPoints(int nPoints, int nDpi)
{
    // MulDiv rounds half away from zero.
    const int64_t product = int64_t(nPoints) * nDpi;
    const int64_t rounded = product >= 0 ? (product + 36) / 72 : -((-product + 36) / 72);
    return -int(rounded);
}

int CFontFactory::GetLogPixelsY() const
{
    if (m_pWnd)
        return m_pWnd->logicalDpiY();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        return int(screen->logicalDotsPerInchY());
    return 96;
}

QFont CFontFactory::Make(const QString& strFace, int nPoints, int nWeight, bool bItalic, int nPitchAndFamily,
                         int nEscapement, int nOrientation) const
{
    QFont font(strFace);
    font.setPixelSize(std::max(1, -HeightForPoints(nPoints, GetLogPixelsY())));
    if (nWeight != FW_DONTCARE)
        font.setWeight(nWeight >= FW_BOLD ? QFont::Bold : QFont::Normal);
    font.setItalic(bItalic);
    font.setUnderline(false);
    font.setStrikeOut(false);
    if ((nPitchAndFamily & 0x03) == FIXED_PITCH) {
        font.setFixedPitch(true);
        font.setStyleHint(QFont::TypeWriter);
    } else if (nPitchAndFamily & FF_SWISS) {
        font.setStyleHint(QFont::SansSerif);
    }
    (void)nEscapement;
    (void)nOrientation;
    return font;
}

QFont CFontFactory::CreatePointFont(const QString& strFace, int nPoints, bool bBold, bool bItalic) const
{
    return Make(strFace, nPoints, bBold ? FW_BOLD : FW_NORMAL, bItalic, DEFAULT_PITCH);
}

QFont CFontFactory::CreatePointFontEx(const QString& strFace, int nPoints, bool bBold, bool bItalic,
                                      int nEscapement, int nOrientation) const
{
    return Make(strFace, nPoints, bBold ? FW_BOLD : FW_NORMAL, bItalic, DEFAULT_PITCH, nEscapement, nOrientation);
}

QFont CFontFactory::CreateCourier(int nPoints, bool bBold) const
{
    return Make(QStringLiteral("Courier"), nPoints, bBold ? FW_BOLD : FW_NORMAL, false, FIXED_PITCH);
}

QFont CFontFactory::CreateCourierNew(int nPoints, bool bBold) const
{
    return Make(QStringLiteral("Courier New"), nPoints, bBold ? FW_BOLD : FW_NORMAL, false, FIXED_PITCH);
}

QFont CFontFactory::CreateSansSerif(int nPoints, bool bBold) const
{
    return Make(QStringLiteral("Microsoft Sans Serif"), nPoints, bBold ? FW_BOLD : FW_NORMAL, false,
                int(VARIABLE_PITCH) | int(FF_SWISS));
}

QFont CFontFactory::CreateSmallFonts(int nPoints) const
{
    return Make(QStringLiteral("Small Fonts"), nPoints, FW_DONTCARE, false, int(VARIABLE_PITCH) | int(FF_SWISS));
}

