#pragma once
// The band scale of the front panel: one frequency scale per band of a band
// plan, the radio's frequency as a line with two arrows beside the current
// band, favourites as small flags, and tuning by a click on a scale.
#include "corvane/frontpanel/TuningDialLayout.h"

#include <QFont>
#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class CTitleTip;

class CTuningDial : public QWidget {
    Q_OBJECT
public:
    static constexpr unsigned kControlId = 1038;

    explicit CTuningDial(QWidget* parent = nullptr);
    ~CTuningDial() override;

    // Copies the plan; the scroll position starts afresh.
    void SetBandPlan(const CBandPlan& plan);
    const CBandPlan& GetBandPlan() const { return m_plan; }
    void SetTitle(const QString& strTitle) { m_strTitle = strTitle; }
    const QString& GetTitle() const { return m_strTitle; }
    void SetBackgroundColour(COLORREF c) { m_options.colBackground = c; }
    void SetForegroundColour(COLORREF c) { m_options.colForeground = c; }
    void SetSliderColour(COLORREF c) { m_options.colSlider = c; }
    COLORREF GetBackgroundColour() const { return m_options.colBackground; }
    COLORREF GetForegroundColour() const { return m_options.colForeground; }
    COLORREF GetSliderColour() const { return m_options.colSlider; }
    // Rows between 3 and 8 text lines high, so a long plan scrolls.
    void SetRowHeightLimit(bool bOn) { m_options.bRowHeightLimit = bOn; }
    void SetScrollingBands() { SetRowHeightLimit(true); }
    void SetMaxDivisions(int n) { m_options.nMaxDivisions = n; }
    void SetArrows(bool bOn) { m_options.bArrows = bOn; }
    // The scale font follows the front panel's size: small panels get the
    // small font. Takes effect at the first Rebuild.
    void SetSmallPanel(bool bSmall) { m_bSmallPanel = bSmall; }
    void ScrollDown();
    void ScrollUp();

    // Remakes the picture at the client size in the current colours, plan
    // and options, then redraws.
    void Rebuild();
    // Moves the line (and the arrows) to f; while scanning the line goes away
    // when the options say so.
    void SetFrequency(uint32_t nFrequency, bool bScanning = false);
    void SetScanState(uint32_t nFrequency, bool bScanning) { SetFrequency(nFrequency, bScanning); }
    uint32_t GetFrequency() const { return m_nFrequency; }
    bool IsScanning() const { return m_bScanning; }
    // Redraws when the band to highlight for f differs from the one shown.
    void CheckHighlight(uint32_t nFrequency);
    // Page Up/Down: neighbouring band; Home/End: band edges (Qt key codes or
    // the virtual-key codes 0x21-0x24).
    void OnKey(int nKey);
    void HandleKey(int nKey) { OnKey(nKey); }

    // Where favourite flags come from (the favourites collection installs it).
    static void SetFavouritesSource(std::function<std::vector<DialFavourite>()> source);
    // Who receives the favourite message; the parent when not set.
    void SetViewWindow(QObject* pView) { m_pView = pView; }

    // For tests and owners.
    const CTuningDialLayout::Drawing& GetDrawing() const { return m_drawing; }
    const CTuningDialLayout& GetLayout() const { return m_layout; }
    int GetFirstVisibleRow() const { return m_layout.m_nFirstVisibleRow; }
    int GetMarkerEntry() const { return m_nMarkerEntry; }
    bool IsMarkerDrawn() const { return m_bMarkerDrawn; }
    QRect GetMarkerRect() const { return m_rcMarker; }
    QRect GetLeftArrowRect() const { return m_rcLeftArrow; }
    QRect GetRightArrowRect() const { return m_rcRightArrow; }
    QRect GetTitleRect() const { return m_drawing.titleRect; }
    const QFont& GetScaleFont() const { return m_scaleFont; }
    CTitleTip* GetTitleTip() const { return m_pTitleTip; }
    // The dial as painted: picture, line and arrows.
    QImage Render() const;

signals:
    // A click on a scale (the view tunes, leaving memory mode as configured).
    void tuneRequested(uint32_t nFrequency);
    // Home and End: straight to a band edge.
    void frequencyRequested(uint32_t nFrequency);
    // A click on the title (the view's "Bands" command).
    void bandsCommand();
    // A double click (the view's "Fine Tuning" command).
    void fineTuningCommand();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void DrawEverything();
    void PaintOverlay(QPainter& painter) const;
    void Click(QPoint point);
    CTuningDialLayout::Metrics MakeMetrics() const;
    static QImage MakeArrow(bool bPointsLeft, COLORREF background, COLORREF slider);

    CBandPlan m_plan;
    CTuningDialLayout m_layout;
    CTuningDialLayout::Options m_options;
    CTuningDialLayout::Drawing m_drawing;
    std::vector<DialFavourite> m_favourites;
    QImage m_image;
    QImage m_leftArrow;   // points left, drawn right of the scale
    QImage m_rightArrow;  // points right, drawn left of the scale
    QFont m_scaleFont;
    QFont m_titleFont;
    bool m_bFontsMade = false;
    bool m_bBuilt = false;
    bool m_bSmallPanel = false;
    CTitleTip* m_pTitleTip = nullptr;
    QObject* m_pView = nullptr;
    QString m_strTitle;
    uint32_t m_nFrequency = 0;
    bool m_bScanning = false;
    int m_nMarkerEntry = -1;
    bool m_bMarkerDrawn = false;
    QRect m_rcMarker;
    QRect m_rcLeftArrow;
    QRect m_rcRightArrow;
};
