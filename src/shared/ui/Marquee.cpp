#include "shared/ui/Marquee.h"

#include "shared/RegisteredEvent.h"
#include "shared/VersionInfo.h"
#include "shared/WinDraw.h"
#include "shared/artwork/Artwork.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/TransparentBitmap.h"

#include <QDateTime>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QTimerEvent>
#include <cstdio>

unsigned CMarquee::AppearanceMessage()
{
    static const unsigned message = RegisterWindowMessage("RegisteredMessage::nMsgAppearance");
    return message;
}

CMarquee::CMarquee() : QWidget(nullptr)
{
    m_items << CVersionInfo().GetProductName() << QString();
    m_nClockItem = 1;
    UseHighlightColours(false);
    SetPeriod(20);
}

CMarquee::~CMarquee() = default;

bool CMarquee::Create(QWidget* pParent)
{
    if (!pParent)
        return false;
    m_pParent = pParent;
    setParent(pParent);
    setObjectName(QStringLiteral("Marquee"));
    SetDlgCtrlID(this, 106);
    setGeometry(pParent->rect());
    Build();
    show();
    return true;
}

void CMarquee::SetItems(const QStringList& items, bool bRebuild)
{
    m_items = items;
    m_nClockItem = -1;
    if (bRebuild)
        Build();
}

void CMarquee::SetBackgroundColour(int r, int g, int b, bool bRebuild)
{
    m_bg[0] = r & 0xFF;
    m_bg[1] = g & 0xFF;
    m_bg[2] = b & 0xFF;
    if (bRebuild)
        Build();
}

void CMarquee::SetTextColour(int r, int g, int b, bool bRebuild)
{
    m_fg[0] = r & 0xFF;
    m_fg[1] = g & 0xFF;
    m_fg[2] = b & 0xFF;
    if (bRebuild)
        Build();
}

void CMarquee::UseHighlightColours(bool bRebuild)
{
    const COLORREF bg = winapi::GetSysColor(winapi::COLOR_HIGHLIGHT);
    const COLORREF fg = winapi::GetSysColor(winapi::COLOR_HIGHLIGHTTEXT);
    SetBackgroundColour(GetRValue(bg), GetGValue(bg), GetBValue(bg), false);
    SetTextColour(GetRValue(fg), GetGValue(fg), GetBValue(fg), bRebuild);
}

void CMarquee::SetPeriod(int nMilliseconds)
{
    m_nPeriod = std::clamp(nMilliseconds, 1, 1000);
    if (m_pParent && m_timer.isActive()) {
        m_timer.stop();
        m_timer.start(m_nPeriod, this);
    }
}

void CMarquee::SetNotify(QWidget* pWnd, unsigned nMsg)
{
    m_pNotify = pWnd;
    m_nNotifyMessage = nMsg;
    m_bNotify = true;
}

void CMarquee::Resize(const QRect& rect, bool bRebuild)
{
    if (!m_bBuilt)
        return;
    setGeometry(rect);
    if (bRebuild)
        Build();
}

void CMarquee::OnHostSize(int cx, int cy)
{
    if (!m_bBuilt)
        return;
    setGeometry(0, 0, cx, cy);
    Build();
}

intptr_t CMarquee::OnAppearance()
{
    COLORREF bg = winapi::GetSysColor(winapi::COLOR_HIGHLIGHT);
    COLORREF fg = winapi::GetSysColor(winapi::COLOR_HIGHLIGHTTEXT);
    if ((bg & 0xFFFFFF) == (fg & 0xFFFFFF)) {
        bg = RGB(0, 0, 0);
        fg = RGB(255, 255, 255);
    }
    SetBackgroundColour(GetRValue(bg), GetGValue(bg), GetBValue(bg), false);
    SetTextColour(GetRValue(fg), GetGValue(fg), GetBValue(fg), false);
    m_nPeriod = 20;
    if (m_timer.isActive())
        m_timer.start(m_nPeriod, this);
    Build();
    return 0;
}

QString CMarquee::ClockText() const
{
    return QLocale().toString(QDateTime::currentDateTime(), QLocale::LongFormat);
}

void CMarquee::Build()
{
    if (!m_pParent)
        return;
    m_nStripHeight = height();
    m_nStripWidth = width();
    m_strip = QImage(std::max(1, m_nStripWidth), std::max(1, m_nStripHeight), QImage::Format_RGB32);

    m_font = QFont(QStringLiteral("MS Sans Serif"));
    m_font.setStyleHint(QFont::SansSerif);
    m_font.setPixelSize(std::max(1, std::min(m_nStripHeight * 3 / 4, 100)));
    const QFontMetrics fm(m_font);
    m_gap = QSize(fm.horizontalAdvance(QStringLiteral("AA")), fm.height());

    m_bHasLogo = false;
    m_logo = QImage();
    if (!m_items.isEmpty()) {
        const int textHeight = fm.height();
        for (qsizetype i = m_logos.size() - 1; i >= 0; --i) {
            const QImage picture = artwork::bitmap(m_logos[i]);
            if (!picture.isNull() && picture.height() <= textHeight) {
                m_logo = picture;
                m_bHasLogo = true;
                break;
            }
        }
    }

    m_itemImages.clear();
    for (int i = 0; i < m_items.size(); ++i) {
        m_itemImages << QImage();
        RenderItem(i);
    }
    m_nCurrentItem = 0;
    m_nColumn = 0;
    m_strip.fill(QColor(BackgroundColour()));
    FillStrip();
    update();
    if (!m_bBuilt)
        m_timer.start(m_nPeriod, this);
    m_bBuilt = true;
}

