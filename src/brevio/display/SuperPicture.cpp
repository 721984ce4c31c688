#include "brevio/display/SuperPicture.h"

#include "brevio/core/FontDescription.h"
#include "brevio/core/PSK31Settings.h"
#include "shared/FontFactory.h"
#include "shared/artwork/Artwork.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <algorithm>

namespace {
QColor Colour(COLORREF c)
{
    return toQColor(c);
}

QRect ToQRect(const RECT& r)
{
    return QRect(r.left, r.top, std::max(0, r.right - r.left), std::max(0, r.bottom - r.top));
}

RECT Deflate(const RECT& r, int dx, int dy)
{
    return RECT{r.left + dx, r.top + dy, r.right - dx, r.bottom - dy};
}
} // namespace

CSuperPicture::CSuperPicture()
{
    const QPalette palette = QGuiApplication::palette();
    m_colFrame = RGB(64, 64, 64);
    m_colInside = fromQColor(palette.color(QPalette::ToolTipBase));
    m_colText = fromQColor(palette.color(QPalette::ToolTipText));
    m_colConnector = RGB(192, 192, 192);
    m_colTickNone = RGB(255, 0, 0);
    m_colTickSome = RGB(255, 255, 0);
    m_colSignal = RGB(255, 255, 255);
    m_colNoSignal = RGB(128, 128, 128);
    const CFontFactory fonts(nullptr);
    m_boxFont = fonts.CreatePointFont(QStringLiteral("Courier New"), 8, false, false);
    m_searchFont = fonts.CreateSansSerif(8, false);
}

void CSuperPicture::Create(int nWidth, int nHeight)
{
    m_image = QImage(std::max(0, nWidth), std::max(0, nHeight), QImage::Format_RGB32);
    if (!m_image.isNull())
        m_image.fill(Qt::black);
}

void CSuperPicture::ApplyColours(const CPSK31Settings& s)
{
    m_colFrame = COLORREF(s.m_colBrowserChBorder);
    m_colInside = COLORREF(s.m_colBrowserChInside);
    m_colText = COLORREF(s.m_colBrowserChText);
    m_colConnector = COLORREF(s.m_colBrowserChConnector);
    m_colTickNone = COLORREF(s.m_colBrowserSeTickNone);
    m_colTickSome = COLORREF(s.m_colBrowserSeTickSome);
    m_colSignal = COLORREF(s.m_colBrowserChSignal);
    m_colNoSignal = COLORREF(s.m_colBrowserChNoSignal);
    const CFontDescription font(s.m_strBrowserFont);
    m_boxFont = CFontFactory(nullptr).CreatePointFont(font.GetFace(), font.GetSize() > 0 ? font.GetSize() : 8,
                                                      font.IsBold(), font.IsItalic());
}

int CSuperPicture::GetFontHeight() const
{
    return QFontMetrics(m_boxFont).height();
}

void CSuperPicture::Fill(COLORREF background)
{
    if (Exists())
        m_image.fill(Colour(background));
}

void CSuperPicture::DrawTick(int y, bool bSome)
{
    if (!Exists())
        return;
    QPainter p(&m_image);
    p.setPen(QPen(Colour(bSome ? m_colTickSome : m_colTickNone), 1));
    p.drawLine(1, y, 5, y);  // the last point of a GDI line is not drawn
}

void CSuperPicture::DrawConnector(int yFrequency, const RECT& box)
{
    if (!Exists())
        return;
    const int yBox = box.top + (box.bottom - box.top) / 2;
    QPainter p(&m_image);
    p.setPen(QPen(Colour(m_colConnector), 1));
    if (std::abs(yBox - yFrequency) <= 3)
        p.drawLine(1, yFrequency, 39, yFrequency);
    else
        p.drawLine(QPointF(1, yFrequency), QPointF(40, yBox));
}

