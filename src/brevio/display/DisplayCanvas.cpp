#include "brevio/display/DisplayCanvas.h"

#include "brevio/core/DspLibrary.h"
#include "brevio/core/FontDescription.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/core/RegisteredMessages.h"
#include "brevio/display/DisplayCanvasServices.h"
#include "brevio/display/DisplayTraces.h"
#include "brevio/display/FrequencyLabel.h"
#include "shared/FontFactory.h"
#include "shared/RegisteredEvent.h"
#include "shared/WinDraw.h"

#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <algorithm>

using winapi::RectLTRB;

namespace {

constexpr int kRefreshMs = 250;
constexpr QRgb kGrid = qRgb(128, 128, 128);

CDisplayCanvasServices& Services() { return CDisplayCanvasServices::Instance(); }

// Sends a registered message to every direct child window of a frame.
void SendToChildren(QWidget* pFrame, uint32_t nMsg, uintptr_t wParam, intptr_t lParam)
{
    if (!pFrame)
        return;
    const QObjectList children = pFrame->children();
    for (QObject* child : children) {
        if (child->isWidgetType())
            SendRegisteredMessage(child, nMsg, wParam, lParam);
    }
}

QMdiSubWindow* ActiveMdiChild()
{
    QMdiArea* area = Services().GetMdiArea();
    return area ? area->activeSubWindow() : nullptr;
}

// The receive channel (0-3) whose frame this is, or -1.
int ChannelOfFrame(const QWidget* pFrame)
{
    for (int n = 0; n < 4; ++n) {
        if (pFrame && Services().GetChannelFrame(n) == pFrame)
            return n;
    }
    return -1;
}

void DrawGrid(QPainter& painter, const std::vector<QLine>& lines)
{
    painter.setPen(QPen(QColor(kGrid), 1));
    for (const QLine& line : lines)
        painter.drawLine(line);
}

} // namespace

CDisplayCanvas::CDisplayCanvas(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    m_timer.setInterval(kRefreshMs);
    connect(&m_timer, &QTimer::timeout, this, &CDisplayCanvas::OnTimer);
    for (int kind = 0; kind < 5; ++kind)
        m_cursors[size_t(kind)] = MakeCursor(kind);
}

CDisplayCanvas::~CDisplayCanvas() = default;

bool CDisplayCanvas::Create(QWidget* pParent, int nId)
{
    setParent(pParent);
    setWindowTitle(QStringLiteral("Display Canvas"));
    setProperty("controlId", nId);
    setGeometry(QRect());
    show();
    return true;
}

bool CDisplayCanvas::event(QEvent* e)
{
    if (auto* msg = CRegisteredEvent::As(e, RegisteredMessage::nMsgOptions)) {
        msg->SetResult(OnOptions(msg->wParam(), msg->lParam()));
        return true;
    }
    return QWidget::event(e);
}

intptr_t CDisplayCanvas::OnOptions(uintptr_t, intptr_t lParam)
{
    const CPSK31Settings& s = CurrentSettings();
    int nHigh = std::max(s.GetDisplayMin(), s.GetDisplayMax());
    const int nLow = std::min(s.GetDisplayMin(), s.GetDisplayMax());
    if (nHigh == nLow)
        nHigh = nLow + 100;
    // The range is compared as it would be used, so a swapped or empty range
    // in the settings does not throw the waterfall history away at every
    // unrelated option change.
    if (lParam == 0 && nLow == m_nLow && nHigh == m_nHigh && m_strFont == s.GetDisplayFont())
        return 0;
    m_nLow = nLow;
    m_nHigh = nHigh;
    MakeFont();
    RecalcLayout();
    return 0;
}

void CDisplayCanvas::MakeFont()
{
    m_strFont = CurrentSettings().GetDisplayFont();
    const CFontDescription description(m_strFont);
    // A description without a size gets the default description's size rather than none.
    const int nPoints = description.GetSize() > 0 ? description.GetSize() : 8;
    m_font = CFontFactory(this).CreatePointFont(description.GetFace(), nPoints, description.IsBold(),
                                                description.IsItalic());
    m_bHasFont = true;
}

void CDisplayCanvas::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (width() > 0 && width() < 32767)
        m_nWidth = width();
    if (height() > 0 && height() < 32767)
        m_nHeight = height();
    RecalcLayout();
}

