#include "brevio/core/ModeToolBar.h"

#include "brevio/core/ModeComboBox.h"

CModeToolBar::CModeToolBar(const QString& strTitle, QWidget* parent) : QToolBar(strTitle, parent)
{
    setObjectName(QStringLiteral("ModeToolBar"));
}

void CModeToolBar::CreateCombo()
{
    if (m_pCombo)
        return;
    auto* combo = new CModeComboBox(this);
    m_pCombo = combo;
    m_pCombo->setObjectName(QStringLiteral("115"));
    combo->AddItem(QStringLiteral("BPSK"), 0);
    combo->AddItem(QStringLiteral("QPSK-LSB"), 2);
    combo->AddItem(QStringLiteral("QPSK-USB"), 1);
    combo->SetCurSel(0);
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
