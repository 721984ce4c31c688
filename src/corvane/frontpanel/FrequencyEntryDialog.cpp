#include "corvane/frontpanel/FrequencyEntryDialog.h"

#include "corvane/core/CatLink.h"
#include "corvane/core/FrequencyRangeCheck.h"
#include "corvane/core/RadioApp.h"
#include "corvane/frontpanel/DisplayView.h"
#include "corvane/frontpanel/FrequencyDisplay.h"
#include "corvane/frontpanel/RadioStatus.h"
#include "corvane/frontpanel/VfoStatic.h"
#include "platform/Prompter.h"
#include "shared/Registry.h"
#include "shared/edit/FrequencyEdit.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace {
// The check box is remembered under the value with the empty name.
const QString kCloseValue = QString();
} // namespace

CFrequencyEntryDialog::CFrequencyEntryDialog(QWidget* pParent, CCatLink* pLink)
    : CBaseDialog(kTemplateId, pParent), m_pLink(pLink)
{
    setWindowTitle(QStringLiteral("Frequency"));
    setModal(false);
    m_bClose = GetRegistry().GetInt(kCloseValue, 0);
    m_pField = new CFrequencyEdit(this);
    m_pField->setGeometry(10, 10, 150, 26);
    m_pMain = new QRadioButton(QStringLiteral("&Main"), this);
    m_pMain->setGeometry(10, 44, 70, 20);
    m_pSub = new QRadioButton(QStringLiteral("&Sub"), this);
    m_pSub->setGeometry(84, 44, 70, 20);
    m_pClose = new QCheckBox(QStringLiteral("&Close"), this);
    m_pClose->setGeometry(10, 70, 80, 20);
    m_pEnter = new QPushButton(QStringLiteral("Enter"), this);
    m_pEnter->setGeometry(170, 10, 70, 26);
    m_pEnter->setDefault(true);
    SetDlgCtrlID(m_pField, IdField);
    SetDlgCtrlID(m_pMain, IdMain);
    SetDlgCtrlID(m_pSub, IdSub);
    SetDlgCtrlID(m_pClose, IdClose);
    SetDlgCtrlID(m_pEnter, IdEnter);
    connect(m_pEnter, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(m_pMain, &QRadioButton::clicked, this, [this] { m_nTarget = 0; Refill(); });
    connect(m_pSub, &QRadioButton::clicked, this, [this] { m_nTarget = 1; Refill(); });
    m_pMain->setChecked(true);
    m_pClose->setChecked(m_bClose);
    resize(250, 100);
    SetFixedFrame();
}

CFrequencyEntryDialog::~CFrequencyEntryDialog() = default;

CCatLink* CFrequencyEntryDialog::Link() const
{
    if (m_pLink)
        return m_pLink;
    if (CDisplayView* view = GetDisplayView())
        return &view->Panel().Link();
    return GetRadioApp() ? &GetRadioApp()->GetCatLink() : nullptr;
}

QString CFrequencyEntryDialog::FieldText(uint32_t nHz)
{
    const QString digits = QString::asprintf("%8.8u", nHz / 10);
    return QStringLiteral("%1.%2.%3").arg(digits.left(3), digits.mid(3, 3), digits.mid(6));
}

bool CFrequencyEntryDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    Refill();
    return true;
}

void CFrequencyEntryDialog::SetTarget(int nTarget)
{
    m_nTarget = nTarget == 1 ? 1 : 0;
    (m_nTarget ? m_pSub : m_pMain)->setChecked(true);
}

void CFrequencyEntryDialog::Refill()
{
    uint32_t hz = 0;
    if (CDisplayView* view = GetDisplayView()) {
        if (m_nTarget == 1)
            hz = view->GetVfoStatic()->GetFrequency();
        else if (view->GetRadioState()->GetFrequency() != 0xFFFFFFFF)
            hz = CRadioStatus::BcdWordToHz(view->GetRadioState()->GetFrequency());
    }
    m_pField->SetPromptChar(QLatin1Char('_'));
    m_pField->SetAutoAdvance(false);
    m_pField->UseDisplayFont();
    m_pField->SetMask(QStringLiteral("###\\.###\\.##"));
    m_pField->SetInputText(FieldText(hz), 0, true);
    m_pField->Validate();
}

void CFrequencyEntryDialog::ReadControls()
{
    m_nTarget = m_pSub->isChecked() ? 1 : 0;
    m_bClose = m_pClose->isChecked() ? 1 : 0;
}

bool CFrequencyEntryDialog::IsFieldEmpty() const
{
    const QString input = m_pField->GetInputText();
    return !std::any_of(input.cbegin(), input.cend(), [](QChar c) { return c.isDigit(); });
}

void CFrequencyEntryDialog::OnOK()
{
    ReadControls();
    // Nothing typed is no value at all, not a frequency out of range.
    if (IsFieldEmpty()) {
        m_pField->setFocus();
        platform::messageBox(this, QStringLiteral("Please enter a frequency."), windowTitle(),
                             platform::MB_ICONWARNING);
        return;
    }
    m_pField->Validate();
    m_pField->setFocus();
    const uint32_t hz = m_pField->GetFrequency();
    // A frequency the receiver cannot take would be ignored by the radio
    // without a word: say so instead, and send nothing.
    CFrequencyRangeCheck check;
    if (!check.CheckRx(this, *m_pField))
        return;
    if (CCatLink* link = Link()) {
        CDisplayView* view = GetDisplayView();
        if (m_nTarget == 0 && view && &view->Panel().Link() == link)
            view->SetFrequency(hz - hz % 10);  // through the panel: Undo returns here
        else if (m_nTarget == 0)
            link->SetFrequency(hz / 10);
        else
            link->SetOtherVfoFrequency(hz);
    }
    GetRegistry().WriteInt(kCloseValue, m_bClose);
    if (m_bClose) {
        SaveGeometry();
        hide();
    }
}

void CFrequencyEntryDialog::OnCancel()
{
    SaveGeometry();
    hide();
}

void CFrequencyEntryDialog::closeEvent(QCloseEvent* event)
{
    SaveGeometry();
    hide();
    event->ignore();
}

void CFrequencyEntryDialog::TypeDigit(int nDigit)
{
    if (nDigit < 0 || nDigit > 9)
        return;
    m_pField->setFocus();
    m_pField->setCursorPosition(0);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_0 + nDigit, Qt::NoModifier, QString(QChar('0' + nDigit)));
    QCoreApplication::sendEvent(m_pField, &press);
}
