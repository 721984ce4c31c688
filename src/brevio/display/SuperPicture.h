#pragma once
// The Super Browser's off-screen picture: channel boxes with their number
// label, text, signal bar and phase scope, the connectors from the boxes to
// the frequency scale, the ticks of channels without a box, and the
// searching screen. Drawn once a second; a received character redraws only
// its own box.
#include "shared/WinTypes.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <array>

class CPSK31Settings;

class CSuperPicture {
public:
    static constexpr int kFrames = 12;
    static constexpr int kFirstFrameResource = 715;

    CSuperPicture();

    // A new picture of that size (a side below 0 counts as 0).
    void Create(int nWidth, int nHeight);
    bool Exists() const { return !m_image.isNull(); }
    const QImage& Image() const { return m_image; }
    QSize Size() const { return m_image.size(); }

    // Colours, pens, brushes and the box font from the settings.
    void ApplyColours(const CPSK31Settings& s);
    const QFont& GetBoxFont() const { return m_boxFont; }
    void SetBoxFont(const QFont& font) { m_boxFont = font; }
    int GetFontHeight() const;
    COLORREF GetFrameColour() const { return m_colFrame; }
    COLORREF GetInsideColour() const { return m_colInside; }
    COLORREF GetTextColour() const { return m_colText; }
    COLORREF GetConnectorColour() const { return m_colConnector; }

    void Fill(COLORREF background);
    void DrawTick(int y, bool bSome);
    void DrawConnector(int yFrequency, const RECT& box);
    // The frame and contents of one box.
    struct BoxContent {
        int nDspId = 10;
        bool bAlarmHit = false;
        bool bTransmit = false;
        bool bLabel = false;
        bool bVector = false;
        bool bSignal = false;
        int nLevel = 0;
        std::array<int, 16> vectors{};
        QString strText;
    };
    void DrawBox(const RECT& box, const BoxContent& content);
    // The searching text, and with animation the frame's picture above it.
    // Answers the rectangle of the picture (empty without one).
    QRect DrawSearching(int nFrame, bool bInitialising, bool bAnimate, COLORREF background);
    static QString SearchingText(bool bInitialising);
    static QImage FrameImage(int nFrame);

    // What the channel label shows.
    static QString LabelText(int nDspId) { return QString::asprintf("[%02d]", nDspId - 9); }

private:
    QImage m_image;
    COLORREF m_colFrame;
    COLORREF m_colInside;
    COLORREF m_colText;
    COLORREF m_colConnector;
    COLORREF m_colTickNone;
    COLORREF m_colTickSome;
    COLORREF m_colSignal;
    COLORREF m_colNoSignal;
    QFont m_boxFont;
    QFont m_searchFont;
};