void CDisplayCanvas::RecalcLayout()
{
    // The scene only ever grows, so shrinking and growing back costs nothing.
    if (m_scene.isNull() || m_nWidth > m_scene.width() || m_nHeight > m_scene.height()) {
        if (m_nWidth > 0 && m_nHeight > 0)
            m_scene = QImage(m_nWidth, m_nHeight, QImage::Format_RGB32);
    }
    // The first rebuild makes the font (unless the settings made it first) and
    // starts the marker refresh, once for the life of the window.
    if (!m_bHasFont)
        MakeFont();
    if (!m_timer.isActive())
        m_timer.start();

    const QFontMetrics fm(m_font);
    int nWidest = 0;
    int nTallest = 0;
    for (const char* digit : {"0", "1", "2", "3", "4"}) {
        nWidest = std::max(nWidest, fm.horizontalAdvance(QString::fromLatin1(digit)));
        nTallest = std::max(nTallest, fm.height());
    }
    m_nBoxSize = std::max(nWidest, nTallest) + 6;

    Layout();

    const int n = m_scale.GetPlotEnd() - m_scale.GetPlotStart() + 1;
    m_map.Build(m_nLow, m_nHigh, m_nWidth > 0 && m_nHeight > 0 ? n : 0);

    const QRect plot = m_scale.GetPlotRect();
    m_waterfall.Create(plot.width(), plot.height());
    m_pFrame = nullptr;
    update();
}

void CDisplayCanvas::Layout()
{
    if (m_nWidth == 0 || m_nHeight == 0 || m_scene.isNull())
        return;
    {
        QPainter painter(&m_scene);
        winapi::FillSolidRect(&painter, m_scene.rect(), CurrentSettings().GetDisplayBack());
    }
    // A square client is laid out horizontally.
    m_bVertical = m_nHeight > m_nWidth || m_bBrowserMode;
    m_markers.ClearBoxes();
    m_nChannelValues.fill(-1);
    if (m_bVertical) {
        DrawScaleVertical(false);
        UpdateMarkersVertical(true, true);
    } else {
        DrawScaleHorizontal(false);
        UpdateMarkersHorizontal(true, true);
    }
}

void CDisplayCanvas::DrawScaleVertical(bool bFill) { DrawScale(true, bFill); }
void CDisplayCanvas::DrawScaleHorizontal(bool bFill) { DrawScale(false, bFill); }

void CDisplayCanvas::DrawScale(bool bVertical, bool bFill)
{
    if (m_scene.isNull())
        return;
    const CPSK31Settings& s = CurrentSettings();
    CFrequencyLabel label(s.IsDisplayRealFrequency() != 0, Services().GetDialFrequency());
    CDisplayScale::Input in;
    in.bVertical = bVertical;
    in.nWidth = m_nWidth;
    in.nHeight = m_nHeight;
    if (bVertical && m_bBrowserMode)
        in.nStrip = Services().GetSuperView() && Services().IsTxPanelShown() ? m_nBoxSize : 0;
    else
        in.nStrip = m_nBoxSize;
    label.GetScaleRange(m_nLow, m_nHigh, in.nLo, in.nHi);
    const QFontMetrics fm(m_font);
    const QString strTop = label.FormatScale(in.nHi);
    in.cx = fm.horizontalAdvance(strTop);
    in.cy = fm.height();
    m_scale.Compute(in, label);

    QPainter painter(&m_scene);
    if (bFill)
        winapi::FillSolidRect(&painter, m_scale.GetScaleRect(), s.GetDisplayBack());
    const QColor text = toQColor(s.GetDisplayText());
    painter.setPen(QPen(text, 1));
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(toQColor(s.GetDisplayBack()));
    const int line = m_scale.GetScaleLine();
    if (bVertical)
        painter.drawLine(line, 0, line, m_nHeight - 1);
    else
        painter.drawLine(0, line, m_nWidth - 1, line);

    const unsigned nFormat = winapi::DT_SINGLELINE | winapi::DT_NOPREFIX |
                             (bVertical ? winapi::DT_RIGHT | winapi::DT_VCENTER : winapi::DT_CENTER | winapi::DT_BOTTOM);
    for (const CScaleTick& tick : m_scale.GetTicks()) {
        if (tick.bLabel) {
            QRect rect = tick.rectLabel;
            winapi::DrawText(&painter, m_font, tick.strLabel, rect, nFormat);
        }
        if (bVertical)
            painter.drawLine(line - tick.nLength, tick.nPos, line, tick.nPos);
        else
            painter.drawLine(tick.nPos, line - tick.nLength, tick.nPos, line);
    }
}

