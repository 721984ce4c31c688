#pragma once
// The waterfall and spectrum display: for every spectrum notification of the
// modem it fetches one block of spectrum values or raw samples and draws it
// (a scrolling waterfall, a spectrum line or the raw input trace) beside a
// frequency scale and a strip of channel marker boxes. A click tunes the
// active receive channel (or the Super Browser's, on the browser's canvas).
// Two instances: one in the "Display" bar and one in the Super Browser.
#include "brevio/core/Components.h"
#include "brevio/display/BinMap.h"
#include "brevio/display/DisplayScale.h"
#include "brevio/display/MarkerLayout.h"
#include "brevio/display/WaterfallBitmaps.h"
#include "shared/WinTypes.h"

#include <QCursor>
#include <QFont>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>

class CDisplayCanvas : public QWidget, public IDisplayCanvas {
    Q_OBJECT
public:
    // Commands of the canvas's context menu.
    static constexpr int ID_LAYOUT = 33347;
    static constexpr int ID_DATA_ANALYSIS = 33348;
    static constexpr int ID_PALETTE_EDITOR = 33512;

    explicit CDisplayCanvas(QWidget* parent = nullptr);
    ~CDisplayCanvas() override;

    // The child-window creation: text "Display Canvas", shown, the host's control id.
    bool Create(QWidget* pParent, int nId);
    // Makes this the Super Browser's canvas: always a vertical waterfall,
    // clicks go to the Super Browser. Called once, right after creation.
    void SetBrowserMode() { m_bBrowserMode = true; }
    bool IsBrowserMode() const { return m_bBrowserMode; }

    // One frame, for each spectrum notification of the modem. Also reachable
    // by name (invokeMethod) for callers that do not link the display.
    Q_INVOKABLE void OnFFTReady() override;
    // The next waterfall frame starts on an empty picture.
    Q_INVOKABLE void RequestClear() { m_waterfall.RequestClear(); }
    void SetClearFlag() override { RequestClear(); }
    // The canvas takes its registered messages itself.
    QObject* GetMessageTarget() override { return this; }
    // nMsgOptions: lParam nonzero rebuilds whatever changed.
    intptr_t OnOptions(uintptr_t wParam, intptr_t lParam);
    // Rebuilds bitmaps, font, geometry and maps.
    void RecalcLayout();

    // The last and the one-before-last data result of a frame (nonzero: the
    // modem reports the input as overloaded).
    int GetLastResult() const { return m_nLastResult; }
    int GetPreviousResult() const { return m_nPreviousResult; }
    bool IsOverloaded() const override { return m_nLastResult != 0 && m_nPreviousResult != 0; }

    int GetLow() const { return m_nLow; }
    int GetHigh() const { return m_nHigh; }
    bool IsVertical() const { return m_bVertical; }
    int GetTopRow() const { return m_bVertical ? m_scale.GetPlotStart() : 0; }
    int GetBottomRow() const { return m_bVertical ? m_scale.GetPlotEnd() : 0; }
    int GetPlotStart() const { return m_scale.GetPlotStart(); }
    int GetPlotEnd() const { return m_scale.GetPlotEnd(); }
    QRect GetPlotRect() const { return m_scale.GetPlotRect(); }
    int GetMarkerBoxSize() const { return m_nBoxSize; }
    const QImage& GetScene() const { return m_scene; }
    const CDisplayScale& GetScale() const { return m_scale; }
    const QFont& GetDisplayFont() const { return m_font; }
    const CMarkerLayout& GetMarkers() const { return m_markers; }
    const CBinMap& GetBinMap() const { return m_map; }
    // The picture of the last frame (plot-area size), nullptr before one.
    const QImage* GetFrame() const { return m_pFrame; }
    // What the window shows: the scene with the last frame over the plot area.
    QImage Grab() const;

    // Markers: one pass over the channels, centre and transmit markers of one
    // orientation; redraws only on a change unless forced.
    void UpdateMarkersVertical(bool bForce, bool bKeepScale);
    void UpdateMarkersHorizontal(bool bForce, bool bKeepScale);
    void DrawMarker(int nId, int nFrequency, int nStyle, bool bVertical);
    bool MarkerOverlapsVertical(const QRect& box) const { return m_markers.Overlaps(box); }
    bool MarkerOverlapsHorizontal(const QRect& box) const { return m_markers.Overlaps(box); }
    // Timer 100, every 250 ms.
    void OnTimer();
    bool IsTimerRunning() const { return m_timer.isActive(); }
    // A click at a client point, as the left button gives it.
    void OnLButtonDown(const QPoint& point, Qt::KeyboardModifiers modifiers);
    // The cursor for a client point; answers the cursor shape chosen.
    void SelectCursor(const QPoint& point);
    // Which cursor is shown: -1 the arrow, 0-3 a channel's, 4 the Super Browser's.
    int GetCursorKind() const { return m_nCursorKind; }
    void OnCommand(int nId);

    // The channel cursors (resources 1004-1007) and the Super Browser's (1013).
    static QCursor MakeCursor(int nKind);

    // The docking bar's default size and smallest size.
    QSize sizeHint() const override { return QSize(200, 200); }
    QSize minimumSizeHint() const override { return QSize(33, 32); }

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void Layout();
    void DrawScaleVertical(bool bFill);
    void DrawScaleHorizontal(bool bFill);
    void DrawScale(bool bVertical, bool bFill);
    void UpdateMarkers(bool bVertical, bool bForce, bool bKeepScale);
    void MakeFont();
    void SetCursorKind(int nKind);

    void PaintWaterfall(bool bVertical);
    void PaintSpectrum(bool bVertical);
    void PaintRaw(bool bVertical);
    QImage& Scratch();
    void CheckOverload();
    void ShowFrame(const QImage* pFrame);

    bool m_bBrowserMode = false;
    int m_nLow = 0;
    int m_nHigh = 100;
    int m_nWidth = 0;
    int m_nHeight = 0;
    bool m_bVertical = true;
    CDisplayScale m_scale;
    int m_nBoxSize = 0;
    CBinMap m_map;  // rows (vertical) or columns (horizontal)
    std::array<int, dspdisplay::kBufferSize> m_buffer{};
    int m_nLastResult = 0;
    int m_nPreviousResult = 0;
    CWaterfallBitmaps m_waterfall;
    QImage m_scratch;
    QImage m_scene;
    const QImage* m_pFrame = nullptr;
    QFont m_font;
    QString m_strFont;
    bool m_bHasFont = false;
    QTimer m_timer;

    CMarkerLayout m_markers;
    std::array<int, 4> m_nChannelValues{-1, -1, -1, -1};
    int m_nCentreValue = -1;
    std::array<QCursor, 5> m_cursors;
    bool m_bCustomCursor = false;
    bool m_bContextMenuOpen = false;
    int m_nCursorKind = -1;
};