void CSuperPicture::DrawBox(const RECT& box, const BoxContent& c)
{
    if (!Exists())
        return;
    QPainter p(&m_image);
    // The frame, then the inside one pixel in.
    p.setPen(Qt::NoPen);
    p.setBrush(Colour(m_colFrame));
    p.drawRect(ToQRect(box));
    const RECT inner = Deflate(box, 1, 1);
    p.setBrush(Colour(m_colInside));
    p.drawRect(ToQRect(inner));

    const int height = inner.bottom - inner.top;
    int reserved = 0;
    if (c.bVector)
        reserved += height;
    if (c.bSignal)
        reserved += 7;

    p.setFont(m_boxFont);
    int textLeft = inner.left + reserved;
    if (c.bLabel || c.bAlarmHit) {
        const QString label = LabelText(c.nDspId);
        const QFontMetrics metrics(m_boxFont);
        const int width = metrics.horizontalAdvance(label);
        const QRect labelRect(inner.left + reserved + 2, inner.top, width, height);
        QColor background = Colour(m_colInside);
        QColor text = Colour(m_colText);
        bool filled = false;
        if (c.bTransmit) {
            background = QColor(128, 0, 0);
            text = Qt::white;
            filled = true;
        } else if (c.bAlarmHit) {
            std::swap(background, text);
            filled = true;
        }
        if (filled)
            p.fillRect(labelRect, background);
        p.setPen(text);
        p.drawText(labelRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, label);
        textLeft = labelRect.right() + 1;
    }
    QRect textRect(QPoint(textLeft + 2, inner.top), QPoint(inner.right - 1 - 2, inner.bottom - 1));
    p.setPen(Colour(m_colText));
    p.setClipRect(ToQRect(inner));
    p.drawText(textRect, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, c.strText.right(255));
    p.setClipping(false);

    const RECT shrunk = Deflate(box, 2, 2);
    const int shrunkHeight = shrunk.bottom - shrunk.top;
    if (c.bSignal) {
        const QRect bar(shrunk.left + 1, shrunk.top, 4, shrunkHeight);
        p.fillRect(bar, Colour(m_colNoSignal));
        const int filled = shrunkHeight * std::clamp(c.nLevel, 0, 99) / 99;
        p.fillRect(QRect(bar.left(), bar.bottom() + 1 - filled, 4, filled), Colour(m_colSignal));
    }
    if (c.bVector) {
        const int left = shrunk.left + (c.bSignal ? 7 : 0);
        const QRect square(left, shrunk.top, shrunkHeight, shrunkHeight);
        p.fillRect(square, Qt::black);
        const int half = shrunkHeight / 2;
        const QPoint centre(square.left() + half, square.top() + half);
        p.setPen(QPen(QColor(0, 192, 0), 1));
        for (int i = 0; i < 8; ++i) {
            const int x = c.vectors[size_t(2 * i)];
            const int y = c.vectors[size_t(2 * i + 1)];
            p.drawLine(centre, QPoint(centre.x() + half * x / 1000, centre.y() - half * y / 1000));
        }
    }
}

QString CSuperPicture::SearchingText(bool bInitialising)
{
    return QStringLiteral("Super Browser is %1...").arg(bInitialising ? QStringLiteral("initialising")
                                                                      : QStringLiteral("searching")) +
           QStringLiteral("\n- - -\n") + QStringLiteral("Press F8 to configure ") + QStringLiteral("PSK31 Brevio");
}

QImage CSuperPicture::FrameImage(int nFrame)
{
    return artwork::bitmap(kFirstFrameResource + std::clamp(nFrame, 0, kFrames - 1));
}

QRect CSuperPicture::DrawSearching(int nFrame, bool bInitialising, bool bAnimate, COLORREF background)
{
    if (!Exists())
        return QRect();
    if (nFrame == 0)
        nFrame = 1;
    QPainter p(&m_image);
    p.setFont(m_searchFont);
    p.setPen(Colour(m_colConnector));
    const QStringList lines = SearchingText(bInitialising).split(QLatin1Char('\n'));
    const QFontMetrics metrics(m_searchFont);
    const int lineHeight = metrics.height();
    QRect frameRect;
    int y = 0;
    if (bAnimate) {
        const QImage frame = FrameImage(nFrame);
        frameRect = QRect(QPoint((m_image.width() - frame.width()) / 2, (m_image.height() - frame.height()) / 2),
                          frame.size());
        p.fillRect(frameRect, Colour(background));
        if (!frame.isNull())
            p.drawImage(frameRect.topLeft(), frame);
        y = frameRect.bottom() + 1 + 5;
    } else {
        y = (m_image.height() - lineHeight * int(lines.size())) / 2;
    }
    for (const QString& line : lines) {
        const int width = metrics.horizontalAdvance(line);
        p.fillRect(QRect((m_image.width() - width) / 2, y, width, lineHeight), Colour(background));
        p.drawText(QRect(0, y, m_image.width(), lineHeight), Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
                   line);
        y += lineHeight;
    }
    return frameRect;
}
