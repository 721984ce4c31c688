#include "brevio/tools/options/PSK31OptionsPage.h"

#include "platform/Prompter.h"
#include "brevio/core/FontDescription.h"
#include "brevio/core/RegisteredMessages.h"
#include "shared/RegisteredEvent.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/OwnColorDialog.h"
#include "shared/ui/WaitCursor.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

CPSK31OptionsPage::CPSK31OptionsPage(unsigned nIDTemplate, const QString& strCaption, QWidget* parent)
    : COptionsPage(nIDTemplate, parent)
{
    setWindowTitle(strCaption);
}

CPSK31OptionsPage::~CPSK31OptionsPage() = default;

int CPSK31OptionsPage::OnGetList(QStringList* pLines)
{
    if (pLines)
        GetTopicLines(*pLines);
    return 0;
}

void CPSK31OptionsPage::NotifyOptionChanged()
{
    QObject* sheet = GetSheet();
    if (!sheet)
        sheet = parent();
    if (sheet)
        SendRegisteredMessage(sheet, RegisteredMessage::nMsgUpdate, 0, 0);
}

bool CPSK31OptionsPage::event(QEvent* event)
{
    if (auto* msg = CRegisteredEvent::As(event, RegisteredMessage::nMsgGetList)) {
        msg->SetResult(OnGetList(reinterpret_cast<QStringList*>(msg->lParam())));
        return true;
    }
    return COptionsPage::event(event);
}

bool CPSK31OptionsPage::ChooseColour(COLORREF& colour)
{
    COwnColorDialog dialog(colour, 0, this);
    if (dialog.DoModal() != platform::IDOK)
        return false;
    colour = dialog.GetColor();
    return true;
}

QFont CPSK31OptionsPage::FontFromDescription(const QString& strDescription)
{
    const CFontDescription description(strDescription);
    QFont font(description.GetFace());
    if (description.GetSize() > 0)
        font.setPointSize(description.GetSize());
    font.setWeight(description.IsBold() ? QFont::Bold : QFont::Normal);
    font.setItalic(description.IsItalic());
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QString CPSK31OptionsPage::DescriptionFromFont(const QFont& font)
{
    int size = font.pointSize();
    if (size <= 0)
        size = qRound(font.pointSizeF());
    return QStringLiteral("%1,%2,%3,%4")
        .arg(font.family())
        .arg(size)
        .arg(font.weight() == QFont::Bold ? 1 : 0)
        .arg(font.italic() ? 1 : 0);
}

bool CPSK31OptionsPage::ChooseFont(QString& strDescription)
{
    QFont initial;
    {
        const CWaitCursor wait;
        initial = FontFromDescription(strDescription);
    }
    const std::optional<QFont> chosen = platform::Prompter::instance().font(this, initial, QString());
    if (!chosen)
        return false;
    strDescription = DescriptionFromFont(*chosen);
    return true;
}

QCheckBox* CPSK31OptionsPage::MakeCheck(QWidget* pParent, const QString& strText, unsigned nId, bool bNotify)
{
    auto* box = new QCheckBox(strText, pParent);
    SetDlgCtrlID(box, nId);
    if (bNotify)
        connect(box, &QCheckBox::clicked, this, [this] { NotifyOptionChanged(); });
    return box;
}

QRadioButton* CPSK31OptionsPage::MakeRadio(QWidget* pParent, QButtonGroup* pGroup, const QString& strText,
                                           unsigned nId, int nIndex)
{
    auto* radio = new QRadioButton(strText, pParent);
    SetDlgCtrlID(radio, nId);
    if (pGroup)
        pGroup->addButton(radio, nIndex);
    return radio;
}

QPushButton* CPSK31OptionsPage::MakeButton(QWidget* pParent, const QString& strText, unsigned nId)
{
    auto* button = new QPushButton(strText, pParent);
    SetDlgCtrlID(button, nId);
    button->setAutoDefault(false);
    return button;
}

QLabel* CPSK31OptionsPage::MakeLabel(QWidget* pParent, const QString& strText, unsigned nId)
{
    auto* label = new QLabel(strText, pParent);
    if (nId)
        SetDlgCtrlID(label, nId);
    return label;
}

QGroupBox* CPSK31OptionsPage::MakeGroup(QWidget* pParent, const QString& strTitle, unsigned nId)
{
    auto* group = new QGroupBox(strTitle, pParent);
    if (nId)
        SetDlgCtrlID(group, nId);
    return group;
}

QSlider* CPSK31OptionsPage::MakeSlider(QWidget* pParent, Qt::Orientation orientation, unsigned nId, int nMin,
                                       int nMax, int nTicks)
{
    auto* slider = new QSlider(orientation, pParent);
    SetDlgCtrlID(slider, nId);
    slider->setRange(nMin, nMax);
    slider->setTickInterval(nTicks);
    slider->setPageStep(nTicks);
    return slider;
}

QButtonGroup* CPSK31OptionsPage::MakeRadioGroup(bool bNotify)
{
    auto* group = new QButtonGroup(this);
    group->setExclusive(true);
    if (bNotify)
        connect(group, &QButtonGroup::idClicked, this, [this] { NotifyOptionChanged(); });
    return group;
}

int CPSK31OptionsPage::CheckedIndex(const QButtonGroup* pGroup)
{
    return pGroup->checkedId();
}

void CPSK31OptionsPage::CheckIndex(QButtonGroup* pGroup, int nIndex)
{
    if (QAbstractButton* button = pGroup->button(nIndex)) {
        const QSignalBlocker blocker(button);
        button->setChecked(true);
    }
}

void CPSK31OptionsPage::SetChecked(QAbstractButton* pButton, bool bChecked)
{
    const QSignalBlocker blocker(pButton);
    pButton->setChecked(bChecked);
}

void CPSK31OptionsPage::SetText(QLineEdit* pEdit, const QString& strText)
{
    if (pEdit->text() == strText)
        return;
    const QSignalBlocker blocker(pEdit);
    pEdit->setText(strText);
}

void CPSK31OptionsPage::SetSliderPos(QSlider* pSlider, int nPos)
{
    const QSignalBlocker blocker(pSlider);
    pSlider->setValue(nPos);
}
