#include "corvane/frontpanel/TuningDial.h"

#include "corvane/core/RegisteredMessages.h"
#include "corvane/core/Settings.h"
#include "shared/RegisteredEvent.h"
#include "shared/WinDraw.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/ColourMix.h"
#include "shared/ui/TitleTip.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace {
std::function<std::vector<DialFavourite>()>& favouritesSource()
{
    static std::function<std::vector<DialFavourite>()> source;
    return source;
}

constexpr int kArrowSize = 11;
} // namespace

void CTuningDial::SetFavouritesSource(std::function<std::vector<DialFavourite>()> source)
{
    favouritesSource() = std::move(source);
}

CTuningDial::CTuningDial(QWidget* parent) : QWidget(parent)
{
    SetDlgCtrlID(this, kControlId);
    const CSettings& s = GetSettings();
    m_options.colBackground = s.m_colTuningDialBackground;
    m_options.colForeground = s.m_colTuningDialForeground;
    m_options.colSlider = s.m_colTuningDialSliderColour;
    m_options.nMaxDivisions = s.GetDialConstant();
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CTuningDial::~CTuningDial() = default;

void CTuningDial::SetBandPlan(const CBandPlan& plan)
{
    m_plan.CopyFrom(plan);
    m_layout.m_nFirstVisibleRow = -1;
    m_layout.m_nLastCurrentRow = -1;
    m_nMarkerEntry = -1;
    m_bMarkerDrawn = false;
}

void CTuningDial::ScrollDown()
{
    ++m_layout.m_nFirstVisibleRow;
    DrawEverything();
    update();
}

void CTuningDial::ScrollUp()
{
    if (m_layout.m_nFirstVisibleRow > 0) {
        --m_layout.m_nFirstVisibleRow;
        DrawEverything();
        update();
    }
}

QImage CTuningDial::MakeArrow(bool bPointsLeft, COLORREF background, COLORREF slider)
{
    // Our own 11 x 11 arrow head, recoloured as the dial's colours say.
    QImage image(kArrowSize, kArrowSize, QImage::Format_RGB32);
    image.fill(toQColor(background));
    const QRgb fill = toQColor(slider).rgb();
    for (int x = 0; x < kArrowSize; ++x) {
        const int reach = bPointsLeft ? x / 2 : (kArrowSize - 1 - x) / 2;
        for (int y = 5 - reach; y <= 5 + reach; ++y)
            image.setPixel(x, y, fill);
    }
    return image;
}

CTuningDialLayout::Metrics CTuningDial::MakeMetrics() const
{
    CTuningDialLayout::Metrics m;
    const QFontMetrics scale(m_scaleFont);
    const QFontMetrics title(m_titleFont);
    m.nScaleTextHeight = scale.height();
    m.nTitleHeight = title.height();
    m.textWidth = [scale](const QString& s) { return scale.horizontalAdvance(s); };
    m.titleWidth = [title](const QString& s) { return title.horizontalAdvance(s); };
    return m;
}

void CTuningDial::Rebuild()
{
    m_layout.m_nLastCurrentRow = -1;
    m_leftArrow = MakeArrow(true, m_options.colBackground, m_options.colSlider);
    m_rightArrow = MakeArrow(false, m_options.colBackground, m_options.colSlider);
    if (!m_bFontsMade) {
        m_bFontsMade = true;
        m_scaleFont = m_bSmallPanel ? QFont(QStringLiteral("Small Fonts"), 7)
                                    : QFont(QStringLiteral("Microsoft Sans Serif"), 8);
        m_titleFont = QFont(QStringLiteral("Microsoft Sans Serif"), 8);
        setFont(m_scaleFont);
        m_pTitleTip = new CTitleTip(this);
        m_pTitleTip->setFont(m_titleFont);
        SetDlgCtrlID(m_pTitleTip, 0xFFFF);
        m_pTitleTip->setText(QStringLiteral(" "));
    }
    m_bBuilt = true;
    DrawEverything();
    // The picture has changed as a whole (another plan, colours, options):
    // the window shows all of it, not only where the line moved.
    update();
}

void CTuningDial::DrawEverything()
{
    const QSize client = size();
    if (m_image.size() != client)
        m_image = QImage(client.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    m_image.fill(toQColor(m_options.colBackground));

    const CSettings& s = GetSettings();
    m_options.bHighlightBand = s.m_bTuningDialHighlightBand != 0;
    m_options.bFaveMarkers = s.m_bFaveMarkers != 0;
    m_favourites.clear();
    if (m_options.bFaveMarkers && favouritesSource())
        m_favourites = favouritesSource()();

    m_drawing = m_layout.Layout(m_plan, client, m_nFrequency, m_strTitle, m_options, MakeMetrics(), m_favourites);
    if (!m_drawing.bEmpty) {
        QPainter p(&m_image);
        for (const auto& line : m_drawing.lines) {
            p.setPen(QPen(toQColor(line.colour), 1));
            p.drawLine(line.a, line.b);
        }
        p.setFont(m_scaleFont);
        for (const auto& label : m_drawing.labels) {
            p.fillRect(label.rect, toQColor(m_options.colBackground));
            p.setPen(toQColor(label.colour));
            p.drawText(label.rect, Qt::AlignCenter | Qt::TextSingleLine, label.text);
        }
        for (const auto& flag : m_drawing.flags) {
            p.setPen(QPen(toQColor(flag.colour), 1));
            p.drawLine(QPoint(flag.x, flag.y0), QPoint(flag.x, flag.baseline - 1));
            const QPoint box[] = {{flag.x - 5, flag.y0}, {flag.x - 5, flag.y0 - 8}, {flag.x + 5, flag.y0 - 8},
                                  {flag.x + 5, flag.y0}, {flag.x - 5, flag.y0}};
            p.drawPolyline(box, 5);
            p.fillRect(QRect(QPoint(flag.x - 4, flag.y0 - 7), QPoint(flag.x + 4, flag.y0 - 1)),
                       toQColor(MixColours(flag.colour, 1, m_options.colBackground, 2)));
        }
        if (!m_drawing.strTitle.isEmpty()) {
            p.setFont(m_titleFont);
            p.fillRect(m_drawing.titleRect, toQColor(m_options.colBackground));
            p.setPen(toQColor(m_options.colForeground));
            p.drawText(m_drawing.titleRect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
                       m_drawing.strTitle);
        }
        p.end();
        const intptr_t lParam = (m_drawing.bFirstRowShown ? 1 : 0) | (m_drawing.bLastRowShown ? 2 : 0);
        if (parent())
            PostRegisteredMessage(parent(), RegisteredMessage::nMsgDrawBands, 0, lParam);
    }
    m_rcLeftArrow = m_rcRightArrow = QRect();
    m_nMarkerEntry = -1;
    m_bMarkerDrawn = false;
    SetFrequency(m_nFrequency, false);
}

void CTuningDial::SetFrequency(uint32_t f, bool bScanning)
{
    const bool bHide = bScanning && GetSettings().m_bTuningDialHideScanning;
    const int row = bHide ? -1 : CTuningDialLayout::FindRow(m_plan, f);
    m_bScanning = bScanning;
    m_nFrequency = f;

    if (m_bMarkerDrawn)
        update(m_rcMarker);
    m_bMarkerDrawn = false;
    if (m_nMarkerEntry >= 0 && m_nMarkerEntry != row && m_options.bArrows) {
        update(m_rcLeftArrow);
        update(m_rcRightArrow);
        m_rcLeftArrow = m_rcRightArrow = QRect();
        m_nMarkerEntry = -1;
    }
    if (row < 0 || !m_plan.GetEntry(row)->GetVisible())
        return;

    const CBandPlanEntry* e = m_plan.GetEntry(row);
    const RECT& base = e->GetLabelRect();
    const RECT& bar = e->GetBarRect();
    const int64_t off = CTuningDialLayout::FrequencyOffset(f, e->GetFrom(), e->GetTo(), base.right - base.left);
    if (bar.right > bar.left) {
        m_rcMarker = QRect(bar.left + int(off), m_drawing.nRowsTop, 1, m_drawing.nRowsBottom - m_drawing.nRowsTop);
        m_bMarkerDrawn = true;
        update(m_rcMarker);
    }
    if (row != m_nMarkerEntry && m_options.bArrows) {
        const int w = kArrowSize;
        const int h = kArrowSize;
        const int top = bar.top + (bar.bottom - bar.top - h) / 2;
        m_rcRightArrow = QRect(bar.left - w - w / 2, top, w, h);
        m_rcLeftArrow = QRect(bar.right + w / 2, top, w, h);
        m_nMarkerEntry = row;
        update(m_rcLeftArrow);
        update(m_rcRightArrow);
    }
}

void CTuningDial::CheckHighlight(uint32_t f)
{
    if (!GetSettings().m_bTuningDialHighlightBand || !m_bBuilt)
        return;
    if (CTuningDialLayout::FindRow(m_plan, f) == m_drawing.nHighlighted)
        return;
    const uint32_t stored = m_nFrequency;
    const bool bScanning = m_bScanning;
    m_nFrequency = f;
    DrawEverything();
    m_nFrequency = stored;
    m_bScanning = bScanning;
    update();
}

void CTuningDial::PaintOverlay(QPainter& p) const
{
    if (m_bMarkerDrawn)
        p.fillRect(m_rcMarker, toQColor(m_options.colSlider));
    if (m_nMarkerEntry >= 0 && m_options.bArrows && !m_rcLeftArrow.isNull()) {
        p.drawImage(m_rcRightArrow.topLeft(), m_rightArrow);
        p.drawImage(m_rcLeftArrow.topLeft(), m_leftArrow);
    }
}

QImage CTuningDial::Render() const
{
    QImage out = m_image.isNull() ? QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32) : m_image.copy();
    if (m_image.isNull())
        out.fill(toQColor(m_options.colBackground));
    QPainter p(&out);
    PaintOverlay(p);
    return out;
}

void CTuningDial::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (m_image.isNull())
        p.fillRect(rect(), toQColor(m_options.colBackground));
    else
        p.drawImage(0, 0, m_image);
    PaintOverlay(p);
}

