#pragma once
// Sizing bars with a visible handle while docked: CSizingControlBarG draws a
// band with two raised grip lines and a small close button that hides the
// bar; CSizingControlBarCF draws a caption band in the caption colours with
// the bar's title instead, shown active while the focus is inside the bar.
// The band runs along the left side of a bar docked at the top or bottom and
// along the top of one docked at the left or right. A floating bar shows
// neither: its frame's own caption takes over.
#include "shared/WinTypes.h"
#include "shared/sizingbar/SizingControlBar.h"

#include <QMetaObject>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

class QPainter;
class QWidget;

// Window hit-test codes the bars answer.
constexpr int HTCLIENT = 1;
constexpr int HTCLOSE = 20;

// The small close button of the band: not a window, drawn by the bar.
class CBarCloseButton {
public:
    bool m_bPushed = false;
    bool m_bHot = false;
    QPoint m_ptOrigin;

    QRect GetRect() const { return QRect(m_ptOrigin, QSize(11, 11)); }
    void Move(QPoint ptTo) { m_ptOrigin = ptTo; }
    void Paint(QPainter* pDC) const;
};

class CSizingControlBarG : public CSizingControlBar {
    Q_OBJECT
public:
    explicit CSizingControlBarG(QWidget* pParent = nullptr);
    ~CSizingControlBarG() override;

    virtual bool ShowsGripper() const { return !IsFloatingBar(); }
    void OnUpdateCmdUI() override;
    void PaintGrip(QPainter* pDC, const QRect& rectClient) override;
    QRect CalcClientArea(const QRect& rectWindow, unsigned nDockBarId) override;

    // HTCLOSE over the close button, else HTCLIENT (screen point).
    int NcHitTest(QPoint ptScreen) const;
    const CBarCloseButton& CloseButton() const { return m_btnClose; }
    // The band widget (the dock's title bar while docked).
    QWidget* GripperWidget() const { return m_pBand; }

    int m_cyGripArea = 12;

protected:
    void UpdateDecoration() override;
    // The close button was released on: the frame hides the bar.
    virtual void OnCloseButton();

    CBarCloseButton m_btnClose;

private:
    friend class CGripperBand;
    QWidget* m_pBand = nullptr;
};

class CSizingControlBarCF : public CSizingControlBarG {
    Q_OBJECT
public:
    explicit CSizingControlBarCF(QWidget* pParent = nullptr);
    ~CSizingControlBarCF() override;

    void OnUpdateCmdUI() override;
    void PaintGrip(QPainter* pDC, const QRect& rectClient) override;

    bool IsFocusInside() const { return m_bFocusInside; }
    QString CaptionFontFace() const { return m_strCaptionFont; }
    // "Tahoma" where the system has it, else "Arial".
    static QString ChooseCaptionFont(const QStringList& families);
    // The system's gradient-caption setting.
    static bool GradientCaptions();
    static void SetGradientCaptions(bool bOn);

protected:
    bool m_bFocusInside = false;
    QString m_strCaptionFont;

private:
    QMetaObject::Connection m_focusConnection;
};
