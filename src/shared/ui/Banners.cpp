#include "shared/ui/Banners.h"

#include "shared/VersionInfo.h"
#include "shared/artwork/Artwork.h"
#include "shared/ui/Marquee.h"
#include "shared/ui/TransparentBitmap.h"

#include <QPainter>
#include <QResizeEvent>
#include <cmath>

int BannerFontHeight(const QWidget* pWnd, int nPointSize)
{
    const int dpi = pWnd ? pWnd->logicalDpiY() : 96;
    return int(std::lround(double(nPointSize) * dpi / 72.0));
}

QFont BannerFont(const QWidget* pWnd, int nPointSize, int nWeight)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif, QFont::PreferQuality);
    font.setPixelSize(BannerFontHeight(pWnd, nPointSize));
    font.setWeight(QFont::Weight(nWeight));
    return font;
}

// ---------------------------------------------------------------------------

CVersionBanner::CVersionBanner() = default;
CVersionBanner::~CVersionBanner() = default;

void CVersionBanner::LoadBackground(QImage& bitmap) { bitmap = artwork::bitmap(205); }

void CVersionBanner::CreateTextFont(QWidget* pWnd)
{
    m_font = BannerFont(pWnd, 11, QFont::Thin);
    m_nFontHeight = BannerFontHeight(pWnd, 11);
}

void CVersionBanner::BuildLines(bool bExtraLines)
{
    const CVersionInfo info;
    if (!info.GetVersion().isEmpty())
        m_lines << info.GetVersion();
    if (!info.GetSpecialBuild().isEmpty())
        m_lines << info.GetSpecialBuild();
    if (bExtraLines) {
        m_lines << QStringLiteral(" ");
        if (!info.GetLegalCopyright().isEmpty())
            m_lines << info.GetLegalCopyright();
    }
}

void CVersionBanner::Draw(QWidget* pWnd, QPainter& dc, int nWidth, int nHeight, bool bWithText, bool bExtraLines)
{
    const QImage logo = artwork::bitmap(206);
    const int lw = logo.width(), lh = logo.height();
    QList<int> heights;
    if (bWithText) {
        CreateTextFont(pWnd);
        BuildLines(bExtraLines);
        const QFontMetrics fm(m_font, dc.device());
        m_nTotalTextHeight = 0;
        m_nWidestLine = 0;
        for (const QString& line : std::as_const(m_lines)) {
            heights << fm.height();
            m_nTotalTextHeight += fm.height();
            m_nWidestLine = std::max(m_nWidestLine, fm.horizontalAdvance(line));
        }
    }
    const int x = (nWidth - lw) / 2;
    int y = (nHeight - lh - m_nTotalTextHeight) / 2;
    DrawTransparentBitmap(dc, logo, x, y, RGB(255, 255, 255));
    if (!bWithText)
        return;
    dc.save();
    dc.setFont(m_font);
    dc.setPen(Qt::black);
    dc.setBackgroundMode(Qt::TransparentMode);
    y += lh;
    for (int i = 0; i < m_lines.size(); ++i) {
        dc.drawText(QRect(0, y, nWidth, heights[i]), Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, m_lines[i]);
        y += heights[i];
    }
    dc.restore();
}

// ---------------------------------------------------------------------------

CCreditsStatic::CCreditsStatic(QWidget* parent) : QLabel(parent) {}
CCreditsStatic::~CCreditsStatic() = default;

QPoint CCreditsStatic::ExtraTilePosition(const QSize& client, const QSize& tile)
{
    const int v = (client.height() - tile.height()) / 2;
    return QPoint(v, v);
}

void CCreditsStatic::CreateFonts()
{
    const int sizes[4] = {14, 12, 11, 10};
    const int weights[4] = {QFont::Bold, QFont::Bold, QFont::Bold, QFont::Thin};
    for (int i = 0; i < 4; ++i) {
        m_nFontHeights[i] = BannerFontHeight(this, sizes[i]);
        m_fonts[i] = BannerFont(this, sizes[i], weights[i]);
    }
    m_bFonts = true;
}

void CCreditsStatic::paintEvent(QPaintEvent*)
{
    if (!m_bFonts)
        CreateFonts();
    const CVersionInfo info;
    m_lines = QStringList{info.GetVersion(), QStringLiteral("by"), info.GetCompanyName()};
    m_lineFonts = {3, 3, 3};

    const QSize client = size();
    QImage memory(client, QImage::Format_RGB32);
    memory.fill(Qt::white);
    QPainter p(&memory);
    const QImage tile = artwork::bitmap(205);
    if (!tile.isNull()) {
        for (int y = 0; y < client.height(); y += tile.height())
            for (int x = 0; x < client.width(); x += tile.width())
                p.drawImage(x, y, tile);
        p.drawImage(ExtraTilePosition(client, tile.size()), tile);
    }
    const QImage logo = artwork::bitmap(206);
    int textHeight = 0;
    for (unsigned f : std::as_const(m_lineFonts))
        textHeight += m_nFontHeights[f];
    const int x = (client.width() - logo.width()) / 2;
    int y = (client.height() - logo.height() - textHeight) / 2;
    DrawTransparentBitmap(p, logo, x, y, RGB(255, 255, 255));
    y += logo.height();
    p.setBackgroundMode(Qt::TransparentMode);
    for (int i = 0; i < m_lines.size(); ++i) {
        const unsigned f = m_lineFonts[i];
        p.setFont(m_fonts[f]);
        p.setPen(toQColor(m_colours[f]));
        const int h = p.fontMetrics().height();
        p.drawText(QRect(0, y, client.width(), h), Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, m_lines[i]);
        y += h;
    }
    p.end();
    QPainter out(this);
    out.drawImage(0, 0, memory);
}

// ---------------------------------------------------------------------------

CBannerStatic::CBannerStatic(QWidget* parent) : QLabel(parent)
{
    const QImage tile = artwork::bitmap(205);
    if (tile.isNull())
        return;
    m_composition = QImage(tile.width() * 3, tile.height() * 3, QImage::Format_RGB32);
    QPainter p(&m_composition);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            p.drawImage(col * tile.width(), row * tile.height(), tile);
}

void CBannerStatic::paintEvent(QPaintEvent*) {}

// ---------------------------------------------------------------------------

CMarqueeStatusBar::CMarqueeStatusBar(QWidget* parent) : QStatusBar(parent), m_pMarquee(new CMarquee)
{
    setSizeGripEnabled(false);
    m_pMarquee->Create(this);
}

CMarqueeStatusBar::~CMarqueeStatusBar() = default;

void CMarqueeStatusBar::SetItems(const QStringList& items) { m_pMarquee->SetItems(items, true); }

void CMarqueeStatusBar::resizeEvent(QResizeEvent* event)
{
    QStatusBar::resizeEvent(event);
    m_pMarquee->OnHostSize(event->size().width(), event->size().height());
}

void CMarqueeStatusBar::showEvent(QShowEvent* event)
{
    QStatusBar::showEvent(event);
    m_pMarquee->setGeometry(rect());
}
