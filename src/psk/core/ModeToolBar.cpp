#include "psk/core/ModeToolBar.h"

#include <QComboBox>

CModeToolBar::CModeToolBar(const QString& strTitle, QWidget* parent) : QToolBar(strTitle, parent)
{
    setObjectName(QStringLiteral("ModeToolBar"));
}

void CModeToolBar::CreateCombo()
{
    if (m_pCombo)
        return;
    m_pCombo = new QComboBox(this);
    m_pCombo->setObjectName(QStringLiteral("115"));
    m_pCombo->addItem(QStringLiteral("BPSK"), 0);
    m_pCombo->addItem(QStringLiteral("QPSK-LSB"), 2);
    m_pCombo->addItem(QStringLiteral("QPSK-USB"), 1);
    m_pCombo->setCurrentIndex(0);
    m_pCombo->setFixedSize(100, 20);
    m_pCombo->setToolTip(QStringLiteral("Mode"));
    addWidget(m_pCombo);
    connect(m_pCombo, &QComboBox::activated, this, [this](int) { emit ModeChosen(GetMode()); });
}

int CModeToolBar::GetMode() const
{
    if (!m_pCombo || m_pCombo->currentIndex() < 0)
        return 0;
    return m_pCombo->currentData().toInt();
}
