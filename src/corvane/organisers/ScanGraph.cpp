#include "corvane/organisers/ScanGraph.h"

#include "corvane/core/RegisteredMessages.h"
#include "corvane/core/Settings.h"
#include "corvane/frontpanel/DisplayView.h"
#include "shared/FontFactory.h"
#include "shared/RegisteredEvent.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

namespace {
const uint32_t kMajorSteps[] = {1000,   2000,    5000,    10000,   20000,   50000,   100000,
                                200000, 500000,  1000000, 2000000, 5000000, 10000000};
const uint32_t kMinorSteps[] = {200,   500,    1000,   2000,   5000,    10000,   20000,
                                50000, 100000, 200000, 500000, 1000000, 2000000};
const char* const kLevelLabels[16] = {"0", "1", "2", "3", "4", "5", "6", "7",
                                      "8", "9", "+10", "+20", "+30", "+40", "+50", "+60"};

std::function<void(uint32_t)>& tuner()
{
    static std::function<void(uint32_t)> t;
    return t;
}

// A line as the platform's pens draw one: the end point stays blank.
void lineTo(QPainter& p, int x1, int y1, int x2, int y2)
{
    if (x1 == x2 && y1 == y2)
        return;
    const int dx = x2 > x1 ? -1 : x2 < x1 ? 1 : 0;
    const int dy = y2 > y1 ? -1 : y2 < y1 ? 1 : 0;
    p.drawLine(x1, y1, x2 + dx, y2 + dy);
}

void fillRect(QImage& image, const RECT& r, COLORREF colour)
{
    if (r.right <= r.left || r.bottom <= r.top)
        return;
    QPainter p(&image);
    p.fillRect(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top), toQColor(colour));
}
} // namespace

// ------------------------------------------------------------------ scale

bool CScanGraphScale::IsMajorLevel(int n)
{
    return n == 2 || n == 4 || n == 6 || n == 8 || n == 10 || n == 12 || n == 15;
}

QString CScanGraphScale::LevelLabel(int n)
{
    return n >= 0 && n < kLevels ? QString::fromLatin1(kLevelLabels[n]) : QString();
}

QString CScanGraphScale::FrequencyLabel(uint32_t nHz)
{
    QString text = QString::asprintf("%.6f", double(nHz) / 1000000.0);
    while (text.endsWith(QLatin1Char('0')) && text.size() >= 2 && text[text.size() - 2] != QLatin1Char('.'))
        text.chop(1);
    return text;
}

void CScanGraphScale::Compute(const RECT& client, QSize labelSize, uint32_t nLow, uint32_t nHigh)
{
    m_nLow = nLow;
    m_nHigh = nHigh;
    L = client.left + labelSize.width() + 19;
    R = client.right - labelSize.width() - 19;
    T = client.top + 12 + labelSize.height() / 2;
    B = client.bottom - labelSize.height() - 14;
    plotRect = RECT{L + 1, T, R - 1, B - 1};
    W = plotRect.right - plotRect.left;
    H = plotRect.bottom - plotRect.top;

    bHasScale = false;
    nMajor = nMinor = nAxisStart = nAxisEnd = 0;
    majorTicks.clear();
    majorFrequencies.clear();
    minorTicks.clear();
    if (nHigh == 0 || nHigh == nLow)
        return;
    const uint32_t span = nHigh - nLow;
    for (size_t i = 0; i < std::size(kMajorSteps); ++i) {
        if (span / kMajorSteps[i] <= kScaleDivisions) {
            nMajor = kMajorSteps[i];
            nMinor = kMinorSteps[i];
            break;
        }
    }
    if (!nMajor)
        return;
    nAxisStart = nLow - nLow % nMajor;
    nAxisEnd = nHigh % nMajor == 0 ? nHigh : nHigh + nMajor - nHigh % nMajor;
    const uint64_t axisHundreds = (nAxisEnd - nAxisStart) / 100;
    if (axisHundreds == 0 || W <= 0)
        return;
    bHasScale = true;
    for (uint64_t i = 0;; ++i) {
        const int64_t x = int64_t(uint64_t(nMajor / 100) * i * uint64_t(W) / axisHundreds);
        if (x > W)
            break;
        majorTicks.push_back(int(x));
        majorFrequencies.push_back(uint32_t(nAxisStart + i * nMajor));
    }
    for (uint64_t i = 1;; ++i) {
        const int64_t x = int64_t(uint64_t(nMinor / 100) * i * uint64_t(W) / axisHundreds);
        if (x >= W)
            break;
        minorTicks.push_back(int(x));
    }
}

int CScanGraphScale::LevelY(int nLevel) const
{
    return (B - 1) - H * nLevel / 15;
}

bool CScanGraphScale::FrequencyX(uint32_t nHz, int& x) const
{
    if (!bHasScale)
        return false;
    const int64_t axisTens = (nAxisEnd - nAxisStart) / 10;
    if (axisTens == 0)
        return false;
    // Below the axis start the offset goes negative instead of wrapping.
    const int64_t tens = (int64_t(nHz) - int64_t(nAxisStart)) / 10;
    x = int(int64_t(W) * tens / axisTens + L + 1);
    return true;
}

