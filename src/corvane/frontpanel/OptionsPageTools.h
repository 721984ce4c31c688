#pragma once
// Small pieces the option pages share: controls made with their ids and the
// colour question every colour button asks.
#include "shared/WinTypes.h"

#include <QString>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

namespace OptionsPageTools {

QPushButton* Button(QWidget* pParent, const QString& strText, unsigned nId);
QCheckBox* CheckBox(QWidget* pParent, const QString& strText, unsigned nId);
QRadioButton* Radio(QWidget* pParent, const QString& strText, unsigned nId);
QLabel* Label(QWidget* pParent, const QString& strText, unsigned nId = 0);
QGroupBox* Group(QWidget* pParent, const QString& strTitle);

// The program's colour dialog preset with the colour, the page as parent;
// TRUE (and the colour changed) only when the operator chose OK.
bool ChooseColour(QWidget* pPage, COLORREF& colour);

// A colour button shows the colour it holds as a small square.
void ShowSwatch(QPushButton* pButton, COLORREF colour);

} // namespace OptionsPageTools
