#pragma once
// Controls of the radio-menu pages and the CW dialogs, made with their ids:
// check boxes, radio-button groups whose value is the index of the checked
// button (-1 none), read-only edits with a spin beside them, and lists.
// Filling a control from the radio never raises the notifications that mark
// a page changed: only the operator's clicks and choices do.
#include <QList>
#include <QPair>
#include <QString>
#include <functional>

class COwnComboBox;
class COwnSpinButtonCtrl;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace MenuControls {

using Choice = QPair<QString, unsigned>;  // button text, control id

QCheckBox* Check(QWidget* pParent, const QString& strText, unsigned nId);
QLabel* Label(QWidget* pParent, const QString& strText);
// A drop-down list.
COwnComboBox* List(QWidget* pParent, unsigned nId);

// One group of radio buttons in a captioned box.
class CRadioGroup {
public:
    CRadioGroup(QWidget* pParent, const QString& strTitle, const QList<Choice>& choices);

    QGroupBox* Box() const { return m_pBox; }
    QRadioButton* Button(int nIndex) const { return m_buttons.value(nIndex); }
    int Count() const { return int(m_buttons.size()); }
    // The index of the checked button, -1 when none is.
    int Get() const;
    // Checks that button; any other value (no such button) checks none.
    void Set(int nIndex);
    // Runs when the operator clicks a button of the group.
    void OnClicked(const std::function<void()>& action);

private:
    QGroupBox* m_pBox;
    QButtonGroup* m_pGroup;
    QList<QRadioButton*> m_buttons;
};

// A read-only edit with a spin beside it; the spin writes the edit's text
// (an own spin: prefix + (position + offset) x scale, or / -scale with one
// decimal).
class CSpinEdit {
public:
    CSpinEdit(QWidget* pParent, unsigned nEditId, unsigned nSpinId);

    QLineEdit* Edit() const { return m_pEdit; }
    COwnSpinButtonCtrl* Spin() const { return m_pSpin; }
    // Range, scale, offset and prefix of the spin.
    void SetUp(int nLower, int nUpper, int nScale = 1, int nOffset = 0, const QString& strPrefix = QString());
    // Position and the text it gives.
    void Show(int nPosition);
    // The text as it stands (a plain spin's edit holds the value itself).
    void ShowText(const QString& strText);
    int Position() const;
    // Runs when the operator moves the spin.
    void OnMoved(const std::function<void()>& action);
    // The edit and the spin side by side, with a unit label after them.
    QWidget* Row(QWidget* pParent, const QString& strUnit = QString()) const;

private:
    QLineEdit* m_pEdit;
    COwnSpinButtonCtrl* m_pSpin;
};

} // namespace MenuControls
