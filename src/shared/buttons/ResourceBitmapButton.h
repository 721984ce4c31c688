#pragma once
// The 3-D owner-drawn button with a bitmap beside, above, below or instead
// of its text. With no mask colour the classic black, grays and white of the
// bitmap follow the system colours; otherwise the mask colour becomes the
// button face.
#include "shared/buttons/OwnerDrawButton.h"

class CResourceBitmapButton : public COwnerDrawButton {
    Q_OBJECT
public:
    enum Alignment { AlignLeft = 0, AlignRight = 1, AlignTop = 2, AlignBottom = 3, AlignCentre = 4 };

    explicit CResourceBitmapButton(QWidget* parent = nullptr);

    bool Create(const QString& caption, uint32_t style, const QRect& rect, QWidget* parent, unsigned id);
    void SetBitmap(int resourceId, COLORREF mask, int alignment);
    void SetBitmap(int resourceId, int alignment);
    void SetToolTipText(const QString& text);
    virtual void CalcLayout();

    QRect GetBitmapRect() const { return m_rcBitmap; }
    QRect GetTextRect() const { return m_rcText; }
    const QImage& GetBitmap() const { return m_bitmap; }
    int GetAlignment() const { return m_nAlignment; }

    void DrawFocusRectangle(QPainter& painter, const QRect& rect) override;
    void DrawContent(QPainter& painter, const DrawItemInfo& item, const QRect& content) override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void LoadBitmap();

    int m_nAlignment = AlignLeft;
    QImage m_bitmap;
    COLORREF m_clrMask = CLR_NOMASK;
    QRect m_rcBitmap;
    QRect m_rcBitmapSize;
    QRect m_rcText;
    QSize m_sizeMargins{5, 5};
    int m_nBitmapId = 0;
};