void CTuningDial::resizeEvent(QResizeEvent*)
{
    if (m_bBuilt)
        DrawEverything();
}

void CTuningDial::Click(QPoint point)
{
    if (const uint32_t f = CTuningDialLayout::HitTest(m_plan, point))
        emit tuneRequested(f);
}

void CTuningDial::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint();
    if (!m_drawing.titleRect.isEmpty() && m_drawing.titleRect.contains(point)) {
        emit bandsCommand();
        return;
    }
    const int fave = m_layout.FavouriteAt(point);
    if (fave >= 0) {
        QObject* target = m_pView ? m_pView : parent();
        if (target)
            PostRegisteredMessage(target, RegisteredMessage::nMsgFavourite, 0,
                                  intptr_t(m_favourites[size_t(fave)].pEntry));
        return;
    }
    Click(point);
}

void CTuningDial::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit fineTuningCommand();
}

void CTuningDial::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_pTitleTip)
        return;
    QPoint anchor;
    const int fave = m_layout.FavouriteAt(event->position().toPoint(), &anchor);
    if (fave >= 0) {
        const DialFavourite& f = m_favourites[size_t(fave)];
        m_pTitleTip->Show(this, anchor.x(), anchor.y() + 10, f.strFolder, f.strTitle);
    } else {
        m_pTitleTip->Hide();
    }
}

bool CTuningDial::event(QEvent* event)
{
    if (event->type() == QEvent::Leave && m_pTitleTip)
        m_pTitleTip->Hide();
    return QWidget::event(event);
}

void CTuningDial::OnKey(int nKey)
{
    const int row = CTuningDialLayout::FindRow(m_plan, m_nFrequency);
    if (row < 0)
        return;
    const CBandPlanEntry* e = m_plan.GetEntry(row);
    switch (nKey) {
    case Qt::Key_Home:
    case 0x24:
        emit frequencyRequested(e->GetFrom());
        return;
    case Qt::Key_End:
    case 0x23:
        emit frequencyRequested(e->GetTo());
        return;
    case Qt::Key_PageUp:
    case 0x21:
        if (row != 0 && m_bMarkerDrawn)
            Click(QPoint(m_rcMarker.left() + 1, m_plan.GetEntry(row - 1)->GetLabelRect().top));
        return;
    case Qt::Key_PageDown:
    case 0x22:
        if (row != m_plan.GetCount() - 1 && m_bMarkerDrawn)
            Click(QPoint(m_rcMarker.left() + 1, m_plan.GetEntry(row + 1)->GetLabelRect().top));
        return;
    default:
        return;
    }
}
