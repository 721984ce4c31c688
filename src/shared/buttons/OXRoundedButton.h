#pragma once
// The bitmap button with a shaded, rounded cushion for a face: a flat top
// inside a quarter-round bevel, lit from the top left. The front panel's
// round buttons are these.
#include "shared/buttons/OXBitmapButton.h"

class COXRoundedButton : public COXBitmapButton {
    Q_OBJECT
public:
    explicit COXRoundedButton(QWidget* parent = nullptr);

    void SetSphereColour(COLORREF colour, bool redraw = true);
    COLORREF GetSphereColour() const { return m_clrSphere; }
    void SetLightColour(COLORREF colour, bool redraw = true);
    COLORREF GetLightColour() const { return m_clrLight; }
    void SetBackgroundColour(COLORREF colour, bool redraw = true);
    COLORREF GetBackgroundColour() const { return m_clrBackground; }
    // Refused (FALSE) when not above 0 or below the internal radius.
    bool SetSphereExternalRadius(int radius, bool redraw = true);
    int GetSphereExternalRadius() const { return m_nExternalRadius; }
    // Refused (FALSE) when negative or above the external radius.
    bool SetSphereInternalRadius(int radius, bool redraw = true);
    int GetSphereInternalRadius() const { return m_nInternalRadius; }
    void SetLightStrength(float value, bool redraw = true);
    void SetLightTilt(float degrees, bool redraw = true);
    void SetLightAzimuth(float degrees, bool redraw = true);
    void SetShininess(int value, bool redraw = true);
    void SetSpecularFactor(float value, bool redraw = true);
    void SetDiffuseFactor(float value, bool redraw = true);
    void SetAmbientFactor(float value, bool redraw = true);

    // The radii in effect: (external, internal), each within half the
    // smaller side of the button.
    QSize GetSphereRadii() const;

    // What a face in that state is shaded with: pushed and toggled-on faces
    // have a wider flat top, the light from the opposite side and no
    // highlight.
    struct SphereLook {
        int externalRadius;
        int internalRadius;
        float azimuth;
        float specular;
    };
    SphereLook GetSphereLook(unsigned itemState) const;

    QSize GetFitSize() override;
    void CalcLayout(unsigned itemState, const QRect& button, QRect* face, QRect* image, QRect* text) override;
    void DrawButtonFace(QPainter& painter, unsigned itemState, const QRect& rect) override;
    void DrawFocusRectangle(QPainter& painter, unsigned itemState, const QRect& button, QRect second) override;
    virtual void DrawSphere(QPainter& painter, const QRect& face, unsigned itemState, QVector<QRgb>* palette);

private:
    template <typename T>
    void Store(T& member, T value, bool redraw);
    // Image and text stay on the flat top while laying out.
    struct WidenedMargins;

    COLORREF m_clrSphere;
    COLORREF m_clrLight;
    COLORREF m_clrBackground;
    int m_nExternalRadius = 8;
    int m_nInternalRadius = 3;
    float m_fLightStrength = 1.3f;
    float m_fLightTilt = 60.0f;
    float m_fLightAzimuth = -45.0f;
    int m_nShininess = 15;
    float m_fSpecularFactor = 0.6f;
    float m_fDiffuseFactor = 0.5f;
    float m_fAmbientFactor = 0.9f;
};