void CMarquee::RenderItem(int i)
{
    const QString text = i == m_nClockItem ? ClockText() : m_items[i];
    const QFontMetrics fm(m_font);
    const int parentHeight = m_pParent ? m_pParent->height() : height();
    const int logoWidth = m_bHasLogo ? m_logo.width() + m_gap.width() : 0;
    const QColor background(BackgroundColour());

    QImage picture;
    QSize content;
    bool isPicture = false;
    if (text.startsWith(QLatin1String("#BMP "))) {
        char tag[64] = {};
        int id = 0;
        unsigned colour = 0xFFFFFFFFu;
        std::sscanf(text.toLatin1().constData(), "%63s %d %x", tag, &id, &colour);
        picture = artwork::bitmap(id);
        if (!picture.isNull()) {
            if (colour != 0xFFFFFFFFu)
                picture = MapBitmapColour(picture, COLORREF(colour), RGB(m_bg[0], m_bg[1], m_bg[2]));
            const int limit = parentHeight * 90 / 100;
            if (limit < picture.height()) {
                const int w = int(picture.width() * (double(limit) / picture.height())) + 1;
                picture = picture.scaled(w, limit, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            }
            isPicture = true;
        }
    }
    int itemWidth, itemHeight;
    if (isPicture) {
        content = picture.size();
        itemWidth = content.width() + m_gap.width() + logoWidth;
        itemHeight = parentHeight;
    } else {
        content = QSize(fm.horizontalAdvance(text), fm.height());
        itemWidth = content.width() + m_gap.width() + logoWidth;
        itemHeight = std::max(content.height(), m_bHasLogo ? m_logo.height() : 0);
    }
    QImage image(std::max(1, itemWidth), std::max(1, itemHeight), QImage::Format_RGB32);
    image.fill(background);
    QPainter p(&image);
    int x = m_gap.width();
    if (m_bHasLogo) {
        DrawTransparentBitmap(p, m_logo, x, (content.height() - m_logo.height()) / 2, RGB(255, 0, 0));
        x += m_logo.width() + m_gap.width();
    }
    if (isPicture) {
        p.drawImage(x, (parentHeight - content.height()) / 2, picture);
    } else {
        p.setFont(m_font);
        p.setPen(QColor(TextColour()));
        p.drawText(QRect(x, 0, content.width() + 1, content.height()), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                   text);
    }
    p.end();
    m_itemImages[i] = image;
}

void CMarquee::FillStrip()
{
    if (m_itemImages.isEmpty())
        return;
    int total = 0;
    for (const QImage& image : std::as_const(m_itemImages))
        total += image.width();
    if (total <= 0)
        return;
    QPainter p(&m_strip);
    int x = 0;
    int i = 0;
    for (;;) {
        const QImage& item = m_itemImages[i];
        const int y = (m_nStripHeight - item.height()) / 2;
        const int room = m_nStripWidth - x;
        const int copied = std::min(room, item.width());
        p.drawImage(QPoint(x, y), item, QRect(0, 0, copied, item.height()));
        x += copied;
        if (x >= m_nStripWidth) {
            m_nCurrentItem = i;
            m_nColumn = copied == item.width() ? 0 : copied;
            break;
        }
        i = (i + 1) % int(m_itemImages.size());
    }
}

void CMarquee::ScrollStep()
{
    if (m_itemImages.isEmpty() || !m_pParent || !m_pParent->isVisible() || m_pParent->window()->isMinimized())
        return;
    const QImage& item = m_itemImages[m_nCurrentItem];
    const int bandHeight = std::min(item.height(), m_strip.height());
    const int top = (m_nStripHeight - item.height()) / 2;
    const int step = std::min(m_nStep, m_strip.width());
    {
        QPainter p(&m_strip);
        const QImage band = m_strip.copy(step, top, m_strip.width() - step, bandHeight);
        p.drawImage(0, top, band);
        p.drawImage(QPoint(m_strip.width() - step, top), item, QRect(m_nColumn, 0, step, bandHeight));
    }
    update();
    m_nColumn += m_nStep;
    if (m_nColumn >= item.width()) {
        m_nCurrentItem = (m_nCurrentItem + 1) % int(m_itemImages.size());
        m_nColumn = 0;
        if (m_nCurrentItem == m_nClockItem)
            RenderItem(m_nCurrentItem);
    }
}

void CMarquee::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (m_strip.isNull())
        p.fillRect(rect(), QColor(BackgroundColour()));
    else
        p.drawImage(0, 0, m_strip);
}

void CMarquee::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_timer.timerId())
        ScrollStep();
    else
        QWidget::timerEvent(event);
}

void CMarquee::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_bBuilt)
        Build();
}

void CMarquee::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (m_bNotify)
        PostRegisteredMessage(m_pNotify, m_nNotifyMessage);
    QWidget::mouseDoubleClickEvent(event);
}

bool CMarquee::event(QEvent* event)
{
    if (CRegisteredEvent* message = CRegisteredEvent::As(event, AppearanceMessage())) {
        message->SetResult(OnAppearance());
        return true;
    }
    return QWidget::event(event);
}
