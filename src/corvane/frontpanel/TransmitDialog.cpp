#include "corvane/frontpanel/TransmitDialog.h"

#include "corvane/core/CatLink.h"
#include "platform/Prompter.h"
#include "platform/Sleeper.h"
#include "shared/Registry.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/OwnComboBox.h"
#include "shared/ui/OwnSpinButtonCtrl.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimerEvent>

const CTransmitDialog::ModeRow CTransmitDialog::kModes[8] = {
    {"LSB", 0x00}, {"USB", 0x01}, {"CW", 0x02}, {"CWR", 0x03},
    {"AM", 0x04},  {"FM", 0x08},  {"DIG", 0x0A}, {"PKT", 0x0C},
};

CTransmitDialog::CTransmitDialog(QWidget* pParent, CCatLink& link, uint8_t nSavedMode)
    : QDialog(pParent), m_link(link), m_nSavedMode(nSavedMode)
{
    setWindowTitle(QStringLiteral("Transmit"));
    m_pContinuous = new QRadioButton(QStringLiteral("&Continuous"), this);
    SetDlgCtrlID(m_pContinuous, IDC_CONTINUOUS);
    m_pTimer = new QRadioButton(QStringLiteral("&Start timer:"), this);
    SetDlgCtrlID(m_pTimer, IDC_TIMER);
    auto* group = new QButtonGroup(this);
    group->addButton(m_pContinuous);
    group->addButton(m_pTimer);
    m_pSeconds = new QLineEdit(this);
    SetDlgCtrlID(m_pSeconds, IDC_SECONDS);
    m_pSeconds->setMaxLength(3);
    m_pSeconds->setValidator(new QIntValidator(0, 999, m_pSeconds));
    m_pSpin = new COwnSpinButtonCtrl(this);
    SetDlgCtrlID(m_pSpin, IDC_SPIN);
    m_pSecondsLabel = new QLabel(QStringLiteral("seconds"), this);
    SetDlgCtrlID(m_pSecondsLabel, IDC_SECONDS_LABEL);
    m_pModeLabel = new QLabel(QStringLiteral("Transmit mode:"), this);
    SetDlgCtrlID(m_pModeLabel, IDC_MODE_LABEL);
    m_pMode = new COwnComboBox(this);
    SetDlgCtrlID(m_pMode, IDC_MODE);
    m_pStart = new QPushButton(QStringLiteral("Start"), this);
    SetDlgCtrlID(m_pStart, platform::IDOK);
    m_pStart->setDefault(true);
    m_pCancel = new QPushButton(QStringLiteral("Cancel"), this);
    SetDlgCtrlID(m_pCancel, platform::IDCANCEL);
    m_pStop = new QPushButton(QStringLiteral("Stop"), this);
    SetDlgCtrlID(m_pStop, IDC_STOP);
    connect(m_pStart, &QPushButton::clicked, this, &CTransmitDialog::OnStart);
    connect(m_pStop, &QPushButton::clicked, this, &CTransmitDialog::OnStart);
    connect(m_pCancel, &QPushButton::clicked, this, &CTransmitDialog::OnCancel);

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_pContinuous, 0, 0, 1, 4);
    grid->addWidget(m_pTimer, 1, 0);
    grid->addWidget(m_pSeconds, 1, 1);
    grid->addWidget(m_pSpin, 1, 2);
    grid->addWidget(m_pSecondsLabel, 1, 3);
    grid->addWidget(m_pModeLabel, 2, 0);
    grid->addWidget(m_pMode, 2, 1, 1, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_pStart);
    buttons->addWidget(m_pStop);
    buttons->addWidget(m_pCancel);
    grid->addLayout(buttons, 3, 0, 1, 4);

    const CRegistry& reg = GetRegistry();
    (reg.GetDialogInt(IDD, IDC_CONTINUOUS, 0) == 1 ? m_pTimer : m_pContinuous)->setChecked(true);
    m_pSeconds->setText(reg.GetDialogString(IDD, IDC_SECONDS, QStringLiteral("10")));
}

