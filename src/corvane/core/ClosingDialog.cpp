#include "corvane/core/ClosingDialog.h"

#include "platform/Prompter.h"
#include "shared/Registry.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

CClosingDialog::CClosingDialog(QWidget* pParent) : QDialog(pParent)
{
    setWindowTitle(QStringLiteral("Closing..."));
    setProperty("dialogId", kDialogId);
    if (!qApp->windowIcon().isNull())
        setWindowIcon(qApp->windowIcon());
    m_bPowerDown = CRegistry().GetDialogInt(kDialogId, kPowerDownId, 0) != 0;
    resize(380, 150);
    m_pPowerDown = new QCheckBox(QStringLiteral("&Power-down your FT-817?"), this);
    m_pPowerDown->setProperty("controlId", kPowerDownId);
    m_pPowerDown->setGeometry(16, 12, 348, 24);
    m_pPowerDown->setChecked(m_bPowerDown);
    auto* note = new QLabel(QStringLiteral("Note: Do not use this command when using Alkaline batteries or the "
                                           "optional FNB-72 Ni-Cd battery Pack."),
                            this);
    note->setWordWrap(true);
    note->setGeometry(36, 40, 328, 56);
    auto* ok = new QPushButton(QStringLiteral("Continue"), this);
    ok->setProperty("controlId", 1);
    ok->setGeometry(150, 108, 100, 28);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setProperty("controlId", 2);
    cancel->setGeometry(264, 108, 100, 28);
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel, &QPushButton::clicked, this, [this] { reject(); });
}

int CClosingDialog::DoModal()
{
    return exec() == Accepted ? platform::IDOK : platform::IDCANCEL;
}

void CClosingDialog::OnOK()
{
    m_bPowerDown = m_pPowerDown->isChecked();
    CRegistry().WriteDialogInt(kDialogId, kPowerDownId, m_bPowerDown ? 1 : 0);
    accept();
}
