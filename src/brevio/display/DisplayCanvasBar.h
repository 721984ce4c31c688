#pragma once
// The main window's "Display" docking bar: it carries the main display
// canvas and sizes it to its whole client area.
#include "brevio/core/Components.h"
#include "brevio/display/DisplayCanvas.h"
#include "shared/sizingbar/SizingControlBarG.h"

class QMainWindow;
class QWidget;

class CDisplayCanvasBar : public CSizingControlBarG, public IDisplayCanvasHost {
    Q_OBJECT
public:
    static constexpr int kCanvasId = 102;
    static constexpr unsigned kBarId = 59426;

    explicit CDisplayCanvasBar(QWidget* parent = nullptr);
    ~CDisplayCanvasBar() override;

    // The sizing bar's creation, then OnCreate; false when either fails.
    bool Create(const QString& strTitle, QMainWindow* pParent, unsigned nID, uint32_t dwStyle = 0) override;
    // Creation work after the sizing bar's: the edge and fit-child style bits,
    // then the canvas (id 102). 0, or -1 when the canvas could not be made.
    int OnCreate();

    CDisplayCanvas* GetCanvas() override;

    // The main frame's "Display" bar (control id 59426) with its canvas.
    static CDisplayCanvasBar* CreateForMainFrame(QWidget* pMainFrame);

private:
    CDisplayCanvas* m_pCanvas;
};