bool CScanGraphScale::ClickFrequency(int x, int y, uint32_t& nHz) const
{
    if (x < plotRect.left || x >= plotRect.right || y < plotRect.top || y >= plotRect.bottom || W <= 0)
        return false;
    const uint64_t span = (m_nHigh - m_nLow) / 10;
    nHz = uint32_t((uint64_t(m_nLow / 10) + uint64_t(x - (L + 1)) * span / uint64_t(W)) * 10);
    return true;
}

// ------------------------------------------------------------------ control

void CScanGraph::SetTuner(std::function<void(uint32_t)> t)
{
    tuner() = std::move(t);
}

CScanGraph::CScanGraph(QWidget* parent) : QWidget(parent)
{
    const CSettings& s = GetSettings();
    m_colBack = s.m_colTuningDialBackground;
    m_colLine = s.m_colTuningDialForeground;
    m_colFill = s.m_colTuningDialForeground;
    m_frequencies.reserve(1000);
    m_levels.reserve(1000);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CScanGraph::~CScanGraph() = default;

RECT CScanGraph::ClientRect() const
{
    return RECT{0, 0, width(), height()};
}

void CScanGraph::Layout()
{
    const RECT client = ClientRect();
    if (!m_display.isNull() && m_bufferRect.right - m_bufferRect.left >= client.right &&
        m_bufferRect.bottom - m_bufferRect.top >= client.bottom) {
        DrawBackground();
        return;
    }
    m_bufferRect = client;
    const QSize size(std::max(1, client.right), std::max(1, client.bottom));
    m_display = QImage(size, QImage::Format_RGB32);
    m_clean = QImage(size, QImage::Format_RGB32);
    if (!m_bFontMade) {
        m_font = CFontFactory(this).CreateSmallFonts(7);
        m_bFontMade = true;
    }
    const QFontMetrics metrics(m_font);
    int w = 0, h = 0;
    for (int i = 0; i < CScanGraphScale::kLevels; ++i) {
        const QRect r = metrics.boundingRect(CScanGraphScale::LevelLabel(i));
        w = std::max(w, metrics.horizontalAdvance(CScanGraphScale::LevelLabel(i)));
        h = std::max(h, std::max(r.height(), metrics.height()));
    }
    m_labelSize = QSize(w, h);
    DrawBackground();
}

void CScanGraph::DrawBackground()
{
    if (m_display.isNull())
        return;
    const RECT client = ClientRect();
    m_scale.Compute(client, m_labelSize, m_nLow, m_nHigh);
    const CScanGraphScale& s = m_scale;
    const QColor back = toQColor(m_colBack);
    const QColor line = toQColor(m_colLine);
    {
        QPainter p(&m_display);
        p.fillRect(m_display.rect(), back);
        p.setFont(m_font);
        p.setPen(QPen(line, 0));
        const QFontMetrics metrics(m_font);

        for (int i = 0; i < CScanGraphScale::kLevels; ++i) {
            const int y = s.LevelY(i);
            const bool major = CScanGraphScale::IsMajorLevel(i);
            p.setPen(QPen(line, 0));
            lineTo(p, s.L - (major ? 5 : 3), y, s.L, y);
            lineTo(p, s.R, y, s.R + (major ? 5 : 3), y);
            if (!major)
                continue;
            const QString label = CScanGraphScale::LevelLabel(i);
            const int w = metrics.horizontalAdvance(label);
            const int h = m_labelSize.height();
            const int top = y - h / 2;
            p.drawText(QRect(s.L - 5 - 4 - w, top, w, h), Qt::AlignRight | Qt::AlignTop, label);
            p.drawText(QRect(s.R + 5 + 3, top, w, h), Qt::AlignLeft | Qt::AlignTop, label);
            p.setPen(QPen(line, 0, Qt::DotLine));
            lineTo(p, s.L + 1, y, s.R - 1, y);
        }
        p.setPen(QPen(line, 0));
        if (s.bHasScale) {
            for (size_t i = 0; i < s.majorTicks.size(); ++i) {
                const int x = s.L + 1 + s.majorTicks[i];
                lineTo(p, x, s.B - 1, x, s.B + 4);
                const QString label = CScanGraphScale::FrequencyLabel(s.majorFrequencies[i]);
                const int w = metrics.horizontalAdvance(label);
                p.drawText(QRect(x - w / 2, s.B + 4, w, m_labelSize.height()), Qt::AlignLeft | Qt::AlignTop,
                           label);
            }
            for (int x : s.minorTicks)
                lineTo(p, s.L + 1 + x, s.B - 1, s.L + 1 + x, s.B + 2);
        }
        lineTo(p, s.L, s.T, s.L, s.B);
        lineTo(p, s.R, s.T, s.R, s.B);
        lineTo(p, s.L, s.B, s.R, s.B);
    }
    m_clean = m_display.copy();
    m_topCursor = m_bottomCursor = RECT{};
    update();
}

void CScanGraph::ClearReadings()
{
    m_frequencies.clear();
    m_levels.clear();
    m_frequencies.reserve(1000);
    m_levels.reserve(1000);
}

void CScanGraph::AddReading(int nIndex, uint32_t nHz, uint8_t nLevel, bool bDraw)
{
    const size_t index = nIndex < 0 ? m_frequencies.size() : size_t(nIndex);
    if (index >= m_frequencies.size()) {
        m_frequencies.resize(index + 1, 0);
        m_levels.resize(index + 1, 0);
    }
    m_frequencies[index] = nHz;
    m_levels[index] = nLevel;
    if (!bDraw || m_display.isNull())
        return;
    DrawCursor(nHz);
    if (index == 0)
        return;
    const uint32_t f1 = m_frequencies[index - 1];
    const uint32_t f2 = m_frequencies[index];
    // Only a rising frequency draws: a jump back starts a new sweep.
    if (f1 >= f2)
        return;
    const CScanGraphScale& s = m_scale;
    int x1 = 0, x2 = 0;
    if (!s.FrequencyX(f1, x1) || !s.FrequencyX(f2, x2))
        return;
    const int y1 = s.LevelY(std::min<int>(m_levels[index - 1], 15));
    const int y2 = s.LevelY(std::min<int>(m_levels[index], 15));
    const QRect columns(x1, s.T, x2 - x1 + 1, s.H + 1);
    {
        QPainter p(&m_display);
        p.drawImage(columns.topLeft(), m_clean, columns);
        const QColor fill = toQColor(m_colFill);
        p.setPen(QPen(fill, 0));
        p.setBrush(fill);
        const QPolygon polygon({QPoint(x1, s.B - 1), QPoint(x1, y1), QPoint(x2, y2), QPoint(x2, s.B - 1)});
        p.drawPolygon(polygon);
    }
    update(columns);
}

void CScanGraph::DrawCursor(uint32_t nHz)
{
    const CScanGraphScale& s = m_scale;
    int x = 0;
    if (!s.FrequencyX(nHz, x))
        return;
    x -= 3;
    const int yb = height() - 12;
    fillRect(m_display, m_bottomCursor, m_colBack);
    fillRect(m_display, m_topCursor, m_colBack);
    update(QRect(m_bottomCursor.left, m_bottomCursor.top, m_bottomCursor.right - m_bottomCursor.left,
                 m_bottomCursor.bottom - m_bottomCursor.top));
    update(QRect(m_topCursor.left, m_topCursor.top, m_topCursor.right - m_topCursor.left,
                 m_topCursor.bottom - m_topCursor.top));
    m_bottomCursor = RECT{x, yb, x + 7, yb + 7};
    m_topCursor = RECT{x, 5, x + 7, 12};
    QPainter p(&m_display);
    p.setPen(QPen(toQColor(m_colLine), 0));
    const QPoint up[] = {{x + 3, yb + 2}, {x + 2, yb + 3}, {x + 4, yb + 3}, {x + 5, yb + 4},
                         {x + 1, yb + 4}, {x, yb + 5},     {x + 6, yb + 5}, {x + 3, yb + 2}};
    const QPoint down[] = {{x, 6}, {x + 6, 6}, {x + 5, 7}, {x + 1, 7}, {x + 2, 8}, {x + 4, 8}, {x + 3, 9}, {x, 6}};
    for (size_t i = 0; i + 1 < std::size(up); ++i)
        lineTo(p, up[i].x(), up[i].y(), up[i + 1].x(), up[i + 1].y());
    for (size_t i = 0; i + 1 < std::size(down); ++i)
        lineTo(p, down[i].x(), down[i].y(), down[i + 1].x(), down[i + 1].y());
    update(QRect(x, yb, 7, 7));
    update(QRect(x, 5, 7, 7));
}

void CScanGraph::Replot()
{
    const std::vector<uint32_t> frequencies = m_frequencies;
    const std::vector<uint8_t> levels = m_levels;
    ClearReadings();
    for (size_t i = 0; i < frequencies.size(); ++i)
        AddReading(kAppend, frequencies[i], levels[i], true);
}

void CScanGraph::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (m_display.isNull())
        p.fillRect(rect(), toQColor(m_colBack));
    else
        p.drawImage(0, 0, m_display);
}

void CScanGraph::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    uint32_t hz = 0;
    if (event->button() == Qt::LeftButton && !m_display.isNull() && m_scale.ClickFrequency(pos.x(), pos.y(), hz)) {
        if (parentWidget())
            PostRegisteredMessage(parentWidget(), RegisteredMessage::nMsgPause, 0, 0);
        if (tuner())
            tuner()(hz);
        else if (CDisplayView* view = GetDisplayView())
            view->SetFrequency(hz);
    }
    QWidget::mousePressEvent(event);
}
