#include "corvane/organisers/EditFavouriteDialog.h"

#include "corvane/core/FrequencyRangeCheck.h"
#include "corvane/organisers/FavouriteEntry.h"
#include "corvane/organisers/FavouriteModes.h"
#include "corvane/organisers/RepeaterDialog.h"
#include "platform/Prompter.h"
#include "shared/edit/FrequencyEdit.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/OwnComboBox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

CEditFavouriteDialog::CEditFavouriteDialog(QWidget* pParent, CFavouriteEntry* pEntry, const QStringList& titlesInUse)
    : QDialog(pParent), m_pEntry(pEntry), m_titlesInUse(titlesInUse)
{
    SetDlgCtrlID(this, kTemplateId);
    setWindowTitle(QStringLiteral("Edit"));
    m_strStartTitle = pEntry->GetTitle();
    m_strTitle = m_strStartTitle;
    m_nFrequency = pEntry->GetRxFrequency();
    m_nMode = pEntry->GetMode();
    m_strSettings = pEntry->GetRepeaterSettings();

    m_pTitle = new QLineEdit(m_strTitle, this);
    SetDlgCtrlID(m_pTitle, IDC_TITLE);
    m_pFrequency = new CFrequencyEdit(this);
    SetDlgCtrlID(m_pFrequency, IDC_FREQUENCY);
    m_pMode = new COwnComboBox(this);
    SetDlgCtrlID(m_pMode, IDC_MODE);
    m_pEnable = new QCheckBox(QStringLiteral("&Enable"), this);
    SetDlgCtrlID(m_pEnable, IDC_ENABLE);
    m_pEnable->setChecked(pEntry->HasRepeaterSettings());
    auto* edit = new QPushButton(QStringLiteral("E&dit"), this);
    SetDlgCtrlID(edit, IDC_EDIT);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    SetDlgCtrlID(ok, platform::IDOK);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    SetDlgCtrlID(cancel, platform::IDCANCEL);
    connect(ok, &QPushButton::clicked, this, &CEditFavouriteDialog::OnOK);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_pEnable, &QCheckBox::clicked, this, &CEditFavouriteDialog::OnEnable);
    connect(edit, &QPushButton::clicked, this, &CEditFavouriteDialog::OnEditRepeater);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Title:"), this), 0, 0);
    grid->addWidget(m_pTitle, 0, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Frequency:"), this), 1, 0);
    grid->addWidget(m_pFrequency, 1, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Mode:"), this), 2, 0);
    grid->addWidget(m_pMode, 2, 1);
    auto* repeater = new QHBoxLayout;
    repeater->addWidget(new QLabel(QStringLiteral("Repeater:"), this));
    repeater->addWidget(m_pEnable);
    repeater->addWidget(edit);
    repeater->addStretch(1);
    grid->addLayout(repeater, 3, 0, 1, 4);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 4, 0, 1, 4);
    setMinimumWidth(320);
    InitControls();
}

CEditFavouriteDialog::~CEditFavouriteDialog() = default;

void CEditFavouriteDialog::InitControls()
{
    m_pFrequency->SetMultiplier(10);
    m_pFrequency->SetPromptChar(QLatin1Char('_'));
    m_pFrequency->SetAutoAdvance(false);
    m_pFrequency->UseDisplayFont();
    m_pFrequency->SetMask(QStringLiteral("###.###.## MHz"));
    m_pFrequency->SetFrequency(m_nFrequency);
    m_pFrequency->Validate();
    FavouriteModes::Fill(*m_pMode);
    FavouriteModes::Select(*m_pMode, m_nMode);
}

int CEditFavouriteDialog::DoModal()
{
    return exec() == Accepted ? platform::IDOK : platform::IDCANCEL;
}

void CEditFavouriteDialog::OnEnable()
{
    // The valid flag is the first character of the text.
    if (m_strSettings.isEmpty())
        m_strSettings = QStringLiteral(" ");
    m_strSettings[0] = m_pEnable->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
}

void CEditFavouriteDialog::OnEditRepeater()
{
    CRepeaterDialog dialog(this, *m_pEntry);
    if (dialog.DoModal() != platform::IDOK)
        return;
    m_strSettings = dialog.GetSettingsText(m_pEnable->isChecked() ? 1 : 0);
    // The entry takes the settings at once, whatever happens to this dialog.
    m_pEntry->SetRepeaterSettings(m_strSettings);
}

void CEditFavouriteDialog::OnOK()
{
    m_strTitle = m_pTitle->text().trimmed();
    m_nMode = uint8_t(m_pMode->GetSelectedData());
    m_nFrequency = m_pFrequency->GetFrequency();
    QString refusal;
    if (m_strTitle.isEmpty())
        refusal = QStringLiteral("The title cannot be empty.");
    else if (m_strTitle != m_strStartTitle && m_titlesInUse.contains(m_strTitle))
        refusal = QStringLiteral("This title is in use by another definition.");
    else if (m_nFrequency == 0)
        refusal = QStringLiteral("The frequency cannot be 0.");
    if (!refusal.isEmpty()) {
        platform::messageBox(this, refusal, windowTitle(), platform::MB_OK | platform::MB_ICONERROR);
        return;
    }
    if (!CFrequencyRangeCheck::CheckReceivable(this, *m_pFrequency, windowTitle())) {
        m_pFrequency->setFocus();
        return;
    }
    accept();
}
