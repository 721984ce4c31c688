#pragma once
// The main window's "Display" docking bar: it carries the main display
// canvas and sizes it to its whole client area.
#include "psk/core/Components.h"
#include "psk/display/DisplayCanvas.h"

#include <QDockWidget>
#include <cstdint>

class QWidget;

class CDisplayCanvasBar : public QDockWidget, public IDisplayCanvasHost {
    Q_OBJECT
public:
    // Docking-bar style bits: draw the bar's edges; size the only child to the client area.
    static constexpr uint32_t SCBS_EDGES = 0x10;
    static constexpr uint32_t SCBS_SIZECHILD = 0x20;
    static constexpr int kCanvasId = 102;

    explicit CDisplayCanvasBar(QWidget* parent = nullptr);
    ~CDisplayCanvasBar() override;

    // The bar with its title, parent and control id; false when the canvas
    // could not be made.
    bool Create(const QString& strTitle, QWidget* pParent, int nId);
    // Creation work: the style bits, then the canvas (id 102). 0 or -1.
    int OnCreate();

    CDisplayCanvas* GetCanvas() override;
    uint32_t GetSCBStyle() const { return m_dwSCBStyle; }

    // The main frame's "Display" bar (control id 59426) with its canvas.
    static CDisplayCanvasBar* CreateForMainFrame(QWidget* pMainFrame);

private:
    CDisplayCanvas* m_pCanvas;
    uint32_t m_dwSCBStyle = 0;
};
