#include "corvane/frontpanel/RefreshIntervalDialog.h"

#include "platform/Prompter.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/OwnSpinButtonCtrl.h"

#include <QGridLayout>
#include <algorithm>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

CRefreshIntervalDialog::CRefreshIntervalDialog(QWidget* pParent, unsigned nSeconds)
    : QDialog(pParent), m_strInterval(QString::number(nSeconds))
{
    setWindowTitle(QStringLiteral("Refresh Interval"));
    auto* text = new QLabel(
        QStringLiteral("Enter the refresh interval (a value between 10 and 999 seconds), then press 'OK'."), this);
    text->setWordWrap(true);
    m_pEdit = new QLineEdit(m_strInterval, this);
    SetDlgCtrlID(m_pEdit, IDC_INTERVAL);
    m_pEdit->setMaxLength(3);
    m_pEdit->setValidator(new QIntValidator(0, 999, m_pEdit));
    m_pSpin = new COwnSpinButtonCtrl(this);
    SetDlgCtrlID(m_pSpin, IDC_SPIN);
    m_pSpin->SetBuddy(m_pEdit);
    m_pSpin->SetRange(10, 999);
    m_pSpin->SetPos(int(std::clamp(nSeconds, 10u, 999u)));
    m_pEdit->setText(m_strInterval);
    // The arrows step from what was typed.
    connect(m_pEdit, &QLineEdit::textEdited, this,
            [this](const QString& t) { m_pSpin->SetPos(std::clamp(t.toInt(), 10, 999)); });
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    SetDlgCtrlID(ok, platform::IDOK);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    SetDlgCtrlID(cancel, platform::IDCANCEL);
    connect(ok, &QPushButton::clicked, this, &CRefreshIntervalDialog::OnOK);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->addWidget(text, 0, 0, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("Interval:"), this), 1, 0);
    grid->addWidget(m_pEdit, 1, 1);
    grid->addWidget(m_pSpin, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("seconds"), this), 1, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 2, 0, 1, 4);
}

CRefreshIntervalDialog::~CRefreshIntervalDialog() = default;

int CRefreshIntervalDialog::DoModal()
{
    return exec() == Accepted ? platform::IDOK : platform::IDCANCEL;
}

QString CRefreshIntervalDialog::Clamp(const QString& strText)
{
    const int n = strText.trimmed().toInt();
    if (n < 10)
        return QStringLiteral("10");
    if (n >= 1000)
        return QStringLiteral("999");
    return QString::number(n);
}

void CRefreshIntervalDialog::OnOK()
{
    m_strInterval = Clamp(m_pEdit->text());
    m_pEdit->setText(m_strInterval);
    done(Accepted);
}