CTransmitDialog::~CTransmitDialog()
{
    // Never leave the radio transmitting.
    if (m_bTransmitting)
        Stop();
}

int CTransmitDialog::DoModal()
{
    return exec() == Accepted ? platform::IDOK : platform::IDCANCEL;
}

void CTransmitDialog::showEvent(QShowEvent* event)
{
    if (!m_bInitialised)
        OnInitDialog();
    QDialog::showEvent(event);
}

bool CTransmitDialog::OnInitDialog()
{
    m_bInitialised = true;
    m_strCaption = windowTitle();
    m_pSpin->SetBuddy(m_pSeconds);
    m_pSpin->SetRange(1, 999);
    m_pSpin->SetPos(std::max(1, m_pSeconds->text().toInt()));
    connect(m_pSeconds, &QLineEdit::textEdited, this,
            [this](const QString& t) { m_pSpin->SetPos(std::clamp(t.toInt(), 1, 999)); });
    m_pMode->ResetContent();
    for (const ModeRow& row : kModes)
        m_pMode->AddItem(QString::fromLatin1(row.pName), row.nCode);
    const int remembered = GetRegistry().GetDialogInt(IDD, IDC_MODE, 7);
    m_pMode->SetCurSel(remembered >= 0 && remembered < 8 ? remembered : 0);
    EnableControls();
    return true;
}

void CTransmitDialog::EnableControls()
{
    const bool idle = !m_bTransmitting;
    for (QWidget* w : {static_cast<QWidget*>(m_pContinuous), static_cast<QWidget*>(m_pTimer),
                       static_cast<QWidget*>(m_pSeconds), static_cast<QWidget*>(m_pSpin),
                       static_cast<QWidget*>(m_pMode), static_cast<QWidget*>(m_pModeLabel),
                       static_cast<QWidget*>(m_pSecondsLabel), static_cast<QWidget*>(m_pStart)})
        w->setEnabled(idle);
    m_pStop->setEnabled(!idle);
}

void CTransmitDialog::Stop()
{
    m_timer.stop();
    m_link.SetPtt(false);
    platform::sleepMs(500);
    // The saved byte carries the narrow filter in bit 7; the set-mode command
    // takes only the plain mode, so the mode comes back without it.
    m_link.SetMode(uint8_t(m_nSavedMode & 0x7F));
    setWindowTitle(m_strCaption);
}

void CTransmitDialog::OnStart()
{
    if (!m_bTransmitting) {
        const int row = std::max(0, m_pMode->GetCurSel());
        GetRegistry().WriteDialogInt(IDD, IDC_MODE, row);
        m_link.SetMode(uint8_t(m_pMode->GetItemData(row)));
        m_link.SetPtt(true);
        if (m_pTimer->isChecked()) {
            const int seconds = m_pSeconds->text().toInt();
            m_nSecondsLeft = seconds > 0 ? seconds : 1;
            m_timer.start(1000, this);
            setWindowTitle(QStringLiteral("%1 %2").arg(m_strCaption).arg(m_nSecondsLeft));
        }
    } else {
        Stop();
    }
    m_bTransmitting = !m_bTransmitting;
    EnableControls();
}

void CTransmitDialog::OnTimer()
{
    if (--m_nSecondsLeft != 0)
        setWindowTitle(QStringLiteral("%1 %2").arg(m_strCaption).arg(m_nSecondsLeft));
    else
        OnStart();
}

void CTransmitDialog::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_timer.timerId()) {
        OnTimer();
        return;
    }
    QDialog::timerEvent(event);
}

void CTransmitDialog::OnCancel()
{
    if (m_bTransmitting)
        OnStart();
    GetRegistry().WriteDialogInt(IDD, IDC_CONTINUOUS, m_pTimer->isChecked() ? 1 : 0);
    GetRegistry().WriteDialogString(IDD, IDC_SECONDS, m_pSeconds->text());
    done(Rejected);
}
