#pragma once
#include <QFont>
#include <QPointer>
#include <QString>

class QWidget;

// Fonts by point size for one window: the window's screen gives the
// vertical resolution that turns points into pixels. The design's faces
// ("Microsoft Sans Serif", "Small Fonts", "Courier New", "Courier") are
// asked for by name; a substitution table maps them to installed families.
class CFontFactory {
public:
    enum Pitch { DEFAULT_PITCH = 0, FIXED_PITCH = 1, VARIABLE_PITCH = 2 };
    enum Family { FF_SWISS = 0x20 };
    enum Weight { FW_DONTCARE = 0, FW_NORMAL = 400, FW_BOLD = 700 };

    explicit CFontFactory(QWidget* pWnd);

    QFont CreatePointFont(const QString& strFace, int nPoints, bool bBold, bool bItalic) const;
    // Escapement and orientation in tenths of a degree: a QFont has no
    // angle, so the caller rotates its painter by the escapement it asked for.
    QFont CreatePointFontEx(const QString& strFace, int nPoints, bool bBold, bool bItalic, int nEscapement,
                            int nOrientation) const;
    QFont CreateCourier(int nPoints, bool bBold) const;
    QFont CreateCourierNew(int nPoints, bool bBold) const;
    QFont CreateSansSerif(int nPoints, bool bBold) const;
    QFont CreateSmallFonts(int nPoints) const;
    QFont CreateCourier10() const { return CreateCourier(10, false); }
    QFont GetCourier10() const { return CreateCourier10(); }

    // The logical font height: -(points x dots per inch / 72), rounded.
    static int HeightForPoints(int nPoints, int nDpi);
    int GetLogPixelsY() const;

    static void InstallSubstitutions();

private:
    QFont Make(const QString& strFace, int nPoints, int nWeight, bool bItalic, int nPitchAndFamily,
               int nEscapement = 0, int nOrientation = 0) const;

    QPointer<QWidget> m_pWnd;
};