// --- Markers -----------------------------------------------------------------

void CDisplayCanvas::UpdateMarkersVertical(bool bForce, bool bKeepScale) { UpdateMarkers(true, bForce, bKeepScale); }
void CDisplayCanvas::UpdateMarkersHorizontal(bool bForce, bool bKeepScale) { UpdateMarkers(false, bForce, bKeepScale); }

void CDisplayCanvas::UpdateMarkers(bool bVertical, bool bForce, bool bKeepScale)
{
    CDisplayCanvasServices& services = Services();
    if (!services.HasMainWindow() || m_scene.isNull())
        return;
    bool bChanged = false;

    const bool bCentreBar = services.IsCentreBarVisible();
    const int nCentre = services.GetCentreValue();
    const bool bCentreWanted =
        bCentreBar && services.GetDialFrequency() != 0 && nCentre >= m_nLow && nCentre <= m_nHigh;
    const int nCentreValue = bCentreBar ? int((uint32_t(nCentre) & 0x7FFFFFFFu) | (bCentreWanted ? 0x80000000u : 0u)) : -1;
    if (nCentreValue != m_nCentreValue) {
        m_nCentreValue = nCentreValue;
        bChanged = true;
    }

    const bool bTxMarker = bVertical && m_bBrowserMode && services.GetSuperView() && services.IsTxPanelShown();
    int nTxFrequency = 0;
    if (bTxMarker) {
        bChanged = true;
        nTxFrequency = services.GetTxFrequency();
    }

    std::array<bool, 4> visible{};
    std::array<bool, 4> active{};
    int nVisibleActive = 0;
    if (!m_bBrowserMode) {
        for (int n = 0; n < 4; ++n) {
            visible[size_t(n)] = services.IsChannelVisible(n);
            active[size_t(n)] = services.IsChannelActive(n);
            const int nValue = visible[size_t(n)]
                ? int((uint32_t(fnGetRXFrequency(n)) & 0x7FFFFFFFu) | (active[size_t(n)] ? 0x80000000u : 0u))
                : -1;
            if (nValue != m_nChannelValues[size_t(n)]) {
                m_nChannelValues[size_t(n)] = nValue;
                bChanged = true;
            }
            nVisibleActive += visible[size_t(n)] && active[size_t(n)] ? 1 : 0;
        }
    }
    if (!bChanged && !bForce)
        return;

    if (!bKeepScale)
        DrawScale(bVertical, true);
    m_markers.ClearBoxes();
    CMarkerLayout::Geometry geometry;
    geometry.bVertical = bVertical;
    geometry.nPlotStart = m_scale.GetPlotStart();
    geometry.nPlotEnd = m_scale.GetPlotEnd();
    geometry.rectPlot = m_scale.GetPlotRect();
    geometry.nLow = m_nLow;
    geometry.nHigh = m_nHigh;
    geometry.nBoxWidth = m_nBoxSize;
    geometry.nBoxHeight = m_nBoxSize;
    m_markers.SetGeometry(geometry);

    if (bTxMarker)
        DrawMarker(CMarkerLayout::kTransmit, nTxFrequency, services.IsTxLocked() ? 3 : 1, bVertical);
    if (!m_bBrowserMode) {
        if (bCentreWanted)
            DrawMarker(CMarkerLayout::kCentre, nCentre, nVisibleActive > 0 ? 0 : 2, bVertical);
        for (int n = 0; n < 4; ++n) {
            if (visible[size_t(n)] && active[size_t(n)])
                DrawMarker(n, fnGetRXFrequency(n), 1, bVertical);
        }
        for (int n = 0; n < 4; ++n) {
            if (visible[size_t(n)] && !active[size_t(n)])
                DrawMarker(n, fnGetRXFrequency(n), 2, bVertical);
        }
    }
    const QRect plot = m_scale.GetPlotRect();
    update(bVertical ? QRect(0, 0, plot.left(), m_nHeight) : QRect(0, 0, m_nWidth, plot.top()));
}

