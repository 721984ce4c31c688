#pragma once
// The owner-drawn picture button of both programs: an image and a text in
// one face, a tooltip part kept after a newline in the window text, a flat
// hot-track look, a transparent look, toggle and drop-down behaviour, a
// pseudo-disabled mode (looks and acts disabled, keeps its tooltip), and an
// optional animation clip played when the mouse enters. Drawing runs through
// virtual steps that subclasses replace one by one.
#include "shared/WinTypes.h"
#include "shared/buttons/BitmapButtonLayout.h"
#include "shared/buttons/ButtonStyles.h"

#include <QCursor>
#include <QImage>
#include <QPointer>
#include <QPushButton>
#include <QVector>
#include <vector>

class QLabel;
class QMenu;
class QTimer;

class COXBitmapButton : public QPushButton {
    Q_OBJECT
public:
    explicit COXBitmapButton(QWidget* parent = nullptr);
    ~COXBitmapButton() override;

    // Images (normal, inactive gray, embossed disabled), from our artwork.
    bool LoadBitmap(const QString& resourceName, bool resize = false, COLORREF mask = CLR_NOMASK);
    bool LoadBitmapResource(int resourceId, bool resize = false, COLORREF mask = CLR_NOMASK);
    bool LoadInactiveBitmap(const QString& resourceName);
    bool LoadDisabledBitmap(const QString& resourceName);
    bool LoadIcon(const QString& resourceName, bool resize = false, int width = 0, int height = 0);
    bool LoadInactiveIcon(const QString& resourceName, int width = 0, int height = 0);
    bool LoadDisabledIcon(const QString& resourceName, int width = 0, int height = 0);
    bool LoadAnimation(int resourceId, const QString& resourceName = QString(), bool resize = false);
    bool RemoveImage(bool resize = false);
    // Colour table of the loaded image (8 bits per pixel or less), else empty.
    QVector<QRgb> GetPalette() const { return m_palette; }
    int GetImageCount() const { return int(m_images.size()); }
    QImage GetImage(int index) const;

    // Look and text.
    bool SetHotTrack(bool hotTrack);
    bool IsHotTrack() const { return m_bHotTrack; }
    void SetTransparentLook(bool transparent);
    bool IsTransparentLook() const { return m_bTransparent; }
    void SetLookFlag(bool useDisabledImage) { m_bUseDisabledImage = useDisabledImage; }
    void SetHorizontalAlignment(uint32_t alignment);
    uint32_t GetHorizontalAlignment() const;
    void SetVerticalAlignment(uint32_t alignment);
    uint32_t GetVerticalAlignment() const;
    void SetTextColour(COLORREF colour);
    // Room kept around the text; negative values let it reach past the face.
    void SetTextMargin(QSize margin) { m_sizeTextMargin = margin; update(); }
    QSize GetTextMargin() const { return m_sizeTextMargin; }
    COLORREF GetTextColour() const { return m_clrText; }
    void SetTextFont(const QFont& font);
    QFont GetTextFont() const { return font(); }
    // The window text: button text, then "\n" and the tooltip text.
    void SetWindowText(const QString& text);
    QString GetWindowText() const { return m_strWindowText; }
    void SetButtonText(const QString& text);
    QString GetButtonText() const;
    void SetToolTipText(const QString& text);
    QString GetToolTipText() const;
    bool EnableToolTip(bool enable);
    bool IsToolTipEnabled() const { return m_bToolTip; }
    // Cursor pictures by resource id (0: none); FALSE when there is no such
    // cursor.
    bool SetEnabledCursor(int cursorId);
    bool SetDisabledCursor(int cursorId);
    int GetEnabledCursor() const { return m_nEnabledCursorId; }
    int GetDisabledCursor() const { return m_nDisabledCursorId; }

    // The window style word (BS_ bits) as a dialog template would give it.
    uint32_t GetStyle() const { return m_dwStyle; }
    void ModifyStyle(uint32_t remove, uint32_t add);

    // State, styles and behaviour.
    void SetExtendedStyle(uint32_t style, bool redraw = true);
    uint32_t GetExtendedStyle() const { return m_dwExtendedStyle; }
    bool IsDropDown() const { return m_dwExtendedStyle & BBS_DROPDOWN; }
    bool HasDropDownArrow() const { return IsDropDown() && !(m_dwExtendedStyle & BBS_NOARROW); }
    bool IsToggle() const { return m_dwExtendedStyle & BBS_TOGGLE; }
    void SetToggleState(uint32_t state, bool redraw = true);
    uint32_t GetToggleState() const { return m_dwToggleState; }
    bool IsToggledOn() const { return m_dwToggleState & BBST_ON; }
    bool IsIndeterminate() const { return m_dwToggleState & BBST_INDETERMINATE; }
    bool AdvanceToggleState();
    // A null menu removes it; an owned menu is deleted with the button.
    void SetDropDownMenu(QMenu* menu, bool owns = true);
    QMenu* GetDropDownMenu() const;
    void SetPseudoDisabled(bool pseudoDisabled);
    bool IsPseudoDisabled() const { return m_bPseudoDisabled; }
    // Use these, not setEnabled, so that pseudo-disabled mode holds.
    bool Enable(bool enable = true);
    bool IsEnabled() const;
    // BM_CLICK: a click as the program gives it.
    void Click();

