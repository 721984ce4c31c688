#include "frontpanel/MainFrame.h"

#include "frontpanel/FrequencyEntryDialog.h"
#include "shared/ui/OwnComboBox.h"

#include <QMdiArea>
#include <QToolBar>

namespace {
QPointer<CMainFrame> g_mainFrame;
} // namespace

CMainFrame* GetMainFrame()
{
    return g_mainFrame;
}

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent)
{
    g_mainFrame = this;
    setWindowTitle(QStringLiteral("FT-817 Corvane"));
    m_pMdiArea = new QMdiArea(this);
    setCentralWidget(m_pMdiArea);
    m_pToolBar = addToolBar(QStringLiteral("Main"));
    m_pToolBar->setObjectName(QStringLiteral("MainToolBar"));
    m_pStepCombo = new COwnComboBox(m_pToolBar);
    m_pStepCombo->setMinimumContentsLength(8);
    m_pStepCombo->setToolTip(QStringLiteral("Tuning step"));
    m_pToolBar->addWidget(m_pStepCombo);
}

CMainFrame::~CMainFrame()
{
    if (g_mainFrame == this)
        g_mainFrame = nullptr;
}

void CMainFrame::EnterFrequency(int nDigit)
{
    if (!m_pFrequencyEntry)
        m_pFrequencyEntry = new CFrequencyEntryDialog(this);
    m_pFrequencyEntry->showNormal();
    m_pFrequencyEntry->Refill();
    m_pFrequencyEntry->raise();
    m_pFrequencyEntry->activateWindow();
    if (nDigit >= 0)
        m_pFrequencyEntry->TypeDigit(nDigit);
}
