#include "psk/core/FormRx.h"

#include "psk/core/PSK31App.h"
#include "psk/core/TxTextWindow.h"

#include <QCloseEvent>
#include <QVBoxLayout>

CFormRx::CFormRx(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_pTxWindow = new CTxTextWindow(this);
    layout->addWidget(m_pTxWindow);
}

CFormRx::~CFormRx() = default;

void CFormRx::SetTxState(bool bTransmit, bool bForce)
{
    if (bTransmit == m_bTxState && !bForce)
        return;
    m_bTxState = bTransmit;
}

void CFormRx::SetIMD(int nReading, int nFlag)
{
    m_nImd = nReading;
    m_nImdFlag = nFlag;
}

void CFormRx::SetClockError(int nReading)
{
    m_nClockError = nReading;
}

CFrameRx::CFrameRx(QWidget* parent) : QMdiSubWindow(parent) {}

void CFrameRx::closeEvent(QCloseEvent* event)
{
    event->ignore();
    TheApp().HideView(this);
}