void CDisplayCanvas::DrawMarker(int nId, int nFrequency, int nStyle, bool bVertical)
{
    const CMarkerStyle& style = CMarkerLayout::Style(nStyle);
    QRect box;
    int nPos = 0;
    if (!m_markers.Place(nId, nFrequency, box, nPos))
        return;

    QPainter painter(&m_scene);
    const QRect frame = box.adjusted(1, 1, -1, -1);
    const QRect fill = box.adjusted(2, 2, -2, -2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::NoBrush);
    if (frame.width() > 0 && frame.height() > 0) {
        const QColor col = toQColor(style.colFrame);
        painter.fillRect(QRect(frame.left(), frame.top(), frame.width(), 1), col);
        painter.fillRect(QRect(frame.left(), winapi::Bottom(frame) - 1, frame.width(), 1), col);
        painter.fillRect(QRect(frame.left(), frame.top(), 1, frame.height()), col);
        painter.fillRect(QRect(winapi::Right(frame) - 1, frame.top(), 1, frame.height()), col);
    }
    winapi::FillSolidRect(&painter, fill, style.colFill);

    QString strLabel;
    if (nId == CMarkerLayout::kCentre)
        strLabel = QStringLiteral("C");
    else if (nId == CMarkerLayout::kTransmit)
        strLabel = Services().IsTxLocked() ? QStringLiteral("L") : QStringLiteral("X");
    else
        strLabel = QString::number(nId + 1);
    painter.setPen(toQColor(style.colText));
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(toQColor(style.colFill));
    QRect textRect = fill;
    winapi::DrawText(&painter, m_font, strLabel, textRect,
                     winapi::DT_CENTER | winapi::DT_VCENTER | winapi::DT_SINGLELINE | winapi::DT_NOPREFIX |
                         winapi::DT_NOCLIP);

    if (style.bLeader) {
        // The box may have been pushed aside; its leader still ends at the exact frequency.
        painter.setPen(QPen(toQColor(style.colLeader), 1, style.nLeaderPen));
        painter.setBackground(toQColor(CurrentSettings().GetDisplayBack()));
        const QRect plot = m_scale.GetPlotRect();
        if (bVertical)
            painter.drawLine(winapi::Right(fill), (fill.top() + winapi::Bottom(fill)) / 2, plot.left() - 1, nPos);
        else
            painter.drawLine((fill.left() + winapi::Right(fill)) / 2, winapi::Bottom(fill), nPos, plot.top() - 1);
    }
}

void CDisplayCanvas::OnTimer()
{
    if (m_bBrowserMode) {
        if (Services().GetSuperView() && Services().IsTxPanelShown())
            UpdateMarkersVertical(false, false);
        return;
    }
    UpdateMarkers(m_bVertical, false, false);
}

// --- Frames --------------------------------------------------------------------

void CDisplayCanvas::OnFFTReady()
{
    const int nMode = CurrentSettings().GetDisplayMode();
    if (m_bBrowserMode || (nMode != 1 && nMode != 2))
        PaintWaterfall(m_bBrowserMode || m_bVertical);
    else if (nMode == 1)
        PaintSpectrum(m_bVertical);
    else
        PaintRaw(m_bVertical);
    CheckOverload();
}

