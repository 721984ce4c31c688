#include "corvane/memory/MenuControls.h"

#include "shared/ui/BaseDialog.h"
#include "shared/ui/OwnComboBox.h"
#include "shared/ui/OwnSpinButtonCtrl.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace MenuControls {

QCheckBox* Check(QWidget* pParent, const QString& strText, unsigned nId)
{
    auto* check = new QCheckBox(strText, pParent);
    SetDlgCtrlID(check, nId);
    return check;
}

QLabel* Label(QWidget* pParent, const QString& strText)
{
    auto* label = new QLabel(strText, pParent);
    label->setWordWrap(true);
    return label;
}

COwnComboBox* List(QWidget* pParent, unsigned nId)
{
    auto* list = new COwnComboBox(pParent);
    SetDlgCtrlID(list, nId);
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return list;
}

CRadioGroup::CRadioGroup(QWidget* pParent, const QString& strTitle, const QList<Choice>& choices)
    : m_pBox(new QGroupBox(strTitle, pParent)), m_pGroup(new QButtonGroup(m_pBox))
{
    auto* layout = new QVBoxLayout(m_pBox);
    for (const Choice& choice : choices) {
        auto* button = new QRadioButton(choice.first, m_pBox);
        SetDlgCtrlID(button, choice.second);
        m_pGroup->addButton(button, int(m_buttons.size()));
        m_buttons << button;
        layout->addWidget(button);
    }
}

int CRadioGroup::Get() const
{
    for (int i = 0; i < m_buttons.size(); ++i)
        if (m_buttons[i]->isChecked())
            return i;
    return -1;
}

void CRadioGroup::Set(int nIndex)
{
    // An exclusive group cannot be emptied: it is opened for the moment.
    m_pGroup->setExclusive(false);
    for (int i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setChecked(i == nIndex);
    m_pGroup->setExclusive(true);
}

void CRadioGroup::OnClicked(const std::function<void()>& action)
{
    QObject::connect(m_pGroup, &QButtonGroup::buttonClicked, m_pBox, [action](QAbstractButton*) { action(); });
}

CSpinEdit::CSpinEdit(QWidget* pParent, unsigned nEditId, unsigned nSpinId)
    : m_pEdit(new QLineEdit(pParent)), m_pSpin(new COwnSpinButtonCtrl(pParent))
{
    SetDlgCtrlID(m_pEdit, nEditId);
    SetDlgCtrlID(m_pSpin, nSpinId);
    m_pEdit->setReadOnly(true);
    m_pEdit->setMaximumWidth(70);
    m_pSpin->SetBuddy(m_pEdit);
}

void CSpinEdit::SetUp(int nLower, int nUpper, int nScale, int nOffset, const QString& strPrefix)
{
    m_pSpin->SetRange(nLower, nUpper);
    m_pSpin->SetScale(nScale);
    m_pSpin->SetOffset(nOffset);
    m_pSpin->SetPrefix(strPrefix);
}

void CSpinEdit::Show(int nPosition)
{
    m_pSpin->SetPos(nPosition);
    m_pSpin->UpdateBuddy(-1, false);
}

void CSpinEdit::ShowText(const QString& strText)
{
    m_pEdit->setText(strText);
}

int CSpinEdit::Position() const
{
    return int(uint16_t(m_pSpin->GetPos()));
}

void CSpinEdit::OnMoved(const std::function<void()>& action)
{
    QObject::connect(m_pSpin, &COwnSpinButtonCtrl::positionChanged, m_pEdit, [action](int) { action(); });
}

QWidget* CSpinEdit::Row(QWidget* pParent, const QString& strUnit) const
{
    auto* row = new QWidget(pParent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    m_pEdit->setParent(row);
    m_pSpin->setParent(row);
    layout->addWidget(m_pEdit);
    layout->addWidget(m_pSpin);
    if (!strUnit.isEmpty())
        layout->addWidget(new QLabel(strUnit, row));
    layout->addStretch(1);
    return row;
}

} // namespace MenuControls
