#include "brevio/core/TxMeterStatic.h"

#include "shared/FontFactory.h"
#include "shared/WinDraw.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

using winapi::RectLTRB;

namespace {
constexpr int kHoldMs = 800;
constexpr COLORREF kSegmentColours[16] = {
    RGB(128, 255, 0),   RGB(139, 254, 23),  RGB(150, 254, 46),  RGB(162, 254, 69),
    RGB(173, 254, 92),  RGB(184, 254, 115), RGB(197, 254, 139), RGB(208, 254, 162),
    RGB(219, 254, 185), RGB(231, 254, 208), RGB(242, 254, 231), RGB(255, 255, 255),
    RGB(255, 170, 170), RGB(255, 85, 85),   RGB(255, 0, 0),     RGB(255, 0, 0),
};
} // namespace

CTxMeterStatic::CTxMeterStatic(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (QTimer* timer : {&m_timerAlc, &m_timerPower}) {
        timer->setSingleShot(true);
        timer->setInterval(kHoldMs);
    }
    connect(&m_timerAlc, &QTimer::timeout, this, [this] { OnTimer(100); });
    connect(&m_timerPower, &QTimer::timeout, this, [this] { OnTimer(101); });
}

CTxMeterStatic::~CTxMeterStatic() = default;

COLORREF CTxMeterStatic::SegmentColour(int j) { return kSegmentColours[std::clamp(j, 0, 15)]; }

bool CTxMeterStatic::IsHoldTimerActive(int nId) const
{
    return nId == 100 ? m_timerAlc.isActive() : nId == 101 ? m_timerPower.isActive() : false;
}

void CTxMeterStatic::SetValue(unsigned nValue, bool bTransmitting)
{
    if (m_bTransmit && !bTransmitting) {
        // Transmission over: peaks and holds go at once.
        m_timerAlc.stop();
        m_timerPower.stop();
        m_nShownAlc = 0;
        m_nShownPower = 0;
        m_bAlcHold = false;
        m_bPowerHold = false;
    }
    if (bTransmitting) {
        const unsigned alc = nValue & 0xF;
        const unsigned power = (nValue & 0xFF) >> 4;
        if (alc >= m_nShownAlc) {
            m_nShownAlc = alc;
            m_bAlcHold = true;
            m_timerAlc.start();
        }
        if (power >= m_nShownPower) {
            m_nShownPower = power;
            m_bPowerHold = true;
            m_timerPower.start();
        }
        if (!m_bAlcHold)
            m_nShownAlc = alc;
        if (!m_bPowerHold)
            m_nShownPower = power;
    }
    m_nRaw = nValue;
    m_bTransmit = bTransmitting;
}

void CTxMeterStatic::OnTimer(int nId)
{
    // No repaint: the next reading after the hold shows what is current.
    if (nId == 100) {
        m_timerAlc.stop();
        m_bAlcHold = false;
    } else if (nId == 101) {
        m_timerPower.stop();
        m_bPowerHold = false;
    }
}

std::array<QRect, 15> CTxMeterStatic::ReceiveSegments(int w, int h)
{
    std::array<QRect, 15> segments;
    const int m = h / 4;
    const int s = (w - 2 * m - 14) / 15;
    const int o = (w - 14 - 15 * s) / 2;
    for (int k = 0; k < 15; ++k) {
        const int left = o + (s + 1) * k;
        // The first eight segments step up by a pixel each.
        const int top = k <= 7 ? m + (8 - k) : m;
        segments[size_t(k)] = RectLTRB(left, top, left + s, h - m);
    }
    return segments;
}

namespace {
std::array<QRect, 16> TransmitRow(int w, int nLabelWidth, int top, int bottom)
{
    std::array<QRect, 16> segments;
    const int b = (w - 2) - nLabelWidth;
    const int s = (b - 4 - 15) / 16;
    const int o = (b - 15 - 16 * s) / 2;
    for (int j = 0; j < 16; ++j) {
        const int left = nLabelWidth + o + (s + 1) * j;
        segments[size_t(j)] = RectLTRB(left, top, left + s, bottom);
    }
    return segments;
}
} // namespace

std::array<QRect, 16> CTxMeterStatic::AlcSegments(int w, int h, int nLabelWidth, int nAlcTextHeight)
{
    const int barTop = 2;
    return TransmitRow(w, nLabelWidth, barTop + 2, barTop + nAlcTextHeight - 2);
}

std::array<QRect, 16> CTxMeterStatic::PowerSegments(int w, int h, int nLabelWidth, int nPowerTextHeight)
{
    const int barBottom = h - 2;
    return TransmitRow(w, nLabelWidth, barBottom - nPowerTextHeight + 2, barBottom - 2);
}

void CTxMeterStatic::paintEvent(QPaintEvent*)
{
    // The buffer follows the control's size, so a resized meter is drawn whole.
    if (m_backBuffer.size() != size())
        m_backBuffer = QImage(size(), QImage::Format_RGB32);
    if (m_backBuffer.isNull())
        return;
    {
        QPainter painter(&m_backBuffer);
        Draw(painter, width(), height());
    }
    QPainter window(this);
    window.drawImage(0, 0, m_backBuffer);
}

void CTxMeterStatic::Draw(QPainter& painter, int w, int h)
{
    winapi::FillSolidRect(&painter, RectLTRB(0, 0, w, h), m_colBackground);
    if (!m_bTransmit) {
        const auto segments = ReceiveSegments(w, h);
        for (int k = 0; k < 15; ++k)
            winapi::FillSolidRect(&painter, segments[size_t(k)],
                                  unsigned(k) < m_nRaw ? kSegmentColours[k] : m_colUnlit);
        return;
    }

    if (!m_pLabelFont) {
        m_pLabelFont = std::make_unique<QFont>(CFontFactory(this).CreateSmallFonts(6));
        const QFontMetrics fm(*m_pLabelFont);
        m_nLabelWidth = std::max(fm.horizontalAdvance(QStringLiteral("ALC ")), fm.horizontalAdvance(QStringLiteral("PWR ")));
    }
    const QFontMetrics fm(*m_pLabelFont);
    const int nTextHeight = fm.height();  // the same for "ALC " and "PWR "

    QRect labels = RectLTRB(0, 2, w, h - 2);
    painter.setPen(QColor(0, 255, 0));
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(QColor(0, 0, 0));
    winapi::DrawText(&painter, *m_pLabelFont, QStringLiteral("ALC"), labels,
                     winapi::DT_LEFT | winapi::DT_TOP | winapi::DT_SINGLELINE | winapi::DT_NOPREFIX);
    winapi::DrawText(&painter, *m_pLabelFont, QStringLiteral("PWR"), labels,
                     winapi::DT_LEFT | winapi::DT_BOTTOM | winapi::DT_SINGLELINE | winapi::DT_NOPREFIX);

    const auto alc = AlcSegments(w, h, m_nLabelWidth, nTextHeight);
    const auto power = PowerSegments(w, h, m_nLabelWidth, nTextHeight);
    for (int j = 0; j < 16; ++j) {
        winapi::FillSolidRect(&painter, alc[size_t(j)], unsigned(j) < m_nShownAlc ? kAlcColour : m_colUnlit);
        winapi::FillSolidRect(&painter, power[size_t(j)],
                              unsigned(j) < m_nShownPower ? kSegmentColours[j] : m_colUnlit);
    }
}