void CDisplayCanvas::PaintWaterfall(bool bVertical)
{
    if (!m_waterfall.IsValid() || m_map.size() == 0)
        return;
    const CPSK31Settings& s = CurrentSettings();
    const int nMinBin = CBinMap::FrequencyToBin(m_nLow);
    const int nMaxBin = CBinMap::FrequencyToBin(m_nHigh);

    QImage& target = m_waterfall.BeginFrame(bVertical, s.GetDisplayBack());
    fnSetFFTMode(s.GetFFTSmoothing(), 255, s.GetFFTMode());
    m_nPreviousResult = m_nLastResult;
    m_nLastResult = fnGetFFTData(m_buffer.data(), nMinBin, nMaxBin);
    std::array<COLORREF, 256> colours;
    for (int i = 0; i < 256; ++i)
        colours[size_t(i)] = s.GetColour(i);
    m_waterfall.DrawLine(bVertical, m_buffer.data(), m_map, CWaterfallBitmaps::MakePalette(colours.data()));

    QRect strip;
    if (!m_bBrowserMode && s.IsDisplaySpectrum()) {
        const int w = target.width();
        const int h = target.height();
        strip = CDisplayTraces::StripRect(bVertical, w, h, s.GetDisplaySpectrumHeight());
        QPainter painter(&target);
        painter.fillRect(strip, Qt::black);
        if (s.IsDisplayGrid())
            DrawGrid(painter, CDisplayTraces::StripGrid(bVertical, strip));
        const int nStrip = bVertical ? strip.width() : strip.height();
        fnSetFFTMode(s.GetFFTSmoothing(), nStrip, s.GetFFTMode());
        fnGetFFTData(m_buffer.data(), nMinBin, nMaxBin);
        painter.setPen(QPen(QColor(0, 255, 0), 1));
        painter.drawPolyline(CDisplayTraces::StripTrace(bVertical, m_buffer.data(), nMinBin, nMaxBin, strip, w, h));
    }
    m_waterfall.EndFrame(strip);
    ShowFrame(m_waterfall.GetShown());
}

QImage& CDisplayCanvas::Scratch()
{
    const QSize size = m_scale.GetPlotRect().size();
    if (m_scratch.size() != size)
        m_scratch = size.isValid() && !size.isEmpty() ? QImage(size, QImage::Format_RGB32) : QImage();
    if (!m_scratch.isNull())
        m_scratch.fill(Qt::black);
    return m_scratch;
}

void CDisplayCanvas::PaintSpectrum(bool bVertical)
{
    QImage& scratch = Scratch();
    if (scratch.isNull())
        return;
    const CPSK31Settings& s = CurrentSettings();
    const int w = scratch.width();
    const int h = scratch.height();
    const int nMinBin = CBinMap::FrequencyToBin(m_nLow);
    const int nMaxBin = CBinMap::FrequencyToBin(m_nHigh);
    QPainter painter(&scratch);
    DrawGrid(painter, CDisplayTraces::PlotGrid(bVertical, w, h));
    fnSetFFTMode(s.GetFFTSmoothing(), bVertical ? w : h, s.GetFFTMode());
    m_nPreviousResult = m_nLastResult;
    m_nLastResult = fnGetFFTData(m_buffer.data(), nMinBin, nMaxBin);
    painter.setPen(QPen(QColor(0, 255, 0), 1));
    painter.drawPolyline(CDisplayTraces::SpectrumTrace(bVertical, m_buffer.data(), nMinBin, nMaxBin, w, h));
    painter.end();
    ShowFrame(&scratch);
}

void CDisplayCanvas::PaintRaw(bool bVertical)
{
    QImage& scratch = Scratch();
    if (scratch.isNull())
        return;
    const CPSK31Settings& s = CurrentSettings();
    const int w = scratch.width();
    const int h = scratch.height();
    fnSetFFTMode(s.GetFFTSmoothing(), 255, 1);
    m_nPreviousResult = m_nLastResult;
    const int nCount = std::min(bVertical ? h : w, dspdisplay::kBufferSize);
    m_nLastResult = fnGetRawData(m_buffer.data(), 0, nCount);
    QPainter painter(&scratch);
    DrawGrid(painter, CDisplayTraces::PlotGrid(bVertical, w, h));
    const bool bRed = bVertical ? m_nLastResult != 0 : (m_nLastResult != 0 && m_nPreviousResult != 0);
    painter.setPen(QPen(bRed ? QColor(255, 0, 0) : QColor(255, 255, 0), 1));
    painter.drawPolyline(CDisplayTraces::RawTrace(bVertical, m_buffer.data(), nCount, w, h));
    painter.end();
    ShowFrame(&scratch);
}

void CDisplayCanvas::CheckOverload()
{
    if (IsOverloaded() && CurrentSettings().IsOverloadAdjust())
        Services().ReduceMixerLevels(1);
}

void CDisplayCanvas::ShowFrame(const QImage* pFrame)
{
    m_pFrame = pFrame;
    update(m_scale.GetPlotRect());
}

