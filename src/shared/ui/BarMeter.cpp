#include "shared/ui/BarMeter.h"

#include "shared/RegisteredEvent.h"
#include "shared/artwork/Artwork.h"
#include "shared/ui/TransparentBitmap.h"
#include "shared/WinDraw.h"
#include "shared/ui/ColourMix.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

CBarMeter::CBarMeter(QWidget* parent) : QProgressBar(parent)
{
    setTextVisible(false);
    QProgressBar::setRange(0, 100);
    QProgressBar::setValue(0);
}

CBarMeter::~CBarMeter() = default;

void CBarMeter::SetRange(int nLower, int nUpper)
{
    m_nLower = nLower;
    m_nUpper = nUpper;
    m_nPos = nLower;
    // The progress control itself keeps 16-bit bounds.
    const int lo = int16_t(nLower);
    const int hi = std::max<int>(lo, int16_t(nUpper));
    QProgressBar::setRange(lo, hi);
    QProgressBar::setValue(lo);
    update();
}

void CBarMeter::SetPos(int nPos)
{
    m_nPos = nPos;
    QProgressBar::setValue(std::clamp(nPos, minimum(), maximum()));
    update();
}

void CBarMeter::SetStep(int nStep) { m_nStep = nStep; }

void CBarMeter::StepIt() { SetPos(m_nPos + m_nStep); }

void CBarMeter::SetText(const QString& strText)
{
    m_strCaption = strText;
    update();
}

void CBarMeter::SetShowText(bool bShow)
{
    m_bShowText = bShow;
    update();
}

void CBarMeter::SetTextColour(COLORREF colour)
{
    m_colText = colour;
    update();
}

void CBarMeter::SetPicture(int nResourceId, COLORREF transparent, int nLeftOffset)
{
    m_nPictureId = nResourceId;
    m_colPictureTransparent = transparent;
    m_nPictureOffset = nLeftOffset;
    m_picture = nResourceId ? artwork::bitmap(nResourceId) : QImage();
    update();
}

void CBarMeter::SetMessages(unsigned nButtonDown, unsigned nDoubleClick, unsigned nButtonUp)
{
    m_nMsgButtonDown = nButtonDown;
    m_nMsgDoubleClick = nDoubleClick;
    m_nMsgButtonUp = nButtonUp;
}

void CBarMeter::SetColours(COLORREF start, COLORREF end, COLORREF background)
{
    m_colStart = start;
    m_colEnd = end;
    m_colBackground = background;
    update();
}

void CBarMeter::SetColourScheme(int nScheme, bool bFlag)
{
    auto captionFill = [](int first, int second) { return MixColours(winapi::GetSysColor(first), 1, winapi::GetSysColor(second), 1); };
    COLORREF fill, text, background;
    switch (nScheme) {
    case 0:
        fill = captionFill(winapi::COLOR_ACTIVECAPTION, winapi::COLOR_GRADIENTACTIVECAPTION);
        text = winapi::GetSysColor(winapi::COLOR_CAPTIONTEXT);
        background = bFlag ? text : winapi::GetSysColor(winapi::COLOR_BTNFACE);
        break;
    case 1:
        fill = captionFill(winapi::COLOR_INACTIVECAPTION, winapi::COLOR_GRADIENTINACTIVECAPTION);
        text = winapi::GetSysColor(winapi::COLOR_INACTIVECAPTIONTEXT);
        background = bFlag ? text : winapi::GetSysColor(winapi::COLOR_BTNFACE);
        break;
    case 2:
        fill = winapi::GetSysColor(winapi::COLOR_BTNFACE);
        text = winapi::GetSysColor(winapi::COLOR_BTNTEXT);
        background = bFlag ? text : MixColours(fill, 1, winapi::GetSysColor(winapi::COLOR_BTNHIGHLIGHT), 2);
        break;
    case 3:
        m_colStart = 0x404080;
        m_colEnd = 0x4040C0;
        m_colText = winapi::GetSysColor(winapi::COLOR_HIGHLIGHTTEXT);
        m_colBackground = bFlag ? m_colText : winapi::GetSysColor(winapi::COLOR_BTNFACE);
        update();
        return;
    default: return;
    }
    m_colStart = m_colEnd = fill;
    m_colText = text;
    m_colBackground = background;
    update();
}

void CBarMeter::Initialise()
{
    const QWidget* w = parentWidget() ? parentWidget() : this;
    m_nColourSteps = ColourStepsForDepth(w->depth());
    SetColourScheme(0, true);
    m_bInitialised = true;
}

void CBarMeter::Redraw()
{
    if (!m_bInitialised)
        Initialise();
    repaint();
}

int CBarMeter::FilledLength(int nPos, int nLower, int nUpper, int nWidth)
{
    // An empty range (upper not above lower) has nothing to show.
    if (nUpper <= nLower || nUpper <= 0 || nWidth <= 0)
        return 0;
    const int p = std::clamp(nPos, nLower, nUpper);
    const double length = double(p) / double(nUpper) * double(nWidth);
    return std::max(0, int(length));
}

QString CBarMeter::PercentText(int nPos, int nLower, int nUpper)
{
    if (nUpper <= nLower || nUpper == 0)
        return QStringLiteral("0%");
    return QString::asprintf("%.0f%%", double(nPos) * 100.0 / double(nUpper));
}

int CBarMeter::GradientBands(COLORREF start, COLORREF end, int nColourSteps)
{
    int d = std::max({std::abs(GetRValue(end) - GetRValue(start)), std::abs(GetGValue(end) - GetGValue(start)),
                      std::abs(GetBValue(end) - GetBValue(start))});
    if (d == 0)
        d = 1;
    return std::max(1, std::min(d, nColourSteps));
}

