#include "corvane/organisers/CreateFolderDialog.h"

#include "platform/Prompter.h"
#include "shared/ui/BaseDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QString withoutTrailingBlanks(const QString& text)
{
    int end = int(text.size());
    while (end > 0 && text[end - 1].isSpace())
        --end;
    return text.left(end);
}
} // namespace

CCreateFolderDialog::CCreateFolderDialog(QWidget* pParent) : QDialog(pParent)
{
    SetDlgCtrlID(this, kTemplateId);
    setWindowTitle(QStringLiteral("Create New Folder"));
    auto* label = new QLabel(QStringLiteral("Folder:"), this);
    m_pEdit = new QLineEdit(this);
    SetDlgCtrlID(m_pEdit, IDC_FOLDER);
    label->setBuddy(m_pEdit);
    m_pOk = new QPushButton(QStringLiteral("OK"), this);
    SetDlgCtrlID(m_pOk, platform::IDOK);
    m_pOk->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    SetDlgCtrlID(cancel, platform::IDCANCEL);
    connect(m_pOk, &QPushButton::clicked, this, &CCreateFolderDialog::OnOK);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_pEdit, &QLineEdit::textChanged, this, &CCreateFolderDialog::UpdateOk);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_pEdit, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_pOk);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
    setMinimumWidth(300);
    UpdateOk();
}

CCreateFolderDialog::~CCreateFolderDialog() = default;

int CCreateFolderDialog::DoModal()
{
    return exec() == Accepted ? platform::IDOK : platform::IDCANCEL;
}

void CCreateFolderDialog::UpdateOk()
{
    m_pOk->setEnabled(!withoutTrailingBlanks(m_pEdit->text()).isEmpty());
}

void CCreateFolderDialog::OnOK()
{
    const QString name = withoutTrailingBlanks(m_pEdit->text());
    if (name.isEmpty())
        return;
    if (name.contains(QLatin1Char('\\'))) {
        platform::messageBox(this, QStringLiteral("A folder name cannot contain '\\'."), windowTitle(),
                             platform::MB_OK | platform::MB_ICONERROR);
        return;
    }
    m_strFolder = name;
    accept();
}
