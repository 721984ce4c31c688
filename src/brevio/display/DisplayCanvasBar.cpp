#include "brevio/display/DisplayCanvasBar.h"

#include <QMainWindow>

CDisplayCanvasBar::CDisplayCanvasBar(QWidget* parent) : CSizingControlBarG(parent), m_pCanvas(new CDisplayCanvas(this))
{
}

CDisplayCanvasBar::~CDisplayCanvasBar() = default;

bool CDisplayCanvasBar::Create(const QString& strTitle, QMainWindow* pParent, unsigned nID, uint32_t dwStyle)
{
    if (!CSizingControlBarG::Create(strTitle, pParent, nID, dwStyle))
        return false;
    return OnCreate() == 0;
}

int CDisplayCanvasBar::OnCreate()
{
    // The docking code owns the four edge bits; these two are the bar's own.
    SetBarStyle(GetBarStyle() | SZB_DRAW_EDGES | SZB_FIT_CHILD);
    // The bar has no menu of its own; the canvas has one.
    setContextMenuPolicy(Qt::PreventContextMenu);
    m_pCanvas->setContextMenuPolicy(Qt::DefaultContextMenu);
    if (!m_pCanvas->Create(this, kCanvasId))
        return -1;
    setWidget(m_pCanvas);
    return 0;
}

CDisplayCanvas* CDisplayCanvasBar::GetCanvas() { return m_pCanvas; }

CDisplayCanvasBar* CDisplayCanvasBar::CreateForMainFrame(QWidget* pMainFrame)
{
    auto* bar = new CDisplayCanvasBar(pMainFrame);
    if (!bar->Create(QStringLiteral("Display"), qobject_cast<QMainWindow*>(pMainFrame), kBarId)) {
        delete bar;
        return nullptr;
    }
    return bar;
}