void CDisplayCanvas::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (m_scene.isNull()) {
        painter.fillRect(event->rect(), toQColor(CurrentSettings().GetDisplayBack()));
        return;
    }
    painter.drawImage(QPoint(0, 0), m_scene, QRect(0, 0, width(), height()));
    if (m_pFrame)
        painter.drawImage(m_scale.GetPlotRect().topLeft(), *m_pFrame);
}

QImage CDisplayCanvas::Grab() const
{
    QImage image(std::max(1, m_nWidth), std::max(1, m_nHeight), QImage::Format_RGB32);
    image.fill(toQColor(CurrentSettings().GetDisplayBack()));
    QPainter painter(&image);
    if (!m_scene.isNull())
        painter.drawImage(QPoint(0, 0), m_scene, QRect(0, 0, m_nWidth, m_nHeight));
    if (m_pFrame)
        painter.drawImage(m_scale.GetPlotRect().topLeft(), *m_pFrame);
    return image;
}

// --- Mouse ----------------------------------------------------------------------

void CDisplayCanvas::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        OnLButtonDown(event->position().toPoint(), event->modifiers());
}

void CDisplayCanvas::OnLButtonDown(const QPoint& point, Qt::KeyboardModifiers modifiers)
{
    CDisplayCanvasServices& services = Services();
    int nFrequency = 0;
    const bool bHit = m_markers.FrequencyAt(point, nFrequency);

    if (m_bBrowserMode) {
        if (bHit)
            PostRegisteredMessage(services.GetSuperView(), RegisteredMessage::nMsgFrequency, 0, nFrequency);
        return;
    }

    if (bHit) {
        bool bDone = false;
        if (modifiers & Qt::ShiftModifier) {
            // Shift opens the first hidden channel on the clicked frequency.
            for (int n = 0; n < 4 && !bDone; ++n) {
                QWidget* pFrame = services.GetChannelFrame(n);
                if (!pFrame || pFrame->isVisible())
                    continue;
                pFrame->showNormal();
                pFrame->raise();
                if (auto* sub = qobject_cast<QMdiSubWindow*>(pFrame); sub && sub->mdiArea())
                    sub->mdiArea()->setActiveSubWindow(sub);
                SendToChildren(pFrame, RegisteredMessage::nMsgFrequency, uintptr_t(-1), nFrequency);
                bDone = true;
            }
        }
        if (bDone)
            return;
        bool bFound = false;
        if (QMdiArea* area = services.GetMdiArea()) {
            const QList<QMdiSubWindow*> stack = area->subWindowList(QMdiArea::StackingOrder);
            for (auto it = stack.crbegin(); it != stack.crend(); ++it) {
                QMdiSubWindow* pFrame = *it;
                if (pFrame->isVisible() && ChannelOfFrame(pFrame) >= 0) {
                    if (pFrame->isMinimized())
                        pFrame->showNormal();
                    bFound = true;
                    break;
                }
            }
        }
        if (!bFound)
            services.ActivateView(0, CDisplayCanvasServices::kShowRestore);
        SendToChildren(ActiveMdiChild(), RegisteredMessage::nMsgFrequency, uintptr_t(-1), nFrequency);
    }

    const int nBox = m_markers.HitTest(point);
    if (nBox == CMarkerLayout::kCentre) {
        SendToChildren(ActiveMdiChild(), RegisteredMessage::nMsgCenter, 0, 0);
        return;
    }
    if (nBox >= 0)
        services.ActivateView(nBox, CDisplayCanvasServices::kShowMinimise);
}

void CDisplayCanvas::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!m_bBrowserMode && event->button() == Qt::LeftButton)
        Services().RewindInput();
    QWidget::mouseDoubleClickEvent(event);
}

void CDisplayCanvas::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    CDisplayCanvasServices& services = Services();
    if (!m_bBrowserMode && services.GetSuperView() && !services.IsTxPanelShown() && m_bCustomCursor) {
        const QRect plot = m_scale.GetPlotRect();
        if (m_bVertical ? point.x() < plot.left() - 12 : point.y() < plot.top() - 12) {
            SetCursorKind(-1);
            m_bCustomCursor = false;
        }
    }
    // Windows asks for the cursor at every move; Qt leaves it to us.
    SelectCursor(point);
    QWidget::mouseMoveEvent(event);
}

