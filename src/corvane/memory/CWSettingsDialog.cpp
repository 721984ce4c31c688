#include "corvane/memory/CWSettingsDialog.h"

#include "corvane/memory/CWSettingsForm.h"
#include "corvane/memory/ToolSupport.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/WaitCursor.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

CCWSettingsDialog::CCWSettingsDialog(QWidget* pParent, CCatLink* pLink)
    : CBaseDialog(kTemplateId, pParent), m_fields(pLink)
{
    setWindowTitle(QStringLiteral("CW Settings"));
    auto* form = new QWidget(this);
    m_pForm = new CCWSettingsForm(form);
    form->setLayout(m_pForm->Layout());
    connect(m_pForm, &CCWSettingsForm::changed, this, &CCWSettingsDialog::OnChanged);

    m_pReload = ToolSupport::BitmapButton(this, IDC_RELOAD, QStringLiteral("&Reload"), 262);
    m_pReload->SetPseudoDisabled(false);
    m_pReload->setAutoDefault(false);
    connect(m_pReload, &QPushButton::clicked, this, &CCWSettingsDialog::OnReload);
    auto* note = new QLabel(QStringLiteral("Changes are applied immediately"), this);
    note->setAlignment(Qt::AlignCenter);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_pReload);
    bottom->addWidget(note, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(form);
    layout->addLayout(bottom);
}

CCWSettingsDialog::~CCWSettingsDialog() = default;

bool CCWSettingsDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    OnReload();
    return true;
}

void CCWSettingsDialog::OnReload()
{
    const CWaitCursor wait;
    m_pForm->Read(m_fields);
}

void CCWSettingsDialog::OnChanged(int nSetting)
{
    const CWaitCursor wait;
    m_pForm->WriteOne(m_fields, CCWSettingsForm::Setting(nSetting));
}
