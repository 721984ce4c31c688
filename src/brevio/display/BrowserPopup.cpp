#include "brevio/display/BrowserPopup.h"

#include "brevio/core/FormRx.h"

#include <QResizeEvent>

CBrowserPopup::CBrowserPopup(QWidget* pView) : QDialog(pView)
{
    setWindowTitle(QStringLiteral("Popup"));
    setModal(false);
    resize(300, 240);
}

CBrowserPopup::~CBrowserPopup() = default;

bool CBrowserPopup::OnInitDialog()
{
    m_pDocument = std::make_unique<CDocRx>();
    m_pView = new CFormRx(this);
    m_pView->OnInitialUpdate();
    m_pView->setGeometry(rect());
    m_pView->show();
    return true;
}

void CBrowserPopup::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (m_pView)
        m_pView->setGeometry(rect());
}
