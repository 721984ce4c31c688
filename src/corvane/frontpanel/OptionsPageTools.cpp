#include "corvane/frontpanel/OptionsPageTools.h"

#include "platform/Prompter.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/OwnColorDialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

namespace OptionsPageTools {

QPushButton* Button(QWidget* pParent, const QString& strText, unsigned nId)
{
    auto* button = new QPushButton(strText, pParent);
    SetDlgCtrlID(button, nId);
    button->setAutoDefault(false);
    return button;
}

QCheckBox* CheckBox(QWidget* pParent, const QString& strText, unsigned nId)
{
    auto* box = new QCheckBox(strText, pParent);
    SetDlgCtrlID(box, nId);
    return box;
}

QRadioButton* Radio(QWidget* pParent, const QString& strText, unsigned nId)
{
    auto* radio = new QRadioButton(strText, pParent);
    SetDlgCtrlID(radio, nId);
    return radio;
}

QLabel* Label(QWidget* pParent, const QString& strText, unsigned nId)
{
    auto* label = new QLabel(strText, pParent);
    if (nId)
        SetDlgCtrlID(label, nId);
    return label;
}

QGroupBox* Group(QWidget* pParent, const QString& strTitle)
{
    return new QGroupBox(strTitle, pParent);
}

bool ChooseColour(QWidget* pPage, COLORREF& colour)
{
    COwnColorDialog dialog(colour, 0, pPage);
    if (dialog.DoModal() != platform::IDOK)
        return false;
    colour = dialog.GetColor();
    return true;
}

void ShowSwatch(QPushButton* pButton, COLORREF colour)
{
    QPixmap swatch(12, 12);
    swatch.fill(toQColor(colour));
    QPainter painter(&swatch);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, 11, 11);
    pButton->setIcon(QIcon(swatch));
}

} // namespace OptionsPageTools
