#include "psk/display/DisplayCanvasBar.h"

#include "psk/display/DisplayCanvas.h"

CDisplayCanvasBar::CDisplayCanvasBar(QWidget* parent) : QDockWidget(parent), m_pCanvas(new CDisplayCanvas(this)) {}

CDisplayCanvasBar::~CDisplayCanvasBar() = default;

bool CDisplayCanvasBar::Create(const QString& strTitle, QWidget* pParent, int nId)
{
    setWindowTitle(strTitle);
    setObjectName(strTitle);
    if (pParent)
        setParent(pParent);
    setProperty("controlId", nId);
    return OnCreate() == 0;
}

int CDisplayCanvasBar::OnCreate()
{
    // The docking code owns the four dock-edge bits; the rest are ours.
    m_dwSCBStyle = (m_dwSCBStyle & 0x0Fu) | SCBS_EDGES | SCBS_SIZECHILD;
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
    if (!bar->Create(QStringLiteral("Display"), pMainFrame, 59426)) {
        delete bar;
        return nullptr;
    }
    return bar;
}