COLORREF CBarMeter::BandColour(COLORREF start, COLORREF end, int nBand, int nBands)
{
    auto channel = [&](int s, int e) { return s + nBand * (e - s) / nBands; };
    return RGB(channel(GetRValue(start), GetRValue(end)), channel(GetGValue(start), GetGValue(end)),
               channel(GetBValue(start), GetBValue(end)));
}

void CBarMeter::paintEvent(QPaintEvent*)
{
    if (!m_bInitialised)
        Initialise();
    QPainter painter(this);
    Draw(painter);
}

void CBarMeter::Draw(QPainter& painter)
{
    const QRect client = rect();
    QRect r = client.adjusted(m_nBorderWidth, m_nBorderWidth, -m_nBorderWidth, -m_nBorderWidth);
    const int pictureLeft = r.left() + m_nPictureOffset;
    const int pictureRight = m_picture.isNull() ? r.left() : pictureLeft + m_picture.width();
    auto drawPicture = [&] {
        if (!m_picture.isNull())
            DrawTransparentBitmap(painter, m_picture, pictureLeft, r.top() + (r.height() - m_picture.height()) / 2,
                                  m_colPictureTransparent);
    };

    if (m_bTrackStyle) {
        painter.fillRect(client, toQColor(m_colBackground));
        drawPicture();
        const int left = pictureRight + 6;
        const int right = r.left() + r.width() - 6;
        const int width = std::max(0, right - left);
        const QRect track(left, r.top() + r.height() - 5, width, 2);
        painter.fillRect(track, toQColor(MixColours(winapi::GetSysColor(winapi::COLOR_BTNFACE), 1, RGB(255, 255, 255), 1)));
        const int filled = FilledLength(m_nPos, m_nLower, m_nUpper, width);
        painter.fillRect(QRect(left, track.top(), filled, 2), toQColor(m_colStart));
        if (m_bShowText)
            DrawText(painter, r, pictureRight, r.left() - 1, true);
    } else {
        const int length = FilledLength(m_nPos, m_nLower, m_nUpper, client.width());
        painter.save();
        painter.setClipRect(r);
        const int bands = GradientBands(m_colStart, m_colEnd, m_nColourSteps);
        const double bandWidth = double(length) / bands;
        for (int i = 0; length > 0; ++i) {
            const double right = std::min((i + 1) * bandWidth, double(length));
            const int x0 = r.left() + int(i * bandWidth);
            const int x1 = r.left() + int(right);
            painter.fillRect(QRect(x0, r.top(), x1 - x0, r.height()),
                             toQColor(BandColour(m_colStart, m_colEnd, i, bands)));
            if (right >= length)
                break;
        }
        painter.fillRect(QRect(r.left() + length, r.top(), r.width() - length, r.height()), toQColor(m_colBackground));
        painter.restore();
        drawPicture();
        if (m_bShowText)
            DrawText(painter, r, pictureRight, r.left() + length, false);
    }
    if (m_nBorderWidth)
        DrawBorder(painter, client);
}

void CBarMeter::DrawText(QPainter& painter, const QRect& bar, int nPictureRight, int nFilledRight, bool bTrack)
{
    const QString text = m_strCaption.isEmpty() ? PercentText(m_nPos, m_nLower, m_nUpper) : m_strCaption;
    painter.setFont(font());
    const QFontMetrics fm(font());
    const int height = fm.height();
    const int width = fm.horizontalAdvance(text);
    const int y = bar.top() + (bar.height() - height) / 2;
    int x;
    if (m_nTextAlign == 0)
        x = nPictureRight + height / 2;
    else
        x = nPictureRight + (bar.left() + bar.width() - nPictureRight - width) / 2;
    const QRect textRect(x, y, width + 1, height);
    // A fresh device context writes black; over the filled part the meter's
    // own text colour keeps the caption readable.
    const QColor plain(0, 0, 0);
    painter.save();
    if (bTrack) {
        painter.setPen(plain);
        painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    } else {
        painter.setClipRect(QRect(QPoint(bar.left(), bar.top()), QPoint(nFilledRight - 1, bar.bottom())));
        painter.setPen(toQColor(m_colText));
        painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
        painter.setClipRect(QRect(QPoint(nFilledRight, bar.top()), QPoint(bar.right(), bar.bottom())));
        painter.setPen(plain);
        painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    }
    painter.restore();
}

void CBarMeter::DrawBorder(QPainter& painter, const QRect& r)
{
    const int l = r.left(), t = r.top(), rt = r.right(), b = r.bottom();
    painter.setPen(toQColor(winapi::GetSysColor(winapi::COLOR_BTNHIGHLIGHT)));
    painter.drawLine(l, b, l, t);
    painter.drawLine(l, t, rt, t);
    painter.setPen(toQColor(winapi::GetSysColor(winapi::COLOR_BTNSHADOW)));
    painter.drawLine(l + 1, b - 1, rt - 1, b - 1);
    painter.drawLine(rt - 1, b - 1, rt - 1, t + 1);
    painter.setPen(QColor(0, 0, 0));
    painter.drawLine(l, b, rt, b);
    painter.drawLine(rt, b, rt, t);
}

void CBarMeter::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        PostRegisteredMessage(parent(), m_nMsgButtonDown);
    QProgressBar::mousePressEvent(event);
}

void CBarMeter::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        PostRegisteredMessage(parent(), m_nMsgButtonUp);
    QProgressBar::mouseReleaseEvent(event);
}

void CBarMeter::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        PostRegisteredMessage(parent(), m_nMsgDoubleClick);
    QProgressBar::mouseDoubleClickEvent(event);
}
