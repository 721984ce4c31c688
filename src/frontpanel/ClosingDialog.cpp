#include "frontpanel/ClosingDialog.h"

#include "platform/Prompter.h"
#include "shared/Registry.h"
#include "shared/artwork/Artwork.h"
#include "shared/ui/BaseDialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

CClosingDialog::CClosingDialog(QWidget* pParent) : QDialog(pParent)
{
    setWindowTitle(QStringLiteral("Closing..."));
    m_bPowerDown = GetRegistry().GetDialogInt(IDD, IDC_POWER_DOWN, 0) != 0;

    auto* icon = new QLabel(this);
    const QImage image = artwork::icon(128, QSize(32, 32));
    if (!image.isNull())
        icon->setPixmap(QPixmap::fromImage(image));
    m_pCheck = new QCheckBox(QStringLiteral("&Power-down your FT-817?\n\nNote: Do not use this command when using "
                                            "Alkaline batteries or the optional FNB-72 Ni-Cd battery Pack."),
                             this);
    SetDlgCtrlID(m_pCheck, IDC_POWER_DOWN);
    m_pCheck->setChecked(m_bPowerDown);
    auto* ok = new QPushButton(QStringLiteral("Continue"), this);
    SetDlgCtrlID(ok, platform::IDOK);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    SetDlgCtrlID(cancel, platform::IDCANCEL);
    connect(ok, &QPushButton::clicked, this, &CClosingDialog::OnOK);
    connect(cancel, &QPushButton::clicked, this, &CClosingDialog::OnCancel);

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addWidget(m_pCheck, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addLayout(buttons);
}

CClosingDialog::~CClosingDialog() = default;

int CClosingDialog::DoModal()
{
    return exec() == Accepted ? platform::IDOK : platform::IDCANCEL;
}

void CClosingDialog::OnOK()
{
    m_bPowerDown = m_pCheck->isChecked();
    GetRegistry().WriteDialogInt(IDD, IDC_POWER_DOWN, m_bPowerDown ? 1 : 0);
    done(Accepted);
}

void CClosingDialog::OnCancel()
{
    done(Rejected);
}