void CDisplayCanvas::enterEvent(QEnterEvent* event)
{
    SelectCursor(event->position().toPoint());
    QWidget::enterEvent(event);
}

void CDisplayCanvas::SetCursorKind(int nKind)
{
    m_nCursorKind = nKind;
    if (nKind < 0)
        setCursor(Qt::ArrowCursor);
    else
        setCursor(m_cursors[size_t(nKind)]);
}

void CDisplayCanvas::SelectCursor(const QPoint& point)
{
    if (m_bContextMenuOpen)
        return;
    CDisplayCanvasServices& services = Services();
    if (m_bBrowserMode && !(services.GetSuperView() && services.IsTxPanelShown())) {
        SetCursorKind(-1);
        return;
    }
    const QRect plot = m_scale.GetPlotRect();
    if (m_bVertical ? point.x() < plot.left() - 12 : point.y() < plot.top() - 12) {
        SetCursorKind(-1);
        m_bCustomCursor = false;
        return;
    }
    if (services.GetSuperView() && services.IsTxPanelShown()) {
        SetCursorKind(4);
        m_bCustomCursor = true;
        return;
    }
    QMdiSubWindow* pActive = ActiveMdiChild();
    if (pActive && pActive->isVisible()) {
        int nChannel = -1;
        SendToChildren(pActive, RegisteredMessage::nMsgQuery, 0, reinterpret_cast<intptr_t>(&nChannel));
        if (nChannel >= 0 && nChannel < 4) {
            SetCursorKind(nChannel);
            m_bCustomCursor = true;
            return;
        }
    }
    SetCursorKind(-1);
}

QCursor CDisplayCanvas::MakeCursor(int nKind)
{
    // A cross-hair with the channel's number (or "S" for the Super Browser).
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    const QColor colours[] = {QColor(255, 64, 64), QColor(64, 255, 64), QColor(64, 160, 255), QColor(255, 255, 64),
                              QColor(255, 255, 255)};
    const QColor colour = colours[std::clamp(nKind, 0, 4)];
    for (const QColor& c : {QColor(0, 0, 0), colour}) {
        const int w = c == colour ? 1 : 3;
        p.setPen(QPen(c, w));
        p.drawLine(8, 0, 8, 16);
        p.drawLine(0, 8, 16, 8);
    }
    QFont font(QStringLiteral("Sans"), 8);
    font.setBold(true);
    p.setFont(font);
    const QString text = nKind >= 4 ? QStringLiteral("S") : QString::number(nKind + 1);
    p.setPen(Qt::black);
    p.drawText(QRect(13, 13, 18, 18), Qt::AlignCenter, text);
    p.setPen(colour);
    p.drawText(QRect(12, 12, 18, 18), Qt::AlignCenter, text);
    p.end();
    return QCursor(pixmap, 8, 8);
}

// --- Context menu ----------------------------------------------------------------

void CDisplayCanvas::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("Canvas"));
    const struct {
        int nId;
        const char* pszText;
    } items[] = {{ID_LAYOUT, "&Layout"}, {ID_DATA_ANALYSIS, "Data Analysis"}, {ID_PALETTE_EDITOR, "&Palette Editor"}};
    for (const auto& item : items)
        menu.addAction(QString::fromLatin1(item.pszText))->setData(item.nId);
    const QCursor previous = cursor();
    const int nPreviousKind = m_nCursorKind;
    m_bContextMenuOpen = true;
    setCursor(Qt::ArrowCursor);
    QAction* chosen = menu.exec(event->globalPos());
    m_bContextMenuOpen = false;
    setCursor(previous);
    m_nCursorKind = nPreviousKind;
    if (chosen)
        OnCommand(chosen->data().toInt());
}

void CDisplayCanvas::OnCommand(int nId)
{
    switch (nId) {
    case ID_LAYOUT:
        Services().ShowOptionsPage(2);  // "Waterfall Display"
        break;
    case ID_DATA_ANALYSIS:
        Services().ShowOptionsPage(3);  // "Waterfall Data"
        break;
    case ID_PALETTE_EDITOR:
        Services().OnPaletteEditor();
        break;
    default:
        break;
    }
}
