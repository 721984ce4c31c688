#include "brevio/tools/options/PSK31PageAutosave.h"

#include "platform/Prompter.h"
#include "brevio/core/PSK31Settings.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/ColourStatic.h"
#include "shared/ui/PathEllipsis.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CPSK31PageAutosave::CPSK31PageAutosave(QWidget* parent)
    : CPSK31OptionsPage(IDD, QStringLiteral("Autosave"), parent)
{
    m_pFolder = new CColourStatic(this);
    SetDlgCtrlID(m_pFolder, IDC_FOLDER);
    m_pFolder->SetCaptionColours();
    SetPathEllipsis(m_pFolder);
    m_pFolder->setMinimumHeight(20);
    QPushButton* browse = MakeButton(this, QStringLiteral("..."), IDC_BROWSE);
    browse->setFixedWidth(30);
    connect(browse, &QPushButton::clicked, this, [this] { OnBrowse(); });
    m_pEnable = MakeCheck(this, QStringLiteral("&Enable"), IDC_ENABLE);
    m_pAddDate = MakeCheck(this, QStringLiteral("Add &date to filename (new file every day)"), IDC_ADD_DATE);
    m_pAppend =
        MakeCheck(this, QStringLiteral("&Append (if not checked then existing files are overwritten)"), IDC_APPEND);
    QLabel* note = MakeLabel(this, QStringLiteral("Note: A text (.txt) file is created for each channel in the "
                                                  "selected directory. The file is updated every 60 seconds and "
                                                  "also when this program closes."));
    note->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    QLabel* folderLabel = MakeLabel(this, QStringLiteral("&Directory:"));
    folderLabel->setBuddy(m_pFolder);
    layout->addWidget(folderLabel);
    auto* row = new QHBoxLayout;
    row->addWidget(m_pFolder, 1);
    row->addWidget(browse);
    layout->addLayout(row);
    layout->addSpacing(8);
    layout->addWidget(m_pEnable);
    layout->addWidget(m_pAddDate);
    layout->addWidget(m_pAppend);
    layout->addSpacing(8);
    layout->addWidget(note);
    layout->addStretch(1);
}

CPSK31PageAutosave::~CPSK31PageAutosave() = default;

void CPSK31PageAutosave::DoDataExchange(bool bSaveAndValidate)
{
    if (bSaveAndValidate) {
        m_strDir = m_pFolder->text();
        m_bEnable = m_pEnable->isChecked();
        m_bAddDate = m_pAddDate->isChecked();
        m_bAppend = m_pAppend->isChecked();
    } else {
        m_pFolder->setText(m_strDir);
        SetChecked(m_pEnable, m_bEnable);
        SetChecked(m_pAddDate, m_bAddDate);
        SetChecked(m_pAppend, m_bAppend);
    }
}

void CPSK31PageAutosave::LoadFromSettings(CPSK31Settings& settings)
{
    m_strDir = settings.m_strAutosaveDir;
    m_bEnable = settings.m_bAutosaveEnable;
    m_bAddDate = settings.m_bAutosaveAddDate;
    m_bAppend = settings.m_bAutosaveAppend;
    UpdateData(false);
}

void CPSK31PageAutosave::StoreToSettings(CPSK31Settings& settings)
{
    UpdateData(true);
    settings.m_strAutosaveDir = m_strDir;
    settings.m_bAutosaveEnable = m_bEnable;
    settings.m_bAutosaveAddDate = m_bAddDate;
    settings.m_bAutosaveAppend = m_bAppend;
}

void CPSK31PageAutosave::OnBrowse()
{
    // No folder preselected: the chooser opens at the top of the file system.
    const QString folder =
        platform::Prompter::instance().existingFolder(this, QStringLiteral("Select the Autosave folder"), QString());
    if (folder.isEmpty())
        return;
    UpdateData(true);
    m_strDir = folder;
    UpdateData(false);
    NotifyOptionChanged();
}
