#include "shared/buttons/OXRoundedButton.h"

#include "shared/buttons/SphereRenderer.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

struct COXRoundedButton::WidenedMargins {
    COXRoundedButton* button;
    QSize image, text;
    explicit WidenedMargins(COXRoundedButton* b) : button(b), image(b->m_sizeImageMargin), text(b->m_sizeTextMargin)
    {
        const QSize radii = b->GetSphereRadii();
        const int d = radii.width() - radii.height();
        b->m_sizeImageMargin += QSize(d, d);
        b->m_sizeTextMargin += QSize(d, d);
    }
    ~WidenedMargins()
    {
        button->m_sizeImageMargin = image;
        button->m_sizeTextMargin = text;
    }
};

COXRoundedButton::COXRoundedButton(QWidget* parent)
    : COXBitmapButton(parent),
      m_clrSphere(ButtonFaceColour()),
      m_clrLight(fromQColor(QApplication::palette().color(QPalette::Base))),
      m_clrBackground(ButtonFaceColour())
{
}

template <typename T>
void COXRoundedButton::Store(T& member, T value, bool redraw)
{
    if (member == value)
        return;
    member = value;
    if (redraw)
        RedrawNow();
}

void COXRoundedButton::SetSphereColour(COLORREF colour, bool redraw) { Store(m_clrSphere, colour, redraw); }
void COXRoundedButton::SetLightColour(COLORREF colour, bool redraw) { Store(m_clrLight, colour, redraw); }
void COXRoundedButton::SetBackgroundColour(COLORREF colour, bool redraw) { Store(m_clrBackground, colour, redraw); }

bool COXRoundedButton::SetSphereExternalRadius(int radius, bool redraw)
{
    if (radius <= 0 || radius < m_nInternalRadius)
        return false;
    Store(m_nExternalRadius, radius, redraw);
    return true;
}

bool COXRoundedButton::SetSphereInternalRadius(int radius, bool redraw)
{
    if (radius < 0 || radius > m_nExternalRadius)
        return false;
    Store(m_nInternalRadius, radius, redraw);
    return true;
}

void COXRoundedButton::SetLightStrength(float value, bool redraw) { Store(m_fLightStrength, value, redraw); }
void COXRoundedButton::SetLightTilt(float degrees, bool redraw) { Store(m_fLightTilt, degrees, redraw); }
void COXRoundedButton::SetLightAzimuth(float degrees, bool redraw) { Store(m_fLightAzimuth, degrees, redraw); }
void COXRoundedButton::SetShininess(int value, bool redraw) { Store(m_nShininess, value, redraw); }
void COXRoundedButton::SetSpecularFactor(float value, bool redraw) { Store(m_fSpecularFactor, value, redraw); }
void COXRoundedButton::SetDiffuseFactor(float value, bool redraw) { Store(m_fDiffuseFactor, value, redraw); }
void COXRoundedButton::SetAmbientFactor(float value, bool redraw) { Store(m_fAmbientFactor, value, redraw); }

QSize COXRoundedButton::GetSphereRadii() const
{
    const int half = std::min(width(), height()) / 2;
    const int external = m_nExternalRadius > 0 ? m_nExternalRadius : 1;
    const int internal = m_nInternalRadius > 0 ? m_nInternalRadius : 0;
    return {std::min(external, half), std::min(internal, half)};
}

COXRoundedButton::SphereLook COXRoundedButton::GetSphereLook(unsigned itemState) const
{
    const QSize radii = GetSphereRadii();
    SphereLook look{radii.width(), radii.height(), m_fLightAzimuth, m_fSpecularFactor};
    if ((itemState & ODS_SELECTED) || IsToggledOn()) {
        look.internalRadius = (look.externalRadius - look.internalRadius) / 3 + look.internalRadius;
        look.azimuth += 180.0f;
        look.specular = 0.0f;
    }
    return look;
}

QSize COXRoundedButton::GetFitSize()
{
    WidenedMargins widened(this);
    return COXBitmapButton::GetFitSize();
}

void COXRoundedButton::CalcLayout(unsigned itemState, const QRect& button, QRect* face, QRect* image, QRect* text)
{
    WidenedMargins widened(this);
    COXBitmapButton::CalcLayout(itemState, button, face, image, text);
}

void COXRoundedButton::DrawButtonFace(QPainter& painter, unsigned itemState, const QRect& rect)
{
    // Always the cushion, whatever the hot-track or transparent look says.
    QVector<QRgb> palette;
    DrawSphere(painter, rect, itemState, &palette);
}

void COXRoundedButton::DrawSphere(QPainter& painter, const QRect& face, unsigned itemState, QVector<QRgb>* palette)
{
    const SphereLook look = GetSphereLook(itemState);
    CSphereRenderer renderer;
    renderer.Render(painter, face.x(), face.y(), face.width(), face.height(), look.externalRadius,
                    look.internalRadius, palette, m_clrSphere, m_clrLight, m_fLightTilt, look.azimuth,
                    m_fLightStrength, m_nShininess, look.specular, m_fDiffuseFactor, m_fAmbientFactor,
                    m_clrBackground);
}

void COXRoundedButton::DrawFocusRectangle(QPainter& painter, unsigned itemState, const QRect& button, QRect second)
{
    QRect text;
    CalcLayout(itemState, button, nullptr, &second, &text);
    QRect focus;
    if (!text.isEmpty())
        focus = text.adjusted(-4, -4, 4, 4);
    else if (!second.isEmpty())
        focus = second;
    else
        return;
    QStyleOptionFocusRect opt;
    opt.initFrom(this);
    opt.rect = focus;
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &opt, &painter, this);
}