    // Drawing steps and sizes.
    virtual void SizeToContent();
    virtual QSize GetFitSize();
    virtual QSize GetArrowSize();
    virtual void CalcLayout(unsigned itemState, const QRect& button, QRect* face, QRect* image, QRect* text);
    virtual QVector<QRgb> SelectDrawPalette(QPainter& painter, unsigned itemState, const QRect& rect);
    virtual void DrawButtonFace(QPainter& painter, unsigned itemState, const QRect& rect);
    virtual void DrawImage(QPainter& painter, unsigned itemState, const std::vector<QImage>& images,
                           const QRect& rect);
    virtual void DrawButtonText(QPainter& painter, unsigned itemState, const QString& text, const QRect& rect);
    virtual void DrawFocusRectangle(QPainter& painter, unsigned itemState, const QRect& button, QRect second);
    virtual void RestoreDrawPalette(QPainter& painter, unsigned itemState, const QRect& rect,
                                    const QVector<QRgb>& previous);
    virtual int GetArrowWidth();
    virtual void DrawArrow(QPainter& painter, unsigned itemState, QRect rect);
    virtual void ShowDropDownMenu();
    virtual void OnToggle();
    virtual bool OnReflectedClick();
    // The whole button into a painter (what paintEvent does).
    void DrawItem(QPainter& painter, unsigned itemState, const QRect& rect);
    unsigned ItemState() const;
    bool IsMouseOver() const { return m_bMouseOver; }
    bool IsAnimationPlaying() const { return m_bAnimationPlaying; }
    QWidget* GetAnimationWindow() const;

    QSize sizeHint() const override;

    // Shared button-face colour.
    static COLORREF ButtonFaceColour();

signals:
    // BBN_DROPDOWN before the menu opens, BBN_TOGGLE after a toggle click;
    // the owner vetoes by setting result non-zero.
    void notify(unsigned code, int& result);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

    BitmapButtonLayout Layout() const;
    QSize ImageSize() const;
    QSize GetTextSize(bool fitMode);
    void RedrawNow();

    // Margins the rounded button widens while it lays out.
    QSize m_sizeImageMargin{5, 3};
    QSize m_sizeTextMargin{7, 6};

private:
    void CloseAnimation();
    void PlayAnimation();
    void ApplyCursor();
    void SetHover(bool over);
    bool BuildImageList(const QImage& source, COLORREF mask, bool colourTable);
    bool ReplaceImage(int index, const QImage& image);
    QSize IconSize(int width, int height) const;

    // Animation
    QLabel* m_pAnimation = nullptr;
    QTimer* m_pAnimationTimer = nullptr;
    QImage m_animationStrip;
    int m_nAnimationFrames = 0;
    int m_nAnimationFrame = 0;
    bool m_bAnimationPlaying = false;

    std::vector<QImage> m_images;
    QVector<QRgb> m_palette;
    COLORREF m_clrText = 0;
    bool m_bToolTip = false;
    bool m_bHotTrack = false;
    bool m_bMouseOver = false;
    bool m_bButtonHeld = false;
    bool m_bUseDisabledImage = false;
    bool m_bOwnsMenu = true;
    bool m_bTransparent = false;
    int m_nEnabledCursorId = 0;
    QCursor m_enabledCursor;
    bool m_bHasEnabledCursor = false;
    int m_nDisabledCursorId = 0;
    QCursor m_disabledCursor;
    bool m_bHasDisabledCursor = false;
    bool m_bPseudoDisabled = false;
    bool m_bLogicalEnabled = true;
    bool m_bHadTabStop = false;
    bool m_bSeparator = true;
    QSize m_sizeArrowSpacing{2, 5};
    uint32_t m_dwExtendedStyle = 0;
    int m_nArrowWidth = 0;
    uint32_t m_dwToggleState = 0;
    QPointer<QMenu> m_pMenu;
    QString m_strWindowText;
    uint32_t m_dwStyle = BS_OWNERDRAW;
};

// Dialog data exchange of a toggle button: reading gives -1 for a button
// without BBS_TOGGLE, 2 when indeterminate, 1 on, 0 off; writing 1 sets on,
// 2 on and indeterminate, anything else off.
void DDX_BitmapButtonCheck(bool saveAndValidate, COXBitmapButton& button, int& value);
