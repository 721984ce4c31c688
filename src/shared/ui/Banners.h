#pragma once
// The pieces that show the program's identity: the version banner painted
// on the main window's background, the credits panel of the start-up dialog,
// a static that composes a tiled background, and a status bar that carries
// a marquee.
#include <QFont>
#include <QImage>
#include <QLabel>
#include <QStatusBar>
#include <QStringList>

class CMarquee;
class QPainter;

// Fonts of these pieces: "MS Sans Serif" with a cell height of
// point size x the device's vertical resolution / 72 (rounded).
QFont BannerFont(const QWidget* pWnd, int nPointSize, int nWeight);
int BannerFontHeight(const QWidget* pWnd, int nPointSize);

class CVersionBanner {
public:
    CVersionBanner();
    ~CVersionBanner();

    static void LoadBackground(QImage& bitmap);
    void Draw(QWidget* pWnd, QPainter& dc, int nWidth, int nHeight, bool bWithText, bool bExtraLines);
    void CreateTextFont(QWidget* pWnd);
    void BuildLines(bool bExtraLines);

    const QStringList& Lines() const { return m_lines; }
    int GetFontHeight() const { return m_nFontHeight; }
    int GetTotalTextHeight() const { return m_nTotalTextHeight; }
    int GetWidestLine() const { return m_nWidestLine; }

private:
    int m_nFontHeight = 0;
    int m_nTotalTextHeight = 0;
    int m_nWidestLine = 0;
    QStringList m_lines;
    QFont m_font;
};

class CCreditsStatic : public QLabel {
    Q_OBJECT
public:
    explicit CCreditsStatic(QWidget* parent = nullptr);
    ~CCreditsStatic() override;

    // Where the extra tile goes: both coordinates from the height.
    static QPoint ExtraTilePosition(const QSize& client, const QSize& tile);
    const QStringList& Lines() const { return m_lines; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void CreateFonts();

    bool m_bFonts = false;
    int m_nFontHeights[4] = {0, 0, 0, 0};
    QFont m_fonts[4];
    unsigned m_colours[4] = {0, 0, 0, 0};
    QStringList m_lines;
    QList<unsigned> m_lineFonts;
};

// A static whose picture is a three-by-three tiling of the background tile
// (composed in memory; it paints nothing itself).
class CBannerStatic : public QLabel {
    Q_OBJECT
public:
    explicit CBannerStatic(QWidget* parent = nullptr);
    const QImage& Composition() const { return m_composition; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_composition;
};

// A status bar carrying a marquee over its whole client area.
class CMarqueeStatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit CMarqueeStatusBar(QWidget* parent = nullptr);
    ~CMarqueeStatusBar() override;
    void SetItems(const QStringList& items);
    CMarquee* GetMarquee() const { return m_pMarquee; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    CMarquee* m_pMarquee;
};
