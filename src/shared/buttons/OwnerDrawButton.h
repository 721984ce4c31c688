#pragma once
// An owner-drawn push button with the classic two-pixel 3-D frame, an
// engraved look while disabled and a focus indication; subclasses draw the
// content.
#include "shared/WinTypes.h"
#include "shared/buttons/ButtonStyles.h"

#include <QImage>
#include <QPushButton>

// What is being drawn, as the owner-draw record gives it.
inline constexpr unsigned ODA_DRAWENTIRE = 0x0001;
inline constexpr unsigned ODA_SELECT = 0x0002;
inline constexpr unsigned ODA_FOCUS = 0x0004;

struct DrawItemInfo {
    unsigned itemAction = ODA_DRAWENTIRE;
    unsigned itemState = 0;
    QRect rcItem;
};

class COwnerDrawButton : public QPushButton {
    Q_OBJECT
public:
    explicit COwnerDrawButton(QWidget* parent = nullptr);

    // The whole drawing sequence into a painter (paintEvent's work).
    void DrawItem(QPainter& painter, const DrawItemInfo& item);
    DrawItemInfo ItemInfo(unsigned action = ODA_DRAWENTIRE) const;

    // Returns the content rectangle inside the frame.
    virtual QRect DrawFrame(QPainter& painter, const DrawItemInfo& item);
    // Engraves the drawing of a disabled button.
    virtual void DrawDisabled(QImage& drawing, int width, int height);
    virtual void DrawFocus(QPainter& painter, const DrawItemInfo& item);
    virtual void DrawFocusRectangle(QPainter& painter, const QRect& rect) = 0;
    virtual void DrawContent(QPainter& painter, const DrawItemInfo& item, const QRect& content) = 0;
    virtual void AfterDraw(QPainter& target, QPainter* drawing);
    virtual void BeforeDraw(QPainter& target, QPainter* drawing);
    // Called when Space is released and when the left button is released
    // over the pushed button.
    virtual void OnClicked();
    // BM_SETSTYLE: adds the style bits (always owner-drawn).
    virtual void OnSetStyle(uint32_t style, bool redraw);

    uint32_t GetStyle() const { return m_dwStyle; }
    COLORREF GetFaceColour() const { return m_clrFace; }
    COLORREF GetHighlightColour() const { return m_clrHighlight; }
    COLORREF GetShadowColour() const { return m_clrShadow; }
    COLORREF GetFrameColour() const { return m_clrFrame; }
    void SetDefaultButton(bool isDefault);

    static void Draw3dRect(QPainter& painter, const QRect& rect, COLORREF topLeft, COLORREF bottomRight);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void ReadColours();

    COLORREF m_clrFace = 0;
    COLORREF m_clrHighlight = 0;
    COLORREF m_clrShadow = 0;
    COLORREF m_clrFrame = 0;
    bool m_bDefault = true;
    uint32_t m_dwStyle = BS_OWNERDRAW;
};
