#pragma once
// The program's own progress bar: keeps the progress control's range and
// position but paints itself (gradient or solid fill, optional picture,
// caption or percentage, optional 3-D border, or a slim track look).
#include "shared/WinTypes.h"

#include <QImage>
#include <QProgressBar>

class CBarMeter : public QProgressBar {
    Q_OBJECT
public:
    explicit CBarMeter(QWidget* parent = nullptr);
    ~CBarMeter() override;

    void SetRange(int nLower, int nUpper);
    void SetPos(int nPos);
    void SetStep(int nStep);
    void StepIt();
    int GetPos() const { return m_nPos; }
    int GetLower() const { return m_nLower; }
    int GetUpper() const { return m_nUpper; }

    void SetText(const QString& strText);
    void SetShowText(bool bShow);
    void SetTextColour(COLORREF colour);
    void SetTextAlignment(int nAlign) { m_nTextAlign = nAlign; }
    void SetTrackStyle(bool bTrack) { m_bTrackStyle = bTrack; }
    void SetBorderWidth(int nWidth) { m_nBorderWidth = nWidth; }
    void SetPicture(int nResourceId, COLORREF transparent, int nLeftOffset);
    void SetMessages(unsigned nButtonDown, unsigned nDoubleClick, unsigned nButtonUp);
    void SetColours(COLORREF start, COLORREF end, COLORREF background);

    void SetColourScheme(int nScheme, bool bFlag);
    void SetCaptionColours(bool bFlag) { SetColourScheme(0, bFlag); }
    // The name the digital-mode program's callers use for the same thing.
    void DrawBackground(int nScheme, bool bFlag) { SetColourScheme(nScheme, bFlag); }

    void Initialise();
    void Redraw();

    COLORREF GetStartColour() const { return m_colStart; }
    COLORREF GetEndColour() const { return m_colEnd; }
    COLORREF GetBackgroundColour() const { return m_colBackground; }
    COLORREF GetTextColour() const { return m_colText; }
    int GetColourSteps() const { return m_nColourSteps; }
    bool IsInitialised() const { return m_bInitialised; }

    // Layout arithmetic, shared by painting and tests.
    static int ColourStepsForDepth(int nBitsPerPixel) { return nBitsPerPixel > 8 ? 256 : 16; }
    // Filled length of a bar of the given width; an empty or inverted range
    // gives an empty bar.
    static int FilledLength(int nPos, int nLower, int nUpper, int nWidth);
    // The text shown when no caption is set: "%.0f%%" of position x 100 / upper.
    static QString PercentText(int nPos, int nLower, int nUpper);
    // Number of colour bands a gradient from start to end uses.
    static int GradientBands(COLORREF start, COLORREF end, int nColourSteps);
    static COLORREF BandColour(COLORREF start, COLORREF end, int nBand, int nBands);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void Draw(QPainter& painter);
    void DrawBorder(QPainter& painter, const QRect& rect);
    void DrawText(QPainter& painter, const QRect& bar, int nPictureRight, int nFilledRight, bool bTrack);

    int m_nTextAlign = 1;
    bool m_bInitialised = false;
    bool m_bShowText = false;
    bool m_bTrackStyle = false;
    int m_nLower = 0;
    int m_nUpper = 100;
    int m_nStep = 10;
    int m_nPos = 0;
    int m_nColourSteps = 0;
    int m_nBorderWidth = 0;
    int m_nPictureId = 0;
    COLORREF m_colPictureTransparent = 0;
    int m_nPictureOffset = 0;
    unsigned m_nMsgButtonDown = 0;
    unsigned m_nMsgDoubleClick = 0;
    unsigned m_nMsgButtonUp = 0;
    COLORREF m_colStart = 0;
    COLORREF m_colEnd = 0;
    COLORREF m_colBackground = 0;
    COLORREF m_colText = 0;
    QString m_strCaption;
    QImage m_picture;
};
